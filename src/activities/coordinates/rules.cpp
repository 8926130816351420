#include "activities/coordinates/rules.h"

#include <algorithm>
#include <cmath>

#include "platform/random.h"

namespace coordinates {
namespace {
int between(platform::RandomSource& rnd, int low, int high) {
    return low + std::min(high - low, static_cast<int>(static_cast<double>(rnd.next()) * (high - low + 1)));
}

bool inside(QPoint p, int mode) {
    return p.x() >= lowOf(mode) && p.x() <= highOf(mode) && p.y() >= lowOf(mode) && p.y() <= highOf(mode);
}

// A point with neither coordinate on the origin's own lines too often: (0, 0) is never asked, and
// in four quadrants at least one coordinate is negative, so the class meets the new quadrants.
QPoint drawPoint(platform::RandomSource& rnd, int mode) {
    for (;;) {
        const int x = between(rnd, lowOf(mode), highOf(mode));  // x drawn first: arguments have no order
        const QPoint p(x, between(rnd, lowOf(mode), highOf(mode)));
        if (p == QPoint(0, 0)) continue;
        if (mode == kFourQuadrants && p.x() >= 0 && p.y() >= 0) continue;
        return p;
    }
}

int dot(QPoint a, QPoint b) { return a.x() * b.x() + a.y() * b.y(); }
}  // namespace

int lowOf(int mode) { return mode == kFourQuadrants ? -10 : 0; }
int highOf(int) { return 10; }

QPoint fourthCorner(const std::array<QPoint, 3>& abc) { return abc[0] + abc[2] - abc[1]; }

bool isRectangle(const std::array<QPoint, 4>& c) {
    for (int i = 0; i < 4; ++i) {
        const QPoint in = c[static_cast<std::size_t>(i)] - c[static_cast<std::size_t>((i + 3) % 4)];
        const QPoint out = c[static_cast<std::size_t>((i + 1) % 4)] - c[static_cast<std::size_t>(i)];
        if (in == QPoint() || out == QPoint() || dot(in, out) != 0) return false;
    }
    return true;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = std::clamp(mode, 0, kModes - 1);
    switch (q.mode) {
        case kRead: q.target = drawPoint(rnd, q.mode); break;
        case kPlot:
            q.plotting = true;
            q.target = drawPoint(rnd, q.mode);
            break;
        case kFourQuadrants:
            q.plotting = rnd.next() < 0.5f;
            q.target = drawPoint(rnd, q.mode);
            break;
        case kMissingCorner:
            for (;;) {
                // One side u from corner A, the next side v at right angles to it: v is a whole
                // multiple of u turned a quarter, or any upright side when u lies flat.
                const int ax = between(rnd, 0, 8);
                const QPoint a(ax, between(rnd, 0, 8));
                const bool tilted = rnd.next() < 0.5f;
                QPoint u, v;
                if (tilted) {
                    const int ux = between(rnd, 1, 3);
                    u = QPoint(ux, between(rnd, 1, 2));
                    v = QPoint(-u.y(), u.x()) * between(rnd, 1, 2);
                } else {
                    u = QPoint(between(rnd, 2, 6), 0);
                    v = QPoint(0, between(rnd, 2, 6));
                }
                const std::array<QPoint, 4> corners{a, a + u, a + u + v, a + v};
                if (!std::all_of(corners.begin(), corners.end(), [&](QPoint p) { return inside(p, q.mode); })) continue;
                // Any corner may be the missing one; the other three follow it round the shape.
                const int missing = between(rnd, 0, 3);
                for (int k = 0; k < 3; ++k) q.given[static_cast<std::size_t>(k)] = corners[static_cast<std::size_t>((missing + 1 + k) % 4)];
                q.target = corners[static_cast<std::size_t>(missing)];
                q.square = dot(u, u) == dot(v, v);
                q.plotting = true;
                break;
            }
            break;
    }
    return q;
}

}  // namespace coordinates
