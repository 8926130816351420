#include <gtest/gtest.h>

#include <QLocale>

#include "platform/numtext.h"
#include "testsupport.h"

using platform::fixedText;
using platform::numText;
using platform::numValue;

TEST(NumText, WritesPlainDecimalsWithAtMostSevenDigitsForSingles) {
    struct Case {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, "0"},           {-0.0f, "0"},         {5.0f, "5"},
        {-9.9f, "-9.9"},       {0.1f, "0.1"},        {-0.9f, "-0.9"},
        {0.05f, "0.05"},       {8.2f, "8.2"},        {1234567.0f, "1234567"},
        {12345678.0f, "12345680"}, {0.0001f, "0.0001"}, {1e-7f, "0.0000001"},
        {-8.19f + 0.1f, "-8.089999"},  {0.3f - 0.1f, "0.2"},  {100.0f, "100"},
    };
    for (const auto& c : cases) EXPECT_EQ(numText(c.value), c.text) << c.value;
}

TEST(NumText, WritesDoublesWithFifteenDigits) {
    EXPECT_EQ(numText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numText(-10.0 + 0.1), "-9.9");
    EXPECT_EQ(numText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numText(-0.25), "-0.25");
    EXPECT_EQ(numText(1e20), "100000000000000000000");
}

TEST(FixedText, RoundsHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0.25, 1, "0.3"},   {-0.25, 1, "-0.3"}, {0.35, 1, "0.4"},  {2.675, 2, "2.68"},
        {-2.675, 2, "-2.68"}, {1.0, 2, "1.00"}, {-10.0, 1, "-10.0"}, {0.04, 1, "0.0"},
        {-0.04, 1, "0.0"},  {9.96, 1, "10.0"},  {-9.995, 2, "-10.00"}, {0.005, 2, "0.01"},
        {7.3499999, 1, "7.3"}, {0.0, 2, "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(fixedText(c.value, c.decimals), c.text) << c.value;
}

TEST(NumValue, ReadsWithAPointWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_DOUBLE_EQ(numValue("-9.9"), -9.9);
    EXPECT_DOUBLE_EQ(numValue(" 8.25"), 8.25);
    EXPECT_DOUBLE_EQ(numValue("-9,5"), -9.0);  // reading stops at the comma
    EXPECT_DOUBLE_EQ(numValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(numValue(""), 0.0);
    EXPECT_DOUBLE_EQ(numValue("-"), 0.0);
    EXPECT_DOUBLE_EQ(numValue(".5"), 0.5);
    QLocale::setDefault(before);
}

TEST(NumText, RoundTripsEveryTenthOnALine) {
    // Labels are written, read back and stepped: the text must read back to the same value.
    for (int i = -100; i <= 100; ++i) {
        const double v = i / 10.0;
        EXPECT_DOUBLE_EQ(numValue(numText(v)), v) << i;
    }
}

TEST(NumText, WritesAndReadsTheSameUnderADecimalCommaDesktop) {
    const testsupport::CommaLocale german;
    if (!german.available()) GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
    EXPECT_EQ(numText(-3.0f), "-3");
    EXPECT_EQ(numText(10.0f), "10");
    EXPECT_EQ(numText(-8.19f + 0.1f), "-8.089999");
    EXPECT_EQ(numText(0.1 + 0.2), "0.3");
    EXPECT_EQ(fixedText(2.675, 2), "2.68");
    EXPECT_EQ(fixedText(-0.04, 1), "0.0");
    EXPECT_DOUBLE_EQ(numValue("10"), 10.0);
    EXPECT_DOUBLE_EQ(numValue("-9.95"), -9.95);
    EXPECT_DOUBLE_EQ(numValue("+2.5"), 2.5);
    for (int i = -100; i <= 100; ++i) EXPECT_DOUBLE_EQ(numValue(numText(i / 100.0)), i / 100.0) << i;
}
