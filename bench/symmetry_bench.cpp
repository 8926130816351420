// Symmetry: what the class waits on. A new question in each mode, a tap on the squared paper, a
// check, and one frame of the twins coming in with its repaint at zoom 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/symmetry/symmetry.h"
#include "support.h"
#include "timing.h"

namespace {

using symmetry::Symmetry;

Symmetry& openSymmetry(bench::Screens& screens) {
    return static_cast<Symmetry&>(bench::showAt(screens, QStringLiteral("symmetry"), 1.5));
}

platform::MouseEvent centreOf(int square) {
    return {platform::LeftButton, 0, (square % symmetry::kSize) * Symmetry::kCell + 320,
            (square / symmetry::kSize) * Symmetry::kCell + 320};
}

void SymmetryNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSymmetry(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(SymmetryNewQuestion)->ArgName("mode")->DenseRange(0, symmetry::kModes - 1)->UseManualTime();

// A tap on the paper, alone (arg 0) or with the repaint it causes (arg 1); the taps walk every
// square, the given part's too, with two mirrors.
void SymmetryTap(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSymmetry(screens);
    screen.modes.option(symmetry::kBoth).click();
    const bool paint = state.range(0) != 0;
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const platform::MouseEvent e = centreOf(static_cast<int>(i++ % symmetry::kCells));
        clock.time([&] {
            screen.grid->press(e);
            screen.grid->release(e);
            if (paint) QCoreApplication::processEvents();
        });
        if (!paint) QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(SymmetryTap)->ArgName("paint")->Arg(0)->Arg(1)->UseManualTime();

// A check of a page with some squares shaded.
void SymmetryCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSymmetry(screens);
    screen.modes.option(symmetry::kDiagonal).click();
    for (int k = 0; k < symmetry::kCells; k += 3) screen.grid->press(centreOf(k));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(SymmetryCheck)->UseManualTime();

// One frame of the twins coming in and its repaint; a new two-mirror question and its solution
// when the last step ends.
void SymmetrySolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSymmetry(screens);
    screen.modes.option(symmetry::kBoth).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished()) screen.cmdgo_Click();
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
BENCHMARK(SymmetrySolutionFrameWithPaint)->UseManualTime();

}  // namespace
