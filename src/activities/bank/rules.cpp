#include "activities/bank/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace bank {
namespace {
// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

long long floorTo(long long v, long long step) { return (v >= 0 ? v / step : -((-v + step - 1) / step)) * step; }
long long ceilTo(long long v, long long step) { return -floorTo(-v, step); }

constexpr float kCrossing = 0.75f;
constexpr float kPaidIn = 1.0f / 3;

// Label steps of the bar in whole pounds or euros, and the small ticks between them.
struct Step {
    long long label, tick;
};
constexpr Step kSteps[] = {{500, 100}, {1000, 200}, {2000, 500}, {5000, 1000}};
constexpr long long kMostLabels = 10;
}  // namespace

long long answer(const Question& q) { return q.mode == kBackwards ? q.start : q.end(); }

bool crossesZero(const Question& q) { return (q.start < 0) != (q.end() < 0) && q.start != 0 && q.end() != 0; }

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kWhole;
    // Amounts between whole pounds lo and hi: to the penny in the pence mode, else whole.
    const auto pounds = [&](long long lo, long long hi) {
        return q.mode == kPence ? between(rnd, lo * 100, hi * 100) : between(rnd, lo, hi) * 100;
    };
    q.paidIn = rnd.next() < kPaidIn;
    const bool cross = rnd.next() < kCrossing;
    q.detail = static_cast<int>(between(rnd, 0, (q.paidIn ? kPaymentsIn : kPaymentsOut) - 1));
    if (!q.paidIn && cross) {
        q.start = pounds(1, 40);
        q.amount = q.start + pounds(1, 30);  // into the red
    } else if (!q.paidIn && rnd.next() < 0.5f) {
        q.start = pounds(15, 50);
        q.amount = pounds(5, 14);  // still above zero
    } else if (!q.paidIn) {
        q.start = -pounds(1, 20);
        q.amount = pounds(5, 20);  // deeper in the red
    } else if (cross) {
        q.start = -pounds(1, 30);
        q.amount = -q.start + pounds(1, 40);  // out of the red
    } else {
        q.start = -pounds(10, 40);
        q.amount = pounds(5, 9);  // still in the red
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

std::vector<Part> partsOf(const Question& q) {
    // Working backwards undoes the payment: from the balance after it to the one before.
    const long long from = q.mode == kBackwards ? q.end() : q.start;
    const long long to = q.mode == kBackwards ? q.start : q.end();
    if ((from < 0) != (to < 0) && from != 0 && to != 0) return {{from, 0}, {0, to}};
    return {{from, to}};
}

Scale scaleOf(const Question& q) {
    const long long lo = std::min({0LL, q.start, q.end()});
    const long long hi = std::max({0LL, q.start, q.end()});
    for (const Step& step : kSteps) {
        // Room beyond the balances, and always some of each side of zero.
        long long low = floorTo(lo, step.label), high = ceilTo(hi, step.label);
        if (low == lo) low -= step.label;
        if (high == hi) high += step.label;
        if ((high - low) / step.label <= kMostLabels || &step == &kSteps[std::size(kSteps) - 1])
            return {low, high, step.tick, step.label};
    }
    return {};
}

}  // namespace bank
