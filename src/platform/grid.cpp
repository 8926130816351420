#include "platform/grid.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
const Grid::Cell kOutside{};
}  // namespace

Grid::Grid(const QString& name, float left, float top, int rows, int columns, float cellSize)
    : Control(name, left, top, columns * cellSize, rows * cellSize),
      m_rows(rows),
      m_columns(columns),
      m_cellSize(cellSize),
      m_cells(static_cast<std::size_t>(rows * columns)),
      m_palette{QColor(0xFF, 0xE0, 0x3C)} {
    setOpaque(true);
    setBackColor(colors::White);
    // A tap repaints one cell: the paint is told which part is exposed and draws only those cells.
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
    setFont({QStringLiteral("Tahoma"), 12, true});
    onMouseDown = [this](const MouseEvent& e) { pressed(e); };
    onMouseMove = [this](const MouseEvent& e) { moved(e); };
    onMouseUp = [this](const MouseEvent&) { m_painting = false; };
}

const Grid::Cell& Grid::cell(int row, int column) const {
    return contains(row, column) ? m_cells[static_cast<std::size_t>(row * m_columns + column)] : kOutside;
}

void Grid::setShade(int row, int column, int shade) {
    if (!contains(row, column) || at(row, column).shade == shade) return;
    at(row, column).shade = shade;
    updateCell(row, column);
}
void Grid::setStruck(int row, int column, bool struck) {
    if (!contains(row, column) || at(row, column).struck == struck) return;
    at(row, column).struck = struck;
    updateCell(row, column);
}
void Grid::setRinged(int row, int column, bool ringed) {
    if (!contains(row, column) || at(row, column).ringed == ringed) return;
    at(row, column).ringed = ringed;
    updateCell(row, column);
}
void Grid::setText(int row, int column, const QString& text) {
    if (!contains(row, column) || at(row, column).text == text) return;
    at(row, column).text = text;
    updateCell(row, column);
}
void Grid::setLocked(int row, int column, bool locked) {
    if (contains(row, column)) at(row, column).locked = locked;
}
void Grid::clearMarks() {
    for (Cell& c : m_cells) {
        c.shade = 0;
        c.struck = false;
        c.ringed = false;
    }
    update();
}

void Grid::setPalette(std::vector<QColor> colours) {
    m_palette = std::move(colours);
    update();
}
void Grid::setTool(Tool tool, int shade) {
    m_tool = tool;
    m_toolShade = shade;
}
void Grid::setLineColor(const QColor& colour) {
    m_lineColor = colour;
    update();
}

bool Grid::cellAt(float x, float y, int& row, int& column) const {
    if (x < 0 || y < 0) return false;
    row = static_cast<int>(y / m_cellSize);
    column = static_cast<int>(x / m_cellSize);
    return contains(row, column);
}

void Grid::apply(int row, int column) {
    Cell& c = at(row, column);
    if (c.locked) return;
    // A layered tap adds or takes away only the tool's own layer.
    const int shade = !m_layered ? m_paintShade : m_paintShade ? c.shade | m_toolShade : c.shade & ~m_toolShade;
    if (m_tool == Tool::Shade ? c.shade == shade : c.struck == m_paintStruck) return;
    if (m_tool == Tool::Shade)
        c.shade = shade;
    else
        c.struck = m_paintStruck;
    updateCell(row, column);
    if (onCellChanged) onCellChanged(row, column);
}

void Grid::pressed(const MouseEvent& e) {
    int row, column;
    if (!m_tappable || e.button != LeftButton || !cellAt(e.x, e.y, row, column) || at(row, column).locked) return;
    const Cell& c = at(row, column);
    m_paintShade = (m_layered ? (c.shade & m_toolShade) == m_toolShade : c.shade == m_toolShade) ? 0 : m_toolShade;
    m_paintStruck = !c.struck;
    m_painting = true;
    m_lastRow = row;
    m_lastColumn = column;
    apply(row, column);
}

void Grid::moved(const MouseEvent& e) {
    int row, column;
    if (!m_painting || !(e.button & LeftButton) || !cellAt(e.x, e.y, row, column)) return;
    if (row == m_lastRow && column == m_lastColumn) return;
    // A quick stroke, or moves merged while the screen was busy, can jump cells: paint the ones
    // passed over too, along the line from the last cell.
    const int dr = row - m_lastRow, dc = column - m_lastColumn;
    const int steps = std::max(std::abs(dr), std::abs(dc));
    for (int i = 1; i <= steps; ++i)
        apply(m_lastRow + static_cast<int>(std::lround(double(dr) * i / steps)),
              m_lastColumn + static_cast<int>(std::lround(double(dc) * i / steps)));
    m_lastRow = row;
    m_lastColumn = column;
}

void Grid::updateCell(int row, int column) {
    update(QRectF(column * m_cellSize, row * m_cellSize, m_cellSize, m_cellSize).adjusted(-30, -30, 30, 30));
}

Control* Grid::cloneAs(int) const { return nullptr; }

void Grid::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF exposed = option ? option->exposedRect & boundingRect() : boundingRect();
    painter->fillRect(exposed, backColor());
    painter->setFont(qfont());
    const float s = m_cellSize;
    const auto first = [s](double at) { return std::max(0, static_cast<int>(at / s)); };
    const auto last = [s](double at, int count) { return std::min(count - 1, static_cast<int>(at / s)); };
    for (int r = first(exposed.top()); r <= last(exposed.bottom(), m_rows); ++r) {
        for (int c = first(exposed.left()); c <= last(exposed.right(), m_columns); ++c) {
            const Cell& cell = m_cells[static_cast<std::size_t>(r * m_columns + c)];
            const QRectF box(c * s, r * s, s, s);
            if (cell.shade > 0 && cell.shade <= static_cast<int>(m_palette.size()))
                painter->fillRect(box, m_palette[static_cast<std::size_t>(cell.shade - 1)]);
            if (!cell.text.isEmpty()) {
                painter->setPen(cell.struck ? QColor(0x80, 0x80, 0x80) : foreColor());
                painter->drawText(box, Qt::AlignCenter, cell.text);
            }
            if (cell.struck) {
                painter->setPen(QPen(QColor(0xC0, 0x10, 0x10), 3 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap));
                painter->drawLine(box.bottomLeft() + QPointF(s * 0.15, -s * 0.15), box.topRight() + QPointF(-s * 0.15, s * 0.15));
            }
            if (cell.ringed) {
                painter->setPen(QPen(QColor(0xE0, 0x20, 0x20), 3 * kTwipsPerPixel));
                painter->setBrush(Qt::NoBrush);
                painter->drawEllipse(box.adjusted(s * 0.08, s * 0.08, -s * 0.08, -s * 0.08));
            }
        }
    }
    painter->setPen(QPen(m_lineColor, kTwipsPerPixel));
    for (int r = 0; r <= m_rows; ++r) painter->drawLine(QPointF(0, r * s), QPointF(m_columns * s, r * s));
    for (int c = 0; c <= m_columns; ++c) painter->drawLine(QPointF(c * s, 0), QPointF(c * s, m_rows * s));
}

}  // namespace platform
