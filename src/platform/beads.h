#pragma once
// A bead string or a bead rack: wires of beads coloured in fives, some pushed to the left end of
// their wires and the rest to the right, so a number and what it needs to make the whole stand apart.
#include <QColor>

#include "platform/controls.h"

namespace platform {

class Beads : public Control {
public:
    Beads(const QString& name, float left, float top, float width, float height);

    // One wire of 10 or 20 for a string, ten wires of ten for a rack.
    void setWires(int wires, int perWire);
    int wires() const { return m_wires; }
    int perWire() const { return m_perWire; }
    // How many beads, counted wire by wire from the top, are pushed to the left.
    void setPushedLeft(int count);
    int pushedLeft() const { return m_left; }
    // Beads pushed left on a wire: whole wires first, then what is left over.
    int leftOnWire(int wire) const;

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    int m_wires = 1;
    int m_perWire = 10;
    int m_left = 0;
    QColor m_first{0xE0, 0x30, 0x30};
    QColor m_second{0xFF, 0xFF, 0xFF};
};

}  // namespace platform
