#include <gtest/gtest.h>

#include <cmath>

#include "activities/dartboard/rules.h"

using namespace dartboard;

namespace {

struct RingCase {
    float r;
    int p, ring;
    double radius;  // on a 7200-twip board
    int scoreOnSeven;
};

TEST(DartboardRules, EachRingIsPickedUpToItsBoundAndScores) {
    const std::vector<RingCase> cases{
        {0.0f, 0, 0, 1800, 7},    {0.495f, 49, 0, 1800, 7}, {0.505f, 50, 1, 2340, 14}, {0.795f, 79, 1, 2340, 14},
        {0.805f, 80, 2, 1260, 21}, {0.965f, 96, 2, 1260, 21}, {0.975f, 97, 3, 180, 25},  {0.985f, 98, 3, 180, 25},
        {0.995f, 99, 4, 0, 50},   {0.99999994f, 99, 4, 0, 50},
        // Rnd × 100 is single precision: 0.96 held as a float is a hair under 0.96, yet gives 96.
        {0.96f, 96, 2, 1260, 21},
    };
    for (const RingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "r = " << c.r);
        EXPECT_EQ(drawP(c.r), c.p);
        const int ring = ringForP(drawP(c.r));
        EXPECT_EQ(ring, c.ring);
        EXPECT_DOUBLE_EQ(ringRadius(ring, 7200), c.radius);
        EXPECT_EQ(ringScore(ring, 7), c.scoreOnSeven);
    }
}

TEST(DartboardRules, DrawsCoverTheirRangesToTheTopValue) {
    const float top = 0.99999994f;
    EXPECT_EQ(drawQuestionKind(0.0f), 1);
    EXPECT_EQ(drawQuestionKind(0.3333f), 1);
    EXPECT_EQ(drawQuestionKind(0.34f), 2);
    EXPECT_EQ(drawQuestionKind(top), 3);
    EXPECT_EQ(drawSegment(0.0f), 1);
    EXPECT_EQ(drawSegment(top), 20);
    EXPECT_EQ(drawHalfExtra(0.0f), 1);
    EXPECT_EQ(drawHalfExtra(top), 10);
}

struct SpotCase {
    int segment;
    double radius;
    int dart;
    float left, top;
};

TEST(DartboardRules, DartSpotsAreTheThrowPointPlusTheDartsOffset) {
    // The design board's centre is (5040, 4260); 20 is up, 6 right, 3 down, 11 left.
    const std::vector<SpotCase> cases{
        {20, 0, 0, 5040, 4260},    {20, 0, 1, 4560, 3780},   {20, 0, 2, 5040, 3780},  {20, 1800, 0, 5040, 2460},
        {6, 1800, 0, 6840, 4260},  {3, 1800, 0, 5040, 6060}, {11, 1800, 0, 3240, 4260}, {6, 2340, 1, 6900, 3780},
        {11, 1260, 2, 3780, 3780}, {3, 180, 1, 4560, 3960},  {1, 1800, 0, 5596.2305f, 2548.0983f},
    };
    for (const SpotCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "segment " << c.segment << " radius " << c.radius << " dart " << c.dart);
        const Spot spot = dartSpot(5040, 4260, c.segment, c.radius, c.dart);
        EXPECT_FLOAT_EQ(spot.left, c.left);
        EXPECT_FLOAT_EQ(spot.top, c.top);
    }
}

TEST(DartboardRules, MeanIsAWholePartAndThirds) {
    const std::vector<std::tuple<int, int, int>> cases{{3, 1, 0}, {4, 1, 1}, {5, 1, 2}, {62, 20, 2}, {180, 60, 0}};
    for (const auto& [total, whole, numerator] : cases) {
        EXPECT_EQ(meanOfThree(total).whole, whole) << total;
        EXPECT_EQ(meanOfThree(total).numerator, numerator) << total;
    }
}

}  // namespace

// A source straying outside [0, 1) gives a question at the ends of each range, never an index past a table.
TEST(DartboardRules, DrawsOutsideTheUnitRangeStayOnTheBoard) {
    const std::vector<std::tuple<float, int, int, int, int>> cases{
        // r, kind, segment, p, half extra
        {1.0f, 3, 20, 99, 10}, {7.5f, 3, 20, 99, 10}, {-0.5f, 1, 1, 0, 1}, {std::nanf(""), 1, 1, 0, 1}};
    for (const auto& [r, kind, segment, p, half] : cases) {
        EXPECT_EQ(drawQuestionKind(r), kind) << r;
        EXPECT_EQ(drawSegment(r), segment) << r;
        EXPECT_EQ(drawP(r), p) << r;
        EXPECT_EQ(drawHalfExtra(r), half) << r;
    }
    EXPECT_EQ(ringScore(-1, 5), 5) << "an unknown ring counts as the single";
    EXPECT_EQ(ringScore(9, 5), 50) << "and one past the table as the bull";
}
