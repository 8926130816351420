#include "platform/numberline.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>


namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kTick = 150;       // half the height of a tick
constexpr float kLabelTick = 240;  // half the height of a labelled tick
constexpr long long kMostMarks = 1000;  // more ticks or labels than this could not be told apart anyway

long long floorToMultiple(long long v, long long step) {
    const long long r = ((v % step) + step) % step;
    return v - r;
}

}  // namespace

NumberLine::NumberLine(const QString& name, float left, float top, float width, float height, Orientation orientation)
    : Control(name, left, top, width, height), m_orientation(orientation) {
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    m_labeller = [](long long v) { return QString::number(v); };
    relabel();
}

void NumberLine::relabel() {
    m_font = sceneFont(m_labelFont);
    m_labelHeight = float(QFontMetricsF(m_font).height());
    measure();
    m_labels.clear();
    if ((m_high - m_low) / m_labelEvery > kMostMarks) return update();
    for (long long v = floorToMultiple(m_low, m_labelEvery); v <= m_high; v += m_labelEvery)
        if (v >= m_low) m_labels.emplace_back(v, m_labeller(v));
    update();
}

void NumberLine::setRange(long long low, long long high, long long tickEvery, long long labelEvery) {
    m_low = low;
    m_high = std::max(high, low + 1);
    m_tickEvery = std::max(1LL, tickEvery);
    m_labelEvery = std::max(1LL, labelEvery);
    relabel();
}
void NumberLine::setLabeller(std::function<QString(long long)> labeller) {
    m_labeller = std::move(labeller);
    relabel();
}
void NumberLine::setEndMargin(float twips) {
    m_margin = twips;
    update();
}

float NumberLine::length() const { return (horizontal() ? width() : height()) - 2 * m_margin; }
float NumberLine::axis() const { return horizontal() ? height() / 2 : width() / 2; }

float NumberLine::along(double units) const {
    return m_margin + length() * float((units - double(m_low)) / double(m_high - m_low));
}

double NumberLine::unitsAt(float a) const { return m_low + double(a - m_margin) / length() * double(m_high - m_low); }

long long NumberLine::snap(float a, long long step) const {
    step = std::max(1LL, step);
    const double u = unitsAt(a);
    long long nearest = static_cast<long long>(std::llround((u - double(m_low)) / double(step))) * step + m_low;
    // Keep to multiples of the step that lie on the line.
    while (nearest > m_high) nearest -= step;
    while (nearest < m_low) nearest += step;
    return nearest;
}

QPointF NumberLine::pointOf(double units) const {
    const float a = along(units);
    return horizontal() ? QPointF(a, axis()) : QPointF(axis(), height() - a);
}

void NumberLine::setMarkers(std::vector<Marker> markers) {
    m_markers = std::move(markers);
    measure();
    update();
}

void NumberLine::measure() {
    const QFontMetricsF metrics(m_font);
    m_markerLabelWidths.clear();
    for (const Marker& m : m_markers) m_markerLabelWidths.push_back(float(metrics.horizontalAdvance(m.label)) + 60);
    m_jumpLabelWidths.clear();
    for (const Jump& j : m_jumps) m_jumpLabelWidths.push_back(float(metrics.horizontalAdvance(j.label)) + 60);
}

QRectF NumberLine::markerBounds(int index) const {
    // Everything a marker draws, from its point out past its label, with room for the pens.
    const Marker& m = m_markers[static_cast<std::size_t>(index)];
    const QPointF out = horizontal() ? QPointF(0, -1) : QPointF(-1, 0);
    const QPointF p = pointOf(m.at) + out * m.lift;
    const float h = m_labelHeight, w = m_markerLabelWidths[static_cast<std::size_t>(index)];
    const float reach = m.kind == Marker::Kind::Tick ? 420 : m.kind == Marker::Kind::Dot ? 210 + 240 * m.size : 330 + 720 * m.size;
    const float back = m.kind == Marker::Kind::Tick ? kLabelTick + 60 + h : 120 * m.size;
    const float side = std::max(w, 2 * 150 * m.size + 60) / 2 + 60;
    const QPointF far = p + out * (reach + h), near = p - out * back;
    QRectF r = QRectF(far, near).normalized();
    return horizontal() ? r.adjusted(-side, -60, side, 60) : r.adjusted(-w - 60, -side, w + 60, side);
}

void NumberLine::moved(int index, const QRectF& before) {
    update(before.united(markerBounds(index)));
}

void NumberLine::setMarkerAt(int index, double at) {
    if (index < 0 || index >= static_cast<int>(m_markers.size())) return;
    const QRectF before = markerBounds(index);
    m_markers[static_cast<std::size_t>(index)].at = at;
    moved(index, before);
}
void NumberLine::setMarkerOnJump(int index, int jump, double t) {
    if (index < 0 || index >= static_cast<int>(m_markers.size())) return;
    if (jump < 0 || jump >= static_cast<int>(m_jumps.size())) return;
    const Jump& j = m_jumps[static_cast<std::size_t>(jump)];
    const QRectF before = markerBounds(index);
    Marker& m = m_markers[static_cast<std::size_t>(index)];
    t = std::clamp(t, 0.0, 1.0);
    m.at = double(j.from) + t * double(j.to - j.from);
    // The arc is a quadratic curve whose middle stands `rise` off the line: 4·rise·t(1 − t) along it.
    m.lift = float(4 * riseOf(j) * t * (1 - t));
    moved(index, before);
}
void NumberLine::setJumps(std::vector<Jump> jumps) {
    m_jumps = std::move(jumps);
    measure();
    update();
}
void NumberLine::setJumpsShown(double shown) {
    if (shown == m_jumpsShown) return;
    // Only the jumps whose drawn part changes: their arcs, arrowheads and labels.
    const int first = std::max(0, static_cast<int>(std::floor(std::min(shown, m_jumpsShown))));
    const int last = std::min(static_cast<int>(m_jumps.size()) - 1, static_cast<int>(std::ceil(std::max(shown, m_jumpsShown))));
    m_jumpsShown = shown;
    for (int i = first; i <= last; ++i) update(jumpBounds(i));
}

QRectF NumberLine::jumpBounds(int index) const {
    const Jump& jump = m_jumps[static_cast<std::size_t>(index)];
    const QPointF a = pointOf(double(jump.from)), b = pointOf(double(jump.to));
    const double rise = riseOf(jump);
    const QPointF out = horizontal() ? QPointF(0, -1) : QPointF(-1, 0);
    // The arc's top, its label and the label's lift for short jumps, and the arrowhead at the line.
    const QPointF top = (a + b) / 2 + out * (rise + 2.2 * m_labelHeight + 60);
    const QRectF r = QRectF(a, b).normalized().united(QRectF(top, top)).adjusted(-240, -240, 240, 240);
    const float half = m_jumpLabelWidths[static_cast<std::size_t>(index)] / 2 + 60;
    return horizontal() ? r.adjusted(-half, 0, half, 0) : r.adjusted(0, -half, 0, half);
}
void NumberLine::setLeastJumpRise(float twips) {
    m_leastRise = std::max(0.0f, twips);
    update();
}
void NumberLine::setLineColor(const QColor& colour) {
    m_lineColor = colour;
    update();
}
void NumberLine::setLabelFont(const FontSpec& font) {
    m_labelFont = font;
    relabel();
}

Control* NumberLine::cloneAs(int) const { return nullptr; }

double NumberLine::riseOf(const Jump& jump) const {
    const QPointF a = pointOf(double(jump.from)), b = pointOf(double(jump.to));
    const double span = horizontal() ? std::abs(b.x() - a.x()) : std::abs(b.y() - a.y());
    return std::clamp(span * 0.45, double(m_leastRise), std::max(900.0, double(m_leastRise)));
}

void NumberLine::drawMarker(QPainter* painter, const Marker& m) const {
    const QFontMetricsF metrics(m_font);
    painter->setPen(QPen(m.colour, 3 * kTwipsPerPixel));
    painter->setBrush(m.colour);
    // Markers stand on the side away from the scale labels: above a horizontal line, left of a vertical one.
    const QPointF out = horizontal() ? QPointF(0, -1) : QPointF(-1, 0);
    const QPointF p = pointOf(m.at) + out * m.lift;
    QPointF labelAt;
    switch (m.kind) {
        case Marker::Kind::Dot:
            painter->drawEllipse(p, 120 * m.size, 120 * m.size);
            labelAt = p + out * (210 + 120 * m.size);
            break;
        case Marker::Kind::Tick:
            painter->drawLine(p + out * 420, p - out * kLabelTick);
            labelAt = p - out * (kLabelTick + 30 + metrics.height() / 2);
            break;
        case Marker::Kind::Arrow: {
            const float k = m.size;
            const QPointF tip = p + out * 60;
            const QPointF tail = p + out * (60 + 720 * k);
            painter->drawLine(tip + out * 200 * k, tail);
            const QPointF side = horizontal() ? QPointF(1, 0) : QPointF(0, 1);
            const QPolygonF head{tip, tip + out * 260 * k + side * 150 * k, tip + out * 260 * k - side * 150 * k};
            painter->drawPolygon(head);
            labelAt = tail + out * 210;
            break;
        }
    }
    if (m.label.isEmpty()) return;
    painter->setFont(m_font);
    const float w = float(metrics.horizontalAdvance(m.label)) + 60, h = float(metrics.height());
    const bool scaleSide = m.kind == Marker::Kind::Tick;
    const QRectF box = horizontal()  ? QRectF(labelAt.x() - w / 2, labelAt.y() - h / 2, w, h)
                       : scaleSide ? QRectF(labelAt.x() + 60, labelAt.y() - h / 2, w, h)
                                   : QRectF(labelAt.x() - w, labelAt.y() - h / 2, w, h);
    painter->drawText(box, Qt::AlignCenter, m.label);
}

void NumberLine::drawJump(QPainter* painter, const Jump& jump, double fraction, int index) const {
    const QPointF a = pointOf(double(jump.from)), b = pointOf(double(jump.to));
    const double span = horizontal() ? std::abs(b.x() - a.x()) : std::abs(b.y() - a.y());
    const double rise = riseOf(jump);
    QPainterPath arc(a);
    // The arc bows away from the labels; a quadratic curve is split by its parameter to draw part of it.
    const QPointF mid = (a + b) / 2 + (horizontal() ? QPointF(0, -2 * rise) : QPointF(-2 * rise, 0));
    const int pieces = 24;
    const int drawn = std::max(1, int(std::ceil(pieces * fraction)));
    QPointF end = a;
    for (int i = 1; i <= drawn; ++i) {
        const double t = std::min(1.0, fraction * i / drawn);
        end = (1 - t) * (1 - t) * a + 2 * (1 - t) * t * mid + t * t * b;
        arc.lineTo(end);
    }
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(jump.colour, 3 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(arc);
    if (fraction < 1) return;
    // An arrowhead where the jump lands.
    const QPointF before = 0.0064 * a + 0.1472 * mid + 0.8464 * b;  // the curve at t = 0.92
    const QPointF dir = (b - before) / std::max(1.0, std::hypot((b - before).x(), (b - before).y()));
    const QPointF normal(-dir.y(), dir.x());
    painter->setBrush(jump.colour);
    painter->drawPolygon(QPolygonF{b, b - dir * 200 + normal * 110, b - dir * 200 - normal * 110});
    if (jump.label.isEmpty()) return;
    painter->setFont(m_font);
    const QFontMetricsF metrics(m_font);
    const QPointF top = (a + b) / 2 + (horizontal() ? QPointF(0, -rise) : QPointF(-rise, 0));
    const float w = float(metrics.horizontalAdvance(jump.label)) + 60, h = float(metrics.height());
    // Neighbouring short jumps alternate their labels up and down a little so they do not collide.
    const float lift = (index % 2 == 1 && span < 900) ? h * 0.9f : 0;
    const QRectF box = horizontal() ? QRectF(top.x() - w / 2, top.y() - h - 30 - lift, w, h)
                                    : QRectF(top.x() - w - 30 - lift, top.y() - h / 2, w, h);
    painter->drawText(box, Qt::AlignCenter, jump.label);
}

void NumberLine::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    if (opaque()) painter->fillRect(boundingRect(), backColor());
    const QFontMetricsF metrics(m_font);
    painter->setFont(m_font);

    const QPointF start = pointOf(double(m_low)), end = pointOf(double(m_high));
    painter->setPen(QPen(m_lineColor, 3 * kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap));
    painter->drawLine(start, end);

    const bool ticks = (m_high - m_low) / m_tickEvery <= kMostMarks;
    for (long long v = floorToMultiple(m_low, m_tickEvery); ticks && v <= m_high; v += m_tickEvery) {
        if (v < m_low) continue;
        const bool labelled = v % m_labelEvery == 0;
        const QPointF p = pointOf(double(v));
        const float half = labelled ? kLabelTick : kTick;
        painter->setPen(QPen(m_lineColor, (labelled ? 3 : 2) * kTwipsPerPixel));
        if (horizontal())
            painter->drawLine(p - QPointF(0, half), p + QPointF(0, half));
        else
            painter->drawLine(p - QPointF(half, 0), p + QPointF(half, 0));
    }
    painter->setPen(m_lineColor);
    for (const auto& [v, text] : m_labels) {
        const QPointF p = pointOf(double(v));
        const float w = float(metrics.horizontalAdvance(text)) + 60, h = float(metrics.height());
        const QRectF box = horizontal() ? QRectF(p.x() - w / 2, p.y() + kLabelTick + 30, w, h)
                                        : QRectF(p.x() + kLabelTick + 60, p.y() - h / 2, w, h);
        painter->drawText(box, horizontal() ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter), text);
    }

    const int whole = static_cast<int>(std::floor(m_jumpsShown));
    for (int i = 0; i < static_cast<int>(m_jumps.size()) && i <= whole; ++i) {
        const double fraction = i < whole ? 1.0 : m_jumpsShown - whole;
        if (fraction > 0) drawJump(painter, m_jumps[static_cast<std::size_t>(i)], fraction, i);
    }
    for (const Marker& m : m_markers) drawMarker(painter, m);
}

}  // namespace platform
