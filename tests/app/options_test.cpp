#include <gtest/gtest.h>

#include "app/options.h"
#include "buildinfo.h"

namespace {
app::CommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/brevandel"));
    return app::parseCommandLine(arguments);
}
}  // namespace

TEST(OptionsTest, GoodCommandLinesStartWithTheirOptions) {
    struct Case {
        QStringList arguments;
        bool fullScreen;
        std::optional<int> language;
    } cases[] = {
        {{}, false, std::nullopt},
        {{"--fullscreen"}, true, std::nullopt},
        {{"-fullscreen"}, true, std::nullopt},
        {{"--language", "1"}, false, 1},
        {{"--language=6"}, false, 6},
        {{"--language", "0", "--fullscreen"}, true, 0},
    };
    for (const auto& c : cases) {
        const auto result = parse(c.arguments);
        const QString shown = c.arguments.join(' ');
        EXPECT_FALSE(result.exitStatus) << qPrintable(shown);
        EXPECT_TRUE(result.error.isEmpty()) << qPrintable(shown);
        EXPECT_EQ(result.options.fullScreen, c.fullScreen) << qPrintable(shown);
        EXPECT_EQ(result.options.language, c.language) << qPrintable(shown);
    }
}

TEST(OptionsTest, BadCommandLinesEndWithStatusTwoAndSayWhy) {
    struct Case {
        QStringList arguments;
        const char* saying;
    } cases[] = {
        {{"--language", "9"}, "not '9'"},
        {{"--language", "7"}, "from 0 to 6"},
        {{"--language", "-1"}, "not '-1'"},
        {{"--language", "x"}, "not 'x'"},
        {{"--language", ""}, "not ''"},
        {{"--language"}, "Missing value after '--language'"},
        {{"--colour"}, "Unknown option 'colour'"},
        {{"French"}, "unexpected argument 'French'"},
    };
    for (const auto& c : cases) {
        const auto result = parse(c.arguments);
        const QString shown = c.arguments.join(' ');
        EXPECT_EQ(result.exitStatus, 2) << qPrintable(shown);
        EXPECT_TRUE(result.output.isEmpty()) << qPrintable(shown);
        EXPECT_TRUE(result.error.contains(QLatin1String(c.saying))) << qPrintable(result.error);
        EXPECT_TRUE(result.error.contains(QLatin1String("brevandel --help"))) << qPrintable(result.error);
    }
}

TEST(OptionsTest, HelpListsEveryOptionAndVersionPrintsTheProjectVersion) {
    for (const char* help : {"--help", "-h"}) {
        const auto result = parse({help});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_TRUE(result.output.startsWith("Usage: brevandel [options]\n")) << qPrintable(result.output);
        for (const char* option : {"--version", "--fullscreen", "--language <N>", "Welsh"})
            EXPECT_TRUE(result.output.contains(QLatin1String(option))) << option;
    }
    const auto version = parse({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.output, QStringLiteral("brevandel " BREVANDEL_VERSION "\n"));
}

TEST(OptionsTest, WaylandDesktopsGetXWaylandUnlessThePlatformWasChosen) {
    struct Case {
        const char* chosen;
        const char* waylandDisplay;
        const char* sessionType;
        const char* platform;
    } cases[] = {
        {"", "wayland-0", "wayland", "xcb"},
        {"", "wayland-0", "", "xcb"},
        {"", "", "wayland", "xcb"},
        {"wayland", "wayland-0", "wayland", "wayland"},
        {"offscreen", "", "", "offscreen"},
        {"", "", "x11", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::platformFor(c.chosen, c.waylandDisplay, c.sessionType), QByteArray(c.platform))
            << c.chosen << "|" << c.waylandDisplay << "|" << c.sessionType;
}
