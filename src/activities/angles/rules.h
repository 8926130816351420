#pragma once
// The rules of the angles questions: angles to name, estimate or make between two rays, and missing
// angles on a straight line, around a point and in a triangle. Directions are degrees anticlockwise
// from pointing right, as the class sees the board.
#include <QPointF>
#include <array>
#include <optional>
#include <vector>

#include "platform/decimal.h"

namespace platform {
class RandomSource;
}

namespace angles {

enum Mode { kName, kEstimate, kMake, kStraightLine, kAroundPoint, kTriangle, kModes };
enum Kind { kAcute, kRight, kObtuse, kStraight, kReflex, kKinds };

inline constexpr int kEstimateTolerance = 10;  // degrees either way
inline constexpr int kMakeTolerance = 2;

struct Question {
    int mode = kName;
    // Two rays: the angle named, estimated or made, the fixed ray's direction and which way it opens.
    int degrees = 0;
    int fixedDirection = 0;
    bool clockwise = false;
    // Missing angles: every angle in order (round the point, along the line, or the triangle's
    // corners), one of them the missing one; the figure is turned by `turn` degrees.
    std::vector<int> parts;
    int missing = 0;
    int turn = 0;
    friend bool operator==(const Question&, const Question&) = default;
};

Kind kindOf(int degrees);
bool isMissingMode(int mode);
// What the angles of a missing-angle figure add up to: 180 on a line and in a triangle, 360 round a point.
int totalOf(int mode);
int missingAngle(const Question& q);
// The angles the class is given, in order, without the missing one.
std::vector<int> givenAngles(const Question& q);

bool estimateAccepted(const Question& q, platform::Decimal typed);
bool madeAccepted(const Question& q, int made);

// The angle opened between the fixed ray and a ray pointing `direction`, in whole degrees 0–359,
// measured the way the question's angle opens.
int openingOf(const Question& q, double direction);
// The direction of the turned ray when the angle is `opening` degrees.
double turnedDirection(const Question& q, double opening);

Question drawQuestion(int mode, platform::RandomSource& rnd);

// A point `length` twips from `from` in a direction (y grows downwards on the board).
QPointF along(QPointF from, double direction, double length);
// The direction from one point to another, 0–360.
double directionOf(QPointF from, QPointF to);
// A triangle with the given corner angles, its first side along the bottom, fitted in a box of the
// given size with its corners in the order of the angles.
std::array<QPointF, 3> triangleCorners(const std::array<int, 3>& angles, double width, double height);

}  // namespace angles
