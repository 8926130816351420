#include "activities/money/rules.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"

using namespace money;

namespace {
// Draws in [0, 1) from the very bottom to the very top, in steps.
std::vector<float> sweep(int steps) {
    std::vector<float> draws;
    for (int i = 0; i < steps; ++i) draws.push_back(float(i) / float(steps));
    draws.push_back(0.99999994f);
    return draws;
}

Question questionOf(int mode, float r) {
    platform::ScriptedRandom rnd;
    for (int i = 0; i < 2 * kMostItems + 1; ++i) rnd.push(r);
    return drawQuestion(mode, rnd);
}

Question withPrices(int mode, std::initializer_list<long long> prices, long long note = 0) {
    Question q{mode, static_cast<int>(prices.size()), {}, note};
    int i = 0;
    for (const long long p : prices) q.items[static_cast<std::size_t>(i)] = {i, p}, ++i;
    return q;
}

std::vector<long long> piecesOf(const Working& w) {
    std::vector<long long> pieces;
    for (const Count& c : w.counts) pieces.push_back(c.piece);
    return pieces;
}
}  // namespace

TEST(MoneyRules, ChangeFromANoteIsNeverBelowNothing) {
    for (const float kind : sweep(8))
        for (const float price : sweep(40))
            for (const float note : sweep(3)) {
                platform::ScriptedRandom rnd{kind, price, note};
                const Question q = drawQuestion(kChange, rnd);
                EXPECT_GT(answer(q), 0) << "price " << total(q) << " note " << q.note;
                EXPECT_TRUE(q.note == 500 || q.note == 1000 || q.note == 2000) << q.note;
            }
}

TEST(MoneyRules, ThingsOnTheCounterAreDifferent) {
    for (const int mode : {kTotalTwo, kTotalThree, kChange, kFewest}) {
        for (const float r : sweep(20)) {
            const Question q = questionOf(mode, r);
            std::set<int> kinds;
            for (int i = 0; i < q.count; ++i) {
                const Item& item = q.items[static_cast<std::size_t>(i)];
                kinds.insert(item.kind);
                // Totals are added in the head, so they come in fives.
                if (mode == kTotalTwo || mode == kTotalThree) EXPECT_EQ(item.price % 5, 0) << item.price;
            }
            EXPECT_EQ(static_cast<int>(kinds.size()), q.count) << "mode " << mode << " draw " << r;
            EXPECT_EQ(q.count, mode == kTotalTwo ? 2 : mode == kTotalThree ? 3 : 1);
        }
    }
}

TEST(MoneyRules, FewestCoinsAreJudgedByTheirTotalAndCount) {
    struct Case {
        std::vector<long long> coins;
        long long amount;
        bool right;
    };
    const Case cases[] = {
        {{50, 20, 10, 5}, 85, true},
        {{5, 10, 50, 20}, 85, true},           // in any order
        {{20, 20, 20, 20, 5}, 85, false},      // the total, but more coins than needed
        {{50, 20, 10}, 85, false},             // too few to make it
        {{50, 20, 10, 10}, 85, false},         // as many coins, the wrong total
        {{}, 85, false},
        {{200, 200, 50, 20, 20, 5, 2, 2}, 499, true},  // the most coins any amount needs
        {{200, 200, 200, 100}, 700, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(isFewestCoins(c.coins, c.amount), c.right);
    }
}

TEST(MoneyRules, WorkingCountsUpCoinByCoin) {
    struct Case {
        Question q;
        long long start;
        std::vector<long long> pieces;
        std::vector<long long> totals;
    };
    const Case cases[] = {
        // To the next ten, the next pound, the next five, then the note.
        {withPrices(kChange, {347}, 1000), 347, {1, 2, 50, 100, 500}, {348, 350, 400, 500, 1000}},
        {withPrices(kChange, {420}, 500), 420, {10, 20, 50}, {430, 450, 500}},
        {withPrices(kTotalTwo, {135, 80}), 135, {50, 20, 10}, {185, 205, 215}},
        {withPrices(kFewest, {85}), 0, {50, 20, 10, 5}, {50, 70, 80, 85}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.q.mode);
        const Working w = workingOf(c.q);
        EXPECT_EQ(w.start, c.start);
        EXPECT_EQ(piecesOf(w), c.pieces);
        std::vector<long long> totals;
        for (const Count& k : w.counts) totals.push_back(k.runningTotal);
        EXPECT_EQ(totals, c.totals);
    }
}

TEST(MoneyRules, EveryWorkingEndsOnTheAnswer) {
    for (const int mode : {kTotalTwo, kTotalThree, kChange, kFewest}) {
        for (const float r : sweep(50)) {
            const Question q = questionOf(mode, r);
            const Working w = workingOf(q);
            ASSERT_FALSE(w.counts.empty());
            const long long end = w.counts.back().runningTotal;
            EXPECT_EQ(end, mode == kChange ? q.note : total(q)) << "mode " << mode << " draw " << r;
            if (mode == kChange) EXPECT_EQ(end - w.start, answer(q));
        }
    }
}

TEST(MoneyRules, APieceJoinsTheTrayWhenItsMiddleIsInside) {
    const Box tray{1000, 2000, 3000, 1000};
    struct Case {
        float left, top;
        bool in;
    };
    // A piece 1000 across, so its middle is 500 in from its corner.
    const Case cases[] = {
        {500, 2000, false}, {501, 2000, true},    // the left edge
        {3500, 2000, false}, {3499, 2000, true},  // the right edge
        {2000, 1500, false}, {2000, 1501, true},  // the top edge
        {2000, 2500, false}, {2000, 2499, true},  // the bottom edge
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.left << ", " << c.top);
        EXPECT_EQ(dropsIn({c.left, c.top, 1000, 1000}, tray), c.in);
    }
}

TEST(MoneyRules, TrayPiecesFillRowsAndNeverLeaveTheTray) {
    const Box tray{5000, 3600, 4400, 1900};
    const float gap = 40;
    for (int n = 1; n <= 15; ++n) {
        std::vector<Box> pieces;
        for (int i = 0; i < n; ++i) pieces.push_back({0, 0, i % 3 == 2 ? 1290.0f : 900.0f, i % 3 == 2 ? 690.0f : 900.0f});
        const auto places = trayPlaces(pieces, tray, gap);
        ASSERT_EQ(places.size(), pieces.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << n << " pieces, piece " << i);
            EXPECT_GE(places[i].left, tray.left);
            EXPECT_LE(places[i].left + places[i].width, tray.left + tray.width + 0.01f);
            EXPECT_GE(places[i].top, tray.top);
            EXPECT_LE(places[i].top + places[i].height, tray.top + tray.height);
        }
    }
    // Four fit one row, side by side; a fifth starts the second row.
    const std::vector<Box> five(5, Box{0, 0, 1000, 900});
    const auto places = trayPlaces(five, tray, gap);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(places[static_cast<std::size_t>(i)].left, tray.left + i * (1000 + gap));
        EXPECT_EQ(places[static_cast<std::size_t>(i)].top, tray.top);
    }
    EXPECT_EQ(places[4].left, tray.left);
    EXPECT_EQ(places[4].top, tray.top + 900 + gap);
}
