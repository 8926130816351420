#pragma once
// The rules of the coordinates questions: points to read or plot in the first quadrant or all four,
// and the missing corner of a square or rectangle, whose three other corners are given in order.
#include <QPoint>
#include <array>

namespace platform {
class RandomSource;
}

namespace coordinates {

enum Mode { kRead, kPlot, kFourQuadrants, kMissingCorner, kModes };

struct Question {
    int mode = kRead;
    bool plotting = false;       // the pupil drags the point; otherwise the class reads it
    QPoint target;               // the point read or to be plotted (the missing corner's place)
    std::array<QPoint, 3> given{};  // the missing corner mode's corners A, B, C, in order round the shape
    bool square = false;
    friend bool operator==(const Question&, const Question&) = default;
};

// The range both axes run over in a mode.
int lowOf(int mode);
int highOf(int mode);

Question drawQuestion(int mode, platform::RandomSource& rnd);

// The corner that completes A, B, C (consecutive corners) to a parallelogram: opposite B.
QPoint fourthCorner(const std::array<QPoint, 3>& abc);
// Whether four corners, in order round the shape, make a true rectangle (a square counts).
bool isRectangle(const std::array<QPoint, 4>& corners);

}  // namespace coordinates
