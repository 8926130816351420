#include "platform/timer.h"

#include <algorithm>

namespace platform {

Timer::Timer(const QString& name, int intervalMs, QObject* parent) : QObject(parent), m_interval(intervalMs) {
    setObjectName(name);
    m_timer.setInterval(std::max(intervalMs, kShortestTimerPeriodMs));
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (onTimer) onTimer();
    });
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_timer.isActive()) return;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

}  // namespace platform
