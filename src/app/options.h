#pragma once
// The command line an administrator can give, and the display platform the program asks Qt for.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The languages a run can be started in: English to Welsh.
inline constexpr int kFirstStartLanguage = 0;
inline constexpr int kLastStartLanguage = 6;

struct StartOptions {
    bool fullScreen = false;
    // This run's language; nothing is written, so the next run is as before.
    std::optional<int> language;
};

// What the command line asks for: either start with the options, or print a text and end.
struct CommandLine {
    StartOptions options;
    // Set when the program ends at once: 0 after --help or --version, 2 for a bad command line.
    std::optional<int> exitStatus;
    QString output;  // for standard output
    QString error;   // for standard error
};

// arguments[0] is the program's name, as in argv. Needs no application object.
CommandLine parseCommandLine(const QStringList& arguments);

// The platform plugin to ask Qt for, or empty to leave Qt's own choice. On a Wayland desktop the
// program runs through XWayland, where windows may place themselves and stay on top; a platform
// the user named is always kept.
QByteArray platformFor(const QByteArray& userPlatform, const QByteArray& waylandDisplay,
                       const QByteArray& sessionType);
// Sets QT_QPA_PLATFORM from the environment as platformFor() says; call before the application exists.
void choosePlatform();

}  // namespace app
