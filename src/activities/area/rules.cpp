#include "activities/area/rules.h"

#include <algorithm>
#include <utility>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace area {
namespace {
int pick(platform::RandomSource& rnd, int low, int high) {
    if (high <= low) return low;
    return platform::IntWithin(static_cast<double>(rnd.next()) * (high - low + 1), 0, high - low) + low;
}

// A quarter turn clockwise: the top row becomes the right-hand column.
Region turned(const Region& g) {
    Region out(g.columns(), g.rows());
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c) out.set(c, g.rows() - 1 - r, g.at(r, c));
    return out;
}

// The squares of one line (a column, or a row) in runs [from, to).
using Runs = std::vector<std::pair<int, int>>;
Runs runsOf(const Region& g, bool columns, int line) {
    Runs runs;
    const int length = columns ? g.rows() : g.columns();
    for (int i = 0; i < length;) {
        const auto in = [&](int k) { return columns ? g.at(k, line) : g.at(line, k); };
        if (!in(i)) {
            ++i;
            continue;
        }
        const int from = i;
        while (i < length && in(i)) ++i;
        runs.emplace_back(from, i);
    }
    return runs;
}

// Cuts straight down between columns (or across between rows) wherever the runs change.
std::vector<Rect> strips(const Region& g, bool columns) {
    std::vector<Rect> out;
    const int lines = columns ? g.columns() : g.rows();
    Runs current;
    int start = 0;
    for (int line = 0; line <= lines; ++line) {
        const Runs runs = line < lines ? runsOf(g, columns, line) : Runs{};
        if (line < lines && runs == current) continue;
        for (const auto& [from, to] : current)
            out.push_back(columns ? Rect{start, from, line - start, to - from} : Rect{from, start, to - from, line - start});
        current = runs;
        start = line;
    }
    return out;
}

// Shapes made of rectangles, cut from a w × h block: a rectangle, an L (a corner cut away), a T (two
// corners of one side), a U (a notch in the middle of a side) or three steps; then turned, so each
// kind comes in every direction. `least` is the shortest side any cut leaves.
enum Kind { kRectangle, kL, kT, kU, kStairs, kKinds };

Region block(int w, int h) {
    Region g(h, w);
    g.fill({0, 0, w, h});
    return g;
}

Region drawShape(platform::RandomSource& rnd, int kind, int mostWide, int mostHigh, int least) {
    const int turns = pick(rnd, 0, 3);
    if (turns % 2) std::swap(mostWide, mostHigh);
    const int fewest = kind == kRectangle ? std::min(least + 1, 3) : std::max(3, 2 * least);
    // The rectangle's sides differ, so that it is not a square.
    int w = pick(rnd, fewest, mostWide);
    int h = pick(rnd, fewest, mostHigh);
    if (kind == kRectangle && w == h) h = h > fewest ? h - 1 : h + 1;
    if (kind == kT || kind == kU || kind == kStairs) w = std::max(w, 3 * least);
    if (kind == kStairs) h = std::max(h, 3 * least);
    w = std::min(w, mostWide);
    h = std::min(h, mostHigh);
    Region g = block(w, h);
    switch (kind) {
        case kL: {
            const int a = pick(rnd, least, w - least), b = pick(rnd, least, h - least);
            g.fill({w - a, 0, a, b}, false);
            break;
        }
        case kT: {
            const int depth = pick(rnd, least, h - least);
            const int left = pick(rnd, least, w - 2 * least);
            const int right = pick(rnd, least, w - least - left);
            g.fill({0, h - depth, left, depth}, false);
            g.fill({w - right, h - depth, right, depth}, false);
            break;
        }
        case kU: {
            const int depth = pick(rnd, least, h - least);
            const int leftLeg = pick(rnd, least, w - 2 * least);
            const int notch = pick(rnd, least, w - least - leftLeg);
            g.fill({leftLeg, 0, notch, depth}, false);
            break;
        }
        case kStairs: {
            const int across = pick(rnd, 2 * least, w - least), down = pick(rnd, least, h - 2 * least);
            const int across2 = pick(rnd, least, across - least), down2 = pick(rnd, down + least, h - least);
            g.fill({w - across, 0, across, down}, false);
            g.fill({w - across2, 0, across2, down2}, false);
            break;
        }
        default: break;
    }
    for (int t = 0; t < turns; ++t) g = turned(g);
    return g;
}

// A shape laid on the paper with room round it for the sides' lengths.
Region onPaper(const Region& shape) {
    Region paper(kPaperRows, kPaperColumns);
    const int top = (kPaperRows - shape.rows()) / 2, left = (kPaperColumns - shape.columns()) / 2;
    for (int r = 0; r < shape.rows(); ++r)
        for (int c = 0; c < shape.columns(); ++c) paper.set(top + r, left + c, shape.at(r, c));
    return paper;
}

// On paper the shapes leave a square all round for the lengths.
constexpr int kMostWideOnPaper = kPaperColumns - 2;
constexpr int kMostHighOnPaper = kPaperRows - 2;
}  // namespace

Region::Region(int rows, int columns)
    : m_rows(std::max(0, rows)), m_columns(std::max(0, columns)), m_in(static_cast<std::size_t>(m_rows * m_columns), 0) {}

bool Region::at(int row, int column) const {
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns &&
           m_in[static_cast<std::size_t>(row * m_columns + column)];
}

void Region::set(int row, int column, bool in) {
    if (row >= 0 && row < m_rows && column >= 0 && column < m_columns) m_in[static_cast<std::size_t>(row * m_columns + column)] = in;
}

void Region::fill(const Rect& rect, bool in) {
    for (int r = rect.top; r < rect.top + rect.height; ++r)
        for (int c = rect.left; c < rect.left + rect.width; ++c) set(r, c, in);
}

int Region::area() const { return static_cast<int>(std::count(m_in.begin(), m_in.end(), 1)); }

int perimeter(const Region& g) {
    // Four edges a square, less the two hidden by each pair of neighbours in the shape.
    int joins = 0;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c)
            if (g.at(r, c)) joins += g.at(r, c + 1) + g.at(r + 1, c);
    return 4 * g.area() - 2 * joins;
}

int pieces(const Region& g) {
    std::vector<char> seen(static_cast<std::size_t>(g.rows() * g.columns()), 0);
    std::vector<std::pair<int, int>> todo;
    int count = 0;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c) {
            if (!g.at(r, c) || seen[static_cast<std::size_t>(r * g.columns() + c)]) continue;
            ++count;
            todo.assign(1, {r, c});
            seen[static_cast<std::size_t>(r * g.columns() + c)] = 1;
            while (!todo.empty()) {
                const auto [row, column] = todo.back();
                todo.pop_back();
                for (const auto& [dr, dc] : {std::pair{0, 1}, {1, 0}, {0, -1}, {-1, 0}}) {
                    const int nr = row + dr, nc = column + dc;
                    if (!g.at(nr, nc) || seen[static_cast<std::size_t>(nr * g.columns() + nc)]) continue;
                    seen[static_cast<std::size_t>(nr * g.columns() + nc)] = 1;
                    todo.emplace_back(nr, nc);
                }
            }
        }
    return count;
}

bool makesShape(const Region& region, int area, int perimeterWanted) {
    return region.area() == area && pieces(region) == 1 && perimeter(region) == perimeterWanted;
}

std::vector<Side> outline(const Region& g) {
    // Unit edges with the shape on their right-hand side (y grows downwards), keyed by their start.
    struct Edge {
        int x, y, dx, dy;
        bool used = false;
    };
    std::vector<Edge> edges;
    int startEdge = -1;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c) {
            if (!g.at(r, c)) continue;
            if (startEdge < 0) startEdge = static_cast<int>(edges.size());
            if (!g.at(r - 1, c)) edges.push_back({c, r, 1, 0});
            if (!g.at(r, c + 1)) edges.push_back({c + 1, r, 0, 1});
            if (!g.at(r + 1, c)) edges.push_back({c + 1, r + 1, -1, 0});
            if (!g.at(r, c - 1)) edges.push_back({c, r + 1, 0, -1});
        }
    std::vector<Side> sides;
    if (startEdge < 0) return sides;
    // The walk: where two edges leave one corner (squares meeting there only at the corner), the
    // right turn keeps to the same square.
    int at = startEdge;
    for (std::size_t walked = 0; walked < edges.size() && at >= 0; ++walked) {
        Edge& e = edges[static_cast<std::size_t>(at)];
        e.used = true;
        const int x2 = e.x + e.dx, y2 = e.y + e.dy;
        if (!sides.empty() && sides.back().x2 == e.x && sides.back().y2 == e.y &&
            (sides.back().x2 - sides.back().x1) * e.dy == (sides.back().y2 - sides.back().y1) * e.dx) {
            sides.back().x2 = x2;
            sides.back().y2 = y2;
        } else {
            sides.push_back({e.x, e.y, x2, y2});
        }
        int next = -1;
        for (std::size_t k = 0; k < edges.size(); ++k) {
            const Edge& n = edges[k];
            if (n.used || n.x != x2 || n.y != y2) continue;
            const bool rightTurn = n.dx == -e.dy && n.dy == e.dx;
            if (next < 0 || rightTurn) next = static_cast<int>(k);
        }
        at = next;
    }
    return sides;
}

std::vector<Rect> split(const Region& g) {
    std::vector<Rect> down = strips(g, true), across = strips(g, false);
    return across.size() < down.size() ? across : down;
}

int answer(const Question& q) { return q.asksArea ? q.shape.area() : perimeter(q.shape); }

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kRectangleArea;
    switch (q.mode) {
        case kRectangleArea:
        case kRectanglePerimeter:
            q.asksArea = q.mode == kRectangleArea;
            q.shape = onPaper(drawShape(rnd, kRectangle, kMostWideOnPaper, kMostHighOnPaper, 1));
            break;
        case kShapeArea:
        case kShapePerimeter:
            q.asksArea = q.mode == kShapeArea;
            q.shape = onPaper(drawShape(rnd, pick(rnd, kL, kKinds - 1), kMostWideOnPaper, kMostHighOnPaper, 2));
            break;
        case kSidesOnly: {
            // Lengths too long to count squares for; every side at least 3 cm, so the lengths written
            // on the drawing keep apart.
            q.asksArea = rnd.next() < 0.5f;
            const int kind = rnd.next() < 0.4f ? kRectangle : pick(rnd, kL, kT);
            q.shape = drawShape(rnd, kind, 12, 9, 3);
            break;
        }
        case kMakeShape: {
            // The targets are those of a rectangle or an L that fits the paper, so a shape exists.
            const int kind = rnd.next() < 0.5f ? kRectangle : kL;
            Region example = drawShape(rnd, kind, 6, 6, kind == kRectangle ? 1 : 2);
            q.shape = onPaper(example);
            q.targetArea = q.shape.area();
            q.targetPerimeter = perimeter(q.shape);
            break;
        }
        default: break;
    }
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] {
        Question q = drawQuestion(mode, rnd);
        // Making a shape, the class sees only the two numbers: the same pair is the same question.
        if (q.mode == kMakeShape && current && current->mode == kMakeShape && current->targetArea == q.targetArea &&
            current->targetPerimeter == q.targetPerimeter)
            q.shape = current->shape;
        return q;
    });
}

}  // namespace area
