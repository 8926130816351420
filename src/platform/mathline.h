#pragma once
// A line of working written in big type: pieces of text side by side, centred in the control, any of
// them underlined, in the highlight colour, or drawn as an answer box with its content inside. A line
// too wide for the control is written smaller, never below its least size.
#include <QColor>
#include <QFont>
#include <vector>

#include "platform/controls.h"

namespace platform {

class MathLine : public Control {
public:
    enum Style { Plain = 0, Underlined = 1, Highlighted = 2, Boxed = 4 };
    struct Piece {
        QString text;
        int style = Plain;
        friend bool operator==(const Piece&, const Piece&) = default;
    };

    MathLine(const QString& name, float left, float top, float width, float height, int index = -1);

    void setPieces(std::vector<Piece> pieces);
    const std::vector<Piece>& pieces() const { return m_pieces; }
    // Changes one piece's text (what is typed into a box, say); nothing happens past the last piece.
    void setPieceText(int index, const QString& text);
    // Every piece's text in order, a box's content included.
    QString text() const;

    void setHighlightColor(const QColor& colour);
    void setBoxColors(const QColor& back, const QColor& ink);
    // The least size in points a long line may shrink to.
    void setSmallestSize(float points);
    // The size in points the pieces are written at, after shrinking to fit.
    float fittedSize() const { return m_fitted; }
    // Where a piece stands, in the control's own twips.
    QRectF pieceRect(int index) const;

    void setWidth(float width) override;
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    void relayout();
    float measure(const QFont& font, std::vector<float>* widths) const;

    std::vector<Piece> m_pieces;
    QColor m_highlight{0xFF, 0x8C, 0x00};
    QColor m_boxBack{0xFF, 0xFF, 0xE0};
    QColor m_boxInk{0x10, 0x10, 0x10};
    float m_smallest = 18;
    float m_fitted = 0;
    // Worked out when the pieces change, so painting only draws.
    QFont m_font;
    std::vector<float> m_lefts;
    std::vector<float> m_widths;
    std::vector<std::pair<float, float>> m_underlines;  // start within the piece, length
    float m_baseline = 0;
    float m_ascent = 0;
    float m_descent = 0;
};

}  // namespace platform
