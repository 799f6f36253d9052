#include "document/TextFile.h"
#include "mainwindow/TMainForm.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

class ExportsUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    std::string Out(const std::string& name) const { return world->Root() + "home/" + name; }

private slots:
    void init() {
        world = std::make_unique<TestFolders>();
        dialogs = ScriptedDialogs();
        form = std::make_unique<TMainForm>(world->Folders(), dialogs, ProductInfo(), QString());
    }
    void cleanup() {
        form.reset();
        world.reset();
    }

    void textExportCommitsFirstAndKeepsTheNameRule() {
        form->HeadLineEdit->setText("Frisch bearbeitet");  // the first block is selected at start
        struct Case {
            std::string chosen, written;
        };
        const Case cases[] = {{"news", "news.txt"}, {"NEWS.TXT", "NEWS.TXT.txt"}, {"old.txt.bak", "old.txt.bak"}};
        for (const auto& c : cases) {
            dialogs.files.push_back(FileDialogResult{Out(c.chosen), 1});
            form->extDatei1->trigger();
            QVERIFY2(FileExists(Out(c.written)), c.written.c_str());
        }
        QCOMPARE(dialogs.fileRequests.front().filter, std::string("Text Datei|*.txt|"));
        const std::string text = ReadFileBytes(Out("news.txt"));
        QVERIFY(text.find("Frisch bearbeitet") != std::string::npos);
        QVERIFY(text.find("$ANREDE") == std::string::npos);  // the greeting line is dropped
        QVERIFY(form->SaveName().empty());                    // a later Save still asks
        dialogs.files.push_back(std::nullopt);
        form->extDatei1->trigger();  // cancelled: nothing happens
        QCOMPARE(dialogs.Count("error"), 0);
    }

    void feedCommitsFirstAndSaysWhereItWent() {
        form->HeadLineEdit->setText("Neu & frisch");
        dialogs.files.push_back(FileDialogResult{Out("feed"), 1});
        form->RSSFeedausNewsletter1->trigger();
        const auto& request = dialogs.fileRequests.back();
        QCOMPARE(request.filter, std::string("XML RSS Feed|*.xml"));
        QCOMPARE(request.fileName, std::string("Newsfeed.xml"));
        const std::string feed = ReadFileBytes(Out("feed.xml"));
        QVERIFY(feed.find("<title>Neu &amp; frisch</title>") != std::string::npos);
        QCOMPARE(dialogs.shown.back().kind, std::string("information"));
        QCOMPARE(dialogs.shown.back().text,
                 "Die XML-RSS Feed wurde erfolgreich als " + Out("feed.xml") + " geschrieben!");
    }

    void emailFileWithoutConverterIsAnEml() {
        dialogs.files.push_back(FileDialogResult{Out("news"), 1});
        form->Exportieren1->trigger();
        QCOMPARE(dialogs.fileRequests.back().filter, std::string("EML Nachricht|*.eml"));
        QVERIFY(ReadFileBytes(Out("news.eml")).find("X-Unsent: 1") != std::string::npos);
        QCOMPARE(dialogs.Count("information") + dialogs.Count("message") + dialogs.Count("error"), 0);
    }

    void emailFileWithConverterFollowsTheChosenFilter() {
        std::filesystem::copy_file(std::string(QUILLORA_PROGRAM_DIR) + "/quillora-msgconvert",
                                   world->Folders().prog + "quillora-msgconvert");
        form = std::make_unique<TMainForm>(world->Folders(), dialogs, ProductInfo(), QString());
        QVERIFY(form->OutlookAvailable());
        QVERIFY(form->OutlookVorlagespeichern1->isEnabled());
        struct Case {
            std::string chosen;
            int filter;
            std::string written;
        };
        const Case cases[] = {{"a.msg", 1, "a.msg"}, {"b.eml", 1, "b.eml"}, {"c", 1, "c.msg"}, {"d", 2, "d.eml"}};
        for (const auto& c : cases) {
            dialogs.files.push_back(FileDialogResult{Out(c.chosen), c.filter});
            form->Exportieren1->trigger();
            QVERIFY2(FileExists(Out(c.written)), c.written.c_str());
        }
        QCOMPARE(dialogs.fileRequests.back().filter, std::string("Outlook Nachricht|*.msg|EML Nachricht|*.eml"));
        QCOMPARE(ReadFileBytes(Out("c.msg")).substr(0, 4), std::string("\xD0\xCF\x11\xE0"));
        QCOMPARE(dialogs.Count("error"), 0);
    }

    void exportIntoAMissingFolderIsReported() {
        dialogs.files.push_back(FileDialogResult{world->Root() + "gone/x.txt", 1});
        form->extDatei1->trigger();
        QCOMPARE(dialogs.Count("error"), 1);
    }
};

QTEST_MAIN(ExportsUiTest)
#include "ExportsUiTest.moc"
