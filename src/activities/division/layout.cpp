#include "activities/division/layout.h"

#include <algorithm>

namespace division {

using platform::Sheet;

namespace {
constexpr int kFrench = 1, kGerman = 2, kSpanish = 3, kItalian = 4, kDutch = 5;

// Writes on a sheet: every figure in its own square, as children write on squared paper.
class Pen {
public:
    explicit Pen(Sheet& sheet) : m_sheet(sheet) {}

    Sheet::Ink& ink(float row, float column, const QString& text, int role, int step,
                    Sheet::Size size = Sheet::Size::Big, Sheet::Place place = Sheet::Place::Centre) {
        Sheet::Ink i;
        i.row = row;
        i.column = column;
        i.text = text;
        i.role = role;
        i.step = step;
        i.size = size;
        i.place = place;
        m_sheet.inks.push_back(i);
        return m_sheet.inks.back();
    }
    // A number whose last figure stands in `last`; returns the column of its first figure.
    int number(int row, int last, const QString& text, int role, int step) {
        const int first = last - static_cast<int>(text.size()) + 1;
        for (int i = 0; i < text.size(); ++i) ink(float(row), float(first + i), QString(text[i]), role, step);
        return first;
    }
    void rule(float row1, float column1, float row2, float column2, int step, int role = kRuleInk) {
        m_sheet.rules.push_back({row1, column1, row2, column2, step, role});
    }
    void light(float row, float column, float rows, float columns, int step) {
        m_sheet.lights.push_back({row, column, rows, columns, step});
    }
    void grow(int rows, int columns) {
        m_sheet.rows = std::max(m_sheet.rows, rows);
        m_sheet.columns = std::max(m_sheet.columns, columns);
    }

private:
    Sheet& m_sheet;
};

QString text(long long v) { return QString::number(v); }

bool leavesRoomForRemainder(const Question& q) { return q.mode == kRemainder || q.mode == kTwoDigitDivisor; }

// How many squares the quotient takes: a figure per long step, and its point if it has one.
int quotientWidth(const std::vector<LongStep>& steps) {
    const bool point = std::any_of(steps.begin(), steps.end(), [](const LongStep& s) { return s.pastPoint; });
    return static_cast<int>(steps.size()) + (point ? 1 : 0);
}

// The figures a long step's remainder row shows: the remainder, then the figure brought down.
QString remainderRow(const LongStep& s) { return text(s.remainder) + (s.bringsDown ? text(s.nextDigit) : QString()); }

void busStop(Pen& pen, const Question& q, QChar point, const QString& mark, Layout& out) {
    const QString divisor = text(q.divisor), dividend = text(q.dividend);
    const int dv = static_cast<int>(divisor.size()), n = static_cast<int>(dividend.size());
    // Each figure of the dividend but the first has a square before it for the remainder carried
    // into it; past the point each 0 has one too.
    const auto digitColumn = [&](int position) { return position < n ? dv + 2 * position : dv + 2 * n + 1 + 2 * (position - n); };
    const int pointColumn = dv + 2 * n - 1;
    int end = (q.decimal() ? digitColumn(n + kMostPlaces - 1) : digitColumn(n - 1)) + 1;
    pen.number(1, dv - 1, divisor, kNumberInk, 0);
    for (int i = 0; i < n; ++i) pen.ink(1, float(digitColumn(i)), QString(dividend[i]), kNumberInk, 0);
    pen.rule(1, float(dv), 2, float(dv), 0);
    pen.rule(1, float(dv), 1, float(end), 0);
    out.quotientRow = 0;

    const std::vector<Digit> digits = shortWorking(q);
    bool leading = true;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const Digit& d = digits[i];
        const int step = static_cast<int>(i) + 1;
        const int column = digitColumn(d.position);
        pen.light(0, float(column - (i > 0 ? 1 : 0)), 2, i > 0 ? 2 : 1, step);
        // With no digits left, a 0 is written past the point for the remainder to carry into; the
        // first brings the points with it, above and below.
        if (i + 1 < digits.size() && digits[i + 1].pastPoint) {
            if (!d.pastPoint) {
                pen.ink(1, float(pointColumn), QString(point), kAddedInk, step);
                pen.ink(0, float(pointColumn), QString(point), kQuotientInk, step);
            }
            pen.ink(1, float(digitColumn(digits[i + 1].position)), QStringLiteral("0"), kAddedInk, step);
        }
        leading = leading && d.quotient == 0 && d.position < n - 1;
        if (!leading && out.quotientColumn == 0) out.quotientColumn = column;
        if (!leading) pen.ink(0, float(column), QString::number(d.quotient), kQuotientInk, step);
        const bool more = i + 1 < digits.size();
        if (more && d.remainder != 0) {
            Sheet::Ink& carried = pen.ink(1, float(digitColumn(digits[i + 1].position) - 1), text(d.remainder), kCarryInk, step,
                                          Sheet::Size::Small, Sheet::Place::TopRight);
            carried.slides = true;
            carried.fromRow = 0;
            carried.fromColumn = float(column);
        }
    }
    if (leavesRoomForRemainder(q)) {
        const int markColumn = end + 1;
        if (remainder(q) != 0) {
            pen.ink(0, float(markColumn), mark, kQuotientInk, static_cast<int>(digits.size()));
            pen.number(0, markColumn + static_cast<int>(text(remainder(q)).size()), text(remainder(q)), kQuotientInk,
                       static_cast<int>(digits.size()));
        }
        end = markColumn + 3;
    }
    out.steps = static_cast<int>(digits.size());
    pen.grow(2, end);
}

void corner(Pen& pen, const Question& q, QChar point, Layout& out) {
    const QString divisor = text(q.divisor), dividend = text(q.dividend);
    const int dv = static_cast<int>(divisor.size()), n = static_cast<int>(dividend.size());
    const std::vector<LongStep> steps = longWorking(q);
    // The upright stands clear of the zeros a decimal brings down beside the dividend.
    const int upright = n + (q.decimal() ? kMostPlaces : 0) + 1;
    const int rows = 1 + static_cast<int>(steps.size());
    const int width = std::max(dv, quotientWidth(steps));
    pen.number(0, n - 1, dividend, kNumberInk, 0);
    pen.number(0, upright + dv - 1, divisor, kNumberInk, 0);
    pen.rule(0, float(upright), float(rows), float(upright), 0);
    pen.rule(1, float(upright), 1, float(upright + width), 0);
    out.quotientRow = 1;
    out.quotientColumn = upright;

    int at = upright;
    int previousRow = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const LongStep& s = steps[k];
        const int step = static_cast<int>(k) + 1;
        // The number being divided lights up: the first figures of the dividend, then each remainder row.
        const int partialWidth = static_cast<int>(text(s.partial).size()) + (k > 0 && s.partial < 10 ? 1 : 0);
        pen.light(float(previousRow), float(s.lastPosition - partialWidth + 1), 1, float(partialWidth), step);
        pen.ink(1, float(at++), QString::number(s.quotient), kQuotientInk, step);
        // The step that brings down the first 0 past the point puts the point in the quotient.
        if (!s.pastPoint && k + 1 < steps.size() && steps[k + 1].pastPoint) pen.ink(1, float(at++), QString(point), kQuotientInk, step);
        const int row = step;
        pen.number(row, s.lastPosition + (s.bringsDown ? 1 : 0), remainderRow(s), kWorkingInk, step);
        previousRow = row;
    }
    out.steps = static_cast<int>(steps.size());
    pen.grow(std::max(rows, 2), upright + width + 1);
}

// The German and Dutch long forms share their subtractions; they differ in the top line and the
// side the minus sign stands.
void longForm(Pen& pen, const Question& q, QChar point, const QString& mark, Layout& out, bool german) {
    const QString divisor = text(q.divisor), dividend = text(q.dividend);
    const int dv = static_cast<int>(divisor.size()), n = static_cast<int>(dividend.size());
    const std::vector<LongStep> steps = longWorking(q);
    // German keeps a square on the left for the minus signs; Dutch starts with the divisor.
    const int first = german ? 1 : dv + 1;
    const auto columnOf = [&](int position) { return first + position; };
    int quotientStart;
    if (german) {
        pen.number(0, columnOf(n - 1), dividend, kNumberInk, 0);
        pen.ink(0, float(columnOf(n)), QStringLiteral(":"), kNumberInk, 0);
        pen.number(0, columnOf(n) + dv, divisor, kNumberInk, 0);
        pen.ink(0, float(columnOf(n) + dv + 1), QStringLiteral("="), kNumberInk, 0);
        quotientStart = columnOf(n) + dv + 2;
    } else {
        pen.number(0, dv - 1, divisor, kNumberInk, 0);
        pen.number(0, columnOf(n - 1), dividend, kNumberInk, 0);
        // The two slanted strokes, a little taller than the figures they stand between.
        pen.rule(1.1f, float(dv) + 0.25f, -0.1f, float(dv) + 0.75f, 0);
        pen.rule(-0.1f, float(columnOf(n)) + 0.25f, 1.1f, float(columnOf(n)) + 0.75f, 0);
        quotientStart = columnOf(n) + 1;
    }
    out.quotientRow = 0;
    out.quotientColumn = quotientStart;

    int at = quotientStart;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const LongStep& s = steps[k];
        const int step = static_cast<int>(k) + 1;
        const int productRow = 2 * step - 1, remainderRowIndex = 2 * step;
        pen.ink(0, float(at++), QString::number(s.quotient), kQuotientInk, step);
        if (!s.pastPoint && k + 1 < steps.size() && steps[k + 1].pastPoint) pen.ink(0, float(at++), QString(point), kQuotientInk, step);
        const int partialRow = k == 0 ? 0 : productRow - 1;
        const int partialWidth = static_cast<int>(text(s.partial).size()) + (k > 0 && s.partial < 10 ? 1 : 0);
        pen.light(float(partialRow), float(columnOf(s.lastPosition) - partialWidth + 1), 1, float(partialWidth), step);
        const int start = pen.number(productRow, columnOf(s.lastPosition), text(s.product), kWorkingInk, step);
        const int minusColumn = german ? start - 1 : columnOf(s.lastPosition) + 1;
        pen.ink(float(productRow), float(minusColumn), QStringLiteral("\u2212"), kWorkingInk, step);
        const int lineLeft = std::min(start, columnOf(s.lastPosition) - partialWidth + 1) - (german ? 1 : 0);
        pen.rule(float(remainderRowIndex), float(lineLeft), float(remainderRowIndex), float(columnOf(s.lastPosition) + 1), step, kWorkingRule);
        pen.number(remainderRowIndex, columnOf(s.lastPosition) + (s.bringsDown ? 1 : 0), remainderRow(s), kWorkingInk, step);
    }
    int end = at;
    if (leavesRoomForRemainder(q)) {
        const int markColumn = end + 1;
        const float markWidth = mark.size() > 2 ? 2 : 1;
        if (remainder(q) != 0) {
            Sheet::Ink& written = pen.ink(0, float(markColumn), mark, kQuotientInk, static_cast<int>(steps.size()));
            written.columns = markWidth;
            pen.number(0, markColumn + int(markWidth) + static_cast<int>(text(remainder(q)).size()) - 1, text(remainder(q)), kQuotientInk,
                       static_cast<int>(steps.size()));
        }
        end = markColumn + int(markWidth) + 2;
    }
    // The working runs past the dividend when zeros come down after the point.
    const int workingEnd = columnOf(n - 1 + (q.decimal() ? kMostPlaces : 0)) + (german ? 1 : 2);
    out.steps = static_cast<int>(steps.size());
    pen.grow(1 + 2 * static_cast<int>(steps.size()), std::max(end, workingEnd));
}
}  // namespace

Style styleForLanguage(int language) {
    switch (language) {
        case kFrench:
        case kSpanish:
        case kItalian: return Style::Corner;
        case kGerman: return Style::German;
        case kDutch: return Style::Dutch;
        default: return Style::BusStop;
    }
}

Layout layout(Style style, const Question& q, QChar point, const QString& remainderMark) {
    Layout out;
    out.sheet.rows = 1;
    out.sheet.columns = 1;
    Pen pen(out.sheet);
    const QString mark = remainderMark.isEmpty() ? QStringLiteral("r") : remainderMark;
    switch (style) {
        case Style::BusStop: busStop(pen, q, point, mark, out); break;
        case Style::Corner: corner(pen, q, point, out); break;
        case Style::German: longForm(pen, q, point, mark, out, true); break;
        case Style::Dutch: longForm(pen, q, point, mark, out, false); break;
    }
    return out;
}

}  // namespace division
