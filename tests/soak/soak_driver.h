#pragma once
// A seeded user for the whole program: random clicks, drags, hovers, keys and timer ticks on every
// screen, with the rules that must hold after each of them.
#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "app/windows.h"
#include "seeded_random.h"
#include "testsupport.h"

namespace soak {

// What the pointer does to a control.
enum class Aim { Click, Hover, TileDrag, ArrowDrag, Stroke, Drag };

class Soak {
public:
    explicit Soak(std::uint64_t seed);
    ~Soak();

    // Plays one event; a broken rule or a throwing handler comes back as text.
    std::optional<std::string> step();

    // What the last step did, for the failure message.
    const std::string& lastEvent() const { return m_lastEvent; }
    // One number for everything the run did, so two runs of a seed can be compared.
    std::uint64_t traceHash() const { return m_hash; }
    // How often the program ended (Exit, or the last window closed) and was started again.
    int restarts() const { return m_restarts; }
    int windowsOpened() const { return m_opened; }
    // Every screen the run has opened at least once.
    const QSet<QString>& screensSeen() const { return m_seen; }
    // Keeps one menu entry's activity open: whenever it has closed, the next step opens it again
    // from its menu, as a class that spends the whole lesson on one activity would.
    void focusOn(int menu, int entry);
    // The screen the focused entry opens, once it has been opened.
    QString focusedScreen() const { return m_focusScreen; }
    // Prints every event as it is played.
    bool trace = false;

private:
    void start();
    void restartIfEnded();
    void reopenFocus();
    QStringList reachable() const;
    platform::Form* pickWindow();
    void play(platform::Form& form);
    void clickSomething(platform::Form& form);
    void hoverSomething(platform::Form& form);
    void dragSomething(platform::Form& form);
    void backgroundPointer(platform::Form& form);
    void pressKey(platform::Form& form);
    void tickTimers(platform::Form& form);
    void realPointer(platform::Form& form);
    void closeBox(platform::Form& form);

    void drag(platform::Form& form, platform::Control& control, Aim kind);
    void stubSideEffects();
    std::optional<std::string> check();
    std::optional<std::string> checkTiles(platform::Form& form) const;
    std::optional<std::string> checkArrow(platform::Form& form) const;

    int uniform(int low, int high);
    float uniformReal(float low, float high);
    bool chance(double p);
    int someButtons();
    void note(const QString& text);

    testsupport::DataFolder m_folder;
    testsupport::ThrowOnFailure m_throw;
    SeededRandom m_screens;
    std::mt19937_64 m_events;
    std::unique_ptr<app::WindowRegistry> m_windows;
    QString m_releasedTileOn;   // the screen a tile was just released on, if any
    QString m_releasedArrowOn;  // the screen the arrow was just released on, if any
    std::string m_lastEvent;
    std::uint64_t m_hash = 1469598103934665603ull;
    int m_restarts = 0;
    int m_opened = 0;
    QSet<QString> m_seen;
    int m_notSavedMessages = 0;
    int m_focusMenu = 0;
    int m_focusEntry = 0;
    QString m_focusScreen;
};

// Resident memory of this process in bytes.
long residentBytes();

}  // namespace soak
