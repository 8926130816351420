#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <cmath>
#include <set>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/random.h"
#include "testsupport.h"

TEST(Zoom, IsTheLargestQuarterStepThatFitsNineTenthsOfTheDesktop) {
    struct Case {
        QSize desktop;
        double zoom;
    } cases[] = {
        {{1024, 768}, 1.0}, {{800, 600}, 1.0},   {{1280, 1024}, 1.25}, {{1366, 768}, 1.0},
        {{1920, 1080}, 1.5}, {{1920, 1200}, 1.5}, {{1920, 1280}, 1.75}, {{2560, 1440}, 2.0}, {{3840, 2160}, 3.0},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::zoomForDesktop(c.desktop), c.zoom) << c.desktop.width();
}

TEST(Paths, ResolveIgnoresCaseAndReadsBackslashesAsSeparators) {
    testsupport::DataFolder folder;
    folder.write("Images/tick.jpg", "x");
    folder.write("fruit/plum.jpg", "y");
    EXPECT_EQ(platform::resolvePath("images\\tick.jpg"), folder.path() + "/Images/tick.jpg");
    EXPECT_EQ(platform::resolvePath("IMAGES\\TICK.JPG"), folder.path() + "/Images/tick.jpg");
    EXPECT_EQ(platform::resolvePath("FRUIT/Plum.jpg"), folder.path() + "/fruit/plum.jpg");
    // Missing files keep the name as written so opening them fails normally.
    EXPECT_EQ(platform::resolvePath("images\\none.jpg"), folder.path() + "/Images/none.jpg");
    EXPECT_EQ(platform::resolvePath("nowhere\\x.jpg"), folder.path() + "/nowhere/x.jpg");
}

namespace {
QByteArray jpegBytes(QSize size, int dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    if (dpi > 0) {
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.write(image);
    return bytes;
}
}  // namespace

TEST(Pictures, SizeInTwipsFollowsTheStoredDensity) {
    auto at96 = platform::decodePicture(jpegBytes({49, 49}, 96), "tick.jpg");
    ASSERT_TRUE(at96);
    EXPECT_NEAR(at96->sizeTwips.width(), 735, 0.5);
    auto at192 = platform::decodePicture(jpegBytes({98, 98}, 192), "tick.jpg");
    ASSERT_TRUE(at192);
    EXPECT_NEAR(at192->sizeTwips.width(), 735, 0.5);
    EXPECT_EQ(at192->image.width(), 98);
    EXPECT_EQ(platform::twipsForPixels({10, 10}, 0), QSizeF(150, 150));   // no density: 96 dpi
    EXPECT_EQ(platform::twipsForPixels({10, 10}, 1e9), QSizeF(150, 150)); // absurd density: 96 dpi
}

TEST(Pictures, BrokenOrMissingFilesGiveNoPicture) {
    testsupport::DataFolder folder;
    const QByteArray good = jpegBytes({20, 20}, 96);
    folder.write("Images/empty.jpg", "");
    folder.write("Images/text.jpg", "this is not a picture");
    folder.write("Images/half.jpg", good.left(good.size() / 3));
    folder.write("Images/BOARD.WMF", "\x01\x00\x09\x00");
    folder.write("Images/bad.ico", QByteArray(40, '\xFF'));
    for (const char* name : {"images\\empty.jpg", "images\\text.jpg", "images\\BOARD.WMF", "images\\bad.ico",
                             "images\\missing.jpg"})
        EXPECT_FALSE(platform::loadPicture(name)) << name;
    // A truncated JPEG decodes partly or not at all, but never crashes.
    (void)platform::loadPicture("images\\half.jpg");
}

TEST(Pictures, RequiredPictureMissingIsAnUnexpectedFailureNamingTheFile) {
    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure throwing;
    try {
        platform::requirePicture("images\\dartboard.jpg");
        FAIL() << "no failure reported";
    } catch (const testsupport::UnexpectedFailure& failure) {
        EXPECT_EQ(failure.number, 53);
        EXPECT_NE(std::string(failure.what()).find("dartboard.jpg"), std::string::npos);
    }
    folder.write("Images/dartboard.jpg", "garbage");
    EXPECT_THROW(platform::requirePicture("images\\dartboard.jpg"), testsupport::UnexpectedFailure);
}

TEST(Random, DrawsStayInTheUnitIntervalAndReseedsStayFresh) {
    platform::ClockRandom random;
    float lowest = 1, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
    // Reseeding many times within one clock tick must not repeat the first draw.
    std::set<float> firsts;
    for (int i = 0; i < 100; ++i) {
        random.reseed();
        firsts.insert(random.next());
    }
    EXPECT_GT(firsts.size(), 95u);
}

TEST(Random, ScriptedSourceFailsLoudlyWhenItRunsOut) {
    platform::ScriptedRandom scripted{0.5f};
    EXPECT_EQ(scripted.next(), 0.5f);
    EXPECT_THROW(scripted.next(), std::logic_error);
}

TEST(Controls, ArrayElementsAreHiddenCopiesOfElementZero) {
    platform::Form form("test", 12000, 9000);
    auto* first = form.add<platform::Label>(nullptr, "Label2", 9600, 2400, 2235, 495);
    first->setFont({"Tahoma", 18, true});
    first->setCaption("zero");
    platform::ControlArray<platform::Label> labels(first);
    platform::Label& third = labels.load(2);
    EXPECT_EQ(labels.size(), 3);
    EXPECT_EQ(third.index(), 2);
    EXPECT_FALSE(third.isVisible());
    EXPECT_EQ(third.left(), 9600);
    EXPECT_EQ(third.font().size, 18);
    EXPECT_EQ(third.name(), "Label2");
    EXPECT_EQ(&labels.load(1), &labels[1]);
    EXPECT_EQ(form.control("Label2", 2), &third);
}

TEST(Controls, PositionsReadBackExactlyAsSet) {
    platform::Form form("test", 12000, 9000);
    auto* frame = form.add<platform::Frame>(nullptr, "Frame1", 90, 3285, 9915, 2100);
    auto* label = form.add<platform::Label>(frame, "lbltemp", 150, 1485, 400, 270);
    label->setLeft(1560.0f + 577.5f);
    EXPECT_EQ(label->left(), 2137.5f);
    EXPECT_EQ(form.control("lbltemp"), label);
    EXPECT_EQ(form.find<platform::Frame>("Frame1"), frame);
    EXPECT_EQ(form.control("nothing"), nullptr);
}

TEST(Controls, EventsReachHandlersInTheControlsOwnTwipsAndClickNeedsALeftRelease) {
    platform::Form form("test", 12000, 9000);
    auto* button = form.add<platform::CommandButton>(nullptr, "cmdgo", 9930, 7950, 1905, 495);
    int clicks = 0;
    platform::MouseEvent lastUp;
    button->onClick = [&] { ++clicks; };
    button->onMouseUp = [&](const platform::MouseEvent& e) { lastUp = e; };
    button->press({platform::LeftButton, 0, 10, 10});
    button->release({platform::LeftButton, 0, 20, 30});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lastUp.x, 20);
    button->press({platform::RightButton, 0, 10, 10});
    button->release({platform::RightButton, 0, 10, 10});
    EXPECT_EQ(clicks, 1);
    button->press({platform::LeftButton, 0, 10, 10});
    button->release({platform::LeftButton, 0, 5000, 10});  // released off the button
    EXPECT_EQ(clicks, 1);
    button->setEnabled(false);
    button->click();
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, SelectingAnOptionClearsItsSiblingsOnly) {
    platform::Form form("test", 12000, 9000);
    auto* frame = form.add<platform::Frame>(nullptr, "Frame1", 0, 0, 4000, 4000);
    auto* a = form.add<platform::OptionButton>(nullptr, "Option1", 0, 0, 1000, 300);
    auto* b = form.add<platform::OptionButton>(nullptr, "Option2", 0, 400, 1000, 300);
    auto* inFrame = form.add<platform::OptionButton>(frame, "Option3", 0, 0, 1000, 300);
    int bClicks = 0;
    b->onClick = [&] { ++bClicks; };
    a->setValue(true);
    inFrame->setValue(true);
    b->click();
    EXPECT_FALSE(a->value());
    EXPECT_TRUE(b->value());
    EXPECT_TRUE(inFrame->value());  // another container keeps its own choice
    EXPECT_EQ(bClicks, 1);
}
