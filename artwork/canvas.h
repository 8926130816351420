#pragma once
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

namespace artwork {

// Pictures are painted at twice their 96-dpi size and say 192 dpi, so they keep their size in twips.
constexpr int kScale = 2;
constexpr int kDotsPerMeter = 7559;

// A canvas of width × height 96-dpi pixels, filled; paint on it through a painter from paintOn().
QImage canvas(int width, int height, const QColor& fill);
// A painter whose units are 96-dpi pixels, antialiased.
void beginPainting(QPainter& painter, QImage& image);

QPen outline(double width);
QFont boldFont(double pixelSize);
// Text centred on a point, as a path so it can wear the shapes' outline; a width of 0 leaves it bare.
void outlinedText(QPainter& painter, const QPointF& centre, const QString& text, const QFont& font,
                  const QColor& fill, double outlineWidth);

QByteArray jpegBytes(const QImage& image);
QByteArray pngBytes(const QImage& image);

}  // namespace artwork
