#pragma once
// The interface language between runs: prog + "Language.ini", one line, "English" or
// "Deutsch".
#include "shell/TextCatalogue.h"

#include <string>

namespace quillora {

class UserDialogs;

// English when the file's first line is "English" in any letter case; German for any
// other line, an empty or unreadable file and a missing one.
Language ReadLanguageFile(const std::string& progFolder);

// Replaces the file atomically; throws FileError.
void WriteLanguageFile(const std::string& progFolder, Language language);

// Writes the choice after a switch. A failure is reported with an error box; the
// language itself stays switched for this run.
void RememberLanguage(const std::string& progFolder, Language language, UserDialogs& dialogs);

}  // namespace quillora
