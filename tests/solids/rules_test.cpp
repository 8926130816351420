#include "activities/solids/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/random.h"

namespace {

using namespace solids;

TEST(SolidsRules, CountsAreTheOnesChildrenLearn) {
    const struct {
        Solid solid;
        Counts counts;
    } table[] = {{kCube, {6, 12, 8}},          {kCuboid, {6, 12, 8}}, {kTriangularPrism, {5, 9, 6}},
                 {kHexagonalPrism, {8, 18, 12}}, {kSquarePyramid, {5, 8, 5}}, {kTetrahedron, {4, 6, 4}},
                 {kCylinder, {3, 2, 0}},        {kCone, {2, 1, 1}},     {kSphere, {1, 0, 0}}};
    for (const auto& row : table) {
        const Counts c = countsOf(modelOf(row.solid));
        EXPECT_EQ(c, row.counts) << "solid " << row.solid;
        EXPECT_EQ(countAsked(row.solid, kFaces), row.counts.faces);
        EXPECT_EQ(countAsked(row.solid, kEdges), row.counts.edges);
        EXPECT_EQ(countAsked(row.solid, kVertices), row.counts.vertices);
        if (!isPolyhedron(row.solid)) continue;
        // Euler's rule, and the counts are the model's own pieces, sides and corners.
        EXPECT_EQ(c.faces + c.vertices - c.edges, 2) << "solid " << row.solid;
        EXPECT_EQ(piecesOf(modelOf(row.solid)), c) << "solid " << row.solid;
    }
}

// Every model is a closed skin: each side shared by exactly two pieces, and Euler's rule holds for
// its pieces even where a curved face is made of many of them.
TEST(SolidsRules, EveryModelIsClosedAndFitsTheView) {
    for (int s = 0; s < kSolids; ++s) {
        const platform::Mesh& mesh = modelOf(static_cast<Solid>(s));
        std::map<std::pair<int, int>, int> sides;
        for (const auto& facet : mesh.facets) {
            ASSERT_GE(facet.corners.size(), 3u);
            ASSERT_TRUE(facet.face >= 0 && facet.face < mesh.faces);
            for (std::size_t i = 0; i < facet.corners.size(); ++i) {
                const int a = facet.corners[i], b = facet.corners[(i + 1) % facet.corners.size()];
                ++sides[{std::min(a, b), std::max(a, b)}];
            }
        }
        for (const auto& [side, pieces] : sides) ASSERT_EQ(pieces, 2) << "solid " << s;
        const Counts p = piecesOf(mesh);
        EXPECT_EQ(p.faces + p.vertices - p.edges, 2) << "solid " << s;
        double largest = 0;
        for (const auto& q : mesh.points) largest = std::max(largest, std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z));
        EXPECT_NEAR(largest, 1.0, 1e-12);
    }
}

// All 35 shapes of six squares, made here from scratch: exactly 11 fold into a cube.
std::vector<QPoint> normalised(std::vector<QPoint> cells) {
    int left = 1 << 20, top = 1 << 20;
    for (QPoint c : cells) {
        left = std::min(left, c.x());
        top = std::min(top, c.y());
    }
    for (QPoint& c : cells) c -= QPoint(left, top);
    std::sort(cells.begin(), cells.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return cells;
}
std::vector<std::pair<int, int>> shapeKey(const std::vector<QPoint>& cells) {
    std::vector<std::pair<int, int>> best;
    for (int turn = 0; turn < 8; ++turn) {
        std::vector<QPoint> moved = cells;
        for (QPoint& c : moved) {
            for (int k = 0; k < turn % 4; ++k) c = QPoint(c.y(), -c.x());
            if (turn >= 4) c.setX(-c.x());
        }
        std::vector<std::pair<int, int>> key;
        for (QPoint c : normalised(moved)) key.emplace_back(c.x(), c.y());
        if (best.empty() || key < best) best = key;
    }
    return best;
}

TEST(SolidsRules, ElevenOfTheThirtyFiveHexominoesFoldIntoACube) {
    std::set<std::vector<std::pair<int, int>>> shapes{{{0, 0}}};
    for (int size = 1; size < 6; ++size) {
        std::set<std::vector<std::pair<int, int>>> grown;
        for (const auto& shape : shapes)
            for (const auto& [x, y] : shape)
                for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    std::vector<QPoint> cells;
                    for (const auto& [cx, cy] : shape) cells.emplace_back(cx, cy);
                    const QPoint next(x + step.x(), y + step.y());
                    if (std::find(cells.begin(), cells.end(), next) != cells.end()) continue;
                    cells.push_back(next);
                    grown.insert(shapeKey(cells));
                }
        shapes = grown;
    }
    ASSERT_EQ(shapes.size(), 35u);
    std::set<std::vector<std::pair<int, int>>> folding;
    for (const auto& shape : shapes) {
        std::vector<QPoint> cells;
        for (const auto& [x, y] : shape) cells.emplace_back(x, y);
        if (foldsToCube(cells)) folding.insert(shape);
    }
    EXPECT_EQ(folding.size(), 11u);

    // The nets drawn for the class are those eleven, each once; the near misses never fold.
    std::set<std::vector<std::pair<int, int>>> drawn;
    for (int layout = 0; layout < cubeNetCount(); ++layout) drawn.insert(shapeKey(cubeNetCells({kCube, layout, true})));
    EXPECT_EQ(drawn, folding);
    for (int layout = 0; layout < cubeNearMissCount(); ++layout) {
        const auto cells = cubeNetCells({kCube, layout, false});
        EXPECT_EQ(cells.size(), 6u);
        EXPECT_FALSE(foldsToCube(cells)) << "near miss " << layout;
    }
    EXPECT_FALSE(foldsToCube({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
}

// A net of a flat-faced solid has the solid's own faces: the same polygons with the same sides,
// in proportion. A near miss is one face short.
std::multiset<std::vector<long>> facesInProportion(const std::vector<std::vector<double>>& sides) {
    double longest = 0;
    for (const auto& face : sides)
        for (double s : face) longest = std::max(longest, s);
    std::multiset<std::vector<long>> shapes;
    for (auto face : sides) {
        std::vector<long> scaled;
        for (double s : face) scaled.push_back(std::lround(s / longest * 1000));
        std::sort(scaled.begin(), scaled.end());
        shapes.insert(scaled);
    }
    return shapes;
}

TEST(SolidsRules, NetsHaveTheSolidsOwnFaces) {
    for (int s = 0; s < kSphere; ++s) {
        const Solid solid = static_cast<Solid>(s);
        const auto net = netFaces({solid, 0, true});
        EXPECT_EQ(static_cast<int>(net.size()), countsOf(modelOf(solid)).faces) << "solid " << s;
        if (solid != kCube) {
            EXPECT_EQ(netFaces({solid, 0, false}).size() + 1, net.size()) << "solid " << s;
        }
        if (!isPolyhedron(solid)) continue;
        std::vector<std::vector<double>> drawn, modelled;
        for (const auto& polygon : net) {
            std::vector<double> sides;
            for (std::size_t i = 0; i < polygon.size(); ++i) {
                const QPointF d = polygon[(i + 1) % polygon.size()] - polygon[i];
                sides.push_back(std::hypot(d.x(), d.y()));
            }
            drawn.push_back(sides);
        }
        const platform::Mesh& mesh = modelOf(solid);
        for (const auto& facet : mesh.facets) {
            std::vector<double> sides;
            for (std::size_t i = 0; i < facet.corners.size(); ++i) {
                const auto& a = mesh.points[static_cast<std::size_t>(facet.corners[i])];
                const auto& b = mesh.points[static_cast<std::size_t>(facet.corners[(i + 1) % facet.corners.size()])];
                sides.push_back(std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z)));
            }
            modelled.push_back(sides);
        }
        EXPECT_EQ(facesInProportion(drawn), facesInProportion(modelled)) << "solid " << s;
    }
}

TEST(SolidsRules, EveryNetQuestionOffersOneNetThatFoldsToTheSolid) {
    platform::ClockRandom rnd;
    for (int i = 0; i < 3000; ++i) {
        const Question q = drawQuestion(kNets, rnd);
        ASSERT_NE(q.solid, kSphere);
        ASSERT_TRUE(q.rightNet >= 0 && q.rightNet < 3);
        int folding = 0;
        for (const Net& net : q.nets) folding += net.solid == q.solid && net.foldsUp;
        ASSERT_EQ(folding, 1);
        ASSERT_EQ(q.nets[static_cast<std::size_t>(q.rightNet)].solid, q.solid);
        ASSERT_TRUE(q.nets[static_cast<std::size_t>(q.rightNet)].foldsUp);
        ASSERT_FALSE(q.nets[0] == q.nets[1] || q.nets[1] == q.nets[2] || q.nets[0] == q.nets[2]);
    }
}

}  // namespace
