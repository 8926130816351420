#include "activities/placevalue/rules.h"

#include <gtest/gtest.h>

#include "platform/random.h"

namespace {

using namespace placevalue;
using platform::Decimal;

Decimal dec(const char* text) { return *Decimal::parse(QString::fromLatin1(text)); }

// Many draws from a fixed seed, for the bounds every draw must keep.
struct Lcg final : platform::RandomSource {
    unsigned long long state = 12345;
    float next() override { return float((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 40) / 16777216.0f; }
    void reseed() override {}
};

TEST(PlaceValueRules, ScalingByPowersOfTenIsExact) {
    const struct {
        const char *number, *result;
        Kind kind;
        int shift;
    } cases[] = {{"37.4", "3740", Kind::Multiply, 2}, {"5", "0.05", Kind::Divide, 2},  {"0.67", "670", Kind::Multiply, 3},
                 {"2600", "260", Kind::Divide, 1},    {"0.1", "1", Kind::Multiply, 1}, {"3.05", "0.305", Kind::Divide, 1},
                 {"4570", "4.57", Kind::Divide, 3},   {"0.29", "2.9", Kind::Multiply, 1}};
    for (const auto& c : cases) {
        Question q;
        q.kind = c.kind;
        q.number = dec(c.number);
        q.shift = c.shift;
        EXPECT_EQ(answer(q), dec(c.result)) << c.number;
        EXPECT_EQ(answer(q).text(), QString::fromLatin1(c.result)) << c.number;
    }
}

TEST(PlaceValueRules, DigitsTheirWorthAndThePlacesANumberIsWrittenIn) {
    const struct {
        const char* number;
        int place, digit;
        const char* worth;
        int highest, lowest;
    } cases[] = {{"37.45", -2, 5, "0.05", 1, -2}, {"37.45", 1, 3, "30", 1, -2}, {"305", 1, 0, "0", 2, 0},
                 {"740836", 5, 7, "700000", 5, 0}, {"3740", 0, 0, "0", 3, 0},   {"0.05", -1, 0, "0", 0, -2},
                 {"0.6", 0, 0, "0", 0, -1},        {"37.40", -1, 4, "0.4", 1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(digitAt(dec(c.number), c.place), c.digit) << c.number << " place " << c.place;
        EXPECT_EQ(worth(c.digit, c.place), dec(c.worth)) << c.number;
        EXPECT_EQ(writtenSpan(dec(c.number)).highest, c.highest) << c.number;
        EXPECT_EQ(writtenSpan(dec(c.number)).lowest, c.lowest) << c.number;
    }
    EXPECT_EQ(partsOf(dec("4072")), (std::vector<Decimal>{dec("4000"), dec("70"), dec("2")}));
    EXPECT_EQ(partsOf(dec("37.45")), (std::vector<Decimal>{dec("30"), dec("7"), dec("0.4"), dec("0.05")}));
}

TEST(PlaceValueRules, EveryDrawFitsItsChartAndAsksSomething) {
    Lcg rnd;
    for (int mode = 0; mode < kModes; ++mode) {
        const Columns columns = columnsOf(mode);
        const auto fits = [&](Decimal v) { return columns.has(writtenSpan(v).highest) && columns.has(writtenSpan(v).lowest); };
        for (Kind kind : mode == kTimesDivide ? std::vector{Kind::Multiply, Kind::Divide} : std::vector{Kind::RedDigit, Kind::Partition})
            for (int i = 0; i < 3000; ++i) {
                const Question q = drawQuestion(mode, kind, rnd);
                const std::string shown = q.number.text().toStdString();
                ASSERT_TRUE(fits(q.number) && fits(answer(q))) << mode << ": " << shown;
                ASSERT_TRUE(mode != kDecimals || lowestDigit(q.number) == -2) << shown;
                ASSERT_TRUE(mode >= kDecimals || highestDigit(q.number) == columns.highest) << shown;
                ASSERT_TRUE(kind != Kind::RedDigit || digitAt(q.number, q.redPlace) != 0) << shown;
                if (kind == Kind::Partition) {
                    Decimal sum;
                    for (const Decimal& p : q.parts) sum = sum + p;
                    ASSERT_TRUE(q.parts.size() >= 2 && sum == q.number) << shown;
                    // Shuffled in the larger modes: never in place-value order.
                    ASSERT_TRUE(mode == kHundreds || mode == kDecimals || q.parts != partsOf(q.number)) << shown;
                }
            }
    }
    // The largest and smallest draws of the largest mode fill its chart and no more.
    platform::ScriptedRandom ends{0.99999994f, 0.99999994f, 0.0f, 0.0f};
    const Question top = drawQuestion(kHundredThousands, Kind::RedDigit, ends);
    EXPECT_EQ(top.number, Decimal::of(999999));
    EXPECT_EQ(drawQuestion(kHundredThousands, Kind::RedDigit, ends).number, Decimal::of(100000));
}

TEST(PlaceValueRules, KindsComeInTurnAndNeverRepeatTheBoard) {
    Lcg rnd;
    Questions questions;
    std::optional<Question> current;
    for (Kind kind : {Kind::RedDigit, Kind::Partition, Kind::RedDigit}) {
        current = questions.next(kHundreds, rnd, current);
        EXPECT_EQ(current->kind, kind);
    }
    EXPECT_EQ(questions.next(kTimesDivide, rnd, current).kind, Kind::Multiply);  // a new mode starts again
    for (int i = 0; i < 2000; ++i) {
        const Question next = questions.next(i % 7 == 0 ? (i / 7) % kModes : current->mode, rnd, current);
        ASSERT_FALSE(next == *current);
        current = next;
    }
}

}  // namespace
