#include "activities/placevalue/placevalue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using placevalue::PlaceValue;

// The draw that picks `value` from low … high.
float pickOf(int value, int low, int high) { return (float(value - low) + 0.5f) / float(high - low + 1); }

class PlaceValueScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("placevalue", [](app::WindowRegistry& w) { return new PlaceValue(w); });
        for (const char* stub : {"menu1", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
        app::lang().langindex = app::LangIndex::number(0);
    }
    void script(std::initializer_list<float> draws) {
        for (float r : draws) rnd.push(r);
    }
    // Opens on 472 with its 7 in red.
    PlaceValue& open() {
        script({pickOf(472, 100, 999), pickOf(1, 0, 2)});
        return *dynamic_cast<PlaceValue*>(windows.load("placevalue"));
    }
    // The scaling mode, asking 37.4 × 100: shift 2, three digits 3 7 4, the 3 in the tens.
    void askTimes(PlaceValue& s) {
        script({pickOf(2, 1, 3), pickOf(3, 1, 3), pickOf(3, 1, 9), pickOf(7, 0, 9), pickOf(4, 1, 9), pickOf(1, 0, 1)});
        s.modes.option(placevalue::kTimesDivide).click();
    }
    bool judged(PlaceValue& s, const char* keys) {
        s.pad.clear();
        for (const char* k = keys; *k; ++k) s.pad.press(QString(QLatin1Char(*k)));
        s.cmdcheckit_Click();
        EXPECT_NE(s.imgtick->isVisible(), s.imgcross->isVisible());
        return s.imgtick->isVisible();
    }
    void solveAll(PlaceValue& s) {
        do s.cmdsoln_Click();
        while (!s.steps.finished());
    }
    // The chart's cards from the highest column, "_" for an empty one.
    QString digits(PlaceValue& s) {
        QString shown;
        for (int p = s.chart.columns().highest; p >= s.chart.columns().lowest; --p)
            shown += s.chart.digit(p).caption().isEmpty() ? QStringLiteral("_") : s.chart.digit(p).caption();
        return shown;
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(PlaceValueScreen, RedDigitIsCheckedByItsWorthAndTheSolutionLightsItsColumn) {
    PlaceValue& s = open();
    EXPECT_EQ(digits(s), QStringLiteral("472"));
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("What is the value of the red digit?"));
    EXPECT_FALSE(judged(s, "7"));
    EXPECT_FALSE(judged(s, "700"));
    EXPECT_TRUE(judged(s, "70.0"));
    s.cmdsoln_Click();
    EXPECT_NE(s.chart.body(1).backColor(), s.chart.body(2).backColor());
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblvalue->caption(), QStringLiteral("70"));
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("So it is worth 70.")));
}

TEST_F(PlaceValueScreen, TimesAHundredIsExactAndSlidesTwoColumnsLeavingAPlaceHolder) {
    PlaceValue& s = open();
    askTimes(s);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Multiply 37.4 by 100."));
    EXPECT_EQ(digits(s), QStringLiteral("__374_"));
    for (const char* wrong : {"374", "37400", "3740.1", "1.2.3", "", "-"}) EXPECT_FALSE(judged(s, wrong)) << wrong;
    EXPECT_TRUE(judged(s, "3740.00"));
    s.cmdsoln_Click();
    s.steps.frame();
    EXPECT_LT(s.chart.digit(1).left(), s.chart.body(1).left());  // on its way left
    s.cmdsoln_Click();
    EXPECT_EQ(digits(s), QStringLiteral("_374__"));
    solveAll(s);
    EXPECT_EQ(digits(s), QStringLiteral("3740__"));
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("37.4 \u00D7 100 = 3740")));
    EXPECT_FALSE(s.pad.key(QStringLiteral("1"))->enabled());
}

TEST_F(PlaceValueScreen, DecimalCommaLanguagesShowAndTypeACommaForTheSameValue) {
    app::lang().langindex = app::LangIndex::number(2);
    PlaceValue& s = open();
    askTimes(s);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Multipliziere 37,4 mit 100."));
    EXPECT_EQ(s.chart.point().caption(), QStringLiteral(","));
    script({pickOf(2, 1, 3), pickOf(1, 1, 3), pickOf(5, 1, 9), pickOf(0, 0, 3)});  // 5 ÷ 100
    s.cmdgo_Click();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Dividiere 5 durch 100."));
    EXPECT_TRUE(judged(s, "0.05"));
    EXPECT_EQ(s.pad.text(), QStringLiteral("0,05"));
}

TEST_F(PlaceValueScreen, PartitionedNumberFliesIntoTheChartPartByPart) {
    PlaceValue& s = open();
    script({pickOf(4072, 1000, 9999), pickOf(2, 0, 2)});  // the thousands mode opens on a red digit
    s.modes.option(placevalue::kThousands).click();
    script({pickOf(4072, 1000, 9999), 0.0f, 0.0f});  // then 4072, its parts shuffled to 70, 2, 4000
    s.cmdgo_Click();
    EXPECT_EQ(digits(s), QStringLiteral("____"));
    EXPECT_EQ(s.parts.part(0).caption() + s.parts.part(1).caption() + s.parts.part(2).caption(), QStringLiteral("7024000"));
    EXPECT_TRUE(judged(s, "4072"));
    s.cmdsoln_Click();
    s.cmdsoln_Click();
    EXPECT_EQ(digits(s), QStringLiteral("__70"));  // 70 landed, 2 flying
    solveAll(s);
    EXPECT_EQ(digits(s), QStringLiteral("4072"));
    EXPECT_EQ(s.lblstep->caption(), QStringLiteral("70 + 2 + 4000 = 4072"));
}

TEST_F(PlaceValueScreen, WithoutItsTextsTheActivityStillAsksChecksAndSolves) {
    app::lang().blocks.clear();
    PlaceValue& s = open();
    EXPECT_TRUE(s.lblquestion->caption().isEmpty());
    EXPECT_TRUE(judged(s, "70"));
    askTimes(s);
    solveAll(s);
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("37.4 \u00D7 100 = 3740")));
}

}  // namespace
