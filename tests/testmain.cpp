#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/fonts.h"

namespace {
// The offscreen platform says at every show that it cannot raise windows; that is not news.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    // Screens are built and driven without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;  // a private runtime folder, as Qt expects one
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    // A school-wide language on this machine must not change what the screen tests see.
    const QTemporaryDir systemConfig;
    qputenv("XDG_CONFIG_DIRS", systemConfig.path().toUtf8());
    qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    platform::registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
