// Setting the clock on Linux.
#include "core/bells/linux/systemclock_linux.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <ctime>

namespace {

constexpr int kAnswerWithinMs = 10000;

// clock_settime, when this process is allowed to set the clock.
bool setDirectly(const QDateTime& utc) {
    const qint64 ms = utc.toMSecsSinceEpoch();
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1000);
    ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    return ms >= 0 && clock_settime(CLOCK_REALTIME, &ts) == 0;
}

// timedated's SetTime(usec_utc, relative, interactive): absolute, and never waiting on a password
// prompt, since the PC is often unattended.
QDBusMessage setTimeCall(const QDateTime& utc) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    call << static_cast<qlonglong>(utc.toMSecsSinceEpoch() * 1000) << false << false;
    return call;
}

QString noBus(const QDBusConnection& bus) {
    return QStringLiteral("the system bus cannot be reached (%1)").arg(bus.lastError().message());
}

}  // namespace

bool LinuxSystemClock::setUtc(const QDateTime& utc) {
    if (setDirectly(utc)) {
        return true;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return false;
    }
    return bus.call(setTimeCall(utc), QDBus::Block, kAnswerWithinMs).type() == QDBusMessage::ReplyMessage;
}

void LinuxSystemClock::setUtcThen(const QDateTime& utc,
                                  std::function<void(bool set, const QString& why)> done) {
    if (setDirectly(utc)) {
        done(true, QString());
        return;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        done(false, noBus(bus));
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(setTimeCall(utc), kAnswerWithinMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done = std::move(done)](QDBusPendingCallWatcher* call) {
                         const QDBusPendingReply<> reply = *call;
                         if (reply.isError()) {
                             done(false,
                                  QStringLiteral("timedated refused: %1").arg(reply.error().message()));
                         } else {
                             done(true, QString());
                         }
                         call->deleteLater();
                     });
}
