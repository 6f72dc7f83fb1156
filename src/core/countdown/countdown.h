// The free countdown: started from hours, minutes and seconds, paused, resumed, stopped, and
// ringing when it reaches zero. The time left is always measured from the moment the count
// started or resumed, on the clock's steady count, so it never drifts and clock steps do not
// move it.
#pragma once

#include <QObject>
#include <QString>

class Clock;
class QTimer;

class Countdown : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Running, Paused, Finished };

    // With `liveTimer` off nothing ticks by itself and tests call Timer1_Timer() themselves.
    Countdown(Clock* clock, bool liveTimer, QObject* parent = nullptr);

    // Starts a count; the refusal message when the entries are not a count that can run.
    QString start(const QString& hours, const QString& minutes, const QString& seconds);
    void pause();
    void resume();
    // Back to idle; the bell does not ring.
    void stop();

    // One tick: works out the time left; at zero the count finishes and rings.
    void Timer1_Timer();

    State state() const { return m_state; }
    int remainingSeconds() const { return m_remaining; }
    QString readout() const;
    bool timerRunning() const;

Q_SIGNALS:
    // The state or the time left changed.
    void changed();
    // The count reached zero: ring the bell.
    void finished();

private:
    void setState(State state);
    void arm();

    Clock* m_clock;
    bool m_live;
    QTimer* m_timer;
    State m_state = State::Idle;
    int m_remaining = 0;    // seconds left, as last shown
    int m_total = 0;        // seconds left when the count (re)started
    qint64 m_startedMs = 0; // the steady clock then
};
