#include "canvas.h"

#include "palette.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainterPath>

namespace artwork {

QImage canvas(int width, int height, const QColor& fill)
{
    QImage image(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

void beginPainting(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(kScale, kScale);
}

QPen outline(double width)
{
    return QPen(palette::ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont boldFont(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

void outlinedText(QPainter& painter, const QPointF& centre, const QString& text, const QFont& font,
                  const QColor& fill, double outlineWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    painter.save();
    if (outlineWidth > 0) {
        painter.setPen(outline(outlineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);  // the stroke first, so the fill keeps the letters' full weight
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

QByteArray jpegBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(94);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return {};
    return bytes;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "png"))
        return {};
    return bytes;
}

}  // namespace artwork
