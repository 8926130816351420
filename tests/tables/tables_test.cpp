#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsView>
#include <QPointer>
#include <QTest>

#include "activities/shell/modes.h"
#include "activities/tables/tables.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "draws.h"
#include "testsupport.h"

using tables::Tables;

namespace {

class TablesScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("tables", [](app::WindowRegistry& w) { return new Tables(w); });
        for (const char* stub : {"menu2", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
        screen = dynamic_cast<Tables*>(windows.load("tables"));
        ASSERT_NE(screen, nullptr);
        screen->opttable[0].click();  // the table of 2, whatever an earlier test left
    }
    void TearDown() override {
        if (screen) windows.close("tables");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex::number(0);
    }
    Tables& reopen() {
        windows.close("tables");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return *(screen = dynamic_cast<Tables*>(windows.load("tables")));
    }
    // Runs the quick-fire timer through a whole three seconds.
    void waitThreeSeconds() {
        for (int i = 0; i < 3000 / platform::kShortestTimerPeriodMs; ++i) screen->tmrquick_Timer();
    }

    testsupport::DataFolder folder;
    Draws rnd{99};
    app::WindowRegistry windows{rnd};
    QPointer<Tables> screen;
};

}  // namespace

TEST_F(TablesScreen, QuickFireAsksByItselfButNeverWhileTheSolutionMoves) {
    Tables& s = *screen;
    EXPECT_FALSE(s.tmrquick->isEnabled()) << "quick-fire is off when the screen opens";
    s.optquick[1].click();  // 3 seconds
    ASSERT_TRUE(s.tmrquick->isEnabled());
    auto before = s.question();
    waitThreeSeconds();
    EXPECT_NE(s.question(), before) << "three seconds on, the next fact is asked";

    // The solution pauses quick-fire; going on while a row still fills asks nothing.
    before = s.question();
    s.cmdsoln_Click();
    EXPECT_TRUE(s.quickFire().paused());
    s.cmdgoon_Click();
    ASSERT_TRUE(s.steps.animating());
    for (int i = 0; i < 2000; ++i) s.tmrquick_Timer();
    EXPECT_EQ(s.question(), before);
    s.steps.finishAnimation();
    waitThreeSeconds();
    EXPECT_NE(s.question(), before);
}

// Any press on the page, on a control or not, and any key pause quick-fire; leaving the screen stops it.
TEST_F(TablesScreen, AnyKeyOrClickPausesAndClosingTheScreenStops) {
    Tables& s = *screen;
    s.showForm();
    auto* view = s.findChild<QGraphicsView*>();
    QWidget* viewport = view->viewport();
    const auto at = [&](QPointF twips) { return view->mapFromScene(twips); };
    static QPointingDevice* finger = QTest::createTouchDevice();

    s.optquick[2].click();  // 5 seconds
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at({5000, 6000}));  // the page under the array
    EXPECT_TRUE(s.quickFire().paused() && !s.tmrquick->isEnabled());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at({s.framequick->left() + s.cmdgoon->left() + 200, s.framequick->top() + s.cmdgoon->top() + 200}));
    EXPECT_TRUE(s.quickFire().running()) << "Go on carries on";

    const QPoint seven = at({s.pad.key("7")->left() + 300, s.pad.key("7")->top() + 300});
    QTest::touchEvent(viewport, finger).press(0, seven);
    QTest::touchEvent(viewport, finger).release(0, seven);
    QCoreApplication::processEvents();
    EXPECT_TRUE(s.quickFire().paused()) << "a finger on a key of the pad";
    EXPECT_EQ(s.pad.text(), "7");
    s.cmdgoon_Click();
    QTest::keyClick(&s, Qt::Key_3);
    EXPECT_TRUE(s.quickFire().paused()) << "a key";
    EXPECT_EQ(s.pad.text(), "73") << "and the key still types";

    s.optquick[3].click();  // choosing a time starts it again
    EXPECT_TRUE(s.quickFire().running());
    s.cmdexit_Click();
    EXPECT_FALSE(s.tmrquick->isEnabled());
    EXPECT_FALSE(s.quickFire().on());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull()) << "the screen and its timer are gone";
}

TEST_F(TablesScreen, TheTableIsItsOwnChoiceKeptWhenTheScreenReopens) {
    screen->opttable[5].click();
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(screen->question().fact.columns, 7);
        screen->cmdgo_Click();
    }
    EXPECT_TRUE(screen->modes.option(tables::kOneTable).value()) << "the modes keep their own choice";
    screen->modes.option(tables::kToTen).click();
    EXPECT_FALSE(screen->frametable->isVisible());

    EXPECT_EQ(reopen().table(), 7);
    EXPECT_EQ(screen->modes.mode(), tables::kToTen);
}

TEST_F(TablesScreen, SolutionFillsARowAPressCountingInTheTable) {
    Tables& s = *screen;
    s.opttable[6].click();  // 8
    while (s.question().fact.rows < 3 || s.question().ask != tables::Ask::Product) s.cmdgo_Click();
    const tables::Fact f = s.question().fact;
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("%1 \u00D7 8 = ?").arg(f.rows));
    s.pad.setText(0, QString::number(f.product() + 8));
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgcross->isVisible());
    s.pad.setText(0, QString::number(f.product()));
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgtick->isVisible());

    for (int press = 1; press <= f.rows; ++press) {
        s.cmdsoln_Click();
        s.steps.finishAnimation();
        EXPECT_EQ(s.dots->filled(), press);
    }
    s.cmdsoln_Click();
    EXPECT_TRUE(s.steps.finished());
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("%1 \u00D7 8 = %2").arg(f.rows).arg(f.product()));
    EXPECT_EQ(s.lblstep->caption(), QStringLiteral("%1 rows of 8 make %2.").arg(f.rows).arg(f.product()));
}

TEST_F(TablesScreen, SignsAreWrittenAsEachLanguageWritesThem) {
    app::lang().langindex = app::LangIndex::number(2);
    reopen().modes.option(tables::kDivision).click();
    const tables::Fact f = screen->question().fact;
    EXPECT_EQ(screen->lblquestion->caption(), QStringLiteral("%1 : %2 = ?").arg(f.product()).arg(f.columns));
    EXPECT_EQ(screen->dots->rows(), tables::kLargestRows) << "the rows are what the class counts";
    screen->modes.option(tables::kOneTable).click();
    while (screen->question().ask != tables::Ask::Product) screen->cmdgo_Click();
    EXPECT_TRUE(screen->lblquestion->caption().contains(QStringLiteral(" \u00B7 ")));
    EXPECT_EQ(screen->framequick->caption(), "Blitzrechnen");
}
