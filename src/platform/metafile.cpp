#include "platform/metafile.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

namespace platform {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kHeaderBytes = 18;
constexpr qsizetype kRecordHeaderBytes = 6;
constexpr int kMaxSide = 4096;         // pixels: whatever a file claims, memory stays bounded
constexpr int kMaxSavedStates = 256;   // SAVEDC beyond this is ignored rather than grown without limit
constexpr double kTwipsPerInch = 1440.0;

enum class Rec : quint16 {
    Eof = 0x0000,
    SaveDC = 0x001E,
    RestoreDC = 0x0127,
    SetBkColor = 0x0201,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SetTextColor = 0x0209,
    SetTextAlign = 0x012E,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    Arc = 0x0817,
    Ellipse = 0x0418,
    Pie = 0x081A,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    TextOut = 0x0521,
    Polygon = 0x0324,
    Polyline = 0x0325,
    Chord = 0x0830,
    ExtTextOut = 0x0A32,
    PolyPolygon = 0x0538,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    // These make objects we do not draw with, but each still takes a slot in the table.
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    DibCreatePatternBrush = 0x0142,
    CreateRegion = 0x06FF,
};

// Little-endian reader over a byte range; a read past the end yields 0 and sticks ok() at false.
class Cursor {
public:
    Cursor(const uchar* data, qsizetype size) : data_(data), size_(size) {}

    quint16 u16()
    {
        if (!need(2))
            return 0;
        const quint16 value = quint16(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return value;
    }
    qint16 s16() { return static_cast<qint16>(u16()); }
    quint32 u32()
    {
        const quint32 low = u16();
        return low | (quint32(u16()) << 16);
    }
    QByteArray bytes(qsizetype count)
    {
        if (!need(count))
            return {};
        QByteArray out(reinterpret_cast<const char*>(data_ + pos_), count);
        pos_ += count;
        return out;
    }
    void skip(qsizetype count)
    {
        if (need(count))
            pos_ += count;
    }
    void fail() { ok_ = false; }
    QPointF pointYX() { const qint16 y = s16(); return QPointF(s16(), y); }
    QPointF pointXY() { const qint16 x = s16(); return QPointF(x, s16()); }
    // Rectangles are stored bottom, right, top, left.
    QRectF rect()
    {
        const qint16 bottom = s16(), right = s16(), top = s16(), left = s16();
        return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    }
    QColor colorRef()
    {
        const quint32 v = u32();
        return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
    }

    bool ok() const { return ok_; }
    qsizetype pos() const { return pos_; }
    qsizetype remaining() const { return size_ - pos_; }

private:
    bool need(qsizetype count)
    {
        if (!ok_ || count < 0 || size_ - pos_ < count) {
            ok_ = false;
            return false;
        }
        return true;
    }

    const uchar* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

struct Record {
    Rec function;
    qsizetype offset;  // of the parameters
    qsizetype size;    // of the parameters, in bytes
};

struct Layout {
    std::vector<Record> records;
    int objectSlots = 0;
    QRectF window;      // initial window in logical units
    QSizeF sizeTwips;
};

std::optional<Layout> readLayout(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    Cursor in(data, bytes.size());
    Layout layout;
    std::optional<QRectF> placeableBox;
    double unitsPerInch = 0;

    if (in.u32() == kPlaceableKey) {
        in.u16();  // handle, always 0
        const qint16 left = in.s16(), top = in.s16(), right = in.s16(), bottom = in.s16();
        unitsPerInch = in.u16();
        in.u32();  // reserved
        in.u16();  // checksum: too many writers get it wrong to insist on it
        if (!in.ok() || unitsPerInch <= 0 || left == right || top == bottom)
            return std::nullopt;
        placeableBox = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    } else {
        in = Cursor(data, bytes.size());
    }

    const qsizetype headerStart = in.pos();
    const quint16 type = in.u16();
    const quint16 headerWords = in.u16();
    in.u16();  // version
    in.u32();  // file size in words: unreliable, the records themselves are walked
    layout.objectSlots = in.u16();
    if (!in.ok() || (type != 1 && type != 2) || headerWords != kHeaderBytes / 2)
        return std::nullopt;
    in = Cursor(data, bytes.size());
    in.skip(headerStart + kHeaderBytes);
    if (!in.ok())
        return std::nullopt;

    // A metafile ends with its end record: running out of bytes first means it was cut short.
    std::optional<QSizeF> firstExtent;
    bool ended = false;
    while (!ended) {
        const quint32 words = in.u32();
        const auto function = static_cast<Rec>(in.u16());
        if (!in.ok() || words < kRecordHeaderBytes / 2 || qint64(words) * 2 > in.remaining() + kRecordHeaderBytes)
            return std::nullopt;
        const qsizetype paramBytes = qsizetype(words) * 2 - kRecordHeaderBytes;
        ended = function == Rec::Eof;
        if (!ended)
            layout.records.push_back({function, in.pos(), paramBytes});
        if (function == Rec::SetWindowExt && !firstExtent) {
            Cursor params(data + in.pos(), paramBytes);
            const qint16 height = params.s16();
            const qint16 width = params.s16();
            if (params.ok() && width != 0 && height != 0)
                firstExtent = QSizeF(width, height);
        }
        in.skip(paramBytes);
    }

    if (placeableBox) {
        layout.window = *placeableBox;
        layout.sizeTwips = placeableBox->size() * (kTwipsPerInch / unitsPerInch);
    } else {
        if (!firstExtent)
            return std::nullopt;
        layout.window = QRectF(QPointF(0, 0), *firstExtent);
        layout.sizeTwips = QSizeF(std::abs(firstExtent->width()), std::abs(firstExtent->height()));
    }
    return layout;
}

struct LogPen {
    int style = 0;
    int width = 0;
    QColor color = Qt::black;
};

struct LogBrush {
    QBrush brush = QBrush(Qt::white);
};

struct LogFont {
    int height = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

struct OtherObject {};

using GdiObject = std::variant<std::monostate, LogPen, LogBrush, LogFont, OtherObject>;

struct DcState {
    LogPen pen;
    LogBrush brush;
    LogFont font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    bool bkOpaque = true;
    quint16 textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF position;
    QPointF windowOrg;
    QSizeF windowExt;
};

class Player {
public:
    Player(QImage& image, const Layout& layout, double pixelsPerTwip)
        : painter_(&image), imageSize_(image.size()), pixelsPerTwip_(pixelsPerTwip), objects_(layout.objectSlots)
    {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        state_.windowOrg = layout.window.topLeft();
        state_.windowExt = layout.window.size();
        applyWindow();
    }

    void play(const uchar* data, const Record& record)
    {
        Cursor in(data + record.offset, record.size);
        switch (record.function) {
        case Rec::SetWindowOrg:
            setIfRead(in, in.pointYX(), state_.windowOrg);
            applyWindow();
            break;
        case Rec::SetWindowExt: {
            const QPointF ext = in.pointYX();
            if (in.ok() && ext.x() != 0 && ext.y() != 0) {
                state_.windowExt = QSizeF(ext.x(), ext.y());
                applyWindow();
            }
            break;
        }
        case Rec::SetBkMode: {
            const quint16 mode = in.u16();
            if (in.ok() && (mode == 1 || mode == 2))
                state_.bkOpaque = mode == 2;
            break;
        }
        case Rec::SetBkColor:
            setIfRead(in, in.colorRef(), state_.bkColor);
            break;
        case Rec::SetTextColor:
            setIfRead(in, in.colorRef(), state_.textColor);
            break;
        case Rec::SetTextAlign:
            setIfRead(in, in.u16(), state_.textAlign);
            break;
        case Rec::SetPolyFillMode: {
            const quint16 mode = in.u16();
            if (in.ok() && (mode == 1 || mode == 2))
                state_.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        }
        case Rec::CreatePenIndirect: {
            LogPen pen;
            pen.style = in.u16();
            pen.width = in.s16();
            in.s16();  // the y of the width point is unused
            pen.color = in.colorRef();
            if (in.ok())
                store(pen);
            break;
        }
        case Rec::CreateBrushIndirect:
            if (auto brush = readBrush(in))
                store(*brush);
            break;
        case Rec::CreateFontIndirect:
            if (auto font = readFont(in))
                store(*font);
            break;
        case Rec::CreatePalette:
        case Rec::CreatePatternBrush:
        case Rec::DibCreatePatternBrush:
        case Rec::CreateRegion:
            store(OtherObject{});
            break;
        case Rec::SelectObject:
            select(in.u16(), in.ok());
            break;
        case Rec::DeleteObject: {
            const quint16 index = in.u16();
            if (in.ok() && index < objects_.size())
                objects_[index] = std::monostate{};
            break;
        }
        case Rec::MoveTo:
            setIfRead(in, in.pointYX(), state_.position);
            break;
        case Rec::LineTo: {
            const QPointF to = in.pointYX();
            if (!in.ok())
                break;
            usePenOnly();
            painter_.drawLine(state_.position, to);
            state_.position = to;
            break;
        }
        case Rec::Polyline:
        case Rec::Polygon: {
            const QPolygonF points = readPoints(in, in.s16());
            if (!in.ok() || points.size() < 2)
                break;
            if (record.function == Rec::Polyline) {
                usePenOnly();
                painter_.drawPolyline(points);
            } else {
                usePenAndBrush();
                painter_.drawPolygon(points, state_.fillRule);
            }
            break;
        }
        case Rec::PolyPolygon:
            drawPolyPolygon(in);
            break;
        case Rec::Rectangle:
        case Rec::Ellipse: {
            const QRectF rect = in.rect();
            if (!in.ok())
                break;
            usePenAndBrush();
            if (record.function == Rec::Rectangle)
                painter_.drawRect(rect);
            else
                painter_.drawEllipse(rect);
            break;
        }
        case Rec::RoundRect: {
            const qint16 cornerHeight = in.s16();
            const qint16 cornerWidth = in.s16();
            const QRectF rect = in.rect();
            if (!in.ok())
                break;
            usePenAndBrush();
            painter_.drawRoundedRect(rect, std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0);
            break;
        }
        case Rec::Arc:
        case Rec::Pie:
        case Rec::Chord:
            drawArcFamily(record.function, in);
            break;
        case Rec::TextOut: {
            const qint16 length = in.s16();
            const QByteArray text = in.bytes(length);
            in.skip(length & 1);
            const QPointF at = in.pointYX();
            if (in.ok())
                drawText(at, text);
            break;
        }
        case Rec::ExtTextOut: {
            const QPointF at = in.pointYX();
            const qint16 length = in.s16();
            const quint16 options = in.u16();
            if (options & 0x0006)  // opaque or clipped: a rectangle precedes the string
                in.skip(8);
            const QByteArray text = in.bytes(length);
            if (in.ok())
                drawText(at, text);
            break;
        }
        case Rec::SaveDC:
            if (saved_.size() < kMaxSavedStates)
                saved_.push_back(state_);
            break;
        case Rec::RestoreDC:
            restore(in.s16(), in.ok());
            break;
        case Rec::SetMapMode:
        case Rec::Eof:
        default:
            break;  // logical units are always mapped through the window; the rest we do not draw
        }
    }

private:
    // Takes a value only when the record held all of it.
    template <typename T>
    static void setIfRead(const Cursor& in, const T& value, T& target)
    {
        if (in.ok())
            target = value;
    }

    void applyWindow()
    {
        const double sx = imageSize_.width() / state_.windowExt.width();
        const double sy = imageSize_.height() / state_.windowExt.height();
        painter_.setTransform(QTransform(sx, 0, 0, sy, -state_.windowOrg.x() * sx, -state_.windowOrg.y() * sy));
    }

    double deviceScale() const
    {
        return std::max(std::abs(painter_.transform().m11()), std::abs(painter_.transform().m22()));
    }

    template <typename T>
    void store(const T& object)
    {
        // Lowest free slot, as the file's writer counted on; a full table drops the object.
        for (auto& slot : objects_) {
            if (std::holds_alternative<std::monostate>(slot)) {
                slot = object;
                return;
            }
        }
    }

    void select(quint16 index, bool ok)
    {
        if (!ok || index >= objects_.size())
            return;
        const GdiObject& object = objects_[index];
        if (const auto* pen = std::get_if<LogPen>(&object))
            state_.pen = *pen;
        else if (const auto* brush = std::get_if<LogBrush>(&object))
            state_.brush = *brush;
        else if (const auto* font = std::get_if<LogFont>(&object))
            state_.font = *font;
    }

    void restore(qint16 which, bool ok)
    {
        const qsizetype target = which < 0 ? saved_.size() + which : qsizetype(which) - 1;
        if (!ok || which == 0 || target < 0 || target >= qsizetype(saved_.size()))
            return;
        state_ = saved_[target];
        saved_.resize(target);
        applyWindow();
    }

    static std::optional<LogBrush> readBrush(Cursor& in)
    {
        const quint16 style = in.u16();
        const QColor color = in.colorRef();
        const quint16 hatch = in.u16();
        if (!in.ok())
            return std::nullopt;
        static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                     Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        LogBrush brush;
        if (style == 1)
            brush.brush = Qt::NoBrush;
        else if (style == 2 && hatch < std::size(hatches))
            brush.brush = QBrush(color, hatches[hatch]);
        else
            brush.brush = QBrush(color);
        return brush;
    }

    static std::optional<LogFont> readFont(Cursor& in)
    {
        LogFont font;
        font.height = in.s16();
        in.s16();  // average width: the face decides
        font.escapement = in.s16();
        in.s16();  // orientation of each glyph follows the escapement here
        font.weight = std::clamp<int>(in.s16(), 0, 1000);
        font.italic = in.bytes(1) != QByteArray(1, '\0');
        font.underline = in.bytes(1) != QByteArray(1, '\0');
        font.strikeOut = in.bytes(1) != QByteArray(1, '\0');
        in.skip(5);  // charset, precisions, quality, pitch and family
        if (!in.ok())
            return std::nullopt;
        const QByteArray name = in.bytes(std::min<qsizetype>(32, in.remaining()));
        font.face = QString::fromLatin1(name.left(name.indexOf('\0')));
        return font;
    }

    static QPolygonF readPoints(Cursor& in, qint64 count)
    {
        if (count < 0 || count * 4 > in.remaining()) {
            in.fail();
            return {};
        }
        QPolygonF points;
        points.reserve(count);
        for (qint64 i = 0; i < count; ++i)
            points << in.pointXY();
        return points;
    }

    void drawPolyPolygon(Cursor& in)
    {
        const quint16 polygons = in.u16();
        std::vector<quint16> counts;
        qint64 total = 0;
        for (int i = 0; i < polygons && in.ok(); ++i) {
            counts.push_back(in.u16());
            total += counts.back();
        }
        if (!in.ok() || total * 4 > in.remaining())
            return;
        QPainterPath path;
        path.setFillRule(state_.fillRule);
        for (const quint16 count : counts) {
            const QPolygonF points = readPoints(in, count);
            if (points.size() >= 2) {
                path.addPolygon(points);
                path.closeSubpath();
            }
        }
        if (!in.ok())
            return;
        usePenAndBrush();
        painter_.drawPath(path);
    }

    void drawArcFamily(Rec function, Cursor& in)
    {
        const QPointF end = in.pointYX();
        const QPointF start = in.pointYX();
        const QRectF rect = in.rect();
        if (!in.ok() || rect.width() <= 0 || rect.height() <= 0)
            return;
        // Angles where the radials through the two points meet the ellipse, counter-clockwise from start.
        const QPointF centre = rect.center();
        const double rx = rect.width() / 2, ry = rect.height() / 2;
        const auto angleOf = [&](QPointF p) {
            return std::atan2(-(p.y() - centre.y()) / ry, (p.x() - centre.x()) / rx) * 180.0 / std::numbers::pi;
        };
        const double from = angleOf(start);
        double span = angleOf(end) - from;
        while (span <= 0)
            span += 360;

        QPainterPath path;
        if (function == Rec::Pie) {
            path.moveTo(centre);
            path.arcTo(rect, from, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(rect, from);
            path.arcTo(rect, from, span);
            if (function == Rec::Chord)
                path.closeSubpath();
        }
        if (function == Rec::Arc) {
            usePenOnly();
        } else {
            usePenAndBrush();
        }
        painter_.drawPath(path);
    }

    void drawText(QPointF at, const QByteArray& raw)
    {
        const QString text = QString::fromLatin1(raw);
        if (state_.textAlign & 1)  // update-current-position: the text starts where the pen stands
            at = state_.position;
        const QTransform toDevice = painter_.transform();
        const double scaleY = std::abs(toDevice.m22());
        double pixels = state_.font.height == 0 ? 240 * pixelsPerTwip_ : std::abs(state_.font.height) * scaleY;
        pixels = std::clamp(pixels, 1.0, 2.0 * kMaxSide);

        QFont font(state_.font.face.isEmpty() ? QStringLiteral("Sans Serif") : state_.font.face);
        font.setPixelSize(std::max(1, qRound(pixels)));
        if (state_.font.height > 0) {
            // A positive height is the whole cell, not the em: shrink until the cell fits.
            const double cell = QFontMetricsF(font).height();
            if (cell > 0)
                font.setPixelSize(std::max(1, qRound(pixels * pixels / cell)));
        }
        font.setWeight(QFont::Weight(std::clamp(state_.font.weight == 0 ? 400 : state_.font.weight, 1, 1000)));
        font.setItalic(state_.font.italic);
        font.setUnderline(state_.font.underline);
        font.setStrikeOut(state_.font.strikeOut);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(text);

        double x = 0;
        if ((state_.textAlign & 6) == 6)
            x = -width / 2;
        else if (state_.textAlign & 2)
            x = -width;
        double baseline = metrics.ascent();
        if ((state_.textAlign & 24) == 24)
            baseline = 0;
        else if (state_.textAlign & 8)
            baseline = -metrics.descent();

        painter_.save();
        painter_.resetTransform();
        painter_.translate(toDevice.map(at));
        painter_.rotate(-state_.font.escapement / 10.0);
        if (state_.bkOpaque)
            painter_.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()), state_.bkColor);
        painter_.setFont(font);
        painter_.setPen(state_.textColor);
        painter_.drawText(QPointF(x, baseline), text);
        painter_.restore();

        if ((state_.textAlign & 1) && toDevice.m11() != 0)
            state_.position.rx() += width / toDevice.m11();
    }

    void usePenOnly()
    {
        usePenAndBrush();
        painter_.setBrush(Qt::NoBrush);
    }

    void usePenAndBrush()
    {
        painter_.setPen(makePen());
        painter_.setBrush(state_.brush.brush);
        // The background colour shows between hatch lines and dashes only in opaque mode.
        painter_.setBackgroundMode(state_.bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_.setBackground(state_.bkColor);
    }

    QPen makePen() const
    {
        const int kind = state_.pen.style & 0x0F;
        if (kind == 5)
            return Qt::NoPen;
        const double scale = deviceScale();
        QPen pen(state_.pen.color);
        const double deviceWidth = std::abs(state_.pen.width) * scale;
        if (deviceWidth <= 1.5) {
            // Thin pens are one pixel wide at any zoom; only they are dashed, as on the original display.
            pen.setWidth(0);
            static constexpr Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                                      Qt::DashDotDotLine};
            pen.setStyle(kind < 5 ? dashes[kind] : Qt::SolidLine);
            return pen;
        }
        // Qt refuses widths from 32768 up; a wider pen would cover the picture anyway.
        pen.setWidthF(std::min(std::min(deviceWidth, 4.0 * kMaxSide) / scale, 32000.0));
        const int cap = state_.pen.style & 0x0F00;
        pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
        const int join = state_.pen.style & 0xF000;
        pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
        return pen;
    }

    QPainter painter_;
    QSize imageSize_;
    double pixelsPerTwip_;
    std::vector<GdiObject> objects_;
    DcState state_;
    std::vector<DcState> saved_;
};

}  // namespace

std::optional<MetafilePicture> readMetafile(const QByteArray& bytes, double pixelsPerTwip)
{
    if (!std::isfinite(pixelsPerTwip) || pixelsPerTwip <= 0)
        return std::nullopt;
    const std::optional<Layout> layout = readLayout(bytes);
    if (!layout)
        return std::nullopt;

    double width = layout->sizeTwips.width() * pixelsPerTwip;
    double height = layout->sizeTwips.height() * pixelsPerTwip;
    const double shrink = std::min(1.0, kMaxSide / std::max(width, height));
    width *= shrink;
    height *= shrink;
    QImage image(std::max(1, qRound(width)), std::max(1, qRound(height)), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return std::nullopt;
    image.fill(Qt::transparent);
    {
        Player player(image, *layout, pixelsPerTwip * shrink);
        const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
        for (const Record& record : layout->records)
            player.play(data, record);
    }
    return MetafilePicture{image, layout->sizeTwips};
}

}  // namespace platform
