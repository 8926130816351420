// The shop of the money activity: things to buy, coins, notes, the purse, the tray and the counter.
// Coins and notes carry no value: the screen writes it over them in the chosen language's way.
#include "canvas.h"
#include "palette.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace artwork {
namespace {

// Every shop item is drawn in a 100 × 100 box.
constexpr double kLine = 3.0;
constexpr int kItemPixels = 88;   // 1320 twips
constexpr int kCoinPixels = 72;   // 1080 twips, shrunk a little for the smaller coins
constexpr int kNoteWidth = 90;    // 1350 × 720 twips
constexpr int kNoteHeight = 48;

void filled(QPainter& painter, const QPainterPath& path, const QBrush& brush, double line = kLine)
{
    painter.setPen(outline(line));
    painter.setBrush(brush);
    painter.drawPath(path);
}

QBrush shaded(const QColor& colour, const QPointF& light, double radius)
{
    QRadialGradient gradient(light, radius);
    gradient.setColorAt(0, colour.lighter(135));
    gradient.setColorAt(0.6, colour);
    gradient.setColorAt(1, colour.darker(130));
    return gradient;
}

QPainterPath roundedBox(const QRectF& box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void pencil(QPainter& painter)
{
    painter.translate(50, 50);
    painter.rotate(-38);
    filled(painter, polygon({{-30, -7}, {26, -7}, {26, 7}, {-30, 7}}), QColor(0xFF, 0xC8, 0x2E));
    painter.setPen(QPen(QColor(0xD9, 0x9A, 0x10), 1.6));
    painter.drawLine(QPointF(-28, 0), QPointF(24, 0));
    filled(painter, polygon({{26, -7}, {42, 0}, {26, 7}}), QColor(0xF1, 0xCF, 0x9A));
    filled(painter, polygon({{36.5, -2.4}, {43, 0}, {36.5, 2.4}}), palette::ink, 1.2);
    filled(painter, roundedBox({-42, -7, 8, 14}, 3), QColor(0xFF, 0x8F, 0xA8));
    filled(painter, polygon({{-34, -7}, {-29, -7}, {-29, 7}, {-34, 7}}), palette::steel, 2.0);
}

void apple(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(50, 30);
    body.cubicTo(68, 18, 92, 30, 86, 58);
    body.cubicTo(82, 80, 64, 92, 50, 84);
    body.cubicTo(36, 92, 18, 80, 14, 58);
    body.cubicTo(8, 30, 32, 18, 50, 30);
    painter.setPen(QPen(palette::woodDark, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 32), QPointF(54, 12));
    filled(painter, body, shaded(palette::tomato, {36, 42}, 50));
    QPainterPath leaf;
    leaf.moveTo(54, 18);
    leaf.quadTo(66, 4, 80, 12);
    leaf.quadTo(68, 26, 54, 18);
    filled(painter, leaf, palette::leaf, 2.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 140));
    painter.drawEllipse(QPointF(32, 46), 5, 9);
}

void book(QPainter& painter)
{
    filled(painter, polygon({{20, 22}, {76, 14}, {84, 20}, {84, 84}, {28, 92}, {20, 86}}), palette::paper);
    painter.setPen(QPen(palette::mist, 1.4));
    for (double y = 30; y < 88; y += 6) painter.drawLine(QPointF(78, y - 4), QPointF(82, y - 4.5));
    filled(painter, polygon({{20, 22}, {76, 14}, {76, 78}, {20, 86}}), palette::deepBlue);
    filled(painter, polygon({{30, 34}, {66, 29}, {66, 45}, {30, 50}}), palette::sunshine, 2.0);
    painter.setPen(QPen(palette::navy, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(27, 24), QPointF(27, 84));
}

void ball(QPainter& painter)
{
    const QPointF centre(50, 52);
    const double r = 38;
    const QColor stripes[] = {palette::tomato, palette::paper, palette::sunshine, palette::paper,
                              palette::deepBlue, palette::paper};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(stripes[i]);
        painter.drawPie(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), (90 + i * 60) * 16, 60 * 16);
    }
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(QPointF(38, 38), 12, 9);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outline(kLine));
    painter.drawEllipse(centre, r, r);
    filled(painter, roundedBox({44, 48, 12, 8}, 3), palette::paper, 2.0);
}

void drink(QPainter& painter)
{
    filled(painter, polygon({{30, 30}, {50, 20}, {70, 30}, {70, 92}, {30, 92}}), palette::orange);
    filled(painter, polygon({{30, 30}, {50, 20}, {70, 30}}), palette::paper, 2.4);
    filled(painter, roundedBox({36, 46, 28, 30}, 5), palette::paper, 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::orange);
    painter.drawEllipse(QPointF(50, 61), 9, 9);
    painter.setBrush(palette::leaf);
    painter.drawEllipse(QRectF(51, 48, 8, 5));
    painter.setPen(QPen(palette::ink, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(56, 24), QPointF(64, 6));
    painter.setPen(QPen(palette::magenta, 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(56, 24), QPointF(64, 6));
}

void sandwich(QPainter& painter)
{
    // Two slices of bread seen from the side, the filling showing between them.
    const QColor bread(0xF3, 0xD9, 0xA4), crust(0xC9, 0x8B, 0x45);
    filled(painter, roundedBox({12, 70, 76, 16}, 6), crust);
    filled(painter, polygon({{14, 72}, {26, 64}, {40, 71}, {54, 63}, {68, 71}, {82, 64}, {88, 72}}), palette::sunshine,
           2.0);
    QPainterPath lettuce;
    lettuce.moveTo(8, 66);
    for (int i = 0; i < 7; ++i) lettuce.quadTo(14 + i * 12, 76, 20 + i * 12, 66);
    lettuce.lineTo(92, 60);
    lettuce.lineTo(8, 60);
    lettuce.closeSubpath();
    filled(painter, lettuce, palette::leaf, 2.2);
    filled(painter, roundedBox({14, 54, 72, 9}, 4), palette::tomato, 2.2);
    QPainterPath top;
    top.moveTo(12, 56);
    top.lineTo(12, 36);
    top.cubicTo(4, 22, 22, 14, 32, 22);
    top.cubicTo(40, 12, 60, 12, 68, 22);
    top.cubicTo(78, 14, 96, 22, 88, 36);
    top.lineTo(88, 56);
    top.closeSubpath();
    filled(painter, top, crust);
    painter.save();
    painter.translate(50, 38);
    painter.scale(0.84, 0.78);
    painter.translate(-50, -38);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bread);
    painter.drawPath(top);
    painter.restore();
}

void cupcake(QPainter& painter)
{
    filled(painter, polygon({{24, 56}, {76, 56}, {68, 92}, {32, 92}}), palette::sky);
    painter.setPen(QPen(palette::deepBlue, 2.2));
    for (int i = 1; i < 6; ++i) painter.drawLine(QPointF(24 + i * 52.0 / 6, 57), QPointF(32 + i * 36.0 / 6, 91));
    QPainterPath icing;
    icing.moveTo(20, 58);
    icing.cubicTo(14, 40, 34, 32, 40, 36);
    icing.cubicTo(42, 20, 62, 20, 62, 34);
    icing.cubicTo(80, 30, 88, 46, 80, 58);
    icing.closeSubpath();
    filled(painter, icing, QColor(0xFF, 0xB3, 0xD1));
    filled(painter, QPainterPath([] {
               QPainterPath cherry;
               cherry.addEllipse(QPointF(52, 22), 8, 8);
               return cherry;
           }()),
           palette::tomato, 2.2);
}

void car(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(8, 70);
    body.lineTo(8, 54);
    body.quadTo(10, 48, 20, 46);
    body.lineTo(30, 30);
    body.quadTo(34, 26, 42, 26);
    body.lineTo(64, 26);
    body.quadTo(70, 26, 74, 32);
    body.lineTo(82, 46);
    body.quadTo(94, 48, 94, 58);
    body.lineTo(94, 70);
    body.closeSubpath();
    filled(painter, body, shaded(palette::grape, {40, 36}, 60));
    filled(painter, polygon({{34, 44}, {40, 32}, {50, 32}, {50, 44}}), palette::sky, 2.0);
    filled(painter, polygon({{56, 44}, {56, 32}, {66, 32}, {74, 44}}), palette::sky, 2.0);
    for (const double x : {28.0, 74.0}) {
        filled(painter, QPainterPath([x] {
                   QPainterPath wheel;
                   wheel.addEllipse(QPointF(x, 72), 11, 11);
                   return wheel;
               }()),
               palette::ink, 2.0);
        painter.setBrush(palette::steel);
        painter.drawEllipse(QPointF(x, 72), 4.5, 4.5);
    }
    filled(painter, roundedBox({86, 52, 7, 5}, 2), palette::sunshine, 1.6);
}

// A disc with a raised rim and a ring of dots; `ring` colours the rim of a two-metal coin.
QImage coin(const QColor& metal, const QColor& ring, bool cent)
{
    QImage image = canvas(kCoinPixels, kCoinPixels, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    const QPointF centre(kCoinPixels / 2.0, kCoinPixels / 2.0);
    const double r = kCoinPixels / 2.0 - 1.5;
    painter.setPen(QPen(ring.darker(160), 2.2));
    painter.setBrush(shaded(ring, centre - QPointF(r / 3, r / 3), r * 1.4));
    painter.drawEllipse(centre, r, r);
    const double face = ring == metal ? r * 0.86 : r * 0.70;
    painter.setPen(QPen(metal.darker(140), 1.4));
    painter.setBrush(shaded(metal.lighter(112), centre - QPointF(face / 3, face / 3), face * 1.5));
    painter.drawEllipse(centre, face, face);
    // Dots just inside the rim, on the ring of a two-metal coin.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring.darker(125));
    const double dots = ring == metal ? r * 0.93 : (r + face) / 2;
    for (int i = 0; i < 36; ++i) {
        const double a = i * 10.0 * M_PI / 180;
        painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * dots, 0.9, 0.9);
    }
    if (cent) {
        QFont font = boldFont(7);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
        painter.setFont(font);
        painter.setPen(metal.darker(190));
        painter.drawText(QRectF(0, centre.y() + face * 0.48, kCoinPixels, 9), Qt::AlignCenter,
                         QStringLiteral("CENT"));
    }
    return image;
}

}  // namespace

QImage paintShopItem(int index)
{
    QImage image = canvas(kItemPixels, kItemPixels, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    painter.scale(kItemPixels / 100.0, kItemPixels / 100.0);
    using Painter = void (*)(QPainter&);
    static const Painter painters[] = {pencil, apple, book, ball, drink, sandwich, cupcake, car};
    static_assert(std::size(painters) == kShopItems.size());
    painters[std::clamp(index, 0, int(kShopItems.size()) - 1)](painter);
    return image;
}

QImage paintCoin(int metal)
{
    const QColor copper(0xE0, 0x94, 0x5C), silver(0xD9, 0xDE, 0xE6), gold(0xF2, 0xCB, 0x55);
    switch (std::clamp(metal, 0, int(kCoinMetals.size()) - 1)) {
        case 0: return coin(copper, copper, false);
        case 1: return coin(silver, silver, false);
        case 2: return coin(gold, gold, false);
        case 3: return coin(silver, gold, false);
        case 4: return coin(gold, silver, false);
        case 5: return coin(copper, copper, true);
        default: return coin(gold, gold, true);
    }
}

QImage paintNote(int index)
{
    const QColor tints[] = {{0xA8, 0xDF, 0xB0}, {0xF8, 0xC0, 0x78}, {0xC9, 0xB0, 0xF2}};
    const QColor tint = tints[std::clamp(index, 0, 2)];
    QImage image = canvas(kNoteWidth, kNoteHeight, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    const QRectF paper(1, 1, kNoteWidth - 2, kNoteHeight - 2);
    QLinearGradient wash(paper.topLeft(), paper.bottomRight());
    wash.setColorAt(0, tint.lighter(115));
    wash.setColorAt(1, tint);
    painter.setPen(QPen(tint.darker(170), 1.5));
    painter.setBrush(wash);
    painter.drawRoundedRect(paper, 3, 3);
    // Fine waves across the paper, and a pale oval that the value is written on.
    painter.setPen(QPen(tint.darker(125), 0.8));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        QPainterPath wave;
        const double y = 8 + i * 6.5;
        wave.moveTo(4, y);
        for (int k = 0; k < 6; ++k) wave.quadTo(11 + k * 14, y - 3, 18 + k * 14, y);
        painter.drawPath(wave);
    }
    painter.setPen(QPen(tint.darker(150), 1.2));
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawEllipse(QPointF(kNoteWidth / 2.0, kNoteHeight / 2.0), 27, 16);
    painter.setBrush(tint.darker(115));
    for (const double x : {9.0, kNoteWidth - 9.0})
        for (const double y : {9.0, kNoteHeight - 9.0}) painter.drawEllipse(QPointF(x, y), 4, 4);
    return image;
}

QImage paintPurse()
{
    QImage image = canvas(304, 212, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    const QColor leather(0x9A, 0x5B, 0x2C), lining(0x5B, 0x2F, 0x3E);
    painter.setPen(QPen(leather.darker(170), 2.5));
    painter.setBrush(shaded(leather, {90, 40}, 320));
    painter.drawRoundedRect(QRectF(2, 10, 300, 200), 26, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lining);
    painter.drawRoundedRect(QRectF(10, 18, 284, 184), 18, 18);
    painter.setPen(QPen(QColor(0xF0, 0xD8, 0xA8), 1.2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6, 14, 292, 192), 22, 22);
    // The clasp: two gold beads at the top.
    for (const double x : {143.0, 161.0}) {
        painter.setPen(QPen(palette::woodDark, 1.5));
        painter.setBrush(shaded(palette::gold, {x - 2, 5}, 9));
        painter.drawEllipse(QPointF(x, 9), 7, 7);
    }
    return image;
}

QImage paintTray()
{
    QImage image = canvas(318, 140, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    painter.setPen(QPen(palette::woodDark, 2.5));
    painter.setBrush(shaded(palette::wood, {60, 20}, 340));
    painter.drawRoundedRect(QRectF(2, 2, 314, 136), 14, 14);
    painter.setPen(QPen(palette::woodDark, 1.5));
    painter.setBrush(QColor(0x2E, 0x6B, 0x50));
    painter.drawRoundedRect(QRectF(10, 10, 298, 120), 9, 9);
    return image;
}

QImage paintCounter()
{
    QImage image = canvas(634, 140, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    const QColor top(0xD9, 0xA8, 0x6C), front(0xA8, 0x6A, 0x34);
    // The top, seen from a little above, then the front with its planks.
    painter.setPen(QPen(palette::woodDark, 2));
    painter.setBrush(top);
    painter.drawPolygon(QPolygonF{QPointF(14, 72), QPointF(620, 72), QPointF(632, 92), QPointF(2, 92)});
    painter.setBrush(front);
    painter.drawRect(QRectF(2, 92, 630, 46));
    painter.setPen(QPen(front.darker(130), 1.2));
    for (int x = 70; x < 630; x += 70) painter.drawLine(QPointF(x, 94), QPointF(x, 136));
    painter.setPen(QPen(top.darker(115), 0.8));
    for (int i = 0; i < 3; ++i) painter.drawLine(QPointF(20 + i * 7, 77 + i * 5), QPointF(612 - i * 4, 77 + i * 5));
    return image;
}

}  // namespace artwork
