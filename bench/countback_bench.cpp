// Counting Back: a new question and a check, a step of the counter's drag, and one frame of a hop
// of the solution, each with the repaint it causes, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "activities/countback/countback.h"
#include "support.h"
#include "timing.h"

namespace {

using countback::Countback;

Countback& openCountback(bench::Screens& screens, int mode) {
    auto& screen = static_cast<Countback&>(bench::showAt(screens, QStringLiteral("countback"), 1.5));
    screen.modes.option(mode).click();
    QCoreApplication::processEvents();
    return screen;
}

void CountbackNewQuestionAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCountback(screens, static_cast<int>(state.range(0)));
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
BENCHMARK(CountbackNewQuestionAndCheck)->ArgName("mode")->DenseRange(0, countback::kModes - 1)->UseManualTime();

// The counter taken by its handle and moved one tick and back, repainting each time.
void CountbackCounterDragWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCountback(screens, countback::kOnes);
    platform::Label& grip = *screen.lblcounter;
    const float y = grip.top() + 300;
    grip.press({platform::LeftButton, 0, 330, 300, grip.left() + 330, y});
    const float x0 = screen.line->left() + screen.line->along(-5), x1 = screen.line->left() + screen.line->along(-4);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const float x = i++ % 2 == 0 ? x0 : x1;
        clock.time([&] {
            grip.moveMouse({platform::LeftButton, 0, 0, 0, x, y});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(CountbackCounterDragWithPaint)->UseManualTime();

// One frame of a hop and its repaint; a new question and its first hop when the hops run out.
void CountbackHopFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openCountback(screens, countback::kOnes);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.finished() || screen.steps.shown() + 1 >= screen.steps.count()) screen.cmdgo_Click();
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
BENCHMARK(CountbackHopFrameWithPaint)->UseManualTime();

}  // namespace
