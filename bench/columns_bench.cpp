// Column Addition: what the class waits on. A new question, a square tapped or a digit typed, a
// check, one solution step with its repaint, and one frame of a carry sliding to its column, at the
// projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/columns/columns.h"
#include "support.h"
#include "timing.h"

namespace {

columns::Columns& openColumns(bench::Screens& screens) {
    return static_cast<columns::Columns&>(bench::showAt(screens, QStringLiteral("columns"), 1.5));
}

void ColumnsNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openColumns(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(ColumnsNewQuestion)->ArgName("mode")->DenseRange(0, columns::kModes - 1)->UseManualTime();

void ColumnsTapKeyAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openColumns(screens);
    screen.modes.option(columns::kFourDigit).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        // A square tapped, its digit typed, the answer checked: what a pupil at the board does.
        const auto& layout = screen.sheetLayout();
        switch (i++ % 3) {
            case 0: clock.time([&] { screen.paper_CellTapped(layout.answerRow, layout.answerColumns.back()); }); break;
            case 1: clock.time([&] { screen.pad.press(QStringLiteral("7")); }); break;
            default: clock.time([&] { screen.cmdcheckit_Click(); }); break;
        }
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(ColumnsTapKeyAndCheck)->UseManualTime();

// One press of Solution and the repaint it causes; a new question when the working is out.
void ColumnsSolutionStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openColumns(screens);
    screen.modes.option(columns::kSubtraction).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.empty() && screen.steps.shown() == screen.steps.count()) {
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
BENCHMARK(ColumnsSolutionStepWithPaint)->UseManualTime();

// One frame of a carried figure sliding, with its repaint.
void ColumnsSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openColumns(screens);
    screen.modes.option(columns::kThreeNumbers).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            // Three numbers always carry somewhere: press on to a step that slides.
            while (!screen.steps.animating()) {
                if (!screen.steps.empty() && screen.steps.shown() == screen.steps.count()) screen.cmdgo_Click();
                screen.cmdsoln_Click();
            }
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
BENCHMARK(ColumnsSolutionFrameWithPaint)->UseManualTime();

}  // namespace
