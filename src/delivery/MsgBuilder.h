#pragma once
// The newsletter as an unsent Outlook message file (MSG): the EML of EmlBuilder,
// turned into an MSG by the converter program of the program folder.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "shell/AppFolders.h"
#include "shell/UserDialogs.h"

#include <string>

namespace quillora {

// Work files in the temp folder.
inline constexpr const char* kMsgSourceFile = "temp.eml";
inline constexpr const char* kMsgWorkFile = "temp.msg";

// The converter's full path in the program folder.
std::string MsgConverterPath(const std::string& progFolder);

// MSG files can be made: the converter program is present and executable. There is no
// Outlook here, so both checks of the menus ask the same question.
bool OutlookAvailable(const std::string& progFolder);
bool Outlook64Bit(const std::string& progFolder);

// Runs the converter on an existing EML. Throws FileError with a message naming the
// converter's own reason when it is missing, refuses, fails or writes no file.
void ConvertEmlToMsg(const std::string& progFolder, const std::string& emlPath, const std::string& msgPath);

// Builds "temp.eml" and from it "temp.msg" in folders.temp. With a target (native) the
// MSG is copied there atomically and "temp.msg" removed; with an empty target the
// MSG is opened with the desktop's handler, which shows it in the mail program.
// Throws FileError (the target then stays as it was).
void BuildMsgFile(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const AppFolders& folders, const std::string& dateText, UserDialogs& dialogs);

// What "E-Mail Datei" writes for the name the user chose. The tests on the extension
// are case-sensitive substring tests on the whole path: with MSG files possible,
// ".msg" writes an MSG and then, independently, ".eml" an EML (a name with neither
// writes nothing); without, the name gets ".eml" unless it holds it, and an EML is
// written.
struct EmailExportPlan {
    std::string target;
    bool msg = false;
    bool eml = false;
};
// filterIndex: the dialog's chosen filter (1-based). A name with neither extension gets
// the one of that filter instead of writing nothing.
EmailExportPlan PlanEmailExport(const std::string& chosen, bool outlookAvailable, int filterIndex = 1);

// The save dialog's filter for "E-Mail Datei".
std::string EmailExportFilter(bool outlookAvailable);

}  // namespace quillora
