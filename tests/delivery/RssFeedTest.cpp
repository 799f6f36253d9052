#include "delivery/RssFeed.h"

#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace quillora {
namespace {

using test::TestFolders;

// Runs with TZ set to `zone` and puts the old value back afterwards.
class ZoneGuard {
public:
    explicit ZoneGuard(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        had_ = std::getenv("TZ") != nullptr;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneGuard() {
        if (had_)
            ::setenv("TZ", old_.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string old_;
    bool had_ = false;
};

int ExitStatus(const std::string& command) {
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Standard output of a command (UTF-8), or "" when it failed.
std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[512];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    return ::pclose(pipe) == 0 ? out : std::string();
}

bool HaveXmllint() { return ExitStatus("command -v xmllint >/dev/null 2>&1") == 0; }

// The interpreter first on the path may lack the module the system one has.
std::string FeedparserPython() {
    for (const char* python : {"python3", "/usr/bin/python3"})
        if (ExitStatus(std::string(python) + " -c 'import feedparser' >/dev/null 2>&1") == 0) return python;
    return "";
}

// The value as text; xmllint ends it with a line break of its own.
std::string XPath(const std::string& file, const std::string& expression) {
    std::string value = Output("xmllint --xpath '" + expression + "' '" + file + "' 2>/dev/null");
    if (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

QDateTime At(int y, int m, int d, int hh, int mm, int ss, int offsetSeconds) {
    return QDateTime(QDate(y, m, d), QTime(hh, mm, ss), QTimeZone(offsetSeconds));
}

TEST(RFC822Date, FieldsAndOffset) {
    struct Case {
        QDateTime moment;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {At(2012, 3, 5, 14, 3, 9, 7200), "Mon, 5 Mar 2012 14:03:09 +0200"},
        {At(2023, 1, 1, 9, 5, 7, 3600), "Sun, 1 Jan 2023 09:05:07 +0100"},
        {At(2024, 12, 28, 23, 59, 59, 0), "Sat, 28 Dec 2024 23:59:59 +0000"},
        {At(2024, 7, 31, 0, 0, 0, -(3 * 3600 + 30 * 60)), "Wed, 31 Jul 2024 00:00:00 -0330"},
        {At(2024, 2, 29, 12, 0, 0, 5 * 3600 + 45 * 60), "Thu, 29 Feb 2024 12:00:00 +0545"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(RFC822Date(c.moment), c.expected);
    }
}

TEST(RFC822Date, LocalTimeCarriesTheZoneOfItsDay) {
    ZoneGuard berlin("Europe/Berlin");
    EXPECT_EQ(RFC822Date(QDateTime(QDate(2024, 1, 15), QTime(9, 5, 7))), "Mon, 15 Jan 2024 09:05:07 +0100");
    EXPECT_EQ(RFC822Date(QDateTime(QDate(2024, 7, 15), QTime(9, 5, 7))), "Mon, 15 Jul 2024 09:05:07 +0200");
}

TEST(RssFeedFileName, CaseSensitiveExtensionTest) {
    EXPECT_EQ(RssFeedFileName("feed"), "feed.xml");
    EXPECT_EQ(RssFeedFileName("feed.XML"), "feed.XML.xml");
    EXPECT_EQ(RssFeedFileName("feed.xml.bak"), "feed.xml.bak");
}

class RssFeedTest : public ::testing::Test {
protected:
    TestFolders world{false};
    BlockStore store{world.Folders().temp};
    NewsletterDocument doc;
    const QDateTime moment = At(2012, 3, 5, 14, 3, 9, 7200);

    void SetUp() override {
        Settings& s = doc.settings;
        s.Berteff = "Angebote & <Neues> f\xFCr Kunden";
        s.Titel1 = "$ANREDE $NAME";
        s.Titel2 = "Preise > Kosten";
        s.ImpressumURL = "www.muster.example/?a=1&b=2";
    }

    void AddBlock(int n, const std::string& headline, const std::string& url, const std::string& body) {
        store.WriteLines(n, {headline, "", "mehr", url, "left", body});
    }

    void AddAwkwardBlocks() {
        AddBlock(1, " Sommer & <Sonne> ", " shop.example/item?id=7&ref=nl ", "<p>a[b[0]]>c</p> M\xC3\xBCnchen");
        AddBlock(2, "Ohne Link", "   ", "Ende ]]> hier");
        AddBlock(3, "Gr\xFC\xDF" "e \x96 \x84Zitat\x93", "https://x.example/", "\x84Zitat\x93 \xE4");
    }

    std::string Bytes() { return RssFeedBytes(doc, store, world.Folders().prog, moment); }
};

TEST_F(RssFeedTest, ExactLinesWithEscapesAndSplitSections) {
    AddAwkwardBlocks();
    const std::string date = "Mon, 5 Mar 2012 14:03:09 +0200";
    const std::vector<std::string> expected = {
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>",
        "<rss version=\"2.0\">",
        "  <channel>",
        "  <title>Angebote &amp; &lt;Neues&gt; f\xFCr Kunden</title>",
        "  <link>http://www.muster.example/?a=1&amp;b=2</link>",
        "  <description>$ANREDE $NAME Preise &gt; Kosten</description>",
        "  <language>de-de</language>",
        "  <copyright>www.muster.example/?a=1&amp;b=2</copyright>",
        "  <pubDate>" + date + "</pubDate>",
        "    <item>",
        "        <title>Sommer &amp; &lt;Sonne&gt;</title>",
        "        <description><![CDATA[<p>a[b[0]]]]><![CDATA[>c</p> M\xFCnchen]]></description>",
        "        <link>http://shop.example/item?id=7&amp;ref=nl</link>",
        "        <guid isPermaLink=\"true\">http://shop.example/item?id=7&amp;ref=nl</guid>",
        "        <pubDate>" + date + "</pubDate>",
        "    </item>",
        "    <item>",
        "        <title>Ohne Link</title>",
        "        <description><![CDATA[Ende ]]]]><![CDATA[> hier]]></description>",
        "        <pubDate>" + date + "</pubDate>",
        "    </item>",
        "    <item>",
        "        <title>Gr\xFC\xDF" "e \x96 \x84Zitat\x93</title>",
        "        <description><![CDATA[&bdquo;Zitat&ldquo; \xE4]]></description>",
        "        <link>https://x.example/</link>",
        "        <guid isPermaLink=\"true\">https://x.example/</guid>",
        "        <pubDate>" + date + "</pubDate>",
        "    </item>",
        "</channel>",
        "</rss>",
    };
    const auto lines = SplitLines(Bytes());
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(Cp1252ToUtf8(lines[i]), Cp1252ToUtf8(expected[i]));
    }
    EXPECT_EQ(Bytes(), JoinLinesCrLf(expected));
}

TEST_F(RssFeedTest, NoBlocksGiveTheChannelOnly) {
    const auto lines = SplitLines(Bytes());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[8], "  <pubDate>Mon, 5 Mar 2012 14:03:09 +0200</pubDate>");
    EXPECT_EQ(lines[9], "</channel>");
    EXPECT_EQ(lines[10], "</rss>");
}

// Readers must get back exactly the texts that were typed.
TEST_F(RssFeedTest, WrittenFeedIsReadBackByXmlAndFeedReaders) {
    if (!HaveXmllint()) GTEST_SKIP() << "xmllint not installed";
    AddAwkwardBlocks();
    const std::string file = world.Root() + "Newsfeed.xml";
    WriteRssFeed(file, doc, store, world.Folders().prog, moment);

    EXPECT_EQ(ExitStatus("xmllint --noout '" + file + "'"), 0);
    EXPECT_EQ(XPath(file, "count(//item)"), "3");
    EXPECT_EQ(XPath(file, "count(//item/link)"), "2");
    EXPECT_EQ(XPath(file, "count(//item/guid)"), "2");
    EXPECT_EQ(XPath(file, "string(//item[2]/link)"), "");
    EXPECT_EQ(XPath(file, "string(/rss/channel/title)"), Cp1252ToUtf8(doc.settings.Berteff));
    EXPECT_EQ(XPath(file, "string(/rss/channel/link)"), "http://www.muster.example/?a=1&b=2");
    EXPECT_EQ(XPath(file, "string(/rss/channel/description)"), "$ANREDE $NAME Preise > Kosten");
    EXPECT_EQ(XPath(file, "string(//item[1]/title)"), "Sommer & <Sonne>");
    EXPECT_EQ(XPath(file, "string(//item[1]/description)"), Cp1252ToUtf8("<p>a[b[0]]>c</p> M\xFCnchen"));
    EXPECT_EQ(XPath(file, "string(//item[1]/guid)"), "http://shop.example/item?id=7&ref=nl");
    EXPECT_EQ(XPath(file, "string(//item[2]/description)"), "Ende ]]> hier");

    const std::string python = FeedparserPython();
    if (python.empty()) GTEST_SKIP() << "feedparser not installed";
    EXPECT_EQ(ExitStatus(python + " -c \"import feedparser,sys; d=feedparser.parse(sys.argv[1]); "
                           "sys.exit(1 if d.bozo or len(d.entries) != 3 else 0)\" '" + file + "'"),
              0);
}

TEST_F(RssFeedTest, LocalMomentGivesTheSeasonalOffset) {
    ZoneGuard berlin("Europe/Berlin");
    AddBlock(1, "Eins", "", "Text");
    for (const auto& [month, offset] : {std::pair{1, "+0100"}, std::pair{7, "+0200"}}) {
        SCOPED_TRACE(offset);
        const std::string feed = RssFeedBytes(doc, store, world.Folders().prog, QDateTime(QDate(2024, month, 1), QTime(9, 5, 7)));
        const std::string stamp = std::string(" 09:05:07 ") + offset + "</pubDate>";
        std::size_t count = 0;
        for (auto pos = feed.find(stamp); pos != std::string::npos; pos = feed.find(stamp, pos + 1)) ++count;
        EXPECT_EQ(count, 2u);  // channel and item
    }
}

}  // namespace
}  // namespace quillora
