#include "platform/polygonpicture.h"

#include <QPainter>
#include <algorithm>
#include <limits>

namespace platform {
namespace {
constexpr double kMargin = 240;  // twips of card round the shapes, room for the ring
constexpr double kRingWidth = 110;
}  // namespace

PolygonPicture::PolygonPicture(const QString& name, float left, float top, float width, float height, int index)
    : Control(name, left, top, width, height, index) {
    setOpaque(true);
    setBackColor(colors::White);
}

void PolygonPicture::setPolygons(std::vector<std::vector<QPointF>> polygons) {
    m_polygons = std::move(polygons);
    update();
}

void PolygonPicture::setFill(const QColor& fill) {
    m_fill = fill;
    update();
}

void PolygonPicture::setRing(const QColor& ring) {
    m_ring = ring;
    update();
}

Control* PolygonPicture::cloneAs(int idx) const {
    auto* copy = new PolygonPicture(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    copy->m_fill = m_fill;
    return copy;
}

void PolygonPicture::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF card = boundingRect();
    painter->setPen(Qt::NoPen);
    painter->setBrush(backColor());
    painter->drawRoundedRect(card, 120, 120);
    double left = std::numeric_limits<double>::max(), top = left, right = -left, bottom = -left;
    for (const auto& polygon : m_polygons)
        for (const QPointF& p : polygon) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    if (right > left && bottom > top) {
        const double scale = std::min((card.width() - 2 * kMargin) / (right - left), (card.height() - 2 * kMargin) / (bottom - top));
        const QPointF offset((card.width() - (right - left) * scale) / 2 - left * scale, (card.height() - (bottom - top) * scale) / 2 - top * scale);
        painter->setBrush(m_fill);
        painter->setPen(QPen(QColor(0x30, 0x20, 0x18), 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& polygon : m_polygons) {
            QPolygonF shape;
            for (const QPointF& p : polygon) shape << p * scale + offset;
            painter->drawPolygon(shape);
        }
    }
    if (m_ring.isValid()) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(m_ring, kRingWidth));
        painter->drawRoundedRect(card.adjusted(kRingWidth / 2, kRingWidth / 2, -kRingWidth / 2, -kRingWidth / 2), 120, 120);
    }
}

}  // namespace platform
