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

namespace {
const Ring& ringAt(int ring) { return kRings[std::size_t(std::clamp(ring, 0, int(kRings.size()) - 1))]; }
}  // namespace

int ringForP(int p) {
    for (int ring = 0; ring < int(kRings.size()); ++ring)
        if (p <= kRings[std::size_t(ring)].lastP) return ring;
    return int(kRings.size()) - 1;
}

double ringRadius(int ring, float boardHeight) {
    const Ring& r = ringAt(ring);
    if (r.quarterInSingle) return double(boardHeight / 4.0f);
    return (r.thirtieths / 30.0) * double(boardHeight) / 2.0;
}

int ringScore(int ring, int segment) {
    const Ring& r = ringAt(ring);
    return r.multiplier * segment + r.fixed;
}

// Rnd is single precision and so is the arithmetic on it, which matters right at a bound.
int drawQuestionKind(float r) { return platform::IntWithin(r * 3.0f + 1.0f, 1, 3); }
int drawSegment(float r) { return platform::IntWithin(r * 20.0f + 1.0f, 1, 20); }
int drawP(float r) { return platform::IntWithin(r * 100.0f, 0, 99); }
int drawHalfExtra(float r) { return platform::IntWithin(r * 10.0f + 1.0f, 1, 10); }

Spot dartSpot(float cx, float cy, int segment, double radius, int dart) {
    const double a = segmentAngle(segment) * kPi / 180.0;
    const Offset& offset = kDartOffsets[std::size_t(std::clamp(dart, 0, int(kDartOffsets.size()) - 1))];
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
