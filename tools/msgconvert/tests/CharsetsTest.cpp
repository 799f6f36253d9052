#include "Charsets.h"
#include "MsgWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillora::msgconvert {
namespace {

TEST(MsgConvertCharsets, DecodesPartsToUtf8) {
    struct Case {
        std::string bytes;
        const char* charset;
        std::string utf8;
    };
    const std::vector<Case> cases{
        {"Gr\xFC\xDF" "e", "iso-8859-1", "Grüße"},
        {"\x80 \x84x\x93", "ISO_8859-1", "€ „x“"},  // Latin-1 label, Windows-1252 bytes
        {"\x80\x81\x9F", "\"windows-1252\"", "€\xC2\x81Ÿ"},
        {"\xA4", "iso-8859-15", "€"},
        {"\xC1\xC2", "koi8-r", "аб"},
        {"Grüße", "UTF8", "Grüße"},
        {"a\xFF" "b", "utf-8", "a\xEF\xBF\xBD" "b"},  // invalid byte replaced, not dropped
        {"Grüße", "", "Grüße"},                      // unlabelled valid UTF-8 stays
        {"Gr\xFC\xDF" "e", "", "Grüße"},              // unlabelled 8-bit is read as Windows-1252
        {"Gr\xFC\xDF" "e", "us-ascii", "Grüße"},
        {"Gr\xFC\xDF" "e", "x-no-such-charset", "Grüße"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.charset) + ": " + c.bytes);
        EXPECT_EQ(ToUtf8(c.bytes, c.charset), c.utf8);
    }
}

TEST(MsgConvertCharsets, HtmlBytesAndDeclarationAgreeWithCodePage) {
    struct Case {
        const char* name;
        std::string html;
        const char* mimeCharset;
        std::string bytes;
        std::uint32_t codePage;
    };
    const std::vector<Case> cases{
        {"declarations of the same code page are kept",
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">\xE4", "windows-1252",
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">\xE4", 1252},
        {"transcoded page: the old declaration follows the bytes",
         "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">ä", "utf-8",
         "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">ä", 65001},
        {"no MIME charset: the page's declaration counts", "<meta charset='windows-1250'>\x9A", "",
         "<meta charset='windows-1250'>\x9A", 1250},
        {"no MIME charset, page says UTF-8 but is not", "<meta charset=utf-8>\xE4", "",
         "<meta charset=windows-1252>\xE4", 1252},
        {"no declaration anywhere, valid UTF-8", "<p>ä</p>", "", "<p>ä</p>", 65001},
        {"unknown charset is converted to UTF-8", "<meta charset=\"x-mac-roman\"><p>\x8A</p>", "macintosh",
         "<meta charset=\"utf-8\"><p>ä</p>", 65001},
        {"charset word outside meta tags is text", "<p>charset=koi8-r \xE4</p>", "iso-8859-1",
         "<p>charset=koi8-r \xE4</p>", 1252},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HtmlBytes h = PrepareHtml(c.html, c.mimeCharset);
        EXPECT_EQ(h.bytes, c.bytes);
        EXPECT_EQ(h.codePage, c.codePage);
    }
}

TEST(MsgConvertCharsets, ShortFileNames) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"image001.jpg", "image001.jpg"},
        {"masthead-big.jpeg", "masthe~1.jpe"},
        {"Grüße.png", "Gre~1.png"},
        {"README", "README"},
        {"über", "ber~1"},
        {"ä.ö", "FILE~1"},
    };
    for (const auto& [longName, shortName] : cases) {
        SCOPED_TRACE(longName);
        EXPECT_EQ(ShortFileName(longName), shortName);
    }
}

}  // namespace
}  // namespace quillora::msgconvert
