#pragma once
// The main window: the ribbon pager with its seven pages, the block list and editor,
// and the menus. It mirrors the document of its session and turns control events into
// the document's update rules.
#include "document/DocumentSession.h"
#include "shell/ProductInfo.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QToolButton;
class QWebEngineView;
class QWidget;

namespace quillora {

class ColorPanel;
class PicturePreview;

class TMainForm : public QMainWindow, private DocumentSession::Listener {
    Q_OBJECT
public:
    // argument: the template named on the command line, or empty.
    TMainForm(const AppFolders& folders, UserDialogs& dialogs, ProductInfo product,
              const QString& argument, QWidget* parent = nullptr);
    ~TMainForm() override;

    DocumentSession& Session() { return session_; }
    NewsletterDocument& Doc() { return session_.Doc(); }
    const ProductInfo& Product() const { return product_; }

    // The save dialog's file name: where Save writes without asking.
    const std::string& SaveName() const { return saveName_; }

    bool OutlookAvailable() const { return outlookAvailable_; }

    // Caption: title + " [" + file name of the current template + "]".
    void SetCaption();

    // Sets every control from the document (signals held back: the document already
    // ran its rules).
    void RefreshFromDocument();

    // Pager page change: the dispatch of preview and send pages.
    void PageControl1Change();

    // Commits the block in the editor and keeps the editor's tab (ListBox1Enter).
    bool CommitBlock();

    // Block list and block buttons.
    void ListBox1Click();
    void NewBitBtnClick();
    void DeleteBitBtnClick();
    void BitBtn6Click();
    void BitBtn7Click();

    // The close flow: asks to save unsaved changes; false when the window stays.
    bool FormCloseQuery();

    // Language menu: both items, told apart by their tag.
    void Deutsch1Click(QAction* item);

    // Template commands.
    void NeueVorlage2Click();
    void Vorlageffnen2Click();
    void Mustervorlageffnen1Click();
    void Vorlageppeichern1Click();
    void Vorlagespeichernunter1Click();
    bool SaveSucceeded() const { return saveSucceeded_; }

    // Appearance and subject.
    void ColorButtonClick(int which);
    void BetreffEditChange(const QString& text);
    void ComboBox2Change();

    // Exports.
    void extDatei1Click();
    void Exportieren1Click();
    void RSSFeedausNewsletter1Click();

    bool PreviewShown() const { return previewShown_; }
    int PreviewCounter() const { return previewCounter_; }

    // Controls, by their designer names.
    QTabWidget* AdvToolBarPager1 = nullptr;
    QWidget* AdvToolBarPager11 = nullptr;
    QWidget* AdvToolBarPager12 = nullptr;
    QWidget* AdvToolBarPager13 = nullptr;
    QWidget* AdvPage1 = nullptr;
    QWidget* AdvPage2 = nullptr;
    QWidget* AdvPage3 = nullptr;
    QWidget* AdvPage4 = nullptr;

    // Page "Newsmeldungen"
    QListWidget* ListBox1 = nullptr;
    QPushButton* NewBitBtn = nullptr;
    QPushButton* DeleteBitBtn = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QCheckBox* UebersichtCheckBox = nullptr;
    QLineEdit* Ubersichtedit = nullptr;
    QCheckBox* Nummerchk = nullptr;
    QWidget* EditorPanel = nullptr;
    QLineEdit* HeadLineEdit = nullptr;
    QLineEdit* LinkTextEdit = nullptr;
    QLineEdit* URLEdit = nullptr;
    PicturePreview* WebBrowser4 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QRadioButton* RbPicLeft = nullptr;
    QRadioButton* RBPicRigth = nullptr;
    QTabWidget* pgc1 = nullptr;
    QWidget* TabSheet9 = nullptr;
    QWidget* TabSheet10 = nullptr;
    QWidget* HTMLPanel = nullptr;
    QWidget* TextPanel = nullptr;
    QTextEdit* rve = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* cmbFontSize = nullptr;

    // Page "Kopf- u. Fußzeile"
    QLineEdit* BetreffEdit = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QPushButton* BitBtn10 = nullptr;
    QLineEdit* Titel1Edit = nullptr;
    QLineEdit* Titel2Edit = nullptr;
    QCheckBox* DateCheckBox = nullptr;
    QLineEdit* DateEdit = nullptr;
    QDateEdit* DateAnzeigeEdit = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* ImpressumEdit = nullptr;
    QLineEdit* ZusatzEdit = nullptr;
    QLineEdit* ImpressumMailToEdit = nullptr;
    QLineEdit* ImpressumURLEdit = nullptr;
    QPushButton* HilfeBitBtn = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QLineEdit* UnsubScribeLinkEdit = nullptr;
    QLineEdit* UnsubScribeTextEdit = nullptr;
    QPushButton* helpbtn1 = nullptr;
    QCheckBox* AnchorChk = nullptr;
    QLabel* lbl1 = nullptr;
    QLineEdit* AnchorEdt = nullptr;
    QLabel* lbl2 = nullptr;
    QComboBox* AnchorAlignCmbbx = nullptr;

    // Page "Grafiken"
    PicturePreview* WebBrowser1 = nullptr;
    PicturePreview* WebBrowser2 = nullptr;
    PicturePreview* WebBrowser3 = nullptr;
    QPushButton* OpenKopfBitBtn = nullptr;
    QPushButton* Open2BitBtn = nullptr;
    QPushButton* nopicbtn1 = nullptr;
    QPushButton* Open3BitBtn = nullptr;
    QCheckBox* KopfTrennlinieCheckBox = nullptr;
    QRadioButton* Left1RadioButton = nullptr;
    QRadioButton* Center1RadioButton = nullptr;
    QRadioButton* Right1RadioButton = nullptr;
    QRadioButton* Left2RadioButton = nullptr;
    QRadioButton* Center2RadioButton = nullptr;
    QRadioButton* Right2RadioButton = nullptr;
    QRadioButton* Left3RadioButton = nullptr;
    QRadioButton* Center3RadioButton = nullptr;
    QRadioButton* Right3RadioButton = nullptr;

    // Page "Farben und Schriften"
    ColorPanel* TextColorPanel = nullptr;
    ColorPanel* LinkColorPanel = nullptr;
    ColorPanel* BKGColorPanel = nullptr;
    ColorPanel* BorderPanel = nullptr;
    QPushButton* TextcolorButton = nullptr;
    QPushButton* LinkColorButton = nullptr;
    QPushButton* BKGColorButton = nullptr;
    QPushButton* BorderButton = nullptr;
    QCheckBox* BorderCheckBox = nullptr;
    QLabel* BorderLabel = nullptr;
    QLineEdit* BorderEdit = nullptr;
    QWidget* BorderUpDown = nullptr;
    QComboBox* FontComboBox = nullptr;
    QLabel* FontPanel = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* BitBtn9 = nullptr;

    // Page "Vorschau"
    QWebEngineView* WebBrowser5 = nullptr;

    // Frame
    QWidget* Panel1 = nullptr;
    QLabel* Image2 = nullptr;
    QWidget* AdvToolBar1 = nullptr;
    QWidget* Panel2 = nullptr;

    // Menus and commands
    QAction* NeueVorlage2 = nullptr;
    QAction* Vorlageffnen2 = nullptr;
    QAction* Mustervorlageffnen1 = nullptr;
    QAction* Vorlagespeichern1 = nullptr;
    QAction* Vorlagespeichernunter2 = nullptr;
    QAction* HTMLDatei1 = nullptr;
    QAction* extDatei1 = nullptr;
    QAction* Exportieren1 = nullptr;
    QAction* Programmbeenden1 = nullptr;
    QAction* mitOutlookExpressversenden1 = nullptr;
    QAction* mitOutlookversenden2 = nullptr;
    QAction* OutlookExpressVorlagespeichern1 = nullptr;
    QAction* OutlookVorlagespeichern1 = nullptr;
    QAction* RSSFeedausNewsletter1 = nullptr;
    QAction* Deutsch1 = nullptr;
    QAction* English1 = nullptr;
    QAction* Hilfedatei1 = nullptr;
    QAction* Update1 = nullptr;
    QAction* NachUpdatessuchen1 = nullptr;
    QAction* Info2 = nullptr;
    QPushButton* DBAdvGlowButton1 = nullptr;
    QPushButton* AdvGlowButton2 = nullptr;
    QPushButton* AdvGlowButton3 = nullptr;
    QPushButton* SpeichernUnterBitBtn = nullptr;
    QPushButton* HilfeGlowButton = nullptr;
    QPushButton* StartMailBitBtn = nullptr;
    QPushButton* ZusatzProgrammeBitBtn = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mitOutlookversenden1 = nullptr;
    QAction* mitOulookExpressversenden1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // DocumentSession::Listener
    void SettingsLoaded() override;
    void BlockListChanged() override;
    void EditorChanged() override;

    void BuildMenus();
    void BuildFrame();
    QWidget* BuildNewsPage();
    QWidget* BuildBlockEditor();
    QWidget* BuildHeaderFooterPage();
    QWidget* BuildGraphicsPage();
    QWidget* BuildColorsPage();
    QWidget* BuildPreviewPage();
    void WireUpdateRules();

    // Start-up, in its order.
    void FormCreate(const QString& argument);
    void FormShow();
    bool OpenStartArgument(const std::string& file);
    // Every open: backup, load, the save name, caption and last-file memory.
    void LoadOpenedFile(const std::string& file);
    void OpenStartTemplate();

    void ShowEditorPanels();
    // Asks to save unsaved changes; false when the user cancelled.
    bool SaveChangesFirst();
    void RestoreFromOld();
    // The common end of Open and Open sample.
    void OpenTemplateFile(const std::string& file);
    // Save after the save name is settled; returns whether the file was written.
    bool SaveTo(const std::string& file);
    void ShowPage(int index);
    void MakeColors();
    void SetPanelColor(ColorPanel* panel, const std::string& text);

    // Steps that later parts of the program fill.
    void WriteSaveEml();
    void SendSingleMail();
    void StartBulkMail();
    void RestoreWindowPos();
    void SetupOutlookSession();
    void SetMailMenuCaptions();
    void ShowTipOfTheDay();
    void ConfigureUpdate();

    // Update rules.
    void Mark();
    void ApplyVisibility();
    void ShowGraphicPreviews();
    void ShowBlockPicture();

    DocumentSession session_;
    ProductInfo product_;
    std::string saveName_;
    bool outlookAvailable_ = false;
    bool refreshing_ = false;
    bool shownOnce_ = false;
    bool previewShown_ = false;
    bool saveSucceeded_ = false;
    int lastColor_ = 0;
    int previewCounter_ = 0;
    QButtonGroup* alignGroups_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace quillora
