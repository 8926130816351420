#include "platform/beads.h"

#include <QPainter>
#include <algorithm>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr int kGroup = 5;  // beads change colour every five, so a class sees fives and tens at a glance
}  // namespace

Beads::Beads(const QString& name, float left, float top, float width, float height)
    : Control(name, left, top, width, height) {
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    // A hundred beads change only with the question: a repaint of what lies over them reuses the picture.
    setCacheMode(QGraphicsItem::DeviceCoordinateCache);
}

void Beads::setWires(int wires, int perWire) {
    m_wires = std::clamp(wires, 1, 20);
    m_perWire = std::clamp(perWire, 1, 40);
    m_left = std::clamp(m_left, 0, m_wires * m_perWire);
    update();
}

void Beads::setPushedLeft(int count) {
    m_left = std::clamp(count, 0, m_wires * m_perWire);
    update();
}

int Beads::leftOnWire(int wire) const { return std::clamp(m_left - wire * m_perWire, 0, m_perWire); }

Control* Beads::cloneAs(int) const { return nullptr; }

void Beads::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    // Beads as big as the rows allow, with room on each wire for a clear gap between the two sides.
    const float pitch = std::min(height() / float(m_wires), width() / (float(m_perWire) * 1.15f));
    const float bead = pitch * 0.92f;
    const QPen wirePen(QColor(0x30, 0x30, 0x30), 2 * kTwipsPerPixel);
    const QPen rim(QColor(0x20, 0x20, 0x20), kTwipsPerPixel);
    for (int w = 0; w < m_wires; ++w) {
        const float y = pitch * (float(w) + 0.5f) + (height() - pitch * float(m_wires)) / 2;
        painter->setPen(wirePen);
        painter->drawLine(QPointF(0, y), QPointF(width(), y));
        const int left = leftOnWire(w);
        painter->setPen(rim);
        for (int b = 0; b < m_perWire; ++b) {
            // Pushed beads run from the left end; the others sit against the right end.
            const float x = b < left ? pitch * (float(b) + 0.5f) : width() - pitch * (float(m_perWire - b) - 0.5f);
            painter->setBrush((b / kGroup) % 2 == 0 ? m_first : m_second);
            painter->drawEllipse(QPointF(x, y), bead / 2, bead / 2);
        }
    }
}

}  // namespace platform
