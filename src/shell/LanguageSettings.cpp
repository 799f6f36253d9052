#include "shell/LanguageSettings.h"

#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"
#include "shell/UserDialogs.h"

namespace quillora {
namespace {

std::string LanguageFile(const std::string& progFolder) { return progFolder + "Language.ini"; }

}  // namespace

Language ReadLanguageFile(const std::string& progFolder) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(LanguageFile(progFolder));
    } catch (const FileError&) {
        return Language::German;
    }
    // A file saved by a Windows editor may start with a byte-order mark.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    const auto lines = SplitLines(bytes);
    if (lines.empty()) return Language::German;
    return UpperAscii(Trim(lines.front())) == "ENGLISH" ? Language::English : Language::German;
}

void WriteLanguageFile(const std::string& progFolder, Language language) {
    WriteFileAtomic(LanguageFile(progFolder), language == Language::English ? "English\r\n" : "Deutsch\r\n");
}

void RememberLanguage(const std::string& progFolder, Language language, UserDialogs& dialogs) {
    try {
        WriteLanguageFile(progFolder, language);
    } catch (const FileError& e) {
        dialogs.Error(GetText("IDS_200"),
                      ByLanguage("Die Sprachauswahl konnte nicht gespeichert werden und gilt nur bis zum "
                                 "Programmende.",
                                 "The language choice could not be saved and lasts only until the program "
                                 "ends.") +
                          "\r" + Utf8ToCp1252(e.what()));
    }
}

}  // namespace quillora
