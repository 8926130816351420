#include "activities/primes/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace primes {
namespace {
int pickFrom(platform::RandomSource& rnd, const std::vector<int>& numbers) {
    const int count = static_cast<int>(numbers.size());
    return numbers[static_cast<std::size_t>(std::min(count - 1, static_cast<int>(rnd.next() * static_cast<float>(count))))];
}

// A mode's numbers sorted into primes, odd numbers that are not, and even ones, worked out once.
struct Pools {
    std::vector<int> prime, odd, even;
};
const Pools& poolsOf(int mode) {
    static const auto build = [](int m) {
        Pools p;
        const auto [low, high] = rangeOf(m);
        for (int n = low; n <= high; ++n) (isPrime(n) ? p.prime : n % 2 ? p.odd : p.even).push_back(n);
        return p;
    };
    static const Pools small = build(kPrimeOrNot), large = build(kPrimeOrNotLarge);
    return mode == kPrimeOrNotLarge ? large : small;
}
}  // namespace

bool isPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

std::pair<int, int> smallestPair(int n) {
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return {d, n / d};
    return {1, n};
}

std::vector<int> primesUpTo(int n) {
    std::vector<int> v;
    for (int k = 2; k <= n; ++k)
        if (isPrime(k)) v.push_back(k);
    return v;
}

std::vector<Pass> sievePasses() {
    std::vector<bool> struck(kCells + 1, false);
    std::vector<Pass> passes{{0, {1}}};
    struck[1] = true;
    // 11 × 11 is past the square, so every number left after 7's pass is prime.
    for (int p = 2; p * p <= kCells; ++p) {
        if (struck[static_cast<std::size_t>(p)]) continue;
        Pass pass{p, {}};
        for (int m = 2 * p; m <= kCells; m += p)
            if (!struck[static_cast<std::size_t>(m)]) {
                struck[static_cast<std::size_t>(m)] = true;
                pass.struck.push_back(m);
            }
        passes.push_back(std::move(pass));
    }
    return passes;
}

std::vector<int> leftBySieve() {
    std::vector<bool> struck(kCells + 1, false);
    for (const Pass& pass : sievePasses())
        for (int n : pass.struck) struck[static_cast<std::size_t>(n)] = true;
    std::vector<int> left;
    for (int n = 1; n <= kCells; ++n)
        if (!struck[static_cast<std::size_t>(n)]) left.push_back(n);
    return left;
}

std::pair<int, int> rangeOf(int mode) { return mode == kPrimeOrNotLarge ? std::pair{100, 200} : std::pair{2, 100}; }

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kSieve;
    if (q.mode == kSieve) return q;
    const Pools& pools = poolsOf(q.mode);
    const float kind = rnd.next();
    q.number = pickFrom(rnd, kind < 0.5f ? pools.prime : kind < 0.85f ? pools.odd : pools.even);
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace primes
