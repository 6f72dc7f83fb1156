// The calendar window: a month view with the exception days marked, the list of exceptions,
// adding, changing and deleting them, importing holidays from an iCalendar file, and subscribing to
// calendars on the web, whose days follow the hand-made ones in the list, marked as subscribed.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "core/calendar/schoolcalendar.h"
#include "engine/schedule/dateexceptions.h"

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTreeWidget;
class QPushButton;
class Clock;
class Dialogs;

class CalendarWindow : public QDialog {
    Q_OBJECT
public:
    CalendarWindow(SchoolCalendar* calendar, Dialogs* dialogs, Clock* clock, QWidget* parent = nullptr);
    ~CalendarWindow() override;

    QCalendarWidget* monthView;
    // Days, what, label: one row per exception, in calendar order, then one per subscribed day.
    QTreeWidget* exceptionList;
    // Label, address, state: one row per subscription, whether or not its feed was ever fetched.
    QTreeWidget* subscriptionList;
    QDateEdit* firstDay;
    QDateEdit* lastDay;
    QComboBox* what;  // "no bells", "ring templet 1" .. "ring templet 6": the index is the file's value
    QLineEdit* label;
    QPushButton* addException;
    QPushButton* changeException;
    QPushButton* deleteException;
    QPushButton* importIcs;
    QPushButton* subscribeFeed;
    QPushButton* refreshFeeds;
    QPushButton* unsubscribeFeed;
    QPushButton* closeCalendar;

    void addException_Click();
    void changeException_Click();
    void deleteException_Click();
    void importIcs_Click();
    void subscribeFeed_Click();
    // Ends the subscription chosen in the subscription list, after a question.
    void unsubscribeFeed_Click();
    // The subscriptions and their states again (after a fetch).
    void showSubscriptions();
    // Subscribes to the feed at `address`: refused with a message, or added and fetched.
    void subscribe(const QString& address, const QString& label);
    // A list line was chosen: its exception fills the editors and the month view turns to it.
    void exceptionList_Change(int row);
    // A day was clicked (or chosen with Enter): the exception that decides it is chosen, or the
    // editors take the day.
    void monthView_Click(const QDate& day);

    // Imports the file: refused with a message, or its list shown and added when the operator says so.
    // Returns at once: the file is read on a worker, a busy box with Cancel ("importProgress") shows
    // after a moment, and the rest follows when the worker is done (importEnded). One import runs at
    // a time; a cancelled one, or one whose window was closed meanwhile, changes nothing.
    void importFile(const QString& path);

    // The list row chosen, -1 for none; choosing -1 clears the choice.
    int selectedRow() const;
    void selectRow(int row);

    // An exception's action ("no bells", "ring templet 3"), days ("2026-12-24 to 2027-01-06") and
    // label with action, as shown: in the operator's language, the same as the calendar's own
    // texts without a translation.
    static QString actionShown(int what);
    static QString daysShown(const corvalin::calendar::DateException& exception);
    static QString summaryShown(const corvalin::calendar::DateException& exception);

Q_SIGNALS:
    // A subscription was added: its feed is to be fetched now.
    void subscribed(const QString& address);
    // "Refresh": every feed is to be fetched now.
    void refreshRequested();
    // An import is over: added, refused, cancelled, or with nothing to add.
    void importEnded();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void showExceptions();
    void endSubscription(std::size_t index);
    // The row's subscribed day, for a row after the hand-made ones.
    const SchoolCalendar::Subscribed* subscribedRow(int row) const;
    void markMonth(int year, int month);
    std::optional<corvalin::calendar::DateException> exceptionOnScreen();

    SchoolCalendar* m_calendar;
    Dialogs* m_dialogs;
    Clock* m_clock;
    struct Import;
    // The file was read (or the import stopped): what it found is shown, and added if wanted.
    void importRead(Import& job);
    std::shared_ptr<Import> m_import;  // the one that runs, if any
};
