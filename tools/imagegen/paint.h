#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace imagegen {

inline constexpr const char* kSans = "Liberation Sans";
inline constexpr const char* kSerif = "Liberation Serif";

// Fixed-seed generator so every run draws the same stars, windows and confetti.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() { state_ = state_ * 1664525u + 1013904223u; return state_ >> 8; }
    double unit() { return double(next() % 100000u) / 100000.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
private:
    std::uint32_t state_;
};

QImage canvas(int w, int h, const QColor& fill);
void beginPainter(QPainter& p, QImage& img);

QFont font(const char* family, double pixelSize, int weight = QFont::Normal,
           bool italic = false, double letterSpacing = 0.0);
// Largest pixel size not above `pixelSize` at which `text` fits into `maxWidth`.
QFont fitted(QFont f, const QString& text, double maxWidth);

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
void horizontalGradient(QPainter& p, const QRectF& r, const QColor& left, const QColor& right);
void radialGlow(QPainter& p, const QPointF& c, double radius, const QColor& inner);

// Text with its baseline at y; returns the advance width.
double drawText(QPainter& p, double x, double y, const QString& text, const QFont& f,
                const QColor& c);
void drawTextCentered(QPainter& p, double cx, double y, const QString& text, const QFont& f,
                      const QColor& c);
void drawTextShadowed(QPainter& p, double x, double y, const QString& text, const QFont& f,
                      const QColor& c, const QColor& shadow, double offset = 1.5);

// A writing quill lying along `angleDeg`, nib at `nib`.
void drawFeather(QPainter& p, const QPointF& nib, double length, double angleDeg,
                 const QColor& vane, const QColor& shaft);
// Heart-shaped leaf of the linden tree, tip pointing along `angleDeg` (0 = up).
void drawLindenLeaf(QPainter& p, const QPointF& centre, double size, double angleDeg,
                    const QColor& fill, const QColor& vein);
// Pointed leaf (ellipse-like), tip along `angleDeg` (0 = up).
QPainterPath pointedLeaf(double length, double width);
void drawWheatEar(QPainter& p, const QPointF& base, double length, double angleDeg,
                  const QColor& c);
void drawEnvelope(QPainter& p, const QRectF& r, const QColor& paper, const QColor& line);
void drawSparkle(QPainter& p, const QPointF& c, double r, const QColor& col);
QPainterPath gearPath(const QPointF& c, double outer, double inner, int teeth, double phase);
// Line that fades out towards both ends (separators).
void fadingLine(QPainter& p, double x0, double x1, double y, double width, const QColor& c);

bool saveJpeg(const QImage& img, const QString& path, int quality = 85);

// One picture of the shipped set: path below the data folder and its painter.
struct Picture {
    QString path;
    std::function<QImage()> draw;
};

std::vector<Picture> mastheadPictures();
std::vector<Picture> articlePictures();
std::vector<Picture> brandingPictures();

}  // namespace imagegen
