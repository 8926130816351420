#include <gtest/gtest.h>

#include "activities/fruit/rules.h"

using namespace fruit;

namespace {

TEST(FruitRules, DrawsCoverTheirRangesToTheTopValue) {
    const float top = 0.99999994f;
    const std::vector<std::tuple<float, int, int>> cases{
        // r, sum form, reel
        {0.0f, 0, 0}, {0.0999f, 0, 0}, {0.1f, 0, 1}, {0.3333f, 0, 3}, {0.34f, 1, 3},
        {0.6666f, 1, 6}, {0.67f, 2, 6}, {top, 2, 9},
    };
    for (const auto& [r, form, reelIndex] : cases) {
        EXPECT_EQ(drawSumForm(r), form) << r;
        EXPECT_EQ(drawReel(r), reelIndex) << r;
    }
}

TEST(FruitRules, WorkedSumsHaveOneBlankBeforeEachNumber) {
    const std::vector<std::tuple<int, int, int, int, int, QString>> cases{
        {0, 1, 5, 10, 50, " 1 x 5 x 10 = 50"},
        {0, 10, 10, 10, 1000, " 10 x 10 x 10 = 1000"},
        {2, 1, 1, 5, -3, " 1 + 1 - 5 =-3"},  // a negative carries its minus, not a blank
    };
    for (const auto& [form, a, b, c, score, text] : cases) {
        EXPECT_EQ(fruitScore(form, a, b, c), score);
        EXPECT_EQ(workedSum(form, a, b, c), text);
    }
}

}  // namespace
