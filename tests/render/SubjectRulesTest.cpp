#include "render/SubjectRules.h"

#include "support/ScriptedDialogs.h"

#include "support/Printable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// Subjects are Windows-1252: \xE4 ä, \xF6 ö, \xFC ü, \xC4 Ä, \xD6 Ö, \xDC Ü, \xDF ß,
// \xE9 é, \x80 the euro sign. Literals are split where a hex letter follows an escape.

namespace quillora {
namespace {

using test::Printable;

TEST(SubjectRules, RewritesUmlautsSharpSAndAmpersand) {
    struct Case {
        std::string subject;
        Language language;
        std::string expected;  // empty: left as it is
    };
    const std::vector<Case> cases = {
        {"M\xFCller & S\xF6hne", Language::German, "Mueller und Soehne"},
        {"M\xFCller & S\xF6hne", Language::English, "Mueller and Soehne"},
        {"A&B", Language::German, "AundB"},
        {"&&", Language::English, "andand"},
        {"Stra\xDF" "e", Language::German, "Strasse"},
        {"\xC4RGER", Language::German, ""},  // capitals alone do not start the rule
        {"\xD6L \xDC" "BER", Language::German, ""},
        {"\xC4RGER \xFC" "ber", Language::German, "AeRGER ueber"},  // ... but go once it runs
        {"\xD6l & \xC4pfel \xDC" "bers\xE4tze", Language::German, "Oel und Aepfel Uebersaetze"},
        {"Caf\xE9 f\xFCr 5 \x80 \"neu\"", Language::German, "Caf\xE9 fuer 5 \x80 \"neu\""},
        {"[Werbung] Gr\xFC\xDF" "e", Language::German, "[Werbung] Gruesse"},
        {"Der Betreff", Language::German, ""},
        {"", Language::German, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Printable(c.subject));
        const SubjectRewrite r = ApplySubjectRules(c.subject, false, c.language);
        const std::string expected = c.expected.empty() ? c.subject : c.expected;
        EXPECT_EQ(Printable(r.text), Printable(expected));
        EXPECT_EQ(r.changed, !c.expected.empty());
        EXPECT_EQ(r.cursor, r.changed ? static_cast<int>(expected.size()) : -1);
        EXPECT_TRUE(r.markModified);

        // Putting the result into the field runs the rule again: nothing left to do.
        const SubjectRewrite again = ApplySubjectRules(r.text, false, c.language);
        EXPECT_FALSE(again.changed);
        EXPECT_EQ(again.text, r.text);
        EXPECT_TRUE(again.markModified);
    }
}

TEST(SubjectRules, EveryOtherCharacterStays) {
    const std::string triggers = "&\xDF\xFC\xF6\xE4";
    const std::string capitals = "\xC4\xD6\xDC";
    for (int b = 1; b < 256; ++b) {
        const std::string ch(1, static_cast<char>(b));
        SCOPED_TRACE(Printable(ch));
        const bool trigger = triggers.find(ch) != std::string::npos;
        EXPECT_EQ(SubjectNeedsRewrite("x" + ch + "y"), trigger);
        // With a trigger beside it, only the seven letters and "&" change.
        const SubjectRewrite r = ApplySubjectRules(ch + "\xE4", false, Language::German);
        if (trigger || capitals.find(ch) != std::string::npos) {
            EXPECT_EQ(r.text.find(ch), std::string::npos) << Printable(r.text);
        } else {
            EXPECT_EQ(r.text, ch + "ae");
        }
    }
}

TEST(SubjectRules, StartUpLoadKeepsTheSubjectAndTheDocumentUnmarked) {
    test::ScriptedDialogs dialogs;
    const SubjectRewrite r = RunSubjectRules("Gr\xFC\xDF" "e & mehr", true, dialogs, Language::German);
    EXPECT_EQ(r.text, "Gr\xFC\xDF" "e & mehr");
    EXPECT_FALSE(r.changed);
    EXPECT_FALSE(r.markModified);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(SubjectRules, NoticeOnlyWhenTheSubjectIsRewritten) {
    test::ScriptedDialogs dialogs;
    const SubjectRewrite r = RunSubjectRules("M\xFCller & S\xF6hne", false, dialogs, Language::German);
    EXPECT_EQ(r.text, "Mueller und Soehne");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].title, GetText("IDS_200"));
    EXPECT_EQ(dialogs.shown[0].text, GetText("IDS_199"));

    // The rewritten text coming back through the field, a capital umlaut, plain text.
    for (const std::string& subject : {r.text, std::string("\xC4RGER"), std::string("Angebot")})
        RunSubjectRules(subject, false, dialogs, Language::German);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST(SubjectExtension, PutsTheMarkerInFrontOfTheSubject) {
    const auto& german = SubjectExtensions(Language::German);
    const auto& english = SubjectExtensions(Language::English);
    ASSERT_EQ(german.size(), 6u);
    ASSERT_EQ(english.size(), 5u);
    EXPECT_EQ(german[kSubjectExtensionRestIndex], "Betreff erweitern");
    EXPECT_EQ(english[kSubjectExtensionRestIndex], "Enhance Subject");
    EXPECT_EQ(german[2], "[Werbung]");
    EXPECT_EQ(english[2], "[Commercial]");

    const std::string once = ExtendSubject("[Werbung]", "Angebot");
    EXPECT_EQ(once, "[Werbung] Angebot");
    EXPECT_EQ(ExtendSubject("[Werbung]", once), "[Werbung] [Werbung] Angebot");
    // The resting entry is a marker like any other.
    EXPECT_EQ(ExtendSubject(german[0], "Angebot"), "Betreff erweitern Angebot");
    EXPECT_EQ(ExtendSubject("", "Angebot"), " Angebot");

    // Typed marker text goes through the subject rules when it reaches the field.
    const SubjectRewrite typed =
        ApplySubjectRules(ExtendSubject("[K\xFCnden & Co]", "Angebot"), false, Language::English);
    EXPECT_EQ(typed.text, "[Kuenden and Co] Angebot");
    EXPECT_TRUE(typed.changed);
}

std::string Tagged(const std::string& key) { return "<" + key.substr(4) + ">"; }

TEST(SubjectHints, JoinTheCatalogueTexts) {
    EXPECT_EQ(AdvertisingHint(Tagged), "<76><77><78>");
    EXPECT_EQ(ImprintHint(Tagged), "<22>\r\r<23>\r<24>\r\r<25>\r<26>\r<27>\r<28>\r<29>");
    EXPECT_EQ(UnsubscribeHint(Tagged), "<1340><1341><1342>");
}

}  // namespace
}  // namespace quillora
