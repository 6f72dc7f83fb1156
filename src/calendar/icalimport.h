// Reading holidays from an iCalendar file (.ics), the kind school authorities and calendar programs
// publish: every all-day event becomes a "no bells" exception labelled with its summary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schedule/dateexceptions.h"

namespace corvalin::calendar {

struct IcsImport {
    // "no bells" exceptions in calendar order, without duplicates among them.
    std::vector<DateException> exceptions;
    int timedEvents = 0;  // events with a time of day: not holidays, left out
    // Left out for their dates: ended before today, or repeating with no occurrence in the days looked at.
    int outOfRange = 0;
    // Why the file was refused; empty when it was read. A refused file yields no exceptions.
    std::string error;
};

// Reads the file's text. An all-day event covers the days from its start up to the day before
// its end (one day when it has no end). A recurring event (RRULE, RDATE) gives one exception per
// occurrence that falls in the `days` days from `today` on, less its EXDATEs, its cancelled and
// its moved occurrences (a moved occurrence is an event of its own). Events that have ended before
// today and cancelled events are left out. A file that is not iCalendar, is cut short, or holds an
// event whose dates or rules cannot be read is refused as a whole.
IcsImport importIcs(std::string_view text, const Date& today, int days = 400);

}  // namespace corvalin::calendar
