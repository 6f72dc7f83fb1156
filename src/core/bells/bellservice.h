// The bell service: today's ring table, whether the service runs, and the per-second work of
// the bell clock (new minute, booked power-off, day change, the bells that are due, the time
// synchronisation seconds). It reports what must be shown and what must happen by signals.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/schedule/dateexceptions.h"
#include "core/schedule/daycalendar.h"
#include "engine/schedule/nextbell.h"
#include "engine/schedule/ringtable.h"
#include "engine/schedule/startrule.h"
#include "engine/schedule/ticklogic.h"
#include "engine/schedule/todaychanges.h"

class Clock;

class BellService : public QObject {
    Q_OBJECT
public:
    // What a start rings: a day generated from the interval settings, or a time list.
    using Plan = corvalin::startrule::Plan;

    explicit BellService(Clock* clock, QObject* parent = nullptr);

    // Start-up: the clock takes the current minute and day as seen.
    void reset();

    // A start is under way: the minute in which it happens is never rung, and the day change is
    // counted from today. Runs before the start's checks, whatever they decide.
    void markStartAttempt();
    // The minute of `t` as one number that grows by one each minute of local time, the same in
    // every copy of the program: the day (Julian day number) and the minute of the day.
    static qint64 minuteKey(const QDateTime& t);
    // The service has just started where another copy (or this one, before a sleep or a reload)
    // left off: `decided` is the last minute whose bells were decided there. Minutes after it,
    // up to the clock-step limit and on the same day, count as passed over, so that the next tick
    // rings the last bell among them unless the current minute has its own; without such a minute
    // the start minute counts as handled, as for any start.
    void continueFrom(qint64 decided);

    // The interval start and end as minute of the day, once they passed their own checks.
    void setIntervalBounds(int startMinute, int endMinute);

    // The calendar whose exceptions replace a day's plan; none rings every day by its plan.
    void setCalendar(DayCalendar* calendar) { m_calendar = calendar; }

    // Builds today's table from the plan and runs the service. Emits nextBellChanged and
    // runningChanged. An exception of the calendar that covers today replaces the plan: no bells,
    // or the template's time list with its sounds.
    void start(const Plan& plan);
    // The plan of the last start, as given (before the calendar changed anything).
    const Plan& plan() const { return m_plan; }
    // Today's changes (see todaychanges.h): a start on their date follows them, before the
    // calendar; a running day is built again with them at once. Those of another date count for
    // nothing.
    void setTodayChanges(corvalin::today::Changes changes);
    const corvalin::today::Changes& todayChanges() const { return m_today; }
    // Whether the changes are for the day the clock shows.
    bool changesAreForToday() const;
    // The lines of "Today Bells" with what today's changes did to each.
    std::vector<corvalin::today::Line> todayLines() const;
    // Stops the service; the table is kept until the next start. A stop that a start follows at
    // once (a new day, changed settings) does not `tell` that the service stopped: runningChanged
    // and nextRingChanged say only what changed from before the stop to after the start, and
    // tellRunning() says it when the start was refused.
    void stop(bool tell = true);
    void tellRunning();

    // One tick of the bell clock; reads the clock afresh. False when the tick ended at a day
    // change (the service was restarted for the new day and nothing else of the tick is done).
    bool tick();
    // Takes the clock as it reads now as what the next tick compares with: a step since the last
    // tick is no news (this program set the clock and says so itself, or the computer slept).
    void acceptClock();

    // The booked power-off, checked on the first tick of each minute whether or not the service runs.
    struct PowerOffBooking {
        bool on = false;
        int hour = 0;
        int minute = 5;
    };
    void setPowerOffBooking(bool on, int hour, int minute) { m_booking = {on, hour, minute}; }
    const PowerOffBooking& powerOffBooking() const { return m_booking; }
    // "Internet time": a synchronisation is asked for at seconds 3, 9, ... 57.
    void setTimeSyncEnabled(bool on) { m_timeSync = on; }
    bool timeSyncEnabled() const { return m_timeSync; }

    // Shows the next bell again (after a start, a ring, the clock being set, or a change of the
    // calendar). After the day's last bell "Apply week" shows the list's first bell, unless today or
    // tomorrow is a day of the calendar.
    void ShowNextBell();

    bool isRunning() const { return m_running; }
    int serviceRunning() const { return m_running ? 1 : 0; }
    const corvalin::ringtable::RingTable& ringTable() const { return m_table; }
    int bellCount() const { return m_table.bellCount; }
    int dayBellCount() const { return m_table.dayBellCount; }
    int lastMinute() const { return m_tick.lastMinute; }
    int lastDay() const { return m_tick.lastDay; }
    int minutePending() const { return m_tick.minutePending; }
    int startMinute() const { return m_startMinute; }
    int endMinute() const { return m_endMinute; }
    // The "Today Bells" lines of the running day, in ascending order.
    QStringList todayBells() const;
    // The calendar's exception that decided the running day, if any.
    const std::optional<corvalin::calendar::DateException>& dayException() const { return m_exception; }
    // The last next bell shown: empty texts until the first start and after a stop.
    const corvalin::ringtable::NextBell& nextBell() const { return m_next; }
    // The next bell that really rings today, as the clock reads now; none when none is left today
    // or the service is stopped. Skip-next, the status and nextRingChanged follow this one rule.
    std::optional<corvalin::ringtable::Ring> nextRing() const;

Q_SIGNALS:
    void runningChanged(bool running);
    // The service started: the "Today Bells" lines of the day it rings.
    void started(const QStringList& todayBells);
    // The minutes of the day of the same lines with what today's changes made of each ("skipped",
    // "moved from 10:50", "added", or empty), after every start.
    void todayListed(const QList<int>& minutes, const QStringList& marks, const QStringList& sounds);
    // The next bell as shown: its minute of the day, -1 for none left ("NEXT DAY"), and its sound.
    void nextBellChanged(int minuteOfDay, const QString& sound);
    // The next bell that really rings today changed (see nextRing()): its minute of the day and
    // sound, or -1 and no sound for none. Once per change.
    void nextRingChanged(int minuteOfDay, const QString& sound);
    // After every start: which bells of the day do not fit in the ring table and do not ring, or
    // empty when every one does.
    void tableProblem(const QString& text);
    // A scheduled bell of `minuteOfDay` is due (the minute now, or one that a step of the clock
    // passed over); the ringer rings it before the next slot is looked at.
    void ring(const QString& sound, int minuteOfDay);
    // The service stopped while its bells were being rung: silence what was just rung.
    void silenceNow();
    // A new day has come while the service runs: stop it and start it again for the new day.
    void newDay();
    // A start built the day from a calendar exception; said once a day for each exception.
    void exceptionApplied(const QString& text);
    void powerOffDue();
    // The booked power-off comes in a minute, at hh:mm.
    void powerOffSoon(const QString& at);
    void syncDue();
    // The tick found the clock stepped since the tick before, by more than it could have run on:
    // the time it would show now without the step, and the time it shows.
    void clockStepped(const QDateTime& from, const QDateTime& to);
    // Two seconds before a minute whose bell the tick will ring if the clock runs on as it does:
    // the sound that will ring, so that it can be made ready to start on the minute itself. Only a
    // ring() makes it sound.
    void bellAhead(const QString& sound);
    // The bell announced by bellAhead() is not wanted any more (its minute began, the service
    // stopped, the clock was set).
    void bellAheadDropped();

private:
    // Seconds before the minute at which its bell is announced.
    static constexpr int kAheadSeconds = 2;

    void lookAhead(const QDateTime& now);
    // Says the next ring when it changed since it was last said.
    void tellNextRing();
    void dropAhead();

    Clock* m_clock;
    DayCalendar* m_calendar = nullptr;
    Plan m_plan;
    corvalin::today::Changes m_today;
    std::optional<corvalin::calendar::DateException> m_exception;
    QString m_lastApplied;  // the date and text of the last exceptionApplied
    corvalin::ringtable::RingTable m_table;
    corvalin::clock::TickState m_tick;
    std::optional<corvalin::clock::ClockReading> m_reading;  // the clocks at the last tick
    corvalin::ringtable::NextBell m_next;
    // Tomorrow's first bell when tomorrow rings as the plan says (for "Apply week"); none else.
    std::optional<corvalin::ringtable::Ring> m_weekFirst;
    std::optional<corvalin::ringtable::Ring> m_toldRing;  // as nextRingChanged last said
    bool m_running = false;
    bool m_toldRunning = false;  // as runningChanged last said
    bool m_applyWeek = true;
    int m_startMinute = 0;
    int m_endMinute = 0;
    PowerOffBooking m_booking;
    bool m_timeSync = false;
    qint64 m_warnedAt = -1;      // the minute (day and minute) whose power-off warning was given
    bool m_aheadLooked = false;  // the coming minute has been looked at
    bool m_aheadAnnounced = false;
};
