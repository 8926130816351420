#include "activities/placevalue/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace placevalue {

using platform::Decimal;

namespace {
// A whole number from low to high inclusive, from one draw.
int pick(platform::RandomSource& rnd, int low, int high) {
    const int span = high - low + 1;
    return low + std::min(span - 1, static_cast<int>(rnd.next() * static_cast<float>(span)));
}

long long magnitude(Decimal value) { return value.units() < 0 ? -value.units() : value.units(); }

int nonZeroDigits(Decimal value) {
    int count = 0;
    for (long long u = magnitude(value); u > 0; u /= 10) count += u % 10 != 0;
    return count;
}

// A whole number with exactly `digits` digits.
Decimal wholeOf(platform::RandomSource& rnd, int digits) {
    int low = 1;
    for (int i = 1; i < digits; ++i) low *= 10;
    return Decimal::of(pick(rnd, low, low * 10 - 1));
}

// 1.01 … 99.99, always with a hundredths digit, so the number has two places.
Decimal twoPlaces(platform::RandomSource& rnd) {
    int units;
    do units = pick(rnd, 101, 9999);
    while (units % 10 == 0);
    return Decimal::of(units, 2);
}

Decimal numberFor(int mode, platform::RandomSource& rnd) {
    switch (mode) {
        case kThousands: return wholeOf(rnd, 4);
        case kHundredThousands: return wholeOf(rnd, 6);
        case kDecimals: return twoPlaces(rnd);
        default: return wholeOf(rnd, 3);
    }
}

// One to three significant digits, placed so that the number and its product or quotient both fit
// the chart's columns: 37.4 × 100, 5 ÷ 100, 4.57 × 1000, 2600 ÷ 10.
Decimal scaledFor(Kind kind, int shift, platform::RandomSource& rnd) {
    const Columns columns = columnsOf(kTimesDivide);
    const int digits = pick(rnd, 1, 3);
    long long units = 0;
    for (int i = 0; i < digits; ++i) {
        const bool end = i == 0 || i == digits - 1;
        units = units * 10 + pick(rnd, end ? 1 : 0, 9);
    }
    const int lowestTop = columns.lowest + digits - 1 + (kind == Kind::Divide ? shift : 0);
    const int highestTop = columns.highest - (kind == Kind::Multiply ? shift : 0);
    const int top = pick(rnd, lowestTop, highestTop);
    return Decimal::of(units).shifted(top - (digits - 1));
}

// A partition shown out of order, so the class has to think about each part's place.
void shuffle(std::vector<Decimal>& parts, platform::RandomSource& rnd) {
    const std::vector<Decimal> ordered = parts;
    for (int i = static_cast<int>(parts.size()) - 1; i > 0; --i)
        std::swap(parts[static_cast<std::size_t>(i)], parts[static_cast<std::size_t>(pick(rnd, 0, i))]);
    if (parts == ordered) std::rotate(parts.begin(), parts.begin() + 1, parts.end());
}
}  // namespace

Columns columnsOf(int mode) {
    switch (mode) {
        case kThousands: return {3, 0};
        case kHundredThousands: return {5, 0};
        case kDecimals: return {1, -2};
        case kTimesDivide: return {3, -2};
        default: return {2, 0};
    }
}

int digitAt(Decimal value, int place) {
    const Decimal d = value.normalized();
    const int index = place + d.places();
    if (index < 0) return 0;
    long long u = magnitude(d);
    for (int i = 0; i < index && u > 0; ++i) u /= 10;
    return static_cast<int>(u % 10);
}

std::optional<int> highestDigit(Decimal value) {
    const Decimal d = value.normalized();
    long long u = magnitude(d);
    if (u == 0) return std::nullopt;
    int digits = 0;
    for (; u > 0; u /= 10) ++digits;
    return digits - 1 - d.places();
}

std::optional<int> lowestDigit(Decimal value) {
    const Decimal d = value.normalized();
    long long u = magnitude(d);
    if (u == 0) return std::nullopt;
    int zeros = 0;
    for (; u % 10 == 0; u /= 10) ++zeros;
    return zeros - d.places();
}

Span writtenSpan(Decimal value) {
    return {std::max(highestDigit(value).value_or(0), 0), std::min(lowestDigit(value).value_or(0), 0)};
}

Decimal worth(int digit, int place) { return Decimal::of(digit).shifted(place); }

std::vector<Decimal> partsOf(Decimal value) {
    std::vector<Decimal> parts;
    const auto high = highestDigit(value), low = lowestDigit(value);
    if (!high || !low) return parts;
    for (int place = *high; place >= *low; --place)
        if (const int digit = digitAt(value, place)) parts.push_back(worth(digit, place));
    return parts;
}

Decimal answer(const Question& q) {
    switch (q.kind) {
        case Kind::RedDigit: return worth(digitAt(q.number, q.redPlace), q.redPlace);
        case Kind::Partition: return q.number.normalized();
        case Kind::Multiply: return q.number.shifted(q.shift).normalized();
        case Kind::Divide: return q.number.shifted(-q.shift).normalized();
    }
    return q.number;
}

Question drawQuestion(int mode, Kind kind, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kHundreds;
    q.kind = kind;
    if (kind == Kind::Multiply || kind == Kind::Divide) {
        q.shift = pick(rnd, 1, 3);
        q.number = scaledFor(kind, q.shift, rnd);
        return q;
    }
    if (kind == Kind::Partition) {
        // A single part would be no partition at all.
        do q.number = numberFor(q.mode, rnd);
        while (nonZeroDigits(q.number) < 2);
        q.parts = partsOf(q.number);
        if (q.mode == kThousands || q.mode == kHundredThousands) shuffle(q.parts, rnd);
        return q;
    }
    q.number = numberFor(q.mode, rnd);
    // Never a zero in red: its value is nothing to ask about.
    std::vector<int> places;
    for (int place = *highestDigit(q.number); place >= *lowestDigit(q.number); --place)
        if (digitAt(q.number, place) != 0) places.push_back(place);
    q.redPlace = places[static_cast<std::size_t>(pick(rnd, 0, static_cast<int>(places.size()) - 1))];
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    if (mode != m_mode) {
        m_mode = mode;
        m_turn = 0;
    }
    static constexpr Kind kDigits[] = {Kind::RedDigit, Kind::Partition};
    static constexpr Kind kScaling[] = {Kind::Multiply, Kind::Divide};
    const Kind kind = (mode == kTimesDivide ? kScaling : kDigits)[m_turn];
    m_turn = 1 - m_turn;
    return shell::drawFresh(current, [&] { return drawQuestion(mode, kind, rnd); });
}

}  // namespace placevalue
