#pragma once
// How a division is laid out on squared paper in each country's exercise books, each mark tagged
// with the solution step that writes it:
// - bus stop (English, Welsh): the divisor left of the bracket, the quotient above the dividend,
//   each remainder carried small before the next digit;
// - corner (French, Spanish, Italian): the dividend at the left, the divisor at the right beyond an
//   upright, the quotient under the divisor's line, the partial remainders under the dividend;
// - German: "156 : 12 = 13" on one line, the subtractions below it, minus sign in front;
// - Dutch: "12 / 156 \ 13", the subtractions below the dividend, minus sign behind.
#include <QString>

#include "activities/division/rules.h"
#include "platform/sheet.h"

namespace division {

enum class Style { BusStop, Corner, German, Dutch };

// The layout taught in a language's schools (by the program's language number).
Style styleForLanguage(int language);

// Colours of what the sheet holds.
enum Role { kNumberInk, kQuotientInk, kCarryInk, kWorkingInk, kAddedInk, kRuleInk, kWorkingRule, kRoles };

struct Layout {
    platform::Sheet sheet;
    int steps = 0;
    // Where the quotient's first figure is written, for tests and for reading the board.
    int quotientRow = 0;
    int quotientColumn = 0;
};

// `point` is the language's decimal separator, `remainderMark` what is written before a remainder
// on the board ("r", "R", "rest"); modes that can leave a remainder keep room for it.
Layout layout(Style style, const Question& q, QChar point, const QString& remainderMark);

}  // namespace division
