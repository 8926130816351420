#include "activities/angles/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "platform/random.h"

namespace {

using namespace angles;
using platform::Decimal;

TEST(AnglesRules, KindsChangeExactlyAtNinetyAndOneEighty) {
    const struct {
        int degrees;
        Kind kind;
    } cases[] = {{1, kAcute}, {89, kAcute}, {90, kRight}, {91, kObtuse}, {179, kObtuse},
                 {180, kStraight}, {181, kReflex}, {359, kReflex}};
    for (const auto& c : cases) EXPECT_EQ(kindOf(c.degrees), c.kind) << c.degrees;
}

TEST(AnglesRules, MakingAcceptsTwoDegreesEitherWayAndEstimatingTen) {
    Question make;
    make.mode = kMake;
    make.degrees = 135;
    const struct {
        int made;
        bool accepted;
    } made[] = {{132, false}, {133, true}, {135, true}, {137, true}, {138, false}};
    for (const auto& c : made) EXPECT_EQ(madeAccepted(make, c.made), c.accepted) << c.made;

    Question estimate;
    estimate.mode = kEstimate;
    estimate.degrees = 47;
    const struct {
        const char* typed;
        bool accepted;
    } typed[] = {{"36", false}, {"36.9", false}, {"37", true}, {"47", true}, {"57", true}, {"57,0", true}, {"57.1", false}, {"-47", false}};
    for (const auto& c : typed) EXPECT_EQ(estimateAccepted(estimate, *Decimal::parse(c.typed)), c.accepted) << c.typed;
}

TEST(AnglesRules, OpeningIsMeasuredFromTheFixedArmTheWayTheAngleOpens) {
    const struct {
        int fixed;
        bool clockwise;
        double pointer;
        int opening;
    } cases[] = {{0, false, 30.4, 30}, {0, false, 359.6, 0}, {180, true, 150, 30}, {180, true, 190, 350},
                 {90, true, 100, 350}, {315, false, 44.5, 90}};
    for (const auto& c : cases) {
        Question q;
        q.fixedDirection = c.fixed;
        q.clockwise = c.clockwise;
        EXPECT_EQ(openingOf(q, c.pointer), c.opening) << c.fixed << " " << c.pointer;
        EXPECT_EQ(openingOf(q, turnedDirection(q, c.opening)), c.opening);
    }
}

// Every missing angle is a whole number of degrees, above nothing, and completes its figure's total.
TEST(AnglesRules, MissingAnglesAreWholeAndPositiveAndCompleteTheTotal) {
    platform::ClockRandom rnd;
    for (int mode : {kStraightLine, kAroundPoint, kTriangle}) {
        for (int i = 0; i < 3000; ++i) {
            const Question q = drawQuestion(mode, rnd);
            ASSERT_GE(q.parts.size(), mode == kStraightLine ? 2u : 3u);
            ASSERT_TRUE(q.missing >= 0 && q.missing < static_cast<int>(q.parts.size()));
            for (int part : q.parts) ASSERT_GE(part, 20) << "mode " << mode;
            const std::vector<int> given = givenAngles(q);
            ASSERT_EQ(given.size() + 1, q.parts.size());
            ASSERT_EQ(std::accumulate(given.begin(), given.end(), 0) + missingAngle(q), totalOf(mode));
            ASSERT_GT(missingAngle(q), 0);
        }
    }
}

TEST(AnglesRules, AnglesToNameStayClearOfEveryBorderAndMeetEveryKind) {
    platform::ClockRandom rnd;
    int seen[kKinds] = {};
    for (int i = 0; i < 2000; ++i) {
        const Question q = drawQuestion(kName, rnd);
        ++seen[kindOf(q.degrees)];
        if (q.degrees != 90 && q.degrees != 180) {
            ASSERT_GE(std::abs(q.degrees - 90), 15) << q.degrees;
            ASSERT_GE(std::abs(q.degrees - 180), 15) << q.degrees;
            ASSERT_TRUE(q.degrees >= 15 && q.degrees <= 345) << q.degrees;
        }
    }
    for (int k = 0; k < kKinds; ++k) EXPECT_GT(seen[k], 250) << k;
}

// A triangle is drawn with its corners' true angles, in twips, whatever its shape.
TEST(AnglesRules, TriangleCornersHaveTheirAnglesOnTheBoard) {
    const std::array<int, 3> triangles[] = {{60, 60, 60}, {30, 30, 120}, {90, 45, 45}, {35, 115, 30}, {30, 90, 60}};
    for (const auto& angles : triangles) {
        const auto p = triangleCorners(angles, 5400, 4300);
        EXPECT_NEAR(p[0].y(), p[1].y(), 1e-9);  // the first side lies flat
        for (std::size_t i = 0; i < 3; ++i) {
            const QPointF a = p[(i + 1) % 3] - p[i], b = p[(i + 2) % 3] - p[i];
            const double at = std::acos(QPointF::dotProduct(a, b) / std::hypot(a.x(), a.y()) / std::hypot(b.x(), b.y()));
            EXPECT_NEAR(at * 180 / 3.14159265358979323846, angles[i], 1e-9);
            EXPECT_TRUE(p[i].x() >= -1e-6 && p[i].x() <= 5400 + 1e-6 && p[i].y() >= -1e-6 && p[i].y() <= 4300 + 1e-6);
        }
    }
}

}  // namespace
