// Solid Shapes: a new question, a check, a key of the pad, a drag step, and the frames the class
// watches: one turning tick with its repaint for every solid, and one frame of the counting turn,
// at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>

#include "activities/solids/solids.h"
#include "support.h"
#include "timing.h"

namespace {

solids::Solids& openSolids(bench::Screens& screens) {
    return static_cast<solids::Solids&>(bench::showAt(screens, QStringLiteral("solids"), 1.5));
}

void SolidsNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(SolidsNewQuestion)->ArgName("mode")->DenseRange(0, solids::kModes - 1)->UseManualTime();

void SolidsCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.modes.option(solids::kEdges).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("8")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(SolidsCheckAndKey)->UseManualTime();

// One move of a drag that turns the solid, with the repaint it causes.
void SolidsDragStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.solid->setMesh(solids::modelOf(solids::kSphere));
    platform::SolidView& view = *screen.solid;
    view.press({platform::LeftButton, 0, 1000, 1000});
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const float x = 1000 + float(i++ % 200) * 20;
        clock.time([&] {
            view.moveMouse({platform::LeftButton, 0, x, 1000 + x / 4});
            QCoreApplication::processEvents();
        });
    }
    view.release({platform::LeftButton, 0, 1000, 1000});
    clock.report();
}
BENCHMARK(SolidsDragStepWithPaint)->UseManualTime();

// One tick of the turning timer and the repaint of the turned solid, for each solid.
void SolidsTurningFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.modes.option(solids::kName).click();
    screen.solid->setMesh(solids::modelOf(static_cast<solids::Solid>(state.range(0))));
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    QCoreApplication::processEvents();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] {
            screen.tmrturn_Timer();
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_frame"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(SolidsTurningFrameWithPaint)->ArgName("solid")->DenseRange(0, solids::kSolids - 1)->UseManualTime();

// One frame of the counting solution's turn to the next edge, with its repaint.
void SolidsCountingFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.modes.option(solids::kEdges).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished() || screen.steps.empty()) screen.cmdgo_Click();
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
BENCHMARK(SolidsCountingFrameWithPaint)->UseManualTime();

}  // namespace

namespace {

// The solid's own paint alone, into an image the size it covers at zoom 1.5, for each solid: the
// part of a frame that is this program's drawing rather than the window system's.
void SolidsPaintOnly(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openSolids(screens);
    screen.modes.option(solids::kName).click();
    platform::SolidView& view = *screen.solid;
    view.setMesh(solids::modelOf(static_cast<solids::Solid>(state.range(0))));
    const double scale = 1.5 / 15;
    QImage image(int(view.width() * scale), int(view.height() * scale), QImage::Format_ARGB32_Premultiplied);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        view.tick();
        clock.time([&] {
            QPainter painter(&image);
            painter.scale(scale, scale);
            view.paint(&painter, nullptr, nullptr);
        });
    }
    clock.report();
}
BENCHMARK(SolidsPaintOnly)->ArgName("solid")->DenseRange(0, solids::kSolids - 1)->UseManualTime();

}  // namespace
