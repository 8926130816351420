#pragma once
// Number texts: plain decimal with "." whatever the locale, as the screens write and read them.
#include <QString>

namespace platform {

// At most 7 significant digits, no exponent, no trailing zeros, "-" before negatives.
QString numText(float value);
// The same with at most 15 significant digits.
QString numText(double value);
inline QString numText(int value) { return QString::number(value); }

// Exactly `decimals` decimals, halves rounded away from zero ("0.0" and "0.00").
QString fixedText(double value, int decimals);

// Reads the leading number of a text ("." as the decimal point); 0 when there is none.
double numValue(const QString& text);

}  // namespace platform
