// Window timers.
#include "base/windowtimer.h"

#include <QTime>
#include <QTimer>

WindowTimer::WindowTimer(int intervalMs, bool live, QObject* parent)
    : QObject(parent), m_interval(intervalMs), m_live(live), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &WindowTimer::fire);
}

void WindowTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    if (!m_enabled) {
        m_timer->stop();
    } else if (m_live) {
        arm();
    }
}

void WindowTimer::arm() {
    int wait = m_interval;
    if (m_aligned) {
        // A few milliseconds past the next whole second, so the tick reads the new second.
        wait = 1000 - QTime::currentTime().msec() + 3;
    }
    m_timer->start(wait);
}

void WindowTimer::fire() {
    if (!m_enabled) {
        return;
    }
    // Re-arm first: the handler may open a modal box, during which ticks go on.
    arm();
    Q_EMIT timeout();
}
