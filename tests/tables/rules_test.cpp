#include <gtest/gtest.h>

#include <set>

#include "activities/tables/rules.h"
#include "platform/random.h"

using namespace tables;

namespace {
// Draws that look random but are the same on every run.
class Sequence final : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return float(m_state >> 40) / float(1 << 24);
    }
    void reseed() override {}

private:
    unsigned long long m_state = 12345;
};

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
    for (const Case& c : {Case{kOneTable, 2, 12}, Case{kOneTable, 12, 12}, Case{kToTen, 0, 99}, Case{kToTwelve, 0, 121},
                          Case{kDivision, 0, 121}}) {
        Sequence rnd;
        Round round;
        std::optional<Question> current;
        for (int r = 0; r < 4; ++r) {
            std::vector<Fact> asked;
            for (std::size_t i = 0; i < c.facts; ++i) {
                const Question q = round.next(c.mode, c.table, rnd, current);
                if (current) {
                    ASSERT_NE(q.fact, current->fact) << "twice in a row at " << i;
                }
                asked.push_back(q.fact);
                current = q;
            }
            EXPECT_EQ(asSet(asked).size(), c.facts) << c.mode << " round " << r;
            EXPECT_EQ(asSet(asked), asSet(factsOf(c.mode, c.table)));
        }
    }
}

TEST(TablesRules, ChangingTheTableStartsANewRoundOfThatTable) {
    Sequence rnd;
    Round round;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(round.next(kOneTable, 7, rnd, {}).fact.columns, 7);
    std::vector<Fact> asked;
    for (int i = 0; i < 12; ++i) asked.push_back(round.next(kOneTable, 3, rnd, {}).fact);
    EXPECT_EQ(asSet(asked), asSet(factsOf(kOneTable, 3)));
    EXPECT_EQ(round.left(), 0);
}

// "? × 8 = 56" has exactly one answer: no table is 0, so no fact can be met by two numbers of rows.
TEST(TablesRules, MissingNumberAndQuotientHaveExactlyOneAnswer) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (int table = kSmallestTable; table <= kLargestTable; ++table) {
            for (const Fact& f : factsOf(mode, table)) {
                int answers = 0;
                for (int rows = 0; rows <= 1000; ++rows) answers += rows * f.columns == f.product();
                EXPECT_EQ(answers, 1) << f.rows << " x " << f.columns;
                EXPECT_EQ(answer({mode, f, Ask::Rows}), f.rows);
                EXPECT_EQ(answer({mode, f, Ask::Quotient}), f.rows);
                EXPECT_LE(f.rows, kLargestRows);
            }
        }
    }
}

TEST(TablesRules, DivisionModeAsksQuotientsAndTheOthersSometimesTheMissingNumber) {
    platform::ScriptedRandom rnd;
    for (int i = 0; i < 120; ++i) rnd.push(0.5f);  // the shuffle, and no draw for the kind of question
    EXPECT_EQ(Round().next(kDivision, 0, rnd, {}).ask, Ask::Quotient);
    struct Case {
        float draw;
        Ask ask;
    };
    for (const Case& c : {Case{0.0f, Ask::Rows}, Case{0.33f, Ask::Rows}, Case{0.34f, Ask::Product}, Case{0.99f, Ask::Product}}) {
        for (int i = 0; i < 11; ++i) rnd.push(0.5f);
        rnd.push(c.draw);
        EXPECT_EQ(Round().next(kOneTable, 6, rnd, {}).ask, c.ask) << c.draw;
    }
    EXPECT_EQ(rnd.remaining(), 0u);
}

TEST(TablesRules, QuickFireIsDueWhenItsTimeRunsOutAndHoldsWhilePaused) {
    QuickFire quick(16);
    EXPECT_FALSE(quick.tick()) << "off";
    quick.start(3);
    const int periods = 3000 / 16;
    for (int i = 1; i < periods; ++i) ASSERT_FALSE(quick.tick()) << i;
    EXPECT_DOUBLE_EQ(quick.left(), 1.0 / periods);
    EXPECT_TRUE(quick.tick());
    EXPECT_DOUBLE_EQ(quick.left(), 1.0) << "full again for the next question";

    for (int i = 0; i < 10; ++i) quick.tick();
    quick.pause();
    const double held = quick.left();
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(quick.tick());
    EXPECT_EQ(quick.left(), held);
    quick.resume();
    EXPECT_TRUE(quick.running());
    quick.stop();
    quick.pause();
    EXPECT_FALSE(quick.on());
    EXPECT_FALSE(quick.paused()) << "nothing to pause when off";
}
