// Factors and Multiples: what the class waits on. A new question in each mode, a tap on the
// 100-square, a check, and one frame of the counting solution with its repaint at zoom 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/factors/factors.h"
#include "support.h"
#include "timing.h"

namespace {

factors::Factors& openFactors(bench::Screens& screens) {
    return static_cast<factors::Factors&>(bench::showAt(screens, QStringLiteral("factors"), 1.5));
}

void FactorsNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openFactors(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(FactorsNewQuestion)->ArgName("mode")->DenseRange(0, factors::kModes - 1)->UseManualTime();

platform::MouseEvent centreOf(int number) {
    return {platform::LeftButton, 0, factors::Factors::columnOf(number) * 640.0f + 320,
            factors::Factors::rowOf(number) * 640.0f + 320};
}

// A tap on the square, alone (arg 0) or with the repaint it causes (arg 1); the taps walk the
// square, two colours in turn.
void FactorsTap(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openFactors(screens);
    screen.modes.option(factors::kCommonMultiples).click();
    const bool paint = state.range(0) != 0;
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const platform::MouseEvent e = centreOf(static_cast<int>(i % factors::kCells) + 1);
        if (i++ % factors::kCells == 0) screen.optpen[static_cast<int>(i / factors::kCells % 2)].click();
        clock.time([&] {
            screen.grid->press(e);
            screen.grid->release(e);
            if (paint) QCoreApplication::processEvents();
        });
        if (!paint) QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(FactorsTap)->ArgName("paint")->Arg(0)->Arg(1)->UseManualTime();

// A check of a square with some cells shaded.
void FactorsCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openFactors(screens);
    screen.modes.option(factors::kMultiples).click();
    for (int n = 1; n <= factors::kCells; n += 3) screen.grid->press(centreOf(n));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(FactorsCheck)->UseManualTime();

// One frame of the count and its repaint; a new question of multiples of 2 (fifty cells) and its
// solution when the count ends.
void FactorsSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openFactors(screens);
    screen.modes.option(factors::kMultiples).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            do screen.cmdgo_Click();
            while (screen.question().a > 3);
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
BENCHMARK(FactorsSolutionFrameWithPaint)->UseManualTime();

}  // namespace
