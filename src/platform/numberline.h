#pragma once
// A number line: a range of whole units (ones, tenths, degrees, pence …) with ticks, labels written
// by the screen, markers at values, and jumps drawn as arcs that can be uncovered one after another.
// Horizontal lines run left to right through the middle of the control, vertical ones bottom to top;
// markers and arcs rise into the half away from the labels, so give the control room there.
#include <QColor>
#include <functional>
#include <vector>

#include "platform/controls.h"

namespace platform {

class NumberLine : public Control {
public:
    enum class Orientation { Horizontal, Vertical };

    struct Marker {
        enum class Kind { Arrow, Dot, Tick };
        double at = 0;  // in units; between two units while it slides
        Kind kind = Kind::Dot;
        QColor colour{0xFF, 0xFF, 0x00};
        // Written beside the marker: an arrow's or dot's on the far side from the scale labels, a
        // tick's among them, as a scale label of its own.
        QString label;
        float size = 1;  // how much larger than usual the arrow or dot is drawn
        float lift = 0;  // twips off the line, away from the labels (riding a jump's arc)
    };
    struct Jump {
        long long from = 0;
        long long to = 0;
        QString label;  // written over the top of the arc
        QColor colour{0xFF, 0x8C, 0x00};
    };

    NumberLine(const QString& name, float left, float top, float width, float height,
               Orientation orientation = Orientation::Horizontal);

    // The line runs from low to high, a tick every tickEvery units and a label every labelEvery
    // (both counted from low's multiple), each label's text from the labeller.
    void setRange(long long low, long long high, long long tickEvery, long long labelEvery);
    void setLabeller(std::function<QString(long long)> labeller);
    long long low() const { return m_low; }
    long long high() const { return m_high; }
    // Room at each end, so the end labels are not cut.
    void setEndMargin(float twips);

    // Twips along the line (from the left, or from the bottom when vertical) of a value, and back.
    float along(double units) const;
    double unitsAt(float along) const;
    // The nearest multiple of step to a place along the line, kept within the range.
    long long snap(float along, long long step) const;
    // The control's own coordinates of a value's point on the line.
    QPointF pointOf(double units) const;

    void setMarkers(std::vector<Marker> markers);
    const std::vector<Marker>& markers() const { return m_markers; }
    // Moves one marker (an animation frame: nothing is allocated).
    void setMarkerAt(int index, double at);
    // Puts a marker on a jump's arc, a fraction t of the way along it (0 where it starts, 1 where it
    // lands), so that it hops rather than slides.
    void setMarkerOnJump(int index, int jump, double t);
    void setJumps(std::vector<Jump> jumps);
    const std::vector<Jump>& jumps() const { return m_jumps; }
    // How many jumps are drawn: 2.5 draws the first two whole and half of the third.
    void setJumpsShown(double shown);
    double jumpsShown() const { return m_jumpsShown; }

    // How high the arc of the shortest jumps rises (180 twips unless set), so that hops of one small
    // unit on a long line still read as hops.
    void setLeastJumpRise(float twips);
    void setLineColor(const QColor& colour);
    void setLabelFont(const FontSpec& font);

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    bool horizontal() const { return m_orientation == Orientation::Horizontal; }
    float length() const;
    float axis() const;  // where the line runs across the control
    void drawMarker(QPainter* painter, const Marker& marker) const;
    void drawJump(QPainter* painter, const Jump& jump, double fraction, int index) const;
    double riseOf(const Jump& jump) const;
    // What a marker or a jump draws, so that moving one repaints only that.
    QRectF markerBounds(int index) const;
    QRectF jumpBounds(int index) const;
    void measure();
    void moved(int index, const QRectF& before);
    void relabel();

    Orientation m_orientation;
    long long m_low = 0, m_high = 10, m_tickEvery = 1, m_labelEvery = 1;
    std::function<QString(long long)> m_labeller;
    float m_margin = 300;
    float m_leastRise = 180;
    std::vector<Marker> m_markers;
    std::vector<Jump> m_jumps;
    double m_jumpsShown = 0;
    QColor m_lineColor = colors::White;
    FontSpec m_labelFont{QStringLiteral("Tahoma"), 12, true};
    // Worked out when the range, labeller or font changes, so an animation frame only draws.
    QFont m_font;
    float m_labelHeight = 0;
    std::vector<std::pair<long long, QString>> m_labels;
    std::vector<float> m_markerLabelWidths;
    std::vector<float> m_jumpLabelWidths;
};

}  // namespace platform
