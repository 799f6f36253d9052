#include "paint.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace imagegen {

QImage canvas(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

void beginPainter(QPainter& p, QImage& img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::NoPen);
}

QFont font(const char* family, double pixelSize, int weight, bool italic, double letterSpacing)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0.0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

QFont fitted(QFont f, const QString& text, double maxWidth)
{
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(text) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void horizontalGradient(QPainter& p, const QRectF& r, const QColor& left, const QColor& right)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    p.fillRect(r, g);
}

void radialGlow(QPainter& p, const QPointF& c, double radius, const QColor& inner)
{
    QRadialGradient g(c, radius);
    QColor outer = inner;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    p.restore();
}

double drawText(QPainter& p, double x, double y, const QString& text, const QFont& f,
                const QColor& c)
{
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(x, y), text);
    p.restore();
    return QFontMetricsF(f).horizontalAdvance(text);
}

void drawTextCentered(QPainter& p, double cx, double y, const QString& text, const QFont& f,
                      const QColor& c)
{
    const double w = QFontMetricsF(f).horizontalAdvance(text);
    drawText(p, cx - w / 2, y, text, f, c);
}

void drawTextShadowed(QPainter& p, double x, double y, const QString& text, const QFont& f,
                      const QColor& c, const QColor& shadow, double offset)
{
    drawText(p, x + offset, y + offset, text, f, shadow);
    drawText(p, x, y, text, f, c);
}

void drawFeather(QPainter& p, const QPointF& nib, double L, double angleDeg, const QColor& vane,
                 const QColor& shaft)
{
    p.save();
    p.translate(nib);
    p.rotate(angleDeg);

    QPainterPath blade;
    blade.moveTo(0.20 * L, 0);
    blade.cubicTo(0.35 * L, -0.16 * L, 0.75 * L, -0.20 * L, 1.00 * L, -0.03 * L);
    blade.cubicTo(0.80 * L, 0.10 * L, 0.45 * L, 0.10 * L, 0.26 * L, 0.01 * L);
    blade.closeSubpath();

    // Small cuts along the edges make it read as a feather rather than a leaf.
    QPainterPath cuts;
    const double cutsTop[][2] = {{0.42, -0.14}, {0.63, -0.165}, {0.80, -0.13}};
    for (const auto& c : cutsTop) {
        QPolygonF t;
        t << QPointF(c[0] * L, c[1] * L - 0.05 * L) << QPointF(c[0] * L + 0.07 * L, c[1] * L - 0.05 * L)
          << QPointF(c[0] * L + 0.005 * L, c[1] * L + 0.035 * L);
        cuts.addPolygon(t);
    }
    const double cutsBottom[][2] = {{0.52, 0.075}, {0.72, 0.06}};
    for (const auto& c : cutsBottom) {
        QPolygonF t;
        t << QPointF(c[0] * L, c[1] * L + 0.05 * L) << QPointF(c[0] * L + 0.07 * L, c[1] * L + 0.05 * L)
          << QPointF(c[0] * L + 0.005 * L, c[1] * L - 0.03 * L);
        cuts.addPolygon(t);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(vane);
    p.drawPath(blade.subtracted(cuts));

    // Barbs, drawn slightly darker than the vane.
    QColor barb = vane.darker(118);
    barb.setAlpha(150);
    p.setPen(QPen(barb, std::max(0.6, 0.006 * L), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double x = (0.32 + 0.09 * i) * L;
        const double ys = -0.03 * L * (x / L);
        p.drawLine(QPointF(x, ys), QPointF(x + 0.08 * L, ys - 0.10 * L * (1.0 - 0.5 * x / L)));
    }

    QPen shaftPen(shaft, std::max(1.0, 0.018 * L), Qt::SolidLine, Qt::RoundCap);
    p.setPen(shaftPen);
    QPainterPath spine;
    spine.moveTo(0.02 * L, 0);
    spine.quadTo(0.6 * L, -0.015 * L, 0.98 * L, -0.03 * L);
    p.setBrush(Qt::NoBrush);
    p.drawPath(spine);

    // Cut nib.
    QPainterPath nibPath;
    nibPath.moveTo(0, 0);
    nibPath.lineTo(0.09 * L, -0.018 * L);
    nibPath.lineTo(0.09 * L, 0.018 * L);
    nibPath.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(shaft);
    p.drawPath(nibPath);
    p.restore();
}

void drawLindenLeaf(QPainter& p, const QPointF& centre, double s, double angleDeg,
                    const QColor& fill, const QColor& vein)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    p.scale(s, s);

    QPainterPath leaf;
    leaf.moveTo(0, 0.32);
    leaf.cubicTo(-0.18, 0.52, -0.62, 0.46, -0.56, 0.02);
    leaf.cubicTo(-0.50, -0.36, -0.16, -0.58, 0.02, -0.92);
    leaf.cubicTo(0.14, -0.58, 0.52, -0.38, 0.56, 0.04);
    leaf.cubicTo(0.60, 0.48, 0.16, 0.52, 0, 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(leaf);

    QPen pen(vein, 0.03, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, 0.32), QPointF(0.01, -0.80));
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const double y = 0.18 - 0.30 * i;
            p.drawLine(QPointF(0.0, y), QPointF(side * (0.36 - 0.07 * i), y - 0.20));
        }
    }
    p.drawLine(QPointF(0, 0.32), QPointF(-0.04, 0.62));
    p.restore();
}

QPainterPath pointedLeaf(double L, double W)
{
    QPainterPath path;
    path.moveTo(0, L / 2);
    path.cubicTo(-W * 0.75, L * 0.25, -W * 0.62, -L * 0.22, 0, -L / 2);
    path.cubicTo(W * 0.62, -L * 0.22, W * 0.75, L * 0.25, 0, L / 2);
    return path;
}

void drawWheatEar(QPainter& p, const QPointF& base, double L, double angleDeg, const QColor& c)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    p.setPen(QPen(c.darker(115), std::max(1.0, L * 0.025), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -L * 0.92));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const int n = 5;
    for (int i = 0; i < n; ++i) {
        const double y = -L * (0.40 + 0.10 * i);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(side * L * 0.045, y);
            p.rotate(side * 28);
            p.drawPath(pointedLeaf(L * 0.17, L * 0.085));
            p.restore();
        }
    }
    p.save();
    p.translate(0, -L * 0.93);
    p.drawPath(pointedLeaf(L * 0.16, L * 0.075));
    p.restore();
    // Awns.
    p.setPen(QPen(c.lighter(110), std::max(0.5, L * 0.008)));
    for (int i = 0; i < n; ++i) {
        const double y = -L * (0.47 + 0.10 * i);
        p.drawLine(QPointF(-L * 0.07, y), QPointF(-L * 0.16, y - L * 0.16));
        p.drawLine(QPointF(L * 0.07, y), QPointF(L * 0.16, y - L * 0.16));
    }
    p.restore();
}

void drawEnvelope(QPainter& p, const QRectF& r, const QColor& paper, const QColor& line)
{
    p.save();
    p.setPen(QPen(line, std::max(1.0, r.width() * 0.025), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(paper);
    p.drawRoundedRect(r, r.width() * 0.05, r.width() * 0.05);
    QPainterPath flap;
    flap.moveTo(r.topLeft() + QPointF(r.width() * 0.03, r.height() * 0.05));
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.58);
    flap.lineTo(r.topRight() + QPointF(-r.width() * 0.03, r.height() * 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.drawLine(r.bottomLeft() + QPointF(r.width() * 0.05, -r.height() * 0.06),
               QPointF(r.left() + r.width() * 0.38, r.top() + r.height() * 0.48));
    p.drawLine(r.bottomRight() + QPointF(-r.width() * 0.05, -r.height() * 0.06),
               QPointF(r.right() - r.width() * 0.38, r.top() + r.height() * 0.48));
    p.restore();
}

void drawSparkle(QPainter& p, const QPointF& c, double r, const QColor& col)
{
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c.x(), c.y(), c.x() + r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
    s.quadTo(c.x(), c.y(), c.x() - r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(s);
    p.restore();
}

QPainterPath gearPath(const QPointF& c, double outer, double inner, int teeth, double phase)
{
    QPolygonF poly;
    const double step = 2 * std::numbers::pi / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double a = phase + i * step;
        const double pts[][2] = {{0.0, inner}, {0.12, outer}, {0.42, outer}, {0.54, inner}};
        for (const auto& pt : pts) {
            const double ang = a + pt[0] * step;
            poly << QPointF(c.x() + pt[1] * std::cos(ang), c.y() + pt[1] * std::sin(ang));
        }
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, inner * 0.38, inner * 0.38);
    return path.subtracted(hole);
}

void fadingLine(QPainter& p, double x0, double x1, double y, double width, const QColor& c)
{
    QLinearGradient g(QPointF(x0, 0), QPointF(x1, 0));
    QColor clear = c;
    clear.setAlpha(0);
    g.setColorAt(0.0, clear);
    g.setColorAt(0.22, c);
    g.setColorAt(0.78, c);
    g.setColorAt(1.0, clear);
    p.fillRect(QRectF(x0, y - width / 2, x1 - x0, width), g);
}

bool saveJpeg(const QImage& img, const QString& path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(img)) {
        std::fprintf(stderr, "quillora_imagegen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace imagegen
