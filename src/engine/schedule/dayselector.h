// The day selector: which day a move of its arrows shows, when it wraps, and when the day
// that was shown is stored first.
#pragma once

#include <string>

namespace corvalin::days {

// Day numbers: 1 = Sunday ... 7 = Saturday; 8 to 13 are the six templates.
inline constexpr int kFirstTemplateDay = 8;
inline constexpr int kLastTemplateDay = 13;

bool isWeekday(int day);
bool isTemplateDay(int day);

// "templet1" ... "templet6" for days 8 to 13, empty otherwise.
std::string templateCaption(int day);

// The selector's range: 0 and the value just past the last day are passing values only.
inline constexpr int kSelectorMinimum = 0;
inline constexpr int kSelectorMaximum = 14;

// A passing value wrapped into the days of the mode: in "Auto interval" 0 -> 7 and 8 or more
// -> 1 (the interval settings have no templates); in "Manual input" 0 -> 13 and 14 -> 1.
int wrap(bool intervalMode, int value);

struct SelectorMove {
    int value = 1;              // where the selector stands afterwards
    bool refused = false;       // the interval settings on screen failed their checks
    bool savePrevious = false;  // store what is on screen into the previous day's file first
    int shownDay = 1;           // the day whose settings are on screen afterwards
};

// The selector moved to `value` while `previousDay` was on screen. In "Auto interval" the move
// needs the settings on screen to pass their checks; a refused move keeps the previous day on
// screen, nothing is stored, and the selector stays within the week.
SelectorMove moveSelector(bool intervalMode, int value, int previousDay, bool checksPassed);

// "No rings" belongs to a weekday; the templates have no such choice on screen.
bool noRingsAvailable(int day);

// Choosing "Auto interval" while a template is shown moves the selector to Saturday.
int dayForIntervalMode(int day);

}  // namespace corvalin::days
