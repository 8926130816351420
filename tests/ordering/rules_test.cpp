#include "activities/ordering/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/random.h"

namespace {

using namespace ordering;

constexpr float kLargestBelowOne = 0.99999994f;

std::vector<Zone> boxRow() {
    std::vector<Zone> row;
    for (int k = 0; k < 5; ++k) row.push_back({1560.0f + 1440.0f * k, 3960, 1155, 615});
    return row;
}
std::vector<Zone> slotRow() {
    std::vector<Zone> row;
    for (int k = 0; k < 5; ++k) row.push_back({1560.0f + 1440.0f * k, 6960, 1155, 615});
    return row;
}

TEST(OrderingDraw, ValueAtTheBoundsOfEachMode) {
    struct Case {
        int mode;
        float r;
        float expected;
    };
    const Case cases[] = {
        {1, 0.0f, 1},
        {1, kLargestBelowOne, 100},
        {1, 0.5f, 51},
        {1, 0.01f, 2},  // 0.01f × 100 rounds up to 1 in single precision
        {2, 0.0f, -99},
        {2, kLargestBelowOne, 97},
        {2, 0.5f, -1},        // −0.5 floors down, not towards zero
        {2, 0.50050760f, -1},  // about −0.4
        {2, 0.5026f, 0},
    };
    for (const Case& c : cases) {
        const auto v = valueOfDraw(c.mode, c.r);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, c.expected) << "mode " << c.mode << " r " << c.r;
    }
    EXPECT_FALSE(valueOfDraw(0, 0.5f).has_value());
    EXPECT_FALSE(valueOfDraw(3, 0.5f).has_value());
}

// Every draw the generator can give (24 random bits) stays in range, and every value in range occurs.
TEST(OrderingDraw, EveryPossibleDrawStaysInRange) {
    struct Case {
        int mode;
        int lowest;
        int highest;
    };
    // Whole numbers never give 0; integers never give 98 or 99.
    const Case cases[] = {{1, 1, 100}, {2, -99, 97}};
    for (const Case& c : cases) {
        std::array<int, 203> hits{};  // value + 101
        int outside = 0;
        for (std::uint32_t bits = 0; bits < (1u << 24); ++bits) {
            const float v = *valueOfDraw(c.mode, static_cast<float>(bits) * (1.0f / 16777216.0f));
            if (v < -101 || v > 101 || v != std::floor(v))
                ++outside;
            else
                ++hits[static_cast<std::size_t>(v + 101)];
        }
        EXPECT_EQ(outside, 0) << "mode " << c.mode;
        for (int v = -101; v <= 101; ++v) {
            const bool inRange = v >= c.lowest && v <= c.highest;
            EXPECT_EQ(hits[static_cast<std::size_t>(v + 101)] > 0, inRange) << "mode " << c.mode << " value " << v;
        }
    }
}

TEST(OrderingDraw, RepeatIsRedrawnForItsOwnPositionOnly) {
    struct Case {
        const char* what;
        int mode;
        std::vector<float> draws;
        std::array<float, 5> expected;
    };
    const std::vector<Case> cases = {
        {"no repeats", 1, {0.375f, 0.0625f, 0.9375f, 0.5f, 0.125f}, {38, 7, 94, 51, 13}},
        {"second repeats the first twice", 1, {0.375f, 0.375f, 0.37f, 0.0625f, 0.9375f, 0.5f, 0.125f},
         {38, 7, 94, 51, 13}},
        {"last repeats each earlier one", 1,
         {0.375f, 0.0625f, 0.9375f, 0.5f, 0.0625f, 0.9375f, 0.5f, 0.375f, 0.125f}, {38, 7, 94, 51, 13}},
        // Different draws that give the same integer are a repeat all the same.
        {"same value from a different draw", 2, {0.5f, 0.5005f, 0.0f, 0.75f, 0.25f, kLargestBelowOne},
         {-1, -99, 48, -50, 97}},
    };
    for (const Case& c : cases) {
        platform::ScriptedRandom rnd;
        for (float r : c.draws) rnd.push(r);
        const auto drawn = drawQuestion(c.mode, rnd);
        ASSERT_TRUE(drawn.has_value()) << c.what;
        EXPECT_EQ(*drawn, c.expected) << c.what;
        EXPECT_EQ(rnd.remaining(), 0u) << c.what;
        EXPECT_EQ(rnd.reseeds(), 1) << c.what;
    }
}

TEST(OrderingDraw, UnknownModeReseedsAndDrawsNothing) {
    platform::ScriptedRandom rnd{0.5f};
    EXPECT_FALSE(drawQuestion(7, rnd).has_value());
    EXPECT_EQ(rnd.reseeds(), 1);
    EXPECT_EQ(rnd.remaining(), 1u);
}

// The left and right edges are tested through the screen's release.
TEST(OrderingZone, EdgesAreStrict) {
    const Zone first = boxRow()[0];
    struct Case {
        const char* what;
        Zone zone;
        Spot tile;
        bool inside;
    };
    const Case cases[] = {
        {"307.5 above", first, {first.left, first.top - 307.5f}, false},
        {"a hair below that", first, {first.left, std::nextafter(first.top - 307.5f, 1e6f)}, true},
        {"615 below", first, {first.left, first.top + 615}, false},
        {"a hair above that", first, {first.left, std::nextafter(first.top + 615, 0.0f)}, true},
        {"on the box itself", first, {first.left, first.top}, true},
        // Far out the bounds round in single precision: each of these lies inside only if worked in double.
        {"left bound rounded up", {16777218.0f, 0, 1, 10}, {16777218.0f, 0}, false},
        {"right bound rounded down", {16777215.0f, 0, 1.5f, 10}, {16777216.0f, 0}, false},
        {"top bound rounded up", {0, 16777218.0f, 10, 1}, {0, 16777218.0f}, false},
        {"bottom bound rounded down", {0, 16777215.0f, 10, 1.5f}, {0, 16777216.0f}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(insideZone(c.tile, c.zone), c.inside) << c.what;
}

TEST(OrderingLanding, OverlapGoesToTheLowerIndexAndEachTestSeesTheSnap) {
    const std::vector<Zone> boxes = boxRow();
    const std::vector<Zone> parkings = slotRow();
    struct Case {
        const char* what;
        Spot tile;
        bool snapped;
        Spot expected;
    };
    const Case cases[] = {
        {"900 right of box 1", {boxes[1].left + 900, 3960}, true, boxes[1].spot()},
        {"1154 right of box 1, inside box 2's zone too", {boxes[1].left + 1154, 4200}, true, boxes[1].spot()},
        {"just past box 1's zone", {boxes[1].left + 1160, 3700}, true, boxes[2].spot()},
        {"over slot 3, any slot will do", {parkings[3].left - 250, parkings[3].top + 600}, true, parkings[3].spot()},
        {"over slot 3 but inside slot 2's zone", {parkings[3].left - 500, parkings[3].top}, true, parkings[2].spot()},
        {"between the rows", {boxes[2].left, 5500}, false, {boxes[2].left, 5500}},
        {"left of everything", {900, 3960}, false, {900, 3960}},
        {"right of everything", {boxes[4].left + 1155, 3960}, false, {boxes[4].left + 1155, 3960}},
    };
    for (const Case& c : cases) {
        const Landing landing = landOnTargets(c.tile, boxes, parkings, 5);
        EXPECT_EQ(landing.snapped, c.snapped) << c.what;
        EXPECT_EQ(landing.spot, c.expected) << c.what;
    }
}

TEST(OrderingHome, ATileSentHomeSendsWhateverIsParkedThereToItsOwnHome) {
    // Homes 0..4 are the parkings in a row; A..E stand for spots elsewhere (boxes).
    const std::vector<Spot> homes{{0, 0}, {100, 0}, {200, 0}, {300, 0}, {400, 0}};
    const Spot A{0, 50}, B{100, 50};
    struct Case {
        const char* what;
        int sent;
        std::vector<Spot> before;
        std::vector<Spot> after;
    };
    const std::vector<Case> cases{
        {"home free", 2, {A, homes[1], B, homes[3], homes[4]}, {A, homes[1], homes[2], homes[3], homes[4]}},
        {"tile 3 parked on it", 2, {A, B, homes[0], homes[2], homes[4]}, {A, B, homes[2], homes[3], homes[4]}},
        {"a chain of three", 0, {A, homes[0], homes[1], B, homes[4]}, {homes[0], homes[1], homes[2], B, homes[4]}},
        {"dropped on its own home where another is parked", 1, {homes[1], homes[1], A, B, homes[4]},
         {homes[0], homes[1], A, B, homes[4]}},
        {"an index off the table moves nothing", 7, {A, B, homes[2], homes[3], homes[4]}, {A, B, homes[2], homes[3], homes[4]}},
    };
    for (const Case& c : cases) {
        std::vector<Spot> tiles = c.before;
        sendHome(c.sent, tiles, homes);
        EXPECT_EQ(tiles, c.after) << c.what;
        for (std::size_t i = 0; i < tiles.size(); ++i)
            for (std::size_t j = i + 1; j < tiles.size(); ++j) EXPECT_FALSE(tiles[i] == tiles[j]) << c.what << ": " << i << ", " << j;
    }
}

}  // namespace
