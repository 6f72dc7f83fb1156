// The "corvalin.timing" log category: when the clock first ticked and when each bell started, for
// measuring the program from outside. Off unless asked for, e.g. with
// QT_LOGGING_RULES="corvalin.timing.debug=true"; the lines go to standard error.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTiming)
