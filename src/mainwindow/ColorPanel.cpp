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

QColor ColorFromText(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') return {};
    for (std::size_t i = 1; i < 7; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return {};
    return QColor(QString::fromLatin1(text.c_str()));
}

}  // namespace quillora
