#include "render/TextConversions.h"

#include <array>

namespace quillora {

namespace {

struct Replacement {
    std::string_view search;
    std::string_view replacement;
};

// Applied one after the other; the order only matters for the plus-minus sign, which is
// encoded only together with the space after it.
constexpr std::array<Replacement, 98> kHtmlEntities{{
    {"\xDF", "&szlig;"},   {"\xDC", "&Uuml;"},    {"\xFC", "&uuml;"},    {"\xC4", "&Auml;"},
    {"\xE4", "&auml;"},    {"\xD6", "&Ouml;"},    {"\xF6", "&ouml;"},    {"\x80", "&euro;"},
    {"\xA1", "&iexcl;"},   {"\xA2", "&cent;"},    {"\xA3", "&pound;"},   {"\xA4", "&curren;"},
    {"\xA5", "&yen;"},     {"\xA6", "&brvbar;"},  {"\xA7", "&sect;"},    {"\xA8", "&uml;"},
    {"\xA9", "&copy;"},    {"\xAA", "&ordf;"},    {"\xAB", "&laquo;"},   {"\xAE", "&reg;"},
    {"\xAF", "&macr;"},    {"\xB0", "&deg;"},     {"\xB1 ", "&plusmn;"}, {"\xB2", "&sup2;"},
    {"\xB3", "&sup3;"},    {"\xB5", "&micro;"},   {"\xB7", "&middot;"},  {"\xB8", "&cedil;"},
    {"\xB9", "&sup1;"},    {"\xBA", "&ordm;"},    {"\xBB", "&raquo;"},   {"\xBC", "&frac14;"},
    {"\xBD", "&frac12;"},  {"\xBE", "&frac34;"},  {"\xBF", "&iquest;"},  {"\xC0", "&Agrave;"},
    {"\xC1", "&Aacute;"},  {"\xC2", "&Acirc;"},   {"\xC3", "&Atilde;"},  {"\xC5", "&Aring;"},
    {"\xC6", "&AElig;"},   {"\xC7", "&Ccedil;"},  {"\xC8", "&Egrave;"},  {"\xC9", "&Eacute;"},
    {"\xCA", "&Ecirc;"},   {"\xCB", "&Euml;"},    {"\xCC", "&Igrave;"},  {"\xCD", "&Iacute;"},
    {"\xCE", "&Icirc;"},   {"\xCF", "&Iuml;"},    {"\xD0", "&ETH;"},     {"\xD1", "&Ntilde;"},
    {"\xD2", "&Ograve;"},  {"\xD3", "&Oacute;"},  {"\xD4", "&Ocirc;"},   {"\xD5", "&Otilde;"},
    {"\xD7", "&times;"},   {"\xD8", "&Oslash;"},  {"\xD9", "&Ugrave;"},  {"\xDA", "&Uacute;"},
    {"\xDB", "&Ucirc;"},   {"\xDD", "&Yacute;"},  {"\xDE", "&THORN;"},   {"\xE0", "&agrave;"},
    {"\xE1", "&aacute;"},  {"\xE2", "&acirc;"},   {"\xE3", "&atilde;"},  {"\xE5", "&aring;"},
    {"\xE6", "&aelig;"},   {"\xE7", "&ccedil;"},  {"\xE8", "&egrave;"},  {"\xE9", "&eacute;"},
    {"\xEA", "&ecirc;"},   {"\xEB", "&euml;"},    {"\xEC", "&igrave;"},  {"\xED", "&iacute;"},
    {"\xEE", "&icirc;"},   {"\xEF", "&iuml;"},    {"\xF0", "&eth;"},     {"\xF1", "&ntilde;"},
    {"\xF2", "&ograve;"},  {"\xF3", "&oacute;"},  {"\xF4", "&ocirc;"},   {"\xF5", "&otilde;"},
    {"\xF7", "&divide;"},  {"\xF8", "&oslash;"},  {"\xF9", "&ugrave;"},  {"\xFA", "&uacute;"},
    {"\xFB", "&ucirc;"},   {"\xFD", "&yacute;"},  {"\xFE", "&thorn;"},   {"\xFF", "&yuml;"},
    {"\x89", "&permil;"},  {"\x95", "&bull;"},    {"\x99", "&trade;"},   {"\"", "&quot;"},
    {"<", "&lt;"},         {">", "&gt;"},
}};

// Compared case-blind. "ô"/"Ô" are deliberately absent: turning them into a double quote
// would wreck French and Portuguese text.
constexpr std::array<Replacement, 12> kConvertSteps{{
    {"\xC3\x9C", "\xDC"},
    {"\xC3\xBC", "\xFC"},
    {"\xC3\x84", "\xC4"},
    {"\xC3\xA4", "\xE4"},
    {"\xC3\x96", "\xD6"},
    {"\xC3\xB6", "\xF6"},
    {"\xC3\x9F", "\xDF"},
    {"\x80", "&euro;"},
    {"\x84", "&bdquo;"},
    {"\x93", "&ldquo;"},
    {"\xBB", "&raquo;"},
    {"\xAB", "&laquo;"},
}};

// Also covers damaged pairs: a quote in place of 0x84, 0xFB in place of 0x96, and the
// first two bytes of the three-byte euro sign (its third byte stays behind).
constexpr std::array<Replacement, 11> kRepairSteps{{
    {"\xC3\x9C", "\xDC"},
    {"\xC3\xBC", "\xFC"},
    {"\xC3\x84", "\xC4"},
    {"\xC3\"", "\xC4"},
    {"\xC3\xA4", "\xE4"},
    {"\xC3\xFB", "\xD6"},
    {"\xC3\x96", "\xD6"},
    {"\xC3\xB6", "\xF6"},
    {"\xC3\x9F", "\xDF"},
    {"\x80", "Euro"},
    {"\xE2\x82", "Euro"},
}};

char UpperAsciiChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char LowerAsciiChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Upper case with the Windows-1252 letter pairs, not just ASCII.
char UpperCp1252Char(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    switch (b) {
    case 0x9A: return '\x8A';  // š
    case 0x9C: return '\x8C';  // œ
    case 0x9E: return '\x8E';  // ž
    case 0xFF: return '\x9F';  // ÿ
    default: return c;
    }
}

std::string UpperCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperCp1252Char(c);
    return result;
}

// Every mapping above keeps the length, so positions in the upper-cased copy are
// positions in the original.
std::string ReplaceAllCaseBlind(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    const std::string haystack = UpperCp1252(text);
    const std::string needle = UpperCp1252(from);
    std::string result;
    std::size_t start = 0;
    for (std::size_t pos = haystack.find(needle); pos != std::string::npos;
         pos = haystack.find(needle, start)) {
        result.append(text.substr(start, pos - start));
        result.append(to);
        start = pos + needle.size();
    }
    result.append(text.substr(start));
    return result;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Shared by MakeLink and MakeLink3D; they differ only in trimming first.
std::string CompleteLink(const std::string& target) {
    if (Contains(target, "@")) {
        if (Contains(LowerAscii(target), "mailto:"))
            return target;
        return "mailto:" + target;
    }
    if (Contains(target, "\\\\"))  // network path
        return target;
    const std::string upper = UpperAscii(target);
    if (!Contains(upper, "HTTP://") && !Contains(upper, "HTTPS://") && !Contains(upper, "MAILTO:"))
        return "http://" + target;
    return target;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t pos = text.find(from); pos != std::string_view::npos;
         pos = text.find(from, start)) {
        result.append(text.substr(start, pos - start));
        result.append(to);
        start = pos + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperAsciiChar(c);
    return result;
}

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = LowerAsciiChar(c);
    return result;
}

std::string Trim(std::string_view text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string EncodeHTML(const std::string& text) {
    std::string result = text;
    for (const auto& [search, entity] : kHtmlEntities)
        result = ReplaceAll(result, search, entity);
    return result;
}

std::string ConvertString(const std::string& text) {
    std::string result = text;
    for (const auto& [search, replacement] : kConvertSteps)
        result = ReplaceAllCaseBlind(result, search, replacement);
    return result;
}

std::string RepairUTF8(const std::string& text) {
    std::string result = text;
    for (const auto& [search, replacement] : kRepairSteps)
        result = ReplaceAll(result, search, replacement);
    return result;
}

std::string MakeSafeFileName(const std::string& fileName) {
    std::string name = RepairUTF8(fileName);

    for (char& c : name) {
        switch (static_cast<unsigned char>(c)) {
        case ' ': case '\'': case '.': case '-': case '!': case '$': case '%': case '=':
        case '"': case 0xA7: case '?': case ',': case 0xB4: case '`': case 0x80:
        case 0xE9: case 0xE1: case 0xFA: case 0xF3: case 0xEA: case 0xE2: case 0xFB: case 0xF4:
            c = '_';
            break;
        case '&':
            c = 'a';
            break;
        case '*': case ':': case '(': case ')': case '\\': case '/': case '>': case '<':
            c = 'x';
            break;
        default:
            break;
        }
    }

    std::string expanded;
    expanded.reserve(name.size() + 8);
    for (char c : name) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC4: expanded += "Ae"; break;
        case 0xD6: expanded += "Oe"; break;
        case 0xDC: expanded += "Ue"; break;
        case 0xDF: expanded += "ss"; break;
        case 0xE4: expanded += "ae"; break;
        case 0xF6: expanded += "oe"; break;
        case 0xFC: expanded += "ue"; break;
        default: expanded += c; break;
        }
    }
    return LowerAscii(expanded);
}

std::string CleanLink(const std::string& url) {
    std::string result = url;
    for (std::string_view unwanted : {"\"", "{", "}", "\xB0", "\xB2", "\xB3", "*", "\x80", "'"})
        result = ReplaceAll(result, unwanted, "");
    return Trim(result);
}

std::string MakeLink(const std::string& target) {
    return CompleteLink(Trim(target));
}

std::string MakeLink3D(const std::string& target) {
    return CompleteLink(target);
}

}  // namespace quillora
