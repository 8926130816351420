#include "activities/rounding/rules.h"

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace rounding {
namespace {
// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

// Every mode in one table: the number's decimal places, the step in those units, and the largest
// number it asks about. Four-digit numbers for tens and hundreds keep the line readable.
struct ModeRule {
    int places;
    long long step;
    long long largest;
};
constexpr ModeRule kRules[kModes] = {
    {0, 10, 999},      // 11 … 999, nearest 10
    {0, 100, 9999},    // 101 … 9999, nearest 100
    {0, 1000, 99999},  // 1001 … 99999, nearest 1000
    {2, 100, 99999},   // 0.01 … 999.99 with one or two places, nearest whole
    {2, 10, 9999},     // 0.01 … 99.99 with two places, one decimal place
};
const ModeRule& ruleOf(int mode) { return kRules[mode >= 0 && mode < kModes ? mode : 0]; }
}  // namespace

long long stepOf(const Question& q) { return ruleOf(q.mode).step; }
long long lowerMultiple(const Question& q) { return q.units / stepOf(q) * stepOf(q); }
long long upperMultiple(const Question& q) { return lowerMultiple(q) + stepOf(q); }
long long halfway(const Question& q) { return lowerMultiple(q) + stepOf(q) / 2; }
bool isHalfway(const Question& q) { return q.units == halfway(q); }
long long rounded(const Question& q) { return q.units >= halfway(q) ? upperMultiple(q) : lowerMultiple(q); }
platform::Decimal answer(const Question& q) { return platform::Decimal::of(rounded(q), q.places).normalized(); }

Question drawQuestion(int mode, platform::RandomSource& rnd, bool exactHalf) {
    const ModeRule& rule = ruleOf(mode);
    Question q{mode, 0, rule.places};
    const long long multiples = rule.largest / rule.step;  // how many whole steps fit below the largest
    if (exactHalf) {
        q.units = between(rnd, 0, multiples - 1) * rule.step + rule.step / 2;
        // Past the first step, so nearest 10 never asks about 5.
        if (q.units < rule.step) q.units += rule.step;
        return q;
    }
    do {
        q.units = between(rnd, rule.step + 1, rule.largest);
        // A whole-number question has one or two decimal places: a tenth place alone half the time.
        if (mode == kWholeNumber && rnd.next() < 0.5f) q.units = q.units / 10 * 10;
    } while (q.units % rule.step == 0);
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    // Halves come by chance too; a run of nine without one makes the tenth a half.
    const bool half = m_sinceHalfway >= kHalfwayEvery - 1 || rnd.next() < 0.12f;
    const Question q = shell::drawFresh(current, [&] { return drawQuestion(mode, rnd, half); });
    m_sinceHalfway = isHalfway(q) ? 0 : m_sinceHalfway + 1;
    return q;
}

}  // namespace rounding
