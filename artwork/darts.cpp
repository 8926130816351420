#include "canvas.h"
#include "icofile.h"
#include "palette.h"
#include "pictures.h"

#include <QPainterPath>

namespace artwork {
namespace {

constexpr int kIconPixels = 32;  // 480 twips at 96 dpi

// Points along the dart, measured down the diagonal from the tip at (0, 0) in a 32-unit box.
QPointF along(double distance, double across = 0)
{
    return QPointF(distance + across, distance - across);
}

// The dart drawn with its tip at the top left corner; the other corners come from mirroring.
void drawDart(QPainter& painter)
{
    // Steel point with a square end reaching past the corner, so the corner pixel is solid.
    painter.setPen(QPen(palette::ink, 3.4, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(along(0.3), along(8));
    painter.setPen(QPen(palette::steel, 2.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(along(0.0), along(8));

    // Flight: a bright kite across the tail, kept clear of the far corner.
    QPainterPath flight;
    flight.moveTo(along(18.5));
    flight.lineTo(along(25.0, 6.2));
    flight.lineTo(along(27.6));
    flight.lineTo(along(25.0, -6.2));
    flight.closeSubpath();
    painter.setPen(outline(1.4));
    painter.setBrush(palette::magenta);
    painter.drawPath(flight);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(along(20.5), along(25.5));

    // Shaft into the flight, then the barrel with its grip rings.
    painter.setPen(QPen(palette::ink, 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(along(14), along(23));
    painter.setPen(QPen(palette::magenta.darker(130), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(along(14), along(23));

    painter.setPen(QPen(palette::ink, 5.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(along(7.5), along(15));
    painter.setPen(QPen(palette::gold, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(along(7.5), along(15));
    painter.setPen(QPen(palette::woodDark, 0.9));
    for (const double ring : {9.5, 11.3, 13.1})
        painter.drawLine(along(ring, 1.6), along(ring, -1.6));
}

QImage dartImage(DartTip tip, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = double(pixels) / kIconPixels;
    if (tip == DartTip::BottomRight)
        painter.setTransform(QTransform(-scale, 0, 0, -scale, pixels, pixels));
    else if (tip == DartTip::BottomLeft)
        painter.setTransform(QTransform(scale, 0, 0, -scale, 0, pixels));
    else
        painter.setTransform(QTransform::fromScale(scale, scale));
    drawDart(painter);
    return image;
}

}  // namespace

QByteArray dartIcon(DartTip tip)
{
    return icoFile({dartImage(tip, kIconPixels), dartImage(tip, kIconPixels * kScale)});
}

}  // namespace artwork
