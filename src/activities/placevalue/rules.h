#pragma once
// The rules of place value: the numbers each mode asks about, the digit in each place and what it
// is worth, a number split into its parts, and multiplying or dividing by 10, 100 or 1000.
// Places count from the ones: 0 ones, 1 tens, 5 hundred thousands, -1 tenths, -2 hundredths.
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace placevalue {

enum Mode { kHundreds, kThousands, kHundredThousands, kDecimals, kTimesDivide, kModes };
enum class Kind { RedDigit, Partition, Multiply, Divide };

inline constexpr int kHighestPlace = 5;
inline constexpr int kLowestPlace = -2;

// The columns of a mode's chart, highest place first.
struct Columns {
    int highest;
    int lowest;
    int count() const { return highest - lowest + 1; }
    bool has(int place) const { return place <= highest && place >= lowest; }
};
Columns columnsOf(int mode);

struct Question {
    int mode = kHundreds;
    Kind kind = Kind::RedDigit;
    platform::Decimal number;              // shown, partitioned, or multiplied and divided
    int redPlace = 0;                      // the red digit's place
    int shift = 0;                         // 1, 2 or 3: by 10, 100 or 1000
    std::vector<platform::Decimal> parts;  // a partition in the order it is shown
    friend bool operator==(const Question&, const Question&) = default;
};

// The digit of a positive number in a place (0 outside the number).
int digitAt(platform::Decimal value, int place);
// The places of the highest and lowest digits that are not zero; nullopt for zero.
std::optional<int> highestDigit(platform::Decimal value);
std::optional<int> lowestDigit(platform::Decimal value);
// The places a number is written in: down to the ones at least (place holders, 0.5's zero),
// never a leading zero above the ones nor a trailing zero after the point.
struct Span {
    int highest;
    int lowest;
    bool has(int place) const { return place <= highest && place >= lowest; }
};
Span writtenSpan(platform::Decimal value);
// What a digit in a place is worth: 3 in the hundreds is 300, 4 in the tenths 0.4.
platform::Decimal worth(int digit, int place);
// The non-zero digits' values, largest first: 4072 is 4000, 70, 2.
std::vector<platform::Decimal> partsOf(platform::Decimal value);

platform::Decimal answer(const Question& q);

// One question of a kind in a mode.
Question drawQuestion(int mode, Kind kind, platform::RandomSource& rnd);

// Asks the kinds of a mode in turn (the red digit, then a partition; times, then divide),
// starting again from the first when the mode changes, and never the question on the board.
class Questions {
public:
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

private:
    int m_mode = -1;
    int m_turn = 0;
};

}  // namespace placevalue
