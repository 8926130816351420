#pragma once
// The rules of symmetry on squared paper: where a square lands when it is reflected in a mirror line
// (upright, level or diagonal), which side of a mirror a square is on and how far from it, the
// pattern a question gives on one side, and the whole pattern once every square has its twin.
#include <array>
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace symmetry {

enum Mode { kVertical, kHorizontal, kDiagonal, kBoth, kModes };

inline constexpr int kSize = 10;  // squares each way
inline constexpr int kCells = kSize * kSize;

struct Square {
    int row = 0;
    int column = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

struct Mirror {
    // Falling runs from the paper's top left corner to its bottom right, Rising from bottom left to top right.
    enum Kind { Vertical, Horizontal, Falling, Rising };
    Kind kind = Vertical;
    int at = kSize / 2;  // an upright or level mirror's grid line: squares 0 … at − 1 lie before it
    friend bool operator==(const Mirror&, const Mirror&) = default;
};

bool onPaper(Square s);
Square reflect(Square s, Mirror m);
// From the mirror to the square's centre, in a unit of the mirror's own: negative on one side,
// positive on the other, 0 for a square a diagonal mirror runs through. A twin has the opposite sign.
int signedDistance(Square s, Mirror m);
int sideOf(Square s, Mirror m);

// A shade (0: none, else a colour of the palette) for each square, row by row.
using Shades = std::array<int, kCells>;
inline int indexOf(Square s) { return s.row * kSize + s.column; }

struct Question {
    int mode = kVertical;
    std::vector<Mirror> mirrors;  // one, or an upright and a level one crossing at the centre
    std::vector<int> sides;       // the side of each mirror the pattern is given on
    Shades given{};
    int colours = 1;
    friend bool operator==(const Question&, const Question&) = default;
};

// Whether a square is on the given side of every mirror: the pattern's own part, which stays as it is.
bool givenPart(const Question& q, Square s);

// A square the reflection in one mirror shades, with the shaded square it is the twin of.
struct Twin {
    Square square;
    Square from;
    int shade = 0;
};
// What reflecting `shades` in a mirror adds, nearest the mirror first.
std::vector<Twin> reflectionsIn(const Shades& shades, Mirror m);
// The given pattern reflected in each mirror in turn: the picture a finished page shows.
Shades completed(const Question& q);

Question drawQuestion(int mode, platform::RandomSource& rnd);
// A question of the mode that is not the one on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace symmetry
