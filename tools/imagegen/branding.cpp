// Branding pictures of the recom folder: start picture, main-window banner,
// about picture and the picture of the bulk-mail wizard.

#include "paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

namespace imagegen {
namespace {

const QColor kInk("#233A6E");
const QColor kSea("#2B6C9C");
const QColor kTeal("#3AA6A0");
const QColor kAccent("#FFD27A");

void brandGradient(QPainter& p, const QRectF& r, QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, kInk);
    g.setColorAt(0.55, kSea);
    g.setColorAt(1.0, kTeal);
    p.fillRect(r, g);
}

// "Quillora" bold, then "pro" in the accent colour; x is the left edge.
void productName(QPainter& p, double x, double y, const QFont& f, const QColor& main)
{
    const double w = drawText(p, x, y, "Quillora", f, main);
    QFont pro = f;
    pro.setWeight(QFont::Normal);
    drawText(p, x + w + f.pixelSize() * 0.25, y, "pro", pro, kAccent);
}

QImage startPicture()
{
    QImage img = canvas(400, 250, kInk);
    QPainter p;
    beginPainter(p, img);
    brandGradient(p, img.rect(), QPointF(0, 0), QPointF(400, 250));
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawEllipse(QPointF(350, 30), 110, 110);
    p.drawEllipse(QPointF(60, 260), 90, 90);
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawEllipse(QPointF(300, 230), 70, 70);

    p.save();
    p.translate(322, 96);
    p.rotate(-8);
    drawEnvelope(p, QRectF(-54, -36, 108, 72), QColor(255, 255, 255, 240), kSea);
    p.restore();
    drawFeather(p, QPointF(262, 196), 140, -58, QColor(255, 255, 255, 245), QColor("#DCEAF4"));
    drawSparkle(p, QPointF(380, 160), 6, kAccent);
    drawSparkle(p, QPointF(250, 40), 4, QColor(255, 255, 255, 200));

    const QFont big = fitted(font(kSans, 44, QFont::Bold), "Quillora pro", 230);
    productName(p, 30, 120, big, Qt::white);
    p.fillRect(QRectF(32, 134, 56, 3), kAccent);
    drawText(p, 32, 162, QString::fromUtf8("Newsletter gestalten –"),
             font(kSans, 15), QColor(255, 255, 255, 230));
    drawText(p, 32, 182, QString::fromUtf8("einfach und schön."), font(kSans, 15),
             QColor(255, 255, 255, 230));
    drawText(p, 32, 226, QString::fromUtf8("HTML-Newsletter · Vorlagen · Serien-E-Mail"),
             font(kSans, 11, QFont::Normal, false, 0.5), QColor(255, 255, 255, 175));
    return img;
}

QImage banner()
{
    QImage img = canvas(900, 60, kInk);
    QPainter p;
    beginPainter(p, img);
    brandGradient(p, img.rect(), QPointF(0, 0), QPointF(900, 0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 34 - i * 5), 1.4));
        QPainterPath w;
        w.moveTo(420, 62 - i * 6);
        w.cubicTo(560, 20 - i * 6, 700, 70 - i * 6, 900, 18 - i * 5);
        p.drawPath(w);
    }
    p.setPen(Qt::NoPen);
    drawFeather(p, QPointF(18, 52), 48, -60, QColor(255, 255, 255, 240), QColor("#DCEAF4"));
    productName(p, 54, 39, font(kSans, 26, QFont::Bold), Qt::white);
    const QFont tag = font(kSans, 13, QFont::Normal, false, 0.6);
    const QString text = "HTML-Newsletter einfach gestalten";
    const double w = QFontMetricsF(tag).horizontalAdvance(text);
    drawText(p, 880 - w, 36, text, tag, QColor(255, 255, 255, 210));
    return img;
}

QImage aboutPicture()
{
    QImage img = canvas(300, 200, Qt::white);
    QPainter p;
    beginPainter(p, img);
    verticalGradient(p, img.rect(), QColor("#F4F8FC"), QColor("#DCE8F3"));
    QLinearGradient g(QPointF(100, 26), QPointF(200, 134));
    g.setColorAt(0, kInk);
    g.setColorAt(0.55, kSea);
    g.setColorAt(1, kTeal);
    p.setBrush(QColor(35, 58, 110, 40));
    p.drawEllipse(QPointF(153, 83), 56, 56);
    p.setBrush(g);
    p.drawEllipse(QPointF(150, 80), 56, 56);
    drawFeather(p, QPointF(118, 118), 82, -58, QColor(255, 255, 255, 245), QColor("#DCEAF4"));
    drawSparkle(p, QPointF(232, 40), 6, kSea);
    drawSparkle(p, QPointF(70, 54), 4, kTeal);

    const QFont f = font(kSans, 26, QFont::Bold);
    const double w = QFontMetricsF(f).horizontalAdvance("Quillora") +
                     f.pixelSize() * 0.25 +
                     QFontMetricsF(font(kSans, 26)).horizontalAdvance("pro");
    const double x = 150 - w / 2;
    const double qw = drawText(p, x, 170, "Quillora", f, kInk);
    drawText(p, x + qw + f.pixelSize() * 0.25, 170, "pro", font(kSans, 26), kTeal);
    drawTextCentered(p, 150, 189, "Newsletter-Designer",
                     font(kSans, 12, QFont::Normal, false, 1.0), QColor("#5B7A99"));
    return img;
}

QImage wizardPicture()
{
    QImage img = canvas(160, 300, kInk);
    QPainter p;
    beginPainter(p, img);
    brandGradient(p, img.rect(), QPointF(0, 0), QPointF(60, 300));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(150, 40), 70, 70);
    p.drawEllipse(QPointF(0, 200), 60, 60);

    struct Env { double x, y, w, angle; int a; };
    const Env envs[] = {{96, 52, 46, -14, 200}, {52, 104, 60, 10, 225}, {104, 160, 74, -6, 245}};
    for (const Env& e : envs) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double off = (i - 1) * e.w * 0.18;
            p.drawLine(QPointF(e.x - e.w * 0.50, e.y + e.w * 0.20 + off),
                       QPointF(e.x - e.w * 0.85, e.y + e.w * 0.48 + off));
        }
        p.setPen(Qt::NoPen);
        p.save();
        p.translate(e.x, e.y);
        p.rotate(e.angle);
        drawEnvelope(p, QRectF(-e.w / 2, -e.w * 0.33, e.w, e.w * 0.66),
                     QColor(255, 255, 255, e.a), kSea);
        p.restore();
    }
    drawFeather(p, QPointF(28, 246), 70, -52, QColor(255, 255, 255, 235), QColor("#DCEAF4"));
    drawSparkle(p, QPointF(136, 110), 4, kAccent);
    drawSparkle(p, QPointF(30, 46), 3, Qt::white);

    drawText(p, 14, 272, "Serien-E-Mail", font(kSans, 16, QFont::Bold), Qt::white);
    const QFont small = font(kSans, 11, QFont::Bold);
    const double w = drawText(p, 15, 289, "Quillora", small, QColor(255, 255, 255, 200));
    drawText(p, 15 + w + 3, 289, "pro", font(kSans, 11), kAccent);
    return img;
}

}  // namespace

std::vector<Picture> brandingPictures()
{
    return {
        {"recom/start.jpg", startPicture},
        {"recom/banner.jpg", banner},
        {"recom/about.jpg", aboutPicture},
        {"recom/wizard.jpg", wizardPicture},
    };
}

}  // namespace imagegen
