#include "activities/bank/rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/random.h"

using namespace bank;

namespace {
std::vector<float> sweep(int steps) {
    std::vector<float> draws;
    for (int i = 0; i < steps; ++i) draws.push_back(float(i) / float(steps));
    draws.push_back(0.99999994f);
    return draws;
}

// Every question the draws can make, from the bottom to the top of each draw.
std::vector<Question> everyKind(int mode) {
    std::vector<Question> questions;
    for (const float in : {0.0f, 0.5f, 0.99999994f})
        for (const float cross : {0.0f, 0.9f})
            for (const float side : {0.0f, 0.99999994f})
                for (const float a : sweep(9))
                    for (const float b : sweep(9)) {
                        platform::ScriptedRandom rnd{in, cross, 0.5f};
                        if (in > 0.4f && cross > 0.8f) rnd.push(side);  // the branch of payments out that stay
                        rnd.push(a);
                        rnd.push(b);
                        questions.push_back(drawQuestion(mode, rnd));
                    }
    return questions;
}
}  // namespace

TEST(BankRules, NoBalanceIsNothingAndMostCrossZero) {
    for (const int mode : {kWhole, kPence, kBackwards}) {
        SCOPED_TRACE(mode);
        int crossing = 0, total = 0, inPence = 0;
        for (const Question& q : everyKind(mode)) {
            EXPECT_NE(q.start, 0);
            EXPECT_NE(q.end(), 0);
            EXPECT_GT(q.amount, 0);
            EXPECT_LT(std::abs(q.start), 10000);
            if (mode != kPence) {
                EXPECT_EQ(q.start % 100 + q.amount % 100, 0) << "whole pounds only";
            }
            inPence += q.start % 100 != 0;
            crossing += crossesZero(q);
            ++total;
        }
        EXPECT_GT(crossing, total / 3) << crossing << " of " << total;
        if (mode == kPence) {
            EXPECT_GT(inPence, total / 2);
        }
    }
}

TEST(BankRules, TheBarMovesToZeroAndOnBeyondIt) {
    struct Case {
        Question q;
        std::vector<std::pair<long long, long long>> parts;
        long long answer;
    };
    const Case cases[] = {
        {{kWhole, 1200, 2000, false, 0}, {{1200, 0}, {0, -800}}, -800},
        {{kPence, -835, 1500, true, 0}, {{-835, 0}, {0, 665}}, 665},
        {{kWhole, 5000, 1000, false, 0}, {{5000, 4000}}, 4000},
        {{kWhole, -500, 1000, false, 0}, {{-500, -1500}}, -1500},
        // Backwards: from the balance now, the payment undone.
        {{kBackwards, 1200, 2000, false, 0}, {{-800, 0}, {0, 1200}}, 1200},
        {{kBackwards, -800, 1500, true, 0}, {{700, 0}, {0, -800}}, -800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.q.start);
        std::vector<std::pair<long long, long long>> parts;
        for (const Part& p : partsOf(c.q)) parts.emplace_back(p.from, p.to);
        EXPECT_EQ(parts, c.parts);
        EXPECT_EQ(answer(c.q), c.answer);
    }
}

TEST(BankRules, TheScaleHoldsBothBalancesAndZeroWithRoomToSpare) {
    for (const int mode : {kWhole, kPence, kBackwards}) {
        for (const Question& q : everyKind(mode)) {
            const Scale s = scaleOf(q);
            const long long lo = std::min({0LL, q.start, q.end()}), hi = std::max({0LL, q.start, q.end()});
            EXPECT_LT(s.low, lo);
            EXPECT_GT(s.high, hi);
            EXPECT_LE((s.high - s.low) / s.label, 10) << q.start << " " << q.end();
            EXPECT_EQ(s.low % s.label, 0);
        }
    }
}
