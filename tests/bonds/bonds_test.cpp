#include <gtest/gtest.h>

#include "activities/bonds/bonds.h"
#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using bonds::Bonds;

namespace {

class BondsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("bonds", [](app::WindowRegistry& w) { return new Bonds(w); });
        for (const char* stub : {"menu2", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override { app::lang().langindex = app::LangIndex::number(0); }

    // The draws that ask a bond to 100 (or, in the bonds to 1, in hundredths).
    void script(int mode, long long known, bool subtraction) {
        if (mode == bonds::kOne) {
            rnd.push(known % 10 == 0 ? 0.0f : 0.9f);
            rnd.push(known % 10 == 0 ? (known / 10 - 0.5f) / 9 : (known - known / 10 - 0.5f) / 90);
        } else if (mode == bonds::kThousand) {
            rnd.push((known / 10 - 0.5f) / 99);
        } else {
            rnd.push((known - 0.5f) / (bonds::wholeOf(mode) - 1));
        }
        rnd.push(subtraction ? 0.1f : 0.9f);
    }
    Bonds& open(int mode, long long known, bool subtraction = false) {
        script(bonds::kTen, 3, false);
        auto* screen = dynamic_cast<Bonds*>(windows.load("bonds"));
        if (!screen) throw std::runtime_error("bonds did not open");
        script(mode, known, subtraction);
        screen->modes.option(mode).click();
        EXPECT_EQ(rnd.remaining(), 0u);
        EXPECT_EQ(screen->question().known, known);
        return *screen;
    }
    bool check(Bonds& s, const QString& typed) {
        s.pad.setText(0, typed);
        s.cmdcheckit_Click();
        return s.imgtick->isVisible() && !s.imgcross->isVisible();
    }
    static void solve(Bonds& s) {
        do s.cmdsoln_Click();
        while (!s.steps.finished());
    }

    testsupport::DataFolder folder;
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

}  // namespace

TEST_F(BondsScreen, BondToOneIsShownCheckedAndSolvedWithoutBinaryNoise) {
    Bonds& s = open(bonds::kOne, 37);
    EXPECT_EQ(s.lblquestion->caption(), "0.37 + ? = 1");
    for (const char* right : {"0.63", "0,63", ".63"}) EXPECT_TRUE(check(s, right)) << right;
    for (const char* wrong : {"0.64", "63", ""}) EXPECT_FALSE(check(s, wrong)) << wrong;
    EXPECT_EQ(s.lblmissing->caption(), "?") << "a cross never reveals the answer";

    solve(s);
    EXPECT_EQ(s.line->jumps()[0].label, "+0.03");
    EXPECT_EQ(s.line->jumps()[1].label, "+0.6");
    EXPECT_EQ(s.lblworking->caption(), "0.03 + 0.6 = 0.63");
    EXPECT_EQ(s.lblquestion->caption(), "0.37 + 0.63 = 1");
    EXPECT_EQ(s.lblmissing->caption(), "0.63");
}

TEST_F(BondsScreen, CommaLanguagesWriteAndAcceptTheDecimalComma) {
    app::lang().langindex = app::LangIndex::number(2);
    Bonds& s = open(bonds::kOne, 40, true);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("1 \u2212 0,4 = ?"));
    EXPECT_TRUE(check(s, "0,6"));
    EXPECT_TRUE(check(s, "0.6"));
    EXPECT_EQ(s.modes.option(bonds::kOne).caption(), "Bis 1 (Zehntel, Hundertstel)");
}

TEST_F(BondsScreen, SolutionCountsUpOneJumpAPressThenFillsTheEmptyPart) {
    Bonds& s = open(bonds::kHundred, 37);
    s.cmdsoln_Click();
    EXPECT_EQ(s.steps.count(), 3);
    EXPECT_FALSE(s.pad.press("5")) << "the pad is still while the solution shows";
    while (s.steps.animating()) s.steps.frame();
    EXPECT_EQ(s.line->jumpsShown(), 1);
    s.cmdsoln_Click();
    s.cmdsoln_Click();  // a press mid-animation finishes the arc and starts the fill
    EXPECT_EQ(s.line->jumpsShown(), 2);
    EXPECT_FALSE(s.lblmissing->isVisible());
    while (s.steps.animating()) s.steps.frame();
    EXPECT_EQ(s.lblmissing->caption(), "63");
    EXPECT_EQ(s.lblworking->caption(), "3 + 60 = 63");

    script(bonds::kHundred, 52, false);
    s.cmdgo_Click();
    EXPECT_EQ(s.lblmissing->caption() + s.lblworking->caption(), "?") << "Next clears the working";
}
