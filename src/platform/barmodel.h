#pragma once
// A bar model: rows of cells stacked one above the other, each row as wide as the control and each
// cell as wide as its share of the row, but never too narrow for its label. The whole goes in one
// row and its parts in another, so the class sees the shape of a sum.
#include <QColor>
#include <QRectF>
#include <vector>

#include "platform/controls.h"

namespace platform {

class BarModel : public Control {
public:
    struct Cell {
        double share = 1;  // how much of its row it stands for
        QString label;
        QColor fill{0xFF, 0xFF, 0xFF};
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    using Row = std::vector<Cell>;

    BarModel(const QString& name, float left, float top, float width, float height, int index = -1);

    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return m_rows; }
    // Where a cell stands, in the control's own twips; empty for a cell that is not there.
    QRectF cellRect(int row, int cell) const;

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    void relayout();

    std::vector<Row> m_rows;
    // Worked out when the rows change, so painting only draws.
    std::vector<std::vector<QRectF>> m_rects;
};

// The widths of cells sharing `total` twips in proportion to their shares, each at least its
// least width; when the least widths alone overfill the total, they are scaled down together.
std::vector<float> shareWidths(const std::vector<double>& shares, const std::vector<float>& least, float total);

}  // namespace platform
