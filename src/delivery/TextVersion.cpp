#include "delivery/TextVersion.h"

#include "document/DocumentSession.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"
#include "shell/AppFolders.h"
#include "shell/TextCatalogue.h"

#include <filesystem>
#include <unordered_map>

namespace quillora {
namespace {

struct NamedEntity {
    const char* name;
    unsigned char code;
};

// Names for the Latin-1 half, indexed from 161.
constexpr const char* kLatin1Names[] = {
    "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf", "laquo", "not",
    "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot", "cedil",
    "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc", "Atilde",
    "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc",
    "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times", "Oslash", "Ugrave",
    "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig", "agrave", "aacute", "acirc", "atilde", "auml",
    "aring", "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml",
    "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute",
    "ucirc", "uuml", "yacute", "thorn", "yuml",
};
static_assert(std::size(kLatin1Names) == 255 - 161 + 1);

// The Windows-1252 additions, plus the ASCII names and the names older templates used
// for the broken bar and the macron.
constexpr NamedEntity kOtherNames[] = {
    {"quot", '"'},     {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"apos", '\''},
    {"euro", 0x80},    {"sbquo", 0x82},   {"fnof", 0x83},    {"bdquo", 0x84},   {"hellip", 0x85},
    {"dagger", 0x86},  {"Dagger", 0x87},  {"circ", 0x88},    {"permil", 0x89},  {"Scaron", 0x8A},
    {"lsaquo", 0x8B},  {"OElig", 0x8C},   {"Zcaron", 0x8E},  {"lsquo", 0x91},   {"rsquo", 0x92},
    {"ldquo", 0x93},   {"rdquo", 0x94},   {"bull", 0x95},    {"ndash", 0x96},   {"mdash", 0x97},
    {"tilde", 0x98},   {"trade", 0x99},   {"scaron", 0x9A},  {"rsaquo", 0x9B},  {"oelig", 0x9C},
    {"zcaron", 0x9E},  {"Yuml", 0x9F},    {"brkbar", 0xA6},  {"hibar", 0xAF},
};

const std::unordered_map<std::string_view, char>& EntityNames() {
    static const auto table = [] {
        std::unordered_map<std::string_view, char> t;
        for (int code = 161; code <= 255; ++code) t.emplace(kLatin1Names[code - 161], static_cast<char>(code));
        for (const auto& e : kOtherNames) t.emplace(e.name, static_cast<char>(e.code));
        return t;
    }();
    return table;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The code point of "#228" or "#xE4", or -1.
long NumericValue(std::string_view digits) {
    int base = 10;
    if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty()) return -1;
    long value = 0;
    for (char c : digits) {
        const int d = HexValue(c);
        if (d < 0 || d >= base) return -1;
        value = value * base + d;
        if (value > 0x10FFFF) return -1;
    }
    return value;
}

char FromCodePoint(long cp) {
    if (cp >= 32 && cp <= 126) return static_cast<char>(cp);
    if (cp >= 161 && cp <= 255) return static_cast<char>(cp);
    // 128-159 are C1 controls as code points, not the Windows-1252 signs that share the
    // byte values; those come by their real code points (&#8364; for the euro sign).
    if (cp > 255) {
        const char byte = UnicodeToCp1252(static_cast<char32_t>(cp));
        if (byte != '?') return byte;
    }
    return ' ';
}

}  // namespace

char DecodeEntity(std::string_view entity) {
    if (entity.size() < 3 || entity.front() != '&' || entity.back() != ';') return ' ';
    const std::string_view inner = entity.substr(1, entity.size() - 2);
    if (inner.front() == '#') return FromCodePoint(NumericValue(inner.substr(1)));
    const auto& names = EntityNames();
    const auto it = names.find(inner);
    return it == names.end() ? ' ' : it->second;
}

std::string FilterHtmlText(std::string_view input) {
    constexpr std::size_t kEntityReach = 8;
    std::string out;
    out.reserve(input.size());
    bool insideTag = false;
    std::size_t i = 0;
    while (i < input.size()) {
        const char c = input[i++];
        if (c == '<' || c == '{') insideTag = true;
        if (!insideTag && c == '&') {
            const std::size_t start = i - 1;
            while (i < input.size() && i - start <= kEntityReach) {
                if (input[i++] == ';') break;
            }
            const std::string_view collected = input.substr(start, i - start);
            if (collected.back() == ';')
                out += DecodeEntity(collected);
            else
                out += collected;
            // Collected characters are never looked at again, so a "<" among them
            // opens no tag.
            continue;
        }
        if (!insideTag) out += c;
        if (c == '>' || c == '}') insideTag = false;
    }
    return out;
}

void HTML2Text(const std::string& inputPath, const std::string& outputPath) {
    WriteFileWhole(outputPath, FilterHtmlText(ReadFileBytes(inputPath)));
}

std::vector<std::string> TextVersionSourceLines(const NewsletterDocument& doc, const BlockStore& store,
                                                const std::string& progFolder, const std::string& dateText) {
    const Settings& s = doc.settings;
    std::vector<std::string> lines;
    lines.push_back(" ");
    lines.push_back(ConvertString(s.Titel1));
    lines.push_back(ConvertString(s.Titel2));
    if (s.DateOn) lines.push_back(Trim(s.DateText) + " " + dateText);
    for (const std::string& file : store.ListBlockFiles()) {
        const NewsBlock b = ReadBlock(file, progFolder);
        lines.push_back(" ");
        lines.push_back(ConvertString(b.Headline));
        lines.push_back(" ");
        lines.push_back(ConvertString(b.Body));
        lines.push_back(" ");
        if (!b.URL.empty()) {
            lines.push_back(ConvertString(b.LinkText));
            lines.push_back(MakeLink3D(ConvertString(b.URL)));
            lines.push_back(" ");
        }
    }
    lines.push_back(" ");
    lines.push_back("Impressum:");
    lines.push_back(" ");
    lines.push_back(ConvertString(s.ImpressumText));
    if (!Trim(s.ImpressumZusatz).empty()) lines.push_back(ConvertString(s.ImpressumZusatz));
    lines.push_back(ConvertString(s.ImpressumMailTo));
    lines.push_back(ConvertString(s.ImpressumURL));
    return lines;
}

std::vector<std::string> BuildTextVersion(const NewsletterDocument& doc, const BlockStore& store,
                                          const std::string& progFolder, const std::string& tempFolder,
                                          const std::string& dateText) {
    const std::string folder = WithSlash(tempFolder);
    const std::string input = folder + kTextInputFile;
    const std::string preview = folder + kTextPreviewFile;
    WriteFileWhole(input, JoinLinesCrLf(TextVersionSourceLines(doc, store, progFolder, dateText)));
    // The filter runs over the whole file, not line by line: a line break inside a tag
    // vanishes with the tag.
    try {
        HTML2Text(input, preview);
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(FsPath(input), ec);
        throw;
    }
    std::error_code ec;
    std::filesystem::remove(FsPath(input), ec);
    return SplitLines(ReadFileBytes(preview));
}

std::string TextExportBytes(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                            const std::string& tempFolder, const std::string& dateText) {
    std::vector<std::string> lines = BuildTextVersion(doc, store, progFolder, tempFolder, dateText);
    // Recipient placeholders mean nothing outside of a mailing.
    if (lines.size() >= 2) lines.erase(lines.begin() + 1);
    return JoinLinesCrLf(lines);
}

void WriteTextExport(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                     const std::string& progFolder, const std::string& tempFolder, const std::string& dateText) {
    WriteFileAtomic(target, TextExportBytes(doc, store, progFolder, tempFolder, dateText));
}

std::string TextExportFileName(const std::string& chosen) {
    return chosen.find(".txt") == std::string::npos ? chosen + ".txt" : chosen;
}

std::string TextExportFilter() { return GetText("IDS_37"); }

}  // namespace quillora
