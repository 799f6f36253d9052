#pragma once
// What the converter carries from the EML into the MSG.
#include "Charsets.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillora::msgconvert {

struct MailAttachment {
    std::string data;             // decoded bytes
    std::string mimeType;         // "image/jpeg"
    std::string fileName;         // UTF-8, never empty
    std::string contentId;        // without angle brackets; may be empty
    std::string contentLocation;  // may be empty
    bool inlinePicture = false;   // referenced by the HTML body, hidden in the attachment list
};

struct MailContent {
    std::optional<std::string> subject;  // UTF-8
    std::optional<std::string> plain;    // UTF-8, lines ended by CR LF
    std::optional<HtmlBytes> html;
    std::vector<MailAttachment> attachments;
};

// A failure the user is told about; what() is the whole message.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quillora::msgconvert
