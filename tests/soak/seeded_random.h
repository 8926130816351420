#pragma once
// The screens' draws for a soak run: the program's Rnd and reseeding, but from a seed, so a failing
// run can be replayed exactly.
#include <cstdint>
#include <random>

#include "platform/random.h"

namespace soak {

class SeededRandom final : public platform::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed);
    // 24 random bits, as the program's generator gives them.
    float next() override;
    // Stands for the clock: a fresh, seed-determined state at every reseed.
    void reseed() override;
    std::uint64_t reseeds() const { return m_reseeds; }

private:
    std::uint64_t m_seed;
    std::uint64_t m_reseeds = 0;
    std::mt19937 m_engine;
};

}  // namespace soak
