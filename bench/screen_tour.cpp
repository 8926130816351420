// Opens every screen in turn, as a lesson moves from one to the next, and times each from the
// request to its first paint; then reports the memory the tour needed, and the memory with every
// screen open at once, an upper bound no lesson reaches.
// usage: screen_tour   (QT_QPA_PLATFORM picks offscreen or the X display; offscreen by default)
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

const char* const kTour[] = {"Titlefrm",  "languages", "intro0",    "menu1",        "ordernum",
                             "menu2",     "dartboard", "menu3",     "fruit",        "menu4",
                             "directed1", "menu5",     "notepad",   "placeholder1"};

long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}


// Shows a screen and returns the milliseconds until its view has been painted; -1 if it never is.
double showAndPaint(bench::Screens& screens, const QString& name) {
    QElapsedTimer clock;
    clock.start();
    platform::Form* form = screens.windows().show(name);
    auto* view = form ? form->findChild<QGraphicsView*>() : nullptr;
    if (!view) return -1;
    bench::PaintCounter painted(view->viewport());
    while (painted.paints == 0 && clock.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
    return painted.paints ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::quietOffscreenWarnings();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::registerFonts();
    try {
        bench::useRunFolder();
        bench::loadEnglish();
        std::printf("platform %s, zoom %s; each screen alone, from the request to its first paint\n",
                    qPrintable(QGuiApplication::platformName()), qPrintable(QString::number(platform::zoom())));
        std::printf("%-14s %9s %12s\n", "screen", "open_ms", "rss_after_kb");
        bench::Screens screens;
        for (const char* name : kTour) {
            const QString screen = QString::fromLatin1(name);
            const double ms = showAndPaint(screens, screen);
            std::printf("%-14s %9.1f %12ld\n", name, ms, statusKb("VmRSS:"));
            screens.close(screen);
            QCoreApplication::processEvents();
        }
        std::printf("peak resident memory over the tour: %ld kB\n", statusKb("VmHWM:"));
        for (const char* name : kTour) showAndPaint(screens, QString::fromLatin1(name));
        std::printf("peak resident memory with every screen open at once: %ld kB\n", statusKb("VmHWM:"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screen_tour: %s\n", e.what());
        return 2;
    }
    return 0;
}
