// The bell service.
#include "core/bells/bellservice.h"

#include "core/ports/clock.h"
#include "core/calendar/schoolcalendar.h"
#include "engine/schedule/clocktext.h"

#include <algorithm>
#include <memory>
#include <span>

namespace rt = corvalin::ringtable;

BellService::BellService(Clock* clock, QObject* parent) : QObject(parent), m_clock(clock) {
    reset();
}

namespace {

// The local time as the tick reads it, with its UTC offset, so that a daylight-saving change is
// told from a clock step.
corvalin::clock::TickTime tickTime(const QDateTime& t) {
    return {t.time().hour(), t.time().minute(), t.time().second(), t.date().day(), t.offsetFromUtc() / 60};
}

// The minute of the day of every slot that rings.
std::span<const int> ringingMinutes(const rt::RingTable& table) {
    return {table.minutes.data(), static_cast<std::size_t>(std::clamp(table.bellCount, 0, rt::kSlots))};
}

}  // namespace

void BellService::reset() {
    m_tick = corvalin::clock::startState(tickTime(m_clock->now()));
    m_reading.reset();
}

void BellService::markStartAttempt() {
    const corvalin::clock::TickState before = m_tick;
    m_tick = corvalin::clock::startState(tickTime(m_clock->now()));
    m_tick.minutePending = before.minutePending;
    // No minute rings twice in a day: after the bells' clock went back (a step of the clock, a
    // larger offset) the minutes handled before the start stay handled, as the tick keeps them.
    if (before.lastDay == m_tick.lastDay && before.handledUpTo > m_tick.handledUpTo &&
        before.handledUpTo - m_tick.handledUpTo <= corvalin::clock::kStepMinutes) {
        m_tick.handledUpTo = before.handledUpTo;
        m_tick.handledOffset = before.handledOffset;
    }
}

void BellService::setIntervalBounds(int startMinute, int endMinute) {
    m_startMinute = startMinute;
    m_endMinute = endMinute;
}

void BellService::start(const Plan& given) {
    m_plan = given;
    Plan plan = given;
    m_exception.reset();
    if (m_calendar) {
        const QDate today = m_clock->now().date();
        const DayCalendar::Day day = m_calendar->day(today);
        m_exception = day.exception;
        if (day.replacement) {
            plan.interval = false;
            plan.entries = day.replacement->entries;
            plan.noBell = day.replacement->noBell;
            const QString text =
                QStringLiteral("calendar: %1 (%2) for %3")
                    .arg(QString::fromStdString(corvalin::calendar::summaryText(*day.exception)),
                         QString::fromStdString(corvalin::calendar::daysText(*day.exception)),
                         today.toString(Qt::ISODate));
            if (text != m_lastApplied) {
                m_lastApplied = text;
                Q_EMIT exceptionApplied(text);
            }
        }
    }
    const bool changed = changesAreForToday();
    if (const auto day = changed ? corvalin::today::dayChange(m_today) : std::nullopt) {
        // The operator's change for today comes before the calendar's.
        std::optional<corvalin::settings::TimeList> list;
        if (day->kind == corvalin::today::Kind::NoBells) {
            list = corvalin::settings::TimeList{true, {}};
        } else if (m_calendar) {
            list = m_calendar->templet(day->templet);
        }
        if (list) {
            plan.interval = false;
            plan.entries = list->entries;
            plan.noBell = list->noBell;
        }
    }
    m_applyWeek = plan.applyWeek;
    // Tomorrow rings the week's list, not today's changes nor the calendar's day: after the day's
    // last bell, "Apply week" shows the first bell of the list as planned.
    m_weekFirst.reset();
    if (plan.applyWeek) {
        const auto week = std::make_unique<rt::RingTable>();  // some 70 KB: not on the stack
        if (given.interval) {
            rt::buildIntervalTable(given.intervalPlan, *week);
        } else {
            rt::buildManualTable(given.entries, given.noBell, *week);
        }
        m_weekFirst = rt::firstRing(*week);
    }
    bool fits = true;
    if (plan.interval) {
        setIntervalBounds(plan.intervalPlan.startMinute, plan.intervalPlan.endMinute);
        fits = rt::buildIntervalTable(plan.intervalPlan, m_table);
    } else {
        fits = rt::buildManualTable(plan.entries, plan.noBell, m_table);
    }
    QStringList unrung;
    if (!fits) {
        unrung << QStringLiteral("the day's list holds %1 bells and a day rings at most %2: the bells after the "
                                 "first %2 do not ring")
                      .arg(plan.interval ? QStringLiteral("more than %1").arg(rt::kSlots)
                                         : QString::number(plan.entries.size()))
                      .arg(rt::kSlots);
    }
    if (changed) {
        for (const auto& left : corvalin::today::applyToTable(m_today, m_table)) {
            unrung << QStringLiteral("%1 does not ring: the day holds %2 bells already")
                          .arg(QString::fromStdString(corvalin::today::describe(left)))
                          .arg(rt::kSlots);
        }
    }
    Q_EMIT tableProblem(unrung.join(QStringLiteral("; ")));
    m_running = true;
    ShowNextBell();
    tellRunning();
    Q_EMIT started(todayBells());
    QList<int> minutes;
    QStringList marks;
    QStringList sounds;
    for (const auto& line : todayLines()) {
        minutes.append(line.minute);
        marks.append(QString::fromStdString(line.mark));
        sounds.append(QString::fromStdString(line.sound));
    }
    Q_EMIT todayListed(minutes, marks, sounds);
}

void BellService::setTodayChanges(corvalin::today::Changes changes) {
    m_today = std::move(changes);
    if (m_running) {
        // Nothing of the running minute rings again: the tick's state is kept.
        dropAhead();
        start(m_plan);
    }
}

bool BellService::changesAreForToday() const {
    return m_today.date == corvalin::calendar::fromQDate(m_clock->now().date());
}

std::vector<corvalin::today::Line> BellService::todayLines() const {
    if (!m_running) {
        return {};
    }
    return corvalin::today::todayLines(m_table, changesAreForToday() ? m_today : corvalin::today::Changes{});
}

void BellService::stop(bool tell) {
    dropAhead();
    m_running = false;
    m_next = {};
    if (tell) {
        tellNextRing();
        tellRunning();
    }
}

void BellService::tellRunning() {
    if (m_running != m_toldRunning) {
        m_toldRunning = m_running;
        Q_EMIT runningChanged(m_running);
    }
    tellNextRing();
}

std::optional<rt::Ring> BellService::nextRing() const {
    if (!m_running) {
        return std::nullopt;
    }
    const QTime t = m_clock->now().time();
    return rt::nextRing(m_table, t.hour() * 60 + t.minute());
}

void BellService::tellNextRing() {
    const auto ring = nextRing();
    if (ring != m_toldRing) {
        m_toldRing = ring;
        Q_EMIT nextRingChanged(ring ? ring->minute : -1, ring ? QString::fromStdString(ring->sound) : QString());
    }
}

void BellService::ShowNextBell() {
    const QDateTime now = m_clock->now();
    const QTime t = now.time();
    // "Apply week" shows the list's first bell after the day's last one, as tomorrow rings the same
    // list; not when today or tomorrow is a day of the calendar.
    const bool wrap = m_applyWeek && !m_exception && !(m_calendar && m_calendar->exceptionOn(now.date().addDays(1)));
    m_next = rt::nextBell(m_table, t.hour() * 60 + t.minute(), wrap ? m_weekFirst : std::nullopt);
    Q_EMIT nextBellChanged(m_next.minute, QString::fromStdString(m_next.sound));
    if (m_running) {
        tellNextRing();
    }
}

QStringList BellService::todayBells() const {
    QStringList lines;
    for (const auto& line : rt::todayBellsLines(m_table)) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

void BellService::acceptClock() {
    m_reading = corvalin::clock::ClockReading{m_clock->now().toMSecsSinceEpoch(), m_clock->steadyMs()};
}

bool BellService::tick() {
    const QDateTime now = m_clock->now();
    // A step of the clock, by this program or by anyone else, is seen here within a second: the
    // wall clock against the steady one. The minutes it passed over are decided below.
    const corvalin::clock::ClockReading reading{now.toMSecsSinceEpoch(), m_clock->steadyMs()};
    const auto step = m_reading ? corvalin::clock::clockStep(*m_reading, reading) : std::nullopt;
    m_reading = reading;
    if (step) {
        dropAhead();  // a bell made ready was for a minute that has not come as planned
        Q_EMIT clockStepped(now.addMSecs(-*step), now);
    }
    corvalin::clock::TickInput input;
    input.now = tickTime(now);
    input.serviceRunning = m_running;
    input.bellMinutes = ringingMinutes(m_table);
    if (m_booking.on) {
        input.powerOffMinute = m_booking.hour * 60 + m_booking.minute;
    }
    input.timeSync = m_timeSync;
    const auto decision = corvalin::clock::decideTick(m_tick, input);
    m_tick = decision.next;

    if (decision.powerOff) {
        Q_EMIT powerOffDue();
    }
    // A minute's notice of the booked power-off, once; nothing waits for an answer.
    const int nowMinute = now.time().hour() * 60 + now.time().minute();
    const qint64 warnedAt = now.date().toJulianDay() * 1440 + nowMinute;
    if (m_booking.on && (nowMinute + 1) % 1440 == m_booking.hour * 60 + m_booking.minute &&
        m_warnedAt != warnedAt) {
        m_warnedAt = warnedAt;
        Q_EMIT powerOffSoon(QStringLiteral("%1:%2")
                                .arg(m_booking.hour, 2, 10, QLatin1Char('0'))
                                .arg(m_booking.minute, 2, 10, QLatin1Char('0')));
    }
    if (decision.newDay) {
        Q_EMIT newDay();
        corvalin::clock::afterNewDay(m_tick);
        return false;
    }
    if (decision.ringMinute && m_table.bellCount > 0) {
        const int minuteOfDay = *decision.ringMinute;
        // Of the slots of one minute (a bell and a pre-bell alarm that fall together, a bell added
        // by hand to today.ini on a minute that rings) each would stop the one before at once: only
        // the last one sounds, so only it is rung, logged and told.
        const auto due = corvalin::clock::dueSlots(m_table.minutes, m_table.bellCount, minuteOfDay);
        if (!due.empty()) {
            Q_EMIT ring(QString::fromStdString(m_table.sounds[static_cast<std::size_t>(due.back())]), minuteOfDay);
            if (!m_running) {
                Q_EMIT silenceNow();
            } else {
                ShowNextBell();
            }
        }
    }
    if (decision.sync) {
        Q_EMIT syncDue();
    }
    lookAhead(now);
    return true;
}

void BellService::lookAhead(const QDateTime& now) {
    const int second = now.time().second();
    if (!m_running || second < 60 - kAheadSeconds) {
        dropAhead();
        return;
    }
    if (m_aheadLooked) {
        return;
    }
    m_aheadLooked = true;
    // What the tick would decide on the coming minute's first second, from the state it has now.
    corvalin::clock::TickInput input;
    input.now = tickTime(now.addSecs(60 - second));
    input.now.second = 0;
    input.serviceRunning = true;
    input.bellMinutes = ringingMinutes(m_table);
    const auto decision = corvalin::clock::decideTick(m_tick, input);
    if (decision.newDay || !decision.ringMinute || m_table.bellCount <= 0) {
        return;  // a new day builds its own table first
    }
    const auto due = corvalin::clock::dueSlots(m_table.minutes, m_table.bellCount, *decision.ringMinute);
    if (due.empty()) {
        return;
    }
    // The bells of one minute ring one after another; the last one is what sounds.
    m_aheadAnnounced = true;
    Q_EMIT bellAhead(QString::fromStdString(m_table.sounds[static_cast<std::size_t>(due.back())]));
}

void BellService::dropAhead() {
    m_aheadLooked = false;
    if (m_aheadAnnounced) {
        m_aheadAnnounced = false;
        Q_EMIT bellAheadDropped();
    }
}

qint64 BellService::minuteKey(const QDateTime& t) {
    return t.date().toJulianDay() * 1440 + t.time().hour() * 60 + t.time().minute();
}

void BellService::continueFrom(qint64 decided) {
    const QDateTime now = m_clock->now();
    const qint64 behind = minuteKey(now) - decided;
    if (decided < 0 || behind == 0 || behind > corvalin::clock::kStepMinutes ||
        decided / 1440 != now.date().toJulianDay()) {
        return;
    }
    const int minuteOfDay = static_cast<int>(decided % 1440);
    if (behind < 0) {
        // The bells' clock is behind the minute decided there (a larger offset, a step back): the
        // minutes up to it are decided, and the tick rings none of them again (a step back of
        // more than kStepMinutes starts the day's count again, as the tick's rule says).
        m_tick.handledUpTo = std::max(m_tick.handledUpTo, minuteOfDay);
        m_tick.handledOffset = tickTime(now).utcOffset;
        return;
    }
    m_tick.lastMinute = minuteOfDay % 60;
    m_tick.lastTick = minuteOfDay;
    m_tick.handledUpTo = minuteOfDay;
    m_tick.minutePending = 0;
    // Within those few minutes the offset from UTC is taken as now's.
    m_tick.lastOffset = tickTime(now).utcOffset;
    m_tick.handledOffset = m_tick.lastOffset;
}
