#include "activities/shell/tileorder.h"

#include <algorithm>

namespace shell::tileorder {

bool insideZone(Spot tile, const Zone& zone) {
    const float leftBound = zone.left - zone.width / 2;
    const float rightBound = zone.left + zone.width;
    const float topBound = zone.top - zone.height / 2;
    const float bottomBound = zone.top + zone.height;
    return leftBound < tile.left && tile.left < rightBound && topBound < tile.top && tile.top < bottomBound;
}

Landing landOnTargets(Spot tile, std::span<const Zone> boxes, std::span<const Zone> homeSlots, int tilecount) {
    Landing landing{tile, false};
    for (int i = 0; i < tilecount; ++i) {
        for (const Zone& target : {boxes[static_cast<std::size_t>(i)], homeSlots[static_cast<std::size_t>(i)]}) {
            if (insideZone(landing.spot, target)) {
                landing.spot = target.spot();
                landing.snapped = true;
            }
        }
    }
    return landing;
}

std::optional<int> clashingTile(int t, Spot tile, std::span<const Spot> tiles) {
    for (int j = 0; j < static_cast<int>(tiles.size()); ++j) {
        if (j != t && tiles[static_cast<std::size_t>(j)] == tile) return j;
    }
    return std::nullopt;
}

void sendHome(int t, std::span<Spot> tiles, std::span<const Spot> homes) {
    const int count = static_cast<int>(std::min(tiles.size(), homes.size()));
    const auto both = tiles.first(static_cast<std::size_t>(count));
    // Each step moves a tile that is not yet home, so `count` steps always suffice.
    for (int step = 0; step < count && t >= 0 && t < count; ++step) {
        const Spot home = homes[static_cast<std::size_t>(t)];
        const std::optional<int> parked = clashingTile(t, home, both);
        both[static_cast<std::size_t>(t)] = home;
        if (!parked) return;
        t = *parked;
    }
}

bool releaseTile(int t, std::span<Spot> tiles, std::span<const Zone> boxes, std::span<const Zone> homeSlots,
                 std::span<const Spot> homes) {
    const int count = static_cast<int>(tiles.size());
    if (t < 0 || t >= count) return false;
    bool dropped = false;
    const Landing landing = landOnTargets(tiles[static_cast<std::size_t>(t)], boxes, homeSlots, count);
    if (landing.snapped) {
        tiles[static_cast<std::size_t>(t)] = landing.spot;
        dropped = true;
    }
    if (clashingTile(t, tiles[static_cast<std::size_t>(t)], tiles)) {
        sendHome(t, tiles, homes);
        dropped = true;
    }
    if (!dropped) sendHome(t, tiles, homes);
    return dropped;
}

int tilesOnBoxes(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount) {
    int count = 0;
    for (int i = 0; i < tilecount; ++i)
        for (int j = 0; j < tilecount; ++j)
            if (tiles[static_cast<std::size_t>(i)] == boxes[static_cast<std::size_t>(j)].spot()) ++count;
    return count;
}

int tilesInPlace(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount) {
    int count = 0;
    for (int k = 0; k < tilecount; ++k)
        if (tiles[static_cast<std::size_t>(k)] == boxes[static_cast<std::size_t>(k)].spot()) ++count;
    return count;
}

}  // namespace shell::tileorder
