#pragma once
// Amounts of money as each language writes them, and read back from what a pupil typed. Amounts are
// whole pence or cents: 135 is £1.35 or 1,35 €, never a binary fraction.
//
// Pounds: "£1.35", "80p", "-£8.35" (Welsh writes pence with "c": "80c"). Euros: "1,35 €" in French,
// German and Spanish, "€ 1,35" in Italian and Dutch; a negative amount "-8,35 €", "-€ 8,35" in
// Italian and "€ -8,35" in Dutch.
#include <QString>
#include <QStringList>
#include <optional>

#include "activities/shell/edition.h"

namespace shell {

enum class Currency { Pound, Euro };

struct MoneyStyle {
    Currency currency = Currency::Pound;
    int language = 0;  // whose way of writing it: 0 English … 6 Welsh, as the text columns

    // The English edition counts in pounds the English way; the other edition in euros, written the
    // chosen language's way, except Welsh (and English) which keep pounds.
    static MoneyStyle of(Edition edition, int language);
    // The same for the language chosen now.
    static MoneyStyle chosen(Edition edition);
    friend bool operator==(const MoneyStyle&, const MoneyStyle&) = default;
};

enum class MoneyForm {
    Price,   // pounds below £1 in pence ("80p"); whole amounts bare ("£5", "5 €"); else two places
    Amount,  // never in pence: "£0.80", "£12", "-£8.35", "12 €"
    Coin,    // a coin's or note's face: "50p", "50 c", "£2", "2 €"
};

QString moneyText(long long minor, const MoneyStyle& style, MoneyForm form = MoneyForm::Price);

// The pad keys a pupil needs for amounts: the currency sign, and the pence letter for pounds.
QStringList moneyKeys(const MoneyStyle& style);

// Reads what a pupil typed: an optional minus ("-" or "−"), the currency sign before or after (or
// none), and a number with at most two decimals, either separator; for pounds also whole pence
// with "p" ("135p"; Welsh also "135c"). Spaces are ignored. nullopt for anything else.
std::optional<long long> readMoney(const QString& typed, const MoneyStyle& style);

}  // namespace shell
