#include "Charsets.h"

#include <glib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <vector>

namespace quillora::msgconvert {

namespace {

struct CodePageName {
    const char* label;
    std::uint32_t codePage;
};

// Labels after NormalizeCharset. The first entry of a code page is the label
// written into a rewritten <meta> declaration.
constexpr std::array<CodePageName, 33> kCodePages{{
    {"utf-8", 65001},        {"windows-1252", 1252},  {"iso-8859-1", 1252},
    {"us-ascii", 1252},      {"windows-1250", 1250},  {"windows-1251", 1251},
    {"windows-1253", 1253},  {"windows-1254", 1254},  {"windows-1255", 1255},
    {"windows-1256", 1256},  {"windows-1257", 1257},  {"windows-1258", 1258},
    {"iso-8859-2", 28592},   {"iso-8859-3", 28593},   {"iso-8859-4", 28594},
    {"iso-8859-5", 28595},   {"iso-8859-6", 28596},   {"iso-8859-7", 28597},
    {"iso-8859-8", 28598},   {"iso-8859-9", 28599},   {"iso-8859-13", 28603},
    {"iso-8859-15", 28605},  {"koi8-r", 20866},       {"koi8-u", 21866},
    {"shift_jis", 932},      {"euc-jp", 51932},       {"iso-2022-jp", 50220},
    {"gb2312", 936},         {"gbk", 936},            {"big5", 950},
    {"euc-kr", 51949},       {"ks_c_5601-1987", 949}, {"utf-7", 65000},
}};

const char* LabelOfCodePage(std::uint32_t cp) {
    for (const auto& e : kCodePages)
        if (e.codePage == cp) return e.label;
    return "utf-8";
}

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their Latin-1 value.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char c : bytes) {
        gunichar u = c;
        if (c >= 0x80 && c <= 0x9F) u = kCp1252High[c - 0x80];
        char buf[6];
        out.append(buf, g_unichar_to_utf8(u, buf));
    }
    return out;
}

std::string MakeValidUtf8(std::string_view bytes) {
    gchar* fixed = g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size()));
    std::string out(fixed);
    g_free(fixed);
    return out;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (at + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i]) return false;
    return true;
}

// Where the value of "charset=" inside one <meta ...> tag starts and ends.
struct MetaCharset {
    std::size_t begin = std::string::npos;
    std::size_t end = std::string::npos;
};

std::vector<MetaCharset> FindMetaCharsets(std::string_view html) {
    std::vector<MetaCharset> found;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        if (!StartsWithNoCase(html, pos + 1, "meta") || pos + 5 >= html.size() ||
            std::isalnum(static_cast<unsigned char>(html[pos + 5]))) {
            ++pos;
            continue;
        }
        const std::size_t tagEnd = std::min(html.find('>', pos), html.size());
        for (std::size_t i = pos + 5; i + 7 <= tagEnd; ++i) {
            if (!StartsWithNoCase(html, i, "charset")) continue;
            std::size_t v = i + 7;
            while (v < tagEnd && (html[v] == ' ' || html[v] == '\t')) ++v;
            if (v >= tagEnd || html[v] != '=') continue;
            ++v;
            while (v < tagEnd && (html[v] == ' ' || html[v] == '\t' || html[v] == '"' || html[v] == '\''))
                ++v;
            std::size_t e = v;
            while (e < tagEnd && !std::strchr("\"'; \t\r\n/", html[e])) ++e;
            if (e > v) found.push_back({v, e});
            break;
        }
        pos = tagEnd;
    }
    return found;
}

}  // namespace

std::string NormalizeCharset(std::string_view label) {
    std::string s;
    for (char c : label)
        if (c != '"' && c != '\'' && !std::isspace(static_cast<unsigned char>(c))) s += Lower(c);
    if (s == "utf8") return "utf-8";
    if (s == "latin1" || s == "latin-1" || s == "iso8859-1" || s == "iso_8859-1" || s == "l1") return "iso-8859-1";
    if (s == "cp1252" || s == "x-cp1252" || s == "windows1252") return "windows-1252";
    if (s == "ascii" || s == "ansi_x3.4-1968" || s == "us") return "us-ascii";
    if (s == "latin9" || s == "iso8859-15" || s == "iso_8859-15") return "iso-8859-15";
    if (s.starts_with("cp125") && s.size() == 6) return "windows-" + s.substr(2);
    if (s == "sjis" || s == "shift-jis" || s == "x-sjis") return "shift_jis";
    return s;
}

std::uint32_t CodePageOf(std::string_view charset) {
    const std::string n = NormalizeCharset(charset);
    for (const auto& e : kCodePages)
        if (n == e.label) return e.codePage;
    return 0;
}

bool IsValidUtf8(std::string_view bytes) {
    return g_utf8_validate_len(bytes.data(), bytes.size(), nullptr);
}

std::string ToUtf8(std::string_view bytes, std::string_view charset) {
    const std::string cs = NormalizeCharset(charset);
    if (cs.empty() || cs == "us-ascii") return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
    if (cs == "utf-8") return IsValidUtf8(bytes) ? std::string(bytes) : MakeValidUtf8(bytes);
    // Mail labelled Latin-1 often carries Windows-1252 punctuation; 1252 is its superset.
    if (cs == "iso-8859-1" || cs == "windows-1252") return Cp1252ToUtf8(bytes);
    gsize written = 0;
    gchar* converted = g_convert(bytes.data(), static_cast<gssize>(bytes.size()), "UTF-8", cs.c_str(), nullptr,
                                 &written, nullptr);
    if (!converted) return Cp1252ToUtf8(bytes);
    std::string out(converted, written);
    g_free(converted);
    return IsValidUtf8(out) ? out : MakeValidUtf8(out);
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    glong units = 0;
    gunichar2* w = g_utf8_to_utf16(utf8.data(), static_cast<glong>(utf8.size()), nullptr, &units, nullptr);
    std::string out;
    if (!w) return out;
    out.reserve(static_cast<std::size_t>(units) * 2);
    for (glong i = 0; i < units; ++i) {
        out += static_cast<char>(w[i] & 0xFF);
        out += static_cast<char>(w[i] >> 8);
    }
    g_free(w);
    return out;
}

HtmlBytes PrepareHtml(std::string_view bytes, std::string_view mimeCharset) {
    HtmlBytes result;
    std::string cs = NormalizeCharset(mimeCharset);
    if (cs.empty() || cs == "us-ascii") {
        // Undeclared in MIME (ASCII is the default there and fits any page):
        // trust the page's own declaration when the bytes can be in it.
        const auto metas = FindMetaCharsets(bytes);
        cs.clear();
        if (!metas.empty()) cs = NormalizeCharset(bytes.substr(metas[0].begin, metas[0].end - metas[0].begin));
        if (CodePageOf(cs) == 0 || (cs == "utf-8" && !IsValidUtf8(bytes)))
            cs = IsValidUtf8(bytes) ? "utf-8" : "windows-1252";
    }
    result.codePage = CodePageOf(cs);
    if (result.codePage == 0) {
        result.bytes = ToUtf8(bytes, cs);
        result.codePage = 65001;
    } else if (result.codePage == 65001 && !IsValidUtf8(bytes)) {
        result.bytes = MakeValidUtf8(bytes);
    } else {
        result.bytes = std::string(bytes);
    }

    const auto metas = FindMetaCharsets(result.bytes);
    const std::string label = CodePageOf(cs) == result.codePage ? cs : LabelOfCodePage(result.codePage);
    for (auto it = metas.rbegin(); it != metas.rend(); ++it) {
        const std::string_view declared(result.bytes.data() + it->begin, it->end - it->begin);
        if (CodePageOf(declared) != result.codePage) result.bytes.replace(it->begin, it->end - it->begin, label);
    }
    return result;
}

}  // namespace quillora::msgconvert
