#include "activities/missing/rules.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/random.h"

namespace {

using namespace missing;
using Kind = BarCell::Kind;

class SeedRandom final : public platform::RandomSource {
public:
    explicit SeedRandom(unsigned seed) : m_engine(seed) {}
    float next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }
    void reseed() override {}

private:
    std::mt19937 m_engine;
};

Question oneStep(long long a, Op op, long long b, long long c, int missing) {
    Question q;
    q.numbers = {a, b, c, 0};
    q.ops = {op, Op::Add};
    q.missing = missing;
    return q;
}
Question twoSteps(long long a, Op op, long long b, Op op2, long long c, long long d, int missing) {
    Question q;
    q.mode = kTwoSteps;
    q.steps = 2;
    q.numbers = {a, b, c, d};
    q.ops = {op, op2};
    q.missing = missing;
    return q;
}

TEST(MissingDraw, EveryQuestionHasExactlyOneWholeNumberAnswer) {
    SeedRandom rnd(20261208);
    for (int mode = 0; mode < kModes; ++mode) {
        int resultFirst = 0;
        std::array<int, 4> boxAt{};
        for (int i = 0; i < 2000; ++i) {
            const Question q = drawQuestion(mode, rnd);
            // Every whole number a pupil could type, tried in the box: only the answer makes it true
            // ("0 × ? = 0" would fail here, every number making it true).
            int answers = 0;
            for (long long candidate = 0; candidate <= 2000; ++candidate) answers += holds(q, candidate);
            ASSERT_EQ(answers, 1) << "mode " << mode << ", question " << i;
            ASSERT_TRUE(holds(q, q.answer()));
            ASSERT_GT(q.answer(), 0);
            // Divisions are exact as written, not only with the answer in the box.
            ASSERT_TRUE(q.ops[0] != Op::Divide || q.numbers[0] % q.numbers[1] == 0);
            resultFirst += q.resultFirst;
            ++boxAt[std::size_t(q.missing)];
            EXPECT_EQ(q.steps, mode == kTwoSteps ? 2 : 1);
            const bool sum = q.ops[0] == Op::Add || q.ops[0] == Op::Subtract;
            EXPECT_TRUE(mode == kMixed || sum == (mode == kAddSubtract));
            EXPECT_TRUE(mode != kTwoSteps || q.ops[1] == Op::Add || q.ops[1] == Op::Subtract);
        }
        // The box stands anywhere; two-step boxes stand in the first operation.
        EXPECT_GT(boxAt[0], 400);
        EXPECT_GT(boxAt[1], 400);
        if (mode == kTwoSteps)
            EXPECT_EQ(boxAt[2], 0);
        else
            EXPECT_GT(boxAt[2], 400);
        EXPECT_GT(resultFirst, 200);
        EXPECT_LT(resultFirst, 700);
    }
}

TEST(MissingRules, TheInverseOperationFindsTheBox) {
    struct Case {
        Question q;
        std::vector<Working> lines;
    };
    const Case cases[] = {
        {oneStep(84, Op::Subtract, 29, 55, 0), {{55, Op::Add, 29, 84}}},  // ? − 29 = 55
        {oneStep(84, Op::Subtract, 29, 55, 1), {{84, Op::Subtract, 55, 29}}},
        {oneStep(84, Op::Subtract, 29, 55, 2), {{84, Op::Subtract, 29, 55}}},  // the result: work it out
        {oneStep(38, Op::Add, 45, 83, 0), {{83, Op::Subtract, 45, 38}}},
        {oneStep(38, Op::Add, 45, 83, 1), {{83, Op::Subtract, 38, 45}}},
        {oneStep(7, Op::Multiply, 6, 42, 0), {{42, Op::Divide, 6, 7}}},
        {oneStep(7, Op::Multiply, 6, 42, 1), {{42, Op::Divide, 7, 6}}},
        {oneStep(42, Op::Divide, 6, 7, 0), {{7, Op::Multiply, 6, 42}}},
        {oneStep(42, Op::Divide, 6, 7, 1), {{42, Op::Divide, 7, 6}}},
        {twoSteps(3, Op::Multiply, 7, Op::Add, 4, 25, 1), {{25, Op::Subtract, 4, 21}, {21, Op::Divide, 3, 7}}},
        {twoSteps(28, Op::Divide, 4, Op::Subtract, 2, 5, 0), {{5, Op::Add, 2, 7}, {7, Op::Multiply, 4, 28}}},
        {twoSteps(28, Op::Divide, 4, Op::Subtract, 2, 5, 1), {{5, Op::Add, 2, 7}, {28, Op::Divide, 7, 4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(workings(c.q), c.lines);
        EXPECT_EQ(workings(c.q).back().result, c.q.answer());
    }
}

TEST(MissingRules, TheBarModelShowsTheWholeAboveItsParts) {
    const auto cells = [](int count, long long size, Kind kind) { return std::vector<BarCell>(std::size_t(count), {size, kind}); };
    struct Case {
        Question q;
        std::vector<BarCell> whole, parts;
    };
    const Case cases[] = {
        // ? − 29 = 55: the whole is the box, its parts what is left and what was taken.
        {oneStep(84, Op::Subtract, 29, 55, 0), {{84, Kind::Unknown}}, {{55, Kind::Number}, {29, Kind::Number}}},
        {oneStep(38, Op::Add, 45, 83, 2), {{83, Kind::Unknown}}, {{38, Kind::Number}, {45, Kind::Number}}},
        // 7 × ? = 42: seven equal parts, each the box.
        {oneStep(7, Op::Multiply, 6, 42, 1), {{42, Kind::Number}}, cells(7, 6, Kind::Unknown)},
        {oneStep(7, Op::Multiply, 6, 42, 0), {{42, Kind::Number}}, cells(6, 7, Kind::Unknown)},
        {oneStep(7, Op::Multiply, 6, 42, 2), {{42, Kind::Unknown}}, cells(7, 6, Kind::Number)},
        // 42 ÷ ? = 7: seven equal parts of 42, each the box; ? ÷ 6 = 7: six parts of 7.
        {oneStep(42, Op::Divide, 6, 7, 1), {{42, Kind::Number}}, cells(7, 6, Kind::Unknown)},
        {oneStep(42, Op::Divide, 6, 7, 0), {{42, Kind::Unknown}}, cells(6, 7, Kind::Number)},
        {oneStep(42, Op::Divide, 6, 7, 2), {{42, Kind::Number}}, cells(6, 7, Kind::Unknown)},
    };
    for (const Case& c : cases) {
        const Bar bar = barModel(c.q);
        EXPECT_EQ(bar.whole, c.whole);
        EXPECT_EQ(bar.parts, c.parts);
    }
    // 3 × ? + 4 = 25: three parts of the box and the 4 make 25.
    std::vector<BarCell> parts = cells(3, 7, Kind::Unknown);
    parts.push_back({4, Kind::Number});
    Bar bar = barModel(twoSteps(3, Op::Multiply, 7, Op::Add, 4, 25, 1));
    EXPECT_EQ(bar.whole, (std::vector<BarCell>{{25, Kind::Number}}));
    EXPECT_EQ(bar.parts, parts);
    // ? ÷ 4 − 2 = 5: what the division made is the whole, 5 and 2 its parts.
    bar = barModel(twoSteps(28, Op::Divide, 4, Op::Subtract, 2, 5, 0));
    EXPECT_EQ(bar.whole, (std::vector<BarCell>{{7, Kind::FirstStep}}));
    EXPECT_EQ(bar.parts, (std::vector<BarCell>{{5, Kind::Number}, {2, Kind::Number}}));
}

}  // namespace
