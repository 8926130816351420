#pragma once
// Squared paper with an x axis and a y axis: the first quadrant (0 to 10) or all four (−10 to 10),
// labelled ticks, lettered points that can be dragged and snap to the crossings of the grid, a
// shape through some points, and dashed guide lines that run from the origin along the x axis and
// then up or down to a point.
#include <QColor>
#include <QPoint>
#include <QPointF>
#include <functional>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Axes : public Control {
public:
    struct Point {
        QPointF at;  // in grid units; between crossings only while it slides or is dragged
        QString label;
        QColor colour{0xE0, 0x20, 0x20};
        bool draggable = false;
    };

    // A square control `size` twips across.
    Axes(const QString& name, float left, float top, float size);

    // The same range on both axes, e.g. 0..10 or −10..10, labelled every `labelEvery` units.
    void setRange(int low, int high, int labelEvery = 1);
    int low() const { return m_low; }
    int high() const { return m_high; }

    // The control's own coordinates of a grid point, and the crossing nearest a place (kept on the paper).
    QPointF pointOf(QPointF grid) const;
    QPoint snap(QPointF place) const;

    void setPoints(std::vector<Point> points);
    const std::vector<Point>& points() const { return m_points; }
    void setPointAt(int index, QPointF grid);
    // Lines joining points in order (the sides of a shape); closed joins the last to the first.
    void setShape(std::vector<QPointF> corners, bool closed);
    // The guide to a point: progress 0 shows nothing, 1 the run along the x axis, 2 the climb too.
    void setGuide(QPointF target, double progress);
    void clearGuide() { setGuide({}, 0); }
    void setLabelFont(const FontSpec& font);

    // A draggable point let go: it has snapped to the crossing given.
    std::function<void(int index, QPoint crossing)> onPointDropped;
    // Whether points may be dragged (off while a solution is shown).
    void setDragging(bool allowed) { m_draggingAllowed = allowed; }

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    class Paper;
    friend class Paper;
    void paintPaper(QPainter* painter) const;
    float unit() const;
    QRectF paper() const;
    void pressed(const MouseEvent& e);
    void moved(const MouseEvent& e);
    void released(const MouseEvent& e);

    int m_low = 0, m_high = 10, m_labelEvery = 1;
    std::vector<Point> m_points;
    std::vector<QPointF> m_shape;
    bool m_shapeClosed = false;
    QPointF m_guideTarget;
    double m_guideProgress = 0;
    FontSpec m_labelFont{QStringLiteral("Tahoma"), 12, true};
    QFont m_font;
    QFont m_pointFont;
    Paper* m_paper = nullptr;  // the squares, axes and labels, drawn once per zoom and kept
    bool m_draggingAllowed = true;
    int m_dragged = -1;
    QPointF m_grabOffset;  // from the pointer to the dragged point's centre, in twips
};

}  // namespace platform
