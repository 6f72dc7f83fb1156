// The command line's client of the running copy.
#include "control/controlcommand.h"

#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "control/controlbus.h"
#include "follow/setupfollower.h"

namespace corvalin::control {

QString userNamed(uint uid) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(4096);
    if (::getpwuid_r(static_cast<uid_t>(uid), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_name[0] != '\0') {
        return QStringLiteral("%1 (uid %2)").arg(QString::fromLocal8Bit(found->pw_name)).arg(uid);
    }
    return QStringLiteral("uid %1").arg(uid);
}

namespace {

const QString kStatus = QStringLiteral("status");
const QString kJson = QStringLiteral("json");
const QString kRingNow = QStringLiteral("ring-now");
const QString kStopBell = QStringLiteral("stop-bell");
const QString kSkipNext = QStringLiteral("skip-next");
const QString kAlarm = QStringLiteral("alarm");
const QString kAlarmStop = QStringLiteral("alarm-stop");
const QString kStart = QStringLiteral("start");
const QString kStop = QStringLiteral("stop");
const QString kFollow = QStringLiteral("follow");
const QString kKey = QStringLiteral("key");
const QString kUnfollow = QStringLiteral("unfollow");

const QStringList& commands() {
    static const QStringList names{kStatus, kRingNow, kStopBell, kSkipNext, kAlarm,
                                   kAlarmStop, kStart, kStop, kFollow, kUnfollow};
    return names;
}

void print(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
    std::fflush(to);
}

// The status as a person reads it.
QString statusText(const QVariantMap& s) {
    QStringList lines;
    const bool running = s.value(QStringLiteral("running")).toBool();
    const QString copy = s.value(QStringLiteral("copy")).toString();
    lines << QStringLiteral("Corvalin (%1): the bell service %2")
                 .arg(copy == QStringLiteral("window") ? QStringLiteral("window copy") : QStringLiteral("copy with no window"),
                      running ? QStringLiteral("runs") : QStringLiteral("is stopped"));
    const QString alarm = s.value(QStringLiteral("alarm")).toString();
    lines << QStringLiteral("Alarm signal: %1").arg(alarm.isEmpty() ? QStringLiteral("none") : alarm + QStringLiteral(" sounds"));
    const QString next = s.value(QStringLiteral("next_bell")).toString();
    lines << QStringLiteral("Next bell: %1")
                 .arg(!running ? QStringLiteral("none (stopped)")
                      : next.isEmpty()
                          ? QStringLiteral("none left today")
                          : next + QLatin1Char(' ') + s.value(QStringLiteral("next_sound")).toString());
    const QString last = s.value(QStringLiteral("last_bell")).toString();
    lines << QStringLiteral("Last bell: %1")
                 .arg(last.isEmpty() ? QStringLiteral("none yet")
                                     : last + QLatin1Char(' ') + s.value(QStringLiteral("last_sound")).toString() +
                                           (s.value(QStringLiteral("last_rung_now")).toBool() ? QStringLiteral(" (ring now)")
                                                                                              : QString()));
    const int offset = s.value(QStringLiteral("offset")).toInt();
    lines << QStringLiteral("Bells' clock: %1 %2%3")
                 .arg(s.value(QStringLiteral("date")).toString(), s.value(QStringLiteral("time")).toString(),
                      offset == 0 ? QString()
                                  : QStringLiteral(" (%1 s %2 the computer's clock)")
                                        .arg(std::abs(offset))
                                        .arg(offset < 0 ? QStringLiteral("ahead of") : QStringLiteral("behind")));
    lines << QStringLiteral("Today: %1, %2")
                 .arg(s.value(QStringLiteral("day")).toString(), s.value(QStringLiteral("mode")).toString());
    auto list = [&lines](const QString& title, const QStringList& items) {
        if (items.isEmpty()) {
            lines << title + QStringLiteral(": none");
            return;
        }
        lines << title + QLatin1Char(':');
        for (const QString& item : items) {
            lines << QStringLiteral("  ") + item;
        }
    };
    list(QStringLiteral("Today's changes"), s.value(QStringLiteral("today_changes")).toStringList());
    const QString followed = s.value(QStringLiteral("followed")).toString();
    if (followed.isEmpty()) {
        lines << QStringLiteral("Set-up: this computer's own");
    } else {
        const QString version = s.value(QStringLiteral("followed_version")).toString();
        const QString checked = s.value(QStringLiteral("followed_checked")).toString();
        lines << QStringLiteral("Set-up: managed from %1").arg(followed)
              << QStringLiteral("  version in use: %1")
                     .arg(version.isEmpty() ? QStringLiteral("none yet")
                                            : QStringLiteral("SHA-256 %1, applied %2")
                                                  .arg(version, s.value(QStringLiteral("followed_applied")).toString()))
              << QStringLiteral("  last checked: %1").arg(checked.isEmpty() ? QStringLiteral("not yet") : checked);
    }
    list(QStringLiteral("Problems"), s.value(QStringLiteral("problems")).toStringList());
    return lines.join(QLatin1Char('\n'));
}

// A value as it comes off the bus, with the maps and lists in it, however deep, as plain ones: an
// a{sv} or an av arrives as a QDBusArgument, read by its signature.
QVariant plainValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return plainValue(value.value<QDBusVariant>().variant());
    }
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentType() == QDBusArgument::MapType) {
            return plainValue(qdbus_cast<QVariantMap>(argument));
        }
        if (argument.currentType() == QDBusArgument::ArrayType) {
            return plainValue(qdbus_cast<QVariantList>(argument));
        }
        return {};
    }
    if (value.metaType() == QMetaType::fromType<QVariantMap>()) {
        QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it) {
            it.value() = plainValue(it.value());
        }
        return map;
    }
    if (value.metaType() == QMetaType::fromType<QVariantList>()) {
        QVariantList list = value.toList();
        for (QVariant& item : list) {
            item = plainValue(item);
        }
        return list;
    }
    return value;
}

QVariantMap statusMap(const QVariant& value) {
    return plainValue(value).toMap();
}

// --follow and --unfollow when no copy runs: kept in the data folder for the next start.
int followWithNoCopy(const QCommandLineParser& parser, const QString& method, const QString& dataFolder) {
    if (method == QStringLiteral("Follow")) {
        if (const QString why = SetupFollower::writeFollowed(dataFolder, parser.value(kFollow).trimmed(), parser.value(kKey));
            !why.isEmpty()) {
            print(stderr, QStringLiteral("Refused: ") + why);
            return kRefusedCode;
        }
        print(stdout, QStringLiteral("No copy of Corvalin runs: the next one to start follows the set-up published at %1")
                          .arg(parser.value(kFollow).trimmed()));
        return kDone;
    }
    if (method == QStringLiteral("Unfollow")) {
        if (SetupFollower::followedAddress(dataFolder).isEmpty()) {
            print(stderr, QStringLiteral("Refused: this computer follows no set-up"));
            return kRefusedCode;
        }
        if (const QString why = SetupFollower::writeFollowed(dataFolder, {}, {}); !why.isEmpty()) {
            print(stderr, QStringLiteral("Refused: ") + why);
            return kRefusedCode;
        }
        print(stdout, QStringLiteral("No copy of Corvalin runs: the set-up in use is this computer's own from now on"));
        return kDone;
    }
    print(stderr, QStringLiteral("No copy of Corvalin runs for this user: nothing was done."));
    return kNoCopy;
}

}  // namespace

void describeCommands(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(
        kStatus, QStringLiteral("Say what the copy of Corvalin that runs for you is doing: the bell service, the next "
                                "bell, today's changes, the last bell rung, an alarm signal and the open problems.")));
    parser.addOption(QCommandLineOption(kJson, QStringLiteral("With --status: as one JSON object, for a script.")));
    parser.addOption(QCommandLineOption(
        kRingNow, QStringLiteral("Ring a bell now, the sound named after the option (as the ring-now button does), or "
                                 "the next bell's sound when none is named.")));
    parser.addOption(QCommandLineOption(kStopBell, QStringLiteral("Stop the bell, or the alarm signal, that sounds.")));
    parser.addOption(QCommandLineOption(kSkipNext, QStringLiteral("Skip the next bell, today only.")));
    parser.addOption(QCommandLineOption(
        kAlarm, QStringLiteral("Sound the alarm signal <name> at once, with no question."), QStringLiteral("name")));
    parser.addOption(QCommandLineOption(kAlarmStop, QStringLiteral("Stop the alarm signal that sounds.")));
    parser.addOption(QCommandLineOption(kStart, QStringLiteral("Start the bell service, as the start button does.")));
    parser.addOption(QCommandLineOption(kStop, QStringLiteral("Stop the bell service, as the stop button does.")));
    parser.addOption(QCommandLineOption(
        kFollow,
        QStringLiteral("Follow the set-up published at <address> (https://, or http:// on a LAN), signed with the "
                       "publisher's key given with --key: it is fetched at start and every 15 minutes and applied "
                       "when its signature and contents check out. Without a copy running, kept for the next start."),
        QStringLiteral("address")));
    parser.addOption(QCommandLineOption(kKey, QStringLiteral("With --follow: the publisher's public key."),
                                        QStringLiteral("public-key")));
    parser.addOption(QCommandLineOption(
        kUnfollow, QStringLiteral("Follow no set-up any more; the set-up in use stays, as this computer's own.")));
}

bool asksForCommand(const QCommandLineParser& parser) {
    for (const QString& name : commands()) {
        if (parser.isSet(name)) {
            return true;
        }
    }
    return parser.isSet(kJson);
}

bool namesCommand(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        for (const QString& name : commands() + QStringList{kJson}) {
            if (arg == QStringLiteral("--") + name || arg.startsWith(QStringLiteral("--") + name + QLatin1Char('='))) {
                return true;
            }
        }
    }
    return false;
}

int runCommand(const QCommandLineParser& parser, const QString& dataFolder) {
    QStringList given;
    for (const QString& name : commands()) {
        if (parser.isSet(name)) {
            given << QStringLiteral("--") + name;
        }
    }
    if (given.size() != 1) {
        print(stderr, given.isEmpty() ? QStringLiteral("--json goes with --status; nothing was done.")
                                      : QStringLiteral("%1 cannot be given together; nothing was done.")
                                            .arg(given.join(QStringLiteral(", "))));
        return kRefusedCode;
    }
    if (parser.isSet(kKey) != parser.isSet(kFollow)) {
        print(stderr, QStringLiteral("--follow and --key go together; nothing was done."));
        return kRefusedCode;
    }
    if (parser.isSet(kJson) && !parser.isSet(kStatus)) {
        print(stderr, QStringLiteral("--json goes with --status; nothing was done."));
        return kRefusedCode;
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty() && (!parser.isSet(kRingNow) || extra.size() > 1)) {
        print(stderr, QStringLiteral("%1 is not understood; nothing was done.").arg(extra.join(QLatin1Char(' '))));
        return kRefusedCode;
    }

    QString method;
    QVariantList arguments;
    if (parser.isSet(kStatus)) {
        method = QStringLiteral("Status");
    } else if (parser.isSet(kRingNow)) {
        method = QStringLiteral("RingNow");
        arguments << extra.value(0);
    } else if (parser.isSet(kStopBell)) {
        method = QStringLiteral("StopBell");
    } else if (parser.isSet(kSkipNext)) {
        method = QStringLiteral("SkipNext");
    } else if (parser.isSet(kAlarm)) {
        method = QStringLiteral("StartAlarm");
        arguments << parser.value(kAlarm);
    } else if (parser.isSet(kAlarmStop)) {
        method = QStringLiteral("StopAlarm");
    } else if (parser.isSet(kFollow)) {
        method = QStringLiteral("Follow");
        arguments << parser.value(kFollow) << parser.value(kKey);
    } else if (parser.isSet(kUnfollow)) {
        method = QStringLiteral("Unfollow");
    } else if (parser.isSet(kStart)) {
        method = QStringLiteral("Start");
    } else {
        method = QStringLiteral("Stop");
    }

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (method == QStringLiteral("Follow") || method == QStringLiteral("Unfollow")) {
            return followWithNoCopy(parser, method, dataFolder);
        }
        print(stderr, QStringLiteral("No copy of Corvalin can be asked: there is no session bus for this user (%1).")
                          .arg(bus.lastError().message()));
        return kNoCopy;
    }
    // Whoever holds the name is asked only when it runs as this user: on a bus that other users
    // can reach, another user's program could take the name first and answer in the copy's place.
    // The call then goes to the very connection that was checked, not to whoever has the name by then.
    const QDBusReply<QString> owner = bus.interface()->serviceOwner(kService);
    if (!owner.isValid()) {
        const QString error = owner.error().name();
        if (error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner") ||
            error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown")) {
            return followWithNoCopy(parser, method, dataFolder);
        }
        print(stderr, QStringLiteral("The session bus did not say who has the name %1: %2; nothing was done.")
                          .arg(kService, owner.error().message()));
        return kRefusedCode;
    }
    const QDBusReply<uint> ownerUid = bus.interface()->serviceUid(owner.value());
    const uint own = ::getuid();
    if (!ownerUid.isValid() || ownerUid.value() != own) {
        print(stderr, QStringLiteral("Refused: the name %1 on this session bus is held by a program of %2, not by "
                                     "Corvalin of this user, %3; nothing was asked of it.")
                          .arg(kService,
                               ownerUid.isValid() ? QStringLiteral("another user, %1").arg(userNamed(ownerUid.value()))
                                                  : QStringLiteral("a user the bus cannot tell"),
                               userNamed(own)));
        return kRefusedCode;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(owner.value(), kPath, kInterface, method);
    call.setArguments(arguments);
    // A call that does not start a service: only a copy that runs answers.
    call.setAutoStartService(false);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 25000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QString error = reply.errorName();
        if (error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
            error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")) {
            return followWithNoCopy(parser, method, dataFolder);
        }
        if (error == kRefused || error == kOtherUser) {
            print(stderr, QStringLiteral("Refused: ") + reply.errorMessage());
            return kRefusedCode;
        }
        print(stderr, QStringLiteral("The copy of Corvalin that runs did not answer as it should: %1 (%2)")
                          .arg(reply.errorMessage(), error));
        return kRefusedCode;
    }
    const QVariant value = reply.arguments().value(0);
    if (method == QStringLiteral("Status")) {
        const QVariantMap status = statusMap(value);
        print(stdout, parser.isSet(kJson)
                          ? QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(status)).toJson(QJsonDocument::Compact))
                          : statusText(status));
    } else {
        print(stdout, value.toString());
    }
    return kDone;
}

}  // namespace corvalin::control
