#include <gtest/gtest.h>

#include "activities/doubles/doubles.h"
#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using doubles::Doubles;

namespace {

class DoublesScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("doubles", [](app::WindowRegistry& w) { return new Doubles(w); });
        for (const char* stub : {"menu2", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override { app::lang().langindex = app::LangIndex::number(0); }

    // Opens the screen and asks "Double n" (11 to 50) or "Half of n" (1 to 100) through the modes.
    Doubles& open(bool half, int n) {
        rnd.push(0.5f);
        auto* screen = dynamic_cast<Doubles*>(windows.load("doubles"));
        if (!screen) throw std::runtime_error("doubles did not open");
        rnd.push(half ? (n - 0.5f) / 100 : (n - 10.5f) / 40);
        screen->modes.option(half ? doubles::kHalvesTo100 : doubles::kDoublesTo100).click();
        EXPECT_EQ(screen->question().number, n);
        EXPECT_EQ(rnd.remaining(), 0u);
        return *screen;
    }
    static bool check(Doubles& s, const QString& typed) {
        s.pad.setText(0, typed);
        s.cmdcheckit_Click();
        return s.imgtick->isVisible();
    }
    static void press(Doubles& s) {
        s.cmdsoln_Click();
        s.steps.finishAnimation();
    }
    static QPointF centreOf(const platform::Control& c) { return {c.left() + c.width() / 2, c.top() + c.height() / 2}; }

    testsupport::DataFolder folder;
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

}  // namespace

TEST_F(DoublesScreen, HalfOfAnOddNumberChecksWithEitherSeparator) {
    Doubles& s = open(true, 37);
    EXPECT_EQ(s.lblquestion->caption(), "Half of 37");
    for (const char* right : {"18.5", "18,5", "18.50"}) EXPECT_TRUE(check(s, right)) << right;
    for (const char* wrong : {"18", "19", "185", "-18.5"}) EXPECT_FALSE(check(s, wrong)) << wrong;
}

TEST_F(DoublesScreen, CommaLanguagesAskAndAnswerInTheirOwnWay) {
    app::lang().langindex = app::LangIndex::number(1);
    Doubles& s = open(true, 37);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("La moiti\u00E9 de 37"));
    EXPECT_TRUE(check(s, "18,5"));
    EXPECT_TRUE(check(s, "18.5"));
    while (!s.steps.finished() || s.steps.empty()) press(s);
    EXPECT_EQ(s.lbldone[1].caption(), "3,5");
    EXPECT_EQ(s.lblop[0].caption(), ": 2");
    EXPECT_EQ(s.lblstep->caption(), QStringLiteral("La moiti\u00E9 de 37 est 18,5."));
}

TEST_F(DoublesScreen, PartitioningDiagramComesOneStepAPress) {
    Doubles& s = open(false, 36);
    press(s);
    EXPECT_EQ(s.lblpart[0].caption() + " " + s.lblpart[1].caption(), "30 6");
    EXPECT_FALSE(s.lbldone[0].isVisible());
    // Each part ends beside the other under the number, its line following it there.
    EXPECT_LT(centreOf(s.lblpart[0]).x(), centreOf(*s.lblnumber).x());
    EXPECT_EQ(QPointF(s.linesplit[1].x2(), s.linesplit[1].y2()), QPointF(centreOf(s.lblpart[1]).x(), s.lblpart[1].top()));

    press(s);
    EXPECT_EQ(s.lbldone[0].caption() + " " + s.lbldone[1].caption(), "60 12");
    EXPECT_FALSE(s.lblresult->isVisible());

    press(s);
    EXPECT_TRUE(s.steps.finished());
    EXPECT_EQ(s.lblresult->caption(), "72");
    EXPECT_EQ(s.lblstep->caption(), "Double 36 is 72.");

    rnd.push(0.5f);
    s.cmdgo_Click();
    EXPECT_FALSE(s.lblresult->isVisible() || s.lblpart[0].isVisible());
}

TEST_F(DoublesScreen, ANumberOfOnePartIsWorkedInOneStep) {
    Doubles& s = open(false, 40);
    press(s);
    EXPECT_TRUE(s.steps.finished());
    EXPECT_EQ(s.lbldone[0].caption(), "80");
    EXPECT_EQ(s.lblstep->caption(), "Double 40 is 80.");
}
