// Prime Numbers: what the class waits on. A new question in each mode, a tap on the sieve, a check,
// and one frame of the sieve's sweep with its repaint at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/primes/primes.h"
#include "support.h"
#include "timing.h"

namespace {

primes::Primes& openPrimes(bench::Screens& screens) {
    return static_cast<primes::Primes&>(bench::showAt(screens, QStringLiteral("primes"), 1.5));
}

void PrimesNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPrimes(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(PrimesNewQuestion)->ArgName("mode")->DenseRange(0, primes::kModes - 1)->UseManualTime();

// A tap that strikes a cell or takes its stroke away, then a check of the whole square, in turn.
void PrimesTapAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPrimes(screens);
    screen.modes.option(primes::kSieve).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const int number = static_cast<int>(i / 2 % primes::kCells) + 1;
        const platform::MouseEvent e{platform::LeftButton, 0, primes::Primes::columnOf(number) * 640.0f + 320,
                                     primes::Primes::rowOf(number) * 640.0f + 320};
        if (i++ % 2 == 0)
            clock.time([&] {
                screen.grid->press(e);
                screen.grid->release(e);
            });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(PrimesTapAndCheck)->UseManualTime();

// One frame of a sweep and its repaint; the sieve starts again when its last pass is swept.
void PrimesSieveFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPrimes(screens);
    screen.modes.option(primes::kSieve).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.shown() >= 5) screen.cmdgo_Click();
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
BENCHMARK(PrimesSieveFrameWithPaint)->UseManualTime();

}  // namespace
