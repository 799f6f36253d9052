#include "document/TextFile.h"
#include "mainwindow/TMainForm.h"
#include "render/Cp1252.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

class TemplateCommandsUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    void Start() {
        form = std::make_unique<TMainForm>(world->Folders(), dialogs, ProductInfo(), QString());
    }
    std::string Docs(const std::string& rel) const { return world->Folders().documents + rel; }
    std::string Templates(const std::string& rel) const { return world->Folders().templates + rel; }
    static FileDialogResult File(const std::string& path) { return FileDialogResult{path, 1}; }

private slots:
    void init() {
        world = std::make_unique<TestFolders>();
        dialogs = ScriptedDialogs();
        Start();
    }
    void cleanup() {
        form.reset();
        world.reset();
    }

    void cancelInThePromptStopsNewOpenAndOpenSample() {
        form->Titel2Edit->setText("unsaved change");
        const std::string file = form->Doc().currentFile;
        const std::function<void()> commands[] = {[&] { form->NeueVorlage2Click(); },
                                                  [&] { form->Vorlageffnen2Click(); },
                                                  [&] { form->Mustervorlageffnen1Click(); }};
        for (const auto& command : commands) {
            dialogs.prompts.push_back(Answer::Cancel);
            command();
        }
        QCOMPARE(dialogs.Count("prompt"), 3);
        QCOMPARE(dialogs.Count("open") + dialogs.Count("gallery"), 0);
        QCOMPARE(form->Doc().currentFile, file);
        QCOMPARE(form->Titel2Edit->text(), QStringLiteral("unsaved change"));
        QVERIFY(form->Doc().modified);

        dialogs.prompts.push_back(Answer::Closed);  // the close box goes on
        form->NeueVorlage2Click();
        QCOMPARE(form->Doc().currentFile, world->Folders().prog + "Empty.qrx");
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora pro [Empty.qrx]"));
        QVERIFY(form->SaveName().empty());
        QVERIFY(!form->Doc().modified);
        QCOMPARE(form->AdvToolBarPager1->currentIndex(), 0);
    }

    void noInThePromptPutsTheFileBackAsLoaded() {
        const std::string mine = world->Write("home/mine.qrx", ReadFileBytes(world->Folders().prog + "NEW2.QRX"));
        dialogs.files.push_back(File(mine));
        form->Vorlageffnen2Click();
        const std::string loaded = ReadFileBytes(world->Folders().prog + "NEW2.QRX");
        form->NewBitBtn->click();  // commits: the file on disk changes
        form->HeadLineEdit->setText("not wanted");
        form->CommitBlock();
        QVERIFY(ReadFileBytes(mine) != loaded);
        dialogs.prompts.push_back(Answer::No);
        form->NeueVorlage2Click();
        QCOMPARE(ReadFileBytes(mine), loaded);
    }

    void openShowsThePreviewAndIsRemembered() {
        const std::string mine = world->Write("home/Ausgabe.qrx", ReadFileBytes(world->Folders().vorlagen + "Quillora_Vorlage-1.qrx"));
        dialogs.files.push_back(File(mine));
        form->Vorlageffnen2Click();
        QCOMPARE(dialogs.fileRequests.back().filter, std::string("Quillora|*.qrx"));
        QCOMPARE(dialogs.fileRequests.back().initialDir, world->Folders().documents);
        QCOMPARE(form->Doc().currentFile, mine);
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora pro [Ausgabe.qrx]"));
        QCOMPARE(form->AdvToolBarPager1->currentIndex(), 4);
        QVERIFY(form->PreviewShown());
        QCOMPARE(ReadFileBytes(world->Folders().prog + "LastFile.ini"), mine + "\r\n");
        QCOMPARE(form->SaveName(), mine);
        QVERIFY(!form->Doc().modified);
    }

    void savingASampleGoesToTheDocumentsFolder() {
        dialogs.samples.push_back(Templates("Quillora_Vorlage-3.qrx"));
        form->Mustervorlageffnen1Click();
        QCOMPARE(form->Doc().currentFile, Templates("Quillora_Vorlage-3.qrx"));
        form->CommitBlock();
        form->ListBox1->setCurrentRow(1);
        form->Titel2Edit->setText("Meine Ausgabe");
        form->Vorlageppeichern1Click();
        QVERIFY(form->SaveSucceeded());
        QCOMPARE(dialogs.Count("save"), 0);  // no question: the sample's name is the save name
        QCOMPARE(form->Doc().currentFile, Docs("Quillora_Vorlage-3.qrx"));
        QVERIFY(ReadFileBytes(Docs("Quillora_Vorlage-3.qrx")).find("Titel2=Meine Ausgabe") != std::string::npos);
        QCOMPARE(form->SaveName(), Templates("Quillora_Vorlage-3.qrx"));
        QCOMPARE(form->ListBox1->currentRow(), 1);  // selected again after the save
        QCOMPARE(ReadFileBytes(world->Folders().prog + "LastFile.ini"), Docs("Quillora_Vorlage-3.qrx") + "\r\n");
        QVERIFY(!form->Doc().modified);
        form->Titel2Edit->setText("Zweite");
        form->Vorlageppeichern1Click();
        QVERIFY(ReadFileBytes(Docs("Quillora_Vorlage-3.qrx")).find("Titel2=Zweite") != std::string::npos);
    }

    void saveAsIntoTemplatesIsRefusedThenRedirected() {
        const std::string refused = world->Folders().documents.substr(0, world->Folders().documents.size() - 9) +
                                    "QUILLORA/templates/eigene.qrx";
        world->Write(refused.substr(world->Root().size()), "");  // such a folder exists
        dialogs.files.push_back(File(refused));
        form->CommitBlock();
        form->ListBox1->setCurrentRow(2);
        form->Vorlagespeichernunter1Click();
        QVERIFY(!form->SaveSucceeded());
        QCOMPARE(dialogs.Count("message"), 1);
        QCOMPARE(dialogs.shown.back().text.substr(0, 23), std::string("Im Ordner Templates d\xFCr"));
        QCOMPARE(form->Doc().currentFile, world->Folders().prog + "Quillora_Vorlage.qrx");
        QCOMPARE(form->ListBox1->currentRow(), 2);
        form->Vorlageppeichern1Click();  // redirected without asking
        QCOMPARE(dialogs.Count("save"), 1);
        QVERIFY(form->SaveSucceeded());
        QVERIFY(FileExists(world->Folders().documents.substr(0, world->Folders().documents.size() - 9) +
                           "QUILLORA/eigene.qrx"));
    }

    void saveAsAppendsTheExtensionAndSetsTheCaption() {
        dialogs.files.push_back(File(Docs("news.2011.qrx")));
        form->Vorlagespeichernunter1Click();
        QVERIFY(form->SaveSucceeded());
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora pro [news.2011.qrx]"));
        QVERIFY(FileExists(Docs("news.eml")));  // the message for the bulk-mail program
        dialogs.files.push_back(File(Docs("plain")));
        form->Vorlagespeichernunter1Click();
        QVERIFY(FileExists(Docs("plain.qrx")));
        dialogs.files.push_back(std::nullopt);  // cancelled
        form->Vorlagespeichernunter1Click();
        QVERIFY(!form->SaveSucceeded());
    }

    void failedSaveKeepsTheOldFileAndStaysModified() {
        const std::string target = world->Write("home/locked/keep.qrx", "previous");
        dialogs.files.push_back(File(world->Root() + "home/gone/keep.qrx"));
        form->Titel2Edit->setText("change");
        form->Vorlagespeichernunter1Click();
        QVERIFY(!form->SaveSucceeded());
        QVERIFY(form->Doc().modified);
        QCOMPARE(dialogs.Count("error"), 1);
        QCOMPARE(form->Doc().currentFile, world->Folders().prog + "Quillora_Vorlage.qrx");
        QCOMPARE(ReadFileBytes(target), std::string("previous"));
    }

    void closingAsksAndKeepsTheWindowWhenTheSaveDidNotHappen() {
        QVERIFY(form->FormCloseQuery());  // nothing changed: no question
        QCOMPARE(dialogs.Count("prompt"), 0);
        form->NewBitBtn->click();
        const struct {
            Answer answer;
            std::optional<FileDialogResult> file;
            bool closes;
        } cases[] = {
            {Answer::Cancel, std::nullopt, false},
            {Answer::Closed, std::nullopt, false},
            {Answer::SaveAs, std::nullopt, false},  // save dialog cancelled
            {Answer::SaveAs, FileDialogResult{Docs("closing.qrx"), 1}, true},
        };
        for (const auto& c : cases) {
            form->Doc().modified = true;
            dialogs.prompts.push_back(c.answer);
            if (c.file || c.answer == Answer::SaveAs) dialogs.files.push_back(c.file);
            QCOMPARE(form->FormCloseQuery(), c.closes);
        }
        QVERIFY(FileExists(Docs("closing.qrx")));
        QVERIFY(form->Session().Store().ListBlockFiles().empty());  // cleaned up on the way out
    }

    void closingWithNoPutsTheTemplateBack() {
        const std::string before = ReadFileBytes(world->Folders().prog + "Old.qrx");
        form->Titel2Edit->setText("verworfen");
        form->CommitBlock();
        dialogs.prompts.push_back(Answer::No);
        QVERIFY(form->FormCloseQuery());
        QCOMPARE(ReadFileBytes(form->Doc().currentFile), before);
    }

    void aSampleWhoseWorkingCopyIsMissingIsReported() {
        const std::string before = form->Doc().currentFile;
        const int blocks = form->ListBox1->count();
        dialogs.samples.push_back(Templates("Quillora_Vorlage-9.qrx"));
        form->Mustervorlageffnen1Click();
        QCOMPARE(dialogs.Count("error"), 1);
        QCOMPARE(form->Doc().currentFile, before);
        QCOMPARE(form->ListBox1->count(), blocks);
    }

    void openingASubjectWithUmlautsRunsTheSubjectRules() {
        std::string t = ReadFileBytes(world->Folders().prog + "NEW2.QRX");
        t.replace(t.find("Berteff="), 8, "Berteff=Gr\xFC\xDF" "e & mehr");
        const std::string file = world->Write("home/subject.qrx", t);
        dialogs.files.push_back(File(file));
        dialogs.shown.clear();
        form->Vorlageffnen2Click();
        QVERIFY(form->BetreffEdit->text() != Cp1252ToQString("Gr\xFC\xDF" "e & mehr"));
        QVERIFY(!form->BetreffEdit->text().contains('&'));
        bool told = false;
        for (const auto& s : dialogs.shown) told = told || s.text.find("Kompatibilit") != std::string::npos;
        QVERIFY(told);
    }
};

QTEST_MAIN(TemplateCommandsUiTest)
#include "TemplateCommandsUiTest.moc"
