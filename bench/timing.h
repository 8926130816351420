#pragma once
// Times single handler calls for manual-time benchmarks and reports the slow tail as well as
// the mean, since a class notices the slowest call, not the average one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

namespace bench {

class HandlerClock {
public:
    explicit HandlerClock(benchmark::State& state) : m_state(state) { m_samples.reserve(kKept); }

    // Times one call and returns its duration in seconds.
    template <class F>
    double measure(F&& call) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        // Millions of calls cannot all be kept: a uniform sample of them gives the percentile.
        if (m_samples.size() < kKept) {
            m_samples.push_back(took.count());
        } else {
            const auto slot = std::uniform_int_distribution<long>(0, m_calls)(m_pick);
            if (slot < long(kKept)) m_samples[std::size_t(slot)] = took.count();
        }
        m_worst = std::max(m_worst, took.count());
        if (took.count() > 1e-3) ++m_overOneMs;
        ++m_calls;
        return took.count();
    }
    // Times one call as the whole of this iteration.
    template <class F>
    void time(F&& call) {
        m_state.SetIterationTime(measure(call));
    }

    // Counters in microseconds per call (99th percentile, worst) and the share of calls over 1 ms;
    // the worst and the share count every call.
    void report() {
        if (m_samples.empty()) return;
        std::vector<double> sorted = m_samples;
        const auto p99 = sorted.begin() + static_cast<std::ptrdiff_t>(0.99 * double(sorted.size() - 1));
        std::nth_element(sorted.begin(), p99, sorted.end());
        m_state.counters["p99_us"] = *p99 * 1e6;
        m_state.counters["worst_us"] = m_worst * 1e6;
        m_state.counters["calls"] = double(m_calls);
        m_state.counters["over_1ms"] = double(m_overOneMs) / double(m_calls);
    }

private:
    static constexpr std::size_t kKept = 1 << 16;
    benchmark::State& m_state;
    std::minstd_rand m_pick;
    std::vector<double> m_samples;
    double m_worst = 0;
    long m_calls = 0;
    long m_overOneMs = 0;
};

}  // namespace bench
