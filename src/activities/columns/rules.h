#pragma once
// The rules of the column method: the questions of each mode, the working of each column from the
// right (carries for addition, exchanges for subtraction), and the sheet of squared paper the
// class sees, each mark tagged with the solution step that writes it.
#include <optional>
#include <vector>

#include "platform/decimal.h"
#include "platform/sheet.h"

namespace platform {
class RandomSource;
}

namespace columns {

enum Mode { kTwoDigit, kThreeDigit, kFourDigit, kThreeNumbers, kDecimals, kSubtraction, kModes };

struct Question {
    int mode = kTwoDigit;
    std::vector<platform::Decimal> numbers;  // top to bottom; subtraction takes the second from the first
    bool subtracts() const { return mode == kSubtraction; }
    // Decimal places of the longest number: every number is lined up on this many.
    int places() const;
    friend bool operator==(const Question&, const Question&) = default;
};

platform::Decimal answer(const Question& q);

// One column of the working, rightmost first.
struct Column {
    int place = 0;            // 0 for the rightmost column, counting left
    std::vector<int> digits;  // each number's digit here, top first; -1 where a number has none
    int carryIn = 0;          // addition: carried in from the column on the right
    int top = 0;              // subtraction: the top digit once any exchange is made
    bool exchanged = false;   // subtraction: 1 taken from the columns on the left
    int total = 0;            // the column's sum (addition) or difference (subtraction)
    int digit = 0;            // written under the line
    int carryOut = 0;         // addition: carried to the next column
};
std::vector<Column> working(const Question& q);
// Whether the answer has a digit at a place of the working: zeros in front of it are not written.
bool answerHasDigit(const Question& q, int place);
// Columns that carry a digit on (addition) or need an exchange (subtraction).
int regroupings(const Question& q);

// Colours of what the sheet holds.
enum Role { kNumberInk, kSignInk, kAnswerInk, kCarryInk, kPlaceholderInk, kRuleInk, kRoles };

// The sheet: the numbers lined up by their last digit or their point, the sign, the line, then one
// step per column from the right writing its digit and its carry (or its exchange). Dutch classes
// write the sign after the last number (`signAfter`), the others before it.
struct Layout {
    platform::Sheet sheet;
    int answerRow = 0;
    std::vector<int> answerColumns;  // the answer's cells, left to right
    int pointColumn = -1;            // where the points line up; -1 for whole numbers
    int columnOf(int place) const;   // the sheet column of a place of the working
};
Layout layout(const Question& q, QChar point = QLatin1Char('.'), bool signAfter = false);

// Whether the digits a pupil wrote in the answer cells (left to right, "" for an empty cell) are
// the answer: every digit in its column; an empty cell or a 0 is fine left of the answer's first digit.
bool answerWritten(const Question& q, const std::vector<QString>& cells);

// One question of the mode: at least one column carries (or exchanges); `many` asks for two or more.
Question drawQuestion(int mode, platform::RandomSource& rnd, bool many);

// Alternates questions that regroup in one column with ones that regroup in two or more, so half
// of any run carry twice; never the question on the board.
class Questions {
public:
    Question next(int mode, platform::RandomSource& rnd, const std::optional<Question>& current);

private:
    bool m_many = false;
};

}  // namespace columns
