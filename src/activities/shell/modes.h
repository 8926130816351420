#pragma once
// The option buttons that choose an activity's mode, stacked down the right-hand column under the
// board. The last mode chosen on a screen is kept while the program runs, so reopening the activity
// finds the class where it was.
#include <QStringList>
#include <functional>

#include "platform/controls.h"

namespace platform {
class Form;
}

namespace shell {

class ModeButtons {
public:
    // `screen` names whose remembered mode this is; `count` buttons, captions set later.
    ModeButtons(platform::Form& form, const QString& screen, int count);

    // Captions in the chosen language; each button grows to hold its wrapped caption.
    void setCaptions(const QStringList& captions);
    int mode() const { return m_mode; }
    int count() const { return m_options.size(); }
    platform::OptionButton& option(int mode) const { return m_options[mode]; }
    platform::Frame& frame() const { return *m_frame; }

    // Raised when the teacher picks a mode (not for the remembered mode shown at opening).
    std::function<void(int mode)> onChoose;

    // The mode a screen opens in: the last one chosen there, or 0.
    static int remembered(const QString& screen);
    static void forgetAll();

private:
    void chosen(int mode);
    platform::Frame* m_frame;
    platform::ControlArray<platform::OptionButton> m_options;
    QString m_screen;
    int m_mode;
};

}  // namespace shell
