#include "activities/primes/rules.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"

namespace {

using namespace primes;

class Lcg final : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<float>(m_state >> 40) / 16777216.0f;
    }
    void reseed() override {}

private:
    unsigned long long m_state = 7;
};

TEST(PrimesRules, PrimesAndSmallestFactorPairs) {
    struct Case {
        int n;
        bool prime;
        std::pair<int, int> pair;
    };
    const Case cases[] = {{2, true, {1, 2}},     {3, true, {1, 3}},       {4, false, {2, 2}},   {91, false, {7, 13}},
                          {97, true, {1, 97}},   {100, false, {2, 50}},   {169, false, {13, 13}}, {199, true, {1, 199}},
                          {200, false, {2, 100}}, {187, false, {11, 17}}};
    for (const Case& c : cases) {
        EXPECT_EQ(isPrime(c.n), c.prime) << c.n;
        EXPECT_EQ(smallestPair(c.n), c.pair) << c.n;
    }
    EXPECT_FALSE(isPrime(0));
    EXPECT_FALSE(isPrime(1));
}

TEST(PrimesRules, SieveStrikesOneFirstThenLeavesExactlyTheTwentyFivePrimes) {
    const std::vector<Pass> passes = sievePasses();
    ASSERT_EQ(passes.size(), 5u);
    EXPECT_EQ(passes[0].prime, 0);
    EXPECT_EQ(passes[0].struck, std::vector<int>{1});
    const int primes[] = {2, 3, 5, 7};
    std::set<int> struck;
    for (std::size_t k = 0; k < passes.size(); ++k) {
        if (k > 0) {
            EXPECT_EQ(passes[k].prime, primes[k - 1]);
        }
        for (int n : passes[k].struck) {
            EXPECT_TRUE(struck.insert(n).second) << n << " struck twice";
            EXPECT_TRUE(k == 0 || n % passes[k].prime == 0) << n;
        }
    }
    // 3's pass starts at 9: 6 went with the 2s.
    EXPECT_EQ(passes[2].struck.front(), 9);
    EXPECT_EQ(leftBySieve(), primesUpTo(100));
    EXPECT_EQ(leftBySieve().size(), 25u);
    EXPECT_EQ(struck.size(), 75u);
}

TEST(PrimesRules, PrimeOrNotAsksWithinItsRangeAboutHalfPrimes) {
    Lcg rnd;
    for (int mode : {kPrimeOrNot, kPrimeOrNotLarge}) {
        const auto [low, high] = rangeOf(mode);
        int prime = 0;
        constexpr int kDraws = 4000;
        for (int i = 0; i < kDraws; ++i) {
            const Question q = drawQuestion(mode, rnd);
            ASSERT_GE(q.number, std::max(low, 2));
            ASSERT_LE(q.number, high);
            prime += isPrime(q.number);
        }
        EXPECT_GT(prime, kDraws * 4 / 10);
        EXPECT_LT(prime, kDraws * 6 / 10);
    }
    EXPECT_EQ(rangeOf(kPrimeOrNot), (std::pair{2, 100}));
    EXPECT_EQ(rangeOf(kPrimeOrNotLarge), (std::pair{100, 200}));
}

TEST(PrimesRules, ANewNumberIsDrawnAgainWhenItMatchesTheBoard) {
    platform::ScriptedRandom rnd{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99f};
    const Question first = nextQuestion(kPrimeOrNot, rnd, std::nullopt);
    EXPECT_EQ(first.number, 2);
    const Question second = nextQuestion(kPrimeOrNot, rnd, first);
    EXPECT_EQ(second.number, 97);
}

}  // namespace
