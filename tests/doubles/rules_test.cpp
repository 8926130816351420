#include <gtest/gtest.h>

#include "activities/doubles/rules.h"
#include "platform/random.h"

using namespace doubles;
using platform::Decimal;

TEST(DoublesRules, NumbersSplitByPlaceValueAndSmallOnesThroughFive) {
    struct Case {
        int number;
        std::vector<int> parts;
    };
    for (const Case& c : std::vector<Case>{{36, {30, 6}}, {7, {5, 2}}, {9, {5, 4}}, {5, {5}}, {10, {10}}, {40, {40}},
                                           {146, {100, 40, 6}}, {105, {100, 5}}, {750, {700, 50}}, {1000, {1000}}})
        EXPECT_EQ(partsOf(c.number), c.parts) << c.number;
}

// However a number splits, its parts worked add up to the answer: the diagram never shows a wrong sum.
TEST(DoublesRules, WorkedPartsAlwaysMakeTheAnswer) {
    for (int number = 1; number <= 1000; ++number) {
        for (bool half : {false, true}) {
            Decimal sum;
            for (int part : partsOf(number)) sum = sum + worked(half, part);
            ASSERT_EQ(sum, answer({kHalvesTo100, half, number})) << number;
        }
    }
}

TEST(DoublesRules, DrawsReachBothEndsOfEveryMode) {
    constexpr float kTop = 0.99999994f;
    struct Case {
        int mode;
        std::vector<float> draws;
        bool half;
        int number;
    };
    const std::vector<Case> cases{
        {kDoublesTo20, {0}, false, 1},    {kDoublesTo20, {kTop}, false, 10},   {kDoublesTo100, {0}, false, 11},
        {kDoublesTo100, {kTop}, false, 50}, {kHalvesOfEven, {0}, true, 2},    {kHalvesOfEven, {kTop}, true, 200},
        {kHalvesTo100, {0}, true, 1},     {kHalvesTo100, {kTop}, true, 100},   {kTensAndHundreds, {0.9f, 0, kTop}, false, 500},
        // Tens that are not hundreds: 10 … 490 doubled, up to 990 halved.
        {kTensAndHundreds, {0.9f, 0.9f, 0}, false, 10}, {kTensAndHundreds, {0.9f, 0.9f, kTop}, false, 490},
        {kTensAndHundreds, {0.1f, 0, kTop}, true, 1000}, {kTensAndHundreds, {0.1f, 0.9f, kTop}, true, 990},
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom rnd;
        for (float r : c.draws) rnd.push(r);
        const Question q = drawQuestion(c.mode, rnd);
        EXPECT_EQ(std::pair(q.number, q.half), std::pair(c.number, c.half)) << c.mode;
        EXPECT_EQ(rnd.remaining(), 0u);
    }
}
