// Times Tables: a new fact in each mode, a check and a key of the pad, one frame of a row filling in
// the solution, and one quick-fire tick with its shrinking bar, each with its repaint at zoom 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/tables/tables.h"
#include "support.h"
#include "timing.h"

namespace {

tables::Tables& openTables(bench::Screens& screens) {
    return static_cast<tables::Tables&>(bench::showAt(screens, QStringLiteral("tables"), 1.5));
}

void TablesNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTables(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(TablesNewQuestion)->ArgName("mode")->DenseRange(0, tables::kModes - 1)->UseManualTime();

void TablesCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTables(screens);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("4")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(TablesCheckAndKey)->UseManualTime();

// Rows of a 12 × 12 fact filling, one frame at a time; the next row when one is full.
void TablesSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTables(screens);
    screen.opttable[tables::kLargestTable - tables::kSmallestTable].click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished() && !screen.steps.empty()) {
                screen.cmdgo_Click();
                while (screen.question().fact.rows < tables::kLargestRows) screen.cmdgo_Click();
            }
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
BENCHMARK(TablesSolutionFrameWithPaint)->UseManualTime();

// A quick-fire tick: the bar shrinks every frame, and every 3 seconds a new fact comes.
void TablesQuickFireTickWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openTables(screens);
    screen.optquick[1].click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] {
            screen.tmrquick_Timer();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(TablesQuickFireTickWithPaint)->UseManualTime();

}  // namespace
