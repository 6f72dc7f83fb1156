// The bell station: everything that decides and rings, on the bell thread. The bell service and
// its one-second clock, the ringer with the sound server behind it, the time client, the booked
// power-off, the calendar's day decisions and the ring log, tied together so that a bell needs
// nothing from the window: the day change, a clock step and a change of the calendar are handled
// here. The window sends its commands as queued calls to these members and shows what their
// signals report.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/programpaths.h"
#include "engine/schedule/alarmsignals.h"
#include "engine/schedule/bellsettings.h"
#include "core/bells/ringlog.h"
#include "core/bells/bellcalendar.h"
#include "core/bells/bellservice.h"
#include "core/bells/ringer.h"
#include "core/sound/soundlibrary.h"
#include "core/bells/timesync.h"
#include "core/bells/bellsstatus.h"

class BellOutput;
class Clock;
class Mixer;
class Power;
class CalendarFeeds;
class WebFetcher;
class SleepWatch;
class SystemClock;
class SecondTimer;
class QTimer;
class StateWriter;

class BellStation : public QObject {
    Q_OBJECT
    // The system clock as the time client sets it, so that a step it makes is known as this
    // program's own. Made before timeSync, which sets the clock through it.
    class ClockSetter;
    std::unique_ptr<ClockSetter> m_clockSetter;
    // The time the bells follow: the computer's clock moved by the building's offset. Made before
    // the bell service, which reads it.
    class BellTime;
    std::unique_ptr<BellTime> m_bellTime;

public:
    // With `liveTimers` off the clocks keep only their enabled state and tests call tick() and the
    // ringer's timer themselves.
    // The ports it rings, sets the clock and powers off through.
    struct Ports {
        Clock* clock = nullptr;
        BellOutput* bell = nullptr;
        Mixer* mixer = nullptr;
        SystemClock* systemClock = nullptr;
        Power* power = nullptr;
        SleepWatch* sleep = nullptr;  // none: sleep is not watched
    };

    BellStation(const Ports& ports, const ProgramPaths& paths, bool liveTimers, QObject* parent = nullptr);
    ~BellStation() override;

    // --- Commands ---
    // One tick of the bell clock (the clock calls it on every whole second). A step of the clock
    // that this program did not make is written to the ring log.
    void tick();
    // The settings the bells go by, as the settings' owner holds them (see BellsCore): each part
    // that changed since the last is applied (the card, mute, repeat, internet time, the offset,
    // the booked power-off, the alarm signals, the days); the modes and lists count at the next start.
    void setSettings(corvalin::settings::BellSettings settings);
    // The one start: the start rule on today's stored settings and the sound folder as it is now.
    // The reason the service did not start (written to the ring log with `logRefusal`), empty when
    // it started.
    QString start(bool logRefusal);
    // Starts the service with a plan the start rule made.
    void startService(const BellService::Plan& plan);
    // Stops the service and silences any bell.
    void stopService();
    // The days as the settings' owner now holds them (each day's list, the templates, the
    // calendar): the bells plan from these from now on. A running day that the calendar now
    // decides otherwise starts again, else the next bell is shown again.
    void setStoredDays(corvalin::settings::StoredDays days);
    // Every bell rings `seconds` after the computer's clock (before it when negative), as the
    // building's clocks show the time.
    void setBellOffset(int seconds);
    // "Internet time" on or off.
    void setTimeSyncEnabled(bool on);
    // The booked time has come.
    void PowerOffComputer();
    // The service goes on where a copy that rang before left off (see BellService::continueFrom):
    // a bell due since `decided` rings now, once.
    void continueFrom(qint64 decided);
    // --- Today's changes, kept in today.ini in the data folder for the day they are for ---
    // Makes `change` for today and says so in the ring log; the reason when it cannot be made
    // (empty when it was made). A bell can be skipped or moved only while the service runs.
    QString changeToday(corvalin::today::Change change);
    // Skips today's next bell; the reason when there is none.
    QString skipNextBell(const QString& by);
    // Undoes today's change at `index` (in the order they were made), or all of them with -1.
    QString undoToday(int index, const QString& by);
    // Reads today.ini again: a copy that takes the bells over goes on with the changes made before.
    void loadToday();
    // Today's changes, each said in a line, in the order they were made.
    QStringList todayChanges() const;

    // --- Alarm signals ---
    // The signals as the settings' owner holds them.
    void setAlarms(std::vector<corvalin::alarms::Signal> signals);
    // Sounds the alarm signal of that name (letter case aside) at once, in place of one that
    // sounds; the ring log says who started it. The reason when it cannot; empty when it sounds.
    QString startAlarm(const QString& name, const QString& by);
    // Ends the alarm signal that sounds; the reason when none does. A scheduled bell held while it
    // sounded rings now (the last one, once).
    QString stopAlarm(const QString& by);
    // The alarm signal that sounded when the copy that rang before ended (it crashed, was killed,
    // or handed the bells over) sounds again, and the bells it held wait for its end; the ring log
    // says so. Run once this copy holds the bells and knows the signals.
    void resumeAlarm();
    // Stops what sounds: the alarm signal when one does, else the bell. The reason when nothing
    // sounded; empty when something was stopped.
    QString stopBell(const QString& by);
    // Rings `sound` now, as the ring-now button does; with no sound, that of the next bell, or the
    // sound folder's first. The reason when it does not sound; empty when it does.
    QString ringNow(const QString& sound);
    // The name of the alarm signal that sounds; empty when none does.
    const QString& alarm() const { return m_alarm; }
    // Whether nothing sounds and no bell is due within `seconds`: the moment to change the set-up
    // under the bells. The reason when it is not; empty when it is.
    QString quietFor(int seconds) const;
    // The last bell rung (see LastBell); the ring log's last of today when none has rung since
    // this copy started.
    const LastBell& lastBell() const { return m_last; }
    // What the bells do now, read on this thread at the moment it is asked.
    BellsStatus status() const;

    // The bells go to another copy: the clock stops and the service with it; a bell that sounds
    // plays out. resumeClock() lets the clock run again. Nothing is written to the ring log: the
    // copy says what happened.
    void release();
    void resumeClock();
    // This copy ends: the bells are released, and the ring log says that they were handed over to
    // the copy with no window when one waits to take them (`copyWaits`), else that the bell
    // service stopped, when it ran.
    void end(bool copyWaits);
    // The sound folder as it is now, as the start rule reads it.
    corvalin::startrule::SoundFolder soundFolder() const;
    // The time the bells follow: the computer's clock moved by the offset.
    QDateTime now() const;
    // The computer is about to sleep: a bell made ready goes, the default card is unmuted and the
    // clock waits for the resume.
    void aboutToSleep();
    // The computer woke up: bells passed over by at most ten minutes ring now, once (the last of
    // them, unless the current minute has its own); older ones are written to the ring log as
    // missed. Nothing rung before the sleep rings again.
    void resumed();
    // The subscribed calendars' fetcher, on the web fetcher's worker; none without live timers (tests).
    CalendarFeeds* feeds() const { return m_feeds; }
    // The subscribed calendars, all fetched now (on the fetcher's thread).
    void refreshAllFeeds();
    // The sound folder's files, and for each why it is refused as a bell (empty when it is not).
    struct Sounds {
        QStringList files;
        QStringList refusals;
    };
    Sounds sounds() const;
    // The last minute whose bells this station decided (a minute key), or -1 before its first tick.
    qint64 decided() const { return m_decided; }

    SoundLibrary library;  // the sound folder: the program's one list of it
    Ringer ringer;
    BellService bells;
    RingLog log;
    TimeSync timeSync;
    BellCalendar calendar;  // the days as the settings' owner last handed them over
    SecondTimer* bellClock;

Q_SIGNALS:
    // The service stopped and started again by itself (a new day, a change of the calendar): the
    // window shows today on its day selector, as a start from the window does.
    void dayStartedAgain();
    // A minute's bells are decided: rung, or none due (a minute key, see BellService::minuteKey).
    // Only a started service decides, or the operator's stop: a clock that ticks before the
    // service has started (a copy starting up) decides nothing, so that a copy that ends then
    // leaves the minute to the next one.
    void minuteDecided(qint64 minuteKey);
    // The chosen card's name on the server, to be kept beside its position (see Ringer::cardNamed).
    void cardNamed(int index, const QString& name, const QString& description);
    // The sound folder's list changed (see sounds()).
    void soundsChanged(const QStringList& files, const QStringList& refusals);
    // Today's changes changed: each said in a line ("10:50 skipped today"), in the order they were
    // made (see BellService::todayListed for today's list itself).
    void todayChanged(const QStringList& changes);
    // An alarm signal began to sound, or ended (an empty name).
    void alarmChanged(const QString& name);
    // A bell rang: "10:50 school-bell.wav" (see lastRung()).
    void bellRung(const QString& what);
    // A subscribed calendar's copy changed: the settings' owner reads the calendar again and hands
    // its days over.
    void feedsUpdated();
    // A fetch of the subscribed calendars ended, well or not.
    void feedFetched();

private:
    // Stops the service and starts it again for today, as the start button would, from the plan
    // of the last start; a day that cannot start is reported, and the service stays stopped.
    void startDayAgain();
    // Stops the service; without `tell` a start follows at once (see BellService::stop).
    void stopService(bool tell);
    // The feeds' fetcher is handed the subscriptions and the calendar made by hand, as told.
    void tellFeeds(const corvalin::settings::BellSettings& settings);

    Power* m_power;
    Clock* m_clock;
    QString m_timeServer;
    QString m_todayFile;
    QString m_todayUnread;  // why today.ini was not read, as said in the ring log
    // Writes today's changes, or removes the file when there are none, on the writer's thread:
    // the bell thread never waits for the disk, and of a burst of changes only the last is written.
    void saveToday(const corvalin::today::Changes& changes);
    // A day bell of today rings at `minute` as the day stands (planned, moved there or added; not
    // skipped): one that can be skipped or moved.
    bool bellTodayAt(int minute) const;
    void tellToday();
    // The alarm signal has ended, however: the held bell rings.
    void alarmEnded(const QString& text);
    // Sounds `signal` in place of what sounds; the reason when it cannot.
    QString soundAlarm(const corvalin::alarms::Signal& signal, const QString& by, const QString& started);
    // Writes what sounds (and the bell it holds) to alarm.state, or removes it when nothing does.
    void keepAlarm();
    std::optional<corvalin::settings::BellSettings> m_settings;  // as last set
    QString m_alarmFile;
    QString m_alarmStarted;  // when the signal that sounds was started, and by whom
    QString m_alarmBy;
    std::vector<corvalin::alarms::Signal> m_alarms;
    QString m_alarm;  // the signal that sounds
    struct Held {
        QString sound;
        int minute = -1;
    };
    std::optional<Held> m_held;  // the last scheduled bell due while the alarm sounded
    LastBell m_last;
    int m_ringingMinute = -1;  // the minute of the scheduled bell handed to the ringer last
    QDate m_toldTodayFor;      // the bells' date when today's changes were last told
    QString m_tableProblem;  // the bells of today that do not fit in the ring table, as last said
    bool m_serverAway = false;
    qint64 m_decided = -1;
    bool m_deciding = false;  // the service was started, or stopped by the operator, since the bells were taken
    SleepWatch* m_sleep;
    bool m_asleep = false;
    bool m_clockWasOn = true;
    qint64 m_sleptAfter = -1;  // the last minute decided before the sleep
    QTimer* m_wakeBackstop;   // the clock runs again should the resume never be announced
    std::shared_ptr<WebFetcher> m_fetcher;
    StateWriter* m_writer;  // today.ini and alarm.state, off the bell thread
    CalendarFeeds* m_feeds = nullptr;
};
