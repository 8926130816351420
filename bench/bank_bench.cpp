// Bank Balance: what the class waits on. A new question, a check, a key of the pad, and one frame
// of the balance bar moving with the repaint it causes, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/bank/bank.h"
#include "support.h"
#include "timing.h"

namespace {

bank::Bank& openBank(bench::Screens& screens) {
    return static_cast<bank::Bank&>(bench::showAt(screens, QStringLiteral("bank"), 1.5));
}

void BankNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBank(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(BankNewQuestion)->ArgName("mode")->DenseRange(0, bank::kModes - 1)->UseManualTime();

void BankCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBank(screens);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        // A key typed (the minus now and then), then checked.
        const QString key = i % 20 == 1 ? QStringLiteral("clear") : i % 6 == 1 ? QStringLiteral("-") : QStringLiteral("8");
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(key); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(BankCheckAndKey)->UseManualTime();

// One frame of the bar moving (its arc growing) and the repaint; the next part, or a new question,
// when it stops.
void BankSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openBank(screens);
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.shown() + 1 >= screen.steps.count()) screen.cmdgo_Click();
            while (!screen.steps.animating()) screen.cmdsoln_Click();
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
BENCHMARK(BankSolutionFrameWithPaint)->UseManualTime();

}  // namespace
