#include "activities/factors/rules.h"

#include <gtest/gtest.h>

#include "platform/random.h"

namespace {

using namespace factors;

struct Lcg final : platform::RandomSource {
    unsigned long long state = 99;
    float next() override { return float((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 40) / 16777216.0f; }
    void reseed() override {}
};

TEST(FactorsRules, FactorsIncludeOneAndTheNumberAndThePairsMeetInTheMiddle) {
    EXPECT_EQ(factorsOf(36), (std::vector<int>{1, 2, 3, 4, 6, 9, 12, 18, 36}));
    EXPECT_EQ(factorPairs(36), (std::vector<std::pair<int, int>>{{1, 36}, {2, 18}, {3, 12}, {4, 9}, {6, 6}}));
    EXPECT_EQ(factorsOf(97), (std::vector<int>{1, 97}));
    EXPECT_EQ(factorsOf(1), (std::vector<int>{1}));
    EXPECT_EQ(multiplesOf(12), (std::vector<int>{12, 24, 36, 48, 60, 72, 84, 96}));
    EXPECT_EQ(multiplesOf(2).size(), 50u);
    EXPECT_EQ(multiplesOf(2).back(), 100);
}

TEST(FactorsRules, RightShadesPutEachSetInItsLayerAndTheOverlapInBoth) {
    const Shades shades = rightShades({kCommonMultiples, 4, 6});
    EXPECT_EQ(shades[12], kFirst | kSecond);
    EXPECT_EQ(shades[8], kFirst);
    EXPECT_EQ(shades[18], kSecond);
    EXPECT_EQ(shades[2], 0);
    EXPECT_EQ(commonOf({kCommonFactors, 24, 36}), (std::vector<int>{1, 2, 3, 4, 6, 12}));
    EXPECT_EQ(rightShades({kFactors, 36, 0})[36], kFirst);
}

TEST(FactorsRules, EveryDrawAsksAboutEnoughOfTheSquare) {
    Lcg rnd;
    for (int i = 0; i < 4000; ++i) {
        const Question q = drawQuestion(i % kModes, rnd);
        if (q.mode == kMultiples) {
            ASSERT_TRUE(q.a >= 2 && q.a <= 12) << q.a;
        } else if (q.mode == kFactors) {
            ASSERT_TRUE(q.a <= 100 && factorsOf(q.a).size() >= 4) << q.a;
        } else {
            // Neither a multiple of the other, and an overlap of two multiples or three factors at least.
            ASSERT_TRUE(q.a != q.b && q.a % q.b != 0 && q.b % q.a != 0) << q.a << " " << q.b;
            ASSERT_GE(commonOf(q).size(), q.mode == kCommonMultiples ? 2u : 3u) << q.a << " " << q.b;
            ASSERT_LE(std::max(q.a, q.b), q.mode == kCommonMultiples ? 12 : 100);
        }
    }
}

TEST(FactorsRules, ANewQuestionIsDrawnAgainWhenItMatchesTheBoard) {
    platform::ScriptedRandom rnd{0.5f, 0.5f, 0.95f};
    const Question first = nextQuestion(kMultiples, rnd, std::nullopt);
    EXPECT_EQ(first.a, 7);
    EXPECT_EQ(nextQuestion(kMultiples, rnd, first).a, 12);
}

}  // namespace
