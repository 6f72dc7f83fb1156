// Sleep and resume through logind.
#include "core/bells/linux/sleep_logind.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcSleep, "corvalin.sleep", QtWarningMsg)

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

}  // namespace

LogindSleepWatch::LogindSleepWatch(QObject* parent) : SleepWatch(parent) {
    QDBusConnection bus = QDBusConnection::systemBus();
    m_watching = bus.isConnected() &&
                 bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                             SLOT(prepareForSleep(bool)));
    if (m_watching) {
        takeDelayLock();
    } else {
        m_problem = QStringLiteral("sleep and resume cannot be followed (%1): after a sleep the bells of "
                                   "the last minutes are not rung at once")
                        .arg(bus.lastError().message());
    }
}

void LogindSleepWatch::takeDelayLock() {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Corvalin")
         << QStringLiteral("Unmute the default sound card before the computer sleeps") << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isError()) {
            qCInfo(lcSleep) << "no delay lock for sleep:" << reply.error().message();
        } else {
            m_lock = reply.value();
        }
        w->deleteLater();
    });
}

void LogindSleepWatch::prepareForSleep(bool start) {
    Q_EMIT sleeping(start);
    if (!start && !m_lock.isValid()) {
        takeDelayLock();
    }
}

void LogindSleepWatch::readyForSleep() {
    // Closing the last copy of the descriptor ends the lock.
    m_lock = QDBusUnixFileDescriptor();
}
