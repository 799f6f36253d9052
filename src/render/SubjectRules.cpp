#include "render/SubjectRules.h"

#include "render/TextConversions.h"
#include "shell/UserDialogs.h"

namespace quillora {

bool SubjectNeedsRewrite(const std::string& subject) {
    return subject.find_first_of("&\xDF\xFC\xF6\xE4") != std::string::npos;
}

SubjectRewrite ApplySubjectRules(const std::string& subject, bool loading, Language language) {
    SubjectRewrite r;
    r.text = subject;
    if (loading) return r;
    r.markModified = true;
    if (!SubjectNeedsRewrite(subject)) return r;

    std::string text = ReplaceAll(subject, "&", language == Language::English ? "and" : "und");
    static const std::pair<const char*, const char*> kLetters[] = {
        {"\xFC", "ue"}, {"\xF6", "oe"}, {"\xE4", "ae"}, {"\xDC", "Ue"},
        {"\xD6", "Oe"}, {"\xC4", "Ae"}, {"\xDF", "ss"}};
    for (const auto& [from, to] : kLetters) text = ReplaceAll(text, from, to);

    r.text = std::move(text);
    r.changed = true;
    // One byte per character, so the byte count is also the caret position in the widget.
    r.cursor = static_cast<int>(r.text.size());
    return r;
}

SubjectRewrite RunSubjectRules(const std::string& subject, bool loading, UserDialogs& dialogs,
                               Language language) {
    SubjectRewrite r = ApplySubjectRules(subject, loading, language);
    if (r.changed) dialogs.Error(GetText("IDS_200"), GetText("IDS_199"));
    return r;
}

const std::vector<std::string>& SubjectExtensions(Language language) {
    static const std::vector<std::string> german = {"Betreff erweitern", "[Newsletter]", "[Werbung]",
                                                    "[Werbemail]", "[Kundeninformation]", "[Information]"};
    static const std::vector<std::string> english = {"Enhance Subject", "[Newsletter]", "[Commercial]",
                                                     "[Customerinformation]", "[Information]"};
    return language == Language::English ? english : german;
}

std::string ExtendSubject(const std::string& listText, const std::string& subject) {
    return listText + " " + subject;
}

std::string AdvertisingHint(CatalogueLookup text) {
    return text("IDS_76") + text("IDS_77") + text("IDS_78");
}

std::string ImprintHint(CatalogueLookup text) {
    return text("IDS_22") + "\r\r" + text("IDS_23") + "\r" + text("IDS_24") + "\r\r" + text("IDS_25") +
           "\r" + text("IDS_26") + "\r" + text("IDS_27") + "\r" + text("IDS_28") + "\r" + text("IDS_29");
}

std::string UnsubscribeHint(CatalogueLookup text) {
    return text("IDS_1340") + text("IDS_1341") + text("IDS_1342");
}

}  // namespace quillora
