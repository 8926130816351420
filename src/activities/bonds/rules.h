#pragma once
// The rules of number bonds: a whole, the part the class is given and the part it finds, and the
// counting-up jumps that find it (37 → 40 → 100 is 3 and 60). Bonds to 1 count in hundredths inside,
// so 0.37 and 0.63 make exactly 1.
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace bonds {

enum Mode { kTen, kTwenty, kHundred, kThousand, kOne, kModes };

// A bond: the known part in the mode's units (ones, or hundredths for bonds to 1).
struct Question {
    int mode = kTen;
    long long known = 0;
    bool subtraction = false;  // "100 − 37 = ?" rather than "37 + ? = 100"
    // The same bond written the other way round is still the same question.
    friend bool operator==(const Question& a, const Question& b) { return a.mode == b.mode && a.known == b.known; }
};

// The whole in the mode's units, and how many decimal places a unit is.
long long wholeOf(int mode);
int placesOf(int mode);
long long missing(const Question& q);
// A number of the mode's units as the class reads it (63 hundredths is 0.63).
platform::Decimal valueOf(int mode, long long units);
platform::Decimal answer(const Question& q);

struct Jump {
    long long from = 0;
    long long to = 0;
    friend bool operator==(const Jump&, const Jump&) = default;
};
// Counting up from the known part to the whole: to the next ten, then the next hundred, and so on.
std::vector<Jump> countingUp(const Question& q);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// A new question, never the bond already on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace bonds
