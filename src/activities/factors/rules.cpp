#include "activities/factors/rules.h"

#include <algorithm>
#include <numeric>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace factors {
namespace {
int pick(platform::RandomSource& rnd, int low, int high) {
    const int span = high - low + 1;
    return low + std::min(span - 1, static_cast<int>(rnd.next() * static_cast<float>(span)));
}

bool divides(int d, int n) { return n % d == 0; }

// The numbers each mode may ask about, worked out once.
const std::vector<int>& withFourFactors() {
    static const std::vector<int> numbers = [] {
        std::vector<int> v;
        for (int n = 6; n <= kCells; ++n)
            if (factorsOf(n).size() >= 4) v.push_back(n);
        return v;
    }();
    return numbers;
}

// Two different numbers, neither a multiple of the other (else one set holds the other, and
// there is no overlap to find), whose common multiples or factors the square shows at least twice
// or three times.
const std::vector<std::pair<int, int>>& pairsFor(int mode) {
    static const auto build = [](bool multiples) {
        std::vector<std::pair<int, int>> v;
        const int low = multiples ? 2 : 12, high = multiples ? 12 : kCells;
        for (int a = low; a <= high; ++a)
            for (int b = a + 1; b <= high; ++b) {
                if (divides(a, b)) continue;
                const int gcd = std::gcd(a, b);
                const bool enough = multiples ? a / gcd * b <= kCells / 2 : factorsOf(gcd).size() >= 3;
                if (enough) v.emplace_back(a, b);
            }
        return v;
    };
    static const std::vector<std::pair<int, int>> multiples = build(true), factors = build(false);
    return mode == kCommonMultiples ? multiples : factors;
}
}  // namespace

bool twoNumbers(int mode) { return mode == kCommonMultiples || mode == kCommonFactors; }
bool aboutMultiples(int mode) { return mode == kMultiples || mode == kCommonMultiples; }

std::vector<int> multiplesOf(int n) {
    std::vector<int> v;
    for (int m = n; n > 0 && m <= kCells; m += n) v.push_back(m);
    return v;
}

std::vector<int> factorsOf(int n) {
    std::vector<int> v;
    for (int d = 1; d <= n; ++d)
        if (divides(d, n)) v.push_back(d);
    return v;
}

std::vector<std::pair<int, int>> factorPairs(int n) {
    std::vector<std::pair<int, int>> v;
    for (int d = 1; d * d <= n; ++d)
        if (divides(d, n)) v.emplace_back(d, n / d);
    return v;
}

std::vector<int> setOf(const Question& q, int n) { return aboutMultiples(q.mode) ? multiplesOf(n) : factorsOf(n); }

std::vector<int> commonOf(const Question& q) {
    const std::vector<int> first = setOf(q, q.a), second = setOf(q, q.b);
    std::vector<int> both;
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(), std::back_inserter(both));
    return both;
}

Shades rightShades(const Question& q) {
    Shades shades{};
    for (int n : setOf(q, q.a)) shades[static_cast<std::size_t>(n)] |= kFirst;
    if (twoNumbers(q.mode))
        for (int n : setOf(q, q.b)) shades[static_cast<std::size_t>(n)] |= kSecond;
    return shades;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kMultiples;
    switch (q.mode) {
        case kMultiples: q.a = pick(rnd, 2, 12); break;
        case kFactors: {
            const auto& numbers = withFourFactors();
            q.a = numbers[static_cast<std::size_t>(pick(rnd, 0, static_cast<int>(numbers.size()) - 1))];
            break;
        }
        default: {
            const auto& pairs = pairsFor(q.mode);
            const auto [a, b] = pairs[static_cast<std::size_t>(pick(rnd, 0, static_cast<int>(pairs.size()) - 1))];
            // Either may come first.
            const bool swap = rnd.next() < 0.5f;
            q.a = swap ? b : a;
            q.b = swap ? a : b;
        }
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace factors
