// The program's services.
#include "app/services.h"

#include "core/bells/bellthread.h"
#include "core/bells/bellsclient.h"
#include "core/bells/ringlog.h"
#include "core/calendar/schoolcalendar.h"
#include "core/countdown/countdown.h"
#include "core/follow/setupfollower.h"
#include "core/control/commands.h"
#include "core/control/webface.h"
#include "core/schedule/bellscore.h"
#include "core/ports/instanceguard.h"
#include "core/schedule/settingsstore.h"
#include "core/bells/bellstation.h"

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
    // What the bells are told from the settings files and the calendar, which this thread owns,
    // and the one start and stop.
    m_core = std::make_unique<BellsCore>(m_window->store, m_window->calendar, *m_client);
    m_services.core = m_core.get();
    BellsClient* client = m_client.get();
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
    BellsCore* core = m_core.get();
    m_commands = std::make_unique<CommandRunner>(
        *m_client, CommandRunner::Copy{QStringLiteral("window"), [core](auto answered) { core->start(std::move(answered)); },
                                       [core] { core->stop(); }, [] { return true; }, m_follower.get()});
    m_services.commands = m_commands.get();
    // Served once the composition root says this copy holds the bells (WebFace::setActive).
    m_web = std::make_unique<WebFace>(*m_commands, paths.dataFolder());
    m_services.web = m_web.get();
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
    m_web.reset();
    m_commands.reset();
    m_follower.reset();
    m_core.reset();
    m_client.reset();
    // The station ends on its own thread, after every call queued to it before.
    if (m_thread) {
        m_thread->runAndWait([this] { m_station.reset(); });
    }
    m_station.reset();
}
