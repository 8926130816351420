#include "activities/angles/angles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsView>
#include <QTest>
#include <cmath>

#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using namespace angles;
using platform::MouseEvent;

// Draws of the naming mode: the kind's draw, the size within its kind, the fixed arm, the way it opens.
const std::vector<float> kReflex250{0.9f, 0.3645f, 0.0f, 0.7f};
const std::vector<float> kRight45Clockwise{0.3f, 0.5f, 0.14f, 0.2f};
// 135°, opening anticlockwise from a fixed arm pointing right.
const std::vector<float> kMake135{0.365f, 0.7f};
// 65° then the missing 115° on a flat line.
const std::vector<float> kLine65{0.32f, 0.9f, 0.5f};

class AnglesTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        // Each row of the block reads "<row>:" and its placeholder.
        app::TextRows rows(30);
        for (int r = 0; r < 30; ++r) rows[r].fill(QStringLiteral("%1: %2").arg(r).arg("%1"));
        app::lang().blocks.insert("angles", rows);
        windows.define("angles", [](app::WindowRegistry& w) { return new Angles(w); });
        windows.define("menu5", [](app::WindowRegistry&) { return new platform::Form("menu5", 12000, 9000); });
        push(kReflex250);
        form = static_cast<Angles*>(windows.load("angles"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::setZoom(1);
        app::lang().blocks.clear();
    }
    void push(const std::vector<float>& draws) {
        for (float r : draws) rnd.push(r);
    }
    void type(const QString& keys) {
        form->pad.press("clear");
        for (QChar k : keys) form->pad.press(QString(k));
    }
    void solveAll() {
        do {
            form->cmdsoln_Click();
            while (form->steps.animating()) form->steps.frame();
        } while (!form->steps.finished());
    }
    // A press at a point of the figure (its own twips), as the pointer would give it on the form.
    MouseEvent at(QPointF p, int button = platform::LeftButton) const {
        const auto* f = form->figure;
        return {button, 0, float(p.x()), float(p.y()), float(f->left() + p.x()), float(f->top() + p.y())};
    }
    // The opening between the fixed arm and the turned arm, read back from the drawing in twips.
    double drawnOpening() const {
        const QLineF fixed = form->figure->lines().front();
        const QLineF turned(fixed.p1(), form->figure->armEnd());
        const double a = fixed.angleTo(turned);  // anticlockwise on the board
        return form->question().clockwise ? 360 - a : a;
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Angles* form = nullptr;
};

TEST_F(AnglesTest, NamingChecksTheKindChosenOnTheButtons) {
    ASSERT_EQ(form->question().degrees, 250);
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());  // nothing chosen
    form->cmdkind[kObtuse].click();
    EXPECT_FALSE(form->imgcross->isVisible());
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
    form->cmdkind[kReflex].click();
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    EXPECT_FALSE(form->pad.visible());
}

// The reflex angle is marked round its reflex side and measured on a whole-circle protractor.
TEST_F(AnglesTest, ReflexAngleIsDrawnOnItsReflexSide) {
    const auto& mark = form->figure->marks().front();
    EXPECT_DOUBLE_EQ(mark.sweep, 250);
    EXPECT_NEAR(drawnOpening(), 250, 1e-9);
    solveAll();
    ASSERT_TRUE(form->figure->protractor().has_value());
    EXPECT_TRUE(form->figure->protractor()->full);
    EXPECT_DOUBLE_EQ(form->figure->protractor()->base, 0);
    EXPECT_DOUBLE_EQ(form->figure->reading(), 250);
    EXPECT_EQ(form->lblstep->caption(), QStringLiteral("21: %1"));  // the reflex kind's sentence
}

// Square in twips, and square in the window's pixels at the projector's zoom.
TEST_F(AnglesTest, RightAngleIsSquareOnScreenAtEveryZoom) {
    push(kRight45Clockwise);
    form->cmdgo_Click();
    ASSERT_EQ(form->question().degrees, 90);
    ASSERT_TRUE(form->question().clockwise);
    std::vector<double> armPixels;
    for (double zoom : {1.0, 1.5}) {
        platform::setZoom(zoom);
        const QLineF fixed = form->figure->lines().front();
        const QPointF a = fixed.p2() - fixed.p1(), b = form->figure->armEnd() - fixed.p1();
        EXPECT_NEAR(QPointF::dotProduct(a, b) / (fixed.length() * fixed.length()), 0, 1e-12);
        EXPECT_NEAR(drawnOpening(), 90, 1e-9);

        form->showForm();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        auto* view = form->findChild<QGraphicsView*>();
        const QPointF origin(form->figure->left(), form->figure->top());
        const QPointF corner = view->mapFromScene(origin + fixed.p1());
        const QPointF pa = QPointF(view->mapFromScene(origin + fixed.p2())) - corner;
        const QPointF pb = QPointF(view->mapFromScene(origin + form->figure->armEnd())) - corner;
        EXPECT_NEAR(std::hypot(pa.x(), pa.y()), std::hypot(pb.x(), pb.y()), 1.5) << "zoom " << zoom;
        EXPECT_LT(std::abs(QPointF::dotProduct(pa, pb)) / QPointF::dotProduct(pa, pa), 0.01) << "zoom " << zoom;
        armPixels.push_back(std::hypot(pa.x(), pa.y()));
        form->hide();
    }
    EXPECT_NEAR(armPixels[1] / armPixels[0], 1.5, 0.02);  // the zoom really changed the drawing
}

TEST_F(AnglesTest, MakingAnAngleByDraggingTheHandleAcceptsTwoDegreesEitherWay) {
    push(kMake135);
    form->modes.option(kMake).click();
    ASSERT_EQ(form->question().degrees, 135);
    ASSERT_TRUE(form->figure->protractor().has_value());
    const QPointF corner(Angles::kArmsCornerX, Angles::kArmsCornerY);
    const auto pointing = [&](double direction) { return along(corner, direction, 1800); };
    const struct {
        double direction;
        bool right;
    } drags[] = {{132.4, false}, {133, true}, {137.4, true}, {137.6, false}, {135, true}};
    for (const auto& d : drags) {
        // Grabbed by the handle, pulled round through a burst of moves, let go.
        form->figure->press(at(form->figure->armEnd()));
        form->figure->moveMouse(at(pointing(d.direction - 40)));
        form->figure->moveMouse(at(pointing(d.direction)));
        form->figure->release(at(pointing(d.direction)));
        EXPECT_EQ(form->made(), int(std::lround(d.direction)));
        EXPECT_NEAR(drawnOpening(), form->made(), 1e-9);
        form->cmdcheckit_Click();
        EXPECT_EQ(form->imgtick->isVisible(), d.right) << d.direction;
    }
    // A press away from the handle and the arm turns nothing.
    form->figure->press(at(pointing(300)));
    form->figure->moveMouse(at(pointing(10)));
    form->figure->release(at(pointing(10)));
    EXPECT_EQ(form->made(), 135);

    // The solution turns a wrong arm to the angle asked for, and the handle goes.
    form->figure->press(at(form->figure->armEnd()));
    form->figure->moveMouse(at(pointing(60)));
    form->figure->release(at(pointing(60)));
    solveAll();
    EXPECT_NEAR(drawnOpening(), 135, 1e-9);
    form->figure->press(at(form->figure->armEnd()));
    form->figure->moveMouse(at(pointing(20)));
    EXPECT_NEAR(drawnOpening(), 135, 1e-9);
}

// A finger on the whiteboard turns the arm as the mouse does.
TEST_F(AnglesTest, TouchTurnsTheArm) {
    push(kMake135);
    form->modes.option(kMake).click();
    form->showForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto* view = form->findChild<QGraphicsView*>();
    QPointingDevice* finger = QTest::createTouchDevice();
    const QPointF origin(form->figure->left(), form->figure->top());
    const QPointF corner(Angles::kArmsCornerX, Angles::kArmsCornerY);
    const QPoint from = view->mapFromScene(origin + form->figure->armEnd());
    const QPoint halfway = view->mapFromScene(origin + along(corner, 110, 2000));
    const QPoint to = view->mapFromScene(origin + along(corner, 135, 2000));
    QTest::touchEvent(view->viewport(), finger).press(0, from);
    QTest::touchEvent(view->viewport(), finger).move(0, halfway);
    QTest::touchEvent(view->viewport(), finger).move(0, to);
    QTest::touchEvent(view->viewport(), finger).release(0, to);
    QCoreApplication::processEvents();
    EXPECT_NEAR(form->made(), 135, 1);
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
}

// The pointer finds the handle on top wherever the arm points, down by the figure's foot too.
TEST_F(AnglesTest, TheHandleIsOnTopWhereverTheArmPoints) {
    push(kMake135);
    form->modes.option(kMake).click();
    form->showForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto* view = form->findChild<QGraphicsView*>();
    const QPointF origin(form->figure->left(), form->figure->top());
    for (int direction = 0; direction < 360; direction += 10) {
        form->figure->setArmDirection(direction);
        EXPECT_EQ(view->itemAt(view->mapFromScene(origin + form->figure->armEnd())), form->figure) << direction;
    }
}

TEST_F(AnglesTest, MissingAngleTakesTheExactWholeAnswerAndWritesTheSum) {
    push(kLine65);
    form->modes.option(kStraightLine).click();
    ASSERT_EQ(form->question().parts, (std::vector<int>{65, 115}));
    ASSERT_EQ(form->question().missing, 1);
    EXPECT_TRUE(form->pad.visible());
    for (const char* wrong : {"65", "-115", "115,5", ""}) {
        type(wrong);
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgcross->isVisible()) << wrong;
    }
    type("115.0");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    solveAll();
    EXPECT_EQ(form->lblsum->caption(), QStringLiteral("180\u00B0 \u2212 65\u00B0 = 115\u00B0"));
    EXPECT_EQ(form->figure->marks()[1].label, QStringLiteral("115\u00B0"));
    // Next takes the working away with the question.
    push(kLine65);
    push({0.33f, 0.1f, 0.5f});
    form->cmdgo_Click();
    EXPECT_TRUE(form->lblsum->caption().isEmpty());
    EXPECT_EQ(form->figure->marks()[form->question().missing].label, QStringLiteral("?"));
}

}  // namespace
