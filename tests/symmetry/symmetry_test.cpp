#include "activities/symmetry/symmetry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using namespace symmetry;

class SymmetryScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("symmetry", [](app::WindowRegistry& w) { return new Symmetry(w); });
        for (const char* stub : {"menu5", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
        // Draws spread over [0, 1), plenty for every question a test asks.
        for (unsigned v = 1; v < 4000; ++v) rnd.push(float((v * 2654435761u) >> 8) / 16777216.0f);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    Symmetry& open() { return *dynamic_cast<Symmetry*>(windows.load("symmetry")); }
    static void tap(Symmetry& s, int k, int shade = 1) {
        if (s.optpen[0].isVisible()) s.optpen[shade - 1].click();
        const platform::MouseEvent e{platform::LeftButton, 0, (k % kSize) * Symmetry::kCell + 300, (k / kSize) * Symmetry::kCell + 300};
        s.grid->press(e);
        s.grid->release(e);
    }
    // Shades every twin the question wants, in its colour; returns an open square that should stay empty.
    static int complete(Symmetry& s) {
        const Shades whole = completed(s.question());
        int empty = -1;
        for (int k = kCells - 1; k >= 0; --k) {
            if (whole[k] != 0 && s.question().given[k] == 0) tap(s, k, whole[k]);
            if (whole[k] == 0 && !s.grid->cell(k / kSize, k % kSize).locked) empty = k;
        }
        return empty;
    }
    bool checked(Symmetry& s) {
        s.cmdcheckit_Click();
        return s.imgtick->isVisible() && !s.imgcross->isVisible();
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(SymmetryScreen, CheckWantsEveryTwinInItsColourAndNothingElse) {
    Symmetry& s = open();
    for (int mode = 0; mode < kModes; ++mode) {
        s.modes.option(mode).click();
        while (s.question().colours < 2) s.cmdgo_Click();
        const Question q = s.question();
        EXPECT_FALSE(checked(s)) << mode;
        const int extra = complete(s);
        EXPECT_TRUE(checked(s)) << mode;
        tap(s, extra);  // one square too many
        EXPECT_FALSE(checked(s)) << mode;
        tap(s, extra);
        int twin = 0, given = 0;
        while (q.given[twin] != 0 || completed(q)[twin] == 0) ++twin;
        tap(s, twin, completed(q)[twin]);  // one square missing
        EXPECT_FALSE(checked(s)) << mode;
        tap(s, twin, 3 - completed(q)[twin]);  // there, in the other colour
        EXPECT_FALSE(checked(s)) << mode;
        while (q.given[given] == 0) ++given;
        tap(s, given, q.given[given]);  // the given pattern is not the class's to change
        EXPECT_EQ(s.grid->cell(given / kSize, given % kSize).shade, q.given[given]) << mode;
    }
}

TEST_F(SymmetryScreen, SolutionBringsTheTwinsInNearestFirstThenRingsOnlyTheMistakes) {
    Symmetry& s = open();
    s.modes.option(kBoth).click();
    const Question q = s.question();
    const std::vector<Twin> first = reflectionsIn(q.given, q.mirrors[0]);
    const int extra = complete(s), missed = indexOf(first.back().square);
    tap(s, missed, first.back().shade);
    tap(s, extra, first.back().shade);
    s.cmdsoln_Click();
    EXPECT_EQ(s.shaded(), q.given);  // the class's shading gave way
    s.steps.frame();
    EXPECT_EQ(s.shaded()[indexOf(first[0].square)], first[0].shade);  // the nearest comes first
    s.cmdsoln_Click();  // finishes the upright mirror and reflects in the level one
    while (s.steps.animating()) s.steps.frame();
    EXPECT_EQ(s.shaded(), completed(q));
    s.cmdsoln_Click();
    EXPECT_TRUE(s.steps.finished());
    for (int k = 0; k < kCells; ++k) EXPECT_EQ(s.grid->cell(k / kSize, k % kSize).ringed, k == extra) << k;
    s.cmdgo_Click();
    EXPECT_FALSE(s.grid->cell(extra / kSize, extra % kSize).ringed);
}

TEST_F(SymmetryScreen, WithoutItsTextsThePageStillChecks) {
    app::lang().blocks.clear();
    Symmetry& s = open();
    complete(s);
    EXPECT_TRUE(checked(s));
}

}  // namespace
