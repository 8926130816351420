#include "platform/solidview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kCamera = 5;             // the eye's distance, in the solid's radii: a gentle perspective
constexpr double kFill = 0.92;            // of the view's smaller side, across the solid at its nearest
constexpr double kDegreesPerTwip = 0.06;  // a drag across half the view turns it half way round
constexpr double kCoast = 0.96;           // a throw's extra speed kept from one tick to the next
constexpr double kTipSettle = 0.90;
constexpr double kAmbient = 0.45;
constexpr double kSeam = 22;    // twips: the outline that smooths the edge against the page
constexpr double kEdgeWidth = 40;
constexpr double kLitEdgeWidth = 120;
constexpr double kDotRadius = 130;
const Point3 kLight{-0.4, 0.6, 0.7};  // from the upper left, in front
const QColor kLitFirst{0xFF, 0xE0, 0x3C};
const QColor kLitNewest{0xFF, 0x8C, 0x00};
const QColor kEdgeInk{0x30, 0x20, 0x18};

const Mesh& emptyMesh() {
    static const Mesh none;
    return none;
}
double dot(Point3 a, Point3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point3 unit(Point3 p) {
    const double length = std::sqrt(dot(p, p));
    return length > 1e-12 ? Point3{p.x / length, p.y / length, p.z / length} : Point3{0, 0, 1};
}
double wrapped(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}
QColor scaled(const QColor& c, double by) {
    const auto part = [by](int v) { return std::clamp(static_cast<int>(v * by), 0, 255); };
    return {part(c.red()), part(c.green()), part(c.blue())};
}
}  // namespace

SolidView::SolidView(const QString& name, float left, float top, float width, float height)
    : Control(name, left, top, width, height),
      m_mesh(&emptyMesh()),
      m_tones(3 * kTones),
      m_seamPens(3 * kTones),
      m_edgePen(kEdgeInk, kEdgeWidth, Qt::SolidLine, Qt::FlatCap),
      m_firstEdgePen(kLitFirst, kLitEdgeWidth, Qt::SolidLine, Qt::FlatCap),
      m_newestEdgePen(kLitNewest, kLitEdgeWidth, Qt::SolidLine, Qt::FlatCap),
      m_dotPen(kEdgeInk, 30),
      m_ink(kEdgeInk),
      m_firstDot(kLitFirst),
      m_newestDot(kLitNewest),
      m_shadow(QColor(0, 0, 0, 45)) {
    makeTones(0, m_colour);
    makeTones(kTones, kLitFirst);
    makeTones(2 * kTones, kLitNewest);
    onMouseDown = [this](const MouseEvent& e) { pressed(e); };
    onMouseMove = [this](const MouseEvent& e) { moved(e); };
    onMouseUp = [this](const MouseEvent& e) { released(e); };
}

void SolidView::setMesh(const Mesh& mesh) {
    m_mesh = &mesh;
    const std::size_t facets = mesh.facets.size(), points = mesh.points.size();
    m_normals.assign(facets, {});
    m_centres.assign(facets, {});
    std::size_t largest = 0, sides = 0;
    for (std::size_t f = 0; f < facets; ++f) {
        const auto& corners = mesh.facets[f].corners;
        largest = std::max(largest, corners.size());
        sides += corners.size();
        Point3 n, c;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point3& a = mesh.points[static_cast<std::size_t>(corners[i])];
            const Point3& b = mesh.points[static_cast<std::size_t>(corners[(i + 1) % corners.size()])];
            n = {n.x + (a.y - b.y) * (a.z + b.z), n.y + (a.z - b.z) * (a.x + b.x), n.z + (a.x - b.x) * (a.y + b.y)};
            c = {c.x + a.x, c.y + a.y, c.z + a.z};
        }
        const double count = double(std::max<std::size_t>(1, corners.size()));
        m_normals[f] = unit(n);
        m_centres[f] = {c.x / count, c.y / count, c.z / count};
    }

    // A solid comes back often in a lesson: its sides are worked out the first time only.
    const auto known = std::find_if(m_sidesOf.begin(), m_sidesOf.end(), [&](const auto& entry) { return entry.first == &mesh; });
    if (known != m_sidesOf.end()) {
        m_sides = known->second;
    } else {
        findSides(mesh, sides);
        m_sidesOf.emplace_back(&mesh, m_sides);
    }
    m_vertexFacetStart.assign(1, 0);
    m_vertexFacets.clear();
    for (int v : mesh.vertices) {
        for (std::size_t f = 0; f < facets; ++f) {
            const auto& corners = mesh.facets[f].corners;
            if (std::find(corners.begin(), corners.end(), v) != corners.end()) m_vertexFacets.push_back(int(f));
        }
        m_vertexFacetStart.push_back(int(m_vertexFacets.size()));
    }

    m_screen.assign(points, {});
    m_facing.assign(facets, 0);
    m_depth.assign(facets, 0);
    m_light.assign(facets, 0);
    m_tone.assign(facets, 0);
    m_order.assign(facets, 0);
    m_polygon.assign(largest, {});
    m_shown = 0;
    m_litCount = 0;
    m_lit = Lit::None;
    update();
}

void SolidView::findSides(const Mesh& mesh, std::size_t sides) {
    const std::size_t facets = mesh.facets.size();
    // Each side of each piece, found again under its two ends to meet the piece across it and the
    // counted edge it belongs to: one sorted list of packed numbers, so a new solid is quick to set.
    const auto keyOf = [](int a, int b, int value) {
        return (std::uint64_t(std::min(a, b)) << 42) | (std::uint64_t(std::max(a, b)) << 21) | std::uint64_t(value + 1);
    };
    constexpr std::uint64_t kEnds = ~((std::uint64_t(1) << 21) - 1);
    std::vector<std::uint64_t> edgeOf, pieceOf;
    for (std::size_t e = 0; e < mesh.edges.size(); ++e) {
        const auto& run = mesh.edges[e];
        for (std::size_t i = 0; i + 1 < run.size(); ++i) edgeOf.push_back(keyOf(run[i], run[i + 1], int(e)));
    }
    pieceOf.reserve(sides);
    for (std::size_t f = 0; f < facets; ++f) {
        const auto& corners = mesh.facets[f].corners;
        for (std::size_t i = 0; i < corners.size(); ++i) pieceOf.push_back(keyOf(corners[i], corners[(i + 1) % corners.size()], int(f)));
    }
    std::sort(edgeOf.begin(), edgeOf.end());
    std::sort(pieceOf.begin(), pieceOf.end());
    // The value stored with a pair of ends, other than `other`, or -1.
    const auto lookUp = [kEnds](const std::vector<std::uint64_t>& list, std::uint64_t ends, int other) {
        for (auto it = std::lower_bound(list.begin(), list.end(), ends); it != list.end() && (*it & kEnds) == ends; ++it) {
            const int value = int(*it & ~kEnds) - 1;
            if (value != other) return value;
        }
        return -1;
    };
    m_sides.clear();
    m_sides.reserve(sides);
    for (std::size_t f = 0; f < facets; ++f) {
        const auto& corners = mesh.facets[f].corners;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const int a = corners[i], b = corners[(i + 1) % corners.size()];
            const std::uint64_t ends = keyOf(a, b, -1);
            m_sides.push_back({a, b, int(f), lookUp(pieceOf, ends, int(f)), lookUp(edgeOf, ends, -2)});
        }
    }
}

void SolidView::setColour(const QColor& colour) {
    if (colour == m_colour) return;
    m_colour = colour;
    makeTones(0, colour);
    update();
}

void SolidView::setTurn(double yaw, double pitch) {
    m_yaw = wrapped(yaw);
    m_pitch = std::clamp(wrapped(pitch), -90.0, 90.0);
    update();
}

void SolidView::setSpinning(bool spinning) {
    m_spinning = spinning;
    if (!spinning) {
        m_yawSpeed = 0;
        m_pitchSpeed = 0;
    }
}

void SolidView::tick() {
    if (m_dragging) {
        // The speed the hand is turning it at, kept for the moment it lets go.
        m_yawSpeed = wrapped(m_yaw - m_lastTickYaw);
        m_pitchSpeed = m_pitch - m_lastTickPitch;
        m_lastTickYaw = m_yaw;
        m_lastTickPitch = m_pitch;
        return;
    }
    const double settled = m_spinning ? kGentleSpin * m_spinSign : 0.0;
    m_yawSpeed = settled + (m_yawSpeed - settled) * kCoast;
    m_pitchSpeed *= kTipSettle;
    if (std::abs(m_yawSpeed) < 1e-4 && std::abs(m_pitchSpeed) < 1e-4) return;
    setTurn(m_yaw + m_yawSpeed, m_pitch + m_pitchSpeed);
}

void SolidView::pressed(const MouseEvent& e) {
    if (e.button != LeftButton) return;
    m_dragging = true;
    m_grabbedAt = pointerInContainer(e);
    m_grabbedYaw = m_lastTickYaw = m_yaw;
    m_grabbedPitch = m_lastTickPitch = m_pitch;
    m_yawSpeed = m_pitchSpeed = 0;
}

void SolidView::moved(const MouseEvent& e) {
    if (!m_dragging || !(e.button & LeftButton)) return;
    const QPointF moved = pointerInContainer(e) - m_grabbedAt;
    setTurn(m_grabbedYaw + moved.x() * kDegreesPerTwip, m_grabbedPitch + moved.y() * kDegreesPerTwip);
}

void SolidView::released(const MouseEvent&) {
    if (!m_dragging) return;
    m_dragging = false;
    // It keeps turning the way it was thrown.
    if (std::abs(m_yawSpeed) > 1e-3) m_spinSign = m_yawSpeed > 0 ? 1 : -1;
}

void SolidView::setLit(Lit kind, int count) {
    m_lit = kind;
    m_litCount = std::max(0, count);
    update();
}

Point3 SolidView::turned(Point3 p, double yaw, double pitch) {
    const double y = yaw * kPi / 180, t = pitch * kPi / 180;
    const Point3 a{p.x * std::cos(y) + p.z * std::sin(y), p.y, -p.x * std::sin(y) + p.z * std::cos(y)};
    return {a.x, a.y * std::cos(t) - a.z * std::sin(t), a.y * std::sin(t) + a.z * std::cos(t)};
}

std::pair<double, double> SolidView::turnShowing(Point3 direction, double currentYaw) {
    const Point3 d = unit(direction);
    const Point3 view = unit(d.y < -0.5 ? Point3{0.25, -0.35, 1} : Point3{0.25, 0.35, 1});
    // First round the upright axis until the direction stands where the view's does across the board,
    // then tip it towards the class.
    const double across = std::hypot(d.x, d.z);
    double yaw = currentYaw * kPi / 180;
    if (across > 1e-6 && std::abs(view.x) <= across) yaw = std::atan2(d.z, d.x) - std::acos(view.x / across);
    const Point3 swung = turned(d, yaw * 180 / kPi, 0);
    const double tip = std::atan2(view.z, view.y) - std::atan2(swung.z, swung.y);
    return {wrapped(yaw * 180 / kPi), wrapped(tip * 180 / kPi)};
}

void SolidView::project() {
    const double y = m_yaw * kPi / 180, t = m_pitch * kPi / 180;
    const double cy = std::cos(y), sy = std::sin(y), ct = std::cos(t), st = std::sin(t);
    const auto turn = [&](const Point3& p) {
        const double x = p.x * cy + p.z * sy, z = -p.x * sy + p.z * cy;
        return Point3{x, p.y * ct - z * st, p.y * st + z * ct};
    };
    m_scale = kFill * std::min(width(), height()) / 2 * (kCamera - 1) / kCamera;
    m_centre = QPointF(width() / 2, height() * 0.46);
    for (std::size_t i = 0; i < m_screen.size(); ++i) {
        const Point3 p = turn(m_mesh->points[i]);
        const double s = m_scale * kCamera / (kCamera - p.z);
        m_screen[i] = QPointF(m_centre.x() + p.x * s, m_centre.y() - p.y * s);
    }
    const Point3 light = unit(kLight);
    m_shown = 0;
    for (std::size_t f = 0; f < m_facing.size(); ++f) {
        const Point3 n = turn(m_normals[f]), c = turn(m_centres[f]);
        // It faces the eye when the eye is on its outer side.
        m_facing[f] = dot(n, Point3{-c.x, -c.y, kCamera - c.z}) > 0;
        m_depth[f] = c.z;
        m_light[f] = float(kAmbient + (1 - kAmbient) * std::max(0.0, dot(n, light)));
        if (m_facing[f]) m_order[static_cast<std::size_t>(m_shown++)] = int(f);
    }
    std::sort(m_order.begin(), m_order.begin() + m_shown, [this](int a, int b) {
        return m_depth[static_cast<std::size_t>(a)] < m_depth[static_cast<std::size_t>(b)];
    });
}

int SolidView::toneOf(int facet) const {
    const int face = m_mesh->facets[static_cast<std::size_t>(facet)].face;
    const double light = m_light[static_cast<std::size_t>(facet)];
    const auto level = [](double l) { return std::clamp(static_cast<int>(l * (kTones - 1) + 0.5), 0, kTones - 1); };
    // A lit face stays bright on its shaded side too, but still shows which way it faces.
    if (m_lit == Lit::Faces && face < m_litCount) return (face == m_litCount - 1 ? 2 : 1) * kTones + level(0.85 + 0.15 * light);
    return level(light);
}

void SolidView::makeTones(int from, const QColor& colour) {
    for (int t = 0; t < kTones; ++t) {
        const QColor shade = scaled(colour, double(t) / (kTones - 1));
        m_tones[static_cast<std::size_t>(from + t)] = QBrush(shade);
        m_seamPens[static_cast<std::size_t>(from + t)] = QPen(shade, kSeam, Qt::SolidLine, Qt::FlatCap);
    }
}

bool SolidView::vertexShown(int vertex) const {
    for (int k = m_vertexFacetStart[static_cast<std::size_t>(vertex)]; k < m_vertexFacetStart[static_cast<std::size_t>(vertex) + 1]; ++k)
        if (m_facing[static_cast<std::size_t>(m_vertexFacets[static_cast<std::size_t>(k)])]) return true;
    return false;
}

Control* SolidView::cloneAs(int) const { return nullptr; }

void SolidView::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (m_mesh->points.empty()) return;
    project();
    // A soft shadow on the floor under it; too faint for its edge to need smoothing.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_shadow);
    const double radius = m_scale * 1.08;
    painter->drawEllipse(QPointF(m_centre.x(), m_centre.y() + radius), radius * 0.75, radius * 0.13);

    // The pieces, back to front; without smoothing the pieces meet with no seam between them. Every
    // brush and pen is made beforehand: a new one would be made for each piece, every frame.
    for (int k = 0; k < m_shown; ++k) {
        const int f = m_order[static_cast<std::size_t>(k)];
        const auto& corners = m_mesh->facets[static_cast<std::size_t>(f)].corners;
        for (std::size_t i = 0; i < corners.size(); ++i) m_polygon[i] = m_screen[static_cast<std::size_t>(corners[i])];
        m_tone[static_cast<std::size_t>(f)] = toneOf(f);
        painter->setBrush(m_tones[static_cast<std::size_t>(m_tone[static_cast<std::size_t>(f)])]);
        painter->drawConvexPolygon(m_polygon.data(), static_cast<int>(corners.size()));
    }

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    // The outline against the page, smoothed in each piece's own shade where no edge is drawn over it.
    for (const Side& side : m_sides) {
        if (side.edge >= 0 || !m_facing[static_cast<std::size_t>(side.facet)] || (side.neighbour >= 0 && m_facing[static_cast<std::size_t>(side.neighbour)])) continue;
        painter->setPen(m_seamPens[static_cast<std::size_t>(m_tone[static_cast<std::size_t>(side.facet)])]);
        painter->drawLine(m_screen[static_cast<std::size_t>(side.a)], m_screen[static_cast<std::size_t>(side.b)]);
    }
    // The edges the class counts, each drawn once where it can be seen; the lit ones over the rest.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Side& side : m_sides) {
            if (side.edge < 0 || !m_facing[static_cast<std::size_t>(side.facet)]) continue;
            const bool neighbourShown = side.neighbour >= 0 && m_facing[static_cast<std::size_t>(side.neighbour)];
            if (neighbourShown && side.neighbour < side.facet) continue;
            const bool lit = m_lit == Lit::Edges && side.edge < m_litCount;
            if (lit != (pass == 1)) continue;
            painter->setPen(!lit ? m_edgePen : side.edge == m_litCount - 1 ? m_newestEdgePen : m_firstEdgePen);
            painter->drawLine(m_screen[static_cast<std::size_t>(side.a)], m_screen[static_cast<std::size_t>(side.b)]);
        }
    }
    // The corners, rounded off where the edges meet.
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_ink);
    for (int v = 0; v < static_cast<int>(m_mesh->vertices.size()); ++v)
        if (vertexShown(v)) painter->drawEllipse(m_screen[static_cast<std::size_t>(m_mesh->vertices[static_cast<std::size_t>(v)])], kEdgeWidth / 2, kEdgeWidth / 2);
    if (m_lit != Lit::Vertices) return;
    painter->setPen(m_dotPen);
    for (int v = 0; v < std::min(m_litCount, static_cast<int>(m_mesh->vertices.size())); ++v) {
        if (!vertexShown(v)) continue;
        const bool newest = v == m_litCount - 1;
        painter->setBrush(newest ? m_newestDot : m_firstDot);
        const double r = newest ? kDotRadius * 1.4 : kDotRadius;
        painter->drawEllipse(m_screen[static_cast<std::size_t>(m_mesh->vertices[static_cast<std::size_t>(v)])], r, r);
    }
}

}  // namespace platform
