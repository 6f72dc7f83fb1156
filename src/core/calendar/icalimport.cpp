// iCalendar files read with libical.
#include "core/calendar/icalimport.h"

#include <libical/ical.h>

#include <strings.h>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <set>
#include <unordered_map>

#include "core/calendar/schoolcalendar.h"

namespace corvalin::calendar {

namespace {

using std::chrono::days;
using std::chrono::steady_clock;
using std::chrono::sys_days;

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct IteratorFree {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};
struct ParserFree {
    void operator()(icalparser* p) const { icalparser_free(p); }
};
struct BufferFree {
    void operator()(char* b) const { icalmemory_free_buffer(b); }
};

// Why an import stopped before its end.
struct Stopped {
    std::string reason;
    bool cancelled = false;
};

// The work one import may still do: the operator's cancel, the deadline and the rule steps,
// asked inside every loop.
class Work {
public:
    Work(const std::atomic<bool>* cancel, steady_clock::time_point deadline)
        : m_cancel(cancel), m_deadline(deadline) {}

    // Whether to stop now; the reason is then in `stopped`.
    bool over() {
        if (!stopped.reason.empty()) {
            return true;
        }
        if (m_cancel && m_cancel->load(std::memory_order_relaxed)) {
            stopped = {"the import was cancelled", true};
        } else if (steady_clock::now() > m_deadline) {
            stopped.reason =
                "reading it took longer than " + std::to_string(kLongestImport.count()) + " seconds";
        }
        return !stopped.reason.empty();
    }
    // One step of a repeat rule's iterator; whether to stop.
    bool step() {
        if (++m_steps > kMostRuleSteps && stopped.reason.empty()) {
            stopped.reason = "its repeating events need more than " + std::to_string(kMostRuleSteps) +
                             " steps to work out";
        }
        return over();
    }

    Stopped stopped;

private:
    const std::atomic<bool>* m_cancel;
    steady_clock::time_point m_deadline;
    long m_steps = 0;
};

// Hands the text to libical a line at a time, as fgets would (the library's own string reader
// looks for a line's end again from each 80-byte piece of it: a minute for a 16 MB line).
struct TextLines {
    const char* pos;
    const char* end;
};

char* nextPiece(char* out, std::size_t size, void* data) {
    auto* text = static_cast<TextLines*>(data);
    if (text->pos >= text->end || size < 2) {
        return nullptr;
    }
    std::size_t n = std::min(static_cast<std::size_t>(text->end - text->pos), size - 1);
    if (const void* newline = std::memchr(text->pos, '\n', n)) {
        n = static_cast<std::size_t>(static_cast<const char*>(newline) - text->pos) + 1;
    }
    std::memcpy(out, text->pos, n);
    out[n] = '\0';
    text->pos += n;
    return out;
}

// How the parse treats a content line.
enum class LineKind {
    Read,     // a property the import reads, or the start or end of a component
    Rule,     // an RRULE, the largest thing libical keeps (about 3.2 KB)
    Unnamed,  // no property name: libical notes the damage in the event
    Skipped,  // a property the import never reads (DESCRIPTION, ATTENDEE, X-...): not given to libical
};

LineKind kindOf(std::string_view line) {
    static constexpr std::string_view kRead[] = {"BEGIN",    "END",    "DTSTART",       "DTEND",
                                                 "DURATION", "RDATE",  "EXDATE",        "SUMMARY",
                                                 "UID",      "STATUS", "RECURRENCE-ID", "TZID"};
    std::size_t n = 0;
    while (n < line.size() && (std::isalnum(static_cast<unsigned char>(line[n])) || line[n] == '-')) {
        ++n;
    }
    if (n == 0 || n == line.size() || (line[n] != ';' && line[n] != ':')) {
        return LineKind::Unnamed;
    }
    auto is = [&](std::string_view name) {
        return n == name.size() && strncasecmp(line.data(), name.data(), n) == 0;
    };
    if (is("RRULE")) {
        return LineKind::Rule;
    }
    return std::any_of(std::begin(kRead), std::end(kRead), is) ? LineKind::Read : LineKind::Skipped;
}

struct Parsed {
    std::unique_ptr<icalcomponent, ComponentFree> root;
    std::string error;
};

// The file's components, as icalparser_parse_string makes them but holding only what the import
// reads, taken a line at a time so that a cancel or the deadline stops it between two lines.
// libical keeps every value of a line (each of "EXDATE:a,b,c" on its own) in a few hundred bytes,
// and takes time in the square of a line's parameters; the bounds on values, rules and line
// length keep both small.
Parsed parse(std::string_view text, Work& work) {
    Parsed result;
    text = text.substr(0, text.find('\0'));  // where a C string would end
    TextLines lines{text.data(), text.data() + text.size()};
    std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    icalparser_set_gen_data(parser.get(), &lines);
    const icalerrorstate state = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
    long values = 0;
    int rules = 0;
    while (!work.over()) {
        std::unique_ptr<char, BufferFree> line(icalparser_get_line(parser.get(), nextPiece));
        if (!line) {
            break;
        }
        const std::string_view content(line.get());
        const LineKind kind = kindOf(content);
        if (kind == LineKind::Skipped) {
            continue;
        }
        if (content.size() > kLongestLine) {
            result.error = "a line of it is longer than " + std::to_string(kLongestLine) + " characters";
            break;
        }
        values += 1 + std::count(content.begin(), content.end(), ',');
        if (values > kMostValues) {
            result.error = "it has more than " + std::to_string(kMostValues) + " dates and other values";
            break;
        }
        if (kind == LineKind::Rule && ++rules > kMostRules) {
            result.error = "it has more than " + std::to_string(kMostRules) + " repeat rules";
            break;
        }
        icalcomponent* c = icalparser_add_line(parser.get(), line.get());
        if (!c) {
            continue;
        }
        if (!result.root) {
            result.root.reset(c);
        } else if (icalcomponent_isa(result.root.get()) != ICAL_XROOT_COMPONENT) {
            // A second component: both go under an XROOT, as libical does.
            icalcomponent* both = icalcomponent_new(ICAL_XROOT_COMPONENT);
            icalcomponent_add_component(both, result.root.release());
            icalcomponent_add_component(both, c);
            result.root.reset(both);
        } else {
            icalcomponent_add_component(result.root.get(), c);
        }
    }
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, state);
    if (!result.error.empty() || work.over()) {
        result.root.reset();
    }
    return result;
}

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

// A summary as a label: one line of clean text, no longer than the label box takes.
std::string labelOf(const char* summary) {
    if (!summary) {
        return {};
    }
    QString label = QString::fromStdString(cleanLabel(QString::fromUtf8(summary)));
    if (label.size() > kLongestLabel) {
        label.truncate(label.at(kLongestLabel - 1).isHighSurrogate() ? kLongestLabel - 1 : kLongestLabel);
        label = label.trimmed();
    }
    return label.toStdString();
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

// An all-day value for the day.
icaltimetype dateValue(sys_days day) {
    const Date date(day);
    icaltimetype t{};  // not icaltime_null_date(): its hour of -1 puts libical's iterators off
    t.is_date = 1;
    t.year = static_cast<int>(date.year());
    t.month = static_cast<int>(static_cast<unsigned>(date.month()));
    t.day = static_cast<int>(static_cast<unsigned>(date.day()));
    return t;
}

// Whether moving the iterator on to the start of a later day keeps its rhythm: libical begins the
// count of the rule's interval again there, which is right for rules of a day or longer and for
// shorter ones whose step divides the day (FREQ=HOURLY;INTERVAL=49 would lose its own).
bool canMoveToDay(const icalrecurrencetype& rule) {
    if (rule.count > 0) {
        return false;  // libical cannot move a rule that counts its occurrences
    }
    long seconds = 0;
    switch (rule.freq) {
        case ICAL_SECONDLY_RECURRENCE:
            seconds = 1;
            break;
        case ICAL_MINUTELY_RECURRENCE:
            seconds = 60;
            break;
        case ICAL_HOURLY_RECURRENCE:
            seconds = 3600;
            break;
        default:
            return true;
    }
    seconds *= std::max<long>(1, rule.interval);
    return 86400 % seconds == 0;
}

// The start days of a recurring event's occurrences from `from` up to (not including) `end`, and
// its DTSTART. Several occurrences on one day are one start; the iterator skips to the next day
// where libical allows it, and every step counts towards the file's bound.
Occurrences expand(icalcomponent* event, const icaltimetype& start, sys_days from, sys_days end, Work& work) {
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
        const bool movable = canMoveToDay(rule);
        if (movable && sys_days(*first) < from) {
            icalrecur_iterator_set_start(it.get(), dateValue(from));
        }
        std::optional<sys_days> last;
        while (!work.step()) {
            const auto day = dateOf(icalrecur_iterator_next(it.get()));
            if (!day || sys_days(*day) >= end) {
                break;
            }
            if (last && sys_days(*day) <= *last) {
                // Another occurrence on a day that has one (the rule fires every hour or second).
                if (movable) {
                    icalrecur_iterator_set_start(it.get(), dateValue(*last + days(1)));
                }
                continue;
            }
            last = sys_days(*day);
            if (*last >= from) {
                result.starts.insert(*last);
            }
        }
        if (work.over()) {
            return result;
        }
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p && !work.over();
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const auto day = dateOf(icaltime_is_null_time(value.time) ? value.period.start : value.time);
        if (!day) {
            result.error = "one of its extra dates (RDATE) cannot be read";
            return result;
        }
        result.starts.insert(sys_days(*day));
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p && !work.over();
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

std::vector<icalcomponent*> eventsOf(icalcomponent* root, Work& work) {
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
             c && !work.over(); c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    }
    std::vector<icalcomponent*> events;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             e && !work.over(); e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            events.push_back(e);
        }
    }
    return events;
}

// The exceptions found so far, each once: a duplicate (same days, same action; see isDuplicate)
// is dropped as it is found, keeping the label that comes first in calendar order.
class Found {
public:
    // False when the exception would be one more than kMostImported.
    bool add(DateException exception) {
        const Key key{(sys_days(exception.first) - sys_days()).count(),
                      (sys_days(exception.last) - sys_days()).count(), exception.what};
        const auto [at, added] = m_index.try_emplace(key, m_all.size());
        if (!added) {
            std::string& label = m_all[at->second].label;
            if (exception.label < label) {
                label = std::move(exception.label);
            }
            return true;
        }
        if (m_all.size() >= static_cast<std::size_t>(kMostImported)) {
            return false;
        }
        m_all.push_back(std::move(exception));
        return true;
    }
    std::vector<DateException> take() {
        sortExceptions(m_all);
        return std::move(m_all);
    }

private:
    struct Key {
        long first;
        long last;
        int what;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<long>()(k.first) * 31 + std::hash<long>()(k.last) * 7 +
                   static_cast<std::size_t>(k.what);
        }
    };
    std::vector<DateException> m_all;
    std::unordered_map<Key, std::size_t, KeyHash> m_index;
};

}  // namespace

IcsImport importIcs(std::string_view text, const Date& today, const std::atomic<bool>* cancel,
                    steady_clock::time_point deadline, int dayCount) {
    IcsImport result;
    Work work(cancel, deadline);
    auto stop = [&](std::string reason) {
        result.error = std::move(reason);
        result.cancelled = work.stopped.cancelled;
        result.exceptions.clear();
        return result;
    };
    icalerror_set_errors_are_fatal(0);  // a bad file is reported, never a reason to stop
    Parsed parsed = parse(text, work);
    if (work.over()) {
        return stop(work.stopped.reason);
    }
    if (!parsed.error.empty()) {
        return stop(parsed.error);
    }
    icalcomponent* root = parsed.root.get();
    if (!root || (icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT &&
                  !icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT))) {
        const bool named = text.find("BEGIN:VCALENDAR") != std::string_view::npos;
        return stop(named ? "the file is cut short or damaged: a BEGIN has no matching END"
                          : "the file is not an iCalendar file (it has no BEGIN:VCALENDAR)");
    }
    const auto events = eventsOf(root, work);
    if (work.over()) {
        return stop(work.stopped.reason);
    }

    // Occurrences moved or cancelled by an event of their own (RECURRENCE-ID), by UID.
    std::set<std::pair<std::string, sys_days>> replaced;
    for (icalcomponent* e : events) {
        if (work.over()) {
            return stop(work.stopped.reason);
        }
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
    const std::string tooMany =
        "it would give more than " + std::to_string(kMostImported) + " date exceptions";
    Found found;
    for (icalcomponent* e : events) {
        if (work.over()) {
            return stop(work.stopped.reason);
        }
        const std::string label = labelOf(icalcomponent_get_summary(e));
        if (const auto error = eventError(e)) {
            return stop("the event " + quoted(label) + " cannot be read: " + *error);
        }
        if (icalcomponent_get_status(e) == ICAL_STATUS_CANCELLED) {
            continue;
        }
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const auto first = dateOf(start);
        if (!first) {
            return stop("the event " + quoted(label) + " has no start date that can be read");
        }
        if (!start.is_date) {
            ++result.timedEvents;
            continue;
        }
        // DTEND is the day after the last; with DURATION libical works it out; neither: one day.
        const auto endDate = dateOf(icalcomponent_get_dtend(e));
        if (!icaltime_is_null_time(icalcomponent_get_dtend(e)) && !endDate) {
            return stop("the event " + quoted(label) + " has an end date that cannot be read");
        }
        const int length =
            endDate ? std::max(1, static_cast<int>((sys_days(*endDate) - sys_days(*first)).count())) : 1;

        // False when the file gives too many exceptions.
        auto add = [&](sys_days day) {
            const sys_days last = day + days(length - 1);
            if (last < from) {
                ++result.outOfRange;
                return true;
            }
            return found.add({Date(day), Date(last), kNoBells, label});
        };
        if (!isRecurring(e)) {
            if (!add(sys_days(*first))) {
                return stop(tooMany);
            }
            continue;
        }
        // An occurrence that began up to length - 1 days before today still covers today.
        const Occurrences occurrences = expand(e, start, from - days(length - 1), end, work);
        if (work.over()) {
            return stop(work.stopped.reason);
        }
        if (!occurrences.error.empty()) {
            return stop("the event " + quoted(label) + " cannot be read: " + occurrences.error);
        }
        const char* uid = icalcomponent_get_uid(e);
        const bool isMaster = icaltime_is_null_time(icalcomponent_get_recurrenceid(e));
        bool anyInWindow = false;
        for (const sys_days day : occurrences.starts) {
            if (work.over()) {
                return stop(work.stopped.reason);
            }
            if (isMaster && uid && replaced.count({uid, day})) {
                continue;
            }
            if (day >= end || day + days(length - 1) < from) {
                continue;
            }
            anyInWindow = true;
            if (!add(day)) {
                return stop(tooMany);
            }
        }
        if (!anyInWindow) {
            ++result.outOfRange;
        }
    }
    result.exceptions = found.take();
    return result;
}

}  // namespace corvalin::calendar
