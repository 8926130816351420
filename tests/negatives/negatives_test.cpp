#include "activities/negatives/negatives.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using negatives::Negatives;
using platform::LeftButton;

// −7, −2, 0, 6, −8 in the order drawn: sorted −8, −7, −2, 0, 6.
const std::vector<float> kFirstQuestion{0.5f, 0.35f, 0.85f, 0.5f, 0.8f, 0.1f, 0.99f, 0.99f, 0.99f, 0.99f};
// −7, −2, 0, 6, −6: another question, so that Next never draws the one on the board.
const std::vector<float> kSecondQuestion{0.5f, 0.35f, 0.85f, 0.5f, 0.8f, 0.2f, 0.99f, 0.99f, 0.99f, 0.99f};

class NegativesTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::TextRows rows;
        for (int r = 0; r < 8; ++r) rows.push_back(app::TextRow{});
        for (int r = 0; r < 8; ++r) rows[r].fill(QStringLiteral("%1 %2 %3").arg(r).arg("%1", "%2"));
        app::lang().blocks.insert("negatives", rows);
        windows.define("negatives", [](app::WindowRegistry& w) { return new Negatives(w); });
        windows.define("menu4", [](app::WindowRegistry&) { return new platform::Form("menu4", 12000, 9000); });
        for (float r : kFirstQuestion) rnd.push(r);
        form = static_cast<Negatives*>(windows.load("negatives"));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    platform::Label& tile(int k) { return form->lbltile[k]; }
    platform::Label& box(int k) { return form->lblbox[k]; }
    // Tile k taken by its centre and let go with its top left at (left, top).
    void drag(int k, float left, float top) {
        platform::Label& t = tile(k);
        const float cx = t.width() / 2, cy = t.height() / 2;
        t.press({LeftButton, 0, cx, cy, t.left() + cx, t.top() + cy});
        t.moveMouse({LeftButton, 0, 0, 0, left + cx, top + cy});
        t.release({LeftButton, 0, 0, 0, left + cx, top + cy});
    }
    void dragToBox(int k, int b) { drag(k, box(b).left() + 200, box(b).top() - 100); }
    bool onBox(int k, int b) { return tile(k).left() == box(b).left() && tile(k).top() == box(b).top(); }
    bool atHome(int k) { return tile(k).left() == form->home(k).x() && tile(k).top() == form->home(k).y(); }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Negatives* form = nullptr;
};

// The same rule as ordering whole numbers: right only when every tile stands exactly on its own box.
TEST_F(NegativesTest, CheckCountsExactPositionsAsOrderingDoes) {
    struct Case {
        const char* what;
        bool solutionFirst;
        std::vector<std::pair<int, int>> moves;  // tile, box
        bool right;
    };
    const std::vector<Case> cases = {
        {"no move", false, {}, false},
        {"in order", false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, true},
        {"the solution", true, {}, true},
        {"shuffled, two moved twice", false, {{2, 2}, {0, 4}, {4, 1}, {0, 0}, {4, 4}, {1, 1}, {3, 3}}, true},
        {"the two smallest swapped", false, {{0, 1}, {1, 0}, {2, 2}, {3, 3}, {4, 4}}, false},
        {"one dropped onto a held box goes home", false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}}, false},
    };
    bool second = true;
    for (const Case& c : cases) {
        for (float r : second ? kSecondQuestion : kFirstQuestion) rnd.push(r);
        second = !second;
        form->cmdgo_Click();
        ASSERT_EQ(rnd.remaining(), 0u);
        if (c.solutionFirst) {
            form->cmdsoln_Click();
            form->cmdsoln_Click();
            while (form->steps.animating()) form->steps.frame();
        }
        for (auto [k, b] : c.moves) dragToBox(k, b);
        form->cmdcheckit_Click();
        EXPECT_EQ(form->imgtick->isVisible(), c.right) << c.what;
        EXPECT_EQ(form->imgcross->isVisible(), !c.right) << c.what;
    }
}

TEST_F(NegativesTest, TheSolutionShowsTheLineFirstThenMovesTheTilesIntoPlace) {
    dragToBox(3, 0);
    form->cmdsoln_Click();
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    ASSERT_TRUE(form->line->isVisible());
    ASSERT_EQ(form->line->markers().size(), 5u);
    EXPECT_EQ(tile(0).caption(), QStringLiteral("-8"));
    const double at[] = {-8, -7, -2, 0, 6};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(form->line->markers()[k].at, at[k]);
        EXPECT_EQ(form->lblvalue[k].caption(), tile(k).caption());  // the same minus sign as the tiles'
        EXPECT_TRUE(form->lblvalue[k].isVisible());
        if (k > 0) {
            EXPECT_GT(form->lblvalue[k].left(), form->lblvalue[k - 1].left() + form->lblvalue[k - 1].width());
        }
    }
    EXPECT_LE(form->line->low(), -8);
    EXPECT_GE(form->line->high(), 6);
    EXPECT_TRUE(onBox(3, 0));  // nothing moved yet
    form->cmdsoln_Click();
    for (int i = 0; i < 10; ++i) form->steps.frame();
    EXPECT_FALSE(onBox(0, 0));  // on its way
    form->cmdsoln_Click();      // a press finishes the slide
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(onBox(k, k)) << k;
    EXPECT_TRUE(form->steps.finished());
    // Dragged out and back, every tile on a box again: Check returns.
    drag(2, 200, 200);
    EXPECT_FALSE(form->cmdcheckit->isVisible());
    dragToBox(2, 2);
    EXPECT_TRUE(form->cmdcheckit->isVisible());

    for (float r : kSecondQuestion) rnd.push(r);
    form->modes.option(negatives::kSmall).click();
    EXPECT_FALSE(form->line->isVisible());
    EXPECT_FALSE(form->lblvalue[0].isVisible());
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(atHome(k));
}

// The instruction, the boxes' captions and the solution's sentence fit at zoom 1 in every language.
TEST_F(NegativesTest, EveryLanguagesTextsFitTheirBoxes) {
    ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
    platform::ClockRandom clock;
    for (int i = 0; i < 3000; ++i) rnd.push(clock.next());
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        windows.close("negatives");  // opened again, in this language
        form = static_cast<Negatives*>(windows.load("negatives"));
        form->cmdsoln_Click();
        for (const platform::Label* label : {form->lblquestion, form->lblsmallest, form->lbllargest, form->lblstep})
            EXPECT_TRUE(label->captionFits(label->caption(), 18)) << language << ": " << label->caption().toStdString();
        form->modes.option(negatives::kTemperatures).click();
        for (int k = 0; k < 5; ++k) EXPECT_EQ(tile(k).font().size, 24) << tile(k).caption().toStdString();  // never shrunk
    }
    app::lang().langindex = app::LangIndex();
}

}  // namespace
