// Real ports of the running program.
#include "app/composition.h"

#include "core/ports/clock.h"
#include "core/desktop/logonstart_xdg.h"
#include "core/bells/linux/power_logind.h"
#include "core/bells/linux/sleep_logind.h"
#include "core/bells/linux/belloutput_pulse.h"
#include "core/bells/linux/mixer_pulse.h"
#include "core/bells/linux/pulseconnection.h"
#include "core/bells/linux/systemclock_linux.h"
#include "ui/widgets/dialogs.h"

namespace {

// What rings, with or without a window.
struct BellPorts {
    WallClock clock;
    // Made before and destroyed after the bell and the mixer that use it.
    PulseConnection pulse{"Corvalin"};
    PulseBellOutput bell{pulse};
    PulseMixer mixer{pulse};
    LinuxSystemClock systemClock;
    LogindPower power;
    LogindSleepWatch sleep;

    BellStation::Ports ports() { return {&clock, &bell, &mixer, &systemClock, &power, &sleep}; }
};

}  // namespace

struct ProgramPorts::Owned {
    BellPorts bells;
    QtDialogs dialogs;
    XdgLogonStart logonStart;
};

ProgramPorts::ProgramPorts(InstanceGuard* instanceGuard) : m_owned(std::make_unique<Owned>()) {
    const BellStation::Ports bells = m_owned->bells.ports();
    m_ports.clock = bells.clock;
    m_ports.bell = bells.bell;
    m_ports.mixer = bells.mixer;
    m_ports.systemClock = bells.systemClock;
    m_ports.power = bells.power;
    m_ports.sleep = bells.sleep;
    m_ports.dialogs = &m_owned->dialogs;
    m_ports.logonStart = &m_owned->logonStart;
    m_ports.instanceGuard = instanceGuard;
}

ProgramPorts::~ProgramPorts() = default;

struct HeadlessPorts::Owned {
    BellPorts bells;
};

HeadlessPorts::HeadlessPorts() : m_owned(std::make_unique<Owned>()), m_ports(m_owned->bells.ports()) {}

HeadlessPorts::~HeadlessPorts() = default;
