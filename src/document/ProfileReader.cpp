#include "document/ProfileReader.h"

#include "render/TextConversions.h"

namespace quillora {

std::string TrimBlanks(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return text.substr(b, e - b);
}

bool EqualsIgnoreCaseAscii(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

ProfileReader::ProfileReader(const std::vector<std::string>& lines) : lines_(lines) {}

std::optional<std::string> ProfileReader::Value(const std::string& section,
                                                const std::string& key) const {
    bool inSection = false;
    bool seenSection = false;
    for (const auto& raw : lines_) {
        const std::string line = TrimBlanks(raw);
        if (!line.empty() && line.front() == '[') {
            const auto close = line.find(']');
            const std::string name = close == std::string::npos ? line.substr(1)
                                                                : line.substr(1, close - 1);
            if (inSection) return std::nullopt;  // only the first section of that name counts
            inSection = !seenSection && EqualsIgnoreCaseAscii(TrimBlanks(name), section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (!EqualsIgnoreCaseAscii(TrimBlanks(line.substr(0, eq)), key)) continue;
        std::string value = TrimBlanks(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            // Blanks inside the quotes go too, so a value reads the same after it was
            // written back without its quotes.
            value = TrimBlanks(value.substr(1, value.size() - 2));
        return value;
    }
    return std::nullopt;
}

std::string ProfileReader::Value(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    auto v = Value(section, key);
    return v ? *v : fallback;
}

}  // namespace quillora
