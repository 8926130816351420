#pragma once
// The dartboard's rules apart from the screen: where a throw lands, what it scores, and the
// question texts built from the total.
#include <QString>
#include <array>

namespace dartboard {

// Segment numbers clockwise from the top, 18 degrees apart.
inline constexpr std::array<int, 20> kSegmentOrder{20, 1, 18, 4, 13, 6, 10, 15, 2, 17,
                                                   3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
inline constexpr double kSegmentDegrees = 18;
// Ten decimals, as the board picture was measured with.
inline constexpr double kPi = 3.1415926535;

// Degrees clockwise from straight up of a segment number 1 to 20.
double segmentAngle(int segment);

// A ring is picked by p = Int(r × 100); its radius is a share of half the board's height,
// and it scores multiplier × segment + fixed.
struct Ring {
    int lastP;                // the highest p that picks this ring
    bool quarterInSingle;     // the single ring's H / 4 is formed in single precision
    double thirtieths;        // otherwise radius = (thirtieths / 30) × H / 2 in double
    int multiplier;
    int fixed;
};

inline constexpr std::array<Ring, 5> kRings{{
    {49, true, 0, 1, 0},     // single
    {79, false, 19.5, 2, 0}, // double
    {96, false, 10.5, 3, 0}, // treble
    {98, false, 1.5, 0, 25}, // outer bull
    {99, false, 0, 0, 50},   // bull
}};

// The ring index (0..4) that p (0..99) picks.
int ringForP(int p);
double ringRadius(int ring, float boardHeight);
int ringScore(int ring, int segment);

// Where each dart's picture goes relative to the spot it marks (for 480-twip pictures).
struct Offset {
    float x, y;
};
inline constexpr std::array<Offset, 3> kDartOffsets{{{0, 0}, {-480, -480}, {0, -480}}};

// The draws of a question, each from one Rnd value.
int drawQuestionKind(float r);  // 1..3
int drawSegment(float r);       // 1..20
int drawP(float r);             // 0..99
int drawHalfExtra(float r);     // k, 1..10

struct Spot {
    float left, top;
};
// The top left of dart i's picture for a throw into `segment` at `radius` from (cx, cy).
Spot dartSpot(float cx, float cy, int segment, double radius, int dart);

// The kind-2 question: the total plus 2k, between its three text pieces.
QString extraQuestion(const QString& before, int shown, const QString& middle, const QString& after);
QString extraAnswer(const QString& word, int extra);

// The mean of three darts as a whole part and a numerator over 3.
struct Mean {
    int whole;
    int numerator;  // 0, 1 or 2
};
Mean meanOfThree(int total);

}  // namespace dartboard
