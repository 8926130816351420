#pragma once
// The rules of the order of operations as schools teach them: brackets first, then squares, then ×
// and ÷ from left to right, then + and − from left to right. An expression is worked one operation
// at a time, and every question's working stays in whole numbers that are never below zero.
#include <QString>
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace operations {

enum Mode { kTwoOperations, kThreeOperations, kBrackets, kSquares, kModes };

struct Token {
    enum class Kind { Number, Plus, Minus, Times, Divide, Open, Close, Squared };
    Kind kind = Kind::Number;
    long long value = 0;  // a number's value
    friend bool operator==(const Token&, const Token&) = default;
};
using Expression = std::vector<Token>;

// Which part of the rule picks an operation: it stands inside brackets, it is a square, it is ×
// or ÷, it is + or −.
enum class Rule { Brackets, Squares, TimesDivide, PlusMinus };

// One operation worked out.
struct Step {
    int from = 0;  // the tokens worked out, [from, to), in the expression before the step
    int to = 0;
    long long value = 0;
    Rule rule = Rule::PlusMinus;
    Expression after;  // the expression written again with the operation worked out
    int at = 0;        // where the value stands in `after`
};

// The next operation by the rule; nothing when one number is left or the tokens do not make an
// expression. Brackets that come to hold one number are dropped in the same step.
std::optional<Step> nextStep(const Expression& e);
// Every step until one number is left; nothing when a step would divide unevenly or by zero, go
// below zero, or pass `largest`, or when the tokens do not make an expression.
std::optional<std::vector<Step>> work(const Expression& e, long long largest = 1000000);
// The + − × ÷ and squares in an expression.
int operationCount(const Expression& e);

// Reads "3 + 4 × 5", "(8 - 2) * 3", "12 : 4", "5²" or "5^2"; nothing when something else is there.
std::optional<Expression> parse(const QString& text);

// The signs of × and ÷ as a language writes them ("×" or "·", "÷" or ":").
struct Signs {
    QString times = QStringLiteral("\u00D7");
    QString divide = QStringLiteral("\u00F7");
};
// The expression as the class reads it, "(8 − 2) × 3 + 1": a space either side of each sign, none
// inside brackets or before a square. `starts` and `ends`, when given, receive where each token's
// text begins and ends.
QString written(const Expression& e, const Signs& signs, std::vector<int>* starts = nullptr, std::vector<int>* ends = nullptr);

struct Question {
    int mode = kTwoOperations;
    Expression expression;
    friend bool operator==(const Question&, const Question&) = default;
};

// No value in a question's working passes this, so every step can be done in the head.
inline constexpr long long kLargestValue = 200;

// One question of the mode, its working whole, never below zero, and within kLargestValue.
Question drawQuestion(int mode, platform::RandomSource& rnd);
// A question of the mode that is not the one on the board.
Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

}  // namespace operations
