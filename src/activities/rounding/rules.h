#pragma once
// The rules of rounding: the questions of each mode, the two multiples a number lies between, the
// halfway mark, and rounding as children are taught it, where a number exactly halfway rounds up.
#include <optional>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace rounding {

enum Mode { kTens, kHundreds, kThousands, kWholeNumber, kOnePlace, kModes };

// A number to round: whole units of 10^-places (347 ones, or 1247 hundredths for 12.47).
struct Question {
    int mode = kTens;
    long long units = 0;
    int places = 0;
    platform::Decimal value() const { return platform::Decimal::of(units, places); }
    friend bool operator==(const Question&, const Question&) = default;
};

// How far apart the multiples are, in the question's units (10 ones, or 100 hundredths for a whole).
long long stepOf(const Question& q);
long long lowerMultiple(const Question& q);
long long upperMultiple(const Question& q);
long long halfway(const Question& q);
bool isHalfway(const Question& q);
// The rounded value in the question's units: exact halves go up.
long long rounded(const Question& q);
// The answer as the class types it (3.5, not 350 hundredths).
platform::Decimal answer(const Question& q);

// One question of the mode; `exactHalf` asks for a number exactly halfway between two multiples.
Question drawQuestion(int mode, platform::RandomSource& rnd, bool exactHalf);

// Draws questions so that no run of ten goes without an exact half, and never the one on the board.
class Questions {
public:
    static constexpr int kHalfwayEvery = 10;
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

private:
    int m_sinceHalfway = 0;
};

}  // namespace rounding
