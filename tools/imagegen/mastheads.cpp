// Header graphics (600 px wide, the width of the newsletter table) and separators.
// A separator is a JPEG without transparency, so its background must equal the
// BKGColor of the templates that use it.

#include "paint.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace imagegen {
namespace {

constexpr int kW = 600;
constexpr int kHeadH = 150;
constexpr int kSepH = 12;

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kCream(0xFF, 0xF8, 0xEE);  // BKGColor of the bakery sample
const QColor kNight(0x1A, 0x21, 0x30);  // BKGColor of the software sample

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

QImage newsletterHeader()
{
    QImage img = canvas(kW, kHeadH, kWhite);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient g(0, 0, kW, kHeadH);
    g.setColorAt(0.0, QColor("#233A6E"));
    g.setColorAt(0.55, QColor("#2B6C9C"));
    g.setColorAt(1.0, QColor("#3AA6A0"));
    p.fillRect(img.rect(), g);

    p.setBrush(QColor(255, 255, 255, 26));
    p.drawEllipse(QPointF(520, 18), 92, 92);
    p.drawEllipse(QPointF(590, 128), 58, 58);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawEllipse(QPointF(430, 150), 72, 72);

    QPainterPath wave;
    wave.moveTo(0, 130);
    wave.cubicTo(160, 108, 320, 152, 600, 116);
    wave.lineTo(600, 150);
    wave.lineTo(0, 150);
    p.setBrush(QColor(255, 255, 255, 38));
    p.drawPath(wave);
    QPainterPath wave2;
    wave2.moveTo(0, 140);
    wave2.cubicTo(200, 124, 380, 156, 600, 132);
    wave2.lineTo(600, 150);
    wave2.lineTo(0, 150);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawPath(wave2);

    drawFeather(p, QPointF(52, 124), 100, -62, QColor(255, 255, 255, 235), QColor("#DCEAF4"));

    const QFont bold = fitted(font(kSans, 42, QFont::Bold), "Quillora Newsletter", 440);
    const QFont light = font(kSans, bold.pixelSize(), QFont::Normal);
    const double w = drawText(p, 124, 76, "Quillora", bold, kWhite);
    drawText(p, 124 + w + 10, 76, "Newsletter", light, QColor(255, 255, 255, 225));
    p.fillRect(QRectF(126, 88, 46, 2.5), QColor("#FFD27A"));
    drawText(p, 126, 112, QString::fromUtf8("Neuigkeiten · Angebote · Termine"),
             font(kSans, 14, QFont::Normal, false, 1.2), QColor(255, 255, 255, 215));
    return img;
}

QImage lindenhofHeader()
{
    QImage img = canvas(kW, kHeadH, kWhite);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient g(0, 0, kW, 0);
    g.setColorAt(0.0, QColor("#2E4A3E"));
    g.setColorAt(0.6, QColor("#3F6654"));
    g.setColorAt(1.0, QColor("#5A836E"));
    p.fillRect(img.rect(), g);
    radialGlow(p, QPointF(520, 55), 190, QColor(255, 255, 255, 34));

    struct Leaf { double x, y, size, angle; const char* colour; int a; };
    const Leaf leaves[] = {
        {588, 22, 62, 160, "#A9C9A4", 150}, {468, 44, 74, -32, "#7FA88A", 210},
        {418, 124, 56, -74, "#93B99A", 170}, {548, 98, 84, 24, "#6B9A79", 230},
        {500, 146, 52, 118, "#B8D4AE", 140}, {372, 30, 38, -110, "#8DB393", 110},
    };
    for (const Leaf& l : leaves)
        drawLindenLeaf(p, QPointF(l.x, l.y), l.size, l.angle, alpha(QColor(l.colour), l.a),
                       alpha(QColor("#2E4A3E"), 120));

    const QColor gold("#D8B878");
    drawText(p, 38, 44, "NEWSLETTER", font(kSans, 12, QFont::Bold, false, 4), gold);
    drawText(p, 36, 92, "Lindenhof Design",
             fitted(font(kSerif, 44, QFont::Normal), "Lindenhof Design", 330),
             QColor("#F7F2E8"));
    p.fillRect(QRectF(38, 104, 96, 1.5), gold);
    drawText(p, 38, 128, QString::fromUtf8("Wohnen · Einrichten · Gestalten"),
             font(kSans, 13, QFont::Normal, false, 1.2), QColor("#DCE6DE"));
    return img;
}

void drawCornflower(QPainter& p, const QPointF& c, double r)
{
    p.save();
    p.translate(c);
    p.setBrush(QColor("#4A78D6"));
    for (int i = 0; i < 9; ++i) {
        p.save();
        p.rotate(i * 40.0);
        p.translate(0, -r * 0.55);
        p.drawPath(pointedLeaf(r * 0.95, r * 0.42));
        p.restore();
    }
    p.setBrush(QColor("#2B3F8F"));
    p.drawEllipse(QPointF(0, 0), r * 0.28, r * 0.28);
    p.restore();
}

QImage bakeryHeader()
{
    QImage img = canvas(kW, kHeadH, QColor("#FBF1DF"));
    QPainter p;
    beginPainter(p, img);
    radialGlow(p, QPointF(300, 75), 260, QColor("#FFFBF3"));

    const QColor brown("#8A5A3B");
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brown, 1.6));
    p.drawRect(QRectF(7, 7, kW - 14, kHeadH - 14));
    p.setPen(QPen(brown, 0.8));
    p.drawRect(QRectF(11.5, 11.5, kW - 23, kHeadH - 23));
    p.setPen(Qt::NoPen);
    p.setBrush(brown);
    for (QPointF c : {QPointF(300, 11.5), QPointF(300, kHeadH - 11.5)}) {
        QPolygonF d;
        d << c + QPointF(0, -4) << c + QPointF(5, 0) << c + QPointF(0, 4) << c + QPointF(-5, 0);
        p.drawPolygon(d);
    }

    const QColor wheat("#C8963E");
    drawWheatEar(p, QPointF(78, 132), 104, -16, wheat);
    drawWheatEar(p, QPointF(84, 134), 92, 10, wheat.darker(108));
    drawWheatEar(p, QPointF(522, 132), 104, 16, wheat);
    drawWheatEar(p, QPointF(516, 134), 92, -10, wheat.darker(108));

    const QString title = QString::fromUtf8("Bäckerei Kornblume");
    drawTextCentered(p, 300, 76, title, fitted(font(kSerif, 42, QFont::Bold), title, 350),
                     QColor("#6B3E26"));
    drawTextCentered(p, 300, 104, QString::fromUtf8("– Frisch gebacken seit 1954 –"),
                     font(kSerif, 17, QFont::Normal, true), brown);
    drawCornflower(p, QPointF(300, 124), 7);
    return img;
}

QImage sportsHeader()
{
    QImage img = canvas(kW, kHeadH, QColor("#2E9447"));
    QPainter p;
    beginPainter(p, img);
    for (int x = 0; x < kW; x += 100)
        p.fillRect(QRectF(x + 50, 0, 50, kHeadH), QColor("#35A252"));

    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(505, 0), QPointF(505, kHeadH));
    p.drawEllipse(QPointF(505, 75), 50, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(505, 75), 3.5, 3.5);

    QPolygonF panel;
    panel << QPointF(0, 0) << QPointF(410, 0) << QPointF(350, kHeadH) << QPointF(0, kHeadH);
    QLinearGradient pg(0, 0, 0, kHeadH);
    pg.setColorAt(0, QColor(15, 79, 36, 240));
    pg.setColorAt(1, QColor(23, 107, 51, 240));
    p.setBrush(pg);
    p.drawPolygon(panel);
    const QColor yellow("#F2C230");
    QPolygonF stripe;
    stripe << QPointF(410, 0) << QPointF(424, 0) << QPointF(364, kHeadH) << QPointF(350, kHeadH);
    p.setBrush(yellow);
    p.drawPolygon(stripe);

    QPainterPath shield;
    shield.moveTo(28, 34);
    shield.lineTo(88, 34);
    shield.lineTo(88, 80);
    shield.quadTo(88, 106, 58, 118);
    shield.quadTo(28, 106, 28, 80);
    shield.closeSubpath();
    p.setBrush(yellow);
    p.setPen(QPen(kWhite, 2.5));
    p.drawPath(shield);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(28, 58, 60, 8), QColor("#0F4F24"));
    drawTextCentered(p, 58, 54, "TSV", font(kSans, 15, QFont::Bold), QColor("#0F4F24"));
    drawTextCentered(p, 58, 86, "1921", font(kSans, 11, QFont::Bold), QColor("#0F4F24"));

    const QString name = QString::fromUtf8("TSV Grünwiesen");
    drawText(p, 106, 70, name, fitted(font(kSans, 34, QFont::Bold), name, 250), kWhite);
    drawText(p, 107, 96, "1921 e.V.", font(kSans, 17, QFont::Bold), yellow);
    drawText(p, 107, 122, "VEREINSNACHRICHTEN", font(kSans, 11, QFont::Normal, false, 2.6),
             QColor(255, 255, 255, 215));
    return img;
}

QImage softwareHeader()
{
    QImage img = canvas(kW, kHeadH, QColor("#0B1120"));
    QPainter p;
    beginPainter(p, img);
    verticalGradient(p, img.rect(), QColor("#0B1120"), QColor("#17223A"));

    Lcg rng(7);
    for (int i = 0; i < 80; ++i) {
        const QPointF c(rng.range(0, kW), rng.range(0, kHeadH));
        const double r = rng.range(0.4, 1.3);
        if (c.x() < 390 && c.y() > 40)
            continue;  // keep the lettering clean
        p.setBrush(QColor(255, 255, 255, int(rng.range(60, 210))));
        p.drawEllipse(c, r, r);
    }

    // Aurora curtains: bright at the lower edge, fading upwards.
    struct Band { const char* colour; double base, amp, freq, phase, height; };
    const Band bands[] = {
        {"#8A6CFF", 70, 14, 0.011, 1.2, 60},
        {"#38C6F4", 88, 12, 0.014, 0.2, 70},
        {"#3CF2B0", 104, 10, 0.017, 2.4, 80},
    };
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    for (const Band& b : bands) {
        QPainterPath path;
        const double x0 = 240;
        auto lower = [&](double x) { return b.base + b.amp * std::sin(x * b.freq + b.phase); };
        auto upper = [&](double x) {
            return lower(x) - b.height * (0.55 + 0.45 * std::sin(x * b.freq * 2.3 + b.phase));
        };
        path.moveTo(x0, lower(x0));
        for (double x = x0; x <= kW; x += 4)
            path.lineTo(x, lower(x));
        for (double x = kW; x >= x0; x -= 4)
            path.lineTo(x, upper(x));
        path.closeSubpath();
        QLinearGradient g(0, b.base - b.height - b.amp, 0, b.base + b.amp);
        const QColor c(b.colour);
        g.setColorAt(0.0, alpha(c, 0));
        g.setColorAt(0.8, alpha(c, 120));
        g.setColorAt(1.0, alpha(c, 190));
        // Fade the left end into the sky so the text area stays calm.
        QImage band(img.size(), QImage::Format_ARGB32_Premultiplied);
        band.fill(Qt::transparent);
        QPainter bp(&band);
        bp.setRenderHint(QPainter::Antialiasing);
        bp.setPen(Qt::NoPen);
        bp.setBrush(g);
        bp.drawPath(path);
        bp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(x0, 0, x0 + 140, 0);
        fade.setColorAt(0, QColor(0, 0, 0, 0));
        fade.setColorAt(1, QColor(0, 0, 0, 255));
        bp.fillRect(band.rect(), fade);
        bp.end();
        p.drawImage(0, 0, band);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    drawText(p, 36, 76, "Datenwerk Nordlicht",
             fitted(font(kSans, 34, QFont::Bold), "Datenwerk Nordlicht", 360), kWhite);
    drawText(p, 38, 102, "TECH-UPDATE", font(kSans, 12, QFont::Bold, false, 4),
             QColor("#5CE1E6"));
    drawText(p, 38, 126, QString::fromUtf8("Software · Cloud · Service"),
             font(kSans, 13, QFont::Normal, false, 0.8), QColor("#AFC0D8"));
    return img;
}

QImage travelHeader()
{
    QImage img = canvas(kW, kHeadH, kWhite);
    QPainter p;
    beginPainter(p, img);
    const double horizon = 100;
    verticalGradient(p, QRectF(0, 0, kW, horizon), QColor("#2A86C8"), QColor("#A6DBF3"));
    radialGlow(p, QPointF(478, 62), 80, QColor(255, 242, 192, 170));
    p.setBrush(QColor("#FFE7A0"));
    p.drawEllipse(QPointF(478, 62), 22, 22);

    QPainterPath island;
    island.moveTo(300, horizon);
    island.cubicTo(330, 84, 360, 80, 390, 90);
    island.cubicTo(410, 84, 440, 86, 470, horizon);
    island.closeSubpath();
    p.setBrush(QColor("#2F7F8C"));
    p.drawPath(island);

    verticalGradient(p, QRectF(0, horizon, kW, kHeadH - horizon), QColor("#1C86C4"),
                     QColor("#0A4C82"));
    // Sun glitter on the water.
    for (int i = 0; i < 7; ++i) {
        const double y = horizon + 5 + i * 6.5;
        const double hw = 26 - i * 2.5;
        p.fillRect(QRectF(478 - hw, y, 2 * hw, 1.6), QColor(255, 236, 170, 150 - i * 15));
    }
    Lcg rng(11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(0, kW);
        const double y = rng.range(horizon + 8, kHeadH - 4);
        const double w = rng.range(8, 20);
        QPainterPath arc;
        arc.moveTo(x, y);
        arc.quadTo(x + w / 2, y - 3, x + w, y);
        p.drawPath(arc);
    }

    // Sailing boat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#21384F"));
    QPolygonF hull;
    hull << QPointF(368, 97) << QPointF(398, 97) << QPointF(393, 103) << QPointF(373, 103);
    p.drawPolygon(hull);
    p.setBrush(kWhite);
    QPolygonF sail1, sail2;
    sail1 << QPointF(383, 60) << QPointF(383, 94) << QPointF(396, 94);
    sail2 << QPointF(381, 66) << QPointF(381, 94) << QPointF(370, 94);
    p.drawPolygon(sail1);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawPolygon(sail2);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 50, 80, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (QPointF b : {QPointF(410, 28), QPointF(432, 38), QPointF(396, 44)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-7, 0));
        bird.quadTo(b + QPointF(-3, -4), b);
        bird.quadTo(b + QPointF(3, -4), b + QPointF(7, 0));
        p.drawPath(bird);
    }

    const QString title = QString::fromUtf8("Reisebüro Fernweh");
    drawTextShadowed(p, 32, 62, title, fitted(font(kSans, 36, QFont::Bold), title, 300), kWhite,
                     QColor(15, 76, 117, 150), 1.6);
    drawTextShadowed(p, 33, 130, QString::fromUtf8("Reiseträume für jede Jahreszeit"),
                     font(kSans, 16, QFont::Normal), kWhite, QColor(5, 40, 70, 140), 1.2);
    return img;
}

QImage bookshopHeader()
{
    QImage img = canvas(kW, kHeadH, kWhite);
    QPainter p;
    beginPainter(p, img);
    horizontalGradient(p, img.rect(), QColor("#4E0F1F"), QColor("#7E1B38"));

    // Pages carried by the wind.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        const double y = 40 + i * 16;
        w.moveTo(282, y);
        w.cubicTo(310, y - 12, 330, y + 10, 365, y - 4);
        p.drawPath(w);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 235, 200));
    p.save();
    p.translate(348, 28);
    p.rotate(-18);
    p.drawRect(QRectF(0, 0, 14, 18));
    p.restore();
    p.save();
    p.translate(322, 92);
    p.rotate(12);
    p.setBrush(QColor(255, 248, 235, 140));
    p.drawRect(QRectF(0, 0, 10, 13));
    p.restore();

    const double shelfY = 136;
    p.fillRect(QRectF(376, shelfY, 214, 6), QColor("#8B5A3C"));
    p.fillRect(QRectF(376, shelfY + 6, 214, 2), QColor("#3A0A16"));
    const char* colours[] = {"#E9DCC3", "#C9A45C", "#2F5D62", "#1F3B5A", "#A0522D",
                             "#D8C9A8", "#6B8E4E", "#B8485A", "#F0E2C4", "#3E4A7A"};
    Lcg rng(5);
    double x = 388;
    int i = 0;
    const QColor gold("#E8C77D");
    while (x < 520) {
        const double w = rng.range(13, 23);
        const double h = rng.range(72, 104);
        const QColor c(colours[i % 10]);
        const QRectF r(x, shelfY - h, w, h);
        p.fillRect(r, c);
        p.fillRect(QRectF(x + w - 2, shelfY - h, 2, h), c.darker(125));
        const QColor band = (c.lightness() > 160) ? QColor("#7E1B38") : gold;
        p.fillRect(QRectF(x + 2, shelfY - h + 8, w - 4, 1.5), band);
        p.fillRect(QRectF(x + 2, shelfY - 12, w - 4, 1.5), band);
        p.fillRect(QRectF(x + 3, shelfY - h * 0.62, w - 6, 12), alpha(band, 110));
        x += w + 1.5;
        ++i;
    }
    // One book leaning against the row.
    p.save();
    p.translate(x + 2, shelfY);
    p.rotate(16);
    p.fillRect(QRectF(0, -88, 18, 88), QColor("#C9A45C"));
    p.fillRect(QRectF(2, -80, 14, 1.5), QColor("#7E1B38"));
    p.fillRect(QRectF(2, -12, 14, 1.5), QColor("#7E1B38"));
    p.restore();

    drawText(p, 36, 54, "Buchhandlung", font(kSerif, 22, QFont::Normal, true), gold);
    drawText(p, 34, 98, "Seitenwind", font(kSerif, 46, QFont::Bold), QColor("#F7EBDD"));
    drawText(p, 37, 126, "LESETIPPS & TERMINE", font(kSans, 12, QFont::Normal, false, 2.4),
             QColor("#E9D6C6"));
    return img;
}

QImage separator(const QColor& bg, const std::function<void(QPainter&)>& paint)
{
    QImage img = canvas(kW, kSepH, bg);
    QPainter p;
    beginPainter(p, img);
    paint(p);
    return img;
}

void diamond(QPainter& p, const QPointF& c, double r, const QColor& col)
{
    QPolygonF d;
    d << c + QPointF(0, -r) << c + QPointF(r, 0) << c + QPointF(0, r) << c + QPointF(-r, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(d);
}

}  // namespace

std::vector<Picture> mastheadPictures()
{
    std::vector<Picture> v;
    v.push_back({"Images/NEW1.jpg", newsletterHeader});
    v.push_back({"Images/kopf_lindenhof.jpg", lindenhofHeader});
    v.push_back({"Images/kopf_klassisch.jpg", bakeryHeader});
    v.push_back({"Images/kopf_gruen.jpg", sportsHeader});
    v.push_back({"Images/kopf_modern.jpg", softwareHeader});
    v.push_back({"Images/kopf_blau.jpg", travelHeader});
    v.push_back({"Images/kopf_rot.jpg", bookshopHeader});

    v.push_back({"Images/NEW2.jpg", [] {
        return separator(kWhite, [](QPainter& p) {
            fadingLine(p, 16, 584, 6, 1, QColor("#98A4B2"));
            p.fillRect(QRectF(284, 2, 32, 8), kWhite);
            diamond(p, QPointF(300, 6), 4, QColor("#5B7A99"));
            p.setBrush(QColor("#8FA3B8"));
            p.drawEllipse(QPointF(288, 6), 1.5, 1.5);
            p.drawEllipse(QPointF(312, 6), 1.5, 1.5);
        });
    }});
    v.push_back({"Images/NEW3.jpg", [] {
        return separator(kWhite, [](QPainter& p) {
            for (int x = 20; x <= 580; x += 9) {
                const double edge = std::min(x - 20, 580 - x) / 90.0;
                p.setBrush(QColor(0x8E, 0x9A, 0xA8, int(255 * std::min(1.0, edge + 0.15))));
                p.drawEllipse(QPointF(x, 6), 1.6, 1.6);
            }
        });
    }});
    v.push_back({"Images/trenner_creme.jpg", [] {
        return separator(kCream, [](QPainter& p) {
            fadingLine(p, 30, 570, 6, 1, QColor("#C9A57A"));
            p.fillRect(QRectF(278, 1, 44, 10), kCream);
            const QColor c("#A8743F");
            diamond(p, QPointF(300, 6), 3.5, c);
            p.setBrush(c);
            for (int side : {-1, 1}) {
                p.save();
                p.translate(300 + side * 12, 6);
                p.rotate(side * 90);
                p.drawPath(pointedLeaf(12, 5));
                p.restore();
            }
        });
    }});
    v.push_back({"Images/trenner_creme_fuss.jpg", [] {
        return separator(kCream, [](QPainter& p) {
            p.fillRect(QRectF(0, 4, kW, 1), QColor("#B08458"));
            p.fillRect(QRectF(0, 7.5, kW, 1), QColor("#B08458"));
        });
    }});
    v.push_back({"Images/trenner_dunkel.jpg", [] {
        return separator(kNight, [](QPainter& p) {
            QLinearGradient g(0, 0, kW, 0);
            g.setColorAt(0.0, alpha(QColor("#38C6F4"), 0));
            g.setColorAt(0.3, QColor("#38C6F4"));
            g.setColorAt(0.7, QColor("#8A6CFF"));
            g.setColorAt(1.0, alpha(QColor("#8A6CFF"), 0));
            p.setOpacity(0.22);
            p.fillRect(QRectF(0, 3, kW, 6), g);
            p.setOpacity(1.0);
            p.fillRect(QRectF(0, 5.25, kW, 1.5), g);
        });
    }});
    v.push_back({"Images/trenner_dunkel_fuss.jpg", [] {
        return separator(kNight, [](QPainter& p) {
            for (int x = 0; x < kW; x += 10)
                p.fillRect(QRectF(x, 5.5, 6, 1), QColor("#3B4A63"));
            p.fillRect(QRectF(288, 0, 24, kSepH), kNight);
            diamond(p, QPointF(300, 6), 4, QColor("#38C6F4"));
        });
    }});
    v.push_back({"Images/trenner_gruen.jpg", [] {
        return separator(kWhite, [](QPainter& p) {
            QLinearGradient g(0, 0, kW, 0);
            g.setColorAt(0, QColor("#1E7B3A"));
            g.setColorAt(1, QColor("#35A252"));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(4, 3, kW - 8, 4), 2, 2);
            fadingLine(p, 60, 540, 9, 1, QColor("#F2C230"));
        });
    }});
    v.push_back({"Images/trenner_welle.jpg", [] {
        return separator(kWhite, [](QPainter& p) {
            QPainterPath wave;
            wave.moveTo(20, 6);
            for (double x = 20; x <= 580; x += 1)
                wave.lineTo(x, 6 + 2.6 * std::sin((x - 20) * 2 * std::numbers::pi / 26));
            QLinearGradient g(20, 0, 580, 0);
            g.setColorAt(0.0, QColor(43, 143, 208, 0));
            g.setColorAt(0.2, QColor(43, 143, 208, 255));
            g.setColorAt(0.8, QColor(43, 143, 208, 255));
            g.setColorAt(1.0, QColor(43, 143, 208, 0));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QBrush(g), 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(wave);
        });
    }});
    v.push_back({"Images/trenner_punkte.jpg", [] {
        return separator(kWhite, [](QPainter& p) {
            fadingLine(p, 40, 282, 6, 1, QColor("#B98796"));
            fadingLine(p, 318, 560, 6, 1, QColor("#B98796"));
            p.setBrush(QColor("#8B1E3F"));
            for (int dx : {-10, 0, 10})
                p.drawEllipse(QPointF(300 + dx, 6), dx == 0 ? 2.6 : 1.9, dx == 0 ? 2.6 : 1.9);
        });
    }});
    return v;
}

}  // namespace imagegen
