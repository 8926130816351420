#include "activities/division/division.h"

#include <gtest/gtest.h>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using division::Division;
using division::Style;

namespace {
class Lcg : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return float(m_state >> 40) / float(1 << 24);
    }
    void reseed() override {}

private:
    unsigned long long m_state = 99;
};

class DivisionScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang() = app::LanguageState{};
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("division", [](app::WindowRegistry& w) { return new Division(shell::Edition::English, w); });
        windows.define("division2", [](app::WindowRegistry& w) { return new Division(shell::Edition::Other, w); });
        for (const char* stub : {"menu3", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    Division& open(const char* screen, int language) {
        app::lang().langindex = app::LangIndex::number(language);
        return *dynamic_cast<Division*>(windows.load(screen));
    }
    static void type(Division& s, const QString& keys) {
        for (QChar k : keys) s.pad.press(k == ' ' ? QString() : QString(k));
    }

    testsupport::DataFolder folder;
    Lcg rnd;
    app::WindowRegistry windows{rnd};
};
}  // namespace

TEST_F(DivisionScreen, TheEnglishEditionTakesARemainderAfterR) {
    Division& s = open("division", 0);
    EXPECT_EQ(s.style(), Style::BusStop);
    EXPECT_EQ(s.pad.boxes(), 1);
    s.modes.option(division::kRemainder).click();
    const auto& q = s.question();
    const QString quotient = QString::number(q.dividend / q.divisor), left = QString::number(q.dividend % q.divisor);
    ASSERT_TRUE(s.pad.key("r") && s.pad.key("r")->isVisible());
    type(s, quotient);
    s.pad.press("r");
    s.pad.press("r");  // a second r is not taken
    type(s, left);
    EXPECT_EQ(s.pad.text(0), quotient + " r " + left);
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgtick->isVisible());
    // Without its remainder the answer is wrong.
    s.pad.press("del");
    s.pad.press("del");
    EXPECT_EQ(s.pad.text(0), quotient);
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgcross->isVisible());
    // The decimal mode has no remainder key.
    s.modes.option(division::kDecimal).click();
    EXPECT_FALSE(s.pad.key("r")->isVisible());
    type(s, s.question().decimal() ? division::answer(s.question()).text() : QString());
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgtick->isVisible());
}

TEST_F(DivisionScreen, TheOtherEditionLaysOutAsTheLanguageDoesWithARemainderBox) {
    struct Case {
        int language;
        Style style;
        const char* caption;
    } cases[] = {{1, Style::Corner, "reste"}, {2, Style::German, "Rest"}, {3, Style::Corner, "resto"},
                 {4, Style::Corner, "resto"}, {5, Style::Dutch, "rest"},  {6, Style::BusStop, "gweddill"}};
    for (const Case& c : cases) {
        Division& s = open("division2", c.language);
        EXPECT_EQ(s.style(), c.style) << c.language;
        ASSERT_EQ(s.pad.boxes(), 2);
        EXPECT_EQ(s.control("lblbefore", 1)->caption(), QString(c.caption));
        s.modes.option(division::kTwoDigitDivisor).click();
        const auto& q = s.question();
        type(s, QString::number(q.dividend / q.divisor));
        s.pad.setActiveBox(1);
        type(s, QString::number(q.dividend % q.divisor));
        s.cmdcheckit_Click();
        EXPECT_TRUE(s.imgtick->isVisible()) << c.language;
        s.modes.option(division::kDecimal).click();
        EXPECT_FALSE(s.pad.boxShown(1));
        s.cmdexit_Click();
    }
}

TEST_F(DivisionScreen, TheSolutionWritesOneQuotientDigitAPress) {
    for (int language : {0, 2}) {
        Division& s = open(language == 0 ? "division" : "division2", language);
        s.modes.option(division::kDecimal).click();
        const auto& layout = s.sheetLayout();
        ASSERT_GT(layout.steps, 0);
        for (int press = 1; press <= layout.steps; ++press) {
            s.cmdsoln_Click();
            EXPECT_EQ(s.paper->step(), press);
        }
        EXPECT_FALSE(s.cmdcheckit->isVisible());
        // The quotient's first figure stands where the layout puts it, in the language's own point.
        const QString first = s.paper->shownText(layout.quotientRow, layout.quotientColumn);
        EXPECT_EQ(first, division::answer(s.question()).text().left(1)) << language;
        EXPECT_TRUE(s.lblstep->caption().contains(language == 0 ? '.' : ',')) << s.lblstep->caption().toStdString();
        s.cmdgo_Click();
        EXPECT_EQ(s.paper->step(), 0);
        s.cmdexit_Click();
    }
}
