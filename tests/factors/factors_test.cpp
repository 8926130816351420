#include "activities/factors/factors.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using factors::Factors;

class FactorsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("factors", [](app::WindowRegistry& w) { return new Factors(w); });
        for (const char* stub : {"menu1", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    // Opens on the multiples of 7.
    Factors& open() {
        rnd.push(0.5f);
        auto* screen = dynamic_cast<Factors*>(windows.load("factors"));
        if (!screen) throw std::runtime_error("factors did not open");
        return *screen;
    }
    void tap(Factors& s, int number) {
        const platform::MouseEvent e{platform::LeftButton, 0, Factors::columnOf(number) * s.grid->cellSize() + 300,
                                     Factors::rowOf(number) * s.grid->cellSize() + 300};
        s.grid->press(e);
        s.grid->release(e);
    }
    bool checked(Factors& s) {
        s.cmdcheckit_Click();
        EXPECT_NE(s.imgtick->isVisible(), s.imgcross->isVisible());
        return s.imgtick->isVisible();
    }
    void solveAll(Factors& s) {
        do {
            s.cmdsoln_Click();
            while (s.steps.animating()) s.steps.frame();
        } while (!s.steps.finished());
    }
    int shade(Factors& s, int number) { return s.grid->cell(Factors::rowOf(number), Factors::columnOf(number)).shade; }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(FactorsScreen, CheckComparesTheShadedSetExactly) {
    Factors& s = open();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Shade the multiples of 7."));
    EXPECT_FALSE(checked(s));  // nothing shaded
    for (int n = 7; n <= 98; n += 7) tap(s, n);
    EXPECT_TRUE(checked(s));
    tap(s, 50);  // one cell too many
    EXPECT_FALSE(checked(s));
    tap(s, 50);
    tap(s, 98);  // one cell missing
    EXPECT_FALSE(checked(s));
    tap(s, 98);
    EXPECT_TRUE(checked(s));
}

TEST_F(FactorsScreen, SolutionCountsTheRightCellsInAndRingsOnlyTheMistakes) {
    Factors& s = open();
    tap(s, 14);
    tap(s, 15);
    s.cmdsoln_Click();
    EXPECT_EQ(shade(s, 14), 0);  // the class's shading gave way to the count
    s.steps.frame();
    s.steps.frame();
    EXPECT_EQ(shade(s, 7), 1);
    EXPECT_EQ(shade(s, 98), 0);  // not counted in yet
    solveAll(s);
    for (int n = 1; n <= factors::kCells; ++n) {
        EXPECT_EQ(shade(s, n), n % 7 == 0 ? 1 : 0) << n;
        EXPECT_EQ(s.grid->cell(Factors::rowOf(n), Factors::columnOf(n)).ringed, n == 15) << n;
    }
    tap(s, 50);
    EXPECT_EQ(shade(s, 50), 0);  // the square is shown, not tapped, during the solution
    rnd.push(0.95f);
    s.cmdgo_Click();
    EXPECT_EQ(shade(s, 7), 0);
    EXPECT_FALSE(s.grid->cell(Factors::rowOf(15), Factors::columnOf(15)).ringed);
}

TEST_F(FactorsScreen, FactorModeListsThePairsBesideTheSquare) {
    Factors& s = open();
    // 36 among the numbers with at least four factors: draw it by its index.
    int index = 0;
    for (int n = 6; n < 36; ++n) index += factors::factorsOf(n).size() >= 4;
    const int count = [] {
        int c = 0;
        for (int n = 6; n <= 100; ++n) c += factors::factorsOf(n).size() >= 4;
        return c;
    }();
    rnd.push((index + 0.5f) / float(count));
    s.modes.option(factors::kFactors).click();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Shade the factors of 36."));
    for (int n : {1, 2, 3, 4, 6, 9, 12, 18, 36}) tap(s, n);
    EXPECT_TRUE(checked(s));
    solveAll(s);
    EXPECT_TRUE(s.lblpairs[0].isVisible());
    EXPECT_EQ(s.lblpairs[0].caption(), QStringLiteral("36\n1 \u00D7 36\n2 \u00D7 18\n3 \u00D7 12\n4 \u00D7 9\n6 \u00D7 6"));
}

TEST_F(FactorsScreen, CommonMultiplesNeedBothColoursAndShowTheOverlap) {
    Factors& s = open();
    rnd.push(0.0f);  // the first pair, 2 and 3
    rnd.push(0.25f);  // 3 first
    s.modes.option(factors::kCommonMultiples).click();
    const factors::Question q = s.question();
    ASSERT_EQ(q.a, 3);
    ASSERT_EQ(q.b, 2);
    EXPECT_TRUE(s.optpen[1].isVisible());
    for (int n = 3; n <= 99; n += 3) tap(s, n);
    s.optpen[1].click();
    for (int n = 2; n <= 100; n += 2) tap(s, n);
    EXPECT_EQ(shade(s, 6), factors::kFirst | factors::kSecond);
    EXPECT_TRUE(checked(s));
    tap(s, 6);  // blue taken off a green cell leaves it yellow
    EXPECT_EQ(shade(s, 6), factors::kFirst);
    EXPECT_FALSE(checked(s));
    solveAll(s);
    EXPECT_TRUE(s.lblcommon->isVisible());
    EXPECT_TRUE(s.lblcommon->caption().contains(QStringLiteral("6, 12, 18")));
}

TEST_F(FactorsScreen, WithoutItsTextsTheSquareStillChecks) {
    app::lang().blocks.clear();
    Factors& s = open();
    EXPECT_TRUE(s.lblquestion->caption().isEmpty());
    for (int n = 7; n <= 98; n += 7) tap(s, n);
    EXPECT_TRUE(checked(s));
}

}  // namespace
