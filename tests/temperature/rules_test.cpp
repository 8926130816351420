#include "activities/temperature/rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/random.h"

namespace {

using namespace temperature;
using platform::Decimal;

constexpr float kLargestBelowOne = 0.99999994f;

// Every kind of draw at both ends of its ranges stays on the scale, changes by at least two degrees
// and no more than the mode allows, and crosses zero exactly when asked to.
TEST(TemperatureRules, DrawsAtTheirBoundsStayOnTheScale) {
    for (int mode = 0; mode < kModes; ++mode) {
        const Scale& s = scaleOf(mode);
        // The draws: up or down, then (not crossing) below zero or above it, then two readings.
        for (const auto& [crossing, up, below] : {std::tuple{true, 0.1f, -1.0f}, {true, 0.9f, -1.0f}, {false, 0.1f, 0.1f},
                                                 {false, 0.1f, 0.9f}, {false, 0.9f, 0.1f}, {false, 0.9f, 0.9f}}) {
            for (float r : {0.0f, 0.5f, kLargestBelowOne}) {
                platform::ScriptedRandom rnd{up};
                if (!crossing) rnd.push(below);
                rnd.push(r);
                rnd.push(r);
                const Question q = drawQuestion(mode, rnd, crossing);
                const std::string what = "mode " + std::to_string(mode) + " r " + std::to_string(r) + ": " +
                                         std::to_string(q.before) + " to " + std::to_string(q.after);
                EXPECT_EQ(rnd.remaining(), 0u) << what;
                EXPECT_EQ(crossesZero(q), crossing) << what;
                EXPECT_EQ(rises(q), up < 0.5f) << what;
                for (long long reading : {q.before, q.after}) {
                    EXPECT_GE(reading, s.low) << what;
                    EXPECT_LE(reading, s.high) << what;
                }
                EXPECT_GE(change(q), 2) << what;
                EXPECT_LE(change(q), s.mostChange) << what;
                if (!crossing) {
                    EXPECT_EQ(below < 0.5f, q.before + q.after < 0) << what;
                }
            }
        }
    }
}

TEST(TemperatureRules, AChangeThroughZeroIsWorkedInTwoPartsMeetingThere) {
    struct Case {
        Question q;
        std::vector<std::pair<long long, long long>> parts;
        Decimal answer;
    } cases[] = {
        {{kSmall, 3, -5}, {{3, 0}, {0, -5}}, Decimal::of(-5)},
        {{kDifference, -6, 4}, {{-6, 0}, {0, 4}}, Decimal::of(10)},
        {{kDifference, 23, -2}, {{23, 0}, {0, -2}}, Decimal::of(25)},  // a fall is answered as a number of degrees too
        {{kWide, 0, -7}, {{0, -7}}, Decimal::of(-7)},                  // from zero: one part
        {{kWide, -2, -9}, {{-2, -9}}, Decimal::of(-9)},
        {{kSmall, -4, 0}, {{-4, 0}}, Decimal::of(0)},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<long long, long long>> got;
        long long degrees = 0;
        for (const Part& p : parts(c.q)) {
            got.emplace_back(p.from, p.to);
            degrees += p.degrees();
        }
        EXPECT_EQ(got, c.parts) << c.q.before << " to " << c.q.after;
        EXPECT_EQ(degrees, change(c.q));
        EXPECT_EQ(answer(c.q), c.answer);
    }
}

}  // namespace
