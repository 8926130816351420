#include "activities/area/rules.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/random.h"

namespace {

using namespace area;

// Rows of '#' (in the shape) and '.' (not), top row first.
Region picture(std::initializer_list<std::string> rows) {
    Region g(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
    int r = 0;
    for (const std::string& row : rows) {
        for (int c = 0; c < static_cast<int>(row.size()); ++c) g.set(r, c, row[static_cast<std::size_t>(c)] == '#');
        ++r;
    }
    return g;
}

// The perimeter the slow way: each square's four neighbours, counted when outside the shape.
int edgesCounted(const Region& g) {
    int edges = 0;
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c)
            if (g.at(r, c)) edges += !g.at(r - 1, c) + !g.at(r + 1, c) + !g.at(r, c - 1) + !g.at(r, c + 1);
    return edges;
}

// The outline closes on itself, turns at every corner, and its sides add up to the edge count; the
// split's rectangles lie inside the shape and together cover it once.
void expectDrawnRight(const Region& g, const std::string& what) {
    const std::vector<Side> sides = outline(g);
    ASSERT_GE(sides.size(), 4u) << what;
    int total = 0;
    for (std::size_t k = 0; k < sides.size(); ++k) {
        const Side& s = sides[k];
        const Side& next = sides[(k + 1) % sides.size()];
        EXPECT_TRUE(s.x2 == next.x1 && s.y2 == next.y1) << what << " side " << k;
        EXPECT_NE(s.x1 == s.x2, next.x1 == next.x2) << what << " no turn after side " << k;
        total += s.length();
    }
    EXPECT_EQ(total, edgesCounted(g)) << what;
    EXPECT_EQ(perimeter(g), edgesCounted(g)) << what;
    Region covered(g.rows(), g.columns());
    int area = 0;
    for (const Rect& part : split(g)) {
        for (int r = part.top; r < part.top + part.height; ++r)
            for (int c = part.left; c < part.left + part.width; ++c) {
                EXPECT_TRUE(g.at(r, c) && !covered.at(r, c)) << what << " square " << r << "," << c;
                covered.set(r, c, true);
            }
        area += part.area();
    }
    EXPECT_EQ(area, g.area()) << what;
}

TEST(AreaRules, OutlineAndPerimeterCountEveryOutsideEdgeOnce) {
    const struct {
        const char* name;
        Region shape;
        int perimeter, sides, parts;
    } cases[] = {
        {"rectangle", picture({"###", "###"}), 10, 4, 1},
        {"L", picture({"#..", "#..", "###"}), 12, 6, 2},
        {"L with a deep notch", picture({"##....", "##....", "######"}), 18, 6, 2},
        {"T", picture({"###", ".#.", ".#."}), 12, 8, 2},
        {"pyramid", picture({"#####", ".###.", "..#.."}), 16, 12, 3},
        {"U", picture({"#..#", "#..#", "####"}), 18, 8, 3},
        {"stairs", picture({"#..", "##.", "###"}), 12, 8, 3},
        {"plus", picture({".#.", "###", ".#."}), 12, 12, 3},
        {"one square", picture({"#"}), 4, 4, 1},
    };
    for (const auto& c : cases) {
        expectDrawnRight(c.shape, c.name);
        EXPECT_EQ(perimeter(c.shape), c.perimeter) << c.name;
        EXPECT_EQ(outline(c.shape).size(), static_cast<std::size_t>(c.sides)) << c.name;
        EXPECT_EQ(split(c.shape).size(), static_cast<std::size_t>(c.parts)) << c.name;
    }
    // Its first side runs along the top, left to right.
    EXPECT_EQ(outline(picture({"..#", "###"})).front(), (Side{2, 0, 3, 0}));
}

TEST(AreaRules, MakingAShapeNeedsOnePieceJoinedEdgeToEdge) {
    const struct {
        const char* name;
        Region shaded;
        bool accepted;
    } cases[] = {
        {"a 2 by 3 rectangle", picture({"###.", "###.", "...."}), true},
        {"an L of six", picture({"#...", "#...", "####"}), false},  // area 6, perimeter 14, not 10
        {"two pieces meeting at a corner", picture({"###..", "##...", "..#.."}), false},
        {"two apart", picture({"###", "...", "###"}), false},
        {"five squares", picture({"###", "##."}), false},
        {"seven squares", picture({"####", "###."}), false},
        {"nothing", picture({"...", "..."}), false},
        {"a bent strip of six", picture({"##..", ".##.", "..##"}), false},
        {"six in a row", picture({"######"}), false},
        {"the same rectangle standing up", picture({".##", ".##", ".##"}), true},
    };
    for (const auto& c : cases) EXPECT_EQ(makesShape(c.shaded, 6, 10), c.accepted) << c.name;
    // Two squares of four meeting at a corner have the area and perimeter of an 8-square shape
    // with 16 outside edges, but they are two pieces.
    EXPECT_FALSE(makesShape(picture({"##..", "##..", "..##", "..##"}), 8, 16));
    EXPECT_TRUE(makesShape(picture({"######", "##...."}), 8, 16));
    EXPECT_EQ(pieces(picture({"#.", ".#"})), 2);
    EXPECT_TRUE(makesShape(picture({"#...", "#...", "####"}), 6, 14));
}

TEST(AreaRules, EveryDrawnShapeIsOnePieceThatFitsAndIsDrawnRight) {
    platform::ClockRandom rnd;
    for (int i = 0; i < 400; ++i) {
        for (int mode = 0; mode < kModes; ++mode) {
            const Question q = drawQuestion(mode, rnd);
            const std::string what = "mode " + std::to_string(mode) + " draw " + std::to_string(i);
            ASSERT_EQ(pieces(q.shape), 1) << what;
            expectDrawnRight(q.shape, what);
            ASSERT_LE(outline(q.shape).size(), 8u) << what;
            ASSERT_LE(split(q.shape).size(), 3u) << what;
            const bool onPaper = mode != kSidesOnly;
            if (onPaper) {
                ASSERT_EQ(q.shape.rows(), kPaperRows);
                ASSERT_EQ(q.shape.columns(), kPaperColumns);
            } else {
                // Lengths long enough to keep apart on the drawing, and a drawing that fits.
                ASSERT_LE(q.shape.columns(), 12) << what;
                ASSERT_LE(q.shape.rows(), 9) << what;
                for (const Side& s : outline(q.shape)) ASSERT_GE(s.length(), 3) << what;
            }
            if (mode == kRectangleArea || mode == kRectanglePerimeter) {
                ASSERT_EQ(split(q.shape).size(), 1u) << what;
                const Rect r = split(q.shape).front();
                ASSERT_NE(r.width, r.height) << what << ": a square asked as a rectangle";
            }
            if (mode == kShapeArea || mode == kShapePerimeter) {
                ASSERT_GE(split(q.shape).size(), 2u) << what;
            }
            if (mode == kMakeShape) {
                ASSERT_TRUE(makesShape(q.shape, q.targetArea, q.targetPerimeter)) << what;
            } else {
                ASSERT_EQ(answer(q), q.asksArea ? q.shape.area() : edgesCounted(q.shape)) << what;
            }
        }
    }
}

TEST(AreaRules, TheSameTargetsAreTheSameQuestion) {
    // A 2 × 3 rectangle, then a 3 × 2 one standing elsewhere: the class sees the same numbers.
    platform::ScriptedRandom rnd{0.1f, 0.0f, 0.0f, 0.3f, 0.1f, 0.0f, 0.25f, 0.0f, 0.1f, 0.0f, 0.0f, 0.9f};
    const Question first = nextQuestion(kMakeShape, rnd, std::nullopt);
    ASSERT_EQ(first.targetArea, 6);
    const Question second = nextQuestion(kMakeShape, rnd, first);
    EXPECT_NE(second.targetArea * 100 + second.targetPerimeter, first.targetArea * 100 + first.targetPerimeter);
    EXPECT_EQ(rnd.remaining(), 0u);
}

}  // namespace
