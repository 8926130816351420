#include "platform/random.h"

#include <chrono>
#include <stdexcept>

namespace platform {
namespace {
std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
std::uint64_t clockNow() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
}  // namespace

ClockRandom::ClockRandom() {
    std::uint64_t seed = clockNow();
    m_state[0] = splitmix(seed);
    m_state[1] = splitmix(seed) | 1u;
}

std::uint64_t ClockRandom::nextBits() {
    // xorshift128+
    std::uint64_t s1 = m_state[0];
    const std::uint64_t s0 = m_state[1];
    m_state[0] = s0;
    s1 ^= s1 << 23;
    m_state[1] = s1 ^ s0 ^ (s1 >> 17) ^ (s0 >> 26);
    return m_state[1] + s0;
}

float ClockRandom::next() {
    return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
}

void ClockRandom::reseed() {
    // The old state and a counter go in with the clock, so two reseeds in one tick still differ.
    std::uint64_t mix = clockNow() ^ (++m_reseeds * 0xD6E8FEB86659FD93ull) ^ nextBits();
    m_state[0] ^= splitmix(mix);
    m_state[1] ^= splitmix(mix);
    if (m_state[0] == 0 && m_state[1] == 0) m_state[1] = 1;
}

float ScriptedRandom::next() {
    if (m_values.empty()) throw std::logic_error("ScriptedRandom ran out of values");
    const float value = m_values.front();
    m_values.pop_front();
    return value;
}

}  // namespace platform
