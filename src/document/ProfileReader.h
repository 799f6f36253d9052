#pragma once
// Reads INI text the way the Windows profile functions do: section and key names
// without regard to case, the first matching key wins, values trimmed and stripped of
// one pair of enclosing quotes. Unlike those functions, values are never truncated.
#include <optional>
#include <string>
#include <vector>

namespace quillora {

class ProfileReader {
public:
    explicit ProfileReader(const std::vector<std::string>& lines);

    // The value of key in section, or nullopt when either is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    std::string Value(const std::string& section, const std::string& key,
                      const std::string& fallback) const;

private:
    std::vector<std::string> lines_;
};

std::string TrimBlanks(const std::string& text);  // spaces and tabs, both ends
bool EqualsIgnoreCaseAscii(const std::string& a, const std::string& b);

}  // namespace quillora
