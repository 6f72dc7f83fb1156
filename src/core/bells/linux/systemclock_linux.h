// The computer's clock on Linux: set directly (clock_settime) when this process may, which
// takes root or CAP_SYS_TIME; otherwise by systemd-timedated's SetTime over the system bus, which
// polkit allows or refuses for the user. The system bus is found the usual way, so
// DBUS_SYSTEM_BUS_ADDRESS can point it elsewhere.
#pragma once

#include "core/ports/systemclock.h"

class LinuxSystemClock final : public SystemClock {
public:
    // Waits for timedated's answer when it is asked.
    bool setUtc(const QDateTime& utc) override;
    // Does not wait for timedated: its answer comes to `done` later, through the event loop.
    void setUtcThen(const QDateTime& utc, std::function<void(bool set, const QString& why)> done) override;
};
