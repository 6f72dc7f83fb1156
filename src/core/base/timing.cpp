// The timing log category.
#include "core/base/timing.h"

Q_LOGGING_CATEGORY(lcTiming, "corvalin.timing", QtWarningMsg)
