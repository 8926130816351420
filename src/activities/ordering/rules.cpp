#include "activities/ordering/rules.h"

#include <algorithm>

#include "platform/random.h"

namespace ordering {

std::optional<float> valueOfDraw(int ordermode, float r) {
    // Each step rounds to float, as the class has always seen the numbers come out.
    switch (ordermode) {
        case kPositiveMode: {
            const float scaled = r * 100.0f + 1.0f;
            return static_cast<float>(platform::Int(scaled));
        }
        case kIntegerMode: {
            const float scaled = r * 197.0f - 99.0f;
            return static_cast<float>(platform::Int(scaled));
        }
        default: return std::nullopt;
    }
}

std::optional<std::array<float, kQuestionSize>> drawQuestion(int ordermode, platform::RandomSource& rnd) {
    rnd.reseed();
    if (!valueOfDraw(ordermode, 0.0f)) return std::nullopt;
    std::array<float, kQuestionSize> drawn{};
    for (int i = 0; i < kQuestionSize; ++i) {
        for (;;) {
            const float v = *valueOfDraw(ordermode, rnd.next());
            const auto earlier = std::span<const float>(drawn).first(static_cast<std::size_t>(i));
            if (std::find(earlier.begin(), earlier.end(), v) == earlier.end()) {
                drawn[static_cast<std::size_t>(i)] = v;
                break;
            }
        }
    }
    return drawn;
}

int rank(std::span<const float> values, int i) {
    const float v = values[static_cast<std::size_t>(i)];
    return static_cast<int>(std::count_if(values.begin(), values.end(), [v](float other) { return v > other; }));
}

}  // namespace ordering
