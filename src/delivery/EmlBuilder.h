#pragma once
// The newsletter as an unsent e-mail message (EML): the page as HTML body with its
// pictures as related parts, and the text version as plain alternative. Mail
// programs, the bulk-mail program and the MSG converter all start from this file.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "shell/AppFolders.h"

#include <string>
#include <vector>

namespace quillora {

// Work files in the temp folder.
inline constexpr const char* kMailPageFile = "preview1.html";
inline constexpr const char* kMailPreviewFile = "preview1.eml";  // the single-mail route opens it

struct EmlContent {
    std::string subject;        // cp1252, exactly as the Subject header is to read
    std::string html;           // cp1252 page bytes
    std::string pictureFolder;  // native folder that relative picture references are resolved against
    std::string plainText;      // cp1252, lines ended by CR LF
    // Off: the page keeps its picture addresses and the message has no picture parts.
    bool embedPictures = true;
};

// The message bytes, lines ended by CR LF. Every src or background attribute of the
// page that names an existing local file becomes a "cid:" reference to a related
// part holding that file (one part per file, however often it is shown); web
// addresses and names of missing files stay as they are. No Date, From or To header
// is written: the mail program fills them in when the user sends. Throws FileError
// when a picture cannot be read.
std::string ComposeEml(const EmlContent& content);

// The plain alternative from the lines of the text version: every line but the first
// (a single blank), each followed by CR LF.
std::string PlainAlternative(const std::vector<std::string>& textLines);

// Writes "preview1.html" (with its pictures) and the text version into folders.temp,
// then the message into `target` (native), replaced atomically. The subject is the
// subject field trimmed; pictures are embedded unless RunPictureMode() has external
// pictures in force. Throws FileError with the reason and leaves an existing target
// untouched on failure. The block under edit must have been committed.
void BuildEmlFile(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const AppFolders& folders, const std::string& dateText);

// The message written beside every saved template for the bulk-mail program: the
// documents folder + the template's file name up to its first "." + ".eml".
std::string SavedTemplateEmlPath(const AppFolders& folders, const std::string& templatePath);

}  // namespace quillora
