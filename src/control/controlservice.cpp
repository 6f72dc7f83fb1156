// The running copy on the session bus.
#include "control/controlservice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRegularExpression>

#include <unistd.h>

#include "bells/bellsclient.h"
#include "control/controlbus.h"
#include "follow/setupfollower.h"
#include "schedule/todaychanges.h"

namespace {

// "10hr 50min" as the bells tell the next bell: "10:50"; empty for none left today.
QString shortTime(const QString& told) {
    static const QRegularExpression form(QStringLiteral("^(\\d\\d)hr (\\d\\d)min$"));
    const auto match = form.match(told);
    return match.hasMatch() ? match.captured(1) + QLatin1Char(':') + match.captured(2) : QString();
}

}  // namespace

ControlService::ControlService(BellsClient* bells, Copy copy, QObject* parent)
    : QObject(parent), m_bells(bells), m_copy(std::move(copy)) {
    connect(bells, &BellsClient::bellRung, this, &ControlService::BellRung);
    connect(bells, &BellsClient::nextBellChanged, this, [this](const QString& time, const QString& sound) {
        const QString at = shortTime(time);
        Q_EMIT NextBellChanged(at, at.isEmpty() ? QString() : sound);
    });
    connect(bells, &BellsClient::problemReported, this,
            [this](const QDateTime&, const QString& text, const QString&) { Q_EMIT Problem(text); });
    connect(bells, &BellsClient::alarmChanged, this, &ControlService::AlarmChanged);
    connect(bells, &BellsClient::runningChanged, this, &ControlService::RunningChanged);
}

ControlService::~ControlService() {
    if (m_published) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(corvalin::control::kPath);
        bus.unregisterService(corvalin::control::kService);
    }
}

void ControlService::publish(bool takeOver, std::function<void(const QString&)> failed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        const QString why = bus.lastError().message();
        failed(QStringLiteral("the session bus cannot be reached%1: the command line cannot reach this copy")
                   .arg(why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
        return;
    }
    if (!bus.registerObject(corvalin::control::kPath, this,
                            QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals)) {
        failed(QStringLiteral("%1 is taken on the session bus: the command line cannot reach this copy")
                   .arg(corvalin::control::kPath));
        return;
    }
    m_published = true;
    // RequestName's flags: a window copy replaces the one with no window and does not queue; a copy
    // with no window lets itself be replaced and waits in line for the name.
    constexpr uint kAllowReplacement = 1;
    constexpr uint kReplaceExisting = 2;
    constexpr uint kDoNotQueue = 4;
    const uint flags = takeOver ? kReplaceExisting | kDoNotQueue : kAllowReplacement;
    auto* watcher = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("RequestName"), corvalin::control::kService, flags), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [failed](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        // 1 primary owner, 2 in line for it, 3 refused (another owns it and keeps it), 4 already ours.
        if (reply.isError() || reply.value() == 3) {
            failed(QStringLiteral("the name %1 could not be taken on the session bus%2: the command line cannot "
                                  "reach this copy")
                       .arg(corvalin::control::kService,
                            reply.isError() ? QStringLiteral(" (%1)").arg(reply.error().message()) : QString()));
        }
    });
}

void ControlService::serve(std::function<void(Done)> work) {
    setDelayedReply(true);
    const QDBusMessage call = message();
    QDBusConnection bus = connection();
    // Who calls is asked of the bus, without waiting for its answer here.
    auto* watcher = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("GetConnectionUnixUser"), call.service()), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, call, bus, work](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> user = *w;
        const uint own = ::getuid();
        if (user.isError() || user.value() != own) {
            const QString who = user.isError() ? QStringLiteral("an unknown user") : QStringLiteral("the user %1").arg(user.value());
            QDBusConnection(bus).send(call.createErrorReply(
                corvalin::control::kOtherUser,
                QStringLiteral("Corvalin runs here for the user %1; a call from %2 is refused").arg(own).arg(who)));
            return;
        }
        if (!m_copy.holdsBells()) {
            QDBusConnection(bus).send(call.createErrorReply(
                corvalin::control::kRefused,
                QStringLiteral("the bells are being handed over between two copies of Corvalin; try again in a moment")));
            return;
        }
        work([call, bus](const QString& refusal, const QVariant& said) {
            QDBusConnection(bus).send(refusal.isEmpty() ? call.createReply(said)
                                                        : call.createErrorReply(corvalin::control::kRefused, refusal));
        });
    });
}

void ControlService::serveAnswered(const QString& said,
                                   std::function<void(std::function<void(const QString&)>)> ask) {
    serve([said, ask = std::move(ask)](Done done) {
        ask([said, done](const QString& refusal) { done(refusal, said); });
    });
}

QString ControlService::Start() {
    serve([this](Done done) {
        if (m_bells->isRunning()) {
            done(QStringLiteral("the bell service already runs"), {});
            return;
        }
        done(m_copy.start(), QStringLiteral("the bell service started"));
    });
    return {};
}

QString ControlService::Stop() {
    serve([this](Done done) {
        if (!m_bells->isRunning()) {
            done(QStringLiteral("the bell service is not running"), {});
            return;
        }
        done(m_copy.stop(), QStringLiteral("the bell service stopped"));
    });
    return {};
}

QString ControlService::RingNow(const QString& sound) {
    serve([this, sound](Done done) {
        m_bells->ringNow(sound, [done, sound](const QString& refusal) {
            done(refusal, sound.isEmpty() ? QStringLiteral("a bell rang") : QStringLiteral("%1 rang").arg(sound));
        });
    });
    return {};
}

QString ControlService::StopBell() {
    serve([this](Done done) {
        const QString alarm = m_bells->alarm();
        m_bells->stopBell(by());
        done({}, alarm.isEmpty() ? QStringLiteral("the bell stopped")
                                 : QStringLiteral("the alarm signal %1 stopped").arg(alarm));
    });
    return {};
}

QString ControlService::SkipNext() {
    serve([this](Done done) {
        m_bells->skipNextBell(by(), [this, done](const QString& refusal) {
            // The change is told before the answer: it is the last of today's changes.
            done(refusal, m_bells->todayChanges().value(m_bells->todayChanges().size() - 1));
        });
    });
    return {};
}

namespace {

using Asked = ControlService::Asked;

Asked asked(corvalin::today::Kind kind, const QString& time, const QString& to = {}) {
    Asked a;
    a.change.kind = kind;
    a.change.by = ControlService::by().toStdString();
    for (const auto& [text, minute] : {std::pair{time, &a.change.minute}, std::pair{to, &a.change.to}}) {
        if (text.isNull()) {
            continue;
        }
        const auto parsed = corvalin::today::parseMinute(text.trimmed().toStdString());
        if (!parsed) {
            a.refusal = QStringLiteral("%1 is not a time of day (hh:mm)").arg(text);
            return a;
        }
        *minute = *parsed;
    }
    return a;
}

}  // namespace

QString ControlService::SkipBell(const QString& time) {
    serveChange(asked(corvalin::today::Kind::Skip, time));
    return {};
}

QString ControlService::MoveBell(const QString& time, const QString& to) {
    serveChange(asked(corvalin::today::Kind::Move, time, to.isNull() ? QStringLiteral("") : to));
    return {};
}

QString ControlService::AddBell(const QString& time, const QString& sound) {
    Asked a = asked(corvalin::today::Kind::Add, time);
    a.change.sound = sound.toStdString();
    serveChange(a);
    return {};
}

void ControlService::serveChange(const Asked& a) {
    serve([this, a](Done done) {
        if (!a.refusal.isEmpty()) {
            done(a.refusal, {});
            return;
        }
        const QString said = QString::fromStdString(corvalin::today::describe(a.change));
        m_bells->changeToday(a.change, [done, said](const QString& refusal) { done(refusal, said); });
    });
}

QString ControlService::NoBellsToday() {
    corvalin::today::Change change;
    change.kind = corvalin::today::Kind::NoBells;
    change.by = by().toStdString();
    serveAnswered(QString::fromStdString(corvalin::today::describe(change)),
                  [this, change](auto answer) { m_bells->changeToday(change, answer); });
    return {};
}

QString ControlService::TempletToday(int templet) {
    corvalin::today::Change change;
    change.kind = corvalin::today::Kind::Templet;
    change.templet = templet;
    change.by = by().toStdString();
    serveAnswered(QString::fromStdString(corvalin::today::describe(change)),
                  [this, change](auto answer) { m_bells->changeToday(change, answer); });
    return {};
}

QString ControlService::UndoToday(int index) {
    serveAnswered(index < 0 ? QStringLiteral("today's changes undone") : QStringLiteral("the change undone"),
                  [this, index](auto answer) { m_bells->undoToday(index, by(), answer); });
    return {};
}

QString ControlService::StartAlarm(const QString& name) {
    serve([this, name](Done done) {
        m_bells->startAlarm(name, by(), [this, done](const QString& refusal) {
            done(refusal, QStringLiteral("the alarm signal %1 sounds").arg(m_bells->alarm()));
        });
    });
    return {};
}

QString ControlService::StopAlarm() {
    serve([this](Done done) {
        const QString alarm = m_bells->alarm();
        m_bells->stopAlarm(by(), [done, alarm](const QString& refusal) {
            done(refusal, QStringLiteral("the alarm signal %1 stopped").arg(alarm));
        });
    });
    return {};
}

QString ControlService::Follow(const QString& address, const QString& publicKey) {
    serve([this, address, publicKey](Done done) {
        if (!m_copy.follower) {
            done(QStringLiteral("this copy cannot follow a set-up"), {});
            return;
        }
        done(m_copy.follower->follow(address, publicKey),
             QStringLiteral("this computer follows the set-up published at %1").arg(address.trimmed()));
    });
    return {};
}

QString ControlService::Unfollow() {
    serve([this](Done done) {
        if (!m_copy.follower || m_copy.follower->address().isEmpty()) {
            done(QStringLiteral("this computer follows no set-up"), {});
            return;
        }
        const QString address = m_copy.follower->address();
        m_copy.follower->unfollow();
        done({}, QStringLiteral("this computer no longer follows %1; the set-up in use is its own now").arg(address));
    });
    return {};
}

QString ControlService::RefreshSetup() {
    serve([this](Done done) {
        if (!m_copy.follower || m_copy.follower->address().isEmpty()) {
            done(QStringLiteral("this computer follows no set-up"), {});
            return;
        }
        m_copy.follower->refresh();
        done({}, QStringLiteral("the set-up published at %1 is fetched now").arg(m_copy.follower->address()));
    });
    return {};
}

QVariantMap ControlService::Status() {
    serve([this](Done done) { done({}, status()); });
    return {};
}

QVariantMap ControlService::status() const {
    const QString next = shortTime(m_bells->nextBellTime());
    const SetupFollower* follower = m_copy.follower;
    return {
        {QStringLiteral("copy"), m_copy.kind},
        {QStringLiteral("running"), m_bells->isRunning()},
        {QStringLiteral("alarm"), m_bells->alarm()},
        {QStringLiteral("next_bell"), m_bells->isRunning() ? next : QString()},
        {QStringLiteral("next_sound"), m_bells->isRunning() && !next.isEmpty() ? m_bells->nextBellSound() : QString()},
        {QStringLiteral("today_changes"), m_bells->todayChanges()},
        {QStringLiteral("last_bell"), m_bells->lastRung()},
        {QStringLiteral("problems"), m_bells->openProblems()},
        {QStringLiteral("followed"), follower ? follower->address() : QString()},
        {QStringLiteral("followed_version"), follower ? follower->version() : QString()},
        {QStringLiteral("followed_applied"), follower ? follower->appliedAt().toString(Qt::ISODate) : QString()},
        {QStringLiteral("followed_checked"), follower ? follower->checkedAt().toString(Qt::ISODate) : QString()},
    };
}
