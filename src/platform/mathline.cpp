#include "platform/mathline.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kShrinkStep = 1.0f;  // points
// A box is never narrower than two digits, and keeps a little room either side of what it holds.
const QString kBoxLeast = QStringLiteral("00");
constexpr float kBoxPadding = 0.3f;  // of the font's height, each side
}  // namespace

MathLine::MathLine(const QString& name, float left, float top, float width, float height, int index)
    : Control(name, left, top, width, height, index) {
    setFont({QStringLiteral("Tahoma"), 28, true});
    setForeColor(colors::Yellow);
    relayout();
}

void MathLine::setPieces(std::vector<Piece> pieces) {
    if (pieces == m_pieces) return;
    m_pieces = std::move(pieces);
    relayout();
}

void MathLine::setPieceText(int index, const QString& text) {
    if (index < 0 || index >= static_cast<int>(m_pieces.size()) || m_pieces[std::size_t(index)].text == text) return;
    m_pieces[std::size_t(index)].text = text;
    relayout();
}

QString MathLine::text() const {
    QString all;
    for (const Piece& piece : m_pieces) all += piece.text;
    return all;
}

void MathLine::setHighlightColor(const QColor& colour) {
    m_highlight = colour;
    update();
}

void MathLine::setBoxColors(const QColor& back, const QColor& ink) {
    m_boxBack = back;
    m_boxInk = ink;
    update();
}

void MathLine::setSmallestSize(float points) {
    m_smallest = points;
    relayout();
}

void MathLine::setWidth(float width) {
    Control::setWidth(width);
    relayout();
}

QRectF MathLine::pieceRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_lefts.size())) return {};
    const std::size_t i = std::size_t(index);
    return QRectF(m_lefts[i], m_baseline - m_ascent, m_widths[i], m_ascent + m_descent);
}

float MathLine::measure(const QFont& font, std::vector<float>* widths) const {
    const QFontMetricsF metrics(font);
    const float padding = float(metrics.height()) * kBoxPadding;
    float total = 0;
    for (const Piece& piece : m_pieces) {
        float w = float(metrics.horizontalAdvance(piece.text));
        if (piece.style & Boxed) w = std::max(w, float(metrics.horizontalAdvance(kBoxLeast))) + 2 * padding;
        if (widths) widths->push_back(w);
        total += w;
    }
    return total;
}

void MathLine::relayout() {
    // The largest size from the design size down that fits the width.
    FontSpec wanted = font();
    const float least = std::min(m_smallest, wanted.size);
    while (wanted.size > least && measure(sceneFont(wanted), nullptr) > width()) wanted.size = std::max(least, wanted.size - kShrinkStep);
    m_fitted = wanted.size;
    m_font = sceneFont(wanted);
    m_widths.clear();
    m_lefts.clear();
    const float total = measure(m_font, &m_widths);
    float x = (width() - total) / 2;
    for (float w : m_widths) {
        m_lefts.push_back(x);
        x += w;
    }
    const QFontMetricsF metrics(m_font);
    // An underline runs under the whole piece but the spaces at its ends.
    // Next to another underlined piece it runs on to the edge, so one underline spans them both.
    m_underlines.clear();
    const auto underlined = [this](std::size_t i) { return i < m_pieces.size() && (m_pieces[i].style & Underlined); };
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const QString& text = m_pieces[i].text;
        const QString trimmed = text.trimmed();
        const int lead = std::max(0, int(text.indexOf(trimmed)));
        const float start = i > 0 && underlined(i - 1) ? 0 : float(metrics.horizontalAdvance(text.left(lead)));
        const float end = underlined(i + 1) ? m_widths[i] : float(metrics.horizontalAdvance(text.left(lead + int(trimmed.size()))));
        m_underlines.emplace_back(start, end - start);
    }
    m_ascent = float(metrics.ascent());
    m_descent = float(metrics.descent());
    m_baseline = (height() - (m_ascent + m_descent)) / 2 + m_ascent;
    update();
}

Control* MathLine::cloneAs(int index) const {
    auto* copy = new MathLine(name(), left(), top(), width(), height(), index);
    copyLookTo(*copy);
    copy->m_highlight = m_highlight;
    copy->m_boxBack = m_boxBack;
    copy->m_boxInk = m_boxInk;
    copy->m_smallest = m_smallest;
    copy->relayout();
    if (parentItem())
        copy->setParentItem(parentItem());
    else if (scene())
        scene()->addItem(copy);
    copy->setZValue(zValue());
    copy->setVisible(false);
    return copy;
}

void MathLine::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (opaque()) painter->fillRect(boundingRect(), backColor());
    painter->setFont(m_font);
    const float underlineGap = m_descent * 0.6f;
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const Piece& piece = m_pieces[i];
        const QRectF rect(m_lefts[i], m_baseline - m_ascent, m_widths[i], m_ascent + m_descent);
        if (piece.style & Boxed) {
            const QRectF box = rect.adjusted(kTwipsPerPixel * 2, -kTwipsPerPixel * 2, -kTwipsPerPixel * 2, kTwipsPerPixel * 2);
            painter->fillRect(box, m_boxBack);
            painter->setPen(QPen(colors::Black, 2 * kTwipsPerPixel));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(box);
            painter->setPen(m_boxInk);
            painter->drawText(rect, Qt::AlignCenter, piece.text);
            continue;
        }
        painter->setPen(piece.style & Highlighted ? m_highlight : foreColor());
        painter->drawText(QPointF(m_lefts[i], m_baseline), piece.text);
        if (piece.style & Underlined)
            painter->fillRect(QRectF(m_lefts[i] + m_underlines[i].first, m_baseline + underlineGap, m_underlines[i].second,
                                     4 * kTwipsPerPixel),
                              m_highlight);
    }
}

}  // namespace platform
