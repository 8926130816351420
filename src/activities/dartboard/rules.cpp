#include "activities/dartboard/rules.h"

#include <algorithm>
#include <cmath>

#include "platform/random.h"

namespace dartboard {

using platform::Int;

double segmentAngle(int segment) {
    const auto it = std::find(kSegmentOrder.begin(), kSegmentOrder.end(), segment);
    return kSegmentDegrees * double(it - kSegmentOrder.begin());
}

int ringForP(int p) {
    for (int ring = 0; ring < int(kRings.size()); ++ring)
        if (p <= kRings[std::size_t(ring)].lastP) return ring;
    return int(kRings.size()) - 1;
}

double ringRadius(int ring, float boardHeight) {
    const Ring& r = kRings[std::size_t(ring)];
    if (r.quarterInSingle) return double(boardHeight / 4.0f);
    return (r.thirtieths / 30.0) * double(boardHeight) / 2.0;
}

int ringScore(int ring, int segment) {
    const Ring& r = kRings[std::size_t(ring)];
    return r.multiplier * segment + r.fixed;
}

// Rnd is single precision and so is the arithmetic on it, which matters right at a bound.
int drawQuestionKind(float r) { return int(Int(r * 3.0f + 1.0f)); }
int drawSegment(float r) { return int(Int(r * 20.0f + 1.0f)); }
int drawP(float r) { return int(Int(r * 100.0f)); }
int drawHalfExtra(float r) { return int(Int(r * 10.0f + 1.0f)); }

Spot dartSpot(float cx, float cy, int segment, double radius, int dart) {
    const double a = segmentAngle(segment) * kPi / 180.0;
    const Offset& offset = kDartOffsets[std::size_t(dart)];
    return {float(double(cx) + radius * std::sin(a) + double(offset.x)),
            float(double(cy) - radius * std::cos(a) + double(offset.y))};
}

QString extraQuestion(const QString& before, int shown, const QString& middle, const QString& after) {
    return before + QLatin1Char(' ') + QString::number(shown) + QLatin1Char(' ') + middle + QLatin1Char(' ') + after;
}

QString extraAnswer(const QString& word, int extra) { return word + QLatin1Char(' ') + QString::number(extra / 2); }

Mean meanOfThree(int total) {
    const int whole = int(Int(total / 3.0));
    return {whole, total - 3 * whole};
}

}  // namespace dartboard
