#include "shell/Catalogue.h"
#include "shell/QtLanguageDispatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace quillora;

namespace {

const char* const kTexts = R"TEXTS(
[Untranslated]
TestForm
LanguageMenu
GermanItem
[Captions]
FileMenu
de "Datei"
en "File"
OpenItem
de "Öffnen"
en "Open"
SaveButton
de "Speichern"
en "Save"
FallbackButton
de "Übernehmen"
en ""
NameLabel
de "Bezeichnung:"
en "Name:"
FrameBox
de "Rahmen"
en "Frame"
DateCheck
de "Datum anzeigen"
en "Show date"
FirstPage
de "Newsmeldungen"
en "Newsblocks"
SecondPage
de "Vorschau"
en "Preview"
SmallDialog
de "Kleiner Dialog"
en "Small dialog"
[Hints]
SaveButton
de "Vorlage speichern"
en "Save template"
OpenItem
de "Datei öffnen"
en "Open a file"
[Lists]
AlignBox.Items
de links,mittig,rechts
en left,center,right
SubjectBox.Items
de "Betreff erweitern",[Werbung],[Newsletter]
en "Enhance Subject",[Commercial]
SizeBox.Items
de Schriftgröße,1,"2 (Standard)"
en Fontsize,1,"2 (Standard)"
)TEXTS";

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A window with one control of every kind the dispatcher handles, each showing its
// designer text until the catalogue is applied.
struct TestWindow {
    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    QMenu* fileMenu = nullptr;
    QAction* openItem = nullptr;
    QMenu* languageMenu = nullptr;
    QAction* germanItem = nullptr;
    QPushButton* save = nullptr;
    QPushButton* fallback = nullptr;
    QLabel* name = nullptr;
    QLabel* codeLabel = nullptr;
    QGroupBox* frame = nullptr;
    QCheckBox* date = nullptr;
    QTabWidget* tabs = nullptr;
    QComboBox* align = nullptr;
    QComboBox* subject = nullptr;
    QComboBox* size = nullptr;

    TestWindow() {
        Named(window.get(), "TestForm")->setWindowTitle(QStringLiteral("Quillora pro [a.qrx]"));
        fileMenu = Named(window->menuBar()->addMenu(QStringLiteral("designer")), "FileMenu");
        openItem = Named(fileMenu->addAction(QStringLiteral("designer")), "OpenItem");
        languageMenu = Named(window->menuBar()->addMenu(QStringLiteral("Language")), "LanguageMenu");
        germanItem = Named(languageMenu->addAction(QStringLiteral("Deutsch")), "GermanItem");

        auto* central = new QWidget;
        auto* l = new QVBoxLayout(central);
        save = Named(new QPushButton(QStringLiteral("designer")), "SaveButton");
        fallback = Named(new QPushButton(QStringLiteral("designer")), "FallbackButton");
        name = Named(new QLabel(QStringLiteral("designer")), "NameLabel");
        codeLabel = Named(new QLabel(QStringLiteral("Neue  Meldung:")), "CodeLabel");
        frame = Named(new QGroupBox(QStringLiteral("designer")), "FrameBox");
        date = Named(new QCheckBox(QStringLiteral("designer")), "DateCheck");
        (new QVBoxLayout(frame))->addWidget(date);
        tabs = new QTabWidget;
        tabs->addTab(Named(new QWidget, "FirstPage"), QStringLiteral("designer"));
        tabs->addTab(Named(new QWidget, "SecondPage"), QStringLiteral("designer"));
        align = Named(new QComboBox, "AlignBox");
        align->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        align->setCurrentIndex(2);
        subject = Named(new QComboBox, "SubjectBox");
        subject->setEditable(true);
        size = Named(new QComboBox, "SizeBox");
        size->setEditable(true);
        for (QWidget* w : std::initializer_list<QWidget*>{save, fallback, name, codeLabel, frame, tabs, align, subject, size})
            l->addWidget(w);
        window->setCentralWidget(central);
    }
};

}  // namespace

class LanguageUiTest : public QObject {
    Q_OBJECT

private:
    Catalogue catalogue_ = Catalogue::Parse("Test", kTexts);

private slots:
    void init() { SetActiveLanguage(Language::German); }
    void cleanup() { SetActiveLanguage(Language::German); }

    void switchReachesEveryRegisteredWindow() {
        QtLanguageDispatcher dispatcher;
        TestWindow w;
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("SmallDialog"));
        auto* dialogSave = Named(new QPushButton(QStringLiteral("designer"), &dialog), "SaveButton");

        dispatcher.Register(w.window.get(), catalogue_);
        dispatcher.Register(&dialog, catalogue_);
        QCOMPARE(w.save->text(), QStringLiteral("Speichern"));
        QCOMPARE(w.fileMenu->title(), QStringLiteral("Datei"));
        QCOMPARE(w.openItem->text(), QStringLiteral("Öffnen"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kleiner Dialog"));

        dispatcher.SetLanguage(Language::English);
        QCOMPARE(ActiveLanguage(), Language::English);
        QCOMPARE(w.fileMenu->title(), QStringLiteral("File"));
        QCOMPARE(w.openItem->text(), QStringLiteral("Open"));
        QCOMPARE(w.openItem->toolTip(), QStringLiteral("Open a file"));
        QCOMPARE(w.save->text(), QStringLiteral("Save"));
        QCOMPARE(w.save->toolTip(), QStringLiteral("Save template"));
        QCOMPARE(w.fallback->text(), QStringLiteral("Übernehmen"));
        QCOMPARE(w.name->text(), QStringLiteral("Name:"));
        QCOMPARE(w.frame->title(), QStringLiteral("Frame"));
        QCOMPARE(w.date->text(), QStringLiteral("Show date"));
        QCOMPARE(w.tabs->tabText(0), QStringLiteral("Newsblocks"));
        QCOMPARE(w.tabs->tabText(1), QStringLiteral("Preview"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Small dialog"));
        QCOMPARE(dialogSave->text(), QStringLiteral("Save"));

        // Left alone: untranslated, or placed by code.
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Quillora pro [a.qrx]"));
        QCOMPARE(w.languageMenu->title(), QStringLiteral("Language"));
        QCOMPARE(w.germanItem->text(), QStringLiteral("Deutsch"));
        QCOMPARE(w.codeLabel->text(), QStringLiteral("Neue  Meldung:"));

        dispatcher.SetLanguage(Language::German);
        QCOMPARE(w.save->text(), QStringLiteral("Speichern"));
        QCOMPARE(w.tabs->tabText(1), QStringLiteral("Vorschau"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kleiner Dialog"));
    }

    void laterWindowFollowsTheActiveLanguage() {
        QtLanguageDispatcher dispatcher;
        auto gone = std::make_unique<TestWindow>();
        dispatcher.Register(gone->window.get(), catalogue_);
        gone.reset();

        dispatcher.SetLanguage(Language::English);
        TestWindow later;
        dispatcher.Register(later.window.get(), catalogue_);
        QCOMPARE(later.save->text(), QStringLiteral("Save"));
        QCOMPARE(later.align->currentText(), QStringLiteral("right"));

        dispatcher.SetLanguage(Language::German);
        QCOMPARE(later.save->text(), QStringLiteral("Speichern"));
    }

    void listsKeepTheChoiceWithoutAChangeEvent() {
        QtLanguageDispatcher dispatcher;
        TestWindow w;
        dispatcher.Register(w.window.get(), catalogue_);
        QCOMPARE(w.align->count(), 3);
        QCOMPARE(w.align->currentText(), QStringLiteral("rechts"));
        w.subject->setCurrentIndex(2);
        w.size->setCurrentIndex(1);
        w.size->setEditText(QStringLiteral("13"));

        // The subject list's change handler would put the item before the subject.
        QSignalSpy indexChanged(w.subject, &QComboBox::currentIndexChanged);
        QSignalSpy textChanged(w.subject, &QComboBox::currentTextChanged);
        QSignalSpy editChanged(w.subject, &QComboBox::editTextChanged);
        dispatcher.SetLanguage(Language::English);
        QCOMPARE(indexChanged.count(), 0);
        QCOMPARE(textChanged.count(), 0);
        QCOMPARE(editChanged.count(), 0);

        QCOMPARE(w.align->itemText(0), QStringLiteral("left"));
        QCOMPARE(w.align->currentIndex(), 2);
        QCOMPARE(w.align->currentText(), QStringLiteral("right"));
        // The English list is shorter: the last item takes the choice.
        QCOMPARE(w.subject->count(), 2);
        QCOMPARE(w.subject->currentText(), QStringLiteral("[Commercial]"));
        QCOMPARE(w.size->itemText(0), QStringLiteral("Fontsize"));
        QCOMPARE(w.size->currentText(), QStringLiteral("13"));
    }

    void builtInCatalogueByName() {
        QtLanguageDispatcher dispatcher;
        QDialog prompt;
        prompt.setObjectName(QStringLiteral("CloseForm"));
        auto* text = Named(new QLabel(&prompt), "Label1");
        auto* saveAs = Named(new QPushButton(&prompt), "SpeichernUnterBitBtn");
        for (const char* name : {"JaBitBtn", "NeinBitBtn", "AbbrechenBitBtn"}) Named(new QPushButton(&prompt), name);

        QVERIFY(!dispatcher.Register(&prompt, QStringLiteral("TNoSuchForm")));
        QVERIFY(dispatcher.Register(&prompt, QStringLiteral("TCloseForm")));
        QCOMPARE(text->text(), QStringLiteral("Wollen Sie die Änderungen in dieser Vorlage speichern?"));
        QCOMPARE(saveAs->text(), QStringLiteral("Speichern unter..."));
        dispatcher.SetLanguage(Language::English);
        QCOMPARE(saveAs->text(), QStringLiteral("Save as..."));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Quillora pro"));
        QVERIFY(QtLanguageDispatcher::MissingControls(&prompt, *FindCatalogue("TCloseForm")).isEmpty());

        delete saveAs;
        QCOMPARE(QtLanguageDispatcher::MissingControls(&prompt, *FindCatalogue("TCloseForm")),
                 QStringList{QStringLiteral("SpeichernUnterBitBtn")});
    }

    void textOfSeveralLines() {
        QtLanguageDispatcher dispatcher;
        QDialog tip;
        tip.setObjectName(QStringLiteral("TipForm"));
        auto* text = Named(new QLabel(&tip), "Memo1");
        QVERIFY(dispatcher.Register(&tip, QStringLiteral("TTipForm")));
        QCOMPARE(text->text().split(QLatin1Char('\n')).size(), 7);
        QVERIFY(text->text().contains(QStringLiteral("auf den Button \"Vorlage öffnen\".\n\n\nSie können")));
        dispatcher.SetLanguage(Language::English);
        QCOMPARE(text->text(), QStringLiteral("Use one of the provided Newsletter Templates. To use them just click "
                                              "the Menuitem \n\"Open Template\" in the \"File\" section\n\n"
                                              "Naturally you can use your own companygraphics as well."));
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip"));
    }
};

QTEST_MAIN(LanguageUiTest)
#include "LanguageUiTest.moc"
