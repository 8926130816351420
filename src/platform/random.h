#pragma once
// The random draws of every activity: Rnd, Int and reseeding from the clock.
#include <cmath>
#include <cstdint>
#include <deque>
#include <initializer_list>

namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform value in [0, 1) with 24 random bits, like a single-precision Rnd.
    virtual float next() = 0;
    // Mixes the clock into the current state.
    virtual void reseed() = 0;
};

// The program's generator: xoshiro-style state, reseeds that stay fresh within one clock tick.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    float next() override;
    void reseed() override;

private:
    std::uint64_t nextBits();
    std::uint64_t m_state[2];
    std::uint64_t m_reseeds = 0;
};

// Returns the values it was given, in order; running out is a test failure (it throws).
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : m_values(values) {}
    void push(float value) { m_values.push_back(value); }
    float next() override;
    void reseed() override { ++m_reseeds; }
    int reseeds() const { return m_reseeds; }
    std::size_t remaining() const { return m_values.size(); }

private:
    std::deque<float> m_values;
    int m_reseeds = 0;
};

// Int: the floor, towards minus infinity.
inline double Int(double value) { return std::floor(value); }

// Int of a draw scaled to a table, held to [low, high] (NaN gives low): a source straying outside
// [0, 1) makes a wrong question, never an index past the table.
inline int IntWithin(double scaled, int low, int high) {
    const double whole = Int(scaled);
    if (!(whole >= low)) return low;
    return whole > high ? high : static_cast<int>(whole);
}

}  // namespace platform
