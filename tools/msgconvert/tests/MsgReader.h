#pragma once
// Reads a message file back through libgsf for the tests: streams by path and the
// entries of property streams.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillora::msgconvert::test {

struct PropertyEntry {
    std::uint32_t flags = 0;
    std::string value;  // the 8 value bytes
    std::uint32_t Long() const;
};

class MsgFile {
public:
    explicit MsgFile(const std::string& path);  // fails the test when it is no compound file
    ~MsgFile();
    MsgFile(const MsgFile&) = delete;
    MsgFile& operator=(const MsgFile&) = delete;

    bool Exists(const std::string& path) const;  // "storage/stream", "" is the root
    std::vector<std::string> Children(const std::string& storage) const;
    std::string Stream(const std::string& path) const;

    // The header bytes and the entries of storage's property stream.
    std::string Header(const std::string& storage, std::size_t headerSize) const;
    std::map<std::uint32_t, PropertyEntry> Properties(const std::string& storage, std::size_t headerSize) const;

    // A string property as UTF-8, checking that the entry's size is the stream's plus two.
    std::string Unicode(const std::string& storage, std::size_t headerSize, std::uint32_t tag) const;
    // A binary property, checking its size against the entry.
    std::string Binary(const std::string& storage, std::size_t headerSize, std::uint32_t tag) const;

private:
    void* infile_ = nullptr;
};

std::uint32_t Le32(const std::string& bytes, std::size_t at);

}  // namespace quillora::msgconvert::test
