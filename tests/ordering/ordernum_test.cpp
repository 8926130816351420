#include "activities/ordering/ordernum.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsView>
#include <QTest>
#include <vector>

#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using ordering::Ordernum;
using platform::MouseEvent;

// Draws that give 38, 7, 94, 51, 13 in whole-number mode: sorted 7, 13, 38, 51, 94.
const std::vector<float> kFirstQuestion{0.375f, 0.0625f, 0.9375f, 0.5f, 0.125f};
// The tile (by rank) standing on each home slot from the left, for that question.
const int kTileOnSlot[] = {2, 0, 4, 3, 1};

class OrdernumTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::lang().txtordernum = {"Order them", "Smallest", "Biggest", "Whole", "Integers"};
        for (float r : kFirstQuestion) rnd.push(r);
        windows.define("ordernum", [](app::WindowRegistry& w) { return new Ordernum(w); });
        for (const char* stub : {"menu1", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
        form = static_cast<Ordernum*>(windows.load("ordernum"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    platform::Label& tile(int k) { return form->Label2[k]; }
    platform::Label& box(int k) { return form->Label1[k]; }
    platform::Label& slot(int k) { return form->Label4[k]; }

    // Picks tile k up at its centre, pulls its top left corner to (left, top) and lets go.
    void drag(int k, float left, float top, int button = platform::LeftButton) {
        platform::Label& t = tile(k);
        const float cx = t.width() / 2, cy = t.height() / 2;
        t.press({button, 0, cx, cy});
        t.moveMouse({button, 0, left - t.left() + cx, top - t.top() + cy});
        t.release({button, 0, left - t.left() + cx, top - t.top() + cy});
    }
    void dragToBox(int k, int b) { drag(k, box(b).left(), box(b).top()); }
    bool onBox(int k, int b) { return tile(k).left() == box(b).left() && tile(k).top() == box(b).top(); }
    bool atHome(int k) { return tile(k).left() == form->homeleft[k] && tile(k).top() == form->hometop[k]; }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Ordernum* form = nullptr;
};

TEST_F(OrdernumTest, TileKShowsKthSmallestAndTilesStandInDrawOrder) {
    const char* captions[] = {"7", "13", "38", "51", "94"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(tile(k).caption(), QString::fromLatin1(captions[k])) << "tile " << k;
        EXPECT_TRUE(tile(k).isVisible());
    }
    for (int s = 0; s < 5; ++s) {
        const int k = kTileOnSlot[s];
        EXPECT_EQ(tile(k).left(), 1560.0f + 1440.0f * s) << "slot " << s;
        EXPECT_EQ(tile(k).top(), 6960.0f);
        EXPECT_EQ(slot(s).left(), tile(k).left());
        EXPECT_EQ(slot(s).width(), 1155.0f);
        EXPECT_EQ(slot(s).height(), 615.0f);
        EXPECT_TRUE(atHome(k));
    }
    EXPECT_EQ(rnd.reseeds(), 1);
    EXPECT_TRUE(form->cmdcheckit->isVisible());
    EXPECT_FALSE(form->imgtick->isVisible());
    EXPECT_FALSE(form->imgcross->isVisible());
    EXPECT_EQ(form->Label8->caption(), QStringLiteral("Order them"));
    EXPECT_EQ(form->Option2->caption(), QStringLiteral("Integers"));
}

TEST_F(OrdernumTest, OptionDrawsWithOneReseedAndTakesTheLastVerdictAway) {
    for (bool checkShown : {true, false}) {
        form->cmdcheckit->click();
        form->tmrcross_Timer();
        ASSERT_GT(form->imgcross->width(), 0.0f);
        form->cmdcheckit->setVisible(checkShown);
        for (float r : {0.5f, 0.5005f, 0.0f, 0.75f, 0.25f, 0.99999994f}) rnd.push(r);
        const int reseeds = rnd.reseeds();
        form->Option2->click();
        EXPECT_EQ(form->ordermode, 2);
        EXPECT_EQ(rnd.reseeds(), reseeds + 1);
        EXPECT_EQ(rnd.remaining(), 0u);
        const char* captions[] = {"-99", "-50", "-1", "48", "97"};
        for (int k = 0; k < 5; ++k) EXPECT_EQ(tile(k).caption(), QString::fromLatin1(captions[k]));
        // −1 came first, so its tile stands on the leftmost slot.
        EXPECT_EQ(tile(2).left(), 1560.0f);
        EXPECT_EQ(form->cmdcheckit->isVisible(), checkShown);
        // The cross of the last question must not grow again over the new one.
        EXPECT_FALSE(form->imgcross->isVisible());
        EXPECT_FALSE(form->tmrcross->isEnabled());
        EXPECT_FALSE(form->tmrtick->isEnabled());
        form->cmdcheckit->setVisible(true);
    }
}

TEST_F(OrdernumTest, ReleaseAtZoneEdges) {
    struct Case {
        const char* what;
        int targetBox;  // -1: the tile goes home
        float dx;       // from box 0 or box 4's left, as the case says
        float dy;
        int fromBox;
    };
    const Case cases[] = {
        {"box 4 left + 1155", -1, 1155, 0, 4},
        {"a hair inside box 4", 4, 1154.5f, 0, 4},
        {"box 0 left - 577.5", -1, -577.5f, 0, 0},
        {"a hair inside box 0", 0, -577, 0, 0},
        {"307.5 above box 0", -1, 0, -307.5f, 0},
        {"900 right of box 1", 1, 900, 0, 1},
        {"out of the window", -1, -6000, -9000, 0},
    };
    for (const Case& c : cases) {
        const int k = 3;
        drag(k, box(c.fromBox).left() + c.dx, box(c.fromBox).top() + c.dy);
        if (c.targetBox < 0)
            EXPECT_TRUE(atHome(k)) << c.what;
        else
            EXPECT_TRUE(onBox(k, c.targetBox)) << c.what;
        drag(k, form->homeleft[k], form->hometop[k]);
    }
}

TEST_F(OrdernumTest, ClashSendsDroppedTileHomeAndLeavesTheOther) {
    dragToBox(0, 2);
    ASSERT_TRUE(onBox(0, 2));
    dragToBox(4, 2);
    EXPECT_TRUE(atHome(4));
    EXPECT_TRUE(onBox(0, 2));

    // A tile that came from a box also goes back to where the question put it.
    dragToBox(4, 3);
    ASSERT_TRUE(onBox(4, 3));
    drag(4, box(2).left() + 100, box(2).top() + 50);
    EXPECT_TRUE(atHome(4));
    EXPECT_TRUE(onBox(0, 2));

}

// No two tiles ever stand on one spot: a tile parked on the home of a tile sent back goes to its own home.
TEST_F(OrdernumTest, TileParkedOnAHomeGoesToItsOwnWhenThatHomesTileReturns) {
    struct Case {
        const char* what;
        bool releasedNowhere;  // otherwise it clashes on box 2, where tile 0 stands
    };
    const Case cases[] = {{"after a clash", false}, {"released away from every box and slot", true}};
    for (const Case& c : cases) {
        for (float r : kFirstQuestion) rnd.push(r);
        form->cmdgo->click();
        dragToBox(0, 2);
        dragToBox(3, 3);
        drag(1, form->homeleft[3], form->hometop[3]);
        ASSERT_EQ(tile(1).left(), form->homeleft[3]) << c.what;
        if (c.releasedNowhere)
            drag(3, 200, 200);
        else
            dragToBox(3, 2);
        EXPECT_TRUE(atHome(3)) << c.what;
        EXPECT_TRUE(atHome(1)) << c.what;
        EXPECT_TRUE(onBox(0, 2)) << c.what;
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                EXPECT_FALSE(tile(i).left() == tile(j).left() && tile(i).top() == tile(j).top()) << c.what << ": " << i << ", " << j;
    }
}

TEST_F(OrdernumTest, ClickWithoutMovingLeavesTileWhereItIs) {
    form->cmdsoln->click();
    for (int button : {platform::LeftButton, platform::RightButton}) {
        for (int k = 0; k < 5; ++k) {
            tile(k).press({button, 0, 100, 100});
            tile(k).release({button, 0, 100, 100});
            EXPECT_TRUE(onBox(k, k)) << "tile " << k << " button " << button;
        }
    }
    dragToBox(2, 4);
    EXPECT_TRUE(atHome(2));
    tile(2).press({platform::LeftButton, 0, 10, 10});
    tile(2).release({platform::LeftButton, 0, 10, 10});
    EXPECT_TRUE(atHome(2));
}

TEST_F(OrdernumTest, RightButtonMoveDoesNothingButItsReleaseRunsTheRules) {
    form->cmdsoln->click();
    ASSERT_FALSE(form->cmdcheckit->isVisible());
    platform::Label& t = tile(0);
    t.moveMouse({0, 0, 4000, -2000});  // a hover
    t.press({platform::RightButton, 0, 500, 300});
    t.moveMouse({platform::RightButton, 0, 4000, -2000});
    EXPECT_TRUE(onBox(0, 0));
    t.release({platform::RightButton, 0, 4000, -2000});
    EXPECT_TRUE(onBox(0, 0));
    EXPECT_TRUE(form->cmdcheckit->isVisible());

    // A left drag with the right button pressed on the way: those moves are ignored, the right release drops.
    t.press({platform::LeftButton, 0, 577.5f, 307.5f});
    t.moveMouse({platform::LeftButton, 0, 677.5f, 3357.5f});
    ASSERT_EQ(t.left(), box(0).left() + 100);
    ASSERT_EQ(t.top(), box(0).top() + 3050);
    t.moveMouse({platform::LeftButton | platform::RightButton, 0, 3000, -3000});
    EXPECT_EQ(t.left(), box(0).left() + 100);
    t.release({platform::RightButton, 0, 3000, -3000});
    EXPECT_EQ(t.left(), slot(0).left());
    EXPECT_EQ(t.top(), slot(0).top());
}

TEST_F(OrdernumTest, CheckButtonReturnsWhenAllFiveTilesAreOnBoxesAgain) {
    form->cmdsoln->click();
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    drag(3, slot(0).left(), slot(0).top());
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    dragToBox(3, 3);
    EXPECT_TRUE(form->cmdcheckit->isVisible());

    // A wrong order shows it too; no release hides it.
    form->cmdsoln->click();
    drag(1, slot(4).left(), slot(4).top());
    drag(2, slot(1).left(), slot(1).top());
    dragToBox(1, 2);
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    dragToBox(2, 1);
    EXPECT_TRUE(form->cmdcheckit->isVisible());
    drag(2, slot(1).left(), slot(1).top());
    EXPECT_TRUE(form->cmdcheckit->isVisible());
}

TEST_F(OrdernumTest, CheckCountsExactPositionsWhateverTheOrderOfMoves) {
    struct Case {
        const char* what;
        bool solutionFirst;
        std::vector<std::pair<int, int>> moves;  // tile, box
        bool right;
    };
    const std::vector<Case> cases = {
        {"no move", false, {}, false},
        {"in order", false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, true},
        {"solution", true, {}, true},
        {"backwards", false, {{4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}}, true},
        {"shuffled, two moved twice", false, {{2, 2}, {0, 4}, {4, 1}, {0, 0}, {4, 4}, {1, 1}, {3, 3}}, true},
        {"two swapped", false, {{0, 0}, {1, 2}, {2, 1}, {3, 3}, {4, 4}}, false},
        {"solution, then two swapped", true, {{1, 3}, {3, 1}, {1, 3}}, false},
        {"four of five", false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, false},
    };
    for (const Case& c : cases) {
        for (float r : kFirstQuestion) rnd.push(r);
        form->cmdgo->click();
        ASSERT_TRUE(form->cmdcheckit->isVisible()) << c.what;
        for (int k = 0; k < 5; ++k) ASSERT_TRUE(atHome(k)) << c.what;
        if (c.solutionFirst) form->cmdsoln->click();
        for (auto [k, b] : c.moves) dragToBox(k, b);
        form->cmdcheckit_Click();
        EXPECT_EQ(form->imgtick->isVisible(), c.right) << c.what;
        EXPECT_EQ(form->imgcross->isVisible(), !c.right) << c.what;
        platform::PictureBox* shown = c.right ? form->imgtick : form->imgcross;
        EXPECT_EQ(shown->width(), 0.0f) << c.what;
        EXPECT_TRUE((c.right ? form->tmrtick : form->tmrcross)->isEnabled()) << c.what;
    }
}

TEST_F(OrdernumTest, PickedUpTileStandsInFrontOfEveryOtherTile) {
    for (int k : {4, 0, 2}) {
        tile(k).press({platform::LeftButton, 0, 10, 10});
        for (int other = 0; other < 5; ++other)
            if (other != k) {
                EXPECT_GT(tile(k).zValue(), tile(other).zValue());
            }
        EXPECT_GT(tile(k).zValue(), form->cmdcheckit->zValue());
        tile(k).release({platform::LeftButton, 0, 10, 10});
    }
}

// A finger on a whiteboard drags as the mouse does: touch goes to the shown window's view.
TEST_F(OrdernumTest, TouchDragPutsTileInABox) {
    form->showForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto* view = form->findChild<QGraphicsView*>();
    ASSERT_NE(view, nullptr);
    QWidget* viewport = view->viewport();
    QPointingDevice* finger = QTest::createTouchDevice();

    const int k = kTileOnSlot[2];
    const QPointF centre(tile(k).left() + tile(k).width() / 2, tile(k).top() + tile(k).height() / 2);
    const QPointF overBox(box(1).left() + 700, box(1).top() + 350);
    const QPoint from = view->mapFromScene(centre);
    const QPoint halfway = view->mapFromScene((centre + overBox) / 2);
    const QPoint to = view->mapFromScene(overBox);

    QTest::touchEvent(viewport, finger).press(0, from);
    QTest::touchEvent(viewport, finger).move(0, halfway);
    QTest::touchEvent(viewport, finger).move(0, to);
    QTest::touchEvent(viewport, finger).release(0, to);
    QCoreApplication::processEvents();

    EXPECT_TRUE(onBox(k, 1)) << "tile at " << tile(k).left() << ", " << tile(k).top();
}

// Moves that arrive back to back, before anything repaints, are measured from where the tile stood
// before the first of them; the tile must still end with its centre under the pointer.
TEST_F(OrdernumTest, BurstOfMovesKeepsTheTileCentreUnderThePointer) {
    enum Delivery { Handlers, ViewMouse, ViewTouch };
    for (Delivery delivery : {Handlers, ViewMouse, ViewTouch}) {
        SCOPED_TRACE(testing::Message() << "delivery " << delivery);
        for (float r : kFirstQuestion) rnd.push(r);
        form->cmdgo->click();
        const int k = kTileOnSlot[delivery];
        platform::Label& t = tile(k);
        const QPointF start(t.left(), t.top());
        const QPointF grab = start + QPointF(100, 100);  // off centre: the centre jumps under the pointer
        const std::vector<QPointF> path{grab + QPointF(-300, -500), grab + QPointF(-900, -1500), grab + QPointF(-1800, -3000)};
        QPointF pointer = path.back();
        if (delivery == Handlers) {
            t.press({platform::LeftButton, 0, 100, 100});
            for (const QPointF& p : path) {
                const QPointF stale = p - start;
                t.moveMouse({platform::LeftButton, 0, float(stale.x()), float(stale.y()), float(p.x()), float(p.y())});
            }
        } else {
            form->showForm();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
            auto* view = form->findChild<QGraphicsView*>();
            QWidget* viewport = view->viewport();
            static QPointingDevice* finger = QTest::createTouchDevice();
            QPoint at = view->mapFromScene(grab);
            if (delivery == ViewMouse) QTest::mousePress(viewport, Qt::LeftButton, {}, at);
            else QTest::touchEvent(viewport, finger, false).press(0, at).commit(false);
            for (const QPointF& p : path) {
                at = view->mapFromScene(p);
                if (delivery == ViewMouse) QTest::mouseMove(viewport, at);
                else QTest::touchEvent(viewport, finger, false).move(0, at).commit(false);
            }
            pointer = view->mapToScene(at);
        }
        EXPECT_NEAR(t.left() + t.width() / 2, pointer.x(), 1.0);
        EXPECT_NEAR(t.top() + t.height() / 2, pointer.y(), 1.0);
        t.release({platform::LeftButton, 0, 0, 0});
        QCoreApplication::processEvents();
    }
}

}  // namespace
