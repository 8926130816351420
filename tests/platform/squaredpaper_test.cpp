#include <gtest/gtest.h>

#include "platform/squaredpaper.h"

using platform::Sheet;
using platform::SquaredPaper;

namespace {
// A 7 crossed out at step 1 with a 6 written above it, and a carried 1 sliding in at step 2.
Sheet exchangeSheet() {
    Sheet s;
    s.rows = 3;
    s.columns = 3;
    s.inks.push_back({1, 1, "7", Sheet::Size::Big, Sheet::Place::Centre, 0, 0, 1});
    s.inks.push_back({0, 1, "6", Sheet::Size::Small, Sheet::Place::Centre, 1, 1});
    Sheet::Ink carry{2, 2, "1", Sheet::Size::Small, Sheet::Place::Centre, 1, 2};
    carry.slides = true;
    carry.fromRow = 2;
    carry.fromColumn = 0;
    s.inks.push_back(carry);
    s.rules.push_back({2, 0, 2, 3, 2});
    return s;
}
}  // namespace

TEST(SquaredPaper, ShowsEachStepsInkAndCrossingOutInTurn) {
    SquaredPaper paper("paper", 0, 0);
    paper.setSheet(exchangeSheet(), 600, 0.5f);
    EXPECT_EQ(paper.width(), 2400);
    struct Case {
        int step;
        const char* big;
        const char* small;
        const char* carry;
        bool rule;
    } cases[] = {
        {0, "7", "", "", false},
        {1, "(7)", "6", "", false},
        {2, "(7)", "6", "1", true},
    };
    for (const Case& c : cases) {
        paper.setStep(c.step);
        EXPECT_EQ(paper.shownText(1, 1), QString(c.big)) << c.step;
        EXPECT_EQ(paper.shownText(0, 1, Sheet::Size::Small), QString(c.small)) << c.step;
        EXPECT_EQ(paper.shownText(2, 2, Sheet::Size::Small), QString(c.carry)) << c.step;
        EXPECT_EQ(paper.ruleShown(0), c.rule) << c.step;
    }
    EXPECT_EQ(exchangeSheet().lastStep(), 2);
}

TEST(SquaredPaper, OnlyEntryCellsTakeTapsAndTyping) {
    SquaredPaper paper("paper", 0, 0);
    paper.setSheet(exchangeSheet(), 600, 0.5f);
    paper.setEntryCells({{2, 1}, {2, 2}});
    std::vector<std::pair<int, int>> tapped;
    paper.onCellTapped = [&](int r, int c) { tapped.emplace_back(r, c); };
    // Cell (2, 1) spans 900–1500 across and 1500–2100 down, past half a cell of margin.
    paper.press({platform::LeftButton, 0, 1000, 1600});
    paper.press({platform::LeftButton, 0, 1000, 1000});  // (1, 1): the sum's own digit
    paper.press({platform::LeftButton, 0, 100, 1600});   // the margin
    EXPECT_EQ(tapped, (std::vector<std::pair<int, int>>{{2, 1}}));

    paper.setEntry(2, 1, "4");
    paper.setEntry(1, 1, "9");
    EXPECT_EQ(paper.entry(2, 1), "4");
    EXPECT_EQ(paper.entry(1, 1), "");
    paper.setSelected(1, 1);
    EXPECT_EQ(paper.selectedRow(), -1);
    // A new sheet forgets the old answer squares and what was typed in them.
    paper.setSheet(exchangeSheet(), 600);
    EXPECT_TRUE(paper.entryCells().empty());
    EXPECT_EQ(paper.entry(2, 1), "");
}
