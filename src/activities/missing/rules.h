#pragma once
// The rules of missing numbers: equations with one empty box ("? − 29 = 55", "3 × ? + 4 = 25"),
// each with exactly one whole-number answer, the inverse operations that find it, and the bar model
// that shows the whole and its parts.
#include <array>
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace missing {

enum Mode { kAddSubtract, kMultiplyDivide, kMixed, kTwoSteps, kModes };
enum class Op { Add, Subtract, Multiply, Divide };

// "a op b = c", or in two steps "a op b op2 c = d" where the first operation is × or ÷ and the
// second + or −. The numbers are kept in the order written, the result last; `missing` is the one
// in the box. `resultFirst` writes the result on the left ("55 = ? − 29").
struct Question {
    int mode = kAddSubtract;
    int steps = 1;
    std::array<long long, 4> numbers{};
    std::array<Op, 2> ops{};
    int missing = 0;
    bool resultFirst = false;

    int count() const { return steps + 2; }
    long long result() const { return numbers[std::size_t(steps + 1)]; }
    long long answer() const { return numbers[std::size_t(missing)]; }
    friend bool operator==(const Question&, const Question&) = default;
};

// a op b, or nothing when the division is not exact or divides by zero.
std::optional<long long> apply(Op op, long long a, long long b);
// Whether the equation is true with `candidate` in the box.
bool holds(const Question& q, long long candidate);

// One line of the solution's working, "55 + 29 = 84".
struct Working {
    long long a = 0;
    Op op = Op::Add;
    long long b = 0;
    long long result = 0;
    friend bool operator==(const Working&, const Working&) = default;
};
// The inverse operations that find the missing number, last undone first; the result's box is
// found by working out the sum itself. The last line's result is the answer.
std::vector<Working> workings(const Question& q);

// A cell of the bar model: as wide as `size` stands for, labelled with a number, the empty box's
// "?", or the first operation of a two-step equation ("? ÷ 4").
struct BarCell {
    enum class Kind { Number, Unknown, FirstStep };
    long long size = 0;
    Kind kind = Kind::Number;
    friend bool operator==(const BarCell&, const BarCell&) = default;
};
struct Bar {
    std::vector<BarCell> whole;
    std::vector<BarCell> parts;
};
// Addition and subtraction: the whole above its two parts. Multiplication and division: the whole
// above equal parts, as many as the known factor or divisor says.
Bar barModel(const Question& q);

// One question of the mode.
Question drawQuestion(int mode, platform::RandomSource& rnd);
// A question of the mode that is not the one on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace missing
