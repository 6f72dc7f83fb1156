// Where the program reads the current local date and time, and a steady count of milliseconds
// that clock steps do not move (for measuring how long something has lasted).
#pragma once

#include <QDateTime>
#include <QElapsedTimer>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds from an arbitrary start; never goes back, whatever the date and time do.
    virtual qint64 steadyMs() const = 0;
};

// The system's local time.
class WallClock final : public Clock {
public:
    WallClock() { m_steady.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 steadyMs() const override { return m_steady.elapsed(); }

private:
    QElapsedTimer m_steady;
};
