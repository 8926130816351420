#include <gtest/gtest.h>

#include <map>

#include "activities/division/layout.h"
#include "activities/division/rules.h"
#include "platform/random.h"

using namespace division;
using platform::Decimal;
using platform::Sheet;

namespace {
class Lcg : public platform::RandomSource {
public:
    explicit Lcg(unsigned seed) : m_state(seed) {}
    float next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return float(m_state >> 40) / float(1 << 24);
    }
    void reseed() override {}

private:
    unsigned long long m_state;
};

// The sheet's figures of one size, row by row, once the whole solution is out: each in its column,
// a word running on from its own.
std::vector<QString> picture(const Layout& l, Sheet::Size size = Sheet::Size::Big) {
    std::vector<std::map<int, QString>> rows(static_cast<std::size_t>(l.sheet.rows));
    for (const Sheet::Ink& i : l.sheet.inks)
        if (i.size == size && i.row >= 0 && int(i.row) < l.sheet.rows) rows[static_cast<std::size_t>(i.row)][int(i.column)] += i.text;
    std::vector<QString> out;
    for (const auto& row : rows) {
        QString line;
        for (const auto& [column, text] : row) {
            while (line.size() < column) line += ' ';
            line += text;
        }
        out.push_back(line);
    }
    return out;
}
}  // namespace

TEST(DivisionRules, EveryModesRemaindersStaySmallerThanTheDivisor) {
    for (int mode = 0; mode < kModes; ++mode) {
        Lcg rnd(11 + mode);
        Questions questions;
        std::optional<Question> current;
        for (int i = 0; i < 300; ++i) {
            const Question q = questions.next(mode, rnd, current);
            ASSERT_FALSE(current && q == *current);
            current = q;
            for (const Digit& d : shortWorking(q)) ASSERT_LT(d.remainder, q.divisor) << q.dividend << " / " << q.divisor;
            ASSERT_GE(remainder(q), 0);
            ASSERT_LE(longWorking(q).size(), 3u);
            const Decimal a = answer(q);
            switch (mode) {
                case kNoRemainder: ASSERT_EQ(remainder(q), 0); break;
                case kRemainder: ASSERT_GT(remainder(q), 0); break;
                case kTwoDigitDivisor: ASSERT_GE(q.divisor, 10); break;
                case kDecimal:
                    // The division ends by the second place: the quotient times the divisor is the dividend.
                    ASSERT_EQ(remainder(q), 0);
                    ASSERT_FALSE(a.isWhole());
                    ASSERT_LE(a.places(), kMostPlaces);
                    ASSERT_EQ(a * q.divisor, Decimal::of(q.dividend)) << q.dividend << " / " << q.divisor;
                    break;
            }
            if (mode != kDecimal) {
                ASSERT_EQ(a.units() * q.divisor + remainder(q), q.dividend);
            }
        }
    }
}

TEST(DivisionRules, TypedAnswersWithTheirRemainders) {
    struct Case {
        const char* text;
        const char* box;
        bool read;
        long long units;
        int places;
        long long remainder;
    } cases[] = {
        {"36 r 2", "", true, 36, 0, 2}, {"36r2", "", true, 36, 0, 2}, {"36 R 2", "", true, 36, 0, 2},
        {"36", "", true, 36, 0, 0},     {"36", "2", true, 36, 0, 2},  {"1,75", "", true, 175, 2, 0},
        {"36 r", "", false, 0, 0, 0},   {"r 2", "", false, 0, 0, 0},  {"36 r 2.5", "", false, 0, 0, 0},
        {"36 r 2", "2", false, 0, 0, 0}, {"-36", "", false, 0, 0, 0}, {"3r2r1", "", false, 0, 0, 0},
        {"", "", false, 0, 0, 0},       {"36", "x", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto typed = readAnswer(c.text, c.box);
        ASSERT_EQ(typed.has_value(), c.read) << c.text << " | " << c.box;
        if (!typed) continue;
        EXPECT_EQ(typed->quotient, Decimal::of(c.units, c.places)) << c.text;
        EXPECT_EQ(typed->remainder, c.remainder) << c.text;
    }
    const Question q{kRemainder, 147, 4};
    EXPECT_TRUE(isRight(q, readAnswer("36 r 3")));
    EXPECT_FALSE(isRight(q, readAnswer("36")));
    EXPECT_FALSE(isRight(q, readAnswer("36.75")));
    EXPECT_TRUE(isRight({kDecimal, 7, 4}, readAnswer("1.750")));
}

TEST(DivisionLayouts, EachLanguageWritesTheDivisionAsItsSchoolsDo) {
    const std::map<int, Style> styles{{0, Style::BusStop}, {1, Style::Corner}, {2, Style::German}, {3, Style::Corner},
                                      {4, Style::Corner},  {5, Style::Dutch},  {6, Style::BusStop}, {-1, Style::BusStop}};
    for (const auto& [language, style] : styles) EXPECT_EQ(styleForLanguage(language), style) << language;

    const QString minus = QStringLiteral("\u2212");
    struct Case {
        Style style;
        Question q;
        QChar point;
        const char* mark;
        std::vector<QString> rows;
    } cases[] = {
        {Style::BusStop, {kTwoDigitDivisor, 157, 12}, '.', "r", {"    1 3 r1", "121 5 7"}},
        {Style::Corner, {kTwoDigitDivisor, 157, 12}, ',', "r", {"157 12", " 37 13", "  1"}},
        {Style::German, {kTwoDigitDivisor, 157, 12}, ',', "R", {" 157:12=13 R1", minus + "12", "  37", " " + minus + "36", "   1"}},
        {Style::Dutch, {kTwoDigitDivisor, 157, 12}, ',', "rest", {"12 157 13 rest1", "   12" + minus, "    37", "    36" + minus, "     1"}},
        // Past the point: the points line up in the bus stop, zeros come down in the long forms.
        {Style::BusStop, {kDecimal, 7, 4}, '.', "r", {" 1. 7 5", "47. 0 0"}},
        {Style::German, {kDecimal, 7, 4}, ',', "R", {" 7:4=1,75", minus + "4", " 30", minus + "28", "  20", " " + minus + "20", "   0"}},
        {Style::Corner, {kDecimal, 7, 4}, ',', "r", {"7   4", "30  1,75", " 20", "  0"}},
    };
    for (const Case& c : cases) {
        const Layout l = layout(c.style, c.q, c.point, c.mark);
        EXPECT_EQ(picture(l), c.rows) << int(c.style) << " " << c.q.dividend;
        EXPECT_EQ(l.steps, l.sheet.lastStep());
    }
    // The bus stop's carried remainders sit small before the digit they join.
    EXPECT_EQ(picture(layout(Style::BusStop, {kTwoDigitDivisor, 157, 12}, '.', "r"), Sheet::Size::Small),
              (std::vector<QString>{"", "   1 3"}));
    // The Dutch strokes lean apart: "/" before the dividend, "\" after it.
    const Layout dutch = layout(Style::Dutch, {kTwoDigitDivisor, 157, 12}, ',', "rest");
    ASSERT_GE(dutch.sheet.rules.size(), 2u);
    EXPECT_GT(dutch.sheet.rules[0].row1, dutch.sheet.rules[0].row2);
    EXPECT_LT(dutch.sheet.rules[1].row1, dutch.sheet.rules[1].row2);
}
