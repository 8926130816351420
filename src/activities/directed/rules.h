#pragma once
// The rules of the number-line questions: the line of each kind of number, the draws of a question,
// the texts the class reads, the tick of a value and the tick a released arrow snaps to.
#include <QString>
#include <array>

namespace platform {
class RandomSource;
}

namespace directed {

inline constexpr int kTicks = 21;
using LabelTexts = std::array<QString, kTicks>;

// Number kinds as the option buttons choose them.
enum NumberKind { kWhole = 1, kTenths = 2, kHundredths = 3 };

// A centre this many twips right of a tick, or less, stays on that tick.
inline constexpr float kSnapBoundary = 235;

// qkind: a kind between kindlow and kindhigh, each equally likely.
int drawKind(platform::RandomSource& rnd, int kindlow, int kindhigh);

// The value at tick 0: −50..48 for whole numbers, −10..8 for tenths and hundredths.
float drawLineLow(platform::RandomSource& rnd, int qkind);

// 1 for whole numbers, 0.1 for tenths, 0.01 for hundredths.
double lineStep(int qkind);

// The 21 label texts with decimal points; each label is read back from the one before it, so
// rounding never accumulates along the line.
LabelTexts lineLabels(int qkind, float linelow);

struct StartAndAmount {
    float startval;
    float amount;
};
// Draws start value and amount afresh until both the sum and the difference stay on the line.
StartAndAmount drawStartAndAmount(platform::RandomSource& rnd, int qkind, float linelow, float linehigh);

// 2 = addition, 1 = subtraction.
float drawOpkind(platform::RandomSource& rnd);
float answerOf(float startval, float amount, float opkind);

// Only English and Welsh keep the decimal point on this screen, and only fractions are affected.
bool usesDecimalComma(int langindex, int qkind);
QString withComma(const QString& text);
// Labels 1..20 with commas; a tenths line's whole-number labels 10 and 20 gain ",0".
void rewriteWithComma(LabelTexts& labels, int qkind);

// s1 and s2 of the sentences: in comma languages they carry their own blanks.
struct SentenceNumbers {
    QString s1;
    QString s2;
};
SentenceNumbers sentenceNumbers(float startval, float amount, int langindex, int qkind);

// The texts the sentences are built from (text rows 149 to 152).
struct SentenceRows {
    QString start;        // before the start value
    QString instruction;  // before the amount
    QString addition;     // after the amount, addition
    QString subtraction;  // after the amount, subtraction
};
QString startSentence(const SentenceRows& rows, const QString& s1);
// German and Spanish read their own fixed wording, not the table's.
QString instructionSentence(const SentenceRows& rows, int langindex, float opkind, const QString& s2);

// The tick of a value: single-precision difference, double quotient, halves to even.
int tickIndex(float value, float linelow, double linestep);

// X of tick k at load: 285 + 471·k.
float designTickX(int k);

// The tick a released arrow snaps to, given its centre and the X of each tick.
int snapTick(float centre, const std::array<float, kTicks>& tickX);

}  // namespace directed
