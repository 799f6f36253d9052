#pragma once
// The file steps of start-up and of every load: which template to open first, its
// backup "Old.qrx", the last-file memory and the refresh of the sample templates.
#include "shell/AppFolders.h"

#include <optional>
#include <string>

namespace quillora {

// First line of prog + "LastFile.ini", or nullopt when there is none.
std::optional<std::string> ReadLastFile(const AppFolders& folders);
// Records the template; failures are ignored (the memory is a convenience).
void WriteLastFile(const AppFolders& folders, const std::string& templatePath);

// The template start-up opens when no argument is given: the last file when it exists
// and its name contains ".qrx" in any case, else the default template.
struct StartTemplate {
    std::string file;      // native path
    std::string saveName;  // the save dialog's name: set only for the last file
};
StartTemplate ChooseStartTemplate(const AppFolders& folders);

// prog + "Quillora_Vorlage.qrx".
std::string DefaultTemplate(const AppFolders& folders);

// Makes the file writable for its owner, the nearest thing here to clearing the
// read-only, hidden and system attributes. Throws FileError when there is no file.
void ClearFileAttributes(const std::string& file);

// Copies the template to prog + "Old.qrx". A failure keeps the previous backup.
bool BackupToOld(const AppFolders& folders, const std::string& file);

// Copies every "*.qrx" of the Vorlagen folder not starting with "." into Templates.
void CopySampleTemplates(const AppFolders& folders);

// Absolute form of a path given on the command line.
std::string AbsolutePath(const std::string& path);

}  // namespace quillora
