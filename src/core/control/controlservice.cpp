// The running copy on the session bus.
#include "core/control/controlservice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QRegularExpression>

#include <algorithm>

#include <unistd.h>

#include "core/bells/bellsclient.h"
#include "core/control/commands.h"
#include "core/control/controlbus.h"
#include "core/follow/setupfollower.h"
#include "engine/schedule/todaychanges.h"

namespace {

// An overlong argument as a refusal quotes it: its first few characters, none that could move a
// terminal's cursor.
QString cutShort(const QString& text) {
    constexpr qsizetype kShown = 16;
    QString shown = text.left(kShown);
    for (QChar& c : shown) {
        if (!c.isPrint()) {
            c = QLatin1Char('?');
        }
    }
    return shown + QStringLiteral("...");
}

// The topic of the lasting problem of a name held by another user's program.
const QString kNameTopic = QStringLiteral("bus name");

}  // namespace

ControlService::ControlService(CommandRunner* commands, QObject* parent)
    : QObject(parent), m_commands(commands), m_bells(&commands->bells()) {
    connect(m_bells, &BellsClient::bellRung, this, &ControlService::BellRung);
    connect(m_bells, &BellsClient::nextRingChanged, this, [this](int minuteOfDay, const QString& sound) {
        Q_EMIT NextBellChanged(minuteOfDay < 0 ? QString() : QString::fromStdString(corvalin::today::minuteText(minuteOfDay)),
                               minuteOfDay < 0 ? QString() : sound);
    });
    connect(m_bells, &BellsClient::problemReported, this,
            [this](const QDateTime&, const QString& text, const QString&) { Q_EMIT Problem(text); });
    connect(m_bells, &BellsClient::alarmChanged, this, &ControlService::AlarmChanged);
    connect(m_bells, &BellsClient::runningChanged, this, &ControlService::RunningChanged);
    m_clock.start();
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
    // Every change of the name's owner is looked at: a program of another user may take it from
    // a copy with no window, which lets a window copy take it.
    auto* owners = new QDBusServiceWatcher(corvalin::control::kService, bus,
                                           QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(owners, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) { judgeOwner(owner); });
    // RequestName's flags: a window copy replaces the one with no window; a copy with no window
    // lets itself be replaced. Both wait in line for the name while another has it.
    constexpr uint kAllowReplacement = 1;
    constexpr uint kReplaceExisting = 2;
    const uint flags = takeOver ? kReplaceExisting : kAllowReplacement;
    auto* watcher = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("RequestName"), corvalin::control::kService, flags), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            nameProblem(QStringLiteral("the name %1 could not be taken on the session bus (%2): the command line "
                                       "cannot reach this copy")
                            .arg(corvalin::control::kService, reply.error().message()));
            return;
        }
        // 1 primary owner, 2 in line for it, 3 refused, 4 already ours.
        if (reply.value() == 1 || reply.value() == 4) {
            judgeOwner(QDBusConnection::sessionBus().baseService());
            return;
        }
        QDBusConnection bus = QDBusConnection::sessionBus();
        auto* asked = new QDBusPendingCallWatcher(
            bus.interface()->asyncCall(QStringLiteral("GetNameOwner"), corvalin::control::kService), this);
        connect(asked, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* a) {
            a->deleteLater();
            const QDBusPendingReply<QString> owner = *a;
            // Nobody has it any more: it comes to this copy, in line for it, and the watcher hears so.
            if (!owner.isError()) {
                judgeOwner(owner.value());
            }
        });
    });
}

void ControlService::judgeOwner(const QString& owner) {
    const quint64 asked = ++m_ownerAsked;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (owner.isEmpty()) {
        return;
    }
    if (owner == bus.baseService()) {
        nameHeld(QStringLiteral("this copy has the name %1 on the session bus: the command line reaches it")
                     .arg(corvalin::control::kService));
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("GetConnectionUnixUser"), owner), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, asked](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> user = *w;
        if (asked != m_ownerAsked || user.isError()) {
            return;  // the owner changed meanwhile, or is gone: the watcher tells what came after
        }
        if (user.value() == ::getuid()) {
            nameHeld(QStringLiteral("another copy of Corvalin of this user has the name %1 on the session bus")
                         .arg(corvalin::control::kService));
            return;
        }
        nameProblem(QStringLiteral("a program of another user, %1, holds the name %2 on the session bus: the "
                                   "command line refuses to ask it and cannot reach this copy until it ends")
                        .arg(corvalin::control::userNamed(user.value()), corvalin::control::kService));
    });
}

void ControlService::nameProblem(const QString& text) {
    m_nameProblem = true;
    m_bells->lastingProblem(kNameTopic, text);
}

void ControlService::nameHeld(const QString& note) {
    if (m_nameProblem) {
        m_nameProblem = false;
        m_bells->endProblem(kNameTopic, note);
    }
}

bool ControlService::admits(const QString& caller, Calls calls) {
    const qint64 now = m_clock.elapsed();
    // Those who have not called for a while have all their calls again: they are forgotten.
    constexpr qsizetype kRemembered = 256;
    if (m_callers.size() > kRemembered) {
        const qint64 forgotten = now - 10000;
        m_callers.removeIf([forgotten](const auto& it) { return it.value().at < forgotten; });
    }
    Allowance& left = m_callers[caller];
    const double seconds = double(now - left.at) / 1000.0;
    left.at = now;
    left.changes = std::min(kChangesAtOnce, left.changes + seconds * kChangesPerSecond);
    left.reads = std::min(kReadsAtOnce, left.reads + seconds * kReadsPerSecond);
    double& allowed = calls == Calls::Changes ? left.changes : left.reads;
    if (allowed < 1.0) {
        return false;
    }
    allowed -= 1.0;
    return true;
}

void ControlService::serve(const char* method, const QVariantList& arguments) {
    setDelayedReply(true);
    const QDBusMessage call = message();
    const auto* command = corvalin::control::commandCalled(QLatin1String(method));
    Q_ASSERT(command);
    // Refused at once, before the caller is asked of the bus and before the bells hear of it.
    if (!admits(call.service(), command->calls)) {
        sendErrorReply(corvalin::control::kRefused, QStringLiteral("too many calls; try again in a moment"));
        return;
    }
    for (qsizetype i = 0; i < arguments.size() && i < qsizetype(command->arguments.size()); ++i) {
        const auto& argument = command->arguments[std::size_t(i)];
        if (argument.as != corvalin::control::As::Text && argument.as != corvalin::control::As::Time) {
            continue;
        }
        const QString text = arguments[i].toString();
        if (text.size() > argument.longest || text.toUtf8().size() > argument.longest) {
            sendErrorReply(corvalin::control::kRefused,
                           QStringLiteral("%1 is too long (more than %2 bytes): %3")
                               .arg(QLatin1String(argument.what))
                               .arg(argument.longest)
                               .arg(cutShort(text)));
            return;
        }
    }
    QDBusConnection bus = connection();
    // Who calls is asked of the bus, without waiting for its answer here.
    auto* watcher = new QDBusPendingCallWatcher(
        bus.interface()->asyncCall(QStringLiteral("GetConnectionUnixUser"), call.service()), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, call, bus, method, arguments](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> user = *w;
                const uint own = ::getuid();
                if (user.isError() || user.value() != own) {
                    const QString who =
                        user.isError() ? QStringLiteral("an unknown user") : QStringLiteral("the user %1").arg(user.value());
                    QDBusConnection(bus).send(call.createErrorReply(
                        corvalin::control::kOtherUser,
                        QStringLiteral("Corvalin runs here for the user %1; a call from %2 is refused").arg(own).arg(who)));
                    return;
                }
                if (!m_commands->copy().holdsBells()) {
                    QDBusConnection(bus).send(call.createErrorReply(
                        corvalin::control::kRefused,
                        QStringLiteral("the bells are being handed over between two copies of Corvalin; try again in a "
                                       "moment")));
                    return;
                }
                m_commands->run(QLatin1String(method), arguments, CommandRunner::byCommandLine(),
                                [call, bus](const QString& refusal, const QVariant& said) {
                                    QDBusConnection(bus).send(
                                        refusal.isEmpty() ? call.createReply(said)
                                                          : call.createErrorReply(corvalin::control::kRefused, refusal));
                                });
            });
}

// Each method of the interface runs the command of its own name (see commands.cpp).
QString ControlService::Start() { return serve(__func__), QString(); }
QString ControlService::Stop() { return serve(__func__), QString(); }
QString ControlService::RingNow(const QString& sound) { return serve(__func__, {sound}), QString(); }
QString ControlService::StopBell() { return serve(__func__), QString(); }
QString ControlService::SkipNext() { return serve(__func__), QString(); }
QString ControlService::SkipBell(const QString& time) { return serve(__func__, {time}), QString(); }
QString ControlService::MoveBell(const QString& time, const QString& to) {
    return serve(__func__, {time, to}), QString();
}
QString ControlService::AddBell(const QString& time, const QString& sound) {
    return serve(__func__, {time, sound}), QString();
}
QString ControlService::NoBellsToday() { return serve(__func__), QString(); }
QString ControlService::TempletToday(int templet) { return serve(__func__, {templet}), QString(); }
QString ControlService::UndoToday(int index) { return serve(__func__, {index}), QString(); }
QString ControlService::StartAlarm(const QString& name) { return serve(__func__, {name}), QString(); }
QString ControlService::StopAlarm() { return serve(__func__), QString(); }
QString ControlService::Follow(const QString& address, const QString& publicKey) {
    return serve(__func__, {address, publicKey}), QString();
}
QString ControlService::Unfollow() { return serve(__func__), QString(); }
QString ControlService::RefreshSetup() { return serve(__func__), QString(); }
QString ControlService::WebOn(const QString& listen) { return serve(__func__, {listen}), QString(); }
QString ControlService::WebOff() { return serve(__func__), QString(); }
QString ControlService::StaffAdd(const QString& name, const QString& role, const QString& passwordHash) {
    return serve(__func__, {name, role, passwordHash}), QString();
}
QString ControlService::StaffRemove(const QString& name) { return serve(__func__, {name}), QString(); }
QString ControlService::StaffList() { return serve(__func__), QString(); }
QVariantMap ControlService::Status() { return serve(__func__), QVariantMap(); }
