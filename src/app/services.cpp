// The program's services.
#include "app/services.h"

#include "schedule/bellservice.h"
#include "schedule/settingsstore.h"
#include "sound/ringer.h"
#include "sound/soundlibrary.h"

struct ProgramServices::Owned {
    SettingsStore store;
    SoundLibrary library;
    Ringer ringer;
    BellService bells;

    Owned(const Ports& ports, const QString& programFolder, bool liveTimers)
        : store(programFolder + QStringLiteral("/data")),
          library(programFolder + QStringLiteral("/sound")),
          ringer(ports.bell, ports.mixer, &library, liveTimers),
          bells(ports.clock) {}
};

ProgramServices::ProgramServices(const Ports& ports, const QString& programFolder, bool liveTimers)
    : m_owned(std::make_unique<Owned>(ports, programFolder, liveTimers)) {
    m_services.store = &m_owned->store;
    m_services.library = &m_owned->library;
    m_services.ringer = &m_owned->ringer;
    m_services.bells = &m_owned->bells;
}

ProgramServices::~ProgramServices() = default;
