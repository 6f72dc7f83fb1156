// The start rule's inputs from the stored settings: a start as the window makes it once it has
// loaded them, and the day that a service running through midnight goes on into.
#pragma once

#include "engine/schedule/startrule.h"
#include "engine/schedule/storeddays.h"

class SettingsStore;

// A start with the stored settings on day `day` (1 = Sunday .. 7 = Saturday), as the window starts
// it once it has loaded them: the stored modes, the week's or the day's time list or interval
// settings, and in interval mode the stored sound among those of `sounds`.
corvalin::startrule::Answer storedPlan(SettingsStore& store, const corvalin::startrule::SoundFolder& sounds,
                                       int day);

// The plan that day `day` (1 = Sunday .. 7 = Saturday) rings when the service that rings `running`
// goes on into it, with the day's time list or interval settings in `stored` (see
// startrule::decideDay).
corvalin::startrule::Answer planForDay(const corvalin::startrule::Plan& running,
                                       const corvalin::settings::StoredDays& stored,
                                       const corvalin::startrule::SoundFolder& sounds, int day);
