#pragma once
// Text conversions applied to newsletter text before it goes into HTML, mail text or a
// file name. All texts are Windows-1252 byte strings, one char per character.
#include <string>
#include <string_view>

namespace quillora {

// Every occurrence of `from`, left to right and without overlapping; the inserted text
// is not searched again. An empty `from` leaves the text as it is.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Case changes of A-Z / a-z only; accented letters keep their case.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

// Removes all bytes 0x00-0x20 at both ends.
std::string Trim(std::string_view text);

// Named entities for Latin-1 letters and signs, the double quote and the angle brackets.
// "&" is left alone so entities already in the text survive.
std::string EncodeHTML(const std::string& text);

// Repairs German letters that arrived as UTF-8 pairs and writes the euro sign and four
// quotation marks as entities. Markup and single-byte umlauts pass unchanged.
std::string ConvertString(const std::string& text);

// The wider UTF-8 repair used for file names; the euro sign becomes "Euro".
std::string RepairUTF8(const std::string& text);

// A picture's file name (without folder) as a lower-case name of safe characters. The
// extension's dot becomes "_" too; the caller puts it back.
std::string MakeSafeFileName(const std::string& fileName);

// Drops characters that break link URLs (quotes, braces, stars, ...) and trims.
std::string CleanLink(const std::string& url);

// Trims a link target and completes it with "mailto:" or "http://" for an HTML attribute.
std::string MakeLink(const std::string& target);

// As MakeLink, for mail text, feeds and the source editor: no trimming, and "=" stays as
// it is, since transfer encoding is the message builder's job.
std::string MakeLink3D(const std::string& target);

}  // namespace quillora
