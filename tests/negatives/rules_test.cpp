#include "activities/negatives/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/random.h"

namespace {

using namespace negatives;
using platform::Decimal;

TEST(NegativesRules, FiveDifferentValuesAtLeastTwoBelowZeroOnALineThatHoldsThem) {
    struct Range {
        long long low, high;
    } ranges[kModes] = {{-10, 10}, {-100, 100}, {-99, 99}, {-30, 40}};
    platform::ClockRandom rnd;
    for (int mode = 0; mode < kModes; ++mode) {
        std::optional<Question> last;
        for (int n = 0; n < 2000; ++n) {
            const Question q = nextQuestion(mode, rnd, last);
            EXPECT_FALSE(last && *last == q);
            last = q;
            const std::set<long long> distinct(q.units.begin(), q.units.end());
            ASSERT_EQ(distinct.size(), 5u) << "mode " << mode;
            EXPECT_GE(std::count_if(q.units.begin(), q.units.end(), [](long long u) { return u < 0; }), 2) << "mode " << mode;
            EXPECT_GE(*distinct.begin(), ranges[mode].low) << "mode " << mode;
            EXPECT_LE(*distinct.rbegin(), ranges[mode].high) << "mode " << mode;
            if (mode == kTenths) {
                // One decimal place each, never a whole number, and a pair below zero sharing its whole part.
                for (long long u : q.units) EXPECT_NE(u % 10, 0) << u;
                bool twins = false;
                for (long long a : q.units)
                    for (long long b : q.units) twins = twins || (a != b && a < 0 && b < 0 && a / 10 == b / 10);
                EXPECT_TRUE(twins);
            }
            const Span span = lineFor(q);
            EXPECT_LE(span.low, *distinct.begin());
            EXPECT_GE(span.high, *distinct.rbegin());
            EXPECT_EQ(span.low % span.labelEvery, 0);
            EXPECT_LE((span.high - span.low) / span.labelEvery, 10) << "mode " << mode;
            EXPECT_EQ(span.labelEvery % span.tickEvery, 0);
            EXPECT_LE((span.high - span.low) / span.tickEvery, 80);
        }
    }
}

// Tenths are whole numbers of tenths inside, so −0.5 is below −0.4 and 0.3 is exactly 0.1 + 0.2.
TEST(NegativesRules, TenthsOrderExactly) {
    const Question q{kTenths, {-4, -5, 3, -11, -9}};
    const int ranks[] = {3, 2, 4, 0, 1};
    for (int i = 0; i < kTiles; ++i) EXPECT_EQ(rank(q, i), ranks[i]) << i;
    EXPECT_LT(valueOf(q, 1), valueOf(q, 0));
    EXPECT_EQ(valueOf(q, 2), Decimal::of(1, 1) + Decimal::of(2, 1));
    EXPECT_EQ(valueOf(q, 1).text(), QStringLiteral("-0.5"));
    EXPECT_EQ(valueOf(q, 3).text(QLatin1Char(',')), QStringLiteral("-1,1"));
    const Span span = lineFor(q);
    EXPECT_EQ(span.low, -20);  // −2 to 1, in tenths
    EXPECT_EQ(span.high, 10);
    EXPECT_EQ(span.tickEvery, 1);
}

}  // namespace
