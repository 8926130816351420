#pragma once
// The rules of the solid shapes: each solid's model (its points, flat pieces, faces, edges and
// vertices as the class counts them), the questions of each mode, and the nets that fold, or do not
// fold, to each solid.
#include <QPoint>
#include <QPointF>
#include <array>
#include <vector>

#include "platform/mesh.h"

namespace platform {
class RandomSource;
}

namespace solids {

enum Solid { kCube, kCuboid, kTriangularPrism, kHexagonalPrism, kSquarePyramid, kTetrahedron, kCylinder, kCone, kSphere, kSolids };
enum Mode { kName, kFaces, kEdges, kVertices, kNets, kModes };

struct Counts {
    int faces = 0, edges = 0, vertices = 0;
    friend bool operator==(const Counts&, const Counts&) = default;
};

// The model, at most 1 from its centre; curved surfaces from enough pieces to look smooth.
const platform::Mesh& modelOf(Solid solid);
bool isPolyhedron(Solid solid);
// Faces, edges and vertices as the class counts them on the model.
Counts countsOf(const platform::Mesh& mesh);
// The same counted from the model's flat pieces alone: every piece, every side two pieces share,
// every corner.
Counts piecesOf(const platform::Mesh& mesh);
// What a counting mode asks for; 0 for the other modes.
int countAsked(Solid solid, int mode);
// Which way a counted face, edge or vertex (by counting mode and number) looks out from the centre.
// The model numbers them in the order the solution counts them: each next to the one before.
platform::Point3 directionOf(const platform::Mesh& mesh, int mode, int index);

// A net: the solid it is drawn for, one of its layouts, and whether it is a near miss that does not fold.
struct Net {
    Solid solid = kCube;
    int layout = 0;
    bool foldsUp = true;
    friend bool operator==(const Net&, const Net&) = default;
};
// Its faces as polygons, in the units of the solid's edges, y downwards.
std::vector<std::vector<QPointF>> netFaces(const Net& net);
// The six squares of a cube's net and its near misses, as cells; whether squares fold up into a cube,
// found by rolling a cube over them.
std::vector<QPoint> cubeNetCells(const Net& net);
bool foldsToCube(const std::vector<QPoint>& cells);
int cubeNetCount();
int cubeNearMissCount();

struct Question {
    int mode = kName;
    Solid solid = kCube;
    std::array<Net, 3> nets{};  // the nets to choose from
    int rightNet = 0;
    friend bool operator==(const Question&, const Question&) = default;
};

Question drawQuestion(int mode, platform::RandomSource& rnd);

}  // namespace solids
