#include <gtest/gtest.h>

#include "activities/shell/fresh.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/numbers.h"
#include "activities/shell/steps.h"
#include "app/language.h"
#include "platform/form.h"

namespace {

using platform::Decimal;

void speak(int language) { app::lang().langindex = app::LangIndex::number(language); }

TEST(NumberPad, TypesWhatItsKeysAndTheKeyboardSayAndNoMore) {
    speak(2);  // German: the separator key writes a comma
    platform::Form form("pad", 12000, 9000);
    shell::NumberPad pad(form);
    for (const char* key : {"-", "0", ".", "3", "0"}) pad.press(QString::fromLatin1(key));
    EXPECT_EQ(pad.text(), "-0,30");
    EXPECT_EQ(pad.value(), Decimal::of(-3, 1));
    pad.press("-");  // the minus key takes the sign away again
    EXPECT_EQ(pad.value(), Decimal::of(3, 1));
    EXPECT_TRUE(pad.keyDown(Qt::Key_Backspace));
    EXPECT_EQ(pad.text(), "0,3");
    pad.press("clear");
    for (int i = 0; i < 12; ++i) pad.keyDown(Qt::Key_9);
    EXPECT_EQ(pad.text().size(), shell::NumberPad::kMaxLength);
    EXPECT_FALSE(pad.press("-"));  // no room left for a sign either
    EXPECT_FALSE(pad.keyDown(Qt::Key_S));  // letters stay the activity's shortcuts
    pad.setExtraKeys({"r"});
    pad.press("clear");
    pad.keyDown(Qt::Key_4);
    EXPECT_TRUE(pad.keyDown(Qt::Key_R));
    EXPECT_EQ(pad.text(), "4r");
    EXPECT_FALSE(pad.value());  // not a number: a wrong answer, not a fault
    pad.setEnabled(false);
    EXPECT_FALSE(pad.press("1"));
    speak(0);
}

TEST(NumberPad, TwoBoxesTakeTurnsAndClearTogether) {
    platform::Form form("pad", 12000, 9000);
    shell::NumberPad pad(form, 2);
    pad.press("3");
    pad.keyDown(Qt::Key_Tab);
    pad.press("-");
    pad.press("4");
    EXPECT_EQ(pad.value(0), Decimal::of(3));
    EXPECT_EQ(pad.value(1), Decimal::of(-4));
    pad.box(0).click();
    EXPECT_EQ(pad.activeBox(), 0);
    pad.clear();
    EXPECT_TRUE(pad.text(0).isEmpty() && pad.text(1).isEmpty());
}

TEST(Numbers, FollowTheChosenLanguageNotTheDesktop) {
    struct Case {
        int language;
        const char* text;
    } cases[] = {{0, "-1234.5"}, {1, "-1234,5"}, {5, "-1234,5"}, {6, "-1234.5"}, {-1, "-1234.5"}};
    for (const auto& c : cases) {
        speak(c.language);
        EXPECT_EQ(shell::numberText(Decimal::of(-12345, 1)), c.text) << c.language;
    }
    speak(1);
    EXPECT_EQ(shell::numberText(Decimal::of(1234567, 2), 0, shell::Grouping::Thousands), "12\u00A0345,67");
    EXPECT_EQ(shell::numberText(4000, shell::Grouping::Thousands), "4000");
    EXPECT_EQ(shell::numberText(-99999, shell::Grouping::Thousands), "-99\u00A0999");
    speak(0);
}

TEST(Steps, RevealOneAtATimeAndAnimateNoLongerThanASecond) {
    QObject owner;
    shell::Steps steps(&owner);
    std::vector<double> seen;
    int shown = 0;
    steps.add({[&] { ++shown; }});
    steps.add({[&] { ++shown; }, [&](double t) { seen.push_back(t); }, 500});
    EXPECT_TRUE(steps.reveal());
    EXPECT_FALSE(steps.animating());
    EXPECT_TRUE(steps.reveal());
    EXPECT_TRUE(steps.animating());
    while (steps.animating()) steps.frame();
    EXPECT_EQ(static_cast<int>(seen.size()), shell::Steps::kMostFrames + 1);  // t = 0, then one per frame
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    EXPECT_TRUE(steps.finished());
    EXPECT_FALSE(steps.reveal());
    EXPECT_EQ(shown, 2);
    // A press in mid-animation lands it at once.
    steps.clear();
    seen.clear();
    steps.add({{}, [&](double t) { seen.push_back(t); }, 30});
    steps.reveal();
    steps.frame();
    steps.finishAnimation();
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    EXPECT_FALSE(steps.animating());
}

TEST(Kit, NewQuestionsDifferFromTheOneOnTheBoardAndModesAreRemembered) {
    int draws = 0;
    const int again = shell::drawFresh<int>(std::optional<int>(7), [&] { return ++draws < 3 ? 7 : 8; });
    EXPECT_EQ(again, 8);
    // A mode with one possible question cannot hang the program.
    EXPECT_EQ(shell::drawFresh<int>(std::optional<int>(7), [] { return 7; }), 7);

    shell::ModeButtons::forgetAll();
    {
        platform::Form form("somewhere", 12000, 9000);
        shell::ModeButtons modes(form, "somewhere", 3);
        int asked = -1;
        modes.onChoose = [&](int m) { asked = m; };
        EXPECT_EQ(modes.mode(), 0);
        modes.option(2).click();
        EXPECT_EQ(asked, 2);
        EXPECT_FALSE(modes.option(0).value());
    }
    platform::Form again2("somewhere", 12000, 9000);
    shell::ModeButtons reopened(again2, "somewhere", 3);
    EXPECT_EQ(reopened.mode(), 2);
    EXPECT_TRUE(reopened.option(2).value());
    shell::ModeButtons fewer(again2, "somewhere", 2);  // a remembered mode past the end falls back inside
    EXPECT_EQ(fewer.mode(), 1);
}

}  // namespace
