#include "platform/squaredpaper.h"

#include <QPainter>
#include <cmath>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
const QColor kPaper{0xFF, 0xFF, 0xFF};
const QColor kSquares{0x9C, 0xC3, 0xE6};
const QColor kLit{0xFF, 0xEE, 0x99};
const QColor kEntryFill{0xFF, 0xFB, 0xE6};
const QColor kEntryEdge{0x5A, 0x7C, 0xA8};
const QColor kSelectedEdge{0xFF, 0x8C, 0x00};
const QColor kStrike{0xC0, 0x10, 0x10};

int flagsOf(Sheet::Place place) {
    switch (place) {
        case Sheet::Place::Centre: return Qt::AlignCenter;
        case Sheet::Place::TopLeft: return Qt::AlignLeft | Qt::AlignTop;
        case Sheet::Place::TopRight: return Qt::AlignRight | Qt::AlignTop;
        case Sheet::Place::BottomLeft: return Qt::AlignLeft | Qt::AlignBottom;
        case Sheet::Place::BottomRight: return Qt::AlignRight | Qt::AlignBottom;
        case Sheet::Place::Left: return Qt::AlignRight | Qt::AlignVCenter;
        case Sheet::Place::Right: return Qt::AlignLeft | Qt::AlignVCenter;
    }
    return Qt::AlignCenter;
}
}  // namespace

SquaredPaper::SquaredPaper(const QString& name, float left, float top) : Control(name, left, top, 600, 600) {
    setOpaque(true);
    setBackColor(kPaper);
    setAcceptHoverEvents(false);
    m_big = sceneFont(m_bigSpec);
    m_small = sceneFont(m_smallSpec);
    onMouseDown = [this](const MouseEvent& e) { pressed(e); };
}

void SquaredPaper::setSheet(Sheet sheet, float cellSize, float margin) {
    m_sheet = std::move(sheet);
    m_cell = std::max(1.0f, cellSize);
    m_margin = std::max(0.0f, margin);
    m_step = 0;
    m_progress = 1;
    m_entryCells.clear();
    m_entries.clear();
    m_selectedRow = m_selectedColumn = -1;
    setWidth((float(m_sheet.columns) + 2 * m_margin) * m_cell);
    setHeight((float(m_sheet.rows) + 2 * m_margin) * m_cell);
    update();
}

void SquaredPaper::setFonts(const FontSpec& big, const FontSpec& small) {
    m_bigSpec = big;
    m_smallSpec = small;
    m_big = sceneFont(big);
    m_small = sceneFont(small);
    update();
}

void SquaredPaper::setPalette(std::vector<QColor> roles) {
    m_palette = std::move(roles);
    update();
}

QColor SquaredPaper::roleColour(int role) const {
    return role >= 0 && role < static_cast<int>(m_palette.size()) ? m_palette[static_cast<std::size_t>(role)] : foreColor();
}

void SquaredPaper::setStep(int step, double progress) {
    progress = std::clamp(progress, 0.0, 1.0);
    if (step == m_step && progress == m_progress) return;
    if (step != m_step) {
        m_step = step;
        m_progress = progress;
        return update();
    }
    // A frame of a slide repaints only where the sliding figures were and now are.
    QRectF dirty;
    for (int pass = 0; pass < 2; ++pass) {
        for (const Sheet::Ink& ink : m_sheet.inks)
            if (ink.slides && ink.step == m_step) dirty |= inkBox(ink);
        m_progress = progress;
    }
    update(dirty.adjusted(-m_cell * 0.1, -m_cell * 0.1, m_cell * 0.1, m_cell * 0.1));
}

void SquaredPaper::setEntryCells(std::vector<std::pair<int, int>> cells) {
    m_entryCells = std::move(cells);
    m_entries.clear();
    update();
}

bool SquaredPaper::isEntryCell(int row, int column) const {
    return std::find(m_entryCells.begin(), m_entryCells.end(), std::pair{row, column}) != m_entryCells.end();
}

void SquaredPaper::setEntry(int row, int column, const QString& text) {
    if (!isEntryCell(row, column)) return;
    for (Entry& e : m_entries)
        if (e.row == row && e.column == column) {
            e.text = text;
            update();
            return;
        }
    m_entries.push_back({row, column, text});
    update();
}

QString SquaredPaper::entry(int row, int column) const {
    for (const Entry& e : m_entries)
        if (e.row == row && e.column == column) return e.text;
    return {};
}

void SquaredPaper::clearEntries() {
    m_entries.clear();
    update();
}

void SquaredPaper::setSelected(int row, int column) {
    if (!isEntryCell(row, column)) row = column = -1;
    m_selectedRow = row;
    m_selectedColumn = column;
    update();
}

QPointF SquaredPaper::pointOf(float row, float column) const {
    return {(m_margin + column) * m_cell, (m_margin + row) * m_cell};
}

bool SquaredPaper::cellAt(float x, float y, int& row, int& column) const {
    const float c = x / m_cell - m_margin, r = y / m_cell - m_margin;
    if (c < 0 || r < 0) return false;
    row = static_cast<int>(r);
    column = static_cast<int>(c);
    return row < m_sheet.rows && column < m_sheet.columns;
}

void SquaredPaper::pressed(const MouseEvent& e) {
    int row, column;
    if (e.button != LeftButton || !enabled() || !cellAt(e.x, e.y, row, column) || !isEntryCell(row, column)) return;
    if (onCellTapped) onCellTapped(row, column);
}

QString SquaredPaper::shownText(int row, int column, Sheet::Size size) const {
    QString text;
    for (const Sheet::Ink& ink : m_sheet.inks) {
        if (!inkShown(ink) || ink.size != size || int(ink.row) != row || int(ink.column) != column) continue;
        text += inkStruck(ink) ? QLatin1Char('(') + ink.text + QLatin1Char(')') : ink.text;
    }
    return text;
}

bool SquaredPaper::ruleShown(int index) const {
    return index >= 0 && index < static_cast<int>(m_sheet.rules.size()) &&
           m_sheet.rules[static_cast<std::size_t>(index)].step <= m_step;
}

QRectF SquaredPaper::inkBox(const Sheet::Ink& ink) const {
    float row = ink.row, column = ink.column;
    if (ink.slides && ink.step == m_step) {
        const float t = float(m_progress);
        row = ink.fromRow + (ink.row - ink.fromRow) * t;
        column = ink.fromColumn + (ink.column - ink.fromColumn) * t;
    }
    // Small figures keep a little off the squares' lines.
    const float inset = ink.size == Sheet::Size::Small ? m_cell * 0.06f : 0;
    QRectF box = QRectF(pointOf(row, column), QSizeF(ink.columns * m_cell, m_cell)).adjusted(inset, inset, -inset, -inset);
    if (ink.place == Sheet::Place::Left) box.setRight(box.center().x());
    if (ink.place == Sheet::Place::Right) box.setLeft(box.center().x());
    return box;
}

Control* SquaredPaper::cloneAs(int) const { return nullptr; }

void SquaredPaper::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF whole = boundingRect();
    painter->fillRect(whole, backColor());

    // The squares run on through the margin, as on a page.
    painter->setPen(QPen(kSquares, kTwipsPerPixel));
    const float offset = std::fmod(m_margin * m_cell, m_cell);
    for (float x = offset; x <= float(whole.width()) + 0.5f; x += m_cell) painter->drawLine(QPointF(x, 0), QPointF(x, whole.height()));
    for (float y = offset; y <= float(whole.height()) + 0.5f; y += m_cell) painter->drawLine(QPointF(0, y), QPointF(whole.width(), y));

    for (const Sheet::Light& light : m_sheet.lights)
        if (light.step == m_step && m_step > 0)
            painter->fillRect(QRectF(pointOf(light.row, light.column), QSizeF(light.columns * m_cell, light.rows * m_cell)), kLit);

    for (const auto& [row, column] : m_entryCells) {
        const QRectF box = QRectF(pointOf(float(row), float(column)), QSizeF(m_cell, m_cell)).adjusted(30, 30, -30, -30);
        painter->fillRect(box, kEntryFill);
        const bool selected = row == m_selectedRow && column == m_selectedColumn;
        painter->setPen(QPen(selected ? kSelectedEdge : kEntryEdge, (selected ? 4 : 2) * kTwipsPerPixel));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box);
    }

    for (const Sheet::Rule& rule : m_sheet.rules) {
        if (rule.step > m_step) continue;
        painter->setPen(QPen(roleColour(rule.role), 3 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(pointOf(rule.row1, rule.column1), pointOf(rule.row2, rule.column2));
    }

    for (const Sheet::Ink& ink : m_sheet.inks) {
        if (!inkShown(ink)) continue;
        const QRectF box = inkBox(ink);
        const int flags = flagsOf(ink.place);
        painter->setFont(ink.size == Sheet::Size::Big ? m_big : m_small);
        painter->setPen(roleColour(ink.role));
        QRectF drawn;
        painter->drawText(box, flags, ink.text, &drawn);
        if (!inkStruck(ink)) continue;
        // Crossed out corner to corner, so the old digit can still be read.
        painter->setPen(QPen(kStrike, 3 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap));
        const float lift = float(drawn.height()) * 0.22f;
        painter->drawLine(QPointF(drawn.left(), drawn.bottom() - lift), QPointF(drawn.right(), drawn.top() + lift));
    }

    painter->setFont(m_big);
    painter->setPen(m_entryColour);
    for (const Entry& e : m_entries)
        painter->drawText(QRectF(pointOf(float(e.row), float(e.column)), QSizeF(m_cell, m_cell)), Qt::AlignCenter, e.text);
}

}  // namespace platform
