#pragma once
// The rules of factors and multiples on a 100-square: the multiples and factors of a number, its
// factor pairs, the cells each question wants shaded (two sets in two layers for the common modes,
// where the overlap is what the class is after) and the numbers each mode asks about.
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace platform {
class RandomSource;
}

namespace factors {

enum Mode { kMultiples, kFactors, kCommonMultiples, kCommonFactors, kModes };

inline constexpr int kCells = 100;
// Layers of a cell's shade: in the first number's set, in the second's (both: the overlap).
inline constexpr int kFirst = 1;
inline constexpr int kSecond = 2;

struct Question {
    int mode = kMultiples;
    int a = 2;
    int b = 0;  // the second number of the common modes
    friend bool operator==(const Question&, const Question&) = default;
};

bool twoNumbers(int mode);
bool aboutMultiples(int mode);

// The multiples of n from n up to 100, and the factors of n from 1 to n itself.
std::vector<int> multiplesOf(int n);
std::vector<int> factorsOf(int n);
// (1, n), (2, n / 2) … up to the pair whose numbers meet: 36 gives 1 × 36 … 6 × 6.
std::vector<std::pair<int, int>> factorPairs(int n);
// The set the question asks about for one of its numbers, in counting order.
std::vector<int> setOf(const Question& q, int n);
// In both numbers' sets, for the common modes.
std::vector<int> commonOf(const Question& q);

// The shade each cell 1 … 100 should have (index 0 unused): kFirst, kSecond, both or none.
using Shades = std::array<int, kCells + 1>;
Shades rightShades(const Question& q);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// A question of the mode that is not the one on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace factors
