#include "activities/columns/rules.h"

#include <algorithm>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace columns {

using platform::Decimal;
using platform::Sheet;

namespace {
constexpr int kMostTries = 2000;  // a mode's draws meet their carry count long before this

long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

long long power10(int n) {
    long long p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

int digitCount(long long v) {
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// A number's digit at a place once lined up on `places` decimals; -1 where it has none.
int digitAt(Decimal number, int places, int place) {
    const long long units = number.unitsAt(places).value_or(0);
    const int lowest = places - number.normalized().places();  // decimals it does not have
    const int highest = std::max(places, digitCount(units) - 1);
    if (place < lowest || place > highest) return -1;
    return static_cast<int>(units / power10(place) % 10);
}

// Columns the working spans: every digit of every number, and the ones at least.
int columnCount(const Question& q) {
    int count = q.places() + 1;
    for (Decimal n : q.numbers) count = std::max(count, digitCount(n.unitsAt(q.places()).value_or(0)));
    return count;
}

}  // namespace

int Question::places() const {
    int places = 0;
    for (Decimal n : numbers) places = std::max(places, n.normalized().places());
    return places;
}

Decimal answer(const Question& q) {
    if (q.numbers.empty()) return Decimal::of(0);
    Decimal total = q.numbers.front();
    for (std::size_t i = 1; i < q.numbers.size(); ++i) total = q.subtracts() ? total - q.numbers[i] : total + q.numbers[i];
    return total;
}

std::vector<Column> working(const Question& q) {
    const int places = q.places(), count = columnCount(q);
    std::vector<Column> columns(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        Column& c = columns[static_cast<std::size_t>(p)];
        c.place = p;
        for (Decimal n : q.numbers) c.digits.push_back(digitAt(n, places, p));
    }
    if (!q.subtracts()) {
        int carry = 0;
        for (Column& c : columns) {
            c.carryIn = carry;
            c.total = carry;
            for (int d : c.digits) c.total += std::max(0, d);
            c.digit = c.total % 10;
            c.carryOut = carry = c.total / 10;
        }
        return columns;
    }
    // Subtraction: the top number's digits as the exchanges change them, rightmost first.
    std::vector<int> top(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) top[static_cast<std::size_t>(p)] = std::max(0, columns[static_cast<std::size_t>(p)].digits[0]);
    for (int p = 0; p < count; ++p) {
        Column& c = columns[static_cast<std::size_t>(p)];
        const int bottom = c.digits.size() > 1 ? std::max(0, c.digits[1]) : 0;
        if (top[static_cast<std::size_t>(p)] < bottom) {
            // Borrow from the nearest column on the left with something to give; zeros between become 9.
            int from = p + 1;
            while (from < count && top[static_cast<std::size_t>(from)] == 0) ++from;
            if (from < count) {
                --top[static_cast<std::size_t>(from)];
                for (int k = from - 1; k > p; --k) top[static_cast<std::size_t>(k)] = 9;
                top[static_cast<std::size_t>(p)] += 10;
                c.exchanged = true;
            }
        }
        c.top = top[static_cast<std::size_t>(p)];
        c.total = c.digit = c.top - bottom;
    }
    return columns;
}

bool answerHasDigit(const Question& q, int place) {
    const long long units = answer(q).unitsAt(q.places()).value_or(0);
    return place <= std::max(q.places(), digitCount(units) - 1);
}

int regroupings(const Question& q) {
    int n = 0;
    for (const Column& c : working(q)) n += q.subtracts() ? c.exchanged : c.carryOut > 0;
    return n;
}

bool answerWritten(const Question& q, const std::vector<QString>& cells) {
    const int places = q.places();
    const Decimal total = answer(q);
    const long long units = total.unitsAt(places).value_or(-1);
    if (units < 0) return false;
    const int n = static_cast<int>(cells.size());
    for (int i = 0; i < n; ++i) {
        const int place = n - 1 - i;
        const QString cell = cells[static_cast<std::size_t>(i)].trimmed();
        const bool leading = place > places && units < power10(place);
        if (leading) {
            if (!cell.isEmpty() && cell != QLatin1String("0")) return false;
            continue;
        }
        if (cell != QString::number(units / power10(place) % 10)) return false;
    }
    // Every digit of the answer has a cell to go in.
    return units < power10(n);
}

// ---- the sheet

int Layout::columnOf(int place) const {
    const int ones = answerColumns.empty() ? 0 : answerColumns.back();
    if (pointColumn < 0) return ones - place;
    const int decimals = answerColumns.back() - pointColumn;
    return place < decimals ? answerColumns.back() - place : pointColumn - 1 - (place - decimals);
}

Layout layout(const Question& q, QChar point, bool signAfter) {
    Layout out;
    Sheet& sheet = out.sheet;
    const std::vector<Column> work = working(q);
    const int places = q.places(), count = static_cast<int>(work.size()), numbers = static_cast<int>(q.numbers.size());
    // Addition keeps an empty column on the left for a carry out of the top column.
    const int digitColumns = count + (q.subtracts() ? 0 : 1);
    const int first = signAfter ? 0 : 1;  // the sign has a column of its own before the digits, or after them
    const int lastDigit = first + digitColumns + (places > 0 ? 1 : 0) - 1;
    sheet.columns = lastDigit + 1 + (signAfter ? 1 : 0);
    const int firstNumberRow = q.subtracts() ? 1 : 0;  // subtraction writes its exchanges above the top number
    const int lastNumberRow = firstNumberRow + numbers - 1;
    out.answerRow = lastNumberRow + 1;
    const int carryRow = out.answerRow + 1;
    sheet.rows = q.subtracts() ? out.answerRow + 1 : carryRow + 1;
    out.pointColumn = places > 0 ? lastDigit - places : -1;
    for (int c = first; c <= lastDigit; ++c)
        if (c != out.pointColumn) out.answerColumns.push_back(c);

    const auto ink = [&](float row, float column, const QString& text, int role, int step = 0,
                         Sheet::Size size = Sheet::Size::Big, Sheet::Place place = Sheet::Place::Centre) -> Sheet::Ink& {
        Sheet::Ink i;
        i.row = row;
        i.column = column;
        i.text = text;
        i.role = role;
        i.step = step;
        i.size = size;
        i.place = place;
        sheet.inks.push_back(i);
        return sheet.inks.back();
    };

    // The numbers, lined up on the point; where the top number's digits are, so exchanges can cross them out.
    std::vector<int> topInk(static_cast<std::size_t>(count), -1);
    for (int n = 0; n < numbers; ++n) {
        const int row = firstNumberRow + n;
        for (int p = 0; p < count; ++p) {
            const int d = work[static_cast<std::size_t>(p)].digits[static_cast<std::size_t>(n)];
            if (d < 0) continue;
            if (n == 0) topInk[static_cast<std::size_t>(p)] = static_cast<int>(sheet.inks.size());
            ink(float(row), float(out.columnOf(p)), QString::number(d), kNumberInk);
        }
        if (places > 0) ink(float(row), float(out.pointColumn), QString(point), kNumberInk);
    }
    ink(float(lastNumberRow), float(signAfter ? lastDigit + 1 : 0), q.subtracts() ? QStringLiteral("\u2212") : QStringLiteral("+"),
        kSignInk);
    if (places > 0) ink(float(out.answerRow), float(out.pointColumn), QString(point), kNumberInk);
    // The lines run under the sign that stands before the numbers, not under one that follows them.
    const float lineEnd = float(lastDigit + 1);
    sheet.rules.push_back({float(out.answerRow), 0, float(out.answerRow), lineEnd, 0, kRuleInk});
    sheet.rules.push_back({float(out.answerRow + 1), 0, float(out.answerRow + 1), lineEnd, 0, kRuleInk});

    // Exchanges: the top number's digits as they change, and the small figure above a crossed-out one.
    std::vector<int> value(static_cast<std::size_t>(count)), smallAbove(static_cast<std::size_t>(count), -1);
    for (int p = 0; p < count; ++p) value[static_cast<std::size_t>(p)] = std::max(0, work[static_cast<std::size_t>(p)].digits[0]);
    for (int p = 0; p < count; ++p) {
        const Column& c = work[static_cast<std::size_t>(p)];
        const int step = p + 1;
        const int column = out.columnOf(p);
        sheet.lights.push_back({0, float(column), float(sheet.rows), 1, step});
        if (q.subtracts() && c.exchanged) {
            const auto crossAndRewrite = [&](int k) {
                int& current = smallAbove[static_cast<std::size_t>(k)];
                const int crossed = current >= 0 ? current : topInk[static_cast<std::size_t>(k)];
                if (crossed >= 0) sheet.inks[static_cast<std::size_t>(crossed)].struckAt = step;
                current = static_cast<int>(sheet.inks.size());
                ink(0, float(out.columnOf(k)), QString::number(value[static_cast<std::size_t>(k)]), kCarryInk, step, Sheet::Size::Small);
            };
            // The 1 a column takes slides in from its left, before its big digit or before the
            // figure already written above it.
            const auto takeOne = [&](int k) {
                const bool above = smallAbove[static_cast<std::size_t>(k)] >= 0;
                Sheet::Ink& one = ink(above ? 0 : float(firstNumberRow), float(out.columnOf(k)), QStringLiteral("1"), kCarryInk, step,
                                      Sheet::Size::Small, above ? Sheet::Place::Left : Sheet::Place::TopLeft);
                one.slides = true;
                one.fromRow = one.row;
                one.fromColumn = float(out.columnOf(k + 1));
                return static_cast<int>(sheet.inks.size()) - 1;
            };
            int from = p + 1;
            while (from < count && value[static_cast<std::size_t>(from)] == 0) ++from;
            if (from < count) {
                --value[static_cast<std::size_t>(from)];
                crossAndRewrite(from);
                // Zeros on the way take a 1, become ten, and give one on: a 9 above each.
                for (int k = from - 1; k > p; --k) {
                    sheet.inks[static_cast<std::size_t>(takeOne(k))].struckAt = step;
                    value[static_cast<std::size_t>(k)] = 9;
                    crossAndRewrite(k);
                }
                takeOne(p);
                value[static_cast<std::size_t>(p)] += 10;
            }
        }
        // A missing decimal place is read as a zero, written in grey as the class is told to.
        for (int n = 0; n < numbers && !q.subtracts(); ++n)
            if (c.digits[static_cast<std::size_t>(n)] < 0 && p < places)
                ink(float(firstNumberRow + n), float(column), QStringLiteral("0"), kPlaceholderInk, step);
        if (answerHasDigit(q, p)) ink(float(out.answerRow), float(column), QString::number(c.digit), kAnswerInk, step);
        if (c.carryOut > 0) {
            const bool last = p == count - 1;
            // The top column's carry is a new digit of the answer; any other waits under the next column.
            Sheet::Ink& carried = last ? ink(float(out.answerRow), float(out.columnOf(p + 1)), QString::number(c.carryOut), kAnswerInk, step)
                                       : ink(float(carryRow), float(out.columnOf(p + 1)), QString::number(c.carryOut), kCarryInk,
                                             step, Sheet::Size::Small);
            carried.slides = true;
            carried.fromRow = float(out.answerRow);
            carried.fromColumn = float(column);
        }
    }
    // Exchange figures that later take a 1 in front of them move to the right half of their square.
    for (Sheet::Ink& i : sheet.inks)
        if (i.size == Sheet::Size::Small && i.row == 0 && q.subtracts() && i.place == Sheet::Place::Centre) {
            for (const Sheet::Ink& other : sheet.inks)
                if (other.place == Sheet::Place::Left && other.row == 0 && other.column == i.column) i.place = Sheet::Place::Right;
        }
    return out;
}

// ---- drawing questions

namespace {
// A decimal with one or two places whose last place is not zero, under 100.
Decimal drawDecimal(platform::RandomSource& rnd) {
    const int places = rnd.next() < 0.5f ? 1 : 2;
    const long long whole = rnd.next() < 0.5f ? between(rnd, 0, 9) : between(rnd, 10, 99);
    long long fraction = between(rnd, 1, power10(places) - 1);
    if (fraction % 10 == 0) fraction += 1;
    return Decimal::of(whole * power10(places) + fraction, places);
}

Question drawOnce(int mode, platform::RandomSource& rnd) {
    Question q{mode, {}};
    switch (mode) {
        case kThreeNumbers:
            for (int i = 0; i < 3; ++i) q.numbers.push_back(Decimal::of(between(rnd, 10, 999)));
            break;
        case kDecimals: {
            const Decimal a = drawDecimal(rnd);
            Decimal b = drawDecimal(rnd);
            // Lining up by the point matters when the numbers have different places.
            while (b.places() == a.places()) b = drawDecimal(rnd);
            q.numbers = {a, b};
            break;
        }
        case kSubtraction: {
            long long top = between(rnd, 200, 999);
            // Now and then a zero in the tens, to exchange across it.
            if (rnd.next() < 0.25f) top = top / 100 * 100 + top % 10;
            const long long bottom = rnd.next() < 0.25f ? between(rnd, 10, 99) : between(rnd, 100, top - 1);
            q.numbers = {Decimal::of(top), Decimal::of(std::min(bottom, top - 1))};
            break;
        }
        default: {
            const int digits = mode == kFourDigit ? 4 : mode == kThreeDigit ? 3 : 2;
            for (int i = 0; i < 2; ++i) q.numbers.push_back(Decimal::of(between(rnd, power10(digits - 1), power10(digits) - 1)));
            break;
        }
    }
    return q;
}
}  // namespace

Question drawQuestion(int mode, platform::RandomSource& rnd, bool many) {
    if (mode < 0 || mode >= kModes) mode = kTwoDigit;
    Question q;
    for (int i = 0; i < kMostTries; ++i) {
        q = drawOnce(mode, rnd);
        if (mode == kThreeNumbers && std::none_of(q.numbers.begin(), q.numbers.end(), [](Decimal n) { return n.units() >= 100; })) continue;
        const int n = regroupings(q);
        if (many ? n >= 2 : n == 1) return q;
    }
    return q;
}

Question Questions::next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    const Question q = shell::drawFresh(current, [&] { return drawQuestion(mode, rnd, m_many); });
    m_many = !m_many;
    return q;
}

}  // namespace columns
