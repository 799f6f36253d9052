// quillora_layoutshots <program-folder> <out-folder>: renders every sample template of
// <program-folder>/Vorlagen/ as the preview shows it and writes the gallery's picture
// N.jpg and name file N.ini for each sample N into <out-folder>.

#include "document/DocumentSession.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/PageGenerator.h"
#include "render/TextConversions.h"
#include "shell/ConsoleDialogs.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {

using namespace quillora;

// What the gallery shows of each picture.
constexpr int kCellWidth = 252;
constexpr int kCellHeight = 167;
// Wide enough for the 600-pixel page with its border and the browser's margins.
constexpr int kRenderWidth = 640;
constexpr int kRenderHeight = 1000;
// The part of the page the picture shows: the centred newsletter with a little of the
// margin around it, from its top.
constexpr int kCropLeft = 8;
constexpr int kCropWidth = kRenderWidth - 2 * kCropLeft;

// Display names (cp1252) by sample number: the theme of each sample's subject.
const std::map<int, std::string> kNames = {
    {1, "B\xE4" "ckerei"}, {2, "Sportverein"}, {3, "Software"}, {4, "Reiseb\xFC" "ro"}, {5, "Buchhandlung"},
};

// Fixed, so that the pictures only change when a sample does.
const QDate kShownDate(2026, 4, 1);

AppFolders ToolFolders(const std::string& prog, const std::string& temp) {
    AppFolders f = AppFolders::InProgramFolder(prog);
    // Nothing of the user's is read or written: the work files go to our own folder.
    f.appData = f.documents = f.templates = f.config = f.temp = WithSlash(temp);
    return f;
}

// Runs the event loop until the page has loaded and painted; false on failure.
bool LoadPage(QWebEngineView& view, const QString& page) {
    QEventLoop loop;
    bool ok = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto c = QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool success) {
        ok = success;
        loop.quit();
    });
    view.load(QUrl::fromLocalFile(page));
    timeout.start(30000);
    loop.exec();
    QObject::disconnect(c);
    if (!ok) return false;
    // The compositor delivers the first frame a little after the load.
    QTimer::singleShot(800, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

bool AllOneColour(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != first) return false;
    return true;
}

QImage Compose(const QImage& page) {
    const QImage strip = page.copy(kCropLeft, 0, kCropWidth, page.height());
    const QImage scaled = strip.scaledToWidth(kCellWidth, Qt::SmoothTransformation);
    return scaled.copy(0, 0, kCellWidth, kCellHeight).convertToFormat(QImage::Format_RGB32);
}

bool SaveJpeg(const QImage& image, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "JPG", 85) && file.commit();
}

std::string DisplayName(int number, const NewsletterDocument& doc) {
    const auto it = kNames.find(number);
    if (it != kNames.end()) return it->second;
    std::string subject = Trim(doc.settings.Berteff);
    if (subject.size() > 20) subject = Trim(subject.substr(0, 20));
    std::fprintf(stderr, "quillora_layoutshots: no name for sample %d, using its subject\n", number);
    return subject;
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures only: no display is ever wanted, and the software renderer always works.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    // The browser engine refuses to run as root inside its sandbox.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quillora_layoutshots <program-folder-with-data> <out-folder>\n");
        return 2;
    }
    const std::string prog = WithSlash(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString());
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "quillora_layoutshots: cannot create %s\n", qPrintable(out));
        return 1;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "quillora_layoutshots: no temporary folder\n");
        return 1;
    }

    const QRegularExpression sampleName(QStringLiteral("^Quillora_Vorlage-(\\d+)\\.qrx$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QStringList samples =
        QDir(QString::fromStdString(prog + "Vorlagen")).entryList({QStringLiteral("*.qrx")}, QDir::Files, QDir::Name);

    QWebEngineView view;
    view.settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view.resize(kRenderWidth, kRenderHeight);
    view.show();

    int written = 0;
    int failures = 0;
    for (const QString& sample : samples) {
        const auto match = sampleName.match(sample);
        if (!match.hasMatch()) continue;
        const int number = match.captured(1).toInt();
        const std::string folder = work.filePath(QStringLiteral("sample%1").arg(number)).toStdString();
        QDir().mkpath(QString::fromStdString(folder));

        ConsoleDialogs dialogs("quillora_layoutshots");
        DocumentSession session(ToolFolders(prog, folder), dialogs);
        session.loading = true;
        session.Doc().currentFile = prog + "Vorlagen/" + sample.toStdString();
        session.Doc().newsletterDate = kShownDate;
        session.LoadSettings();
        session.LoadBlocks();
        const std::string page = WithSlash(folder) + "page.html";
        if (dialogs.errors > 0 ||
            !MakeHTML(page, session.Doc(), session.Store(), prog, NewsletterDateText(kShownDate, QLocale(QLocale::German)))) {
            std::fprintf(stderr, "quillora_layoutshots: %s: cannot build the page\n", qPrintable(sample));
            ++failures;
            continue;
        }

        QImage shot;
        bool loaded = LoadPage(view, QString::fromStdString(page));
        for (int attempt = 0; loaded && attempt < 10; ++attempt) {
            shot = view.grab().toImage();
            if (!shot.isNull() && !AllOneColour(shot)) break;
            QEventLoop wait;
            QTimer::singleShot(500, &wait, &QEventLoop::quit);
            wait.exec();
        }
        if (!loaded || shot.isNull() || AllOneColour(shot)) {
            std::fprintf(stderr, "quillora_layoutshots: %s: the page did not render\n", qPrintable(sample));
            ++failures;
            continue;
        }

        const QString base = QStringLiteral("%1/%2").arg(out).arg(number);
        const std::string name = DisplayName(number, session.Doc());
        try {
            if (!SaveJpeg(Compose(shot), base + QStringLiteral(".jpg"))) throw FileError("cannot write the picture");
            WriteFileAtomic((base + QStringLiteral(".ini")).toStdString(), "[NAME]\r\nName=" + name + "\r\n");
        } catch (const FileError& e) {
            std::fprintf(stderr, "quillora_layoutshots: %s: %s\n", qPrintable(base), e.what());
            ++failures;
            continue;
        }
        std::printf("%d.jpg  %s\n", number, Cp1252ToUtf8(name).c_str());
        ++written;
    }
    if (written == 0 && failures == 0) std::fprintf(stderr, "quillora_layoutshots: no sample templates in %sVorlagen\n", prog.c_str());
    return failures == 0 && written > 0 ? 0 : 1;
}
