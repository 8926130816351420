#include <QApplication>
#include <cstdio>

#include "app/catalogue.h"
#include "app/languagefile.h"
#include "app/options.h"
#include "app/windows.h"
#include "platform/fonts.h"
#include "platform/random.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Read before any display is opened, so --help and --version work over a plain terminal.
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    if (commandLine.exitStatus) {
        std::fputs(qPrintable(commandLine.output), stdout);
        std::fputs(qPrintable(commandLine.error), stderr);
        return *commandLine.exitStatus;
    }
    app::choosePlatform();

    // Qt is given no arguments: the command line is ours alone.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("brevandel"));
    QApplication::setOrganizationName(QStringLiteral("brevandel"));
    QApplication::setDesktopFileName(QStringLiteral("org.brevandel.Brevandel"));
    platform::registerFonts();
    app::setRunLanguage(commandLine.options.language);
    platform::ClockRandom random;
    app::WindowRegistry windows(random);
    app::defineScreens(windows);
    platform::Form* title = windows.load(QStringLiteral("Titlefrm"));
    if (commandLine.options.fullScreen && title) title->toggleFullScreen();
    windows.show(QStringLiteral("Titlefrm"));
    return QApplication::exec();
}
