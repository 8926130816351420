#pragma once
// Endless draws that vary like the program's but are the same on every run.
#include "platform/random.h"

class Draws final : public platform::RandomSource {
public:
    explicit Draws(unsigned long long seed = 12345) : m_state(seed) {}
    float next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return float(m_state >> 40) / float(1 << 24);
    }
    void reseed() override {}

private:
    unsigned long long m_state;
};
