// libFuzzer entry point for the metafile reader: any bytes must give a picture or nothing, never a crash.
#include "platform/metafile.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {

// Text is drawn through QPainter, which needs a GUI application; one for the whole run, without a display.
QGuiApplication& application()
{
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    Q_UNUSED(offscreen);
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    application();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto picture = platform::readMetafile(bytes, 2.0 / 15.0);
    if (picture && (picture->image.width() > 4096 || picture->image.height() > 4096))
        __builtin_trap();
    return 0;
}
