#include "document/DocumentSession.h"
#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace quillora {
namespace {

using test::ScriptedDialogs;
using test::TestFolders;

std::string Crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) out += std::string(l) + "\r\n";
    return out;
}

// Every setting of the canonical form, in file order.
const std::string kCanonical = Crlf({
    "[SETTINGS]",
    "Berteff=Newsletter Juni",
    "KopfLogo=/pics/head.jpg",
    "LogoAlign=center",
    "Titel1=$ANREDE $NAME",
    "Titel2=Neuigkeiten aus unserem Haus",
    "DateText=Ausgabe vom",
    "SeperatorNews=/pics/sep.jpg",
    "SeperatorAlign=left",
    "SeperatorImpressum=/pics/foot.jpg",
    "ImpressumAlign=right",
    "ImpressumText=Muster GmbH - Musterweg 1 - 12345 Musterstadt",
    "ImpressumZusatz=",
    "ImpressumMailTo=info@muster.example",
    "ImpressumURL=www.muster.example",
    "TextColor=#000000",
    "LinkColor=#0000FF",
    "BKGColor=#FFFFFF",
    "Font=Verdana",
    "UnsubscribeLink=mailto:ab@muster.example",
    "UnsubscribeText=Newsletter abbestellen",
    "Uebersicht=TRUE",
    "Anchor=TRUE",
    "Anchortext=nach oben",
    "Anchoralign=center",
    "Nummern=FALSE",
    "UebersichtText=\xDC" "BERSICHT:",
    "Bordercolor=#123456",
    "Bordesize=12",
    "Border=TRUE",
    "DateOn=TRUE",
    "HeadSeperator=False",
    " ",
    "[BLOCK001]",
    "Sommerfest",
    "$STARTPATH$Images\\fest.jpg",
    "mehr lesen",
    "http://www.muster.example/fest",
    "right",
    "Am Freitag feiern wir unser <b>Sommerfest</b>.",
    " ",
    "[BLOCK002]",
    "  Zweite Meldung  ",
    "",
    "",
    "",
    "left",
    "Text",
});

class TemplateFileTest : public ::testing::Test {
protected:
    TestFolders world{false};
    ScriptedDialogs dialogs;

    // Loads a template as every open flow does and writes it back; returns the bytes.
    std::string LoadAndSave(const std::string& bytes, DocumentSession* keep = nullptr) {
        const std::string in = world.Write("in.qrx", bytes);
        DocumentSession session(world.Folders(), dialogs);
        DocumentSession& s = keep ? *keep : session;
        s.Doc().currentFile = in;
        s.LoadSettings();
        s.LoadBlocks();
        const std::string out = world.Root() + "out.qrx";
        s.SaveTemplate(out);
        return ReadFileBytes(out);
    }
};

TEST_F(TemplateFileTest, WritesTheCanonicalLayoutByteForByte) {
    // The picture settings point at files that exist, so they stay as written.
    for (const char* p : {"pics/head.jpg", "pics/sep.jpg", "pics/foot.jpg"}) world.Write(p, "x");
    std::string expected = kCanonical;
    for (const char* p : {"/pics/head.jpg", "/pics/sep.jpg", "/pics/foot.jpg"}) {
        const auto pos = expected.find(p);
        expected.replace(pos, std::string(p).size(), world.Root() + (p + 1));
    }
    EXPECT_EQ(LoadAndSave(expected), expected);
}

TEST_F(TemplateFileTest, ReadsSettingsTheWayProfileFunctionsDo) {
    const std::string variants[] = {
        // other order, lower-case keys and section, blanks around "=", quoted values
        Crlf({"[settings]", "font = \"Verdana\"", "berteff='Newsletter Juni'", "  DATEON =TRUE",
              "Uebersicht=  TRUE  ", "anchoralign=center", "Bordesize= 12", "Berteff=second wins not"}),
        Crlf({"[SETTINGS]", "Berteff=Newsletter Juni", "Font=Verdana", "Uebersicht=TRUE",
              "Anchoralign=center", "Bordesize=12", "DateOn=TRUE", "[OTHER]", "Font=Arial"}),
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v);
        const auto s = ReadSettings(SplitLines(v), world.Folders().prog, world.Folders().images);
        EXPECT_EQ(s.Berteff, "Newsletter Juni");
        EXPECT_EQ(s.Font, "Verdana");
        EXPECT_EQ(s.Uebersicht, "TRUE");
        EXPECT_EQ(s.Anchoralign, "center");
        EXPECT_EQ(s.Bordesize, "12");
        EXPECT_TRUE(s.DateOn);
    }
}

TEST_F(TemplateFileTest, MissingAndOddValuesTakeTheirDefaults) {
    const auto s = ReadSettings(SplitLines(Crlf({"[SETTINGS]", "Bordercolor=", "HeadSeperator=False",
                                                 "DateOn=true", "Border=yes"})),
                                world.Folders().prog, world.Folders().images);
    EXPECT_EQ(s.Font, "Arial");
    EXPECT_EQ(s.Anchoralign, "right");
    EXPECT_EQ(s.Anchortext, "nach oben");
    EXPECT_EQ(s.BKGColor, "#000000");
    EXPECT_EQ(s.UebersichtText, "TOPICS:");
    EXPECT_EQ(s.Bordercolor, "#000000");
    EXPECT_EQ(s.Bordesize, "1");
    EXPECT_EQ(s.Nummern, "TRUE");
    EXPECT_EQ(s.Uebersicht, "FALSE");
    EXPECT_FALSE(s.HeadSeperator);
    EXPECT_FALSE(s.DateOn);  // only the exact text TRUE is true
    EXPECT_FALSE(s.Border);
    EXPECT_EQ(s.KopfLogo, world.Folders().images + "NEW1.jpg");
}

TEST_F(TemplateFileTest, LongValuesAreNotCut) {
    const std::string body(5000, 'x');
    const auto s = ReadSettings(SplitLines(Crlf({"[SETTINGS]"}) + "Titel2=" + body + "\r\n"),
                                world.Folders().prog, world.Folders().images);
    EXPECT_EQ(s.Titel2, body);
}

TEST_F(TemplateFileTest, PicturePathsResolveStartPathAndFallBackToImages) {
    const auto& f = world.Folders();
    world.Write("prog/Images/NEW1.jpg", "x");
    world.Write("prog/Images/Logo.JPG", "x");
    struct Case {
        std::string stored, expected;
    };
    const Case cases[] = {
        {"$STARTPATH$Images\\NEW1.jpg", f.images + "NEW1.jpg"},
        {"$STARTPATH$IMAGES\\NEW1.jpg", f.images + "NEW1.jpg"},
        {"C:\\Programme\\Quillora\\Images\\NEW1.jpg", f.images + "NEW1.jpg"},
        {"/gone/elsewhere/NEW1.jpg", f.images + "NEW1.jpg"},
        {"$STARTPATH$Images/NEW1.jpg", f.prog + "Images/NEW1.jpg"},  // exists as written
        {"C:\\Bilder\\logo.jpg", f.images + "Logo.JPG"},              // case differs on disk
        {"C:\\Bilder\\missing.jpg", f.images + "missing.jpg"},        // redirected all the same
        {"", f.images},                                               // "KopfLogo=" names the folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const auto s = ReadSettings(SplitLines("[SETTINGS]\r\nKopfLogo=" + c.stored + "\r\nSeperatorImpressum=" +
                                               c.stored + "\r\n"),
                                    f.prog, f.images);
        EXPECT_EQ(s.KopfLogo, c.expected);
        EXPECT_EQ(s.SeperatorImpressum, c.expected);
    }
    const auto blank = ReadSettings(SplitLines("[SETTINGS]\r\nSeperatorNews=\r\n"), f.prog, f.images);
    EXPECT_EQ(blank.SeperatorNews, "");  // no separator
}

TEST_F(TemplateFileTest, BlocksOfFiveSixAndSevenLines) {
    const std::string file = Crlf({"[SETTINGS]", "Berteff=x", " ", "[BLOCK001]", "Old form", "", "", "",
                                   "body five", " ", "[BLOCK002]", "Six", "", "", "", "right", "body six", " ",
                                   "[BLOCK003]", "Seven", "", "", "", "left", "right", "body seven"});
    const auto blocks = ReadBlocks(SplitLines(file));
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].lines.size(), 5u);
    EXPECT_EQ(blocks[1].lines.size(), 6u);
    EXPECT_EQ(blocks[2].lines.size(), 7u);
    const std::string prog = world.Folders().prog;
    const NewsBlock five = BlockFromLines(blocks[0].lines, prog);
    EXPECT_EQ(five.Body, "body five");
    EXPECT_EQ(five.PictureSide, "left");
    EXPECT_EQ(BlockFromLines(blocks[1].lines, prog).Body, "body six");
    EXPECT_EQ(BlockFromLines(blocks[1].lines, prog).PictureSide, "right");
    const NewsBlock seven = BlockFromLines(blocks[2].lines, prog);
    EXPECT_EQ(seven.Body, "body seven");  // not the side word of line 6
    EXPECT_EQ(seven.PictureSide, "left");
}

TEST_F(TemplateFileTest, BlockHeaderTextInsideABlockStaysText) {
    const std::string file = Crlf({"[SETTINGS]", " ", "[BLOCK001]", "[BLOCK002]", "", "[BLOCK] note", "",
                                   "left", "See [BLOCK001] and", " ", "[BLOCK002]", "Next", "", "", "", "left",
                                   "[BLOCK003]"});
    const auto blocks = ReadBlocks(SplitLines(file));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].lines[0], "[BLOCK002]");
    EXPECT_EQ(blocks[0].lines[2], "[BLOCK] note");
    EXPECT_EQ(blocks[0].lines[5], "See [BLOCK001] and");
    EXPECT_EQ(blocks[1].lines[5], "[BLOCK003]");
    EXPECT_TRUE(IsBlockHeader("  [BLOCK1000]  "));
    EXPECT_FALSE(IsBlockHeader("[BLOCK]"));
    EXPECT_FALSE(IsBlockHeader("x[BLOCK001]"));
    EXPECT_FALSE(IsBlockHeader("[block001]"));
}

TEST_F(TemplateFileTest, FileCutShortKeepsWhatItHas) {
    const std::string file = Crlf({"[SETTINGS]", " ", "[BLOCK001]", "First", "", "", "", "left", "one", " ",
                                   "[BLOCK002]", "Second", "pic"});
    DocumentSession session(world.Folders(), dialogs);
    session.Doc().currentFile = world.Write("cut.qrx", file);
    session.LoadBlocks();
    ASSERT_EQ(session.Doc().blockList.size(), 2u);
    EXPECT_EQ(session.Doc().blockList[1], "Meldung2:  Second");
    const auto lines = session.Store().ReadLines(2);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "pic");
    EXPECT_EQ(lines[4], "");
}

TEST_F(TemplateFileTest, ReadWriteReadWriteIsStable) {
    const std::string messy = Crlf({"[settings]", "font = Georgia", "Berteff = \" Angebot \"",
                                    "KopfLogo=$STARTPATH$Images\\NEW1.jpg", "unknown=dropped", " ", "[BLOCK007]",
                                    "  Headline with blanks ", "$STARTPATH$Images\\a.jpg", "link", "url", "right",
                                    "<p>body</p>", "[BLOCK009]", "five", "", "", "", "old body"});
    const std::string first = LoadAndSave(messy);
    const std::string second = LoadAndSave(first);
    EXPECT_EQ(first, second);
    EXPECT_NE(first.find("Berteff=Angebot\r\n"), std::string::npos);
    EXPECT_NE(first.find(" \r\n[BLOCK001]\r\n  Headline with blanks \r\n$STARTPATH$Images\\a.jpg\r\n"),
              std::string::npos);  // blocks keep their lines and placeholder unchanged
    EXPECT_NE(first.find("[BLOCK002]\r\nfive\r\n\r\n\r\n\r\nold body\r\n"), std::string::npos);
    EXPECT_EQ(first.find("unknown"), std::string::npos);
    EXPECT_EQ(first.find("$STARTPATH$Images\\NEW1"), std::string::npos);
}

TEST_F(TemplateFileTest, BlockNumbersGrowPastThreeDigits) {
    std::string file = "[SETTINGS]\r\n";
    for (int i = 1; i <= 1001; ++i)
        file += " \r\n[BLOCK" + std::to_string(i) + "]\r\nH" + std::to_string(i) + "\r\n\r\n\r\n\r\nleft\r\nb\r\n";
    DocumentSession session(world.Folders(), dialogs);
    const std::string out = LoadAndSave(file, &session);
    const auto files = session.Store().ListBlockFiles();
    ASSERT_EQ(files.size(), 1001u);
    EXPECT_EQ(files[998], world.Folders().temp + "Temp999.edt");
    EXPECT_EQ(files[999], world.Folders().temp + "Temp1000.edt");  // after 999, not after 100
    EXPECT_EQ(session.Doc().blockList[999], "Meldung1000:  H1000");
    EXPECT_NE(out.find("[BLOCK999]\r\nH999\r\n"), std::string::npos);
    EXPECT_NE(out.find("[BLOCK1000]\r\nH1000\r\n"), std::string::npos);
    EXPECT_NE(out.find("[BLOCK1001]\r\nH1001\r\n"), std::string::npos);
}

TEST_F(TemplateFileTest, DuplicateHeadersKeepBothBlocks) {
    const std::string file = Crlf({"[SETTINGS]", " ", "[BLOCK001]", "A", "", "", "", "left", "a", " ",
                                   "[BLOCK001]", "B", "", "", "", "left", "b"});
    DocumentSession session(world.Folders(), dialogs);
    const std::string out = LoadAndSave(file, &session);
    EXPECT_NE(out.find("[BLOCK001]\r\nA\r\n"), std::string::npos);
    EXPECT_NE(out.find("[BLOCK002]\r\nB\r\n"), std::string::npos);
}

TEST_F(TemplateFileTest, FailedWriteKeepsTheOldFileAndReports) {
    const std::string target = world.Write("docs/keep.qrx", "old contents");
    DocumentSession session(world.Folders(), dialogs);
    ::chmod((world.Root() + "docs").c_str(), 0500);
    if (::access((world.Root() + "docs/x").c_str(), F_OK) == 0 || ::geteuid() == 0) {
        // root ignores permissions: make the target's folder vanish instead
        ::chmod((world.Root() + "docs").c_str(), 0700);
        EXPECT_THROW(session.SaveTemplate(world.Root() + "gone/keep.qrx"), FileError);
    } else {
        EXPECT_THROW(session.SaveTemplate(target), FileError);
        ::chmod((world.Root() + "docs").c_str(), 0700);
    }
    EXPECT_EQ(ReadFileBytes(target), "old contents");
    for (const auto& e : std::filesystem::directory_iterator(world.Root() + "docs"))
        EXPECT_EQ(e.path().filename(), "keep.qrx");  // no temporary left behind
}

TEST_F(TemplateFileTest, AlignmentsAreSetAsClicksWouldSetThem) {
    NewsletterDocument doc;  // all three groups start on "center"
    doc.settings.LogoAlign = "";
    doc.settings.SeperatorAlign = "center";
    doc.settings.ImpressumAlign = "bogus";
    doc.SyncControlsFromSettings();
    // No button changed: odd values stay as read.
    EXPECT_EQ(doc.settings.LogoAlign, "");
    EXPECT_EQ(doc.settings.ImpressumAlign, "bogus");

    doc.settings.LogoAlign = "";
    doc.settings.SeperatorAlign = "right";
    doc.settings.ImpressumAlign = "left";
    doc.SyncControlsFromSettings();
    // A changed button rewrites every group from its checked button; valid words win.
    EXPECT_EQ(doc.settings.LogoAlign, "center");
    EXPECT_EQ(doc.settings.SeperatorAlign, "right");
    EXPECT_EQ(doc.settings.ImpressumAlign, "left");

    doc.settings.Font = "Tahoma";
    doc.settings.Anchoralign = "middle";
    doc.fontIndex = 1;
    doc.anchorAlignIndex = 0;
    doc.SyncControlsFromSettings();
    EXPECT_EQ(doc.fontIndex, 1);  // only the first four names are matched
    EXPECT_EQ(doc.anchorAlignIndex, 0);
    doc.settings.Font = "Courier";
    doc.settings.Anchoralign = "right";
    doc.SyncControlsFromSettings();
    EXPECT_EQ(doc.fontIndex, 3);
    EXPECT_EQ(doc.anchorAlignIndex, 2);
}

}  // namespace
}  // namespace quillora
