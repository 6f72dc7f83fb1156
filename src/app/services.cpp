// The program's services.
#include "app/services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/ringlog.h"
#include "schedule/bellservice.h"
#include "schedule/settingsstore.h"
#include "sound/ringer.h"
#include "sound/soundlibrary.h"
#include "timesync/timesync.h"

namespace {

// A clock step in the ring log, so a school can see why a bell seemed early or late:
// "2026-12-07 08:50:00.020 clock set from 2026-12-07 08:49:58.300 to 2026-12-07 08:50:00.020 (+1.720 s)
// by pool.ntp.org", on one line.
void logClockStep(const QString& logPath, const QDateTime& from, const QDateTime& to, const QString& server) {
    const qint64 ms = from.msecsTo(to);
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
    const QString line = QStringLiteral("%1 clock set from %2 to %3 (%4%5 s) by %6\r\n")
                             .arg(to.toString(format), from.toString(format), to.toString(format),
                                  ms < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                             .arg(static_cast<double>(qAbs(ms)) / 1000.0, 0, 'f', 3)
                             .arg(server);
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    QFile file(logPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.write(line.toUtf8());
    }
}

}  // namespace

struct ProgramServices::Owned {
    SettingsStore store;
    SoundLibrary library;
    Ringer ringer;
    BellService bells;
    RingLog log;
    TimeSync timeSync;

    Owned(const Ports& ports, const QString& programFolder, bool liveTimers)
        : store(programFolder + QStringLiteral("/data")),
          library(programFolder + QStringLiteral("/sound")),
          ringer(ports.bell, ports.mixer, &library, liveTimers),
          bells(ports.clock),
          log(programFolder + QStringLiteral("/data/ring.log"), ports.clock),
          timeSync(ports.clock, ports.systemClock) {
        QObject::connect(&store, &SettingsStore::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::rang, &log, &RingLog::bell);
        QObject::connect(&timeSync, &TimeSync::problem, &log, &RingLog::problem);
        QObject::connect(&timeSync, &TimeSync::clockStepped, &log,
                         [this](const QDateTime& from, const QDateTime& to, const QString& server) {
                             logClockStep(log.path(), from, to, server);
                         });
    }
};

ProgramServices::ProgramServices(const Ports& ports, const QString& programFolder, bool liveTimers)
    : m_owned(std::make_unique<Owned>(ports, programFolder, liveTimers)) {
    m_services.store = &m_owned->store;
    m_services.library = &m_owned->library;
    m_services.ringer = &m_owned->ringer;
    m_services.bells = &m_owned->bells;
    m_services.log = &m_owned->log;
    m_services.timeSync = &m_owned->timeSync;
}

ProgramServices::~ProgramServices() = default;
