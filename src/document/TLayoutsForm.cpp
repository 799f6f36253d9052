#include "document/TLayoutsForm.h"

#include "shell/QtLanguageDispatcher.h"

#include "document/ProfileReader.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "shell/TextCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QShowEvent>
#include <QWheelEvent>

#include <algorithm>

namespace quillora {
namespace {

constexpr int kWheelStep = 120;  // one notch of a standard mouse wheel

const QString kImagePrefix = QStringLiteral("IMAGE_");

std::string Native(const QString& s) { return s.toStdString(); }

// Windows found these files whatever the letter case; files copied from there keep it.
std::string FindInFolder(const std::string& folder, const QString& name) {
    const QString exact = QString::fromStdString(folder) + name;
    if (QFileInfo::exists(exact)) return Native(exact);
    QDir dir(QString::fromStdString(folder));
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return Native(dir.filePath(entry));
    }
    return {};
}

bool IsControlNamePart(const QString& base) {
    for (QChar c : base) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_';
        if (!ok) return false;
    }
    return true;
}

QString DisplayName(const std::string& iniPath) {
    if (iniPath.empty()) return {};
    try {
        const ProfileReader ini(SplitLines(ReadFileBytes(iniPath)));
        return Cp1252ToQString(ini.Value("NAME", "Name", ""));
    } catch (const FileError&) {
        return {};  // an unreadable name file shows the picture without a name
    }
}

void PaintWhite(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

void TLayoutPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

TLayoutsForm::TLayoutsForm(const AppFolders& folders, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), folders_(folders), dialogs_(dialogs) {
    setObjectName(QStringLiteral("LayoutsForm"));
    setWindowTitle(QStringLiteral("Vorlagen"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(908, 593);

    Label1 = new QLabel(QStringLiteral("Vorlagen"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->move(16, 6);
    Label1->adjustSize();

    Label2 = new QLabel(QStringLiteral("Klicken Sie doppelt auf die gewünschte Vorlage"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(16, 28);
    Label2->adjustSize();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(16, 48, 873, 505);
    ScrollBox1->setWidgetResizable(false);
    PaintWhite(ScrollBox1->viewport());
    auto* cells = new QWidget;
    cells->setObjectName(QStringLiteral("ScrollBox1Cells"));
    PaintWhite(cells);
    ScrollBox1->setWidget(cells);
    // The scroll box would scroll three lines per notch on its own.
    ScrollBox1->viewport()->installEventFilter(this);
    ScrollBox1->verticalScrollBar()->installEventFilter(this);
    ScrollBox1->horizontalScrollBar()->installEventFilter(this);

    AbortBitBtn = new QPushButton(QStringLiteral("Vorlage auswählen"), this);
    AbortBitBtn->setObjectName(QStringLiteral("AbortBitBtn"));
    AbortBitBtn->setGeometry(739, 560, 150, 26);
    AbortBitBtn->setAutoDefault(false);
    connect(AbortBitBtn, &QPushButton::clicked, this, &TLayoutsForm::AbortBitBtnClick);

    BuildGallery();
    QtLanguageDispatcher::Shared().Register(this, QStringLiteral("TLayoutsForm"));
}

void TLayoutsForm::BuildGallery() {
    QWidget* cells = ScrollBox1->widget();
    const QDir dir(QString::fromStdString(folders_.layouts));
    const QFileInfoList pictures =
        dir.entryInfoList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(16);
    captionFont.setBold(true);
    const int captionHeight = QFontMetrics(captionFont).height();

    QSet<QString> names;  // control names are unique without regard to case
    int c = 0;
    int y = 0;
    int right = 0;
    int bottom = 0;
    for (const QFileInfo& file : pictures) {
        const QString base = file.completeBaseName();
        const QString controlName = kImagePrefix + base;
        if (!IsControlNamePart(base) || names.contains(controlName.toLower())) {
            const std::string shown = Utf8ToCp1252(Native(file.fileName()));
            const std::string folder = DocumentPath(folders_.layouts);
            dialogs_.Error(GetText("IDS_200"),
                           ByLanguage("Die Vorschau \"" + shown + "\" im Ordner \"" + folder +
                                          "\" hat keinen g\xFCltigen Namen: Er darf nur Buchstaben, Ziffern und "
                                          "Unterstriche enthalten und muss eindeutig sein. Diese und die folgenden "
                                          "Vorschauen werden nicht angezeigt.",
                                      "The preview \"" + shown + "\" in the folder \"" + folder +
                                          "\" has no valid name: it may only contain letters, digits and "
                                          "underscores and must be unique. It and the previews after it are not "
                                          "shown."));
            break;
        }
        names.insert(controlName.toLower());

        auto* frame = new QFrame(cells);
        frame->setObjectName(QStringLiteral("FRAME_") + base);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        frame->setGeometry(9 + 280 * c, y + 34, 262, 177);

        auto* picture = new TLayoutPicture(cells);
        picture->setObjectName(controlName);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap(file.filePath()));
        picture->setGeometry(14 + 280 * c, y + 39, 252, 167);
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &TLayoutPicture::doubleClicked, this,
                [this, picture] { ImageDblClick(picture->objectName()); });

        auto* caption = new QLabel(cells);
        caption->setObjectName(QStringLiteral("LABEL_") + base);
        caption->setFont(captionFont);
        QPalette silver = caption->palette();
        silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
        caption->setPalette(silver);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setText(DisplayName(FindInFolder(folders_.layouts, base + QStringLiteral(".ini"))));
        caption->setGeometry(10 + 280 * c, y + 10, 260, captionHeight);

        right = std::max(right, frame->geometry().right() + 1);
        bottom = std::max(bottom, frame->geometry().bottom() + 1);
        if (c == 2) {
            c = 0;
            y += 220;
        } else {
            ++c;
        }
    }
    cells->resize(right, bottom);
}

void TLayoutsForm::ImageDblClick(const QString& controlName) {
    const QString base = QString(controlName).remove(kImagePrefix, Qt::CaseInsensitive);
    if (FindInFolder(folders_.layouts, base + QStringLiteral(".ini")).empty()) return;
    picked_ = folders_.templates + "Quillora_Vorlage-" + Native(base) + ".qrx";
    accept();
}

void TLayoutsForm::AbortBitBtnClick() {
    std::string text = GetText("TLayoutsForm", "IDS_12");
    if (text == "IDS_12") text = "Klicken Sie doppelt auf das gew\xFCnschte Layout um es auszuw\xE4hlen!";
    dialogs_.Information(text);
}

void TLayoutsForm::FormMouseWheel(int angleDelta) {
    // Fine wheels and touchpads send parts of a notch; they scroll once a notch is
    // complete. A delta of zero (a gesture's start or end, a sideways wheel) is none.
    if ((angleDelta > 0 && wheelRest_ < 0) || (angleDelta < 0 && wheelRest_ > 0)) wheelRest_ = 0;
    wheelRest_ += angleDelta;
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    for (; wheelRest_ >= kWheelStep; wheelRest_ -= kWheelStep) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    for (; wheelRest_ <= -kWheelStep; wheelRest_ += kWheelStep) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void TLayoutsForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        picked_.clear();
        wheelRest_ = 0;
        if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void TLayoutsForm::wheelEvent(QWheelEvent* event) {
    FormMouseWheel(event->angleDelta().y());
    event->accept();
}

bool TLayoutsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quillora
