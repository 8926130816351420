// Temperature Changes: a new question, a check and a key of the pad, a step of the column's drag,
// and one frame of the solution's column, each with the repaint it causes, at the zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "activities/temperature/temperature.h"
#include "support.h"
#include "timing.h"

namespace {

using temperature::Temperature;

Temperature& openTemperature(bench::Screens& screens, int mode) {
    auto& screen = static_cast<Temperature&>(bench::showAt(screens, QStringLiteral("temperature"), 1.5));
    screen.modes.option(mode).click();
    QCoreApplication::processEvents();
    return screen;
}

void TemperatureNewQuestionCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTemperature(screens, static_cast<int>(state.range(0)));
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        switch (i++ % 3) {
            case 0: clock.time([&] { screen.cmdgo_Click(); }); break;
            case 1: clock.time([&] { screen.pad.press(QStringLiteral("7")); }); break;
            default: clock.time([&] { screen.cmdcheckit_Click(); }); break;
        }
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(TemperatureNewQuestionCheckAndKey)->ArgName("mode")->DenseRange(0, temperature::kModes - 1)->UseManualTime();

// The column's top taken by its grip and moved a degree up and down on the widest scale.
void TemperatureColumnDragWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTemperature(screens, temperature::kWide);
    platform::Label& grip = *screen.lblgrip;
    const float x = grip.left() + 450;
    grip.press({platform::LeftButton, 0, 450, 330, x, grip.top() + 330});
    const float y0 = screen.thermometer->top() + screen.thermometer->yOf(-7);
    const float y1 = screen.thermometer->top() + screen.thermometer->yOf(-6);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const float y = i++ % 2 == 0 ? y0 : y1;
        clock.time([&] {
            grip.moveMouse({platform::LeftButton, 0, 0, 0, x, y});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(TemperatureColumnDragWithPaint)->UseManualTime();

// One frame of the column moving through the change, and its repaint.
void TemperatureSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTemperature(screens, temperature::kWide);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished() || screen.steps.shown() + 1 >= screen.steps.count()) screen.cmdgo_Click();
            screen.cmdsoln_Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            if (!screen.steps.animating()) continue;
        }
        clock.time([&] {
            screen.steps.frame();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(TemperatureSolutionFrameWithPaint)->UseManualTime();

}  // namespace
