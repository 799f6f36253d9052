#include "document/TextFile.h"
#include "shell/Catalogue.h"
#include "shell/CatalogueData.h"
#include "shell/LanguageSettings.h"
#include "shell/TextCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace quillora {
namespace {

using test::ScriptedDialogs;
using test::TestFolders;

// The language is run-wide; every test leaves it German.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { SetActiveLanguage(Language::German); }
    void TearDown() override { SetActiveLanguage(Language::German); }
};

std::string Key(int n) { return "IDS_" + std::to_string(n); }

// ------------------------------------------------------------------ Language.ini

TEST(LanguageFile, FirstLineDecides) {
    struct Case {
        const char* what;
        std::optional<std::string> content;
        Language expected;
    };
    const Case cases[] = {
        {"lower case", "english\r\n", Language::English},
        {"upper case without line end", "ENGLISH", Language::English},
        {"mixed case, further lines", "EnGlIsH\r\nDeutsch\r\n", Language::English},
        {"LF line ends", "English\n", Language::English},
        {"blanks around the word", "  English \r\n", Language::English},
        {"byte-order mark of a Windows editor", "\xEF\xBB\xBF" "English\r\n", Language::English},
        {"the German word for English", "Englisch\r\n", Language::German},
        {"Deutsch", "Deutsch\r\n", Language::German},
        {"English only on the second line", "\r\nEnglish\r\n", Language::German},
        {"empty file", "", Language::German},
        {"no file", std::nullopt, Language::German},
    };
    TestFolders folders(false);
    const std::string& prog = folders.Folders().prog;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(prog + "Language.ini");
        if (c.content) folders.Write("prog/Language.ini", *c.content);
        EXPECT_EQ(ReadLanguageFile(prog), c.expected);
    }
}

TEST(LanguageFile, SwitchingBackAndForthWritesTheLastChoice) {
    TestFolders folders(false);
    const std::string& prog = folders.Folders().prog;
    WriteLanguageFile(prog, Language::English);
    EXPECT_EQ(test::ReadAll(prog + "Language.ini"), "English\r\n");
    EXPECT_EQ(ReadLanguageFile(prog), Language::English);
    WriteLanguageFile(prog, Language::German);
    EXPECT_EQ(test::ReadAll(prog + "Language.ini"), "Deutsch\r\n");
    EXPECT_EQ(ReadLanguageFile(prog), Language::German);
}

TEST_F(LanguageTest, AFailedWriteIsReportedAndTheSwitchStays) {
    TestFolders folders(false);
    const std::string prog = folders.Root() + "no-such-folder/";
    EXPECT_THROW(WriteLanguageFile(prog, Language::English), FileError);

    SetActiveLanguage(Language::English);
    ScriptedDialogs dialogs;
    RememberLanguage(prog, Language::English, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].title, "Error");
    EXPECT_NE(dialogs.shown[0].text.find("language choice"), std::string::npos);
    EXPECT_NE(dialogs.shown[0].text.find("Language.ini"), std::string::npos);
    EXPECT_EQ(ActiveLanguage(), Language::English);

    RememberLanguage(folders.Folders().prog, Language::English, dialogs);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// ------------------------------------------------------------------ format

TEST(CatalogueFormat, ReadsEveryKind) {
    const Catalogue c = Catalogue::Parse("Sample", R"(
# comment
[Untranslated]
MainForm
[Captions]
  AnchorChk
  de "Sprungmarke ""nach oben"""
  en "Jump mark ""to the top"""
OnlyGerman
de "Abbrechen"
en ""
[Hints]
TrackBar1
de "Erste Zeile."
de "Zweite Zeile."
en "First line."
[Strings]
IDS_43
de "Die Datei wurde als "
en "Written as "
[Dialogs]
No To All
de "&Alle Nein"
en "&No To All"
[Lists]
ComboBox2.Items
de "Betreff erweitern",[Werbung]
de [Newsletter]
en "Enhance Subject",[Commercial]
Memo1.Lines
de "Zeile eins", "", ""
)");
    const TextPair* anchor = c.Find(TextKind::Caption, "AnchorChk");
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->In(Language::German), "Sprungmarke \"nach oben\"");
    EXPECT_EQ(anchor->In(Language::English), "Jump mark \"to the top\"");
    ASSERT_TRUE(c.Find(TextKind::Caption, "OnlyGerman"));
    EXPECT_EQ(c.Find(TextKind::Caption, "OnlyGerman")->In(Language::English), "Abbrechen");
    EXPECT_EQ(c.Find(TextKind::Hint, "TrackBar1")->german, "Erste Zeile.\nZweite Zeile.");
    EXPECT_EQ(c.Find(TextKind::String, "IDS_43")->In(Language::English), "Written as ");
    EXPECT_EQ(c.Find(TextKind::Dialog, "No To All")->In(Language::German), "&Alle Nein");
    EXPECT_FALSE(c.Find(TextKind::Caption, "IDS_43")) << "kinds do not share keys";

    const ListPair* subject = c.FindList("ComboBox2.Items");
    ASSERT_TRUE(subject);
    EXPECT_EQ(subject->In(Language::German),
              (std::vector<std::string>{"Betreff erweitern", "[Werbung]", "[Newsletter]"}));
    EXPECT_EQ(subject->In(Language::English), (std::vector<std::string>{"Enhance Subject", "[Commercial]"}));
    EXPECT_EQ(c.FindList("Memo1.Lines")->In(Language::English), (std::vector<std::string>{"Zeile eins", "", ""}));
    EXPECT_EQ(c.Untranslated(), (std::set<std::string>{"MainForm"}));
}

TEST(CatalogueFormat, FaultsNameTheirLine) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"NewBitBtn\nde \"Neu\"", "line 1: an entry before the first [section]"},
        {"[Colours]", "line 1: unknown section"},
        {"[Captions]\nde \"Neu\"", "line 2: a text before the name"},
        {"[Captions]\nNewBitBtn \"Neu\"", "line 2: a text goes on its own line"},
        {"[Captions]\nA\nde Neu", "line 3: the text goes in double quotes"},
        {"[Captions]\nA\nde \"Neu", "line 3: the closing double quote is missing"},
        {"[Captions]\nA\nde \"Neu\" Meldung", "line 3: text after the closing double quote"},
        {"[Captions]\nA\nen \"New\"\nB\nde \"x\"", "line 2: \"A\" has no German text"},
        {"[Captions]\nA\nde \"x\"\n\nA\nde \"y\"", "line 5: \"A\" appears twice"},
        {"[Lists]\nComboBox2\nde a,b", "line 2: a list is named Control.Items or Control.Lines"},
        {"[Lists]\nComboBox2.Items\nde \"a\" b", "line 3: text after a closing double quote"},
        {"[Lists]\nComboBox2.Items\nde Times \"New\" Roman", "line 3: a double quote inside an item"},
        {"[Untranslated]\nFontPanel\n[Lists]\nFontPanel.Lines\nde Arial", "\"FontPanel\" is listed as untranslated"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Catalogue::Parse("Sample", c.text);
            ADD_FAILURE() << "accepted";
        } catch (const CatalogueError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("Sample", 0), 0u) << e.what();
        }
    }
}

TEST(ListItems, QuotedAndPlainItems) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"links,mittig,rechts", {"links", "mittig", "rechts"}},
        {"\"Betreff erweitern\",[Newsletter]", {"Betreff erweitern", "[Newsletter]"}},
        {" \"a, b\" , c ", {"a, b", "c"}},
        {"\"Knopf \"\"OK\"\"\"", {"Knopf \"OK\""}},
        {"\" blanks kept \"", {" blanks kept "}},
        {"\"\",x,,", {"", "x", "", ""}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitListItems(c.text), c.items);
    }
    for (const char* bad : {"\"open", "\"a\" b", "a\"b"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(SplitListItems(bad), CatalogueError);
    }
}

// ------------------------------------------------------------------ lookup

TEST_F(LanguageTest, LookupFollowsTheLanguageAndFallsBackToGerman) {
    EXPECT_EQ(GetText("IDS_10"), "Bitte zuerst einen Block zum L\xF6schen ausw\xE4hlen!");
    EXPECT_EQ(GetText("TResizeForm", "IDS_5"), "Die minimale Bildgr\xF6\xDF" "e liegt bei zwei Pixeln!");
    EXPECT_EQ(DialogCaption("No To All"), "&Alle Nein");

    SetActiveLanguage(Language::English);
    EXPECT_EQ(GetText("IDS_10"), "Please select a Newsblock before deleting");
    EXPECT_EQ(GetText("IDS_9"), "New Message:");
    EXPECT_EQ(DialogCaption("No To All"), "&No To All");
    // Empty English texts.
    EXPECT_EQ(GetText("TOnlineUpdate", "IDS_20"), "&OK");
    EXPECT_EQ(GetText("TRegForm", "IDS_0"), "Quillora pro");
    EXPECT_EQ(GetText("TAboutBox", "IDS_0"), "Copyright \xA9 ");

    EXPECT_EQ(GetText("IDS_99999"), "IDS_99999");
    EXPECT_EQ(GetText("TNoSuchForm", "IDS_1"), "IDS_1");
    EXPECT_EQ(GetText("TResizeForm", "IDS_10"), "IDS_10") << "each window has its own strings";
}

// ------------------------------------------------------------------ the shipped texts

TEST(BuiltInCatalogues, EveryCatalogueParses) {
    for (const auto& source : BuiltInCatalogues()) {
        SCOPED_TRACE(source.name);
        try {
            Catalogue::Parse(source.name, source.text);
        } catch (const CatalogueError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST(BuiltInCatalogues, MainWindowHasEveryTextInBothLanguages) {
    const Catalogue* c = FindCatalogue("TMainForm");
    ASSERT_TRUE(c);
    std::vector<int> keys = {0, 1, 2, 3, 4, 5, 6, 39, 65, 66, 83, 199, 200, 1302, 1340, 1341, 1342};
    for (int n = 9; n <= 37; ++n) keys.push_back(n);
    for (int n : {41, 42, 43, 44, 46, 47, 48, 49, 50, 72, 73, 74, 76, 77, 78, 79}) keys.push_back(n);
    for (int n : keys) {
        SCOPED_TRACE(Key(n));
        const TextPair* text = c->Find(TextKind::String, Key(n));
        ASSERT_TRUE(text);
        EXPECT_FALSE(text->german.empty());
        EXPECT_FALSE(text->english.empty());
    }
    for (TextKind kind : {TextKind::Caption, TextKind::Hint})
        for (const auto& [key, text] : c->Texts(kind)) {
            SCOPED_TRACE(key);
            EXPECT_FALSE(text.german.empty());
            EXPECT_FALSE(text.english.empty());
        }
    // Code maps the chosen index to a value, so a translation keeps the number of items.
    for (const char* list : {"AnchorAlignCmbbx.Items", "ComboBox1.Items", "cmbFontSize.Items"}) {
        SCOPED_TRACE(list);
        const ListPair* items = c->FindList(list);
        ASSERT_TRUE(items);
        EXPECT_FALSE(items->german.empty());
        EXPECT_EQ(items->german.size(), items->english.size());
    }
}

// Pieces joined without a separator: each but the last ends with one blank.
TEST(BuiltInCatalogues, JoinedPiecesCarryTheirBlank) {
    const Catalogue* c = FindCatalogue("TMainForm");
    ASSERT_TRUE(c);
    const std::vector<std::vector<int>> joined = {
        {13, 14, 15, 16}, {18, 19, 20, 21}, {76, 77, 78}, {1340, 1341, 1342}, {43, 44}, {65, 66}};
    for (const auto& pieces : joined) {
        for (size_t i = 0; i < pieces.size(); ++i) {
            const TextPair* text = c->Find(TextKind::String, Key(pieces[i]));
            ASSERT_TRUE(text) << Key(pieces[i]);
            for (const std::string* t : {&text->german, &text->english}) {
                SCOPED_TRACE(Key(pieces[i]) + ": \"" + *t + "\"");
                const bool last = i + 1 == pieces.size();
                EXPECT_EQ(t->ends_with(' '), !last);
                EXPECT_FALSE(t->ends_with("  "));
            }
        }
    }
}

}  // namespace
}  // namespace quillora
