#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "platform/picturecache.h"
#include "platform/stage.h"

namespace platform {
namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr QSize kFrameAllowance{16, 40};  // a window frame and title bar, in pixels
double g_zoom = 0;
bool g_fullScreen = false;

QScreen* desktop() { return QGuiApplication::primaryScreen(); }

int mouseBits(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0) |
           (b & Qt::MiddleButton ? MiddleButton : 0);
}
int shiftBits(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? ShiftKey : 0) | (m & Qt::ControlModifier ? CtrlKey : 0) |
           (m & Qt::AltModifier ? AltKey : 0);
}
}  // namespace

double zoomForDesktop(QSize available) {
    double best = 1.0;
    for (double z = 1.25; z <= 8.0; z += 0.25) {
        const double w = 12000 * z / kTwipsPerPixel + kFrameAllowance.width();
        const double h = 9000 * z / kTwipsPerPixel + kFrameAllowance.height();
        if (w <= 0.9 * available.width() && h <= 0.9 * available.height())
            best = z;
        else
            break;
    }
    return best;
}

double zoom() {
    if (g_zoom <= 0) g_zoom = desktop() ? zoomForDesktop(desktop()->availableGeometry().size()) : 1.0;
    return g_zoom;
}
void setZoom(double z) {
    // Pictures decoded for the old zoom would be drawn scaled from now on.
    if (z != g_zoom) PictureCache::shared().clear();
    g_zoom = z;
}
float screenWidthTwips() {
    return desktop() ? float(desktop()->geometry().width() * kTwipsPerPixel / zoom()) : 15360.0f;
}
float screenHeightTwips() {
    return desktop() ? float(desktop()->geometry().height() * kTwipsPerPixel / zoom()) : 11520.0f;
}
QSize screenPixels() { return {qRound(12000 * zoom() / kTwipsPerPixel), qRound(9000 * zoom() / kTwipsPerPixel)}; }
bool fullScreenMode() { return g_fullScreen; }
double picturePixelsPerTwip() {
    if (g_fullScreen && desktop()) {
        const QSize screen = desktop()->geometry().size();
        return std::min(screen.width() / 12000.0, screen.height() / 9000.0);
    }
    return zoom() / kTwipsPerPixel;
}

// The background: it receives the pointer wherever no control is, and paints nothing itself.
class Form::Backdrop : public QGraphicsItem {
public:
    explicit Backdrop(Form* form) : m_form(form) {
        setAcceptHoverEvents(true);
        setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
        setZValue(-1e9);
    }
    QRectF boundingRect() const override { return {0, 0, m_form->m_width, m_form->m_height}; }
    void resized() { prepareGeometryChange(); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

protected:
    static MouseEvent eventOf(int button, Qt::KeyboardModifiers m, QPointF p) {
        return {button, shiftBits(m), float(p.x()), float(p.y()), float(p.x()), float(p.y())};
    }
    void hoverMoveEvent(QGraphicsSceneHoverEvent* e) override { m_form->Form_MouseMove(eventOf(0, e->modifiers(), e->pos())); }
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override {
        e->accept();
        m_form->Form_MouseDown(eventOf(mouseBits(e->button()), e->modifiers(), e->pos()));
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override {
        m_form->Form_MouseMove(eventOf(mouseBits(e->buttons()), e->modifiers(), e->pos()));
    }
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override {
        m_form->Form_MouseUp(eventOf(mouseBits(e->button()), e->modifiers(), e->pos()));
    }

private:
    Form* m_form;
};

// Shows the whole scene at one uniform scale, letterboxed in the form's back colour.
class Form::View : public QGraphicsView {
public:
    View(QGraphicsScene* scene, Form* form) : QGraphicsView(scene, form), m_form(form) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignCenter);
        setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
        // drawBackground covers every pixel, and the pictures are copied, not scaled: no fill first
        // and no cached copy of the background, which would be one more window-sized buffer.
        viewport()->setAutoFillBackground(false);
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }
    void fit() {
        const QRectF r = scene()->sceneRect();
        if (r.isEmpty() || viewport()->width() <= 0) return;
        const double s = std::min(viewport()->width() / r.width(), viewport()->height() / r.height());
        setTransform(QTransform::fromScale(s, s));
        centerOn(r.center());
        resetCachedContent();
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QGraphicsView::resizeEvent(e);
        fit();
    }
    void paintEvent(QPaintEvent* e) override {
        QGraphicsView::paintEvent(e);
        if (m_painted) return;
        m_painted = true;
        if (m_form->m_warmList) QTimer::singleShot(0, m_form, &Form::warmNextPicture);
        if (!g_fullScreen) QTimer::singleShot(0, m_form, [] { Stage::prepareSpare(screenPixels()); });
        emit m_form->firstPainted();
    }
    void drawBackground(QPainter* painter, const QRectF& rect) override {
        painter->fillRect(rect, m_form->m_backColor);
        if (!m_form->m_picture.isNull()) {
            painter->save();
            painter->setClipRect(scene()->sceneRect());
            drawPicture(*painter, QRectF(QPointF(0, 0), m_form->m_pictureTwips), m_form->m_picture);
            painter->restore();
        }
    }
    // Keys go to the form, which owns F11 and the screen's shortcuts.
    void keyPressEvent(QKeyEvent* e) override { e->ignore(); }
    void mousePressEvent(QMouseEvent* e) override {
        m_form->Form_PointerDown();
        QGraphicsView::mousePressEvent(e);
    }

private:
    Form* m_form;
    bool m_painted = false;
};

Form::Form(const QString& name, float widthTwips, float heightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window), m_width(widthTwips), m_height(heightTwips) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    // The view covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scene = new QGraphicsScene(this);
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_scene->setSceneRect(0, 0, m_width, m_height);
    m_backdrop = new Backdrop(this);
    m_scene->addItem(m_backdrop);
    m_view = new View(m_scene, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    applySize();
}

Form::~Form() {
    // Items go before the scene so no control outlives the window it belongs to.
    m_scene->clear();
    if (m_stage) m_stage->release(this);
}

void Form::adopt(Control* item, Control* container) {
    if (container)
        item->setParentItem(container);
    else
        m_scene->addItem(item);
    // Later controls stand in front of earlier ones, as they were designed.
    item->setZValue(m_controls.size());
    m_controls.insert(item->name(), item);
}

Control* Form::control(const QString& name, int index) const {
    Control* found = nullptr;
    for (auto it = m_controls.constFind(name); it != m_controls.cend() && it.key() == name; ++it) {
        Control* c = it.value();
        if (index < 0 ? (c->index() <= 0) : c->index() == index) found = c;
    }
    if (found || index <= 0) return found;
    // Array elements loaded at run time are found where their original put them.
    const QList<QGraphicsItem*> items = m_scene->items();
    for (QGraphicsItem* item : items) {
        auto* c = dynamic_cast<Control*>(item);
        if (c && c->index() == index && c->name() == name) return c;
    }
    return nullptr;
}

void Form::load() {
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

QSize Form::pixelSize() const {
    return {qRound(m_width * zoom() / kTwipsPerPixel), qRound(m_height * zoom() / kTwipsPerPixel)};
}

QWidget* Form::frame() { return m_stage ? static_cast<QWidget*>(m_stage.data()) : this; }

bool Form::inFront() const { return !m_stage || m_stage->front() == this; }

void Form::applySize() {
    m_scene->setSceneRect(0, 0, m_width, m_height);
    m_backdrop->resized();
    if (!m_fullScreen && inFront()) frame()->resize(pixelSize());
    m_view->fit();
}

void Form::placeWindow() {
    if (m_fullScreen || !inFront()) return;
    frame()->move(qRound(m_left * zoom() / kTwipsPerPixel), qRound(m_top * zoom() / kTwipsPerPixel));
}

void Form::setLeft(float left) {
    m_left = left;
    m_placed = true;
    placeWindow();
}
void Form::setTop(float top) {
    m_top = top;
    m_placed = true;
    placeWindow();
}
void Form::setSize(float width, float height) {
    m_width = width;
    m_height = height;
    applySize();
}

void Form::setBackColor(const QColor& color) {
    m_backColor = color;
    m_view->resetCachedContent();
    m_view->viewport()->update();
}

void Form::setPicture(const std::optional<Picture>& picture) {
    m_picture = picture ? picture->image : QImage();
    m_pictureTwips = picture ? picture->sizeTwips : QSizeF();
    m_view->resetCachedContent();
    m_view->viewport()->update();
}

void Form::clearIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
}

void Form::setTopmost(bool topmost) {
    m_topmost = topmost;
    if (!m_stage) return;
    const bool shown = m_stage->isVisible();
    m_stage->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) m_stage->show();
}

void Form::setBusyPointer(bool busy) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Form::showForm() {
    if (!m_loaded) load();
    if (!m_placed && screen()) {
        // A window that does not place itself opens in the middle of the desktop.
        m_left = screenWidthTwips() / 2 - m_width / 2;
        m_top = screenHeightTwips() / 2 - m_height / 2;
        m_placed = true;
    }
    if (!m_stage) m_stage = Stage::hostFor(this, pixelSize(), m_topmost);
    m_stage->bringToFront(this);
    if (g_fullScreen && m_followsFullScreen) {
        enterFullScreen();
    } else {
        leaveFullScreen();
        m_stage->show();
    }
    m_stage->raise();
    m_stage->activateWindow();
    m_view->setFocus();
}

void Form::unload() { close(); }

void Form::warmNextPicture() {
    if (m_warmList) m_toWarm = std::exchange(m_warmList, {})();
    if (m_toWarm.isEmpty() || !isVisible() || !PictureCache::shared().roomToWarm()) return;
    (void)loadPicture(m_toWarm.takeFirst());
    if (!m_toWarm.isEmpty()) QTimer::singleShot(0, this, &Form::warmNextPicture);
}

void Form::enterFullScreen() {
    m_fullScreen = true;
    frame()->showFullScreen();
    // Without a window manager the full-screen request is not honoured, so take the screen's size too.
    if (QScreen* s = screen()) frame()->setGeometry(s->geometry());
}

void Form::leaveFullScreen() {
    if (m_fullScreen) {
        m_fullScreen = false;
        frame()->showNormal();
    }
    applySize();
    placeWindow();
}

void Form::toggleFullScreen() {
    if (!m_followsFullScreen) return;
    g_fullScreen = !m_fullScreen;
    if (g_fullScreen)
        enterFullScreen();
    else
        leaveFullScreen();
}

bool Form::keyDown(int qtKey) {
    if (qtKey == Qt::Key_F11) {
        toggleFullScreen();
        return true;
    }
    return Form_KeyDown(qtKey);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && keyDown(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && m_stage) m_stage->captionChanged(this);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_view->fit();
}

void Form::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!event->isAccepted()) return;
    emit unloaded(objectName());
    if (m_stage) m_stage->release(this);
}

}  // namespace platform
