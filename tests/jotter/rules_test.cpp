#include <gtest/gtest.h>

#include "jotter/rules.h"

using namespace jotter;

TEST(JotterRules, FirstPlaceSitsAboveTheBoardButtonsOrAtTheDesktopFoot) {
    struct Case { const char* name; QSizeF desktop; std::optional<QRectF> board; QPointF place; };
    const QSizeF landscape(9915, 3660);
    const std::vector<Case> cases{
        {"over the board, left-aligned, bottom 60 above its button row", {15360, 11520}, QRectF(840, 1260, 12000, 9000), {840, 5490}},
        {"no board: bottom centre above the taskbar", {15360, 11520}, std::nullopt, {2722.5, 6960}},
        {"board hanging off a short desktop: pulled up", {10000, 7000}, QRectF(0, 0, 12000, 9000), {0, 3340}},
        {"board off to the right: pulled back onto the desktop", {15360, 11520}, QRectF(9000, 0, 12000, 9000), {5445, 4230}},
        {"desktop smaller than the pad: top left", {9000, 3000}, std::nullopt, {0, 0}}};
    for (const Case& c : cases) EXPECT_EQ(firstPlace(c.desktop, landscape, c.board), c.place) << c.name;
}

TEST(JotterRules, TallPadIsKeptOnTheDesktop) {
    EXPECT_EQ(keptOnDesktop({2000, 5490}, {4000, 12000}, {15360, 11520}), QPointF(2000, 0));
    EXPECT_EQ(keptOnDesktop({14000, 5000}, {4000, 3000}, {15360, 11520}), QPointF(11360, 5000));
    EXPECT_EQ(keptOnDesktop({-300, -20}, {4000, 3000}, {15360, 11520}), QPointF(0, 0));
}
