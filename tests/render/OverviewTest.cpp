#include "render/Overview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillora {
namespace {

// One overview entry as the page shows it, with the fixture's font and link colour.
std::string Entry(int target, const std::string& text) {
    return "\r<a href=\"#meldung" + std::to_string(target) + "\"><font face=Verdana color=\"#0000CC\" size=2><b>" +
           text + "</b></font></a><br>";
}

TEST(OverviewTest, Entries) {
    struct Case {
        const char* name;
        std::vector<std::string> list;
        std::string anchor = "FALSE";
        std::string nummern = "TRUE";
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"no blocks", {}, "FALSE", "TRUE", ""},
        {"no blocks, jump marks on: the top anchor alone", {}, "TRUE", "TRUE", "<a name=\"top\"></a>\r"},
        {"an empty headline is skipped; numbers count listed entries, targets the position",
         {"Meldung1:  A", "Meldung2:  ", "Meldung3:  C"},
         "FALSE",
         "TRUE",
         Entry(1, "01: A") + Entry(3, "02: C")},
        {"jump marks on: top anchor, then the carriage return of the first entry",
         {"Meldung1:  A"},
         "TRUE",
         "TRUE",
         "<a name=\"top\"></a>\r" + Entry(1, "01: A")},
        {"numbers off", {"Meldung1:  A", "Meldung2:  B"}, "FALSE", "FALSE", Entry(1, "A") + Entry(2, "B")},
        {"only exact TRUE counts", {"Meldung1:  A"}, "True", "true", Entry(1, "A")},
        {"'Meldung' in ordinary case is listed, in capitals or without M it is not",
         {"Meldung1:  PRESSEMELDUNG", "Meldung2:  Feldung", "Meldung3:  Pressemeldung", "Meldung4:  meldung"},
         "FALSE",
         "TRUE",
         Entry(3, "01: Pressemeldung") + Entry(4, "02: meldung")},
        {"the item is trimmed; spaces inside the headline stay",
         {" \tMeldung12:  Zwei  Worte \r"},
         "FALSE",
         "TRUE",
         Entry(1, "01: Zwei  Worte")},
        {"the headline is taken unconverted", {"Meldung1:  \x84Neu\x93 & <b>"}, "FALSE", "TRUE",
         Entry(1, "01: \x84Neu\x93 & <b>")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewsletterDocument doc;
        doc.settings.Font = "Verdana";
        doc.settings.LinkColor = "#0000CC";
        doc.settings.TextColor = "#FF0000";
        doc.settings.Anchor = c.anchor;
        doc.settings.Nummern = c.nummern;
        doc.blockList = c.list;
        const std::string overview = MakeOverview(doc);
        EXPECT_EQ(overview, c.expected);
        EXPECT_EQ(overview.find('\n'), std::string::npos);
    }
}

TEST(OverviewTest, NumbersGoFromZeroPaddedToTwoDigits) {
    NewsletterDocument doc;
    doc.settings.Font = "Verdana";
    doc.settings.LinkColor = "#0000CC";
    std::string expected;
    for (int p = 1; p <= 11; ++p) {
        doc.blockList.push_back("Meldung" + std::to_string(p) + ":  T");
        expected += Entry(p, (p < 10 ? "0" : "") + std::to_string(p) + ": T");
    }
    EXPECT_EQ(MakeOverview(doc), expected);
}

TEST(OverviewTest, HeadlineLeftByTheListText) {
    struct Case {
        std::string listText, headline;
    };
    for (const auto& c : std::vector<Case>{
             {"Meldung1:  Titel", "Titel"},
             {"Meldung1:", "eldung1:"},  // empty headline: no space, first character goes
             {"Meldung1:  ", "eldung1:"},
             {"", ""},
             {"Meldung1: X", ""},  // one space only: the headline's first letter goes with it
         }) {
        SCOPED_TRACE(c.listText);
        EXPECT_EQ(OverviewHeadline(c.listText), c.headline);
    }
}

}  // namespace
}  // namespace quillora
