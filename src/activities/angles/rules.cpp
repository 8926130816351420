#include "activities/angles/rules.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/random.h"

namespace angles {
namespace {
constexpr double kPi = 3.14159265358979323846;

int between(platform::RandomSource& rnd, int low, int high) {
    return low + std::min(high - low, static_cast<int>(static_cast<double>(rnd.next()) * (high - low + 1)));
}

// `count` angles of at least `smallest` degrees, in steps of `step`, adding up to `total`.
std::vector<int> shareOut(platform::RandomSource& rnd, int count, int total, int smallest, int step) {
    const int spare = (total - count * smallest) / step;
    std::vector<int> cuts;
    for (int i = 0; i + 1 < count; ++i) cuts.push_back(between(rnd, 0, spare));
    std::sort(cuts.begin(), cuts.end());
    std::vector<int> parts;
    int previous = 0;
    for (int cut : cuts) {
        parts.push_back(smallest + (cut - previous) * step);
        previous = cut;
    }
    parts.push_back(smallest + (spare - previous) * step);
    return parts;
}

double wrapped(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// The smallest and largest angle of each kind a question asks to name: well clear of the borders,
// so that the class argues about the kind and not about a degree either way.
struct KindRange {
    int low, high;
};
constexpr KindRange kNamed[kKinds] = {{15, 75}, {90, 90}, {105, 165}, {180, 180}, {195, 345}};
}  // namespace

Kind kindOf(int degrees) {
    if (degrees < 90) return kAcute;
    if (degrees == 90) return kRight;
    if (degrees < 180) return kObtuse;
    if (degrees == 180) return kStraight;
    return kReflex;
}

bool isMissingMode(int mode) { return mode == kStraightLine || mode == kAroundPoint || mode == kTriangle; }
int totalOf(int mode) { return mode == kAroundPoint ? 360 : 180; }

int missingAngle(const Question& q) {
    if (q.missing < 0 || q.missing >= static_cast<int>(q.parts.size())) return 0;
    return q.parts[static_cast<std::size_t>(q.missing)];
}

std::vector<int> givenAngles(const Question& q) {
    std::vector<int> given;
    for (std::size_t i = 0; i < q.parts.size(); ++i)
        if (static_cast<int>(i) != q.missing) given.push_back(q.parts[i]);
    return given;
}

bool estimateAccepted(const Question& q, platform::Decimal typed) {
    return typed >= platform::Decimal::of(q.degrees - kEstimateTolerance) &&
           typed <= platform::Decimal::of(q.degrees + kEstimateTolerance);
}

bool madeAccepted(const Question& q, int made) { return std::abs(made - q.degrees) <= kMakeTolerance; }

int openingOf(const Question& q, double direction) {
    const double opened = wrapped(q.clockwise ? q.fixedDirection - direction : direction - q.fixedDirection);
    return static_cast<int>(std::lround(opened)) % 360;
}

double turnedDirection(const Question& q, double opening) {
    return wrapped(q.clockwise ? q.fixedDirection - opening : q.fixedDirection + opening);
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = std::clamp(mode, 0, kModes - 1);
    switch (q.mode) {
        case kName: {
            const KindRange range = kNamed[between(rnd, 0, kKinds - 1)];
            q.degrees = between(rnd, range.low, range.high);
            q.fixedDirection = between(rnd, 0, 23) * 15;
            q.clockwise = rnd.next() < 0.5f;
            break;
        }
        case kEstimate:
            q.degrees = between(rnd, 10, 350);
            q.fixedDirection = between(rnd, 0, 23) * 15;
            q.clockwise = rnd.next() < 0.5f;
            break;
        case kMake:
            // The fixed ray lies flat and the angle opens upwards, as on the pupil's own page.
            q.degrees = between(rnd, 2, 70) * 5;
            q.clockwise = rnd.next() < 0.5f;
            q.fixedDirection = q.clockwise ? 180 : 0;
            break;
        case kStraightLine: {
            const int first = between(rnd, 20, 160);
            q.parts = {first, 180 - first};
            q.missing = between(rnd, 0, 1);
            q.turn = between(rnd, -6, 6) * 5;
            break;
        }
        case kAroundPoint:
            q.parts = shareOut(rnd, between(rnd, 3, 4), 360, 40, 5);
            q.missing = between(rnd, 0, static_cast<int>(q.parts.size()) - 1);
            q.turn = between(rnd, 0, 71) * 5;
            break;
        case kTriangle:
            q.parts = shareOut(rnd, 3, 180, 30, 5);
            q.missing = between(rnd, 0, 2);
            break;
    }
    return q;
}

QPointF along(QPointF from, double direction, double length) {
    const double r = direction * kPi / 180.0;
    return {from.x() + length * std::cos(r), from.y() - length * std::sin(r)};
}

double directionOf(QPointF from, QPointF to) {
    return wrapped(std::atan2(from.y() - to.y(), to.x() - from.x()) * 180.0 / kPi);
}

std::array<QPointF, 3> triangleCorners(const std::array<int, 3>& angles, double width, double height) {
    // Base of length 1 from the first corner to the second; the third from the law of sines.
    const double a = angles[0] * kPi / 180.0, b = angles[1] * kPi / 180.0, c = angles[2] * kPi / 180.0;
    const double side = std::sin(b) / std::max(1e-9, std::sin(c));
    const std::array<QPointF, 3> unit{QPointF(0, 0), QPointF(1, 0), QPointF(side * std::cos(a), -side * std::sin(a))};
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const QPointF& p : unit) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // One scale for both directions keeps the angles true.
    const double scale = std::min(width / (right - left), height / (bottom - top));
    const QPointF offset((width - (right - left) * scale) / 2 - left * scale, (height - (bottom - top) * scale) / 2 - top * scale);
    std::array<QPointF, 3> corners;
    for (std::size_t i = 0; i < 3; ++i) corners[i] = unit[i] * scale + offset;
    return corners;
}

}  // namespace angles
