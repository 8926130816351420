#pragma once
// A timer with an interval in milliseconds that calls one handler on the user-interface thread.
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

// The shortest period a timer runs at: one display frame. A 1 ms interval means "as fast as the
// platform delivers", which on the classroom machines this was designed for was about 15.6 ms.
inline constexpr int kShortestTimerPeriodMs = 16;

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const QString& name, int intervalMs, QObject* parent);
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_timer.isActive(); }
    int interval() const { return m_interval; }
    // The period it really runs at.
    int period() const { return m_timer.interval(); }
    std::function<void()> onTimer;

private:
    QTimer m_timer;
    int m_interval;
};

}  // namespace platform
