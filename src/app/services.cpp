// The program's services.
#include "app/services.h"

#include "bells/bellthread.h"
#include "bells/bellsclient.h"
#include "bells/ringlog.h"
#include "calendar/schoolcalendar.h"
#include "countdown/countdown.h"
#include "follow/setupfollower.h"
#include "ports/instanceguard.h"
#include "schedule/settingsstore.h"
#include "bells/bellstation.h"

struct ProgramServices::WindowSide {
    SettingsStore store;
    Countdown countdown;
    SchoolCalendar calendar;
    // The days last handed to the bells.
    std::optional<corvalin::settings::StoredDays> handedOver;
    // The alarm signals last handed to the bells.
    std::optional<std::vector<corvalin::alarms::Signal>> handedAlarms;

    WindowSide(const Ports& ports, const ProgramPaths& paths, bool liveTimers)
        : store(paths.dataFolder()),
          countdown(ports.clock, liveTimers),
          calendar(&store) {}
};

ProgramServices::ProgramServices(const Ports& ports, const ProgramPaths& paths, bool liveTimers,
                                 BellThread* bellThread)
    : m_window(std::make_unique<WindowSide>(ports, paths, liveTimers)), m_thread(bellThread) {
    BellsClient::GuardAtStart guard;
    BellsClient::Told told;
    auto make = [&] {
        const BellStation::Ports bellPorts{ports.clock, ports.bell,  ports.mixer,
                                           ports.systemClock, ports.power, ports.sleep};
        m_station = std::make_unique<BellStation>(bellPorts, paths, liveTimers);
        if (ports.instanceGuard) {
            guard.copies = ports.instanceGuard->runningCopies();
            guard.problem = ports.instanceGuard->problem();
        }
        told = BellsClient::told(*m_station);  // what the window shows at once
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
    m_client = std::make_unique<BellsClient>(station, ports.instanceGuard, guard, std::move(told));
    m_services.bells = m_client.get();
    // The problems of the settings files and of the calendar go to the ring log.
    BellsClient* client = m_client.get();
    SettingsStore* store = &m_window->store;
    QObject::connect(store, &SettingsStore::problem, client, [client](const QString& text) { client->problem(text); });
    QObject::connect(store, &SettingsStore::lastingProblem, client,
                     [client](const QString& topic, const QString& text) { client->lastingProblem(topic, text); });
    QObject::connect(store, &SettingsStore::problemEnded, client,
                     [client](const QString& topic, const QString& text) { client->endProblem(topic, text); });
    QObject::connect(&m_window->calendar, &SchoolCalendar::problem, client,
                     [client](const QString& text) { client->problem(text); });
    // This thread owns the settings files and the calendar; the bells are handed the days they
    // plan from after every change, and read no file themselves. A save that could not be written
    // counts too: the bells follow what the window holds.
    WindowSide* side = m_window.get();
    auto handOver = [side, client] {
        auto days = storedDays(side->store, side->calendar);
        if (side->handedOver == days) {
            return;
        }
        side->handedOver = days;
        client->setStoredDays(std::move(days));
    };
    auto handAlarms = [side, client] {
        auto signals = side->store.loadAlarms();
        if (side->handedAlarms == signals) {
            return;
        }
        side->handedAlarms = signals;
        client->setAlarms(std::move(signals));
    };
    handAlarms();
    QObject::connect(store, &SettingsStore::written, client, handAlarms);
    QObject::connect(store, &SettingsStore::saveFailed, client, handAlarms);
    QObject::connect(store, &SettingsStore::written, client, handOver);
    QObject::connect(store, &SettingsStore::saveFailed, client, handOver);
    QObject::connect(&m_window->calendar, &SchoolCalendar::changed, client, handOver);
    // The set-up followed from a web address: it changes under the bells only at a quiet moment.
    m_follower = std::make_unique<SetupFollower>(
        paths.dataFolder(),
        SetupFollower::Hooks{[client](int seconds, std::function<void(const QString&)> answered) {
                                 client->askQuiet(seconds, std::move(answered));
                             },
                             [client](const QString& text) { client->note(text); },
                             [client](const QString& topic, const QString& text) { client->lastingProblem(topic, text); },
                             [client](const QString& topic, const QString& text) { client->endProblem(topic, text); }},
        liveTimers);
    m_services.follower = m_follower.get();
    // A subscribed calendar brought other days: the calendar reads them, and tells the bells.
    QObject::connect(client, &BellsClient::feedsUpdated, &m_window->calendar, &SchoolCalendar::load);
    // The settings files are written on this thread only: the card's name too.
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
    m_follower.reset();
    m_client.reset();
    // The station ends on its own thread, after every call queued to it before.
    if (m_thread) {
        m_thread->runAndWait([this] { m_station.reset(); });
    }
    m_station.reset();
}
