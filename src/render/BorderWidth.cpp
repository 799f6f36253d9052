#include "render/BorderWidth.h"

#include "render/TextConversions.h"

#include <algorithm>
#include <charconv>

namespace quillora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

BorderKey ClassifyBorderKey(const std::string& keyText) {
    if (keyText == "\b") return BorderKey::Accept;
    if (keyText.empty()) return BorderKey::Pass;
    // Control characters come from keys that edit or navigate, never from typing.
    const bool control = std::all_of(keyText.begin(), keyText.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
    if (control) return BorderKey::Pass;
    return std::all_of(keyText.begin(), keyText.end(), IsDigit) ? BorderKey::Accept : BorderKey::Refuse;
}

std::string StepBorderWidth(const std::string& current, bool up) {
    const std::string text = Trim(current);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) value = 0;
    // Clamped before the step too, so that it cannot overflow.
    value = std::clamp(value, kBorderWidthMin - 1, kBorderWidthMax + 1) + (up ? 1 : -1);
    return std::to_string(std::clamp(value, kBorderWidthMin, kBorderWidthMax));
}

BorderSwitchLayout BorderSwitch(bool borderOn) {
    return borderOn ? BorderSwitchLayout{true, 240} : BorderSwitchLayout{false, 216};
}

}  // namespace quillora
