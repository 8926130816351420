// Opens every screen in turn, as a lesson moves from one to the next (each shown before the one
// before it closes), and times each from the request to its first paint; then reports the memory the tour needed, and the memory with every
// screen open at once, an upper bound no lesson reaches.
// A class stays on a screen for a moment at least, and the program uses that time (it reads the
// pictures the next screens need), so each screen stays up STAY ms after its first paint before the
// next is asked for. The process's first window (fonts, the display's connection) is the program's
// start, timed by the start-up watch: the tour opens the title screen once untimed before it starts.
// usage: screen_tour [STAY]   (300 ms by default; QT_QPA_PLATFORM picks offscreen or the X display,
// offscreen by default)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGraphicsView>
#include <cstdio>
#include <exception>

#include "platform/fonts.h"
#include "platform/form.h"
#include "support.h"

namespace {

// Every screen a lesson can reach, menu by menu, with the other-language editions after the English ones.
const char* const kTour[] = {"Titlefrm",  "languages",   "intro0",     "menu1",       "placevalue", "ordernum",
                             "rounding",  "factors",     "primes",     "menu2",       "bonds",      "tables",
                             "doubles",   "dartboard",   "money",      "money2",      "menu3",      "fruit",
                             "missing",   "operations",  "columns",    "division",    "division2",  "menu4",
                             "countback", "negatives",   "temperature", "directed1",  "bank",       "bank2",
                             "menu5",     "angles",      "symmetry",   "area",        "coordinates", "solids",
                             "notepad"};

long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}


// Shows a screen and returns the milliseconds until its view has been painted; -1 if it never is.
// The clock stops as the paint ends, not when the event loop next comes back: by then the screen
// may have gone on to read the next screens' pictures, which it does only once it is up.
double showAndPaint(bench::Screens& screens, const QString& name) {
    QElapsedTimer clock;
    clock.start();
    double ms = -1;
    platform::Form* form = screens.windows().load(name);
    if (!form) return -1;
    const auto stamp = QObject::connect(form, &platform::Form::firstPainted, form,
                                        [&] { ms = double(clock.nsecsElapsed()) / 1e6; });
    screens.windows().show(name);
    while (ms < 0 && clock.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(stamp);
    QCoreApplication::processEvents();
    return ms;
}

// Lets the shown screen run its event loop as it would while the class looks at it.
void stay(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::quietOffscreenWarnings();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int stayMs = argc > 1 ? QByteArray(argv[1]).toInt() : 300;
    platform::registerFonts();
    try {
        bench::useRunFolder();
        bench::loadEnglish();
        std::printf("platform %s, zoom %s; each screen shown over the one before, from the request to its first paint\n",
                    qPrintable(QGuiApplication::platformName()), qPrintable(QString::number(platform::zoom())));
        std::printf("%-14s %9s %12s\n", "screen", "open_ms", "rss_after_kb");
        bench::Screens screens;
        showAndPaint(screens, QString::fromLatin1(kTour[0]));
        screens.close(QString::fromLatin1(kTour[0]));
        QString previous;
        for (const char* name : kTour) {
            const QString screen = QString::fromLatin1(name);
            // As the screens do it: the next one is shown before the one that leads to it closes.
            const double ms = showAndPaint(screens, screen);
            if (!previous.isEmpty()) screens.close(previous);
            stay(stayMs);
            std::printf("%-14s %9.1f %12ld\n", name, ms, statusKb("VmRSS:"));
            previous = screen;
        }
        screens.close(previous);
        QCoreApplication::processEvents();
        std::printf("peak resident memory over the tour: %ld kB\n", statusKb("VmHWM:"));
        for (const char* name : kTour) showAndPaint(screens, QString::fromLatin1(name));
        std::printf("peak resident memory with every screen open at once: %ld kB\n", statusKb("VmHWM:"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screen_tour: %s\n", e.what());
        return 2;
    }
    return 0;
}
