#include "jotter/rules.h"

#include <algorithm>

namespace jotter {
namespace {
constexpr std::array<QRgb, kSwatchCount> kPalette{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// An activity board keeps its exit and new-question buttons from here down, and its
// check/solution/jotter column from here rightwards (twips inside the board).
constexpr qreal kBoardButtonRowTop = 7950;
constexpr qreal kBoardButtonColumnLeft = 9930;
constexpr qreal kGapAboveButtons = 60;
// Room under a bottom-centred pad for a taskbar and the pad's own frame (twips).
constexpr qreal kTaskbarAllowance = 900;

qreal keepInside(qreal start, qreal length, qreal room) { return std::clamp(start, 0.0, std::max(0.0, room - length)); }
}  // namespace

QColor paletteColor(int index) {
    if (index < 0 || index >= kSwatchCount) return kPageColor;
    return QColor(kPalette[static_cast<std::size_t>(index)]);
}

float buttonFontPoints(const std::function<qreal(float)>& widthAt, qreal room) {
    for (float points : kButtonPoints)
        if (widthAt(points) <= room) return points;
    return kButtonPoints.back();
}

QPointF keptOnDesktop(QPointF place, QSizeF size, QSizeF desktop) {
    return {keepInside(place.x(), size.width(), desktop.width()), keepInside(place.y(), size.height(), desktop.height())};
}

QPointF firstPlace(QSizeF desktop, QSizeF pad, std::optional<QRectF> board) {
    QPointF place;
    if (board && pad.width() <= kBoardButtonColumnLeft) {
        place = {board->left(), board->top() + kBoardButtonRowTop - kGapAboveButtons - pad.height()};
    } else {
        place = {(desktop.width() - pad.width()) / 2, desktop.height() - pad.height() - kTaskbarAllowance};
    }
    return keptOnDesktop(place, pad, desktop);
}

}  // namespace jotter
