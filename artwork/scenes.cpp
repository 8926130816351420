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

QPainterPath starShape(const QPointF& centre, double outer, double inner)
{
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const double angle = qDegreesToRadians(point * 36.0 - 90);
        const double radius = point % 2 == 0 ? outer : inner;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        point == 0 ? star.moveTo(at) : star.lineTo(at);
    }
    star.closeSubpath();
    return star;
}

// A counting block seen from the front and a little from above.
void numberBlock(QPainter& painter, const QRectF& face, const QColor& colour, const QString& digit)
{
    const double depth = face.width() * 0.22;
    QPainterPath top;
    top.moveTo(face.topLeft());
    top.lineTo(face.topLeft() + QPointF(depth, -depth));
    top.lineTo(face.topRight() + QPointF(depth, -depth));
    top.lineTo(face.topRight());
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(face.topRight());
    side.lineTo(face.topRight() + QPointF(depth, -depth));
    side.lineTo(face.bottomRight() + QPointF(depth, -depth));
    side.lineTo(face.bottomRight());
    side.closeSubpath();
    painter.setPen(outline(2.2));
    painter.setBrush(colour.lighter(125));
    painter.drawPath(top);
    painter.setBrush(colour.darker(125));
    painter.drawPath(side);
    painter.setBrush(colour);
    painter.drawRect(face);
    outlinedText(painter, face.center(), digit, boldFont(face.height() * 0.7), palette::paper, 2.2);
}

void woodenBoard(QPainter& painter, const QRectF& frame, double border)
{
    painter.setPen(outline(2.5));
    painter.setBrush(palette::wood);
    painter.drawRoundedRect(frame, border * 0.8, border * 0.8);
    painter.setBrush(palette::boardGreen);
    painter.drawRect(frame.adjusted(border, border, -border, -border));
}

}  // namespace

QImage paintSplash()
{
    QImage image = canvas(320, 240, palette::sky);
    QPainter painter;
    beginPainting(painter, image);

    QLinearGradient sky(QPointF(0, 0), QPointF(0, 240));
    sky.setColorAt(0, palette::sky);
    sky.setColorAt(1, palette::paper);
    painter.fillRect(QRectF(0, 0, 320, 240), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    for (int ray = 0; ray < 12; ++ray) {
        QPainterPath wedge;
        wedge.moveTo(112, 92);
        wedge.arcTo(QRectF(112 - 400, 92 - 400, 800, 800), ray * 30.0, 12.0);
        wedge.closeSubpath();
        painter.drawPath(wedge);
    }

    // Ground for the blocks to stand on.
    painter.setPen(outline(2.5));
    painter.setBrush(palette::leaf);
    QPainterPath hill;
    hill.moveTo(-5, 245);
    hill.lineTo(-5, 200);
    hill.cubicTo(80, 188, 220, 192, 325, 204);
    hill.lineTo(325, 245);
    hill.closeSubpath();
    painter.drawPath(hill);

    woodenBoard(painter, QRectF(18, 20, 190, 140), 10);
    const QFont sign = boldFont(56);
    outlinedText(painter, QPointF(68, 62), QStringLiteral("+"), sign, palette::chalk, 0);
    outlinedText(painter, QPointF(158, 62), QString(QChar(0x2212)), sign, palette::sunshine, 0);
    outlinedText(painter, QPointF(68, 118), QString(QChar(0x00D7)), sign, QColor(0xFF, 0xA6, 0xC9), 0);
    outlinedText(painter, QPointF(158, 118), QString(QChar(0x00F7)), sign, QColor(0x9F, 0xDC, 0xFF), 0);
    painter.setPen(outline(1.5));
    painter.setBrush(palette::chalk);
    painter.drawRect(QRectF(150, 151, 22, 6));

    drawDartboard(painter, QPointF(266, 62), 44);

    numberBlock(painter, QRectF(22, 178, 38, 38), palette::tomato, QStringLiteral("1"));
    numberBlock(painter, QRectF(70, 170, 38, 38), palette::orange, QStringLiteral("2"));
    numberBlock(painter, QRectF(118, 182, 38, 38), palette::grass, QStringLiteral("3"));

    painter.setPen(outline(2.2));
    painter.setBrush(palette::gold);
    painter.drawPath(starShape(QPointF(236, 138), 19, 8));
    painter.setBrush(palette::dartOuterBull);
    painter.drawEllipse(QPointF(286, 134), 13, 13);
    QPainterPath triangle;
    triangle.moveTo(186, 214);
    triangle.lineTo(204, 182);
    triangle.lineTo(222, 214);
    triangle.closeSubpath();
    painter.setBrush(palette::grape);
    painter.drawPath(triangle);
    drawFruit(painter, 7, QRectF(240, 166, 58, 58));
    return image;
}

QImage paintBackground()
{
    constexpr int kWidth = 800, kHeight = 600;
    QImage image = canvas(kWidth, kHeight, palette::pageBlue);
    QPainter painter;
    beginPainting(painter, image);

    // Calm and never bright: yellow text and blue boxes must read anywhere on it.
    QLinearGradient fall(QPointF(0, 0), QPointF(0, kHeight));
    fall.setColorAt(0, palette::pageBlue);
    fall.setColorAt(1, palette::pageBlue.darker(122));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), fall);

    painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 20; x < kWidth; x += 40)
        painter.drawLine(QPointF(x, 0), QPointF(x, kHeight));
    for (int y = 20; y < kHeight; y += 40)
        painter.drawLine(QPointF(0, y), QPointF(kWidth, y));

    struct Numeral {
        const char16_t* text;
        double x, y, size, angle;
    };
    static constexpr Numeral kNumerals[] = {
        {u"7", 70, 170, 120, -12},  {u"3", 250, 470, 140, 8},   {u"+", 420, 150, 110, 0},
        {u"9", 560, 520, 130, -6},  {u"2", 700, 250, 120, 10},  {u"\u00F7", 130, 380, 100, 0},
        {u"5", 380, 320, 150, -4},  {u"=", 600, 110, 100, 0},   {u"8", 720, 430, 110, 14},
        {u"\u00D7", 300, 80, 90, 0}, {u"4", 470, 440, 90, -10}, {u"1", 40, 540, 120, 6},
    };
    for (const Numeral& numeral : kNumerals) {
        painter.save();
        painter.translate(numeral.x, numeral.y);
        painter.rotate(numeral.angle);
        QPainterPath glyph;
        glyph.addText(0, 0, boldFont(numeral.size), QString::fromUtf16(numeral.text));
        glyph.translate(-glyph.boundingRect().center());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 13));
        painter.drawPath(glyph);
        painter.restore();
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 16), 4));
    painter.drawEllipse(QPointF(660, 380), 54, 54);
    painter.drawRect(QRectF(190, 230, 80, 80));
    QPainterPath triangle;
    triangle.moveTo(520, 300);
    triangle.lineTo(580, 200);
    triangle.lineTo(640, 300);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    return image;
}

QImage paintLogo()
{
    constexpr double kWidth = 100, kHeight = 139;  // 1500 × 2085 twips
    QImage image = canvas(int(kWidth), int(kHeight), palette::navy);
    QPainter painter;
    beginPainting(painter, image);

    QRadialGradient glow(QPointF(50, 52), 70);
    glow.setColorAt(0, palette::deepBlue);
    glow.setColorAt(1, palette::navy);
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), glow);
    painter.setPen(QPen(palette::sunshine, 3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3, 3, kWidth - 6, kHeight - 6), 9, 9);

    outlinedText(painter, QPointF(46, 56), QStringLiteral("B"), boldFont(86), palette::sunshine, 5);

    // A pencil leaning on the letter.
    painter.save();
    painter.translate(74, 68);
    painter.rotate(-35);
    painter.setPen(outline(1.8));
    painter.setBrush(palette::orange);
    painter.drawRect(QRectF(-5, -26, 10, 40));
    painter.setBrush(QColor(0xFF, 0x9E, 0xC4));
    painter.drawRoundedRect(QRectF(-5, -34, 10, 8), 2.5, 2.5);
    QPainterPath point;
    point.moveTo(-5, 14);
    point.lineTo(5, 14);
    point.lineTo(0, 26);
    point.closeSubpath();
    painter.setBrush(QColor(0xF1, 0xCF, 0x9B));
    painter.drawPath(point);
    painter.setBrush(palette::ink);
    painter.drawEllipse(QPointF(0, 24), 1.6, 1.6);
    painter.restore();

    // A number line along the foot.
    painter.setPen(QPen(palette::chalk, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 108), QPointF(88, 108));
    const QFont digits = boldFont(11);
    for (int tick = 0; tick < 4; ++tick) {
        const double x = 18 + tick * 21.3;
        painter.setPen(QPen(palette::chalk, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, 103), QPointF(x, 113));
        outlinedText(painter, QPointF(x, 124), QString::number(tick), digits, palette::chalk, 0);
    }
    return image;
}

}  // namespace artwork
