#include "activities/shell/numbers.h"

#include "app/language.h"

namespace shell {
namespace {
constexpr int kEnglish = 0;
constexpr int kWelsh = 6;

QString grouped(const QString& plain) {
    const qsizetype point = [&] {
        for (qsizetype i = 0; i < plain.size(); ++i)
            if (plain[i] == QLatin1Char('.') || plain[i] == QLatin1Char(',')) return i;
        return plain.size();
    }();
    const qsizetype firstDigit = plain.startsWith(QLatin1Char('-')) ? 1 : 0;
    // Four-digit numbers stay whole (2024, 4000), as children see them written.
    if (point - firstDigit <= 4) return plain;
    QString out = plain;
    for (qsizetype i = point - 3; i > firstDigit; i -= 3) out.insert(i, QChar(0x00A0));
    return out;
}
}  // namespace

bool usesDecimalComma(int language) { return language != kEnglish && language != kWelsh && language >= 0; }

QChar decimalPoint() { return usesDecimalComma(app::lang().langIndexValue()) ? QLatin1Char(',') : QLatin1Char('.'); }

QString numberText(platform::Decimal value, int minPlaces, Grouping grouping) {
    const QString plain = value.text(decimalPoint(), minPlaces);
    return grouping == Grouping::Thousands ? grouped(plain) : plain;
}

QString numberText(long long whole, Grouping grouping) {
    return numberText(platform::Decimal::of(whole), 0, grouping);
}

}  // namespace shell
