#include "activities/bonds/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace bonds {
namespace {
// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

struct ModeRule {
    long long whole;
    int places;
};
constexpr ModeRule kRules[kModes] = {{10, 0}, {20, 0}, {100, 0}, {1000, 0}, {100, 2}};
const ModeRule& ruleOf(int mode) { return kRules[mode >= 0 && mode < kModes ? mode : 0]; }

constexpr float kSubtractionShare = 1.0f / 3;  // one question in three is written as a take-away
constexpr float kTenthsShare = 0.4f;           // bonds to 1 in tenths, the rest in hundredths
}  // namespace

long long wholeOf(int mode) { return ruleOf(mode).whole; }
int placesOf(int mode) { return ruleOf(mode).places; }
long long missing(const Question& q) { return wholeOf(q.mode) - q.known; }
platform::Decimal valueOf(int mode, long long units) { return platform::Decimal::of(units, placesOf(mode)).normalized(); }
platform::Decimal answer(const Question& q) { return valueOf(q.mode, missing(q)); }

std::vector<Jump> countingUp(const Question& q) {
    std::vector<Jump> jumps;
    const long long whole = wholeOf(q.mode);
    long long at = q.known;
    for (long long step = 10; at < whole; step *= 10) {
        const long long next = std::min(whole, (at + step - 1) / step * step);
        if (next > at) jumps.push_back({at, next});
        at = next;
    }
    return jumps;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q{std::clamp(mode, 0, kModes - 1), 0, false};
    switch (q.mode) {
        case kThousand: q.known = between(rnd, 1, 99) * 10; break;
        case kOne:
            if (rnd.next() < kTenthsShare) {
                q.known = between(rnd, 1, 9) * 10;
            } else {
                q.known = between(rnd, 1, 90);
                q.known += (q.known - 1) / 9;  // skips the multiples of ten: 1 … 9, 11 … 19, …, 91 … 99
            }
            break;
        default: q.known = between(rnd, 1, wholeOf(q.mode) - 1); break;
    }
    q.subtraction = rnd.next() < kSubtractionShare;
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace bonds
