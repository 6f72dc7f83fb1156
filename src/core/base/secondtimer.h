// A window timer with an enabled state of its own. In the running program it drives a
// QTimer; with live ticks off (window tests) only the state changes and the test calls
// the handler itself.
#pragma once

#include <QObject>

#include <memory>

class QTimer;

class SecondTimer : public QObject {
    Q_OBJECT
public:
    SecondTimer(int intervalMs, bool live, QObject* parent = nullptr);
    ~SecondTimer() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Ticks on every whole second of the wall clock instead of every interval, never skipping
    // one: each timeout comes at hh:mm:ss.000 (read on the system clock, so a clock step moves the
    // ticks with it, and one the system announces ticks at once), and the first one at once when
    // the timer is enabled. Set before enabling. With `lateMs` each tick comes that long after the
    // whole second (hh:mm:ss.010 for 10), so that two clocks of the program (the bells' and the
    // window's) do not wake at one instant and wait for each other on the time zone's lock.
    void setAlignedToSecond(bool aligned, int lateMs = 0);
    // Arms the next tick again from the clock as it stands now.
    void rearm();

Q_SIGNALS:
    void timeout();

private:
    class WallSeconds;

    void arm();
    void fire();

    int m_interval;
    bool m_live;
    bool m_enabled = false;
    bool m_aligned = false;
    int m_lateMs = 0;
    bool m_fired = false;
    QTimer* m_timer;
    std::unique_ptr<WallSeconds> m_wall;  // the aligned ticks, when the system offers a wall-clock timer
};
