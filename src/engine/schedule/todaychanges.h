// Today's changes: what the operator changes for one day only (a bell skipped, moved or added, no
// bells, a template's list instead of the day's), kept in data/today.ini with the date they are
// for, so that a restart keeps them and any other day ignores them. The week's lists are never
// touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/schedule/dateexceptions.h"
#include "engine/schedule/ringtable.h"

namespace corvalin::today {

inline constexpr std::string_view kTodayFile = "today.ini";
// Changes a day may hold: plenty for an assembly, an exam and a drill, and a bound on what a
// flood of calls or a hand-written file can make the bells work through.
inline constexpr std::size_t kMaxChanges = 100;

enum class Kind { Skip, Move, Add, NoBells, Templet };

struct Change {
    Kind kind = Kind::Skip;
    int minute = -1;     // Skip, Move: the bell's minute of the day as planned; Add: its minute
    int to = -1;         // Move: the minute it rings at instead
    std::string sound;   // Add: its sound
    int templet = 0;     // Templet: 1 to 6
    std::string by;      // who made it: "the window", "the tray", "the command line", ...

    bool operator==(const Change&) const = default;
};

struct Changes {
    calendar::Date date;
    std::vector<Change> list;  // in the order they were made

    bool operator==(const Changes&) const = default;
};

// "10:50" for a minute of the day; and back (none for anything else).
std::string minuteText(int minuteOfDay);
std::optional<int> parseMinute(std::string_view text);

// The file: the date on the first line, then one change a line: "skip,10:50,BY", "move,10:50,11:05,BY",
// "add,12:30,SOUND,BY", "nobells,BY", "templet,2,BY". Lines that are not valid are left out; a
// file without a valid date holds no changes.
std::optional<Changes> parseFile(const std::vector<std::string>& lines);
std::vector<std::string> formatFile(const Changes& changes);

// Why a change cannot be made to `changes` as they stand, or empty when it can: a bell skipped or
// moved twice, a minute outside the day, a templet outside 1 to 6, a second whole-day change, a
// sound that is no plain file name of the sound folder, more than kMaxChanges changes.
std::string refusal(const Changes& changes, const Change& change);

// The whole-day change in force (no bells, or a templet), if any.
std::optional<Change> dayChange(const Changes& changes);

// The day bells of `table` as the changes make them: a skipped bell no longer rings or counts as a
// day bell (every day bell of its minute), a moved one rings at its new minute, an added one is a
// day bell of its own. Pre-bell alarms are left as they are. An added bell that finds no free
// slot is left out, never written past the table's end: the added bells left out are returned.
std::vector<Change> applyToTable(const Changes& changes, ringtable::RingTable& table);

// The lines of "Today Bells" with what the changes did to each: the table's lines (see
// ringtable::todayBellsLines) marked "moved from 10:50" or "added", each with its sound, and the
// skipped bells marked "skipped" (with no sound: they ring none), in time order.
struct Line {
    std::string text;   // "10hr50min"
    std::string mark;   // empty for a bell as planned
    std::string sound;  // the sound it rings
    int minute = -1;    // the minute of the day of "text"
};
std::vector<Line> todayLines(const ringtable::RingTable& applied, const Changes& changes);

// "10:50 skipped today", "10:50 moved to 11:05 today", "12:30 added today (bell.wav)", "no bells
// today", "templet 2 rings today".
std::string describe(const Change& change);

}  // namespace corvalin::today
