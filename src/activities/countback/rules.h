#pragma once
// The rules of counting back: each mode's line and step, the questions ("start at 4 and count back
// 7 ones"), where they land, and the promise that most of them cross zero without leaving the line.
#include <optional>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace countback {

enum Mode { kOnes, kTwos, kFives, kTens, kHalves, kModes };

// A mode's line in its own units (halves count in half units, so −5 to 5 is −10 to 10), the
// step of one jump, and how many jumps a question asks for.
struct Scale {
    long long low;
    long long high;
    long long tickEvery;
    long long labelEvery;
    long long step;
    int unitsPerWhole;
    int fewestJumps;
    int mostJumps;
};
const Scale& scaleOf(int mode);

struct Question {
    int mode = kOnes;
    long long start = 0;  // in the line's units
    int jumps = 0;
    friend bool operator==(const Question&, const Question&) = default;
};

long long landing(const Question& q);
// Starts above zero and lands below it.
bool crossesZero(const Question& q);
// A value on a mode's line as the class reads it (7 half units are 3.5).
platform::Decimal valueOf(int mode, long long units);

Question drawQuestion(int mode, platform::RandomSource& rnd, bool crossing);

// Draws so that the first question crosses zero and no two in a row stay on one side, so at least
// half of any run of questions cross it; never the question already on the board.
class Questions {
public:
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

private:
    bool m_lastCrossed = false;
};

}  // namespace countback
