#pragma once
// The rules of dragging number tiles into a row of boxes in order, shared by the ordering
// activities: where a released tile comes to rest, that no two tiles ever share a spot, and which
// tiles stand on their own box. Positions are the tiles' top left corners, in twips; tile k is the
// one that belongs on box k.
#include <optional>
#include <span>

namespace shell::tileorder {

// A tile's place.
struct Spot {
    float left = 0;
    float top = 0;
    friend bool operator==(const Spot&, const Spot&) = default;
};

// A box or a home slot.
struct Zone {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    Spot spot() const { return {left, top}; }
};

// Whether a tile at `tile` counts as dropped on the zone: strictly inside half a zone to the left
// and above, one whole zone to the right and below, each bound formed in single precision.
bool insideZone(Spot tile, const Zone& zone);

struct Landing {
    Spot spot;
    bool snapped = false;
};

// Tries box i then slot i for i = 0, 1, ..., each test against where the tile stands by then.
Landing landOnTargets(Spot tile, std::span<const Zone> boxes, std::span<const Zone> homeSlots, int tilecount);

// The first other tile standing exactly where tile t stands.
std::optional<int> clashingTile(int t, Spot tile, std::span<const Spot> tiles);

// Puts tile t on its home spot. A tile parked there goes to its own home in turn, and so on: homes
// are one to a tile, so the chain ends and no two tiles ever share a spot.
void sendHome(int t, std::span<Spot> tiles, std::span<const Spot> homes);

// What letting go of tile t does to the tiles: it snaps onto the box or slot it was let go over, and
// goes home when let go elsewhere or onto a spot another tile holds. False when it came to rest
// nowhere it was aimed (it went home for that).
bool releaseTile(int t, std::span<Spot> tiles, std::span<const Zone> boxes, std::span<const Zone> homeSlots,
                 std::span<const Spot> homes);

// Pairs (tile, box) where a tile stands exactly on a box, whichever box it is.
int tilesOnBoxes(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount);

// Tiles that stand exactly on their own box.
int tilesInPlace(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount);

}  // namespace shell::tileorder
