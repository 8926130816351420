#include "canvas.h"
#include "palette.h"
#include "pictures.h"

#include <QPainterPath>

namespace artwork {
namespace {

constexpr int kMarkPixels = 49;  // 735 twips, the width the feedback box grows to

// A light card; the mark is uncovered from the left, so every stroke starts at the left.
QImage markCard()
{
    QImage image = canvas(kMarkPixels, kMarkPixels, palette::paper);
    QPainter painter;
    beginPainting(painter, image);
    painter.setPen(QPen(palette::mist, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, kMarkPixels - 2, kMarkPixels - 2));
    return image;
}

void boldStroke(QPainter& painter, const QPainterPath& path, const QColor& colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::ink, 10.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

}  // namespace

QImage paintTick()
{
    QImage image = markCard();
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath tick;
    tick.moveTo(9.5, 26);
    tick.lineTo(19.5, 36.5);
    tick.lineTo(40, 12);
    boldStroke(painter, tick, palette::grass);
    return image;
}

QImage paintCross()
{
    QImage image = markCard();
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath cross;
    cross.moveTo(12, 12);
    cross.lineTo(37, 37);
    cross.moveTo(12, 37);
    cross.lineTo(37, 12);
    boldStroke(painter, cross, palette::tomato);
    return image;
}

QImage paintArrowDown()
{
    constexpr double kWidth = 8, kHeight = 48;  // 120 × 720 twips
    QImage image = canvas(int(kWidth), int(kHeight), palette::pageBlue);
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath arrow;
    arrow.moveTo(2.6, 0.8);
    arrow.lineTo(5.4, 0.8);
    arrow.lineTo(5.4, 33);
    arrow.lineTo(7.6, 33);
    arrow.lineTo(kWidth / 2, kHeight - 0.4);  // the point, at the bottom centre
    arrow.lineTo(0.4, 33);
    arrow.lineTo(2.6, 33);
    arrow.closeSubpath();
    painter.setPen(QPen(palette::ink, 0.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(palette::sunshine);
    painter.drawPath(arrow);
    return image;
}

}  // namespace artwork
