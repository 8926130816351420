#include "activities/shell/tileorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace shell::tileorder;

// Three tiles 1500 × 700, boxes in a row above their home slots.
std::vector<Zone> row(float top) {
    std::vector<Zone> zones;
    for (int k = 0; k < 3; ++k) zones.push_back({1000.0f + 1700.0f * k, top, 1500, 700});
    return zones;
}

TEST(TileOrder, ALetGoTileSnapsOrGoesHomeAndNeverSharesASpot) {
    const std::vector<Zone> boxes = row(2000), slots = row(6000);
    const std::vector<Spot> homes{slots[2].spot(), slots[0].spot(), slots[1].spot()};
    struct Case {
        const char* what;
        int tile;
        std::vector<Spot> before;  // the tile let go stands where it was let go
        bool dropped;
        std::vector<Spot> after;
    };
    const Spot nowhere{5000, 4000};
    const std::vector<Case> cases = {
        {"onto a free box", 1, {homes[0], {boxes[2].left + 700, 2100}, homes[2]}, true, {homes[0], boxes[2].spot(), homes[2]}},
        {"onto any free slot", 0, {{slots[1].left + 300, 6100}, boxes[0].spot(), boxes[2].spot()}, true,
         {slots[1].spot(), boxes[0].spot(), boxes[2].spot()}},
        {"onto a held box: home", 2, {boxes[1].spot(), homes[1], {boxes[1].left + 10, 2010}}, true, {boxes[1].spot(), homes[1], homes[2]}},
        {"nowhere: home", 0, {nowhere, boxes[1].spot(), boxes[2].spot()}, false, {homes[0], boxes[1].spot(), boxes[2].spot()}},
        // Tile 0 parked on tile 2's home; tile 2 let go nowhere takes its home back and sends 0 to its own.
        {"home held by a parked tile", 2, {homes[2], boxes[1].spot(), nowhere}, false, {homes[0], boxes[1].spot(), homes[2]}},
    };
    for (const Case& c : cases) {
        std::vector<Spot> tiles = c.before;
        EXPECT_EQ(releaseTile(c.tile, tiles, boxes, slots, homes), c.dropped) << c.what;
        EXPECT_EQ(tiles, c.after) << c.what;
    }
    std::vector<Spot> tiles{nowhere, nowhere, nowhere};
    EXPECT_FALSE(releaseTile(3, tiles, boxes, slots, homes));  // no such tile: nothing moves
    EXPECT_EQ(tiles[0], nowhere);
}

}  // namespace
