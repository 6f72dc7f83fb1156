// What a start of the bell service rings, made from the interval settings or a time list, whether
// they come from the window's boxes or from the files; and the plan of the next day for a service
// that runs on through midnight.
#pragma once

#include <QString>
#include <variant>

#include "bells/bellservice.h"
#include "schedule/intervalcheck.h"
#include "schedule/settingsvalues.h"

class SettingsStore;

namespace corvalin::dayplan {

// The texts that the interval checks read.
interval::IntervalTexts intervalTexts(const settings::IntervalSettings& settings);

// The day of interval settings whose texts passed interval::checkForStart, with the start and end
// minutes it found.
ringtable::IntervalPlan intervalPlan(const settings::IntervalSettings& settings, int startMinute,
                                     int endMinute, bool noBell);

}  // namespace corvalin::dayplan

// The plan that day `day` (1 = Sunday .. 7 = Saturday) rings when the service that rings `running`
// goes on into it: with "Apply week" the same plan every day; with "Set each day" the day's own
// time list or interval settings as stored. The check's message when the day's interval settings
// cannot start.
std::variant<BellService::Plan, QString> planForDay(const BellService::Plan& running, SettingsStore& store,
                                                    int day);

// The plan that a start with the stored settings rings on day `day` (1 = Sunday .. 7 = Saturday),
// as the window starts it once it has loaded them: the stored modes, the week's or the day's time
// list or interval settings, and in interval mode a stored sound among the `soundCount` sounds of
// the folder. The window's message when such a start cannot be made.
std::variant<BellService::Plan, QString> storedPlan(SettingsStore& store, int soundCount, int day);
