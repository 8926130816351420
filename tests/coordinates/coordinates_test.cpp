#include <gtest/gtest.h>

#include <QCoreApplication>

#include "activities/coordinates/coordinates.h"
#include "activities/coordinates/rules.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using namespace coordinates;

TEST(CoordinatesRules, MissingCornersCompleteTrueRectanglesOnThePaper) {
    platform::ClockRandom rnd;
    int squares = 0, tilted = 0;
    for (int i = 0; i < 3000; ++i) {
        const Question q = drawQuestion(kMissingCorner, rnd);
        EXPECT_EQ(fourthCorner(q.given), q.target);
        const std::array<QPoint, 4> corners{q.given[0], q.given[1], q.given[2], q.target};
        ASSERT_TRUE(isRectangle(corners)) << q.given[0].x() << "," << q.given[0].y();
        for (QPoint p : corners) {
            ASSERT_GE(std::min(p.x(), p.y()), 0);
            ASSERT_LE(std::max(p.x(), p.y()), 10);
        }
        const QPoint side = q.given[1] - q.given[0];
        squares += q.square;
        tilted += side.x() != 0 && side.y() != 0;
    }
    EXPECT_GT(squares, 300);
    EXPECT_GT(tilted, 300);
    EXPECT_FALSE(isRectangle({QPoint(0, 0), QPoint(3, 0), QPoint(4, 2), QPoint(1, 2)}));  // a parallelogram
    EXPECT_FALSE(isRectangle({QPoint(1, 1), QPoint(1, 1), QPoint(1, 1), QPoint(1, 1)}));
}

TEST(CoordinatesRules, PointsNeverSitOnTheOriginAndFourQuadrantsAskNegatives) {
    platform::ClockRandom rnd;
    for (int i = 0; i < 2000; ++i) {
        for (int mode : {kRead, kPlot, kFourQuadrants}) {
            const Question q = drawQuestion(mode, rnd);
            ASSERT_NE(q.target, QPoint(0, 0));
            ASSERT_GE(std::min(q.target.x(), q.target.y()), lowOf(mode));
            ASSERT_LE(std::max(q.target.x(), q.target.y()), highOf(mode));
            if (mode == kFourQuadrants) {
                ASSERT_LT(std::min(q.target.x(), q.target.y()), 0);
            }
            ASSERT_EQ(q.plotting, mode == kPlot || (mode == kFourQuadrants && q.plotting));
        }
    }
}

class CoordinatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        windows.define("coordinates", [](app::WindowRegistry& w) { return new Coordinates(w); });
        windows.define("menu5", [](app::WindowRegistry&) { return new platform::Form("menu5", 12000, 9000); });
        for (float r : {0.75f, 0.4f}) rnd.push(r);  // (8, 4) to read
        form = static_cast<Coordinates*>(windows.load("coordinates"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    platform::MouseEvent at(QPointF grid) const {
        const QPointF p = form->axes->pointOf(grid);
        return {platform::LeftButton, 0, float(p.x()), float(p.y())};
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Coordinates* form = nullptr;
};

TEST_F(CoordinatesTest, ReadingTakesXThenYAndPlottingTakesTheSnappedCrossing) {
    ASSERT_EQ(form->question().target, QPoint(8, 4));
    for (const char* key : {"4"}) form->pad.press(key);
    form->pad.setActiveBox(1);
    form->pad.press("8");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());  // the pair the wrong way round
    form->pad.clear();
    form->pad.press("8");
    form->pad.setActiveBox(1);
    form->pad.press("4");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());

    for (float r : {0.3f, 0.65f}) rnd.push(r);  // (3, 7) to plot
    form->modes.option(kPlot).click();
    ASSERT_EQ(form->question().target, QPoint(3, 7));
    EXPECT_FALSE(form->pad.visible());
    // Dragged to just off (3, 7), then far off the paper: it snaps, and stays on the axes.
    form->axes->press(at({0, 0}));
    form->axes->moveMouse(at({3.3, 6.8}));
    form->axes->release(at({3.3, 6.8}));
    EXPECT_EQ(form->plotted(), QPoint(3, 7));
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    form->axes->press(at({3, 7}));
    form->axes->moveMouse({platform::LeftButton, 0, 90000, -90000});
    form->axes->release({platform::LeftButton, 0, 90000, -90000});
    EXPECT_EQ(form->plotted(), QPoint(10, 10));
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());

    // The solution walks to the point and brings the pupil's point there.
    do {
        form->cmdsoln_Click();
        while (form->steps.animating()) form->steps.frame();
    } while (!form->steps.finished());
    EXPECT_EQ(form->axes->points().back().at, QPointF(3, 7));
    form->axes->press(at({3, 7}));
    form->axes->moveMouse(at({5, 5}));
    EXPECT_EQ(form->axes->points().back().at, QPointF(3, 7));  // no dragging over a solution
}

}  // namespace
