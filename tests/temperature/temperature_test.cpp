#include "activities/temperature/temperature.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using platform::LeftButton;
using temperature::Temperature;

class TemperatureTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        // The real texts, so the questions are read as the class reads them.
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("temperature", [](app::WindowRegistry& w) { return new Temperature(w); });
        windows.define("menu4", [](app::WindowRegistry&) { return new platform::Form("menu4", 12000, 9000); });
        // Crossing, falling, from 1 + 0.25 · 10 = 3 down to −(1 + 0.45 · 10) = −5.
        for (float r : {0.1f, 0.9f, 0.25f, 0.45f}) rnd.push(r);
        form = static_cast<Temperature*>(windows.load("temperature"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    float formY(double degrees, float extra = 0) const {
        return form->thermometer->top() + form->thermometer->yOf(degrees) + extra;
    }
    // The column's top taken by its grip and dragged through the given heights on the form.
    void drag(std::initializer_list<float> ys) {
        platform::Label& grip = *form->lblgrip;
        const float x = grip.left() + 450, y0 = grip.top() + 330;
        grip.press({LeftButton, 0, 450, 330, x, y0});
        for (float y : ys) grip.moveMouse({LeftButton, 0, 0, 0, x + 200, y});
        grip.release({LeftButton, 0, 0, 0, x, ys.size() ? *(ys.end() - 1) : y0});
    }
    void type(const QString& text) { form->pad.setText(0, text); }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Temperature* form = nullptr;
};

TEST_F(TemperatureTest, TheColumnSnapsToWholeDegreesOnTheScaleAndCheckJudgesIt) {
    ASSERT_EQ(form->question().before, 3);
    ASSERT_EQ(form->question().after, -5);
    EXPECT_EQ(form->lblquestion->caption(),
              QString::fromUtf8("It is 3\u00a0°C. The temperature falls by 8 degrees. What is it now?"));
    EXPECT_EQ(form->columnAt(), 3);
    EXPECT_EQ(form->thermometer->flag(), 3.0);

    // Down past −5 and back to a little below it: the nearest whole degree.
    drag({formY(0), formY(-8), formY(-5, 40)});
    EXPECT_EQ(form->columnAt(), -5);
    EXPECT_DOUBLE_EQ(form->thermometer->reading(), -5);
    EXPECT_FLOAT_EQ(form->lblgrip->top() + 330, formY(-5));
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    drag({formY(-4, 30)});
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
    // Far off either end of the scale it stops at the end.
    drag({formY(0, 50000)});
    EXPECT_EQ(form->columnAt(), -10);
    drag({formY(0, -50000)});
    EXPECT_EQ(form->columnAt(), 10);

    // Something typed is the answer given, whichever minus sign it carries.
    for (const char* typed : {"-5", "\u22125"}) {
        type(QString::fromUtf8(typed));
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgtick->isVisible()) << typed;
    }
    type(QStringLiteral("5"));
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
}

TEST_F(TemperatureTest, TheSolutionMovesTheColumnDegreeByDegreeInTwoPartsThroughZero) {
    form->cmdsoln_Click();
    EXPECT_FALSE(form->lblgrip->enabled());
    ASSERT_EQ(form->thermometer->brackets().size(), 2u);
    for (int frame = 0; frame < 5; ++frame) {
        form->steps.frame();
        const double reading = form->thermometer->reading();
        EXPECT_EQ(reading, std::floor(reading));  // whole degrees only
        EXPECT_EQ(form->thermometer->brackets()[0].end, reading);
    }
    form->cmdsoln_Click();
    while (form->steps.animating()) form->steps.frame();
    EXPECT_EQ(form->thermometer->brackets()[1].end, -5);
    EXPECT_EQ(form->thermometer->brackets()[1].label, QStringLiteral("5"));
    form->cmdsoln_Click();
    EXPECT_TRUE(form->steps.finished());
    EXPECT_EQ(form->lblstep->caption(), QString::fromUtf8("3 degrees down to 0\u00a0°C.\n5 degrees down to -5\u00a0°C.\n"
                                                          "3 + 5 = 8\nIt is now -5\u00a0°C."));
    EXPECT_EQ(form->columnAt(), -5);
}

// A difference is asked as a rise or a fall and answered as a number of degrees above zero.
TEST_F(TemperatureTest, ADifferenceIsAPositiveNumberOfDegreesWithRiseOrFallInTheQuestion) {
    platform::ClockRandom clock;
    for (int i = 0; i < 400; ++i) rnd.push(clock.next());
    form->modes.option(temperature::kDifference).click();
    for (int i = 0; i < 12; ++i) {
        const temperature::Question& q = form->question();
        const QString asked = form->lblquestion->caption();
        EXPECT_GT(temperature::change(q), 0);
        EXPECT_TRUE(asked.contains(temperature::rises(q) ? QStringLiteral("rise?") : QStringLiteral("fall?"))) << asked.toStdString();
        EXPECT_TRUE(asked.contains(QString::number(q.before) + QChar(0xA0))) << asked.toStdString();
        EXPECT_FALSE(form->lblgrip->enabled());  // the column shows the second reading; it is not the answer
        type(QString::number(temperature::change(q)));
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgtick->isVisible());
        type(QString::number(-temperature::change(q)));
        form->cmdcheckit_Click();
        EXPECT_TRUE(form->imgcross->isVisible());
        form->cmdgo_Click();
    }
}

// The longest texts of the menu: every question, hint and mode fits its box at zoom 1 in every language.
TEST_F(TemperatureTest, EveryLanguagesTextsFitTheirBoxes) {
    platform::ClockRandom clock;
    for (int i = 0; i < 2000; ++i) rnd.push(clock.next());
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        for (int mode = 0; mode < temperature::kModes; ++mode) {
            form->modes.option(mode).click();
            for (int question = 0; question < 8; ++question, form->cmdgo_Click()) {
                for (const platform::Label* label : {form->lblquestion, form->lblhint})
                    EXPECT_TRUE(label->captionFits(label->caption(), label->font().size))
                        << "language " << language << ": " << label->caption().toStdString();
            }
            for (int press = 0; press < 3; ++press) form->cmdsoln_Click();
            EXPECT_TRUE(form->lblstep->captionFits(form->lblstep->caption(), 18)) << form->lblstep->caption().toStdString();
        }
    }
    app::lang().langindex = app::LangIndex();
}

}  // namespace
