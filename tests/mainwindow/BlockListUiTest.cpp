#include "document/TextFile.h"
#include "mainwindow/TMainForm.h"
#include "render/Cp1252.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

namespace {

std::string Block(const std::string& headline, const std::string& body) {
    return " \r\n[BLOCK001]\r\n" + headline + "\r\n\r\n\r\n\r\nleft\r\n" + body + "\r\n";
}

}  // namespace

class BlockListUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    std::string file;

    // A template with blocks "One", "Two", "Three" opened as at start-up.
    void Open(int blocks = 3) {
        std::string text = "[SETTINGS]\r\nBerteff=Test\r\n";
        const char* names[] = {"One", "Two", "Three"};
        for (int i = 0; i < blocks; ++i) text += Block(names[i], std::string("body ") + names[i]);
        file = world->Write("home/t.qrx", text);
        form = std::make_unique<TMainForm>(world->Folders(), dialogs, ProductInfo(), QString::fromStdString(file));
        form->AdvToolBarPager1->setCurrentIndex(0);
    }
    QStringList Items() const {
        QStringList out;
        for (int i = 0; i < form->ListBox1->count(); ++i) out << form->ListBox1->item(i)->text();
        return out;
    }
    void ClickRow(int row) {
        form->CommitBlock();  // what the list's focus-in does
        form->ListBox1->setCurrentRow(row);
    }
    std::string Saved() const { return ReadFileBytes(file); }

private slots:
    void init() {
        world = std::make_unique<TestFolders>();
        dialogs = ScriptedDialogs();
    }
    void cleanup() {
        form.reset();
        world.reset();
    }

    void newTypeAndCommit() {
        Open();
        form->NewBitBtn->click();
        QCOMPARE(Items().last(), QStringLiteral("Neue  Meldung:"));
        QCOMPARE(form->ListBox1->currentRow(), 3);
        QVERIFY(form->HeadLineEdit->text().isEmpty());
        QVERIFY(!form->RbPicLeft->isEnabled() && form->RbPicLeft->isChecked());
        QVERIFY(form->Doc().modified);
        form->HeadLineEdit->setText("  Vier ");
        form->Memo1->setPlainText("abc\ndef");  // typed as two lines, stored as one
        ClickRow(3);
        QCOMPARE(Items(), (QStringList{"Meldung1:  One", "Meldung2:  Two", "Meldung3:  Three", "Meldung4:  Vier"}));
        QVERIFY(Saved().find("[BLOCK004]\r\n  Vier \r\n\r\n\r\n\r\nleft\r\nabcdef\r\n") != std::string::npos);
        QCOMPARE(form->HeadLineEdit->text(), QStringLiteral("  Vier "));  // blanks kept in the editor
    }

    void moveWrapsAroundAndKeepsTheEditor() {
        Open();
        ClickRow(0);
        form->BitBtn6->click();  // first block up: swaps with the last
        QCOMPARE(Items(), (QStringList{"Meldung1:  Three", "Meldung2:  Two", "Meldung3:  One"}));
        QCOMPARE(form->ListBox1->currentRow(), 2);
        QCOMPARE(form->HeadLineEdit->text(), QStringLiteral("One"));
        form->BitBtn7->click();  // last block down: back to the top
        QCOMPARE(Items(), (QStringList{"Meldung1:  One", "Meldung2:  Two", "Meldung3:  Three"}));
        QCOMPARE(form->ListBox1->currentRow(), 0);
        QCOMPARE(dialogs.Count("information"), 0);
    }

    void moveOfAnEmptyNewBlockIsRefused() {
        Open();
        form->NewBitBtn->click();
        const std::string before = Saved();
        form->BitBtn7->click();
        QCOMPARE(dialogs.Count("information"), 1);
        QCOMPARE(dialogs.shown.back().text, std::string("Achtung! Es k\xF6nnen keine leeren Bl\xF6" "cke verschoben werden!"));
        QCOMPARE(Saved(), before);
    }

    void deleteRenumbersAndAsksForASelection() {
        Open();
        ClickRow(1);
        form->DeleteBitBtn->click();
        QCOMPARE(Items(), (QStringList{"Meldung1:  One", "Meldung2:  Three"}));
        QCOMPARE(form->ListBox1->currentRow(), -1);
        QVERIFY(Saved().find("[BLOCK002]\r\nThree") != std::string::npos);
        QVERIFY(Saved().find("[BLOCK003]") == std::string::npos);
        QCOMPARE(form->HeadLineEdit->text(), QStringLiteral("Two"));  // the editor still shows it
        form->DeleteBitBtn->click();  // nothing selected now
        QCOMPARE(dialogs.Count("error"), 1);
        QCOMPARE(dialogs.shown.back().title, std::string("Fehler"));
        QCOMPARE(Items().size(), 2);
    }

    void deletingTheLastBlockHidesTheEditor() {
        Open(1);
        ClickRow(0);
        form->DeleteBitBtn->click();
        QCOMPARE(form->ListBox1->count(), 0);
        QVERIFY(form->EditorPanel->isHidden());
        form->NewBitBtn->click();
        QVERIFY(!form->EditorPanel->isHidden());
    }

    void selectShowsTheBlockAndEditsAfterACommitAreStored() {
        Open();
        ClickRow(2);
        QCOMPARE(form->HeadLineEdit->text(), QStringLiteral("Three"));
        QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("body Three"));
        form->CommitBlock();  // e.g. an export
        QCOMPARE(form->ListBox1->currentRow(), 2);
        form->HeadLineEdit->setText("kept");
        form->CommitBlock();
        QVERIFY(Saved().find("[BLOCK003]\r\nkept\r\n") != std::string::npos);
    }
};

QTEST_MAIN(BlockListUiTest)
#include "BlockListUiTest.moc"
