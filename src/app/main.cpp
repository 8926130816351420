#include <QApplication>

#include "app/catalogue.h"
#include "app/windows.h"
#include "platform/fonts.h"
#include "platform/random.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevandel"));
    QApplication::setOrganizationName(QStringLiteral("brevandel"));
    platform::registerFonts();
    platform::ClockRandom random;
    app::WindowRegistry windows(random);
    app::defineScreens(windows);
    windows.show(QStringLiteral("Titlefrm"));
    return QApplication::exec();
}
