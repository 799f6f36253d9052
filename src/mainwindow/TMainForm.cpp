#include "mainwindow/TMainForm.h"

#include "delivery/EmlBuilder.h"
#include "delivery/MsgBuilder.h"
#include "delivery/RssFeed.h"
#include "delivery/TextVersion.h"
#include "document/TemplateFile.h"
#include "document/TemplatePaths.h"
#include "document/TextFile.h"
#include "mainwindow/ColorPanel.h"
#include "mainwindow/PicturePreview.h"
#include "render/Cp1252.h"
#include "render/BorderWidth.h"
#include "render/Colors.h"
#include "render/PageGenerator.h"
#include "render/SubjectRules.h"
#include "render/TextConversions.h"
#include "shell/LanguageSettings.h"
#include "shell/QtLanguageDispatcher.h"
#include "shell/Startup.h"
#include "shell/TextCatalogue.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QUrl>
#include <QWebEngineView>

namespace quillora {
namespace {

QString Q(const std::string& cp1252) { return Cp1252ToQString(cp1252); }
std::string S(const QString& text) { return QStringToCp1252(text); }

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent = nullptr) {
    return Named(new QPushButton(caption, parent), name);
}

QLineEdit* Edit(const char* name) { return Named(new QLineEdit, name); }

QToolButton* Tool(const char* name, const QString& text, const QString& hint) {
    auto* b = Named(new QToolButton, name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

// Two small arrow buttons, the border width's up/down control.
class UpDown : public QWidget {
public:
    explicit UpDown(const char* name) {
        setObjectName(QString::fromLatin1(name));
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
        up = new QToolButton;
        up->setArrowType(Qt::UpArrow);
        up->setObjectName(QStringLiteral("%1Up").arg(objectName()));
        down = new QToolButton;
        down->setArrowType(Qt::DownArrow);
        down->setObjectName(QStringLiteral("%1Down").arg(objectName()));
        for (auto* b : {up, down}) {
            b->setFixedSize(18, 12);
            l->addWidget(b);
        }
        setFixedSize(18, 24);
    }
    QToolButton* up;
    QToolButton* down;
};

}  // namespace

TMainForm::TMainForm(const AppFolders& folders, UserDialogs& dialogs, ProductInfo product,
                     const QString& argument, QWidget* parent)
    : QMainWindow(parent), session_(folders, dialogs), product_(std::move(product)) {
    setObjectName(QStringLiteral("MainForm"));
    session_.SetListener(this);
    BuildMenus();
    BuildFrame();
    WireUpdateRules();
    QtLanguageDispatcher::Shared().Register(this, QStringLiteral("TMainForm"));
    FormCreate(argument);
}

TMainForm::~TMainForm() { session_.SetListener(nullptr); }

// ---------------------------------------------------------------- building

void TMainForm::BuildMenus() {
    auto* bar = menuBar();
    auto* datei = bar->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    auto act = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    NeueVorlage2 = act(datei, "NeueVorlage2", QStringLiteral("Neue Vorlage"));
    Vorlageffnen2 = act(datei, "Vorlageffnen2", QStringLiteral("Vorlage öffnen"));
    Mustervorlageffnen1 = act(datei, "Mustervorlageffnen1", QStringLiteral("Mustervorlage öffnen"));
    datei->addSeparator();
    Vorlagespeichern1 = act(datei, "Vorlagespeichern1", QStringLiteral("Vorlage speichern"));
    Vorlagespeichern1->setShortcut(QKeySequence::Save);
    Vorlagespeichernunter2 = act(datei, "Vorlagespeichernunter2", QStringLiteral("Vorlage speichern unter..."));
    datei->addSeparator();
    auto* export1 = datei->addMenu(QStringLiteral("Exportieren als..."));
    export1->setObjectName(QStringLiteral("Exportierenals1"));
    HTMLDatei1 = act(export1, "HTMLDatei1", QStringLiteral("HTML Datei"));
    extDatei1 = act(export1, "extDatei1", QStringLiteral("Text Datei"));
    Exportieren1 = act(export1, "Exportieren1", QStringLiteral("E-Mail Datei"));
    datei->addSeparator();
    Programmbeenden1 = act(datei, "Programmbeenden1", QStringLiteral("Programm beenden"));
    connect(Programmbeenden1, &QAction::triggered, this, &QWidget::close);

    auto* expert = bar->addMenu(QStringLiteral("Expertenoptionen"));
    expert->setObjectName(QStringLiteral("Expertenoptionen1"));
    auto* external = expert->addMenu(QStringLiteral("Newsletter mit externen Bildern"));
    external->setObjectName(QStringLiteral("NewslettermitexternenBildern1"));
    mitOutlookExpressversenden1 =
        act(external, "mitOutlookExpressversenden1", QStringLiteral("mit Outlook Express versenden"));
    mitOutlookversenden2 = act(external, "mitOutlookversenden2", QStringLiteral("mit Outlook versenden"));
    OutlookExpressVorlagespeichern1 =
        act(external, "OutlookExpressVorlagespeichern1", QStringLiteral("Outlook Express Datei speichern..."));
    OutlookVorlagespeichern1 =
        act(external, "OutlookVorlagespeichern1", QStringLiteral("Outlook Datei speichern..."));
    RSSFeedausNewsletter1 = act(expert, "RSSFeedausNewsletter1", QStringLiteral("RSS-Feed aus Newsletter"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    mitOutlookversenden1 = act(PopupMenu1, "mitOutlookversenden1", QStringLiteral("mit Outlook versenden"));
    mitOulookExpressversenden1 =
        act(PopupMenu1, "mitOulookExpressversenden1", QStringLiteral("mit Outlook Express versenden"));

    auto* language = bar->addMenu(QStringLiteral("Language"));
    language->setObjectName(QStringLiteral("Language1"));
    Deutsch1 = act(language, "Deutsch1", QStringLiteral("Deutsch"));
    English1 = act(language, "English1", QStringLiteral("English"));
    Deutsch1->setData(1);
    English1->setData(2);
    Deutsch1->setCheckable(true);
    English1->setCheckable(true);

    auto* hilfe = bar->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    Hilfedatei1 = act(hilfe, "Hilfedatei1", QStringLiteral("Hilfedatei"));
    Hilfedatei1->setShortcut(QKeySequence::HelpContents);
    hilfe->addSeparator();
    Update1 = act(hilfe, "Update1", QStringLiteral("Jetzt auf Updates überprüfen"));
    NachUpdatessuchen1 =
        act(hilfe, "NachUpdatessuchen1", QStringLiteral("beim Programmstart auf Updates überprüfen"));
    NachUpdatessuchen1->setCheckable(true);
    hilfe->addSeparator();
    Info2 = act(hilfe, "Info2", QStringLiteral("Info"));
}

void TMainForm::BuildFrame() {
    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 0);
    outer->setSpacing(6);

    Panel1 = Named(new QWidget, "Panel1");
    auto* top = new QHBoxLayout(Panel1);
    top->setContentsMargins(0, 0, 0, 0);
    Image2 = Named(new QLabel, "Image2");
    Image2->setFixedHeight(60);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->addWidget(Image2, 1);
    outer->addWidget(Panel1);

    AdvToolBar1 = Named(new QWidget, "AdvToolBar1");
    auto* tools = new QHBoxLayout(AdvToolBar1);
    tools->setContentsMargins(0, 0, 0, 0);
    DBAdvGlowButton1 = Button("DBAdvGlowButton1", QStringLiteral("Volage öffnen"));
    AdvGlowButton2 = Button("AdvGlowButton2", QStringLiteral("Mustervorlage öffnen"));
    AdvGlowButton3 = Button("AdvGlowButton3", QStringLiteral("Speichern"));
    SpeichernUnterBitBtn = Button("SpeichernUnterBitBtn", QStringLiteral("Speichern unter..."));
    HilfeGlowButton = Button("HilfeGlowButton", QStringLiteral("Hilfe"));
    DBAdvGlowButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    AdvGlowButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    AdvGlowButton3->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    HilfeGlowButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    StartMailBitBtn = Button("StartMailBitBtn", QStringLiteral("Einzelmail versenden"));
    ZusatzProgrammeBitBtn = Button("ZusatzProgrammeBitBtn", QStringLiteral("Serienmail Programm starten"));
    for (auto* b : {DBAdvGlowButton1, AdvGlowButton2, AdvGlowButton3, SpeichernUnterBitBtn}) tools->addWidget(b);
    tools->addSpacing(16);
    tools->addWidget(StartMailBitBtn);
    tools->addWidget(ZusatzProgrammeBitBtn);
    tools->addStretch(1);
    tools->addWidget(HilfeGlowButton);
    outer->addWidget(AdvToolBar1);

    AdvToolBarPager1 = Named(new QTabWidget, "AdvToolBarPager1");
    AdvToolBarPager1->setDocumentMode(true);
    AdvToolBarPager11 = Named(BuildNewsPage(), "AdvToolBarPager11");
    AdvToolBarPager12 = Named(BuildHeaderFooterPage(), "AdvToolBarPager12");
    AdvToolBarPager13 = Named(BuildGraphicsPage(), "AdvToolBarPager13");
    AdvPage1 = Named(BuildColorsPage(), "AdvPage1");
    AdvPage2 = Named(BuildPreviewPage(), "AdvPage2");
    AdvPage3 = Named(new QWidget, "AdvPage3");
    {
        auto* l = new QVBoxLayout(AdvPage3);
        auto* wait = Named(new QLabel(QStringLiteral("Bitte warten...")), "Label1");
        wait->setAlignment(Qt::AlignCenter);
        QFont f = wait->font();
        f.setPointSize(f.pointSize() + 6);
        wait->setFont(f);
        l->addWidget(wait);
    }
    AdvPage4 = Named(new QWidget, "AdvPage4");
    AdvToolBarPager1->addTab(AdvToolBarPager11, QStringLiteral("Newsmeldungen"));
    AdvToolBarPager1->addTab(AdvToolBarPager12, QStringLiteral("Kopf- u. Fußzeile"));
    AdvToolBarPager1->addTab(AdvToolBarPager13, QStringLiteral("Grafiken"));
    AdvToolBarPager1->addTab(AdvPage1, QStringLiteral("Farben und Schriften"));
    AdvToolBarPager1->addTab(AdvPage2, QStringLiteral("Vorschau"));
    AdvToolBarPager1->addTab(AdvPage3, QStringLiteral("Einzelmail versenden"));
    AdvToolBarPager1->addTab(AdvPage4, QStringLiteral("Serienmail Programm starten"));
    outer->addWidget(AdvToolBarPager1, 1);

    Panel2 = Named(new QStatusBar, "Panel2");
    setStatusBar(static_cast<QStatusBar*>(Panel2));
    setCentralWidget(central);
    resize(1120, 780);
    setMinimumSize(900, 600);
}

QWidget* TMainForm::BuildNewsPage() {
    auto* page = new QWidget;
    auto* split = new QSplitter(Qt::Horizontal);
    auto* l = new QHBoxLayout(page);
    l->addWidget(split);

    auto* left = new QWidget;
    auto* ll = new QVBoxLayout(left);
    ll->setContentsMargins(0, 0, 0, 0);
    auto* listLabel = Named(new QLabel(QStringLiteral("Meldungen des Newsletters:")), "BlockListLabel");
    ll->addWidget(listLabel);
    ListBox1 = Named(new QListWidget, "ListBox1");
    ListBox1->setMinimumWidth(240);
    ll->addWidget(ListBox1, 1);
    auto* buttons = new QGridLayout;
    NewBitBtn = Button("NewBitBtn", QStringLiteral("Neue Meldung"));
    DeleteBitBtn = Button("DeleteBitBtn", QStringLiteral("Meldung löschen"));
    BitBtn6 = Button("BitBtn6", QString());
    BitBtn7 = Button("BitBtn7", QString());
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    BitBtn7->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    BitBtn6->setToolTip(QStringLiteral("Meldung nach oben verschieben"));
    BitBtn7->setToolTip(QStringLiteral("Meldung nach unten verschieben"));
    NewBitBtn->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    DeleteBitBtn->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    buttons->addWidget(NewBitBtn, 0, 0);
    buttons->addWidget(DeleteBitBtn, 0, 1);
    buttons->addWidget(BitBtn6, 1, 0);
    buttons->addWidget(BitBtn7, 1, 1);
    ll->addLayout(buttons);

    auto* overview = Named(new QGroupBox(QStringLiteral("Artikelübersicht")), "GroupBox1");
    auto* ol = new QFormLayout(overview);
    UebersichtCheckBox = Named(new QCheckBox(QStringLiteral("Übersicht der Meldungen einfügen")), "UebersichtCheckBox");
    Ubersichtedit = Edit("Ubersichtedit");
    Ubersichtedit->setPlaceholderText(QStringLiteral("Überschrift der Übersicht"));
    Nummerchk = Named(new QCheckBox(QStringLiteral("Einträge nummerieren")), "Nummerchk");
    ol->addRow(UebersichtCheckBox);
    ol->addRow(Ubersichtedit);
    ol->addRow(Nummerchk);
    ll->addWidget(overview);
    split->addWidget(left);
    split->addWidget(BuildBlockEditor());
    split->setStretchFactor(1, 1);
    return page;
}

QWidget* TMainForm::BuildBlockEditor() {
    EditorPanel = Named(new QWidget, "EditorPanel");
    auto* l = new QVBoxLayout(EditorPanel);
    l->setContentsMargins(0, 0, 0, 0);

    auto* fields = new QGridLayout;
    HeadLineEdit = Edit("HeadLineEdit");
    LinkTextEdit = Edit("LinkTextEdit");
    URLEdit = Edit("URLEdit");
    fields->addWidget(Named(new QLabel(QStringLiteral("Überschrift:")), "HeadLineLabel"), 0, 0);
    fields->addWidget(HeadLineEdit, 0, 1);
    fields->addWidget(Named(new QLabel(QStringLiteral("Linktext:")), "LinkTextLabel"), 1, 0);
    fields->addWidget(LinkTextEdit, 1, 1);
    fields->addWidget(Named(new QLabel(QStringLiteral("Link-Adresse:")), "URLLabel"), 2, 0);
    fields->addWidget(URLEdit, 2, 1);

    auto* picture = Named(new QGroupBox(QStringLiteral("Bild der Meldung")), "GroupBox8");
    auto* pl = new QGridLayout(picture);
    WebBrowser4 = new PicturePreview(QStringLiteral("WebBrowser4"));
    WebBrowser4->setFixedSize(180, 120);
    BitBtn2 = Button("BitBtn2", QStringLiteral("Bild öffnen"));
    BitBtn5 = Button("BitBtn5", QStringLiteral("kein Bild verwenden"));
    RbPicLeft = Named(new QRadioButton(QStringLiteral("Bild links")), "RbPicLeft");
    RBPicRigth = Named(new QRadioButton(QStringLiteral("Bild rechts")), "RBPicRigth");
    RbPicLeft->setChecked(true);
    pl->addWidget(WebBrowser4, 0, 0, 4, 1);
    pl->addWidget(BitBtn2, 0, 1);
    pl->addWidget(BitBtn5, 1, 1);
    pl->addWidget(RbPicLeft, 2, 1);
    pl->addWidget(RBPicRigth, 3, 1);
    fields->addWidget(picture, 0, 2, 3, 1);
    fields->setColumnStretch(1, 1);
    l->addLayout(fields);

    pgc1 = Named(new QTabWidget, "pgc1");
    TabSheet9 = Named(new QWidget, "TabSheet9");
    TabSheet10 = Named(new QWidget, "TabSheet10");

    auto* wl = new QVBoxLayout(TabSheet9);
    HTMLPanel = Named(new QWidget, "HTMLPanel");
    auto* hp = new QHBoxLayout(HTMLPanel);
    hp->setContentsMargins(0, 0, 0, 0);
    hp->addWidget(Tool("btnBold", QStringLiteral("B"), QStringLiteral("Fettdruck")));
    hp->addWidget(Tool("btnItalic", QStringLiteral("I"), QStringLiteral("Kursiv")));
    hp->addWidget(Tool("btnUnderline", QStringLiteral("U"), QStringLiteral("Unterstrichen")));
    hp->addWidget(Tool("SpeedButton2", QStringLiteral("Farbe"), QStringLiteral("Textfarbe")));
    hp->addWidget(Tool("btnFontBackColor", QStringLiteral("Link"), QString()));
    hp->addWidget(Tool("btnLeft", QStringLiteral("Links"), QStringLiteral("Linksbündig")));
    hp->addWidget(Tool("btnCenter", QStringLiteral("Mitte"), QStringLiteral("Zentriert")));
    hp->addWidget(Tool("btnRight", QStringLiteral("Rechts"), QStringLiteral("Rechtsbündig")));
    hp->addWidget(Tool("btnBullets", QStringLiteral("•"), QStringLiteral("Aufzählung mit Punkten")));
    hp->addWidget(Tool("btnNumbering", QStringLiteral("1."), QStringLiteral("Nummerierte Aufzählung")));
    hp->addWidget(Tool("SpeedButton1", QStringLiteral("Größe"), QStringLiteral("Schriftgrösse")));
    cmbFontSize = Named(new QComboBox, "cmbFontSize");
    cmbFontSize->setEditable(true);
    cmbFontSize->setToolTip(QStringLiteral("Schriftgrösse"));
    for (const char* s : {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"})
        cmbFontSize->addItem(QString::fromLatin1(s));
    hp->addWidget(cmbFontSize);
    hp->addWidget(Tool("UndoButton", QStringLiteral("Undo"), QStringLiteral("Undo")));
    hp->addStretch(1);
    wl->addWidget(HTMLPanel);
    rve = Named(new QTextEdit, "rve");
    rve->setAcceptRichText(true);
    // Until the rich-text bridge writes back into the source, the body is edited on
    // the "HTML" tab; typing here would be lost at the next commit.
    rve->setReadOnly(true);
    wl->addWidget(rve, 1);

    auto* sl = new QVBoxLayout(TabSheet10);
    TextPanel = Named(new QWidget, "TextPanel");
    auto* tp = new QHBoxLayout(TextPanel);
    tp->setContentsMargins(0, 0, 0, 0);
    auto* toolBar1 = Named(new QWidget, "ToolBar1");
    auto* tb = new QHBoxLayout(toolBar1);
    tb->setContentsMargins(0, 0, 0, 0);
    tb->addWidget(Tool("ToolButton6", QStringLiteral("Farbe"), QStringLiteral("Textfarbe ändern")));
    tb->addWidget(Tool("ToolButton1", QStringLiteral("B"), QStringLiteral("Fett")));
    tb->addWidget(Tool("ToolButton2", QStringLiteral("I"), QStringLiteral("Kursiv")));
    tb->addWidget(Tool("ToolButton3", QStringLiteral("U"), QStringLiteral("Unterstrichen")));
    tb->addWidget(Tool("ToolButton7", QStringLiteral("Links"), QStringLiteral("Text linksbündig")));
    tb->addWidget(Tool("ToolButton8", QStringLiteral("Mitte"), QStringLiteral("Text zentriert")));
    tb->addWidget(Tool("ToolButton9", QStringLiteral("Rechts"), QStringLiteral("Text rechtsbündig")));
    tb->addWidget(Tool("ToolButton4", QStringLiteral("•"),
                       QStringLiteral("Aufzählung. Bitte markieren Sie jede Zeile einzeln, die einen "
                                      "Aufzählungspunkt erhalten soll!")));
    tb->addWidget(Tool("ToolButton10", QStringLiteral("Einzug"), QStringLiteral("Fügen Sie eine Einrückung hinzu!")));
    tb->addWidget(Tool("ToolButton5", QStringLiteral("Link"), QStringLiteral("Hyperlink einfügen")));
    auto* back = Tool("BackToolButton", QStringLiteral("Rückgängig"), QStringLiteral("Rückgänig [Strg +Z]"));
    back->setEnabled(false);
    tb->addWidget(back);
    tp->addWidget(toolBar1);
    ComboBox1 = Named(new QComboBox, "ComboBox1");
    for (const char* s : {"Schriftgröße", "1", "2 (Standard)", "3", "4", "5", "6", "7"})
        ComboBox1->addItem(QString::fromUtf8(s));
    tp->addWidget(ComboBox1);
    tp->addStretch(1);
    sl->addWidget(TextPanel);
    Memo1 = Named(new QPlainTextEdit, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    sl->addWidget(Memo1, 1);

    pgc1->addTab(TabSheet9, QStringLiteral("WYSIWYG"));
    pgc1->addTab(TabSheet10, QStringLiteral("HTML"));
    l->addWidget(pgc1, 1);
    return EditorPanel;
}

QWidget* TMainForm::BuildHeaderFooterPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* head = Named(new QGroupBox(QStringLiteral("Kopfzeile")), "GroupBox9");
    auto* hl = new QGridLayout(head);
    BetreffEdit = Edit("BetreffEdit");
    ComboBox2 = Named(new QComboBox, "ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setToolTip(QStringLiteral("Wählen Sie Ihre Betreff Erweiterung"));
    for (const auto& word : SubjectExtensions()) ComboBox2->addItem(Q(word));
    BitBtn10 = Button("BitBtn10", QStringLiteral("?"));
    BitBtn10->setFixedWidth(32);
    Titel1Edit = Edit("Titel1Edit");
    Titel2Edit = Edit("Titel2Edit");
    DateCheckBox = Named(new QCheckBox(QStringLiteral("Datum anzeigen")), "DateCheckBox");
    DateEdit = Edit("DateEdit");
    DateAnzeigeEdit = Named(new QDateEdit, "DateAnzeigeEdit");
    DateAnzeigeEdit->setCalendarPopup(true);
    hl->addWidget(Named(new QLabel(QStringLiteral("Betreff der E-Mail:")), "BetreffLabel"), 0, 0);
    hl->addWidget(BetreffEdit, 0, 1);
    hl->addWidget(ComboBox2, 0, 2);
    hl->addWidget(BitBtn10, 0, 3);
    hl->addWidget(Named(new QLabel(QStringLiteral("Anrede (1. Zeile):")), "Titel1Label"), 1, 0);
    hl->addWidget(Titel1Edit, 1, 1, 1, 3);
    hl->addWidget(Named(new QLabel(QStringLiteral("Überschrift / Einleitung:")), "Titel2Label"), 2, 0);
    hl->addWidget(Titel2Edit, 2, 1, 1, 3);
    hl->addWidget(DateCheckBox, 3, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DateEdit, 1);
    dateRow->addWidget(DateAnzeigeEdit);
    hl->addLayout(dateRow, 3, 1, 1, 3);
    hl->setColumnStretch(1, 1);
    grid->addWidget(head, 0, 0, 1, 2);

    GroupBox2 = Named(new QGroupBox(QStringLiteral("Fußzeile / Impressum")), "GroupBox2");
    auto* fl = new QFormLayout(GroupBox2);
    ImpressumEdit = Edit("ImpressumEdit");
    ZusatzEdit = Edit("ZusatzEdit");
    ImpressumMailToEdit = Edit("ImpressumMailToEdit");
    ImpressumURLEdit = Edit("ImpressumURLEdit");
    HilfeBitBtn = Button("HilfeBitBtn", QStringLiteral("Was sollte ausgefüllt werden?"));
    fl->addRow(Named(new QLabel(QStringLiteral("Impressum:")), "ImpressumLabel"), ImpressumEdit);
    fl->addRow(Named(new QLabel(QStringLiteral("Zusatztext:")), "ZusatzLabel"), ZusatzEdit);
    fl->addRow(Named(new QLabel(QStringLiteral("Kontakt E-Mail:")), "ImpressumMailToLabel"), ImpressumMailToEdit);
    fl->addRow(Named(new QLabel(QStringLiteral("Homepage:")), "ImpressumURLLabel"), ImpressumURLEdit);
    fl->addRow(QString(), HilfeBitBtn);
    grid->addWidget(GroupBox2, 1, 0);

    auto* right = new QVBoxLayout;
    GroupBox6 = Named(new QGroupBox(QStringLiteral("Unsubscribe Link (Newsletter abbestellen)")), "GroupBox6");
    auto* ul = new QFormLayout(GroupBox6);
    UnsubScribeLinkEdit = Edit("UnsubScribeLinkEdit");
    UnsubScribeTextEdit = Edit("UnsubScribeTextEdit");
    helpbtn1 = Button("helpbtn1", QStringLiteral("?"));
    helpbtn1->setFixedWidth(32);
    ul->addRow(Named(new QLabel(QStringLiteral("Link:")), "UnsubScribeLinkLabel"), UnsubScribeLinkEdit);
    ul->addRow(Named(new QLabel(QStringLiteral("Linktext:")), "UnsubScribeTextLabel"), UnsubScribeTextEdit);
    ul->addRow(QString(), helpbtn1);
    right->addWidget(GroupBox6);

    auto* anchors = Named(new QGroupBox(QStringLiteral("Sprungmarken")), "GroupBox10");
    auto* al = new QGridLayout(anchors);
    AnchorChk = Named(new QCheckBox(QStringLiteral("Sprungmarke \"nach oben\" unter jeder Meldung")), "AnchorChk");
    lbl1 = Named(new QLabel(QStringLiteral("Text:")), "lbl1");
    AnchorEdt = Edit("AnchorEdt");
    lbl2 = Named(new QLabel(QStringLiteral("Ausrichtung:")), "lbl2");
    AnchorAlignCmbbx = Named(new QComboBox, "AnchorAlignCmbbx");
    AnchorAlignCmbbx->addItems({QStringLiteral("links"), QStringLiteral("mittig"), QStringLiteral("rechts")});
    AnchorAlignCmbbx->setCurrentIndex(2);
    al->addWidget(AnchorChk, 0, 0, 1, 4);
    al->addWidget(lbl1, 1, 0);
    al->addWidget(AnchorEdt, 1, 1);
    al->addWidget(lbl2, 1, 2);
    al->addWidget(AnchorAlignCmbbx, 1, 3);
    al->setColumnStretch(1, 1);
    right->addWidget(anchors);
    right->addStretch(1);
    grid->addLayout(right, 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* TMainForm::BuildGraphicsPage() {
    auto* page = new QWidget;
    auto* l = new QVBoxLayout(page);
    QRadioButton** radios[3][3] = {
        {&Left1RadioButton, &Center1RadioButton, &Right1RadioButton},
        {&Left2RadioButton, &Center2RadioButton, &Right2RadioButton},
        {&Left3RadioButton, &Center3RadioButton, &Right3RadioButton}};
    const char* radioNames[3][3] = {{"Left1RadioButton", "Center1RadioButton", "Right1RadioButton"},
                                    {"Left2RadioButton", "Center2RadioButton", "Right2RadioButton"},
                                    {"Left3RadioButton", "Center3RadioButton", "Right3RadioButton"}};
    const char* groupNames[3] = {"GroupBox3", "GroupBox4", "GroupBox5"};
    const QString titles[3] = {QStringLiteral("Kopfgrafik"), QStringLiteral("Trenngrafik zwischen den Meldungen"),
                               QStringLiteral("Trenngrafik über dem Impressum")};
    PicturePreview** previews[3] = {&WebBrowser1, &WebBrowser2, &WebBrowser3};
    const char* previewNames[3] = {"WebBrowser1", "WebBrowser2", "WebBrowser3"};

    for (int g = 0; g < 3; ++g) {
        const char* boxNames[3] = {"KopfGrafikBox", "TrennGrafikBox", "ImpressumGrafikBox"};
        auto* box = Named(new QGroupBox(titles[g]), boxNames[g]);
        auto* bl = new QHBoxLayout(box);
        *previews[g] = new PicturePreview(QString::fromLatin1(previewNames[g]));
        (*previews[g])->setMinimumHeight(g == 0 ? 130 : 50);
        bl->addWidget(*previews[g], 1);
        auto* side = new QVBoxLayout;
        if (g == 0) {
            OpenKopfBitBtn = Button("OpenKopfBitBtn", QStringLiteral("Kopfgrafik öffnen"));
            side->addWidget(OpenKopfBitBtn);
        } else if (g == 1) {
            Open2BitBtn = Button("Open2BitBtn", QStringLiteral("Trenngrafik öffnen"));
            nopicbtn1 = Button("nopicbtn1", QStringLiteral("Keine Trenngrafik"));
            KopfTrennlinieCheckBox =
                Named(new QCheckBox(QStringLiteral("Trenngrafik auch unter dem Kopf")), "KopfTrennlinieCheckBox");
            side->addWidget(Open2BitBtn);
            side->addWidget(nopicbtn1);
            side->addWidget(KopfTrennlinieCheckBox);
        } else {
            Open3BitBtn = Button("Open3BitBtn", QStringLiteral("Trenngrafik öffnen"));
            side->addWidget(Open3BitBtn);
        }
        auto* align = Named(new QGroupBox(QStringLiteral("Ausrichtung")), groupNames[g]);
        auto* rl = new QHBoxLayout(align);
        alignGroups_[g] = new QButtonGroup(this);
        const QString words[3] = {QStringLiteral("links"), QStringLiteral("zentriert"), QStringLiteral("rechts")};
        for (int i = 0; i < 3; ++i) {
            *radios[g][i] = Named(new QRadioButton(words[i]), radioNames[g][i]);
            alignGroups_[g]->addButton(*radios[g][i], i);
            rl->addWidget(*radios[g][i]);
        }
        side->addWidget(align);
        side->addStretch(1);
        bl->addLayout(side);
        l->addWidget(box, g == 0 ? 2 : 1);
    }
    return page;
}

QWidget* TMainForm::BuildColorsPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* colors = Named(new QGroupBox(QStringLiteral("Farben")), "FarbenBox");
    auto* cl = new QGridLayout(colors);
    struct Row {
        QPushButton** button;
        const char* buttonName;
        const char* caption;
        ColorPanel** panel;
        const char* panelName;
    };
    const Row rows[] = {
        {&TextcolorButton, "TextcolorButton", "Text Farbe", &TextColorPanel, "TextColorPanel"},
        {&LinkColorButton, "LinkColorButton", "Link Farbe", &LinkColorPanel, "LinkColorPanel"},
        {&BKGColorButton, "BKGColorButton", "Hintergrund Farbe", &BKGColorPanel, "BKGColorPanel"},
        {&BorderButton, "BorderButton", "Rahmen Farbe", &BorderPanel, "BorderPanel"},
    };
    int r = 0;
    for (const auto& row : rows) {
        *row.button = Button(row.buttonName, QString::fromUtf8(row.caption));
        *row.panel = new ColorPanel(QString::fromLatin1(row.panelName));
        cl->addWidget(*row.button, r, 0);
        cl->addWidget(*row.panel, r, 1);
        ++r;
    }
    cl->setColumnStretch(1, 1);
    grid->addWidget(colors, 0, 0);

    auto* border = Named(new QGroupBox(QStringLiteral("Rahmen")), "RahmenBox");
    auto* bl = new QHBoxLayout(border);
    BorderCheckBox = Named(new QCheckBox(QStringLiteral("Rahmen um Newsletter")), "BorderCheckBox");
    BorderLabel = Named(new QLabel(QStringLiteral("Rahmenstärke:")), "BorderLabel");
    BorderEdit = Edit("BorderEdit");
    BorderEdit->setMaxLength(2);
    BorderEdit->setFixedWidth(40);
    BorderEdit->setText(QStringLiteral("1"));
    BorderUpDown = new UpDown("BorderUpDown");
    bl->addWidget(BorderCheckBox);
    bl->addSpacing(16);
    bl->addWidget(BorderLabel);
    bl->addWidget(BorderEdit);
    bl->addWidget(BorderUpDown);
    bl->addStretch(1);
    grid->addWidget(border, 1, 0);

    auto* font = Named(new QGroupBox(QStringLiteral("Schrift")), "SchriftBox");
    auto* fl = new QVBoxLayout(font);
    FontComboBox = Named(new QComboBox, "FontComboBox");
    FontComboBox->setEditable(true);
    for (const auto& f : FontListEntries()) FontComboBox->addItem(Q(f));
    FontPanel = Named(new QLabel(QStringLiteral("Arial")), "FontPanel");
    FontPanel->setFrameShape(QFrame::StyledPanel);
    FontPanel->setMinimumHeight(48);
    FontPanel->setAlignment(Qt::AlignCenter);
    fl->addWidget(FontComboBox);
    fl->addWidget(FontPanel);
    grid->addWidget(font, 0, 1);

    auto* hints = Named(new QGroupBox(QStringLiteral("Hinweise und Tipps")), "GroupBox7");
    auto* hl = new QVBoxLayout(hints);
    auto* advice = Named(new QLabel(QStringLiteral(
                             "Achten Sie auf einen guten Kontrast zwischen Text- und Hintergrundfarbe: "
                             "dunkle Schrift auf hellem Grund liest sich am besten. Verwenden Sie "
                             "wenige, aufeinander abgestimmte Farben.")),
                         "Label16");
    advice->setWordWrap(true);
    BitBtn8 = Button("BitBtn8", QStringLiteral("Wo sind die anderen Schriftarten?"));
    BitBtn9 = Button("BitBtn9", QStringLiteral("Warum kann ich nur eine Schrift wählen?"));
    hl->addWidget(advice);
    hl->addWidget(BitBtn8);
    hl->addWidget(BitBtn9);
    grid->addWidget(hints, 1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* TMainForm::BuildPreviewPage() {
    auto* page = new QWidget;
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(0, 0, 0, 0);
    WebBrowser5 = Named(new QWebEngineView, "WebBrowser5");
    l->addWidget(WebBrowser5);
    return page;
}

// ---------------------------------------------------------------- update rules

void TMainForm::Mark() {
    if (!refreshing_) Doc().modified = true;
}

void TMainForm::WireUpdateRules() {
    auto text = [this](QLineEdit* edit, std::string Settings::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& t) {
            if (refreshing_) return;
            Doc().settings.*field = S(t);
            Mark();
        });
    };
    connect(BetreffEdit, &QLineEdit::textChanged, this, &TMainForm::BetreffEditChange);
    text(Titel1Edit, &Settings::Titel1);
    text(Titel2Edit, &Settings::Titel2);
    text(DateEdit, &Settings::DateText);
    text(ImpressumEdit, &Settings::ImpressumText);
    text(ZusatzEdit, &Settings::ImpressumZusatz);
    text(ImpressumMailToEdit, &Settings::ImpressumMailTo);
    text(ImpressumURLEdit, &Settings::ImpressumURL);
    text(UnsubScribeTextEdit, &Settings::UnsubscribeText);
    text(UnsubScribeLinkEdit, &Settings::UnsubscribeLink);
    text(Ubersichtedit, &Settings::UebersichtText);
    text(AnchorEdt, &Settings::Anchortext);
    // Typing a width is stored at the next commit, so it marks too.
    text(BorderEdit, &Settings::Bordesize);

    auto block = [this](QLineEdit* edit, std::string NewsBlock::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& t) {
            if (refreshing_) return;
            Doc().editor.*field = S(t);
            Mark();
        });
    };
    block(HeadLineEdit, &NewsBlock::Headline);
    block(LinkTextEdit, &NewsBlock::LinkText);
    block(URLEdit, &NewsBlock::URL);
    connect(RBPicRigth, &QRadioButton::toggled, this, [this](bool right) {
        if (refreshing_) return;
        Doc().editor.PictureSide = right ? "right" : "left";
        Mark();
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_) return;
        // The body is one line: the editor's line breaks are not part of the HTML.
        Doc().editor.Body = S(Memo1->toPlainText().remove(QLatin1Char('\n')));
        Mark();
    });
    connect(rve, &QTextEdit::textChanged, this, [this] { Mark(); });

    auto flag = [this](QCheckBox* box, std::string Settings::*field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            if (refreshing_) return;
            Doc().settings.*field = BoolText(on);
            ApplyVisibility();
            Mark();
        });
    };
    flag(UebersichtCheckBox, &Settings::Uebersicht);
    flag(Nummerchk, &Settings::Nummern);
    flag(AnchorChk, &Settings::Anchor);
    auto state = [this](QCheckBox* box, bool Settings::*field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            if (refreshing_) return;
            Doc().settings.*field = on;
            ApplyVisibility();
            Mark();
        });
    };
    state(DateCheckBox, &Settings::DateOn);
    state(KopfTrennlinieCheckBox, &Settings::HeadSeperator);
    state(BorderCheckBox, &Settings::Border);

    connect(AnchorAlignCmbbx, &QComboBox::activated, this, [this](int index) {
        Doc().SelectAnchorAlign(index);
    });

    for (int g = 0; g < 3; ++g) {
        connect(alignGroups_[g], &QButtonGroup::idToggled, this, [this, g](int id, bool on) {
            if (refreshing_ || !on) return;
            Doc().CheckAlignment(static_cast<AlignGroup>(g), id);
            // The next commit stores the alignment, so closing must ask first.
            Mark();
        });
    }

    auto fontChosen = [this](const QString& name) {
        if (refreshing_) return;
        Doc().settings.Font = S(name);
        Doc().fontIndex = FontComboBox->currentIndex();
        FontPanel->setText(name);
        FontPanel->setFont(QFont(name, 14));
        Mark();
    };
    connect(FontComboBox, &QComboBox::textActivated, this, fontChosen);
    connect(FontComboBox->lineEdit(), &QLineEdit::textEdited, this, fontChosen);

    connect(nopicbtn1, &QPushButton::clicked, this, [this] {
        Doc().settings.SeperatorNews.clear();
        WebBrowser2->ShowBlank();
        Mark();
    });

    connect(DateAnzeigeEdit, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!refreshing_) Doc().newsletterDate = d;
    });

    connect(AdvToolBarPager1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (!refreshing_) ListBox1Click();
    });
    connect(NewBitBtn, &QPushButton::clicked, this, &TMainForm::NewBitBtnClick);
    connect(DeleteBitBtn, &QPushButton::clicked, this, &TMainForm::DeleteBitBtnClick);
    connect(BitBtn6, &QPushButton::clicked, this, &TMainForm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TMainForm::BitBtn7Click);
    connect(pgc1, &QTabWidget::currentChanged, this, [this] { ShowEditorPanels(); });
    connect(extDatei1, &QAction::triggered, this, &TMainForm::extDatei1Click);
    connect(Exportieren1, &QAction::triggered, this, &TMainForm::Exportieren1Click);

    connect(StartMailBitBtn, &QPushButton::clicked, this, [this] { AdvToolBarPager1->setCurrentIndex(5); });
    connect(ZusatzProgrammeBitBtn, &QPushButton::clicked, this, [this] { AdvToolBarPager1->setCurrentIndex(6); });
    connect(NeueVorlage2, &QAction::triggered, this, &TMainForm::NeueVorlage2Click);
    connect(Vorlageffnen2, &QAction::triggered, this, &TMainForm::Vorlageffnen2Click);
    connect(DBAdvGlowButton1, &QPushButton::clicked, this, &TMainForm::Vorlageffnen2Click);
    connect(Mustervorlageffnen1, &QAction::triggered, this, &TMainForm::Mustervorlageffnen1Click);
    connect(AdvGlowButton2, &QPushButton::clicked, this, &TMainForm::Mustervorlageffnen1Click);
    connect(Vorlagespeichern1, &QAction::triggered, this, &TMainForm::Vorlageppeichern1Click);
    connect(AdvGlowButton3, &QPushButton::clicked, this, &TMainForm::Vorlageppeichern1Click);
    connect(Vorlagespeichernunter2, &QAction::triggered, this, &TMainForm::Vorlagespeichernunter1Click);
    connect(SpeichernUnterBitBtn, &QPushButton::clicked, this, &TMainForm::Vorlagespeichernunter1Click);

    const std::pair<QPushButton*, ColorPanel*> colorControls[] = {
        {TextcolorButton, TextColorPanel}, {LinkColorButton, LinkColorPanel},
        {BKGColorButton, BKGColorPanel}, {BorderButton, BorderPanel}};
    for (int i = 0; i < 4; ++i) {
        connect(colorControls[i].first, &QPushButton::clicked, this, [this, i] { ColorButtonClick(i); });
        connect(colorControls[i].second, &ColorPanel::clicked, this, [this, i] { ColorButtonClick(i); });
    }
    auto* arrows = static_cast<UpDown*>(BorderUpDown);
    for (bool up : {true, false}) {
        connect(up ? arrows->up : arrows->down, &QToolButton::clicked, this, [this, up] {
            BorderEdit->setText(Q(StepBorderWidth(S(BorderEdit->text()), up)));
            Doc().modified = true;
        });
    }
    BorderEdit->installEventFilter(this);

    auto& dialogs = session_.Dialogs();
    connect(BitBtn10, &QPushButton::clicked, this, [&dialogs] { dialogs.Message(AdvertisingHint()); });
    connect(HilfeBitBtn, &QPushButton::clicked, this, [&dialogs] { dialogs.Message(ImprintHint()); });
    connect(helpbtn1, &QPushButton::clicked, this, [&dialogs] { dialogs.Message(UnsubscribeHint()); });
    connect(BitBtn8, &QPushButton::clicked, this, [&dialogs] { dialogs.Message(FontLocationHint()); });
    connect(BitBtn9, &QPushButton::clicked, this, [&dialogs] { dialogs.Message(SingleFontHint()); });
    connect(ComboBox2, &QComboBox::textActivated, this, [this] { ComboBox2Change(); });
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox2Change(); });
    connect(RSSFeedausNewsletter1, &QAction::triggered, this, &TMainForm::RSSFeedausNewsletter1Click);

    connect(Deutsch1, &QAction::triggered, this, [this] { Deutsch1Click(Deutsch1); });
    connect(English1, &QAction::triggered, this, [this] { Deutsch1Click(English1); });
}

void TMainForm::ApplyVisibility() {
    const auto& s = Doc().settings;
    const bool overview = IsTrue(s.Uebersicht);
    Ubersichtedit->setVisible(overview);
    Nummerchk->setVisible(overview);
    const bool anchor = IsTrue(s.Anchor);
    for (QWidget* w : {static_cast<QWidget*>(lbl1), static_cast<QWidget*>(AnchorEdt),
                       static_cast<QWidget*>(lbl2), static_cast<QWidget*>(AnchorAlignCmbbx)})
        w->setVisible(anchor);
    for (QWidget* w : {static_cast<QWidget*>(BorderEdit), BorderUpDown, static_cast<QWidget*>(BorderLabel)})
        w->setVisible(s.Border);
    DateEdit->setEnabled(s.DateOn);
    DateAnzeigeEdit->setEnabled(s.DateOn);
}

// ---------------------------------------------------------------- blocks

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::FocusIn && !session_.loading) CommitBlock();
    if (watched == BorderEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (ClassifyBorderKey(S(key->text())) == BorderKey::Refuse) {
            session_.Dialogs().Information(GetText("IDS_79"));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ShowEditorPanels() {
    const bool wysiwyg = pgc1->currentWidget() == TabSheet9;
    HTMLPanel->setVisible(wysiwyg);
    TextPanel->setVisible(!wysiwyg);
}

bool TMainForm::CommitBlock() {
    QWidget* tab = pgc1->currentWidget();
    const int selected = Doc().selectedBlock;
    const bool ok = session_.CommitBlock();
    // The editor still shows the block just committed; keep it selected, so that what
    // the user types next (after an export, say) is not silently dropped.
    if (ok && selected >= 0 && selected < static_cast<int>(Doc().blockList.size())) {
        Doc().selectedBlock = selected;
        BlockListChanged();
    }
    pgc1->setCurrentWidget(tab);
    ShowEditorPanels();
    return ok;
}

void TMainForm::ListBox1Click() {
    WebBrowser4->ShowBlank();
    session_.Select(ListBox1->currentRow());
}

void TMainForm::NewBitBtnClick() {
    session_.NewBlock();
    HeadLineEdit->setFocus();
}

void TMainForm::DeleteBitBtnClick() { session_.DeleteBlock(); }
void TMainForm::BitBtn6Click() { session_.MoveBlock(true); }
void TMainForm::BitBtn7Click() { session_.MoveBlock(false); }

// ---------------------------------------------------------------- language

void TMainForm::Deutsch1Click(QAction* item) {
    Deutsch1->setChecked(false);
    English1->setChecked(false);
    const auto language = static_cast<Language>(item->data().toInt());
    QtLanguageDispatcher::Shared().SetLanguage(language);
    item->setChecked(true);
    RememberLanguage(session_.Folders().prog, language, session_.Dialogs());
}

// ---------------------------------------------------------------- appearance and subject

void TMainForm::SetPanelColor(ColorPanel* panel, const std::string& text) {
    const ColorParse parsed = HTMLToColor(text);
    if (parsed.value)
        panel->SetColor(QColor(Red(*parsed.value), Green(*parsed.value), Blue(*parsed.value)));
    else if (parsed.beep)
        QApplication::beep();
}

void TMainForm::ColorButtonClick(int which) {
    const auto chosen = session_.Dialogs().ChooseColor(lastColor_);
    if (!chosen) return;
    // The dialog opens with the colour chosen last, whichever setting it was for.
    lastColor_ = *chosen;
    const ColorSetting setting = static_cast<ColorSetting>(which);
    if (!ApplyChosenColor(setting, *chosen, Doc().settings, session_.Dialogs())) return;
    ColorPanel* panels[] = {TextColorPanel, LinkColorPanel, BKGColorPanel, BorderPanel};
    panels[which]->SetColor(QColor(Red(*chosen), Green(*chosen), Blue(*chosen)));
    Doc().modified = true;
}

void TMainForm::BetreffEditChange(const QString& text) {
    if (refreshing_) return;
    const SubjectRewrite r = RunSubjectRules(S(text), session_.loading, session_.Dialogs());
    if (r.changed) {
        BetreffEdit->setText(Q(r.text));  // runs this handler again with the clean text
        if (r.cursor >= 0) BetreffEdit->setCursorPosition(r.cursor);
        return;
    }
    Doc().settings.Berteff = r.text;
    if (r.markModified) Mark();
}

void TMainForm::ComboBox2Change() {
    BetreffEdit->setText(Q(ExtendSubject(S(ComboBox2->currentText()), S(BetreffEdit->text()))));
    QSignalBlocker block(ComboBox2);
    ComboBox2->setCurrentIndex(kSubjectExtensionRestIndex);
}

void TMainForm::MakeColors() {
    // Controls on the shaded page take the shade of their place on it.
    const int height = AdvToolBarPager11->height();
    for (QWidget* w : std::initializer_list<QWidget*>{RbPicLeft, RBPicRigth, UebersichtCheckBox, Nummerchk,
                                                     BorderCheckBox, GroupBox2, GroupBox6}) {
        const auto shade = PanelShade(w->mapTo(AdvToolBarPager1, QPoint(0, 0)).y(), height);
        if (!shade) continue;
        QPalette p = w->palette();
        p.setColor(QPalette::Window, QColor(Red(*shade), Green(*shade), Blue(*shade)));
        w->setPalette(p);
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MakeColors();
}

// ---------------------------------------------------------------- template commands

void TMainForm::ShowPage(int index) {
    // Selecting the page shown already raises no change; the handling runs all the same.
    if (AdvToolBarPager1->currentIndex() == index)
        PageControl1Change();
    else
        AdvToolBarPager1->setCurrentIndex(index);
}

bool TMainForm::SaveChangesFirst() {
    if (!Doc().modified) return true;
    switch (session_.Dialogs().SaveChangesPrompt()) {
    case Answer::Yes:
        Vorlageppeichern1Click();
        return true;
    case Answer::SaveAs:
        Vorlagespeichernunter1Click();
        return true;
    case Answer::No:
        // Commits already wrote the declined changes into the file; put it back as it
        // was loaded, as closing does.
        RestoreFromOld();
        return true;
    case Answer::Cancel:
        return false;
    default:
        return true;  // the prompt's close box goes on
    }
}

void TMainForm::RestoreFromOld() {
    const std::string old = session_.Folders().prog + "Old.qrx";
    if (!FileExists(old) || Doc().currentFile == old) return;
    try {
        ClearFileAttributes(old);
        CopyFileAtomic(old, Doc().currentFile);
    } catch (const FileError&) {
    }
}

bool TMainForm::FormCloseQuery() {
    if (Doc().modified) {
        switch (session_.Dialogs().SaveChangesPrompt()) {
        case Answer::Yes:
            Vorlageppeichern1Click();
            // A save that was cancelled or failed keeps the window, so nothing is lost.
            if (!saveSucceeded_) return false;
            break;
        case Answer::SaveAs:
            Vorlagespeichernunter1Click();
            if (!saveSucceeded_) return false;
            break;
        case Answer::No:
            RestoreFromOld();
            break;
        default:
            return false;  // "Abbrechen" and the prompt's close box
        }
    }
    session_.ClearUndoSnapshots();
    session_.Store().DeleteBlockFiles();
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TMainForm::NeueVorlage2Click() {
    if (!SaveChangesFirst()) return;
    const AppFolders& f = session_.Folders();
    {
        BusyCursor busy(session_.Dialogs());
        session_.Store().DeleteBlockFiles();
        const std::string empty = f.prog + "Empty.qrx";
        try {
            CopyFileAtomic(f.prog + "NEW2.QRX", empty);
        } catch (const FileError& e) {
            session_.Dialogs().Error(GetText("IDS_200"), e.what());
        }
        Doc().currentFile = empty;
        BackupToOld(f, empty);
        session_.LoadTemplate();
        Doc().modified = false;
        saveName_.clear();
        SetCaption();
    }
    ShowPage(0);
}

void TMainForm::OpenTemplateFile(const std::string& file) {
    // A template that cannot be read is reported and the open document stays.
    try {
        ReadFileBytes(file);
        ClearFileAttributes(file);
    } catch (const FileError& e) {
        session_.Dialogs().Error(GetText("IDS_200"), e.what());
        PageControl1Change();
        return;
    }
    {
        BusyCursor busy(session_.Dialogs());
        session_.Store().DeleteBlockFiles();
        LoadOpenedFile(file);
    }
    ShowPage(4);
}

void TMainForm::Vorlageffnen2Click() {
    if (!SaveChangesFirst()) return;
    FileDialogRequest request;
    request.filter = "Quillora|*.qrx";
    request.initialDir = session_.Folders().documents;
    const auto chosen = session_.Dialogs().OpenFile(request);
    if (!chosen) {
        PageControl1Change();
        return;
    }
    OpenTemplateFile(chosen->path);
}

void TMainForm::Mustervorlageffnen1Click() {
    if (!SaveChangesFirst()) return;
    const auto picked = session_.Dialogs().ChooseSample();
    if (!picked) {
        PageControl1Change();
        return;
    }
    OpenTemplateFile(*picked);
}

bool TMainForm::SaveTo(const std::string& file) {
    const std::string before = Doc().currentFile;
    Doc().currentFile = file;
    if (!CommitBlock()) {
        // Nothing was written: the document stays where it was, and unsaved.
        Doc().currentFile = before;
        return false;
    }
    SetCaption();
    WriteSaveEml();
    WriteLastFile(session_.Folders(), file);
    Doc().modified = false;
    return true;
}

void TMainForm::Vorlageppeichern1Click() {
    const int remembered = Doc().selectedBlock;
    saveSucceeded_ = false;
    if (CommitBlock()) {
        if (!saveName_.empty()) {
            BusyCursor busy(session_.Dialogs());
            saveSucceeded_ = SaveTo(RedirectTemplatesPath(saveName_));
        } else {
            FileDialogRequest request;
            request.filter = "Quillora|*.qrx";
            request.initialDir = session_.Folders().documents;
            const auto chosen = session_.Dialogs().SaveFile(request);
            if (chosen) {
                const std::string path = WithTemplateExtension(chosen->path);
                saveName_ = path;  // kept even when refused: the next Save redirects it
                if (IsInTemplatesFolder(path)) {
                    session_.Dialogs().Message(GetText("IDS_1302"));
                } else {
                    BusyCursor busy(session_.Dialogs());
                    saveSucceeded_ = SaveTo(path);
                }
            }
        }
    }
    if (remembered >= 0 && remembered < static_cast<int>(Doc().blockList.size())) {
        Doc().selectedBlock = remembered;
        BlockListChanged();
    }
}

void TMainForm::Vorlagespeichernunter1Click() {
    const int remembered = Doc().selectedBlock;
    saveName_.clear();
    Vorlageppeichern1Click();
    if (remembered >= 0 && remembered < static_cast<int>(Doc().blockList.size())) {
        Doc().selectedBlock = remembered;
        BlockListChanged();
    }
}

// ---------------------------------------------------------------- exports

void TMainForm::extDatei1Click() {
    auto& dialogs = session_.Dialogs();
    FileDialogRequest request;
    request.filter = GetText("IDS_37");
    request.initialDir = session_.Folders().documents;
    const auto chosen = dialogs.SaveFile(request);
    // The save dialog's template name stays as it was: a later Save must not land on
    // the working copy just because an export ran.
    if (!chosen) return;
    BusyCursor busy(dialogs);
    if (!CommitBlock()) return;
    const std::string target = TextExportFileName(chosen->path);
    try {
        WriteTextExport(target, Doc(), session_.Store(), session_.Folders().prog, session_.Folders().temp,
                        NewsletterDateText(Doc().newsletterDate));
    } catch (const FileError& e) {
        dialogs.Error(GetText("IDS_200"), e.what());
    }
}

void TMainForm::RSSFeedausNewsletter1Click() {
    auto& dialogs = session_.Dialogs();
    FileDialogRequest request;
    request.filter = RssFeedFilter();
    request.fileName = Cp1252ToUtf8(RssFeedDefaultName());
    request.initialDir = session_.Folders().documents;
    const auto chosen = dialogs.SaveFile(request);
    if (!chosen) return;
    const std::string target = RssFeedFileName(chosen->path);
    {
        BusyCursor busy(dialogs);
        // The feed shows the block being edited too, as every other export does.
        if (!CommitBlock()) return;
        try {
            WriteRssFeed(target, Doc(), session_.Store(), session_.Folders().prog, QDateTime::currentDateTime());
        } catch (const FileError& e) {
            dialogs.Error(GetText("IDS_200"), e.what());
            return;
        }
    }
    dialogs.Information(RssFeedDoneMessage(target));
}

// ---------------------------------------------------------------- mirroring

void TMainForm::RefreshFromDocument() {
    SettingsLoaded();
    BlockListChanged();
    EditorChanged();
}

void TMainForm::SettingsLoaded() {
    refreshing_ = true;
    const auto& d = Doc();
    const auto& s = d.settings;
    BetreffEdit->setText(Q(s.Berteff));
    Titel1Edit->setText(Q(s.Titel1));
    Titel2Edit->setText(Q(s.Titel2));
    DateEdit->setText(Q(s.DateText));
    ImpressumEdit->setText(Q(s.ImpressumText));
    ZusatzEdit->setText(Q(s.ImpressumZusatz));
    ImpressumMailToEdit->setText(Q(s.ImpressumMailTo));
    ImpressumURLEdit->setText(Q(s.ImpressumURL));
    UnsubScribeLinkEdit->setText(Q(s.UnsubscribeLink));
    UnsubScribeTextEdit->setText(Q(s.UnsubscribeText));
    Ubersichtedit->setText(Q(s.UebersichtText));
    AnchorEdt->setText(Q(s.Anchortext));
    BorderEdit->setText(Q(s.Bordesize));
    UebersichtCheckBox->setChecked(IsTrue(s.Uebersicht));
    Nummerchk->setChecked(IsTrue(s.Nummern));
    AnchorChk->setChecked(IsTrue(s.Anchor));
    DateCheckBox->setChecked(s.DateOn);
    KopfTrennlinieCheckBox->setChecked(s.HeadSeperator);
    BorderCheckBox->setChecked(s.Border);
    for (int g = 0; g < 3; ++g) alignGroups_[g]->button(d.alignChecked[g])->setChecked(true);
    AnchorAlignCmbbx->setCurrentIndex(d.anchorAlignIndex);
    FontComboBox->setCurrentIndex(d.fontIndex);
    FontPanel->setText(Q(s.Font));
    FontPanel->setFont(QFont(Q(s.Font), 14));
    SetPanelColor(TextColorPanel, s.TextColor);
    SetPanelColor(LinkColorPanel, s.LinkColor);
    SetPanelColor(BKGColorPanel, s.BKGColor);
    if (!Trim(s.Bordercolor).empty()) SetPanelColor(BorderPanel, s.Bordercolor);
    DateAnzeigeEdit->setDate(d.newsletterDate);
    ShowGraphicPreviews();
    ApplyVisibility();
    refreshing_ = false;
}

void TMainForm::ShowGraphicPreviews() {
    const auto& s = Doc().settings;
    WebBrowser1->ShowFile(QString::fromStdString(NativePath(s.KopfLogo)));
    if (Trim(s.SeperatorNews).empty())
        WebBrowser2->ShowBlank();
    else
        WebBrowser2->ShowFile(QString::fromStdString(NativePath(s.SeperatorNews)));
    WebBrowser3->ShowFile(QString::fromStdString(NativePath(s.SeperatorImpressum)));
}

void TMainForm::BlockListChanged() {
    refreshing_ = true;
    const auto& d = Doc();
    ListBox1->clear();
    for (const auto& t : d.blockList) ListBox1->addItem(Q(t));
    ListBox1->setCurrentRow(d.selectedBlock);
    EditorPanel->setVisible(d.editorVisible);
    refreshing_ = false;
}

void TMainForm::ShowBlockPicture() {
    const auto& path = Doc().editor.PicturePath;
    const bool has = !path.empty();
    RbPicLeft->setEnabled(has);
    RBPicRigth->setEnabled(has);
    if (has)
        WebBrowser4->ShowFile(QString::fromStdString(NativePath(DocumentPath(Session().Folders().images) +
                                                                 FileNamePart(path))));
    else
        WebBrowser4->ShowBlank();
}

void TMainForm::EditorChanged() {
    refreshing_ = true;
    const auto& b = Doc().editor;
    HeadLineEdit->setText(Q(b.Headline));
    LinkTextEdit->setText(Q(b.LinkText));
    URLEdit->setText(Q(b.URL));
    (b.PictureSide == "right" ? RBPicRigth : RbPicLeft)->setChecked(true);
    Memo1->setPlainText(Q(b.Body));
    rve->setHtml(Q(b.Body));
    ShowBlockPicture();
    refreshing_ = false;
}

void TMainForm::SetCaption() {
    const QString name = QFileInfo(QString::fromStdString(Doc().currentFile)).fileName();
    setWindowTitle(Q(product_.title) + QStringLiteral(" [") + name + QStringLiteral("]"));
}

// ---------------------------------------------------------------- start-up

void TMainForm::FormCreate(const QString& argument) {
    session_.loading = true;
    const AppFolders& f = session_.Folders();
    f.CreateUserFolders();

    RestoreWindowPos();
    const QString banner = QString::fromStdString(f.recom + product_.bannerPicture);
    QPixmap pix(banner);
    if (!pix.isNull()) Image2->setPixmap(pix.scaledToHeight(60, Qt::SmoothTransformation));
    Doc().newsletterDate = QDate::currentDate();
    DateAnzeigeEdit->setDate(Doc().newsletterDate);
    session_.Store().DeleteBlockFiles();
    (ActiveLanguage() == Language::English ? English1 : Deutsch1)->setChecked(true);
    AdvToolBarPager1->setCurrentIndex(0);

    const std::string arg = Trim(argument.toStdString());
    if (!arg.empty())
        OpenStartArgument(AbsolutePath(arg));
    else
        OpenStartTemplate();

    Doc().modified = false;
    SetupOutlookSession();
    SetMailMenuCaptions();
    if (!outlookAvailable_) {
        mitOutlookversenden2->setEnabled(false);
        OutlookVorlagespeichern1->setEnabled(false);
    }
    session_.loading = false;
    pgc1->setCurrentWidget(TabSheet9);
    ShowTipOfTheDay();
}

bool TMainForm::OpenStartArgument(const std::string& file) {
    // Paths keep their case here: the file system tells "a.qrx" from "A.QRX".
    Doc().currentFile = file;
    try {
        ClearFileAttributes(file);
    } catch (const FileError&) {
        // A missing template leaves the defaults; the path is created by the first commit.
        return false;
    }
    LoadOpenedFile(file);
    AdvToolBarPager1->setCurrentIndex(4);
    return true;
}

void TMainForm::LoadOpenedFile(const std::string& file) {
    Doc().currentFile = file;
    BackupToOld(session_.Folders(), file);
    session_.LoadTemplate();
    Doc().modified = false;
    saveName_ = file;
    SetCaption();
    WriteLastFile(session_.Folders(), file);
}

void TMainForm::OpenStartTemplate() {
    const StartTemplate start = ChooseStartTemplate(session_.Folders());
    Doc().currentFile = start.file;
    saveName_ = start.saveName;
    try {
        ClearFileAttributes(start.file);
    } catch (const FileError&) {
    }
    BackupToOld(session_.Folders(), start.file);
    SetCaption();
    session_.LoadTemplate();
    ComboBox1->setCurrentIndex(0);
    CopySampleTemplates(session_.Folders());
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    ConfigureUpdate();
    MakeColors();
    session_.loading = false;
    HTMLPanel->setVisible(true);
    pgc1->setTabText(0, QStringLiteral("WYSIWYG"));
    pgc1->setTabText(1, QStringLiteral("HTML"));
}

void TMainForm::PageControl1Change() {
    // The first change events arrive while the window is still being built.
    if (!ListBox1 || !WebBrowser5 || !pgc1) return;
    const int remembered = ListBox1->currentRow();
    if (pgc1->currentWidget() == TabSheet9) {
        HTMLPanel->setVisible(true);
        TextPanel->setVisible(false);
    }
    const int page = AdvToolBarPager1->currentIndex();
    if (page < 4 && previewShown_) {
        // Building the preview read every block; show the selected one again.
        if (remembered >= 0 && FileExists(session_.Store().BlockFileName(remembered + 1))) {
            try {
                session_.ShowBlock(remembered + 1);
            } catch (const FileError&) {
            }
        }
    }
    if (page == 4) {
        {
            BusyCursor busy(session_.Dialogs());
            session_.SyncEditors();
            CommitBlock();
            const std::string& temp = session_.Folders().temp;
            const std::string date = NewsletterDateText(Doc().newsletterDate);
            MakeHTML(temp + "preview1.html", Doc(), session_.Store(), session_.Folders().prog, date);
            MakeHTML(temp + "preview2.html", Doc(), session_.Store(), session_.Folders().prog, date);
            ++previewCounter_;
            // Two file names in turn: each build is shown under a new address, never
            // from the browser's cache.
            WebBrowser5->setUrl(QUrl::fromLocalFile(
                QString::fromStdString(temp + "preview" + std::to_string(previewCounter_) + ".html")));
            if (previewCounter_ == 2) previewCounter_ = 0;
        }
        previewShown_ = true;
    } else {
        previewShown_ = false;
    }
    if (page == 5) {
        SendSingleMail();
        return;
    }
    if (page == 6) {
        CommitBlock();
        StartBulkMail();
        AdvToolBarPager1->setCurrentIndex(0);
    }
    refreshing_ = true;
    ListBox1->setCurrentRow(remembered);
    Doc().selectedBlock = ListBox1->currentRow();
    refreshing_ = false;
}

// The single mail and the bulk-mail hand-off come with the delivery part of the
// program; until then the pager returns to its first page at once.
void TMainForm::SendSingleMail() { AdvToolBarPager1->setCurrentIndex(0); }
void TMainForm::StartBulkMail() {}

// The message beside every saved template, for the bulk-mail program.
void TMainForm::WriteSaveEml() {
    try {
        BuildEmlFile(SavedTemplateEmlPath(session_.Folders(), Doc().currentFile), Doc(), session_.Store(),
                     session_.Folders(), NewsletterDateText(Doc().newsletterDate));
    } catch (const FileError& e) {
        session_.Dialogs().Error(GetText("IDS_200"), e.what());
    }
}

void TMainForm::Exportieren1Click() {
    auto& dialogs = session_.Dialogs();
    FileDialogRequest request;
    request.filter = EmailExportFilter(outlookAvailable_);
    request.initialDir = session_.Folders().documents;
    const auto chosen = dialogs.SaveFile(request);
    if (!chosen) return;
    BusyCursor busy(dialogs);
    if (!CommitBlock()) return;
    const EmailExportPlan plan = PlanEmailExport(chosen->path, outlookAvailable_, chosen->filterIndex);
    const std::string date = NewsletterDateText(Doc().newsletterDate);
    try {
        if (plan.msg) BuildMsgFile(plan.target, Doc(), session_.Store(), session_.Folders(), date, dialogs);
        if (plan.eml) BuildEmlFile(plan.target, Doc(), session_.Store(), session_.Folders(), date);
    } catch (const FileError& e) {
        dialogs.Error(GetText("IDS_200"), e.what());
    }
}

// Filled by the window-placement, mail, tip and update parts of the program.
void TMainForm::RestoreWindowPos() {}
// No Outlook here: message files come from the converter program beside ours.
void TMainForm::SetupOutlookSession() { outlookAvailable_ = quillora::OutlookAvailable(session_.Folders().prog); }
void TMainForm::ShowTipOfTheDay() {}
void TMainForm::ConfigureUpdate() {}

void TMainForm::SetMailMenuCaptions() {
    // This platform counts as a current system: the mail program items take the
    // texts of the built-in mail program.
    mitOutlookExpressversenden1->setText(Q(GetText("IDS_0")));
    OutlookExpressVorlagespeichern1->setText(Q(GetText("IDS_2")));
}

}  // namespace quillora
