#include "platform/picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include "platform/failure.h"
#include "platform/fields.h"
#include "platform/metafile.h"
#include "platform/paths.h"

namespace platform {
namespace {
constexpr int kMaxPixels = 8192;                  // larger pictures are refused rather than decoded
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

double dpiOf(const QImage& image) {
    return image.dotsPerMeterX() * 0.0254;
}
}  // namespace

QSizeF twipsForPixels(QSize pixels, double dotsPerInch) {
    if (!(dotsPerInch >= 24 && dotsPerInch <= 2400)) dotsPerInch = 96;
    // Densities within a hair of 96 are rounding noise of the file format.
    if (std::abs(dotsPerInch - 96) < 0.5) dotsPerInch = 96;
    return {pixels.width() * 1440.0 / dotsPerInch, pixels.height() * 1440.0 / dotsPerInch};
}

std::optional<Picture> decodePicture(const QByteArray& bytes, const QString& nameForType) {
    const QString suffix = QFileInfo(nameForType).suffix().toLower();
    if (suffix == QLatin1String("wmf")) {
        auto metafile = readMetafile(bytes);
        if (!metafile) return std::nullopt;
        return Picture{metafile->image, metafile->sizeTwips};
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    if (suffix == QLatin1String("ico")) {
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
        return Picture{largest, twipsForPixels(smallest, 96)};
    }

    const QSize size = reader.size();
    if (size.width() > kMaxPixels || size.height() > kMaxPixels) return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPixels || image.height() > kMaxPixels) return std::nullopt;
    return Picture{image, twipsForPixels(image.size(), dpiOf(image))};
}

std::optional<Picture> loadPicture(const QString& relativeName) {
    const auto bytes = readFileBytes(resolvePath(relativeName), kMaxFileBytes);
    if (!bytes) return std::nullopt;
    return decodePicture(*bytes, relativeName);
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
