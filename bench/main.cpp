#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <exception>

#include "platform/fonts.h"
#include "platform/form.h"
#include "support.h"

int main(int argc, char** argv) {
    // Screens are built and painted without a display unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::quietOffscreenWarnings();
    QApplication application(argc, argv);
    platform::registerFonts();
    try {
        bench::useRunFolder();
        bench::loadEnglish();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brevandel_bench: %s (build the program first)\n", e.what());
        return 2;
    }
    benchmark::AddCustomContext("zoom", QString::number(platform::zoom()).toStdString());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
