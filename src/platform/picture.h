#pragma once
// Pictures read from the program's data folders: JPEG and other raster files, icons and metafiles.
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

class QPainter;

namespace platform {

struct Picture {
    QImage image;       // the pixels to draw: at the file's density, or at the windows' (loadPicture)
    QSizeF sizeTwips;   // the size the picture stands for on screen
};

// Size in twips of a picture with this many pixels at this density (96 dpi when unknown or absurd).
QSizeF twipsForPixels(QSize pixels, double dotsPerInch);

// Decodes picture bytes; `nameForType` picks metafile or icon handling by its ending.
std::optional<Picture> decodePicture(const QByteArray& bytes, const QString& nameForType);
// The same, with the pixels at the size the picture is drawn at `pixelsPerTwip` (its twips times that),
// so a window at that scale copies them as they are; a JPEG that states its density is decoded at that size.
std::optional<Picture> decodePictureAt(const QByteArray& bytes, const QString& nameForType, double pixelsPerTwip);

// Draws a picture's pixels into `target`: copied on whole device pixels when the painter maps the
// target onto exactly their size, smoothly scaled otherwise.
void drawPicture(QPainter& painter, const QRectF& target, const QImage& image);

// Loads a picture by its relative name ("Images\logo2.jpg"), at the size windows draw it now, from the
// shared picture cache; nullopt when missing or unreadable.
std::optional<Picture> loadPicture(const QString& relativeName);

// Loads a picture the screen cannot work without; a missing or broken file is an unexpected failure.
Picture requirePicture(const QString& relativeName);

}  // namespace platform
