#include "platform/picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "platform/failure.h"
#include "platform/fields.h"
#include "platform/form.h"
#include "platform/metafile.h"
#include "platform/paths.h"
#include "platform/picturecache.h"

namespace platform {
namespace {
constexpr int kMaxPixels = 8192;                  // larger pictures are refused rather than decoded
constexpr double kFileDensity = 0;                // decode at the density the file has
constexpr double kMaxDrawnSide = 4096;

double dpiOf(const QImage& image) {
    return image.dotsPerMeterX() * 0.0254;
}

// The pixels of a picture drawn at `pixelsPerTwip`, at most a 4K screen's width a side: whatever size a
// file claims, a bigger picture is drawn scaled up from that rather than take more memory.
QSize pixelsFor(QSizeF twips, double pixelsPerTwip) {
    QSizeF pixels = twips * pixelsPerTwip;
    if (pixels.width() > kMaxDrawnSide || pixels.height() > kMaxDrawnSide)
        pixels.scale(kMaxDrawnSide, kMaxDrawnSide, Qt::KeepAspectRatio);
    return {std::max(1, qRound(pixels.width())), std::max(1, qRound(pixels.height()))};
}

// The density a JPEG states in its JFIF header, rounded as the decoder rounds it; nullopt when it states
// none or the header is not where it should be. Only a guess to decode at the right size: the decoded
// image's own density is what counts.
std::optional<double> jfifDensity(const QByteArray& bytes) {
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8) return std::nullopt;
    qsizetype at = 2;
    for (int markers = 0; markers < 32 && at + 4 <= n; ++markers) {
        const uchar marker = d[at + 1];
        // Past the application segments, the frame has begun without one.
        if (d[at] != 0xFF || marker < 0xE0 || marker > 0xEF) return std::nullopt;
        const int length = (d[at + 2] << 8) | d[at + 3];
        if (marker == 0xE0 && length >= 16 && at + 16 <= n && std::memcmp(d + at + 4, "JFIF", 5) == 0) {
            const int units = d[at + 11];
            const int density = (d[at + 12] << 8) | d[at + 13];
            if (units == 1) return int(100.0 * density / 2.54) * 0.0254;
            if (units == 2) return int(100.0 * density) * 0.0254;
            return std::nullopt;
        }
        if (length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

// The image in the format windows draw fastest, at `size`, scaled smoothly when it is not that size.
QImage readyToDraw(QImage image, QSize size) {
    if (image.size() != size) image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

std::optional<Picture> decode(const QByteArray& bytes, const QString& nameForType, double pixelsPerTwip) {
    const bool atFileDensity = pixelsPerTwip == kFileDensity;
    const QString suffix = QFileInfo(nameForType).suffix().toLower();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    std::optional<Picture> picture;
    if (suffix == QLatin1String("wmf")) {
        auto metafile = atFileDensity ? readMetafile(bytes) : readMetafile(bytes, pixelsPerTwip);
        if (!metafile) return std::nullopt;
        picture = Picture{metafile->image, metafile->sizeTwips};
    } else if (suffix == QLatin1String("ico")) {
        // An icon stands for its smallest image's size and is drawn from its largest, so it stays sharp.
        QImage largest;
        QSize smallest;
        for (int i = 0; i < 16; ++i) {
            if (i > 0 && !reader.jumpToNextImage()) break;
            const QSize size = reader.size();
            if (size.width() > kMaxPixels || size.height() > kMaxPixels) return std::nullopt;
            QImage frame = reader.read();
            if (frame.isNull()) break;
            if (largest.isNull() || frame.width() > largest.width()) largest = frame;
            if (!smallest.isValid() || frame.width() < smallest.width()) smallest = frame.size();
        }
        if (largest.isNull()) return std::nullopt;
        picture = Picture{largest, twipsForPixels(smallest, 96)};
    } else {
        const QSize size = reader.size();
        if (size.width() > kMaxPixels || size.height() > kMaxPixels) return std::nullopt;
        // Decoding straight to the drawn size reads a fraction of the pixels of a picture drawn smaller.
        const auto stated = atFileDensity || !size.isValid() ? std::nullopt : jfifDensity(bytes);
        if (stated) reader.setScaledSize(pixelsFor(twipsForPixels(size, *stated), pixelsPerTwip));
        QImage image = reader.read();
        if (image.isNull() || image.width() > kMaxPixels || image.height() > kMaxPixels) return std::nullopt;
        picture = Picture{image, twipsForPixels(stated ? size : image.size(), dpiOf(image))};
    }
    if (!atFileDensity) picture->image = readyToDraw(picture->image, pixelsFor(picture->sizeTwips, pixelsPerTwip));
    return picture;
}
}  // namespace

QSizeF twipsForPixels(QSize pixels, double dotsPerInch) {
    if (!(dotsPerInch >= 24 && dotsPerInch <= 2400)) dotsPerInch = 96;
    // Densities within a hair of 96 are rounding noise of the file format.
    if (std::abs(dotsPerInch - 96) < 0.5) dotsPerInch = 96;
    return {pixels.width() * 1440.0 / dotsPerInch, pixels.height() * 1440.0 / dotsPerInch};
}

std::optional<Picture> decodePicture(const QByteArray& bytes, const QString& nameForType) {
    return decode(bytes, nameForType, kFileDensity);
}

std::optional<Picture> decodePictureAt(const QByteArray& bytes, const QString& nameForType, double pixelsPerTwip) {
    if (!(pixelsPerTwip > 0 && pixelsPerTwip <= 1)) return std::nullopt;
    return decode(bytes, nameForType, pixelsPerTwip);
}

void drawPicture(QPainter& painter, const QRectF& target, const QImage& image) {
    if (image.isNull()) return;
    const QTransform toDevice = painter.combinedTransform();
    if (toDevice.type() <= QTransform::TxScale && painter.device()->devicePixelRatio() == 1) {
        const QRectF device = toDevice.mapRect(target);
        if (std::abs(device.width() - image.width()) < 1 && std::abs(device.height() - image.height()) < 1) {
            painter.save();
            painter.resetTransform();
            painter.drawImage(device.topLeft().toPoint(), image);
            painter.restore();
            return;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

std::optional<Picture> loadPicture(const QString& relativeName) {
    return PictureCache::shared().load(resolvePath(relativeName), relativeName, picturePixelsPerTwip());
}

Picture requirePicture(const QString& relativeName) {
    const QString path = resolvePath(relativeName);
    if (!QFileInfo::exists(path))
        reportUnexpectedFailure(FileNotFound, QStringLiteral("File not found: %1").arg(relativeName));
    auto picture = loadPicture(relativeName);
    if (!picture)
        reportUnexpectedFailure(InvalidPicture, QStringLiteral("Invalid picture: %1").arg(relativeName));
    return *picture;
}

}  // namespace platform
