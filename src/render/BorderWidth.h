#pragma once
// The border controls of the colours page. The width field holds the text that the page
// writes as the border table's cell spacing, so it must stay a small whole number.
#include <string>

namespace quillora {

enum class BorderKey {
    Accept,  // a digit or backspace: the field handles it
    Refuse,  // swallow it and show the IDS_79 notice
    Pass,    // no character (arrows, Delete, Enter, shortcuts): not the rule's business
};

// The verdict on what a key press would type, in Windows-1252 (a Qt key event's text).
BorderKey ClassifyBorderKey(const std::string& keyText);

// The arrows stay within what the two-character field can show: -1 (the down arrow on
// 0 still gives it) to 99. An empty or non-numeric field counts as 0.
constexpr int kBorderWidthMin = -1;
constexpr int kBorderWidthMax = 99;

// The field's text after one arrow step; `up` for the up arrow.
std::string StepBorderWidth(const std::string& current, bool up);

struct BorderSwitchLayout {
    bool showWidthControls;  // BorderEdit, BorderUpDown, BorderLabel
    int hintGroupTop;        // top of the hints group, kept below the width controls
};

BorderSwitchLayout BorderSwitch(bool borderOn);

}  // namespace quillora
