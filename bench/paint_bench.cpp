// What a repaint costs: a whole activity window drawn into an image at the run's zoom, and one drag step
// followed by the partial repaint it causes on a shown window.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>

#include "activities/directed/directed1.h"
#include "activities/ordering/ordernum.h"
#include "platform/form.h"
#include "support.h"
#include "timing.h"

namespace {

using platform::LeftButton;

const char* const kActivities[] = {"ordernum", "directed1", "dartboard", "fruit", "Titlefrm", "menu1"};


QWidget* viewportOf(platform::Form& form) {
    auto* view = form.findChild<QGraphicsView*>();
    return view ? view->viewport() : nullptr;
}

platform::Form& showScreen(bench::Screens& screens, const QString& name) {
    auto& form = screens.open<platform::Form>(name);
    form.showForm();
    QCoreApplication::processEvents();
    return form;
}

void RenderWholeWindow(benchmark::State& state) {
    bench::Screens screens;
    const QString name = QString::fromLatin1(kActivities[state.range(0)]);
    state.SetLabel(name.toStdString());
    auto& form = showScreen(screens, name);
    QImage image(form.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        form.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width_px"] = image.width();
    state.counters["height_px"] = image.height();
}
BENCHMARK(RenderWholeWindow)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The same whole-window paint, but as QWidget::grab does it (a fresh pixmap each time).
void GrabWholeWindow(benchmark::State& state) {
    bench::Screens screens;
    const QString name = QString::fromLatin1(kActivities[state.range(0)]);
    state.SetLabel(name.toStdString());
    auto& form = showScreen(screens, name);
    for (auto _ : state) benchmark::DoNotOptimize(form.grab());
}
BENCHMARK(GrabWholeWindow)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// One drag step as a frame: the handler, then the event processing that repaints what moved.
void OrderingTileMoveWithRepaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = static_cast<ordering::Ordernum&>(showScreen(screens, QStringLiteral("ordernum")));
    QWidget* viewport = viewportOf(screen);
    if (!viewport) {
        state.SkipWithError("no view in the window");
        return;
    }
    bench::PaintCounter counter(viewport);
    platform::Label& tile = screen.Label2[2];
    screen.Label2_MouseDown(2, {LeftButton, 0, tile.width() / 2, tile.height() / 2});
    bench::HandlerClock clock(state);
    float step = 45;
    for (auto _ : state) {
        step = -step;
        clock.time([&] {
            screen.Label2_MouseMove(2, {LeftButton, 0, tile.width() / 2 + step, tile.height() / 2 + step});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_step"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(OrderingTileMoveWithRepaint)->UseManualTime();

void DirectedArrowMoveWithRepaint(benchmark::State& state) {
    bench::Screens screens;
    auto& screen = static_cast<directed::Directed1&>(showScreen(screens, QStringLiteral("directed1")));
    QWidget* viewport = viewportOf(screen);
    if (!viewport) {
        state.SkipWithError("no view in the window");
        return;
    }
    bench::PaintCounter counter(viewport);
    const float half = screen.Picture1->width() / 2;
    bench::HandlerClock clock(state);
    float step = 120;
    for (auto _ : state) {
        step = -step;
        clock.time([&] {
            screen.Picture1_MouseMove({LeftButton, 0, half + step, 300});
            QCoreApplication::processEvents();
        });
    }
    clock.report();
    state.counters["paints_per_step"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(DirectedArrowMoveWithRepaint)->UseManualTime();

}  // namespace
