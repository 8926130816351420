#pragma once
// The desktop window that screens of one size take turns in. Opening a screen inside a window that
// is already up costs no new window and no new pixel buffer, so it shows within a frame; a screen
// that leads on to another of its size hands it the window it was in.
#include <QList>
#include <QPointer>
#include <QWidget>

namespace platform {

class Form;

class Stage : public QWidget {
public:
    // The window a form is shown in: an open one of its pixel size and kind (floating or not),
    // the window made ready in advance, or a new one.
    static Stage* hostFor(Form* form, QSize pixels, bool topmost);
    // While a screen idles: makes a window of the screens' size ready, its pixels already
    // touched, unless one is up or ready; the first screen of that size then opens in it.
    static void prepareSpare(QSize pixels);
    // The ready window, if any (tests look at it).
    static Stage* spare();
    ~Stage() override;

    // Puts the form in front and the window with it; the window takes its caption and icon.
    void bringToFront(Form* form);
    Form* front() const { return m_forms.isEmpty() ? nullptr : m_forms.last(); }
    // Follows the front form's caption after it changes it.
    void captionChanged(Form* form);
    // A form closed or gone: the one behind it takes the window, and an empty window closes.
    void release(Form* form);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The window's close button closes the screen in front, as it did when each had its own window.
    void closeEvent(QCloseEvent* event) override;

private:
    Stage(QSize screenPixels, bool topmost);
    // The window wears the front form's caption and icon.
    void showFront();

    QList<QPointer<Form>> m_forms;  // back to front
    QSize m_screenPixels;           // its screens' size when not full screen: screens of one size share
    bool m_topmost;
    bool m_dying = false;
};

}  // namespace platform
