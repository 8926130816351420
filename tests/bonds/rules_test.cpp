#include <gtest/gtest.h>

#include <set>

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
        {kHundred, 37, {{37, 40}, {40, 100}}}, {kHundred, 40, {{40, 100}}},     {kHundred, 99, {{99, 100}}},
        {kTwenty, 7, {{7, 10}, {10, 20}}},     {kTwenty, 13, {{13, 20}}},       {kTen, 4, {{4, 10}}},
        {kThousand, 370, {{370, 400}, {400, 1000}}}, {kThousand, 990, {{990, 1000}}},
        {kOne, 37, {{37, 40}, {40, 100}}},     {kOne, 5, {{5, 10}, {10, 100}}},
    };
    for (const Case& c : cases) EXPECT_EQ(countingUp({c.mode, c.known}), c.jumps) << c.mode << " " << c.known;
}

// Whatever the bond, the jumps join up from the known part to the whole and add up to the answer.
TEST(BondsRules, JumpsAlwaysJoinUpAndMakeTheMissingPart) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (long long known = 1; known < wholeOf(mode); ++known) {
            const auto jumps = countingUp({mode, known});
            ASSERT_FALSE(jumps.empty());
            long long at = known;
            for (const Jump& j : jumps) {
                ASSERT_EQ(j.from, at);
                ASSERT_GT(j.to, j.from);
                at = j.to;
            }
            EXPECT_EQ(at, wholeOf(mode));
            EXPECT_LE(jumps.size(), 3u);
        }
    }
}

TEST(BondsRules, BondsToOneAreExactDecimals) {
    const Question q{kOne, 37};
    EXPECT_EQ(answer(q), *Decimal::parse("0.63"));
    EXPECT_EQ(answer(q), *Decimal::parse("0,63"));
    EXPECT_EQ(valueOf(kOne, q.known) + answer(q), Decimal::of(1));
    EXPECT_EQ(answer(q).text(), "0.63");
    EXPECT_EQ(answer({kOne, 30}).text(), "0.7");  // tenths are written as tenths, not 0.70
    EXPECT_EQ(answer({kThousand, 370}), Decimal::of(630));
}

TEST(BondsRules, DrawsReachBothEndsOfEveryMode) {
    struct Case {
        int mode;
        std::vector<float> draws;
        long long known;
    };
    constexpr float kTop = 0.99999994f;
    const std::vector<Case> cases{
        {kTen, {0, 0.5f}, 1},        {kTen, {kTop, 0.5f}, 9},           {kTwenty, {kTop, 0.5f}, 19},
        {kHundred, {0, 0.5f}, 1},    {kHundred, {kTop, 0.5f}, 99},      {kThousand, {0, 0.5f}, 10},
        {kThousand, {kTop, 0.5f}, 990}, {kOne, {0, 0, 0.5f}, 10},     {kOne, {0, kTop, 0.5f}, 90},
        {kOne, {0.5f, 0, 0.5f}, 1}, {kOne, {0.5f, kTop, 0.5f}, 99},
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom rnd;
        for (float r : c.draws) rnd.push(r);
        const Question q = drawQuestion(c.mode, rnd);
        EXPECT_EQ(q.known, c.known) << c.mode;
        EXPECT_FALSE(q.subtraction);
        EXPECT_EQ(rnd.remaining(), 0u);
    }
    platform::ScriptedRandom rnd{0.5f, 0.2f};
    EXPECT_TRUE(drawQuestion(kHundred, rnd).subtraction);
}

// Bonds to 1 in hundredths never land on a tenth, so the two kinds of question stay apart.
TEST(BondsRules, HundredthsAreNeverWholeTenths) {
    std::set<long long> seen;
    for (int k = 0; k < 90; ++k) {
        platform::ScriptedRandom rnd{0.5f, (k + 0.5f) / 90, 0.5f};
        const Question q = drawQuestion(kOne, rnd);
        EXPECT_NE(q.known % 10, 0) << q.known;
        seen.insert(q.known);
    }
    EXPECT_EQ(seen.size(), 90u);
}

TEST(BondsRules, TheSameBondIsNotAskedTwiceInARowWhicheverWayItIsWritten) {
    platform::ScriptedRandom rnd{0.37f, 0.1f, 0.37f, 0.9f, 0.6f, 0.9f};
    const Question current{kHundred, 37, false};
    const Question next = nextQuestion(kHundred, rnd, current);
    EXPECT_NE(next.known, 37);
    EXPECT_EQ(rnd.remaining(), 0u);
}
