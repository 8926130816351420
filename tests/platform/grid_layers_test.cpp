#include <gtest/gtest.h>

#include "platform/grid.h"

namespace {

using platform::Grid;

// A tap at the middle of a cell of a grid of 600-twip cells.
platform::MouseEvent at(int column, int buttons = platform::LeftButton) {
    return {buttons, 0, column * 600.0f + 300, 300};
}

TEST(GridLayers, EachToolTogglesOnlyItsOwnLayerAndADragFollowsTheFirstCell) {
    Grid grid(QStringLiteral("grid"), 0, 0, 1, 4, 600);
    grid.setLayered(true);
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
    grid.setTool(Grid::Tool::Shade, 2);
    grid.press(at(0));
    for (int c = 1; c < 4; ++c) grid.moveMouse(at(c));
    grid.release(at(3));
    const int after[] = {0, 1, 0, 0};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.cell(0, c).shade, after[c]) << "cell " << c;
}

TEST(GridLayers, UnlayeredTapsStillReplaceTheShade) {
    Grid grid(QStringLiteral("grid"), 0, 0, 1, 2, 600);
    grid.setTool(Grid::Tool::Shade, 1);
    grid.press(at(0));
    grid.setTool(Grid::Tool::Shade, 2);
    grid.press(at(0));
    EXPECT_EQ(grid.cell(0, 0).shade, 2);
    grid.press(at(0));
    EXPECT_EQ(grid.cell(0, 0).shade, 0);
}

}  // namespace
