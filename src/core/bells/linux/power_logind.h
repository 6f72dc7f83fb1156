// The power-off through systemd-logind on the system D-Bus (the bus libdbus finds, so
// DBUS_SYSTEM_BUS_ADDRESS points it at a test bus). There is no fallback to a command: a refusal
// or a bus that cannot be reached is reported.
#pragma once

#include "core/ports/power.h"

class LogindPower final : public Power {
public:
    void powerOff() override;
};
