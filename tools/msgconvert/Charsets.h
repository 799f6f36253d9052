#pragma once
// Text decoding for the converter: MIME charsets to UTF-8, UTF-8 to the UTF-16LE
// that MSG string properties hold, and the Windows code page an HTML body is
// declared with.
#include <cstdint>
#include <string>
#include <string_view>

namespace quillora::msgconvert {

// Lower case, surrounding blanks and quotes removed, common aliases folded
// ("latin1" -> "iso-8859-1", "utf8" -> "utf-8", "cp1252" -> "windows-1252").
std::string NormalizeCharset(std::string_view label);

// The Windows code page of a charset, 0 when unknown. Latin-1 and US-ASCII map to
// 1252, as browsers and mail programs read them.
std::uint32_t CodePageOf(std::string_view charset);

// Decodes text in the given charset to valid UTF-8; never fails. An empty or
// ASCII label takes the bytes as UTF-8 when they are valid UTF-8, else as
// Windows-1252; undecodable input falls back to Windows-1252.
std::string ToUtf8(std::string_view bytes, std::string_view charset);

bool IsValidUtf8(std::string_view bytes);

// UTF-16LE bytes without terminator; the input must be valid UTF-8.
std::string Utf8ToUtf16Le(std::string_view utf8);

struct HtmlBytes {
    std::string bytes;
    std::uint32_t codePage = 65001;
};

// The HTML body as it goes into the MSG: its bytes kept when the charset has a
// code page, converted to UTF-8 otherwise; every <meta> charset declaration that
// disagrees with the chosen code page is rewritten to match the bytes.
HtmlBytes PrepareHtml(std::string_view bytes, std::string_view mimeCharset);

}  // namespace quillora::msgconvert
