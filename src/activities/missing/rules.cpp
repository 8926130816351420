#include "activities/missing/rules.h"

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace missing {
namespace {
// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}

// Two-digit numbers for adding and subtracting, the times tables to 12 × 12 for multiplying and
// dividing; two-step questions stay in the tables to 10 × 10 and add or take at most 20.
constexpr long long kLeastTerm = 10, kLargestTerm = 99;
constexpr long long kLeastFactor = 2, kLargestFactor = 12;
constexpr long long kLargestTwoStepFactor = 10;
constexpr long long kLargestTwoStepTerm = 20;
constexpr float kResultFirstChance = 0.2f;

// a op b = c with both operands drawn, the result worked out; division is drawn as the
// multiplication it undoes, so it is always exact.
std::array<long long, 3> drawOneStep(Op op, platform::RandomSource& rnd) {
    switch (op) {
        case Op::Add: {
            const long long a = between(rnd, kLeastTerm, kLargestTerm), b = between(rnd, kLeastTerm, kLargestTerm);
            return {a, b, a + b};
        }
        case Op::Subtract: {
            const long long b = between(rnd, kLeastTerm, kLargestTerm), c = between(rnd, kLeastTerm, kLargestTerm);
            return {b + c, b, c};
        }
        case Op::Multiply: {
            const long long a = between(rnd, kLeastFactor, kLargestFactor), b = between(rnd, kLeastFactor, kLargestFactor);
            return {a, b, a * b};
        }
        case Op::Divide: {
            const long long b = between(rnd, kLeastFactor, kLargestFactor), c = between(rnd, kLeastFactor, kLargestFactor);
            return {b * c, b, c};
        }
    }
    return {};
}

// The one line that finds the missing number of "a op b = c".
Working undo(Op op, long long a, long long b, long long c, int missing) {
    if (missing == 2) return {a, op, b, c};
    switch (op) {
        case Op::Add: return missing == 0 ? Working{c, Op::Subtract, b, a} : Working{c, Op::Subtract, a, b};
        case Op::Subtract: return missing == 0 ? Working{c, Op::Add, b, a} : Working{a, Op::Subtract, c, b};
        case Op::Multiply: return missing == 0 ? Working{c, Op::Divide, b, a} : Working{c, Op::Divide, a, b};
        case Op::Divide: return missing == 0 ? Working{c, Op::Multiply, b, a} : Working{a, Op::Divide, c, b};
    }
    return {};
}

// The parts of "a op b = c" when op is × or ÷: as many equal parts as the known factor or divisor
// says, each the size of the other number; the box's number is "?" wherever it stands.
std::vector<BarCell> equalParts(Op op, long long a, long long b, long long c, int missing) {
    long long count = 0, size = 0;
    bool unknown = false;
    if (op == Op::Multiply) {
        count = missing == 0 ? b : a;
        size = missing == 0 ? a : b;
        unknown = missing != 2;
    } else {
        count = missing == 1 ? c : b;
        size = missing == 1 ? b : c;
        unknown = missing != 0;
    }
    return std::vector<BarCell>(std::size_t(std::max(0LL, count)), BarCell{size, unknown ? BarCell::Kind::Unknown : BarCell::Kind::Number});
}
}  // namespace

std::optional<long long> apply(Op op, long long a, long long b) {
    switch (op) {
        case Op::Add: return a + b;
        case Op::Subtract: return a - b;
        case Op::Multiply: return a * b;
        case Op::Divide:
            if (b == 0 || a % b != 0) return std::nullopt;
            return a / b;
    }
    return std::nullopt;
}

bool holds(const Question& q, long long candidate) {
    auto n = q.numbers;
    n[std::size_t(q.missing)] = candidate;
    std::optional<long long> left = apply(q.ops[0], n[0], n[1]);
    if (left && q.steps == 2) left = apply(q.ops[1], *left, n[2]);
    return left && *left == n[std::size_t(q.steps + 1)];
}

std::vector<Working> workings(const Question& q) {
    const auto& n = q.numbers;
    if (q.steps == 1) return {undo(q.ops[0], n[0], n[1], n[2], q.missing)};
    // Undo the + or − first to find what the first operation made, then undo that.
    const long long made = q.ops[1] == Op::Add ? n[3] - n[2] : n[3] + n[2];
    const Working first = q.ops[1] == Op::Add ? Working{n[3], Op::Subtract, n[2], made} : Working{n[3], Op::Add, n[2], made};
    return {first, undo(q.ops[0], n[0], n[1], made, q.missing)};
}

Bar barModel(const Question& q) {
    const auto& n = q.numbers;
    const auto cell = [&q](int index) {
        return BarCell{q.numbers[std::size_t(index)], index == q.missing ? BarCell::Kind::Unknown : BarCell::Kind::Number};
    };
    const Op op = q.ops[0];
    if (q.steps == 1) {
        switch (op) {
            case Op::Add: return {{cell(2)}, {cell(0), cell(1)}};
            case Op::Subtract: return {{cell(0)}, {cell(2), cell(1)}};
            case Op::Multiply: return {{cell(2)}, equalParts(op, n[0], n[1], n[2], q.missing)};
            case Op::Divide: return {{cell(0)}, equalParts(op, n[0], n[1], n[2], q.missing)};
        }
    }
    // Two steps: what the first operation made is a part (adding) or the whole (taking away); a
    // multiplication shows its equal parts, a division stays one cell named by its sum.
    const long long made = q.ops[1] == Op::Add ? n[3] - n[2] : n[3] + n[2];
    std::vector<BarCell> first = op == Op::Multiply ? equalParts(op, n[0], n[1], made, q.missing)
                                                    : std::vector<BarCell>{{made, BarCell::Kind::FirstStep}};
    if (q.ops[1] == Op::Add) {
        first.push_back(cell(2));
        return {{cell(3)}, first};
    }
    return {first, {cell(3), cell(2)}};
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = mode >= 0 && mode < kModes ? mode : kAddSubtract;
    if (q.mode == kTwoSteps) {
        q.steps = 2;
        q.ops[0] = rnd.next() < 0.5f ? Op::Multiply : Op::Divide;
        q.ops[1] = rnd.next() < 0.5f ? Op::Add : Op::Subtract;
        long long made = 0;
        if (q.ops[0] == Op::Multiply) {
            q.numbers[0] = between(rnd, kLeastFactor, kLargestTwoStepFactor);
            q.numbers[1] = between(rnd, kLeastFactor, kLargestTwoStepFactor);
            made = q.numbers[0] * q.numbers[1];
        } else {
            q.numbers[1] = between(rnd, kLeastFactor, kLargestTwoStepFactor);
            made = between(rnd, kLeastFactor, kLargestTwoStepFactor);
            q.numbers[0] = q.numbers[1] * made;
        }
        // Taking away never leaves nothing: "3 × ? − 6 = 0" would still have one answer, but reads oddly.
        q.numbers[2] = between(rnd, 1, q.ops[1] == Op::Add ? kLargestTwoStepTerm : std::min(kLargestTwoStepTerm, made - 1));
        q.numbers[3] = q.ops[1] == Op::Add ? made + q.numbers[2] : made - q.numbers[2];
        q.missing = rnd.next() < 0.5f ? 0 : 1;
    } else {
        constexpr Op kAddOrTake[] = {Op::Add, Op::Subtract};
        constexpr Op kTimesOrShare[] = {Op::Multiply, Op::Divide};
        constexpr Op kAll[] = {Op::Add, Op::Subtract, Op::Multiply, Op::Divide};
        const float r = rnd.next();
        q.ops[0] = q.mode == kAddSubtract    ? kAddOrTake[r < 0.5f ? 0 : 1]
                   : q.mode == kMultiplyDivide ? kTimesOrShare[r < 0.5f ? 0 : 1]
                                               : kAll[std::min(3, static_cast<int>(r * 4))];
        const auto numbers = drawOneStep(q.ops[0], rnd);
        std::copy(numbers.begin(), numbers.end(), q.numbers.begin());
        q.missing = static_cast<int>(between(rnd, 0, 2));
    }
    q.resultFirst = rnd.next() < kResultFirstChance;
    return q;
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace missing
