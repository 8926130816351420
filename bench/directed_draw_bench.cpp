// The number-line question's start and amount are drawn again until they fit the line: on a
// hundredths line about 250 passes a question, so the cost of one pass is what matters.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "activities/directed/rules.h"
#include "platform/numtext.h"
#include "platform/random.h"

namespace {

// A repeatable source that counts the draws it gave.
class CountingRandom final : public platform::RandomSource {
public:
    explicit CountingRandom(std::uint32_t seed) : m_engine(seed) {}
    float next() override {
        ++m_draws;
        return float(m_engine() >> 8) / float(1 << 24);
    }
    void reseed() override {}
    long draws() const { return m_draws; }

private:
    std::mt19937 m_engine;
    long m_draws = 0;
};

// Every line start of the kind with the top it is given on the screen.
std::vector<std::pair<float, float>> linesOf(int qkind) {
    std::vector<std::pair<float, float>> lines;
    const int lowest = qkind == directed::kWhole ? -50 : -10, highest = qkind == directed::kWhole ? 48 : 8;
    for (int low = lowest; low <= highest; ++low) {
        const auto labels = directed::lineLabels(qkind, float(low));
        lines.emplace_back(float(low), float(platform::numValue(labels[directed::kTicks - 1])));
    }
    return lines;
}

void DirectedStartAndAmount(benchmark::State& state) {
    const int qkind = static_cast<int>(state.range(0));
    const auto lines = linesOf(qkind);
    CountingRandom counted(12345);
    for (int round = 0; round < 200; ++round)
        for (const auto& [low, high] : lines) directed::drawStartAndAmount(counted, qkind, low, high);
    state.counters["draws_per_question"] = double(counted.draws()) / double(200 * lines.size());

    platform::ClockRandom random;
    std::size_t line = 0;
    for (auto _ : state) {
        const auto& [low, high] = lines[line];
        line = (line + 1) % lines.size();
        benchmark::DoNotOptimize(directed::drawStartAndAmount(random, qkind, low, high));
    }
}
BENCHMARK(DirectedStartAndAmount)->ArgName("kind")->DenseRange(directed::kWhole, directed::kHundredths);

}  // namespace
