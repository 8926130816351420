#pragma once
// Flat shapes drawn to fit a box on white card, such as the faces of a net: filled, outlined along
// every fold, and ringed when chosen or when the solution marks it. A tap on it is a click.
#include <QColor>
#include <QPointF>
#include <vector>

#include "platform/controls.h"

namespace platform {

class PolygonPicture : public Control {
public:
    PolygonPicture(const QString& name, float left, float top, float width, float height, int index = -1);

    // Polygons in any units: they are scaled alike to fit, so their shapes stay true.
    void setPolygons(std::vector<std::vector<QPointF>> polygons);
    const std::vector<std::vector<QPointF>>& polygons() const { return m_polygons; }
    void setFill(const QColor& fill);
    // A ring round the card in this colour; an invalid colour takes it away.
    void setRing(const QColor& ring);
    QColor ring() const { return m_ring; }

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    std::vector<std::vector<QPointF>> m_polygons;
    QColor m_fill{0xF0, 0x80, 0x30};
    QColor m_ring;
};

}  // namespace platform
