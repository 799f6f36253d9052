#include "document/TextFile.h"
#include "mainwindow/PicturePreview.h"
#include "mainwindow/TMainForm.h"
#include "render/Cp1252.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

class TMainFormUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;

    std::unique_ptr<TMainForm> Start(const QString& argument = QString()) {
        return std::make_unique<TMainForm>(world->Folders(), dialogs, ProductInfo::Read(world->Folders().prog),
                                           argument);
    }
    std::string Prog(const std::string& rel) const { return world->Folders().prog + rel; }

private slots:
    void init() {
        world = std::make_unique<TestFolders>();
        dialogs = ScriptedDialogs();
    }
    void cleanup() { world.reset(); }

    void everyControlSitsOnItsPage() {
        auto form = Start();
        struct Page {
            const char* page;
            QStringList controls;
        };
        const Page pages[] = {
            {"AdvToolBarPager11",
             {"ListBox1", "NewBitBtn", "DeleteBitBtn", "BitBtn6", "BitBtn7", "UebersichtCheckBox", "Ubersichtedit",
              "Nummerchk", "EditorPanel", "HeadLineEdit", "LinkTextEdit", "URLEdit", "WebBrowser4", "BitBtn2",
              "BitBtn5", "RbPicLeft", "RBPicRigth", "pgc1", "Memo1", "rve", "HTMLPanel", "TextPanel", "ComboBox1"}},
            {"AdvToolBarPager12",
             {"BetreffEdit", "ComboBox2", "Titel1Edit", "Titel2Edit", "DateEdit", "DateCheckBox", "DateAnzeigeEdit",
              "ImpressumEdit", "ZusatzEdit", "ImpressumMailToEdit", "ImpressumURLEdit", "UnsubScribeLinkEdit",
              "UnsubScribeTextEdit", "AnchorChk", "lbl1", "AnchorEdt", "lbl2", "AnchorAlignCmbbx"}},
            {"AdvToolBarPager13",
             {"WebBrowser1", "OpenKopfBitBtn", "Left1RadioButton", "Center1RadioButton", "Right1RadioButton",
              "WebBrowser2", "Open2BitBtn", "nopicbtn1", "Left2RadioButton", "Center2RadioButton",
              "Right2RadioButton", "WebBrowser3", "Open3BitBtn", "Left3RadioButton", "Center3RadioButton",
              "Right3RadioButton", "KopfTrennlinieCheckBox"}},
            {"AdvPage1",
             {"TextColorPanel", "TextcolorButton", "LinkColorPanel", "LinkColorButton", "BKGColorPanel",
              "BKGColorButton", "FontComboBox", "FontPanel", "BorderPanel", "BorderButton", "BorderCheckBox",
              "BorderEdit", "BorderUpDown", "BorderLabel"}},
            {"AdvPage2", {"WebBrowser5"}},
        };
        auto* pager = form->findChild<QTabWidget*>("AdvToolBarPager1");
        QVERIFY(pager);
        QCOMPARE(pager->count(), 7);
        const QStringList captions = {"Newsmeldungen", "Kopf- u. Fußzeile", "Grafiken", "Farben und Schriften",
                                      "Vorschau", "Einzelmail versenden", "Serienmail Programm starten"};
        for (int i = 0; i < 7; ++i) QCOMPARE(pager->tabText(i), captions[i]);
        for (const auto& p : pages) {
            QWidget* page = form->findChild<QWidget*>(p.page);
            QVERIFY2(page, p.page);
            QCOMPARE(pager->indexOf(page) >= 0, true);
            for (const auto& name : p.controls) QVERIFY2(page->findChild<QWidget*>(name), qPrintable(name));
        }
        QCOMPARE(form->pgc1->tabText(0), QStringLiteral("WYSIWYG"));
        QCOMPARE(form->pgc1->tabText(1), QStringLiteral("HTML"));
        for (const char* menu : {"Datei1", "Expertenoptionen1", "Language1", "Hilfe1"})
            QVERIFY2(form->findChild<QMenu*>(menu), menu);
    }

    void startsWithTheDefaultTemplateFilledIn() {
        auto form = Start();
        const auto& d = form->Doc();
        QCOMPARE(d.currentFile, Prog("Quillora_Vorlage.qrx"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora pro [Quillora_Vorlage.qrx]"));
        QCOMPARE(form->BetreffEdit->text(), Cp1252ToQString(d.settings.Berteff));
        QVERIFY(!form->BetreffEdit->text().isEmpty());
        QCOMPARE(form->Titel1Edit->text(), QStringLiteral("$ANREDE $NAME"));
        QVERIFY(form->ListBox1->count() >= 3);
        QVERIFY(form->ListBox1->item(0)->text().startsWith("Meldung1:  "));
        QCOMPARE(form->ListBox1->currentRow(), 0);
        QVERIFY(!form->HeadLineEdit->text().isEmpty());  // first block shown
        QVERIFY(!form->Memo1->toPlainText().isEmpty());
        QVERIFY(form->RbPicLeft->isEnabled());
        QVERIFY(form->UebersichtCheckBox->isChecked());
        QVERIFY(!form->Ubersichtedit->isHidden());
        QCOMPARE(form->AdvToolBarPager1->currentIndex(), 0);
        QVERIFY(form->WebBrowser1->Address().endsWith(".jpg"));
        QVERIFY(!d.modified);
        QCOMPARE(dialogs.Count("error"), 0);
        QCOMPARE(ReadFileBytes(Prog("Old.qrx")), ReadFileBytes(Prog("Quillora_Vorlage.qrx")));
        // The samples were refreshed into the Templates folder.
        QVERIFY(FileExists(world->Folders().templates + "Quillora_Vorlage-1.qrx"));
        QVERIFY(!FileExists(Prog("LastFile.ini")));
        QVERIFY(form->SaveName().empty());
    }

    void startArgumentOpensItShowsThePreviewAndIsRemembered() {
        const std::string sample = world->Folders().vorlagen + "Quillora_Vorlage-2.qrx";
        const std::string mine = world->Write("home/Mein Newsletter.qrx", ReadFileBytes(sample));
        auto form = Start(QString::fromStdString(mine));
        QCOMPARE(form->Doc().currentFile, mine);
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora pro [Mein Newsletter.qrx]"));
        QCOMPARE(form->AdvToolBarPager1->currentIndex(), 4);
        QCOMPARE(ReadFileBytes(Prog("LastFile.ini")), mine + "\r\n");
        QCOMPARE(ReadFileBytes(Prog("Old.qrx")), ReadFileBytes(sample));  // as it was before the preview's commit
        QCOMPARE(form->SaveName(), mine);
        // With an argument the samples are not refreshed.
        QVERIFY(!FileExists(world->Folders().templates + "Quillora_Vorlage-1.qrx"));
        QVERIFY(form->WebBrowser2->Address() == "about:blank");  // this sample has no separator
    }

    void lastFileIsReopenedOnlyWhenItIsATemplate() {
        const std::string copy = world->Write("home/Docs/KUNDEN.QRX", ReadFileBytes(Prog("NEW2.QRX")));
        world->Write("prog/LastFile.ini", copy + "\r\n");
        {
            auto form = Start();
            QCOMPARE(form->Doc().currentFile, copy);
            QCOMPARE(form->SaveName(), copy);
            QCOMPARE(form->ListBox1->count(), 0);
            QCOMPARE(dialogs.Count("error"), 1);  // an empty template asks for a block selection
            QVERIFY(form->EditorPanel->isVisibleTo(form.get()));
        }
        const std::string txt = world->Write("home/notes.txt", ReadFileBytes(Prog("NEW2.QRX")));
        world->Write("prog/LastFile.ini", txt + "\r\n");
        auto form = Start();
        QCOMPARE(form->Doc().currentFile, Prog("Quillora_Vorlage.qrx"));
        QVERIFY(form->SaveName().empty());
    }

    void missingStartArgumentLeavesDefaultsAndMemory() {
        world->Write("prog/LastFile.ini", "before\r\n");
        const std::string missing = world->Root() + "nowhere/gone.qrx";
        auto form = Start(QString::fromStdString(missing));
        QCOMPARE(form->Doc().currentFile, missing);
        QCOMPARE(form->ListBox1->count(), 0);
        QCOMPARE(form->FontPanel->text(), QStringLiteral("Arial"));
        QCOMPARE(ReadFileBytes(Prog("LastFile.ini")), std::string("before\r\n"));
        QVERIFY(!form->windowTitle().contains("gone.qrx"));
    }

    void updateRulesAndModified() {
        auto form = Start();
        auto& d = form->Doc();
        struct Step {
            const char* what;
            std::function<void()> act;
            bool marks;
        };
        const Step steps[] = {
            {"date picker", [&] { form->DateAnzeigeEdit->setDate(QDate(2030, 1, 2)); }, false},
            {"font", [&] { form->FontComboBox->textActivated("Tahoma"); }, true},
            {"alignment", [&] { form->Right1RadioButton->click(); }, true},
            {"no separator", [&] { form->nopicbtn1->click(); }, true},
            {"typed border width", [&] { QTest::keyClicks(form->BorderEdit, "3"); }, true},
            {"subject", [&] { form->BetreffEdit->setText("Neu"); }, true},
            {"overview off", [&] { form->UebersichtCheckBox->click(); }, true},
            {"jump marks", [&] { form->AnchorAlignCmbbx->activated(1); }, true},
            {"headline", [&] { form->HeadLineEdit->setText("Andere"); }, true},
        };
        for (const auto& s : steps) {
            d.modified = false;
            s.act();
            QVERIFY2(d.modified == s.marks, s.what);
        }
        QCOMPARE(d.newsletterDate, QDate(2030, 1, 2));
        QCOMPARE(d.settings.Font, std::string("Tahoma"));
        QCOMPARE(form->FontPanel->text(), QStringLiteral("Tahoma"));
        QCOMPARE(d.settings.LogoAlign, std::string("right"));
        QCOMPARE(d.settings.SeperatorNews, std::string());
        QCOMPARE(form->WebBrowser2->Address(), QStringLiteral("about:blank"));
        QCOMPARE(d.settings.Uebersicht, std::string("FALSE"));
        QVERIFY(form->Ubersichtedit->isHidden());
        QVERIFY(form->Nummerchk->isHidden());
        QCOMPARE(d.settings.Anchoralign, std::string("center"));
        QCOMPARE(d.settings.Berteff, std::string("Neu"));
        QCOMPARE(d.editor.Headline, std::string("Andere"));

        form->DateCheckBox->setChecked(false);
        QVERIFY(!form->DateEdit->isEnabled());
        QVERIFY(!form->DateAnzeigeEdit->isEnabled());
        form->BorderCheckBox->setChecked(false);
        QVERIFY(form->BorderEdit->isHidden());
        form->AnchorChk->setChecked(false);
        QVERIFY(form->AnchorEdt->isHidden());
        QVERIFY(form->lbl2->isHidden());
    }

    void loadingSetsAlignmentsAndListsAsDescribed() {
        auto form = Start();
        form->Left1RadioButton->click();  // header graphic left before the next load
        const std::string t = world->Write("home/t.qrx",
                                           "[SETTINGS]\r\nLogoAlign=\r\nSeperatorAlign=right\r\nImpressumAlign=center\r\n"
                                           "Font=Georgia\r\nAnchoralign=center\r\nDateOn=true\r\nBorder=TRUE\r\n");
        auto& s = form->Session();
        s.Doc().currentFile = t;
        s.LoadTemplate();
        auto& d = form->Doc();
        QVERIFY(form->Left1RadioButton->isChecked());  // empty value keeps the previous button
        QCOMPARE(d.settings.LogoAlign, std::string("left"));  // ... and takes its word
        QVERIFY(form->Right2RadioButton->isChecked());
        QCOMPARE(form->AnchorAlignCmbbx->currentIndex(), 1);
        QCOMPARE(form->FontPanel->text(), QStringLiteral("Georgia"));
        QVERIFY(form->FontComboBox->currentText() != QStringLiteral("Georgia"));
        QVERIFY(!form->DateCheckBox->isChecked());
        QVERIFY(form->BorderCheckBox->isChecked());
        QVERIFY(!form->BorderEdit->isHidden());
    }
};

QTEST_MAIN(TMainFormUiTest)
#include "TMainFormUiTest.moc"
