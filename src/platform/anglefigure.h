#pragma once
// A figure of lines and marked angles on white paper: two arms from a corner, a straight line with a
// ray, rays round a point, a triangle. One arm may end in a handle that the pointer turns about its
// corner, and a protractor may lie over a corner, aligned on an arm, with its reading marked.
// Directions are degrees anticlockwise from pointing right; lengths are twips, the same both ways,
// so every angle is drawn true at any zoom.
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls.h"

namespace platform {

class AngleFigure : public Control {
public:
    struct Mark {
        QPointF corner;
        double from = 0;   // the first arm's direction
        double sweep = 0;  // to the second arm: positive anticlockwise, negative clockwise
        QString label;
        QColor colour{0x20, 0x60, 0xC0};
        double radius = 650;
        bool square = false;  // a right angle's square corner in place of the arc
    };
    struct Protractor {
        QPointF centre;
        double base = 0;         // the direction its zero lies along
        bool clockwise = false;  // which way its scale counts up
        bool full = false;       // a whole circle, for reflex angles
        double radius = 2450;
    };

    AngleFigure(const QString& name, float left, float top, float width, float height);

    void setLines(std::vector<QLineF> lines);
    const std::vector<QLineF>& lines() const { return m_lines; }
    void setMarks(std::vector<Mark> marks);
    const std::vector<Mark>& marks() const { return m_marks; }
    void setMarkSweep(int index, double sweep);
    void setMarkLabel(int index, const QString& label, const QColor& colour);

    // The arm that turns: from `corner`, `length` long, ending in a handle when it may be dragged.
    void setTurningArm(QPointF corner, double direction, double length, bool draggable);
    void setArmDirection(double direction);
    void setArmDraggable(bool draggable);
    void clearTurningArm();
    bool hasTurningArm() const { return m_armLength > 0; }
    double armDirection() const { return m_armDirection; }
    QPointF armEnd() const;
    static constexpr double kHandleRadius = 320;  // 640 twips across: a fingertip

    // The protractor, and the reading marked on it (nothing marked below 0).
    void setProtractor(std::optional<Protractor> protractor);
    const std::optional<Protractor>& protractor() const { return m_protractor; }
    void setReading(double degrees, const QString& caption);
    double reading() const { return m_reading; }

    void setLabelFont(const FontSpec& font);

    // While the handle is dragged: the direction from the arm's corner to the pointer.
    std::function<void(double direction)> onArmTurned;
    std::function<void()> onArmLetGo;

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QPointF pointer(const MouseEvent& e) const;
    void pressed(const MouseEvent& e);
    void moved(const MouseEvent& e);
    void released(const MouseEvent& e);
    void paintMark(QPainter* painter, const Mark& mark) const;
    void paintProtractor(QPainter* painter);
    void paintProtractorFace(QPainter* painter) const;
    void paintReading(QPainter* painter) const;

    std::vector<QLineF> m_lines;
    std::vector<Mark> m_marks;
    QPointF m_armCorner;
    double m_armDirection = 0;
    double m_armLength = 0;
    bool m_armDraggable = false;
    bool m_dragging = false;
    std::optional<Protractor> m_protractor;
    double m_reading = -1;
    QString m_readingCaption;
    QImage m_cache;  // the protractor's face at the last scale it was drawn at
    bool m_cacheValid = false;
    double m_cacheScale = 0;
    QFont m_labelFont;
    QFont m_scaleFont;
    QFont m_readingFont;
};

}  // namespace platform
