#include "activities/shell/money.h"

#include <limits>

#include "app/language.h"
#include "platform/decimal.h"

namespace shell {
namespace {
constexpr int kEnglish = 0;
constexpr int kGerman = 2;
constexpr int kItalian = 4;
constexpr int kDutch = 5;
constexpr int kWelsh = 6;

const QChar kPound(0x00A3);
const QChar kEuro(0x20AC);
const QChar kMinusSign(0x2212);
// Between a number and its euro sign: never broken across two lines.
const QChar kKeepTogether(0x00A0);

// Pounds or euros and hundredths, without a sign: "1.35", "12", "0.80".
QString units(long long minor, QChar point) {
    const QString whole = QString::number(minor / 100);
    if (minor % 100 == 0) return whole;
    return whole + point + QStringLiteral("%1").arg(minor % 100, 2, 10, QLatin1Char('0'));
}

// Cents as written under each language's coins.
QString centsMark(int language) {
    return language == kGerman || language == kDutch ? QStringLiteral("ct") : QStringLiteral("c");
}
}  // namespace

MoneyStyle MoneyStyle::of(Edition edition, int language) {
    if (edition == Edition::English || language == kEnglish || language < 0) return {Currency::Pound, kEnglish};
    if (language == kWelsh) return {Currency::Pound, kWelsh};
    return {Currency::Euro, language};
}

MoneyStyle MoneyStyle::chosen(Edition edition) { return of(edition, app::lang().langIndexValue()); }

QString moneyText(long long minor, const MoneyStyle& style, MoneyForm form) {
    const bool negative = minor < 0;
    // The most negative value has no positive twin; no amount of a classroom comes near it.
    const long long size = negative ? (minor == std::numeric_limits<long long>::min() ? 0 : -minor) : minor;
    const QString minus = negative ? QStringLiteral("-") : QString();
    const bool pence = size < 100 && form != MoneyForm::Amount;

    if (style.currency == Currency::Pound) {
        if (pence) return minus + QString::number(size) + (style.language == kWelsh ? QLatin1Char('c') : QLatin1Char('p'));
        return minus + kPound + units(size, QLatin1Char('.'));
    }
    if (pence && form == MoneyForm::Coin) return QString::number(size) + kKeepTogether + centsMark(style.language);
    const QString amount = units(size, QLatin1Char(','));
    if (style.language == kDutch) return QString(kEuro) + kKeepTogether + minus + amount;
    if (style.language == kItalian) return minus + kEuro + kKeepTogether + amount;
    return minus + amount + kKeepTogether + kEuro;
}

QStringList moneyKeys(const MoneyStyle& style) {
    if (style.currency == Currency::Euro) return {QString(kEuro)};
    return {QString(kPound), style.language == kWelsh ? QStringLiteral("c") : QStringLiteral("p")};
}

std::optional<long long> readMoney(const QString& typed, const MoneyStyle& style) {
    constexpr qsizetype kLongest = 24;  // far beyond any amount the pad can hold
    if (typed.size() > kLongest) return std::nullopt;
    QString text;
    for (const QChar c : typed)
        if (!c.isSpace()) text += c;

    bool negative = false;
    const auto takeMinus = [&] {
        if (text.startsWith(QLatin1Char('-')) || text.startsWith(kMinusSign)) {
            negative = true;
            text.remove(0, 1);
        }
    };
    takeMinus();
    const QChar sign = style.currency == Currency::Pound ? kPound : kEuro;
    bool signed_ = false;
    if (text.startsWith(sign)) {
        text.remove(0, 1);
        signed_ = true;
        if (!negative) takeMinus();  // "€ -8,35", as Dutch writes it
    } else if (text.endsWith(sign)) {
        text.chop(1);
        signed_ = true;
    }
    bool inPence = false;
    if (!signed_ && style.currency == Currency::Pound && !text.isEmpty()) {
        const QChar last = text.back().toLower();
        if (last == QLatin1Char('p') || (style.language == kWelsh && last == QLatin1Char('c'))) {
            text.chop(1);
            inPence = true;
        }
    }
    // A second minus, or one left inside the number, is not an amount.
    if (text.contains(QLatin1Char('-')) || text.contains(kMinusSign)) return std::nullopt;
    if (inPence && (text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(',')))) return std::nullopt;

    const auto value = platform::Decimal::parse(text);
    if (!value) return std::nullopt;
    const auto minor = value->unitsAt(inPence ? 0 : 2);
    if (!minor) return std::nullopt;
    return negative ? -*minor : *minor;
}

}  // namespace shell
