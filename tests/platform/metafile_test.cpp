#include "platform/metafile.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using platform::readMetafile;

namespace {

enum Function : quint16 {
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
};

using Words = QList<int>;

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

Words rgb(int r, int g, int b) { return {r | (g << 8), b}; }
Words box(int left, int top, int right, int bottom) { return {bottom, right, top, left}; }
Words pen(int style, int width, const Words& colour) { return Words{style, width, 0} + colour; }
Words solid(const Words& colour) { return Words{0} + colour + Words{0}; }
Words points(const QList<QPoint>& list)
{
    Words words{int(list.size())};
    for (const QPoint& p : list)
        words << p.x() << p.y();
    return words;
}
Words text(const QByteArray& bytes)
{
    Words words;
    for (int i = 0; i < bytes.size(); i += 2)
        words << (uchar(bytes[i]) | (i + 1 < bytes.size() ? uchar(bytes[i + 1]) << 8 : 0));
    return words;
}
Words font(int height, const QByteArray& face)
{
    QByteArray name = face;
    name.append('\0');
    return Words{height, 0, 0, 0, 700, 0, 0, 0, 0} + text(name);
}

// Builds a metafile record by record; the header is written when the bytes are asked for.
class Wmf {
public:
    Wmf& add(quint16 function, const Words& words)
    {
        put32(records_, quint32(3 + words.size()));
        put16(records_, function);
        for (const int word : words)
            put16(records_, word);
        return *this;
    }
    // A record whose size field says what it likes, for broken files.
    Wmf& addRaw(quint32 sizeWords, quint16 function, const Words& words)
    {
        put32(records_, sizeWords);
        put16(records_, function);
        for (const int word : words)
            put16(records_, word);
        return *this;
    }
    Wmf& objects(int count)
    {
        objects_ = count;
        return *this;
    }

    QByteArray withoutPlaceable(bool eof = true) const
    {
        QByteArray out;
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x0300);
        put32(out, 0);
        put16(out, objects_);
        put32(out, 0);
        put16(out, 0);
        out.append(records_);
        if (eof) {
            put32(out, 3);
            put16(out, 0);
        }
        return out;
    }
    QByteArray placeable(const QRect& bounds, int inch = 1440) const
    {
        QByteArray out;
        put32(out, 0x9AC6CDD7);
        put16(out, 0);
        put16(out, bounds.left());
        put16(out, bounds.top());
        put16(out, bounds.left() + bounds.width());
        put16(out, bounds.top() + bounds.height());
        put16(out, inch);
        put32(out, 0);
        put16(out, 0);
        return out + withoutPlaceable();
    }

private:
    QByteArray records_;
    int objects_ = 8;
};

bool near(const QColor& actual, const QColor& expected, int tolerance = 10)
{
    return actual.alpha() > 245 && std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

bool blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                return false;
    return true;
}

// The box that holds every pixel of the given colour; empty when there is none.
QRect extentOf(const QImage& image, const std::function<bool(const QColor&)>& match)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

bool reddish(const QColor& c) { return c.alpha() > 128 && c.red() > 150 && c.green() < 100 && c.blue() < 100; }

// One logical unit is a twip, and 20 twips make a pixel at this density.
constexpr double kDensity = 0.05;

// A picture using every record the reader draws, each shape in its own place.
QByteArray everyRecord()
{
    Wmf wmf;
    wmf.add(SetMapMode, {8})
        .add(SetWindowOrg, {0, 0})
        .add(SetWindowExt, {2800, 3000})
        .add(SetBkMode, {1})
        .add(SetBkColor, rgb(255, 255, 0))
        .add(CreatePenIndirect, pen(5, 0, rgb(0, 0, 0)))          // 0: no pen
        .add(CreateBrushIndirect, solid(rgb(255, 0, 0)))          // 1
        .add(CreateBrushIndirect, solid(rgb(0, 255, 0)))          // 2
        .add(CreateBrushIndirect, solid(rgb(0, 0, 255)))          // 3
        .add(CreateBrushIndirect, solid(rgb(255, 0, 255)))        // 4
        .add(SelectObject, {0})
        .add(SelectObject, {1})
        .add(Rectangle, box(100, 100, 700, 700))
        .add(SelectObject, {2})
        .add(Ellipse, box(800, 100, 1400, 700))
        .add(SelectObject, {3})
        .add(Polygon, points({{1500, 700}, {1800, 100}, {2100, 700}}))
        .add(SelectObject, {4})
        .add(SetPolyFillMode, {1})
        .add(PolyPolygon, Words{2, 4, 4} + points({{2200, 100}, {2800, 100}, {2800, 700}, {2200, 700}}).mid(1) +
                              points({{2350, 250}, {2650, 250}, {2650, 550}, {2350, 550}}).mid(1))
        .add(DeleteObject, {1})
        .add(DeleteObject, {2})
        .add(DeleteObject, {3})
        .add(DeleteObject, {4})
        .add(CreatePenIndirect, pen(0, 60, rgb(0, 0, 0)))         // 1: thick black
        .add(SelectObject, {1})
        .add(MoveTo, {1000, 100})
        .add(LineTo, {1000, 700})
        .add(LineTo, {1600, 700})
        .add(Polyline, points({{100, 1800}, {700, 1800}}))
        .add(SelectObject, {0})
        .add(CreateBrushIndirect, solid(rgb(0, 255, 255)))        // 2
        .add(SelectObject, {2})
        .add(RoundRect, Words{300, 300} + box(800, 1000, 1400, 1600))
        .add(CreateBrushIndirect, solid(rgb(255, 128, 0)))        // 3
        .add(SelectObject, {3})
        .add(Pie, Words{1000, 1800, 1300, 2100} + box(1500, 1000, 2100, 1600))
        .add(Chord, Words{1300, 2800, 1300, 2200} + box(2200, 1000, 2800, 1600))
        .add(SaveDC, {})
        .add(SelectObject, {1})
        .add(Arc, Words{2300, 100, 2300, 100} + box(100, 2000, 700, 2600))
        .add(RestoreDC, {-1})
        .add(CreateFontIndirect, font(-400, "Sans Serif"))      // 4
        .add(SelectObject, {4})
        .add(SetTextColor, rgb(255, 0, 0))
        .add(SetTextAlign, {0})
        .add(TextOut, Words{2} + text("HI") + Words{2050, 900})
        .add(SetTextColor, rgb(0, 160, 0))
        .add(ExtTextOut, Words{2050, 1800, 2, 0x0002} + box(1800, 2050, 2700, 2500) + text("OK"));
    return wmf.placeable(QRect(0, 0, 3000, 2800));
}

}  // namespace

TEST(Metafile, EveryShapeLandsWhereItWasDrawn)
{
    const auto picture = readMetafile(everyRecord(), kDensity);
    ASSERT_TRUE(picture);
    const QImage& image = picture->image;
    ASSERT_EQ(image.size(), QSize(150, 140));
    EXPECT_EQ(picture->sizeTwips, QSizeF(3000, 2800));

    const QColor clear(0, 0, 0, 0);
    struct Probe {
        const char* what;
        QPoint pixel;
        QColor expected;
    };
    const Probe probes[] = {
        {"rectangle inside", {20, 20}, Qt::red},
        {"rectangle outside", {2, 2}, clear},
        {"ellipse centre", {55, 20}, Qt::green},
        {"ellipse misses the box corner", {41, 6}, clear},
        {"polygon inside", {90, 28}, Qt::blue},
        {"polygon outside its slope", {77, 7}, clear},
        {"poly-polygon ring", {112, 20}, Qt::magenta},
        {"poly-polygon hole (alternate)", {125, 20}, clear},
        {"line from the moved-to point", {20, 50}, Qt::black},
        {"second line from where the first ended", {35, 65}, Qt::black},
        {"polyline", {20, 90}, Qt::black},
        {"rounded rectangle centre", {55, 65}, Qt::cyan},
        {"rounded rectangle corner cut", {40, 50}, clear},
        {"pie quadrant from start to end", {95, 60}, QColor(255, 128, 0)},
        {"pie leaves the other quadrants", {85, 70}, clear},
        {"chord lower half", {125, 72}, QColor(255, 128, 0)},
        {"chord leaves the upper half", {125, 58}, clear},
        {"arc with equal ends is a whole circle", {5, 115}, Qt::black},
        {"arc does not fill", {20, 115}, clear},
    };
    for (const Probe& probe : probes) {
        const QColor actual = image.pixelColor(probe.pixel);
        if (probe.expected.alpha() == 0) {
            EXPECT_EQ(actual.alpha(), 0) << probe.what;
        } else {
            EXPECT_TRUE(near(actual, probe.expected))
                << probe.what << ": " << actual.name(QColor::HexArgb).toStdString();
        }
    }

    // The two texts share the bottom row with nothing red or green but themselves.
    const QImage textRow = image.copy(0, 100, 150, 40);
    const QRect red = extentOf(textRow, reddish);
    ASSERT_FALSE(red.isEmpty()) << "TEXTOUT drew nothing";
    EXPECT_GE(red.left(), 44);
    EXPECT_GE(red.top(), 2);
    const QRect green =
        extentOf(textRow, [](const QColor& c) { return c.alpha() > 128 && c.green() > 100 && c.red() < 80; });
    ASSERT_FALSE(green.isEmpty()) << "EXTTEXTOUT drew nothing";
    EXPECT_GE(green.left(), 89);
}

TEST(Metafile, SizeComesFromThePlaceableBoxAndItsInch)
{
    struct Case {
        QRect bounds;
        int inch;
        QSizeF twips;
        QSize pixels;
    };
    const Case cases[] = {
        {QRect(0, 0, 1440, 720), 1440, {1440, 720}, {72, 36}},
        {QRect(0, 0, 1440, 720), 720, {2880, 1440}, {144, 72}},
        {QRect(0, 0, 96, 48), 96, {1440, 720}, {72, 36}},
        {QRect(-300, -200, 600, 400), 1440, {600, 400}, {30, 20}},
        {QRect(0, 0, 1, 1), 1440, {1, 1}, {1, 1}},  // never an empty image
    };
    for (const Case& c : cases) {
        const auto picture = readMetafile(Wmf().placeable(c.bounds, c.inch), kDensity);
        ASSERT_TRUE(picture) << c.bounds.width() << " at " << c.inch;
        EXPECT_EQ(picture->sizeTwips, c.twips);
        EXPECT_EQ(picture->image.size(), c.pixels);
        EXPECT_TRUE(blank(picture->image));
    }
}

TEST(Metafile, WithoutPlaceableHeaderTheWindowExtentIsInTwips)
{
    struct Case {
        int width, height;
        QSizeF twips;
    };
    for (const Case& c : {Case{1650, 975, {1650, 975}}, Case{-1650, 975, {1650, 975}}, Case{600, -300, {600, 300}}}) {
        const auto picture = readMetafile(Wmf().add(SetWindowExt, {c.height, c.width}).withoutPlaceable(), 2.0 / 15.0);
        ASSERT_TRUE(picture) << c.width << "x" << c.height;
        EXPECT_EQ(picture->sizeTwips, c.twips);
        EXPECT_EQ(picture->image.size(), (c.twips * (2.0 / 15.0)).toSize());
    }
}

TEST(Metafile, WindowOriginAndExtentMapLogicalUnitsOntoThePicture)
{
    // The window 1000..1200 across is stretched over a 100-pixel picture: 2 units to a pixel.
    const QByteArray bytes = Wmf()
                                 .add(SetWindowOrg, {500, 1000})
                                 .add(SetWindowExt, {200, 200})
                                 .add(CreatePenIndirect, pen(5, 0, rgb(0, 0, 0)))
                                 .add(CreateBrushIndirect, solid(rgb(255, 0, 0)))
                                 .add(SelectObject, {0})
                                 .add(SelectObject, {1})
                                 .add(Rectangle, box(1100, 500, 1200, 600))
                                 .placeable(QRect(0, 0, 2000, 2000));
    const auto picture = readMetafile(bytes, 0.05);
    ASSERT_TRUE(picture);
    const QRect red = extentOf(picture->image, reddish);
    EXPECT_EQ(red, QRect(50, 0, 50, 50));
}

TEST(Metafile, FillModeDecidesWhetherInnerRingIsAHole)
{
    struct Case {
        int mode;
        bool holeFilled;
    };
    for (const Case& c : {Case{1, false}, Case{2, true}}) {
        const QByteArray bytes =
            Wmf()
                .add(CreatePenIndirect, pen(5, 0, rgb(0, 0, 0)))
                .add(CreateBrushIndirect, solid(rgb(255, 0, 0)))
                .add(SelectObject, {0})
                .add(SelectObject, {1})
                .add(SetPolyFillMode, {c.mode})
                .add(PolyPolygon, Words{2, 4, 4} + points({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}).mid(1) +
                                      points({{300, 300}, {700, 300}, {700, 700}, {300, 700}}).mid(1))
                .placeable(QRect(0, 0, 1000, 1000));
        const auto picture = readMetafile(bytes, 0.05);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(near(picture->image.pixelColor(3, 3), Qt::red)) << "mode " << c.mode;
        EXPECT_EQ(near(picture->image.pixelColor(25, 25), Qt::red), c.holeFilled) << "mode " << c.mode;
    }
}

TEST(Metafile, NewObjectTakesTheLowestFreeSlot)
{
    const QByteArray bytes = Wmf()
                                 .objects(3)
                                 .add(CreatePenIndirect, pen(5, 0, rgb(0, 0, 0)))    // 0
                                 .add(CreateBrushIndirect, solid(rgb(0, 0, 255)))    // 1
                                 .add(CreateBrushIndirect, solid(rgb(0, 255, 0)))    // 2
                                 .add(DeleteObject, {1})
                                 .add(CreateBrushIndirect, solid(rgb(255, 0, 0)))    // 1 again
                                 .add(SelectObject, {0})
                                 .add(SelectObject, {1})
                                 .add(Rectangle, box(0, 0, 1000, 1000))
                                 .placeable(QRect(0, 0, 1000, 1000));
    const auto picture = readMetafile(bytes, 0.05);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(near(picture->image.pixelColor(25, 25), Qt::red));
}

TEST(Metafile, RestoreDcReturnsToTheSavedBrush)
{
    struct Case {
        int restore;
        QColor expected;
    };
    const Case cases[] = {
        {-1, Qt::red},   // the last save
        {-2, Qt::blue},  // further back than any save: ignored
        {1, Qt::red},    // the first save by number
        {2, Qt::blue},   // no such save
        {0, Qt::blue},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Wmf()
                                     .add(CreatePenIndirect, pen(5, 0, rgb(0, 0, 0)))
                                     .add(CreateBrushIndirect, solid(rgb(255, 0, 0)))
                                     .add(CreateBrushIndirect, solid(rgb(0, 0, 255)))
                                     .add(SelectObject, {0})
                                     .add(SelectObject, {1})
                                     .add(SaveDC, {})
                                     .add(SelectObject, {2})
                                     .add(RestoreDC, {c.restore})
                                     .add(Rectangle, box(0, 0, 1000, 1000))
                                     .placeable(QRect(0, 0, 1000, 1000));
        const auto picture = readMetafile(bytes, 0.05);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(near(picture->image.pixelColor(25, 25), c.expected)) << "RESTOREDC " << c.restore;
    }
}

TEST(Metafile, TextStandsOnItsSideOfTheReferencePoint)
{
    constexpr int kLeft = 0, kRight = 2, kCentre = 6, kTop = 0, kBottom = 8;
    struct Case {
        int align;
        bool leftOfPoint, rightOfPoint, abovePoint, belowPoint;
    };
    const Case cases[] = {
        {kLeft | kTop, false, true, false, true},
        {kRight | kTop, true, false, false, true},
        {kCentre | kTop, true, true, false, true},
        {kLeft | kBottom, false, true, true, false},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Wmf()
                                     .add(SetBkMode, {1})
                                     .add(CreateFontIndirect, font(-600, "Sans Serif"))
                                     .add(SelectObject, {0})
                                     .add(SetTextColor, rgb(255, 0, 0))
                                     .add(SetTextAlign, {c.align})
                                     .add(TextOut, Words{3} + text("MWM") + Words{1000, 2000})
                                     .placeable(QRect(0, 0, 4000, 2000));
        const auto picture = readMetafile(bytes, 0.05);
        ASSERT_TRUE(picture);
        const QRect ink = extentOf(picture->image, reddish);
        ASSERT_FALSE(ink.isEmpty()) << "align " << c.align;
        // The reference point is pixel (100, 50).
        EXPECT_EQ(ink.left() < 99, c.leftOfPoint) << "align " << c.align;
        EXPECT_EQ(ink.right() > 101, c.rightOfPoint) << "align " << c.align;
        EXPECT_EQ(ink.top() < 49, c.abovePoint) << "align " << c.align;
        EXPECT_EQ(ink.bottom() > 51, c.belowPoint) << "align " << c.align;
    }
}

TEST(Metafile, OpaqueTextPaintsItsBackground)
{
    for (const int mode : {1, 2}) {
        const QByteArray bytes = Wmf()
                                     .add(SetBkMode, {mode})
                                     .add(SetBkColor, rgb(0, 0, 255))
                                     .add(CreateFontIndirect, font(-600, "Sans Serif"))
                                     .add(SelectObject, {0})
                                     .add(TextOut, Words{1} + text("I") + Words{500, 500})
                                     .placeable(QRect(0, 0, 2000, 2000));
        const auto picture = readMetafile(bytes, 0.05);
        ASSERT_TRUE(picture);
        const QRect blue = extentOf(picture->image, [](const QColor& c) { return near(c, Qt::blue); });
        EXPECT_EQ(blue.isEmpty(), mode == 1) << "mode " << mode;
    }
}

TEST(Metafile, BrokenInputIsRejectedOrDrawnSafely)
{
    enum class Expect { Rejected, Blank, WhiteSquare, Picture };
    const QRect square(0, 0, 1000, 1000);
    const Words noPen = pen(5, 0, rgb(0, 0, 0));
    struct Case {
        const char* what;
        QByteArray bytes;
        Expect expect;
    };
    QByteArray cutRecord = Wmf().add(Rectangle, box(0, 0, 10, 10)).placeable(square);
    cutRecord.chop(6 + 4);  // the end-of-file record and half the rectangle
    QByteArray straggler = Wmf().add(SetWindowExt, {10, 10}).withoutPlaceable(false);
    straggler.append("\x01\x02\x03", 3);
    QByteArray afterTheEnd = Wmf().placeable(square);
    afterTheEnd.append("\x01\x02\x03", 3);
    const Case cases[] = {
        {"empty", QByteArray(), Expect::Rejected},
        {"placeable key alone", Wmf().placeable(square).left(4), Expect::Rejected},
        {"placeable header cut short", Wmf().placeable(square).left(12), Expect::Rejected},
        {"metafile header cut short", Wmf().placeable(square).left(30), Expect::Rejected},
        {"zero units to the inch", Wmf().placeable(square, 0), Expect::Rejected},
        {"empty placeable box", Wmf().placeable(QRect(5, 5, 0, 100)), Expect::Rejected},
        {"header size not nine words", Wmf().placeable(square).replace(24, 2, QByteArray("\x08\x00", 2)),
         Expect::Rejected},
        {"not a metafile type", Wmf().placeable(square).replace(22, 2, QByteArray("\x07\x00", 2)), Expect::Rejected},
        {"no placeable header and no window extent", Wmf().withoutPlaceable(), Expect::Rejected},
        {"zero window extent", Wmf().add(SetWindowExt, {0, 100}).withoutPlaceable(), Expect::Rejected},
        {"record size 0", Wmf().addRaw(0, Rectangle, {}).placeable(square), Expect::Rejected},
        {"record size smaller than its own header", Wmf().addRaw(2, Rectangle, {}).placeable(square),
         Expect::Rejected},
        {"record size past the end", Wmf().addRaw(1000, Rectangle, box(0, 0, 10, 10)).placeable(square),
         Expect::Rejected},
        {"record size near 2^32", Wmf().addRaw(0xFFFFFFFF, Rectangle, {}).placeable(square), Expect::Rejected},
        {"file cut inside a record", cutRecord, Expect::Rejected},
        {"stray bytes after the last record", straggler, Expect::Rejected},
        {"no end-of-file record", Wmf().add(SetWindowExt, {10, 10}).withoutPlaceable(false), Expect::Rejected},
        {"bytes after the end-of-file record are ignored", afterTheEnd, Expect::Blank},
        {"polygon count past the record",
         Wmf().add(Polygon, Words{400, 0, 0, 1000, 0, 1000, 1000}).placeable(square), Expect::Blank},
        {"polygon count negative", Wmf().add(Polygon, Words{-3, 0, 0, 1000, 0, 1000, 1000}).placeable(square),
         Expect::Blank},
        {"polyline count past the record", Wmf().add(Polyline, Words{9999, 0, 0, 1000, 1000}).placeable(square),
         Expect::Blank},
        {"poly-polygon counts past the record",
         Wmf().add(PolyPolygon, Words{1, 60000, 0, 0, 1000, 0, 1000, 1000}).placeable(square), Expect::Blank},
        {"poly-polygon with more polygons than words", Wmf().add(PolyPolygon, Words{30000, 3}).placeable(square),
         Expect::Blank},
        {"rectangle missing a word", Wmf().add(Rectangle, Words{1000, 1000, 0}).placeable(square), Expect::Blank},
        {"text longer than its record", Wmf().add(TextOut, Words{5000} + text("AB") + Words{0, 0}).placeable(square),
         Expect::Blank},
        {"text with negative length", Wmf().add(TextOut, Words{-2} + text("AB") + Words{0, 0}).placeable(square),
         Expect::Blank},
        {"clipped text missing its rectangle", Wmf().add(ExtTextOut, Words{0, 0, 2, 0x0004}).placeable(square),
         Expect::Blank},
        {"font record cut short", Wmf().add(CreateFontIndirect, Words{-200, 0, 0}).add(SelectObject, {0})
                                      .add(TextOut, Words{1} + text("A") + Words{500, 500}).placeable(square),
         Expect::Picture},
        {"selecting an object out of range keeps the white brush",
         Wmf().add(CreatePenIndirect, noPen).add(CreateBrushIndirect, solid(rgb(255, 0, 0))).add(SelectObject, {0})
             .add(SelectObject, {500}).add(Rectangle, box(0, 0, 1000, 1000)).placeable(square),
         Expect::WhiteSquare},
        {"selecting a deleted object keeps the white brush",
         Wmf().add(CreatePenIndirect, noPen).add(CreateBrushIndirect, solid(rgb(255, 0, 0))).add(SelectObject, {0})
             .add(DeleteObject, {1}).add(SelectObject, {1}).add(Rectangle, box(0, 0, 1000, 1000)).placeable(square),
         Expect::WhiteSquare},
        {"objects beyond the table are dropped",
         Wmf().objects(1).add(CreatePenIndirect, noPen).add(CreateBrushIndirect, solid(rgb(255, 0, 0)))
             .add(SelectObject, {0}).add(SelectObject, {1}).add(Rectangle, box(0, 0, 1000, 1000)).placeable(square),
         Expect::WhiteSquare},
        {"deleting out of range", Wmf().objects(0).add(DeleteObject, {65535}).placeable(square), Expect::Blank},
        {"zero window extent in the middle is ignored",
         Wmf().add(SetWindowExt, {0, 0}).add(CreatePenIndirect, noPen).add(SelectObject, {0})
             .add(Rectangle, box(0, 0, 1000, 1000)).placeable(square),
         Expect::WhiteSquare},
        {"restoring with nothing saved", Wmf().add(RestoreDC, {-1}).add(RestoreDC, {5}).placeable(square),
         Expect::Blank},
        {"arc on an empty box", Wmf().add(Arc, Words{0, 0, 0, 0} + box(10, 10, 10, 10)).placeable(square),
         Expect::Blank},
        {"unknown records are skipped",
         Wmf().add(0x7777, {1, 2, 3}).add(0x0626, {}).add(CreatePenIndirect, noPen).add(SelectObject, {0})
             .add(Rectangle, box(0, 0, 1000, 1000)).placeable(square),
         Expect::WhiteSquare},
        {"huge coordinates and pen",
         Wmf().add(CreatePenIndirect, pen(0, 32767, rgb(0, 0, 0))).add(SelectObject, {0})
             .add(SetWindowExt, {1, 1}).add(Ellipse, box(-32768, -32768, 32767, 32767))
             .add(Polyline, points({{-32768, 0}, {32767, 32767}})).placeable(square),
         Expect::Picture},
    };
    for (const Case& c : cases) {
        const auto picture = readMetafile(c.bytes, 0.05);
        if (c.expect == Expect::Rejected) {
            EXPECT_FALSE(picture) << c.what;
            continue;
        }
        ASSERT_TRUE(picture) << c.what;
        ASSERT_FALSE(picture->image.isNull()) << c.what;
        if (c.expect == Expect::Blank) {
            EXPECT_TRUE(blank(picture->image)) << c.what;
        } else if (c.expect == Expect::WhiteSquare) {
            EXPECT_TRUE(near(picture->image.pixelColor(25, 25), Qt::white)) << c.what;
        }
    }
}

TEST(Metafile, HugePicturesAreCappedInPixelsButKeepTheirTwips)
{
    struct Case {
        QByteArray bytes;
        double density;
        QSizeF twips;
        QSize pixels;
    };
    const Case cases[] = {
        {Wmf().placeable(QRect(0, 0, 32767, 16000), 1), 2.0 / 15.0, {32767.0 * 1440, 16000.0 * 1440}, {4096, 2000}},
        {Wmf().add(SetWindowExt, {32767, 32767}).withoutPlaceable(), 1.0, {32767, 32767}, {4096, 4096}},
        {Wmf().placeable(QRect(0, 0, 1000, 1000)), 1e9, {1000, 1000}, {4096, 4096}},
    };
    for (const Case& c : cases) {
        const auto picture = readMetafile(c.bytes, c.density);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->sizeTwips, c.twips);
        EXPECT_EQ(picture->image.size(), c.pixels);
    }
}

TEST(Metafile, DensityMustBePositiveAndFinite)
{
    const QByteArray bytes = Wmf().placeable(QRect(0, 0, 1000, 1000));
    for (const double density : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(readMetafile(bytes, density)) << density;
}

TEST(Metafile, EveryTruncationAndEveryStompedWordIsSafe)
{
    // Under the sanitizers this walks every record boundary and field of a real picture.
    const QByteArray whole = everyRecord();
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const auto picture = readMetafile(whole.left(length), 0.01);
        EXPECT_FALSE(picture) << "a metafile cut to " << length << " bytes has lost its end";
    }
    for (qsizetype at = 0; at + 1 < whole.size(); at += 2) {
        for (const char* stomp : {"\xFF\xFF", "\x00\x00", "\x00\x80", "\xFF\x7F"}) {
            QByteArray broken = whole;
            broken.replace(at, 2, QByteArray(stomp, 2));
            const auto picture = readMetafile(broken, 0.01);
            if (picture) {
                EXPECT_LE(picture->image.width(), 4096);
                EXPECT_LE(picture->image.height(), 4096);
                EXPECT_FALSE(picture->image.isNull());
            }
        }
    }
}

// Run by hand (--gtest_also_run_disabled_tests) to refresh the fuzzer's starting corpus.
TEST(Metafile, DISABLED_WriteFuzzSeeds)
{
    const QDir folder(QStringLiteral(BREVANDEL_SOURCE_DIR "/fuzz/corpus/metafile"));
    ASSERT_TRUE(QDir().mkpath(folder.path()));
    const std::pair<const char*, QByteArray> seeds[] = {
        {"every_record.wmf", everyRecord()},
        {"no_placeable.wmf", Wmf().add(SetWindowExt, {600, 800}).add(Ellipse, box(0, 0, 800, 600)).withoutPlaceable()},
        {"objects.wmf", Wmf().objects(2).add(CreatePenIndirect, pen(1, 0, rgb(9, 9, 9))).add(DeleteObject, {0})
                            .add(CreateBrushIndirect, Words{2} + rgb(0, 0, 200) + Words{5}).add(SelectObject, {0})
                            .add(SaveDC, {}).add(Rectangle, box(0, 0, 500, 500)).add(RestoreDC, {-1})
                            .placeable(QRect(0, 0, 500, 500))},
        {"text.wmf", Wmf().add(CreateFontIndirect, font(300, "Serif")).add(SelectObject, {0}).add(SetTextAlign, {25})
                         .add(ExtTextOut, Words{200, 10, 3, 0x0004} + box(0, 0, 900, 300) + text("abc"))
                         .add(TextOut, Words{1} + text("d") + Words{0, 0}).placeable(QRect(0, 0, 900, 300), 720)},
    };
    for (const auto& [name, bytes] : seeds) {
        ASSERT_TRUE(readMetafile(bytes)) << name;
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
}
