// The days that do not ring their own plan: what the bell service asks at each start (the school
// calendar answers it).
#pragma once

#include <QDate>
#include <optional>

#include "engine/schedule/dateexceptions.h"
#include "engine/schedule/settingsvalues.h"

class DayCalendar {
public:
    virtual ~DayCalendar() = default;

    // A day's bells as the calendar makes them.
    struct Day {
        std::optional<corvalin::calendar::DateException> exception;  // the deciding exception
        // The day's own schedule is replaced by this list ("No rings" for "no bells"). None when
        // no exception covers the day, or when its template cannot be read (the day then rings
        // its own bells, and the calendar says so).
        std::optional<corvalin::settings::TimeList> replacement;
    };
    virtual Day day(const QDate& date) = 0;

    // Template k's list (1 to 6), or none when it was never saved.
    virtual std::optional<corvalin::settings::TimeList> templet(int k) const = 0;

    // The exception that decides this day, if any.
    virtual std::optional<corvalin::calendar::DateException> exceptionOn(const QDate& day) const = 0;
};
