#pragma once
// The rules of area and perimeter on squared paper: shapes made of whole squares, their area, the
// perimeter as the count of outside edges, the outline traced side by side, the split into
// rectangles, whether shaded cells make one piece, and the questions of each mode.
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace area {

enum Mode { kRectangleArea, kRectanglePerimeter, kShapeArea, kShapePerimeter, kSidesOnly, kMakeShape, kModes };

// The squared paper's size in squares (1 cm each).
inline constexpr int kPaperColumns = 9;
inline constexpr int kPaperRows = 8;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int area() const { return width * height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A block of squares, each in the shape or not.
class Region {
public:
    Region() = default;
    Region(int rows, int columns);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Squares outside the block are never in the shape and ignore changes.
    bool at(int row, int column) const;
    void set(int row, int column, bool in);
    void fill(const Rect& rect, bool in = true);
    int area() const;
    friend bool operator==(const Region&, const Region&) = default;

private:
    int m_rows = 0, m_columns = 0;
    std::vector<char> m_in;
};

// One side of an outline, from corner to corner in squares (x across, y down), going clockwise.
struct Side {
    int x1, y1, x2, y2;
    int length() const { return x1 == x2 ? (y1 < y2 ? y2 - y1 : y1 - y2) : (x1 < x2 ? x2 - x1 : x1 - x2); }
    friend bool operator==(const Side&, const Side&) = default;
};

// Every edge between a square of the shape and one outside it (or the paper's edge), each once.
int perimeter(const Region& region);
// How many pieces the shaded squares make, joined edge to edge (squares meeting at a corner only are
// two pieces).
int pieces(const Region& region);
// "Make a shape": one piece, with the asked area and perimeter.
bool makesShape(const Region& region, int area, int perimeter);

// The outline of one piece without holes, clockwise from the top left corner of its top row; each
// side runs from one corner to the next. Empty for an empty region.
std::vector<Side> outline(const Region& region);
// The shape cut into as few rectangles as straight cuts across (or down) it give.
std::vector<Rect> split(const Region& region);

struct Question {
    int mode = kRectangleArea;
    bool asksArea = true;
    Region shape;         // in squares (cm); on the paper, except in the side-lengths mode
    int targetArea = 0;   // make a shape: what the pupil's shape must have
    int targetPerimeter = 0;
    friend bool operator==(const Question&, const Question&) = default;
};

// The answer a question on a given shape wants: its area in cm² or its perimeter in cm.
int answer(const Question& q);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// A question of the mode that is not the one on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace area
