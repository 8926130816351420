#pragma once
// The rules of doubles and halves: the numbers each mode asks about, the answer as an exact decimal
// (half of 37 is 18.5), and the parts a number splits into so that each is easy to double or halve.
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace doubles {

enum Mode { kDoublesTo20, kDoublesTo100, kHalvesOfEven, kHalvesTo100, kTensAndHundreds, kModes };

struct Question {
    int mode = kDoublesTo20;
    bool half = false;
    int number = 1;
    friend bool operator==(const Question&, const Question&) = default;
};

// A whole number doubled or halved, exactly.
platform::Decimal worked(bool half, int number);
platform::Decimal answer(const Question& q);
// By place value (36 → 30 and 6, 146 → 100, 40 and 6), and a single digit over 5 as 5 and the rest,
// as children double 7 through 5 and 2. A number with one part stays whole (40, 1000).
std::vector<int> partsOf(int number);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// A new question, never the one already on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace doubles
