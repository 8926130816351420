#include "activities/temperature/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace temperature {
namespace {
constexpr Scale kScales[kModes] = {
    {-10, 10, 5, 15},   // a winter's week, labelled every 5
    {-30, 40, 10, 25},  // from a polar night to a heatwave, labelled every 10
    {-30, 40, 10, 25},  // two readings and the change between them
};

long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = std::max(1LL, high - low + 1);
    return low + std::min(span - 1, static_cast<long long>(double(rnd.next()) * double(span)));
}
}  // namespace

const Scale& scaleOf(int mode) { return kScales[mode >= 0 && mode < kModes ? mode : 0]; }

bool rises(const Question& q) { return q.after > q.before; }
long long change(const Question& q) { return rises(q) ? q.after - q.before : q.before - q.after; }
bool crossesZero(const Question& q) { return (q.before < 0 && q.after > 0) || (q.before > 0 && q.after < 0); }

platform::Decimal answer(const Question& q) {
    return platform::Decimal::of(q.mode == kDifference ? change(q) : q.after);
}

bool isRight(const Question& q, const std::optional<platform::Decimal>& typed) { return typed && *typed == answer(q); }

std::vector<Part> parts(const Question& q) {
    if (!crossesZero(q)) return {{q.before, q.after}};
    return {{q.before, 0}, {0, q.after}};
}

Question drawQuestion(int mode, platform::RandomSource& rnd, bool crossing) {
    const Scale& s = scaleOf(mode);
    Question q{mode >= 0 && mode < kModes ? mode : kSmall, 0, 0};
    const bool up = rnd.next() < 0.5f;
    if (crossing) {
        // From one side of zero to the other, no further than the mode's largest change.
        const long long from = between(rnd, 1, std::min(up ? -s.low : s.high, s.mostChange - 1));
        const long long to = between(rnd, 1, std::min(up ? s.high : -s.low, s.mostChange - from));
        q.before = up ? -from : from;
        q.after = up ? to : -to;
        return q;
    }
    // Both on one side: the side below zero half the time, as this is about temperatures below it.
    const bool below = rnd.next() < 0.5f;
    const long long low = below ? s.low : 0, high = below ? 0 : s.high;
    // The reading that comes lower of the two, then how far above it the other one is.
    const long long bottom = between(rnd, low, high - 2);
    const long long top = bottom + between(rnd, 2, std::min(s.mostChange, high - bottom));
    q.before = up ? bottom : top;
    q.after = up ? top : bottom;
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    const bool crossing = rnd.next() < 0.67f;
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd, crossing); });
}

}  // namespace temperature
