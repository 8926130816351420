#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "activities/directed/rules.h"
#include "platform/numtext.h"
#include "platform/random.h"

using namespace directed;
using platform::ScriptedRandom;

namespace {
const float kJustBelowOne = std::nextafter(1.0f, 0.0f);
}

TEST(DirectedRules, LineLowCoversItsRangeAtBothEndsOfRnd) {
    struct Case {
        int qkind;
        float r;
        float linelow;
    };
    const std::vector<Case> cases{
        {kWhole, 0, -50},      {kWhole, kJustBelowOne, 48},      {kTenths, 0, -10},
        {kTenths, kJustBelowOne, 8}, {kHundredths, 0, -10}, {kHundredths, kJustBelowOne, 8},
    };
    for (const Case& c : cases) {
        ScriptedRandom rnd{c.r};
        EXPECT_EQ(drawLineLow(rnd, c.qkind), c.linelow) << "kind " << c.qkind << " r " << c.r;
    }
}

TEST(DirectedRules, KindAndOperationDrawsNeverLeaveTheirRange) {
    struct Case {
        int low, high;
        float r;
        int kind;
    };
    const std::vector<Case> cases{{1, 3, 0, 1},          {1, 3, 0.34f, 2},         {1, 3, 0.67f, 3},
                                  {1, 3, kJustBelowOne, 3}, {2, 2, kJustBelowOne, 2}, {3, 3, kJustBelowOne, 3}};
    for (const Case& c : cases) {
        ScriptedRandom rnd{c.r};
        EXPECT_EQ(drawKind(rnd, c.low, c.high), c.kind) << c.low << ".." << c.high << " r " << c.r;
    }
    const std::vector<std::pair<float, float>> operations{
        {0, 1}, {std::nextafter(0.5f, 0.0f), 1}, {0.5f, 2}, {kJustBelowOne, 2}};
    for (const auto& [r, opkind] : operations) {
        ScriptedRandom rnd{r};
        EXPECT_EQ(drawOpkind(rnd), opkind) << r;
    }
}

TEST(DirectedRules, EveryAcceptedQuestionStaysOnTheLine) {
    platform::ClockRandom rnd;
    const std::vector<std::pair<int, float>> kinds{{kWhole, 10.0f}, {kTenths, 1.0f}, {kHundredths, 0.10f}};
    for (const auto& [qkind, largestAmount] : kinds) {
        for (int n = 0; n < 2000; ++n) {
            rnd.reseed();
            const float linelow = drawLineLow(rnd, qkind);
            const float linehigh = static_cast<float>(platform::numValue(lineLabels(qkind, linelow)[20]));
            const StartAndAmount q = drawStartAndAmount(rnd, qkind, linelow, linehigh);
            ASSERT_LE(q.startval + q.amount, linehigh) << qkind;
            ASSERT_GE(q.startval - q.amount, linelow) << qkind;
            ASSERT_GT(q.amount, 0.0f) << qkind;
            ASSERT_LE(q.amount, largestAmount) << qkind;
            for (const float opkind : {1.0f, 2.0f}) {
                const int k = tickIndex(answerOf(q.startval, q.amount, opkind), linelow, lineStep(qkind));
                ASSERT_GE(k, 0);
                ASSERT_LE(k, 20);
            }
        }
    }
}

TEST(DirectedRules, RejectedPairDrawsStartValueAgainBeforeAmount) {
    // Start 20 + 1 leaves a line from 0 to 20; then start 10 and amount 9 fit.
    ScriptedRandom rnd{0.99f, 0.0f, 0.5f, 0.45f};
    const StartAndAmount q = drawStartAndAmount(rnd, kWhole, 0, 20);
    EXPECT_EQ(q.startval, 10);
    EXPECT_EQ(q.amount, 9);
    EXPECT_EQ(rnd.remaining(), 0u);
}

TEST(DirectedRules, FractionDrawsAreRoundedToTheirDecimals) {
    struct Case {
        int qkind;
        float linelow, linehigh, rStart, rAmount;
        float startval, amount;
    };
    const std::vector<Case> cases{
        {kTenths, -10, -8, 1.0f / 3, 0, -9, 0.1f},             // a whole start value stays whole
        {kTenths, -1, 1, 1.0f / 3, 0.3333f, 0, 1.0f},          // 0.99991 rounds up to 1.0
        {kHundredths, 8, 8.2f, 0.0583f, 0.0272f, 8.07f, 0.06f}, // 8.06996 and 0.060048
    };
    for (const Case& c : cases) {
        ScriptedRandom rnd{c.rStart, c.rAmount};
        const StartAndAmount q = drawStartAndAmount(rnd, c.qkind, c.linelow, c.linehigh);
        EXPECT_EQ(q.startval, c.startval);
        EXPECT_EQ(q.amount, c.amount);
    }
}

TEST(DirectedRules, LabelTextsInPointAndCommaLanguages) {
    struct Case {
        int qkind;
        float linelow;
        bool comma;
        std::vector<std::pair<int, const char*>> labels;
    };
    const std::vector<Case> cases{
        {kWhole, -50, false, {{0, "-50"}, {1, "-49"}, {20, "-30"}}},
        {kTenths, -10, false, {{0, "-10"}, {1, "-9.9"}, {9, "-9.1"}, {10, "-9"}, {11, "-8.9"}, {20, "-8"}}},
        {kTenths, -1, false, {{0, "-1"}, {1, "-0.9"}, {9, "-0.1"}, {10, "0"}, {11, "0.1"}, {19, "0.9"}, {20, "1"}}},
        {kTenths, -1, true, {{0, "-1"}, {1, "-0,9"}, {9, "-0,1"}, {10, "0,0"}, {11, "0,1"}, {19, "0,9"}, {20, "1,0"}}},
        {kTenths, -10, true, {{0, "-10"}, {1, "-9,9"}, {10, "-9,0"}, {20, "-8,0"}}},
        {kTenths, 8, true, {{0, "8"}, {10, "9,0"}, {20, "10,0"}}},
        {kHundredths, -10, false, {{0, "-10"}, {1, "-9.99"}, {10, "-9.90"}, {20, "-9.80"}}},
        {kHundredths, -10, true, {{0, "-10"}, {1, "-9,99"}, {10, "-9,90"}, {20, "-9,80"}}},
        {kHundredths, 8, true, {{0, "8"}, {1, "8,01"}, {20, "8,20"}}},
        {kHundredths, -1, false, {{0, "-1"}, {1, "-0.99"}, {20, "-0.80"}}},
    };
    for (const Case& c : cases) {
        LabelTexts labels = lineLabels(c.qkind, c.linelow);
        if (c.comma) rewriteWithComma(labels, c.qkind);
        for (const auto& [i, text] : c.labels)
            EXPECT_EQ(labels[i], QString::fromUtf8(text)) << "kind " << c.qkind << " from " << c.linelow << " label " << i;
    }
}

TEST(DirectedRules, LabelsNeverDriftAlongAnyFractionLine) {
    for (const int qkind : {kTenths, kHundredths})
        for (int low = -10; low <= 8; ++low) {
            const LabelTexts labels = lineLabels(qkind, static_cast<float>(low));
            for (int i = 1; i < kTicks; ++i) {
                const qsizetype point = labels[i].indexOf('.');
                const qsizetype decimals = point < 0 ? 0 : labels[i].size() - point - 1;
                EXPECT_NEAR(platform::numValue(labels[i]), low + i * lineStep(qkind), 1e-12) << labels[i].toStdString();
                EXPECT_TRUE(qkind == kHundredths ? decimals == 2 : decimals <= 1) << labels[i].toStdString();
            }
        }
}

TEST(DirectedRules, SentencesInEveryLanguageRule) {
    const SentenceRows rows{"Start at", "Add or take", "and move the arrow up.", "and move the arrow down."};
    struct Case {
        int langindex, qkind;
        float startval, amount, opkind;
        const char* start;
        const char* instruction;
    };
    const std::vector<Case> cases{
        {0, kTenths, -9, 0.3f, 2, "Start at -9 .", "Add or take 0.3 and move the arrow up."},
        {6, kHundredths, 0.05f, 0.05f, 1, "Start at 0.05 .", "Add or take 0.05 and move the arrow down."},
        {1, kTenths, -9, 0.3f, 1, "Start at  -9 .", "Add or take  0,3  and move the arrow down."},
        {2, kTenths, 1.5f, 0.3f, 2, "Start at  1,5 .", "Addiere  0,3  und ziehe den Pfeil auf seine neue Position."},
        {2, kWhole, 4, 7, 1, "Start at 4 .", "Subtrahiere 7 und ziehe den Pfeil auf seine neue Position."},
        {3, kHundredths, -9.9f, 0.05f, 2, "Start at  -9,9 .",
         "Arrastrar la flecha a su nueva posición si se suma  0,05  ."},
        {3, kWhole, -12, 3, 1, "Start at -12 .", "Arrastrar la flecha a su nueva posición si se resta 3 ."},
        {-1, kHundredths, 0.5f, 0.02f, 1, "Start at  0,5 .", "Add or take  0,02  and move the arrow down."},
    };
    for (const Case& c : cases) {
        const SentenceNumbers s = sentenceNumbers(c.startval, c.amount, c.langindex, c.qkind);
        EXPECT_EQ(startSentence(rows, s.s1), QString::fromUtf8(c.start)) << c.langindex;
        EXPECT_EQ(instructionSentence(rows, c.langindex, c.opkind, s.s2), QString::fromUtf8(c.instruction)) << c.langindex;
    }
}

TEST(DirectedRules, TickIndexAbsorbsSinglePrecisionError) {
    struct Case {
        float value, linelow;
        double step;
        int tick;
    };
    const std::vector<Case> cases{
        {8.07f - 0.06f, 8, 0.01, 1},     // 0.99993 ticks
        {-0.93f + 0.07f, -1, 0.01, 14},  // 13.9999986 ticks
        {-2.2f - 0.7f, -3, 0.1, 1},      // 0.999999 ticks
        {3.15f - 0.03f, 3, 0.01, 12},
        {2.5f, 0, 1, 2},  // halves go to the even tick
        {3.5f, 0, 1, 4},
    };
    for (const Case& c : cases) EXPECT_EQ(tickIndex(c.value, c.linelow, c.step), c.tick) << c.value;
}

TEST(DirectedRules, ReleaseSnapsAtTheBoundaryRightOfEachTick) {
    std::array<float, kTicks> ticks{};
    for (int k = 0; k < kTicks; ++k) ticks[k] = designTickX(k);
    ASSERT_EQ(ticks[20], 9705);
    struct Case {
        float centre;
        int tick;
    };
    const std::vector<Case> cases{
        {ticks[0] + 235, 0},   {ticks[0] + 236, 1},     {ticks[7] + 235, 7},   {ticks[7] + 235.5f, 8},
        {ticks[7] + 236, 8},   {ticks[7] - 236, 6},     {ticks[19] + 235, 19}, {ticks[19] + 236, 20},
        {ticks[12], 12},       {-20000, 0},             {30000, 20},
    };
    for (const Case& c : cases) EXPECT_EQ(snapTick(c.centre, ticks), c.tick) << c.centre;
}

namespace {
// A repeatable source that counts its draws.
class CountingSource : public platform::RandomSource {
public:
    explicit CountingSource(unsigned seed) : m_engine(seed) {}
    float next() override {
        ++draws;
        return static_cast<float>(m_engine() >> 8) / 16777216.0f;
    }
    void reseed() override {}
    long draws = 0;

private:
    std::mt19937 m_engine;
};

// The draw loop as the rules read, rounding every pass through its text.
directed::StartAndAmount plainDraw(platform::RandomSource& rnd, int qkind, float linelow, float linehigh) {
    const int decimals = qkind == directed::kTenths ? 1 : 2;
    const auto rounded = [&](double v) { return float(platform::numValue(platform::fixedText(v, decimals))); };
    for (;;) {
        const float span = linehigh - linelow + 1.0f;
        const float start = rounded(span * rnd.next() + linelow);
        const float amount = rounded(qkind == directed::kTenths ? double(rnd.next()) * 2.7 + 0.1 : double(rnd.next()) * 1.84 + 0.01);
        if (start + amount <= linehigh && start - amount >= linelow) return {start, amount};
    }
}
}  // namespace

TEST(DirectedRules, SkippingHopelessDrawsKeepsEveryQuestionAndEveryDraw) {
    for (const int qkind : {directed::kTenths, directed::kHundredths}) {
        CountingSource fast(7), plain(7);
        for (int low = -10; low <= 8; ++low) {
            const float linelow = float(low);
            const float linehigh = float(platform::numValue(directed::lineLabels(qkind, linelow)[directed::kTicks - 1]));
            for (int i = 0; i < 300; ++i) {
                const auto a = directed::drawStartAndAmount(fast, qkind, linelow, linehigh);
                const auto b = plainDraw(plain, qkind, linelow, linehigh);
                ASSERT_EQ(a.startval, b.startval) << qkind << " " << low << " " << i;
                ASSERT_EQ(a.amount, b.amount) << qkind << " " << low << " " << i;
                ASSERT_EQ(fast.draws, plain.draws) << qkind << " " << low << " " << i;
            }
        }
    }
}
