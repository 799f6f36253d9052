#include "mainwindow/ColorPanel.h"

#include <QMouseEvent>

namespace quillora {

ColorPanel::ColorPanel(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setMinimumSize(48, 22);
    setCursor(Qt::PointingHandCursor);
    SetColor(Qt::black);
}

void ColorPanel::SetColor(const QColor& color) {
    color_ = color;
    setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid #808080; }")
                      .arg(objectName(), color.name()));
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}

}  // namespace quillora
