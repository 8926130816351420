#include "metafilewriter.h"

#include <QtEndian>

#include <algorithm>

namespace artwork {
namespace {

void put16(QByteArray& out, int value)
{
    char bytes[2];
    qToLittleEndian(quint16(value), bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putColour(QByteArray& out, const QColor& colour)
{
    out.append(char(colour.red()));
    out.append(char(colour.green()));
    out.append(char(colour.blue()));
    out.append(char(0));
}

// Rectangles go in as bottom, right, top, left.
QByteArray rectWords(const QRect& box)
{
    QByteArray out;
    put16(out, box.y() + box.height());
    put16(out, box.x() + box.width());
    put16(out, box.y());
    put16(out, box.x());
    return out;
}

QByteArray pointsWords(const QPolygon& points)
{
    QByteArray out;
    put16(out, int(points.size()));
    for (const QPoint& point : points) {
        put16(out, point.x());
        put16(out, point.y());
    }
    return out;
}

}  // namespace

MetafileWriter::MetafileWriter(const QRect& boundsTwips) : bounds_(boundsTwips) {}

void MetafileWriter::record(quint16 function, const QByteArray& parameters)
{
    const quint32 words = 3 + quint32(parameters.size() + 1) / 2;
    put32(records_, words);
    put16(records_, function);
    records_.append(parameters);
    if (parameters.size() % 2)
        records_.append(char(0));
    largestRecordWords_ = std::max(largestRecordWords_, words);
}

int MetafileWriter::takeSlot()
{
    const auto free = std::find(slotsInUse_.begin(), slotsInUse_.end(), false);
    const int slot = int(free - slotsInUse_.begin());
    if (free == slotsInUse_.end())
        slotsInUse_.push_back(true);
    else
        *free = true;
    return slot;
}

void MetafileWriter::setWindow(const QRect& window)
{
    QByteArray origin, extent;
    put16(origin, window.y());
    put16(origin, window.x());
    put16(extent, window.height());
    put16(extent, window.width());
    record(0x020B, origin);
    record(0x020C, extent);
}

void MetafileWriter::setTransparentText()
{
    QByteArray mode;
    put16(mode, 1);
    record(0x0102, mode);
}

void MetafileWriter::setTextColor(const QColor& colour)
{
    QByteArray bytes;
    putColour(bytes, colour);
    record(0x0209, bytes);
}

void MetafileWriter::setTextAlign(quint16 align)
{
    QByteArray bytes;
    put16(bytes, align);
    record(0x012E, bytes);
}

int MetafileWriter::createPen(const QColor& colour, int width)
{
    QByteArray pen;
    put16(pen, 0);  // solid
    put16(pen, width);
    put16(pen, 0);
    putColour(pen, colour);
    record(0x02FA, pen);
    return takeSlot();
}

int MetafileWriter::createBrush(const QColor& colour)
{
    QByteArray brush;
    put16(brush, 0);  // solid
    putColour(brush, colour);
    put16(brush, 0);
    record(0x02FC, brush);
    return takeSlot();
}

int MetafileWriter::createHollowBrush()
{
    QByteArray brush;
    put16(brush, 1);
    putColour(brush, Qt::black);
    put16(brush, 0);
    record(0x02FC, brush);
    return takeSlot();
}

int MetafileWriter::createFont(int height, int weight, const QByteArray& face)
{
    QByteArray font;
    put16(font, height);
    put16(font, 0);  // width
    put16(font, 0);  // escapement
    put16(font, 0);  // orientation
    put16(font, weight);
    font.append(QByteArray(8, '\0'));  // italic, underline, strike-out, charset, precisions, quality, pitch
    font.append(face.left(31));
    font.append('\0');
    record(0x02FB, font);
    return takeSlot();
}

void MetafileWriter::select(int object)
{
    QByteArray index;
    put16(index, object);
    record(0x012D, index);
}

void MetafileWriter::deleteObject(int object)
{
    QByteArray index;
    put16(index, object);
    record(0x01F0, index);
    if (object >= 0 && object < int(slotsInUse_.size()))
        slotsInUse_[object] = false;
}

void MetafileWriter::moveTo(const QPoint& to)
{
    QByteArray point;
    put16(point, to.y());
    put16(point, to.x());
    record(0x0214, point);
}

void MetafileWriter::lineTo(const QPoint& to)
{
    QByteArray point;
    put16(point, to.y());
    put16(point, to.x());
    record(0x0213, point);
}

void MetafileWriter::rectangle(const QRect& box)
{
    record(0x041B, rectWords(box));
}

void MetafileWriter::roundRect(const QRect& box, const QSize& corner)
{
    QByteArray bytes;
    put16(bytes, corner.height());
    put16(bytes, corner.width());
    record(0x061C, bytes + rectWords(box));
}

void MetafileWriter::ellipse(const QRect& box)
{
    record(0x0418, rectWords(box));
}

void MetafileWriter::polygon(const QPolygon& points)
{
    record(0x0324, pointsWords(points));
}

void MetafileWriter::polyline(const QPolygon& points)
{
    record(0x0325, pointsWords(points));
}

void MetafileWriter::textOut(const QPoint& at, const QByteArray& text)
{
    QByteArray bytes;
    put16(bytes, int(text.size()));
    bytes.append(text);
    if (text.size() % 2)
        bytes.append('\0');
    put16(bytes, at.y());
    put16(bytes, at.x());
    record(0x0521, bytes);
}

QByteArray MetafileWriter::finish() const
{
    constexpr quint32 kHeaderWords = 9, kEofWords = 3;
    QByteArray out;
    put32(out, 0x9AC6CDD7);
    put16(out, 0);  // handle
    put16(out, bounds_.x());
    put16(out, bounds_.y());
    put16(out, bounds_.x() + bounds_.width());
    put16(out, bounds_.y() + bounds_.height());
    put16(out, 1440);
    put32(out, 0);
    quint16 checksum = 0;
    for (int i = 0; i < out.size(); i += 2)
        checksum ^= qFromLittleEndian<quint16>(out.constData() + i);
    put16(out, checksum);

    put16(out, 1);  // in memory, as files are
    put16(out, kHeaderWords);
    put16(out, 0x0300);
    put32(out, kHeaderWords + quint32(records_.size() / 2) + kEofWords);
    put16(out, int(slotsInUse_.size()));
    put32(out, largestRecordWords_);
    put16(out, 0);
    out.append(records_);
    put32(out, kEofWords);
    put16(out, 0);
    return out;
}

}  // namespace artwork
