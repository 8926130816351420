#pragma once
// An array of dots in rows and columns. Dots not yet counted are pale rings; rows fill one after
// another, left to right, and each full row may show a number at its end (a running total).
#include <QColor>
#include <QFont>
#include <QStringList>

#include "platform/controls.h"

namespace platform {

class DotArray : public Control {
public:
    // `pitch` is the distance between neighbouring dots; the numbers stand right of the last column.
    DotArray(const QString& name, float left, float top, float width, float height, float pitch);

    void setShape(int rows, int columns);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // 2.5 fills two rows and half the dots of the third (an animation frame: nothing is allocated).
    void setFilled(double rows);
    double filled() const { return m_filled; }
    // The number written after each full row; missing ones write nothing.
    void setRowLabels(QStringList labels);
    void setLabelFont(const FontSpec& font);
    void setDotColor(const QColor& colour);

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    float m_pitch;
    int m_rows = 0, m_columns = 0;
    double m_filled = 0;
    QStringList m_labels;
    QFont m_font;
    QColor m_dot{0xFF, 0xE0, 0x3C};
};

}  // namespace platform
