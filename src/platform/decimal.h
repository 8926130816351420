#pragma once
// Exact decimals for the activities about tenths, hundredths and money: a whole number of units
// and a count of decimal places, so 0.3 is 3 tenths and never 0.299999….
#include <QString>
#include <compare>
#include <optional>

namespace platform {

class Decimal {
public:
    constexpr Decimal() = default;
    // units × 10^-places, e.g. of(374, 1) is 37.4.
    static constexpr Decimal of(long long units, int places = 0) { return Decimal(units, places); }

    // Reads what a pupil typed: an optional minus ("-" or "−"), digits, at most one decimal point
    // or comma, digits. ".3" and "3." are fine; "", "-", "1.2.3", "--4" and anything longer than
    // 18 digits are not numbers.
    static std::optional<Decimal> parse(const QString& text);

    long long units() const { return m_units; }
    int places() const { return m_places; }
    bool isWhole() const { return normalized().m_places == 0; }
    bool isNegative() const { return m_units < 0; }

    // The same value with no trailing zero decimals (3.40 → 3.4, 5.0 → 5).
    Decimal normalized() const;
    // The value in units of 10^-places (places at least as many as it has); nullopt when it has more
    // decimals than that or does not fit.
    std::optional<long long> unitsAt(int places) const;

    friend Decimal operator+(Decimal a, Decimal b);
    friend Decimal operator-(Decimal a, Decimal b);
    friend Decimal operator*(Decimal a, long long factor);
    Decimal operator-() const { return Decimal(-m_units, m_places); }
    // Multiplies or divides by 10^shift exactly (×100 is shift 2, ÷1000 is shift −3).
    Decimal shifted(int shift) const;

    friend bool operator==(Decimal a, Decimal b);
    friend std::strong_ordering operator<=>(Decimal a, Decimal b);

    // Plain text with the given decimal point, "-" before negatives, no trailing zeros unless
    // minPlaces asks for them (a price of 1.5 pounds with minPlaces 2 is "1.50").
    QString text(QChar point = QLatin1Char('.'), int minPlaces = 0) const;

private:
    constexpr Decimal(long long units, int places) : m_units(units), m_places(places) {}
    long long m_units = 0;
    int m_places = 0;
};

}  // namespace platform
