#include "canvas.h"
#include "palette.h"
#include "pictures.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace artwork {
namespace {

// Numbers clockwise from the top, 18° apart, 20 straight up.
constexpr std::array<int, 20> kSegmentOrder = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

enum class Area { Bull, OuterBull, Single, Treble, Double };

// Outer radius of each area in twips of the 7200-twip picture, outermost first; the program's dart
// radii (0, 180, 1260, 1800, 2340) each fall in the middle of their area.
struct Band {
    double outer;
    Area area;
};
constexpr std::array<Band, 6> kBands = {{{2460, Area::Double},
                                         {2220, Area::Single},
                                         {1380, Area::Treble},
                                         {1140, Area::Single},
                                         {260, Area::OuterBull},
                                         {100, Area::Bull}}};
constexpr double kRimTwips = 3420;
constexpr double kNumberRadiusTwips = 2950;

QColor areaColour(Area area, int position)
{
    const bool even = position % 2 == 0;
    switch (area) {
    case Area::Bull:
        return palette::dartBull;
    case Area::OuterBull:
        return palette::dartOuterBull;
    case Area::Single:
        return even ? palette::dartDark : palette::dartCream;
    case Area::Treble:
    case Area::Double:
        return even ? palette::dartRed : palette::dartGreen;
    }
    return palette::dartDark;
}

QRectF circle(const QPointF& centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

// Qt counts angles anticlockwise from three o'clock; the board counts clockwise from twelve.
double qtAngle(double boardDegrees)
{
    return 90.0 - boardDegrees;
}

}  // namespace

void drawDartboard(QPainter& painter, const QPointF& centre, double rimRadius)
{
    const double unit = rimRadius / kRimTwips;  // painter units per twip
    painter.save();

    painter.setPen(outline(rimRadius * 0.02));
    painter.setBrush(palette::dartSurround);
    painter.drawEllipse(circle(centre, rimRadius));

    painter.setPen(Qt::NoPen);
    for (const Band& band : kBands) {
        const QRectF box = circle(centre, band.outer * unit);
        if (band.area == Area::Bull || band.area == Area::OuterBull) {
            painter.setBrush(areaColour(band.area, 0));
            painter.drawEllipse(box);
            continue;
        }
        for (int position = 0; position < 20; ++position) {
            QPainterPath sector;
            sector.moveTo(centre);
            sector.arcTo(box, qtAngle(position * 18.0 + 9.0), 18.0);
            sector.closeSubpath();
            painter.setBrush(areaColour(band.area, position));
            painter.drawPath(sector);
        }
    }

    QPen wire(palette::dartWire, rimRadius * 0.006);
    painter.setPen(wire);
    painter.setBrush(Qt::NoBrush);
    for (const Band& band : kBands)
        painter.drawEllipse(circle(centre, band.outer * unit));
    const double inner = kBands[4].outer * unit, outer = kBands[0].outer * unit;
    for (int position = 0; position < 20; ++position) {
        const double radians = qDegreesToRadians(position * 18.0 + 9.0);
        const QPointF direction(std::sin(radians), -std::cos(radians));
        painter.drawLine(centre + direction * inner, centre + direction * outer);
    }

    const QFont font = boldFont(rimRadius * 0.14);
    for (int position = 0; position < 20; ++position) {
        const double radians = qDegreesToRadians(position * 18.0);
        const QPointF at = centre + QPointF(std::sin(radians), -std::cos(radians)) * kNumberRadiusTwips * unit;
        outlinedText(painter, at, QString::number(kSegmentOrder[position]), font, palette::chalk, rimRadius * 0.012);
    }
    painter.restore();
}

QImage paintDartboard()
{
    QImage image = canvas(480, 480, palette::pageBlue);
    QPainter painter;
    beginPainting(painter, image);
    const QPointF centre(240, 240);
    const double rim = kRimTwips / 15.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(circle(centre + QPointF(4, 6), rim + 2));
    drawDartboard(painter, centre, rim);
    return image;
}

}  // namespace artwork
