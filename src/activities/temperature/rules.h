#pragma once
// The rules of temperature changes: each mode's scale, the questions (a reading and a rise or fall,
// or two readings and the change between them), the answer, and the change split at zero the way
// the class works it out: 3 down to 0, then 0 down to −5.
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace temperature {

enum Mode { kSmall, kWide, kDifference, kModes };

struct Scale {
    long long low;
    long long high;
    long long labelEvery;
    long long mostChange;  // the largest rise or fall a question asks about
};
const Scale& scaleOf(int mode);

// Two readings in whole degrees, the one before and the one after.
struct Question {
    int mode = kSmall;
    long long before = 0;
    long long after = 0;
    friend bool operator==(const Question&, const Question&) = default;
};

bool rises(const Question& q);
// How many degrees it rose or fell: always more than zero.
long long change(const Question& q);
bool crossesZero(const Question& q);
// What the class answers: the new reading, or in the difference mode the number of degrees.
platform::Decimal answer(const Question& q);
// A typed answer (either minus sign, either separator) is right when it equals the answer exactly.
bool isRight(const Question& q, const std::optional<platform::Decimal>& typed);

// The stretches the solution moves the column through: one, or two meeting at zero.
struct Part {
    long long from;
    long long to;
    long long degrees() const { return from < to ? to - from : from - to; }
};
std::vector<Part> parts(const Question& q);

// `crossing` asks for a change that passes zero; otherwise both readings stay on one side of it
// (zero counting as either side).
Question drawQuestion(int mode, platform::RandomSource& rnd, bool crossing);

// Two questions in three cross zero; never the one already on the board.
class Questions {
public:
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);
};

}  // namespace temperature
