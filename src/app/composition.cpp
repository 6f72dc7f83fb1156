// Real ports of the running program.
#include "app/composition.h"

#include "widgets/dialogs.h"
#include "app/instanceguard.h"
#include "app/logonstart.h"
#include "base/clock.h"
#include "shutdown/power.h"
#include "sound/belloutput_pulse.h"
#include "sound/mixer_pulse.h"
#include "timesync/systemclock_linux.h"

struct ProgramPorts::Owned {
    WallClock clock;
    QtDialogs dialogs;
    PulseBellOutput bell;
    PulseMixer mixer;
    LinuxSystemClock systemClock;
    NullPower power;
    NullLogonStart logonStart;
    NullInstanceGuard instanceGuard;
};

ProgramPorts::ProgramPorts() : m_owned(std::make_unique<Owned>()) {
    m_ports.clock = &m_owned->clock;
    m_ports.dialogs = &m_owned->dialogs;
    m_ports.bell = &m_owned->bell;
    m_ports.mixer = &m_owned->mixer;
    m_ports.systemClock = &m_owned->systemClock;
    m_ports.power = &m_owned->power;
    m_ports.logonStart = &m_owned->logonStart;
    m_ports.instanceGuard = &m_owned->instanceGuard;
}

ProgramPorts::~ProgramPorts() = default;
