#pragma once
// The rules of the bank balance: a balance, one payment in or out, and the balance after it, most
// often across zero. Amounts are whole pence or cents; a balance below zero is "in the red".
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace bank {

enum Mode { kWhole, kPence, kBackwards, kModes };

// What the money was for: payments out (a ticket, trainers …) and payments in (pocket money …).
inline constexpr int kPaymentsOut = 6;
inline constexpr int kPaymentsIn = 4;

struct Question {
    int mode = kWhole;
    long long start = 0;   // the balance before the payment
    long long amount = 0;  // the payment, always more than nothing
    bool paidIn = false;
    int detail = 0;        // which payment of its kind
    long long end() const { return paidIn ? start + amount : start - amount; }
    friend bool operator==(const Question&, const Question&) = default;
};

// The balance after the payment, or before it when working backwards.
long long answer(const Question& q);
bool crossesZero(const Question& q);

// One question of the mode: three in four cross zero; neither balance is ever exactly nothing.
Question drawQuestion(int mode, platform::RandomSource& rnd);
// The same, never the question on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

// How the solution moves the balance: from the known balance to the answer, split at zero when it
// crosses it (down to zero, then on below it), one part otherwise.
struct Part {
    long long from = 0;
    long long to = 0;
    long long size() const { return to > from ? to - from : from - to; }
};
std::vector<Part> partsOf(const Question& q);

// The bar's scale: whole pounds or euros, from below the lowest balance to above the highest,
// zero included, with about ten labels.
struct Scale {
    long long low = 0, high = 0;  // pence or cents
    long long tick = 0, label = 0;
};
Scale scaleOf(const Question& q);

}  // namespace bank
