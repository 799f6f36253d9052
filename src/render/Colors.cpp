#include "render/Colors.h"

#include "shell/UserDialogs.h"

#include <cmath>
#include <cstdint>

namespace quillora {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string ColorToHTML(ColorValue value) {
    if (value < 0 || value > 0xFFFFFF) return "#000000";
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int channel : {Red(value), Green(value), Blue(value)}) {
        out += kDigits[channel >> 4];
        out += kDigits[channel & 0xF];
    }
    return out;
}

ColorParse HTMLToColor(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '#' ? 1 : 0;
    if (text.size() < start + 6) return {std::nullopt, true};
    ColorValue value = 0;
    for (int pair = 0; pair < 3; ++pair) {
        const int high = HexDigit(text[start + 2 * pair]);
        const int low = HexDigit(text[start + 2 * pair + 1]);
        if (high < 0 || low < 0) return {std::nullopt, true};
        value |= (high * 16 + low) << (8 * pair);
    }
    return {value, false};
}

std::string Settings::*ColorField(ColorSetting which) {
    switch (which) {
        case ColorSetting::Text: return &Settings::TextColor;
        case ColorSetting::Link: return &Settings::LinkColor;
        case ColorSetting::Background: return &Settings::BKGColor;
        case ColorSetting::Border: break;
    }
    return &Settings::Bordercolor;
}

bool NeedsSameColorWarning(ColorSetting which, const std::string& chosenText, const Settings& s) {
    switch (which) {
        case ColorSetting::Text:
        case ColorSetting::Link: return chosenText == s.BKGColor;
        case ColorSetting::Background: return chosenText == s.LinkColor || chosenText == s.TextColor;
        case ColorSetting::Border: break;
    }
    return false;
}

std::string SameColorWarning(Language language) {
    if (language == Language::German)
        return "Achtung! Hintergrund und Text- bzw. Linkfarbe haben den gleichen Wert! M\xF6"
               "chten Sie diese \xC4nderung wirklich auf\xFChren?";
    return "Attention! Background color and text or link color have the same value! Do you really want "
           "to set these values?";
}

bool ApplyChosenColor(ColorSetting which, ColorValue chosen, Settings& settings, UserDialogs& dialogs,
                      Language language) {
    const std::string text = ColorToHTML(chosen);
    if (NeedsSameColorWarning(which, text, settings) &&
        dialogs.Question(GetText("IDS_200"), SameColorWarning(language)) != Answer::Yes)
        return false;
    settings.*ColorField(which) = text;
    return true;
}

std::string FontLocationHint(CatalogueLookup text) {
    return text("IDS_12") + "\r\r" + text("IDS_13") + text("IDS_14") + text("IDS_15") + text("IDS_16");
}

std::string SingleFontHint(CatalogueLookup text) {
    return text("IDS_17") + "\r\r" + text("IDS_18") + text("IDS_19") + text("IDS_20") + text("IDS_21");
}

std::optional<ColorValue> GradientColor(const std::vector<ColorValue>& colors, int position, int length) {
    if (colors.size() < 2 || position < 0) return std::nullopt;
    const int segments = static_cast<int>(colors.size()) - 1;
    const int share = static_cast<int>(std::lround(static_cast<double>(length) / segments));
    for (int i = 0; i < segments; ++i) {
        const int steps = i + 1 < segments ? share : length - (segments - 1) * share - 1;
        if (position > steps) continue;
        if (steps == 0) return colors[i];
        // Weighted in integers so the cut towards zero applies to the whole value.
        auto mix = [&](int from, int to) {
            return static_cast<int>((std::int64_t{from} * (steps - position) + std::int64_t{to} * position) / steps);
        };
        const ColorValue a = colors[i];
        const ColorValue b = colors[i + 1];
        return RgbValue(mix(Red(a), Red(b)), mix(Green(a), Green(b)), mix(Blue(a), Blue(b)));
    }
    return std::nullopt;
}

std::optional<ColorValue> PanelShade(int top, int pageHeight) {
    return GradientColor({kShadeTop, kShadeBottom}, top, pageHeight);
}

}  // namespace quillora
