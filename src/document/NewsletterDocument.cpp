#include "document/NewsletterDocument.h"

namespace quillora {

const std::array<SettingKey, 28>& SettingKeys() {
    static const std::array<SettingKey, 28> keys = {{
        {"Berteff", &Settings::Berteff},
        {"KopfLogo", &Settings::KopfLogo},
        {"LogoAlign", &Settings::LogoAlign},
        {"Titel1", &Settings::Titel1},
        {"Titel2", &Settings::Titel2},
        {"DateText", &Settings::DateText},
        {"SeperatorNews", &Settings::SeperatorNews},
        {"SeperatorAlign", &Settings::SeperatorAlign},
        {"SeperatorImpressum", &Settings::SeperatorImpressum},
        {"ImpressumAlign", &Settings::ImpressumAlign},
        {"ImpressumText", &Settings::ImpressumText},
        {"ImpressumZusatz", &Settings::ImpressumZusatz},
        {"ImpressumMailTo", &Settings::ImpressumMailTo},
        {"ImpressumURL", &Settings::ImpressumURL},
        {"TextColor", &Settings::TextColor},
        {"LinkColor", &Settings::LinkColor},
        {"BKGColor", &Settings::BKGColor},
        {"Font", &Settings::Font},
        {"UnsubscribeLink", &Settings::UnsubscribeLink},
        {"UnsubscribeText", &Settings::UnsubscribeText},
        {"Uebersicht", &Settings::Uebersicht},
        {"Anchor", &Settings::Anchor},
        {"Anchortext", &Settings::Anchortext},
        {"Anchoralign", &Settings::Anchoralign},
        {"Nummern", &Settings::Nummern},
        {"UebersichtText", &Settings::UebersichtText},
        {"Bordercolor", &Settings::Bordercolor},
        {"Bordesize", &Settings::Bordesize},
    }};
    return keys;
}

int AlignIndex(const std::string& word) {
    for (int i = 0; i < 3; ++i)
        if (word == kAlignWords[i]) return i;
    return -1;
}

const std::vector<std::string>& FontListEntries() {
    static const std::vector<std::string> fonts = {
        "Arial", "Verdana", "Times New Roman", "Courier", "Tahoma",
        "Trebuchet MS", "Helvetica", "Comic Sans MS", "Georgia"};
    return fonts;
}

void NewsletterDocument::ApplyAlignmentRule() {
    settings.LogoAlign = kAlignWords[alignChecked[0]];
    settings.SeperatorAlign = kAlignWords[alignChecked[1]];
    settings.ImpressumAlign = kAlignWords[alignChecked[2]];
}

void NewsletterDocument::CheckAlignment(AlignGroup group, int index) {
    if (index < 0 || index > 2) return;
    auto& checked = alignChecked[static_cast<int>(group)];
    if (checked == index) return;
    checked = index;
    ApplyAlignmentRule();
}

void NewsletterDocument::SyncControlsFromSettings() {
    // Read all three words first: checking one group's button rewrites the others.
    const std::array<int, 3> wanted = {AlignIndex(settings.LogoAlign),
                                       AlignIndex(settings.SeperatorAlign),
                                       AlignIndex(settings.ImpressumAlign)};
    for (int g = 0; g < 3; ++g)
        if (wanted[g] >= 0) CheckAlignment(static_cast<AlignGroup>(g), wanted[g]);

    const int anchor = AlignIndex(settings.Anchoralign);
    if (anchor >= 0) anchorAlignIndex = anchor;

    const auto& fonts = FontListEntries();
    for (int i = 0; i < 4; ++i)
        if (settings.Font == fonts[i]) fontIndex = i;
}

void NewsletterDocument::SelectAnchorAlign(int index) {
    anchorAlignIndex = index;
    settings.Anchoralign = index == 1 ? "center" : index == 2 ? "right" : "left";
    modified = true;
}

}  // namespace quillora
