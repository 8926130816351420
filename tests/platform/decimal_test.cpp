#include <gtest/gtest.h>

#include "platform/decimal.h"

using platform::Decimal;

TEST(Decimal, ReadsWhatAPupilTypesAsExactNumbers) {
    struct Case {
        const char* typed;
        long long units;
        int places;
    } cases[] = {
        {"0.3", 3, 1},   {"0,3", 3, 1},     {".3", 3, 1},       {"0.30", 3, 1},  {"3.", 3, 0},
        {"-5", -5, 0},   {"\u22125", -5, 0}, {" 12 ", 12, 0},    {"007", 7, 0},   {"-0.05", -5, 2},
        {"999999999", 999999999, 0},          {"0", 0, 0},        {"-0", 0, 0},
    };
    for (const auto& c : cases) {
        const auto d = Decimal::parse(QString::fromUtf8(c.typed));
        ASSERT_TRUE(d) << c.typed;
        EXPECT_EQ(*d, Decimal::of(c.units, c.places)) << c.typed;
    }
    for (const char* bad : {"", "-", ".", "-.", "1.2.3", "--4", "4-", "1,2,3", "1 2", "abc", "+3", "3e2",
                            "1234567890123456789", "0.0000000000000000001"})
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(bad))) << bad;
}

TEST(Decimal, SumsAndShiftsCarryNoBinaryNoise) {
    EXPECT_EQ(Decimal::of(37, 2) + Decimal::of(63, 2), Decimal::of(1));
    EXPECT_EQ(Decimal::of(1) - Decimal::of(37, 2), Decimal::of(63, 2));
    EXPECT_EQ(Decimal::of(374, 1).shifted(2), Decimal::of(3740));
    EXPECT_EQ(Decimal::of(5).shifted(-2), Decimal::of(5, 2));
    EXPECT_EQ(Decimal::of(5).shifted(-2).text(), "0.05");
    EXPECT_EQ(Decimal::of(374, 1).shifted(2).text(), "3740");
    EXPECT_EQ(Decimal::of(340, 2).text(QLatin1Char(',')), "3,4");
    EXPECT_EQ(Decimal::of(15, 1).text(QLatin1Char('.'), 2), "1.50");
    EXPECT_EQ(Decimal::of(-7, 3).text(), "-0.007");
    EXPECT_LT(Decimal::of(-5, 1), Decimal::of(-4, 1));
    EXPECT_GT(Decimal::of(1001, 3), Decimal::of(1));
    EXPECT_EQ(Decimal::of(25, 1).unitsAt(2), 250);
    EXPECT_FALSE(Decimal::of(25, 2).unitsAt(1));
}
