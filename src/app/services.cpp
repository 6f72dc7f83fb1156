// The program's services.
#include "app/services.h"

#include "base/bellthread.h"
#include "base/ringlog.h"
#include "calendar/schoolcalendar.h"
#include "countdown/countdown.h"
#include "schedule/settingsstore.h"
#include "sound/soundlibrary.h"
#include "station/bellstation.h"

struct ProgramServices::WindowSide {
    SettingsStore store;
    SoundLibrary library;
    Countdown countdown;
    SchoolCalendar calendar;

    WindowSide(const Ports& ports, const ProgramPaths& paths, bool liveTimers)
        : store(paths.dataFolder()),
          library(paths.soundFolders()),
          countdown(ports.clock, liveTimers),
          calendar(&store) {}
};

ProgramServices::ProgramServices(const Ports& ports, const ProgramPaths& paths, bool liveTimers,
                                 BellThread* bellThread)
    : m_window(std::make_unique<WindowSide>(ports, paths, liveTimers)), m_thread(bellThread) {
    auto make = [&] {
        const BellStation::Ports bellPorts{ports.clock, ports.bell,  ports.mixer,
                                           ports.systemClock, ports.power, ports.sleep};
        m_station = std::make_unique<BellStation>(bellPorts, paths, &m_window->store, liveTimers);
    };
    if (m_thread) {
        m_thread->runAndWait(make);
    } else {
        make();
    }
    BellStation* station = m_station.get();
    // The problems of the window's calendar go to the ring log too (queued to the bell thread).
    QObject::connect(&m_window->calendar, &SchoolCalendar::problem, &station->log, &RingLog::problem);

    m_services.store = &m_window->store;
    m_services.library = &m_window->library;
    m_services.countdown = &m_window->countdown;
    m_services.calendar = &m_window->calendar;
    m_services.station = station;
    m_services.ringer = &station->ringer;
    m_services.bells = &station->bells;
    m_services.log = &station->log;
    m_services.timeSync = &station->timeSync;
}

ProgramServices::~ProgramServices() {
    // The station ends on its own thread, after every call queued to it before.
    if (m_thread) {
        m_thread->runAndWait([this] { m_station.reset(); });
    }
    m_station.reset();
}
