#include "app/CommandLine.h"
#include "mainwindow/TMainForm.h"
#include "shell/AppFolders.h"
#include "shell/ProductInfo.h"
#include "document/TLayoutsForm.h"
#include "shell/LanguageSettings.h"
#include "shell/QtLanguageDispatcher.h"
#include "shell/QtUserDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>

using namespace quillora;

namespace {

std::string ProgramFolder() { return WithSlash(QCoreApplication::applicationDirPath().toStdString()); }

// Stops a second copy of the window; the guard comes with the window-placement part.
bool SingleInstanceGuard() { return true; }

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (IsExportCommand(args)) {
        QCoreApplication app(argc, argv);
        ExportOptions options;
        const std::string error = ParseExportOptions(args, options);
        if (!error.empty()) {
            std::cerr << "quillora: " << error << "\n" << UsageText();
            return 2;
        }
        return RunExport(options, ProgramFolder());
    }
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << UsageText();
            return 0;
        }
    }

    QApplication app(argc, argv);
    if (!SingleInstanceGuard()) return 0;
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    QApplication::setOrganizationName(QStringLiteral("Tessaro"));
    const std::string prog = ProgramFolder();
    const AppFolders folders = AppFolders::ForProgram(prog);
    QtLanguageDispatcher::Shared().SetLanguage(ReadLanguageFile(folders.prog));
    ProductInfo product = ProductInfo::Read(folders.prog);
    QtUserDialogs dialogs;
    const QString argument = args.empty() ? QString() : QString::fromLocal8Bit(argv[1]);
    TMainForm form(folders, dialogs, product, argument);
    dialogs.SetParent(&form);
    // The gallery is built once; pictures added later appear at the next start.
    TLayoutsForm gallery(folders, dialogs, &form);
    dialogs.sampleChooser = [&gallery]() -> std::optional<std::string> {
        if (gallery.exec() != QDialog::Accepted || gallery.PickedPath().empty()) return std::nullopt;
        return gallery.PickedPath();
    };
    form.show();
    return app.exec();
}
