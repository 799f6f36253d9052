#pragma once
// Interface texts by key in the active language. Texts are kept in UTF-8 catalogues,
// one per window (shell/Catalogue.h), and handed out as Windows-1252, like every
// other text of the program.
#include <string>

namespace quillora {

// The numbers are the ones "Language.ini" and the update component know.
enum class Language { German = 1, English = 2 };

Language ActiveLanguage();
// Only the language; shown windows follow through QtLanguageDispatcher::SetLanguage.
void SetActiveLanguage(Language language);

// The main window's text for key ("IDS_11") in the active language; the German text
// when the English one is empty; the key itself when the catalogue has no such key.
std::string GetText(const std::string& key);

// The same for the catalogue of another window ("TResizeForm", "IDS_2").
std::string GetText(const std::string& catalogue, const std::string& key);

// Title or button caption of the standard message dialogs ("Warning", "Yes",
// "No To All", ...) from the common catalogue; the name itself when unknown.
std::string DialogCaption(const std::string& name);

// A message held in code as a German and an English text.
inline std::string ByLanguage(std::string german, std::string english) {
    return ActiveLanguage() == Language::German ? german : english;
}

}  // namespace quillora
