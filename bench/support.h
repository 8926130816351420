#pragma once
// What the benchmarks and the spin timing share: the built run folder, the English texts, and
// screens opened through the real window registry with the program's own random source.
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>
#include <stdexcept>

#include "app/windows.h"
#include "platform/form.h"
#include "platform/random.h"

namespace bench {

// Drops the offscreen platform's warning on every window raise, which would bury the tables.
void quietOffscreenWarnings();
// Points the program at this build's run folder and makes a missing picture throw, not exit.
void useRunFolder();
// Reads the real text table and applies English; throws when the table cannot be read.
void loadEnglish();
QString runFile(const QString& relative);

// Counts the paint events a widget receives, to show that a timed step really repainted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The real registry with every screen defined and a clock-seeded random source.
class Screens {
public:
    Screens();
    ~Screens();
    // Creates and loads the screen without showing it.
    template <class T>
    T& open(const QString& name) {
        auto* form = dynamic_cast<T*>(m_windows.load(name));
        if (!form) throw std::runtime_error("cannot open " + name.toStdString());
        return *form;
    }
    void close(const QString& name);
    app::WindowRegistry& windows() { return m_windows; }

private:
    platform::ClockRandom m_random;
    app::WindowRegistry m_windows;
};

// Opens a screen and shows it at the given zoom, its first paint done, for frame timings.
platform::Form& showAt(Screens& screens, const QString& name, double zoom);
// Processes events until the window has repainted what changed; returns whether it painted.
bool repaint(QWidget* window);

}  // namespace bench
