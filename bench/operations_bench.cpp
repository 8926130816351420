// Order of Operations: what the class waits on. A new question, a check, a key of the pad, and one
// step of the solution (an underline, a line written out) with the repaint it causes, at the
// projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/operations/operations.h"
#include "support.h"
#include "timing.h"

namespace {

operations::Operations& openOperations(bench::Screens& screens) {
    return static_cast<operations::Operations&>(bench::showAt(screens, QStringLiteral("operations"), 1.5));
}

void OperationsNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openOperations(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(OperationsNewQuestion)->ArgName("mode")->DenseRange(0, operations::kModes - 1)->UseManualTime();

void OperationsCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openOperations(screens);
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
BENCHMARK(OperationsCheckAndKey)->UseManualTime();

// One press of Solution and its repaint; a new question with brackets when the solution is out.
void OperationsSolutionStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openOperations(screens);
    screen.modes.option(operations::kBrackets).click();
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
BENCHMARK(OperationsSolutionStepWithPaint)->UseManualTime();

}  // namespace
