#pragma once
// Numbers written as the chosen language writes them: a decimal comma in French, German, Spanish,
// Italian and Dutch, a point in English and Welsh, "-" before negatives. The desktop's regional
// settings play no part.
#include <QString>

#include "platform/decimal.h"

namespace shell {

bool usesDecimalComma(int language);
QChar decimalPoint();

// Large whole parts may be grouped in threes with a no-break space ("12 345"), as schools print them.
enum class Grouping { None, Thousands };

QString numberText(platform::Decimal value, int minPlaces = 0, Grouping grouping = Grouping::None);
QString numberText(long long whole, Grouping grouping = Grouping::None);

}  // namespace shell
