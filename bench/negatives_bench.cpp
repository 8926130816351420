// Ordering Negatives: a new question and a check, a step of a tile's drag and its release, and one
// frame of the tiles sliding into place, each with the repaint it causes, at the zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "activities/negatives/negatives.h"
#include "support.h"
#include "timing.h"

namespace {

using negatives::Negatives;

Negatives& openNegatives(bench::Screens& screens, int mode) {
    auto& screen = static_cast<Negatives&>(bench::showAt(screens, QStringLiteral("negatives"), 1.5));
    screen.modes.option(mode).click();
    QCoreApplication::processEvents();
    return screen;
}

void NegativesNewQuestionAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openNegatives(screens, static_cast<int>(state.range(0)));
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
BENCHMARK(NegativesNewQuestionAndCheck)->ArgName("mode")->DenseRange(0, negatives::kModes - 1)->UseManualTime();

// A tile carried across the board, then let go over a box (it snaps) and back over its slot.
void NegativesTileDragAndDropWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openNegatives(screens, negatives::kTenths);
    platform::Label& tile = screen.lbltile[2];
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const long phase = i++ % 8;
        const bool toBox = (i / 8) % 2 == 0;
        const platform::Label& target = toBox ? screen.lblbox[2] : screen.lblslot[0];
        const float x = target.left() + 780 + 40 * float(phase), y = target.top() + 330;
        if (phase == 0) tile.press({platform::LeftButton, 0, 780, 330, tile.left() + 780, tile.top() + 330});
        clock.time([&] {
            if (phase < 7)
                tile.moveMouse({platform::LeftButton, 0, 0, 0, x, y});
            else
                tile.release({platform::LeftButton, 0, 0, 0, x, y});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
}
BENCHMARK(NegativesTileDragAndDropWithPaint)->UseManualTime();

// One frame of the five tiles sliding into their boxes, and its repaint.
void NegativesSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openNegatives(screens, negatives::kSmall);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            screen.cmdgo_Click();
            screen.cmdsoln_Click();
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
}
BENCHMARK(NegativesSolutionFrameWithPaint)->UseManualTime();

}  // namespace
