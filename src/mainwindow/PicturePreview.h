#pragma once
// Preview pane of one picture slot: shows the file scaled to fit, or an empty page.
#include <QLabel>
#include <QString>

namespace quillora {

class PicturePreview : public QLabel {
    Q_OBJECT
public:
    explicit PicturePreview(const QString& objectName, QWidget* parent = nullptr);

    // Shows the picture at a native path; a file that cannot be read shows its name.
    void ShowFile(const QString& nativePath);
    void ShowBlank();

    // What the pane shows: the native path, or "about:blank".
    QString Address() const { return address_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Rescale();

    QString address_ = QStringLiteral("about:blank");
    QPixmap original_;
};

}  // namespace quillora
