// The program's services.
#include "app/services.h"

#include "base/ringlog.h"
#include "calendar/schoolcalendar.h"
#include "countdown/countdown.h"
#include "schedule/bellservice.h"
#include "schedule/settingsstore.h"
#include "sound/ringer.h"
#include "sound/soundlibrary.h"
#include "timesync/timesync.h"

struct ProgramServices::Owned {
    SettingsStore store;
    SoundLibrary library;
    Ringer ringer;
    BellService bells;
    RingLog log;
    Countdown countdown;
    TimeSync timeSync;
    SchoolCalendar calendar;

    Owned(const Ports& ports, const QString& programFolder, bool liveTimers)
        : store(programFolder + QStringLiteral("/data")),
          library(programFolder + QStringLiteral("/sound")),
          ringer(ports.bell, ports.mixer, &library, liveTimers),
          bells(ports.clock),
          log(programFolder + QStringLiteral("/data/ring.log"), ports.clock),
          countdown(ports.clock, liveTimers),
          timeSync(ports.clock, ports.systemClock),
          calendar(&store) {
        bells.setCalendar(&calendar);
        QObject::connect(&calendar, &SchoolCalendar::problem, &log, &RingLog::problem);
        QObject::connect(&bells, &BellService::exceptionApplied, &log, &RingLog::note);
        QObject::connect(&store, &SettingsStore::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::problem, &log, &RingLog::problem);
        QObject::connect(&ringer, &Ringer::rang, &log, &RingLog::bell);
        QObject::connect(&timeSync, &TimeSync::problem, &log, &RingLog::problem);
        // Each clock step, so a school can see why a bell seemed early or late:
        // "... clock set from 2026-12-07 08:49:58.300 to 2026-12-07 08:50:00.020 (+1.720 s) by pool.ntp.org".
        QObject::connect(&timeSync, &TimeSync::clockStepped, &log,
                         [this](const QDateTime& from, const QDateTime& to, const QString& server) {
                             const qint64 ms = from.msecsTo(to);
                             const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
                             log.note(QStringLiteral("clock set from %1 to %2 (%3%4 s) by %5")
                                          .arg(from.toString(format), to.toString(format),
                                               ms < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                                          .arg(static_cast<double>(qAbs(ms)) / 1000.0, 0, 'f', 3)
                                          .arg(server));
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
    m_services.countdown = &m_owned->countdown;
    m_services.timeSync = &m_owned->timeSync;
    m_services.calendar = &m_owned->calendar;
}

ProgramServices::~ProgramServices() = default;
