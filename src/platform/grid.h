#pragma once
// A block of square cells the class marks by tapping: shaded in one of a few colours, struck
// through, or ringed, with an optional number in each (a 100-square). A drag across cells gives them
// all the state the first cell's tap gave it, so a pupil can paint a row in one stroke.
#include <QColor>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Grid : public Control {
public:
    struct Cell {
        int shade = 0;  // 0: none; k: the k-th colour of the palette
        bool struck = false;
        bool ringed = false;
        QString text;
        bool locked = false;  // set by the screen only: taps and drags pass it by
    };
    // What a tap toggles.
    enum class Tool { Shade, Strike };

    Grid(const QString& name, float left, float top, int rows, int columns, float cellSize);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    float cellSize() const { return m_cellSize; }
    bool contains(int row, int column) const { return row >= 0 && row < m_rows && column >= 0 && column < m_columns; }

    // Cells outside the grid read as empty and ignore changes.
    const Cell& cell(int row, int column) const;
    void setShade(int row, int column, int shade);
    void setStruck(int row, int column, bool struck);
    void setRinged(int row, int column, bool ringed);
    void setText(int row, int column, const QString& text);
    // A locked cell keeps what the screen gave it (a pattern to copy, say) however the class taps.
    void setLocked(int row, int column, bool locked);
    // Every shade, stroke and ring off; the numbers and locks stay.
    void clearMarks();

    void setPalette(std::vector<QColor> colours);
    void setTool(Tool tool, int shade = 1);
    // Shades as layers: shades 1 and 2 are bits that a tap toggles one at a time, so a cell in both
    // sets has shade 3 and shows the palette's third colour, where the two overlap.
    void setLayered(bool layered) { m_layered = layered; }
    // Whether taps and drags change cells (off while a solution is shown, say).
    void setTappable(bool tappable) { m_tappable = tappable; }
    void setTextFont(const FontSpec& font) { setFont(font); }
    void setLineColor(const QColor& colour);

    // The cell under a point in the grid's own twips.
    bool cellAt(float x, float y, int& row, int& column) const;

    // Raised after a tap or a drag changed a cell.
    std::function<void(int row, int column)> onCellChanged;

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    Cell& at(int row, int column) { return m_cells[static_cast<std::size_t>(row * m_columns + column)]; }
    void apply(int row, int column);
    void updateCell(int row, int column);
    void pressed(const MouseEvent& e);
    void moved(const MouseEvent& e);

    int m_rows, m_columns;
    float m_cellSize;
    std::vector<Cell> m_cells;
    std::vector<QColor> m_palette;
    QColor m_lineColor{0x60, 0x60, 0x60};
    Tool m_tool = Tool::Shade;
    int m_toolShade = 1;
    bool m_tappable = true;
    bool m_layered = false;
    // The state a press gave its cell, painted on every cell the drag enters.
    bool m_painting = false;
    int m_paintShade = 0;
    bool m_paintStruck = false;
    int m_lastRow = -1, m_lastColumn = -1;
};

}  // namespace platform
