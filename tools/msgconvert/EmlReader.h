#pragma once
#include "MailContent.h"

#include <string>
#include <string_view>

namespace quillora::msgconvert {

// Parses a MIME message. Throws ConvertError when the bytes are no message.
MailContent ParseEml(std::string_view bytes);

// Reads and parses an EML file. Throws ConvertError (naming the file) on failure.
MailContent ReadEml(const std::string& path);

}  // namespace quillora::msgconvert
