#include "activities/countback/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace countback {
namespace {
// The lines stay short enough that every tick can be told apart from the back of the room.
constexpr Scale kScales[kModes] = {
    {-20, 20, 1, 5, 1, 1, 3, 12},       // ones
    {-20, 20, 1, 5, 2, 1, 2, 8},        // twos
    {-20, 20, 1, 5, 5, 1, 2, 6},        // fives
    {-100, 100, 10, 20, 10, 1, 2, 8},   // tens
    {-10, 10, 1, 2, 1, 2, 2, 9},        // halves from −5 to 5, in half units
};

int between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = std::max(1LL, high - low + 1);
    return static_cast<int>(low + std::min(span - 1, static_cast<long long>(double(rnd.next()) * double(span))));
}
}  // namespace

const Scale& scaleOf(int mode) { return kScales[mode >= 0 && mode < kModes ? mode : 0]; }

long long landing(const Question& q) { return q.start - q.jumps * scaleOf(q.mode).step; }
bool crossesZero(const Question& q) { return q.start > 0 && landing(q) < 0; }

platform::Decimal valueOf(int mode, long long units) {
    return scaleOf(mode).unitsPerWhole == 2 ? platform::Decimal::of(units * 5, 1).normalized() : platform::Decimal::of(units);
}

Question drawQuestion(int mode, platform::RandomSource& rnd, bool crossing) {
    const Scale& s = scaleOf(mode);
    // Worked in steps: the line holds lowest … highest steps either side of zero.
    const long long lowest = s.low / s.step, highest = s.high / s.step;
    Question q{mode >= 0 && mode < kModes ? mode : kOnes, 0, 0};
    long long start = 0;
    if (crossing) {
        // Above zero, with enough jumps to pass it and few enough to stay on the line.
        start = between(rnd, 1, std::min<long long>(highest, s.mostJumps - 1));
        q.jumps = between(rnd, std::max<long long>(s.fewestJumps, start + 1), std::min<long long>(s.mostJumps, start - lowest));
    } else if (rnd.next() < 0.35f) {
        // Down to zero exactly.
        q.jumps = between(rnd, s.fewestJumps, std::min<long long>(s.mostJumps, highest));
        start = q.jumps;
    } else {
        // Already at zero or below it, going further down.
        start = between(rnd, lowest + s.fewestJumps, 0);
        q.jumps = between(rnd, s.fewestJumps, std::min<long long>(s.mostJumps, start - lowest));
    }
    q.start = start * s.step;
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    const bool crossing = !m_lastCrossed || rnd.next() < 0.6f;
    const Question q = shell::drawFresh(current, [&] { return drawQuestion(mode, rnd, crossing); });
    m_lastCrossed = crossesZero(q);
    return q;
}

}  // namespace countback
