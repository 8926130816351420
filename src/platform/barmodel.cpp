#include "platform/barmodel.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <numeric>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kRowGap = 150;
constexpr float kLabelRoom = 150;  // beside a label, within its cell
}  // namespace

std::vector<float> shareWidths(const std::vector<double>& shares, const std::vector<float>& least, float total) {
    const std::size_t n = shares.size();
    std::vector<float> widths(n, 0);
    if (n == 0) return widths;
    const float leastSum = std::accumulate(least.begin(), least.end(), 0.0f);
    if (leastSum >= total) {
        for (std::size_t i = 0; i < n; ++i) widths[i] = leastSum > 0 ? least[i] * total / leastSum : total / float(n);
        return widths;
    }
    // Cells whose share would be narrower than their label are held at the label's width; the rest
    // share what is left. Each pass holds at least one more cell, so this ends within n passes.
    std::vector<bool> held(n, false);
    for (std::size_t pass = 0; pass <= n; ++pass) {
        float room = total;
        double shared = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (held[i])
                room -= least[i];
            else
                shared += std::max(0.0, shares[i]);
        }
        bool changed = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (held[i]) {
                widths[i] = least[i];
                continue;
            }
            widths[i] = shared > 0 ? float(std::max(0.0, shares[i]) / shared * room) : room / float(n);
            if (widths[i] < least[i]) {
                held[i] = true;
                changed = true;
            }
        }
        if (!changed) break;
    }
    return widths;
}

BarModel::BarModel(const QString& name, float left, float top, float width, float height, int index)
    : Control(name, left, top, width, height, index) {
    setFont({QStringLiteral("Tahoma"), 18, true});
    setForeColor(QColor(0x10, 0x10, 0x10));
}

void BarModel::setRows(std::vector<Row> rows) {
    if (rows == m_rows) return;
    m_rows = std::move(rows);
    relayout();
}

QRectF BarModel::cellRect(int row, int cell) const {
    if (row < 0 || row >= static_cast<int>(m_rects.size())) return {};
    const auto& rects = m_rects[std::size_t(row)];
    return cell >= 0 && cell < static_cast<int>(rects.size()) ? rects[std::size_t(cell)] : QRectF();
}

void BarModel::relayout() {
    m_rects.clear();
    const int count = static_cast<int>(m_rows.size());
    if (count > 0) {
        const QFontMetricsF metrics(qfont());
        const float rowHeight = (height() - kRowGap * float(count - 1)) / float(count);
        for (int r = 0; r < count; ++r) {
            const Row& row = m_rows[std::size_t(r)];
            std::vector<double> shares;
            std::vector<float> least;
            for (const Cell& cell : row) {
                shares.push_back(cell.share);
                least.push_back(float(metrics.horizontalAdvance(cell.label)) + 2 * kLabelRoom);
            }
            const std::vector<float> widths = shareWidths(shares, least, width());
            std::vector<QRectF> rects;
            float x = 0;
            const float y = float(r) * (rowHeight + kRowGap);
            for (float w : widths) {
                rects.emplace_back(x, y, w, rowHeight);
                x += w;
            }
            m_rects.push_back(std::move(rects));
        }
    }
    update();
}

Control* BarModel::cloneAs(int index) const {
    auto* copy = new BarModel(name(), left(), top(), width(), height(), index);
    copyLookTo(*copy);
    if (parentItem())
        copy->setParentItem(parentItem());
    else if (scene())
        scene()->addItem(copy);
    copy->setZValue(zValue());
    copy->setVisible(false);
    return copy;
}

void BarModel::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setFont(qfont());
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        for (std::size_t c = 0; c < m_rows[r].size(); ++c) {
            const Cell& cell = m_rows[r][c];
            const QRectF rect = m_rects[r][c].adjusted(kTwipsPerPixel, kTwipsPerPixel, -kTwipsPerPixel, -kTwipsPerPixel);
            painter->fillRect(rect, cell.fill);
            painter->setPen(QPen(colors::Black, 2 * kTwipsPerPixel));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(rect);
            painter->setPen(foreColor());
            painter->drawText(rect, Qt::AlignCenter, cell.label);
        }
    }
}

}  // namespace platform
