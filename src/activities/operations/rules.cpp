#include "activities/operations/rules.h"

#include <algorithm>
#include <string_view>

#include "activities/shell/fresh.h"
#include "platform/random.h"

namespace operations {
namespace {
using Kind = Token::Kind;

bool isNumber(const Expression& e, int i) { return i >= 0 && i < int(e.size()) && e[std::size_t(i)].kind == Kind::Number; }
bool isSign(Kind k) { return k == Kind::Plus || k == Kind::Minus || k == Kind::Times || k == Kind::Divide; }

// The operation of sign `at`, its numbers either side; nothing for a division that is not exact.
std::optional<long long> operate(const Expression& e, int at) {
    const long long a = e[std::size_t(at - 1)].value, b = e[std::size_t(at + 1)].value;
    switch (e[std::size_t(at)].kind) {
        case Kind::Plus: return a + b;
        case Kind::Minus: return a - b;
        case Kind::Times: return a * b;
        case Kind::Divide:
            if (b == 0 || a % b != 0) return std::nullopt;
            return a / b;
        default: return std::nullopt;
    }
}

// A whole number in [low, high] from one draw.
long long between(platform::RandomSource& rnd, long long low, long long high) {
    const long long span = high - low + 1;
    return low + std::min(span - 1, static_cast<long long>(static_cast<double>(rnd.next()) * static_cast<double>(span)));
}
}  // namespace

std::optional<Step> nextStep(const Expression& e) {
    const int n = static_cast<int>(e.size());
    // The first closing bracket and the opening one before it hold the innermost brackets.
    int low = 0, high = n;
    bool inBrackets = false;
    for (int i = 0; i < n && !inBrackets; ++i) {
        if (e[std::size_t(i)].kind != Kind::Close) continue;
        int open = i - 1;
        while (open >= 0 && e[std::size_t(open)].kind != Kind::Open) --open;
        if (open < 0) return std::nullopt;
        low = open + 1;
        high = i;
        inBrackets = true;
    }
    Step step;
    const auto find = [&](auto matches) {
        for (int i = low; i < high; ++i)
            if (matches(e[std::size_t(i)].kind)) return i;
        return -1;
    };
    if (const int s = find([](Kind k) { return k == Kind::Squared; }); s >= 0) {
        if (!isNumber(e, s - 1) || s - 1 < low) return std::nullopt;
        step.from = s - 1;
        step.to = s + 1;
        step.value = e[std::size_t(s - 1)].value * e[std::size_t(s - 1)].value;
        step.rule = Rule::Squares;
    } else {
        int at = find([](Kind k) { return k == Kind::Times || k == Kind::Divide; });
        step.rule = Rule::TimesDivide;
        if (at < 0) {
            at = find([](Kind k) { return k == Kind::Plus || k == Kind::Minus; });
            step.rule = Rule::PlusMinus;
        }
        if (at < 0 || at - 1 < low || at + 1 >= high || !isNumber(e, at - 1) || !isNumber(e, at + 1)) return std::nullopt;
        const auto value = operate(e, at);
        if (!value) return std::nullopt;
        step.from = at - 1;
        step.to = at + 2;
        step.value = *value;
    }
    if (inBrackets) step.rule = Rule::Brackets;

    step.after.reserve(e.size());
    step.after.insert(step.after.end(), e.begin(), e.begin() + step.from);
    step.at = step.from;
    step.after.push_back({Kind::Number, step.value});
    step.after.insert(step.after.end(), e.begin() + step.to, e.end());
    // "(6)" is written "6".
    if (isNumber(step.after, step.at) && step.at > 0 && step.at + 1 < int(step.after.size()) &&
        step.after[std::size_t(step.at - 1)].kind == Kind::Open && step.after[std::size_t(step.at + 1)].kind == Kind::Close) {
        step.after.erase(step.after.begin() + step.at + 1);
        step.after.erase(step.after.begin() + step.at - 1);
        --step.at;
    }
    return step;
}

std::optional<std::vector<Step>> work(const Expression& e, long long largest) {
    std::vector<Step> steps;
    const Expression* current = &e;
    if (e.empty()) return std::nullopt;
    while (current->size() > 1) {
        auto step = nextStep(*current);
        if (!step || step->value < 0 || step->value > largest) return std::nullopt;
        steps.push_back(std::move(*step));
        current = &steps.back().after;
    }
    if (!isNumber(*current, 0)) return std::nullopt;
    return steps;
}

int operationCount(const Expression& e) {
    int count = 0;
    for (const Token& t : e) count += isSign(t.kind) || t.kind == Kind::Squared;
    return count;
}

std::optional<Expression> parse(const QString& text) {
    Expression e;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSpace()) continue;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            long long value = 0;
            int digits = 0;
            for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i, ++digits)
                value = value * 10 + (text[i].unicode() - '0');
            if (digits > 9) return std::nullopt;
            --i;
            e.push_back({Kind::Number, value});
            continue;
        }
        switch (c.unicode()) {
            case '+': e.push_back({Kind::Plus}); break;
            case '-':
            case 0x2212: e.push_back({Kind::Minus}); break;
            case '*':
            case 'x':
            case 0x00D7:
            case 0x00B7: e.push_back({Kind::Times}); break;
            case '/':
            case ':':
            case 0x00F7: e.push_back({Kind::Divide}); break;
            case '(': e.push_back({Kind::Open}); break;
            case ')': e.push_back({Kind::Close}); break;
            case 0x00B2: e.push_back({Kind::Squared}); break;
            case '^':
                if (i + 1 >= text.size() || text[i + 1] != QLatin1Char('2')) return std::nullopt;
                ++i;
                e.push_back({Kind::Squared});
                break;
            default: return std::nullopt;
        }
    }
    return e;
}

QString written(const Expression& e, const Signs& signs, std::vector<int>* starts, std::vector<int>* ends) {
    QString text;
    if (starts) starts->clear();
    if (ends) ends->clear();
    for (std::size_t i = 0; i < e.size(); ++i) {
        const Kind kind = e[i].kind;
        const bool joined = i == 0 || e[i - 1].kind == Kind::Open || kind == Kind::Close || kind == Kind::Squared;
        if (!joined) text += QLatin1Char(' ');
        if (starts) starts->push_back(static_cast<int>(text.size()));
        switch (kind) {
            case Kind::Number: text += QString::number(e[i].value); break;
            case Kind::Plus: text += QLatin1Char('+'); break;
            case Kind::Minus: text += QChar(0x2212); break;
            case Kind::Times: text += signs.times; break;
            case Kind::Divide: text += signs.divide; break;
            case Kind::Open: text += QLatin1Char('('); break;
            case Kind::Close: text += QLatin1Char(')'); break;
            case Kind::Squared: text += QChar(0x00B2); break;
        }
        if (ends) ends->push_back(static_cast<int>(text.size()));
    }
    return text;
}

namespace {
// The shapes of each mode's expressions: n a number, o a sign, brackets, s a square.
const char* const kTwoShapes[] = {"nonon"};
const char* const kThreeShapes[] = {"nononon"};
const char* const kBracketShapes[] = {"(non)on", "no(non)", "(non)onon", "no(non)on", "nono(non)", "(non)o(non)"};
const char* const kSquareShapes[] = {"nson", "nons", "nsonon", "nonson", "nonons", "(non)s", "(non)son", "no(non)s"};
struct Shapes {
    const char* const* list;
    int count;
};
constexpr Shapes kShapes[kModes] = {{kTwoShapes, 1}, {kThreeShapes, 1}, {kBracketShapes, 6}, {kSquareShapes, 8}};

bool highPriority(Kind k) { return k == Kind::Times || k == Kind::Divide; }

Kind drawSign(platform::RandomSource& rnd, bool high) {
    const bool first = rnd.next() < 0.5f;
    return high ? (first ? Kind::Times : Kind::Divide) : (first ? Kind::Plus : Kind::Minus);
}

// The signs of a shape, one per o. Mostly × or ÷ beside + or −, where the order matters; now and
// then all of one kind, worked left to right ("8 − 2 − 3", "12 ÷ 4 × 3"). Brackets always hold + or
// −: that is what they are for ("(8 − 2) × 3"), and "(10 × 6)" teaches nothing.
std::vector<Kind> drawSigns(std::string_view shape, platform::RandomSource& rnd) {
    const int count = static_cast<int>(std::count(shape.begin(), shape.end(), 'o'));
    std::vector<Kind> signs;
    const bool sameKind = rnd.next() < 0.25f;
    const bool firstHigh = rnd.next() < 0.5f;
    int depth = 0;
    for (char c : shape) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c != 'o') continue;
        const int i = static_cast<int>(signs.size());
        bool high = rnd.next() < 0.5f;
        if (depth > 0) {
            high = false;
        } else if (i == 0) {
            high = firstHigh;
        } else if (i == count - 1) {
            // Make sure both kinds are there unless this one is all of one kind.
            bool anyHigh = false, anyLow = false;
            for (Kind k : signs) (highPriority(k) ? anyHigh : anyLow) = true;
            if (sameKind) high = firstHigh;
            else if (!anyHigh) high = true;
            else if (!anyLow) high = false;
        } else if (sameKind) {
            high = firstHigh;
        }
        signs.push_back(drawSign(rnd, high));
    }
    return signs;
}

// Whether taking the brackets away changes the working: otherwise they teach nothing.
bool bracketsMatter(const Expression& e) {
    Expression bare;
    for (const Token& t : e)
        if (t.kind != Kind::Open && t.kind != Kind::Close) bare.push_back(t);
    const auto with = work(e, kLargestValue), without = work(bare, 1000000000);
    return !without || without->empty() || with->back().value != without->back().value;
}

std::optional<Expression> tryDraw(int mode, platform::RandomSource& rnd) {
    const Shapes& shapes = kShapes[mode];
    const std::string_view shape = shapes.list[std::min(shapes.count - 1, int(rnd.next() * float(shapes.count)))];
    const std::vector<Kind> signs = drawSigns(shape, rnd);
    Expression e;
    std::size_t sign = 0;
    bool inSquaredBrackets = false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const char c = shape[i];
        const char next = i + 1 < shape.size() ? shape[i + 1] : '\0';
        if (c == 'o') {
            e.push_back({signs[sign++]});
        } else if (c == '(') {
            e.push_back({Kind::Open});
            // A bracket that is squared holds small numbers, so the square stays in the tables.
            const std::size_t close = shape.find(')', i);
            inSquaredBrackets = close + 1 < shape.size() && shape[close + 1] == 's';
        } else if (c == ')') {
            e.push_back({Kind::Close});
            inSquaredBrackets = false;
        } else if (c == 's') {
            e.push_back({Kind::Squared});
        } else {
            long long value = 0;
            if (next == 's') {
                value = between(rnd, 2, 10);
            } else if (inSquaredBrackets) {
                value = between(rnd, 1, 8);
            } else {
                // Beside × or ÷ a times-table number, otherwise up to 20.
                const bool besideHigh = (!e.empty() && highPriority(e.back().kind)) || (next == 'o' && highPriority(signs[sign]));
                value = besideHigh ? between(rnd, 2, 10) : between(rnd, 1, 20);
            }
            e.push_back({Kind::Number, value});
        }
    }
    // A number divided is drawn as a multiple of its divisor, so most divisions come out exact.
    for (std::size_t i = 1; i + 1 < e.size(); ++i)
        if (e[i].kind == Kind::Divide && e[i - 1].kind == Kind::Number && e[i + 1].kind == Kind::Number)
            e[i - 1].value = e[i + 1].value * between(rnd, 2, 10);

    const auto steps = work(e, kLargestValue);
    if (!steps) return std::nullopt;
    // Nothing along the way comes to nought: "× (3 − 3)" is a trick, not practice.
    for (std::size_t s = 0; s + 1 < steps->size(); ++s)
        if ((*steps)[s].value == 0) return std::nullopt;
    if (mode == kBrackets && !bracketsMatter(e)) return std::nullopt;
    return e;
}

// Used only if the draws keep failing, which they should never do for long.
const char* const kFallbacks[kModes] = {"3 + 4 × 5", "20 − 3 × 4 + 2", "(8 − 2) × 3 + 1", "3² + 4 × 2"};
}  // namespace

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    const int m = mode >= 0 && mode < kModes ? mode : kTwoOperations;
    constexpr int kTries = 2000;
    for (int i = 0; i < kTries; ++i)
        if (auto e = tryDraw(m, rnd)) return {m, std::move(*e)};
    return {m, *parse(QString::fromUtf8(kFallbacks[m]))};
}

Question nextQuestion(int mode, platform::RandomSource& rnd, const std::optional<Question>& current) {
    return shell::drawFresh(current, [&] { return drawQuestion(mode, rnd); });
}

}  // namespace operations
