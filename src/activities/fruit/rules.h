#pragma once
// The fruit machine's rules apart from the screen: the fruits and their values, the sum the
// two signs make, where the right reel stops, and the worked sum the solution shows.
#include <QString>
#include <array>

namespace fruit {

struct FruitInfo {
    const char* name;
    const char* spinning;  // picture while the reel turns
    const char* stopped;   // picture once it rests
};

// Index i is worth i + 1.
inline constexpr std::array<FruitInfo, 10> kFruits{{
    {"plum", "fruit\\plumblur.jpg", "fruit\\plum.jpg"},
    {"lime", "fruit\\limeblur.jpg", "fruit\\lime.jpg"},
    {"banana", "fruit\\bananablur.jpg", "fruit\\banana.jpg"},
    {"orange", "fruit\\orangeblur.jpg", "fruit\\orange.jpg"},
    {"melon", "fruit\\melonblur.jpg", "fruit\\melon.jpg"},
    {"lemon", "fruit\\lemonblur.jpg", "fruit\\lemon.jpg"},
    {"strawberry", "fruit\\strawberryblur.jpg", "fruit\\strawberry.jpg"},
    {"cherries", "fruit\\cherriesblur.jpg", "fruit\\cherries.jpg"},
    {"bell", "fruit\\bellblur.jpg", "fruit\\bell.jpg"},
    {"bar", "fruit\\barblur.jpg", "fruit\\bar.jpg"},
}};

inline int fruitValue(int index) { return index + 1; }

// The two signs between the reels for each sum form: 0 product, 1 addition, 2 add then subtract.
struct SumSigns {
    const char* first;
    const char* second;
};
inline constexpr std::array<SumSigns, 3> kSumSigns{{{"x", "x"}, {"+", "+"}, {"+", "-"}}};
inline constexpr int kAddThenSubtract = 2;

// Ticks of a spin: the left reel rests on the 60th, the middle on the 90th, the right on the 120th.
inline constexpr int kLeftStops = 60;
inline constexpr int kMiddleStops = 90;
inline constexpr int kSpinEnds = 120;

int drawSumForm(float r);  // 0..2
int drawReel(float r);     // 0..9

// Whether reel i still turns on this tick of the spin.
bool reelTurns(int reel, int spincount);
// The ticks on which a reel comes to rest.
bool isStopTick(int spincount);

// Where the right reel rests: for add-then-subtract it never exceeds the other two, so the
// score stays positive; with two plums beside it, it rests on the plum.
int stoppedRightReel(int sumform, int left, int middle, int right);

int fruitScore(int sumform, int a, int b, int c);
// A number with one blank before it, or "-" for a negative.
QString N(int value);
// The worked sum of three fruit values, e.g. " 1 x 5 x 10 = 50".
QString workedSum(int sumform, int a, int b, int c);

}  // namespace fruit
