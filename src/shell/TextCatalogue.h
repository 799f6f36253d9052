#pragma once
// Interface texts by key in the active language. Texts are kept in UTF-8 tables and
// handed out as Windows-1252, like every other text of the program.
#include <string>

namespace quillora {

enum class Language { German = 1, English = 2 };

Language ActiveLanguage();
void SetActiveLanguage(Language language);

// The main window's text for key ("IDS_11") in the active language; the German text
// when the English one is empty; the key itself when no table holds it.
std::string GetText(const std::string& key);

}  // namespace quillora
