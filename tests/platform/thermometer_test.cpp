#include "platform/thermometer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/form.h"

namespace {

using platform::Thermometer;

TEST(Thermometer, ReadsTheNearestWholeDegreeAndKeepsToItsScale) {
    platform::Form form("thermometer", 12000, 9000);
    auto* t = form.add<Thermometer>(nullptr, "thermometer", 0, 0, 2900, 7680);
    t->setRange(-30, 40, 10);
    const float degree = t->yOf(0) - t->yOf(1);
    EXPECT_GT(degree, 60);  // every degree's tick can be told apart
    EXPECT_GT(t->yOf(-30), t->yOf(40));  // warmer is higher
    struct Case {
        float y;
        long long degrees;
    } cases[] = {
        {t->yOf(-5) - 0.49f * degree, -5},
        {t->yOf(-5) - 0.51f * degree, -4},
        {t->yOf(40) - 5000, 40},
        {t->yOf(-30) + 5000, -30},
        {std::numeric_limits<float>::quiet_NaN(), -30},
        {std::numeric_limits<float>::infinity(), -30},
        {-std::numeric_limits<float>::max(), 40},
    };
    for (const Case& c : cases) EXPECT_EQ(t->degreesAt(c.y), c.degrees) << c.y;

    t->setReading(55);
    EXPECT_EQ(t->reading(), 40);
    t->setRange(-10, 10, 5);  // a narrower scale takes the column with it
    EXPECT_EQ(t->reading(), 10);
}

}  // namespace
