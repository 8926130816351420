#pragma once
// A sheet of squared paper as in a pupil's exercise book, big enough for a class to read: it paints
// a Sheet (digits, small carries, crossings-out, ruled lines) up to the solution step shown, and the
// answer cells a pupil fills in by tapping one and typing.
#include <QColor>
#include <functional>
#include <vector>

#include "platform/controls.h"
#include "platform/sheet.h"

namespace platform {

class SquaredPaper : public Control {
public:
    SquaredPaper(const QString& name, float left, float top);

    // A new sheet, drawn with square cells of `cellSize` twips and `margin` cells of blank paper
    // around it; the control takes its size from them. Shows the question alone (step 0).
    void setSheet(Sheet sheet, float cellSize, float margin = 0.5f);
    const Sheet& sheet() const { return m_sheet; }
    float cellSize() const { return m_cell; }
    void setFonts(const FontSpec& big, const FontSpec& small);
    // The colour of each ink role and rule role.
    void setPalette(std::vector<QColor> roles);

    // Shows the question and the solution's first `step` steps; what slides in at `step` stands
    // `progress` of the way (0 … 1). Nothing is allocated: an animation frame calls this.
    void setStep(int step, double progress = 1);
    int step() const { return m_step; }

    // The cells a pupil may write in, drawn as boxes; typing clears when the cells change.
    void setEntryCells(std::vector<std::pair<int, int>> cells);
    const std::vector<std::pair<int, int>>& entryCells() const { return m_entryCells; }
    bool isEntryCell(int row, int column) const;
    void setEntry(int row, int column, const QString& text);
    QString entry(int row, int column) const;
    void clearEntries();
    void setEntryColor(const QColor& colour) { m_entryColour = colour; }
    // The entry cell typing goes to, outlined; (-1, -1) for none.
    void setSelected(int row, int column);
    int selectedRow() const { return m_selectedRow; }
    int selectedColumn() const { return m_selectedColumn; }

    // The cell under a point in the control's own twips.
    bool cellAt(float x, float y, int& row, int& column) const;
    // The control's own twips of a place given in cells.
    QPointF pointOf(float row, float column) const;

    // The texts shown in a cell, as the class sees them now (for tests): inks whose box starts
    // there, of one size, in sheet order; a crossed-out one in brackets.
    QString shownText(int row, int column, Sheet::Size size = Sheet::Size::Big) const;
    bool ruleShown(int index) const;

    // Raised when a pupil taps an entry cell.
    std::function<void(int row, int column)> onCellTapped;

    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    struct Entry {
        int row, column;
        QString text;
    };
    bool inkShown(const Sheet::Ink& ink) const { return ink.step <= m_step; }
    bool inkStruck(const Sheet::Ink& ink) const { return ink.struckAt >= 0 && ink.struckAt <= m_step; }
    QRectF inkBox(const Sheet::Ink& ink) const;
    QColor roleColour(int role) const;
    void pressed(const MouseEvent& e);

    Sheet m_sheet;
    float m_cell = 600;
    float m_margin = 0.5f;
    int m_step = 0;
    double m_progress = 1;
    FontSpec m_bigSpec{QStringLiteral("Arial"), 28, true};
    FontSpec m_smallSpec{QStringLiteral("Arial"), 18, true};
    // Made when the fonts or the cell size change, so a frame only draws.
    QFont m_big, m_small;
    std::vector<QColor> m_palette;
    std::vector<std::pair<int, int>> m_entryCells;
    std::vector<Entry> m_entries;
    QColor m_entryColour{0x10, 0x40, 0xC0};
    int m_selectedRow = -1, m_selectedColumn = -1;
};

}  // namespace platform
