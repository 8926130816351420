#pragma once
// The solution shown step by step: each press of Solution (or S) reveals the next step, a step that
// moves something animates at the timer's 16 ms period for at most about a second, and Next clears
// them all. A press during an animation finishes it at once and shows the next step.
#include <QObject>
#include <functional>
#include <vector>

#include "platform/timer.h"

namespace shell {

class Steps {
public:
    // Frames in about a second at the timer's period: no step animates longer.
    static constexpr int kMostFrames = 1000 / platform::kShortestTimerPeriodMs;

    struct Step {
        std::function<void()> show;                  // what appears at once
        std::function<void(double t)> animate = {};  // called with t rising to 1, once a frame
        int frames = 0;                              // 0: nothing moves
    };

    explicit Steps(QObject* owner);

    void clear();
    void add(Step step);
    bool empty() const { return m_steps.empty(); }
    int count() const { return static_cast<int>(m_steps.size()); }
    int shown() const { return m_shown; }
    bool finished() const { return m_shown == count() && !animating(); }
    bool animating() const { return m_timer.isEnabled(); }

    // Shows the next step; false when every step is out already.
    bool reveal();
    // Brings a running animation to its end.
    void finishAnimation();
    // One frame of the animation (the timer calls it; tests and benchmarks may too).
    void frame();

    platform::Timer& timer() { return m_timer; }

private:
    std::vector<Step> m_steps;
    int m_shown = 0;
    int m_frame = 0;
    platform::Timer m_timer;
};

}  // namespace shell
