#pragma once
// Newsletter text is Windows-1252 bytes everywhere in the core. These are the only
// conversions to and from Unicode: at the widget boundary and for file-system paths.
#include <QString>
#include <string>

namespace quillora {

// Unicode code point of one Windows-1252 byte (undefined bytes 0x81, 0x8D, 0x8F,
// 0x90, 0x9D map to the C1 control of the same value, as Windows does).
char32_t Cp1252ToUnicode(unsigned char byte);

// Windows-1252 byte for a code point, or '?' when the set has no such character.
char UnicodeToCp1252(char32_t codePoint);

QString Cp1252ToQString(const std::string& text);
std::string QStringToCp1252(const QString& text);

std::string Cp1252ToUtf8(const std::string& text);
std::string Utf8ToCp1252(const std::string& utf8);

// Paths inside documents are Windows-1252 text; the file system wants UTF-8.
inline std::string NativePath(const std::string& documentText) { return Cp1252ToUtf8(documentText); }
inline std::string DocumentPath(const std::string& nativePath) { return Utf8ToCp1252(nativePath); }

}  // namespace quillora
