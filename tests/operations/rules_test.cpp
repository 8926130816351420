#include "activities/operations/rules.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "platform/random.h"

namespace {

using namespace operations;

// Many draws from a fixed seed: the properties below must hold for every question a class meets.
class SeedRandom final : public platform::RandomSource {
public:
    explicit SeedRandom(unsigned seed) : m_engine(seed) {}
    float next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }
    void reseed() override {}

private:
    std::mt19937 m_engine;
};

Expression read(const char* text) {
    const auto e = parse(QString::fromUtf8(text));
    if (!e) throw std::runtime_error(std::string("not an expression: ") + text);
    return *e;
}

// The working as the class reads it: each line written out, the last one the answer.
std::vector<QString> lines(const char* text) {
    std::vector<QString> out;
    const auto steps = work(read(text));
    if (!steps) return out;
    for (const Step& s : *steps) out.push_back(written(s.after, Signs{}));
    return out;
}

TEST(OperationsRule, WorksInTheSchoolOrderOneOperationAStep) {
    struct Case {
        const char* expression;
        std::vector<QString> working;
    };
    const Case cases[] = {
        {"8 - 2 - 3", {"6 − 3", "3"}},                   // left to right, not 8 − (2 − 3)
        {"12 ÷ 4 × 3", {"3 × 3", "9"}},                  // left to right, not 12 ÷ 12
        {"3 + 4 × 5", {"3 + 20", "23"}},                 // × before +
        {"20 - 12 ÷ 4 + 1", {"20 − 3 + 1", "17 + 1", "18"}},
        {"(8 - 2) × 3 + 1", {"6 × 3 + 1", "18 + 1", "19"}},
        {"2 × (3 + 4 × 2)", {"2 × (3 + 8)", "2 × 11", "22"}},  // inside brackets the rule starts again
        {"3² + 4 × 2", {"9 + 4 × 2", "9 + 8", "17"}},    // squares before ×
        {"2 × 3^2", {"2 × 9", "18"}},
        {"(2 + 3)² - 4", {"5² − 4", "25 − 4", "21"}},    // brackets before the square
        {"12 : 4 · 3", {"3 × 3", "9"}},                  // the signs of other classrooms read the same
    };
    for (const Case& c : cases) EXPECT_EQ(lines(c.expression), c.working) << c.expression;
}

TEST(OperationsRule, EachStepNamesWhatIsDoneAndWhichPartOfTheRuleChoseIt) {
    const auto steps = work(read("(8 - 2) × 3 + 2²"));
    ASSERT_TRUE(steps);
    // from, to, value, rule, where the value stands afterwards
    const std::tuple<int, int, long long, Rule, int> expected[] = {
        {1, 4, 6, Rule::Brackets, 0},  // "8 − 2" inside the brackets, which go with it
        {4, 6, 4, Rule::Squares, 4},   // 6 × 3 + 2²: the square, tokens 4 and 5
        {0, 3, 18, Rule::TimesDivide, 0},
        {0, 3, 22, Rule::PlusMinus, 0},
    };
    ASSERT_EQ(steps->size(), std::size(expected));
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const Step& s = (*steps)[i];
        EXPECT_EQ(std::make_tuple(s.from, s.to, s.value, s.rule, s.at), expected[i]) << i;
    }
}

TEST(OperationsRule, RefusesWorkingThatLeavesWholeNumbersOrGoesBelowZero) {
    for (const char* bad : {"7 ÷ 2", "6 ÷ (3 - 3)", "2 - 5 + 4", "3 × 4 - 20", "(1 - 2) × 0", "3 +", "(3 + 4", "3 + 4)", "+ 3"})
        EXPECT_FALSE(work(read(bad))) << bad;
    EXPECT_FALSE(work(read("15 × 15"), 200));
    EXPECT_TRUE(work(read("8 ÷ 4 - 2")));  // nought at the end is fine
    for (const char* unreadable : {"3 $ 4", "2^3", "12345678901 + 1"}) EXPECT_FALSE(parse(QString::fromUtf8(unreadable))) << unreadable;
}

TEST(OperationsRule, WritesSpacesAroundSignsButNotInsideBracketsOrBeforeASquare) {
    EXPECT_EQ(written(read("(12 - 2) ÷ 5²"), Signs{QStringLiteral("·"), QStringLiteral(":")}), QStringLiteral("(12 − 2) : 5²"));
}

TEST(OperationsDraw, EveryQuestionOfEveryModeWorksOutWholeAndNeverBelowZero) {
    SeedRandom rnd(20261208);
    for (int mode = 0; mode < kModes; ++mode) {
        int sameKind = 0;
        for (int i = 0; i < 3000; ++i) {
            const Question q = drawQuestion(mode, rnd);
            const auto steps = work(q.expression, kLargestValue);
            ASSERT_TRUE(steps) << mode << ": " << written(q.expression, Signs{}).toStdString();
            const int operations = operationCount(q.expression);
            ASSERT_EQ(static_cast<int>(steps->size()), operations);
            int brackets = 0, squares = 0, high = 0, depth = 0;
            for (const Token& t : q.expression) {
                brackets += t.kind == Token::Kind::Open;
                squares += t.kind == Token::Kind::Squared;
                depth += t.kind == Token::Kind::Open ? 1 : t.kind == Token::Kind::Close ? -1 : 0;
                const bool timesOrShare = t.kind == Token::Kind::Times || t.kind == Token::Kind::Divide;
                high += timesOrShare;
                // Brackets are there to put + or − first.
                EXPECT_FALSE(depth > 0 && timesOrShare) << written(q.expression, Signs{}).toStdString();
            }
            switch (mode) {
                case kTwoOperations: EXPECT_EQ(operations, 2); break;
                case kThreeOperations: EXPECT_EQ(operations, 3); break;
                case kBrackets: EXPECT_GE(brackets, 1); break;
                case kSquares: EXPECT_EQ(squares, 1); break;
            }
            if (mode <= kThreeOperations) {
                EXPECT_EQ(brackets + squares, 0);
                sameKind += high == 0 || high == operations;
            }
            EXPECT_LE(operations, 3) << "more than the working lines on the board";
        }
        // Mostly × or ÷ beside + or −, but sometimes one kind only, worked left to right.
        if (mode <= kThreeOperations) {
            EXPECT_GT(sameKind, 300) << mode;
            EXPECT_LT(sameKind, 1500) << mode;
        }
    }
}

TEST(OperationsDraw, BracketsAlwaysChangeTheAnswerOrTheWayItCanBeWorked) {
    SeedRandom rnd(7);
    for (int i = 0; i < 2000; ++i) {
        const Question q = drawQuestion(kBrackets, rnd);
        Expression bare;
        for (const Token& t : q.expression)
            if (t.kind != Token::Kind::Open && t.kind != Token::Kind::Close) bare.push_back(t);
        const auto with = work(q.expression, kLargestValue), without = work(bare, 1000000000);
        ASSERT_TRUE(with);
        if (without) {
            EXPECT_NE(with->back().value, without->back().value) << written(q.expression, Signs{}).toStdString();
        }
    }
}

TEST(OperationsDraw, NeverTheSameQuestionTwiceInARow) {
    SeedRandom rnd(3);
    std::optional<Question> current;
    for (int i = 0; i < 500; ++i) {
        const Question q = nextQuestion(kTwoOperations, rnd, current);
        if (current) {
            ASSERT_NE(q, *current);
        }
        current = q;
    }
}

}  // namespace
