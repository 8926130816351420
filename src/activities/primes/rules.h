#pragma once
// The rules of prime numbers: which numbers are prime, the smallest factor pair of one that is
// not, the sieve's passes over the 100-square (1 first, then the multiples of 2, 3, 5 and 7), and
// the numbers "prime or not" asks about.
#include <optional>
#include <utility>
#include <vector>

namespace platform {
class RandomSource;
}

namespace primes {

enum Mode { kSieve, kPrimeOrNot, kPrimeOrNotLarge, kModes };

inline constexpr int kCells = 100;

bool isPrime(int n);
// The pair with the smallest factor above 1: 91 is 7 × 13; a prime n is 1 × n.
std::pair<int, int> smallestPair(int n);
std::vector<int> primesUpTo(int n);

// One pass of the sieve: the prime it rings (0 for the pass that strikes 1) and the cells it
// strikes that no earlier pass struck, in the order it sweeps the square.
struct Pass {
    int prime;
    std::vector<int> struck;
};
std::vector<Pass> sievePasses();
// What the sieve leaves: the cells of the square that no pass struck.
std::vector<int> leftBySieve();

// The smallest and largest number "prime or not" asks about in a mode.
std::pair<int, int> rangeOf(int mode);

struct Question {
    int mode = kSieve;
    int number = 0;  // 0 for the sieve
    friend bool operator==(const Question&, const Question&) = default;
};

// Half the numbers asked are prime; most of the others are odd, the ones worth thinking about.
Question drawQuestion(int mode, platform::RandomSource& rnd);
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace primes
