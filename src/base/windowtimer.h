// A window timer with an enabled state of its own. In the running program it drives a
// QTimer; with live ticks off (window tests) only the state changes and the test calls
// the handler itself.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QTimer;

class WindowTimer : public QObject {
    Q_OBJECT
public:
    WindowTimer(int intervalMs, bool live, QObject* parent = nullptr);
    ~WindowTimer() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Ticks on the wall clock's whole seconds instead of every interval: each timeout comes at
    // hh:mm:ss.000 (read on the system clock, so a clock step moves the ticks with it), and the
    // first one at once when the timer is enabled. Set before enabling.
    void setAlignedToSecond(bool aligned);
    // With aligned ticks: only the whole seconds (seconds since 1970) for which `wanted` says yes
    // tick, at least one a minute; a clock step still ticks at once. None: every second ticks.
    void setWantedSeconds(std::function<bool(qint64 second)> wanted);
    // Arms the next tick again, for seconds wanted that changed since the last tick.
    void rearm();

Q_SIGNALS:
    void timeout();

private:
    class WallSeconds;

    void arm();
    void fire();
    // The next whole second to tick on after `second`.
    qint64 nextSecond(qint64 second) const;

    int m_interval;
    bool m_live;
    bool m_enabled = false;
    bool m_aligned = false;
    bool m_fired = false;
    QTimer* m_timer;
    std::unique_ptr<WallSeconds> m_wall;
    std::function<bool(qint64)> m_wanted;  // the aligned ticks, when the system offers a wall-clock timer
};
