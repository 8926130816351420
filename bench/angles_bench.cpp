// Angles: a new question in each mode, a check, a key of the pad, a step of the arm's drag with its
// repaint, and one frame of the protractor's reading sweeping round, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/angles/angles.h"
#include "support.h"
#include "timing.h"

namespace {

angles::Angles& openAngles(bench::Screens& screens) {
    return static_cast<angles::Angles&>(bench::showAt(screens, QStringLiteral("angles"), 1.5));
}

void AnglesNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openAngles(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(AnglesNewQuestion)->ArgName("mode")->DenseRange(0, angles::kModes - 1)->UseManualTime();

void AnglesCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openAngles(screens);
    screen.modes.option(angles::kTriangle).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("6")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(AnglesCheckAndKey)->UseManualTime();

// One move of the arm's handle round the protractor, and the repaint it causes.
void AnglesDragStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openAngles(screens);
    screen.modes.option(angles::kMake).click();
    QCoreApplication::processEvents();
    platform::AngleFigure& figure = *screen.figure;
    const QPointF corner(angles::Angles::kArmsCornerX, angles::Angles::kArmsCornerY);
    const QPointF grab = figure.armEnd();
    figure.press({platform::LeftButton, 0, float(grab.x()), float(grab.y())});
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const QPointF to = angles::along(corner, double(i++ % 340) + 10, 2000);
        clock.time([&] {
            figure.moveMouse({platform::LeftButton, 0, float(to.x()), float(to.y())});
            QCoreApplication::processEvents();
        });
    }
    figure.release({platform::LeftButton, 0, 0, 0});
    clock.report();
}
BENCHMARK(AnglesDragStepWithPaint)->UseManualTime();

// One frame of the reading sweeping round a whole-circle protractor, and its repaint.
void AnglesReadingFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openAngles(screens);
    screen.modes.option(angles::kEstimate).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            screen.cmdgo_Click();
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
BENCHMARK(AnglesReadingFrameWithPaint)->UseManualTime();

}  // namespace
