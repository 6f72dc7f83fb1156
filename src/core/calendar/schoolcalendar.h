// The school calendar: the date exceptions the operator keeps (holidays, exam days), held in
// memory and stored in data/calendar.ini at every change, the days without bells of the calendars
// subscribed to (kept apart, see subscriptions.h), and what they make of a day's bells. An
// exception made by hand decides a day before any subscribed one.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "core/calendar/subscriptions.h"
#include "engine/schedule/dateexceptions.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/schedule/storeddays.h"

class SettingsStore;

class SchoolCalendar : public QObject {
    Q_OBJECT
public:
    explicit SchoolCalendar(SettingsStore* store, QObject* parent = nullptr);

    // Reads data/calendar.ini, the subscriptions and the last good copies of their feeds; a missing
    // file is an empty calendar, invalid lines are left out and reported by the store.
    void load();

    // In calendar order.
    const std::vector<corvalin::calendar::DateException>& exceptions() const { return m_exceptions; }

    // A day without bells from a subscribed calendar, with its subscription's label.
    struct Subscribed {
        QString subscription;
        corvalin::calendar::DateException exception;
    };
    const std::vector<Subscribed>& subscribed() const { return m_subscribed; }
    const std::vector<Subscription>& subscriptions() const { return m_subscriptions; }
    // Adds a subscription (its days come with the first fetch); the reason when it cannot be
    // added: not a web address, subscribed already, or not saved.
    QString subscribe(const QString& address, const QString& label);
    // The state of the subscription at `index`: its copy and the last failed fetch (feedStateText),
    // and the school days it silences that the hand-made calendar does not.
    QString subscriptionState(std::size_t index) const;
    // Ends the subscription at `index` and drops its copy.
    bool unsubscribe(std::size_t index);

    // The exception that decides `day`, if any.
    std::optional<corvalin::calendar::DateException> exceptionOn(const QDate& day) const;
    // The subscribed calendars' days as they decide a day, each labelled with its event and its
    // subscription, in calendar order.
    const std::vector<corvalin::calendar::DateException>& subscribedDays() const { return m_subscribedDays; }

    // Each change is stored at once and announced by `changed`. A duplicate of an exception already
    // in the calendar (same days, same action) or an exception that is not valid (see
    // calendar::isValid) is not added: false, and nothing changes.
    bool add(const corvalin::calendar::DateException& exception);
    // Replaces the exception at `index`; false when there is none or the result would duplicate
    // another one.
    bool change(std::size_t index, const corvalin::calendar::DateException& exception);
    bool remove(std::size_t index);
    // Adds those that are valid and not duplicates (of the calendar or of each other); how many were
    // added.
    int addAll(const std::vector<corvalin::calendar::DateException>& exceptions);

Q_SIGNALS:
    void changed();
    void problem(const QString& text);

private:
    void store();
    void loadSubscribed();
    // What each subscription's days silence, against the hand-made exceptions as they are now.
    void judgeSilences();

    SettingsStore* m_store;
    std::vector<corvalin::calendar::DateException> m_exceptions;
    std::vector<Subscription> m_subscriptions;
    std::vector<Subscribed> m_subscribed;   // in calendar order
    // The same, for the deciding rule, each labelled with its event and its subscription so that
    // whatever tells the day (the ring log's day note, the main window) names both.
    std::vector<corvalin::calendar::DateException> m_subscribedDays;
    std::vector<std::size_t> m_subscribedFrom;  // for each subscribed day, its subscription's index
    std::vector<QString> m_silences;  // per subscription: the school days its feed silences, as said
};

// What the bells plan days from, as `store` and `calendar` hold them now.
corvalin::settings::StoredDays storedDays(SettingsStore& store, const SchoolCalendar& calendar);

namespace corvalin::calendar {
// QDate and the calendar's dates.
Date fromQDate(const QDate& date);
QDate toQDate(const Date& date);
// A label as the file keeps it: one line, control characters turned into blanks.
std::string cleanLabel(const QString& text);

// The school days (Monday to Friday) a subscribed calendar keeps without bells and the hand-made
// calendar leaves alone (an exception made by hand decides a day before a subscribed one), looked
// at over `days` days from `from` on.
struct FeedSilence {
    int schoolDays = 0;
    int longestRun = 0;  // the most of them in a row; a weekend between two does not end a run
    QDate runFirst;      // that run's first and last school day
    QDate runLast;
    QString runEvent;    // the label of the feed's day that decides its first day
};
FeedSilence feedSilence(std::span<const DateException> feed, std::span<const DateException> handMade,
                        const QDate& from, int days = 400);
// The label of the feed's day that keeps `day` without bells, when it is a school day the
// hand-made calendar leaves alone; none otherwise.
std::optional<QString> silencedBy(std::span<const DateException> feed, std::span<const DateException> handMade,
                                  const QDate& day);
// "silences 12 school days (5 in a row from 2026-12-07)", or empty when it silences none.
QString silenceText(const FeedSilence& silence);
}  // namespace corvalin::calendar
