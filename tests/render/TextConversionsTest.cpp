#include "render/TextConversions.h"

#include "support/Printable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

// Byte values are written as escapes because the data is Windows-1252. A hex escape
// swallows every following hex digit, so literals are split where a letter a-f follows.

using namespace std::string_literals;

namespace quillora {
namespace {

struct Case {
    std::string input;
    std::string expected;
};

// Non-ASCII bytes as \xNN so a failing case can be read.
using test::Printable;

template <typename F>
void ExpectAll(const std::vector<Case>& cases, F convert) {
    for (const Case& c : cases) {
        SCOPED_TRACE("input: \"" + Printable(c.input) + "\"");
        EXPECT_EQ(Printable(convert(c.input)), Printable(c.expected));
    }
}

TEST(TextHelpers, ReplaceAllIsExactLeftToRightAndNotRepeated) {
    struct ReplaceCase {
        std::string text, from, to, expected;
    };
    const std::vector<ReplaceCase> cases = {
        {"aaa", "aa", "b", "ba"},        // no overlapping matches
        {"aa", "a", "aa", "aaaa"},       // inserted text is not searched again
        {"a.b.c", ".", "", "abc"},
        {"Aa", "a", "x", "Ax"},          // case must match
        {"abc", "", "x", "abc"},         // empty search text changes nothing
        {"", "a", "b", ""},
        {"\xC3\xBC\xC3\xBC", "\xC3\xBC", "\xFC", "\xFC\xFC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Printable(c.text) + " / " + Printable(c.from) + " -> " + Printable(c.to));
        EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.expected);
    }
}

TEST(TextHelpers, CaseChangesTouchAsciiLettersOnly) {
    EXPECT_EQ(UpperAscii("abc XYZ 1\xE4\xC4\xFF\x9A"), "ABC XYZ 1\xE4\xC4\xFF\x9A");
    EXPECT_EQ(LowerAscii("abc XYZ 1\xE4\xC4\x9F\x8A"), "abc xyz 1\xE4\xC4\x9F\x8A");
}

TEST(TextHelpers, TrimRemovesControlBytesAndSpacesAtBothEnds) {
    ExpectAll({{"\0 \t a b \r\n\x1F"s, "a b"},
               {"\x20\x21\x20", "\x21"},
               {"\xA0x\xA0", "\xA0x\xA0"},  // no-break space is not trimmed
               {" \t ", ""},
               {"", ""}},
              [](const std::string& s) { return Trim(s); });
}

// Which bytes are encoded, worked out from the character classes rather than copied
// from the entity table.
bool StaysRaw(unsigned char b) {
    if (b < 0x80)
        return b != '"' && b != '<' && b != '>';
    if (b >= 0x81 && b <= 0x9F)
        return b != 0x89 && b != 0x95 && b != 0x99;
    return b == 0xA0 || b == 0xAC || b == 0xAD || b == 0xB1 || b == 0xB4 || b == 0xB6;
}

TEST(EncodeHTML, EncodesExactlyTheListedBytesWithDistinctEntities) {
    std::set<std::string> entities;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string encoded = EncodeHTML(byte);
        SCOPED_TRACE("byte " + Printable(byte));
        if (StaysRaw(static_cast<unsigned char>(b))) {
            EXPECT_EQ(encoded, byte);
            continue;
        }
        ASSERT_GE(encoded.size(), 4u);
        EXPECT_EQ(encoded.front(), '&');
        EXPECT_EQ(encoded.back(), ';');
        for (char c : encoded.substr(1, encoded.size() - 2))
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << encoded;
        EXPECT_TRUE(entities.insert(encoded).second) << "entity used twice: " << encoded;
    }
}

TEST(EncodeHTML, EntityNames) {
    ExpectAll({{"\xDF\xC4\xE4\xD6\xF6\xDC\xFC", "&szlig;&Auml;&auml;&Ouml;&ouml;&Uuml;&uuml;"},
               {"\x80\x89\x95\x99", "&euro;&permil;&bull;&trade;"},
               {"\xA6\xA8\xAF\xB5\xB7", "&brvbar;&uml;&macr;&micro;&middot;"},
               {"\xB2\xB3\xB9\xBC\xBD\xBE", "&sup2;&sup3;&sup1;&frac14;&frac12;&frac34;"},
               {"\xC6\xE6\xD0\xF0\xDE\xFE", "&AElig;&aelig;&ETH;&eth;&THORN;&thorn;"},
               {"\xD4\xF4\xD7\xF7\xFF", "&Ocirc;&ocirc;&times;&divide;&yuml;"},
               {"\xAA\xBA\xAB\xBB\xA1\xBF", "&ordf;&ordm;&laquo;&raquo;&iexcl;&iquest;"}},
              EncodeHTML);
}

TEST(EncodeHTML, EdgeCases) {
    ExpectAll({
                  {"Preis: 5 \x80 & mehr <neu>", "Preis: 5 &euro; & mehr &lt;neu&gt;"},
                  {"\"zitiert\"", "&quot;zitiert&quot;"},
                  {"&amp; &uuml; bleiben", "&amp; &uuml; bleiben"},
                  {"it's", "it's"},
                  // plus-minus only with a following space, which is consumed
                  {"\xB1 5", "&plusmn;5"},
                  {"\xB1" "5", "\xB1" "5"},
                  {"x\xB1", "x\xB1"},
                  {"\xB1\xB1  ", "\xB1&plusmn; "},
                  {"\xA0\xAC\xAD\xB4\xB6", "\xA0\xAC\xAD\xB4\xB6"},
                  {"\x84\x93\x94\x96\x97", "\x84\x93\x94\x96\x97"},
              },
              EncodeHTML);
}

TEST(ConvertString, RepairsGermanLettersAndWritesFiveEntities) {
    ExpectAll({
                  {"", ""},
                  {"Gr\xC3\xBC\xC3\x9F" "e", "Gr\xFC\xDF" "e"},
                  {"\xC3\x9C\xC3\xBC\xC3\x84\xC3\xA4\xC3\x96\xC3\xB6\xC3\x9F",
                   "\xDC\xFC\xC4\xE4\xD6\xF6\xDF"},
                  {"\xC3\xC3\xBC", "\xC3\xFC"},
                  {"\xC3", "\xC3"},
                  {"\xC3\xA9", "\xC3\xA9"},  // only the German letters are repaired
                  {"\x80 \x84x\x93 \xBB\xAB", "&euro; &bdquo;x&ldquo; &raquo;&laquo;"},
                  {"\x94\x91\x92", "\x94\x91\x92"},
                  {"<b>Fett</b> & mehr \"x\"", "<b>Fett</b> & mehr \"x\""},
                  {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
              },
              ConvertString);
}

// The search compares both sides upper-cased with the Windows-1252 letter pairs, so
// lower-case forms of the pair bytes match as well.
TEST(ConvertString, SearchIsCaseBlindOverWindows1252Letters) {
    ExpectAll({
                  {"\xE3\x9C", "\xDC"},  // ã + œ
                  {"\xC3\x8C", "\xDC"},  // Ã + Œ
                  {"\xE3\xBC", "\xFC"},
                  {"\xE3\xB6", "\xF6"},
                  {"\xC3\xFF", "\xDF"},  // Ã + ÿ
                  {"\xE3\x9F", "\xDF"},
              },
              ConvertString);
}

TEST(ConvertString, KeepsCircumflexO) {
    ExpectAll({{"H\xF4tel", "H\xF4tel"},
               {"H\xD4TEL", "H\xD4TEL"},
               {"C\xF4te d'Azur \x80", "C\xF4te d'Azur &euro;"}},
              ConvertString);
}

TEST(RepairUTF8, RepairsPairsDamagedFormsAndEuro) {
    ExpectAll({
                  {"\xC3\x9C\xC3\xBC\xC3\x84\xC3\xA4\xC3\x96\xC3\xB6\xC3\x9F",
                   "\xDC\xFC\xC4\xE4\xD6\xF6\xDF"},
                  {"\xC3\"rger", "\xC4rger"},
                  {"\xC3\xFBl", "\xD6l"},
                  {"5 \x80", "5 Euro"},
                  {"5 \xE2\x82\xAC", "5 Euro\xAC"},
                  {"\xE2\x82", "Euro"},
                  {"\xE2", "\xE2"},
                  // exact comparison: unlike ConvertString, no case-blind matches
                  {"\xE3\x9C\xC3\x8C", "\xE3\x9C\xC3\x8C"},
                  {"\xC3\xA9", "\xC3\xA9"},
                  {"", ""},
              },
              RepairUTF8);
}

TEST(MakeSafeFileName, ReplacesExpandsAndLowerCases) {
    ExpectAll({
                  {"Mein Bild-\xDC.JPG", "mein_bild_ue_jpg"},
                  {"Stra\xDF" "e & Co (1).jpg", "strasse_a_co_x1x_jpg"},
                  {"a'b!c$d%e=f\"g\xA7h?i,j\xB4k`l", "a_b_c_d_e_f_g_h_i_j_k_l"},
                  {"\xE9\xE1\xFA\xF3\xEA\xE2\xFB\xF4", "________"},
                  {"*:()\\/><", "xxxxxxxx"},
                  {"\xC4\xD6\xDC\xDF\xE4\xF6\xFC", "aeoeuessaeoeue"},
                  {"ABC_123~+#", "abc_123~+#"},
                  // other accented letters pass and keep their case
                  {"\xC8\xE8\xD1\xF1\xC9.PNG", "\xC8\xE8\xD1\xF1\xC9_png"},
                  // the UTF-8 repair runs first
                  {"Gr\xC3\xBCn.png", "gruen_png"},
                  {"5\x80.gif", "5euro_gif"},
                  {"\xE2\x82\xAC", "euro\xAC"},
                  {"\xC3\"rger", "aerger"},
                  {"", ""},
              },
              MakeSafeFileName);
}

TEST(CleanLink, RemovesNineCharactersThenTrims) {
    ExpectAll({
                  {"  'seite/*a'  ", "seite/a"},
                  {"\"{}\xB0\xB2\xB3*\x80'x", "x"},
                  {"'  http://a.de/b c  '", "http://a.de/b c"},
                  {"\t\r\nhttp://a.de\x01 ", "http://a.de"},
                  {"http://a.de/?a=1&b=%20#top", "http://a.de/?a=1&b=%20#top"},
                  {"\xA0x\xA0", "\xA0x\xA0"},
                  {"", ""},
              },
              CleanLink);
}

TEST(MakeLink, TrimsAndCompletesTargets) {
    ExpectAll({
                  {"", "http://"},
                  {" \t ", "http://"},
                  {"www.firma.de", "http://www.firma.de"},
                  {"  www.firma.de\r\n", "http://www.firma.de"},
                  {"ftp://host", "http://ftp://host"},
                  {"seite?a=1", "http://seite?a=1"},
                  {"http://a.de", "http://a.de"},
                  {"hTtP://a.de", "hTtP://a.de"},
                  {"HTTPS://a.de", "HTTPS://a.de"},
                  {"siehe http://a.de", "siehe http://a.de"},  // contains, not starts with
                  {"MAILTO:liste", "MAILTO:liste"},
                  {"\\\\server\\share\\n.htm", "\\\\server\\share\\n.htm"},
                  {"\\server", "http://\\server"},
              },
              MakeLink);
}

TEST(MakeLink, AtSignMeansMailAddress) {
    ExpectAll({
                  {"info@firma.de", "mailto:info@firma.de"},
                  {" info@firma.de ", "mailto:info@firma.de"},
                  {"http://a.de/@user", "mailto:http://a.de/@user"},
                  {"MAILTO:info@firma.de", "MAILTO:info@firma.de"},
                  {"x mailto:info@firma.de", "x mailto:info@firma.de"},
                  {"\\\\srv\\a@b", "mailto:\\\\srv\\a@b"},
              },
              MakeLink);
}

TEST(MakeLink3D, CompletesSchemesWithoutTrimmingAndKeepsEquals) {
    ExpectAll({
                  {"seite?a=1", "http://seite?a=1"},
                  {"http://a.de/?a=1&b=2", "http://a.de/?a=1&b=2"},
                  {"http://a.de/?Subject=x", "http://a.de/?Subject=x"},
                  {"http://a.de/?a=3D1", "http://a.de/?a=3D1"},
                  {"info@firma.de?subject=a=b", "mailto:info@firma.de?subject=a=b"},
                  {"mailto:info@firma.de?Subject=Hallo", "mailto:info@firma.de?Subject=Hallo"},
                  {"Mailto:a@b.de", "Mailto:a@b.de"},
                  {" www.a.de ", "http:// www.a.de "},
                  {" info@a.de", "mailto: info@a.de"},
                  {"\\\\server\\a=b", "\\\\server\\a=b"},
                  {"ftp://host", "http://ftp://host"},
                  {"", "http://"},
              },
              MakeLink3D);
}

}  // namespace
}  // namespace quillora
