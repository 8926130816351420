#include "app/options.h"

#include <QCommandLineParser>

#include "app/language.h"
#include "buildinfo.h"

namespace app {
namespace {

QString languageList() {
    QStringList names;
    for (int i = kFirstStartLanguage; i <= kLastStartLanguage; ++i)
        names << QStringLiteral("%1 %2").arg(i).arg(languageName(LangIndex::number(i)).value_or(QString()));
    return names.join(QStringLiteral(", "));
}

CommandLine bad(const QString& program, const QString& message) {
    CommandLine result;
    result.exitStatus = 2;
    result.error = QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(program, message);
    return result;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const QString program = QStringLiteral("brevandel");
    QCommandLineParser parser;
    // "-fullscreen" reads as "--fullscreen", not as the letters f, u, l, l...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Brevandel: short maths activities for the whole class."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Start full screen, as F11 does."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Use language N for this run only, without keeping it: %1.").arg(languageList()),
        QStringLiteral("N"));
    parser.addOptions({help, version, fullScreen, language});

    if (!parser.parse(arguments)) return bad(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return bad(program, QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));

    CommandLine result;
    if (parser.isSet(help)) {
        result.exitStatus = 0;
        // Qt names the program by its path in the first line; the command's own name reads better.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        result.output = QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(lineEnd);
        return result;
    }
    if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.output = QStringLiteral("%1 %2\n").arg(program, QStringLiteral(BREVANDEL_VERSION));
        return result;
    }
    result.options.fullScreen = parser.isSet(fullScreen);
    if (parser.isSet(language)) {
        const QString text = parser.value(language);
        const auto index = LangIndex::fromField(text).value();
        if (!index || *index < kFirstStartLanguage || *index > kLastStartLanguage)
            return bad(program, QStringLiteral("--language takes a number from %1 to %2 (%3), not '%4'.")
                                    .arg(kFirstStartLanguage)
                                    .arg(kLastStartLanguage)
                                    .arg(languageList(), text));
        result.options.language = static_cast<int>(*index);
    }
    return result;
}

QByteArray platformFor(const QByteArray& userPlatform, const QByteArray& waylandDisplay,
                       const QByteArray& sessionType) {
    if (!userPlatform.isEmpty()) return userPlatform;
    if (!waylandDisplay.isEmpty() || sessionType == "wayland") return QByteArrayLiteral("xcb");
    return {};
}

void choosePlatform() {
    const QByteArray platform =
        platformFor(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

}  // namespace app
