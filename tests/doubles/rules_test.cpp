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

TEST(DoublesRules, HalvesOfOddNumbersAreExactPointFives) {
    EXPECT_EQ(worked(true, 37), *Decimal::parse("18.5"));
    EXPECT_EQ(worked(true, 37), *Decimal::parse("18,5"));
    EXPECT_EQ(worked(true, 37).text(), "18.5");
    EXPECT_EQ(worked(true, 74).text(), "37") << "an even number halves to a whole";
    EXPECT_EQ(worked(true, 1).text(), "0.5");
    EXPECT_EQ(worked(false, 500), Decimal::of(1000));
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
        {kDoublesTo20, {0}, false, 1},           {kDoublesTo20, {kTop}, false, 10},
        {kDoublesTo100, {0}, false, 11},         {kDoublesTo100, {kTop}, false, 50},
        {kHalvesOfEven, {0}, true, 2},           {kHalvesOfEven, {kTop}, true, 200},
        {kHalvesTo100, {0}, true, 1},            {kHalvesTo100, {kTop}, true, 100},
        {kTensAndHundreds, {0.9f, 0, 0}, false, 100},   {kTensAndHundreds, {0.9f, 0, kTop}, false, 500},
        {kTensAndHundreds, {0.9f, 0.9f, 0}, false, 10}, {kTensAndHundreds, {0.9f, 0.9f, kTop}, false, 490},
        {kTensAndHundreds, {0.1f, 0, kTop}, true, 1000}, {kTensAndHundreds, {0.1f, 0.9f, kTop}, true, 990},
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom rnd;
        for (float r : c.draws) rnd.push(r);
        const Question q = drawQuestion(c.mode, rnd);
        EXPECT_EQ(q.number, c.number) << c.mode;
        EXPECT_EQ(q.half, c.half) << c.mode;
        EXPECT_EQ(rnd.remaining(), 0u);
    }
}

// The tens of the last mode are never whole hundreds, which have a share of their own.
TEST(DoublesRules, TensAreNeverHundredsAndDoublesStayWithin1000) {
    for (bool half : {false, true}) {
        for (int k = 0; k < 100; ++k) {
            platform::ScriptedRandom rnd{half ? 0.1f : 0.9f, 0.9f, (k + 0.5f) / 100};
            const Question q = drawQuestion(kTensAndHundreds, rnd);
            EXPECT_NE(q.number % 100, 0) << q.number;
            EXPECT_EQ(q.number % 10, 0);
            EXPECT_LE(answer(q), Decimal::of(1000));
        }
    }
}
