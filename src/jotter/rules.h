#pragma once
// The pad's fixed tables and where it first opens; the screen's handlers use these.
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace jotter {

inline constexpr int kSwatchCount = 16;
inline const QColor kPageColor{0x31, 0x87, 0xD7};
inline constexpr int kWritingWidth = 3;   // pixels
inline constexpr int kErasingWidth = 30;  // pixels

// The sixteen-colour palette; an index outside 0–15 gives the page colour.
QColor paletteColor(int index);

// The buttons' point size for a language: the long German, Dutch and Welsh words need the smallest.
float buttonFontPoints(int langindex);

// Moves a window of the given size as little as needed to lie on the desktop (top left first when it
// cannot fit).
QPointF keptOnDesktop(QPointF place, QSizeF size, QSizeF desktop);

// Where the pad opens, in desktop twips: over the lower part of the board beneath it, clear of the
// board's bottom button row and right-hand button column; bottom centre of the desktop when nothing
// is beneath. Always kept on the desktop where it fits.
QPointF firstPlace(QSizeF desktop, QSizeF pad, std::optional<QRectF> board);

}  // namespace jotter
