#pragma once
// The text catalogue of one window: every translatable text of it in German and
// English, kept as UTF-8 data so that a translator edits one place per window.
//
// Catalogue text format (one entry per key, a line per language):
//
//   # a comment; blank lines are ignored
//   [Captions]                 the kind of the entries that follow, one of
//                              Captions, Hints, Lists, Strings, Dialogs, Untranslated
//   NewBitBtn                  any other line starts an entry and names it: the control,
//                              "Control.Items" / "Control.Lines" for lists, "IDS_n" for strings
//   de "Neue Meldung"          the German text, in double quotes
//   en "New Newsblock"         the English text; missing or "" shows the German one
//
// Inside quotes a double quote is written twice: "Sprungmarke ""nach oben""". Blanks at
// the end of a text count (pieces that code joins carry them). A second "de" or "en"
// line of the same entry continues the text on a new line.
//
// In [Lists] the texts are comma-separated items: de links,mittig,rechts. An item with
// blanks, commas or quotes goes in double quotes: de "Betreff erweitern",[Werbung].
// A second line of the same language adds further items.
//
// [Untranslated] lists, one per line, controls whose texts stay as the program sets
// them; no other section may hold an entry for them.
#include "shell/TextCatalogue.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

class CatalogueError : public std::runtime_error {
public:
    explicit CatalogueError(const std::string& message) : std::runtime_error(message) {}
};

enum class TextKind { Caption, Hint, String, Dialog };

struct TextPair {
    std::string german;
    std::string english;
    // The text for language; German when the English one is empty.
    const std::string& In(Language language) const {
        return language == Language::English && !english.empty() ? english : german;
    }
};

struct ListPair {
    std::vector<std::string> german;
    std::vector<std::string> english;
    const std::vector<std::string>& In(Language language) const {
        return language == Language::English && !english.empty() ? english : german;
    }
};

class Catalogue {
public:
    Catalogue() = default;
    explicit Catalogue(std::string name) : name_(std::move(name)) {}

    // Reads the text format above. Throws CatalogueError naming the line at fault.
    static Catalogue Parse(std::string name, std::string_view text);

    const std::string& Name() const { return name_; }

    // nullptr when the catalogue has no such entry.
    const TextPair* Find(TextKind kind, const std::string& key) const;
    const ListPair* FindList(const std::string& key) const;

    const std::map<std::string, TextPair>& Texts(TextKind kind) const { return texts_[static_cast<int>(kind)]; }
    // Keyed "Control.Items" or "Control.Lines".
    const std::map<std::string, ListPair>& Lists() const { return lists_; }
    const std::set<std::string>& Untranslated() const { return untranslated_; }

private:
    std::string name_;
    std::map<std::string, TextPair> texts_[4];
    std::map<std::string, ListPair> lists_;
    std::set<std::string> untranslated_;
};

// Items of a comma-separated list text; throws CatalogueError for an unclosed quote
// or text after a closing quote.
std::vector<std::string> SplitListItems(std::string_view commaText);

// The catalogue compiled into the program for a window ("TMainForm", "TRegForm", ...),
// or nullptr.
const Catalogue* FindCatalogue(std::string_view name);

}  // namespace quillora
