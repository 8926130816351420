#pragma once
// A solid for the screen to turn and shade: its surface as flat pieces, and what the class counts
// on it. A curved surface is many pieces but one face; a rim is a run of points but one edge.
#include <vector>

namespace platform {

struct Point3 {
    double x = 0, y = 0, z = 0;
    friend bool operator==(const Point3&, const Point3&) = default;
};

struct Mesh {
    struct Facet {
        std::vector<int> corners;  // indices into points, anticlockwise seen from outside
        int face = 0;              // the face the class counts it in
    };
    std::vector<Point3> points;  // y up, x right, z towards the class; the solid centred on the origin
    std::vector<Facet> facets;
    int faces = 0;
    std::vector<std::vector<int>> edges;  // each a run of points; a rim ends where it began
    std::vector<int> vertices;            // the points the class counts as vertices
};

}  // namespace platform
