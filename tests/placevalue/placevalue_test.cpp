#include "activities/placevalue/placevalue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using placevalue::PlaceValue;

// Draws for a value of pick(low, high) in the middle of its slot.
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
    // Opens on 472 with its 7 in red.
    PlaceValue& open() {
        for (float r : {pickOf(472, 100, 999), pickOf(1, 0, 2)}) rnd.push(r);
        auto* screen = dynamic_cast<PlaceValue*>(windows.load("placevalue"));
        if (!screen) throw std::runtime_error("placevalue did not open");
        return *screen;
    }
    // The multiplying mode, asking 37.4 × 100.
    void askTimes(PlaceValue& s) {
        for (float r : {pickOf(2, 1, 3), pickOf(3, 1, 3), pickOf(3, 1, 9), pickOf(7, 0, 9), pickOf(4, 1, 9), pickOf(1, 0, 1)})
            rnd.push(r);
        s.modes.option(placevalue::kTimesDivide).click();
    }
    void type(PlaceValue& s, const char* keys) {
        s.pad.clear();
        for (const char* k = keys; *k; ++k) s.pad.press(QString(QLatin1Char(*k)));
    }
    bool judged(PlaceValue& s, const char* keys) {
        type(s, keys);
        s.cmdcheckit_Click();
        EXPECT_NE(s.imgtick->isVisible(), s.imgcross->isVisible());
        return s.imgtick->isVisible();
    }
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
    EXPECT_TRUE(judged(s, "70"));
    EXPECT_TRUE(judged(s, "70.0"));
    s.cmdsoln_Click();
    EXPECT_NE(s.chart.body(1).backColor(), s.chart.body(2).backColor());
    s.cmdsoln_Click();
    EXPECT_TRUE(s.lblvalue->isVisible());
    EXPECT_EQ(s.lblvalue->caption(), QStringLiteral("70"));
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("So it is worth 70.")));
}

TEST_F(PlaceValueScreen, TimesAHundredSlidesTwoColumnsAndLeavesAPlaceHolder) {
    PlaceValue& s = open();
    askTimes(s);
    EXPECT_EQ(rnd.remaining(), 0u);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Multiply 37.4 by 100."));
    EXPECT_EQ(digits(s), QStringLiteral("__374_"));
    for (const char* wrong : {"374", "37400", "3740.1", "1.2.3", "", "-"}) EXPECT_FALSE(judged(s, wrong)) << wrong;
    EXPECT_TRUE(judged(s, "3740"));
    EXPECT_TRUE(judged(s, "3740.00"));

    s.cmdsoln_Click();
    EXPECT_TRUE(s.steps.animating());
    s.steps.frame();
    EXPECT_LT(s.chart.digit(1).left(), s.chart.body(1).left());  // on its way left
    s.cmdsoln_Click();  // finishes the first slide and starts the second
    EXPECT_EQ(digits(s), QStringLiteral("_374__"));
    while (!s.steps.finished()) s.cmdsoln_Click();
    EXPECT_EQ(digits(s), QStringLiteral("3740__"));
    EXPECT_EQ(s.chart.digit(0).left(), s.chart.body(0).left());
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("37.4 \u00D7 100 = 3740")));
    EXPECT_FALSE(s.pad.key(QStringLiteral("1"))->enabled());

    for (float r : {pickOf(1, 1, 3), pickOf(1, 1, 3), pickOf(5, 1, 9), pickOf(0, -1, 3)}) rnd.push(r);  // 5 ÷ 10
    s.cmdgo_Click();
    EXPECT_EQ(s.steps.count(), 0);
    EXPECT_FALSE(s.imgtick->isVisible());
}

TEST_F(PlaceValueScreen, DecimalCommaLanguagesTypeAndShowACommaWithTheSameValue) {
    app::lang().langindex = app::LangIndex::number(2);
    PlaceValue& s = open();
    askTimes(s);
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Multipliziere 37,4 mit 100."));
    EXPECT_EQ(s.chart.point().caption(), QStringLiteral(","));
    // Dividing next: 5 ÷ 100 = 0,05.
    for (float r : {pickOf(2, 1, 3), pickOf(1, 1, 3), pickOf(5, 1, 9), pickOf(0, 0, 3)}) rnd.push(r);
    s.cmdgo_Click();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Dividiere 5 durch 100."));
    EXPECT_TRUE(judged(s, "0.05"));
    EXPECT_EQ(s.pad.text(), QStringLiteral("0,05"));
    s.pad.clear();
    s.pad.keyDown(Qt::Key_Period);
    EXPECT_EQ(s.pad.text(), QStringLiteral(","));
}

TEST_F(PlaceValueScreen, PartitionedNumberFliesIntoTheChartPartByPart) {
    PlaceValue& s = open();
    // The second question is a partition: 4072 shuffled, in the thousands mode.
    for (float r : {pickOf(4072, 1000, 9999), pickOf(2, 0, 2)}) rnd.push(r);
    s.modes.option(placevalue::kThousands).click();  // a red digit first
    for (float r : {pickOf(4072, 1000, 9999), 0.0f, 0.0f}) rnd.push(r);
    s.cmdgo_Click();
    ASSERT_EQ(s.question().kind, placevalue::Kind::Partition);
    EXPECT_EQ(s.parts.count(), 3);
    EXPECT_EQ(digits(s), QStringLiteral("____"));
    EXPECT_FALSE(judged(s, "472"));
    EXPECT_TRUE(judged(s, "4072"));
    QStringList shown;
    for (int k = 0; k < s.parts.count(); ++k) shown << s.parts.part(k).caption();
    EXPECT_EQ(shown, (QStringList{"70", "2", "4000"}));
    s.cmdsoln_Click();
    s.cmdsoln_Click();
    EXPECT_EQ(digits(s), QStringLiteral("__70"));  // 70 landed, 2 flying
    while (!s.steps.finished()) s.cmdsoln_Click();
    EXPECT_EQ(digits(s), QStringLiteral("4072"));
    EXPECT_EQ(s.lblstep->caption(), QStringLiteral("70 + 2 + 4000 = 4072"));
}

TEST_F(PlaceValueScreen, WithoutItsTextsTheActivityStillAsksAndChecks) {
    app::lang().blocks.clear();
    PlaceValue& s = open();
    EXPECT_TRUE(s.lblquestion->caption().isEmpty());
    EXPECT_TRUE(judged(s, "70"));
    askTimes(s);
    do s.cmdsoln_Click();
    while (!s.steps.finished());
    EXPECT_TRUE(s.lblstep->caption().endsWith(QStringLiteral("37.4 \u00D7 100 = 3740")));
}

}  // namespace
