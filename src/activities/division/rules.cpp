#include "activities/division/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace division {

using platform::Decimal;

namespace {
constexpr int kMostTries = 2000;
// The long forms stay within three subtractions, so the working fits the board in big digits.
constexpr int kMostLongSteps = 3;

long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

QString digitsOf(long long v) { return QString::number(v); }
}  // namespace

int dividendDigits(const Question& q) { return static_cast<int>(digitsOf(q.dividend).size()); }

std::vector<Digit> shortWorking(const Question& q) {
    std::vector<Digit> out;
    if (q.divisor <= 0 || q.dividend < 0) return out;
    const QString digits = digitsOf(q.dividend);
    long long carried = 0;
    const auto divide = [&](int position, int digit, bool pastPoint) {
        Digit d;
        d.position = position;
        d.digit = digit;
        d.carriedIn = carried;
        d.partial = carried * 10 + digit;
        d.quotient = static_cast<int>(d.partial / q.divisor);
        d.remainder = carried = d.partial % q.divisor;
        d.pastPoint = pastPoint;
        out.push_back(d);
    };
    for (int i = 0; i < digits.size(); ++i) divide(i, digits[i].digitValue(), false);
    // Past the point, zeros come down until nothing is left (or the places run out).
    for (int place = 0; q.decimal() && carried != 0 && place < kMostPlaces; ++place) divide(static_cast<int>(digits.size()) + place, 0, true);
    return out;
}

std::vector<LongStep> longWorking(const Question& q) {
    const std::vector<Digit> digits = shortWorking(q);
    std::vector<LongStep> out;
    // Leading zeros of the quotient are not written: the first step takes as many digits as it needs.
    std::size_t first = 0;
    while (first + 1 < digits.size() && digits[first].quotient == 0) ++first;
    for (std::size_t i = first; i < digits.size(); ++i) {
        const Digit& d = digits[i];
        LongStep s;
        s.partial = d.partial;
        s.quotient = d.quotient;
        s.product = static_cast<long long>(d.quotient) * q.divisor;
        s.remainder = d.remainder;
        s.lastPosition = d.position;
        s.bringsDown = i + 1 < digits.size();
        s.nextDigit = s.bringsDown ? digits[i + 1].digit : 0;
        s.pastPoint = d.pastPoint;
        out.push_back(s);
    }
    return out;
}

Decimal answer(const Question& q) {
    if (q.divisor <= 0) return Decimal::of(0);
    if (!q.decimal()) return Decimal::of(q.dividend / q.divisor);
    long long units = 0;
    int places = 0;
    for (const Digit& d : shortWorking(q)) {
        units = units * 10 + d.quotient;
        places += d.pastPoint;
    }
    return Decimal::of(units, places).normalized();
}

long long remainder(const Question& q) {
    const auto digits = shortWorking(q);
    return digits.empty() ? 0 : digits.back().remainder;
}

std::optional<Typed> readAnswer(const QString& raw, const QString& remainderRaw) {
    const QString text = raw.trimmed();
    qsizetype r = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('r') || text[i] == QLatin1Char('R')) {
            if (r >= 0) return std::nullopt;
            r = i;
        }
    const QString quotientText = r < 0 ? text : text.left(r).trimmed();
    const QString remainderText = r < 0 ? remainderRaw.trimmed() : text.mid(r + 1).trimmed();
    if (r >= 0 && !remainderRaw.trimmed().isEmpty()) return std::nullopt;
    const auto quotient = Decimal::parse(quotientText);
    if (!quotient || quotient->isNegative()) return std::nullopt;
    Typed typed{*quotient, 0};
    if (r >= 0 || !remainderText.isEmpty()) {
        const auto left = Decimal::parse(remainderText);
        if (!left || !left->isWhole() || left->isNegative()) return std::nullopt;
        typed.remainder = left->normalized().units();
    }
    return typed;
}

bool isRight(const Question& q, const std::optional<Typed>& typed) {
    return typed && typed->quotient == answer(q) && typed->remainder == remainder(q);
}

namespace {
int carries(const Question& q) {
    int n = 0;
    const auto digits = shortWorking(q);
    for (std::size_t i = 0; i + 1 < digits.size(); ++i) n += digits[i].remainder != 0;
    return n;
}

Question drawOnce(int mode, platform::RandomSource& rnd) {
    Question q{mode, 0, 2};
    switch (mode) {
        case kRemainder:
            q.divisor = static_cast<int>(between(rnd, 2, 9));
            q.dividend = between(rnd, 100, 999);
            break;
        case kTwoDigitDivisor:
            q.divisor = static_cast<int>(between(rnd, 11, 25));
            // A third of them come out exactly.
            if (rnd.next() < 1.0f / 3)
                q.dividend = between(rnd, 10, 999 / q.divisor) * q.divisor;
            else
                q.dividend = between(rnd, std::max(100, 10 * q.divisor), 999);
            break;
        case kDecimal:
            q.divisor = static_cast<int>(between(rnd, 2, 9));
            q.dividend = between(rnd, q.divisor + 1, 99);
            break;
        default:
            q.divisor = static_cast<int>(between(rnd, 2, 9));
            q.dividend = between(rnd, (100 + q.divisor - 1) / q.divisor, 999 / q.divisor) * q.divisor;
            break;
    }
    return q;
}

bool fits(const Question& q) {
    switch (q.mode) {
        case kNoRemainder: return q.dividend % q.divisor == 0 && carries(q) > 0;
        case kRemainder: return q.dividend % q.divisor != 0;
        case kDecimal:
            // Not whole, and ends by the second place.
            return q.dividend % q.divisor != 0 && q.dividend * 100 % q.divisor == 0 &&
                   static_cast<int>(longWorking(q).size()) <= kMostLongSteps;
        default: return q.dividend >= 100 && q.dividend / q.divisor >= 10;
    }
}
}  // namespace

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    if (mode < 0 || mode >= kModes) mode = kNoRemainder;
    Question q;
    for (int i = 0; i < kMostTries; ++i) {
        q = drawOnce(mode, rnd);
        if (fits(q)) return q;
    }
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace division
