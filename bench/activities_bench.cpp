// The handlers a class waits on: a new question, a drag step, a release, a reel tick.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "activities/dartboard/dartboard.h"
#include "activities/directed/directed1.h"
#include "activities/directed/rules.h"
#include "activities/fruit/fruit.h"
#include "activities/fruit/rules.h"
#include "activities/ordering/ordernum.h"
#include "activities/ordering/rules.h"
#include "app/language.h"
#include "platform/numtext.h"
#include "platform/picture.h"
#include "platform/picturecache.h"
#include "platform/random.h"
#include "support.h"
#include "timing.h"

namespace {

using platform::LeftButton;
using platform::MouseEvent;

void OrderingCalculate(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<ordering::Ordernum>(QStringLiteral("ordernum"));
    if (state.range(0) == ordering::kIntegerMode) screen.Option2->setValue(true);
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
}
BENCHMARK(OrderingCalculate)->ArgName("mode")->Arg(ordering::kPositiveMode)->Arg(ordering::kIntegerMode)->UseManualTime();

void OrderingDrawQuestion(benchmark::State& state) {
    platform::ClockRandom random;
    const int mode = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(ordering::drawQuestion(mode, random));
}
BENCHMARK(OrderingDrawQuestion)->ArgName("mode")->Arg(ordering::kPositiveMode)->Arg(ordering::kIntegerMode);

void OrderingTileMove(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<ordering::Ordernum>(QStringLiteral("ordernum"));
    platform::Label& tile = screen.Label2[2];
    screen.Label2_MouseDown(2, {LeftButton, 0, tile.width() / 2, tile.height() / 2});
    bench::HandlerClock clock(state);
    float step = 45;
    for (auto _ : state) {
        step = -step;  // back and forth, so the tile stays on the screen
        const MouseEvent e{LeftButton, 0, tile.width() / 2 + step, tile.height() / 2 + step};
        clock.time([&] { screen.Label2_MouseMove(2, e); });
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
}
BENCHMARK(OrderingTileMove)->UseManualTime();

// Alternately onto box k (it snaps) and onto open ground (it goes home).
void OrderingTileRelease(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<ordering::Ordernum>(QStringLiteral("ordernum"));
    const int t = 0;
    platform::Label& tile = screen.Label2[t];
    bench::HandlerClock clock(state);
    long snapped = 0;
    long i = 0;
    for (auto _ : state) {
        const int k = static_cast<int>(i % ordering::kQuestionSize);
        const bool ontoBox = (i++ % 2) == 0;
        screen.Label2_MouseDown(t, {LeftButton, 0, 0, 0});
        if (ontoBox)
            tile.move(screen.Label1[k].left() + 100, screen.Label1[k].top() + 100);
        else
            tile.move(200, 2000);
        clock.time([&] { screen.Label2_MouseUp(t, {LeftButton, 0, 0, 0}); });
        if (tile.left() == screen.Label1[k].left() && tile.top() == screen.Label1[k].top()) ++snapped;
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
    state.counters["snapped"] = benchmark::Counter(double(snapped), benchmark::Counter::kAvgIterations);
}
BENCHMARK(OrderingTileRelease)->UseManualTime();

void DirectedCalculate(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<directed::Directed1>(QStringLiteral("directed1"));
    platform::OptionButton* options[] = {screen.Option1, screen.Option2, screen.Option3, screen.Option4};
    options[state.range(0) - 1]->setValue(true);
    // Language 1 writes decimal commas, which rewrites every label.
    const app::LangIndex english = app::lang().langindex;
    app::lang().langindex = app::LangIndex::number(state.range(1));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::sendPostedEvents();
    }
    app::lang().langindex = english;
    clock.report();
}
BENCHMARK(DirectedCalculate)->ArgNames({"option", "lang"})->ArgsProduct({{1, 2, 3, 4}, {0, 1}})->UseManualTime();

void DirectedDrawQuestion(benchmark::State& state) {
    platform::ClockRandom random;
    const int kind = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const float low = directed::drawLineLow(random, kind);
        const directed::LabelTexts labels = directed::lineLabels(kind, low);
        const float high = static_cast<float>(platform::numValue(labels[directed::kTicks - 1]));
        benchmark::DoNotOptimize(labels);
        benchmark::DoNotOptimize(directed::drawStartAndAmount(random, kind, low, high));
    }
}
BENCHMARK(DirectedDrawQuestion)->ArgName("kind")->DenseRange(directed::kWhole, directed::kHundredths);

void DirectedArrowMove(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<directed::Directed1>(QStringLiteral("directed1"));
    const float half = screen.Picture1->width() / 2;
    bench::HandlerClock clock(state);
    float step = 120;
    for (auto _ : state) {
        step = -step;
        clock.time([&] { screen.Picture1_MouseMove({LeftButton, 0, half + step, 300}); });
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
}
BENCHMARK(DirectedArrowMove)->UseManualTime();

// Released a little off tick k each time; it should snap onto tick k.
void DirectedArrowRelease(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<directed::Directed1>(QStringLiteral("directed1"));
    const float half = screen.Picture1->width() / 2;
    bench::HandlerClock clock(state);
    long snapped = 0;
    long i = 0;
    for (auto _ : state) {
        const int k = static_cast<int>(i++ % directed::kTicks);
        const float tickX = screen.tickline[k].x1();
        screen.Picture1->setLeft(tickX + 100 - half);
        clock.time([&] { screen.Picture1_MouseUp({LeftButton, 0, half, 300}); });
        if (screen.Line2->x1() == tickX) ++snapped;
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
    state.counters["snapped"] = benchmark::Counter(double(snapped), benchmark::Counter::kAvgIterations);
}
BENCHMARK(DirectedArrowRelease)->UseManualTime();

void DartboardCalculate(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<dartboard::Dartboard>(QStringLiteral("dartboard"));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::sendPostedEvents();
    }
    clock.report();
}
BENCHMARK(DartboardCalculate)->UseManualTime();

void DartboardSolution(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<dartboard::Dartboard>(QStringLiteral("dartboard"));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        screen.cmdgo_Click();
        clock.time([&] { screen.cmdsoln_Click(); });
    }
    clock.report();
}
BENCHMARK(DartboardSolution)->UseManualTime();

void FruitCalculate(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<fruit::Fruit>(QStringLiteral("fruit"));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.cmdgo_Click(); });
        QCoreApplication::sendPostedEvents();
    }
    screen.Timer1->setEnabled(false);
    clock.report();
}
BENCHMARK(FruitCalculate)->UseManualTime();

// Every tick of many spins on one screen: after the first spin the pictures are all in memory.
void FruitSpinTickWarm(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = screens.open<fruit::Fruit>(QStringLiteral("fruit"));
    screen.Timer1->setEnabled(false);
    for (int t = 0; t < 10 * fruit::kSpinEnds; ++t) screen.Timer1_Timer();  // fills the picture cache
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        clock.time([&] { screen.Timer1_Timer(); });
        QCoreApplication::sendPostedEvents();
    }
    screen.Timer1->setEnabled(false);
    clock.report();
}
BENCHMARK(FruitSpinTickWarm)->UseManualTime();

// The first tick on a freshly opened screen takes three blurred pictures from the shared cache, where
// the screens before it have put every reel picture (the title screen loads them ahead).
void FruitFirstTickCold(benchmark::State& state) {
    for (const fruit::FruitInfo& f : fruit::kFruits)
        for (const char* name : {f.spinning, f.stopped}) (void)platform::loadPicture(QString::fromLatin1(name));
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        bench::Screens screens;
        auto& screen = screens.open<fruit::Fruit>(QStringLiteral("fruit"));
        screen.Timer1->setEnabled(false);
        clock.time([&] { screen.Timer1_Timer(); });
    }
    clock.report();
}
BENCHMARK(FruitFirstTickCold)->UseManualTime()->Iterations(200);

// A whole first spin on a fresh screen (time per spin); the figure of interest is its slowest tick.
void FruitFirstSpinWorstTick(benchmark::State& state) {
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        bench::Screens screens;
        auto& screen = screens.open<fruit::Fruit>(QStringLiteral("fruit"));
        screen.Timer1->setEnabled(false);
        double spin = 0;
        for (int t = 0; t < fruit::kSpinEnds; ++t) spin += clock.measure([&] { screen.Timer1_Timer(); });
        state.SetIterationTime(spin);
        if (screen.spincount != 0 || !screen.cmdsoln->isVisible()) state.SkipWithError("the spin did not end on its last tick");
    }
    clock.report();
}
BENCHMARK(FruitFirstSpinWorstTick)->UseManualTime()->Iterations(20);

const char* const kScreens[] = {"ordernum", "directed1", "dartboard", "fruit", "Titlefrm", "menu1"};

// Construction and Form_Load, pictures included: what a click that opens the screen waits for. The
// first call decodes the screen's pictures into the shared cache (its time is the worst); the others
// find them there, as a screen does whose pictures were loaded ahead or shown before.
void OpenScreen(benchmark::State& state) {
    const QString name = QString::fromLatin1(kScreens[state.range(0)]);
    state.SetLabel(name.toStdString());
    bench::HandlerClock clock(state);
    for (auto _ : state) {
        bench::Screens screens;
        clock.time([&] { screens.windows().load(name); });
        if (!screens.windows().isOpen(name)) state.SkipWithError("the screen did not open");
    }
    clock.report();
}
BENCHMARK(OpenScreen)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the first fruit screen of a run would wait for if it read every reel picture itself:
// each is read and decoded at the run's zoom, into an emptied cache.
void FruitReadAllReelPictures(benchmark::State& state) {
    for (auto _ : state) {
        platform::PictureCache::shared().clear();
        for (const fruit::FruitInfo& f : fruit::kFruits) {
            for (const char* name : {f.spinning, f.stopped}) {
                const auto picture = platform::loadPicture(QString::fromLatin1(name));
                if (!picture) state.SkipWithError("a reel picture is missing");
                benchmark::DoNotOptimize(picture);
            }
        }
    }
}
BENCHMARK(FruitReadAllReelPictures)->Unit(benchmark::kMillisecond);

}  // namespace
