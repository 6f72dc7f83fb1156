// The free countdown.
#include "core/countdown/countdown.h"

#include <QTimer>

#include "core/ports/clock.h"
#include "engine/countdown/countdownrules.h"

namespace cd = corvalin::countdown;

Countdown::Countdown(Clock* clock, bool liveTimer, QObject* parent)
    : QObject(parent), m_clock(clock), m_live(liveTimer), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Countdown::Timer1_Timer);
}

QString Countdown::readout() const {
    return QString::fromStdString(cd::readout(m_remaining));
}

bool Countdown::timerRunning() const {
    return m_state == State::Running;
}

void Countdown::setState(State state) {
    m_state = state;
    if (m_state != State::Running) {
        m_timer->stop();
    }
    Q_EMIT changed();
}

// The next tick comes on the next whole second since the count (re)started.
void Countdown::arm() {
    if (!m_live || m_state != State::Running) {
        return;
    }
    const qint64 elapsed = m_clock->steadyMs() - m_startedMs;
    const qint64 next = (elapsed / 1000 + 1) * 1000;
    m_timer->start(static_cast<int>(next - elapsed));
}

QString Countdown::start(const QString& hours, const QString& minutes, const QString& seconds) {
    const auto check = cd::checkStart(hours.toStdString(), minutes.toStdString(), seconds.toStdString());
    if (!check.total) {
        return QString::fromStdString(check.message);
    }
    m_total = *check.total;
    m_remaining = m_total;
    m_startedMs = m_clock->steadyMs();
    setState(State::Running);
    arm();
    return QString();
}

void Countdown::pause() {
    if (m_state != State::Running) {
        return;
    }
    // What is on screen stays as it is, whenever in the second the pause comes, and a resume
    // counts on from it: working the time left out again here could show a second less, or ring.
    setState(State::Paused);
}

void Countdown::resume() {
    if (m_state != State::Paused) {
        return;
    }
    m_total = m_remaining;
    m_startedMs = m_clock->steadyMs();
    setState(State::Running);
    arm();
}

void Countdown::stop() {
    setState(State::Idle);
}

void Countdown::Timer1_Timer() {
    if (m_state != State::Running) {
        return;
    }
    m_remaining = cd::remaining(m_total, m_clock->steadyMs() - m_startedMs);
    if (m_remaining == 0) {
        setState(State::Finished);
        Q_EMIT finished();
        return;
    }
    Q_EMIT changed();
    arm();
}
