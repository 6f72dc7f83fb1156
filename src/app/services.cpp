// The program's services.
#include "app/services.h"

#include "bells/bellthread.h"
#include "bells/bellsclient.h"
#include "bells/ringlog.h"
#include "calendar/schoolcalendar.h"
#include "countdown/countdown.h"
#include "ports/instanceguard.h"
#include "schedule/settingsstore.h"
#include "bells/bellstation.h"

struct ProgramServices::WindowSide {
    SettingsStore store;
    Countdown countdown;
    SchoolCalendar calendar;

    WindowSide(const Ports& ports, const ProgramPaths& paths, bool liveTimers)
        : store(paths.dataFolder()),
          countdown(ports.clock, liveTimers),
          calendar(&store) {}
};

ProgramServices::ProgramServices(const Ports& ports, const ProgramPaths& paths, bool liveTimers,
                                 BellThread* bellThread)
    : m_window(std::make_unique<WindowSide>(ports, paths, liveTimers)), m_thread(bellThread) {
    BellsClient::GuardAtStart guard;
    auto make = [&] {
        const BellStation::Ports bellPorts{ports.clock, ports.bell,  ports.mixer,
                                           ports.systemClock, ports.power, ports.sleep};
        m_station = std::make_unique<BellStation>(bellPorts, paths, &m_window->store, liveTimers);
        if (ports.instanceGuard) {
            guard.copies = ports.instanceGuard->runningCopies();
            guard.problem = ports.instanceGuard->problem();
        }
    };
    if (m_thread) {
        m_thread->runAndWait(make);
    } else {
        make();
    }
    BellStation* station = m_station.get();

    m_services.store = &m_window->store;
    m_services.countdown = &m_window->countdown;
    m_services.calendar = &m_window->calendar;
    m_client = std::make_unique<BellsClient>(station, ports.instanceGuard, guard);
    m_services.bells = m_client.get();
    // The problems of the window's calendar go to the ring log too; the bells' calendar reads the
    // other days a subscribed calendar brought, and the window's reads them too.
    BellsClient* client = m_client.get();
    QObject::connect(&m_window->calendar, &SchoolCalendar::problem, client,
                     [client](const QString& text) { client->problem(text); });
    QObject::connect(client, &BellsClient::feedsUpdated, &m_window->calendar, &SchoolCalendar::load);
    // The settings files are written on this thread only: the card's name too.
    SettingsStore* store = &m_window->store;
    QObject::connect(client, &BellsClient::cardNamed, store,
                     [store](int index, const QString& name, const QString& description) {
                         store->saveSoundCardName({index, name.toStdString(), description.toStdString()});
                     });
}

Ringer& ProgramServices::ringer() const {
    return m_station->ringer;
}

BellService& ProgramServices::bells() const {
    return m_station->bells;
}

RingLog& ProgramServices::log() const {
    return m_station->log;
}

TimeSync& ProgramServices::timeSync() const {
    return m_station->timeSync;
}

ProgramServices::~ProgramServices() {
    m_client.reset();
    // The station ends on its own thread, after every call queued to it before.
    if (m_thread) {
        m_thread->runAndWait([this] { m_station.reset(); });
    }
    m_station.reset();
}
