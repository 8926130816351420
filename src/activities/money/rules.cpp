#include "activities/money/rules.h"

#include <algorithm>
#include <numeric>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace money {
namespace {
// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

// What each thing costs, in pence or cents: a shop's prices, not a textbook's.
constexpr PriceRange kPrices[kShopItems] = {
    {15, 60},    // pencil
    {20, 55},    // apple
    {250, 495},  // book
    {100, 350},  // ball
    {45, 125},   // drink
    {150, 325},  // sandwich
    {40, 120},   // cupcake
    {120, 299},  // toy car
};
constexpr long long kNotes[] = {500, 1000, 2000};
// So that every note pays for any one thing.
static_assert(std::ranges::all_of(kPrices, [](const PriceRange& r) { return r.high < kNotes[0]; }));

// Totals are added in the head: prices in fives. Change and coins use any price.
long long drawPrice(int kind, bool inFives, platform::RandomSource& rnd) {
    const PriceRange& r = kPrices[kind];
    if (!inFives) return between(rnd, r.low, r.high);
    return (r.low + 4) / 5 * 5 + 5 * between(rnd, 0, (r.high - (r.low + 4) / 5 * 5) / 5);
}

long long roundUp(long long amount, long long unit) { return (amount + unit - 1) / unit * unit; }
}  // namespace

PriceRange priceRange(int kind) { return kPrices[std::clamp(kind, 0, kShopItems - 1)]; }

long long total(const Question& q) {
    long long sum = 0;
    for (int i = 0; i < q.count; ++i) sum += q.items[static_cast<std::size_t>(i)].price;
    return sum;
}

long long answer(const Question& q) { return q.mode == kChange ? q.note - total(q) : total(q); }

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kTotalTwo;
    q.count = q.mode == kTotalTwo ? 2 : q.mode == kTotalThree ? 3 : 1;
    // Different things on the counter: each is drawn from those not out yet.
    std::array<int, kShopItems> left{};
    std::iota(left.begin(), left.end(), 0);
    int remaining = kShopItems;
    for (int i = 0; i < q.count; ++i) {
        const auto pick = static_cast<std::size_t>(between(rnd, 0, remaining - 1));
        const int kind = left[pick];
        left[pick] = left[static_cast<std::size_t>(--remaining)];
        const bool inFives = q.mode == kTotalTwo || q.mode == kTotalThree;
        q.items[static_cast<std::size_t>(i)] = {kind, drawPrice(kind, inFives, rnd)};
    }
    if (q.mode == kChange) {
        // Any note worth more than the price.
        const long long price = total(q);
        const auto first = std::find_if(std::begin(kNotes), std::end(kNotes), [price](long long n) { return n > price; });
        const auto choices = std::end(kNotes) - first;
        q.note = first[between(rnd, 0, choices - 1)];
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

std::vector<long long> fewestPieces(long long amount, bool notes) {
    std::vector<long long> pieces;
    const int top = notes ? static_cast<int>(kPieces.size()) : kCoins;
    // Taking the largest piece that fits is the fewest for these coins and notes.
    for (int i = top - 1; i >= 0 && amount > 0; --i) {
        const long long piece = kPieces[static_cast<std::size_t>(i)];
        for (; amount >= piece; amount -= piece) pieces.push_back(piece);
    }
    return pieces;
}

bool isFewestCoins(std::span<const long long> coins, long long amount) {
    const long long sum = std::accumulate(coins.begin(), coins.end(), 0LL);
    return sum == amount && coins.size() == fewestPieces(amount).size();
}

Working workingOf(const Question& q) {
    Working w;
    const auto put = [&w](long long piece) {
        const long long before = w.counts.empty() ? w.start : w.counts.back().runningTotal;
        w.counts.push_back({piece, before + piece});
    };
    switch (q.mode) {
        case kChange: {
            // The shopkeeper's way: up to the next ten, the next pound, the next five, the note.
            w.start = total(q);
            long long reached = w.start;
            for (const long long unit : {10LL, 100LL, 500LL, 1000LL, 2000LL}) {
                const long long target = std::min(q.note, roundUp(reached, unit));
                if (target <= reached) continue;
                auto pieces = fewestPieces(target - reached, true);
                std::reverse(pieces.begin(), pieces.end());  // smallest first, so each total is rounder
                for (const long long piece : pieces) put(piece);
                reached = target;
            }
            break;
        }
        case kFewest:
            for (const long long coin : fewestPieces(total(q))) put(coin);
            break;
        default:
            w.start = q.items[0].price;
            for (int i = 1; i < q.count; ++i)
                for (const long long piece : fewestPieces(q.items[static_cast<std::size_t>(i)].price)) put(piece);
            break;
    }
    return w;
}

bool dropsIn(const Box& piece, const Box& tray) {
    const float x = piece.left + piece.width / 2, y = piece.top + piece.height / 2;
    return tray.left < x && x < tray.left + tray.width && tray.top < y && y < tray.top + tray.height;
}

std::vector<Box> trayPlaces(std::span<const Box> pieces, const Box& tray, float gap) {
    // First which row each piece goes in, then each row laid out on its own.
    std::vector<int> rowOf(pieces.size());
    std::vector<float> rowHeights{0};
    float x = 0, top = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Box& p = pieces[i];
        const bool full = x > 0 && x + p.width > tray.width;
        const bool roomBelow = top + rowHeights.back() + gap + p.height <= tray.height;
        if (full && roomBelow) {
            top += rowHeights.back() + gap;
            rowHeights.push_back(0);
            x = 0;
        }
        rowOf[i] = static_cast<int>(rowHeights.size()) - 1;
        rowHeights.back() = std::max(rowHeights.back(), p.height);
        x += p.width + gap;
    }
    std::vector<Box> places(pieces.size());
    float rowTop = tray.top;
    for (int row = 0; row < static_cast<int>(rowHeights.size()); ++row) {
        float widths = 0;
        int n = 0;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (rowOf[i] == row) widths += pieces[i].width, ++n;
        // A row too long for the tray closes up, the pieces overlapping evenly.
        const float space = n > 1 && widths + (n - 1) * gap > tray.width ? (tray.width - widths) / (n - 1) : gap;
        float left = tray.left;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (rowOf[i] != row) continue;
            places[i] = {left, rowTop + (rowHeights[static_cast<std::size_t>(row)] - pieces[i].height) / 2,
                         pieces[i].width, pieces[i].height};
            left += pieces[i].width + space;
        }
        rowTop += rowHeights[static_cast<std::size_t>(row)] + gap;
    }
    return places;
}

}  // namespace money
