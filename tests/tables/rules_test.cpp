#include <gtest/gtest.h>

#include <set>

#include "activities/tables/rules.h"
#include "draws.h"

using namespace tables;

namespace {
std::set<std::pair<int, int>> asSet(const std::vector<Fact>& facts) {
    std::set<std::pair<int, int>> out;
    for (const Fact& f : facts) out.insert({f.rows, f.columns});
    return out;
}
}  // namespace

// A round asks every fact of the mode once; the next round never opens with the fact just asked.
TEST(TablesRules, EveryFactOfARoundComesUpBeforeAnyRepeats) {
    struct Case {
        int mode, table;
        std::size_t facts;
    };
    for (const Case& c : {Case{kOneTable, 2, 12}, Case{kOneTable, 12, 12}, Case{kToTen, 0, 99}, Case{kDivision, 0, 121}}) {
        Draws rnd;
        Round round;
        std::optional<Question> current;
        for (int r = 0; r < 4; ++r) {
            std::vector<Fact> asked;
            for (std::size_t i = 0; i < c.facts; ++i) {
                const Question q = round.next(c.mode, c.table, rnd, current);
                ASSERT_TRUE(!current || q.fact != current->fact) << "twice in a row at " << i;
                EXPECT_EQ(q.ask == Ask::Quotient, c.mode == kDivision);
                asked.push_back(q.fact);
                current = q;
            }
            EXPECT_EQ(asSet(asked), asSet(factsOf(c.mode, c.table))) << c.mode << " round " << r;
            EXPECT_EQ(asked.size(), c.facts);
        }
    }
}

// "? × 8 = 56" has exactly one answer: no table is 0, so no product is met by two numbers of rows.
TEST(TablesRules, MissingNumberAndQuotientHaveExactlyOneAnswer) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (int table = kSmallestTable; table <= kLargestTable; ++table) {
            for (const Fact& f : factsOf(mode, table)) {
                int answers = 0;
                for (int rows = 0; rows <= 1000; ++rows) answers += rows * f.columns == f.product();
                EXPECT_EQ(answers, 1) << f.rows << " x " << f.columns;
                EXPECT_EQ(answer({mode, f, Ask::Rows}), f.rows);
            }
        }
    }
}

TEST(TablesRules, QuickFireIsDueWhenItsTimeRunsOutAndHoldsWhilePaused) {
    QuickFire quick(16);
    EXPECT_FALSE(quick.tick()) << "off";
    quick.start(3);
    for (int i = 1; i < 3000 / 16; ++i) ASSERT_FALSE(quick.tick()) << i;
    EXPECT_TRUE(quick.tick());
    EXPECT_DOUBLE_EQ(quick.left(), 1.0) << "full again for the next question";
    quick.pause();
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(quick.tick());
    EXPECT_DOUBLE_EQ(quick.left(), 1.0) << "a pause holds the time";
}
