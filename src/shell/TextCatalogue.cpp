#include "shell/TextCatalogue.h"

#include "render/Cp1252.h"
#include "shell/Catalogue.h"

namespace quillora {
namespace {

Language g_language = Language::German;

std::string Lookup(const std::string& catalogue, TextKind kind, const std::string& key) {
    const Catalogue* c = FindCatalogue(catalogue);
    const TextPair* text = c ? c->Find(kind, key) : nullptr;
    return text ? Utf8ToCp1252(text->In(g_language)) : key;
}

}  // namespace

Language ActiveLanguage() { return g_language; }
void SetActiveLanguage(Language language) { g_language = language; }

std::string GetText(const std::string& key) { return Lookup("TMainForm", TextKind::String, key); }

std::string GetText(const std::string& catalogue, const std::string& key) {
    return Lookup(catalogue, TextKind::String, key);
}

std::string DialogCaption(const std::string& name) { return Lookup("TRegForm", TextKind::Dialog, name); }

}  // namespace quillora
