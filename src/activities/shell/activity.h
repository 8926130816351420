#pragma once
// What every activity screen shares: the five common buttons, the tick and cross uncovered by their
// timers, the Jotter, the way back to the menu, and keyboard shortcuts for presenter remotes.
#include "platform/form.h"
#include "platform/timer.h"

namespace app {
class WindowRegistry;
}
namespace platform {
class RandomSource;
}

namespace shell {

// How the activities differ in what they share.
struct ActivityKind {
    const char* screen;       // the screen's name
    const char* menu;         // the menu its exit shows
    const char* designTitle;  // the window title until the menu sets its own
    bool checkButtonShown;    // whether the check button is ever on screen
    bool timersRunAtOpen;     // whether the feedback timers start enabled
};

inline constexpr ActivityKind kOrdernum{"ordernum", "menu1", "Ordering Whole Numbers", true, true};
inline constexpr ActivityKind kDartboard{"dartboard", "menu2", "Dartboard", false, true};
inline constexpr ActivityKind kFruit{"fruit", "menu3", "Fruit Machine", false, true};
inline constexpr ActivityKind kDirected1{"directed1", "menu4", "Directed Numbers", true, false};

// Full width of the tick and cross pictures, and how much each timer event uncovers.
inline constexpr float kFeedbackWidth = 735;
inline constexpr float kFeedbackStep = 8;

class Activity : public platform::Form {
    Q_OBJECT
public:
    Activity(const ActivityKind& kind, app::WindowRegistry& windows);

    platform::CommandButton* cmdgo;
    platform::CommandButton* cmdcheckit;
    platform::CommandButton* cmdsoln;
    platform::CommandButton* cmdjotter;
    platform::CommandButton* cmdexit;
    platform::Image* Image1;
    platform::PictureBox* imgtick;
    platform::PictureBox* imgcross;
    platform::Timer* tmrtick;
    platform::Timer* tmrcross;
    platform::Shape* framestatus;

    virtual void cmdgo_Click() = 0;
    virtual void cmdcheckit_Click() {}
    virtual void cmdsoln_Click() = 0;
    void cmdjotter_Click();
    void cmdexit_Click();
    void tmrtick_Timer();
    void tmrcross_Timer();

    const ActivityKind& kind() const { return m_kind; }

protected:
    // The feedback after a check: the picture starts again from width 0 and its timer uncovers it.
    void showTick();
    void showCross();
    // A new question takes the last verdict away: hidden, and no timer left to uncover it again.
    void clearFeedback();
    // Space or Page Down: new question; Enter: check; S: solution; J: Jotter; Escape: exit.
    bool Form_KeyDown(int qtKey) override;

    app::WindowRegistry& windows() { return m_windows; }
    platform::RandomSource& rnd();

private:
    const ActivityKind& m_kind;
    app::WindowRegistry& m_windows;
};

}  // namespace shell
