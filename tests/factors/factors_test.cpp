#include "activities/factors/factors.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

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
        return *dynamic_cast<Factors*>(windows.load("factors"));
    }
    void tap(Factors& s, int n) {
        const platform::MouseEvent e{platform::LeftButton, 0, Factors::columnOf(n) * s.grid->cellSize() + 300,
                                     Factors::rowOf(n) * s.grid->cellSize() + 300};
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
    const platform::Grid::Cell& cell(Factors& s, int n) { return s.grid->cell(Factors::rowOf(n), Factors::columnOf(n)); }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(FactorsScreen, CheckComparesTheShadedSetExactly) {
    Factors& s = open();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Shade the multiples of 7."));
    EXPECT_FALSE(checked(s));
    for (int n = 7; n <= 98; n += 7) tap(s, n);
    EXPECT_TRUE(checked(s));
    tap(s, 50);  // one cell too many
    EXPECT_FALSE(checked(s));
    tap(s, 50);
    tap(s, 98);  // one cell missing
    EXPECT_FALSE(checked(s));
}

TEST_F(FactorsScreen, SolutionCountsTheRightCellsInAndRingsOnlyTheMistakes) {
    Factors& s = open();
    tap(s, 14);
    tap(s, 15);
    s.cmdsoln_Click();
    EXPECT_EQ(cell(s, 14).shade, 0);  // the class's shading gave way to the count
    s.steps.frame();
    s.steps.frame();
    EXPECT_EQ(cell(s, 7).shade, 1);
    EXPECT_EQ(cell(s, 98).shade, 0);  // not counted in yet
    solveAll(s);
    for (int n = 1; n <= factors::kCells; ++n) {
        EXPECT_EQ(cell(s, n).shade, n % 7 == 0 ? 1 : 0) << n;
        EXPECT_EQ(cell(s, n).ringed, n == 15) << n;
    }
    tap(s, 50);
    EXPECT_EQ(cell(s, 50).shade, 0);  // no taps while the solution shows
    rnd.push(0.95f);
    s.cmdgo_Click();
    EXPECT_EQ(cell(s, 7).shade, 0);
    EXPECT_FALSE(cell(s, 15).ringed);
}

TEST_F(FactorsScreen, FactorPairsAndCommonMultiplesInTwoColours) {
    Factors& s = open();
    int index = 0, count = 0;  // 36 by its place among the numbers with four factors or more
    for (int n = 6; n <= 100; ++n)
        if (factors::factorsOf(n).size() >= 4) {
            index += n < 36;
            ++count;
        }
    rnd.push((index + 0.5f) / float(count));
    s.modes.option(factors::kFactors).click();
    for (int n : {1, 2, 3, 4, 6, 9, 12, 18, 36}) tap(s, n);
    EXPECT_TRUE(checked(s));
    solveAll(s);
    EXPECT_EQ(s.lblpairs[0].caption(), QStringLiteral("36\n1 \u00D7 36\n2 \u00D7 18\n3 \u00D7 12\n4 \u00D7 9\n6 \u00D7 6"));

    rnd.push(0.0f);   // the first pair, 2 and 3
    rnd.push(0.25f);  // 3 first
    s.modes.option(factors::kCommonMultiples).click();
    ASSERT_EQ(s.question(), (factors::Question{factors::kCommonMultiples, 3, 2}));
    for (int n = 3; n <= 99; n += 3) tap(s, n);
    s.optpen[1].click();
    for (int n = 2; n <= 100; n += 2) tap(s, n);
    EXPECT_EQ(cell(s, 6).shade, factors::kFirst | factors::kSecond);
    EXPECT_TRUE(checked(s));
    tap(s, 6);  // blue taken off a green cell leaves it yellow
    EXPECT_EQ(cell(s, 6).shade, factors::kFirst);
    EXPECT_FALSE(checked(s));
    solveAll(s);
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
