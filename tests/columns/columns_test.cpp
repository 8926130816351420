#include "activities/columns/columns.h"

#include <gtest/gtest.h>

#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using columns::Columns;
using platform::Decimal;

namespace {
class Lcg : public platform::RandomSource {
public:
    float next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return float(m_state >> 40) / float(1 << 24);
    }
    void reseed() override {}

private:
    unsigned long long m_state = 2024;
};

class ColumnsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang() = app::LanguageState{};
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("columns", [](app::WindowRegistry& w) { return new Columns(w); });
        for (const char* stub : {"menu3", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    Columns& open(int language = 0) {
        app::lang().langindex = app::LangIndex::number(language);
        return *dynamic_cast<Columns*>(windows.load("columns"));
    }
    // The answer's digits as a pupil writes them in the squares, left to right; "" left of its first digit.
    static std::vector<QString> rightCells(const Columns& s) {
        const auto& q = s.question();
        const long long units = *columns::answer(q).unitsAt(q.places());
        std::vector<QString> cells;
        const int n = static_cast<int>(s.sheetLayout().answerColumns.size());
        long long scale = 1;
        for (int i = 1; i < n; ++i) scale *= 10;
        for (int place = n - 1; place >= 0; --place, scale /= 10)
            cells.push_back(units < scale && place > q.places() ? QString() : QString::number(units / scale % 10));
        return cells;
    }
    // Taps the ones square and types the digits right to left, as the column method goes.
    static void write(Columns& s, const std::vector<QString>& cells) {
        s.pad.press("clear");
        for (auto it = cells.rbegin(); it != cells.rend(); ++it)
            if (!it->isEmpty()) s.pad.press(*it);
    }

    testsupport::DataFolder folder;
    Lcg rnd;
    app::WindowRegistry windows{rnd};
};
}  // namespace

TEST_F(ColumnsScreen, DigitsTypedColumnByColumnAreCheckedAsOneAnswer) {
    Columns& s = open();
    for (int mode : {columns::kFourDigit, columns::kSubtraction, columns::kDecimals}) {
        s.modes.option(mode).click();
        ASSERT_EQ(s.question().mode, mode);
        const auto cells = rightCells(s);
        write(s, cells);
        EXPECT_EQ(s.written(), cells);
        EXPECT_EQ(Decimal::parse(s.pad.text(0)), columns::answer(s.question())) << s.pad.text(0).toStdString();
        s.cmdcheckit_Click();
        EXPECT_TRUE(s.imgtick->isVisible()) << "mode " << mode;

        // One square changed: the cross, and the answer never shows.
        const int last = static_cast<int>(cells.size()) - 1;
        s.paper_CellTapped(s.sheetLayout().answerRow, s.sheetLayout().answerColumns.back());
        s.pad.press(cells[static_cast<std::size_t>(last)] == "9" ? "8" : "9");
        s.cmdcheckit_Click();
        EXPECT_TRUE(s.imgcross->isVisible()) << "mode " << mode;
        EXPECT_FALSE(s.imgtick->isVisible());
        // Backspace walks back over the squares just written.
        s.pad.press("del");
        s.pad.press("del");
        EXPECT_EQ(s.written()[static_cast<std::size_t>(last)], QString());
        EXPECT_EQ(s.written()[static_cast<std::size_t>(last - 1)], QString());
    }
}

TEST_F(ColumnsScreen, TheSolutionWorksOneColumnAPressAndEndsWithTheWholeSum) {
    Columns& s = open();
    s.modes.option(columns::kThreeNumbers).click();
    s.pad.press("5");
    const auto work = columns::working(s.question());
    for (int press = 1; press <= static_cast<int>(work.size()); ++press) {
        s.cmdsoln_Click();
        EXPECT_EQ(s.paper->step(), press);
    }
    EXPECT_EQ(s.steps.count(), static_cast<int>(work.size()));
    s.cmdsoln_Click();  // a press after the last finishes the slide and shows nothing new
    EXPECT_TRUE(s.steps.finished());
    EXPECT_TRUE(s.written() == std::vector<QString>(s.written().size()));  // the typing made way for the working
    const auto cells = rightCells(s);
    const auto& layout = s.sheetLayout();
    for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(s.paper->shownText(layout.answerRow, layout.answerColumns[i]), cells[i]) << i;
    EXPECT_TRUE(s.lblstep->caption().endsWith(" = " + columns::answer(s.question()).text())) << s.lblstep->caption().toStdString();
    EXPECT_FALSE(s.cmdcheckit->isVisible());
    // Nothing can be written over the working; Next brings a fresh question and the squares back.
    s.paper_CellTapped(layout.answerRow, layout.answerColumns.front());
    s.pad.press("3");
    EXPECT_EQ(s.paper->entry(layout.answerRow, layout.answerColumns.front()), QString());
    s.cmdgo_Click();
    EXPECT_EQ(s.paper->step(), 0);
    EXPECT_TRUE(s.cmdcheckit->isVisible());
    EXPECT_EQ(s.paper->selectedColumn(), s.sheetLayout().answerColumns.back());
}

TEST_F(ColumnsScreen, FrenchDecimalsUseTheCommaOnTheBoardAndInTheQuestion) {
    Columns& s = open(1);
    s.modes.option(columns::kDecimals).click();
    const auto& layout = s.sheetLayout();
    EXPECT_EQ(s.paper->shownText(0, layout.pointColumn), ",");
    EXPECT_EQ(s.paper->shownText(layout.answerRow, layout.pointColumn), ",");
    EXPECT_TRUE(s.lblquestion->caption().startsWith("Pose et calcule")) << s.lblquestion->caption().toStdString();
    EXPECT_TRUE(s.lblquestion->caption().contains(',')) << s.lblquestion->caption().toStdString();
    write(s, rightCells(s));
    EXPECT_TRUE(s.pad.text(0).contains(','));
    s.cmdcheckit_Click();
    EXPECT_TRUE(s.imgtick->isVisible());
    // The mode is kept for the next opening.
    s.cmdexit_Click();
    EXPECT_EQ(open(1).question().mode, columns::kDecimals);
}
