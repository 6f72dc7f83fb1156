// The bells' copy of the days they plan from (see StoredDays): what the school calendar decides
// for a day, answered from the last copy the settings' owner handed over, never from the files.
#pragma once

#include <QObject>
#include <QString>

#include "core/schedule/daycalendar.h"
#include "engine/schedule/storeddays.h"

class BellCalendar : public QObject, public DayCalendar {
    Q_OBJECT
public:
    using QObject::QObject;

    const corvalin::settings::StoredDays& days() const { return m_days; }
    void setDays(corvalin::settings::StoredDays days) { m_days = std::move(days); }

    std::optional<corvalin::calendar::DateException> exceptionOn(const QDate& day) const override;
    std::optional<corvalin::settings::TimeList> templet(int k) const override;
    // A template that was never saved leaves the day its own bells, and `problem` says so.
    Day day(const QDate& date) override;

Q_SIGNALS:
    void problem(const QString& text);

private:
    corvalin::settings::StoredDays m_days;
};
