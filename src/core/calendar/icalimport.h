// Reading holidays from an iCalendar file (.ics), the kind school authorities and calendar programs
// publish: every all-day event becomes a "no bells" exception labelled with its summary.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "engine/schedule/dateexceptions.h"

namespace corvalin::calendar {

// What one import may cost. A file that needs more is refused with the reason, so that no file,
// however written, can hold the program for long or fill its memory.
//
// More date exceptions than anyone keeps; a school's holidays are a few dozen a year.
inline constexpr int kMostImported = 20000;
// Steps of the repeat rules' iterators in all, each one or two microseconds. A rule without COUNT
// starts at the first of the 400 days looked at and takes one step a day, two when it fires
// several times a day (it then skips to the next day), so even a thousand events repeating every
// day stay below it; a rule with COUNT is followed from its first occurrence, and no school's
// holidays repeat that often. A rule that fires every second and cannot skip ahead reaches it in
// about two seconds.
inline constexpr long kMostRuleSteps = 1000000;
// Values given to libical: a line of a property the import reads, and each further value of it
// ("EXDATE:a,b" is two). libical keeps each in about 200 to 560 bytes (measured with libical
// 3.0.16), so this bounds the parsed file to about 220 MB; a school calendar of several years holds
// a few ten thousand. Properties the import never reads (DESCRIPTION, ATTENDEE, X-...) are not
// given to libical and cost nothing.
inline constexpr long kMostValues = 400000;
// RRULE lines, the largest values: about 3.2 KB each (measured), 32 MB for these.
inline constexpr int kMostRules = 10000;
// The longest line of a property the import reads, after unfolding: libical's time grows with the
// square of a line's parameters. A date list (EXDATE) of several thousand dates fits.
inline constexpr std::size_t kLongestLine = 65536;
// The longest label kept, as the calendar window's label box takes; longer summaries are cut.
inline constexpr int kLongestLabel = 200;
// How long an import may run before it is given up.
inline constexpr std::chrono::seconds kLongestImport{10};

struct IcsImport {
    // "no bells" exceptions in calendar order, without duplicates among them.
    std::vector<DateException> exceptions;
    int timedEvents = 0;  // events with a time of day: not holidays, left out
    // Left out for their dates: ended before today, or repeating with no occurrence in the days looked at.
    int outOfRange = 0;
    // Why the file was refused; empty when it was read. A refused file yields no exceptions.
    std::string error;
    // Stopped by `cancel`: nothing was read (`error` says so too).
    bool cancelled = false;
};

// Reads the file's text. An all-day event covers the days from its start up to the day before
// its end (one day when it has no end). A recurring event (RRULE, RDATE) gives one exception per
// occurrence that falls in the `days` days from `today` on, less its EXDATEs, its cancelled and
// its moved occurrences (a moved occurrence is an event of its own). Events that have ended before
// today and cancelled events are left out. A file that is not iCalendar, is cut short, or holds an
// event whose dates or rules cannot be read is refused as a whole; so is a file beyond the bounds
// above, or one still being read at `deadline`. Setting `*cancel` (when given) stops the import
// within a few milliseconds, from any thread.
IcsImport importIcs(std::string_view text, const Date& today, const std::atomic<bool>* cancel,
                    std::chrono::steady_clock::time_point deadline, int days = 400);

}  // namespace corvalin::calendar
