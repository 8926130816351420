#pragma once
// The rules of the ordering activity: drawing a question and ranking its values. Where a released
// tile comes to rest is shared with the other ordering activities (shell/tileorder.h).
#include <array>
#include <optional>
#include <span>

#include "activities/shell/tileorder.h"

namespace platform {
class RandomSource;
}

namespace ordering {

inline constexpr int kQuestionSize = 5;
inline constexpr int kPositiveMode = 1;  // whole numbers 1 to 100
inline constexpr int kIntegerMode = 2;   // integers -99 to 97

// Where released tiles come to rest and which stand in place: the rules every ordering activity shares.
using shell::tileorder::Spot;
using shell::tileorder::Zone;
using shell::tileorder::insideZone;
using shell::tileorder::Landing;
using shell::tileorder::landOnTargets;
using shell::tileorder::clashingTile;
using shell::tileorder::sendHome;
using shell::tileorder::releaseTile;
using shell::tileorder::tilesOnBoxes;
using shell::tileorder::tilesInPlace;

// The value one draw r in [0, 1) gives, worked in single precision; nullopt for an unknown mode.
std::optional<float> valueOfDraw(int ordermode, float r);

// Reseeds once, then draws five different values; a repeat is drawn again for its own position only.
std::optional<std::array<float, kQuestionSize>> drawQuestion(int ordermode, platform::RandomSource& rnd);

// How many of the values are smaller than values[i] (0 for the smallest).
int rank(std::span<const float> values, int i);

}  // namespace ordering
