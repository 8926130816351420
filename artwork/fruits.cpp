#include "canvas.h"
#include "palette.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <utility>

namespace artwork {
namespace {

// Each fruit is drawn in a 100 × 100 box; the outline keeps its weight at any size.
constexpr double kLine = 3.2;

QBrush shaded(const QColor& colour, const QPointF& light, double radius)
{
    QRadialGradient gradient(light, radius);
    gradient.setColorAt(0, colour.lighter(140));
    gradient.setColorAt(0.55, colour);
    gradient.setColorAt(1, colour.darker(135));
    return gradient;
}

void filled(QPainter& painter, const QPainterPath& path, const QBrush& brush, double line = kLine)
{
    painter.setPen(outline(line));
    painter.setBrush(brush);
    painter.drawPath(path);
}

void gleam(QPainter& painter, const QPointF& centre, double rx, double ry, double angle)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(0, 0), rx, ry);
    painter.restore();
}

void stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QPainterPath leafShape(const QPointF& base, const QPointF& tip, double width)
{
    const QPointF along = tip - base;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / std::hypot(along.x(), along.y()));
    const QPointF middle = (base + tip) / 2;
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.quadTo(middle + across, tip);
    leaf.quadTo(middle - across, base);
    return leaf;
}

void drawLeaf(QPainter& painter, const QPointF& base, const QPointF& tip, double width)
{
    filled(painter, leafShape(base, tip, width), shaded(palette::leaf, base, 30), 2.4);
    QPainterPath vein;
    vein.moveTo(base);
    vein.lineTo(base + (tip - base) * 0.8);
    stroke(painter, vein, palette::leaf.darker(160), 1.4);
}

void plum(QPainter& painter)
{
    painter.setPen(QPen(palette::woodDark, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(49, 28), QPointF(55, 8));
    painter.save();
    painter.translate(50, 57);
    painter.rotate(-14);
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 33, 37);
    filled(painter, body, shaded(palette::grape, QPointF(-12, -16), 52));
    QPainterPath crease;
    crease.moveTo(-3, -35);
    crease.cubicTo(-15, -12, -13, 14, -3, 35);
    stroke(painter, crease, palette::grape.darker(170), 2.6);
    gleam(painter, QPointF(-18, -14), 6, 12, 12);
    painter.restore();
    drawLeaf(painter, QPointF(54, 12), QPointF(84, 8), 9);
}

void lime(QPainter& painter)
{
    const QColor rind(0x3E, 0x9A, 0x1F);
    painter.save();
    painter.translate(38, 38);
    painter.rotate(-28);
    QPainterPath whole;
    whole.addEllipse(QPointF(0, 0), 31, 25);
    whole.addEllipse(QPointF(31, 0), 4, 5);
    filled(painter, whole.simplified(), shaded(rind, QPointF(-10, -10), 40));
    gleam(painter, QPointF(-12, -10), 9, 4, 0);
    painter.restore();

    const QPointF centre(60, 62);
    QPainterPath slice;
    slice.addEllipse(centre, 32, 32);
    filled(painter, slice, rind);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xEC, 0xF6, 0xCF));
    painter.drawEllipse(centre, 27, 27);
    for (int wedge = 0; wedge < 8; ++wedge) {
        QPainterPath segment;
        segment.moveTo(centre);
        segment.arcTo(QRectF(centre.x() - 24, centre.y() - 24, 48, 48), wedge * 45 + 4, 37);
        segment.closeSubpath();
        painter.setBrush(QColor(0xA6, 0xD8, 0x4E));
        painter.drawPath(segment);
    }
    painter.setBrush(QColor(0xEC, 0xF6, 0xCF));
    painter.drawEllipse(centre, 3.5, 3.5);
}

void banana(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(78, 20);
    body.cubicTo(100, 58, 70, 96, 16, 86);
    body.cubicTo(10, 84, 10, 76, 16, 72);
    body.cubicTo(50, 70, 64, 48, 62, 22);
    body.closeSubpath();
    QLinearGradient yellow(QPointF(40, 50), QPointF(80, 80));
    yellow.setColorAt(0, palette::sunshine.lighter(110));
    yellow.setColorAt(1, palette::gold.darker(110));
    filled(painter, body, yellow);
    QPainterPath ridge;
    ridge.moveTo(72, 26);
    ridge.cubicTo(84, 56, 62, 82, 22, 79);
    stroke(painter, ridge, palette::gold.darker(135), 1.8);
    QPainterPath stalk;
    stalk.moveTo(63, 23);
    stalk.lineTo(64, 8);
    stalk.lineTo(72, 7);
    stalk.lineTo(76, 21);
    stalk.closeSubpath();
    filled(painter, stalk, QColor(0x9C, 0x7A, 0x2E), 2.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::woodDark);
    painter.drawEllipse(QPointF(14, 79), 3.5, 5);
}

void orange(QPainter& painter)
{
    const QPointF centre(50, 56);
    QPainterPath body;
    body.addEllipse(centre, 38, 37);
    filled(painter, body, shaded(palette::orange, centre + QPointF(-14, -14), 56));
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x5A, 0x00, 90));
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            painter.drawEllipse(QPointF(16 + column * 10 + (row % 2) * 5, 22 + row * 10), 1.3, 1.3);
    painter.restore();
    gleam(painter, centre + QPointF(-16, -16), 10, 6, -40);
    drawLeaf(painter, QPointF(51, 20), QPointF(78, 8), 8);
    painter.setPen(outline(2));
    painter.setBrush(palette::leaf.darker(130));
    painter.drawEllipse(QPointF(50, 20), 4, 3);
}

void melon(QPainter& painter)
{
    painter.save();
    painter.translate(50, 27);
    painter.rotate(-8);
    const auto halfDisc = [](double radius) {
        QPainterPath half;
        half.moveTo(-radius, 0);
        half.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), 180, 180);
        half.closeSubpath();
        return half;
    };
    filled(painter, halfDisc(49), QColor(0x2E, 0x8B, 0x2E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC4, 0xE8, 0x8A));
    painter.drawPath(halfDisc(43));
    painter.setBrush(shaded(QColor(0xF0, 0x3E, 0x4E), QPointF(0, 6), 44));
    painter.drawPath(halfDisc(38));
    painter.setPen(outline(kLine));
    painter.drawLine(QPointF(-49, 0), QPointF(49, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::ink);
    for (const QPointF seed : {QPointF(-24, 10), QPointF(-8, 13), QPointF(8, 13), QPointF(24, 10), QPointF(-16, 24),
                               QPointF(0, 27), QPointF(16, 24)}) {
        painter.save();
        painter.translate(seed);
        painter.rotate(std::atan2(seed.x(), seed.y()) * -57.3);
        painter.drawEllipse(QPointF(0, 0), 2.4, 4);
        painter.restore();
    }
    painter.restore();
}

void lemon(QPainter& painter)
{
    painter.save();
    painter.translate(48, 58);
    painter.rotate(-22);
    QPainterPath body;
    body.moveTo(-46, 0);
    body.cubicTo(-40, -6, -36, -31, 0, -31);
    body.cubicTo(36, -31, 40, -6, 46, 0);
    body.cubicTo(40, 6, 36, 31, 0, 31);
    body.cubicTo(-36, 31, -40, 6, -46, 0);
    filled(painter, body, shaded(QColor(0xFF, 0xE0, 0x2E), QPointF(-12, -12), 52));
    gleam(painter, QPointF(-14, -14), 12, 5, -6);
    painter.restore();
    drawLeaf(painter, QPointF(70, 30), QPointF(88, 8), 8);
}

void strawberry(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(50, 94);
    body.cubicTo(22, 84, 8, 52, 20, 36);
    body.cubicTo(30, 22, 70, 22, 80, 36);
    body.cubicTo(92, 52, 78, 84, 50, 94);
    filled(painter, body, shaded(QColor(0xE8, 0x24, 0x38), QPointF(36, 42), 60));
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xE6, 0x6E));
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            painter.drawEllipse(QPointF(20 + column * 10 + (row % 2) * 5, 42 + row * 9), 1.5, 2.3);
    painter.restore();
    gleam(painter, QPointF(32, 46), 5, 9, 25);

    QPainterPath calyx;
    for (int point = 0; point < 10; ++point) {
        const double angle = qDegreesToRadians(point * 36.0 + 90);
        const double radius = point % 2 == 0 ? 22 : 7;
        const QPointF at(50 + radius * std::cos(angle), 31 + radius * std::sin(angle) * 0.5);
        point == 0 ? calyx.moveTo(at) : calyx.lineTo(at);
    }
    calyx.closeSubpath();
    filled(painter, calyx, palette::leaf, 2.4);
    painter.setPen(QPen(palette::leaf.darker(140), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 29), QPointF(53, 12));
}

void cherries(QPainter& painter)
{
    QPainterPath stems;
    stems.moveTo(30, 56);
    stems.cubicTo(34, 36, 46, 22, 58, 14);
    stems.moveTo(68, 58);
    stems.cubicTo(64, 40, 60, 26, 58, 14);
    stroke(painter, stems, palette::ink, 5.6);
    stroke(painter, stems, QColor(0x6B, 0x8E, 0x23), 3.0);
    drawLeaf(painter, QPointF(58, 14), QPointF(88, 22), 9);
    const QColor red(0xD0, 0x10, 0x32);
    for (const QPointF centre : {QPointF(30, 70), QPointF(68, 73)}) {
        QPainterPath cherry;
        cherry.addEllipse(centre, 19, 18);
        filled(painter, cherry, shaded(red, centre + QPointF(-7, -7), 26));
        gleam(painter, centre + QPointF(-8, -7), 3.5, 6, 30);
    }
}

void bell(QPainter& painter)
{
    painter.setPen(outline(kLine));
    painter.setBrush(palette::gold.darker(120));
    painter.drawEllipse(QPointF(50, 86), 8, 8);

    QPainterPath body;
    body.moveTo(50, 18);
    body.cubicTo(30, 18, 27, 36, 26, 54);
    body.cubicTo(25, 64, 18, 70, 15, 75);
    body.lineTo(85, 75);
    body.cubicTo(82, 70, 75, 64, 74, 54);
    body.cubicTo(73, 36, 70, 18, 50, 18);
    QLinearGradient metal(QPointF(20, 0), QPointF(84, 0));
    metal.setColorAt(0, palette::gold.darker(115));
    metal.setColorAt(0.35, palette::sunshine.lighter(120));
    metal.setColorAt(1, palette::gold.darker(140));
    filled(painter, body, metal);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(11, 70, 78, 11), 5, 5);
    filled(painter, rim, metal);
    painter.setPen(outline(kLine));
    painter.setBrush(palette::gold);
    painter.drawEllipse(QPointF(50, 14), 6, 6);
    QPainterPath shine;
    shine.moveTo(38, 28);
    shine.cubicTo(34, 38, 33, 50, 32, 62);
    stroke(painter, shine, QColor(255, 255, 255, 170), 3.5);
}

void bar(QPainter& painter)
{
    QPainterPath block;
    block.addRoundedRect(QRectF(5, 27, 90, 46), 9, 9);
    filled(painter, block, palette::ink);
    painter.setPen(QPen(palette::gold, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(11, 33, 78, 34), 5, 5);
    outlinedText(painter, QPointF(50, 50), QStringLiteral("BAR"), boldFont(27), palette::chalk, 0);
}

using FruitPainter = void (*)(QPainter&);
constexpr std::array<FruitPainter, 10> kPainters = {plum, lime, banana, orange, melon, lemon, strawberry, cherries,
                                                    bell, bar};

constexpr int kTilePixels = 164;  // the 2460-twip reel box
const QRectF kFruitBox(14, 14, 136, 136);

QImage reelTile()
{
    QImage image = canvas(kTilePixels, kTilePixels, palette::paper);
    QPainter painter;
    beginPainting(painter, image);
    QLinearGradient reel(QPointF(0, 0), QPointF(0, kTilePixels));
    reel.setColorAt(0, palette::mist.darker(112));
    reel.setColorAt(0.22, palette::paper);
    reel.setColorAt(0.78, palette::paper);
    reel.setColorAt(1, palette::mist.darker(112));
    painter.fillRect(QRectF(0, 0, kTilePixels, kTilePixels), reel);
    return image;
}

QImage fruitLayer(int index)
{
    QImage layer(kTilePixels * kScale, kTilePixels * kScale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter;
    beginPainting(painter, layer);
    drawFruit(painter, index, kFruitBox);
    return layer;
}

}  // namespace

void drawFruit(QPainter& painter, int index, const QRectF& box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    kPainters.at(index)(painter);
    painter.restore();
}

QImage paintFruit(int index)
{
    QImage image = reelTile();
    QPainter painter;
    beginPainting(painter, image);
    drawFruit(painter, index, kFruitBox);
    return image;
}

QImage paintFruitBlur(int index)
{
    // The fruit smeared down the reel: many faint copies for the streak, a few stronger ghosts on top.
    const QImage layer = fruitLayer(index);
    QImage image = reelTile();
    QPainter painter(&image);
    for (int shift = -60; shift <= 60; shift += 2) {
        painter.setOpacity(0.035);
        painter.drawImage(QPointF(0, shift * kScale), layer);
    }
    for (const auto& [shift, opacity] : {std::pair{-40, 0.28}, std::pair{40, 0.28}, std::pair{0, 0.45}}) {
        painter.setOpacity(opacity);
        painter.drawImage(QPointF(0, shift * kScale), layer);
    }
    return image;
}

QImage paintFruitKey()
{
    // Each fruit stands just left of the value caption that the screen writes over this picture.
    struct Entry {
        double captionLeft, captionTop;
    };
    static constexpr std::array<Entry, 10> kCaptions = {{{67, 8}, {67, 56}, {67, 104}, {67, 152}, {211, 8},
                                                          {211, 56}, {211, 104}, {211, 152}, {347, 48}, {347, 112}}};
    constexpr double kCaptionHeight = 25, kCoinRadius = 18.5;

    QImage image = canvas(410, 200, palette::pageBlue);
    QPainter painter;
    beginPainting(painter, image);
    painter.setPen(QPen(palette::pageBlue.lighter(125), 2));
    painter.setBrush(palette::deepBlue);
    painter.drawRoundedRect(QRectF(1, 1, 408, 198), 12, 12);
    for (int index = 0; index < 10; ++index) {
        const QPointF centre(kCaptions[index].captionLeft - 25, kCaptions[index].captionTop + kCaptionHeight / 2);
        painter.setPen(outline(1.5));
        painter.setBrush(palette::paper);
        painter.drawEllipse(centre, kCoinRadius, kCoinRadius);
        drawFruit(painter, index, QRectF(centre.x() - 15, centre.y() - 15, 30, 30));
    }
    return image;
}

}  // namespace artwork
