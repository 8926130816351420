#include "activities/negatives/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace negatives {
namespace {
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = std::max(1LL, high - low + 1);
    return low + std::min(span - 1, static_cast<long long>(double(rnd.next()) * double(span)));
}

// Each mode's values, in its units: the whole range, and how far apart five may lie.
struct Range {
    long long low;
    long long high;
    long long widest;  // tenths stay within six whole numbers, so neighbours can be told apart on the line
};
constexpr Range kRanges[kModes] = {{-10, 10, 20}, {-100, 100, 200}, {-99, 99, 60}, {-30, 40, 70}};
const Range& rangeOf(int mode) { return kRanges[mode >= 0 && mode < kModes ? mode : 0]; }

long long floorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
long long ceilDiv(long long a, long long b) { return -floorDiv(-a, b); }

// A number of tenths that is not a whole number, from a whole part and a tenth from 1 to 9; it may
// fall just outside low … high, when the caller draws again.
long long tenthNear(platform::RandomSource& rnd, long long low, long long high) {
    const long long whole = between(rnd, floorDiv(low, 10), floorDiv(high, 10));
    return whole * 10 + between(rnd, 1, 9);
}
}  // namespace

int placesOf(int mode) { return mode == kTenths ? 1 : 0; }

platform::Decimal valueOf(const Question& q, int i) {
    return platform::Decimal::of(q.units[static_cast<std::size_t>(i)], placesOf(q.mode));
}

int rank(const Question& q, int i) {
    const long long v = q.units[static_cast<std::size_t>(i)];
    return static_cast<int>(std::count_if(q.units.begin(), q.units.end(), [v](long long other) { return other < v; }));
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    const Range& r = rangeOf(mode);
    Question q{mode >= 0 && mode < kModes ? mode : kSmall, {}};
    const bool tenths = q.mode == kTenths;
    // The five lie in a window of the range, itself reaching below zero.
    const long long windowLow = between(rnd, r.low, std::min(-2LL, r.high - r.widest));
    const long long windowHigh = std::min(r.high, windowLow + r.widest);
    auto& u = q.units;
    int drawn = 0;
    const auto fresh = [&](long long v) { return std::find(u.begin(), u.begin() + drawn, v) == u.begin() + drawn; };
    if (tenths) {
        // Two share their whole part below zero, such as −0.5 and −0.4: the pair classes argue over.
        const long long whole = between(rnd, std::max(windowLow / 10, -9LL), 0);
        const long long a = between(rnd, 1, 9), b = between(rnd, 1, 8);
        u[0] = whole * 10 - a;
        u[1] = whole * 10 - (b >= a ? b + 1 : b);
        drawn = 2;
    }
    // At least two below zero; a repeat is drawn again for its own place only.
    while (drawn < kTiles) {
        const long long high = drawn < 2 ? -1 : windowHigh;
        const long long v = tenths ? tenthNear(rnd, windowLow, high) : between(rnd, windowLow, high);
        if (v >= windowLow && v <= high && fresh(v)) u[static_cast<std::size_t>(drawn++)] = v;
    }
    // Shuffled, so the negatives are not always the first two tiles.
    for (int i = kTiles - 1; i > 0; --i) std::swap(u[static_cast<std::size_t>(i)], u[static_cast<std::size_t>(between(rnd, 0, i))]);
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

Span lineFor(const Question& q) {
    const auto [lowest, highest] = std::minmax_element(q.units.begin(), q.units.end());
    // Labels on whole numbers (tens of tenths), at the first step that needs no more than ten of them.
    const long long whole = q.mode == kTenths ? 10 : 1;
    for (long long step : {1, 2, 5, 10, 20, 25, 50, 100}) {
        const long long label = step * whole;
        const long long low = floorDiv(*lowest, label) * label;
        const long long high = std::max(ceilDiv(*highest, label) * label, low + label);
        if ((high - low) / label > 10 && step < 100) continue;
        // The finest ticks that divide the labels and stay far enough apart to be told apart.
        long long tick = label;
        for (long long t : {50, 25, 20, 10, 5, 2, 1})
            if (label % t == 0 && (high - low) / t <= 80) tick = t;
        return {low, high, tick, label};
    }
    return {-100, 100, 10, 50};
}

}  // namespace negatives
