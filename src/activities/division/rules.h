#pragma once
// The rules of short division: the questions of each mode, the working digit by digit (each
// quotient digit with the remainder carried on), the long form's subtractions built from it, and
// reading a typed answer with its remainder.
#include <QString>
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace division {

enum Mode { kNoRemainder, kRemainder, kTwoDigitDivisor, kDecimal, kModes };

// The decimal mode divides on past the point until the division ends, which it always does by the
// second place: no question there repeats for ever.
inline constexpr int kMostPlaces = 2;

struct Question {
    int mode = kNoRemainder;
    long long dividend = 0;
    int divisor = 1;
    bool decimal() const { return mode == kDecimal; }
    friend bool operator==(const Question&, const Question&) = default;
};

// The quotient: whole, or in the decimal mode exact to its last place.
platform::Decimal answer(const Question& q);
// What is left over; the decimal mode divides on until nothing is.
long long remainder(const Question& q);

// One digit of the dividend (or a 0 after its point) divided in turn.
struct Digit {
    int position = 0;       // 0 for the dividend's first digit; past its last, the places after the point
    int digit = 0;          // the dividend's digit there (0 past the point)
    long long carriedIn = 0;  // the remainder carried from the digit before
    long long partial = 0;  // carriedIn × 10 + digit: what is divided now
    int quotient = 0;       // partial ÷ divisor
    long long remainder = 0;  // partial − quotient × divisor, carried to the next digit
    bool pastPoint = false;
};
std::vector<Digit> shortWorking(const Question& q);
int dividendDigits(const Question& q);

// The long form: one step per quotient digit from the first one that is not a leading zero.
struct LongStep {
    long long partial = 0;
    int quotient = 0;
    long long product = 0;
    long long remainder = 0;
    int lastPosition = 0;   // the dividend position under which the partial's last digit stands
    bool bringsDown = false;  // a digit (or a 0 past the point) comes down beside the remainder
    int nextDigit = 0;
    bool pastPoint = false;  // this step's quotient digit is the first past the point, or later
};
std::vector<LongStep> longWorking(const Question& q);

// A typed answer: the quotient and the remainder (0 when none was typed). `text` may carry the
// remainder after an "r" ("36 r 2", "36r2"); `remainderText` is a separate remainder box. Nullopt
// for anything malformed.
struct Typed {
    platform::Decimal quotient;
    long long remainder = 0;
};
std::optional<Typed> readAnswer(const QString& text, const QString& remainderText = QString());
bool isRight(const Question& q, const std::optional<Typed>& typed);

Question drawQuestion(int mode, platform::RandomSource& rnd);

// Never the question on the board.
class Questions {
public:
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);
};

}  // namespace division
