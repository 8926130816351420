// Short Division: what the class waits on. A new question, a key of the pad, a check, one solution
// step with its repaint (the German long form, the most to draw), and one frame of a remainder
// sliding to the next digit in the bus stop, at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/division/division.h"
#include "app/language.h"
#include "support.h"
#include "timing.h"

namespace {

constexpr int kGerman = 2;

// The English edition, or the other one in German.
division::Division& openDivision(bench::Screens& screens, bool german) {
    app::lang().langindex = app::LangIndex::number(german ? kGerman : 0);
    auto& screen = static_cast<division::Division&>(bench::showAt(screens, german ? QStringLiteral("division2") : QStringLiteral("division"), 1.5));
    app::lang().langindex = app::LangIndex::number(0);
    return screen;
}

void DivisionNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDivision(screens, state.range(1) != 0);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(DivisionNewQuestion)->ArgNames({"mode", "german"})->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->UseManualTime();

void DivisionKeyAndCheck(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDivision(screens, false);
    screen.modes.option(division::kRemainder).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        // A digit, the remainder's r, another digit, then the check.
        static const QString keys[] = {QStringLiteral("3"), QStringLiteral("r"), QStringLiteral("2")};
        if (i % 4 == 3)
            clock.time([&] { screen.cmdcheckit_Click(); });
        else
            clock.time([&] { screen.pad.press(keys[i % 4]); });
        if (i++ % 40 == 39) screen.pad.clear();
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(DivisionKeyAndCheck)->UseManualTime();

void DivisionSolutionStepWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDivision(screens, true);
    screen.modes.option(division::kDecimal).click();
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
BENCHMARK(DivisionSolutionStepWithPaint)->UseManualTime();

// One frame of a carried remainder sliding in the bus stop, with its repaint.
void DivisionSolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openDivision(screens, false);
    screen.modes.option(division::kRemainder).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            // A remainder is always carried somewhere before the last digit: press on to a slide.
            for (int guard = 0; !screen.steps.animating() && guard < 100; ++guard) {
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
BENCHMARK(DivisionSolutionFrameWithPaint)->UseManualTime();

}  // namespace
