#include "activities/countback/rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/random.h"

namespace {

using namespace countback;
using platform::Decimal;

constexpr float kLargestBelowOne = 0.99999994f;

// Draws at both ends of every range stay on the line, in whole steps, and cross zero when asked to.
TEST(CountbackRules, DrawsAtTheirBoundsStayOnTheLine) {
    for (int mode = 0; mode < kModes; ++mode) {
        const Scale& s = scaleOf(mode);
        // Crossing, then the two other kinds: down to zero exactly (one draw), or on from below it.
        for (const auto& [crossing, kind, draws] : {std::tuple{true, -1.0f, 2}, {false, 0.0f, 1}, {false, 0.9f, 2}}) {
            for (float r : {0.0f, 0.5f, kLargestBelowOne}) {
                platform::ScriptedRandom rnd;
                if (!crossing) rnd.push(kind);
                for (int i = 0; i < draws; ++i) rnd.push(r);
                const Question q = drawQuestion(mode, rnd, crossing);
                const std::string what = "mode " + std::to_string(mode) + " r " + std::to_string(r);
                EXPECT_EQ(rnd.remaining(), 0u) << what;
                EXPECT_EQ(crossesZero(q), crossing) << what << " start " << q.start << " jumps " << q.jumps;
                EXPECT_EQ(q.start % s.step, 0) << what;
                EXPECT_GE(q.jumps, s.fewestJumps) << what;
                EXPECT_LE(q.jumps, s.mostJumps) << what;
                EXPECT_LE(q.start, s.high) << what;
                EXPECT_GE(landing(q), s.low) << what;
                if (!crossing) {
                    EXPECT_TRUE(kind < 0.35f ? landing(q) == 0 : q.start <= 0) << what;
                }
            }
        }
    }
}

TEST(CountbackRules, AtLeastHalfOfAnyRunCrossesZeroAndNoneRepeatsTheLast) {
    platform::ClockRandom rnd;
    for (int mode = 0; mode < kModes; ++mode) {
        Questions questions;
        std::optional<Question> last;
        int crossed = 0;
        for (int n = 1; n <= 400; ++n) {
            const Question q = questions.next(mode, rnd, last);
            EXPECT_FALSE(last && *last == q) << "mode " << mode << " question " << n;
            crossed += crossesZero(q) ? 1 : 0;
            ASSERT_GE(2 * crossed, n) << "mode " << mode << " after " << n;
            last = q;
        }
    }
}

TEST(CountbackRules, HalvesLandExactly) {
    const Question q{kHalves, 4, 7};  // 2 back seven halves
    EXPECT_EQ(valueOf(kHalves, q.start), Decimal::of(2));
    EXPECT_EQ(valueOf(kHalves, landing(q)), Decimal::of(-15, 1));
    EXPECT_EQ(valueOf(kHalves, landing(q)).text(), QStringLiteral("-1.5"));
}

}  // namespace
