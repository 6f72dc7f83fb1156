// The program's services.
#include "app/services.h"

#include "base/ringlog.h"
#include "countdown/countdown.h"
#include "schedule/bellservice.h"
#include "schedule/settingsstore.h"
#include "sound/ringer.h"
#include "sound/soundlibrary.h"

struct ProgramServices::Owned {
    SettingsStore store;
    SoundLibrary library;
    Ringer ringer;
    BellService bells;
    RingLog log;
    Countdown countdown;

    Owned(const Ports& ports, const QString& programFolder, bool liveTimers)
        : store(programFolder + QStringLiteral("/data")),
          library(programFolder + QStringLiteral("/sound")),
          ringer(ports.bell, ports.mixer, &library, liveTimers),
          bells(ports.clock),
          log(programFolder + QStringLiteral("/data/ring.log"), ports.clock),
          countdown(ports.clock, liveTimers) {
        QObject::connect(&store, &SettingsStore::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::rang, &log, &RingLog::bell);
    }
};

ProgramServices::ProgramServices(const Ports& ports, const QString& programFolder, bool liveTimers)
    : m_owned(std::make_unique<Owned>(ports, programFolder, liveTimers)) {
    m_services.store = &m_owned->store;
    m_services.library = &m_owned->library;
    m_services.ringer = &m_owned->ringer;
    m_services.bells = &m_owned->bells;
    m_services.log = &m_owned->log;
    m_services.countdown = &m_owned->countdown;
}

ProgramServices::~ProgramServices() = default;
