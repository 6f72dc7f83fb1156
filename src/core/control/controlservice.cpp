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
#include "core/control/controlbus.h"
#include "core/follow/setupfollower.h"
#include "engine/schedule/todaychanges.h"

namespace {

// "10:50" for a minute of the day.
QString hhmm(int minuteOfDay) {
    return QString::fromStdString(corvalin::today::minuteText(minuteOfDay));
}

// Today's changes as a script reads them: each an object of its kind, times, sound and maker.
QVariantList changeObjects(const std::vector<corvalin::today::Change>& changes) {
    namespace td = corvalin::today;
    QVariantList list;
    for (const td::Change& c : changes) {
        QVariantMap object;
        switch (c.kind) {
        case td::Kind::Skip:
            object.insert(QStringLiteral("kind"), QStringLiteral("skip"));
            object.insert(QStringLiteral("time"), hhmm(c.minute));
            break;
        case td::Kind::Move:
            object.insert(QStringLiteral("kind"), QStringLiteral("move"));
            object.insert(QStringLiteral("time"), hhmm(c.minute));
            object.insert(QStringLiteral("to"), hhmm(c.to));
            break;
        case td::Kind::Add:
            object.insert(QStringLiteral("kind"), QStringLiteral("add"));
            object.insert(QStringLiteral("time"), hhmm(c.minute));
            object.insert(QStringLiteral("sound"), QString::fromStdString(c.sound));
            break;
        case td::Kind::NoBells:
            object.insert(QStringLiteral("kind"), QStringLiteral("no bells"));
            break;
        case td::Kind::Templet:
            object.insert(QStringLiteral("kind"), QStringLiteral("templet"));
            object.insert(QStringLiteral("templet"), c.templet);
            break;
        }
        object.insert(QStringLiteral("by"), QString::fromStdString(c.by));
        list.append(object);
    }
    return list;
}

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

ControlService::ControlService(BellsClient* bells, Copy copy, QObject* parent)
    : QObject(parent), m_bells(bells), m_copy(std::move(copy)) {
    connect(bells, &BellsClient::bellRung, this, &ControlService::BellRung);
    connect(bells, &BellsClient::nextRingChanged, this, [this](int minuteOfDay, const QString& sound) {
        Q_EMIT NextBellChanged(minuteOfDay < 0 ? QString() : hhmm(minuteOfDay), minuteOfDay < 0 ? QString() : sound);
    });
    connect(bells, &BellsClient::problemReported, this,
            [this](const QDateTime&, const QString& text, const QString&) { Q_EMIT Problem(text); });
    connect(bells, &BellsClient::alarmChanged, this, &ControlService::AlarmChanged);
    connect(bells, &BellsClient::runningChanged, this, &ControlService::RunningChanged);
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

void ControlService::serve(std::function<void(Done)> work, std::initializer_list<Argument> arguments, Calls calls) {
    setDelayedReply(true);
    const QDBusMessage call = message();
    // Refused at once, before the caller is asked of the bus and before the bells hear of it.
    if (!admits(call.service(), calls)) {
        sendErrorReply(corvalin::control::kRefused, QStringLiteral("too many calls; try again in a moment"));
        return;
    }
    for (const Argument& argument : arguments) {
        if (argument.text.size() > argument.longest || argument.text.toUtf8().size() > argument.longest) {
            sendErrorReply(corvalin::control::kRefused,
                           QStringLiteral("%1 is too long (more than %2 bytes): %3")
                               .arg(QLatin1String(argument.what))
                               .arg(argument.longest)
                               .arg(cutShort(argument.text)));
            return;
        }
    }
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
        m_copy.start([done](const QString& refusal) { done(refusal, QStringLiteral("the bell service started")); });
    });
    return {};
}

QString ControlService::Stop() {
    serve([this](Done done) {
        if (!m_bells->isRunning()) {
            done(QStringLiteral("the bell service is not running"), {});
            return;
        }
        m_copy.stop();
        done({}, QStringLiteral("the bell service stopped"));
    });
    return {};
}

QString ControlService::RingNow(const QString& sound) {
    serve(
        [this, sound](Done done) {
            m_bells->ringNow(sound, [done, sound](const QString& refusal) {
                done(refusal, sound.isEmpty() ? QStringLiteral("a bell rang") : QStringLiteral("%1 rang").arg(sound));
            });
        },
        {{sound, "the sound's name"}});
    return {};
}

QString ControlService::StopBell() {
    serve([this](Done done) {
        const QString alarm = m_bells->alarm();
        m_bells->stopBell(by(), [done, alarm](const QString& refusal) {
            done(refusal, alarm.isEmpty() ? QStringLiteral("the bell stopped")
                                          : QStringLiteral("the alarm signal %1 stopped").arg(alarm));
        });
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
    serveChange(corvalin::today::Kind::Skip, time, {}, {});
    return {};
}

QString ControlService::MoveBell(const QString& time, const QString& to) {
    serveChange(corvalin::today::Kind::Move, time, to.isNull() ? QStringLiteral("") : to, {});
    return {};
}

QString ControlService::AddBell(const QString& time, const QString& sound) {
    serveChange(corvalin::today::Kind::Add, time, {}, sound);
    return {};
}

void ControlService::serveChange(corvalin::today::Kind kind, const QString& time, const QString& to,
                                 const QString& sound) {
    serve(
        [this, kind, time, to, sound](Done done) {
            Asked a = asked(kind, time, to);
            if (!a.refusal.isEmpty()) {
                done(a.refusal, {});
                return;
            }
            a.change.sound = sound.toStdString();
            const QString said = QString::fromStdString(corvalin::today::describe(a.change));
            m_bells->changeToday(a.change, [done, said](const QString& refusal) { done(refusal, said); });
        },
        {{time, "the time"}, {to, "the time"}, {sound, "the sound's name"}});
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
    serve(
        [this, name](Done done) {
            // The answer names what sounds when it is given, and what it took the place of: two
            // signals started at one moment both "sound" only until the second replaces the first.
            const QString before = m_bells->alarm();
            m_bells->startAlarm(name, by(), [this, done, name, before](const QString& refusal) {
                const QString now = m_bells->alarm();
                QString answer = QStringLiteral("the alarm signal %1 sounds").arg(now);
                if (now.compare(name, Qt::CaseInsensitive) != 0) {
                    answer = now.isEmpty() ? QStringLiteral("the alarm signal %1 has already ended").arg(name)
                                           : answer + QStringLiteral(", started since in place of %1").arg(name);
                } else if (!before.isEmpty() && before.compare(now, Qt::CaseInsensitive) != 0) {
                    answer += QStringLiteral(", in place of %1").arg(before);
                }
                done(refusal, answer);
            });
        },
        {{name, "the alarm signal's name"}});
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
    serve(
        [this, address, publicKey](Done done) {
            if (!m_copy.follower) {
                done(QStringLiteral("this copy cannot follow a set-up"), {});
                return;
            }
            done(m_copy.follower->follow(address, publicKey),
                 QStringLiteral("this computer follows the set-up published at %1").arg(address.trimmed()));
        },
        {{address, "the address", kLongestAddress}, {publicKey, "the public key"}});
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
    serve([this](Done done) { m_bells->askStatus([this, done](const BellsStatus& bells) { done({}, status(bells)); }); },
          {}, Calls::Reads);
    return {};
}

QVariantMap ControlService::status(const BellsStatus& bells) const {
    QStringList changes;
    for (const auto& change : bells.changes) {
        changes << QString::fromStdString(corvalin::today::describe(change));
    }
    const SetupFollower* follower = m_copy.follower;
    namespace key = corvalin::control::status;
    return {
        {key::kCopy, m_copy.kind},
        {key::kRunning, bells.running},
        {key::kDate, bells.now.date().toString(Qt::ISODate)},
        {key::kTime, bells.now.time().toString(QStringLiteral("hh:mm:ss"))},
        {key::kOffset, bells.offset},
        {key::kMode, bells.interval ? QStringLiteral("interval") : QStringLiteral("time list")},
        {key::kDay, bells.day},
        {key::kAlarm, bells.alarm},
        {key::kNextBell, bells.next ? hhmm(bells.next->minute) : QString()},
        {key::kNextSound, bells.next ? QString::fromStdString(bells.next->sound) : QString()},
        {key::kTodayChanges, changes},
        {key::kChanges, changeObjects(bells.changes)},
        {key::kLastBell, bells.last.sound.isEmpty() ? QString() : hhmm(bells.last.minute)},
        {key::kLastSound, bells.last.sound},
        {key::kLastRungNow, bells.last.byHand},
        {key::kProblems, m_bells->openProblems()},
        {key::kFollowed, follower ? follower->address() : QString()},
        {key::kFollowedVersion, follower ? follower->version() : QString()},
        {key::kFollowedApplied, follower ? follower->appliedAt().toString(Qt::ISODate) : QString()},
        {key::kFollowedChecked, follower ? follower->checkedAt().toString(Qt::ISODate) : QString()},
    };
}
