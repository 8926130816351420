#include "platform/dotarray.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
}  // namespace

DotArray::DotArray(const QString& name, float left, float top, float width, float height, float pitch)
    : Control(name, left, top, width, height), m_pitch(pitch) {
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    // A frame repaints only the row that fills; the paint skips the rows it was not asked for.
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
    setForeColor(colors::Yellow);
    setLabelFont({QStringLiteral("Tahoma"), 18, true});
}

void DotArray::setShape(int rows, int columns) {
    m_rows = std::clamp(rows, 0, 50);
    m_columns = std::clamp(columns, 0, 50);
    m_filled = 0;
    update();
}

void DotArray::setFilled(double rows) {
    rows = std::clamp(rows, 0.0, double(m_rows));
    if (rows == m_filled) return;
    // Only the rows between the old fill and the new one change, with their numbers.
    const double first = std::floor(std::min(rows, m_filled)), last = std::ceil(std::max(rows, m_filled));
    m_filled = rows;
    update(QRectF(0, float(first) * m_pitch, width(), float(std::max(1.0, last - first)) * m_pitch));
}

void DotArray::setRowLabels(QStringList labels) {
    m_labels = std::move(labels);
    update();
}

void DotArray::setLabelFont(const FontSpec& font) {
    m_font = sceneFont(font);
    update();
}

void DotArray::setDotColor(const QColor& colour) {
    m_dot = colour;
    update();
}

Control* DotArray::cloneAs(int) const { return nullptr; }

void DotArray::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const float radius = m_pitch * 0.38f;
    const int fullRows = int(std::floor(m_filled));
    // Dots of the row being filled, counted from the left.
    const int partDots = int(std::round((m_filled - fullRows) * m_columns));
    const QPen ring(QColor(0xFF, 0xFF, 0xFF, 0x90), 2 * kTwipsPerPixel);
    const QPen rim(QColor(0x20, 0x20, 0x20), kTwipsPerPixel);
    const QRectF exposed = option ? option->exposedRect : boundingRect();
    const int top = std::max(0, int(std::floor(exposed.top() / m_pitch)));
    const int bottom = std::min(m_rows, int(std::ceil(exposed.bottom() / m_pitch)));
    for (int r = top; r < bottom; ++r) {
        const float y = m_pitch * (float(r) + 0.5f);
        for (int c = 0; c < m_columns; ++c) {
            const bool on = r < fullRows || (r == fullRows && c < partDots);
            painter->setPen(on ? rim : ring);
            painter->setBrush(on ? QBrush(m_dot) : QBrush(Qt::NoBrush));
            painter->drawEllipse(QPointF(m_pitch * (float(c) + 0.5f), y), radius, radius);
        }
        if (r < fullRows && r < m_labels.size() && !m_labels[r].isEmpty()) {
            painter->setPen(foreColor());
            painter->setFont(m_font);
            const float x = m_pitch * float(m_columns) + 120;
            const QRectF box(x, y - m_pitch / 2, std::max(0.0f, width() - x), m_pitch);
            painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, m_labels[r]);
        }
    }
}

}  // namespace platform
