// The day that a service running through midnight goes on into.
#pragma once

#include "engine/schedule/startrule.h"
#include "engine/schedule/storeddays.h"

// The plan that day `day` (1 = Sunday .. 7 = Saturday) rings when the service that rings `running`
// goes on into it, with the day's time list or interval settings in `stored` (see
// startrule::decideDay).
corvalin::startrule::Answer planForDay(const corvalin::startrule::Plan& running,
                                       const corvalin::settings::StoredDays& stored,
                                       const corvalin::startrule::SoundFolder& sounds, int day);
