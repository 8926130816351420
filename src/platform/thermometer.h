#pragma once
// A thermometer drawn large: an upright scale of whole degrees (a tick for each, a longer one every
// five, a label every few), a red column rising from the bulb to the reading with a knob at its top,
// a flag at an earlier reading, and brackets beside the tube that show a change part by part.
#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Thermometer : public Control {
public:
    struct Bracket {
        double from = 0;
        double to = 0;    // where the bracket ends once drawn in full
        QString label;    // written beside it once it reaches its end
        QColor colour{0xFF, 0x8C, 0x00};
        double end = 0;   // how far it is drawn yet (moves with the column)
    };

    Thermometer(const QString& name, float left, float top, float width, float height);

    // The scale from low to high degrees, a label every labelEvery, each label's text from the labeller.
    void setRange(long long low, long long high, long long labelEvery);
    void setLabeller(std::function<QString(long long)> labeller);
    void setLabelFont(const FontSpec& font);
    // Written over the top of the scale ("°C").
    void setUnit(const QString& unit);
    long long low() const { return m_low; }
    long long high() const { return m_high; }

    // The control's own y of a reading, and back: the nearest whole degree, kept on the scale.
    float yOf(double degrees) const;
    long long degreesAt(float y) const;
    // The middle of the tube, across the control.
    float tubeX() const;

    // The column's top; between two degrees while it moves.
    void setReading(double degrees);
    double reading() const { return m_reading; }
    void setKnobShown(bool shown);
    void setFlag(std::optional<double> degrees);
    std::optional<double> flag() const { return m_flag; }
    void setBrackets(std::vector<Bracket> brackets);
    const std::vector<Bracket>& brackets() const { return m_brackets; }
    // Draws a bracket as far as `end` (an animation frame: nothing is allocated).
    void setBracketEnd(int index, double end);

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

    void setHeight(float height) override;

private:
    void relabel();
    void updateTube(double from, double to);
    float scaleTop() const;
    float scaleBottom() const;
    float bulbRadius() const;

    long long m_low = -10, m_high = 10, m_labelEvery = 5;
    std::function<QString(long long)> m_labeller;
    FontSpec m_labelFont{QStringLiteral("Tahoma"), 12, true};
    QString m_unit;
    double m_reading = 0;
    bool m_knob = true;
    std::optional<double> m_flag;
    std::vector<Bracket> m_brackets;
    // Worked out when the range, labeller, font or height changes, so an animation frame only draws.
    QFont m_font;
    std::vector<std::pair<long long, QString>> m_labels;
    float m_scaleTop = 0;
    float m_labelHeight = 0;
    QPainterPath m_glass;
    QPointF m_glassFor;  // the tube's top and the bulb's middle the glass was made for
    std::vector<QLineF> m_ticks[3];  // every degree, every five, every label
};

}  // namespace platform
