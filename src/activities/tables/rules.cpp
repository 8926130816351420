#include "activities/tables/rules.h"

#include <algorithm>

#include "platform/random.h"

namespace tables {
namespace {
int below(platform::RandomSource& rnd, int n) {
    return std::min(n - 1, static_cast<int>(static_cast<double>(rnd.next()) * n));
}
constexpr float kRowsShare = 1.0f / 3;  // one multiplication in three asks for the missing number
}  // namespace

int answer(const Question& q) { return q.ask == Ask::Product ? q.fact.product() : q.fact.rows; }

std::vector<Fact> factsOf(int mode, int table) {
    std::vector<Fact> facts;
    if (mode == kOneTable) {
        const int n = std::clamp(table, kSmallestTable, kLargestTable);
        for (int rows = 1; rows <= kLargestRows; ++rows) facts.push_back({rows, n});
        return facts;
    }
    // Mixed tables and division leave out × 1, which tests nothing.
    const int largest = mode == kToTen ? 10 : kLargestTable;
    for (int columns = kSmallestTable; columns <= largest; ++columns)
        for (int rows = 2; rows <= kLargestRows; ++rows) facts.push_back({rows, columns});
    return facts;
}

Question Round::next(int mode, int table, platform::RandomSource& rnd, const std::optional<Question>& current) {
    mode = std::clamp(mode, 0, kModes - 1);
    if (mode != m_mode || (mode == kOneTable && table != m_table)) m_deck.clear();
    m_mode = mode;
    m_table = table;
    if (m_deck.empty()) {
        m_deck = factsOf(mode, table);
        for (int i = static_cast<int>(m_deck.size()) - 1; i > 0; --i) std::swap(m_deck[i], m_deck[below(rnd, i + 1)]);
        // The fact on the board does not open the new round.
        if (current && m_deck.size() > 1 && m_deck.back() == current->fact) std::swap(m_deck.back(), m_deck.front());
    }
    Question q{mode, m_deck.back(), Ask::Product};
    m_deck.pop_back();
    if (mode == kDivision)
        q.ask = Ask::Quotient;
    else if (rnd.next() < kRowsShare)
        q.ask = Ask::Rows;
    return q;
}

void QuickFire::start(int seconds) {
    m_total = std::max(1, seconds * 1000 / std::max(1, m_periodMs));
    m_left = m_total;
    m_paused = false;
}

void QuickFire::stop() {
    m_total = 0;
    m_left = 0;
    m_paused = false;
}

void QuickFire::pause() {
    if (on()) m_paused = true;
}

void QuickFire::resume() { m_paused = false; }

bool QuickFire::tick() {
    if (!running()) return false;
    if (--m_left > 0) return false;
    m_left = m_total;
    return true;
}

}  // namespace tables
