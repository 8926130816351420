#pragma once
// The rules of ordering negative numbers: each mode's draws (five different values, at least two
// below zero; tenths kept exact), their order, and a number line that shows all five.
#include <array>
#include <optional>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace negatives {

enum Mode { kSmall, kLarge, kTenths, kTemperatures, kModes };
inline constexpr int kTiles = 5;

// Five values in the order the question lays them out, in units of 10^-places.
struct Question {
    int mode = kSmall;
    std::array<long long, kTiles> units{};
    friend bool operator==(const Question&, const Question&) = default;
};

int placesOf(int mode);
platform::Decimal valueOf(const Question& q, int i);
// How many of the five are smaller than value i (0 for the smallest): the box it belongs in.
int rank(const Question& q, int i);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// Never the question already on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

// A line in the question's units that holds all five values: its ends on whole labels, a label
// every labelEvery, a tick every tickEvery.
struct Span {
    long long low;
    long long high;
    long long tickEvery;
    long long labelEvery;
};
Span lineFor(const Question& q);

}  // namespace negatives
