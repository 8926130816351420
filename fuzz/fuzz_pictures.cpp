// Feeds arbitrary bytes to the picture loader as a JPEG, an icon, a metafile or any other picture.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_pictures";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size == 0) return 0;
    // The first byte picks how the rest is read, so one corpus reaches every decoder.
    static const char* const names[] = {"a.jpg", "a.ico", "a.wmf", "a.png", "a.bmp"};
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const QString type = QString::fromLatin1(names[data[0] % 5]);
    (void)platform::decodePicture(bytes, type);
    // As the picture cache decodes them, at a 1920 × 1080 projector's size (and a JPEG's stated density).
    (void)platform::decodePictureAt(bytes, type, 0.1);
    return 0;
}
