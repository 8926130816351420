#include "activities/ordering/rules.h"

#include <algorithm>

#include "platform/random.h"

namespace ordering {

std::optional<float> valueOfDraw(int ordermode, float r) {
    // Each step rounds to float, as the class has always seen the numbers come out.
    switch (ordermode) {
        case kPositiveMode: {
            const float scaled = r * 100.0f + 1.0f;
            return static_cast<float>(platform::Int(scaled));
        }
        case kIntegerMode: {
            const float scaled = r * 197.0f - 99.0f;
            return static_cast<float>(platform::Int(scaled));
        }
        default: return std::nullopt;
    }
}

std::optional<std::array<float, kQuestionSize>> drawQuestion(int ordermode, platform::RandomSource& rnd) {
    rnd.reseed();
    if (!valueOfDraw(ordermode, 0.0f)) return std::nullopt;
    std::array<float, kQuestionSize> drawn{};
    for (int i = 0; i < kQuestionSize; ++i) {
        for (;;) {
            const float v = *valueOfDraw(ordermode, rnd.next());
            const auto earlier = std::span<const float>(drawn).first(static_cast<std::size_t>(i));
            if (std::find(earlier.begin(), earlier.end(), v) == earlier.end()) {
                drawn[static_cast<std::size_t>(i)] = v;
                break;
            }
        }
    }
    return drawn;
}

int rank(std::span<const float> values, int i) {
    const float v = values[static_cast<std::size_t>(i)];
    return static_cast<int>(std::count_if(values.begin(), values.end(), [v](float other) { return v > other; }));
}

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

}  // namespace ordering
