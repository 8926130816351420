#include "platform/anglefigure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>

namespace platform {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kLineWidth = 75;         // 5 pixels at zoom 1
constexpr double kGrabRadius = 450;       // a finger lands this close to the handle's centre
constexpr double kGrabAlongArm = 300;     // or this close to the arm's outer part
constexpr double kBand = 620;             // the protractor's scale band
constexpr double kTensTick = 250;
constexpr double kLongestLabelReach = 2400;
constexpr double kNumberNarrowing = 0.74;
const QColor kInk{0x10, 0x10, 0x10};
const QColor kHandle{0xE0, 0x40, 0x10};
const QColor kReadingColour{0xFF, 0x8C, 0x00};
const QColor kProtractorFace{0xFF, 0xFF, 0xF0, 175};
const QColor kProtractorInk{0x20, 0x30, 0x60};

QPointF along(QPointF from, double direction, double length) {
    const double r = direction * kPi / 180.0;
    return {from.x() + length * std::cos(r), from.y() - length * std::sin(r)};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// The scale's numbers, made once so that a frame of the reading's sweep makes no strings.
const std::array<QString, 36>& scaleNumbers() {
    static const std::array<QString, 36> numbers = [] {
        std::array<QString, 36> n;
        for (int i = 0; i < 36; ++i) n[static_cast<std::size_t>(i)] = QString::number(i * 10);
        return n;
    }();
    return numbers;
}

QRectF square(QPointF centre, double radius) { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }
int sixteenths(double degrees) { return static_cast<int>(std::lround(degrees * 16)); }
}  // namespace

AngleFigure::AngleFigure(const QString& name, float left, float top, float width, float height)
    : Control(name, left, top, width, height) {
    setOpaque(true);
    setBackColor(colors::White);
    setLabelFont({QStringLiteral("Tahoma"), 18, true});
    onMouseDown = [this](const MouseEvent& e) { pressed(e); };
    onMouseMove = [this](const MouseEvent& e) { moved(e); };
    onMouseUp = [this](const MouseEvent& e) { released(e); };
}

void AngleFigure::setLines(std::vector<QLineF> lines) {
    m_lines = std::move(lines);
    update();
}

void AngleFigure::setMarks(std::vector<Mark> marks) {
    m_marks = std::move(marks);
    update();
}

void AngleFigure::setMarkSweep(int index, double sweep) {
    if (index < 0 || index >= static_cast<int>(m_marks.size())) return;
    m_marks[static_cast<std::size_t>(index)].sweep = sweep;
    update();
}

void AngleFigure::setMarkLabel(int index, const QString& label, const QColor& colour) {
    if (index < 0 || index >= static_cast<int>(m_marks.size())) return;
    m_marks[static_cast<std::size_t>(index)].label = label;
    m_marks[static_cast<std::size_t>(index)].colour = colour;
    update();
}

void AngleFigure::setTurningArm(QPointF corner, double direction, double length, bool draggable) {
    m_armCorner = corner;
    m_armDirection = direction;
    m_armLength = length;
    m_armDraggable = draggable;
    m_dragging = false;
    update();
}

void AngleFigure::setArmDirection(double direction) {
    m_armDirection = direction;
    update();
}

void AngleFigure::setArmDraggable(bool draggable) {
    m_armDraggable = draggable;
    if (!draggable) m_dragging = false;
    update();
}

void AngleFigure::clearTurningArm() { setTurningArm({}, 0, 0, false); }

QPointF AngleFigure::armEnd() const { return along(m_armCorner, m_armDirection, m_armLength); }

void AngleFigure::setProtractor(std::optional<Protractor> protractor) {
    m_protractor = protractor;
    m_cacheValid = false;
    m_reading = -1;
    update();
}

void AngleFigure::setReading(double degrees, const QString& caption) {
    m_reading = degrees;
    m_readingCaption = caption;
    update();
}

void AngleFigure::setLabelFont(const FontSpec& font) {
    m_labelFont = sceneFont(font);
    FontSpec scale{QStringLiteral("Arial"), 12, true};
    m_scaleFont = sceneFont(scale);
    FontSpec reading = font;
    reading.size = font.size * 1.2f;
    m_readingFont = sceneFont(reading);
    m_cacheValid = false;
    update();
}

QPointF AngleFigure::pointer(const MouseEvent& e) const {
    // The form's own pointer place, so a burst of moves never leaves the handle behind.
    return pointerInContainer(e) - QPointF(left(), top());
}

void AngleFigure::pressed(const MouseEvent& e) {
    if (!m_armDraggable || m_armLength <= 0 || e.button != LeftButton) return;
    const QPointF at = pointer(e), end = armEnd();
    const bool onHandle = std::hypot(at.x() - end.x(), at.y() - end.y()) <= kGrabRadius;
    const bool onArm = distanceToSegment(at, along(m_armCorner, m_armDirection, m_armLength * 0.4), end) <= kGrabAlongArm;
    m_dragging = onHandle || onArm;
}

void AngleFigure::moved(const MouseEvent& e) {
    if (!m_dragging || !(e.button & LeftButton)) return;
    const QPointF at = pointer(e);
    // Right on the corner the pointer has no direction: the arm stays as it is.
    if (std::hypot(at.x() - m_armCorner.x(), at.y() - m_armCorner.y()) < 30) return;
    const double direction = std::atan2(m_armCorner.y() - at.y(), at.x() - m_armCorner.x()) * 180.0 / kPi;
    const double turned = direction < 0 ? direction + 360 : direction;
    if (onArmTurned) onArmTurned(turned);
    else setArmDirection(turned);
}

void AngleFigure::released(const MouseEvent&) {
    if (!m_dragging) return;
    m_dragging = false;
    if (onArmLetGo) onArmLetGo();
}

Control* AngleFigure::cloneAs(int) const { return nullptr; }

void AngleFigure::paintMark(QPainter* painter, const Mark& mark) const {
    const double sweep = std::clamp(mark.sweep, -360.0, 360.0);
    if (std::abs(sweep) < 0.5) return;
    QColor fill = mark.colour;
    fill.setAlpha(60);
    if (mark.square) {
        const double side = mark.radius * 0.6;
        const QPointF a = along(mark.corner, mark.from, side), c = along(mark.corner, mark.from + sweep, side);
        const QPointF b = a + (c - mark.corner);
        const QPointF corner[4] = {mark.corner, a, b, c};
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        painter->drawPolygon(corner, 4);
        painter->setPen(QPen(mark.colour, 40, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        const QPointF edge[3] = {a, b, c};
        painter->drawPolyline(edge, 3);
    } else {
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        painter->drawPie(square(mark.corner, mark.radius), sixteenths(mark.from), sixteenths(sweep));
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(mark.colour, 45, Qt::SolidLine, Qt::FlatCap));
        painter->drawArc(square(mark.corner, mark.radius), sixteenths(mark.from), sixteenths(sweep));
    }
    if (mark.label.isEmpty()) return;
    // The label sits on the angle's bisector, far enough out to stand clear of both arms.
    painter->setFont(m_labelFont);
    const QFontMetricsF metrics(m_labelFont);
    const double w = metrics.horizontalAdvance(mark.label) + 60, h = metrics.height();
    const double half = std::min(std::abs(sweep) / 2, 90.0) * kPi / 180.0;
    const double clear = std::hypot(w, h) / 2 / std::max(0.05, std::sin(half));
    const double reach = std::clamp(clear, mark.radius + h / 2 + 90, std::max(kLongestLabelReach, mark.radius + h));
    const QPointF at = along(mark.corner, mark.from + sweep / 2, reach);
    const QRectF box(at.x() - w / 2, at.y() - h / 2, w, h);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0xFF, 0xFF, 0xFF, 220));
    painter->drawRoundedRect(box, 60, 60);
    painter->setPen(mark.colour.darker(115));
    painter->drawText(box, Qt::AlignCenter, mark.label);
}

void AngleFigure::paintProtractor(QPainter* painter) {
    const Protractor& p = *m_protractor;
    const QTransform device = painter->worldTransform();
    if (device.type() > QTransform::TxScale) return paintProtractorFace(painter);
    // Four hundred ticks and thirty-six turned numbers are too slow to draw every frame of a drag:
    // they are drawn once, at the window's scale, and copied after that.
    const double reach = p.radius + 40;
    const QRectF square(p.centre.x() - reach, p.centre.y() - reach, 2 * reach, 2 * reach);
    const QRectF onDevice = device.mapRect(square);
    if (!m_cacheValid || m_cacheScale != device.m11()) {
        m_cache = QImage(onDevice.size().toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
        m_cache.fill(Qt::transparent);
        QPainter cache(&m_cache);
        cache.setRenderHint(QPainter::Antialiasing);
        cache.scale(device.m11(), device.m22());
        cache.translate(-square.topLeft());
        paintProtractorFace(&cache);
        m_cacheValid = true;
        m_cacheScale = device.m11();
    }
    painter->save();
    painter->resetTransform();
    painter->drawImage(onDevice.topLeft().toPoint(), m_cache);
    painter->restore();
}

void AngleFigure::paintProtractorFace(QPainter* painter) const {
    const Protractor& p = *m_protractor;
    const double sense = p.clockwise ? -1 : 1;
    const int span = p.full ? 360 : 180;
    const auto dir = [&](double n) { return p.base + sense * n; };
    const QRectF outer = square(p.centre, p.radius);

    painter->setPen(QPen(kProtractorInk, 20));
    painter->setBrush(kProtractorFace);
    if (p.full) painter->drawEllipse(outer);
    else painter->drawPie(outer, sixteenths(p.base), sixteenths(sense * 180));
    painter->setBrush(Qt::NoBrush);
    const QRectF inner = square(p.centre, p.radius - kBand);
    if (p.full) painter->drawEllipse(inner);
    else painter->drawArc(inner, sixteenths(p.base), sixteenths(sense * 180));

    // Degrees, fives and tens from the rim inwards.
    for (int n = 0; n < span + (p.full ? 0 : 1); ++n) {
        const double length = n % 10 == 0 ? kTensTick : n % 5 == 0 ? 170 : 100;
        painter->setPen(QPen(kProtractorInk, n % 10 == 0 ? 26 : 15, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(along(p.centre, dir(n), p.radius), along(p.centre, dir(n), p.radius - length));
    }
    painter->setFont(m_scaleFont);
    painter->setPen(kProtractorInk);
    const QFontMetricsF metrics(m_scaleFont);
    const double textHeight = metrics.height();
    for (int n = 0; n <= span && n < 360; n += 10) {
        const QString& text = scaleNumbers()[static_cast<std::size_t>(n / 10)];
        const double direction = dir(n);
        painter->save();
        painter->translate(along(p.centre, direction, p.radius - kTensTick - textHeight / 2 - 20));
        // Along the rim, never upside down, and a little narrow so that 100 to 350 keep apart.
        const bool lowerHalf = std::sin(direction * kPi / 180.0) < -1e-9;
        painter->rotate(90 - direction + (lowerHalf ? 180 : 0));
        painter->scale(kNumberNarrowing, 1);
        painter->drawText(QRectF(-500, -textHeight / 2, 1000, textHeight), Qt::AlignCenter, text);
        painter->restore();
    }
    painter->setPen(QPen(kProtractorInk, 30));
    if (p.full) painter->drawLine(p.centre, along(p.centre, p.base, p.radius));
    else painter->drawLine(along(p.centre, p.base, p.radius), along(p.centre, p.base + 180, p.radius));
    painter->drawEllipse(p.centre, 70, 70);

}

void AngleFigure::paintReading(QPainter* painter) const {
    const Protractor& p = *m_protractor;
    const double sense = p.clockwise ? -1 : 1;
    const auto dir = [&](double n) { return p.base + sense * n; };
    if (m_reading < 0) return;
    // The reading: the scale lit from zero round to it, a line out to it, and its value.
    painter->setPen(QPen(kReadingColour, 110, Qt::SolidLine, Qt::FlatCap));
    painter->drawArc(square(p.centre, p.radius - 55), sixteenths(p.base), sixteenths(sense * m_reading));
    painter->setPen(QPen(kReadingColour, 45, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(p.centre, along(p.centre, dir(m_reading), p.radius + 120));
    if (m_readingCaption.isEmpty()) return;
    painter->setFont(m_readingFont);
    const QFontMetricsF big(m_readingFont);
    const double w = big.horizontalAdvance(m_readingCaption) + 120, h = big.height() + 30;
    QPointF at = along(p.centre, dir(m_reading), p.radius + std::max(w, h) / 2 + 150);
    at.setX(std::clamp(at.x(), w / 2 + 30, width() - w / 2 - 30));
    at.setY(std::clamp(at.y(), h / 2 + 30, height() - h / 2 - 30));
    const QRectF box(at.x() - w / 2, at.y() - h / 2, w, h);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kReadingColour);
    painter->drawRoundedRect(box, 90, 90);
    painter->setPen(colors::White);
    painter->drawText(box, Qt::AlignCenter, m_readingCaption);
}

void AngleFigure::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(boundingRect(), backColor());
    for (const Mark& mark : m_marks) paintMark(painter, mark);
    // The protractor is clear plastic: the arms show through it, and the reading lies on top.
    if (m_protractor) paintProtractor(painter);
    // Flat ends draw far faster when smoothed; the corners get round dots below.
    painter->setPen(QPen(kInk, kLineWidth, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& line : m_lines) painter->drawLine(line);
    if (m_armLength > 0) {
        const QPointF end = armEnd();
        painter->drawLine(m_armCorner, end);
        if (m_armDraggable) {
            // A fingertip-sized disc says "turn me".
            QColor halo = kHandle;
            halo.setAlpha(70);
            painter->setPen(QPen(kHandle, 30));
            painter->setBrush(halo);
            painter->drawEllipse(end, kHandleRadius, kHandleRadius);
            painter->setPen(Qt::NoPen);
            painter->setBrush(kHandle);
            painter->drawEllipse(end, 110, 110);
        }
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(kInk);
    for (const QLineF& line : m_lines) painter->drawEllipse(line.p1(), 55, 55);
    if (m_protractor) paintReading(painter);
}

}  // namespace platform
