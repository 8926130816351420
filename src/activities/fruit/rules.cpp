#include "activities/fruit/rules.h"

#include <algorithm>

#include "platform/random.h"

namespace fruit {

int drawSumForm(float r) { return platform::IntWithin(r * 3.0f, 0, int(kSumSigns.size()) - 1); }
int drawReel(float r) { return platform::IntWithin(r * 10.0f, 0, int(kFruits.size()) - 1); }

bool reelTurns(int reel, int spincount) {
    if (reel == 0) return spincount <= kLeftStops;
    if (reel == 1) return spincount <= kMiddleStops;
    return true;
}

bool isStopTick(int spincount) {
    return spincount == kLeftStops || spincount == kMiddleStops || spincount == kSpinEnds;
}

int stoppedRightReel(int sumform, int left, int middle, int right) {
    if (sumform != kAddThenSubtract || right <= left + middle) return right;
    // Two plums leave no smaller fruit to fall back to, so the plum it is: 1 + 1 - 1.
    return std::max(left + middle - 1, 0);
}

int fruitScore(int sumform, int a, int b, int c) {
    switch (sumform) {
        case 0: return a * b * c;
        case 1: return a + b + c;
        default: return a + b - c;
    }
}

QString N(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString workedSum(int sumform, int a, int b, int c) {
    const SumSigns& signs = kSumSigns[std::size_t(std::clamp(sumform, 0, int(kSumSigns.size()) - 1))];
    return N(a) + QLatin1Char(' ') + QLatin1String(signs.first) + N(b) + QLatin1Char(' ') +
           QLatin1String(signs.second) + N(c) + QStringLiteral(" =") + N(fruitScore(sumform, a, b, c));
}

}  // namespace fruit
