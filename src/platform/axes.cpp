#include "platform/axes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kMargin = 540;      // room for the labels left of and below the paper
constexpr float kEndRoom = 360;    // above the paper for "y", right of it for "x"
constexpr float kPointRadius = 120;
constexpr float kGrabRadius = 420;  // a finger on a whiteboard lands this close to a point's centre
}  // namespace

// What never moves while a point is dragged: painted once at the screen's resolution and kept, so a
// drag step only repaints the points.
class Axes::Paper : public QGraphicsItem {
public:
    explicit Paper(Axes* axes) : QGraphicsItem(axes), m_axes(axes) {
        setFlag(QGraphicsItem::ItemStacksBehindParent);
        setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        setAcceptedMouseButtons(Qt::NoButton);
    }
    QRectF boundingRect() const override { return m_axes->boundingRect(); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override { m_axes->paintPaper(painter); }
    void changed() { update(); }

private:
    Axes* m_axes;
};

Axes::Axes(const QString& name, float left, float top, float size) : Control(name, left, top, size, size) {
    m_paper = new Paper(this);
    setOpaque(true);
    setBackColor(colors::White);
    setLabelFont(m_labelFont);
    onMouseDown = [this](const MouseEvent& e) { pressed(e); };
    onMouseMove = [this](const MouseEvent& e) { moved(e); };
    onMouseUp = [this](const MouseEvent& e) { released(e); };
}

void Axes::setRange(int low, int high, int labelEvery) {
    m_low = low;
    m_high = std::max(high, low + 1);
    m_labelEvery = std::max(1, labelEvery);
    m_paper->changed();
    update();
}

// Square, with room left and below for the labels, above for "y" and right for "x".
QRectF Axes::paper() const {
    const float side = std::min(width() - kMargin - kEndRoom, height() - kMargin - kEndRoom);
    return {kMargin, kEndRoom, side, side};
}
float Axes::unit() const { return float(paper().width()) / float(m_high - m_low); }

QPointF Axes::pointOf(QPointF grid) const {
    const QRectF p = paper();
    return {p.left() + (grid.x() - m_low) * unit(), p.bottom() - (grid.y() - m_low) * unit()};
}

QPoint Axes::snap(QPointF place) const {
    const QRectF p = paper();
    const auto crossing = [&](double along) {
        return std::clamp(int(std::lround(along / unit())) + m_low, m_low, m_high);
    };
    return {crossing(place.x() - p.left()), crossing(p.bottom() - place.y())};
}

void Axes::setPoints(std::vector<Point> points) {
    m_points = std::move(points);
    m_dragged = -1;
    update();
}

void Axes::setPointAt(int index, QPointF grid) {
    if (index < 0 || index >= static_cast<int>(m_points.size())) return;
    m_points[static_cast<std::size_t>(index)].at = grid;
    update();
}

void Axes::setShape(std::vector<QPointF> corners, bool closed) {
    m_shape = std::move(corners);
    m_shapeClosed = closed;
    update();
}

void Axes::setGuide(QPointF target, double progress) {
    m_guideTarget = target;
    m_guideProgress = progress;
    update();
}

void Axes::setLabelFont(const FontSpec& font) {
    m_labelFont = font;
    m_font = sceneFont(font);
    FontSpec letters = font;
    letters.size = font.size * 1.5f;
    m_pointFont = sceneFont(letters);
    if (m_paper) m_paper->changed();
    update();
}

void Axes::pressed(const MouseEvent& e) {
    if (!m_draggingAllowed || e.button != LeftButton) return;
    const QPointF at(e.x, e.y);
    for (int i = static_cast<int>(m_points.size()) - 1; i >= 0; --i) {
        const Point& p = m_points[static_cast<std::size_t>(i)];
        const QPointF centre = pointOf(p.at);
        if (p.draggable && std::hypot(at.x() - centre.x(), at.y() - centre.y()) <= kGrabRadius) {
            m_dragged = i;
            m_grabOffset = centre - at;
            return;
        }
    }
}

void Axes::moved(const MouseEvent& e) {
    if (m_dragged < 0 || !(e.button & LeftButton)) return;
    // The point follows the pointer over the paper, never beyond its edges.
    const QRectF p = paper();
    const QPointF place(std::clamp(double(e.x) + m_grabOffset.x(), p.left(), p.right()),
                        std::clamp(double(e.y) + m_grabOffset.y(), p.top(), p.bottom()));
    setPointAt(m_dragged, {m_low + (place.x() - p.left()) / unit(), m_low + (p.bottom() - place.y()) / unit()});
}

void Axes::released(const MouseEvent& e) {
    if (m_dragged < 0) return;
    const int index = m_dragged;
    m_dragged = -1;
    const QPoint crossing = snap(pointOf(m_points[static_cast<std::size_t>(index)].at));
    (void)e;
    setPointAt(index, crossing);
    if (onPointDropped) onPointDropped(index, crossing);
}

Control* Axes::cloneAs(int) const { return nullptr; }

void Axes::paintPaper(QPainter* painter) const {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF p = paper();
    painter->fillRect(p, backColor());
    // The squares, then the two axes over them.
    painter->setPen(QPen(QColor(0x9C, 0xC3, 0xE6), kTwipsPerPixel));
    for (int v = m_low; v <= m_high; ++v) {
        const QPointF a = pointOf({double(v), double(m_low)}), b = pointOf({double(v), double(m_high)});
        painter->drawLine(a, b);
        const QPointF c = pointOf({double(m_low), double(v)}), d = pointOf({double(m_high), double(v)});
        painter->drawLine(c, d);
    }
    const int origin = std::clamp(0, m_low, m_high);
    painter->setPen(QPen(QColor(0x10, 0x10, 0x10), 3 * kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap));
    painter->drawLine(pointOf({double(m_low), double(origin)}), pointOf({double(m_high), double(origin)}));
    painter->drawLine(pointOf({double(origin), double(m_low)}), pointOf({double(origin), double(m_high)}));

    // Labels: under the x axis's ticks and left of the y axis's, at the paper's edge for the first quadrant.
    painter->setFont(m_font);
    painter->setPen(foreColor());
    const QFontMetricsF metrics(m_font);
    const float h = float(metrics.height());
    for (int v = m_low; v <= m_high; ++v) {
        if (v % m_labelEvery != 0) continue;
        const QString text = v < 0 ? QStringLiteral("-%1").arg(-v) : QString::number(v);
        const float w = float(metrics.horizontalAdvance(text)) + 30;
        const QPointF x = pointOf({double(v), double(m_low)});
        const QPointF y = pointOf({double(m_low), double(v)});
        if (v != origin || m_low == 0) painter->drawText(QRectF(x.x() - w / 2, p.bottom() + 45, w, h), Qt::AlignCenter, text);
        if (v != origin) painter->drawText(QRectF(p.left() - w - 60, y.y() - h / 2, w, h), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    const QPointF xEnd = pointOf({double(m_high), double(origin)}), yEnd = pointOf({double(origin), double(m_high)});
    painter->drawText(QRectF(xEnd.x() + 60, xEnd.y() - h / 2, kEndRoom, h), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("x"));
    painter->drawText(QRectF(yEnd.x() - kEndRoom / 2, yEnd.y() - kEndRoom, kEndRoom, h), Qt::AlignCenter, QStringLiteral("y"));
}

void Axes::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const int origin = std::clamp(0, m_low, m_high);

    if (m_shape.size() >= 2) {
        painter->setPen(QPen(QColor(0x20, 0x60, 0xC0), 3 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap));
        for (std::size_t i = 0; i + 1 < m_shape.size(); ++i) painter->drawLine(pointOf(m_shape[i]), pointOf(m_shape[i + 1]));
        if (m_shapeClosed) painter->drawLine(pointOf(m_shape.back()), pointOf(m_shape.front()));
    }

    if (m_guideProgress > 0) {
        // Along the corridor, then up (or down) the stairs.
        const double run = std::min(1.0, m_guideProgress), climb = std::clamp(m_guideProgress - 1, 0.0, 1.0);
        const QPointF start{double(origin), double(origin)};
        const QPointF corner{origin + (m_guideTarget.x() - origin) * run, double(origin)};
        painter->setPen(QPen(QColor(0xFF, 0x8C, 0x00), 4 * kTwipsPerPixel, Qt::DashLine, Qt::FlatCap));
        painter->drawLine(pointOf(start), pointOf(corner));
        if (climb > 0) painter->drawLine(pointOf(corner), pointOf({corner.x(), origin + (m_guideTarget.y() - origin) * climb}));
    }

    for (const Point& point : m_points) {
        const QPointF c = pointOf(point.at);
        painter->setPen(QPen(point.colour, 2 * kTwipsPerPixel));
        painter->setBrush(point.colour);
        painter->drawEllipse(c, kPointRadius, kPointRadius);
        if (point.draggable) {
            // A ring the size of a fingertip says "move me".
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(c, kGrabRadius * 0.7, kGrabRadius * 0.7);
        }
        if (point.label.isEmpty()) continue;
        // Letters are read from the back of the room: half as big again as the scale.
        painter->setFont(m_pointFont);
        painter->setPen(point.colour.darker(130));
        const QFontMetricsF big(m_pointFont);
        const float w = float(big.horizontalAdvance(point.label)) + 30, bh = float(big.height());
        painter->drawText(QRectF(c.x() + 120, c.y() - bh - 30, w, bh), Qt::AlignLeft, point.label);
        painter->setFont(m_font);
    }
}

}  // namespace platform
