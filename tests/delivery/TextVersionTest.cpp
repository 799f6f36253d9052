#include "delivery/TextVersion.h"

#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"
#include "support/TestFolders.h"

#include "support/Printable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Byte values are written as escapes because the data is Windows-1252. A hex escape
// swallows every following hex digit, so literals are split where a letter a-f follows.

namespace quillora {
namespace {

using test::TestFolders;

using test::Printable;

std::string Hex(unsigned value, bool upper) {
    char buf[16];
    std::snprintf(buf, sizeof buf, upper ? "%X" : "%x", value);
    return buf;
}

TEST(DecodeEntity, NamedAndNumericForms) {
    struct Case {
        std::string entity;
        char expected;
    };
    const std::vector<Case> cases = {
        {"&auml;", '\xE4'},    {"&#228;", '\xE4'},   {"&#xE4;", '\xE4'},   {"&Auml;", '\xC4'},
        {"&AUML;", ' '},       {"&nbsp;", ' '},      {"&#160;", ' '},      {"&#xA0;", ' '},
        {"&quot;", '"'},       {"&#34;", '"'},       {"&amp;", '&'},       {"&#38;", '&'},
        {"&lt;", '<'},         {"&#60;", '<'},       {"&gt;", '>'},        {"&#62;", '>'},
        {"&apos;", '\''},      {"&#65;", 'A'},       {"&#0228;", '\xE4'},  {"&iexcl;", '\xA1'},
        {"&#161;", '\xA1'},    {"&yuml;", '\xFF'},   {"&#255;", '\xFF'},   {"&shy;", '\xAD'},
        // Old and standard names of the broken bar and the macron.
        {"&brkbar;", '\xA6'},  {"&brvbar;", '\xA6'}, {"&hibar;", '\xAF'},  {"&macr;", '\xAF'},
        // The Windows-1252 signs, by name and by their Unicode code points.
        {"&euro;", '\x80'},    {"&#8364;", '\x80'},  {"&#x20AC;", '\x80'}, {"&#X20ac;", '\x80'},
        {"&bdquo;", '\x84'},   {"&ldquo;", '\x93'},  {"&rdquo;", '\x94'},  {"&lsquo;", '\x91'},
        {"&rsquo;", '\x92'},   {"&ndash;", '\x96'},  {"&mdash;", '\x97'},  {"&hellip;", '\x85'},
        {"&trade;", '\x99'},   {"&bull;", '\x95'},   {"&Zcaron;", '\x8E'}, {"&Yuml;", '\x9F'},
        // Bytes 128-159 are C1 controls as code points, not the signs of the same byte.
        {"&#128;", ' '},       {"&#150;", ' '},      {"&#159;", ' '},      {"&#x80;", ' '},
        // Not decodable.
        {"&#9731;", ' '},      {"&#1114112;", ' '},  {"&#;", ' '},         {"&#x;", ' '},
        {"&#12a;", ' '},       {"&#10;", ' '},       {"&#0;", ' '},        {"&foo;", ' '},
        {"&;", ' '},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entity);
        EXPECT_EQ(Printable(std::string(1, DecodeEntity(c.entity))), Printable(std::string(1, c.expected)));
    }
}

// Independent tables: the code points of the character set and the names the HTML
// encoder writes must both lead back to the byte.
TEST(DecodeEntity, EveryWindows1252SignComesBack) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(b));
        if (cp < 0xA1 && cp == static_cast<char32_t>(b)) continue;  // undefined bytes and the blank
        SCOPED_TRACE("byte " + Hex(b, true));
        const char expected = static_cast<char>(b);
        EXPECT_EQ(DecodeEntity("&#" + std::to_string(cp) + ";"), expected);
        EXPECT_EQ(DecodeEntity("&#x" + Hex(cp, true) + ";"), expected);
        EXPECT_EQ(DecodeEntity("&#x" + Hex(cp, false) + ";"), expected);
        const std::string named = EncodeHTML(std::string(1, expected) + " ");
        if (named[0] == '&') {
            EXPECT_EQ(DecodeEntity(named.substr(0, named.find(';') + 1)), expected) << named;
        }
    }
}

TEST(FilterHtmlText, TagsBracesAndEntities) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"<p>One</p><p>Two</p>", "OneTwo"},
        {"a {b} c", "a  c"},
        {"x&nbsp;y", "x y"},
        {"&auml;&#228;&Auml;&AUML;", "\xE4\xE4\xC4 "},
        {"5 &euro; &bdquo;ja&ldquo;", "5 \x80 \x84ja\x93"},
        {"&brkbar;&brvbar;", "\xA6\xA6"},
        // The "&" takes eight characters along, "<" included, so no tag starts.
        {"R&D <b>x</b>", "R&D <b>x</b>"},
        {"&<b>x", "&<b>x"},
        {"&abcdefg;", " "},             // seven between "&" and ";": an entity
        {"&abcdefgh;", "&abcdefgh;"},   // eight: copied
        {"&amp;lt;", "&lt;"},           // decoded once only
        {"cut &au", "cut &au"},
        {"<a href=\"x?a=1&amp;b=2\">Link</a>", "Link"},
        {"<br\r\n>a\r\nb", "a\r\nb"},   // a line break inside a tag goes with it
        {"5 > 3 } 2", "5 > 3 } 2"},
        {"a <b unclosed", "a "},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("input: \"" + Printable(c.input) + "\"");
        EXPECT_EQ(Printable(FilterHtmlText(c.input)), Printable(c.expected));
    }
}

TEST(TextExportFileName, CaseSensitiveExtensionTest) {
    struct Case {
        std::string chosen;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"news", "news.txt"},
        {"NEWS.TXT", "NEWS.TXT.txt"},
        {"old.txt.bak", "old.txt.bak"},
        {"/home/u/Ausgabe.txt", "/home/u/Ausgabe.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(TextExportFileName(c.chosen), c.expected);
    }
}

class TextVersionTest : public ::testing::Test {
protected:
    TestFolders world{false};
    BlockStore store{world.Folders().temp};
    NewsletterDocument doc;

    void SetUp() override {
        Settings& s = doc.settings;
        s.Titel1 = "$ANREDE $NAME";
        s.Titel2 = "Neues aus dem <b>Haus</b>";
        s.DateText = "  Ausgabe vom ";
        s.DateOn = true;
        s.ImpressumText = "M\xC3\xBCller GmbH &amp; Co.";  // UTF-8 pair, repaired on the way
        s.ImpressumZusatz = "   ";
        s.ImpressumMailTo = "info@muster.example";
        s.ImpressumURL = "www.muster.example";
    }

    // Work file n with the six lines the editor writes.
    void AddBlock(int n, const std::string& headline, const std::string& linkText, const std::string& url,
                  const std::string& body) {
        store.WriteLines(n, {headline, "", linkText, url, "left", body});
    }

    std::string Temp() const { return world.Folders().temp; }

    std::vector<std::string> Build() {
        return BuildTextVersion(doc, store, world.Folders().prog, Temp(), "24.06.2024");
    }
};

TEST_F(TextVersionTest, LinesInOrderWithBlocksAndDate) {
    AddBlock(1, " Sommerfest ", "mehr lesen", " www.muster.example/fest?tag=fr&zeit=19 ",
             "<p>Am <b>Freitag</b> feiern wir.</p><p>Eintritt 5 \x80</p>");
    AddBlock(2, "Gr\xC3\xBC\xC3\x9F" "e", "", "", "Ohne Link {intern}&nbsp;Ende");

    const std::vector<std::string> expected = {
        " ",
        "$ANREDE $NAME",
        "Neues aus dem Haus",
        "Ausgabe vom 24.06.2024",
        " ",
        "Sommerfest",
        " ",
        "Am Freitag feiern wir.Eintritt 5 \x80",
        " ",
        "mehr lesen",
        "http://www.muster.example/fest?tag=fr&zeit=19",  // "=" kept, no "=3D"
        " ",
        " ",
        "Gr\xFC\xDF" "e",
        " ",
        "Ohne Link  Ende",
        " ",
        " ",
        "Impressum:",
        " ",
        "M\xFCller GmbH & Co.",
        "info@muster.example",
        "www.muster.example",
    };
    const auto lines = Build();
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(Printable(lines[i]), Printable(expected[i]));
    }
    EXPECT_EQ(ReadFileBytes(Temp() + kTextPreviewFile), JoinLinesCrLf(expected));
    EXPECT_FALSE(FileExists(Temp() + kTextInputFile));
}

TEST_F(TextVersionTest, NoBlocksNoDateButLegalText) {
    doc.settings.DateOn = false;
    doc.settings.ImpressumZusatz = "Registergericht: Musterstadt";
    const std::vector<std::string> expected = {
        " ", "$ANREDE $NAME", "Neues aus dem Haus", " ", "Impressum:", " ", "M\xFCller GmbH & Co.",
        "Registergericht: Musterstadt", "info@muster.example", "www.muster.example",
    };
    EXPECT_EQ(Build(), expected);
}

TEST_F(TextVersionTest, ExportDropsThePlaceholderLine) {
    AddBlock(1, "Sommerfest", "", "", "Text");
    const std::string target = world.Root() + "news.txt";
    WriteTextExport(target, doc, store, world.Folders().prog, Temp(), "24.06.2024");

    std::vector<std::string> expected = Build();
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(ReadFileBytes(target), JoinLinesCrLf(expected));
    EXPECT_EQ(ReadFileBytes(target).find("$ANREDE"), std::string::npos);
}

TEST_F(TextVersionTest, FailedExportKeepsTheOldFile) {
    const std::string target = world.Write("old.txt", "alt\r\n");
    std::filesystem::remove_all(Temp());  // no work folder: the text version cannot be built
    EXPECT_THROW(WriteTextExport(target, doc, store, world.Folders().prog, Temp(), "24.06.2024"), FileError);
    EXPECT_EQ(ReadFileBytes(target), "alt\r\n");

    std::filesystem::create_directories(Temp());
    EXPECT_THROW(WriteTextExport(world.Root() + "missing/news.txt", doc, store, world.Folders().prog, Temp(),
                                 "24.06.2024"),
                 FileError);
}

}  // namespace
}  // namespace quillora
