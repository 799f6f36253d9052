#pragma once
// The newsletter's colours: their text form in settings and pages, the guard against
// text or links that vanish in the background, the font hints of the same page, and the
// shading that lets some window controls blend into their gradient background.
#include "document/NewsletterDocument.h"
#include "shell/TextCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace quillora {

class UserDialogs;

using CatalogueLookup = std::string (*)(const std::string& key);

// red + 256 * green + 65536 * blue.
using ColorValue = int;

constexpr ColorValue RgbValue(int red, int green, int blue) { return red | green << 8 | blue << 16; }
constexpr int Red(ColorValue v) { return v & 0xFF; }
constexpr int Green(ColorValue v) { return v >> 8 & 0xFF; }
constexpr int Blue(ColorValue v) { return v >> 16 & 0xFF; }

// "#RRGGBB" in upper-case hex; "#000000" for anything that is not a 24-bit value.
std::string ColorToHTML(ColorValue value);

struct ColorParse {
    std::optional<ColorValue> value;  // empty: keep the colour shown before
    bool beep = false;                // the caller gives one short beep
};

// "#RRGGBB" or "RRGGBB", hex digits in either case; text after the third pair is not
// read. A missing or non-hex pair gives no value and asks for the beep.
ColorParse HTMLToColor(const std::string& text);

// The four colour buttons of the colours page.
enum class ColorSetting { Text, Link, Background, Border };

std::string Settings::*ColorField(ColorSetting which);

// Whether storing `chosenText` must first ask, because text or links would take the
// background's colour. Exact text comparison, as stored.
bool NeedsSameColorWarning(ColorSetting which, const std::string& chosenText, const Settings& settings);

// The question asked then; fixed texts, not catalogue entries.
std::string SameColorWarning(Language language = ActiveLanguage());

// What follows a colour dialog closed with OK: asks when needed and stores the colour
// text. False when the user said No; true when the setting was set, and the caller
// marks the document and paints the panel.
bool ApplyChosenColor(ColorSetting which, ColorValue chosen, Settings& settings, UserDialogs& dialogs,
                      Language language = ActiveLanguage());

// "Wo sind die anderen Schriftarten?" and "Warum kann ich nur eine Schrift wählen?".
std::string FontLocationHint(CatalogueLookup text = GetText);
std::string SingleFontHint(CatalogueLookup text = GetText);

// The colour at `position` of a gradient through `colors` (at least two) spread over
// `length`. Each segment has its own steps and `position` is looked up in the first
// segment long enough to hold it; no value when none is, or for fewer than two colours.
std::optional<ColorValue> GradientColor(const std::vector<ColorValue>& colors, int position, int length);

// The page background's shading at a control's top edge; `pageHeight` is the height of
// the block page. No value when the control is not on the gradient.
constexpr ColorValue kShadeTop = RgbValue(0xEF, 0xF7, 0xFD);
constexpr ColorValue kShadeBottom = RgbValue(0xC7, 0xDC, 0xF0);
std::optional<ColorValue> PanelShade(int top, int pageHeight);

}  // namespace quillora
