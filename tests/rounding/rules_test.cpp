#include "activities/rounding/rules.h"

#include <gtest/gtest.h>

#include "platform/random.h"

namespace {

using namespace rounding;
using platform::Decimal;

TEST(RoundingRules, ExactHalvesRoundUpAsChildrenAreTaught) {
    struct Case {
        Question q;
        Decimal answer;
    } cases[] = {
        {{kWholeNumber, 34750, 2}, Decimal::of(348)},   // 347.5 → 348, not the 348 of halves-to-even by luck:
        {{kWholeNumber, 34850, 2}, Decimal::of(349)},   // 348.5 → 349 where halves-to-even gives 348
        {{kHundreds, 350, 0}, Decimal::of(400)},
        {{kHundreds, 249, 0}, Decimal::of(200)},
        {{kTens, 995, 0}, Decimal::of(1000)},
        {{kThousands, 2500, 0}, Decimal::of(3000)},
        {{kOnePlace, 345, 2}, Decimal::of(35, 1)},      // 3.45 → 3.5, where binary 3.45 is below the half
        {{kOnePlace, 1249, 2}, Decimal::of(125, 1)},
        {{kWholeNumber, 1299, 2}, Decimal::of(13)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(answer(c.q), c.answer) << c.q.units;
        EXPECT_LE(lowerMultiple(c.q), c.q.units);
        EXPECT_GE(upperMultiple(c.q), c.q.units);
    }
    EXPECT_TRUE(isHalfway({kHundreds, 350, 0}));
    EXPECT_FALSE(isHalfway({kHundreds, 349, 0}));
}

TEST(RoundingRules, DrawsStayInsideEachModeAndNeverOnAMultiple) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (float r : {0.0f, 0.5f, 0.99999994f}) {
            for (bool half : {false, true}) {
                platform::ScriptedRandom rnd;
                // The draw, then the whole-number mode's "one place or two" draw.
                for (int i = 0; i < 4; ++i) {
                    rnd.push(r);
                    rnd.push(0.7f);
                }
                const Question q = drawQuestion(mode, rnd, half);
                EXPECT_GT(q.units, stepOf(q)) << mode;
                EXPECT_NE(q.units % stepOf(q), 0) << mode << " " << q.units;
                if (half) {
                    EXPECT_TRUE(isHalfway(q)) << mode << " " << q.units;
                }
                EXPECT_LT(q.value(), Decimal::of(100000)) << mode;
            }
        }
    }
}

TEST(RoundingRules, EveryTenQuestionsHoldAnExactHalfAndNoneRepeatsTheLast) {
    platform::ClockRandom rnd;
    for (int mode = 0; mode < kModes; ++mode) {
        Questions questions;
        std::optional<Question> last;
        int sinceHalf = 0;
        for (int i = 0; i < 2000; ++i) {
            const Question q = questions.next(mode, rnd, last);
            ASSERT_FALSE(last && q == *last) << mode;
            sinceHalf = isHalfway(q) ? 0 : sinceHalf + 1;
            ASSERT_LT(sinceHalf, Questions::kHalfwayEvery) << mode;
            last = q;
        }
    }
}

}  // namespace
