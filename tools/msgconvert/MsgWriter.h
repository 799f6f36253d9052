#pragma once
#include "MailContent.h"

#include <string>

namespace quillora::msgconvert {

// The compound file of an unsent Outlook message holding the mail. Throws
// ConvertError when the container cannot be built.
std::string BuildMsg(const MailContent& mail);

// Writes BuildMsg's bytes into a temporary file beside target and renames it over
// target at the end, so a failure leaves target as it was. Throws ConvertError.
void WriteMsgFile(const MailContent& mail, const std::string& target);

// The 8.3 name for PR_ATTACH_FILENAME: the name itself when it fits.
std::string ShortFileName(const std::string& longName);

}  // namespace quillora::msgconvert
