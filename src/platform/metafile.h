#pragma once
// Reader for Windows metafiles (.WMF), with or without the placeable header.
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <optional>

namespace platform {

struct MetafilePicture {
    QImage image;       // rendered at the requested density, transparent where nothing is drawn
    QSizeF sizeTwips;   // the picture's own size in twips (from the placeable header or the window extent)
};

// Draws a metafile into an image at pixelsPerTwip (1/15 is 96 dpi).
// Returns nullopt for anything that is not a well-formed metafile (a bad header, a record running past
// the end, no end record); never reads past the end of bytes. Records it cannot use are skipped, and the
// image is at most 4096 pixels a side, drawn at a lower density if the picture would be larger.
std::optional<MetafilePicture> readMetafile(const QByteArray& bytes, double pixelsPerTwip = 2.0 / 15.0);

}  // namespace platform
