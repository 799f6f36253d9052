#include "delivery/MsgBuilder.h"

#include "delivery/EmlBuilder.h"
#include "delivery/ProgramRunner.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "shell/TextCatalogue.h"
#include "ConverterToken.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quillora {

std::string MsgConverterPath(const std::string& progFolder) { return WithSlash(progFolder) + kMsgConverterProgram; }

bool OutlookAvailable(const std::string& progFolder) {
    const std::string path = MsgConverterPath(progFolder);
    std::error_code ec;
    return fs::is_regular_file(FsPath(path), ec) && ::access(path.c_str(), X_OK) == 0;
}

bool Outlook64Bit(const std::string& progFolder) { return OutlookAvailable(progFolder); }

void ConvertEmlToMsg(const std::string& progFolder, const std::string& emlPath, const std::string& msgPath) {
    const std::string program = kMsgConverterProgram;
    const auto fail = [&](const std::string& german, const std::string& english, const std::string& reason) {
        std::string text = ByLanguage(german, english);
        if (!reason.empty()) text += ": " + Utf8ToCp1252(reason);
        throw FileError(text);
    };
    if (!OutlookAvailable(progFolder))
        fail("Fehler beim Starten von " + program + ": das Programm fehlt im Programmordner \"" +
                 DocumentPath(WithSlash(progFolder)) + "\"",
             "Error starting " + program + ": the program is missing from the program folder \"" +
                 DocumentPath(WithSlash(progFolder)) + "\"",
             "");
    // A file left by an earlier run must not pass for the result of this one.
    std::error_code ec;
    fs::remove(FsPath(msgPath), ec);
    ProgramRun run = RunAndWait(progFolder, program, {kMsgConverterToken, emlPath, msgPath});
    // The converter names itself at the start of its messages; ours already does.
    if (run.errorText.starts_with(program + ": ")) run.errorText.erase(0, program.size() + 2);
    if (!run.started) fail("Fehler beim Starten von " + program, "Error starting " + program, run.errorText);
    if (run.crashed)
        fail(program + " wurde abgebrochen", program + " stopped unexpectedly", run.errorText);
    if (run.exitCode == 2)
        fail(program + " hat die Umwandlung verweigert", program + " refused the conversion", run.errorText);
    if (run.exitCode != 0)
        fail("Die MSG-Datei konnte nicht erstellt werden", "The MSG file could not be created", run.errorText);
    if (!fs::is_regular_file(FsPath(msgPath), ec))
        fail("Die MSG-Datei \"" + DocumentPath(msgPath) + "\" wurde nicht geschrieben",
             "The MSG file \"" + DocumentPath(msgPath) + "\" was not written", "");
}

void BuildMsgFile(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const AppFolders& folders, const std::string& dateText, UserDialogs& dialogs) {
    const std::string temp = WithSlash(folders.temp);
    const std::string eml = temp + kMsgSourceFile;
    const std::string msg = temp + kMsgWorkFile;
    BuildEmlFile(eml, doc, store, folders, dateText);
    ConvertEmlToMsg(folders.prog, eml, msg);
    if (target.empty()) {
        // Without a program for MSG files there is nothing to tell: the file stays in
        // the temp folder.
        dialogs.OpenWithShell(msg);
        return;
    }
    std::error_code ec;
    if (fs::equivalent(FsPath(msg), FsPath(target), ec)) return;
    CopyFileAtomic(msg, target);
    fs::remove(FsPath(msg), ec);
}

EmailExportPlan PlanEmailExport(const std::string& chosen, bool outlookAvailable, int filterIndex) {
    EmailExportPlan plan;
    plan.target = chosen;
    if (outlookAvailable) {
        plan.msg = chosen.find(".msg") != std::string::npos;
        plan.eml = chosen.find(".eml") != std::string::npos;
        if (!plan.msg && !plan.eml) {
            // The filter list is "Outlook message (*.msg) | EML message (*.eml)".
            const bool eml = filterIndex == 2;
            plan.target += eml ? ".eml" : ".msg";
            (eml ? plan.eml : plan.msg) = true;
        }
    } else {
        if (chosen.find(".eml") == std::string::npos) plan.target += ".eml";
        plan.eml = true;
    }
    return plan;
}

std::string EmailExportFilter(bool outlookAvailable) { return GetText(outlookAvailable ? "IDS_30" : "IDS_33"); }

}  // namespace quillora
