#include "support.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <cstdio>

#include "app/catalogue.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "platform/failure.h"
#include "platform/paths.h"

namespace bench {

namespace {
void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
}  // namespace

void quietOffscreenWarnings() { qInstallMessageHandler(dropPlatformNotices); }

void useRunFolder() {
    platform::setProgramFolder(QStringLiteral(BREVANDEL_RUN_DIR));
    // Nothing benchmarked may write beside the real run folder's language choice.
    platform::setUserConfigFolder(QDir::tempPath() + QStringLiteral("/brevandel-bench-config"));
    platform::setFailureHandler([](int number, const QString& description) {
        throw std::runtime_error("unexpected failure " + std::to_string(number) + ": " + description.toStdString());
    });
}

QString runFile(const QString& relative) { return QStringLiteral(BREVANDEL_RUN_DIR "/") + relative; }

void loadEnglish() {
    app::LanguageState& state = app::lang();
    if (!app::readTextTable(runFile(QStringLiteral("text/text.csv")), state))
        throw std::runtime_error("cannot read the run folder's text/text.csv");
    app::readTextBlocks(runFile(QStringLiteral("text/activities.csv")), state);
    state.langindex = app::LangIndex::number(0);
    if (!app::applylanguage()) throw std::runtime_error("English does not apply");
}

Screens::Screens() : m_windows(m_random) { app::defineScreens(m_windows); }

Screens::~Screens() {
    for (const QString& name : m_windows.openNames()) m_windows.close(name);
    // What the event loop would deliver before the next click: without it the events every new
    // screen posts pile up, and each widget made afterwards searches the whole pile.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

platform::Form& showAt(Screens& screens, const QString& name, double zoom) {
    platform::setZoom(zoom);
    auto& form = screens.open<platform::Form>(name);
    form.showForm();
    QCoreApplication::processEvents();
    return form;
}

bool repaint(QWidget* window) {
    PaintCounter counter(window);
    QCoreApplication::processEvents();
    return counter.paints > 0;
}

void Screens::close(const QString& name) {
    m_windows.close(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace bench
