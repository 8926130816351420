#include "activities/primes/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "platform/random.h"

namespace {

using namespace primes;

struct Lcg final : platform::RandomSource {
    unsigned long long state = 7;
    float next() override { return float((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 40) / 16777216.0f; }
    void reseed() override {}
};

TEST(PrimesRules, PrimesAndSmallestFactorPairs) {
    const struct {
        int n;
        bool prime;
        std::pair<int, int> pair;
    } cases[] = {{2, true, {1, 2}},      {4, false, {2, 2}},     {91, false, {7, 13}},   {97, true, {1, 97}},
                 {169, false, {13, 13}}, {187, false, {11, 17}}, {199, true, {1, 199}}, {200, false, {2, 100}}};
    for (const auto& c : cases) {
        EXPECT_EQ(isPrime(c.n), c.prime) << c.n;
        EXPECT_EQ(smallestPair(c.n), c.pair) << c.n;
    }
    EXPECT_FALSE(isPrime(0) || isPrime(1));
}

TEST(PrimesRules, SieveStrikesOneFirstThenLeavesExactlyTheTwentyFivePrimes) {
    const std::vector<Pass> passes = sievePasses();
    ASSERT_EQ(passes.size(), 5u);
    EXPECT_EQ(passes[0].prime, 0);
    EXPECT_EQ(passes[0].struck, std::vector<int>{1});
    std::set<int> struck;
    for (std::size_t k = 0; k < passes.size(); ++k) {
        EXPECT_EQ(passes[k].prime, (std::array{0, 2, 3, 5, 7})[k]);
        for (int n : passes[k].struck) {
            EXPECT_TRUE(struck.insert(n).second) << n << " struck twice";
            EXPECT_TRUE(k == 0 || n % passes[k].prime == 0) << n;
        }
    }
    EXPECT_EQ(passes[2].struck.front(), 9);  // 6 went with the 2s
    EXPECT_EQ(struck.size(), 75u);
    EXPECT_EQ(leftBySieve(), primesUpTo(100));
    EXPECT_EQ(leftBySieve().size(), 25u);
}

TEST(PrimesRules, PrimeOrNotAsksWithinItsRangeAboutHalfPrimes) {
    Lcg rnd;
    EXPECT_EQ(rangeOf(kPrimeOrNot), (std::pair{2, 100}));
    EXPECT_EQ(rangeOf(kPrimeOrNotLarge), (std::pair{100, 200}));
    for (int mode : {kPrimeOrNot, kPrimeOrNotLarge}) {
        int prime = 0;
        for (int i = 0; i < 4000; ++i) {
            const Question q = drawQuestion(mode, rnd);
            ASSERT_TRUE(q.number >= rangeOf(mode).first && q.number <= rangeOf(mode).second) << q.number;
            prime += isPrime(q.number);
        }
        EXPECT_TRUE(prime > 1600 && prime < 2400) << prime;
    }
    platform::ScriptedRandom scripted{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99f};
    const Question first = nextQuestion(kPrimeOrNot, scripted, std::nullopt);
    EXPECT_EQ(first.number, 2);
    EXPECT_EQ(nextQuestion(kPrimeOrNot, scripted, first).number, 97);  // 2 again is drawn again
}

}  // namespace
