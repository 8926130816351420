#include <gtest/gtest.h>

#include "activities/columns/rules.h"
#include "platform/random.h"

using namespace columns;
using platform::Decimal;
using platform::Sheet;

namespace {
// Repeatable draws for runs of many questions.
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

Question sum(int mode, std::vector<Decimal> numbers) { return {mode, std::move(numbers)}; }
Decimal d(long long units, int places = 0) { return Decimal::of(units, places); }

// What the sheet shows in a cell once the whole solution is out: texts of that size, in order,
// crossed-out ones in brackets.
QString at(const Layout& l, int row, int column, Sheet::Size size = Sheet::Size::Big) {
    QString text;
    for (const Sheet::Ink& i : l.sheet.inks)
        if (int(i.row) == row && int(i.column) == column && i.size == size)
            text += i.struckAt >= 0 ? "(" + i.text + ")" : i.text;
    return text;
}
}  // namespace

TEST(ColumnRules, HalfOfEveryRunRegroupsInTwoColumnsAndNoneInNone) {
    for (int mode = 0; mode < kModes; ++mode) {
        Lcg rnd(7 + mode);
        Questions questions;
        std::optional<Question> current;
        int many = 0;
        for (int i = 0; i < 100; ++i) {
            current = questions.next(mode, rnd, current);
            const int n = regroupings(*current);
            ASSERT_GE(n, 1) << "mode " << mode << " question " << i;
            many += n >= 2;
            // Subtraction never goes below zero; every answer is a whole number of the places shown.
            ASSERT_GE(answer(*current), Decimal::of(0));
        }
        EXPECT_EQ(many, 50) << "mode " << mode;
    }
}

TEST(ColumnRules, ACarryOutOfTheTopColumnIsANewDigitOfTheAnswer) {
    const Question q = sum(kTwoDigit, {d(97), d(51)});
    const Layout l = layout(q);
    // Sign, hundreds (empty until the carry), tens, ones.
    ASSERT_EQ(l.answerColumns, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(at(l, 0, 1), "");
    EXPECT_EQ(at(l, l.answerRow, 1), "1");
    EXPECT_EQ(at(l, l.answerRow, 2), "4");
    EXPECT_EQ(at(l, l.answerRow, 3), "8");
    const auto work = working(q);
    ASSERT_EQ(work.size(), 2u);
    EXPECT_EQ(work[1].total, 14);
    EXPECT_EQ(work[1].carryOut, 1);
    EXPECT_TRUE(answerWritten(q, {"1", "4", "8"}));
    EXPECT_FALSE(answerWritten(q, {"", "4", "8"}));
    // Dutch classes write the sign after the last number, the lines stopping short of it.
    const Layout dutch = layout(q, '.', true);
    EXPECT_EQ(at(dutch, 1, dutch.answerColumns.back() + 1), "+");
    EXPECT_EQ(dutch.answerColumns, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(dutch.sheet.rules[0].column2, float(dutch.answerColumns.back() + 1));

    // A carry between columns waits small under the next column and slides there from the answer.
    const Layout carried = layout(sum(kThreeNumbers, {d(199), d(299), d(399)}));
    const int carryRow = carried.answerRow + 1;
    EXPECT_EQ(at(carried, carryRow, carried.columnOf(1), Sheet::Size::Small), "2");
    EXPECT_EQ(at(carried, carryRow, carried.columnOf(2), Sheet::Size::Small), "2");
    EXPECT_EQ(at(carried, carried.answerRow, carried.columnOf(2)), "8");  // 1 + 2 + 3 + 2
}

TEST(ColumnRules, DecimalsLineUpOnThePoint) {
    const Question q = sum(kDecimals, {d(4908, 2), d(787, 1)});
    EXPECT_EQ(q.places(), 2);
    const Layout l = layout(q, QLatin1Char(','));
    ASSERT_GE(l.pointColumn, 0);
    for (int row : {0, 1, l.answerRow}) EXPECT_EQ(at(l, row, l.pointColumn), ",") << row;
    // 49,08 over 78,7: tenths under tenths, ones under ones; the missing hundredth is a grey 0.
    EXPECT_EQ(at(l, 0, l.columnOf(1)), "0");
    EXPECT_EQ(at(l, 1, l.columnOf(1)), "7");
    EXPECT_EQ(at(l, 0, l.columnOf(2)), "9");
    EXPECT_EQ(at(l, 1, l.columnOf(2)), "8");
    EXPECT_EQ(l.columnOf(1), l.pointColumn + 1);
    EXPECT_EQ(l.columnOf(2), l.pointColumn - 1);
    const auto grey = std::find_if(l.sheet.inks.begin(), l.sheet.inks.end(), [](const Sheet::Ink& i) { return i.role == kPlaceholderInk; });
    ASSERT_NE(grey, l.sheet.inks.end());
    EXPECT_EQ(int(grey->row), 1);
    EXPECT_EQ(int(grey->column), l.columnOf(0));
    EXPECT_EQ(grey->step, 1);
    EXPECT_EQ(answer(q), d(12778, 2));
    EXPECT_TRUE(answerWritten(q, {"1", "2", "7", "7", "8"}));
    EXPECT_FALSE(answerWritten(q, {"", "1", "2", "7", "7"}));  // lined up on the right, not the point
}

TEST(ColumnRules, AnExchangeCrossesOutTheDigitAndWritesTheNewOneAbove) {
    struct Column {
        const char* above;   // small figures above the top digit, read left to right
        const char* digit;   // the top digit, in brackets once crossed out
        const char* before;  // the small 1 it took, written before it
    };
    struct Case {
        long long top, bottom;
        Column hundreds, tens, ones;
        long long difference;
    } cases[] = {
        {472, 295, {"3", "(4)", ""}, {"16", "(7)", ""}, {"", "2", "1"}, 177},
        // Across a zero: the hundreds give one, the ten tens give one on, the zero becomes 9.
        {302, 178, {"2", "(3)", ""}, {"9", "(0)", "(1)"}, {"", "2", "1"}, 124},
        {358, 126, {"", "3", ""}, {"", "5", ""}, {"", "8", ""}, 232},
    };
    for (const Case& c : cases) {
        const Question q = sum(kSubtraction, {d(c.top), d(c.bottom)});
        const Layout l = layout(q);
        int place = 2;
        for (const Column& expected : {c.hundreds, c.tens, c.ones}) {
            const int column = l.columnOf(place);
            QString above;
            for (Sheet::Place side : {Sheet::Place::Left, Sheet::Place::Centre, Sheet::Place::Right})
                for (const Sheet::Ink& i : l.sheet.inks)
                    if (i.row == 0 && int(i.column) == column && i.place == side) above += i.text;
            EXPECT_EQ(above, QString(expected.above)) << c.top << " place " << place;
            EXPECT_EQ(at(l, 1, column), QString(expected.digit)) << c.top << " place " << place;
            EXPECT_EQ(at(l, 1, column, Sheet::Size::Small), QString(expected.before)) << c.top << " place " << place;
            --place;
        }
        EXPECT_EQ(answer(q), d(c.difference));
    }
    // The leading zero of 532 − 478 = 54 is not written, and a pupil may leave it out or write it.
    const Question q = sum(kSubtraction, {d(532), d(478)});
    const Layout l = layout(q);
    EXPECT_EQ(at(l, l.answerRow, l.columnOf(2)), "");
    for (auto cells : {std::vector<QString>{"", "5", "4"}, std::vector<QString>{"0", "5", "4"}}) EXPECT_TRUE(answerWritten(q, cells));
    for (auto cells : {std::vector<QString>{"5", "4", ""}, std::vector<QString>{"", "5", "3"}, std::vector<QString>{"", "", "4"}})
        EXPECT_FALSE(answerWritten(q, cells));
}
