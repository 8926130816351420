#pragma once
// The controls a screen is built from, placed in twips inside their form or frame.
#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QImage>
#include <QString>
#include <QPointF>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "platform/picture.h"

namespace platform {

// Mouse buttons as a bit set, and the event a control's handlers receive.
enum MouseButtons { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };
struct MouseEvent {
    int button = 0;  // the button that changed (down/up) or the buttons held (move)
    int shift = 0;
    float x = 0;     // twips from the control's left edge
    float y = 0;     // twips from the control's top edge
    // The pointer on the form, in twips. Drags follow this: x and y are measured from wherever the
    // control stood when the event was made, which a burst of moves may already have changed.
    // Left unset by a caller, the control fills it in from x and y as it stands now.
    float formX = std::numeric_limits<float>::quiet_NaN();
    float formY = std::numeric_limits<float>::quiet_NaN();
};

struct FontSpec {
    QString name = QStringLiteral("Tahoma");
    float size = 8.25f;  // points
    bool bold = false;
};

enum class Align { Left, Right, Center };

// The font a control draws with: sizes in twips, as the scene measures everything.
QFont sceneFont(const FontSpec& wanted);

namespace colors {
inline const QColor Page{0x31, 0x87, 0xD7};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Black{0, 0, 0};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Blue{0, 0, 0xFF};
inline const QColor Red{0xFF, 0, 0};
inline const QColor ButtonFace{0xC0, 0xC0, 0xC0};
}  // namespace colors

class Control : public QGraphicsItem {
public:
    Control(const QString& name, float left, float top, float width, float height, int index = -1);
    ~Control() override;

    const QString& name() const { return m_name; }
    int index() const { return m_index; }

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    void setLeft(float left);
    void setTop(float top);
    virtual void setWidth(float width);
    virtual void setHeight(float height);
    void move(float left, float top);
    void move(float left, float top, float width, float height);

    bool visible() const { return isVisible(); }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop) { m_tabStop = tabStop; }

    QColor foreColor() const { return m_foreColor; }
    QColor backColor() const { return m_backColor; }
    void setForeColor(const QColor& color);
    void setBackColor(const QColor& color);
    // Opaque controls paint their back colour; transparent ones let what is behind show through.
    bool opaque() const { return m_opaque; }
    void setOpaque(bool opaque);
    bool border() const { return m_border; }
    void setBorder(bool border);

    const QString& caption() const { return m_caption; }
    virtual void setCaption(const QString& caption);
    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& font);
    void setFontSize(float points);
    Align alignment() const { return m_align; }
    void setAlignment(Align align);

    // The handlers a screen binds; each receives the event in this control's own twips.
    std::function<void()> onClick;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    // Moves over a disabled control belong to what holds it.
    std::function<void(const MouseEvent&)> onDisabledMouseMove;

    // The pointer of an event in the coordinates this control's left and top are given in.
    QPointF pointerInContainer(const MouseEvent& event) const;
    // The font the caption is drawn with, in twips (for measuring whether a text fits).
    QFont qfont() const;

    // A copy for a control array: same look and place, the given index, hidden.
    virtual Control* cloneAs(int index) const = 0;

    QRectF boundingRect() const override;

    // Feeds an event to the handlers as the pointer would (tests and the soak use these).
    void press(const MouseEvent& event);
    void moveMouse(const MouseEvent& event);
    void release(const MouseEvent& event);
    void click();

protected:
    void copyLookTo(Control& other) const;
    MouseEvent onForm(MouseEvent event) const;
    void drawCaption(QPainter* painter, const QRectF& rect, int flags) const;
    virtual void clicked();

    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

    bool m_hovered = false;
    bool m_pressed = false;

private:
    QString m_name;
    int m_index;
    float m_left, m_top, m_width, m_height;
    bool m_enabled = true;
    bool m_tabStop = true;
    bool m_opaque = false;
    bool m_border = false;
    QColor m_foreColor = colors::Black;
    QColor m_backColor = colors::ButtonFace;
    QString m_caption;
    FontSpec m_font;
    Align m_align = Align::Left;
};

class Label : public Control {
public:
    using Control::Control;
    // Grows or shrinks the label to fit its caption on one line.
    void setAutoSize(bool autoSize);
    // Sets the caption at the label's own font size, or smaller, down to `smallest` points, when a
    // long language's words would not fit the box otherwise. Returns the size chosen.
    float setCaptionFitted(const QString& caption, float smallest);
    // Whether the caption, word-wrapped, fits the label at the given size.
    bool captionFits(const QString& caption, float points) const;
    void setCaption(const QString& caption) override;
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    void fitToCaption();
    bool m_autoSize = false;
    float m_designSize = 0;  // the size a fitted caption starts from
};

class CommandButton : public Control {
public:
    CommandButton(const QString& name, float left, float top, float width, float height, int index = -1);
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
};

class OptionButton : public Control {
public:
    OptionButton(const QString& name, float left, float top, float width, float height, int index = -1);
    bool value() const { return m_value; }
    // Selecting an option clears the other options in the same container; a change raises the click.
    void setValue(bool value);
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

protected:
    void clicked() override;

private:
    bool m_value = false;
};

class Frame : public Control {
public:
    Frame(const QString& name, float left, float top, float width, float height, int index = -1);
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
    void setCaptionVisible(bool shown);
    void bringToFront();

private:
    bool m_captionShown = true;
};

// Shows a picture: stretched to the control, or at the picture's own size (the control takes it).
class Image : public Control {
public:
    Image(const QString& name, float left, float top, float width, float height, int index = -1);
    void setStretch(bool stretch) { m_stretch = stretch; }
    void setPicture(const std::optional<Picture>& picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    // Writes the caption over the picture, centred both ways (the value on a coin, say).
    void setCaptionOver(bool over);
    bool captionOver() const { return m_captionOver; }
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

protected:
    QImage m_picture;
    QSizeF m_pictureTwips;
    bool m_stretch = false;
    bool m_captionOver = false;
};

// A box with a back colour; its picture is drawn at its own size from the top left and clipped.
class PictureBox : public Image {
public:
    PictureBox(const QString& name, float left, float top, float width, float height, int index = -1);
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
};

class Line : public Control {
public:
    Line(const QString& name, float x1, float y1, float x2, float y2, int index = -1);
    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float v);
    void setY1(float v);
    void setX2(float v);
    void setY2(float v);
    // Width in pixels, as a border width is given.
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    Control* cloneAs(int index) const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    void changed();
    float m_x1, m_y1, m_x2, m_y2;
    int m_borderWidth = 1;
};

class Shape : public Control {
public:
    using Control::Control;
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
};

// A surface to draw strokes on; the drawing lives in an off-screen image so it survives being covered.
class DrawingSurface : public Control {
public:
    DrawingSurface(const QString& name, float left, float top, float width, float height);
    // A straight stroke with round caps; width in pixels at 96 dpi.
    void drawLine(float x1, float y1, float x2, float y2, const QColor& color, int widthPixels);
    void clear();
    void setWidth(float width) override;
    void setHeight(float height) override;
    // The colour of the drawing at a point (for tests).
    QColor colorAt(float x, float y) const;
    Control* cloneAs(int index) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QSize surfaceSize() const;
    void resizeSurface();
    QImage m_surface;
};

// A control held by the pointer: the point where it was grabbed stays under the pointer, however
// the moves arrive (one by one, or in a burst before the screen repaints).
class Grip {
public:
    // Takes hold at the pointer of a press.
    void take(const Control& control, const MouseEvent& press);
    // Takes hold as if grabbed at `offset` from the control's top left (its centre, say).
    void takeAt(const Control& control, const MouseEvent& press, QPointF offset);
    void letGo() { m_held = false; }
    bool held() const { return m_held; }
    // Where the control's top left belongs for this move, in its container's coordinates.
    QPointF place(const Control& control, const MouseEvent& move) const;

private:
    QPointF m_offset;
    bool m_held = false;
};

// Several controls under one name, told apart by an index; element 0 is the design's, the rest are
// loaded at run time as copies of it.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(T* first) { m_items.push_back(first); }
    void add(T* item) { m_items.push_back(item); }
    T& operator[](int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    T* at(int index) const {
        return index >= 0 && index < size() ? m_items[static_cast<std::size_t>(index)] : nullptr;
    }
    int size() const { return static_cast<int>(m_items.size()); }
    // Loads elements up to `index` as copies of element 0 (hidden), and returns the one asked for.
    T& load(int index) {
        while (size() <= index) m_items.push_back(static_cast<T*>(m_items.front()->cloneAs(size())));
        return *m_items[static_cast<std::size_t>(index)];
    }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<T*> m_items;
};

}  // namespace platform
