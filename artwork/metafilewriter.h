#pragma once
#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <vector>

namespace artwork {

// Writes a Windows metafile with the placeable header; logical units are twips (1440 to the inch).
class MetafileWriter {
public:
    explicit MetafileWriter(const QRect& boundsTwips);

    void setWindow(const QRect& window);
    void setTransparentText();
    void setTextColor(const QColor& colour);
    void setTextAlign(quint16 align);

    // Objects take the lowest free slot, as a player will count them; the result is that slot.
    int createPen(const QColor& colour, int width);
    int createBrush(const QColor& colour);
    int createHollowBrush();
    int createFont(int height, int weight, const QByteArray& face);
    void select(int object);
    void deleteObject(int object);

    void moveTo(const QPoint& to);
    void lineTo(const QPoint& to);
    void rectangle(const QRect& box);
    void roundRect(const QRect& box, const QSize& corner);
    void ellipse(const QRect& box);
    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    void textOut(const QPoint& at, const QByteArray& text);

    QByteArray finish() const;

private:
    void record(quint16 function, const QByteArray& parameters);
    int takeSlot();

    QRect bounds_;
    QByteArray records_;
    quint32 largestRecordWords_ = 3;
    std::vector<bool> slotsInUse_;
};

}  // namespace artwork
