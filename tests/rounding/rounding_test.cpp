#include "activities/rounding/rounding.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using rounding::Rounding;

class RoundingTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(1);  // French: a decimal comma
        // Each row of the block reads "<row>:" and its placeholders, in every language.
        app::TextRows rows;
        for (int r = 0; r < 15; ++r) rows.push_back(app::TextRow{});
        for (int r = 0; r < 15; ++r) rows[r].fill(QStringLiteral("%1: %2 %3 %4").arg(r).arg("%1", "%2", "%3"));
        app::lang().blocks.insert("rounding", rows);
        windows.define("rounding", [](app::WindowRegistry& w) { return new Rounding(w); });
        windows.define("menu1", [](app::WindowRegistry&) { return new platform::Form("menu1", 12000, 9000); });
        // No exact half (0.5 ≥ 0.12), then 347 in the tens mode: 11 + 0.347 · 989.
        for (float r : {0.5f, 0.3403f}) rnd.push(r);
        form = static_cast<Rounding*>(windows.load("rounding"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex();
        app::lang().blocks.clear();
    }
    void type(const QString& keys) {
        form->pad.press("clear");
        for (QChar k : keys) form->pad.press(QString(k));
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Rounding* form = nullptr;
};

TEST_F(RoundingTest, ChecksTheTypedAnswerAndKeepsTheAnswerOffACross) {
    ASSERT_EQ(form->question().units, 347);
    type("340");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
    EXPECT_FALSE(form->imgtick->isVisible());
    EXPECT_TRUE(form->lblstep->caption().isEmpty());
    type("350,0");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgtick->isVisible());
    EXPECT_FALSE(form->imgcross->isVisible());
    // A new mode takes the verdict away with the question it was about.
    for (float r : {0.5f, 0.5f}) rnd.push(r);
    form->modes.option(rounding::kOnePlace).click();
    EXPECT_FALSE(form->imgtick->isVisible());
    EXPECT_TRUE(form->pad.text().isEmpty());
    EXPECT_EQ(form->question().units, 5005);
    EXPECT_TRUE(form->lblquestion->caption().contains(QStringLiteral("50,05"))) << form->lblquestion->caption().toStdString();
    type("");
    form->cmdcheckit_Click();
    EXPECT_TRUE(form->imgcross->isVisible());
}

TEST_F(RoundingTest, SolutionStepsEndOnTheAnswerAndNextClearsThem) {
    form->cmdsoln_Click();
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    EXPECT_FALSE(form->pad.press("1"));  // no typing over a solution
    form->cmdsoln_Click();
    form->cmdsoln_Click();
    while (form->steps.animating()) form->steps.frame();
    EXPECT_TRUE(form->steps.finished());
    const auto& markers = form->line->markers();
    ASSERT_EQ(markers.size(), 3u);  // the halfway mark, the number, the answer
    EXPECT_DOUBLE_EQ(markers.back().at, 350.0);
    EXPECT_EQ(form->lblstep->caption().count(QLatin1Char('\n')), 2);

    for (float r : {0.5f, 0.6f}) rnd.push(r);
    form->cmdgo_Click();
    EXPECT_TRUE(form->cmdcheckit->isVisible());
    EXPECT_TRUE(form->lblstep->caption().isEmpty());
    EXPECT_TRUE(form->steps.empty());
    EXPECT_TRUE(form->pad.press("1"));
}

}  // namespace
