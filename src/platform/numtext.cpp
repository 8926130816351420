#include "platform/numtext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace platform {
namespace {

// Digits and decimal exponent of a value rounded to `significant` digits.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros, at least one digit
    int exponent = 0;    // value = 0.d1d2d3... × 10^(exponent + 1)
};

Decimal toDecimal(double value, int significant) {
    Decimal d;
    // to_chars ignores the process locale, which Qt sets from the desktop's regional settings.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    std::string s(buffer, written.ptr);
    if (!s.empty() && s[0] == '-') {
        d.negative = true;
        s.erase(0, 1);
    }
    const auto e = s.find('e');
    const char* exponent = s.c_str() + e + 1;
    if (*exponent == '+') ++exponent;
    std::from_chars(exponent, s.c_str() + s.size(), d.exponent);
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') d.digits += s[i];
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits == "0") d.negative = false;
    return d;
}

QString plain(const Decimal& d) {
    std::string out;
    if (d.negative) out += '-';
    const int pointAfter = d.exponent + 1;  // digits before the decimal point
    if (pointAfter <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAfter), '0');
        out += d.digits;
    } else if (pointAfter >= static_cast<int>(d.digits.size())) {
        out += d.digits;
        out.append(static_cast<std::size_t>(pointAfter - static_cast<int>(d.digits.size())), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(pointAfter));
        out += '.';
        out += d.digits.substr(static_cast<std::size_t>(pointAfter));
    }
    return QString::fromStdString(out);
}

QString textOf(double value, int significant) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    if (value == 0) return QStringLiteral("0");
    return plain(toDecimal(value, significant));
}

}  // namespace

QString numText(float value) { return textOf(static_cast<double>(value), 7); }
QString numText(double value) { return textOf(value, 15); }

QString fixedText(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    // Round the 15-digit decimal form, so 2.675 counts as the 2.675 a person reads, not 2.67499…
    const Decimal d = value == 0 ? Decimal{false, "0", 0} : toDecimal(value, 15);
    std::string digits = d.digits;
    int pointAfter = d.exponent + 1;
    if (pointAfter <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAfter + 1), '0');
        pointAfter = 1;
    }
    const int keep = pointAfter + decimals;
    if (static_cast<int>(digits.size()) < keep) digits.append(static_cast<std::size_t>(keep - static_cast<int>(digits.size())), '0');
    bool roundUp = static_cast<int>(digits.size()) > keep && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(0, 1, '1');
            ++pointAfter;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    std::string out;
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    if (d.negative && !allZero) out += '-';
    std::string whole = digits.substr(0, static_cast<std::size_t>(pointAfter));
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    out += whole;
    if (decimals > 0) {
        out += '.';
        out += digits.substr(static_cast<std::size_t>(pointAfter));
    }
    return QString::fromStdString(out);
}

double numValue(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    QString number;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) number += t[i++];
    bool digits = false;
    while (i < t.size() && t[i].isDigit()) {
        number += t[i++];
        digits = true;
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        number += t[i++];
        while (i < t.size() && t[i].isDigit()) {
            number += t[i++];
            digits = true;
        }
    }
    if (!digits) return 0;
    const QByteArray latin = number.toLatin1();
    const char* first = latin.constData();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    double value = 0;
    std::from_chars(first, latin.constData() + latin.size(), value);
    return value;
}

}  // namespace platform
