#pragma once
// The newsletter being edited: settings named by their template keys, the block list,
// the block in the editor, and the state of the controls that hold values of their own
// (alignment buttons, font and jump-mark lists). Windows only mirror this record.
#include <QDate>
#include <array>
#include <string>
#include <vector>

namespace quillora {

struct Settings {
    std::string Berteff;
    std::string KopfLogo;
    std::string LogoAlign;
    std::string Titel1;
    std::string Titel2;
    std::string DateText;
    std::string SeperatorNews;
    std::string SeperatorAlign;
    std::string SeperatorImpressum;
    std::string ImpressumAlign;
    std::string ImpressumText;
    std::string ImpressumZusatz;
    std::string ImpressumMailTo;
    std::string ImpressumURL;
    std::string TextColor;
    std::string LinkColor;
    std::string BKGColor = "#000000";
    std::string Font = "Arial";
    std::string UnsubscribeLink;
    std::string UnsubscribeText;
    std::string Uebersicht = "FALSE";
    std::string Anchor = "FALSE";
    std::string Anchortext = "nach oben";
    std::string Anchoralign = "right";
    std::string Nummern = "TRUE";
    std::string UebersichtText = "TOPICS:";
    std::string Bordercolor = "#000000";
    std::string Bordesize = "1";  // text of the border-width field
    bool Border = false;
    bool DateOn = true;
    bool HeadSeperator = false;
};

// The 28 keys written as "key=value", in file order.
struct SettingKey {
    const char* name;
    std::string Settings::*field;
};
const std::array<SettingKey, 28>& SettingKeys();

// Only the exact text "TRUE" is true.
inline bool IsTrue(const std::string& value) { return value == "TRUE"; }
inline const char* BoolText(bool on) { return on ? "TRUE" : "FALSE"; }

struct NewsBlock {
    std::string Headline;
    std::string PicturePath;
    std::string LinkText;
    std::string URL;
    std::string PictureSide = "left";
    std::string Body;
};

// The three alignment groups of the "Grafiken" page; each has one checked button.
enum class AlignGroup { Logo = 0, Seperator = 1, Impressum = 2 };
constexpr std::array<const char*, 3> kAlignWords = {"left", "center", "right"};
int AlignIndex(const std::string& word);  // -1 when not one of the three words

// The entries of the font list; only the first four are matched when loading.
const std::vector<std::string>& FontListEntries();

struct NewsletterDocument {
    Settings settings;

    // Block list texts, one per block, in block order ("Meldung1:  Titel").
    std::vector<std::string> blockList;
    int selectedBlock = -1;  // index into blockList, -1 for none

    // The block shown in the editor; newer than its work file until committed.
    NewsBlock editor;
    bool editorVisible = true;

    std::string currentFile;  // native path of the working copy
    QDate newsletterDate = QDate::currentDate();
    bool modified = false;

    // State of controls that keep a value across loads.
    std::array<int, 3> alignChecked = {1, 1, 1};  // checked button per AlignGroup
    int fontIndex = 0;                            // selected entry of the font list
    int anchorAlignIndex = 2;                     // selected entry of the jump-mark list

    // Sets the three alignment settings from the checked buttons (what a click on any
    // alignment button does; it does not mark the document).
    void ApplyAlignmentRule();

    // Checks button `index` of `group` as a click would: when the check changes, the
    // alignment rule runs for all three groups.
    void CheckAlignment(AlignGroup group, int index);

    // Sets the control state from freshly read settings, as setting the controls one
    // after the other does: alignments, jump-mark list and font list.
    void SyncControlsFromSettings();

    // The jump-mark list's change rule.
    void SelectAnchorAlign(int index);
};

}  // namespace quillora
