#pragma once
// The rules of the times tables: the facts each mode asks about, a shuffled round that asks every
// fact once before any comes again, the three ways a fact is asked, and the quick-fire countdown.
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace tables {

enum Mode { kOneTable, kToTen, kToTwelve, kDivision, kModes };
inline constexpr int kSmallestTable = 2;
inline constexpr int kLargestTable = 12;
inline constexpr int kLargestRows = 12;

// "7 × 8" is 7 rows of 8: the table is the row's length, the number counted in.
struct Fact {
    int rows = 1;
    int columns = kSmallestTable;
    int product() const { return rows * columns; }
    friend bool operator==(const Fact&, const Fact&) = default;
};

// "7 × 8 = ?", "? × 8 = 56" or "56 ÷ 8 = ?".
enum class Ask { Product, Rows, Quotient };

struct Question {
    int mode = kOneTable;
    Fact fact;
    Ask ask = Ask::Product;
    friend bool operator==(const Question&, const Question&) = default;
};

// The product, or the number of rows (which is also the quotient).
int answer(const Question& q);

// Every fact a mode asks about; the one-table mode asks 1 × n to 12 × n.
std::vector<Fact> factsOf(int mode, int table);

// A shuffled round of a mode's facts: each comes once before any comes again, and a new round never
// starts with the fact just asked. Changing the mode or the table starts a new round.
class Round {
public:
    Question next(int mode, int table, platform::RandomSource& rnd, const std::optional<Question>& current);
    int left() const { return static_cast<int>(m_deck.size()); }

private:
    int m_mode = -1;
    int m_table = -1;
    std::vector<Fact> m_deck;  // the facts still to come, taken from the back
};

// Quick-fire: the next question comes by itself when the time runs out; a pause holds the time.
class QuickFire {
public:
    static constexpr int kChoices[] = {3, 5, 8};  // seconds

    explicit QuickFire(int periodMs) : m_periodMs(periodMs) {}
    // Starts with the full time (or starts again, with another time).
    void start(int seconds);
    void stop();
    void pause();
    void resume();
    bool on() const { return m_total > 0; }
    bool paused() const { return m_paused; }
    bool running() const { return on() && !m_paused; }
    // Starts the time again from full (a new question came another way).
    void restart() { m_left = m_total; }
    // One timer period has passed; true when the next question is due, and the time is full again.
    bool tick();
    // What is left of the time, from 1 down to 0.
    double left() const { return m_total > 0 ? double(m_left) / m_total : 0; }

private:
    int m_periodMs;
    int m_total = 0;  // periods in the whole time; 0 when off
    int m_left = 0;
    bool m_paused = false;
};

}  // namespace tables
