#include "render/PageGenerator.h"

#include "document/BlockStore.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "support/TestFolders.h"

#include "support/Printable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Expected pages are written out as their literal lines, with the fixture's values
// filled in, so that each line can be read against the page layout it stands for.
// Texts are Windows-1252: non-ASCII bytes are escapes.

namespace quillora {
namespace {

namespace fs = std::filesystem;
using test::TestFolders;
using Lines = std::vector<std::string>;

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Crlf(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

Lines SplitCrlf(const std::string& bytes) {
    Lines out;
    std::size_t start = 0;
    for (auto pos = bytes.find("\r\n"); pos != std::string::npos; pos = bytes.find("\r\n", start)) {
        out.push_back(bytes.substr(start, pos - start));
        start = pos + 2;
    }
    if (start < bytes.size()) out.push_back(bytes.substr(start));
    return out;
}

using test::Printable;

// Byte equality, reported as the first line that differs.
void ExpectPage(const std::string& actual, const Lines& expected) {
    if (actual == Crlf(expected)) return;
    const Lines got = SplitCrlf(actual);
    for (std::size_t i = 0; i < std::min(got.size(), expected.size()); ++i) {
        if (got[i] != expected[i]) {
            ADD_FAILURE() << "line " << i + 1 << " differs\n   got: " << Printable(got[i])
                          << "\n  want: " << Printable(expected[i]);
            return;
        }
    }
    ADD_FAILURE() << "got " << got.size() << " lines, want " << expected.size()
                  << (got.size() > expected.size() ? "; first extra: " + Printable(got[expected.size()]) : "")
                  << (expected.size() > got.size() ? "; first missing: " + Printable(expected[got.size()]) : "");
}

const std::string T600 = "<table border=\"0\" cellPadding=\"0\" cellSpacing=\"0\" width=\"600\">";
const std::string TEXTFONT = "<font face=\"Verdana\" color=\"#333333\" size=\"2\">";
const std::string LINKFONT = "<font face=\"Verdana\" color=\"#0000CC\" size=\"2\">";

const Lines kHead = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
    "<HTML><HEAD><TITLE>Neuigkeiten im Juni</TITLE>",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">",
    "",
    "</HEAD>",
    "<BODY aLink=\"#0000CC\" bgColor=\"#FFFFFF\" link=\"#0000CC\" topMargin=\"0\" vLink=\"#0000CC\" marginheight=\"0\">",
};

const Lines kFrameOpen = {
    "<center><table border=\"0\"\" cellPadding=\"0\" cellSpacing=\"0\" width=\"100% bgColor=\"#FFFFFF\">",
    "<tr>",
    "<td align=\"center\">",
    "",
};
const Lines kInnerTable = {
    "<table border=\"0\" cellPadding=\"0\" cellSpacing=\"0\" width=\"600\" bgColor=\"#FFFFFF\">",
};
const Lines kBorderTables = {
    "<table border=\"0\" cellPadding=\"0\" cellSpacing=\"12\" width=\"600\" bgColor=\"#123456\"><tr valign=\"top\"><td>",
    "<table border=\"0\" cellPadding=\"5\" cellSpacing=\"0\" width=\"600\" bgColor=\"#FFFFFF\">",
};
const Lines kFrameClose = {"", "<tr>", "<td>", T600};

const Lines kHeader = {
    "<tr><td><div ALIGN=\"center\"><a name=\"top\">",
    "<img border=\"0\" alt=\"\" src=\"head.jpg\">",
    "</a></div></td></tr>",
    "</table>",
    "</td>",
    "</tr>",
    "",
};

const Lines kTitleStart = {
    "<tr>",
    "<td>",
    T600,
    "<tr>",
    "<td class=\"Textgross\" vAlign=\"top\"><P><b>",
    TEXTFONT,
    "Hallo $NAME",
    "</font></b></P><P><font face=\"Verdana\" color=\"#333333\" size=\"2\"><b>",
    "Sommer &bdquo;Spezial&ldquo;",
    "</b></font></P></td>",
};
const Lines kDate = {
    "<td align=\"right\" class=\"text\" vAlign=\"top\">", TEXTFONT, "Ausgabe vom", "</font>", TEXTFONT, "11.12.2026",
    "</font></td>",
};
const Lines kTitleEnd = {"</tr>", "</table>"};

const Lines kAfterOverview = {"</td>", "</tr>"};

const Lines kFooterStart = {
    "",
    "<tr>",
    "<td>",
    "<br>",
    "<div ALIGN=\"RIGHT\">",
    "<img alt=\"\" border=\"0\" =20",
    "src=\"foot.jpg\">",
    "</div><br><br>",
    T600,
    "<tr>",
};
const Lines kFooterCell = {
    "<td class=text><font face=\"Verdana\" color=\"#333333\" size=\"2\">",
    "Muster GmbH \x84Haus\x93",
    "</font><br><br><A href=\"mailto:info@muster.example\">",
    LINKFONT + "info@muster.example</font></a><br>",
    "<A href=\"http://www.muster.example\">",
    LINKFONT + "www.muster.example</font></a></td>",
};

const Lines kClosing = {
    "</tr>", "</table>", "</tr>", "</tr>", "</table>", "</tr>", "</tr>", "</table></center>", "", "</BODY>", "</HTML>",
};

// The page of the fixture's settings around the given overview and block lines.
Lines Page(const Lines& overview, const Lines& blocks) {
    return kHead + kFrameOpen + kInnerTable + kFrameClose + kHeader + kTitleStart + kDate + kTitleEnd + overview +
           kAfterOverview + blocks + kFooterStart + kFooterCell + kClosing;
}

// The opening of block row 1 while the first block gets no separator.
const Lines kRowStart = {"", "<tr>", "<td>", "<br>", T600, "<tr>"};
const Lines kRowEnd = {"</tr>", "</table>", "</td></tr>"};

class PageGeneratorTest : public ::testing::Test {
protected:
    PageGeneratorTest() : world(false), store(world.Folders().temp) {
        Settings& s = doc.settings;
        s.Berteff = "Neuigkeiten im Juni";
        s.KopfLogo = Picture("head.jpg", "HEAD");
        s.LogoAlign = "Center";
        s.Titel1 = "Hallo $NAME";
        s.Titel2 = "Sommer \x84Spezial\x93";
        s.DateText = "  Ausgabe vom ";
        s.SeperatorNews = Picture("sep.jpg", "SEP");
        s.SeperatorAlign = "center";
        s.SeperatorImpressum = Picture("foot.jpg", "FOOT");
        s.ImpressumAlign = "right";
        s.ImpressumText = "Muster GmbH \x84Haus\x93";
        s.ImpressumZusatz = "";
        s.ImpressumMailTo = "info@muster.example";
        s.ImpressumURL = "www.muster.example";
        s.TextColor = "#333333";
        s.LinkColor = "#0000CC";
        s.BKGColor = "#FFFFFF";
        s.Font = "Verdana";
        s.UnsubscribeLink = "";
        s.UnsubscribeText = "";
        s.Uebersicht = "FALSE";
        s.Anchor = "FALSE";
        s.Anchortext = "nach oben";
        s.Anchoralign = "center";
        s.Nummern = "TRUE";
        s.UebersichtText = "\xDC" "BERSICHT:";
        s.Bordercolor = "#123456";
        s.Bordesize = "12";
        s.Border = false;
        s.DateOn = true;
        s.HeadSeperator = false;
    }

    // A picture file under pics/, as a document path.
    std::string Picture(const std::string& name, const std::string& bytes) {
        return DocumentPath(world.Write("pics/" + name, bytes));
    }

    void AddBlock(const Lines& lines) {
        const int n = static_cast<int>(doc.blockList.size()) + 1;
        store.WriteLines(n, lines);
        doc.blockList.push_back("Meldung" + std::to_string(n) + ":  " + lines.front());
    }

    std::string Text(const PictureMode& mode = {}) {
        return PageText(doc, store, world.Folders().prog, "11.12.2026", mode);
    }

    TestFolders world;
    BlockStore store;
    NewsletterDocument doc;
};

TEST_F(PageGeneratorTest, DocumentWithoutBlocks) {
    ExpectPage(Text(), Page({}, {}));
}

TEST_F(PageGeneratorTest, BorderAndNoDate) {
    doc.settings.Border = true;
    doc.settings.DateOn = false;
    ExpectPage(Text(), kHead + kFrameOpen + kBorderTables + kFrameClose + kHeader + kTitleStart + kTitleEnd +
                           kAfterOverview + kFooterStart + kFooterCell + Lines{"</td></tr></table>"} + kClosing);
}

TEST_F(PageGeneratorTest, BlockLayouts) {
    const std::string pic = Picture("p1.jpg", "P1");
    struct Case {
        const char* name;
        Lines block;  // work-file lines
        Lines cells;
    };
    const std::vector<Case> cases = {
        {"picture left, link text and URL",
         {"Fest", pic, "Mehr", "www.fest.example", "left", "Text <b>fett</b> \x84" "da\x93"},
         {
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><A href=\"",
             "http://www.fest.example",
             "\" target=\"_blank\"><img hspace=\"10\" border=\"0\" src=\"p1.jpg\" alt=\"Fest\">",
             "</a></td>",
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=Verdana color=\"#333333\" size=\"2\">",
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text <b>fett</b> &bdquo;da&ldquo;",
             "</font><br>",
             "<A href=\"http://www.fest.example\" target=\"_blank\"><b>" + LINKFONT + "Mehr</font></b></a>",
             "</td>",
         }},
        {"picture right, link text and URL: the link is split over five lines",
         {"Fest", pic, "Mehr", "www.fest.example", "right", "Text"},
         {
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "<A href=\"",
             "http://www.fest.example",
             "\" target=\"_blank\"><b>" + LINKFONT,
             "Mehr",
             "</font></b></a>",
             "</td>",
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><A href=\"",
             "http://www.fest.example",
             "\" target=\"_blank\"><img hspace=\"10\" border=\"0\" src=\"p1.jpg\" alt=\"Fest\">",
             "</a></td>",
         }},
        {"picture right without URL",
         {"Fest", pic, "Mehr", "", "right", "Text"},
         {
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "</td>",
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><img hspace=\"10\" alt=\"Fest\" "
             "border=\"0\" =20",
             "src=\"p1.jpg",
             "\"></td>",
         }},
        {"URL without link text: linked picture, no text link",
         {"Fest", pic, "", "www.fest.example", "left", "Text"},
         {
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><A href=\"",
             "http://www.fest.example",
             "\" target=\"_blank\"><img hspace=\"10\" border=\"0\" src=\"p1.jpg\" alt=\"Fest\">",
             "</a></td>",
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=Verdana color=\"#333333\" size=\"2\">",
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "</td>",
         }},
        {"link text without URL: no link at all",
         {"Fest", pic, "Mehr", "", "left", "Text"},
         {
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><img hspace=\"10\" alt=\"Fest\" "
             "border=\"0\" =20",
             "src=\"p1.jpg",
             "\"></td>",
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=Verdana color=\"#333333\" size=\"2\">",
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "</td>",
         }},
        {"no picture; the editor's blue link colour is dropped",
         {" Fest ", "", " Mehr ", " www.fest.example ", "left",
          "Siehe <a href=\"x\"><FONT color=\"#0000FF\"><U>hier</U></FONT></a>."},
         {
             "<td class=textgross colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Siehe <a href=\"x\"><u>hier</u></a>.",
             "</font><br>",
             "<A href=\"http://www.fest.example\" target=\"_blank\"><b>" + LINKFONT + "Mehr</font></b></a>",
             "</td>",
         }},
        {"URL of removed characters only still links, to http://",
         {"Fest", "", "Mehr", "\"*'", "left", "Text"},
         {
             "<td class=textgross colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "<A href=\"http://\" target=\"_blank\"><b>" + LINKFONT + "Mehr</font></b></a>",
             "</td>",
         }},
        {"another side word, and an old five-line block, lay out picture left",
         {"Fest", pic, "", "", "Text"},
         {
             "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><img hspace=\"10\" alt=\"Fest\" "
             "border=\"0\" =20",
             "src=\"p1.jpg",
             "\"></td>",
             "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=Verdana color=\"#333333\" size=\"2\">",
             "Fest",
             "</font></b><br>" + TEXTFONT,
             "Text",
             "</font><br>",
             "</td>",
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store.DeleteBlockFiles();
        doc.blockList.clear();
        AddBlock(c.block);
        ExpectPage(Text(), Page({}, kRowStart + c.cells + kRowEnd));
    }
}

TEST_F(PageGeneratorTest, QuotesInTheHeadlineAreEscapedInAltOnly) {
    const std::string pic = Picture("p1.jpg", "P1");
    AddBlock({"Das \"Fest\"", pic, "", "www.fest.example", "left", "Text"});
    AddBlock({"Das \"Fest\"", pic, "", "", "right", "Text"});
    const Lines firstCells = {
        "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><A href=\"",
        "http://www.fest.example",
        "\" target=\"_blank\"><img hspace=\"10\" border=\"0\" src=\"p1.jpg\" alt=\"Das &quot;Fest&quot;\">",
        "</a></td>",
        "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=Verdana color=\"#333333\" size=\"2\">",
        "Das \"Fest\"",
        "</font></b><br>" + TEXTFONT,
        "Text",
        "</font><br>",
        "</td>",
    };
    const Lines secondRow = {
        "",
        "<tr>",
        "<td>",
        T600,
        "<tr>",
        "<div ALIGN=\"CENTER\">",
        "<br><img alt=\"\" border=\"0\" src=\"sep.jpg\"></div><br>",
        T600,
        "<tr>",
        "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
        "Das \"Fest\"",
        "</font></b><br>" + TEXTFONT,
        "Text",
        "</font><br>",
        "</td>",
        "<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><img hspace=\"10\" alt=\"Das "
        "&quot;Fest&quot;\" border=\"0\" =20",
        "src=\"p1.jpg",
        "\"></td>",
    };
    ExpectPage(Text(), Page({}, kRowStart + firstCells + kRowEnd + secondRow + kRowEnd));
}

// Two blocks without pictures, "Eins" and "Zwei \x80", around the separator and overview
// settings.
TEST_F(PageGeneratorTest, OverviewAndSeparators) {
    AddBlock({"Eins", "", "", "", "left", "A"});
    AddBlock({"Zwei \x80", "", "", "", "left", "B"});
    const Lines sepLines = {"<div ALIGN=\"CENTER\">", "<br><img alt=\"\" border=\"0\" src=\"sep.jpg\"></div><br>"};
    const Lines headSep = {"<div align=\"CENTER\">", "<br><img alt=\"\" border=\"0\" src=\"sep.jpg\"></div><br>"};
    const Lines heading = {TEXTFONT + "<b>&Uuml;BERSICHT:</b><br>"};
    const Lines list = {
        "\r<a href=\"#meldung1\"><font face=Verdana color=\"#0000CC\" size=2><b>01: Eins</b></font></a><br>"
        "\r<a href=\"#meldung2\"><font face=Verdana color=\"#0000CC\" size=2><b>02: Zwei &euro;</b></font></a><br>"};
    auto cell = [](const std::string& headline, const std::string& body) {
        return Lines{"<td class=textgross colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT, headline,
                     "</font></b><br>" + TEXTFONT, body, "</font><br>", "</td>"};
    };
    const Lines cellA = cell("Eins", "A");
    const Lines cellB = cell("Zwei &euro;", "B");
    const Lines rowOpen = {"", "<tr>", "<td>"};
    const Lines a1 = {"<a name=\"meldung1\"></a>"};
    const Lines a2 = {"<a name=\"meldung2\"></a>"};
    const Lines sep = Lines{T600, "<tr>"} + sepLines;
    const Lines br = {"<br>"};
    const Lines brbr = {"<br><br>"};
    const Lines body = {T600, "<tr>"};

    struct Case {
        const char* name;
        std::string uebersicht;
        bool headSeperator;
        std::string seperatorNews;  // "sep" for the fixture's picture
        std::string uebersichtText;
        Lines overview;
        Lines blocks;
    };
    const std::vector<Case> cases = {
        {"overview off: first block <br>, second the separator", "FALSE", false, "sep", "x", {},
         rowOpen + br + body + cellA + kRowEnd + rowOpen + sep + body + cellB + kRowEnd},
        {"overview off, head separator on: both blocks get it", "FALSE", true, "sep", "x", {},
         rowOpen + sep + body + cellA + kRowEnd + rowOpen + sep + body + cellB + kRowEnd},
        {"overview on, head separator off", "TRUE", false, "sep", "\xDC" "BERSICHT:", br + heading + list,
         rowOpen + a1 + br + body + cellA + kRowEnd + rowOpen + a2 + sep + body + cellB + kRowEnd},
        {"overview on, head separator on: above the overview and above block 1", "TRUE", true, "sep",
         "\xDC" "BERSICHT:", headSep + heading + list,
         rowOpen + a1 + sep + body + cellA + kRowEnd + rowOpen + a2 + sep + body + cellB + kRowEnd},
        {"blank separator: <br><br> on every block, <br> above the overview", "TRUE", true, " \t ",
         "\xDC" "BERSICHT:", br + heading + list,
         rowOpen + a1 + brbr + body + cellA + kRowEnd + rowOpen + a2 + brbr + body + cellB + kRowEnd},
        {"blank overview heading is left out", "TRUE", false, "sep", "  ", br + list,
         rowOpen + a1 + br + body + cellA + kRowEnd + rowOpen + a2 + sep + body + cellB + kRowEnd},
        {"\"True\" is not TRUE", "True", false, "sep", "x", {},
         rowOpen + br + body + cellA + kRowEnd + rowOpen + sep + body + cellB + kRowEnd},
    };
    const std::string sepPicture = doc.settings.SeperatorNews;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.settings.Uebersicht = c.uebersicht;
        doc.settings.HeadSeperator = c.headSeperator;
        doc.settings.SeperatorNews = c.seperatorNews == "sep" ? sepPicture : c.seperatorNews;
        doc.settings.UebersichtText = c.uebersichtText;
        ExpectPage(Text(), Page(c.overview, c.blocks));
    }
}

TEST_F(PageGeneratorTest, JumpMarks) {
    AddBlock({"Eins", "", "", "", "left", "A"});
    doc.settings.SeperatorNews = "";
    doc.settings.Anchor = "TRUE";
    doc.settings.Anchortext = "nach \x84oben\x93";
    const Lines cell = {"<td class=textgross colSpan=\"2\" vAlign=\"top\"><b>" + TEXTFONT,
                        "Eins",
                        "</font></b><br>" + TEXTFONT,
                        "A",
                        "</font><br>",
                        "</td>",
                        "</tr>",
                        "</table>",
                        "<table width=600 border=0 cellspacing=0 cellpadding=0><tr><td class=textgross colSpan=3 "
                        "vAlign=top><b><font face='Verdana' color='#333333' size=2><div align=center><a "
                        "href=\"#top\">nach \x84oben\x93</a></tr></td></table>",
                        "</td></tr>"};
    const Lines rowStart = {"", "<tr>", "<td>", "<br><br>", T600, "<tr>"};

    {
        SCOPED_TRACE("without the overview the jump-back still aims at the header anchor");
        ExpectPage(Text(), Page({}, rowStart + cell));
    }
    SCOPED_TRACE("with the overview, the list opens with the top anchor");
    doc.settings.Uebersicht = "TRUE";
    const Lines overview = {
        "<br>", TEXTFONT + "<b>&Uuml;BERSICHT:</b><br>",
        "<a name=\"top\"></a>\r\r<a href=\"#meldung1\"><font face=Verdana color=\"#0000CC\" size=2><b>01: "
        "Eins</b></font></a><br>"};
    const Lines anchored = {"", "<tr>", "<td>", "<a name=\"meldung1\"></a>", "<br><br>", T600, "<tr>"};
    ExpectPage(Text(), Page(overview, anchored + cell));
}

TEST_F(PageGeneratorTest, Footer) {
    struct Case {
        const char* name;
        std::string unsubscribeText, unsubscribeLink, zusatz, url;
        Lines cell;
    };
    const std::vector<Case> cases = {
        {"unsubscribe link: imprint converted", "Abmelden \x80", " ab@muster.example ", "Amtsgericht \x84X\x93",
         "www.muster.example",
         {
             "<td class=\"text\">" + TEXTFONT + "Muster GmbH &bdquo;Haus&ldquo;",
             "<br>Amtsgericht &bdquo;X&ldquo;",
             "</font><br><br><A href=\"mailto:info@muster.example\">",
             LINKFONT,
             "info@muster.example",
             "</font></a><br><A href=\"http://www.muster.example\">",
             LINKFONT + "www.muster.example</font></a><br><br>",
             "<A href=\"mailto:ab@muster.example\">",
             LINKFONT + "Abmelden &euro;</font></a></td>",
         }},
        {"unsubscribe without additional imprint line", "Abmelden", "https://ab.example", " ", "www.muster.example",
         {
             "<td class=\"text\">" + TEXTFONT + "Muster GmbH &bdquo;Haus&ldquo;",
             "</font><br><br><A href=\"mailto:info@muster.example\">",
             LINKFONT,
             "info@muster.example",
             "</font></a><br><A href=\"http://www.muster.example\">",
             LINKFONT + "www.muster.example</font></a><br><br>",
             "<A href=\"https://ab.example\">",
             LINKFONT + "Abmelden</font></a></td>",
         }},
        {"only the unsubscribe text: no link, imprint unconverted", "Abmelden", "  ", "Amtsgericht \x84X\x93",
         "www.muster.example",
         {
             "<td class=text>" + TEXTFONT,
             "Muster GmbH \x84Haus\x93",
             "<br>Amtsgericht \x84X\x93",
             "</font><br><br><A href=\"mailto:info@muster.example\">",
             LINKFONT + "info@muster.example</font></a><br>",
             "<A href=\"http://www.muster.example\">",
             LINKFONT + "www.muster.example</font></a></td>",
         }},
        {"only the unsubscribe link; empty homepage still links to http://", "", "ab@muster.example", "", "",
         {
             "<td class=text>" + TEXTFONT,
             "Muster GmbH \x84Haus\x93",
             "</font><br><br><A href=\"mailto:info@muster.example\">",
             LINKFONT + "info@muster.example</font></a><br>",
             "<A href=\"http://\">",
             LINKFONT + "</font></a></td>",
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.settings.UnsubscribeText = c.unsubscribeText;
        doc.settings.UnsubscribeLink = c.unsubscribeLink;
        doc.settings.ImpressumZusatz = c.zusatz;
        doc.settings.ImpressumURL = c.url;
        ExpectPage(Text(), kHead + kFrameOpen + kInnerTable + kFrameClose + kHeader + kTitleStart + kDate +
                               kTitleEnd + kAfterOverview + kFooterStart + c.cell + kClosing);
    }
}

TEST_F(PageGeneratorTest, ExternalPicturesPrefixEverySrc) {
    AddBlock({"Eins", Picture("p1.jpg", "P1"), "", "", "left", "A"});
    AddBlock({"Zwei", "C:\\Bilder\\p2.jpg", "", "", "right", "B"});
    const auto srcs = [](const std::string& page) {
        Lines out;
        for (auto pos = page.find("src=\""); pos != std::string::npos; pos = page.find("src=\"", pos + 1))
            out.push_back(page.substr(pos + 5, page.find_first_of("\"\r", pos + 5) - pos - 5));
        return out;
    };
    const PictureMode on{true, "http://bilder.example/nl/"};
    EXPECT_EQ(srcs(Text(on)), (Lines{"http://bilder.example/nl/head.jpg", "http://bilder.example/nl/p1.jpg",
                                     "http://bilder.example/nl/sep.jpg", "http://bilder.example/nl/p2.jpg",
                                     "http://bilder.example/nl/foot.jpg"}));
    const PictureMode off{false, "http://bilder.example/nl/"};
    EXPECT_EQ(srcs(Text(off)), (Lines{"head.jpg", "p1.jpg", "sep.jpg", "p2.jpg", "foot.jpg"}));

    // Nothing but the src values differs.
    std::string external = Text(on);
    for (auto pos = external.find(on.imageBaseURL); pos != std::string::npos; pos = external.find(on.imageBaseURL))
        external.erase(pos, on.imageBaseURL.size());
    EXPECT_EQ(external, Text(off));
}

TEST_F(PageGeneratorTest, MakeHtmlFollowsTheRunPictureMode) {
    const std::string out = world.Root() + "out/page.html";
    fs::create_directories(world.Root() + "out");
    PictureMode& mode = RunPictureMode();
    const PictureMode saved = mode;
    mode = {true, "https://cdn.example/"};
    ASSERT_TRUE(MakeHTML(out, doc, store, world.Folders().prog, "11.12.2026"));
    mode = saved;
    EXPECT_NE(ReadFileBytes(out).find("src=\"https://cdn.example/head.jpg\""), std::string::npos);
    EXPECT_TRUE(FileExists(world.Root() + "out/head.jpg")) << "pictures are copied for external pages too";
}

TEST_F(PageGeneratorTest, PicturesAreCopiedBesideThePage) {
    const std::string outDir = world.Root() + "out/";
    fs::create_directories(outDir);
    world.Write("out/p1.jpg", "OLD");
    world.Write("out/page.html", "OLD PAGE");
    const std::string inPlace = DocumentPath(world.Write("out/here.jpg", "HERE"));
    AddBlock({"Eins", Picture("p1.jpg", "P1"), "", "", "left", "A"});
    AddBlock({"Zwei", "C:\\Bilder\\fehlt.jpg", "", "", "right", "B"});
    AddBlock({"Drei", inPlace, "", "", "left", "C"});
    AddBlock({"Vier", DocumentPath(world.Root() + "pics\\x/y\\sep.jpg"), "", "", "left", "D"});
    world.Write("prog/Images/P5.JPG", "P5");
    AddBlock({"F\xFCnf", "$STARTPATH$Images\\p5.jpg", "", "", "left", "E"});

    ASSERT_TRUE(MakeHTML(outDir + "page.html", doc, store, world.Folders().prog, "11.12.2026"));
    const std::string first = ReadFileBytes(outDir + "page.html");
    EXPECT_EQ(first, Text());
    EXPECT_EQ(ReadFileBytes(outDir + "head.jpg"), "HEAD");
    EXPECT_EQ(ReadFileBytes(outDir + "sep.jpg"), "SEP") << "a missing picture of the same name copies nothing";
    EXPECT_EQ(ReadFileBytes(outDir + "foot.jpg"), "FOOT");
    EXPECT_EQ(ReadFileBytes(outDir + "p1.jpg"), "P1") << "a picture of that name is replaced";
    EXPECT_EQ(ReadFileBytes(outDir + "here.jpg"), "HERE") << "a picture already beside the page stays intact";
    EXPECT_EQ(ReadFileBytes(outDir + "p5.jpg"), "P5") << "a Windows path is found in the Images folder";
    EXPECT_FALSE(FileExists(outDir + "fehlt.jpg"));
    EXPECT_NE(first.find("src=\"fehlt.jpg"), std::string::npos) << "the page still refers to a missing picture";

    ASSERT_TRUE(MakeHTML(outDir + "page.html", doc, store, world.Folders().prog, "11.12.2026"));
    EXPECT_EQ(ReadFileBytes(outDir + "page.html"), first) << "a second run gives the same page";
}

TEST_F(PageGeneratorTest, LaterPictureOfTheSameNameWinsAsOnThePage) {
    // The separator and block 1 both show a "sep.jpg": the copy made last, for the
    // separator above block 2, is the one beside the page.
    doc.settings.HeadSeperator = true;
    const std::string outDir = world.Root() + "out/";
    fs::create_directories(outDir);
    AddBlock({"Eins", DocumentPath(world.Write("other/sep.jpg", "OTHER")), "", "", "left", "A"});
    AddBlock({"Zwei", "", "", "", "left", "B"});
    ASSERT_TRUE(MakeHTML(outDir + "page.html", doc, store, world.Folders().prog, "11.12.2026"));
    EXPECT_EQ(ReadFileBytes(outDir + "sep.jpg"), "SEP");
}

TEST_F(PageGeneratorTest, EmptyPicturePathsStillWriteTheirImgLines) {
    doc.settings.KopfLogo = "";
    doc.settings.SeperatorImpressum = "";
    const std::string page = Text();
    EXPECT_NE(page.find("\r\n<img border=\"0\" alt=\"\" src=\"\">\r\n"), std::string::npos);
    EXPECT_NE(page.find("\r\n<img alt=\"\" border=\"0\" =20\r\nsrc=\"\">\r\n"), std::string::npos);
    const std::string outDir = world.Root() + "out/";
    fs::create_directories(outDir);
    EXPECT_TRUE(MakeHTML(outDir + "page.html", doc, store, world.Folders().prog, "11.12.2026"));
}

TEST_F(PageGeneratorTest, UnwritablePageLeavesNoFileAndSaysSo) {
    EXPECT_FALSE(MakeHTML(world.Root() + "missing/page.html", doc, store, world.Folders().prog, "11.12.2026"));
    EXPECT_FALSE(FileExists(world.Root() + "missing/page.html"));
}

TEST(NewsletterDateTextTest, ShortFormatWithFourDigitYear) {
    const QDate date(2026, 12, 11);
    EXPECT_EQ(NewsletterDateText(date, QLocale(QLocale::German, QLocale::Germany)), "11.12.2026");
    EXPECT_EQ(NewsletterDateText(date, QLocale(QLocale::English, QLocale::UnitedStates)), "12/11/2026");
    EXPECT_EQ(NewsletterDateText(date, QLocale(QLocale::English, QLocale::UnitedKingdom)), "11/12/2026");
}

}  // namespace
}  // namespace quillora
