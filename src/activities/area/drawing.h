#pragma once
// The picture the class works on: a shape shaded on squared paper, or drawn to scale with its
// sides' lengths and no squares; its outline in ink, gone round in the highlight side by side, and
// the rectangles it splits into, each in its own colour.
#include <QPointF>
#include <QRectF>
#include <vector>

#include "activities/area/rules.h"
#include "platform/controls.h"
#include "platform/grid.h"

namespace platform {
class Form;
}

namespace area {

class Drawing {
public:
    static constexpr int kMostSides = 8;  // a U, a T or three steps
    static constexpr int kMostParts = 3;
    static constexpr float kLeft = 240;
    static constexpr float kTop = 1440;
    static constexpr float kSquare = 600;                        // a square of the paper, a finger wide
    static constexpr float kRight = kLeft + kPaperColumns * kSquare;
    static constexpr float kBottom = kTop + kPaperRows * kSquare;
    // Drawn to scale: as large as the room allows with the lengths around it, within these.
    static constexpr float kLeastCentimetre = 320;
    static constexpr float kMostCentimetre = 480;
    // Shades of the paper: the shape, then the rectangles it splits into.
    static constexpr int kShapeShade = 1;
    static constexpr int kFirstPartShade = 2;

    explicit Drawing(platform::Form& form);

    platform::Grid* grid;
    platform::ControlArray<platform::Shape> fills;  // the rectangles of a shape drawn to scale
    platform::ControlArray<platform::Line> edges;   // the outline
    platform::ControlArray<platform::Line> traced;  // the sides gone round so far
    platform::ControlArray<platform::Label> lengths;

    // Empty squared paper, ready for the pupil's shading (or not).
    void showPaper(bool tappable);
    // The shape shaded on the paper; its sides' lengths stay hidden until shown.
    void showOnPaper(const Region& shape);
    // The shape drawn to scale with no squares; the lengths the class needs are written.
    void showToScale(const Region& shape, bool everyLength);

    const std::vector<Side>& sides() const { return m_sides; }
    const std::vector<Rect>& parts() const { return m_parts; }
    bool toScale() const { return m_toScale; }

    // The outline of a shape on the paper as it stands (its squares may be counted in later).
    void drawOutline(const Region& shape);
    void showLength(int side);
    // The highlight along a side: t from 0 (nothing yet) to 1 (the whole side).
    void trace(int side, double t);
    // One of the rectangles in the k-th part colour.
    void colourPart(int part);
    // Writes a count in a square of the paper.
    void number(int row, int column, const QString& text) { grid->setText(row, column, text); }
    static QColor partColour(int part);

private:
    QPointF corner(int x, int y) const;
    void placeLength(int side);

    Region m_shape;
    std::vector<Side> m_sides;
    std::vector<Rect> m_parts;
    bool m_toScale = false;
    QPointF m_origin;
    float m_unit = kSquare;
};

}  // namespace area
