#include "document/TextFile.h"
#include "mainwindow/TMainForm.h"
#include "shell/Catalogue.h"
#include "shell/QtLanguageDispatcher.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

namespace {

// Every text a person reads in the window, by the control that shows it.
QList<QPair<QString, QString>> VisibleTexts(TMainForm& form) {
    QList<QPair<QString, QString>> out;
    auto add = [&](const QObject* o, const QString& text) {
        if (!text.trimmed().isEmpty()) out.append({o->objectName(), text});
    };
    for (auto* b : form.findChildren<QAbstractButton*>()) {
        add(b, b->text());
        add(b, b->toolTip());
    }
    for (auto* l : form.findChildren<QLabel*>())
        if (l->pixmap().isNull()) add(l, l->text());
    for (auto* g : form.findChildren<QGroupBox*>()) add(g, g->title());
    for (auto* a : form.findChildren<QAction*>())
        if (!a->menu()) add(a, a->text());  // a menu's own action shows the menu's title
    for (auto* m : form.findChildren<QMenu*>()) add(m, m->title());
    for (auto* c : form.findChildren<QComboBox*>()) {
        add(c, c->toolTip());
        if (!c->isEditable() || c->objectName() == "ComboBox2")
            for (int i = 0; i < c->count(); ++i) add(c, c->itemText(i));
    }
    for (auto* t : {form.AdvToolBarPager1, form.pgc1})
        for (int i = 0; i < t->count(); ++i) add(t->widget(i), t->tabText(i));
    return out;
}

}  // namespace

class MainLanguageUiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolders> world;
    ScriptedDialogs dialogs;

private slots:
    void init() {
        world = std::make_unique<TestFolders>();
        QtLanguageDispatcher::Shared().SetLanguage(Language::German);
    }
    void cleanup() { world.reset(); }

    void everyTextOfTheWindowIsInTheCatalogue() {
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        const Catalogue* cat = FindCatalogue("TMainForm");
        QVERIFY(cat);
        QCOMPARE(QtLanguageDispatcher::MissingControls(&form, *cat).join(","), QString());
        // Texts that show data, not interface: font names, the preview of the font,
        // the formatting buttons' letters and numbers.
        const QStringList data = {"FontComboBox", "FontPanel", "cmbFontSize", "ComboBox1"};
        QStringList uncovered;
        for (const auto& [name, text] : VisibleTexts(form)) {
            const std::string key = name.toStdString();
            const bool covered = cat->Find(TextKind::Caption, key) || cat->Find(TextKind::Hint, key) ||
                                 cat->FindList(key + ".Items") || cat->Untranslated().count(key) ||
                                 data.contains(name);
            if (!covered) uncovered << QStringLiteral("%1: \"%2\"").arg(name, text);
        }
        QCOMPARE(uncovered.join(QStringLiteral(", ")), QString());
    }

    void switchingGoesBothWaysAndIsRemembered() {
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        const QString ini = QString::fromStdString(world->Folders().prog + "Language.ini");
        const auto germanTexts = VisibleTexts(form);
        QCOMPARE(form.mitOutlookExpressversenden1->text(), QStringLiteral("mit Windows Mail versenden"));

        form.English1->trigger();
        QCOMPARE(ReadFileBytes(ini.toStdString()), std::string("English\r\n"));
        QVERIFY(form.English1->isChecked() && !form.Deutsch1->isChecked());
        QCOMPARE(form.AdvToolBarPager1->tabText(0), QStringLiteral("Newsblocks"));
        QCOMPARE(form.AdvToolBarPager1->tabText(4), QStringLiteral("Preview"));
        QCOMPARE(form.AnchorAlignCmbbx->itemText(1), QStringLiteral("center"));
        QCOMPARE(form.NewBitBtn->text().isEmpty(), false);
        QVERIFY(form.NewBitBtn->text() != QStringLiteral("Neue Meldung"));
        // Start-up put IDS_0 there; the switch brings the catalogue caption back.
        QCOMPARE(form.mitOutlookExpressversenden1->text(), QStringLiteral("send with Outlook Express"));
        // Kept as they are in every language.
        QCOMPARE(form.Deutsch1->text(), QStringLiteral("Deutsch"));
        QCOMPARE(form.findChild<QMenu*>("Language1")->title(), QStringLiteral("Language"));

        // Every entry with its own English text shows it now.
        const Catalogue* cat = FindCatalogue("TMainForm");
        const auto englishTexts = VisibleTexts(form);
        int changed = 0;
        for (const auto& [name, text] : englishTexts) {
            const auto* pair = cat->Find(TextKind::Caption, name.toStdString());
            if (!pair || pair->english.empty() || pair->english == pair->german) continue;
            if (text == QString::fromUtf8(pair->german.c_str())) QFAIL(qPrintable(name + " still German"));
            ++changed;
        }
        QVERIFY(changed > 30);

        form.Deutsch1->trigger();
        QCOMPARE(ReadFileBytes(ini.toStdString()), std::string("Deutsch\r\n"));
        QCOMPARE(form.AdvToolBarPager1->tabText(0), QStringLiteral("Newsmeldungen"));
        QCOMPARE(form.AnchorAlignCmbbx->itemText(1), QStringLiteral("mittig"));
    }

    void aLaterWindowFollowsTheActiveLanguage() {
        QtLanguageDispatcher::Shared().SetLanguage(Language::English);
        TMainForm form(world->Folders(), dialogs, ProductInfo(), QString());
        QCOMPARE(form.AdvToolBarPager1->tabText(1), QStringLiteral("Header and footer"));
        QVERIFY(form.English1->isChecked());
        QtLanguageDispatcher::Shared().SetLanguage(Language::German);
    }
};

QTEST_MAIN(MainLanguageUiTest)
#include "MainLanguageUiTest.moc"
