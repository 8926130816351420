// Doubles and Halves: a new question in each mode, a check and a key of the pad, and one frame of
// the partitioning diagram sliding into place with its repaint, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/doubles/doubles.h"
#include "support.h"
#include "timing.h"

namespace {

doubles::Doubles& openDoubles(bench::Screens& screens) {
    return static_cast<doubles::Doubles&>(bench::showAt(screens, QStringLiteral("doubles"), 1.5));
}

void DoublesNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDoubles(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(DoublesNewQuestion)->ArgName("mode")->DenseRange(0, doubles::kModes - 1)->UseManualTime();

void DoublesCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDoubles(screens);
    screen.modes.option(doubles::kHalvesTo100).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral(".")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(DoublesCheckAndKey)->UseManualTime();

// Every step's slide in turn, halves of even numbers to 200 (three parts at most); a new number when done.
void DoublesSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDoubles(screens);
    screen.modes.option(doubles::kHalvesOfEven).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished() && !screen.steps.empty()) screen.cmdgo_Click();
            screen.cmdsoln_Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        clock.time([&] {
            screen.steps.frame();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_frame"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(DoublesSolutionFrameWithPaint)->UseManualTime();

}  // namespace
