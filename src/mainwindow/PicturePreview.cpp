#include "mainwindow/PicturePreview.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResizeEvent>

namespace quillora {

PicturePreview::PicturePreview(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(120, 60);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setStyleSheet(QStringLiteral("background: white;"));
}

void PicturePreview::ShowFile(const QString& nativePath) {
    address_ = nativePath;
    QImageReader reader(nativePath);
    const QImage image = reader.read();
    if (image.isNull()) {
        original_ = QPixmap();
        setPixmap(QPixmap());
        setText(QFileInfo(nativePath).fileName());
        return;
    }
    original_ = QPixmap::fromImage(image);
    Rescale();
}

void PicturePreview::ShowBlank() {
    address_ = QStringLiteral("about:blank");
    original_ = QPixmap();
    setPixmap(QPixmap());
    setText(QString());
}

void PicturePreview::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Rescale();
}

void PicturePreview::Rescale() {
    if (original_.isNull()) return;
    const QSize room = contentsRect().size();
    if (original_.width() <= room.width() && original_.height() <= room.height())
        setPixmap(original_);
    else
        setPixmap(original_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace quillora
