#include "platform/metafile.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QString runFile(const QString& relative)
{
    return QStringLiteral(BREVANDEL_RUN_DIR "/") + relative;
}

int dotsPerInch(const QImage& image)
{
    return int(std::lround(image.dotsPerMeterX() * 0.0254));
}

QSize sizeInTwips(const QImage& image)
{
    const int dpi = dotsPerInch(image);
    return dpi <= 0 ? QSize() : QSize(image.width() * 1440 / dpi, image.height() * 1440 / dpi);
}

}  // namespace

TEST(Artwork, EveryJpegHasItsSizeInTwipsAndCarries192Dpi)
{
    struct Case {
        QString path;
        QSize twips;
    };
    QList<Case> cases = {
        {"opening/splashq00.jpg", {4800, 3600}}, {"Images/startqorv.jpg", {12000, 9000}},
        {"Images/logo2.jpg", {1500, 2085}},      {"Images/tick.jpg", {735, 735}},
        {"Images/cross.jpg", {735, 735}},        {"Images/arrowdn.jpg", {120, 720}},
        {"Images/dartboard.jpg", {7200, 7200}},  {"fruit/fruits.jpg", {6150, 3000}},
    };
    for (const char* fruit : {"plum", "lime", "banana", "orange", "melon", "lemon", "strawberry", "cherries", "bell",
                              "bar"}) {
        cases.append({QStringLiteral("fruit/%1.jpg").arg(fruit), {2460, 2460}});
        cases.append({QStringLiteral("fruit/%1blur.jpg").arg(fruit), {2460, 2460}});
    }
    for (const Case& c : cases) {
        QImageReader reader(runFile(c.path));
        EXPECT_EQ(reader.format(), "jpeg") << c.path.toStdString();  // by its content, not its name
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << c.path.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_EQ(dotsPerInch(image), 192) << c.path.toStdString();
        EXPECT_EQ(sizeInTwips(image), c.twips) << c.path.toStdString();
    }
}

TEST(Artwork, ArrowPointsDownAtTheBottomCentre)
{
    const QImage arrow(runFile("Images/arrowdn.jpg"));
    ASSERT_FALSE(arrow.isNull());
    const QColor page(0x31, 0x87, 0xD7);
    const auto isPage = [&](const QColor& c) {
        return std::abs(c.red() - page.red()) + std::abs(c.green() - page.green()) + std::abs(c.blue() - page.blue()) < 40;
    };
    const int bottom = arrow.height() - 2;
    EXPECT_FALSE(isPage(arrow.pixelColor(arrow.width() / 2, bottom))) << "the point reaches the bottom";
    EXPECT_TRUE(isPage(arrow.pixelColor(0, bottom)));
    EXPECT_TRUE(isPage(arrow.pixelColor(arrow.width() - 1, bottom)));
    EXPECT_TRUE(isPage(arrow.pixelColor(0, arrow.height() / 4))) << "the shaft is narrower than the head";
}

TEST(Artwork, DartIconsHoldTheTipAtTheirCorner)
{
    enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };
    struct Case {
        const char* path;
        Corner tip;
    };
    const Case cases[] = {{"Images/dart.ico", TopLeft}, {"Images/dart1.ico", BottomRight}, {"Images/dart3.ico", BottomLeft}};
    for (const Case& c : cases) {
        QImageReader reader(runFile(c.path));
        ASSERT_EQ(reader.imageCount(), 2) << c.path;
        for (const int index : {0, 1}) {
            ASSERT_TRUE(reader.jumpToImage(index));
            const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
            const int size = index == 0 ? 32 : 64;  // the first, read by default, is 480 twips at 96 dpi
            ASSERT_EQ(icon.size(), QSize(size, size)) << c.path << " image " << index;
            const QPoint corners[] = {{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}};
            for (int corner = TopLeft; corner <= BottomRight; ++corner) {
                const int alpha = icon.pixelColor(corners[corner]).alpha();
                if (corner == c.tip) {
                    EXPECT_GE(alpha, 200) << c.path << " image " << index << ": the tip";
                } else {
                    EXPECT_EQ(alpha, 0) << c.path << " image " << index << ": corner " << corner;
                }
            }
        }
    }
}

TEST(Artwork, BoardMetafileHasAPlaceableHeaderInTwips)
{
    QFile file(runFile("Images/BOARD.WMF"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 22 + 18);
    const auto word = [&](int index) { return qFromLittleEndian<quint16>(bytes.constData() + 2 * index); };
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData()), 0x9AC6CDD7u);
    EXPECT_EQ(word(7), 1440) << "units are twips";
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(i);
    EXPECT_EQ(word(10), checksum);

    const auto picture = platform::readMetafile(bytes, 2.0 / 15.0);
    ASSERT_TRUE(picture);
    EXPECT_NEAR(picture->sizeTwips.width(), 1650, 100);
    EXPECT_NEAR(picture->sizeTwips.height(), 975, 100);
    const QImage& image = picture->image;
    int opaque = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() == 255) {
                ++opaque;
                colours.insert(image.pixel(x, y));
            }
    EXPECT_GT(opaque, image.width() * image.height() * 9 / 10) << "the board fills its picture";
    EXPECT_GE(colours.size(), 4) << "frame, board, chalk and ledge";
}
