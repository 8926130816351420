// Area and Perimeter: what the class waits on. A new question in each mode, a check of a typed
// answer and of a shaded shape, a pad key, a drag step painting squares, and one frame of the
// solution (squares counted in, a side gone round) with its repaint at zoom 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/area/area.h"
#include "support.h"
#include "timing.h"

namespace {

using area::Area;

Area& openArea(bench::Screens& screens, int mode) {
    auto& screen = static_cast<Area&>(bench::showAt(screens, QStringLiteral("area"), 1.5));
    screen.modes.option(mode).click();
    QCoreApplication::processEvents();
    return screen;
}

platform::MouseEvent centreOf(const Area& screen, int row, int column) {
    const float square = screen.drawing.grid->cellSize();
    return {platform::LeftButton, 0, column * square + square / 2, row * square + square / 2};
}

void AreaNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openArea(screens, static_cast<int>(state.range(0)));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(AreaNewQuestion)->ArgName("mode")->DenseRange(0, area::kModes - 1)->UseManualTime();

// A digit typed, then checked, on a perimeter question; or a check of a half-shaded paper.
void AreaCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    const bool shading = state.range(0) != 0;
    auto& screen = openArea(screens, shading ? area::kMakeShape : area::kShapePerimeter);
    if (shading)
        for (int r = 0; r < area::kPaperRows; ++r)
            for (int c = 0; c < area::kPaperColumns; c += 2) screen.drawing.grid->press(centreOf(screen, r, c));
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (!shading && i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("7")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(AreaCheckAndKey)->ArgName("shading")->Arg(0)->Arg(1)->UseManualTime();

// One move of a painting drag across the paper, with the repaint of the squares it shades.
void AreaDragStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openArea(screens, area::kMakeShape);
    platform::Grid& grid = *screen.drawing.grid;
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const int column = static_cast<int>(i % area::kPaperColumns), row = static_cast<int>(i / area::kPaperColumns % area::kPaperRows);
        ++i;
        if (column == 0) {
            state.PauseTiming();
            grid.release(centreOf(screen, row, 0));
            grid.press(centreOf(screen, row, 0));
            QCoreApplication::processEvents();
            state.ResumeTiming();
            continue;
        }
        clock.time([&] {
            grid.moveMouse(centreOf(screen, row, column));
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(AreaDragStepWithPaint)->UseManualTime();

// One frame of the solution and its repaint: squares counted in (arg 0) or a side traced (arg 1).
void AreaSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    const bool tracing = state.range(0) != 0;
    auto& screen = openArea(screens, tracing ? area::kShapePerimeter : area::kRectangleArea);
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
            if (!screen.steps.animating()) continue;
        }
        clock.time([&] {
            screen.steps.frame();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_frame"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(AreaSolutionFrameWithPaint)->ArgName("tracing")->Arg(0)->Arg(1)->UseManualTime();

}  // namespace
