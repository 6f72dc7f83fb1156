// Today's ring table: the minutes at which a sound is played and the sound for each,
// built when the bell service starts, from the interval settings or from a time list.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::ringtable {

// Slots of the table.
inline constexpr int kSlots = 2001;
// Minute value of a placeholder slot: it is counted but never rings (no minute of a day reaches it).
inline constexpr int kNeverRings = 1500;

struct RingTable {
    // Minute of the day (hour * 60 + minute) of each slot; kNeverRings for a placeholder.
    std::array<int, kSlots> minutes{};
    // Sound file name (relative to the sound folder) of each slot.
    std::array<std::string, kSlots> sounds{};
    // Slots 0..bellCount-1 are rung; 0 when "No rings" is checked.
    int bellCount = 0;
    // Slots 0..dayBellCount-1 are the day bells: listed in "Today Bells" and searched for the
    // next bell. Pre-bell alarms follow them.
    int dayBellCount = 0;
};

// The automatic-interval settings, as the service start has checked them.
struct IntervalPlan {
    int startMinute = 0;  // S, minute of the day
    int endMinute = 0;    // E, minute of the day, not before S
    int work = 1;         // W, lesson minutes, at least 1
    int rest = 1;         // R, break minutes, at least 1
    std::string startSound;
    std::string endSound;
    bool noBell = false;      // "No rings"
    bool preBell1On = false;  // alarm after each start bell
    bool preBell2On = false;  // alarm before each end bell
    int preBell1 = 0;         // Ta, minutes after a start bell
    int preBell2 = 0;         // Tb, minutes before an end bell
    std::string preBell1Sound;
    std::string preBell2Sound;

    bool operator==(const IntervalPlan&) const = default;
};

// Fills the table from the interval settings. The day bells come first, in this order:
// S (start sound); the end bells S+W, S+W+P, ... up to E (the first one always); the start
// bells S+P, S+2P, ... up to E (the first one always), where P = W + R. Day bells past midnight
// are moved back into the day (value mod 1440). With "No rings" the day bells are still
// generated (dayBellCount counts them) but bellCount is 0 and no alarms are made.
// Otherwise, when either pre-bell is on, the alarms follow in this order: S+Ta; S+W-Tb;
// S+W+(j-1)P-Tb for j = 2, 3, ... while below E; S+P+Ta; S+jP+Ta for j = 2, 3, ... while not
// after E. The slots of a pre-bell kind that is off hold kNeverRings (with its sound name).
// Alarm values are kept as computed, not moved back into the day.
// Only the slots written are changed; slots past bellCount keep what they held.
// Returns false when the schedule did not fit in the table (possible only with settings the
// service start refuses): the table then holds as many slots as fit.
bool buildIntervalTable(const IntervalPlan& plan, RingTable& table);

// Fills the table from time-list entries ("07hr 05min/bell.wav"), in list order: hour from
// characters 1-2, minute from characters 6-7, sound after the first "/". Every entry is a day
// bell. With "No rings" nothing is written and both counts become 0.
// Returns false when there were more entries than slots (the first kSlots are used).
bool buildManualTable(const std::vector<std::string>& entries, bool noBell, RingTable& table);

// "Today Bells" line of a minute of the day: "08hr50min".
std::string todayBellLine(int minuteOfDay);

// The "Today Bells" lines of the day bells, in ascending text order (the order of the sorted
// list box, chronological for zero-padded times); duplicates are kept. Empty when nothing
// rings (bellCount 0, "No rings").
std::vector<std::string> todayBellsLines(const RingTable& table);

}  // namespace corvalin::ringtable
