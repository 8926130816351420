#pragma once
// Never the same question twice in a row: a new question equal to the one on the board is drawn again.
#include <optional>

namespace shell {

// Draws until the question differs from `current`. A mode with a single possible question would draw
// for ever, so the search stops after enough tries and keeps the last draw.
template <class Question, class Draw>
Question drawFresh(const std::optional<Question>& current, Draw&& draw) {
    constexpr int kTries = 64;
    Question next = draw();
    for (int i = 1; i < kTries && current && next == *current; ++i) next = draw();
    return next;
}

}  // namespace shell
