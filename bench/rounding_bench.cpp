// Rounding: what the class waits on. A new question, a check, a key of the pad, and one frame of
// the solution's sliding arrow with the repaint it causes, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/rounding/rounding.h"
#include "support.h"
#include "timing.h"

namespace {

rounding::Rounding& openRounding(bench::Screens& screens) {
    return static_cast<rounding::Rounding&>(bench::showAt(screens, QStringLiteral("rounding"), 1.5));
}

void RoundingNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openRounding(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(RoundingNewQuestion)->ArgName("mode")->DenseRange(0, rounding::kModes - 1)->UseManualTime();

void RoundingCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openRounding(screens);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        // A digit typed, then checked: the two things a pupil at the board does most.
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("7")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(RoundingCheckAndKey)->UseManualTime();

// One frame of the sliding arrow and its repaint; a new question and solution when the slide ends.
void RoundingSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openRounding(screens);
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            screen.cmdgo_Click();
            while (screen.steps.shown() < 3) screen.cmdsoln_Click();
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
BENCHMARK(RoundingSolutionFrameWithPaint)->UseManualTime();

}  // namespace
