// The timing log category.
#include "base/timing.h"

Q_LOGGING_CATEGORY(lcTiming, "corvalin.timing", QtWarningMsg)
