// The day selector's rules.
#include "engine/schedule/dayselector.h"

namespace corvalin::days {

bool isWeekday(int day) { return day >= 1 && day <= 7; }

bool isTemplateDay(int day) { return day >= kFirstTemplateDay && day <= kLastTemplateDay; }

std::string templateCaption(int day) {
    return isTemplateDay(day) ? "templet" + std::to_string(day - 7) : std::string();
}

int wrap(bool intervalMode, int value) {
    if (intervalMode) {
        if (value <= 0) {
            return 7;
        }
        return value >= 8 ? 1 : value;
    }
    if (value <= 0) {
        return kLastTemplateDay;
    }
    return value > kLastTemplateDay ? 1 : value;
}

SelectorMove moveSelector(bool intervalMode, int value, int previousDay, bool checksPassed) {
    SelectorMove move;
    move.value = wrap(intervalMode, value);
    if (intervalMode && !checksPassed) {
        move.refused = true;
        move.shownDay = previousDay;
        return move;
    }
    move.savePrevious = previousDay != value;
    move.shownDay = move.value;
    return move;
}

bool noRingsAvailable(int day) { return !isTemplateDay(day); }

int dayForIntervalMode(int day) { return day > 7 ? 7 : day; }

}  // namespace corvalin::days
