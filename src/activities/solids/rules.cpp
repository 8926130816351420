#include "activities/solids/rules.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "platform/random.h"

namespace solids {

using platform::Mesh;
using platform::Point3;

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kRoundPieces = 64;   // round a cylinder or a cone: no corner shows on a projector
constexpr int kSphereRings = 36;   // pole to pole
constexpr int kSphereSlices = 72;  // round the middle

// Sizes before the model is scaled to fit: a net uses the same lengths.
constexpr double kCuboidX = 1.8, kCuboidY = 1.0, kCuboidZ = 1.2;
constexpr double kTriangleSide = 1.4, kTriangularLength = 2.2;
constexpr double kHexagonSide = 0.8, kHexagonalLength = 1.6;
constexpr double kPyramidBase = 1.6, kPyramidHeight = 1.6;
constexpr double kCylinderRadius = 0.8, kCylinderHeight = 1.8;
constexpr double kConeRadius = 0.9, kConeHeight = 1.8;

double dot(Point3 a, Point3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Newell's normal: right for any flat polygon, whatever its first three corners.
Point3 normalOf(const std::vector<Point3>& points, const std::vector<int>& corners) {
    Point3 n;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point3& a = points[static_cast<std::size_t>(corners[i])];
        const Point3& b = points[static_cast<std::size_t>(corners[(i + 1) % corners.size()])];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

Point3 centreOf(const std::vector<Point3>& points, const std::vector<int>& corners) {
    Point3 c;
    for (int i : corners) {
        c.x += points[static_cast<std::size_t>(i)].x;
        c.y += points[static_cast<std::size_t>(i)].y;
        c.z += points[static_cast<std::size_t>(i)].z;
    }
    const double n = double(corners.size());
    return {c.x / n, c.y / n, c.z / n};
}

// Every solid here is convex round the origin: a piece faces outwards when its normal points away.
void addFacet(Mesh& mesh, std::vector<int> corners, int face) {
    if (dot(normalOf(mesh.points, corners), centreOf(mesh.points, corners)) < 0) std::reverse(corners.begin(), corners.end());
    mesh.facets.push_back({std::move(corners), face});
}

void fitInUnitSphere(Mesh& mesh) {
    double largest = 0;
    for (const Point3& p : mesh.points) largest = std::max(largest, std::sqrt(dot(p, p)));
    for (Point3& p : mesh.points) p = {p.x / largest, p.y / largest, p.z / largest};
}

// A solid with flat faces only: every piece a face, every side an edge, every corner a vertex.
Mesh polyhedron(std::vector<Point3> points, const std::vector<std::vector<int>>& faces) {
    Mesh mesh;
    mesh.points = std::move(points);
    for (const auto& corners : faces) addFacet(mesh, corners, static_cast<int>(mesh.facets.size()));
    mesh.faces = static_cast<int>(faces.size());
    std::set<std::pair<int, int>> sides;
    for (const auto& facet : mesh.facets)
        for (std::size_t i = 0; i < facet.corners.size(); ++i) {
            const int a = facet.corners[i], b = facet.corners[(i + 1) % facet.corners.size()];
            sides.insert({std::min(a, b), std::max(a, b)});
        }
    for (const auto& [a, b] : sides) mesh.edges.push_back({a, b});
    for (int i = 0; i < static_cast<int>(mesh.points.size()); ++i) mesh.vertices.push_back(i);
    fitInUnitSphere(mesh);
    return mesh;
}

// A prism standing on `base` (x, z corners in order round it): the base, the top, then the sides.
Mesh prism(const std::vector<QPointF>& base, double height) {
    const int n = static_cast<int>(base.size());
    std::vector<Point3> points;
    for (double y : {-height / 2, height / 2})
        for (const QPointF& p : base) points.push_back({p.x(), y, p.y()});
    std::vector<std::vector<int>> faces;
    std::vector<int> bottom, top;
    for (int i = 0; i < n; ++i) {
        bottom.push_back(i);
        top.push_back(n + i);
    }
    faces.push_back(top);
    for (int i = 0; i < n; ++i) faces.push_back({i, (i + 1) % n, n + (i + 1) % n, n + i});
    faces.push_back(bottom);
    return polyhedron(std::move(points), faces);
}

std::vector<QPointF> regularPolygon(int sides, double radius, double startDegrees) {
    std::vector<QPointF> corners;
    for (int i = 0; i < sides; ++i) {
        const double a = (startDegrees + 360.0 * i / sides) * kPi / 180.0;
        corners.emplace_back(radius * std::cos(a), radius * std::sin(a));
    }
    return corners;
}

Mesh triangularPrism() {
    // Lying on one of its rectangles, the triangles at its ends, as it sits on a table.
    const double h = kTriangleSide * std::sqrt(3.0) / 2;
    const std::vector<QPointF> end{{2 * h / 3, 0}, {-h / 3, -kTriangleSide / 2}, {-h / 3, kTriangleSide / 2}};
    std::vector<Point3> points;
    for (double x : {-kTriangularLength / 2, kTriangularLength / 2})
        for (const QPointF& p : end) points.push_back({x, p.x(), p.y()});
    return polyhedron(std::move(points), {{0, 1, 2}, {0, 1, 4, 3}, {1, 2, 5, 4}, {2, 0, 3, 5}, {3, 4, 5}});
}

Mesh squarePyramid() {
    const double b = kPyramidBase / 2, base = -kPyramidHeight * 0.4;
    std::vector<Point3> points{{-b, base, -b}, {b, base, -b}, {b, base, b}, {-b, base, b}, {0, base + kPyramidHeight, 0}};
    return polyhedron(std::move(points), {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}, {0, 1, 2, 3}});
}

Mesh tetrahedron() {
    std::vector<Point3> points{{0, 1, 0}};
    for (const QPointF& p : regularPolygon(3, std::sqrt(8.0) / 3, 90)) points.push_back({p.x(), -1.0 / 3, p.y()});
    return polyhedron(std::move(points), {{0, 1, 2}, {0, 2, 3}, {0, 3, 1}, {1, 2, 3}});
}

Mesh cylinder() {
    Mesh mesh;
    const int n = kRoundPieces;
    for (double y : {-kCylinderHeight / 2, kCylinderHeight / 2})
        for (const QPointF& p : regularPolygon(n, kCylinderRadius, 0)) mesh.points.push_back({p.x(), y, p.y()});
    enum { kTop, kBottom, kCurved };
    std::vector<int> bottom, top, bottomRim, topRim;
    for (int i = 0; i <= n; ++i) {
        bottomRim.push_back(i % n);
        topRim.push_back(n + i % n);
    }
    bottom.assign(bottomRim.begin(), bottomRim.end() - 1);
    top.assign(topRim.begin(), topRim.end() - 1);
    addFacet(mesh, top, kTop);
    for (int i = 0; i < n; ++i) addFacet(mesh, {i, (i + 1) % n, n + (i + 1) % n, n + i}, kCurved);
    addFacet(mesh, bottom, kBottom);
    mesh.faces = 3;
    mesh.edges = {topRim, bottomRim};
    fitInUnitSphere(mesh);
    return mesh;
}

Mesh cone() {
    Mesh mesh;
    const int n = kRoundPieces;
    const double base = -kConeHeight * 0.45;
    for (const QPointF& p : regularPolygon(n, kConeRadius, 0)) mesh.points.push_back({p.x(), base, p.y()});
    const int apex = n;
    mesh.points.push_back({0, base + kConeHeight, 0});
    enum { kBase, kCurved };
    std::vector<int> rim;
    for (int i = 0; i <= n; ++i) rim.push_back(i % n);
    for (int i = 0; i < n; ++i) addFacet(mesh, {i, (i + 1) % n, apex}, kCurved);
    addFacet(mesh, std::vector<int>(rim.begin(), rim.end() - 1), kBase);
    mesh.faces = 2;
    mesh.edges = {rim};
    mesh.vertices = {apex};
    fitInUnitSphere(mesh);
    return mesh;
}

Mesh sphere() {
    Mesh mesh;
    mesh.points.push_back({0, 1, 0});
    mesh.points.push_back({0, -1, 0});
    const auto ring = [](int r, int s) { return 2 + (r - 1) * kSphereSlices + s % kSphereSlices; };
    for (int r = 1; r < kSphereRings; ++r) {
        const double a = kPi * r / kSphereRings;
        for (const QPointF& p : regularPolygon(kSphereSlices, std::sin(a), 0)) mesh.points.push_back({p.x(), std::cos(a), p.y()});
    }
    for (int s = 0; s < kSphereSlices; ++s) {
        addFacet(mesh, {0, ring(1, s), ring(1, s + 1)}, 0);
        for (int r = 1; r + 1 < kSphereRings; ++r) addFacet(mesh, {ring(r, s), ring(r, s + 1), ring(r + 1, s + 1), ring(r + 1, s)}, 0);
        addFacet(mesh, {1, ring(kSphereRings - 1, s), ring(kSphereRings - 1, s + 1)}, 0);
    }
    mesh.faces = 1;
    return mesh;
}

Point3 unit(Point3 p) {
    const double length = std::sqrt(dot(p, p));
    return length > 1e-12 ? Point3{p.x / length, p.y / length, p.z / length} : Point3{0, 0, 1};
}

// The order to count things in: from the one nearest the upper front, each time to the nearest
// one not yet counted, so the solid turns a little between counts and never back and forth.
std::vector<int> tour(const std::vector<Point3>& directions) {
    std::vector<int> order;
    std::vector<bool> taken(directions.size(), false);
    Point3 from = unit({0.3, 0.6, 0.75});
    for (std::size_t n = 0; n < directions.size(); ++n) {
        int best = -1;
        for (std::size_t i = 0; i < directions.size(); ++i)
            if (!taken[i] && (best < 0 || dot(directions[i], from) > dot(directions[static_cast<std::size_t>(best)], from) + 1e-9)) best = int(i);
        taken[static_cast<std::size_t>(best)] = true;
        order.push_back(best);
        from = directions[static_cast<std::size_t>(best)];
    }
    return order;
}

void orderForCounting(Mesh& mesh) {
    std::vector<Point3> directions;
    for (int f = 0; f < mesh.faces; ++f) directions.push_back(directionOf(mesh, kFaces, f));
    const std::vector<int> faces = tour(directions);
    std::vector<int> rank(faces.size());
    for (std::size_t r = 0; r < faces.size(); ++r) rank[static_cast<std::size_t>(faces[r])] = int(r);
    for (auto& facet : mesh.facets) facet.face = rank[static_cast<std::size_t>(facet.face)];

    directions.clear();
    for (std::size_t e = 0; e < mesh.edges.size(); ++e) directions.push_back(directionOf(mesh, kEdges, int(e)));
    std::vector<std::vector<int>> edges;
    for (int e : tour(directions)) edges.push_back(mesh.edges[static_cast<std::size_t>(e)]);
    mesh.edges = std::move(edges);

    directions.clear();
    for (std::size_t v = 0; v < mesh.vertices.size(); ++v) directions.push_back(directionOf(mesh, kVertices, int(v)));
    std::vector<int> vertices;
    for (int v : tour(directions)) vertices.push_back(mesh.vertices[static_cast<std::size_t>(v)]);
    mesh.vertices = std::move(vertices);
}

Mesh build(Solid solid) {
    switch (solid) {
        case kCube: return prism(regularPolygon(4, std::sqrt(2.0), 45), 2);
        case kCuboid:
            return prism({{-kCuboidX / 2, -kCuboidZ / 2}, {kCuboidX / 2, -kCuboidZ / 2}, {kCuboidX / 2, kCuboidZ / 2}, {-kCuboidX / 2, kCuboidZ / 2}}, kCuboidY);
        case kTriangularPrism: return triangularPrism();
        case kHexagonalPrism: return prism(regularPolygon(6, kHexagonSide, 0), kHexagonalLength);
        case kSquarePyramid: return squarePyramid();
        case kTetrahedron: return tetrahedron();
        case kCylinder: return cylinder();
        case kCone: return cone();
        default: return sphere();
    }
}

// ---- nets

// The eleven nets of a cube and eight near misses, each as rows of squares.
const std::vector<std::vector<const char*>> kCubeNets{
    {"#...", "####", "#..."}, {"###..", "..###"},      {"##..", ".###", ".#.."}, {"##..", ".###", "..#."},
    {"##..", ".###", "...#"}, {"#...", "####", ".#.."}, {"##..", ".##.", "..##"}, {"#...", "####", "..#."},
    {"#...", "####", "...#"}, {".#..", "####", ".#.."}, {".#..", "####", "..#."},
};
const std::vector<std::vector<const char*>> kCubeNearMisses{
    {"#####", "#...."}, {"#####", ".#..."}, {"####", "#.#."},           {"####", "#..#"},
    {"####", "#...", "#..."}, {"####", ".#..", ".#.."}, {"####.", "...##"}, {"###.", "..##", "..#."},
};

std::vector<QPointF> rectangle(double left, double top, double width, double height) {
    return {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
}

std::vector<QPointF> shifted(std::vector<QPointF> corners, QPointF by) {
    for (QPointF& p : corners) p += by;
    return corners;
}

std::vector<std::vector<QPointF>> netOfSolid(Solid solid, int layout) {
    std::vector<std::vector<QPointF>> faces;
    switch (solid) {
        case kCube:
            for (QPoint cell : cubeNetCells({kCube, layout, true})) faces.push_back(rectangle(cell.x(), cell.y(), 1, 1));
            break;
        case kCuboid: {
            // Four sides in a strip, the top above and the bottom below the second.
            const double widths[] = {kCuboidZ, kCuboidX, kCuboidZ, kCuboidX};
            double left = 0;
            for (double w : widths) {
                faces.push_back(rectangle(left, kCuboidZ, w, kCuboidY));
                left += w;
            }
            faces.push_back(rectangle(kCuboidZ, 0, kCuboidX, kCuboidZ));
            faces.push_back(rectangle(kCuboidZ, kCuboidZ + kCuboidY, kCuboidX, kCuboidZ));
            break;
        }
        case kTriangularPrism: {
            const double s = kTriangleSide, h = s * std::sqrt(3.0) / 2, l = kTriangularLength;
            for (int i = 0; i < 3; ++i) faces.push_back(rectangle(i * s, h, s, l));
            faces.push_back({{s, h}, {2 * s, h}, {1.5 * s, 0}});
            faces.push_back({{s, h + l}, {2 * s, h + l}, {1.5 * s, 2 * h + l}});
            break;
        }
        case kHexagonalPrism: {
            const double s = kHexagonSide, across = s * std::sqrt(3.0), l = kHexagonalLength;
            for (int i = 0; i < 6; ++i) faces.push_back(rectangle(i * s, across, s, l));
            // Flat-bottomed hexagons on the second rectangle's top and the fifth's foot.
            const std::vector<QPointF> up{{0, 0}, {s, 0}, {1.5 * s, -across / 2}, {s, -across}, {0, -across}, {-0.5 * s, -across / 2}};
            std::vector<QPointF> down;
            for (const QPointF& p : up) down.emplace_back(p.x(), -p.y());
            faces.push_back(shifted(up, {s, across}));
            faces.push_back(shifted(down, {4 * s, across + l}));
            break;
        }
        case kSquarePyramid: {
            const double b = kPyramidBase, slant = std::hypot(kPyramidHeight, b / 2);
            faces.push_back(rectangle(slant, slant, b, b));
            faces.push_back({{slant, slant}, {slant + b, slant}, {slant + b / 2, 0}});
            faces.push_back({{slant + b, slant}, {slant + b, slant + b}, {2 * slant + b, slant + b / 2}});
            faces.push_back({{slant + b, slant + b}, {slant, slant + b}, {slant + b / 2, 2 * slant + b}});
            faces.push_back({{slant, slant + b}, {slant, slant}, {0, slant + b / 2}});
            break;
        }
        case kTetrahedron: {
            const double a = 1, h = std::sqrt(3.0) / 2;
            faces.push_back({{a, 0}, {a / 2, h}, {1.5 * a, h}});
            faces.push_back({{a / 2, h}, {0, 2 * h}, {a, 2 * h}});
            faces.push_back({{1.5 * a, h}, {a, 2 * h}, {2 * a, 2 * h}});
            faces.push_back({{a / 2, h}, {a, 2 * h}, {1.5 * a, h}});
            break;
        }
        case kCylinder: {
            const double r = kCylinderRadius, around = 2 * kPi * r, h = kCylinderHeight;
            faces.push_back(rectangle(0, 2 * r, around, h));
            faces.push_back(shifted(regularPolygon(48, r, 0), {around / 2, r}));
            faces.push_back(shifted(regularPolygon(48, r, 0), {around / 2, 3 * r + h}));
            break;
        }
        case kCone: {
            // The curved surface opens out into a sector; the base touches its arc.
            const double r = kConeRadius, slant = std::hypot(kConeHeight, r), sweep = 360.0 * r / slant;
            std::vector<QPointF> sector{{0, 0}};
            for (int i = 0; i <= 32; ++i) {
                const double a = (90 - sweep / 2 + sweep * i / 32) * kPi / 180.0;
                sector.emplace_back(slant * std::cos(a), slant * std::sin(a));
            }
            faces.push_back(sector);
            faces.push_back(shifted(regularPolygon(48, r, 0), {0, slant + r}));
            break;
        }
        default: break;
    }
    return faces;
}

// The other solids whose nets stand beside a solid's own: alike enough to make the class look.
const std::vector<Solid>& lookalikes(Solid solid) {
    static const std::vector<Solid> table[kSolids] = {
        {kCuboid, kSquarePyramid, kTriangularPrism}, {kCube, kTriangularPrism, kHexagonalPrism},
        {kSquarePyramid, kTetrahedron, kHexagonalPrism}, {kTriangularPrism, kCuboid, kCylinder},
        {kTetrahedron, kTriangularPrism, kCube}, {kSquarePyramid, kTriangularPrism},
        {kCone, kHexagonalPrism}, {kCylinder, kSquarePyramid}, {}};
    return table[solid];
}

int between(platform::RandomSource& rnd, int low, int high) {
    return low + std::min(high - low, static_cast<int>(static_cast<double>(rnd.next()) * (high - low + 1)));
}

Net someNet(platform::RandomSource& rnd, Solid solid, bool foldsUp) {
    const int layouts = solid != kCube ? 1 : foldsUp ? cubeNetCount() : cubeNearMissCount();
    return {solid, between(rnd, 0, layouts - 1), foldsUp};
}
}  // namespace

const Mesh& modelOf(Solid solid) {
    static const std::vector<Mesh> models = [] {
        std::vector<Mesh> all;
        for (int s = 0; s < kSolids; ++s) {
            all.push_back(build(static_cast<Solid>(s)));
            orderForCounting(all.back());
        }
        return all;
    }();
    return models[static_cast<std::size_t>(std::clamp(static_cast<int>(solid), 0, kSolids - 1))];
}

bool isPolyhedron(Solid solid) { return solid < kCylinder; }

Counts countsOf(const Mesh& mesh) {
    return {mesh.faces, static_cast<int>(mesh.edges.size()), static_cast<int>(mesh.vertices.size())};
}

Counts piecesOf(const Mesh& mesh) {
    std::set<std::pair<int, int>> sides;
    std::set<int> corners;
    for (const auto& facet : mesh.facets)
        for (std::size_t i = 0; i < facet.corners.size(); ++i) {
            const int a = facet.corners[i], b = facet.corners[(i + 1) % facet.corners.size()];
            sides.insert({std::min(a, b), std::max(a, b)});
            corners.insert(a);
        }
    return {static_cast<int>(mesh.facets.size()), static_cast<int>(sides.size()), static_cast<int>(corners.size())};
}

int countAsked(Solid solid, int mode) {
    const Counts c = countsOf(modelOf(solid));
    switch (mode) {
        case kFaces: return c.faces;
        case kEdges: return c.edges;
        case kVertices: return c.vertices;
        default: return 0;
    }
}

Point3 directionOf(const Mesh& mesh, int mode, int index) {
    Point3 sum;
    const auto add = [&sum](Point3 p) { sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z}; };
    switch (mode) {
        case kFaces: {
            // Outwards, the pieces weighed by their size. A face that wraps round (a sphere, a
            // curved side) is seen best from beside one of its pieces, its first.
            double area = 0;
            for (const auto& facet : mesh.facets)
                if (facet.face == index) {
                    const Point3 n = normalOf(mesh.points, facet.corners);
                    add(n);
                    area += std::sqrt(dot(n, n));
                }
            if (dot(sum, sum) < 0.25 * area * area)
                for (const auto& facet : mesh.facets)
                    if (facet.face == index) return unit(normalOf(mesh.points, facet.corners));
            break;
        }
        case kEdges:
            if (index >= 0 && index < static_cast<int>(mesh.edges.size()))
                for (int i : mesh.edges[static_cast<std::size_t>(index)]) add(mesh.points[static_cast<std::size_t>(i)]);
            break;
        case kVertices:
            if (index >= 0 && index < static_cast<int>(mesh.vertices.size())) add(mesh.points[static_cast<std::size_t>(mesh.vertices[static_cast<std::size_t>(index)])]);
            break;
        default: break;
    }
    return unit(sum);
}

int cubeNetCount() { return static_cast<int>(kCubeNets.size()); }
int cubeNearMissCount() { return static_cast<int>(kCubeNearMisses.size()); }

std::vector<QPoint> cubeNetCells(const Net& net) {
    const auto& table = net.foldsUp ? kCubeNets : kCubeNearMisses;
    const auto& rows = table[static_cast<std::size_t>(std::clamp(net.layout, 0, static_cast<int>(table.size()) - 1))];
    std::vector<QPoint> cells;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; rows[static_cast<std::size_t>(y)][x] != '\0'; ++x)
            if (rows[static_cast<std::size_t>(y)][x] == '#') cells.emplace_back(x, y);
    return cells;
}

bool foldsToCube(const std::vector<QPoint>& cells) {
    // Roll a cube from square to square, keeping its turn as a matrix; each square is printed by
    // the face underneath. Six squares fold up when six different faces print them.
    using Turn = std::array<std::array<int, 3>, 3>;
    const auto times = [](const Turn& a, const Turn& b) {
        Turn c{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
        return c;
    };
    const Turn east{{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}}, west{{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}};
    const Turn south{{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}}, north{{{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}};
    if (cells.size() != 6) return false;
    std::map<std::pair<int, int>, Turn> turned;
    std::vector<QPoint> todo{cells.front()};
    turned[{cells.front().x(), cells.front().y()}] = Turn{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    const std::set<std::pair<int, int>> squares = [&] {
        std::set<std::pair<int, int>> s;
        for (QPoint c : cells) s.insert({c.x(), c.y()});
        return s;
    }();
    while (!todo.empty()) {
        const QPoint at = todo.back();
        todo.pop_back();
        const Turn here = turned[{at.x(), at.y()}];
        const std::pair<QPoint, const Turn*> steps[] = {{{1, 0}, &east}, {{-1, 0}, &west}, {{0, 1}, &south}, {{0, -1}, &north}};
        for (const auto& [step, roll] : steps) {
            const std::pair<int, int> next{at.x() + step.x(), at.y() + step.y()};
            if (!squares.count(next) || turned.count(next)) continue;
            turned[next] = times(*roll, here);
            todo.emplace_back(next.first, next.second);
        }
    }
    // The face underneath: the body's direction that the turn sends straight down.
    std::set<std::array<int, 3>> printed;
    for (const auto& [cell, turn] : turned) printed.insert({-turn[2][0], -turn[2][1], -turn[2][2]});
    return turned.size() == 6 && printed.size() == 6;
}

std::vector<std::vector<QPointF>> netFaces(const Net& net) {
    auto faces = netOfSolid(net.solid, net.layout);
    if (net.solid == kCube) {
        faces.clear();
        for (QPoint cell : cubeNetCells(net)) faces.push_back(rectangle(cell.x(), cell.y(), 1, 1));
    } else if (!net.foldsUp && !faces.empty()) {
        // A face short: it cannot close up.
        faces.pop_back();
    }
    return faces;
}

Question drawQuestion(int mode, platform::RandomSource& rnd) {
    Question q;
    q.mode = std::clamp(mode, 0, kModes - 1);
    // A sphere has no net to find.
    q.solid = static_cast<Solid>(between(rnd, 0, q.mode == kNets ? kSphere - 1 : kSolids - 1));
    if (q.mode != kNets) return q;
    const auto& others = lookalikes(q.solid);
    const Solid other = others[static_cast<std::size_t>(between(rnd, 0, static_cast<int>(others.size()) - 1))];
    std::array<Net, 3> nets{someNet(rnd, q.solid, true), someNet(rnd, other, true), someNet(rnd, q.solid, false)};
    // Half the time two other solids' nets, so a face short is not always the give-away.
    if (rnd.next() < 0.5f) {
        Solid second = others[static_cast<std::size_t>(between(rnd, 0, static_cast<int>(others.size()) - 1))];
        if (second == other) second = others[(static_cast<std::size_t>(std::find(others.begin(), others.end(), other) - others.begin()) + 1) % others.size()];
        nets[2] = someNet(rnd, second, true);
    }
    q.rightNet = between(rnd, 0, 2);
    std::swap(nets[0], nets[static_cast<std::size_t>(q.rightNet)]);
    q.nets = nets;
    return q;
}

}  // namespace solids
