#include "platform/decimal.h"

#include <algorithm>

namespace platform {
namespace {
constexpr int kMaxDigits = 18;  // every value of 18 digits fits a long long

__int128 scaled(long long units, int by) {
    __int128 v = units;
    for (int i = 0; i < by; ++i) v *= 10;
    return v;
}

// Both values in units of the finer one's places.
std::pair<__int128, __int128> aligned(Decimal a, Decimal b) {
    const int places = std::max(a.places(), b.places());
    return {scaled(a.units(), places - a.places()), scaled(b.units(), places - b.places())};
}

Decimal fromWide(__int128 units, int places) {
    // Results of the activities' sums stay far inside a long long; clamp rather than wrap if not.
    constexpr __int128 kLimit = 999'999'999'999'999'999LL;
    return Decimal::of(static_cast<long long>(std::clamp<__int128>(units, -kLimit, kLimit)), places);
}
}  // namespace

std::optional<Decimal> Decimal::parse(const QString& raw) {
    const QString text = raw.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QChar(0x2212))) {
        negative = true;
        ++i;
    }
    long long units = 0;
    int digits = 0, places = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (point) return std::nullopt;
            point = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (digits == kMaxDigits) return std::nullopt;
            if (units != 0 || c != QLatin1Char('0')) ++digits;  // leading zeros cost nothing
            units = units * 10 + (c.unicode() - '0');
            if (point) ++places;
        } else {
            return std::nullopt;
        }
    }
    const bool anyDigit = text.size() > (negative ? 1 : 0) + (point ? 1 : 0);
    if (!anyDigit || places > kMaxDigits) return std::nullopt;
    return Decimal(negative ? -units : units, places);
}

Decimal Decimal::normalized() const {
    Decimal d = *this;
    while (d.m_places > 0 && d.m_units % 10 == 0) {
        d.m_units /= 10;
        --d.m_places;
    }
    if (d.m_units == 0) d.m_places = 0;
    return d;
}

std::optional<long long> Decimal::unitsAt(int places) const {
    const Decimal d = normalized();
    if (d.m_places > places) return std::nullopt;
    const __int128 v = scaled(d.m_units, places - d.m_places);
    if (v > 999'999'999'999'999'999LL || v < -999'999'999'999'999'999LL) return std::nullopt;
    return static_cast<long long>(v);
}

Decimal operator+(Decimal a, Decimal b) {
    const auto [x, y] = aligned(a, b);
    return fromWide(x + y, std::max(a.places(), b.places()));
}

Decimal operator-(Decimal a, Decimal b) { return a + (-b); }

Decimal operator*(Decimal a, long long factor) { return fromWide(__int128(a.units()) * factor, a.places()); }

Decimal Decimal::shifted(int shift) const {
    if (shift >= 0) {
        // Take decimals away before adding zeros: 3.74 × 100 is 374, not 37400 hundredths.
        const int fromPlaces = std::min(shift, m_places);
        return fromWide(scaled(m_units, shift - fromPlaces), m_places - fromPlaces);
    }
    return Decimal(m_units, m_places - shift).normalized();
}

bool operator==(Decimal a, Decimal b) {
    const auto [x, y] = aligned(a, b);
    return x == y;
}

std::strong_ordering operator<=>(Decimal a, Decimal b) {
    const auto [x, y] = aligned(a, b);
    return x < y ? std::strong_ordering::less : x > y ? std::strong_ordering::greater : std::strong_ordering::equal;
}

QString Decimal::text(QChar point, int minPlaces) const {
    Decimal d = normalized();
    while (d.m_places < minPlaces) {
        d.m_units *= 10;
        ++d.m_places;
    }
    const bool negative = d.m_units < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(d.m_units)
                                                  : static_cast<unsigned long long>(d.m_units);
    QString digits = QString::number(magnitude);
    if (d.m_places > 0) {
        if (digits.size() <= d.m_places) digits.prepend(QString(d.m_places - digits.size() + 1, QLatin1Char('0')));
        digits.insert(digits.size() - d.m_places, point);
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

}  // namespace platform
