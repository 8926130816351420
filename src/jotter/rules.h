#pragma once
// The pad's fixed tables and where it first opens; the screen's handlers use these.
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <functional>
#include <optional>

namespace jotter {

inline constexpr int kSwatchCount = 16;
inline const QColor kPageColor{0x31, 0x87, 0xD7};
inline constexpr int kWritingWidth = 3;   // pixels
inline constexpr int kErasingWidth = 30;  // pixels

// The sixteen-colour palette; an index outside 0–15 gives the page colour.
QColor paletteColor(int index);

// The buttons' point sizes, the normal one first; the smaller ones are only for captions too wide for it.
inline constexpr std::array<float, 4> kButtonPoints{9.75f, 9.0f, 8.25f, 7.0f};
// The first of those sizes at which a caption `widthAt(points)` twips wide fits in `room` twips; the
// smallest when none does.
float buttonFontPoints(const std::function<qreal(float points)>& widthAt, qreal room);

// Moves a window of the given size as little as needed to lie on the desktop (top left first when it
// cannot fit).
QPointF keptOnDesktop(QPointF place, QSizeF size, QSizeF desktop);

// Where the pad opens, in desktop twips: over the lower part of the board beneath it, clear of the
// board's bottom button row and right-hand button column; bottom centre of the desktop when nothing
// is beneath. Always kept on the desktop where it fits.
QPointF firstPlace(QSizeF desktop, QSizeF pad, std::optional<QRectF> board);

}  // namespace jotter
