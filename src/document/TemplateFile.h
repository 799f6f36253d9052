#pragma once
// The ".qrx" template: a [SETTINGS] section of "key=value" lines read like an INI
// file, then one "[BLOCKnnn]" section per news block read as raw numbered lines.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"

#include <string>
#include <vector>

namespace quillora {

// The placeholder for the program folder in stored picture paths.
inline constexpr const char* kStartPath = "$STARTPATH$";

// The file-name part of a stored path; "\" and "/" both separate folders.
std::string FileNamePart(const std::string& path);

// Replaces the first "$STARTPATH$" by the program folder (document text).
std::string ResolveStartPath(const std::string& path, const std::string& progFolder);

// Where a stored picture path points on this machine: the path itself when a file is
// there, else the file of that name in the Images folder (matched without regard to
// case when only such a one exists), else Images folder + file-name part.
std::string ResolvePicturePath(const std::string& storedPath, const std::string& progFolder,
                               const std::string& imagesFolder);

// Settings read from template lines; a missing key gets its default.
Settings ReadSettings(const std::vector<std::string>& lines, const std::string& progFolder,
                      const std::string& imagesFolder);

// Is this line a block header: trimmed, exactly "[BLOCK" + digits + "]".
bool IsBlockHeader(const std::string& line);

// One block as read from a template: its 5, 6 or 7 lines, unchanged.
struct TemplateBlock {
    std::vector<std::string> lines;
};
std::vector<TemplateBlock> ReadBlocks(const std::vector<std::string>& lines);

// The text of a template file for these settings and work files.
std::string TemplateText(const Settings& settings, const std::vector<std::string>& workFiles);

// Reads the settings of `file` into the document and sets the control state from them.
// A missing or unreadable file gives the defaults.
void LoadSettings(const std::string& file, NewsletterDocument& doc, const std::string& progFolder,
                  const std::string& imagesFolder);

// Splits the blocks of `file` into work files 1…N (deleting the old ones first) and
// returns the block-list texts "Meldung<p>:  <headline>".
std::vector<std::string> LoadBlocks(const std::string& file, const BlockStore& store);

// Writes the settings and the work files in order; atomic. Throws FileError.
void SaveTemplate(const std::string& file, const Settings& settings, const BlockStore& store);

// The list text of block p (counting from 1).
std::string BlockListText(int position, const std::string& headline);

}  // namespace quillora
