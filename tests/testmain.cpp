#include <QApplication>
#include <gtest/gtest.h>

#include "platform/fonts.h"

int main(int argc, char** argv) {
    // Screens are built and driven without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
