#include "activities/symmetry/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/random.h"

namespace {

using namespace symmetry;

struct Lcg final : platform::RandomSource {
    unsigned long long state = 7;
    float next() override { return float((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 40) / 16777216.0f; }
    void reseed() override {}
};

int shadedCount(const Shades& s) { return static_cast<int>(std::count_if(s.begin(), s.end(), [](int v) { return v != 0; })); }

TEST(SymmetryRules, EachMirrorSendsASquareToItsTwinAndBack) {
    const struct {
        Mirror mirror;
        Square square, twin;
    } cases[] = {
        {{Mirror::Vertical, 5}, {2, 4}, {2, 5}},     {{Mirror::Vertical, 4}, {7, 0}, {7, 7}},
        {{Mirror::Horizontal, 6}, {9, 1}, {2, 1}},   {{Mirror::Falling, 0}, {7, 2}, {2, 7}},
        {{Mirror::Falling, 0}, {4, 4}, {4, 4}},      {{Mirror::Rising, 0}, {0, 0}, {9, 9}},
        {{Mirror::Rising, 0}, {2, 3}, {6, 7}},
    };
    for (const auto& c : cases) EXPECT_EQ(reflect(c.square, c.mirror), c.twin) << c.mirror.kind << " " << c.square.row << "," << c.square.column;
    // Every square in every mirror a question uses: reflected twice it is itself, and its twin is
    // just as far away on the other side (on the paper too, for a diagonal).
    const Mirror mirrors[] = {{Mirror::Vertical, 4}, {Mirror::Vertical, 5}, {Mirror::Vertical, 6}, {Mirror::Horizontal, 4},
                              {Mirror::Horizontal, 5}, {Mirror::Horizontal, 6}, {Mirror::Falling, 0}, {Mirror::Rising, 0}};
    for (const Mirror& m : mirrors)
        for (int k = 0; k < kCells; ++k) {
            const Square s{k / kSize, k % kSize}, t = reflect(s, m);
            ASSERT_EQ(reflect(t, m), s) << m.kind << " " << m.at << " square " << k;
            ASSERT_EQ(signedDistance(t, m), -signedDistance(s, m)) << m.kind << " " << m.at << " square " << k;
            ASSERT_TRUE(onPaper(t) || m.kind == Mirror::Vertical || m.kind == Mirror::Horizontal) << m.kind << " square " << k;
        }
}

TEST(SymmetryRules, TwinsComeNearestTheMirrorFirstInTheirSquaresColours) {
    Shades given{};
    given[indexOf({1, 2})] = 1;
    given[indexOf({1, 4})] = 2;
    given[indexOf({3, 3})] = 1;
    const std::vector<Twin> twins = reflectionsIn(given, {Mirror::Vertical, 5});
    ASSERT_EQ(twins.size(), 3u);
    EXPECT_TRUE(twins[0].square == (Square{1, 5}) && twins[0].shade == 2);
    EXPECT_TRUE(twins[1].square == (Square{3, 6}) && twins[1].shade == 1);
    EXPECT_TRUE(twins[2].square == (Square{1, 7}) && twins[2].from == (Square{1, 2}));
}

TEST(SymmetryRules, EveryDrawnPatternLiesOnItsSideTouchesTheMirrorAndReflectsWhollyOntoThePaper) {
    Lcg rnd;
    for (int i = 0; i < 3000; ++i) {
        const Question q = drawQuestion(i % kModes, rnd);
        const int count = shadedCount(q.given);
        ASSERT_TRUE(q.mode == kBoth ? count >= 4 && count <= 7 : count >= 5 && count <= 9) << count;
        bool touches = false, colours[3] = {};
        for (int k = 0; k < kCells; ++k) {
            const Square s{k / kSize, k % kSize};
            if (q.given[k] == 0) continue;
            ASSERT_TRUE(givenPart(q, s)) << i << ": " << s.row << "," << s.column;
            colours[q.given[k]] = true;
            for (const Mirror& m : q.mirrors) touches |= std::abs(signedDistance(s, m)) == 1;
        }
        ASSERT_TRUE(touches) << i;
        ASSERT_EQ(colours[1] && colours[2], q.colours == 2) << i;
        // No twin is lost off the edge, and the finished page is its own reflection in every mirror.
        const Shades whole = completed(q);
        ASSERT_EQ(shadedCount(whole), count << q.mirrors.size()) << i;
        for (const Mirror& m : q.mirrors)
            for (int k = 0; k < kCells; ++k) {
                const Square t = reflect({k / kSize, k % kSize}, m);
                ASSERT_EQ(onPaper(t) ? whole[indexOf(t)] : 0, whole[k]) << i << " square " << k;
            }
    }
}

}  // namespace
