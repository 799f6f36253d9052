#pragma once
// The newsletter as plain text: one line per field, stripped of markup. The text export
// writes it; the message files use it as their plain-text part. All texts are
// Windows-1252 bytes, lines end with CR LF.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillora {

// Work files in the temp folder.
inline constexpr const char* kTextInputFile = "text_input.txt";
inline constexpr const char* kTextPreviewFile = "preview1.txt";

// One whole entity text, "&" and ";" included, to one character. Names are compared
// case-sensitively; numeric forms may be decimal or hexadecimal Unicode code points.
// Anything unknown, and "&nbsp;", becomes a blank.
char DecodeEntity(std::string_view entity);

// The markup filter on a text: drops everything from "<" or "{" up to ">" or "}", and
// decodes entities found outside of tags (an "&" takes at most eight more characters).
std::string FilterHtmlText(std::string_view input);

// The same filter from one file to another. Throws FileError.
void HTML2Text(const std::string& inputPath, const std::string& outputPath);

// The lines of the text version before filtering, in their fixed order. `dateText` is
// the newsletter date as shown. Blocks are read from their work files, so the block
// under edit must have been committed. Throws FileError for an unreadable block.
std::vector<std::string> TextVersionSourceLines(const NewsletterDocument& doc, const BlockStore& store,
                                                const std::string& progFolder, const std::string& dateText);

// Writes "text_input.txt", filters it into "preview1.txt" (which stays) and deletes the
// input again. Returns the lines of "preview1.txt". Throws FileError.
std::vector<std::string> BuildTextVersion(const NewsletterDocument& doc, const BlockStore& store,
                                          const std::string& progFolder, const std::string& tempFolder,
                                          const std::string& dateText);

// What the text export writes: the text version without its second line (the heading
// with the recipient placeholders), every line ending with CR LF.
std::string TextExportBytes(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                            const std::string& tempFolder, const std::string& dateText);

// TextExportBytes into `target`, replacing it atomically. Throws FileError and leaves an
// existing target untouched on failure.
void WriteTextExport(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                     const std::string& progFolder, const std::string& tempFolder, const std::string& dateText);

// The chosen name with ".txt" appended unless it already holds ".txt" somewhere
// (letter case counts: "NEWS.TXT" becomes "NEWS.TXT.txt").
std::string TextExportFileName(const std::string& chosen);

// The save dialog's filter for the text export.
std::string TextExportFilter();

}  // namespace quillora
