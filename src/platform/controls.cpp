#include "platform/controls.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"

namespace platform {
namespace {
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kTwipsPerPoint = 20.0f;
const QColor kDisabledText{0x80, 0x80, 0x80};

int buttonBit(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return LeftButton;
        case Qt::RightButton: return RightButton;
        case Qt::MiddleButton: return MiddleButton;
        default: return 0;
    }
}
int buttonMask(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0) |
           (b & Qt::MiddleButton ? MiddleButton : 0);
}
int shiftMask(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? ShiftKey : 0) | (m & Qt::ControlModifier ? CtrlKey : 0) |
           (m & Qt::AltModifier ? AltKey : 0);
}
int qtAlign(Align a) {
    switch (a) {
        case Align::Left: return Qt::AlignLeft;
        case Align::Right: return Qt::AlignRight;
        case Align::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}
MouseEvent eventOf(int button, const QGraphicsSceneMouseEvent* e) {
    return {button, shiftMask(e->modifiers()), float(e->pos().x()), float(e->pos().y()), float(e->scenePos().x()),
            float(e->scenePos().y())};
}
// A clone joins its original's container, hidden until the screen shows it.
template <class T>
T* adopt(const Control& original, T* copy) {
    if (original.parentItem())
        copy->setParentItem(original.parentItem());
    else if (original.scene())
        original.scene()->addItem(copy);
    copy->setZValue(original.zValue());
    copy->setVisible(false);
    return copy;
}
}  // namespace

Control::Control(const QString& name, float left, float top, float width, float height, int index)
    : m_name(name), m_index(index), m_left(left), m_top(top), m_width(width), m_height(height) {
    setPos(left, top);
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

Control::~Control() = default;

QRectF Control::boundingRect() const { return {0, 0, m_width, m_height}; }

void Control::setLeft(float left) {
    m_left = left;
    setPos(m_left, m_top);
}
void Control::setTop(float top) {
    m_top = top;
    setPos(m_left, m_top);
}
void Control::setWidth(float width) {
    if (width == m_width) return;
    prepareGeometryChange();
    m_width = width;
}
void Control::setHeight(float height) {
    if (height == m_height) return;
    prepareGeometryChange();
    m_height = height;
}
void Control::move(float left, float top) {
    m_left = left;
    m_top = top;
    setPos(m_left, m_top);
}
void Control::move(float left, float top, float width, float height) {
    move(left, top);
    setWidth(width);
    setHeight(height);
}

void Control::setEnabled(bool enabled) {
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    update();
}
void Control::setForeColor(const QColor& color) {
    m_foreColor = color;
    update();
}
void Control::setBackColor(const QColor& color) {
    m_backColor = color;
    update();
}
void Control::setOpaque(bool opaque) {
    if (m_opaque == opaque) return;
    m_opaque = opaque;
    update();
}
void Control::setBorder(bool border) {
    m_border = border;
    update();
}
void Control::setCaption(const QString& caption) {
    if (m_caption == caption) return;
    m_caption = caption;
    update();
}
void Control::setFont(const FontSpec& font) {
    m_font = font;
    update();
}
void Control::setFontSize(float points) {
    m_font.size = points;
    update();
}
void Control::setAlignment(Align align) {
    m_align = align;
    update();
}

void Control::copyLookTo(Control& other) const {
    other.m_enabled = m_enabled;
    other.m_tabStop = m_tabStop;
    other.m_opaque = m_opaque;
    other.m_border = m_border;
    other.m_foreColor = m_foreColor;
    other.m_backColor = m_backColor;
    other.m_caption = m_caption;
    other.m_font = m_font;
    other.m_align = m_align;
}

QFont sceneFont(const FontSpec& wanted) {
    QFont f(fontFamily(wanted.name, wanted.bold));
    // The scene's unit is the twip, so a point is 20 units; the view scales it to the screen.
    f.setPixelSize(std::max(1, qRound(wanted.size * kTwipsPerPoint)));
    f.setBold(wanted.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont Control::qfont() const { return sceneFont(m_font); }

void Control::drawCaption(QPainter* painter, const QRectF& rect, int flags) const {
    if (m_caption.isEmpty()) return;
    painter->setFont(qfont());
    painter->setPen(m_enabled ? m_foreColor : kDisabledText);
    painter->drawText(rect, flags | qtAlign(m_align), m_caption);
}

QPointF Control::pointerInContainer(const MouseEvent& e) const {
    const MouseEvent full = onForm(e);
    const QPointF origin = parentItem() ? parentItem()->scenePos() : QPointF();
    return QPointF(full.formX, full.formY) - origin;
}

MouseEvent Control::onForm(MouseEvent e) const {
    if (std::isnan(e.formX) || std::isnan(e.formY)) {
        const QPointF p = mapToScene(QPointF(e.x, e.y));
        e.formX = float(p.x());
        e.formY = float(p.y());
    }
    return e;
}

void Control::clicked() {
    if (onClick) onClick();
}

void Control::press(const MouseEvent& event) {
    if (!m_enabled) return;
    m_pressed = true;
    if (onMouseDown) onMouseDown(onForm(event));
}
void Control::moveMouse(const MouseEvent& event) {
    if (!m_enabled) {
        if (onDisabledMouseMove) onDisabledMouseMove(onForm(event));
        return;
    }
    if (onMouseMove) onMouseMove(onForm(event));
}
void Control::release(const MouseEvent& event) {
    if (!m_enabled) return;
    const bool wasPressed = m_pressed;
    m_pressed = false;
    update();
    if (onMouseUp) onMouseUp(onForm(event));
    if (wasPressed && event.button == LeftButton && boundingRect().contains(QPointF(event.x, event.y))) clicked();
}
void Control::click() {
    if (m_enabled) clicked();
}

void Control::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    if (!m_enabled || !isVisible()) {
        event->ignore();
        return;
    }
    event->accept();
    update();
    press(eventOf(buttonBit(event->button()), event));
}
void Control::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    moveMouse(eventOf(buttonMask(event->buttons()), event));
}
void Control::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    release(eventOf(buttonBit(event->button()), event));
}
void Control::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    moveMouse({0, shiftMask(event->modifiers()), float(event->pos().x()), float(event->pos().y())});
}
void Control::hoverEnterEvent(QGraphicsSceneHoverEvent* event) {
    m_hovered = true;
    update();
    hoverMoveEvent(event);
}
void Control::hoverLeaveEvent(QGraphicsSceneHoverEvent*) {
    m_hovered = false;
    update();
}

// ---- Grip
void Grip::take(const Control& control, const MouseEvent& press) {
    takeAt(control, press, control.pointerInContainer(press) - QPointF(control.left(), control.top()));
}
void Grip::takeAt(const Control&, const MouseEvent&, QPointF offset) {
    m_offset = offset;
    m_held = true;
}
QPointF Grip::place(const Control& control, const MouseEvent& move) const {
    return control.pointerInContainer(move) - m_offset;
}

// ---- Label
void Label::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    if (autoSize) fitToCaption();
}
void Label::setCaption(const QString& caption) {
    Control::setCaption(caption);
    if (m_autoSize) fitToCaption();
}
void Label::fitToCaption() {
    const QFontMetricsF metrics(qfont());
    setWidth(float(std::ceil(metrics.horizontalAdvance(caption()))) + 30);
    setHeight(float(std::ceil(metrics.height())));
}
bool Label::captionFits(const QString& text, float points) const {
    FontSpec wanted = font();
    wanted.size = points;
    const QFontMetricsF metrics(sceneFont(wanted));
    const float inset = border() ? 60 : 0;
    const QRectF room(0, 0, width() - inset, 1e6);
    const QRectF needed = metrics.boundingRect(room, Qt::TextWordWrap | Qt::AlignTop, text);
    // A word wider than the box would be cut, not wrapped.
    return needed.width() <= room.width() + 0.5 && needed.height() <= height() - (border() ? 15 : 0) + 0.5;
}
float Label::setCaptionFitted(const QString& text, float smallest) {
    if (m_designSize <= 0) m_designSize = font().size;
    float size = m_designSize;
    while (size > smallest && !captionFits(text, size)) size = std::max(smallest, size - 0.5f);
    setFontSize(size);
    setCaption(text);
    return size;
}
Control* Label::cloneAs(int idx) const {
    auto* copy = new Label(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    copy->m_autoSize = m_autoSize;
    return adopt(*this, copy);
}
void Label::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    if (opaque()) painter->fillRect(r, backColor());
    if (border()) {
        painter->setPen(QPen(colors::Black, kTwipsPerPixel));
        painter->setBrush(Qt::NoBrush);  // the view does not reset painter state between items
        painter->drawRect(r.adjusted(7.5, 7.5, -7.5, -7.5));
    }
    drawCaption(painter, r.adjusted(border() ? 30 : 0, border() ? 15 : 0, border() ? -30 : 0, 0),
                Qt::AlignTop | Qt::TextWordWrap);
}

// ---- CommandButton
CommandButton::CommandButton(const QString& name, float left, float top, float width, float height, int idx)
    : Control(name, left, top, width, height, idx) {
    setOpaque(true);
    setAlignment(Align::Center);
    setFont({QStringLiteral("Arial"), 12, true});
}
Control* CommandButton::cloneAs(int idx) const {
    auto* copy = new CommandButton(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    return adopt(*this, copy);
}
void CommandButton::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect().adjusted(7.5, 7.5, -7.5, -7.5);
    QColor face = backColor();
    if (enabled() && m_pressed) face = face.darker(125);
    else if (enabled() && m_hovered) face = face.lighter(110);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(0x20, 0x20, 0x20), 2 * kTwipsPerPixel));
    painter->setBrush(face);
    painter->drawRoundedRect(r.adjusted(7.5, 7.5, -7.5, -7.5), 60, 60);
    drawCaption(painter, r, Qt::AlignVCenter | Qt::TextWordWrap);
}

// ---- OptionButton
OptionButton::OptionButton(const QString& name, float left, float top, float width, float height, int idx)
    : Control(name, left, top, width, height, idx) {
    setOpaque(true);
    setFont({QStringLiteral("Tahoma"), 9.75f, true});
}
void OptionButton::setValue(bool value) {
    if (m_value == value) return;
    m_value = value;
    update();
    if (!value) return;
    const QList<QGraphicsItem*> siblings = parentItem() ? parentItem()->childItems() : (scene() ? scene()->items() : QList<QGraphicsItem*>{});
    for (QGraphicsItem* item : siblings) {
        if (item == this || item->parentItem() != parentItem()) continue;
        if (auto* other = dynamic_cast<OptionButton*>(item)) {
            other->m_value = false;
            other->update();
        }
    }
    Control::clicked();
}
void OptionButton::clicked() {
    if (m_value)
        Control::clicked();  // clicking the selected option still raises its click
    else
        setValue(true);
}
Control* OptionButton::cloneAs(int idx) const {
    auto* copy = new OptionButton(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    return adopt(*this, copy);
}
void OptionButton::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    if (opaque()) painter->fillRect(r, backColor());
    const float d = std::min(13 * kTwipsPerPixel, float(r.height()) - 30);
    const QRectF circle(30, (r.height() - d) / 2, d, d);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(0x20, 0x20, 0x20), kTwipsPerPixel));
    painter->setBrush(colors::White);
    painter->drawEllipse(circle);
    if (m_value) {
        painter->setBrush(QColor(0x20, 0x20, 0x20));
        painter->drawEllipse(circle.adjusted(d * 0.28, d * 0.28, -d * 0.28, -d * 0.28));
    }
    drawCaption(painter, r.adjusted(circle.right() + 90, 0, 0, 0), Qt::AlignVCenter | Qt::TextWordWrap);
}

// ---- Frame
Frame::Frame(const QString& name, float left, float top, float width, float height, int idx)
    : Control(name, left, top, width, height, idx) {
    setOpaque(true);
    setFont({QStringLiteral("Tahoma"), 8.25f, false});
    setFlag(QGraphicsItem::ItemClipsChildrenToShape);
}
void Frame::setCaptionVisible(bool shown) {
    m_captionShown = shown;
    update();
}
void Frame::bringToFront() {
    qreal top = zValue();
    const QList<QGraphicsItem*> siblings = parentItem() ? parentItem()->childItems() : (scene() ? scene()->items() : QList<QGraphicsItem*>{});
    for (QGraphicsItem* item : siblings)
        if (item != this && item->parentItem() == parentItem()) top = std::max(top, item->zValue() + 1);
    setZValue(top);
}
Control* Frame::cloneAs(int idx) const {
    auto* copy = new Frame(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    return adopt(*this, copy);
}
void Frame::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    if (opaque()) painter->fillRect(r, backColor());
    if (!m_captionShown) return;
    const QFontMetricsF metrics(qfont());
    const float half = float(metrics.height() / 2);
    painter->setPen(QPen(foreColor(), kTwipsPerPixel));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(r.adjusted(7.5, half, -7.5, -7.5));
    if (!caption().isEmpty()) {
        const QRectF text(120, 0, metrics.horizontalAdvance(caption()) + 60, metrics.height());
        if (opaque()) painter->fillRect(text, backColor());
        painter->setFont(qfont());
        painter->drawText(text, Qt::AlignCenter, caption());
    }
}

// ---- Image
Image::Image(const QString& name, float left, float top, float width, float height, int idx)
    : Control(name, left, top, width, height, idx) {}
void Image::setPicture(const std::optional<Picture>& picture) {
    m_picture = picture ? picture->image : QImage();
    m_pictureTwips = picture ? picture->sizeTwips : QSizeF();
    if (picture && !m_stretch && dynamic_cast<PictureBox*>(this) == nullptr) {
        setWidth(float(m_pictureTwips.width()));
        setHeight(float(m_pictureTwips.height()));
    }
    update();
}
Control* Image::cloneAs(int idx) const {
    auto* copy = new Image(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    copy->m_stretch = m_stretch;
    copy->m_captionOver = m_captionOver;
    copy->m_picture = m_picture;
    copy->m_pictureTwips = m_pictureTwips;
    return adopt(*this, copy);
}
void Image::setCaptionOver(bool over) {
    m_captionOver = over;
    update();
}
void Image::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    drawPicture(*painter, m_stretch ? boundingRect() : QRectF(QPointF(0, 0), m_pictureTwips), m_picture);
    if (m_captionOver) drawCaption(painter, boundingRect(), Qt::AlignVCenter | Qt::TextWordWrap);
}

// ---- PictureBox
PictureBox::PictureBox(const QString& name, float left, float top, float width, float height, int idx)
    : Image(name, left, top, width, height, idx) {
    setOpaque(true);
    setBackColor(colors::Page);
    setFlag(QGraphicsItem::ItemClipsToShape);
    setFlag(QGraphicsItem::ItemClipsChildrenToShape);
}
Control* PictureBox::cloneAs(int idx) const {
    auto* copy = new PictureBox(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    copy->m_picture = m_picture;
    copy->m_pictureTwips = m_pictureTwips;
    return adopt(*this, copy);
}
void PictureBox::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    if (r.isEmpty()) return;
    painter->setClipRect(r);
    if (opaque()) painter->fillRect(r, backColor());
    drawPicture(*painter, QRectF(QPointF(0, 0), m_pictureTwips), m_picture);
}

// ---- Line
Line::Line(const QString& name, float x1, float y1, float x2, float y2, int idx)
    : Control(name, 0, 0, 0, 0, idx), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2) {
    setForeColor(colors::Black);
    setAcceptHoverEvents(false);
    setAcceptedMouseButtons(Qt::NoButton);
}
void Line::changed() {
    prepareGeometryChange();
    update();
}
void Line::setX1(float v) { if (v != m_x1) { m_x1 = v; changed(); } }
void Line::setY1(float v) { if (v != m_y1) { m_y1 = v; changed(); } }
void Line::setX2(float v) { if (v != m_x2) { m_x2 = v; changed(); } }
void Line::setY2(float v) { if (v != m_y2) { m_y2 = v; changed(); } }
void Line::setBorderWidth(int pixels) {
    m_borderWidth = pixels;
    changed();
}
QRectF Line::boundingRect() const {
    const float pad = m_borderWidth * kTwipsPerPixel;
    return QRectF(QPointF(std::min(m_x1, m_x2), std::min(m_y1, m_y2)), QPointF(std::max(m_x1, m_x2), std::max(m_y1, m_y2)))
        .adjusted(-pad, -pad, pad, pad);
}
Control* Line::cloneAs(int idx) const {
    auto* copy = new Line(name(), m_x1, m_y1, m_x2, m_y2, idx);
    copyLookTo(*copy);
    copy->m_borderWidth = m_borderWidth;
    return adopt(*this, copy);
}
void Line::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setPen(QPen(foreColor(), m_borderWidth * kTwipsPerPixel, Qt::SolidLine, Qt::SquareCap));
    painter->drawLine(QPointF(m_x1, m_y1), QPointF(m_x2, m_y2));
}

// ---- Shape
Control* Shape::cloneAs(int idx) const {
    auto* copy = new Shape(name(), left(), top(), width(), height(), idx);
    copyLookTo(*copy);
    return adopt(*this, copy);
}
void Shape::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    if (opaque()) painter->fillRect(r, backColor());
    painter->setPen(QPen(foreColor(), kTwipsPerPixel));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(r.adjusted(7.5, 7.5, -7.5, -7.5));
}

// ---- DrawingSurface
namespace {
constexpr float kSurfacePixelsPerTwip = 2.0f / kTwipsPerPixel;  // 192 dpi keeps strokes smooth when zoomed
}
DrawingSurface::DrawingSurface(const QString& name, float left, float top, float width, float height)
    : Control(name, left, top, width, height) {
    setOpaque(true);
    setBackColor(colors::Page);
}
QSize DrawingSurface::surfaceSize() const {
    return {std::max(1, qRound(width() * kSurfacePixelsPerTwip)), std::max(1, qRound(height() * kSurfacePixelsPerTwip))};
}
void DrawingSurface::resizeSurface() {
    // A blank page has no pixels of its own until the first stroke: the window opens sooner and smaller.
    const QSize size = surfaceSize();
    if (m_surface.isNull() || m_surface.size() == size) return;
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter(&grown).drawImage(0, 0, m_surface);
    m_surface = grown;
}
void DrawingSurface::setWidth(float w) {
    Control::setWidth(w);
    resizeSurface();
}
void DrawingSurface::setHeight(float h) {
    Control::setHeight(h);
    resizeSurface();
}
void DrawingSurface::drawLine(float x1, float y1, float x2, float y2, const QColor& color, int widthPixels) {
    if (m_surface.isNull()) {
        m_surface = QImage(surfaceSize(), QImage::Format_ARGB32_Premultiplied);
        m_surface.fill(Qt::transparent);
    }
    QPainter p(&m_surface);
    p.setRenderHint(QPainter::Antialiasing);
    const float penWidth = widthPixels * kTwipsPerPixel * kSurfacePixelsPerTwip;
    p.setPen(QPen(color, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x1, y1) * kSurfacePixelsPerTwip, QPointF(x2, y2) * kSurfacePixelsPerTwip);
    const float pad = widthPixels * kTwipsPerPixel;
    update(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2))).adjusted(-pad, -pad, pad, pad));
}
void DrawingSurface::clear() {
    m_surface.fill(Qt::transparent);
    update();
}
QColor DrawingSurface::colorAt(float x, float y) const {
    const QPoint p(qRound(x * kSurfacePixelsPerTwip), qRound(y * kSurfacePixelsPerTwip));
    if (!m_surface.rect().contains(p)) return backColor();
    const QColor c = m_surface.pixelColor(p);
    return c.alpha() == 0 ? backColor() : c;
}
Control* DrawingSurface::cloneAs(int) const { return nullptr; }
void DrawingSurface::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF r = boundingRect();
    painter->fillRect(r, backColor());
    if (m_surface.isNull()) return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(r, m_surface);
}

}  // namespace platform
