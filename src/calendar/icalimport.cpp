// iCalendar files read with libical.
#include "calendar/icalimport.h"

#include <libical/ical.h>

#include <QString>
#include <algorithm>
#include <memory>
#include <set>

#include "calendar/schoolcalendar.h"

namespace corvalin::calendar {

namespace {

using std::chrono::days;
using std::chrono::sys_days;

// Guards against rules that would run for ever (a daily rule from long ago is a few ten thousand).
constexpr int kMaxOccurrences = 200000;

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct IteratorFree {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};

// The calendar date of a date or date-time value as written (no time-zone conversion: an all-day
// event's days are the same everywhere). None for a null value or a day that does not exist.
std::optional<Date> dateOf(const icaltimetype& t) {
    if (icaltime_is_null_time(t)) {
        return std::nullopt;
    }
    const Date date{std::chrono::year(t.year), std::chrono::month(static_cast<unsigned>(t.month)),
                    std::chrono::day(static_cast<unsigned>(t.day))};
    if (t.year < 1 || t.month < 1 || t.day < 1 || !date.ok()) {
        return std::nullopt;
    }
    return date;
}

// A summary as a label: one line of clean text.
std::string labelOf(const char* summary) {
    return summary ? cleanLabel(QString::fromUtf8(summary)) : std::string();
}

std::string quoted(const std::string& label) {
    return label.empty() ? std::string("(no summary)") : '"' + label + '"';
}

// The first parse error libical noted in an event, if any.
std::optional<std::string> eventError(icalcomponent* event) {
    if (icalcomponent_count_errors(event) == 0) {
        return std::nullopt;
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_XLICERROR_PROPERTY)) {
        if (const char* text = icalproperty_get_xlicerror(p)) {
            return QString::fromUtf8(text).simplified().toStdString();
        }
    }
    return std::string("a part of it cannot be read");
}

struct Occurrences {
    std::set<sys_days> starts;
    std::string error;
};

// The start days of a recurring event's occurrences up to (not including) `end`.
Occurrences expand(icalcomponent* event, const icaltimetype& start, sys_days end) {
    Occurrences result;
    const auto first = dateOf(start);
    result.starts.insert(sys_days(*first));
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        std::unique_ptr<icalrecur_iterator, IteratorFree> it(icalrecur_iterator_new(rule, start));
        if (!it) {
            result.error = "its repeat rule cannot be followed";
            return result;
        }
        for (int n = 0; n < kMaxOccurrences; ++n) {
            const icaltimetype next = icalrecur_iterator_next(it.get());
            const auto day = dateOf(next);
            if (!day || sys_days(*day) >= end) {
                break;
            }
            result.starts.insert(sys_days(*day));
        }
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const auto day = dateOf(icaltime_is_null_time(value.time) ? value.period.start : value.time);
        if (!day) {
            result.error = "one of its extra dates (RDATE) cannot be read";
            return result;
        }
        result.starts.insert(sys_days(*day));
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        const auto day = dateOf(icalproperty_get_exdate(p));
        if (!day) {
            result.error = "one of its left-out dates (EXDATE) cannot be read";
            return result;
        }
        result.starts.erase(sys_days(*day));
    }
    return result;
}

bool isRecurring(icalcomponent* event) {
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

std::vector<icalcomponent*> eventsOf(icalcomponent* root) {
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    }
    std::vector<icalcomponent*> events;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            events.push_back(e);
        }
    }
    return events;
}

}  // namespace

IcsImport importIcs(std::string_view text, const Date& today, int dayCount) {
    IcsImport result;
    icalerror_set_errors_are_fatal(0);  // a bad file is reported, never a reason to stop
    const std::string copy(text);
    std::unique_ptr<icalcomponent, ComponentFree> root(icalparser_parse_string(copy.c_str()));
    const bool named = copy.find("BEGIN:VCALENDAR") != std::string::npos;
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT &&
                  !icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT))) {
        result.error = named ? "the file is cut short or damaged: a BEGIN has no matching END"
                             : "the file is not an iCalendar file (it has no BEGIN:VCALENDAR)";
        return result;
    }
    const auto events = eventsOf(root.get());

    // Occurrences moved or cancelled by an event of their own (RECURRENCE-ID), by UID.
    std::set<std::pair<std::string, sys_days>> replaced;
    for (icalcomponent* e : events) {
        const icaltimetype id = icalcomponent_get_recurrenceid(e);
        const char* uid = icalcomponent_get_uid(e);
        if (!icaltime_is_null_time(id) && uid) {
            if (const auto day = dateOf(id)) {
                replaced.insert({uid, sys_days(*day)});
            }
        }
    }

    const sys_days from(today);
    const sys_days end = from + days(dayCount);
    std::vector<DateException> found;
    for (icalcomponent* e : events) {
        const std::string label = labelOf(icalcomponent_get_summary(e));
        if (const auto error = eventError(e)) {
            result.error = "the event " + quoted(label) + " cannot be read: " + *error;
            return result;
        }
        if (icalcomponent_get_status(e) == ICAL_STATUS_CANCELLED) {
            continue;
        }
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const auto first = dateOf(start);
        if (!first) {
            result.error = "the event " + quoted(label) + " has no start date that can be read";
            return result;
        }
        if (!start.is_date) {
            ++result.timedEvents;
            continue;
        }
        // DTEND is the day after the last; with DURATION libical works it out; neither: one day.
        const auto endDate = dateOf(icalcomponent_get_dtend(e));
        if (!icaltime_is_null_time(icalcomponent_get_dtend(e)) && !endDate) {
            result.error = "the event " + quoted(label) + " has an end date that cannot be read";
            return result;
        }
        const int length =
            endDate ? std::max(1, static_cast<int>((sys_days(*endDate) - sys_days(*first)).count())) : 1;

        auto add = [&](sys_days day) {
            const sys_days last = day + days(length - 1);
            if (last < from) {
                ++result.outOfRange;
                return;
            }
            found.push_back({Date(day), Date(last), kNoBells, label});
        };
        if (!isRecurring(e)) {
            add(sys_days(*first));
            continue;
        }
        const Occurrences occurrences = expand(e, start, end);
        if (!occurrences.error.empty()) {
            result.error = "the event " + quoted(label) + " cannot be read: " + occurrences.error;
            return result;
        }
        const char* uid = icalcomponent_get_uid(e);
        const bool isMaster = icaltime_is_null_time(icalcomponent_get_recurrenceid(e));
        bool anyInWindow = false;
        for (const sys_days day : occurrences.starts) {
            if (isMaster && uid && replaced.count({uid, day})) {
                continue;
            }
            if (day >= end || day + days(length - 1) < from) {
                continue;
            }
            anyInWindow = true;
            add(day);
        }
        if (!anyInWindow) {
            ++result.outOfRange;
        }
    }

    sortExceptions(found);
    for (const auto& exception : found) {
        if (!containsDuplicate(result.exceptions, exception)) {
            result.exceptions.push_back(exception);
        }
    }
    return result;
}

}  // namespace corvalin::calendar
