#include "shell/QtUserDialogs.h"

#include "render/Cp1252.h"
#include "shell/TCloseForm.h"
#include "shell/TextCatalogue.h"

#include <QAbstractButton>
#include <QPushButton>

#include <QColorDialog>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace quillora {
namespace {

QString Q(const std::string& s) { return Cp1252ToQString(s); }

// Texts joined from pieces use bare carriage returns as line breaks.
QString Lines(const std::string& s) {
    QString t = Q(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString Title(const std::string& title) {
    return title.empty() ? QStringLiteral("Quillora pro") : Q(title);
}

// Button and title texts of the standard dialogs in the active language.
QString Caption(const char* name) { return Q(DialogCaption(name)); }
QString TitleCaption(const char* name) { return Caption(name).remove(QLatin1Char('&')); }

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text, bool onTop) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(Caption("OK"), QMessageBox::AcceptRole);
    if (onTop) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

}  // namespace

QStringList QtFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out;
}

void QtUserDialogs::Error(const std::string& title, const std::string& text) {
    Show(parent_, QMessageBox::Critical, Title(title), Lines(text), true);
}

void QtUserDialogs::Information(const std::string& text) {
    Show(parent_, QMessageBox::Information, TitleCaption("Information"), Lines(text), false);
}

void QtUserDialogs::Message(const std::string& text) {
    Show(parent_, QMessageBox::NoIcon, QStringLiteral("Quillora pro"), Lines(text), false);
}

Answer QtUserDialogs::Question(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, title.empty() ? TitleCaption("Confirm") : Q(title), Lines(text),
                    QMessageBox::NoButton, parent_);
    QAbstractButton* yes = box.addButton(Caption("Yes"), QMessageBox::YesRole);
    box.addButton(Caption("No"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

std::optional<FileDialogResult> QtUserDialogs::OpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, Q(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialDir.empty()) dialog.setDirectory(QString::fromStdString(request.initialDir));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileDialogResult{dialog.selectedFiles().front().toStdString(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<FileDialogResult> QtUserDialogs::SaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, Q(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialDir.empty()) dialog.setDirectory(QString::fromStdString(request.initialDir));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileDialogResult{dialog.selectedFiles().front().toStdString(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

Answer QtUserDialogs::SaveChangesPrompt() {
    TCloseForm form(parent_);
    return form.Ask();
}

std::optional<int> QtUserDialogs::ChooseColor(int initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(start, parent_);
    if (!c.isValid()) return std::nullopt;
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

std::optional<std::string> QtUserDialogs::ChooseSample() {
    if (!sampleChooser) return std::nullopt;
    return sampleChooser();
}

bool QtUserDialogs::OpenWithShell(const std::string& pathOrUrl) {
    const QString target = QString::fromStdString(pathOrUrl);
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

void QtUserDialogs::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtUserDialogs::EndBusy() { QApplication::restoreOverrideCursor(); }

}  // namespace quillora
