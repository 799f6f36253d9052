// Article pictures, 180 x 135: the picture cell of a block is 180 px wide.

#include "paint.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace imagegen {
namespace {

constexpr int kW = 180;
constexpr int kH = 135;

struct Pic {
    QImage img;
    QPainter p;
    explicit Pic(const QColor& bg) : img(canvas(kW, kH, bg)) { beginPainter(p, img); }
    QImage done() { p.end(); return img; }
};

void hill(QPainter& p, double y0, double y1, double cx, double amp, const QColor& c)
{
    QPainterPath path;
    path.moveTo(0, y0);
    path.cubicTo(cx * 0.5, y0 - amp, cx, y1 - amp, kW, y1);
    path.lineTo(kW, kH);
    path.lineTo(0, kH);
    path.closeSubpath();
    p.setBrush(c);
    p.drawPath(path);
}

void flower(QPainter& p, const QPointF& c, double r, const QColor& petal, const QColor& heart)
{
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        p.drawEllipse(c + QPointF(std::cos(a) * r * 0.6, std::sin(a) * r * 0.6), r * 0.5, r * 0.5);
    }
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.35, r * 0.35);
}

QImage spring()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#9ED8FB"), QColor("#E9F7FF"));
    radialGlow(p, QPointF(138, 32), 40, QColor(255, 240, 170, 200));
    p.setBrush(QColor("#FFE27A"));
    p.drawEllipse(QPointF(138, 32), 14, 14);
    p.setBrush(QColor(255, 255, 255, 220));
    for (QPointF c : {QPointF(40, 30), QPointF(52, 26), QPointF(63, 31)})
        p.drawEllipse(c, 11, 8);
    hill(p, 82, 70, 120, 18, QColor("#A8D890"));
    hill(p, 100, 92, 70, 22, QColor("#74BF5F"));
    hill(p, 118, 112, 110, 14, QColor("#4E9F44"));
    // Tree on the middle hill.
    p.fillRect(QRectF(126, 68, 4, 20), QColor("#7A5636"));
    p.setBrush(QColor("#F6B7CB"));
    p.drawEllipse(QPointF(128, 62), 15, 13);
    p.setBrush(QColor("#F28DB0"));
    p.drawEllipse(QPointF(121, 66), 8, 7);
    p.drawEllipse(QPointF(136, 58), 7, 6);
    const struct { double x, y, r; const char* c; } fl[] = {
        {18, 122, 5, "#FFFFFF"}, {38, 127, 4, "#FFD54F"}, {60, 121, 5, "#F48FB1"},
        {84, 128, 4, "#FFFFFF"}, {104, 123, 5, "#FFD54F"}, {128, 129, 4, "#F48FB1"},
        {150, 122, 5, "#FFFFFF"}, {170, 128, 4, "#FFD54F"}, {28, 110, 3, "#FFFFFF"},
        {74, 112, 3, "#F48FB1"}, {140, 110, 3, "#FFFFFF"},
    };
    for (const auto& f : fl)
        flower(p, QPointF(f.x, f.y), f.r, QColor(f.c), QColor("#F9A825"));
    return pic.done();
}

QImage coffee()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#F5E6D3"), QColor("#E3C8A8"));
    p.fillRect(QRectF(0, 100, kW, 35), QColor(140, 96, 60, 60));

    p.setBrush(QColor(90, 60, 40, 60));
    p.drawEllipse(QPointF(92, 112), 58, 12);
    QRadialGradient sg(QPointF(88, 106), 60);
    sg.setColorAt(0, QColor("#FFFFFF"));
    sg.setColorAt(1, QColor("#E6E1DA"));
    p.setBrush(sg);
    p.drawEllipse(QPointF(90, 107), 56, 12);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#EDEAE5"), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(104, 62, 34, 30), -80 * 16, 170 * 16);
    p.setPen(Qt::NoPen);
    QPainterPath cup;
    cup.moveTo(52, 58);
    cup.lineTo(128, 58);
    cup.cubicTo(127, 88, 114, 104, 90, 106);
    cup.cubicTo(66, 104, 53, 88, 52, 58);
    QLinearGradient cg(52, 0, 128, 0);
    cg.setColorAt(0, QColor("#FFFFFF"));
    cg.setColorAt(0.7, QColor("#F4F1EC"));
    cg.setColorAt(1, QColor("#D9D3CA"));
    p.setBrush(cg);
    p.drawPath(cup);
    p.setBrush(QColor("#C0392B"));
    p.drawRect(QRectF(56, 72, 68, 6));
    p.setBrush(QColor("#F0ECE6"));
    p.drawEllipse(QPointF(90, 58), 38, 8);
    p.setBrush(QColor("#6B3F22"));
    p.drawEllipse(QPointF(90, 58.5), 33, 6);
    p.setBrush(QColor("#B9855A"));
    p.drawEllipse(QPointF(88, 58), 13, 3);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 190), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double x = 76 + i * 14;
        QPainterPath s;
        s.moveTo(x, 46);
        s.cubicTo(x - 8, 38, x + 8, 30, x, 22 - (i == 1 ? 6 : 0));
        p.drawPath(s);
    }
    p.setPen(Qt::NoPen);
    for (QPointF b : {QPointF(24, 120), QPointF(38, 126), QPointF(156, 122)}) {
        p.save();
        p.translate(b);
        p.rotate(b.x() * 3);
        p.setBrush(QColor("#5A3520"));
        p.drawEllipse(QPointF(0, 0), 6, 4);
        p.setPen(QPen(QColor("#2E1A0F"), 1));
        p.drawLine(QPointF(-5, 0), QPointF(5, 0));
        p.setPen(Qt::NoPen);
        p.restore();
    }
    return pic.done();
}

QImage calendar()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#E4EEF7"), QColor("#CBDCEB"));
    p.setBrush(QColor(40, 60, 90, 40));
    p.drawRoundedRect(QRectF(36, 22, 114, 102), 8, 8);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(32, 18, 114, 102), 8, 8);
    QPainterPath card;
    card.addRoundedRect(QRectF(32, 18, 114, 102), 8, 8);
    p.save();
    p.setClipPath(card);
    p.fillRect(QRectF(32, 18, 114, 26), QColor("#D64541"));
    p.restore();
    for (double x : {58.0, 120.0}) {
        p.setBrush(QColor("#8E2A27"));
        p.drawEllipse(QPointF(x, 26), 3.5, 3.5);
        p.setPen(QPen(QColor("#5B6573"), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 12), QPointF(x, 26));
        p.setPen(Qt::NoPen);
    }
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int day = r * 7 + c;
            if (day > 30)
                continue;
            const QRectF cell(40 + c * 14.5, 52 + r * 13, 10.5, 9.5);
            QColor col("#E3E8EE");
            if (c >= 5)
                col = QColor("#F3D9D8");
            if (day == 17)
                col = QColor("#D64541");
            if (day == 9 || day == 24)
                col = QColor("#8CB8E0");
            p.setBrush(col);
            p.drawRoundedRect(cell, 2, 2);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#D64541"), 1.6));
    p.drawEllipse(QRectF(40 + 3 * 14.5 - 3, 52 + 2 * 13 - 3, 16.5, 15.5));
    return pic.done();
}

QImage chart()
{
    Pic pic(QColor("#1E2A44"));
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#24324F"), QColor("#18223A"));
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 30; y <= 110; y += 20)
        p.drawLine(QPointF(20, y), QPointF(164, y));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawLine(QPointF(20, 112), QPointF(164, 112));
    p.setPen(Qt::NoPen);
    const double heights[] = {26, 38, 33, 52, 61, 74};
    for (int i = 0; i < 6; ++i) {
        const QRectF bar(28 + i * 23, 112 - heights[i], 14, heights[i]);
        QLinearGradient g(bar.topLeft(), bar.bottomLeft());
        g.setColorAt(0, QColor("#5CE1E6"));
        g.setColorAt(1, QColor("#2B8FD0"));
        p.setBrush(g);
        p.drawRoundedRect(bar, 2, 2);
    }
    const QPointF pts[] = {{35, 84}, {58, 76}, {81, 80}, {104, 58}, {127, 50}, {150, 28}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#FFB547"), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(pts, 6);
    p.setPen(Qt::NoPen);
    for (const QPointF& pt : pts) {
        p.setBrush(QColor("#FFB547"));
        p.drawEllipse(pt, 3.6, 3.6);
        p.setBrush(QColor("#24324F"));
        p.drawEllipse(pt, 1.5, 1.5);
    }
    QPolygonF arrow;
    arrow << QPointF(160, 18) << QPointF(149, 20) << QPointF(157, 28);
    p.setBrush(QColor("#FFB547"));
    p.drawPolygon(arrow);
    return pic.done();
}

QImage gift()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#FDEBEF"), QColor("#F4CCD6"));
    p.setBrush(QColor(120, 30, 40, 45));
    p.drawEllipse(QPointF(92, 122), 54, 7);
    const QRectF body(48, 62, 86, 58);
    QLinearGradient bg(body.topLeft(), body.topRight());
    bg.setColorAt(0, QColor("#D64541"));
    bg.setColorAt(1, QColor("#A93226"));
    p.setBrush(bg);
    p.drawRect(body);
    const QRectF lid(42, 48, 98, 18);
    p.setBrush(QColor("#C0392B"));
    p.drawRoundedRect(lid, 2, 2);
    p.fillRect(QRectF(42, 64, 98, 3), QColor(0, 0, 0, 40));
    const QColor gold("#F4C542");
    p.fillRect(QRectF(84, 48, 14, 72), gold);
    p.fillRect(QRectF(48, 84, 86, 10), gold);
    p.fillRect(QRectF(94, 48, 4, 72), gold.darker(112));
    p.setBrush(gold);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(91, 46);
        p.rotate(side * 58);
        p.drawEllipse(QPointF(0, -14), 8, 15);
        p.restore();
    }
    p.setBrush(QColor("#FBE08A"));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(91, 46);
        p.rotate(side * 58);
        p.drawEllipse(QPointF(0, -14), 3.5, 9);
        p.restore();
    }
    p.setBrush(gold.darker(110));
    p.drawEllipse(QPointF(91, 46), 6, 5);
    drawSparkle(p, QPointF(28, 30), 8, QColor("#F4C542"));
    drawSparkle(p, QPointF(154, 36), 6, Qt::white);
    drawSparkle(p, QPointF(150, 96), 5, QColor("#F4C542"));
    drawSparkle(p, QPointF(26, 90), 4, Qt::white);
    return pic.done();
}

QImage leaf()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#F1F8EA"), QColor("#D6E9C8"));
    p.save();
    p.translate(92, 68);
    p.rotate(38);
    const QPainterPath shape = pointedLeaf(124, 72);
    p.setBrush(QColor(40, 90, 40, 45));
    p.translate(4, 4);
    p.drawPath(shape);
    p.translate(-4, -4);
    QLinearGradient g(-30, -60, 30, 60);
    g.setColorAt(0, QColor("#8FD16F"));
    g.setColorAt(1, QColor("#3D8B3D"));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(QColor(235, 255, 220, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 70), QPointF(0, -56));
    p.setPen(QPen(QColor(235, 255, 220, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const double y = 36 - i * 19;
        const double w = 22 - std::abs(i - 1.5) * 4;
        QPainterPath v;
        v.moveTo(0, y);
        v.quadTo(w * 0.6, y - 4, w, y - 14);
        v.moveTo(0, y);
        v.quadTo(-w * 0.6, y - 4, -w, y - 14);
        p.setBrush(Qt::NoBrush);
        p.drawPath(v);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    QRadialGradient d(QPointF(136, 96), 7);
    d.setColorAt(0, QColor(255, 255, 255, 230));
    d.setColorAt(1, QColor(170, 220, 240, 140));
    p.setBrush(d);
    QPainterPath drop;
    drop.moveTo(136, 84);
    drop.cubicTo(140, 92, 144, 96, 143, 100);
    drop.cubicTo(142, 106, 130, 106, 129, 100);
    drop.cubicTo(128, 96, 132, 92, 136, 84);
    p.drawPath(drop);
    return pic.done();
}

QImage skyline()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    QLinearGradient sky(0, 0, 0, kH);
    sky.setColorAt(0, QColor("#2C3E70"));
    sky.setColorAt(0.6, QColor("#C0697A"));
    sky.setColorAt(1, QColor("#F39C6B"));
    p.fillRect(pic.img.rect(), sky);
    radialGlow(p, QPointF(120, 108), 44, QColor(255, 210, 140, 190));
    p.setBrush(QColor("#FFD49A"));
    p.drawEllipse(QPointF(120, 108), 16, 16);
    Lcg rng(3);
    for (int i = 0; i < 18; ++i) {
        p.setBrush(QColor(255, 255, 255, int(rng.range(60, 180))));
        p.drawEllipse(QPointF(rng.range(0, kW), rng.range(4, 48)), 0.8, 0.8);
    }
    // Back row.
    double x = -4;
    while (x < kW) {
        const double w = rng.range(14, 24), h = rng.range(30, 62);
        p.fillRect(QRectF(x, kH - h - 8, w, h + 8), QColor("#4A4E7E"));
        x += w;
    }
    // Tower.
    p.fillRect(QRectF(48, 36, 3, 70), QColor("#2A2F52"));
    p.setBrush(QColor("#2A2F52"));
    p.drawEllipse(QPointF(49.5, 56), 6, 4);
    p.fillRect(QRectF(49, 26, 1, 12), QColor("#2A2F52"));
    // Front row with lit windows.
    x = -2;
    while (x < kW) {
        const double w = rng.range(18, 30), h = rng.range(22, 52);
        const QRectF b(x, kH - h, w, h);
        p.fillRect(b, QColor("#1E2242"));
        for (double wy = b.top() + 5; wy < kH - 5; wy += 7)
            for (double wx = b.left() + 4; wx < b.right() - 4; wx += 6)
                if (rng.unit() < 0.42)
                    p.fillRect(QRectF(wx, wy, 3, 3.5), QColor(255, 216, 107, int(rng.range(150, 255))));
        x += w + 1;
    }
    return pic.done();
}

QImage lightBulb()
{
    Pic pic(QColor("#24324F"));
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#2C3E5E"), QColor("#1A2438"));
    radialGlow(p, QPointF(90, 54), 70, QColor(255, 214, 90, 150));
    p.setPen(QPen(QColor(255, 220, 120, 200), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const double a = std::numbers::pi * (1.0 + i / 8.0);
        const QPointF c(90, 54);
        p.drawLine(c + QPointF(std::cos(a) * 44, std::sin(a) * 44),
                   c + QPointF(std::cos(a) * 56, std::sin(a) * 56));
    }
    p.setPen(Qt::NoPen);
    QPainterPath glass;
    glass.addEllipse(QPointF(90, 52), 30, 30);
    QPainterPath neck;
    neck.moveTo(72, 74);
    neck.cubicTo(78, 84, 79, 90, 79, 96);
    neck.lineTo(101, 96);
    neck.cubicTo(101, 90, 102, 84, 108, 74);
    neck.closeSubpath();
    QRadialGradient gg(QPointF(82, 44), 42);
    gg.setColorAt(0, QColor("#FFFBE6"));
    gg.setColorAt(0.6, QColor("#FFE680"));
    gg.setColorAt(1, QColor("#F5B83D"));
    p.setBrush(gg);
    p.drawPath(glass.united(neck));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(78, 40), 6, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#C9781E"), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath fil;
    fil.moveTo(84, 94);
    fil.lineTo(84, 66);
    fil.cubicTo(84, 58, 96, 58, 96, 66);
    fil.lineTo(96, 94);
    p.drawPath(fil);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i % 2 ? QColor("#8E99A8") : QColor("#B6BFCA"));
        p.drawRoundedRect(QRectF(78, 96 + i * 6, 24, 6), 2, 2);
    }
    p.setBrush(QColor("#5B6573"));
    p.drawRoundedRect(QRectF(84, 114, 12, 5), 2, 2);
    return pic.done();
}

QImage bread()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#F3E6D0"), QColor("#E8D3B0"));
    p.fillRect(QRectF(0, 96, kW, 39), QColor("#B98A5A"));
    for (int y = 102; y < kH; y += 9)
        p.fillRect(QRectF(0, y, kW, 1), QColor(120, 80, 40, 60));
    p.setBrush(QColor("#D4A873"));
    p.drawRoundedRect(QRectF(14, 92, 152, 24), 10, 10);
    p.setBrush(QColor(80, 50, 20, 60));
    p.drawEllipse(QPointF(88, 98), 64, 8);

    QPainterPath loaf;
    loaf.moveTo(28, 96);
    loaf.cubicTo(26, 60, 70, 40, 96, 42);
    loaf.cubicTo(132, 44, 156, 66, 150, 96);
    loaf.closeSubpath();
    QLinearGradient lg(0, 40, 0, 98);
    lg.setColorAt(0, QColor("#D9964A"));
    lg.setColorAt(1, QColor("#9C5A25"));
    p.setBrush(lg);
    p.drawPath(loaf);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#F2C98A"), 3.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double x = 52 + i * 22;
        QPainterPath cut;
        cut.moveTo(x, 78);
        cut.quadTo(x + 6, 60, x + 16, 52);
        p.drawPath(cut);
    }
    p.setPen(Qt::NoPen);
    Lcg rng(9);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(255, 255, 255, int(rng.range(90, 200))));
        p.drawEllipse(QPointF(rng.range(50, 130), rng.range(46, 70)), 0.9, 0.9);
    }
    drawWheatEar(p, QPointF(160, 96), 64, 22, QColor("#C8963E"));
    return pic.done();
}

QImage cake()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#FFF4F6"), QColor("#F8DCE3"));
    p.setBrush(QColor("#C9B8BE"));
    p.drawRect(QRectF(86, 110, 8, 14));
    p.drawEllipse(QPointF(90, 125), 20, 4);
    p.setBrush(QColor("#FFFFFF"));
    p.drawEllipse(QPointF(90, 108), 60, 8);

    const double left = 44, right = 136, top = 60, bottom = 104;
    QLinearGradient side(left, 0, right, 0);
    side.setColorAt(0, QColor("#F7D7A8"));
    side.setColorAt(1, QColor("#E4B27A"));
    p.setBrush(side);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    p.drawEllipse(QPointF(90, bottom), (right - left) / 2, 7);
    p.fillRect(QRectF(left, 74, right - left, 5), QColor("#FFF3E0"));
    p.fillRect(QRectF(left, 90, right - left, 5), QColor("#FFF3E0"));
    p.fillRect(QRectF(left, 79, right - left, 2), QColor("#D9536F"));
    QPainterPath icing;
    icing.moveTo(left, top);
    const double drips[] = {10, 4, 14, 6, 11, 3, 13, 7};
    for (int i = 0; i <= 8; ++i) {
        const double x = left + i * (right - left) / 8.0;
        const double d = drips[i % 8];
        icing.lineTo(x, top + d);
        if (i < 8)
            icing.quadTo(x + (right - left) / 16.0, top + d + 6, x + (right - left) / 8.0,
                         top + drips[(i + 1) % 8]);
    }
    icing.lineTo(right, top);
    icing.closeSubpath();
    p.setBrush(QColor("#F28BA8"));
    p.drawPath(icing);
    p.drawEllipse(QPointF(90, top), (right - left) / 2, 8);
    p.setBrush(QColor("#F7A9BE"));
    p.drawEllipse(QPointF(90, top - 1), (right - left) / 2 - 6, 5);
    for (double x : {64.0, 90.0, 116.0}) {
        p.setBrush(QColor("#C0143C"));
        p.drawEllipse(QPointF(x, top - 4), 5.5, 5.5);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(x - 1.8, top - 6), 1.5, 1.5);
        p.setPen(QPen(QColor("#4E7D2E"), 1.2));
        p.drawLine(QPointF(x, top - 9), QPointF(x + 3, top - 15));
        p.setPen(Qt::NoPen);
    }
    p.fillRect(QRectF(88.5, 24, 3, 24), QColor("#7FB3E0"));
    radialGlow(p, QPointF(90, 18), 12, QColor(255, 220, 120, 180));
    p.setBrush(QColor("#FFB03A"));
    QPainterPath flame;
    flame.moveTo(90, 11);
    flame.cubicTo(94, 16, 94, 22, 90, 23);
    flame.cubicTo(86, 22, 86, 16, 90, 11);
    p.drawPath(flame);
    return pic.done();
}

QImage trophy()
{
    Pic pic(QColor("#1B3570"));
    QPainter& p = pic.p;
    QRadialGradient bg(QPointF(90, 60), 110);
    bg.setColorAt(0, QColor("#3566C2"));
    bg.setColorAt(1, QColor("#16295A"));
    p.fillRect(pic.img.rect(), bg);
    Lcg rng(21);
    const char* conf[] = {"#F2C230", "#FFFFFF", "#E74C3C", "#2ECC71", "#5DADE2"};
    for (int i = 0; i < 34; ++i) {
        p.save();
        p.translate(rng.range(0, kW), rng.range(0, kH));
        p.rotate(rng.range(0, 180));
        p.fillRect(QRectF(-2.5, -1.2, 5, 2.4), QColor(conf[i % 5]));
        p.restore();
    }
    QLinearGradient gold(60, 0, 120, 0);
    gold.setColorAt(0, QColor("#C9921E"));
    gold.setColorAt(0.45, QColor("#FFE38A"));
    gold.setColorAt(1, QColor("#B67F16"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#D9A62C"), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(46, 28, 30, 32), 90 * 16, 180 * 16);
    p.drawArc(QRectF(104, 28, 30, 32), -90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    QPainterPath cup;
    cup.moveTo(58, 24);
    cup.lineTo(122, 24);
    cup.cubicTo(122, 62, 106, 76, 90, 78);
    cup.cubicTo(74, 76, 58, 62, 58, 24);
    p.setBrush(gold);
    p.drawPath(cup);
    p.drawRect(QRectF(85, 76, 10, 16));
    p.drawRoundedRect(QRectF(72, 90, 36, 7), 2, 2);
    p.setBrush(QColor("#5A3A22"));
    p.drawRoundedRect(QRectF(64, 97, 52, 22), 2, 2);
    p.setBrush(QColor("#E8C15A"));
    p.drawRect(QRectF(76, 103, 28, 10));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = (i % 2) ? 5.0 : 11.0;
        star << QPointF(90 + r * std::cos(a), 46 + r * std::sin(a));
    }
    p.setBrush(QColor("#FFF5CC"));
    p.drawPolygon(star);
    return pic.done();
}

QImage football()
{
    Pic pic(QColor("#2E9447"));
    QPainter& p = pic.p;
    for (int x = 0; x < kW; x += 36)
        p.fillRect(QRectF(x + 18, 0, 18, kH), QColor("#35A252"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    p.drawEllipse(QPointF(-20, 70), 62, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 10, 70));
    p.drawEllipse(QPointF(104, 114), 38, 8);

    const QPointF c(100, 70);
    const double r = 40;
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    QRadialGradient bg(c + QPointF(-12, -14), r * 1.4);
    bg.setColorAt(0, QColor("#FFFFFF"));
    bg.setColorAt(1, QColor("#C9CED3"));
    p.setBrush(bg);
    p.drawPath(ball);
    p.save();
    p.setClipPath(ball);
    auto pentagon = [](const QPointF& m, double rad, double rot) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const double a = rot + i * 2 * std::numbers::pi / 5;
            poly << QPointF(m.x() + rad * std::cos(a), m.y() + rad * std::sin(a));
        }
        return poly;
    };
    const double rot = -std::numbers::pi / 2;
    const QPolygonF centre = pentagon(c, r * 0.32, rot);
    p.setPen(QPen(QColor("#2B2B2B"), 1.6));
    for (int i = 0; i < 5; ++i) {
        const double a = rot + i * 2 * std::numbers::pi / 5;
        p.drawLine(centre[i], c + QPointF(r * 0.68 * std::cos(a), r * 0.68 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#222222"));
    p.drawPolygon(centre);
    for (int i = 0; i < 5; ++i) {
        const double a = rot + std::numbers::pi / 5 + i * 2 * std::numbers::pi / 5;
        p.drawPolygon(pentagon(c + QPointF(r * 0.95 * std::cos(a), r * 0.95 * std::sin(a)),
                               r * 0.30, a + std::numbers::pi));
    }
    p.restore();
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(c + QPointF(-16, -18), 7, 5);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(20 + i * 4, 50 + i * 14), QPointF(48 + i * 4, 50 + i * 14));
    return pic.done();
}

QImage beach()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, 70), QColor("#4FB3E8"), QColor("#BDE8F7"));
    radialGlow(p, QPointF(140, 30), 34, QColor(255, 244, 190, 210));
    p.setBrush(QColor("#FFE9A0"));
    p.drawEllipse(QPointF(140, 30), 13, 13);
    verticalGradient(p, QRectF(0, 70, kW, 30), QColor("#1FA2C9"), QColor("#37C1D6"));
    QPainterPath sand;
    sand.moveTo(0, 100);
    sand.cubicTo(50, 92, 110, 104, 180, 94);
    sand.lineTo(180, 135);
    sand.lineTo(0, 135);
    sand.closeSubpath();
    p.setBrush(QColor("#F4DDA6"));
    p.drawPath(sand);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath foam;
    foam.moveTo(0, 99);
    foam.cubicTo(50, 91, 110, 103, 180, 93);
    p.drawPath(foam);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(70 + i * 30, 78 + i * 4), QPointF(86 + i * 30, 78 + i * 4));

    // Palm.
    QPainterPath trunk;
    trunk.moveTo(34, 118);
    trunk.cubicTo(30, 90, 36, 62, 50, 40);
    p.setPen(QPen(QColor("#8A5A2B"), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trunk);
    p.setPen(QPen(QColor("#6E4520"), 1));
    for (int i = 0; i < 7; ++i) {
        const double t = 0.1 + i * 0.12;
        const QPointF pt = trunk.pointAtPercent(t);
        p.drawLine(pt + QPointF(-3, 0), pt + QPointF(3, -1));
    }
    p.setPen(Qt::NoPen);
    const QPointF crown(50, 40);
    const double angles[] = {-160, -120, -70, -25, 20, 60};
    for (double a : angles) {
        p.save();
        p.translate(crown);
        p.rotate(a + 90);
        p.setBrush(QColor("#2E8B3E"));
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.cubicTo(8, -10, 24, -12, 36, 2);
        frond.cubicTo(24, -4, 10, -2, 0, 0);
        p.drawPath(frond);
        p.restore();
    }
    p.setBrush(QColor("#6E4520"));
    p.drawEllipse(crown + QPointF(-2, 3), 3, 3);
    p.drawEllipse(crown + QPointF(3, 4), 3, 3);

    // Parasol and towel.
    p.setPen(QPen(QColor("#7B7B7B"), 1.6));
    p.drawLine(QPointF(128, 84), QPointF(124, 122));
    p.setPen(Qt::NoPen);
    QPainterPath shade;
    shade.moveTo(104, 90);
    shade.quadTo(128, 62, 154, 80);
    shade.closeSubpath();
    p.setBrush(QColor("#E74C3C"));
    p.drawPath(shade);
    p.setBrush(Qt::white);
    QPainterPath stripe;
    stripe.moveTo(122, 86);
    stripe.quadTo(127, 72, 132, 72);
    stripe.lineTo(138, 82);
    stripe.closeSubpath();
    p.drawPath(stripe);
    p.save();
    p.translate(110, 118);
    p.rotate(-6);
    p.setBrush(QColor("#3B7DD8"));
    p.drawRect(QRectF(0, 0, 40, 10));
    p.setBrush(QColor("#F4F4F4"));
    p.drawRect(QRectF(10, 0, 6, 10));
    p.drawRect(QRectF(24, 0, 6, 10));
    p.restore();
    return pic.done();
}

QImage mountains()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#7FB6F0"), QColor("#F2D7E8"));
    radialGlow(p, QPointF(46, 34), 30, QColor(255, 250, 220, 200));
    p.setBrush(QColor("#FFF6D8"));
    p.drawEllipse(QPointF(46, 34), 10, 10);

    QPolygonF back;
    back << QPointF(0, 96) << QPointF(34, 62) << QPointF(60, 80) << QPointF(104, 44)
         << QPointF(140, 74) << QPointF(180, 56) << QPointF(180, 135) << QPointF(0, 135);
    p.setBrush(QColor("#8A9CC4"));
    p.drawPolygon(back);

    QPolygonF front;
    front << QPointF(0, 118) << QPointF(56, 58) << QPointF(84, 86) << QPointF(122, 30)
          << QPointF(180, 104) << QPointF(180, 135) << QPointF(0, 135);
    QLinearGradient fg(0, 30, 0, 135);
    fg.setColorAt(0, QColor("#5A6E9A"));
    fg.setColorAt(1, QColor("#3A4A72"));
    p.setBrush(fg);
    p.drawPolygon(front);
    p.setBrush(QColor("#FFFFFF"));
    QPolygonF snow1;
    snow1 << QPointF(122, 30) << QPointF(136, 48) << QPointF(128, 45) << QPointF(122, 52)
          << QPointF(115, 44) << QPointF(108, 50);
    p.drawPolygon(snow1);
    QPolygonF snow2;
    snow2 << QPointF(56, 58) << QPointF(67, 70) << QPointF(60, 68) << QPointF(54, 73)
          << QPointF(49, 66);
    p.drawPolygon(snow2);

    verticalGradient(p, QRectF(0, 112, kW, 23), QColor("#4C8BC0"), QColor("#2F6A9A"));
    p.setBrush(QColor("#1F4D3A"));
    Lcg rng(4);
    for (double x = -4; x < kW + 4; x += rng.range(7, 11)) {
        const double h = rng.range(14, 24);
        QPolygonF tree;
        tree << QPointF(x, 114) << QPointF(x + 4.5, 114 - h) << QPointF(x + 9, 114);
        p.drawPolygon(tree);
    }
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(20, 122), QPointF(50, 122));
    p.drawLine(QPointF(100, 127), QPointF(140, 127));
    return pic.done();
}

QImage suitcase()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#D8EEF9"), QColor("#F6EFE3"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 110, 160, 150), 1.4, Qt::DashLine, Qt::RoundCap));
    QPainterPath route;
    route.moveTo(14, 52);
    route.cubicTo(40, 10, 100, 6, 146, 22);
    p.drawPath(route);
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(152, 24);
    p.rotate(18);
    p.setBrush(QColor("#3D5A80"));
    p.drawRoundedRect(QRectF(-11, -2, 22, 4), 2, 2);
    QPolygonF wing;
    wing << QPointF(-2, -1) << QPointF(3, -1) << QPointF(-4, -11) << QPointF(-7, -11);
    p.drawPolygon(wing);
    QPolygonF wing2;
    wing2 << QPointF(-2, 1) << QPointF(3, 1) << QPointF(-4, 11) << QPointF(-7, 11);
    p.drawPolygon(wing2);
    p.drawPolygon(QPolygonF() << QPointF(-10, -1) << QPointF(-7, -1) << QPointF(-12, -6));
    p.restore();

    p.setBrush(QColor(90, 60, 30, 50));
    p.drawEllipse(QPointF(92, 124), 56, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#5C3212"), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(74, 36, 32, 18), 6, 6);
    p.setPen(Qt::NoPen);
    const QRectF box(38, 48, 108, 72);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor("#C8782A"));
    g.setColorAt(1, QColor("#9E5718"));
    p.setBrush(g);
    p.drawRoundedRect(box, 8, 8);
    p.fillRect(QRectF(58, 48, 8, 72), QColor("#7A3E12"));
    p.fillRect(QRectF(118, 48, 8, 72), QColor("#7A3E12"));
    p.setBrush(QColor("#D9B26F"));
    p.drawRect(QRectF(57, 80, 10, 7));
    p.drawRect(QRectF(117, 80, 10, 7));
    p.setBrush(QColor("#F2E3C6"));
    p.save();
    p.translate(92, 70);
    p.rotate(-12);
    p.drawEllipse(QPointF(0, 0), 12, 12);
    p.setBrush(QColor("#2E86AB"));
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.restore();
    p.save();
    p.translate(88, 104);
    p.rotate(8);
    p.setBrush(QColor("#E74C3C"));
    p.drawRoundedRect(QRectF(-12, -6, 24, 12), 2, 2);
    p.setBrush(QColor("#FFFFFF"));
    p.drawRect(QRectF(-8, -1.5, 16, 3));
    p.restore();
    p.setBrush(QColor("#F4C542"));
    p.drawEllipse(QPointF(136, 62), 6, 6);
    p.setBrush(QColor("#3A3A3A"));
    p.drawEllipse(QPointF(52, 122), 4, 4);
    p.drawEllipse(QPointF(132, 122), 4, 4);
    return pic.done();
}

QImage laptop()
{
    Pic pic(QColor("#222B3D"));
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#2A3550"), QColor("#1A2236"));
    radialGlow(p, QPointF(90, 58), 80, QColor(92, 225, 230, 40));
    p.setBrush(QColor("#3A4252"));
    p.drawRoundedRect(QRectF(36, 18, 108, 76), 6, 6);
    p.setBrush(QColor("#141A26"));
    p.drawRect(QRectF(42, 24, 96, 62));
    Lcg rng(17);
    const char* syntax[] = {"#5CE1E6", "#FF7AA2", "#FFD866", "#A9DC76", "#AB9DF2", "#C8D1E0"};
    int indent = 0;
    for (int line = 0; line < 9; ++line) {
        double x = 46 + indent * 6;
        const double y = 28 + line * 6.4;
        const int tokens = 1 + int(rng.range(1, 4));
        for (int t = 0; t < tokens && x < 130; ++t) {
            const double w = rng.range(6, 20);
            p.fillRect(QRectF(x, y, std::min(w, 134 - x), 2.6),
                       QColor(syntax[(line * 3 + t) % 6]));
            x += w + 3;
        }
        if (line == 1 || line == 3)
            ++indent;
        if (line == 5 || line == 7)
            indent = std::max(0, indent - 1);
    }
    p.fillRect(QRectF(46 + 6, 28 + 8 * 6.4, 2, 4), QColor("#FFFFFF"));
    QPolygonF base;
    base << QPointF(26, 98) << QPointF(154, 98) << QPointF(164, 110) << QPointF(16, 110);
    QLinearGradient bg(0, 94, 0, 112);
    bg.setColorAt(0, QColor("#D5DBE4"));
    bg.setColorAt(1, QColor("#9EA8B6"));
    p.setBrush(bg);
    p.drawPolygon(base);
    p.fillRect(QRectF(36, 94, 108, 4), QColor("#B8C0CC"));
    p.setBrush(QColor("#8892A2"));
    p.drawRoundedRect(QRectF(76, 102, 28, 5), 2, 2);
    p.fillRect(QRectF(16, 110, 148, 2), QColor("#6F7888"));
    p.setBrush(QColor("#FFB547"));
    p.drawEllipse(QPointF(152, 30), 9, 9);
    p.setPen(QPen(QColor("#222B3D"), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF() << QPointF(148, 30) << QPointF(151, 33) << QPointF(156, 27));
    return pic.done();
}

QImage gears()
{
    Pic pic(QColor("#222B3D"));
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#2A3550"), QColor("#1A2236"));
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    for (int x = 10; x < kW; x += 16)
        p.drawLine(QPointF(x, 0), QPointF(x, kH));
    for (int y = 7; y < kH; y += 16)
        p.drawLine(QPointF(0, y), QPointF(kW, y));
    p.setPen(Qt::NoPen);

    auto gear = [&](QPointF c, double outer, double inner, int teeth, double phase,
                    const char* a, const char* b) {
        QRadialGradient g(c, outer * 1.2);
        g.setColorAt(0, QColor(a));
        g.setColorAt(1, QColor(b));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawPath(gearPath(c + QPointF(3, 3), outer, inner, teeth, phase));
        p.setBrush(g);
        p.drawPath(gearPath(c, outer, inner, teeth, phase));
        p.setBrush(QColor(255, 255, 255, 40));
        QPainterPath ring;
        ring.addEllipse(c, inner * 0.7, inner * 0.7);
        QPainterPath hole;
        hole.addEllipse(c, inner * 0.5, inner * 0.5);
        p.drawPath(ring.subtracted(hole));
    };
    gear(QPointF(72, 72), 42, 34, 12, 0.1, "#6FE8EC", "#2B8FD0");
    gear(QPointF(130, 42), 26, 20, 9, 0.35, "#FFD38A", "#F08A24");
    gear(QPointF(136, 104), 20, 15, 8, 0.0, "#C9B8FF", "#7B5CE6");
    return pic.done();
}

QImage books()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, kH), QColor("#F7EFE4"), QColor("#EBDDC9"));
    p.fillRect(QRectF(0, 118, kW, 17), QColor("#A9805A"));
    p.fillRect(QRectF(0, 118, kW, 2), QColor("#8B6442"));

    struct Book { double x, w, h; const char* c; };
    const Book stack[] = {
        {26, 110, 15, "#1F3B5A"}, {32, 100, 13, "#8B1E3F"}, {22, 104, 14, "#6B8E4E"},
        {36, 92, 12, "#C9A45C"},
    };
    double y = 118;
    for (const Book& b : stack) {
        y -= b.h;
        const QRectF r(b.x, y, b.w, b.h);
        p.setBrush(QColor(b.c));
        p.drawRoundedRect(r, 2, 2);
        p.fillRect(QRectF(r.right() - 6, r.top() + 2, 5, r.height() - 4), QColor("#FBF6EC"));
        for (double ly = r.top() + 4; ly < r.bottom() - 2; ly += 2.5)
            p.fillRect(QRectF(r.right() - 6, ly, 5, 0.6), QColor("#D9CCB5"));
        p.fillRect(QRectF(r.left() + 10, r.top() + 3, 2, r.height() - 6), QColor(255, 230, 160, 170));
        p.fillRect(QRectF(r.left() + 16, r.top() + 3, 2, r.height() - 6), QColor(255, 230, 160, 170));
    }
    // Open book on top.
    const double top = y;
    QPainterPath left, right;
    left.moveTo(90, top - 4);
    left.cubicTo(74, top - 14, 56, top - 14, 40, top - 8);
    left.lineTo(40, top - 2);
    left.cubicTo(56, top - 8, 74, top - 8, 90, top + 1);
    left.closeSubpath();
    right.moveTo(90, top - 4);
    right.cubicTo(106, top - 14, 124, top - 14, 140, top - 8);
    right.lineTo(140, top - 2);
    right.cubicTo(124, top - 8, 106, top - 8, 90, top + 1);
    right.closeSubpath();
    p.setBrush(QColor("#FFFDF6"));
    p.drawPath(left);
    p.drawPath(right);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#C9BBA3"), 0.8));
    for (int i = 1; i <= 3; ++i) {
        QPainterPath l;
        l.moveTo(48, top - 8 - i * 1.2 + 1);
        l.cubicTo(60, top - 12 - i, 74, top - 11 - i, 84, top - 5 - i);
        p.drawPath(l);
        QPainterPath r;
        r.moveTo(132, top - 8 - i * 1.2 + 1);
        r.cubicTo(120, top - 12 - i, 106, top - 11 - i, 96, top - 5 - i);
        p.drawPath(r);
    }
    p.setPen(Qt::NoPen);
    // Bookmark and a small plant.
    p.fillRect(QRectF(112, top - 8, 4, 16), QColor("#E74C3C"));
    p.setBrush(QColor("#B5651D"));
    QPolygonF pot;
    pot << QPointF(148, 100) << QPointF(168, 100) << QPointF(165, 118) << QPointF(151, 118);
    p.drawPolygon(pot);
    p.setBrush(QColor("#4E9F44"));
    const double la[] = {-40, -10, 20, 50};
    for (double a : la) {
        p.save();
        p.translate(158, 100);
        p.rotate(a);
        p.translate(0, -12);
        p.drawPath(pointedLeaf(22, 9));
        p.restore();
    }
    drawSparkle(p, QPointF(40, 30), 5, QColor("#C9A45C"));
    drawSparkle(p, QPointF(130, 22), 4, QColor("#C9A45C"));
    return pic.done();
}

QImage livingRoom()
{
    Pic pic(Qt::white);
    QPainter& p = pic.p;
    verticalGradient(p, QRectF(0, 0, kW, 100), QColor("#F1EADF"), QColor("#E4D8C6"));
    p.fillRect(QRectF(0, 100, kW, 35), QColor("#C9A27E"));
    for (int x = -20; x < kW; x += 26)
        p.fillRect(QRectF(x, 100, 1, 35), QColor(120, 80, 50, 60));
    p.fillRect(QRectF(0, 100, kW, 2), QColor("#A9805A"));

    // Framed picture.
    p.setBrush(QColor("#FFFFFF"));
    p.drawRect(QRectF(66, 16, 40, 30));
    p.setBrush(QColor("#7FA88A"));
    p.drawRect(QRectF(70, 20, 32, 22));
    p.setBrush(QColor("#F2D18B"));
    p.drawEllipse(QPointF(94, 27), 4, 4);
    p.setBrush(QColor("#4E7563"));
    p.drawPolygon(QPolygonF() << QPointF(70, 42) << QPointF(82, 28) << QPointF(94, 42));

    // Floor lamp.
    p.setPen(QPen(QColor("#3A3A3A"), 2));
    p.drawLine(QPointF(150, 34), QPointF(150, 100));
    p.drawLine(QPointF(142, 101), QPointF(158, 101));
    p.setPen(Qt::NoPen);
    radialGlow(p, QPointF(150, 40), 34, QColor(255, 220, 140, 120));
    QPolygonF shade;
    shade << QPointF(140, 22) << QPointF(160, 22) << QPointF(166, 40) << QPointF(134, 40);
    p.setBrush(QColor("#F2D18B"));
    p.drawPolygon(shade);

    // Sofa.
    const QColor teal("#3E7A6B");
    p.setBrush(QColor(60, 40, 20, 50));
    p.drawEllipse(QPointF(76, 112), 66, 5);
    p.setBrush(teal.darker(115));
    p.drawRoundedRect(QRectF(20, 56, 112, 34), 8, 8);
    p.setBrush(teal);
    p.drawRoundedRect(QRectF(26, 78, 100, 22), 5, 5);
    p.setBrush(teal.lighter(112));
    p.drawRoundedRect(QRectF(28, 74, 48, 12), 4, 4);
    p.drawRoundedRect(QRectF(76, 74, 48, 12), 4, 4);
    p.setBrush(teal.darker(108));
    p.drawRoundedRect(QRectF(12, 68, 18, 34), 6, 6);
    p.drawRoundedRect(QRectF(122, 68, 18, 34), 6, 6);
    p.setBrush(QColor("#D8B878"));
    p.save();
    p.translate(44, 64);
    p.rotate(-10);
    p.drawRoundedRect(QRectF(-10, -9, 20, 18), 4, 4);
    p.restore();
    p.setBrush(QColor("#E9DCC3"));
    p.save();
    p.translate(104, 64);
    p.rotate(8);
    p.drawRoundedRect(QRectF(-9, -8, 18, 16), 4, 4);
    p.restore();
    p.setBrush(QColor("#4A3426"));
    for (double x : {22.0, 128.0})
        p.drawRect(QRectF(x, 102, 3, 8));

    // Plant.
    p.setBrush(QColor("#E9E4DA"));
    p.drawPolygon(QPolygonF() << QPointF(158, 108) << QPointF(176, 108) << QPointF(173, 126)
                              << QPointF(161, 126));
    p.setBrush(QColor("#4E9F44"));
    const double la[] = {-50, -20, 10, 40, 65};
    for (double a : la) {
        p.save();
        p.translate(167, 108);
        p.rotate(a);
        p.translate(0, -11);
        p.drawPath(pointedLeaf(22, 9));
        p.restore();
    }
    return pic.done();
}

}  // namespace

std::vector<Picture> articlePictures()
{
    return {
        {"Images/artikel_fruehling.jpg", spring},
        {"Images/artikel_kaffee.jpg", coffee},
        {"Images/artikel_kalender.jpg", calendar},
        {"Images/artikel_diagramm.jpg", chart},
        {"Images/artikel_geschenk.jpg", gift},
        {"Images/artikel_blatt.jpg", leaf},
        {"Images/artikel_stadt.jpg", skyline},
        {"Images/artikel_gluehbirne.jpg", lightBulb},
        {"Images/artikel_brot.jpg", bread},
        {"Images/artikel_torte.jpg", cake},
        {"Images/artikel_pokal.jpg", trophy},
        {"Images/artikel_fussball.jpg", football},
        {"Images/artikel_strand.jpg", beach},
        {"Images/artikel_berge.jpg", mountains},
        {"Images/artikel_koffer.jpg", suitcase},
        {"Images/artikel_laptop.jpg", laptop},
        {"Images/artikel_zahnrad.jpg", gears},
        {"Images/artikel_buecher.jpg", books},
        {"Images/artikel_wohnen.jpg", livingRoom},
    };
}

}  // namespace imagegen
