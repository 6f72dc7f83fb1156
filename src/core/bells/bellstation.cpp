// The bell station.
#include "core/bells/bellstation.h"

#include <QDateTime>
#include <QFile>
#include <QDir>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "core/ports/clock.h"
#include "core/base/secondtimer.h"
#include "core/base/webfetcher.h"
#include "core/bells/calendarfeeds.h"
#include "core/bells/statewriter.h"
#include "core/calendar/schoolcalendar.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/dayplan.h"
#include "engine/schedule/nextbell.h"
#include "engine/schedule/todaychanges.h"
#include "engine/schedule/settingsformat.h"
#include "engine/schedule/settingsvalues.h"
#include "core/base/wholefile.h"
#include "core/ports/power.h"
#include "core/ports/sleepwatch.h"
#include "core/ports/systemclock.h"
#include "core/timesync/timeserver.h"

// Counts the sets under way: with timedated the clock steps before the answer comes back, and the
// tick may see the step in between.
class BellStation::BellTime final : public Clock {
public:
    explicit BellTime(Clock* wall) : m_wall(wall) {}
    QDateTime now() const override { return m_wall->now().addSecs(-offset); }
    qint64 steadyMs() const override { return m_wall->steadyMs(); }

    int offset = 0;  // seconds the bells ring after the computer's clock

private:
    Clock* m_wall;
};

class BellStation::ClockSetter final : public SystemClock {
public:
    explicit ClockSetter(SystemClock* system) : m_system(system) {}

    bool setUtc(const QDateTime& utc) override { return m_system && m_system->setUtc(utc); }
    void setUtcThen(const QDateTime& utc, std::function<void(bool set, const QString& why)> done) override {
        if (!m_system) {
            done(false, QStringLiteral("the clock cannot be set here"));
            return;
        }
        ++*m_underWay;
        m_system->setUtcThen(utc,
                             [underWay = m_underWay, done = std::move(done)](bool set, const QString& why) {
                                 done(set, why);
                                 --*underWay;
                             });
    }
    // A set is under way: a step seen now is this program's own.
    bool underWay() const { return *m_underWay > 0; }

private:
    SystemClock* m_system;
    std::shared_ptr<int> m_underWay = std::make_shared<int>(0);  // outlives this should an answer come late
};

namespace {

// "2026-12-07 08:49:58.300 to 2026-12-07 08:50:00.020 (+1.720 s)"
QString stepText(const QDateTime& from, const QDateTime& to) {
    const qint64 ms = from.msecsTo(to);
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
    return QStringLiteral("%1 to %2 (%3%4 s)")
        .arg(from.toString(format), to.toString(format), ms < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(static_cast<double>(qAbs(ms)) / 1000.0, 0, 'f', 3);
}

}  // namespace

BellStation::BellStation(const Ports& ports, const ProgramPaths& paths, bool liveTimers, QObject* parent)
    : QObject(parent),
      m_clockSetter(std::make_unique<ClockSetter>(ports.systemClock)),
      m_bellTime(std::make_unique<BellTime>(ports.clock)),
      library(paths.soundFolders()),
      ringer(ports.bell, ports.mixer, &library, liveTimers),
      bells(m_bellTime.get()),
      log(paths.dataFolder() + QStringLiteral("/ring.log"), ports.clock),
      timeSync(ports.clock, m_clockSetter.get()),
      bellClock(new SecondTimer(1000, liveTimers, this)),
      m_power(ports.power),
      m_clock(m_bellTime.get()),
      m_sleep(ports.sleep),
      m_wakeBackstop(new QTimer(this)),
      m_writer(new StateWriter(this)) {
    bells.setCalendar(&calendar);
    m_todayFile = paths.dataFolder() + QLatin1Char('/') + QString::fromUtf8(corvalin::today::kTodayFile.data(),
                                                                           corvalin::today::kTodayFile.size());
    m_alarmFile = paths.dataFolder() + QLatin1Char('/') +
                  QString::fromUtf8(corvalin::alarms::kSoundingFile.data(),
                                    static_cast<qsizetype>(corvalin::alarms::kSoundingFile.size()));
    connect(m_writer, &StateWriter::failed, this, [this](const QString& path, const QString& why) {
        log.problem(path == m_todayFile
                        ? QStringLiteral("today's changes could not be kept in %1 (%2); they hold until the program ends")
                              .arg(QDir::toNativeSeparators(path), why)
                        : QStringLiteral("%1 could not be written (%2)").arg(QDir::toNativeSeparators(path), why));
    });
    loadToday();
    // A copy that starts again knows the last bell of today from the ring log.
    if (const auto entry = log.lastBellOn(m_clock->now().date())) {
        m_last = LastBell{entry->minuteOfDay, QString::fromStdString(entry->sound), !entry->scheduled};
    }

    connect(&bells, &BellService::ring, &ringer, [this](const QString& sound, int minuteOfDay) {
        if (!m_alarm.isEmpty()) {
            // The alarm signal is what must be heard: the bell waits for its end.
            m_held = Held{sound, minuteOfDay};
            keepAlarm();
            log.note(QStringLiteral("the bell of %1 (%2) is held: the alarm signal %3 sounds")
                         .arg(QString::fromStdString(corvalin::today::minuteText(minuteOfDay)), sound, m_alarm));
            return;
        }
        // Logged under the minute it rings for, which a step of the clock may have passed over.
        log.setScheduledMinute(minuteOfDay);
        m_ringingMinute = minuteOfDay;
        ringer.RingBell(sound, BellKind::Scheduled);
    });
    connect(&ringer, &Ringer::rang, this, [this](bool scheduled, const QString& sound, const QString&) {
        const QTime now = m_clock->now().time();
        m_last = LastBell{scheduled && m_ringingMinute >= 0 ? m_ringingMinute : now.hour() * 60 + now.minute(), sound,
                          !scheduled};
        Q_EMIT bellRung(m_last.said());
    });
    connect(&ringer, &Ringer::alarmPlayedOut, this, [this] {
        alarmEnded(QStringLiteral("the alarm signal %1 has rung its times").arg(m_alarm));
    });
    // Stopped while its bells were rung: what was just rung falls silent.
    connect(&bells, &BellService::silenceNow, &ringer, [this] { ringer.silence(); });
    // The coming minute's bell waits ready on its device, so that it starts on the minute itself.
    connect(&bells, &BellService::bellAhead, &ringer, &Ringer::prepare);
    connect(&bells, &BellService::bellAheadDropped, &ringer, &Ringer::dropPrepared);
    connect(&bells, &BellService::newDay, this, &BellStation::startDayAgain);
    connect(&bells, &BellService::powerOffDue, this, &BellStation::PowerOffComputer);
    connect(&bells, &BellService::powerOffSoon, this, [this](const QString& at) {
        log.problem(QStringLiteral("the computer will be switched off at %1, as booked").arg(at));
    });
    connect(&bells, &BellService::syncDue, this, [this] {
        m_timeServer = primaryTimeServer();
        timeSync.StartTimeSync(m_timeServer);
    });
    connect(&timeSync, &TimeSync::timeServerChanged, this,
            [this](const QString& host) { m_timeServer = host; });

    connect(&calendar, &BellCalendar::problem, &log, &RingLog::problem);
    connect(&bells, &BellService::exceptionApplied, &log, &RingLog::note);
    // Said once while it lasts, however often the day is built again.
    connect(&bells, &BellService::tableProblem, this, [this](const QString& text) {
        if (text == std::exchange(m_tableProblem, text)) {
            return;
        }
        const QString topic = QStringLiteral("today's bells");
        if (text.isEmpty()) {
            log.endProblem(topic, QStringLiteral("every bell of today fits in the day again"));
        } else {
            log.lastingProblem(topic, text);
        }
    });
    connect(&ringer, &Ringer::problem, &log, &RingLog::problem);
    connect(&ringer, &Ringer::lastingProblem, &log, &RingLog::lastingProblem);
    connect(&ringer, &Ringer::problemEnded, &log, &RingLog::endProblem);
    // The settings' owner keeps the name (the window's thread, or the copy with no window).
    connect(&ringer, &Ringer::cardNamed, this, &BellStation::cardNamed);
    connect(&ringer, &Ringer::rang, &log, &RingLog::bell);
    connect(&library, &SoundLibrary::changed, this, [this] {
        const Sounds now = sounds();
        Q_EMIT soundsChanged(now.files, now.refusals);
    });
    connect(&ringer, &Ringer::note, &log, &RingLog::note);
    ringer.setClock(ports.clock);  // the ring log's and the mute's times are the computer's
    // An outage of the sound server and its end, once each.
    connect(&ringer, &Ringer::serverChanged, this, [this](bool reached) {
        const QString topic = QStringLiteral("sound server");
        if (!reached && !m_serverAway) {
            m_serverAway = true;
            log.lastingProblem(
                topic, QStringLiteral("the sound server cannot be reached; Corvalin connects again as soon as it "
                                      "is back, and a bell due meanwhile waits for it"));
        } else if (reached && m_serverAway) {
            m_serverAway = false;
            log.endProblem(topic, QStringLiteral("the sound server is reached again"));
        }
    });
    connect(&timeSync, &TimeSync::problem, &log, &RingLog::problem);
    // Each clock step, so a school can see why a bell seemed early or late:
    // "... clock set from 2026-12-07 08:49:58.300 to 2026-12-07 08:50:00.020 (+1.720 s) by pool.ntp.org";
    // and the next bell worked out again from the new time.
    connect(&timeSync, &TimeSync::clockStepped, this,
            [this](const QDateTime& from, const QDateTime& to, const QString& server) {
                bells.acceptClock();  // told here, not again by the tick
                log.note(QStringLiteral("clock set from %1 by %2").arg(stepText(from, to), server));
                if (bells.isRunning()) {
                    bells.ShowNextBell();
                }
            });
    // A step that anyone else made (the system's time service, a hand on the clock), as the tick
    // sees it: "... the clock stepped from 2026-12-07 08:49:02.000 to 2026-12-07 08:51:30.000
    // (+148.000 s)". One of this program's own that is still under way is told when it is done.
    connect(&bells, &BellService::clockStepped, this, [this](const QDateTime& from, const QDateTime& to) {
        if (m_clockSetter->underWay()) {
            return;
        }
        log.note(QStringLiteral("the clock stepped from %1").arg(stepText(from, to)));
        if (bells.isRunning()) {
            bells.ShowNextBell();
        }
    });
    if (m_power) {
        m_power->setFailureHandler([this](const QString& reason) { log.problem(reason); });
    }
    // A timer of the monotonic clock, which stands still while the computer sleeps: a minute of
    // being awake after the sleep was announced.
    m_wakeBackstop->setSingleShot(true);
    m_wakeBackstop->setInterval(60 * 1000);
    connect(m_wakeBackstop, &QTimer::timeout, this, &BellStation::resumed);
    if (m_sleep && !m_sleep->problem().isEmpty()) {
        log.note(m_sleep->problem());
    }
    if (m_sleep) {
        connect(m_sleep, &SleepWatch::sleeping, this, [this](bool asleep) {
            if (asleep) {
                aboutToSleep();
                m_sleep->readyForSleep();
            } else {
                resumed();
            }
        });
    }

    bellClock->setObjectName(QStringLiteral("bellClock"));
    // Every second, so that a step of the clock is seen within one, also one that the system does
    // not announce.
    bellClock->setAlignedToSecond(true);
    connect(bellClock, &SecondTimer::timeout, this, &BellStation::tick);
    bellClock->setEnabled(true);

    if (liveTimers) {
        // The subscribed calendars are fetched and read on the web fetcher's worker; what they
        // bring comes back from the settings' owner as any change of the calendar does.
        m_fetcher = WebFetcher::shared();
        m_feeds = new CalendarFeeds(paths.dataFolder(), m_fetcher.get());
        m_fetcher->adopt(m_feeds);
        connect(m_feeds, &CalendarFeeds::updated, this, &BellStation::feedsUpdated);
        connect(m_feeds, &CalendarFeeds::fetched, this, &BellStation::feedFetched);
        connect(m_feeds, &CalendarFeeds::problem, &log, &RingLog::lastingProblem);
        connect(m_feeds, &CalendarFeeds::problemEnded, &log, &RingLog::endProblem);
        connect(m_feeds, &CalendarFeeds::note, &log, &RingLog::note);
        QMetaObject::invokeMethod(m_feeds, &CalendarFeeds::start);
    }
}

BellStation::Sounds BellStation::sounds() const {
    Sounds sounds{library.files(), {}};
    for (const QString& file : sounds.files) {
        sounds.refusals.append(library.refusal(file));
    }
    return sounds;
}

BellStation::~BellStation() {
    m_writer->flush();
    if (m_power) {
        m_power->setFailureHandler(nullptr);
    }
    if (m_feeds) {
        m_feeds->deleteLater();  // on the worker, after what was asked of it before
    }
}

void BellStation::tick() {
    // After a day change the new day's first minute is looked at on the next second.
    const bool ticked = bells.tick();
    if (m_clock->now().date() != m_toldTodayFor) {
        tellToday();  // the bells' day changed, with or without a running service: so did today's changes
    }
    if (!ticked || !m_deciding) {
        return;
    }
    const qint64 key = BellService::minuteKey(m_clock->now());
    if (key != m_decided) {
        m_decided = key;
        Q_EMIT minuteDecided(key);
    }
}

void BellStation::continueFrom(qint64 decided) {
    bells.continueFrom(decided);
    tick();
}

void BellStation::release() {
    m_writer->flush();  // the copy that takes the bells over reads today's changes from the disk
    if (!m_alarm.isEmpty()) {
        // The signal is not over: alarm.state keeps it, and the copy that rings next (the one
        // that takes the bells over, or this program's next start) sounds it again.
        m_held.reset();
        ringer.endAlarm();
        log.note(QStringLiteral("the alarm signal %1 stops sounding here: it sounds again in the copy that rings "
                                "the bells next, until it is stopped")
                     .arg(m_alarm));
        m_alarm.clear();
        Q_EMIT alarmChanged(m_alarm);
    }
    m_deciding = false;
    bellClock->setEnabled(false);
    if (m_feeds) {
        QMetaObject::invokeMethod(m_feeds, &CalendarFeeds::stop);
    }
    bells.stop();
}

void BellStation::end(bool copyWaits) {
    if (copyWaits) {
        log.note(QStringLiteral("the bells were handed over to the copy with no window"));
    } else if (bells.isRunning()) {
        log.note(QStringLiteral("the bell service stopped"));
    }
    release();
}

void BellStation::aboutToSleep() {
    if (m_asleep) {
        return;
    }
    m_asleep = true;
    m_clockWasOn = bellClock->isEnabled();
    m_sleptAfter = m_decided >= 0 ? m_decided : BellService::minuteKey(m_clock->now());
    bellClock->setEnabled(false);
    ringer.dropPrepared();
    ringer.unmute();
    m_wakeBackstop->start();
    log.note(QStringLiteral("the computer goes to sleep"));
}

void BellStation::resumed() {
    if (!m_asleep) {
        return;
    }
    m_asleep = false;
    m_wakeBackstop->stop();
    bells.acceptClock();  // the steady clock stood still while the computer slept: no step
    const qint64 now = BellService::minuteKey(m_clock->now());
    const qint64 recent = now - corvalin::clock::kStepMinutes;
    log.note(QStringLiteral("the computer woke up"));
    if (bells.isRunning() && m_sleptAfter < recent) {
        // The bells of the day the computer went to sleep on, after its last minute and too long
        // ago to ring now.
        const qint64 day = m_sleptAfter / 1440 * 1440;
        const auto& table = bells.ringTable();
        QStringList missed;
        for (int slot = 0; slot < table.bellCount; ++slot) {
            const int minute = table.minutes[static_cast<std::size_t>(slot)];
            const QString at = QStringLiteral("%1:%2")
                                   .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                   .arg(minute % 60, 2, 10, QLatin1Char('0'));
            if (minute >= 0 && minute < 1440 && day + minute > m_sleptAfter && day + minute <= recent &&
                !missed.contains(at)) {
                missed << at;
            }
        }
        if (!missed.isEmpty()) {
            missed.sort();
            log.problem(QStringLiteral("missed while the computer slept: ") + missed.join(QStringLiteral(", ")));
        }
    }
    if (!m_clockWasOn) {
        return;  // the bells are another copy's
    }
    bells.continueFrom(std::max(m_sleptAfter, recent));
    bellClock->setEnabled(true);
    tick();
}

void BellStation::resumeClock() {
    bellClock->setEnabled(true);
    if (m_feeds) {
        QMetaObject::invokeMethod(m_feeds, &CalendarFeeds::start);
    }
}

void BellStation::setTimeSyncEnabled(bool on) {
    bells.setTimeSyncEnabled(on);
}

namespace {

// "1 bell", "3 bells".
QString bellsText(qsizetype count) {
    return count == 1 ? QStringLiteral("1 bell") : QStringLiteral("%1 bells").arg(count);
}

}  // namespace

void BellStation::setSettings(corvalin::settings::BellSettings settings) {
    const auto* was = m_settings ? &*m_settings : nullptr;
    const auto& options = settings.options;
    if (!was || was->card != settings.card || was->cardName != settings.cardName) {
        ringer.setSoundCard(settings.card, QString::fromStdString(settings.cardName.name),
                            QString::fromStdString(settings.cardName.description));
    }
    if (!was || was->options.soundZero != options.soundZero) {
        ringer.setMuteDefault(options.soundZero == 1);
    }
    if (!was || was->options.bellRepeat != options.bellRepeat) {
        ringer.setRepeat(options.bellRepeat == 1);
    }
    setTimeSyncEnabled(options.timeSync == 1);
    setBellOffset(settings.offsetSeconds);
    bells.setPowerOffBooking(settings.booking.on, settings.booking.hour, settings.booking.minute);
    setAlarms(settings.alarms);
    if (!was || was->subscriptions != settings.subscriptions ||
        was->days.handMade != settings.days.handMade) {
        tellFeeds(settings);
    }
    auto days = settings.days;
    m_settings = std::move(settings);
    setStoredDays(std::move(days));  // last: a day the calendar now decides otherwise starts again
}

QString BellStation::start(bool logRefusal) {
    namespace rule = corvalin::startrule;
    library.refresh();  // the folder as it is now: a sound added a moment ago counts
    const int day = corvalin::clock::dayNumberFromIso(now().date().dayOfWeek());
    const rule::Answer answer =
        rule::decideStart(corvalin::settings::startInputs(m_settings.value_or(corvalin::settings::BellSettings{}),
                                                          soundFolder(), day));
    if (rule::startAttempted(answer)) {
        bells.markStartAttempt();
    }
    if (const auto* refusal = std::get_if<rule::Refusal>(&answer)) {
        if (refusal->startMinute && refusal->endMinute) {
            bells.setIntervalBounds(*refusal->startMinute, *refusal->endMinute);
        }
        if (logRefusal) {
            log.problem(QStringLiteral("the bells were not started: ") +
                        QString::fromStdString(rule::oneLine(refusal->message)));
        }
        return QString::fromStdString(refusal->message);
    }
    const auto& plan = std::get<rule::Plan>(answer);
    if (plan.interval) {
        bells.setIntervalBounds(plan.intervalPlan.startMinute, plan.intervalPlan.endMinute);
    }
    startService(plan);
    return {};
}

void BellStation::startService(const BellService::Plan& plan) {
    // The folder as it is now: a sound added a moment ago rings.
    library.refresh();
    bells.start(plan);
    m_deciding = true;
    log.note(QStringLiteral("the bell service started: %1 today").arg(bellsText(bells.todayBells().size())));
}

void BellStation::stopService() {
    stopService(true);
}

void BellStation::stopService(bool tell) {
    if (bells.isRunning()) {
        log.note(QStringLiteral("the bell service stopped"));
    }
    bells.stop(tell);
    if (m_alarm.isEmpty()) {
        ringer.StopBell();
    } else {
        ringer.dropPrepared();  // the alarm signal sounds on until it is stopped
        if (std::exchange(m_held, std::nullopt)) {
            keepAlarm();
        }
    }
    m_deciding = true;  // no bell, by the operator's choice
}

void BellStation::startDayAgain() {
    // Stopped and started again at once: those who watch see only what changed.
    stopService(false);
    const auto told = qScopeGuard([this] { bells.tellRunning(); });
    if (!bells.changesAreForToday() && !bells.todayChanges().list.empty()) {
        // Yesterday's changes are gone with yesterday.
        saveToday({});
        bells.setTodayChanges({});
        tellToday();
    }
    library.refresh();
    const int today = corvalin::clock::dayNumberFromIso(m_clock->now().date().dayOfWeek());
    const auto planned = planForDay(bells.plan(), calendar.days(), soundFolder(), today);
    if (corvalin::startrule::startAttempted(planned)) {
        bells.markStartAttempt();
    }
    if (const auto* refusal = std::get_if<corvalin::startrule::Refusal>(&planned)) {
        log.problem(QStringLiteral("the bells of %1 were not started: %2")
                        .arg(m_clock->now().date().toString(Qt::ISODate),
                             QString::fromStdString(corvalin::startrule::oneLine(refusal->message))));
        return;
    }
    bells.start(std::get<BellService::Plan>(planned));
    log.note(QStringLiteral("the bell service started again for %1: %2")
                 .arg(m_clock->now().date().toString(Qt::ISODate), bellsText(bells.todayBells().size())));
    Q_EMIT dayStartedAgain();
}

corvalin::startrule::SoundFolder BellStation::soundFolder() const {
    corvalin::startrule::SoundFolder folder;
    folder.name = QDir::toNativeSeparators(library.folder()).toStdString();
    for (const QString& file : library.files()) {
        folder.files.push_back(file.toStdString());
    }
    return folder;
}

QDateTime BellStation::now() const {
    return m_clock->now();
}

void BellStation::setStoredDays(corvalin::settings::StoredDays days) {
    if (days == calendar.days()) {
        return;
    }
    calendar.setDays(std::move(days));
    if (!bells.isRunning()) {
        return;
    }
    if (calendar.exceptionOn(m_clock->now().date()) != bells.dayException()) {
        startDayAgain();
    } else {
        bells.ShowNextBell();
    }
}

void BellStation::PowerOffComputer() {
    log.note(QStringLiteral("the booked power-off time has come: switching the computer off"));
    if (m_power) {
        m_power->powerOff();
    }
}

// --- Today's changes ---

namespace {

QString said(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void BellStation::loadToday() {
    corvalin::today::Changes changes;
    QString why;
    const auto bytes = readWholeFile(m_todayFile, kLargestSettingsFile, &why);
    if (why != m_todayUnread) {  // a file refused is said once, and its end
        if (why.isEmpty()) {
            log.endProblem(QStringLiteral("unread today"), QString());
        } else {
            log.lastingProblem(QStringLiteral("unread today"), unreadFileText(m_todayFile, why));
        }
        m_todayUnread = why;
    }
    if (bytes) {
        if (auto read = corvalin::today::parseFile(
                corvalin::settings::splitLines(std::string_view(bytes->constData(), bytes->size())))) {
            changes = std::move(*read);
        }
    }
    bells.setTodayChanges(std::move(changes));
    tellToday();
}

void BellStation::saveToday(const corvalin::today::Changes& changes) {
    QByteArray bytes;
    if (!changes.list.empty()) {
        const std::string text = corvalin::settings::joinLines(corvalin::today::formatFile(changes));
        bytes = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    }
    m_writer->write(m_todayFile, bytes);
}

bool BellStation::bellTodayAt(int minute) const {
    const std::string text = corvalin::ringtable::todayBellLine(minute);
    for (const auto& line : bells.todayLines()) {
        if (line.text == text && line.mark != "skipped") {
            return true;
        }
    }
    return false;
}

QString BellStation::changeToday(corvalin::today::Change change) {
    namespace today = corvalin::today;
    corvalin::today::Changes changes =
        bells.changesAreForToday() ? bells.todayChanges()
                                   : today::Changes{corvalin::calendar::fromQDate(m_clock->now().date()), {}};
    std::string why = today::refusal(changes, change);
    // Two bells of one minute would be one sound: a bell is added or moved only onto a minute where
    // nothing rings today.
    const int onto = change.kind == today::Kind::Add ? change.minute : change.kind == today::Kind::Move ? change.to : -1;
    if (why.empty() && onto >= 0 && bells.isRunning()) {
        const auto& table = bells.ringTable();
        const auto end = table.minutes.begin() + std::clamp(table.bellCount, 0, corvalin::ringtable::kSlots);
        if (std::find(table.minutes.begin(), end, onto) != end) {
            why = "a bell rings at " + today::minuteText(onto) + " today already";
        }
    }
    if (why.empty()) {
        switch (change.kind) {
        case today::Kind::Skip:
        case today::Kind::Move:
            if (!bells.isRunning()) {
                why = "the bell service is not running";
            } else if (!bellTodayAt(change.minute)) {
                why = "no bell of today's list rings at " + today::minuteText(change.minute);
            }
            break;
        case today::Kind::Add:
            // The one sound asked for is looked at, not the whole folder.
            if (const auto& table = bells.ringTable(); bells.isRunning() &&
                std::max(table.bellCount, table.dayBellCount) >= corvalin::ringtable::kSlots) {
                why = "today rings " + std::to_string(corvalin::ringtable::kSlots) + " bells already, as many as a day can";
            } else if (!library.files().contains(said(change.sound))) {
                why = "there is no sound " + change.sound + " in the sound folder";
            } else if (const QString refused = library.refusal(said(change.sound)); !refused.isEmpty()) {
                why = change.sound + " cannot ring as a bell: " + refused.toStdString();
            }
            break;
        case today::Kind::Templet:
            if (!calendar.templet(change.templet)) {
                why = "templet " + std::to_string(change.templet) + " has no saved times";
            }
            break;
        case today::Kind::NoBells:
            break;
        }
    }
    if (!why.empty()) {
        return said(why);
    }
    changes.list.push_back(change);
    saveToday(changes);
    bells.setTodayChanges(std::move(changes));
    log.note(said(today::describe(change)) + QStringLiteral(", by ") + said(change.by));
    tellToday();
    return {};
}

QString BellStation::skipNextBell(const QString& by) {
    if (!bells.isRunning()) {
        return QStringLiteral("the bell service is not running");
    }
    const auto next = bells.nextRing();
    if (!next) {
        return QStringLiteral("no bell is left today");
    }
    corvalin::today::Change change;
    change.kind = corvalin::today::Kind::Skip;
    change.minute = next->minute;
    change.by = by.toStdString();
    return changeToday(change);
}

QString BellStation::undoToday(int index, const QString& by) {
    if (!bells.changesAreForToday() || bells.todayChanges().list.empty()) {
        return QStringLiteral("nothing was changed for today");
    }
    corvalin::today::Changes changes = bells.todayChanges();
    QString what;
    if (index < 0) {
        changes.list.clear();
        what = QStringLiteral("today's changes undone");
    } else if (index < static_cast<int>(changes.list.size())) {
        what = QStringLiteral("undone: ") +
               said(corvalin::today::describe(changes.list[static_cast<std::size_t>(index)]));
        changes.list.erase(changes.list.begin() + index);
    } else {
        return QStringLiteral("there is no such change today");
    }
    saveToday(changes);
    bells.setTodayChanges(std::move(changes));
    log.note(what + QStringLiteral(", by ") + by);
    tellToday();
    return {};
}

QString LastBell::said() const {
    if (sound.isEmpty()) {
        return {};
    }
    return QString::fromStdString(corvalin::today::minuteText(minute)) + QLatin1Char(' ') + sound +
           (byHand ? QStringLiteral(" (ring now)") : QString());
}

BellsStatus BellStation::status() const {
    BellsStatus s;
    s.now = m_clock->now();
    s.offset = m_bellTime->offset;
    s.running = bells.isRunning();
    s.next = bells.nextRing();
    s.last = m_last;
    s.alarm = m_alarm;
    if (s.running) {
        s.today = bells.todayLines();
    }
    for (const auto& signal : m_alarms) {
        s.alarmSignals << QString::fromStdString(signal.name);
    }
    const bool forToday = bells.changesAreForToday();
    if (forToday) {
        s.changes = bells.todayChanges().list;
    }
    s.day = QStringLiteral("as planned");
    const auto change = forToday ? corvalin::today::dayChange(bells.todayChanges()) : std::nullopt;
    if (change && change->kind == corvalin::today::Kind::NoBells) {
        s.day = QStringLiteral("no bells today");
    } else if (change) {
        s.day = QStringLiteral("templet %1 today").arg(change->templet);
    } else if (const auto& exception = bells.dayException(); exception && s.running) {
        s.day = QStringLiteral("calendar: %1").arg(QString::fromStdString(corvalin::calendar::summaryText(*exception)));
    }
    s.interval = bells.plan().interval && s.day == QStringLiteral("as planned");
    return s;
}

QStringList BellStation::todayChanges() const {
    QStringList told;
    if (bells.changesAreForToday()) {
        for (const auto& change : bells.todayChanges().list) {
            told.append(said(corvalin::today::describe(change)));
        }
    }
    return told;
}

void BellStation::tellToday() {
    m_toldTodayFor = m_clock->now().date();
    Q_EMIT todayChanged(todayChanges());
}

void BellStation::tellFeeds(const corvalin::settings::BellSettings& settings) {
    CalendarFeeds* feeds = m_feeds;
    if (!feeds) {
        return;
    }
    std::vector<Subscription> subscriptions;
    for (const auto& s : settings.subscriptions) {
        subscriptions.push_back({QString::fromStdString(s.address), QString::fromStdString(s.label)});
    }
    QMetaObject::invokeMethod(feeds, [feeds, subscriptions = std::move(subscriptions),
                                      handMade = settings.days.handMade]() mutable {
        feeds->setSubscriptions(std::move(subscriptions), std::move(handMade));
    });
}

void BellStation::refreshAllFeeds() {
    if (m_feeds) {
        QMetaObject::invokeMethod(m_feeds, &CalendarFeeds::refreshAll);
    }
}

void BellStation::setBellOffset(int seconds) {
    seconds = std::clamp(seconds, -corvalin::settings::kLargestBellOffset, corvalin::settings::kLargestBellOffset);
    if (seconds == m_bellTime->offset) {
        return;
    }
    m_bellTime->offset = seconds;
    // Not a step of the clock: the bells' time moved because the operator moved it. A minute it
    // passed over rings, as the building's clocks have reached it.
    bells.acceptClock();
    log.note(seconds == 0 ? QStringLiteral("the bells ring by the computer's clock")
                          : QStringLiteral("the bells ring %1 s %2 the computer's clock")
                                .arg(std::abs(seconds))
                                .arg(seconds < 0 ? QStringLiteral("before") : QStringLiteral("after")));
    if (bells.isRunning()) {
        bells.ShowNextBell();
    }
}

// --- Alarm signals ---

void BellStation::setAlarms(std::vector<corvalin::alarms::Signal> signals) {
    m_alarms = std::move(signals);
}

QString BellStation::startAlarm(const QString& name, const QString& by) {
    const auto signal = corvalin::alarms::find(m_alarms, name.toStdString());
    if (!signal) {
        QStringList names;
        for (const auto& known : m_alarms) {
            names << said(known.name);
        }
        return names.isEmpty() ? QStringLiteral("no alarm signal is set up")
                               : QStringLiteral("there is no alarm signal %1 (there are: %2)")
                                     .arg(name, names.join(QStringLiteral(", ")));
    }
    const QString sound = said(signal->sound);
    library.refresh();
    if (!library.files().contains(sound)) {
        return QStringLiteral("the sound %1 of the alarm signal %2 is not in the sound folder")
            .arg(sound, said(signal->name));
    }
    if (const QString why = soundAlarm(*signal, by, {}); !why.isEmpty()) {
        return why;
    }
    log.note(QStringLiteral("the alarm signal %1 started (%2, %3 on %4), by %5")
                 .arg(m_alarm, sound, said(corvalin::alarms::timesText(signal->times)), ringer.deviceDescription(), by));
    return {};
}

QString BellStation::soundAlarm(const corvalin::alarms::Signal& signal, const QString& by, const QString& started) {
    const QString before = m_alarm;
    if (const QString why = ringer.soundAlarm(said(signal.sound), signal.times); !why.isEmpty()) {
        if (!before.isEmpty()) {
            alarmEnded(QStringLiteral("the alarm signal %1 ended").arg(before));
        }
        log.problem(QStringLiteral("the alarm signal %1 could not sound: %2").arg(said(signal.name), why));
        return why;
    }
    m_alarm = said(signal.name);
    m_alarmBy = by;
    m_alarmStarted = started.isEmpty() ? m_clock->now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : started;
    if (!before.isEmpty() && before != m_alarm) {
        log.note(QStringLiteral("the alarm signal %1 ended: %2 took its place").arg(before, m_alarm));
    }
    keepAlarm();
    Q_EMIT alarmChanged(m_alarm);
    return {};
}

void BellStation::keepAlarm() {
    if (m_alarm.isEmpty()) {
        m_writer->write(m_alarmFile, {});
        return;
    }
    corvalin::alarms::Sounding sounding{m_alarm.toStdString(), m_alarmStarted.toStdString(), m_alarmBy.toStdString(),
                                        std::nullopt};
    if (m_held) {
        sounding.held = corvalin::alarms::Sounding::Held{m_clock->now().date().toString(Qt::ISODate).toStdString(),
                                                         m_held->minute, m_held->sound.toStdString()};
    }
    const std::string text = corvalin::settings::joinLines(corvalin::alarms::formatSounding(sounding));
    m_writer->write(m_alarmFile, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

void BellStation::resumeAlarm() {
    if (!m_alarm.isEmpty()) {
        return;
    }
    QString why;
    const auto read = readWholeFile(m_alarmFile, 4096, &why);
    if (!read) {
        if (!why.isEmpty()) {
            log.problem(unreadFileText(m_alarmFile, why));
        }
        return;
    }
    const QByteArray& bytes = *read;
    const auto sounding = corvalin::alarms::parseSounding(
        corvalin::settings::splitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    if (!sounding) {
        m_writer->write(m_alarmFile, {});
        return;
    }
    const QString name = said(sounding->name);
    const auto signal = corvalin::alarms::find(m_alarms, sounding->name);
    if (!signal) {
        log.problem(QStringLiteral("the alarm signal %1 sounded when Corvalin last rang the bells, and is set up no "
                                   "more: it does not sound again")
                        .arg(name));
        m_writer->write(m_alarmFile, {});
        return;
    }
    if (soundAlarm(*signal, said(sounding->by), said(sounding->started)).isEmpty()) {
        log.note(QStringLiteral("the alarm signal %1, started %2 by %3 and not stopped, sounds again (%4 on %5)")
                     .arg(m_alarm, m_alarmStarted, m_alarmBy, said(corvalin::alarms::timesText(signal->times)),
                          ringer.deviceDescription()));
        const auto& held = sounding->held;
        if (held && held->date == m_clock->now().date().toString(Qt::ISODate).toStdString()) {
            m_held = Held{said(held->sound), held->minute};
            keepAlarm();
            log.note(QStringLiteral("the bell of %1 (%2) is held until it ends")
                         .arg(QString::fromStdString(corvalin::today::minuteText(held->minute)), said(held->sound)));
        }
    }
}

QString BellStation::stopAlarm(const QString& by) {
    if (m_alarm.isEmpty()) {
        return QStringLiteral("no alarm signal sounds");
    }
    ringer.endAlarm();
    alarmEnded(QStringLiteral("the alarm signal %1 stopped, by %2").arg(m_alarm, by));
    return {};
}

QString BellStation::stopBell(const QString& by) {
    if (!m_alarm.isEmpty()) {
        return stopAlarm(by);
    }
    const bool sounded = ringer.sounding();
    ringer.StopBell();  // and the default card unmuted, whatever sounded
    return sounded ? QString() : QStringLiteral("no bell sounds");
}

QString BellStation::quietFor(int seconds) const {
    if (!m_alarm.isEmpty()) {
        return QStringLiteral("the alarm signal %1 sounds").arg(m_alarm);
    }
    if (ringer.sounding()) {
        return QStringLiteral("a bell sounds");
    }
    if (!bells.isRunning()) {
        return {};
    }
    const QDateTime now = m_clock->now();
    const int secondOfDay = now.time().msecsSinceStartOfDay() / 1000;
    // A bell of the current minute stands in the way until its minute is decided; once rung, the
    // bells started again never ring that minute twice.
    const bool minuteDecided = BellService::minuteKey(now) == m_decided;
    const auto& table = bells.ringTable();
    for (int slot = 0; slot < table.bellCount; ++slot) {
        const int minute = table.minutes[static_cast<std::size_t>(slot)];
        const int until = minute * 60 - secondOfDay;
        const bool thisMinute = until <= 0 && until > -60;
        if (minute >= 0 && minute < 1440 && ((thisMinute && !minuteDecided) || (until > 0 && until <= seconds))) {
            return QStringLiteral("the bell of %1 is due").arg(QString::fromStdString(corvalin::today::minuteText(minute)));
        }
    }
    // The first bells of tomorrow, a moment after midnight.
    if (secondOfDay + seconds >= 86400) {
        return QStringLiteral("the day changes");
    }
    return {};
}

QString BellStation::ringNow(const QString& sound) {
    if (!m_alarm.isEmpty()) {
        return QStringLiteral("the alarm signal %1 sounds; stop it first").arg(m_alarm);
    }
    library.refresh();
    QString chosen = sound;
    if (chosen.isEmpty()) {
        const auto& next = bells.nextBell();
        chosen = bells.isRunning() && next.time != corvalin::ringtable::kNextDay ? said(next.sound) : QString();
        if (!library.files().contains(chosen)) {
            chosen = library.files().value(0);
        }
        if (chosen.isEmpty()) {
            return QStringLiteral("the sound folder %1 has no sound").arg(QDir::toNativeSeparators(library.folder()));
        }
    }
    if (!library.files().contains(chosen)) {
        return QStringLiteral("there is no sound %1 in the sound folder").arg(chosen);
    }
    if (const QString refused = library.refusal(chosen); !refused.isEmpty()) {
        return QStringLiteral("%1 cannot ring as a bell: %2").arg(chosen, refused);
    }
    ringer.RingBell(chosen, BellKind::Manual);
    if (!ringer.isPresent()) {
        return QStringLiteral("%1 could not be played on %2").arg(chosen, ringer.deviceDescription());
    }
    return {};
}

void BellStation::alarmEnded(const QString& text) {
    m_alarm.clear();
    const auto held = std::exchange(m_held, std::nullopt);
    keepAlarm();
    log.note(text);
    Q_EMIT alarmChanged(m_alarm);
    if (held && bells.isRunning()) {
        log.note(QStringLiteral("the bell of %1 (%2), held by the alarm signal, rings now")
                     .arg(QString::fromStdString(corvalin::today::minuteText(held->minute)), held->sound));
        log.setScheduledMinute(held->minute);
        m_ringingMinute = held->minute;
        ringer.RingBell(held->sound, BellKind::Scheduled);
    }
}
