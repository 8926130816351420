#include "activities/area/area.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using namespace area;

class AreaScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        for (auto* registry : {&windows, &freeWindows}) {
            registry->define("area", [](app::WindowRegistry& w) { return new Area(w); });
            for (const char* stub : {"menu5", "notepad"})
                registry->define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
        }
    }
    void TearDown() override {
        for (auto* registry : {&windows, &freeWindows})
            for (const QString& name : registry->openNames()) registry->close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
        app::lang().langindex = app::LangIndex::number(0);
    }
    // A 5 × 3 rectangle, lying flat.
    void pushRectangle() {
        for (float r : {0.0f, 0.5f, 0.3f}) rnd.push(r);
    }
    Area& open() {
        pushRectangle();
        return *dynamic_cast<Area*>(windows.load("area"));
    }
    bool checked(Area& s, const QString& typed) {
        s.pad.setText(0, typed);
        s.cmdcheckit_Click();
        EXPECT_NE(s.imgtick->isVisible(), s.imgcross->isVisible());
        return s.imgtick->isVisible();
    }
    void solveAll(Area& s) {
        do {
            s.cmdsoln_Click();
            while (s.steps.animating()) s.steps.frame();
        } while (!s.steps.finished());
    }
    platform::MouseEvent at(Area& s, int row, int column) {
        const float square = s.drawing.grid->cellSize();
        return {platform::LeftButton, 0, column * square + square / 2, row * square + square / 2};
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    platform::ClockRandom clock;
    app::WindowRegistry freeWindows{clock};
};

TEST_F(AreaScreen, TypedAnswersAreExactWholeNumbersInTheirUnits) {
    Area& s = open();
    ASSERT_EQ(s.question().shape.area(), 15);
    EXPECT_EQ(s.pad.box(0).caption(), QString());
    const struct {
        const char* typed;
        bool right;
    } areaAnswers[] = {{"15", true}, {"15.0", true}, {"15,00", true}, {"14.9", false}, {"15.01", false},
                       {"-15", false}, {"150", false}, {"", false}, {"1.5.", false}};
    for (const auto& a : areaAnswers) EXPECT_EQ(checked(s, QString::fromUtf8(a.typed)), a.right) << a.typed;

    pushRectangle();
    s.modes.option(kRectanglePerimeter).click();
    ASSERT_EQ(answer(s.question()), 16);
    EXPECT_TRUE(checked(s, QStringLiteral("16")));
    EXPECT_FALSE(checked(s, QStringLiteral("15")));  // the area, not the perimeter
    EXPECT_FALSE(checked(s, QStringLiteral("8")));   // half way round
}

TEST_F(AreaScreen, MakingAShapeJudgesTheSquaresThePupilShades) {
    Area& s = open();
    for (float r : {0.1f, 0.0f, 0.25f, 0.0f}) rnd.push(r);  // the targets of a 3 × 2 rectangle
    s.modes.option(kMakeShape).click();
    EXPECT_FALSE(s.pad.visible());
    EXPECT_TRUE(s.lblquestion->caption().startsWith(QStringLiteral("Shade a shape with an area of 6 cm² and a perimeter of 10 cm.")));
    platform::Grid& grid = *s.drawing.grid;
    EXPECT_FALSE(checked(s, QString()));  // nothing shaded
    // Two strokes of three: a 3 × 2 rectangle.
    for (int row : {1, 2}) {
        grid.press(at(s, row, 1));
        grid.moveMouse(at(s, row, 3));
        grid.release(at(s, row, 3));
    }
    EXPECT_TRUE(checked(s, QString()));
    grid.press(at(s, 2, 3));  // off again: five squares
    grid.release(at(s, 2, 3));
    EXPECT_FALSE(checked(s, QString()));
    grid.press(at(s, 3, 1));  // six in an L: 12 edges outside
    grid.release(at(s, 3, 1));
    EXPECT_FALSE(checked(s, QString()));

    // The solution counts one shape that works in, in place of the pupil's, and goes round it.
    solveAll(s);
    EXPECT_EQ(s.shaded(), s.question().shape);
    EXPECT_TRUE(s.lblsum->caption().contains(QStringLiteral("Perimeter = 10\u00A0cm")));
    EXPECT_TRUE(s.lblsum->caption().contains(QStringLiteral("Area = 6\u00A0cm²")));
    grid.press(at(s, 0, 0));
    EXPECT_FALSE(grid.cell(0, 0).shade);  // no shading over a solution
}

TEST_F(AreaScreen, SolutionCountsTheSquaresOrGoesRoundAddingTheSides) {
    Area& s = open();
    s.cmdsoln_Click();
    while (s.steps.animating()) s.steps.frame();
    const Rect r = split(s.question().shape).front();
    EXPECT_EQ(s.drawing.grid->cell(r.top + r.height - 1, r.left + r.width - 1).text, QStringLiteral("15"));
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblsum->caption(), QStringLiteral("5 × 3 = 15\u00A0cm²\nArea = 15\u00A0cm²"));

    pushRectangle();
    s.modes.option(kRectanglePerimeter).click();
    const QString sums[] = {"5", "5 + 3", "5 + 3 + 5", QStringLiteral("5 + 3 + 5 + 3 = 16\nPerimeter = 16\u00A0cm")};
    for (int k = 0; k < 4; ++k) {
        s.cmdsoln_Click();
        while (s.steps.animating()) s.steps.frame();
        EXPECT_EQ(s.lblsum->caption(), sums[k]);
        EXPECT_TRUE(s.drawing.traced[k].isVisible());
        EXPECT_TRUE(s.drawing.lengths[k].isVisible());
    }
    EXPECT_TRUE(s.steps.finished());
}

// Every mode in every language: the working ends on the answer, the texts fit their boxes, and the
// lengths written beside the sides keep clear of one another and of the working.
TEST_F(AreaScreen, EveryLanguageFitsAndTheLengthsNeverOverlap) {
    auto& s = *dynamic_cast<Area*>(freeWindows.load("area"));
    const QRectF board(Drawing::kLeft, Drawing::kTop - 60, Drawing::kRight - Drawing::kLeft, 6780 - Drawing::kTop + 60);
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        for (int mode = 0; mode < kModes; ++mode) {
            s.modes.option(mode).click();
            for (int i = 0; i < 12; ++i) {
                s.cmdgo_Click();
                solveAll(s);
                const Question& q = s.question();
                const QString where = QStringLiteral("language %1 mode %2 question %3").arg(language).arg(mode).arg(i);
                for (const platform::Label* label : {s.lblquestion, s.lblkey, s.lblstep, s.lblsum})
                    EXPECT_TRUE(label->captionFits(label->caption(), label->font().size)) << where.toStdString() << " " << label->top() << "+" << label->height() << " " << label->font().size << ": " << label->caption().toStdString();
                for (const platform::Label* part : s.lblpart) {
                    if (part->isVisible()) {
                        EXPECT_TRUE(part->captionFits(part->caption(), part->font().size)) << where.toStdString();
                    }
                }
                const QString wanted = QString::number(q.mode == kMakeShape || !q.asksArea ? perimeter(q.shape) : q.shape.area());
                EXPECT_TRUE(s.lblsum->caption().contains(wanted)) << where.toStdString();
                std::vector<QRectF> boxes;
                for (const platform::Label* length : s.drawing.lengths) {
                    if (!length->isVisible()) continue;
                    const QRectF box(length->left(), length->top(), length->width(), length->height());
                    EXPECT_TRUE(board.contains(box)) << where.toStdString();
                    for (const QRectF& other : boxes) EXPECT_FALSE(box.intersects(other)) << where.toStdString();
                    boxes.push_back(box);
                }
            }
        }
    }
}

TEST_F(AreaScreen, WorksWithItsTextsMissing) {
    app::lang().blocks.clear();
    auto& s = *dynamic_cast<Area*>(freeWindows.load("area"));
    for (int mode = 0; mode < kModes; ++mode) {
        s.modes.option(mode).click();
        s.cmdcheckit_Click();
        EXPECT_TRUE(s.imgcross->isVisible());
        solveAll(s);
    }
}

}  // namespace
