#pragma once
// A screen: a fixed-size surface measured in twips, shown at the zoom in a desktop window.
#include <QColor>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "platform/controls.h"
#include "platform/picture.h"

class QGraphicsScene;

namespace platform {

class Stage;

// The one zoom of the run: the largest quarter step at which a 12000 × 9000-twip window and its
// frame fit in nine tenths of the desktop's free area, never below 1.
double zoom();
double zoomForDesktop(QSize availablePixels);
void setZoom(double zoom);
// The desktop's size in logical twips (physical twips ÷ zoom), as placement formulas read it.
float screenWidthTwips();
float screenHeightTwips();
// The size in pixels at which a 12000 × 9000-twip screen opens now, outside full screen.
QSize screenPixels();
// Whether windows open full screen (F11 toggles it; windows opened afterwards follow).
bool fullScreenMode();
// Device pixels per twip at which windows opened now draw a 12000 × 9000 screen: the zoom's, or
// the full screen's; pictures are decoded to this size.
double picturePixelsPerTwip();

// A screen: a twips scene shown at the zoom. On the desktop it takes turns in a window with the
// other screens of its size (see Stage), in front while it is the one shown last.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString& name, float widthTwips, float heightTwips, QWidget* parent = nullptr);
    ~Form() override;

    QString name() const { return objectName(); }

    // Runs the screen's load handler once.
    void load();
    bool loaded() const { return m_loaded; }
    // Shows the window at the zoom, in the run's full-screen state, and brings it to the front.
    void showForm();
    // Closes and destroys the window.
    void unload();

    // Window geometry in twips; left and top are on the desktop, in logical twips.
    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    void setLeft(float left);
    void setTop(float top);
    void setSize(float width, float height);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    void setPicture(const std::optional<Picture>& picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    // Pictures the screens that may follow this one need: once this one has painted, they are named
    // and loaded into the picture cache one per turn of the event loop, for as long as this window is up.
    void warmPicturesWhenShown(std::function<QStringList()> relativeNames) { m_warmList = std::move(relativeNames); }
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    void clearIcon();
    // Keeps the window above all others.
    void setTopmost(bool topmost);
    bool topmost() const { return m_topmost; }
    void setBusyPointer(bool busy);

    // Controls by name (element 0 of an array when no index is given).
    Control* control(const QString& name, int index = -1) const;
    template <class T>
    T* find(const QString& name) const {
        return dynamic_cast<T*>(control(name));
    }

    // Creates a control on the form, or inside `container` with coordinates relative to it.
    template <class T, class... Args>
    T* add(Control* container, const QString& name, Args&&... args) {
        auto* item = new T(name, std::forward<Args>(args)...);
        adopt(item, container);
        return item;
    }

    void toggleFullScreen();
    // A floating tool window keeps its own size when the screens go full screen.
    void setFollowsFullScreen(bool follows) { m_followsFullScreen = follows; }

signals:
    void unloaded(const QString& name);
    // The window's view has been painted for the first time.
    void firstPainted();

protected:
    virtual void Form_Load() {}
    virtual void Form_MouseDown(const MouseEvent&) {}
    virtual void Form_MouseMove(const MouseEvent&) {}
    virtual void Form_MouseUp(const MouseEvent&) {}
    // Keys a screen handles itself; returns whether it used the key.
    virtual bool Form_KeyDown(int /*qtKey*/) { return false; }
    // Every press of the pointer on the page, on a control or not, before the control has it.
    virtual void Form_PointerDown() {}

    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public:
    // Feeds the background's mouse events as the pointer would (tests and the soak use these).
    void backgroundMouseDown(const MouseEvent& e) { Form_MouseDown(e); }
    void backgroundMouseMove(const MouseEvent& e) { Form_MouseMove(e); }
    void backgroundMouseUp(const MouseEvent& e) { Form_MouseUp(e); }
    void pointerDown() { Form_PointerDown(); }
    bool keyDown(int qtKey);

private:
    class View;
    class Backdrop;
    void adopt(Control* item, Control* container);
    QSize pixelSize() const;
    // The desktop window this screen is in: its stage once shown, itself before.
    QWidget* frame();
    bool inFront() const;
    void applySize();
    void placeWindow();
    void enterFullScreen();
    void leaveFullScreen();
    void warmNextPicture();

    QGraphicsScene* m_scene;
    View* m_view;
    Backdrop* m_backdrop;
    QMultiHash<QString, Control*> m_controls;
    QColor m_backColor{0x31, 0x87, 0xD6};
    QImage m_picture;
    QSizeF m_pictureTwips;
    std::function<QStringList()> m_warmList;
    QStringList m_toWarm;
    QPointer<Stage> m_stage;
    float m_left = 0, m_top = 0, m_width, m_height;
    bool m_loaded = false;
    bool m_placed = false;
    bool m_followsFullScreen = true;
    bool m_fullScreen = false;
    bool m_topmost = false;
};

}  // namespace platform
