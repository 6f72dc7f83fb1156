// Real ports of the running program.
#include "app/composition.h"

#include "base/clock.h"
#include "desktop/logonstart_xdg.h"
#include "shutdown/power_logind.h"
#include "shutdown/sleep_logind.h"
#include "sound/belloutput_pulse.h"
#include "sound/mixer_pulse.h"
#include "sound/pulseconnection.h"
#include "timesync/systemclock_linux.h"
#include "widgets/dialogs.h"

struct ProgramPorts::Owned {
    WallClock clock;
    QtDialogs dialogs;
    // Made before and destroyed after the bell and the mixer that use it.
    PulseConnection pulse{"Corvalin"};
    PulseBellOutput bell{pulse};
    PulseMixer mixer{pulse};
    LinuxSystemClock systemClock;
    LogindPower power;
    LogindSleepWatch sleep;
    XdgLogonStart logonStart;
};

ProgramPorts::ProgramPorts(InstanceGuard* instanceGuard) : m_owned(std::make_unique<Owned>()) {
    m_ports.clock = &m_owned->clock;
    m_ports.dialogs = &m_owned->dialogs;
    m_ports.bell = &m_owned->bell;
    m_ports.mixer = &m_owned->mixer;
    m_ports.systemClock = &m_owned->systemClock;
    m_ports.power = &m_owned->power;
    m_ports.sleep = &m_owned->sleep;
    m_ports.logonStart = &m_owned->logonStart;
    m_ports.instanceGuard = instanceGuard;
}

ProgramPorts::~ProgramPorts() = default;

struct HeadlessPorts::Owned {
    WallClock clock;
    PulseConnection pulse{"Corvalin"};
    PulseBellOutput bell{pulse};
    PulseMixer mixer{pulse};
    LinuxSystemClock systemClock;
    LogindPower power;
    LogindSleepWatch sleep;
};

HeadlessPorts::HeadlessPorts() : m_owned(std::make_unique<Owned>()) {
    m_ports.clock = &m_owned->clock;
    m_ports.bell = &m_owned->bell;
    m_ports.mixer = &m_owned->mixer;
    m_ports.systemClock = &m_owned->systemClock;
    m_ports.power = &m_owned->power;
    m_ports.sleep = &m_owned->sleep;
}

HeadlessPorts::~HeadlessPorts() = default;
