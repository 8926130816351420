#include "platform/thermometer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr long long kMostDegrees = 400;  // more ticks than this could not be told apart anyway
// Across the control, from the left: the brackets' labels, the brackets, the flag, the tube, the scale.
constexpr float kBracketX = 600;
constexpr float kTubeX = 1470;
constexpr float kTubeHalf = 150;
constexpr float kTick = 120, kFiveTick = 210, kLabelTick = 300;
constexpr float kUnitRoom = 420;  // above the top label, for the unit
const QColor kGlass{0xF4, 0xF8, 0xFF};
const QColor kRed{0xE0, 0x10, 0x10};
const QColor kFlag{0x5E, 0xC8, 0xF0};
const QColor kScale{0xFF, 0xFF, 0xFF};
}  // namespace

Thermometer::Thermometer(const QString& name, float left, float top, float width, float height)
    : Control(name, left, top, width, height) {
    // Only what lies on top of it (a grip) takes the pointer.
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    m_labeller = [](long long v) { return QString::number(v); };
    relabel();
}

void Thermometer::relabel() {
    m_font = sceneFont(m_labelFont);
    m_labelHeight = float(QFontMetricsF(m_font).height());
    m_scaleTop = kUnitRoom + m_labelHeight / 2;
    m_labels.clear();
    for (auto& ticks : m_ticks) ticks.clear();
    const float from = kTubeX + kTubeHalf + 15;
    if (m_high - m_low <= kMostDegrees) {
        for (long long v = m_low; v <= m_high; ++v) {
            const bool labelled = v % m_labelEvery == 0;
            if (labelled) m_labels.emplace_back(v, m_labeller(v));
            const int kind = labelled ? 2 : v % 5 == 0 ? 1 : 0;
            const float length = kind == 2 ? kLabelTick : kind == 1 ? kFiveTick : kTick;
            m_ticks[kind].emplace_back(QPointF(from, yOf(double(v))), QPointF(from + length, yOf(double(v))));
        }
    }
    // The glass: a tube closed at the top, joined to the bulb; it changes only with the height and font.
    const float bulbY = height() - bulbRadius() - 30;
    const float top = scaleTop() - 150;  // the tube runs a little past the highest degree
    if (m_glassFor != QPointF(top, bulbY)) {
        QPainterPath glass;
        glass.addRoundedRect(QRectF(kTubeX - kTubeHalf, top - kTubeHalf, 2 * kTubeHalf, bulbY - top + kTubeHalf), kTubeHalf, kTubeHalf);
        glass.addEllipse(QPointF(kTubeX, bulbY), bulbRadius(), bulbRadius());
        m_glass = glass.simplified();
        m_glassFor = QPointF(top, bulbY);
    }
    update();
}

void Thermometer::setHeight(float height) {
    Control::setHeight(height);
    relabel();
}

void Thermometer::updateTube(double from, double to) {
    // Only the stretch of tube between the old and the new top changes, with the knob at either end.
    const float y1 = yOf(from), y2 = yOf(to);
    update(QRectF(kTubeX - kTubeHalf - 120, std::min(y1, y2) - 120, 2 * (kTubeHalf + 120), std::abs(y2 - y1) + 240));
}

void Thermometer::setRange(long long low, long long high, long long labelEvery) {
    if (low == m_low && std::max(high, low + 1) == m_high && std::max(1LL, labelEvery) == m_labelEvery && !m_labels.empty()) return;
    m_low = low;
    m_high = std::max(high, low + 1);
    m_labelEvery = std::max(1LL, labelEvery);
    m_reading = std::clamp(m_reading, double(m_low), double(m_high));
    relabel();
}
void Thermometer::setLabeller(std::function<QString(long long)> labeller) {
    m_labeller = std::move(labeller);
    relabel();
}
void Thermometer::setLabelFont(const FontSpec& font) {
    m_labelFont = font;
    relabel();
}
void Thermometer::setUnit(const QString& unit) {
    m_unit = unit;
    update();
}

float Thermometer::bulbRadius() const { return 380; }
float Thermometer::scaleTop() const { return m_scaleTop; }
float Thermometer::scaleBottom() const { return height() - 2 * bulbRadius() - 250; }
float Thermometer::tubeX() const { return kTubeX; }

float Thermometer::yOf(double degrees) const {
    return scaleBottom() - (scaleBottom() - scaleTop()) * float((degrees - double(m_low)) / double(m_high - m_low));
}

long long Thermometer::degreesAt(float y) const {
    const double units = double(m_low) + double(scaleBottom() - y) / double(scaleBottom() - scaleTop()) * double(m_high - m_low);
    if (!std::isfinite(units)) return m_low;
    return std::clamp(static_cast<long long>(std::llround(std::clamp(units, -1e12, 1e12))), m_low, m_high);
}

void Thermometer::setReading(double degrees) {
    degrees = std::clamp(degrees, double(m_low), double(m_high));
    if (degrees == m_reading) return;
    updateTube(m_reading, degrees);
    m_reading = degrees;
}
void Thermometer::setKnobShown(bool shown) {
    m_knob = shown;
    updateTube(m_reading, m_reading);
}
void Thermometer::setFlag(std::optional<double> degrees) {
    m_flag = degrees;
    update();
}
void Thermometer::setBrackets(std::vector<Bracket> brackets) {
    m_brackets = std::move(brackets);
    update();
}
void Thermometer::setBracketEnd(int index, double end) {
    if (index < 0 || index >= static_cast<int>(m_brackets.size())) return;
    Bracket& b = m_brackets[static_cast<std::size_t>(index)];
    // The bracket so far and its label, which appears beside its middle once it is whole.
    const float h = m_labelHeight;
    const float top = std::min({yOf(b.from), yOf(b.end), yOf(end)}), bottom = std::max({yOf(b.from), yOf(b.end), yOf(end)});
    b.end = end;
    update(QRectF(0, top - h, kBracketX + 240, bottom - top + 2 * h));
}

Control* Thermometer::cloneAs(int) const { return nullptr; }

void Thermometer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    if (opaque()) painter->fillRect(boundingRect(), backColor());
    const QFontMetricsF metrics(m_font);
    painter->setFont(m_font);
    const float bulbY = height() - bulbRadius() - 30;
    painter->setPen(QPen(colors::Black, 2 * kTwipsPerPixel));
    painter->setBrush(kGlass);
    painter->drawPath(m_glass);

    // The red column from the bulb up to the reading.
    const float columnTop = yOf(m_reading);
    const float inner = kTubeHalf - 45;
    painter->setPen(Qt::NoPen);
    painter->setBrush(kRed);
    painter->drawEllipse(QPointF(kTubeX, bulbY), bulbRadius() - 60, bulbRadius() - 60);
    painter->drawRect(QRectF(kTubeX - inner, columnTop, 2 * inner, bulbY - columnTop));
    if (m_knob) {
        // A band across the top shows where to take hold of it.
        painter->setPen(QPen(colors::White, 2 * kTwipsPerPixel));
        painter->drawRoundedRect(QRectF(kTubeX - kTubeHalf - 90, columnTop - 75, 2 * (kTubeHalf + 90), 150), 60, 60);
    }

    // Ticks for every degree on the right of the tube, longer every five and at each label.
    for (int kind = 0; kind < 3; ++kind) {
        painter->setPen(QPen(kScale, (kind == 2 ? 3 : 2) * kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap));
        painter->drawLines(m_ticks[kind].data(), static_cast<int>(m_ticks[kind].size()));
    }
    painter->setPen(kScale);
    const float labelLeft = kTubeX + kTubeHalf + kLabelTick + 90;
    for (const auto& [v, text] : m_labels) {
        const float y = yOf(double(v)), h = float(metrics.height());
        painter->drawText(QRectF(labelLeft, y - h / 2, width() - labelLeft, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    if (!m_unit.isEmpty()) {
        const float h = float(metrics.height());
        painter->drawText(QRectF(labelLeft, 0, width() - labelLeft, h), Qt::AlignLeft | Qt::AlignVCenter, m_unit);
    }

    // The flag: a pennant pointing at the earlier reading from the left of the tube.
    if (m_flag) {
        const float y = yOf(*m_flag), tip = kTubeX - kTubeHalf - 30;
        painter->setPen(QPen(colors::Black, kTwipsPerPixel));
        painter->setBrush(kFlag);
        painter->drawPolygon(QPolygonF{QPointF(tip, y), QPointF(tip - 450, y - 180), QPointF(tip - 450, y + 180)});
    }

    // Brackets: a bar with a serif at each end, its label to the left once it is whole.
    for (const Bracket& b : m_brackets) {
        if (b.end == b.from) continue;
        const float y1 = yOf(b.from), y2 = yOf(b.end);
        QPen pen(b.colour, 4 * kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap);
        painter->setPen(pen);
        painter->drawLine(QPointF(kBracketX, y1), QPointF(kBracketX, y2));
        painter->drawLine(QPointF(kBracketX, y1), QPointF(kBracketX + 180, y1));
        painter->drawLine(QPointF(kBracketX, y2), QPointF(kBracketX + 180, y2));
        if (b.end != b.to || b.label.isEmpty()) continue;
        const float h = float(metrics.height());
        painter->drawText(QRectF(0, (y1 + y2 - h) / 2, kBracketX - 60, h), Qt::AlignRight | Qt::AlignVCenter, b.label);
    }
}

}  // namespace platform
