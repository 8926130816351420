#include "activities/shell/steps.h"

#include <algorithm>

namespace shell {

Steps::Steps(QObject* owner) : m_timer(QStringLiteral("tmrsteps"), 1, owner) {
    m_timer.onTimer = [this] { frame(); };
}

void Steps::clear() {
    m_timer.setEnabled(false);
    m_steps.clear();
    m_shown = 0;
    m_frame = 0;
}

void Steps::add(Step step) {
    step.frames = std::clamp(step.frames, 0, kMostFrames);
    m_steps.push_back(std::move(step));
}

bool Steps::reveal() {
    finishAnimation();
    if (m_shown >= count()) return false;
    Step& step = m_steps[static_cast<std::size_t>(m_shown++)];
    if (step.show) step.show();
    if (step.animate && step.frames > 0) {
        m_frame = 0;
        step.animate(0.0);
        m_timer.setEnabled(true);
    } else if (step.animate) {
        step.animate(1.0);
    }
    return true;
}

void Steps::finishAnimation() {
    if (!animating()) return;
    m_timer.setEnabled(false);
    const Step& step = m_steps[static_cast<std::size_t>(m_shown - 1)];
    step.animate(1.0);
}

void Steps::frame() {
    if (!animating() || m_shown == 0) return;
    const Step& step = m_steps[static_cast<std::size_t>(m_shown - 1)];
    ++m_frame;
    if (m_frame >= step.frames) {
        m_timer.setEnabled(false);
        step.animate(1.0);
        return;
    }
    step.animate(double(m_frame) / step.frames);
}

}  // namespace shell
