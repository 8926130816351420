#pragma once
// The rules of the shop: prices of the things on the counter, the coins and notes of the purse, the
// questions of each mode, counting up coin by coin, and where coins dropped in the tray lie.
// Every amount is a whole number of pence or cents; pounds and euros have the same coins and notes.
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace platform {
class RandomSource;
}

namespace money {

enum Mode { kTotalTwo, kTotalThree, kChange, kFewest, kModes };

// The coins and notes of the purse, smallest first: 1p … £2, then £5, £10, £20 (cents and euros alike).
inline constexpr std::array<long long, 11> kPieces = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
inline constexpr int kCoins = 8;  // the first eight pieces are coins
inline constexpr int kShopItems = 8;
inline constexpr int kMostItems = 3;

struct Item {
    int kind = 0;          // which thing: pencil, apple, book, ball, drink, sandwich, cupcake, toy car
    long long price = 0;   // pence or cents
    friend bool operator==(const Item&, const Item&) = default;
};

struct Question {
    int mode = kTotalTwo;
    int count = 0;  // items on the counter
    std::array<Item, kMostItems> items{};
    long long note = 0;    // the note paid with, in the change mode
    friend bool operator==(const Question&, const Question&) = default;
};

// What a thing may cost: from low to high, in fives when the class adds prices in the head.
struct PriceRange {
    long long low, high;
};
PriceRange priceRange(int kind);

long long total(const Question& q);
// What the class works out: the total, the change, or the amount to make with coins.
long long answer(const Question& q);

// One question of the mode. Items on the counter are different things; in the change mode the note
// is always worth more than the price, so the change is never below nothing.
Question drawQuestion(int mode, platform::RandomSource& rnd);
// The same, never the question on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

// The fewest coins (and, with notes allowed, notes) that make an amount, largest first.
std::vector<long long> fewestPieces(long long amount, bool notes = false);

// A fewest-coins answer is right when the coins make the amount and there are no more of them
// than the fewest possible: any set that does both is right, in any order.
bool isFewestCoins(std::span<const long long> coins, long long amount);

// The working shown coin by coin: where the count starts, then each piece put down with the
// running total it reaches.
struct Count {
    long long piece = 0;
    long long runningTotal = 0;
};
struct Working {
    long long start = 0;
    std::vector<Count> counts;
};
// Totals count on from the first price, adding each further price largest piece first; change
// counts up from the price to the note, each piece reaching the next round amount; fewest coins
// counts up from nothing, largest coin first.
Working workingOf(const Question& q);

// A dropped piece joins the tray when its middle lies inside it (more than half of it is over it).
struct Box {
    float left = 0, top = 0, width = 0, height = 0;
};
bool dropsIn(const Box& piece, const Box& tray);

// Where pieces of the given sizes lie in the tray, in the order they were put down: rows filled
// left to right, each row as high as the tallest piece; a row that cannot hold the next piece
// starts a new one, and when the rows run out the last row closes up so that nothing leaves it.
std::vector<Box> trayPlaces(std::span<const Box> pieces, const Box& tray, float gap);

}  // namespace money
