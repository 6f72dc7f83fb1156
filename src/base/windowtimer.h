// A window timer with an enabled state of its own. In the running program it drives a
// QTimer; with live ticks off (window tests) only the state changes and the test calls
// the handler itself.
#pragma once

#include <QObject>

class QTimer;

class WindowTimer : public QObject {
    Q_OBJECT
public:
    WindowTimer(int intervalMs, bool live, QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Aligned to the wall-clock second: each timeout fires just after a whole second.
    void setAlignedToSecond(bool aligned) { m_aligned = aligned; }

Q_SIGNALS:
    void timeout();

private:
    void arm();
    void fire();

    int m_interval;
    bool m_live;
    bool m_enabled = false;
    bool m_aligned = false;
    QTimer* m_timer;
};
