// Missing Numbers: what the class waits on. A new question, a check, a key of the pad (which also
// writes into the equation's box), and one step of the solution with the repaint it causes, at the
// projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/missing/missing.h"
#include "support.h"
#include "timing.h"

namespace {

missing::Missing& openMissing(bench::Screens& screens) {
    return static_cast<missing::Missing&>(bench::showAt(screens, QStringLiteral("missing"), 1.5));
}

void MissingNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMissing(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(MissingNewQuestion)->ArgName("mode")->DenseRange(0, missing::kModes - 1)->UseManualTime();

void MissingCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMissing(screens);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("7")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(MissingCheckAndKey)->UseManualTime();

// One press of Solution and its repaint; a new two-step question when the solution is out.
void MissingSolutionStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMissing(screens);
    screen.modes.option(missing::kTwoSteps).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (screen.steps.finished()) {
            state.PauseTiming();
            screen.cmdgo_Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        clock.time([&] {
            screen.cmdsoln_Click();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_step"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(MissingSolutionStepWithPaint)->UseManualTime();

}  // namespace
