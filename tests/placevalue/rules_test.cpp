#include "activities/placevalue/rules.h"

#include <gtest/gtest.h>

#include "platform/random.h"

namespace {

using namespace placevalue;
using platform::Decimal;

Decimal dec(const char* text) { return *Decimal::parse(QString::fromLatin1(text)); }

// Many draws from a fixed seed, for the bounds every draw must keep.
class Lcg final : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<float>(m_state >> 40) / 16777216.0f;
    }
    void reseed() override {}

private:
    unsigned long long m_state = 12345;
};

TEST(PlaceValueRules, ScalingByPowersOfTenIsExact) {
    struct Case {
        const char* number;
        Kind kind;
        int shift;
        const char* result;
    };
    const Case cases[] = {
        {"37.4", Kind::Multiply, 2, "3740"}, {"5", Kind::Divide, 2, "0.05"},  {"0.67", Kind::Multiply, 3, "670"},
        {"4.57", Kind::Multiply, 3, "4570"}, {"2600", Kind::Divide, 1, "260"}, {"0.1", Kind::Multiply, 1, "1"},
        {"3.05", Kind::Divide, 1, "0.305"},  {"4570", Kind::Divide, 3, "4.57"}, {"0.29", Kind::Multiply, 1, "2.9"},
    };
    for (const Case& c : cases) {
        Question q;
        q.kind = c.kind;
        q.number = dec(c.number);
        q.shift = c.shift;
        EXPECT_EQ(answer(q), dec(c.result)) << c.number;
        EXPECT_EQ(answer(q).text(), QString::fromLatin1(c.result)) << c.number;
    }
}

TEST(PlaceValueRules, DigitsTheirWorthAndWhereANumberIsWritten) {
    struct Case {
        const char* number;
        int place;
        int digit;
        const char* worth;
        int highest, lowest;  // the places it is written in
    };
    const Case cases[] = {
        {"37.45", -2, 5, "0.05", 1, -2}, {"37.45", 1, 3, "30", 1, -2},    {"305", 1, 0, "0", 2, 0},
        {"740836", 5, 7, "700000", 5, 0}, {"3740", 0, 0, "0", 3, 0},       {"0.05", -1, 0, "0", 0, -2},
        {"0.6", 0, 0, "0", 0, -1},        {"37.40", -1, 4, "0.4", 1, -1}, {"12", 4, 0, "0", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(digitAt(dec(c.number), c.place), c.digit) << c.number << " place " << c.place;
        EXPECT_EQ(worth(c.digit, c.place), dec(c.worth)) << c.number;
        const Span span = writtenSpan(dec(c.number));
        EXPECT_EQ(span.highest, c.highest) << c.number;
        EXPECT_EQ(span.lowest, c.lowest) << c.number;
    }
}

TEST(PlaceValueRules, PartsSkipZerosLargestFirst) {
    EXPECT_EQ(partsOf(dec("4072")), (std::vector<Decimal>{dec("4000"), dec("70"), dec("2")}));
    EXPECT_EQ(partsOf(dec("37.45")), (std::vector<Decimal>{dec("30"), dec("7"), dec("0.4"), dec("0.05")}));
    EXPECT_EQ(partsOf(dec("0.05")), (std::vector<Decimal>{dec("0.05")}));
}

// What every question of every mode keeps, over many draws.
TEST(PlaceValueRules, EveryDrawFitsItsChartAndAsksSomething) {
    Lcg rnd;
    for (int mode = 0; mode < kModes; ++mode) {
        const Columns columns = columnsOf(mode);
        const auto fits = [&](Decimal v) {
            const Span s = writtenSpan(v);
            return columns.has(s.highest) && columns.has(s.lowest);
        };
        const Kind kinds[2] = {mode == kTimesDivide ? Kind::Multiply : Kind::RedDigit,
                               mode == kTimesDivide ? Kind::Divide : Kind::Partition};
        for (Kind kind : kinds) {
            for (int i = 0; i < 3000; ++i) {
                const Question q = drawQuestion(mode, kind, rnd);
                ASSERT_TRUE(fits(q.number)) << mode << ": " << q.number.text().toStdString();
                ASSERT_TRUE(fits(answer(q))) << mode << ": " << answer(q).text().toStdString();
                if (mode == kDecimals) {
                    ASSERT_EQ(*lowestDigit(q.number), -2) << q.number.text().toStdString();
                }
                if (mode < kDecimals) {
                    ASSERT_EQ(*highestDigit(q.number), columns.highest) << q.number.text().toStdString();
                }
                if (kind == Kind::RedDigit) {
                    ASSERT_NE(digitAt(q.number, q.redPlace), 0) << q.number.text().toStdString();
                }
                if (kind == Kind::Partition) {
                    ASSERT_GE(q.parts.size(), 2u);
                    Decimal sum;
                    for (const Decimal& p : q.parts) sum = sum + p;
                    ASSERT_EQ(sum, q.number);
                    // Shuffled in the larger modes: never in place-value order.
                    if (mode == kThousands || mode == kHundredThousands) {
                        ASSERT_NE(q.parts, partsOf(q.number));
                    }
                }
                if (kind == Kind::Multiply || kind == Kind::Divide) {
                    ASSERT_TRUE(q.shift >= 1 && q.shift <= 3);
                }
            }
        }
    }
}

TEST(PlaceValueRules, LargestDrawsFillTheChartWithoutOverflow) {
    platform::ScriptedRandom rnd{0.99999994f, 0.99999994f, 0.0f, 0.0f};
    const Question top = drawQuestion(kHundredThousands, Kind::RedDigit, rnd);
    EXPECT_EQ(top.number, Decimal::of(999999));
    EXPECT_EQ(top.redPlace, 0);
    const Question bottom = drawQuestion(kHundredThousands, Kind::RedDigit, rnd);
    EXPECT_EQ(bottom.number, Decimal::of(100000));
    EXPECT_EQ(bottom.redPlace, 5);
}

TEST(PlaceValueRules, KindsComeInTurnAndNeverRepeatTheBoard) {
    Lcg rnd;
    Questions questions;
    std::optional<Question> current;
    const Kind expected[] = {Kind::RedDigit, Kind::Partition, Kind::RedDigit};
    for (Kind kind : expected) {
        current = questions.next(kHundreds, rnd, current);
        EXPECT_EQ(current->kind, kind);
    }
    // A new mode starts from its first kind.
    current = questions.next(kTimesDivide, rnd, current);
    EXPECT_EQ(current->kind, Kind::Multiply);
    for (int i = 0; i < 2000; ++i) {
        const Question next = questions.next(i % 7 == 0 ? (i / 7) % kModes : current->mode, rnd, current);
        ASSERT_FALSE(next == *current);
        current = next;
    }
}

}  // namespace
