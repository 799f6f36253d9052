#include "document/TextFile.h"
#include "mainwindow/TMainForm.h"
#include "render/Cp1252.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

class PreviewUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;

private slots:
    void init() { world = std::make_unique<TestFolders>(); }
    void cleanup() { world.reset(); }

    void previewAlternatesFilesAndShowsTheDefaultTemplate() {
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        form.resize(1100, 800);
        form.show();
        const std::string temp = world->Folders().temp;
        QSignalSpy loaded(form.WebBrowser5, &QWebEngineView::loadFinished);
        const char* expected[] = {"preview1.html", "preview2.html", "preview1.html"};
        for (const char* file : expected) {
            form.AdvToolBarPager1->setCurrentIndex(4);
            QVERIFY(form.PreviewShown());
            QCOMPARE(form.WebBrowser5->url().toLocalFile(), QString::fromStdString(temp + file));
            form.AdvToolBarPager1->setCurrentIndex(0);
            QVERIFY(!form.PreviewShown());
        }
        QCOMPARE(ReadFileBytes(temp + "preview1.html"), ReadFileBytes(temp + "preview2.html"));
        QVERIFY(FileExists(temp + "kopf_lindenhof.jpg"));  // pictures beside the page

        form.AdvToolBarPager1->setCurrentIndex(4);
        QVERIFY(loaded.wait(30000) || !loaded.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toBool(), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(form.WebBrowser5->page()->title(), form.BetreffEdit->text(), 10000);
    }

    void leavingThePreviewShowsTheSelectedBlockAgain() {
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        form.CommitBlock();
        form.ListBox1->setCurrentRow(1);
        const QString second = form.HeadLineEdit->text();
        form.AdvToolBarPager1->setCurrentIndex(4);
        QCOMPARE(form.ListBox1->currentRow(), 1);  // the selection survives the commit
        form.HeadLineEdit->setText("changed without commit");
        form.AdvToolBarPager1->setCurrentIndex(2);
        QCOMPARE(form.HeadLineEdit->text(), second);  // reloaded from its work file
        form.HeadLineEdit->setText("kept");
        form.AdvToolBarPager1->setCurrentIndex(1);
        QCOMPARE(form.HeadLineEdit->text(), QStringLiteral("kept"));  // only once
    }

    void sendPagesReturnToTheFirstPage() {
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        form.CommitBlock();
        form.ListBox1->setCurrentRow(2);
        for (int page : {5, 6}) {
            form.AdvToolBarPager1->setCurrentIndex(page);
            QCOMPARE(form.AdvToolBarPager1->currentIndex(), 0);
            QCOMPARE(form.ListBox1->currentRow(), 2);
        }
    }
};

QTEST_MAIN(PreviewUiTest)
#include "PreviewUiTest.moc"
