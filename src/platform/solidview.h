#pragma once
// A solid drawn large and shaded, turning slowly. Each frame projects its points, paints the pieces
// that face the class from the back to the front, each in one shade by its angle to the light, and
// draws its edges over them. A drag turns it; let go, it coasts and settles back to a gentle spin.
// The faces, edges or vertices counted so far can be lit. Nothing is allocated once a solid is set.
#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPointF>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/mesh.h"

namespace platform {

class SolidView : public Control {
public:
    enum class Lit { None, Faces, Edges, Vertices };
    static constexpr double kGentleSpin = 0.4;  // degrees a tick: once round in about a quarter of a minute

    SolidView(const QString& name, float left, float top, float width, float height);

    // The mesh is kept by reference: it must outlive the view (the solids' models are made once).
    void setMesh(const Mesh& mesh);
    const Mesh& mesh() const { return *m_mesh; }
    void setColour(const QColor& colour);

    // Degrees about the upright axis, then tipped towards the class.
    void setTurn(double yaw, double pitch);
    double yaw() const { return m_yaw; }
    double pitch() const { return m_pitch; }
    // Whether it turns by itself; held still, a throw still coasts to rest.
    void setSpinning(bool spinning);
    bool spinning() const { return m_spinning; }
    bool dragging() const { return m_dragging; }
    // One period of the turning timer.
    void tick();

    // The first `count` faces, edges or vertices lit, the last of them brightest.
    void setLit(Lit kind, int count);
    Lit lit() const { return m_lit; }
    int litCount() const { return m_litCount; }

    // The turn that brings a direction round to the class, seen a little from above (from below
    // for what lies underneath), starting from a yaw kept when any yaw would do.
    static std::pair<double, double> turnShowing(Point3 direction, double currentYaw);
    static Point3 turned(Point3 p, double yaw, double pitch);

    // What the last projection found: whether a piece faces the class, how many do.
    void project();
    bool facing(int facet) const { return m_facing[static_cast<std::size_t>(facet)] != 0; }
    int piecesShown() const { return m_shown; }

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    struct Side {
        int a, b;       // its ends
        int facet;      // the piece it bounds
        int neighbour;  // the piece across it
        int edge;       // the counted edge it is part of, or -1
    };
    void pressed(const MouseEvent& e);
    void moved(const MouseEvent& e);
    void released(const MouseEvent& e);
    void findSides(const Mesh& mesh, std::size_t sides);
    // Which of the pre-made shades a piece is painted in this frame.
    int toneOf(int facet) const;
    void makeTones(int from, const QColor& colour);
    bool vertexShown(int vertex) const;

    const Mesh* m_mesh;
    QColor m_colour{0xF0, 0x80, 0x30};
    std::vector<Point3> m_normals;  // each piece's, unit length
    std::vector<Point3> m_centres;
    std::vector<Side> m_sides;
    std::vector<std::pair<const Mesh*, std::vector<Side>>> m_sidesOf;  // each solid's, once worked out
    std::vector<int> m_vertexFacetStart;  // the pieces round each counted vertex, one run each
    std::vector<int> m_vertexFacets;

    // Made once per solid, filled each frame.
    std::vector<QPointF> m_screen;
    std::vector<char> m_facing;
    std::vector<double> m_depth;
    std::vector<float> m_light;
    std::vector<int> m_tone;
    std::vector<int> m_order;
    std::vector<QPointF> m_polygon;
    int m_shown = 0;
    double m_scale = 1;
    QPointF m_centre;

    double m_yaw = -30, m_pitch = 20;
    bool m_spinning = true;
    double m_spinSign = 1;
    double m_yawSpeed = kGentleSpin, m_pitchSpeed = 0;
    bool m_dragging = false;
    QPointF m_grabbedAt;
    double m_grabbedYaw = 0, m_grabbedPitch = 0;
    double m_lastTickYaw = 0, m_lastTickPitch = 0;

    // Shades of the solid's colour, then of the two lit colours, as brushes and as outline pens.
    static constexpr int kTones = 256;
    std::vector<QBrush> m_tones;
    std::vector<QPen> m_seamPens;
    QPen m_edgePen, m_firstEdgePen, m_newestEdgePen, m_dotPen;
    QBrush m_ink, m_firstDot, m_newestDot, m_shadow;

    Lit m_lit = Lit::None;
    int m_litCount = 0;
};

}  // namespace platform
