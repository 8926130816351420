#include "activities/factors/rules.h"

#include <gtest/gtest.h>

#include <numeric>

#include "platform/random.h"

namespace {

using namespace factors;

class Lcg final : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<float>(m_state >> 40) / 16777216.0f;
    }
    void reseed() override {}

private:
    unsigned long long m_state = 99;
};

TEST(FactorsRules, FactorsIncludeOneAndTheNumberAndPairMeetInTheMiddle) {
    using Pairs = std::vector<std::pair<int, int>>;
    EXPECT_EQ(factorsOf(36), (std::vector<int>{1, 2, 3, 4, 6, 9, 12, 18, 36}));
    EXPECT_EQ(factorPairs(36), (Pairs{{1, 36}, {2, 18}, {3, 12}, {4, 9}, {6, 6}}));
    EXPECT_EQ(factorsOf(97), (std::vector<int>{1, 97}));
    EXPECT_EQ(factorPairs(97), (Pairs{{1, 97}}));
    EXPECT_EQ(factorsOf(1), (std::vector<int>{1}));
    EXPECT_EQ(factorsOf(100).size(), 9u);
    EXPECT_EQ(multiplesOf(12), (std::vector<int>{12, 24, 36, 48, 60, 72, 84, 96}));
    EXPECT_EQ(multiplesOf(2).size(), 50u);
    EXPECT_EQ(multiplesOf(2).back(), 100);
}

TEST(FactorsRules, RightShadesMarkEachSetInItsLayerAndTheOverlapInBoth) {
    const Shades multiples = rightShades({kCommonMultiples, 4, 6});
    EXPECT_EQ(multiples[12], kFirst | kSecond);
    EXPECT_EQ(multiples[8], kFirst);
    EXPECT_EQ(multiples[18], kSecond);
    EXPECT_EQ(multiples[2], 0);
    EXPECT_EQ(commonOf({kCommonMultiples, 4, 6}), (std::vector<int>{12, 24, 36, 48, 60, 72, 84, 96}));
    EXPECT_EQ(commonOf({kCommonFactors, 24, 36}), (std::vector<int>{1, 2, 3, 4, 6, 12}));
    const Shades single = rightShades({kFactors, 36, 0});
    EXPECT_EQ(std::accumulate(single.begin(), single.end(), 0), 9);
    EXPECT_EQ(single[1], kFirst);
    EXPECT_EQ(single[36], kFirst);
}

TEST(FactorsRules, EveryDrawAsksAboutEnoughOfTheSquare) {
    Lcg rnd;
    for (int i = 0; i < 4000; ++i) {
        const int mode = i % kModes;
        const Question q = drawQuestion(mode, rnd);
        ASSERT_EQ(q.mode, mode);
        switch (mode) {
            case kMultiples: ASSERT_TRUE(q.a >= 2 && q.a <= 12) << q.a; break;
            case kFactors: ASSERT_TRUE(q.a <= 100 && factorsOf(q.a).size() >= 4) << q.a; break;
            default:
                ASSERT_NE(q.a, q.b);
                ASSERT_TRUE(q.a % q.b != 0 && q.b % q.a != 0) << q.a << " " << q.b;
                ASSERT_GE(commonOf(q).size(), mode == kCommonMultiples ? 2u : 3u) << q.a << " " << q.b;
                ASSERT_LE(std::max(q.a, q.b), mode == kCommonMultiples ? 12 : 100);
        }
    }
}

TEST(FactorsRules, ANewQuestionIsDrawnAgainWhenItMatchesTheBoard) {
    platform::ScriptedRandom rnd{0.5f, 0.5f, 0.95f};
    const Question first = nextQuestion(kMultiples, rnd, std::nullopt);
    EXPECT_EQ(first.a, 7);
    const Question second = nextQuestion(kMultiples, rnd, first);
    EXPECT_EQ(second.a, 12);
    EXPECT_EQ(rnd.remaining(), 0u);
}

}  // namespace
