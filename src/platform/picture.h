#pragma once
// Pictures read from the program's data folders: JPEG and other raster files, icons and metafiles.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

namespace platform {

struct Picture {
    QImage image;       // the pixels to draw, at whatever density the file has
    QSizeF sizeTwips;   // the size the picture stands for on screen
};

// Size in twips of a picture with this many pixels at this density (96 dpi when unknown or absurd).
QSizeF twipsForPixels(QSize pixels, double dotsPerInch);

// Decodes picture bytes; `nameForType` picks metafile or icon handling by its ending.
std::optional<Picture> decodePicture(const QByteArray& bytes, const QString& nameForType);

// Loads a picture by its relative name ("Images\logo2.jpg"); nullopt when missing or unreadable.
std::optional<Picture> loadPicture(const QString& relativeName);

// Loads a picture the screen cannot work without; a missing or broken file is an unexpected failure.
Picture requirePicture(const QString& relativeName);

}  // namespace platform
