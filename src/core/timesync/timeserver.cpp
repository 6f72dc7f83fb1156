// The time servers.
#include "core/timesync/timeserver.h"

#include <QByteArray>

namespace {

QString configured(const char* variable, const char* fallback) {
    const QByteArray value = qgetenv(variable).trimmed();
    return value.isEmpty() ? QString::fromLatin1(fallback) : QString::fromLocal8Bit(value);
}

}  // namespace

QString primaryTimeServer() { return configured("CORVALIN_TIME_SERVER1", "pool.ntp.org"); }

QString secondTimeServer() { return configured("CORVALIN_TIME_SERVER2", "time.google.com"); }
