#include "activities/doubles/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace doubles {
namespace {
int between(platform::RandomSource& rnd, int low, int high) {
    const int span = high - low + 1;
    return low + std::min(span - 1, static_cast<int>(static_cast<double>(rnd.next()) * span));
}
constexpr float kHundredsShare = 1.0f / 3;  // multiples of 100 among the tens and hundreds
}  // namespace

platform::Decimal worked(bool half, int number) {
    // A half is five tenths of the number: 37 halves to 185 tenths, 18.5.
    return half ? platform::Decimal::of(5LL * number, 1).normalized() : platform::Decimal::of(2LL * number);
}

platform::Decimal answer(const Question& q) { return worked(q.half, q.number); }

std::vector<int> partsOf(int number) {
    if (number > 5 && number < 10) return {5, number - 5};
    std::vector<int> parts;
    int place = 1;
    while (place * 10 <= number) place *= 10;
    for (int rest = number; place > 0 && rest > 0; place /= 10) {
        if (rest / place > 0) parts.push_back(rest / place * place);
        rest %= place;
    }
    return parts;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q{std::clamp(mode, 0, kModes - 1), false, 1};
    switch (q.mode) {
        case kDoublesTo20: q.number = between(rnd, 1, 10); break;
        case kDoublesTo100: q.number = between(rnd, 11, 50); break;
        case kHalvesOfEven:
            q.half = true;
            q.number = 2 * between(rnd, 1, 100);
            break;
        case kHalvesTo100:
            q.half = true;
            q.number = between(rnd, 1, 100);
            break;
        case kTensAndHundreds: {
            q.half = rnd.next() < 0.5f;
            // Doubles stay within 1000, so their numbers stop at 500; halves go to 1000.
            const int most = q.half ? 100 : 50;  // in tens
            if (rnd.next() < kHundredsShare) {
                q.number = between(rnd, 1, most / 10) * 100;
            } else {
                const int k = between(rnd, 1, most - most / 10);  // the tens that are not hundreds
                q.number = (k + (k - 1) / 9) * 10;
            }
            break;
        }
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace doubles
