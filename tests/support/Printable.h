#pragma once
// Windows-1252 bytes as readable ASCII for test messages: other bytes as "\xNN".
#include <cstdio>
#include <string>

namespace quillora::test {

inline std::string Printable(const std::string& text) {
    std::string out;
    for (unsigned char b : text) {
        if (b < 0x20 || b >= 0x7F) {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

}  // namespace quillora::test
