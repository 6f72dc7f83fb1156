// Setting the computer's clock.
#pragma once

#include <QDateTime>

class SystemClock {
public:
    virtual ~SystemClock() = default;
    // Sets the clock to the given UTC time; false when the system refused.
    virtual bool setUtc(const QDateTime& utc) = 0;
};

class NullSystemClock final : public SystemClock {
public:
    bool setUtc(const QDateTime&) override { return false; }
};
