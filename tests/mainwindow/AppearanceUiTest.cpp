#include "mainwindow/ColorPanel.h"
#include "mainwindow/TMainForm.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

class AppearanceUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

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

    void colourButtonsShareOneDialogAndWarnOnInvisibleText() {
        auto& s = form->Doc().settings;
        s.BKGColor = "#FFFFFF";
        dialogs.colors.push_back(0x0000FF);  // red (red in the low byte)
        form->TextcolorButton->click();
        QCOMPARE(s.TextColor, std::string("#FF0000"));
        QCOMPARE(form->TextColorPanel->Color(), QColor(255, 0, 0));
        QVERIFY(form->Doc().modified);

        // The next dialog opens with the colour chosen last, whichever button it was.
        form->Doc().modified = false;
        dialogs.colors.push_back(0xFFFFFF);
        dialogs.answers.push_back(Answer::No);
        form->LinkColorPanel->clicked();
        QCOMPARE(dialogs.colorInitials.back(), 0x0000FF);
        QCOMPARE(dialogs.Count("question"), 1);  // white links on white ground
        QVERIFY(s.LinkColor != "#FFFFFF");
        QVERIFY(!form->Doc().modified);

        dialogs.colors.push_back(std::nullopt);  // cancelled
        form->BorderButton->click();
        QVERIFY(!form->Doc().modified);
    }

    void borderWidthAcceptsDigitsOnlyAndStepsWithTheArrows() {
        form->BorderCheckBox->setChecked(true);
        form->BorderEdit->setText("5");
        QTest::keyClicks(form->BorderEdit, "x");
        QCOMPARE(form->BorderEdit->text(), QStringLiteral("5"));
        QCOMPARE(dialogs.Count("information"), 1);
        QCOMPARE(dialogs.shown.back().text, std::string("Bitte geben Sie nur Zahlen ein!"));
        form->Doc().modified = false;
        form->BorderUpDown->findChild<QToolButton*>("BorderUpDownUp")->click();
        QCOMPARE(form->BorderEdit->text(), QStringLiteral("6"));
        QCOMPARE(form->Doc().settings.Bordesize, std::string("6"));
        QVERIFY(form->Doc().modified);
        form->BorderUpDown->findChild<QToolButton*>("BorderUpDownDown")->click();
        QCOMPARE(form->BorderEdit->text(), QStringLiteral("5"));
    }

    void subjectRulesAndExtensionList() {
        form->BetreffEdit->setText(QStringLiteral("Grüße & mehr"));
        QVERIFY(!form->BetreffEdit->text().contains(QLatin1Char('&')));
        QVERIFY(!form->BetreffEdit->text().contains(QStringLiteral("ü")));
        QCOMPARE(dialogs.Count("error"), 1);  // the compatibility notice
        const QString before = form->BetreffEdit->text();
        form->ComboBox2->setCurrentIndex(2);
        form->ComboBox2->textActivated(form->ComboBox2->currentText());
        QCOMPARE(form->BetreffEdit->text(), QStringLiteral("[Werbung] ") + before);
        QCOMPARE(form->ComboBox2->currentIndex(), 0);  // the list rests on its first entry
    }

    void hintButtonsShowTheirTexts() {
        for (QPushButton* b : {form->BitBtn10, form->HilfeBitBtn, form->helpbtn1, form->BitBtn8, form->BitBtn9}) b->click();
        QCOMPARE(dialogs.Count("message"), 5);
        for (const auto& shown : dialogs.shown) {
            QVERIFY(shown.text.size() > 40);
            QVERIFY(shown.text.find("IDS_") == std::string::npos);
        }
    }
};

QTEST_MAIN(AppearanceUiTest)
#include "AppearanceUiTest.moc"
