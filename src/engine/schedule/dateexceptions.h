// The school calendar's date exceptions: days on which the bells keep quiet or ring a template's
// times instead of the day's own, their lines in data/calendar.ini, and which one decides a day.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::calendar {

using Date = std::chrono::year_month_day;

inline constexpr std::string_view kCalendarFile = "calendar.ini";

// What an exception does: no bells, or the time list of template 1 to 6.
inline constexpr int kNoBells = 0;
inline constexpr int kLastTemplate = 6;

struct DateException {
    Date first;
    Date last;  // the same as first for one day
    int what = kNoBells;
    std::string label;

    bool operator==(const DateException&) const = default;
};

// "2026-12-24": four-digit year, two-digit month and day, a day that exists (29 February in leap
// years only). Anything else gives none.
std::optional<Date> parseDate(std::string_view text);
std::string formatDate(const Date& date);

// "first,last,what,label": two dates, first not after last; what 0 to 6; the label is the rest of
// the line (it may hold commas) and must be clean text (see settings::isCleanText).
std::optional<DateException> parseLine(std::string_view line);
std::string formatLine(const DateException& exception);
// Whether the exception's line reads back as the same exception (so it is never dropped at load).
bool isValid(const DateException& exception);

// Every valid line, in calendar order (see sortExceptions); the file line numbers (from 1) of the
// lines dropped are added to `dropped` when given.
std::vector<DateException> parseCalendar(const std::vector<std::string>& lines,
                                         std::vector<int>* dropped = nullptr);
std::vector<std::string> formatCalendar(std::span<const DateException> exceptions);

// Calendar order: by first day, then last day, then what, then label.
void sortExceptions(std::vector<DateException>& exceptions);

bool covers(const DateException& exception, const Date& day);

// The exception that decides `day`, or none when no exception covers it. Of those that cover it the
// one that starts latest wins; of those that start the same day, the one that ends first (the
// narrower one); of those with the same days, the one that comes last in the list.
std::optional<std::size_t> decidingException(std::span<const DateException> exceptions, const Date& day);
// The exception that decides `day` in a calendar made by hand and the days subscribed calendars
// bring: one made by hand decides before any subscribed one.
std::optional<DateException> decidingDay(std::span<const DateException> handMade,
                                         std::span<const DateException> subscribed, const Date& day);

// Same days and same action: a second copy would change nothing. The label does not count.
bool isDuplicate(const DateException& a, const DateException& b);
bool containsDuplicate(std::span<const DateException> exceptions, const DateException& candidate);

// "no bells" or "ring templet 2".
std::string actionText(int what);
// "2026-12-24 to 2027-01-01", or "2026-12-24" for one day.
std::string daysText(const DateException& exception);
// "Winter holidays: no bells", or the action alone when there is no label.
std::string summaryText(const DateException& exception);

}  // namespace corvalin::calendar
