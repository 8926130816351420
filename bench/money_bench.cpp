// Money: what the class waits on. A new question, a check, a key of the pad, a step of a coin
// dragged from the purse, and one frame of a coin sliding into the tray with the repaint it causes,
// at the projector's zoom of 1.5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGraphicsView>

#include "activities/money/money.h"
#include "support.h"
#include "timing.h"

namespace {

money::Money& openMoney(bench::Screens& screens) {
    return static_cast<money::Money&>(bench::showAt(screens, QStringLiteral("money"), 1.5));
}

void MoneyNewQuestion(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMoney(screens);
    screen.modes.option(static_cast<int>(state.range(0))).click();
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(MoneyNewQuestion)->ArgName("mode")->DenseRange(0, money::kModes - 1)->UseManualTime();

void MoneyCheckAndKey(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMoney(screens);
    screen.modes.option(money::kTotalTwo).click();
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        // A key typed, then checked: "£1.35" read as pence and compared.
        if (i++ % 2 == 0)
            clock.time([&] { screen.pad.press(i % 20 == 1 ? QStringLiteral("clear") : QStringLiteral("5")); });
        else
            clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(MoneyCheckAndKey)->UseManualTime();

// The fewest-coins check reads the tray; with a dozen coins in it.
void MoneyCheckFewestCoins(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMoney(screens);
    screen.modes.option(money::kFewest).click();
    const money::Box tray = screen.trayInside();
    platform::Image& coin = screen.imgpiece[2];
    for (int i = 0; i < 12; ++i) {
        coin.press({platform::LeftButton, 0, 300, 300});
        coin.release({platform::LeftButton, 0, 0, 0, tray.left + tray.width / 2, tray.top + tray.height / 2});
    }
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdcheckit_Click(); });
        QCoreApplication::processEvents();
    }
    clock.report();
}
BENCHMARK(MoneyCheckFewestCoins)->UseManualTime();

// One move of a coin held from the purse: the handler alone, and with the repaint it causes.
void MoneyCoinDragStep(benchmark::State& state) {
    const bool withPaint = state.range(0) != 0;
    bench::Screens screens;
    auto& screen = openMoney(screens);
    platform::Image& coin = screen.imgpiece[5];
    coin.press({platform::LeftButton, 0, 400, 400});
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    long i = 0;
    for (auto _ : state) {
        const float x = 3000 + float(i % 40) * 100, y = 4000 + float(i % 7) * 60;
        ++i;
        clock.time([&] {
            coin.moveMouse({platform::LeftButton, 0, 0, 0, x, y});
            if (withPaint) QCoreApplication::processEvents();
        });
        if (!withPaint) QCoreApplication::processEvents();
    }
    clock.report();
    coin.release({platform::LeftButton, 0, 0, 0, 300, 300});
    state.counters["paints_per_step"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(MoneyCoinDragStep)->ArgName("paint")->Arg(0)->Arg(1)->UseManualTime();

// One frame of a coin sliding to the tray and its repaint; the next step, or a new question, when
// the slide ends.
void MoneySolutionFrameWithPaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = openMoney(screens);
    screen.modes.option(money::kChange).click();
    QWidget* viewport = screen.findChild<QGraphicsView*>()->viewport();
    bench::PaintCounter counter(viewport);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        if (!screen.steps.animating()) {
            state.PauseTiming();
            if (screen.steps.shown() + 1 >= screen.steps.count()) screen.cmdgo_Click();
            while (!screen.steps.animating()) screen.cmdsoln_Click();
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
BENCHMARK(MoneySolutionFrameWithPaint)->UseManualTime();

}  // namespace
