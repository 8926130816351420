#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include "platform/failure.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/picturecache.h"
#include "testsupport.h"

namespace {

QByteArray encoded(QSize size, int dpi, const char* format = "jpeg") {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// A program folder holding one picture, at one zoom, with nothing in the shared cache.
struct Setting : testsupport::DataFolder {
    Setting(const QString& file, const QByteArray& bytes, double zoom) : m_zoom(platform::zoom()) {
        write(file, bytes);
        platform::setZoom(zoom);
        platform::PictureCache::shared().clear();
    }
    ~Setting() { platform::setZoom(m_zoom); }
    const double m_zoom;
};

TEST(PictureCache, PicturesAreDecodedOnceAtTheSizeTheZoomDrawsAndShared) {
    const struct {
        const char* file;
        QByteArray bytes;
        double zoom;
        QSize pixels;  // the picture's twips × zoom ÷ 15
    } cases[] = {
        {"Images/tick.jpg", encoded({98, 98}, 192), 1.0, {49, 49}},
        {"Images/tick.jpg", encoded({98, 98}, 192), 1.5, {74, 74}},  // 73.5 rounds up
        {"Images/plain.jpg", encoded({40, 20}, 96), 1.5, {60, 30}},   // stored smaller than drawn
        {"Images/odd.jpg", encoded({300, 300}, 300), 1.25, {120, 120}},
        {"Images/dart.ico", encoded({32, 32}, 96, "ico"), 1.5, {48, 48}},
        {"Images/huge.jpg", encoded({8000, 10}, 24), 1.5, {4096, 5}},  // never more than 4096 a side
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + std::to_string(c.zoom));
        Setting setting(c.file, c.bytes, c.zoom);
        const auto first = platform::loadPicture(c.file);
        const auto again = platform::loadPicture(QString(c.file).toUpper().replace('/', '\\'));
        ASSERT_TRUE(first && again);
        EXPECT_EQ(first->image.size(), c.pixels);
        EXPECT_EQ(again->image.constBits(), first->image.constBits()) << "one copy of the pixels";
    }
}

TEST(PictureCache, AZoomChangeDropsThePicturesOfTheOldZoom) {
    Setting setting("Images/tick.jpg", encoded({98, 98}, 192), 1.0);
    ASSERT_EQ(platform::loadPicture("images\\tick.jpg")->image.width(), 49);
    platform::setZoom(1.5);
    EXPECT_EQ(platform::PictureCache::shared().count(), 0);
    EXPECT_EQ(platform::loadPicture("images\\tick.jpg")->image.width(), 74);
}

TEST(PictureCache, TheLeastRecentlyUsedGoFirstAndNoPictureOverTheLimitIsKept) {
    testsupport::DataFolder folder;
    for (const char* name : {"a", "b", "c"}) folder.write(QString("%1.jpg").arg(name), encoded({100, 100}, 96));
    folder.write("big.jpg", encoded({200, 200}, 96));
    platform::PictureCache cache(2 * 100 * 100 * 4);
    const auto path = [&](const char* name) { return folder.path() + "/" + name + ".jpg"; };
    for (const char* name : {"a", "b", "a", "c"}) cache.load(path(name), "x.jpg", 1.0 / 15);
    EXPECT_TRUE(cache.holds(path("a")) && cache.holds(path("c")));
    EXPECT_FALSE(cache.holds(path("b")));
    EXPECT_TRUE(cache.load(path("big"), "x.jpg", 1.0 / 15)) << "too big to keep, but still given";
    EXPECT_EQ(cache.count(), 2);
}

TEST(PictureCache, AFileGoneOrDamagedSinceItWasKeptFailsAsItWouldHaveFirstTime) {
    const QString file = "Images/dartboard.jpg";
    const struct {
        const char* damage;
        std::function<void(const testsupport::DataFolder&)> apply;
        int failure;
    } cases[] = {
        {"removed", [&](const auto& f) { QFile::remove(f.path() + "/" + file); }, platform::FileNotFound},
        {"text", [&](const auto& f) { f.write(file, "not a picture"); }, platform::InvalidPicture},
        {"a folder", [&](const auto& f) { QFile::remove(f.path() + "/" + file), QDir().mkpath(f.path() + "/" + file); },
         platform::InvalidPicture},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        Setting setting(file, encoded({96, 96}, 96), 1.0);
        testsupport::ThrowOnFailure throwing;
        ASSERT_TRUE(platform::loadPicture(file));
        c.apply(setting);
        EXPECT_FALSE(platform::loadPicture(file));
        int reported = 0;
        try {
            platform::requirePicture(file);
        } catch (const testsupport::UnexpectedFailure& failure) { reported = failure.number; }
        EXPECT_EQ(reported, c.failure);
    }
}

TEST(PictureCache, AScreenLoadsPicturesAheadOnlyOnceItHasPainted) {
    Setting setting("Images/logo2.jpg", encoded({200, 278}, 192), 1.0);
    platform::Form form("test", 12000, 9000);
    form.warmPicturesWhenShown([] { return QStringList{"Images\\missing.jpg", "Images\\logo2.jpg"}; });
    QCoreApplication::processEvents();
    EXPECT_EQ(platform::PictureCache::shared().count(), 0);
    form.showForm();
    for (int turn = 0; turn < 5; ++turn) QCoreApplication::processEvents();
    EXPECT_TRUE(platform::PictureCache::shared().holds(setting.path() + "/Images/logo2.jpg"));
}

TEST(PictureCache, APictureDrawnAtItsOwnSizeIsCopiedOnWholePixels) {
    QImage picture(30, 20, QImage::Format_RGB32);
    for (int i = 0; i < 30 * 20; ++i) picture.setPixel(i % 30, i / 30, (i % 30 + i / 30) % 2 ? 0xFFFFFFFF : 0xFF000000);
    // At 15.3, 4.8 pixels it lands on 15, 5; stretched or at another scale it is resampled.
    for (const auto& [scale, target, copied] : {std::tuple{0.1, QRectF(153, 48, 300, 200), true},
                                                {0.1, QRectF(153, 48, 330, 200), false},
                                                {0.125, QRectF(153, 48, 300, 200), false}}) {
        QImage canvas(80, 60, QImage::Format_RGB32);
        QPainter painter(&canvas);
        painter.scale(scale, scale);
        platform::drawPicture(painter, target, picture);
        painter.end();
        EXPECT_EQ(canvas.copy(QRect(QPoint(15, 5), picture.size())) == picture, copied) << scale;
    }
}

}  // namespace
