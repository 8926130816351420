// Place Value: what the class waits on. A new question in each mode, a check, a key of the pad, and
// one frame of the solution's animation with the repaint it causes, at the projector's zoom of 1.5:
// the digits sliding across the columns, and a part's digits flying into the chart.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/placevalue/placevalue.h"
#include "support.h"
#include "timing.h"

namespace {

placevalue::PlaceValue& openPlaceValue(bench::Screens& screens) {
    return static_cast<placevalue::PlaceValue&>(bench::showAt(screens, QStringLiteral("placevalue"), 1.5));
}

void PlaceValueNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPlaceValue(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(PlaceValueNewQuestion)->ArgName("mode")->DenseRange(0, placevalue::kModes - 1)->UseManualTime();

void PlaceValueCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPlaceValue(screens);
    screen.modes.option(placevalue::kHundreds).click();
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
BENCHMARK(PlaceValueCheckAndKey)->UseManualTime();

// One frame and its repaint; a new question and its solution's first moving step when one ends.
// Mode 4 slides the digits; mode 2 asks a partition every other question and flies its parts.
void PlaceValueSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openPlaceValue(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            do screen.cmdgo_Click();
            while (screen.question().kind == placevalue::Kind::RedDigit);
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
BENCHMARK(PlaceValueSolutionFrameWithPaint)->ArgName("mode")->Arg(placevalue::kTimesDivide)->Arg(placevalue::kHundredThousands)->UseManualTime();

}  // namespace
