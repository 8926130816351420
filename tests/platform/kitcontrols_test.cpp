#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/grid.h"
#include "platform/numberline.h"

namespace {

using platform::Grid;
using platform::LeftButton;
using platform::NumberLine;

TEST(Grid, ATapTogglesAndADragPaintsTheFirstCellsNewState) {
    platform::Form form("grid", 12000, 9000);
    auto* grid = form.add<Grid>(nullptr, "grid", 100, 100, 10, 10, 500);
    int changes = 0;
    grid->onCellChanged = [&](int, int) { ++changes; };
    const auto at = [](int row, int column) { return platform::MouseEvent{LeftButton, 0, column * 500.f + 250, row * 500.f + 250}; };

    grid->press(at(0, 0));
    grid->release(at(0, 0));
    EXPECT_EQ(grid->cell(0, 0).shade, 1);
    // A stroke that starts on a shaded cell clears every cell it crosses, shaded or not.
    grid->setShade(0, 2, 1);
    grid->press(at(0, 0));
    for (int c = 1; c <= 3; ++c) grid->moveMouse(at(0, c));
    grid->moveMouse(at(0, 3));  // staying in a cell changes nothing twice
    grid->release(at(0, 3));
    for (int c = 0; c <= 3; ++c) EXPECT_EQ(grid->cell(0, c).shade, 0) << c;
    EXPECT_EQ(changes, 3);  // (0,0) twice and (0,2); (0,1) and (0,3) were already clear

    grid->setTool(Grid::Tool::Strike);
    grid->press(at(9, 9));
    grid->moveMouse({LeftButton, 0, 5200, 4750});  // off the grid: ignored
    grid->release(at(9, 9));
    EXPECT_TRUE(grid->cell(9, 9).struck);
    EXPECT_FALSE(grid->cell(10, 10).struck);  // outside reads as empty
    grid->setTappable(false);
    grid->press(at(9, 9));
    EXPECT_TRUE(grid->cell(9, 9).struck);
}

TEST(NumberLine, PlacesAndSnapsValuesWithinItsRange) {
    platform::Form form("line", 12000, 9000);
    auto* line = form.add<NumberLine>(nullptr, "line", 0, 0, 10600, 2000);
    line->setEndMargin(300);
    line->setRange(-20, 80, 1, 10);  // 100 units over 10000 twips
    EXPECT_FLOAT_EQ(line->along(-20), 300);
    EXPECT_FLOAT_EQ(line->along(80), 10300);
    EXPECT_FLOAT_EQ(line->along(0), 2300);
    EXPECT_EQ(line->snap(2300 + 149, 1), 1);
    EXPECT_EQ(line->snap(2300 + 151, 1), 2);
    EXPECT_EQ(line->snap(2300 + 240, 5), 0);
    EXPECT_EQ(line->snap(-5000, 5), -20);     // never past the ends
    EXPECT_EQ(line->snap(50000, 30), 70);     // the last multiple of the step on the line
    auto* upright = form.add<NumberLine>(nullptr, "upright", 0, 0, 2000, 10600, NumberLine::Orientation::Vertical);
    upright->setEndMargin(300);
    upright->setRange(0, 100, 1, 10);
    EXPECT_FLOAT_EQ(upright->pointOf(0).y(), 10300);  // low values at the bottom
    EXPECT_FLOAT_EQ(upright->pointOf(100).y(), 300);
}

// A marker riding a jump follows its arc: it leaves and lands on the line, highest halfway.
TEST(NumberLine, AMarkerOnAJumpRidesItsArc) {
    platform::Form form("line", 12000, 9000);
    auto* line = form.add<NumberLine>(nullptr, "line", 0, 0, 10600, 2000);
    line->setEndMargin(300);
    line->setRange(-20, 80, 1, 10);
    line->setMarkers({{5, NumberLine::Marker::Kind::Dot, Qt::yellow, QString()}});
    line->setJumps({{5, 3, QString()}, {3, -17, QString()}});
    struct Case {
        int jump;
        double t;
        double at;
        float lift;
    } cases[] = {{0, 0, 5, 0}, {0, 0.5, 4, 180}, {0, 1, 3, 0}, {1, 0.5, -7, 900}, {1, 0.25, -2, 675}, {1, 2, -17, 0}};
    for (const Case& c : cases) {
        line->setMarkerOnJump(0, c.jump, c.t);
        EXPECT_DOUBLE_EQ(line->markers()[0].at, c.at) << c.jump << " " << c.t;
        EXPECT_NEAR(line->markers()[0].lift, c.lift, 0.01) << c.jump << " " << c.t;
    }
    line->setLeastJumpRise(400);  // short hops rise higher; long ones as before
    line->setMarkerOnJump(0, 0, 0.5);
    EXPECT_NEAR(line->markers()[0].lift, 400, 0.01);
    line->setMarkerOnJump(0, 1, 0.5);
    EXPECT_NEAR(line->markers()[0].lift, 900, 0.01);
    line->setMarkerOnJump(0, 2, 0.5);  // no such jump: the marker stays
    line->setMarkerOnJump(1, 0, 0.5);  // no such marker
    EXPECT_DOUBLE_EQ(line->markers()[0].at, -7);
}

}  // namespace
