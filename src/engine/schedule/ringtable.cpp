// Today's ring table.
#include "engine/schedule/ringtable.h"

#include "engine/schedule/settingsformat.h"

#include <algorithm>
#include <climits>

#include "engine/schedule/clocktext.h"
#include "engine/schedule/timeentry.h"

namespace corvalin::ringtable {

namespace {

constexpr long long kMinutesPerDay = 1440;

// Writes slots one after the other from slot 0, refusing any slot past the end of the table.
class SlotWriter {
public:
    explicit SlotWriter(RingTable& table) : table_(table) {}

    bool append(long long minute, const std::string& sound) {
        if (count_ >= kSlots) {
            overflow_ = true;
            return false;
        }
        table_.minutes[static_cast<std::size_t>(count_)] =
            static_cast<int>(std::clamp<long long>(minute, INT_MIN, INT_MAX));
        table_.sounds[static_cast<std::size_t>(count_)] = sound;
        ++count_;
        return true;
    }

    int count() const { return count_; }
    bool overflow() const { return overflow_; }

private:
    RingTable& table_;
    int count_ = 0;
    bool overflow_ = false;
};

}  // namespace

bool buildIntervalTable(const IntervalPlan& plan, RingTable& table) {
    const long long s = plan.startMinute;
    const long long e = plan.endMinute;
    const long long w = plan.work;
    const long long p = w + plan.rest;
    SlotWriter out(table);

    // Day bells: the first start bell, the end bells, the start bells after the first one.
    out.append(s, plan.startSound);
    long long last = s + w;
    out.append(last, plan.endSound);
    while (last + p <= e) {
        last += p;
        if (!out.append(last, plan.endSound)) {
            break;
        }
    }
    last = s + p;
    out.append(last, plan.startSound);
    while (last + p <= e) {
        last += p;
        if (!out.append(last, plan.startSound)) {
            break;
        }
    }
    const int dayBells = out.count();
    // A day bell past midnight rings at its time of day. Only a start equal to the end puts one
    // there; a lesson longer than a day is still kept inside the day.
    for (int i = 0; i < dayBells; ++i) {
        int& minute = table.minutes[static_cast<std::size_t>(i)];
        if (minute >= kMinutesPerDay) {
            minute %= kMinutesPerDay;
        }
    }
    table.dayBellCount = dayBells;

    if (plan.noBell) {
        table.bellCount = 0;
        return !out.overflow();
    }

    if (plan.preBell1On || plan.preBell2On) {
        const long long ta = plan.preBell1;
        const long long tb = plan.preBell2;
        // An alarm kind that is off keeps its slots, as placeholders that never ring.
        auto afterStart = [&](long long minute) {
            return out.append(plan.preBell1On ? minute : kNeverRings, plan.preBell1Sound);
        };
        auto beforeEnd = [&](long long minute) {
            return out.append(plan.preBell2On ? minute : kNeverRings, plan.preBell2Sound);
        };
        afterStart(s + ta);
        beforeEnd(s + w - tb);
        for (long long bell = s + w + p; bell - tb < e; bell += p) {
            if (!beforeEnd(bell - tb)) {
                break;
            }
        }
        afterStart(s + p + ta);
        for (long long bell = s + 2 * p; bell + ta <= e; bell += p) {
            if (!afterStart(bell + ta)) {
                break;
            }
        }
    }
    table.bellCount = out.count();
    return !out.overflow();
}

bool buildManualTable(const std::vector<std::string>& entries, bool noBell, RingTable& table) {
    if (noBell) {
        // Nothing rings and nothing is shown: no day bells of an earlier start either.
        table.bellCount = 0;
        table.dayBellCount = 0;
        return true;
    }
    SlotWriter out(table);
    for (const std::string& entry : entries) {
        const int hour = settings::fixedField(entry, 0, 2);
        const int minute = settings::fixedField(entry, 5, 2);
        if (!out.append(hour * 60 + minute, std::string(timelist::entrySound(entry)))) {
            break;
        }
    }
    table.bellCount = out.count();
    table.dayBellCount = out.count();
    return !out.overflow();
}

std::string todayBellLine(int minuteOfDay) {
    return clock::twoDigits(minuteOfDay / 60) + "hr" + clock::twoDigits(minuteOfDay % 60) + "min";
}

std::vector<std::string> todayBellsLines(const RingTable& table) {
    // "No rings" leaves the day bells of an interval schedule in the table (they still give the
    // next bell) but lists none; otherwise the day bells never outnumber the rung slots.
    const int count = std::clamp(std::min(table.dayBellCount, table.bellCount), 0, kSlots);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        lines.push_back(todayBellLine(table.minutes[static_cast<std::size_t>(i)]));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace corvalin::ringtable
