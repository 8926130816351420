#include "activities/symmetry/rules.h"

#include <algorithm>
#include <cstdlib>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace symmetry {
namespace {
int pick(platform::RandomSource& rnd, int count) { return platform::IntWithin(double(rnd.next()) * count, 0, count - 1); }

int sign(int v) { return (v > 0) - (v < 0); }

// A square of the pattern has every image on the paper, after each mirror in turn.
bool imagesOnPaper(const Question& q, Square s) {
    std::vector<Square> images{s};
    for (const Mirror& m : q.mirrors) {
        const std::size_t before = images.size();
        for (std::size_t i = 0; i < before; ++i) images.push_back(reflect(images[i], m));
    }
    return std::all_of(images.begin(), images.end(), onPaper);
}

bool touchesAMirror(const Question& q, Square s) {
    return std::any_of(q.mirrors.begin(), q.mirrors.end(), [s](const Mirror& m) { return std::abs(signedDistance(s, m)) == 1; });
}

bool besidePattern(const Shades& shades, Square s) {
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const Square n{s.row + dr, s.column + dc};
            if (onPaper(n) && shades[static_cast<std::size_t>(indexOf(n))] != 0) return true;
        }
    return false;
}

template <class Keep>
std::vector<Square> squaresWhere(Keep&& keep) {
    std::vector<Square> found;
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c)
            if (keep(Square{r, c})) found.push_back({r, c});
    return found;
}
}  // namespace

bool onPaper(Square s) { return s.row >= 0 && s.row < kSize && s.column >= 0 && s.column < kSize; }

Square reflect(Square s, Mirror m) {
    switch (m.kind) {
        case Mirror::Vertical: return {s.row, 2 * m.at - 1 - s.column};
        case Mirror::Horizontal: return {2 * m.at - 1 - s.row, s.column};
        case Mirror::Falling: return {s.column, s.row};
        case Mirror::Rising: return {kSize - 1 - s.column, kSize - 1 - s.row};
    }
    return s;
}

int signedDistance(Square s, Mirror m) {
    // Half squares from an upright or level line; whole diagonal steps from a diagonal one.
    switch (m.kind) {
        case Mirror::Vertical: return 2 * s.column + 1 - 2 * m.at;
        case Mirror::Horizontal: return 2 * s.row + 1 - 2 * m.at;
        case Mirror::Falling: return s.column - s.row;
        case Mirror::Rising: return s.row + s.column + 1 - kSize;
    }
    return 0;
}

int sideOf(Square s, Mirror m) { return sign(signedDistance(s, m)); }

bool givenPart(const Question& q, Square s) {
    for (std::size_t i = 0; i < q.mirrors.size(); ++i)
        if (sideOf(s, q.mirrors[i]) != q.sides[i]) return false;
    return !q.mirrors.empty();
}

std::vector<Twin> reflectionsIn(const Shades& shades, Mirror m) {
    std::vector<Twin> twins;
    for (const Square s : squaresWhere([&](Square s) { return shades[static_cast<std::size_t>(indexOf(s))] != 0; })) {
        const Square t = reflect(s, m);
        const int shade = shades[static_cast<std::size_t>(indexOf(s))];
        if (t != s && onPaper(t) && shades[static_cast<std::size_t>(indexOf(t))] != shade) twins.push_back({t, s, shade});
    }
    std::stable_sort(twins.begin(), twins.end(), [m](const Twin& a, const Twin& b) {
        return std::abs(signedDistance(a.square, m)) < std::abs(signedDistance(b.square, m));
    });
    return twins;
}

Shades completed(const Question& q) {
    Shades shades = q.given;
    for (const Mirror& m : q.mirrors)
        for (const Twin& twin : reflectionsIn(shades, m)) shades[static_cast<std::size_t>(indexOf(twin.square))] = twin.shade;
    return shades;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kVertical;
    const auto side = [&rnd] { return rnd.next() < 0.5f ? -1 : 1; };
    switch (q.mode) {
        case kVertical:
        case kHorizontal:
            // The mirror is not always in the middle: some twins then fall near the paper's edge.
            q.mirrors = {{q.mode == kVertical ? Mirror::Vertical : Mirror::Horizontal, kSize / 2 - 1 + pick(rnd, 3)}};
            q.sides = {side()};
            break;
        case kDiagonal:
            q.mirrors = {{pick(rnd, 2) == 0 ? Mirror::Falling : Mirror::Rising, 0}};
            q.sides = {side()};
            break;
        default:
            q.mirrors = {{Mirror::Vertical, kSize / 2}, {Mirror::Horizontal, kSize / 2}};
            q.sides = {side(), side()};
    }

    // A shape grown square by square from the mirror, each new square touching one already in it.
    const int size = q.mode == kBoth ? 4 + pick(rnd, 4) : 5 + pick(rnd, 5);
    const auto room = [&q](Square s) { return givenPart(q, s) && imagesOnPaper(q, s); };
    const std::vector<Square> starts = squaresWhere([&](Square s) { return room(s) && touchesAMirror(q, s); });
    std::vector<Square> pattern{starts[static_cast<std::size_t>(pick(rnd, static_cast<int>(starts.size())))]};
    q.given[static_cast<std::size_t>(indexOf(pattern.front()))] = 1;
    while (static_cast<int>(pattern.size()) < size) {
        const std::vector<Square> next = squaresWhere([&](Square s) {
            return room(s) && q.given[static_cast<std::size_t>(indexOf(s))] == 0 && besidePattern(q.given, s);
        });
        if (next.empty()) break;
        pattern.push_back(next[static_cast<std::size_t>(pick(rnd, static_cast<int>(next.size())))]);
        q.given[static_cast<std::size_t>(indexOf(pattern.back()))] = 1;
    }

    q.colours = rnd.next() < 0.5f ? 1 : 2;
    if (q.colours == 2) {
        for (const Square s : pattern) q.given[static_cast<std::size_t>(indexOf(s))] = 1 + pick(rnd, 2);
        // Two colours on the paper, never one that only the pens mention.
        const bool mixed = std::any_of(pattern.begin(), pattern.end(), [&](Square s) {
            return q.given[static_cast<std::size_t>(indexOf(s))] != q.given[static_cast<std::size_t>(indexOf(pattern.front()))];
        });
        if (!mixed) q.given[static_cast<std::size_t>(indexOf(pattern.back()))] = 3 - q.given[static_cast<std::size_t>(indexOf(pattern.back()))];
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace symmetry
