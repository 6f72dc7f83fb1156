// Where the program reads the current local date and time.
#pragma once

#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The system's local time.
class WallClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
