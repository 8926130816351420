#include "activities/solids/solids.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <cmath>

#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using namespace solids;
using platform::SolidView;

// The solid's draw picks one of nine (eight for nets): these land on the solid named.
float drawOf(Solid solid, int of = kSolids) { return (float(solid) + 0.5f) / float(of); }

class SolidsTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::TextRows rows(30);
        for (int r = 0; r < 30; ++r) rows[r].fill(QStringLiteral("%1: %2").arg(r).arg("%1"));
        app::lang().blocks.insert("solids", rows);
        windows.define("solids", [](app::WindowRegistry& w) { return new Solids(w); });
        windows.define("menu5", [](app::WindowRegistry&) { return new platform::Form("menu5", 12000, 9000); });
        rnd.push(drawOf(kCube));
        form = static_cast<Solids*>(windows.load("solids"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    void ask(int mode, Solid solid) {
        rnd.push(drawOf(solid));
        form->modes.option(mode).click();
        ASSERT_EQ(form->question().solid, solid);
    }
    void type(const QString& keys) {
        form->pad.press("clear");
        for (QChar k : keys) form->pad.press(QString(k));
    }
    platform::MouseEvent at(float x, float y) const {
        return {platform::LeftButton, 0, x, y, form->solid->left() + x, form->solid->top() + y};
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Solids* form = nullptr;
};

TEST_F(SolidsTest, NamingIsAloudAndTheSolutionWritesTheName) {
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    EXPECT_FALSE(form->pad.visible());
    form->cmdsoln_Click();
    EXPECT_EQ(form->lblcount->caption(), QStringLiteral("10: %1"));  // the cube's name row
    form->cmdsoln_Click();
    EXPECT_EQ(form->lblstep->caption(), QStringLiteral("19:\u00A06\n20:\u00A012\n21:\u00A08"));
}

// The curved solids are counted as children count them.
TEST_F(SolidsTest, CountingChecksTheSchoolCount) {
    const struct {
        int mode;
        Solid solid;
        const char* right;
        const char* wrong;
    } cases[] = {{kFaces, kCylinder, "3", "2"}, {kEdges, kCylinder, "2", "0"}, {kVertices, kCylinder, "0", "2"},
                 {kFaces, kCone, "2", "1"},     {kEdges, kCone, "1", "2"},     {kVertices, kCone, "1", "0"},
                 {kFaces, kSphere, "1", "0"},   {kEdges, kSphere, "0", ""},    {kVertices, kHexagonalPrism, "12", "18"}};
    for (const auto& c : cases) {
        ask(c.mode, c.solid);
        EXPECT_TRUE(form->pad.visible());
        type(c.wrong);
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgcross->isVisible()) << c.mode << " " << c.solid;
        type(c.right);
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgtick->isVisible()) << c.mode << " " << c.solid;
    }
}

// Whatever is counted next is turned round to face the class.
TEST_F(SolidsTest, EveryFaceEdgeAndVertexCanBeTurnedIntoView) {
    for (int s = 0; s < kSolids; ++s) {
        const platform::Mesh& mesh = modelOf(static_cast<Solid>(s));
        for (int mode : {kFaces, kEdges, kVertices})
            for (int i = 0; i < countAsked(static_cast<Solid>(s), mode); ++i) {
                const platform::Point3 d = directionOf(mesh, mode, i);
                for (double from : {-170.0, 0.0, 95.0}) {
                    const auto [yaw, pitch] = SolidView::turnShowing(d, from);
                    EXPECT_LE(std::abs(pitch), 90.0);
                    EXPECT_GT(SolidView::turned(d, yaw, pitch).z, 0.9) << s << " " << mode << " " << i;
                }
            }
    }
}

TEST_F(SolidsTest, CountingSolutionLightsOneAtATimeWithTheCountAndShowsEach) {
    ask(kEdges, kCube);
    const platform::Mesh& mesh = modelOf(kCube);
    for (int i = 0; i < 12; ++i) {
        form->cmdsoln_Click();
        EXPECT_FALSE(form->solid->spinning());
        while (form->steps.animating()) form->steps.frame();
        EXPECT_EQ(form->solid->lit(), SolidView::Lit::Edges);
        EXPECT_EQ(form->solid->litCount(), i + 1);
        EXPECT_EQ(form->lblcount->caption(), QStringLiteral("20:\u00A0%1").arg(i + 1));
        // Both pieces beside the lit edge face the class once the turn is done.
        form->solid->project();
        const auto& edge = mesh.edges[static_cast<std::size_t>(i)];
        int facing = 0;
        for (std::size_t f = 0; f < mesh.facets.size(); ++f) {
            const auto& c = mesh.facets[f].corners;
            if (std::find(c.begin(), c.end(), edge[0]) != c.end() && std::find(c.begin(), c.end(), edge[1]) != c.end())
                facing += form->solid->facing(int(f));
        }
        EXPECT_EQ(facing, 2) << "edge " << i;
    }
    EXPECT_TRUE(form->steps.finished());
    // Next lets it spin again with nothing lit.
    rnd.push(drawOf(kCone));
    form->cmdgo_Click();
    EXPECT_TRUE(form->solid->spinning());
    EXPECT_EQ(form->solid->litCount(), 0);
}

// The running count is read from the back: one line, the number beside its word, never below 18 pt.
TEST_F(SolidsTest, TheRunningCountStaysOnOneLineInLongLanguages) {
    const struct {
        const char* words;
        Solid solid;
        int vertices;
    } cases[] = {{"Hoekpunten: %1", kHexagonalPrism, 12}, {"Sommets : %1", kCube, 8}, {"Fertigau: %1", kHexagonalPrism, 12}};
    for (const auto& c : cases) {
        app::lang().blocks["solids"][21].fill(QString::fromUtf8(c.words));
        ask(kVertices, c.solid);
        for (int i = 0; i < c.vertices; ++i) form->cmdsoln_Click();
        const platform::Label& count = *form->lblcount;
        EXPECT_GE(count.font().size, 18.0f) << c.words;
        EXPECT_LE(QFontMetricsF(platform::sceneFont(count.font())).horizontalAdvance(count.caption()), count.width() + 0.5) << c.words;
    }
}

TEST_F(SolidsTest, ADragTurnsItAndAThrowKeepsItSpinningGentlyThatWay) {
    SolidView& view = *form->solid;
    for (double way : {1.0, -1.0}) {
        const double yaw = view.yaw(), pitch = view.pitch();
        view.press(at(3000, 3000));
        view.moveMouse(at(3000 + float(way) * 500, 3100));
        EXPECT_NEAR(view.yaw(), yaw + way * 30, 1e-9);
        EXPECT_NEAR(view.pitch(), pitch + 6, 1e-9);
        form->tmrturn_Timer();  // held: the timer only feels its speed
        view.moveMouse(at(3000 + float(way) * 800, 3100));
        form->tmrturn_Timer();
        view.release(at(3000 + float(way) * 800, 3100));
        const double thrown = view.yaw();
        form->tmrturn_Timer();
        EXPECT_NEAR(std::remainder(view.yaw() - thrown, 360.0), way * 18 * 0.96 + way * SolidView::kGentleSpin * 0.04, 1e-6);
        for (int t = 0; t < 600; ++t) form->tmrturn_Timer();
        const double before = view.yaw();
        form->tmrturn_Timer();
        EXPECT_NEAR(std::remainder(view.yaw() - before, 360.0), way * SolidView::kGentleSpin, 1e-3);
    }
}

// The turn advances the same amount every 16 ms tick, and stops with the screen.
TEST_F(SolidsTest, TurningTimerTicksEvenlyAndStopsWhenTheScreenCloses) {
    EXPECT_TRUE(form->tmrturn->isEnabled());
    EXPECT_EQ(form->tmrturn->period(), platform::kShortestTimerPeriodMs);
    for (int t = 0; t < 10; ++t) {
        const double before = form->solid->yaw();
        form->tmrturn_Timer();
        EXPECT_NEAR(std::remainder(form->solid->yaw() - before, 360.0), SolidView::kGentleSpin, 1e-9);
    }
    form->cmdexit_Click();
    EXPECT_FALSE(form->tmrturn->isEnabled());
}

TEST_F(SolidsTest, NetsAreTappedAndTheRightOneIsRinged) {
    // A cuboid (third of eight), the cube as the look-alike, the right net in the middle.
    for (float r : {drawOf(kCuboid, 8), 0.0f, 0.0f, 0.0f, 0.0f, 0.9f, 0.5f}) rnd.push(r);
    form->modes.option(kNets).click();
    ASSERT_EQ(form->question().solid, kCuboid);
    ASSERT_EQ(form->question().rightNet, 1);
    EXPECT_FALSE(form->pad.visible());
    EXPECT_FALSE(form->picnet[1].polygons().empty());
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());  // nothing tapped
    form->picnet[0].click();
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
    form->picnet[1].click();
    EXPECT_EQ(form->chosenNet(), 1);
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    form->cmdsoln_Click();
    EXPECT_TRUE(form->picnet[1].ring().isValid());
    EXPECT_FALSE(form->picnet[0].ring().isValid());
    form->picnet[2].click();
    EXPECT_EQ(form->chosenNet(), 1);  // no choosing over the solution
}

}  // namespace
