#pragma once
// A colour field that can be clicked like its button.
#include <QColor>
#include <QFrame>

namespace quillora {

class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(const QString& objectName, QWidget* parent = nullptr);
    void SetColor(const QColor& color);
    QColor Color() const { return color_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor color_;
};

}  // namespace quillora
