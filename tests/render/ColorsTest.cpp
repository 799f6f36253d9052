#include "render/BorderWidth.h"
#include "render/Colors.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillora {
namespace {

TEST(ColorText, WritesRedGreenBlueInUpperCaseHex) {
    struct Case {
        ColorValue value;
        std::string text;
    };
    const std::vector<Case> cases = {
        {RgbValue(0xFF, 0, 0), "#FF0000"},
        {RgbValue(0x0A, 0, 0xFF), "#0A00FF"},
        {RgbValue(0x12, 0x34, 0x56), "#123456"},
        {0x563412, "#123456"},
        {0, "#000000"},
        {0xFFFFFF, "#FFFFFF"},
        {RgbValue(0xAB, 0xCD, 0xEF), "#ABCDEF"},
        {-1, "#000000"},  // not a colour value
        {0x1000000, "#000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorToHTML(c.value), c.text);
    }
}

TEST(ColorText, ReadsTheThreePairsOrBeeps) {
    struct Case {
        std::string text;
        std::optional<ColorValue> value;
    };
    const ColorValue blue = RgbValue(0x0A, 0, 0xFF);
    const std::vector<Case> cases = {
        {"#0A00FF", blue},
        {"#0a00ff", blue},
        {"0A00FF", blue},
        {"0a00Ff", blue},
        {"#123456", RgbValue(0x12, 0x34, 0x56)},
        {"#12345678", RgbValue(0x12, 0x34, 0x56)},  // only three pairs are read
        {"#FF0000 ", RgbValue(0xFF, 0, 0)},
        {"#FFF", std::nullopt},
        {"#FFFFF", std::nullopt},  // a pair needs both digits
        {"FFFFF", std::nullopt},
        {"", std::nullopt},
        {"#", std::nullopt},
        {"#GG0000", std::nullopt},
        {"#12 456", std::nullopt},
        {"#0x1234", std::nullopt},
        {"#+1-2+3", std::nullopt},
        {"##123456", std::nullopt},
        {" #123456", std::nullopt},
        {"red", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        const ColorParse p = HTMLToColor(c.text);
        EXPECT_EQ(p.value, c.value);
        EXPECT_EQ(p.beep, !c.value.has_value());
    }
}

TEST(ColorText, RoundTrips) {
    for (ColorValue v = 0; v <= 0xFFFFFF; v += 0x010307) {
        SCOPED_TRACE(v);
        EXPECT_EQ(HTMLToColor(ColorToHTML(v)).value, v);
    }
    EXPECT_EQ(HTMLToColor(ColorToHTML(0xFFFFFF)).value, 0xFFFFFF);
    EXPECT_EQ(ColorToHTML(*HTMLToColor("#c7dcf0").value), "#C7DCF0");
    EXPECT_EQ(ColorToHTML(*HTMLToColor("efF7fD").value), "#EFF7FD");
}

// The colours page as loaded: text and link differ from the background.
Settings Page() {
    Settings s;
    s.TextColor = "#000000";
    s.LinkColor = "#0000FF";
    s.BKGColor = "#FFFFFF";
    s.Bordercolor = "#808080";
    return s;
}

TEST(SameColorWarning, AsksOnlyWhenTextOrLinkMeetsTheBackground) {
    struct Case {
        const char* name;
        ColorSetting which;
        std::string chosen;
        bool warns;
        std::string background = "#FFFFFF";
    };
    const std::vector<Case> cases = {
        {"text = background", ColorSetting::Text, "#FFFFFF", true},
        {"link = background", ColorSetting::Link, "#FFFFFF", true},
        {"text = link", ColorSetting::Text, "#0000FF", false},
        {"link = text", ColorSetting::Link, "#000000", false},
        {"background = link", ColorSetting::Background, "#0000FF", true},
        {"background = text", ColorSetting::Background, "#000000", true},
        {"background = border", ColorSetting::Background, "#808080", false},
        {"border = background", ColorSetting::Border, "#FFFFFF", false},
        {"border = text", ColorSetting::Border, "#000000", false},
        {"exact text only", ColorSetting::Text, "#FFFFFF", false, "#ffffff"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings s = Page();
        s.BKGColor = c.background;
        EXPECT_EQ(NeedsSameColorWarning(c.which, c.chosen, s), c.warns);
    }
}

TEST(SameColorWarning, NoKeepsTheSettingAndYesStoresTheText) {
    test::ScriptedDialogs dialogs;
    Settings s = Page();
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(ApplyChosenColor(ColorSetting::Text, 0xFFFFFF, s, dialogs, Language::German));
    EXPECT_EQ(s.TextColor, "#000000");
    ASSERT_EQ(dialogs.Count("question"), 1);
    EXPECT_EQ(dialogs.shown.back().text,
              "Achtung! Hintergrund und Text- bzw. Linkfarbe haben den gleichen Wert! M\xF6"
              "chten Sie diese \xC4nderung wirklich auf\xFChren?");

    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(ApplyChosenColor(ColorSetting::Link, 0xFFFFFF, s, dialogs, Language::English));
    EXPECT_EQ(s.LinkColor, "#FFFFFF");
    EXPECT_EQ(dialogs.shown.back().text,
              "Attention! Background color and text or link color have the same value! Do you really want "
              "to set these values?");

    // Background equal to both link and text: one question, not two.
    s = Page();
    s.LinkColor = s.TextColor = "#102030";
    dialogs.shown.clear();
    dialogs.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(ApplyChosenColor(ColorSetting::Background, RgbValue(0x10, 0x20, 0x30), s, dialogs));
    EXPECT_EQ(dialogs.Count("question"), 1);
    EXPECT_EQ(s.BKGColor, "#102030");

    // No question: each colour lands in its own setting.
    s = Page();
    dialogs.shown.clear();
    EXPECT_TRUE(ApplyChosenColor(ColorSetting::Text, 0x0000FF, s, dialogs));
    EXPECT_TRUE(ApplyChosenColor(ColorSetting::Border, 0xFFFFFF, s, dialogs));
    EXPECT_TRUE(ApplyChosenColor(ColorSetting::Background, 0x00FF00, s, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s.TextColor, "#FF0000");
    EXPECT_EQ(s.Bordercolor, "#FFFFFF");
    EXPECT_EQ(s.BKGColor, "#00FF00");
    EXPECT_EQ(s.LinkColor, "#0000FF");
}

std::string Tagged(const std::string& key) { return "<" + key.substr(4) + ">"; }

TEST(FontHints, JoinTheCatalogueTexts) {
    EXPECT_EQ(FontLocationHint(Tagged), "<12>\r\r<13><14><15><16>");
    EXPECT_EQ(SingleFontHint(Tagged), "<17>\r\r<18><19><20><21>");
}

TEST(Gradient, StepsFromTopToBottomColour) {
    const std::vector<ColorValue> two = {kShadeTop, kShadeBottom};
    const ColorValue a = RgbValue(0, 0, 0), b = RgbValue(100, 200, 50), c = RgbValue(0, 100, 250);
    const std::vector<ColorValue> three = {a, b, c};
    struct Case {
        const char* name;
        std::vector<ColorValue> colors;
        int position, length;
        std::optional<ColorValue> expected;
    };
    const std::vector<Case> cases = {
        {"top", two, 0, 400, kShadeTop},
        {"last step is the bottom colour", two, 399, 400, kShadeBottom},
        {"at the length: off the gradient", two, 400, 400, std::nullopt},
        {"above the top", two, -1, 400, std::nullopt},
        // (0xEF*2 + 0xC7) / 3 = 225.67: the whole value is cut, not the difference.
        {"cut towards zero", two, 1, 4, RgbValue(225, 238, 248)},
        {"half way, channels apart", two, 1, 3, RgbValue(0xDB, 0xE9, 0xF6)},
        {"length one", two, 0, 1, kShadeTop},
        {"length zero", two, 0, 0, std::nullopt},
        {"one colour", {kShadeTop}, 0, 10, std::nullopt},
        // Three colours over 10: segments of 5 and 10 - 5 - 1 = 4 steps.
        {"first segment", three, 3, 10, RgbValue(60, 120, 30)},
        {"end of the first segment", three, 5, 10, b},
        {"past both segments", three, 6, 10, std::nullopt},
        // Over 5 the share rounds up to 3, the last segment gets 5 - 3 - 1 = 1 step.
        {"rounded share", three, 3, 5, b},
        {"rounded share, past it", three, 4, 5, std::nullopt},
        // The tip window asks the upper gradient for a point on the lower one.
        {"tip check box", two, 128 + 11, 128, std::nullopt},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        const auto got = GradientColor(t.colors, t.position, t.length);
        ASSERT_EQ(got.has_value(), t.expected.has_value());
        if (got) {
            EXPECT_EQ(ColorToHTML(*got), ColorToHTML(*t.expected));
        }
    }
}

TEST(Gradient, PanelShadeFollowsTheBlockPage) {
    EXPECT_EQ(PanelShade(0, 500), kShadeTop);
    EXPECT_EQ(PanelShade(499, 500), kShadeBottom);
    EXPECT_EQ(PanelShade(500, 500), std::nullopt);
    // Every channel moves monotonically from top to bottom.
    ColorValue previous = kShadeTop;
    for (int top = 1; top < 500; ++top) {
        const ColorValue v = *PanelShade(top, 500);
        EXPECT_LE(Red(v), Red(previous));
        EXPECT_LE(Green(v), Green(previous));
        EXPECT_LE(Blue(v), Blue(previous));
        previous = v;
    }
}

TEST(BorderWidth, TakesDigitsAndBackspaceOnly) {
    struct Case {
        std::string key;
        BorderKey verdict;
    };
    const std::vector<Case> cases = {
        {"0", BorderKey::Accept},  {"7", BorderKey::Accept},  {"9", BorderKey::Accept},
        {"\b", BorderKey::Accept}, {"12", BorderKey::Accept},
        {"a", BorderKey::Refuse},  {" ", BorderKey::Refuse},  {"-", BorderKey::Refuse},
        {"+", BorderKey::Refuse},  {".", BorderKey::Refuse},  {"\xB2", BorderKey::Refuse},  // superscript two
        {"\xE4", BorderKey::Refuse}, {"1a", BorderKey::Refuse},
        {"", BorderKey::Pass},     {"\r", BorderKey::Pass},   {"\x1B", BorderKey::Pass},
        {"\x16", BorderKey::Pass},  // Ctrl+V
        {"\x7F", BorderKey::Pass},  // Delete
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.key.empty() ? -1 : static_cast<unsigned char>(c.key[0])));
        EXPECT_EQ(ClassifyBorderKey(c.key), c.verdict);
    }
}

TEST(BorderWidth, ArrowsStepByOneWithinTheFieldsRange) {
    struct Case {
        std::string current;
        bool up;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"1", true, "2"},    {"1", false, "0"},   {"0", false, "-1"},  // the page's cell spacing then
        {"-1", false, "-1"}, {"-1", true, "0"},   {"98", true, "99"},
        {"99", true, "99"},  {"99", false, "98"}, {"07", true, "8"},
        {"", true, "1"},     {"", false, "-1"},   {"ab", true, "1"},
        {" 5 ", true, "6"},  {"150", false, "99"}, {"-7", true, "-1"},
        {"99999999999", true, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.current + (c.up ? "\" up" : "\" down"));
        const std::string next = StepBorderWidth(c.current, c.up);
        EXPECT_EQ(next, c.expected);
        EXPECT_LE(next.size(), 2u);
    }
}

}  // namespace
}  // namespace quillora
