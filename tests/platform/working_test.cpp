// The controls that write out working: a line of sums with underlines and a box, and a bar model.
#include <gtest/gtest.h>

#include <numeric>

#include "platform/barmodel.h"
#include "platform/mathline.h"

namespace {

using platform::MathLine;

TEST(BarModelWidths, SharesTheRowButNeverSqueezesALabel) {
    struct Case {
        std::vector<double> shares;
        std::vector<float> least;
        float total;
        std::vector<float> widths;
    };
    const Case cases[] = {
        {{1, 3}, {100, 100}, 4000, {1000, 3000}},               // in proportion
        {{1, 99}, {500, 500}, 5000, {500, 4500}},               // the small part keeps room for its label
        {{1, 1, 98}, {600, 600, 600}, 6000, {600, 600, 4800}},  // two held, the rest shared
        {{5, 5}, {3000, 1000}, 2000, {1500, 500}},              // labels overfill: all shrink together
        {{0, 0}, {0, 0}, 1000, {500, 500}},                     // no shares at all: equal parts
        {{}, {}, 1000, {}},
    };
    for (const Case& c : cases) {
        const std::vector<float> widths = platform::shareWidths(c.shares, c.least, c.total);
        ASSERT_EQ(widths.size(), c.widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i) EXPECT_NEAR(widths[i], c.widths[i], 0.5f) << i;
        if (!widths.empty()) {
            EXPECT_NEAR(std::accumulate(widths.begin(), widths.end(), 0.0f), c.total, 0.5f);
        }
    }
}

TEST(MathLineLayout, ALongLineShrinksToFitButNeverBelowItsLeastSize) {
    MathLine line(QStringLiteral("line"), 0, 0, 4000, 1000);
    line.setFont({QStringLiteral("Tahoma"), 40, true});
    line.setSmallestSize(18);
    line.setPieces({{QStringLiteral("3 + 4")}});
    EXPECT_EQ(line.fittedSize(), 40);
    line.setPieces({{QStringLiteral("(12 + 8) ÷ 4 × 3 − 9")}});
    EXPECT_LT(line.fittedSize(), 40);
    EXPECT_GE(line.fittedSize(), 18);
    EXPECT_LE(line.pieceRect(0).width(), 4000);
    line.setPieces({{QStringLiteral("123456789 + 123456789 + 123456789 + 123456789")}});
    EXPECT_EQ(line.fittedSize(), 18);
}

TEST(MathLineLayout, PiecesStandSideBySideCentredAndABoxIsNeverNarrowerThanTwoDigits) {
    MathLine line(QStringLiteral("line"), 0, 0, 9000, 1000);
    line.setPieces({{QStringLiteral("57 − ")}, {QString(), MathLine::Boxed}, {QStringLiteral(" = 35")}});
    const QRectF a = line.pieceRect(0), box = line.pieceRect(1), c = line.pieceRect(2);
    EXPECT_FLOAT_EQ(float(box.left()), float(a.right()));
    EXPECT_FLOAT_EQ(float(c.left()), float(box.right()));
    EXPECT_NEAR(a.left(), 9000 - c.right(), 1);
    const float empty = float(box.width());
    line.setPieceText(1, QStringLiteral("7"));
    EXPECT_FLOAT_EQ(float(line.pieceRect(1).width()), empty);
    line.setPieceText(1, QStringLiteral("12345"));
    EXPECT_GT(line.pieceRect(1).width(), empty);
    EXPECT_EQ(line.text(), QStringLiteral("57 − 12345 = 35"));
    line.setPieceText(7, QStringLiteral("ignored"));
    EXPECT_EQ(line.text(), QStringLiteral("57 − 12345 = 35"));
}

}  // namespace
