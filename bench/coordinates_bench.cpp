// Coordinates: a new question, a check, a step of the point's drag and one frame of the solution's
// walk, each with the repaint it causes, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "activities/coordinates/coordinates.h"
#include "support.h"
#include "timing.h"

namespace {

using coordinates::Coordinates;

Coordinates& openCoordinates(bench::Screens& screens, int mode) {
    auto& screen = static_cast<Coordinates&>(bench::showAt(screens, QStringLiteral("coordinates"), 1.5));
    screen.modes.option(mode).click();
    QCoreApplication::processEvents();
    return screen;
}

void CoordinatesNewQuestionAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCoordinates(screens, static_cast<int>(state.range(0)));
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.cmdgo_Click(); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(CoordinatesNewQuestionAndCheck)->ArgName("mode")->DenseRange(0, coordinates::kModes - 1)->UseManualTime();

void CoordinatesPointDragWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCoordinates(screens, coordinates::kPlot);
    const QPointF origin = screen.axes->pointOf({0, 0});
    screen.axes->press({platform::LeftButton, 0, float(origin.x()), float(origin.y())});
    bench::HandlerClock clock(state);
    float step = 90;
    for (auto _ : state) {
        step = -step;
        const QPointF at = screen.axes->pointOf({5, 5}) + QPointF(step, step);
        clock.time([&] {
            screen.axes->moveMouse({platform::LeftButton, 0, float(at.x()), float(at.y())});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(CoordinatesPointDragWithPaint)->UseManualTime();

void CoordinatesSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCoordinates(screens, coordinates::kMissingCorner);
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
}
BENCHMARK(CoordinatesSolutionFrameWithPaint)->UseManualTime();

}  // namespace
