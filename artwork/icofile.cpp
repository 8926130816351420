#include "icofile.h"

#include "canvas.h"

#include <QtEndian>

namespace artwork {
namespace {

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

}  // namespace

QByteArray icoFile(const QList<QImage>& images)
{
    constexpr int kDirectoryBytes = 6, kEntryBytes = 16;
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        if (image.width() > 256 || image.height() > 256)
            return {};
        pngs.append(pngBytes(image.convertToFormat(QImage::Format_ARGB32)));
        if (pngs.last().isEmpty())
            return {};
    }

    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon, not cursor
    put16(out, quint16(images.size()));
    quint32 offset = kDirectoryBytes + kEntryBytes * images.size();
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() & 0xFF));  // 256 is written as 0
        out.append(char(images[i].height() & 0xFF));
        out.append(char(0));  // no palette
        out.append(char(0));
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        out.append(png);
    return out;
}

}  // namespace artwork
