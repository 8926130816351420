#include "activities/countback/countback.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using countback::Countback;
using platform::LeftButton;
using platform::MouseEvent;

class CountbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::TextRows rows;
        for (int r = 0; r < 12; ++r) rows.push_back(app::TextRow{});
        for (int r = 0; r < 12; ++r) rows[r].fill(QStringLiteral("%1: %2 %3").arg(r).arg("%1", "%2"));
        app::lang().blocks.insert("countback", rows);
        windows.define("countback", [](app::WindowRegistry& w) { return new Countback(w); });
        windows.define("menu4", [](app::WindowRegistry&) { return new platform::Form("menu4", 12000, 9000); });
        // Crossing zero first: start 1 + 0.28 · 11 = 4, then 5 + 0.26 · 8 = 7 ones back, landing on −3.
        for (float r : {0.28f, 0.26f}) rnd.push(r);
        form = static_cast<Countback*>(windows.load("countback"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    // The pointer on the form over a value of the line (or `extra` twips beyond it).
    float formX(double units, float extra = 0) const { return form->line->left() + form->line->along(units) + extra; }
    // A drag of the counter by its handle from where it stands to a place on the form.
    void drag(std::initializer_list<float> xs) {
        const float y = form->lblcounter->top() + 200;
        const float x0 = form->lblcounter->left() + 330;
        form->lblcounter->press({LeftButton, 0, 330, 200, x0, y});
        for (float x : xs) form->lblcounter->moveMouse({LeftButton, 0, 0, 0, x, y + 90});
        form->lblcounter->release({LeftButton, 0, 0, 0, xs.size() ? *(xs.end() - 1) : x0, y});
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Countback* form = nullptr;
};

TEST_F(CountbackTest, TheCounterSnapsToTheModesStepsAndCheckJudgesWhereItStands) {
    ASSERT_EQ(form->question().start, 4);
    ASSERT_EQ(countback::landing(form->question()), -3);
    EXPECT_EQ(form->counterAt(), 4);
    EXPECT_TRUE(form->lblquestion->caption().startsWith(QStringLiteral("0: 4 7"))) << form->lblquestion->caption().toStdString();
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());  // still on the start

    // Dragged past −3 and back to a little right of it: the nearest one wins.
    drag({formX(0), formX(-6), formX(-3, 90)});
    EXPECT_EQ(form->counterAt(), -3);
    EXPECT_FLOAT_EQ(form->lblcounter->left() + 330, formX(-3));
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    drag({formX(-2, -90)});
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
    // Far past either end it stays on the line.
    drag({formX(0, -20000)});
    EXPECT_EQ(form->counterAt(), -20);
    drag({formX(0, 20000)});
    EXPECT_EQ(form->counterAt(), 20);

    // In tens it only stands on tens.
    for (float r : {0.9f, 0.5f, 0.5f, 0.5f}) rnd.push(r);  // not crossing: from −40, 4 tens back
    form->modes.option(countback::kTens).click();
    drag({formX(-34)});
    EXPECT_EQ(form->counterAt(), -30);
    drag({formX(-36)});
    EXPECT_EQ(form->counterAt(), -40);
}

TEST_F(CountbackTest, TheSolutionHopsOneNumberedJumpAPressAndLightsTheLanding) {
    drag({formX(10)});
    form->cmdsoln_Click();
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    EXPECT_FALSE(form->lblcounter->enabled());  // no dragging over the working
    EXPECT_EQ(form->line->jumps().back().label, QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(form->line->markers().back().at, 4);  // back on the start before it hops
    for (int i = 0; i < 15; ++i) form->steps.frame();
    EXPECT_GT(form->line->markers().back().lift, 0);  // in the air, halfway along the first hop
    for (int press = 2; press <= 7; ++press) form->cmdsoln_Click();
    while (form->steps.animating()) form->steps.frame();
    EXPECT_DOUBLE_EQ(form->line->jumpsShown(), 7);
    EXPECT_DOUBLE_EQ(form->line->markers().back().at, -3);
    EXPECT_EQ(form->line->markers().back().lift, 0);
    form->cmdsoln_Click();  // the last press lights the landing
    EXPECT_TRUE(form->steps.finished());
    ASSERT_EQ(form->line->markers().size(), 3u);
    EXPECT_EQ(form->line->markers()[1].label, QStringLiteral("-3"));
    EXPECT_EQ(form->lblstep->caption(), QStringLiteral("11: -3 %2"));

    for (float r : {0.5f, 0.2f, 0.5f}) rnd.push(r);
    form->cmdgo_Click();
    EXPECT_TRUE(form->lblcounter->enabled());
    EXPECT_TRUE(form->line->jumps().empty());
    EXPECT_EQ(form->line->markers().size(), 2u);
}

// Every question, the hint and the landing fit their boxes at zoom 1 in every language.
TEST_F(CountbackTest, EveryLanguagesTextsFitTheirBoxes) {
    ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
    platform::ClockRandom clock;
    for (int i = 0; i < 3000; ++i) rnd.push(clock.next());
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        windows.close("countback");  // opened again, in this language
        form = static_cast<Countback*>(windows.load("countback"));
        for (int mode = 0; mode < countback::kModes; ++mode) {
            form->modes.option(mode).click();
            for (int question = 0; question < 6; ++question, form->cmdgo_Click())
                for (const platform::Label* label : {form->lblquestion, form->lblhint})
                    EXPECT_TRUE(label->captionFits(label->caption(), 18)) << language << ": " << label->caption().toStdString();
            while (!form->steps.finished()) form->cmdsoln_Click();
            EXPECT_TRUE(form->lblstep->captionFits(form->lblstep->caption(), 18)) << form->lblstep->caption().toStdString();
        }
    }
    app::lang().langindex = app::LangIndex();
}

}  // namespace
