#include <gtest/gtest.h>

#include "activities/bonds/rules.h"
#include "platform/random.h"

using namespace bonds;
using platform::Decimal;

TEST(BondsRules, CountingUpGoesToTheNextTenThenHundredThenThousand) {
    struct Case {
        int mode;
        long long known;
        std::vector<Jump> jumps;
    };
    const std::vector<Case> cases{
        {kHundred, 37, {{37, 40}, {40, 100}}}, {kHundred, 40, {{40, 100}}},    {kTwenty, 7, {{7, 10}, {10, 20}}},
        {kThousand, 370, {{370, 400}, {400, 1000}}}, {kOne, 5, {{5, 10}, {10, 100}}},
    };
    for (const Case& c : cases) EXPECT_EQ(countingUp({c.mode, c.known}), c.jumps) << c.mode << " " << c.known;
}

// Whatever the bond, the jumps join up from the known part to the whole, so they add up to the answer.
TEST(BondsRules, JumpsAlwaysJoinUpFromTheKnownPartToTheWhole) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (long long known = 1; known < wholeOf(mode); ++known) {
            long long at = known;
            for (const Jump& j : countingUp({mode, known})) {
                ASSERT_EQ(j.from, at);
                ASSERT_GT(j.to, j.from);
                at = j.to;
            }
            EXPECT_EQ(at, wholeOf(mode)) << mode << " " << known;
        }
    }
}

TEST(BondsRules, BondsToOneAreExactDecimals) {
    EXPECT_EQ(answer({kOne, 37}), *Decimal::parse("0.63"));
    EXPECT_EQ(valueOf(kOne, 37) + answer({kOne, 37}), Decimal::of(1));
    EXPECT_EQ(answer({kOne, 30}).text(), "0.7");  // tenths are written as tenths, not 0.70
}

TEST(BondsRules, DrawsReachBothEndsOfEveryModeAndTenthsApart) {
    constexpr float kTop = 0.99999994f;
    struct Case {
        int mode;
        std::vector<float> draws;
        long long known;
    };
    const std::vector<Case> cases{
        {kTen, {0, 0.5f}, 1},        {kTwenty, {kTop, 0.5f}, 19},       {kHundred, {kTop, 0.5f}, 99},
        {kThousand, {0, 0.5f}, 10},  {kThousand, {kTop, 0.5f}, 990},    {kOne, {0, kTop, 0.5f}, 90},
        {kOne, {0.5f, 0, 0.5f}, 1},  {kOne, {0.5f, 0.5f, 0.5f}, 51},    {kOne, {0.5f, kTop, 0.5f}, 99},
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom rnd;
        for (float r : c.draws) rnd.push(r);
        EXPECT_EQ(drawQuestion(c.mode, rnd).known, c.known) << c.mode;  // hundredths skip whole tenths
        EXPECT_EQ(rnd.remaining(), 0u);
    }
}

TEST(BondsRules, TheSameBondIsNotAskedTwiceInARowWhicheverWayItIsWritten) {
    platform::ScriptedRandom rnd{0.37f, 0.1f, 0.37f, 0.9f, 0.6f, 0.9f};
    EXPECT_EQ(nextQuestion(kHundred, rnd, Question{kHundred, 37, false}).known, 60);
    EXPECT_EQ(rnd.remaining(), 0u);
}
