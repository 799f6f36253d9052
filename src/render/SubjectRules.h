#pragma once
// The subject line of every message built from the newsletter. Umlauts, "ß" and "&" are
// taken out as they are typed, because mail programs and servers still garble them in
// headers; the extension list puts a marker such as "[Werbung]" in front.
#include "shell/TextCatalogue.h"

#include <string>
#include <vector>

namespace quillora {

class UserDialogs;

// How hint texts are looked up; tests pass their own to see the joins.
using CatalogueLookup = std::string (*)(const std::string& key);

struct SubjectRewrite {
    std::string text;           // what the subject field holds afterwards
    bool changed = false;       // replacements were made: tell the user, set the field
    int cursor = -1;            // caret position after a rewrite; -1 leaves the caret alone
    bool markModified = false;  // false only while the start-up template is loading
};

// Only "&", "ß", "ü", "ö" and "ä" start the rewrite; capital umlauts alone do not, but
// once it runs they are replaced too.
bool SubjectNeedsRewrite(const std::string& subject);

// The change rule of the subject field. `loading` is the start-up load, which keeps its
// subject as it is and does not mark the document.
SubjectRewrite ApplySubjectRules(const std::string& subject, bool loading,
                                 Language language = ActiveLanguage());

// As ApplySubjectRules, and shows the compatibility notice when the text was rewritten.
SubjectRewrite RunSubjectRules(const std::string& subject, bool loading, UserDialogs& dialogs,
                               Language language = ActiveLanguage());

// The entries of the extension list; the first is the one shown at rest.
const std::vector<std::string>& SubjectExtensions(Language language = ActiveLanguage());
constexpr int kSubjectExtensionRestIndex = 0;

// The subject after the list's text was chosen or typed: the marker, a space, the old
// subject. The subject rules run on it when it is put into the field.
std::string ExtendSubject(const std::string& listText, const std::string& subject);

// Why advertising mail should be marked in its subject.
std::string AdvertisingHint(CatalogueLookup text = GetText);
// What the imprint fields should hold.
std::string ImprintHint(CatalogueLookup text = GetText);
// How to fill in the unsubscribe link.
std::string UnsubscribeHint(CatalogueLookup text = GetText);

}  // namespace quillora
