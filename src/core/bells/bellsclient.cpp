// The window's way to the bells.
#include "core/bells/bellsclient.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

#include "core/bells/ringlog.h"
#include "core/ports/instanceguard.h"
#include "core/bells/ringer.h"
#include "core/bells/bellstation.h"
#include "core/bells/timesync.h"

namespace {

// How many problems of a moment a status names, the newest.
constexpr int kMomentProblems = 3;

}  // namespace

template <typename Work>
void BellsClient::onBells(Work&& work) {
    QMetaObject::invokeMethod(m_station, std::forward<Work>(work));
}

namespace {

// The answer of the bells, queued back to the window's thread, and dropped when the client that
// asked is gone by then. `answered` is called with the client; at once when asked on the
// window's thread, unless `how` queues it all the same.
template <typename Answered>
void tellLater(QPointer<BellsClient> client, Answered&& answered, Qt::ConnectionType how = Qt::AutoConnection) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [client, answered = std::forward<Answered>(answered)] {
            if (client) {
                answered(*client);
            }
        },
        how);
}

}  // namespace

namespace {

void answerLater(QPointer<BellsClient> client, const BellsClient::Answer& answered, const QString& refusal) {
    if (answered) {
        tellLater(std::move(client), [answered, refusal](BellsClient&) { answered(refusal); });
    }
}

}  // namespace


BellsClient::Told BellsClient::told(const BellStation& station) {
    Told now;
    const BellStation::Sounds sounds = station.sounds();
    now.sounds = sounds.files;
    now.soundRefusals = sounds.refusals;
    now.todayChanges = station.todayChanges();
    now.alarm = station.alarm();
    now.running = station.bells.isRunning();
    if (now.running) {
        now.nextMinute = station.bells.nextBell().minute;
        now.nextSound = QString::fromStdString(station.bells.nextBell().sound);
    }
    return now;
}

BellsClient::BellsClient(BellStation* station, InstanceGuard* guard, GuardAtStart guardAtStart, Told atStart,
                         QObject* parent)
    : QObject(parent),
      m_station(station),
      m_guard(guard),
      m_guardAtStart(std::move(guardAtStart)),
      m_sounds(std::move(atStart.sounds)),
      m_soundRefusals(std::move(atStart.soundRefusals)),
      m_todayChanges(std::move(atStart.todayChanges)),
      m_alarm(std::move(atStart.alarm)),
      m_running(atStart.running),
      m_nextMinute(atStart.nextMinute),
      m_nextSound(std::move(atStart.nextSound)) {
    // The reports, queued to this thread: nothing on the bell thread waits for the window.
    BellService* bells = &station->bells;
    connect(bells, &BellService::nextBellChanged, this, [this](int minuteOfDay, const QString& sound) {
        m_nextMinute = minuteOfDay;
        m_nextSound = sound;
        Q_EMIT nextBellChanged(minuteOfDay, sound);
    });
    connect(bells, &BellService::started, this, [this](const QStringList& todayBells) {
        m_running = true;  // those who show the start ask isRunning()
        Q_EMIT started(todayBells);
    });
    connect(bells, &BellService::todayListed, this, &BellsClient::todayListed);
    connect(station, &BellStation::todayChanged, this, [this](const QStringList& changes) {
        m_todayChanges = changes;
        Q_EMIT todayChangesTold(changes);
    });
    connect(bells, &BellService::runningChanged, this, [this](bool running) {
        m_running = running;
        Q_EMIT runningChanged(running);
    });
    connect(station, &BellStation::alarmChanged, this, [this](const QString& name) {
        m_alarm = name;
        Q_EMIT alarmChanged(name);
    });
    connect(station, &BellStation::bellRung, this, &BellsClient::bellRung);
    connect(bells, &BellService::nextRingChanged, this, &BellsClient::nextRingChanged);
    connect(station, &BellStation::dayStartedAgain, this, &BellsClient::dayStartedAgain);
    connect(&station->timeSync, &TimeSync::syncErrorDue, this, &BellsClient::syncErrorDue);
    connect(&station->ringer, &Ringer::cardsChanged, this, &BellsClient::cardsChanged);
    connect(station, &BellStation::cardNamed, this, &BellsClient::cardNamed);
    connect(&station->log, &RingLog::problemReported, this,
            [this](const QDateTime& at, const QString& text, const QString& topic) {
                // One told again (askOpenProblems) is the same problem, and keeps its place.
                if (std::any_of(m_problems.cbegin(), m_problems.cend(), [&](const Problem& p) {
                        return p.at == at && p.text == text && p.topic == topic;
                    })) {
                    Q_EMIT problemReported(at, text, topic);
                    return;
                }
                if (!topic.isEmpty()) {
                    m_problems.removeIf([&topic](const Problem& p) { return p.topic == topic; });
                } else if (std::count_if(m_problems.cbegin(), m_problems.cend(),
                                         [](const Problem& p) { return p.topic.isEmpty(); }) >= kMomentProblems) {
                    m_problems.removeAt(std::distance(
                        m_problems.cbegin(), std::find_if(m_problems.cbegin(), m_problems.cend(),
                                                          [](const Problem& p) { return p.topic.isEmpty(); })));
                }
                m_problems.append({at, text, topic, ++m_problemsTold});
                Q_EMIT problemReported(at, text, topic);
            });
    connect(&station->log, &RingLog::problemEnded, this, [this](const QDateTime& at, const QString& topic) {
        m_problems.removeIf([&topic](const Problem& p) { return p.topic == topic; });
        Q_EMIT problemEnded(at, topic);
    });
    // The feeds' fetcher runs on a thread of its own; its reports come through the station.
    m_hasFeeds = station->feeds() != nullptr;
    connect(station, &BellStation::feedsUpdated, this, &BellsClient::feedsUpdated);
    connect(station, &BellStation::feedFetched, this, &BellsClient::feedFetched);
    connect(station, &BellStation::soundsChanged, this, &BellsClient::takeSounds);
    // What changed between the reading at start and the connections above is told once more.
    const QPointer<BellsClient> self(this);
    onBells([station, self] { tellLater(self, [now = told(*station)](BellsClient& client) { client.take(now); }); });
    // The guard calls its handler on its own thread, where it is set; the request is queued here.
    if (m_guard) {
        onBells([guard = m_guard, self] {
            guard->onShowRequest([self] {
                tellLater(self, [](BellsClient& client) { Q_EMIT client.showRequested(); }, Qt::QueuedConnection);
            });
        });
    }
}

BellsClient::BellsClient(BellStation* station, InstanceGuard* guard, GuardAtStart guardAtStart, QObject* parent)
    : BellsClient(station, guard, std::move(guardAtStart), Told{}, parent) {}

BellsClient::~BellsClient() {
    // Queued after everything asked before; a request that comes meanwhile finds the client gone.
    if (m_guard) {
        onBells([guard = m_guard] { guard->onShowRequest(nullptr); });
    }
}

void BellsClient::take(const Told& now) {
    takeSounds(now.sounds, now.soundRefusals);
    if (now.todayChanges != m_todayChanges) {
        m_todayChanges = now.todayChanges;
        Q_EMIT todayChangesTold(m_todayChanges);
    }
    if (now.alarm != m_alarm) {
        m_alarm = now.alarm;
        Q_EMIT alarmChanged(m_alarm);
    }
    if (now.running != m_running) {
        m_running = now.running;
        Q_EMIT runningChanged(m_running);
    }
    if (now.running && (now.nextMinute != m_nextMinute || now.nextSound != m_nextSound)) {
        m_nextMinute = now.nextMinute;
        m_nextSound = now.nextSound;
        Q_EMIT nextBellChanged(m_nextMinute, m_nextSound);
    }
}

void BellsClient::takeSounds(const QStringList& files, const QStringList& refusals) {
    if (files == m_sounds && refusals == m_soundRefusals) {
        return;
    }
    m_sounds = files;
    m_soundRefusals = refusals;
    Q_EMIT soundsChanged();
}

void BellsClient::resetClock() {
    onBells([station = m_station] { station->bells.reset(); });
}

void BellsClient::setSettings(corvalin::settings::BellSettings settings) {
    onBells([station = m_station, settings = std::move(settings)]() mutable { station->setSettings(std::move(settings)); });
}

void BellsClient::start(Answer answered, bool logRefusal) {
    onBells([station = m_station, logRefusal, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->start(logRefusal));
    });
}

void BellsClient::stopService() {
    onBells([station = m_station] { station->stopService(); });
}

void BellsClient::askNextBell() {
    onBells([station = m_station] { station->bells.ShowNextBell(); });
}

void BellsClient::changeToday(const corvalin::today::Change& change, Answer answered) {
    onBells([station = m_station, change, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->changeToday(change));
    });
}

void BellsClient::skipNextBell(const QString& by, Answer answered) {
    onBells([station = m_station, by, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->skipNextBell(by));
    });
}

void BellsClient::undoToday(int index, const QString& by, Answer answered) {
    onBells([station = m_station, index, by, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->undoToday(index, by));
    });
}

void BellsClient::continueFrom(qint64 decided) {
    onBells([station = m_station, decided] { station->continueFrom(decided); });
}

void BellsClient::openMixer() {
    onBells([station = m_station] { station->ringer.openMixer(); });
}

void BellsClient::ringNow(const QString& sound) {
    onBells([station = m_station, sound] { station->ringer.RingBell(sound, BellKind::Manual); });
}

void BellsClient::ringNow(const QString& sound, Answer answered) {
    onBells([station = m_station, sound, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->ringNow(sound));
    });
}

void BellsClient::stopBell(const QString& by, Answer answered) {
    onBells([station = m_station, by, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->stopBell(by));
    });
}

void BellsClient::resumeAlarm() {
    onBells([station = m_station] { station->resumeAlarm(); });
}

void BellsClient::startAlarm(const QString& name, const QString& by, Answer answered) {
    onBells([station = m_station, name, by, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->startAlarm(name, by));
    });
}

void BellsClient::stopAlarm(const QString& by, Answer answered) {
    onBells([station = m_station, by, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->stopAlarm(by));
    });
}

void BellsClient::askQuiet(int seconds, Answer answered) {
    onBells([station = m_station, seconds, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        answerLater(self, answered, station->quietFor(seconds));
    });
}

void BellsClient::askStatus(std::function<void(const BellsStatus&)> answered) {
    onBells([station = m_station, answered = std::move(answered), self = QPointer<BellsClient>(this)] {
        tellLater(self, [answered, status = station->status()](BellsClient&) { answered(status); });
    });
}

QStringList BellsClient::openProblems() const {
    QStringList open;
    for (const Problem& p : m_problems) {
        open << p.at.toString(QStringLiteral("hh:mm ")) + p.text;
    }
    return open;
}

void BellsClient::chooseCard(int index, const QString& name) {
    onBells([station = m_station, index, name] { station->ringer.chooseCard(index, name); });
}

void BellsClient::unmuteDefault() {
    onBells([station = m_station] { station->ringer.unmute(); });
}

void BellsClient::refreshSoundsNow(QObject* context, std::function<void()> then) {
    onBells([station = m_station, self = QPointer<BellsClient>(this), context = QPointer<QObject>(context),
             hasContext = context != nullptr, then = std::move(then)] {
        station->library.refresh();
        tellLater(self, [now = station->sounds(), context, hasContext, then](BellsClient& client) {
            client.takeSounds(now.files, now.refusals);
            if (then && (context || !hasContext)) {
                then();
            }
        });
    });
}

QString BellsClient::soundRefusal(const QString& name) const {
    const qsizetype at = m_sounds.indexOf(name);
    return at < 0 ? QString() : m_soundRefusals.value(at);
}

void BellsClient::note(const QString& text) {
    onBells([station = m_station, text] { station->log.note(text); });
}

void BellsClient::problem(const QString& text) {
    onBells([station = m_station, text] { station->log.problem(text); });
}

void BellsClient::lastingProblem(const QString& topic, const QString& text) {
    onBells([station = m_station, topic, text] { station->log.lastingProblem(topic, text); });
}

void BellsClient::endProblem(const QString& topic, const QString& text) {
    onBells([station = m_station, topic, text] { station->log.endProblem(topic, text); });
}

void BellsClient::askOpenProblems() {
    onBells([station = m_station] { station->log.reportOpen(); });
}

void BellsClient::refreshAllFeeds() {
    onBells([station = m_station] { station->refreshAllFeeds(); });
}

void BellsClient::showFirstCopy() {
    if (m_guard) {
        onBells([guard = m_guard] { guard->signalFirstInstance(); });
    }
}

void BellsClient::end() {
    onBells([station = m_station, guard = m_guard] {
        station->end(guard && guard->copyWaits());
        if (guard) {
            guard->resign();
        }
    });
}
