#include "activities/area/drawing.h"

#include <algorithm>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "platform/form.h"

namespace area {

using namespace platform;
namespace look = shell::look;

namespace {
constexpr int kOutlinePixels = 3;
constexpr int kTracePixels = 6;
constexpr float kLengthGap = 50;    // between a side and its length
constexpr float kLengthRoom = 700;  // round a shape drawn to scale, for its lengths
const QColor kTrace = look::kHighlight;
// The shape in yellow; its rectangles in sky blue, pink and green.
const QColor kColours[] = {look::kShades[0], look::kShades[1], look::kShades[3], look::kShades[2]};
}  // namespace

QColor Drawing::partColour(int part) { return kColours[std::clamp(part, 0, kMostParts - 1) + kFirstPartShade - 1]; }

Drawing::Drawing(Form& form) {
    grid = form.add<Grid>(nullptr, "grid", kLeft, kTop, kPaperRows, kPaperColumns, kSquare);
    grid->setBackColor(look::kPaper);
    grid->setLineColor(look::kPaperLine);
    grid->setForeColor(look::kInk);
    grid->setTextFont(look::kScale);
    grid->setPalette({std::begin(kColours), std::end(kColours)});
    grid->setTool(Grid::Tool::Shade, kShapeShade);

    for (int k = 0; k < kMostParts; ++k) {
        auto* fill = form.add<Shape>(nullptr, "shpfill", 0, 0, 0, 0, k);
        fill->setOpaque(true);
        fill->setVisible(false);
        fills.add(fill);
    }
    for (int k = 0; k < kMostSides; ++k) {
        auto* edge = form.add<Line>(nullptr, "lnedge", 0, 0, 0, 0, k);
        edge->setForeColor(look::kInk);
        edge->setBorderWidth(kOutlinePixels);
        edges.add(edge);
    }
    for (int k = 0; k < kMostSides; ++k) {
        auto* line = form.add<Line>(nullptr, "lntrace", 0, 0, 0, 0, k);
        line->setForeColor(kTrace);
        line->setBorderWidth(kTracePixels);
        traced.add(line);
    }
    for (int k = 0; k < kMostSides; ++k) {
        auto* length = form.add<Label>(nullptr, "lbllength", 0, 0, 0, 0, k);
        length->setFont(look::kCaption);
        length->setAlignment(Align::Center);
        length->setAutoSize(true);
        lengths.add(length);
    }
    showPaper(false);
}

QPointF Drawing::corner(int x, int y) const { return m_origin + QPointF(x * m_unit, y * m_unit); }

void Drawing::showPaper(bool tappable) {
    m_toScale = false;
    m_shape = Region();
    m_sides.clear();
    m_parts.clear();
    m_origin = QPointF(kLeft, kTop);
    m_unit = kSquare;
    grid->clearMarks();
    for (int r = 0; r < grid->rows(); ++r)
        for (int c = 0; c < grid->columns(); ++c) grid->setText(r, c, QString());
    grid->setVisible(true);
    grid->setTappable(tappable);
    for (Shape* fill : fills) fill->setVisible(false);
    for (int k = 0; k < kMostSides; ++k) {
        edges[k].setVisible(false);
        traced[k].setVisible(false);
        lengths[k].setVisible(false);
    }
}

void Drawing::drawOutline(const Region& shape) {
    m_shape = shape;
    m_sides = outline(shape);
    m_parts = split(shape);
    // The shapes asked about have at most eight sides; any more are left undrawn.
    m_sides.resize(std::min<std::size_t>(m_sides.size(), kMostSides));
    for (int k = 0; k < static_cast<int>(m_sides.size()); ++k) {
        const Side& s = m_sides[static_cast<std::size_t>(k)];
        const QPointF from = corner(s.x1, s.y1), to = corner(s.x2, s.y2);
        edges[k].setX1(float(from.x()));
        edges[k].setY1(float(from.y()));
        edges[k].setX2(float(to.x()));
        edges[k].setY2(float(to.y()));
        edges[k].setVisible(true);
        lengths[k].setCaption(shell::numberText(s.length()));
        lengths[k].setForeColor(m_toScale ? look::kText : look::kInk);
        lengths[k].setBackColor(look::kPaper);
        lengths[k].setOpaque(!m_toScale);
    }
}

void Drawing::showOnPaper(const Region& shape) {
    showPaper(false);
    for (int r = 0; r < shape.rows(); ++r)
        for (int c = 0; c < shape.columns(); ++c)
            if (shape.at(r, c)) grid->setShade(r, c, kShapeShade);
    drawOutline(shape);
}

void Drawing::showToScale(const Region& shape, bool everyLength) {
    showPaper(false);
    grid->setVisible(false);
    m_toScale = true;
    const float across = (kRight - kLeft - 2 * kLengthRoom) / float(std::max(1, shape.columns()));
    const float down = (kBottom - kTop - 2 * kLengthRoom) / float(std::max(1, shape.rows()));
    m_unit = std::clamp(std::min(across, down), kLeastCentimetre, kMostCentimetre);
    const QPointF middle((kLeft + kRight) / 2, (kTop + kBottom) / 2);
    m_origin = middle - QPointF(shape.columns() * m_unit / 2, shape.rows() * m_unit / 2);
    drawOutline(shape);
    for (int k = 0; k < kMostParts; ++k) {
        Shape& fill = fills[k];
        const bool used = k < static_cast<int>(m_parts.size());
        fill.setVisible(used);
        if (!used) continue;
        const Rect& part = m_parts[static_cast<std::size_t>(k)];
        const QPointF topLeft = corner(part.left, part.top);
        fill.move(float(topLeft.x()), float(topLeft.y()), part.width * m_unit, part.height * m_unit);
        fill.setBackColor(kColours[kShapeShade - 1]);
        fill.setForeColor(kColours[kShapeShade - 1]);
    }
    // A rectangle is given by two sides that meet; the other two are equal to them.
    const int written = everyLength ? static_cast<int>(m_sides.size()) : std::min<int>(2, static_cast<int>(m_sides.size()));
    for (int k = 0; k < written; ++k) showLength(k);
}

void Drawing::showLength(int side) {
    if (side < 0 || side >= static_cast<int>(m_sides.size()) || lengths[side].isVisible()) return;
    placeLength(side);
    lengths[side].setVisible(true);
}

void Drawing::placeLength(int index) {
    const Side& s = m_sides[static_cast<std::size_t>(index)];
    Label& label = lengths[index];
    const QPointF from = corner(s.x1, s.y1), to = corner(s.x2, s.y2);
    const QPointF along = (to - from) / std::max(1, s.length()) / m_unit;  // one twip along the side
    // Outside is on the left going clockwise.
    const QPointF out(along.y(), -along.x());
    const float w = label.width(), h = label.height();
    const double reach = std::abs(out.x()) * (w / 2 + kLengthGap) + std::abs(out.y()) * (h / 2 + kLengthGap);
    const double sideLength = s.length() * m_unit;
    const double room = std::max(0.0, (sideLength - (out.x() != 0 ? h : w)) / 2);
    const auto boxAt = [&](double shift) {
        const QPointF centre = (from + to) / 2 + along * shift + out * reach;
        return QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h);
    };
    // Beside the middle of the side; where a length already written is in the way, slid along the
    // side until it is clear.
    QRectF chosen = boxAt(0);
    for (double shift = 0; shift <= room; shift += 60) {
        bool clear = true;
        for (const double signedShift : {shift, -shift}) {
            const QRectF box = boxAt(signedShift);
            clear = true;
            for (int k = 0; k < kMostSides && clear; ++k)
                if (k != index && lengths[k].isVisible() &&
                    box.intersects(QRectF(lengths[k].left(), lengths[k].top(), lengths[k].width(), lengths[k].height())))
                    clear = false;
            if (clear) {
                chosen = box;
                break;
            }
        }
        if (clear) break;
    }
    label.move(float(chosen.left()), float(chosen.top()));
}

void Drawing::trace(int side, double t) {
    if (side < 0 || side >= static_cast<int>(m_sides.size())) return;
    const Side& s = m_sides[static_cast<std::size_t>(side)];
    const QPointF from = corner(s.x1, s.y1), to = from + (corner(s.x2, s.y2) - from) * std::clamp(t, 0.0, 1.0);
    Line& line = traced[side];
    line.setX1(float(from.x()));
    line.setY1(float(from.y()));
    line.setX2(float(to.x()));
    line.setY2(float(to.y()));
    line.setVisible(t > 0);
}

void Drawing::colourPart(int part) {
    if (part < 0 || part >= static_cast<int>(m_parts.size())) return;
    const Rect& r = m_parts[static_cast<std::size_t>(part)];
    if (m_toScale) {
        if (part >= kMostParts) return;
        fills[part].setBackColor(partColour(part));
        fills[part].setForeColor(partColour(part));
        return;
    }
    for (int row = r.top; row < r.top + r.height; ++row)
        for (int column = r.left; column < r.left + r.width; ++column)
            grid->setShade(row, column, kFirstPartShade + std::min(part, kMostParts - 1));
}

}  // namespace area
