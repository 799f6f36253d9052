#include "shell/TextCatalogue.h"

#include "render/Cp1252.h"

#include <map>

namespace quillora {
namespace {

struct Pair {
    const char* german;
    const char* english;
};

const std::map<std::string, Pair>& MainTexts() {
    static const std::map<std::string, Pair> texts = {
        {"IDS_0", {"mit Windows Mail versenden", "send with Windows Mail"}},
        {"IDS_2", {"EML Datei speichern...", "Save as EML File..."}},
        {"IDS_9", {"Neue  Meldung:", "New Message:"}},
        {"IDS_10", {"Bitte zuerst einen Block zum Löschen auswählen!", "Please select a Newsblock before deleting"}},
        {"IDS_11", {"Bitte zuerst einen Block zum Bearbeiten auswählen!", "Please select a Newsblock before editing"}},
        {"IDS_83", {"Achtung! Es können keine leeren Blöcke verschoben werden!", "Attention! Empty blocks cannot be moved!"}},
        {"IDS_200", {"Fehler", "Error"}},
    };
    return texts;
}

Language g_language = Language::German;

}  // namespace

Language ActiveLanguage() { return g_language; }
void SetActiveLanguage(Language language) { g_language = language; }

std::string GetText(const std::string& key) {
    const auto& texts = MainTexts();
    const auto it = texts.find(key);
    if (it == texts.end()) return key;
    const char* text = it->second.german;
    if (g_language == Language::English && *it->second.english) text = it->second.english;
    return Utf8ToCp1252(text);
}

}  // namespace quillora
