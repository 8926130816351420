#include "seeded_random.h"

namespace soak {
namespace {
std::mt19937 engineFor(std::uint64_t seed, std::uint64_t reseeds) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                           static_cast<std::uint32_t>(reseeds), static_cast<std::uint32_t>(reseeds >> 32)};
    return std::mt19937(sequence);
}
}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) : m_seed(seed), m_engine(engineFor(seed, 0)) {}

float SeededRandom::next() { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

void SeededRandom::reseed() { m_engine = engineFor(m_seed, ++m_reseeds); }

}  // namespace soak
