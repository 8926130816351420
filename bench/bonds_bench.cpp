// Number Bonds: a new question in each mode (bar, line and beads laid out again), a check and a key
// of the pad, and one frame of the solution (an arc drawing itself, or the empty part filling) with
// the repaint it causes, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/bonds/bonds.h"
#include "support.h"
#include "timing.h"

namespace {

bonds::Bonds& openBonds(bench::Screens& screens) {
    return static_cast<bonds::Bonds&>(bench::showAt(screens, QStringLiteral("bonds"), 1.5));
}

void BondsNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBonds(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(BondsNewQuestion)->ArgName("mode")->DenseRange(0, bonds::kModes - 1)->UseManualTime();

void BondsCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBonds(screens);
    screen.modes.option(bonds::kOne).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("6")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(BondsCheckAndKey)->UseManualTime();

// Frames of the whole solution, arcs and fill, on the 100-bead rack's screen; a new bond when it ends.
void BondsSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBonds(screens);
    screen.modes.option(bonds::kHundred).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.shown() == screen.steps.count()) screen.cmdgo_Click();
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
BENCHMARK(BondsSolutionFrameWithPaint)->UseManualTime();

}  // namespace
