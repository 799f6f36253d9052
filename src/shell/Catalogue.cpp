#include "shell/Catalogue.h"

#include "shell/CatalogueData.h"

#include <iostream>

namespace quillora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

void SkipBlanks(std::string_view s, size_t& i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
}

// s[i] is the opening quote; leaves i after the closing one.
std::string ReadQuoted(std::string_view s, size_t& i) {
    std::string out;
    for (++i;; ++i) {
        if (i >= s.size()) throw CatalogueError("the closing double quote is missing");
        if (s[i] != '"') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            ++i;
            return out;
        }
    }
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

enum class Section { None, Texts, Lists, Untranslated };

std::string ListControl(const std::string& key) { return key.substr(0, key.rfind('.')); }

}  // namespace

std::vector<std::string> SplitListItems(std::string_view text) {
    std::vector<std::string> items;
    size_t i = 0;
    SkipBlanks(text, i);
    if (i == text.size()) return items;
    for (;;) {
        SkipBlanks(text, i);
        if (i < text.size() && text[i] == '"') {
            items.push_back(ReadQuoted(text, i));
            SkipBlanks(text, i);
            if (i < text.size() && text[i] != ',')
                throw CatalogueError("text after a closing double quote; items are separated by commas");
        } else {
            const size_t start = i;
            while (i < text.size() && text[i] != ',') ++i;
            const std::string_view item = TrimBlanks(text.substr(start, i - start));
            if (item.find('"') != std::string_view::npos)
                throw CatalogueError("a double quote inside an item that does not start with one");
            items.emplace_back(item);
        }
        if (i >= text.size()) return items;
        ++i;  // the comma
    }
}

const TextPair* Catalogue::Find(TextKind kind, const std::string& key) const {
    const auto& texts = Texts(kind);
    const auto it = texts.find(key);
    return it == texts.end() ? nullptr : &it->second;
}

const ListPair* Catalogue::FindList(const std::string& key) const {
    const auto it = lists_.find(key);
    return it == lists_.end() ? nullptr : &it->second;
}

Catalogue Catalogue::Parse(std::string name, std::string_view text) {
    Catalogue c(std::move(name));
    Section section = Section::None;
    TextKind kind = TextKind::Caption;
    int lineNo = 0;

    // The entry being read.
    std::string key;
    int keyLine = 0;
    bool hasGerman = false, hasEnglish = false;

    auto fail = [&](int line, const std::string& why) -> CatalogueError {
        return CatalogueError(c.name_ + ", line " + std::to_string(line) + ": " + why);
    };
    auto finishEntry = [&] {
        if (!key.empty() && !hasGerman) throw fail(keyLine, "\"" + key + "\" has no German text (de \"...\")");
        key.clear();
    };

    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = TrimBlanks(line);
        if (line.empty() || line.front() == '#') continue;

        if (line.front() == '[') {
            finishEntry();
            if (line.back() != ']') throw fail(lineNo, "a section name ends with ]");
            const std::string s = Lower(line.substr(1, line.size() - 2));
            if (s == "captions") section = Section::Texts, kind = TextKind::Caption;
            else if (s == "hints") section = Section::Texts, kind = TextKind::Hint;
            else if (s == "strings") section = Section::Texts, kind = TextKind::String;
            else if (s == "dialogs") section = Section::Texts, kind = TextKind::Dialog;
            else if (s == "lists") section = Section::Lists;
            else if (s == "untranslated") section = Section::Untranslated;
            else throw fail(lineNo, "unknown section " + std::string(line));
            continue;
        }
        if (section == Section::None) throw fail(lineNo, "an entry before the first [section]");

        size_t wordEnd = 0;
        while (wordEnd < line.size() && !IsBlank(line[wordEnd])) ++wordEnd;
        const std::string_view word = line.substr(0, wordEnd);
        const std::string_view rest = TrimBlanks(line.substr(wordEnd));

        if (section == Section::Untranslated) {
            if (line.find('"') != std::string_view::npos) throw fail(lineNo, "one control name per line, no quotes");
            c.untranslated_.emplace(line);
            continue;
        }

        if (word == "de" || word == "en") {
            if (key.empty()) throw fail(lineNo, "a text before the name of its entry");
            const bool german = word == "de";
            bool& seen = german ? hasGerman : hasEnglish;
            try {
                if (section == Section::Lists) {
                    auto& items = german ? c.lists_[key].german : c.lists_[key].english;
                    for (auto& item : SplitListItems(rest)) items.push_back(std::move(item));
                } else {
                    if (rest.empty() || rest.front() != '"') throw CatalogueError("the text goes in double quotes");
                    size_t i = 0;
                    std::string value = ReadQuoted(rest, i);
                    if (i != rest.size()) throw CatalogueError("text after the closing double quote");
                    TextPair& pair = c.texts_[static_cast<int>(kind)][key];
                    std::string& target = german ? pair.german : pair.english;
                    target = seen ? target + "\n" + value : value;
                }
            } catch (const CatalogueError& e) {
                throw fail(lineNo, e.what());
            }
            seen = true;
            continue;
        }

        finishEntry();
        if (line.find('"') != std::string_view::npos)
            throw fail(lineNo, "a text goes on its own line after de or en, not beside the entry name");
        key = std::string(line);
        keyLine = lineNo;
        hasGerman = hasEnglish = false;
        if (section == Section::Lists) {
            const size_t dot = key.rfind('.');
            const std::string property = dot == std::string::npos ? std::string() : key.substr(dot + 1);
            if (dot == 0 || (property != "Items" && property != "Lines"))
                throw fail(lineNo, "a list is named Control.Items or Control.Lines");
            if (!c.lists_.emplace(key, ListPair{}).second) throw fail(lineNo, "\"" + key + "\" appears twice");
        } else if (!c.texts_[static_cast<int>(kind)].emplace(key, TextPair{}).second) {
            throw fail(lineNo, "\"" + key + "\" appears twice");
        }
    }
    finishEntry();

    for (const auto& control : c.untranslated_) {
        bool has = c.Find(TextKind::Caption, control) || c.Find(TextKind::Hint, control);
        for (const auto& [listKey, items] : c.lists_) has = has || ListControl(listKey) == control;
        if (has) throw CatalogueError(c.name_ + ": \"" + control + "\" is listed as untranslated but has texts");
    }
    return c;
}

std::span<const CatalogueSource> BuiltInCatalogues() {
    static const CatalogueSource sources[] = {
        {"TRegForm", catalogue_text::TRegForm},
        {"TMainForm", catalogue_text::TMainForm},
        {"TCloseForm", catalogue_text::TCloseForm},
        {"TTipForm", catalogue_text::TTipForm},
        {"TAboutBox", catalogue_text::TAboutBox},
        {"TLayoutsForm", catalogue_text::TLayoutsForm},
        {"TResizeForm", catalogue_text::TResizeForm},
        {"TWebPicsForm", catalogue_text::TWebPicsForm},
        {"TOnlineUpdate", catalogue_text::TOnlineUpdate},
    };
    return sources;
}

const Catalogue* FindCatalogue(std::string_view name) {
    static const std::map<std::string, Catalogue, std::less<>> catalogues = [] {
        std::map<std::string, Catalogue, std::less<>> all;
        for (const auto& source : BuiltInCatalogues()) {
            try {
                all.emplace(source.name, Catalogue::Parse(source.name, source.text));
            } catch (const CatalogueError& e) {
                // The tests parse every built-in catalogue; here a fault costs texts, not the run.
                std::cerr << "quillora: " << e.what() << "\n";
                all.emplace(source.name, Catalogue(source.name));
            }
        }
        return all;
    }();
    const auto it = catalogues.find(name);
    return it == catalogues.end() ? nullptr : &it->second;
}

}  // namespace quillora
