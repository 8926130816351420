#include "activities/directed/rules.h"

#include <cmath>

#include "platform/numtext.h"
#include "platform/random.h"

namespace directed {

using platform::fixedText;
using platform::Int;
using platform::numText;
using platform::numValue;

namespace {
constexpr int kGerman = 2;
constexpr int kSpanish = 3;

// A value written in a fixed format and read back, as the labels and sentences will show it.
float roundedTo(double value, int decimals) { return static_cast<float>(numValue(fixedText(value, decimals))); }
}  // namespace

// Small whole-number draws are formed in double: in single precision a Rnd just below 1 rounds
// up to the next whole number, a kind or operation that does not exist.
int drawKind(platform::RandomSource& rnd, int kindlow, int kindhigh) {
    return static_cast<int>(Int((kindhigh - kindlow + 1) * static_cast<double>(rnd.next()) + kindlow));
}

float drawLineLow(platform::RandomSource& rnd, int qkind) {
    const float r = rnd.next();
    if (qkind == kWhole) return static_cast<float>(Int(r * 99.0f - 50.0f));
    return static_cast<float>(Int(r * 19.0f - 10.0f));
}

double lineStep(int qkind) {
    switch (qkind) {
        case kTenths: return 0.1;
        case kHundredths: return 0.01;
        default: return 1;
    }
}

LabelTexts lineLabels(int qkind, float linelow) {
    LabelTexts labels;
    labels[0] = numText(linelow);
    for (int i = 1; i < kTicks; ++i) {
        const double previous = numValue(labels[i - 1]);
        switch (qkind) {
            case kWhole: labels[i] = numText(previous + 1); break;
            case kTenths: labels[i] = numText(previous + 0.1); break;
            default: labels[i] = fixedText(previous + 0.01, 2); break;
        }
    }
    return labels;
}

StartAndAmount drawStartAndAmount(platform::RandomSource& rnd, int qkind, float linelow, float linehigh) {
    const float linestep = static_cast<float>(lineStep(qkind));
    for (;;) {
        StartAndAmount q{};
        const float span = linehigh - linelow + 1.0f;
        switch (qkind) {
            case kWhole:
                q.startval = static_cast<float>(Int(span * rnd.next() + linelow));
                q.amount = static_cast<float>(Int((linehigh - linelow - linestep) * rnd.next() + 1.0f));
                break;
            default: {
                const int decimals = qkind == kTenths ? 1 : 2;
                const float start = span * rnd.next() + linelow;
                const double amount = qkind == kTenths ? static_cast<double>(rnd.next()) * 2.7 + 0.1
                                                       : static_cast<double>(rnd.next()) * 1.84 + 0.01;
                // Rounding moves a value by half a digit at most, so a draw this far off can never
                // fit: skip its text round trip (most hundredths draws are rejected).
                const double slack = qkind == kTenths ? 0.06 : 0.006;
                const double halfLine = (static_cast<double>(linehigh) - linelow) / 2;
                if (amount > halfLine + slack || start < linelow - slack || start > linehigh + slack) continue;
                q.startval = roundedTo(start, decimals);
                q.amount = roundedTo(amount, decimals);
                break;
            }
        }
        const float sum = q.startval + q.amount;
        const float difference = q.startval - q.amount;
        if (sum <= linehigh && difference >= linelow) return q;
    }
}

float drawOpkind(platform::RandomSource& rnd) { return static_cast<float>(Int(static_cast<double>(rnd.next()) * 2 + 1)); }

float answerOf(float startval, float amount, float opkind) {
    return opkind == 2 ? startval + amount : startval - amount;
}

bool usesDecimalComma(int langindex, int qkind) {
    return (qkind == kTenths || qkind == kHundredths) && langindex != 0 && langindex != 6;
}

QString withComma(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('.'), QLatin1Char(','));
    return out;
}

void rewriteWithComma(LabelTexts& labels, int qkind) {
    if (qkind == kTenths) {
        for (int i = 1; i <= 19; ++i) labels[i] = withComma(labels[i]);
        labels[10] += QStringLiteral(",0");
        labels[20] += QStringLiteral(",0");
    } else if (qkind == kHundredths) {
        for (int i = 1; i <= 20; ++i) labels[i] = withComma(labels[i]);
    }
}

SentenceNumbers sentenceNumbers(float startval, float amount, int langindex, int qkind) {
    if (!usesDecimalComma(langindex, qkind)) return {numText(startval), numText(amount)};
    const QString blank = QStringLiteral(" ");
    return {blank + withComma(numText(startval)), blank + withComma(numText(amount)) + blank};
}

QString startSentence(const SentenceRows& rows, const QString& s1) {
    return rows.start + QStringLiteral(" ") + s1 + QStringLiteral(" .");
}

QString instructionSentence(const SentenceRows& rows, int langindex, float opkind, const QString& s2) {
    const bool addition = opkind == 2;
    const QString blank = QStringLiteral(" ");
    if (langindex == kGerman)
        return (addition ? QStringLiteral("Addiere") : QStringLiteral("Subtrahiere")) + blank + s2 +
               QStringLiteral(" und ziehe den Pfeil auf seine neue Position.");
    if (langindex == kSpanish)
        return (addition ? QStringLiteral("Arrastrar la flecha a su nueva posición si se suma")
                         : QStringLiteral("Arrastrar la flecha a su nueva posición si se resta")) +
               blank + s2 + QStringLiteral(" .");
    return rows.instruction + blank + s2 + blank + (addition ? rows.addition : rows.subtraction);
}

int tickIndex(float value, float linelow, double linestep) {
    const float difference = value - linelow;
    return static_cast<int>(std::nearbyint(static_cast<double>(difference) / linestep));
}

float designTickX(int k) { return 285.0f + 471.0f * static_cast<float>(k); }

int snapTick(float centre, const std::array<float, kTicks>& tickX) {
    for (int k = kTicks - 2; k >= 0; --k) {
        const float boundary = tickX[k] + kSnapBoundary;
        if (centre > boundary) return k + 1;
    }
    return 0;
}

}  // namespace directed
