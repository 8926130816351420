#pragma once
// The rules of the ordering activity: drawing a question, ranking its values, and where a
// released tile comes to rest. Positions are the tiles' top left corners, in twips.
#include <array>
#include <optional>
#include <span>

namespace platform {
class RandomSource;
}

namespace ordering {

inline constexpr int kQuestionSize = 5;
inline constexpr int kPositiveMode = 1;  // whole numbers 1 to 100
inline constexpr int kIntegerMode = 2;   // integers -99 to 97

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

// The value one draw r in [0, 1) gives, worked in single precision; nullopt for an unknown mode.
std::optional<float> valueOfDraw(int ordermode, float r);

// Reseeds once, then draws five different values; a repeat is drawn again for its own position only.
std::optional<std::array<float, kQuestionSize>> drawQuestion(int ordermode, platform::RandomSource& rnd);

// How many of the values are smaller than values[i] (0 for the smallest).
int rank(std::span<const float> values, int i);

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

// Pairs (tile, box) where a tile stands exactly on a box, whichever box it is.
int tilesOnBoxes(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount);

// Tiles that stand exactly on their own box.
int tilesInPlace(std::span<const Spot> tiles, std::span<const Zone> boxes, int tilecount);

}  // namespace ordering
