// Times the fruit machine's reels as the class sees them: the shown screen, the real timer in a
// real event loop, every gap between ticks, with the machine idle and with other work running.
// usage: spin_timing [SPINS [BUSY_THREADS...]]   (default: 5 spins each idle, with 1 and with 2 busy threads;
// QT_QPA_PLATFORM picks offscreen or the X display, offscreen by default)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGraphicsView>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <numeric>
#include <string>
#include <thread>
#include <time.h>
#include <vector>

#include "activities/fruit/fruit.h"
#include "activities/fruit/rules.h"
#include "platform/fonts.h"
#include "platform/timer.h"
#include "support.h"

namespace {

// A frame is late when it comes half a period after it was due.
constexpr double kLateGapMs = 1.5 * platform::kShortestTimerPeriodMs;

// Threads that keep cores busy with arithmetic for as long as they live.
class BusyThreads {
public:
    explicit BusyThreads(int count) {
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back([this] {
                volatile unsigned long x = 1;
                while (!m_stop.load(std::memory_order_relaxed)) x = x * 6364136223846793005UL + 1442695040888963407UL;
            });
    }
    ~BusyThreads() {
        m_stop = true;
        for (auto& t : m_threads) t.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Counts the paint events a widget receives and the share of it they cover.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    long paints = 0;
    double areaShare = 0;  // summed over the paints

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        ++paints;
        double area = 0;
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) area += double(r.width()) * r.height();
        areaShare += area / (double(m_widget->width()) * m_widget->height());
        return false;
    }

private:
    QWidget* m_widget;
};

// Everything in milliseconds.
struct SpinRecord {
    std::vector<double> gaps;          // the click to the first tick, then tick to tick
    std::vector<double> turning;       // wall time in the handler on ticks where the reels only turn
    std::vector<double> turningCpu;    // ... and the thread's processor time in it
    std::vector<double> resting;       // wall time in the handler on the three ticks a reel comes to rest
    std::vector<double> frameCpu;      // the thread's processor time from a tick to the next: handler, repaint, flush
    long paints = 0;                   // paint events the window's view received
    double paintedShare = 0;           // the share of the view they covered, summed
    double spin = 0;                   // the click to the last tick
};

// One whole spin on the shown screen, from the go button to the reels' rest.
SpinRecord spinOnce(fruit::Fruit& screen) {
    SpinRecord record;
    QElapsedTimer clock;
    QEventLoop loop;
    PaintCounter painted(screen.findChild<QGraphicsView*>()->viewport());
    qint64 last = 0;
    double cpuAtTick = -1;
    const auto closeFrame = [&] {
        const double cpu = threadCpuMs();
        if (cpuAtTick >= 0) record.frameCpu.push_back(cpu - cpuAtTick);
        cpuAtTick = cpu;
    };
    screen.Timer1->onTimer = [&] {
        const qint64 now = clock.nsecsElapsed();
        closeFrame();
        record.gaps.push_back(double(now - last) / 1e6);
        last = now;
        const double cpuBefore = threadCpuMs();
        screen.Timer1_Timer();
        const double took = double(clock.nsecsElapsed() - now) / 1e6;
        // Tick 120 leaves spincount at 0; a resting fruit may be read from disk for the first time.
        if (screen.spincount == 0 || fruit::isStopTick(screen.spincount)) {
            record.resting.push_back(took);
        } else {
            record.turning.push_back(took);
            record.turningCpu.push_back(threadCpuMs() - cpuBefore);
        }
        if (!screen.Timer1->isEnabled()) loop.quit();
    };
    // A spin that never ends must not hang the measurement.
    QTimer::singleShot(20000, &loop, [&] { loop.exit(1); });
    clock.start();
    screen.cmdgo_Click();
    if (loop.exec() != 0) throw std::runtime_error("the spin did not end within 20 seconds");
    // The last tick's repaint comes after the loop was told to quit: give it two more periods.
    QEventLoop settle;
    QTimer::singleShot(2 * platform::kShortestTimerPeriodMs, &settle, &QEventLoop::quit);
    settle.exec();
    closeFrame();
    record.paints = painted.paints;
    record.paintedShare = painted.areaShare;
    record.spin = double(last) / 1e6;
    screen.Timer1->onTimer = [&screen] { screen.Timer1_Timer(); };
    return record;
}

double percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(share * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}
double worst(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void printHeader() {
    std::printf("%-17s %-5s %5s %5s %6s %7s %7s %4s %4s %7s %7s %7s %7s %7s %7s %6s %6s %5s\n", "condition", "spins",
                "count", "ticks", "period", "gap_p99", "gap_max", "late", "own", "hdl_p99", "hdl_max", "hdl_cpu", "rest_mx",
                "frm_p99", "frm_max", "spin", "paints", "area");
}

void print(const std::string& condition, const char* which, const std::vector<SpinRecord>& spins) {
    SpinRecord all;
    double spinMs = 0;
    for (const SpinRecord& r : spins) {
        all.gaps.insert(all.gaps.end(), r.gaps.begin(), r.gaps.end());
        all.turning.insert(all.turning.end(), r.turning.begin(), r.turning.end());
        all.turningCpu.insert(all.turningCpu.end(), r.turningCpu.begin(), r.turningCpu.end());
        all.resting.insert(all.resting.end(), r.resting.begin(), r.resting.end());
        all.frameCpu.insert(all.frameCpu.end(), r.frameCpu.begin(), r.frameCpu.end());
        all.paints += r.paints;
        all.paintedShare += r.paintedShare;
        spinMs += r.spin / double(spins.size());
    }
    const auto& gaps = all.gaps;
    const double period = gaps.empty() ? 0 : std::accumulate(gaps.begin(), gaps.end(), 0.0) / double(gaps.size());
    long late = 0, lateOwn = 0;
    for (const SpinRecord& r : spins) {
        for (std::size_t j = 0; j < r.gaps.size(); ++j) {
            if (r.gaps[j] <= kLateGapMs) continue;
            ++late;
            // frameCpu[j - 1] is what the thread itself spent between the two ticks of gap j.
            if (j >= 1 && j - 1 < r.frameCpu.size() && r.frameCpu[j - 1] > platform::kShortestTimerPeriodMs / 2.0) ++lateOwn;
        }
    }
    std::printf("%-17s %-5s %5zu %5zu %6.2f %7.2f %7.2f %4ld %4ld %7.3f %7.3f %7.3f %7.3f %7.3f %7.3f %6.0f %6.2f %5.2f\n",
                condition.c_str(), which, spins.size(), gaps.size(), period, percentile(gaps, 0.99), worst(gaps), late, lateOwn,
                percentile(all.turning, 0.99), worst(all.turning), worst(all.turningCpu), worst(all.resting),
                percentile(all.frameCpu, 0.99), worst(all.frameCpu), spinMs,
                double(all.paints) / std::max<double>(1, double(gaps.size())),
                all.paintedShare / std::max<double>(1, double(all.paints)));
}

// A fresh screen opened over its menu, as a lesson opens it, and spun once the class can see it:
// its first spin may still meet pictures the screen has not read ahead yet.
void measure(int busyThreads, int spins) {
    const char* const names[] = {"idle", "one-busy", "two-busy"};
    const std::string condition = busyThreads < 3 ? names[busyThreads] : std::to_string(busyThreads) + "-busy";
    bench::Screens screens;
    screens.windows().show(QStringLiteral("menu3"));
    auto& screen = screens.open<fruit::Fruit>(QStringLiteral("fruit"));
    screen.Timer1->setEnabled(false);  // the spin the load started is not ours to time
    screen.spincount = 0;
    bool painted = false;
    QObject::connect(&screen, &platform::Form::firstPainted, &screen, [&painted] { painted = true; });
    screen.showForm();
    QElapsedTimer shown;
    shown.start();
    while (!painted && shown.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    // The moment it takes a teacher to reach for Spin.
    while (shown.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);

    BusyThreads load(busyThreads);
    const std::vector<SpinRecord> first{spinOnce(screen)};
    std::vector<SpinRecord> rest;
    for (int i = 1; i < spins; ++i) rest.push_back(spinOnce(screen));
    print(condition, "first", first);
    if (!rest.empty()) print(condition, "later", rest);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::quietOffscreenWarnings();
    QApplication application(argc, argv);
    platform::registerFonts();
    const int spins = argc > 1 ? std::max(2, std::atoi(argv[1])) : 5;
    try {
        bench::useRunFolder();
        bench::loadEnglish();
        std::printf("platform %s, %u hardware threads, timer period %d ms, late = gap > %.0f ms\n",
                    qPrintable(QGuiApplication::platformName()), std::thread::hardware_concurrency(),
                    platform::kShortestTimerPeriodMs, kLateGapMs);
        std::printf("conditions: idle, or with one or two threads doing arithmetic beside the program\n");
        std::printf("times in ms. hdl: in the tick handler while the reels turn (hdl_cpu: the worst processor time\n"
                    "in it, leaving out time the thread was not running); rest_mx: the worst of the three ticks a\n"
                    "reel comes to rest; frm: the thread's processor time per tick, repaint included; paints per\n"
                    "tick, and the share of the window each paint covers; own: late frames in which the thread itself\n"
                    "worked more than half a period (the others waited for the processor or the timer)\n");
        printHeader();
        std::vector<int> loads;
        for (int i = 2; i < argc; ++i) loads.push_back(std::max(0, std::atoi(argv[i])));
        if (loads.empty()) loads = {0, 1, 2};
        for (int busy : loads) measure(busy, spins);
        std::fflush(stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "spin_timing: %s\n", e.what());
        return 2;
    }
    return 0;
}
