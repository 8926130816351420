#include <gtest/gtest.h>

#include "platform/grid.h"

namespace {

using platform::Grid;

TEST(GridLayers, EachToolTogglesOnlyItsOwnLayerAndADragFollowsTheFirstCellAcrossEveryCellItPasses) {
    Grid grid(QStringLiteral("grid"), 0, 0, 1, 4, 600);
    grid.setLayered(true);
    const auto at = [](int column) { return platform::MouseEvent{platform::LeftButton, 0, column * 600.0f + 300, 300}; };
    const auto tap = [&](int column, int shade) {
        grid.setTool(Grid::Tool::Shade, shade);
        grid.press(at(column));
        grid.release(at(column));
    };
    tap(0, 1);
    tap(0, 2);
    EXPECT_EQ(grid.cell(0, 0).shade, 3);
    tap(0, 1);
    EXPECT_EQ(grid.cell(0, 0).shade, 2);
    tap(1, 1);
    tap(2, 2);
    // Blue dragged from a blue cell takes blue away from every cell it crosses, and nothing else.
    grid.press(at(0));
    grid.moveMouse(at(3));  // one move, as a quick stroke comes: the cells passed over change too
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.cell(0, c).shade, c == 1 ? 1 : 0) << "cell " << c;
}

TEST(GridLocks, ALockedCellKeepsItsShadeUnderTapsAndStrokesAndAStrokeCannotStartThere) {
    Grid grid(QStringLiteral("grid"), 0, 0, 1, 4, 600);
    const auto at = [](int column) { return platform::MouseEvent{platform::LeftButton, 0, column * 600.0f + 300, 300}; };
    grid.setLocked(0, 1, true);
    grid.setLocked(0, 2, true);
    grid.clearMarks();  // the locks outlast a clear
    grid.setShade(0, 1, 1);
    grid.press(at(0));
    grid.moveMouse(at(3));
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.cell(0, c).shade, c != 2) << "cell " << c;
    grid.press(at(2));
    grid.moveMouse(at(3));
    EXPECT_EQ(grid.cell(0, 3).shade, 1);
}

}  // namespace
