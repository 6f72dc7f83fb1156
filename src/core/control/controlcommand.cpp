// The command line's client of the running copy.
#include "core/control/controlcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <sodium.h>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "core/control/commands.h"
#include "core/control/controlbus.h"
#include "core/follow/setupfollower.h"
#include "core/web/staffaccounts.h"
#include "core/web/webswitch.h"

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

// Every command of the running copy is a verb here: --verb, with its arguments as the command
// table gives them (see commands.h). The options, the check that one verb is given alone, the
// method's arguments and the call all come from there.
using Verb = Command;

const std::vector<Verb>& verbs() {
    return commands();
}

// The options that only go with a verb.
struct Companion {
    const char* name;
    const char* verb;
    const char* valueName;  // none for a switch
    const char* help;
};
const std::vector<Companion>& companions() {
    static const std::vector<Companion> table{
        {"json", "status", nullptr, QT_TRANSLATE_NOOP("Commands", "With --status: as one JSON object, for a script.")},
        {"key", "follow", "public-key", QT_TRANSLATE_NOOP("Commands", "With --follow: the publisher's public key.")},
        {"role", "staff-add", "alarm|office", QT_TRANSLATE_NOOP("Commands", "With --staff-add: what the account may do (alarm when not given).")},
    };
    return table;
}

QString option(const char* name) {
    return QStringLiteral("--") + QLatin1String(name);
}

// The verb the command line gives; none when it gives none or more than one.
const Verb* givenVerb(const QCommandLineParser& parser) {
    const Verb* given = nullptr;
    for (const Verb& verb : verbs()) {
        if (parser.isSet(QLatin1String(verb.verb))) {
            if (given) {
                return nullptr;
            }
            given = &verb;
        }
    }
    return given;
}

// The verb as --help shows how it is given: "--move <time> <to>".
QString usage(const Verb& verb) {
    QString text = option(verb.verb);
    for (const Argument& argument : verb.arguments) {
        const QString name = QLatin1String(argument.name);
        text += argument.from == From::MaybeWord ? QStringLiteral(" [<%1>]").arg(name)
                : argument.from == From::Key     ? QStringLiteral(" --key <public-key>")
                : argument.from == From::Option  ? QStringLiteral(" [--%1 <%1>]").arg(name)
                : argument.from == From::Secret  ? QString()
                                                 : QStringLiteral(" <%1>").arg(name);
    }
    return text;
}

// The value the method is given for `argument`, `text` on the command line; the reason when it
// cannot be one.
QVariant valueOf(const Verb& verb, const Argument& argument, const QString& text, QString* fault) {
    if (argument.as == As::Text || argument.as == As::Time) {
        return text;
    }
    if (argument.as == As::NumberOrAll && text.trimmed().compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) {
        return -1;
    }
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number || (argument.as == As::NumberOrAll && value < 0)) {
        *fault = QStringLiteral("%1 takes %2, not \"%3\"; nothing was done.")
                     .arg(option(verb.verb),
                          argument.as == As::Number
                              ? QStringLiteral("a number")
                              : QStringLiteral("the number of one of today's changes (from 0) or all"),
                          text);
        return {};
    }
    return value;
}

// The method's arguments from the command line; the reason when they are not all there.
QVariantList argumentsOf(const Verb& verb, const QCommandLineParser& parser, QString* fault) {
    QVariantList values;
    QStringList words = parser.positionalArguments();
    for (const Argument& argument : verb.arguments) {
        QString text;
        switch (argument.from) {
        case From::Value:
            text = parser.value(QLatin1String(verb.verb));
            break;
        case From::Key:
            if (!parser.isSet(QStringLiteral("key"))) {
                *fault = QStringLiteral("%1 and --key go together; nothing was done.").arg(option(verb.verb));
                return {};
            }
            text = parser.value(QStringLiteral("key"));
            break;
        case From::Word:
            if (words.isEmpty()) {
                *fault = QStringLiteral("<%1> is missing: %2; nothing was done.")
                             .arg(QLatin1String(argument.name), usage(verb));
                return {};
            }
            text = words.takeFirst();
            break;
        case From::MaybeWord:
            text = words.isEmpty() ? QString() : words.takeFirst();
            break;
        case From::Option:
            text = parser.value(QLatin1String(argument.name));
            break;
        case From::Secret:
            break;  // read when the command is run (readSecret)
        }
        values << valueOf(verb, argument, text, fault);
        if (!fault->isEmpty()) {
            return {};
        }
    }
    if (!words.isEmpty()) {
        *fault = QStringLiteral("%1 is not understood; nothing was done.").arg(words.join(QLatin1Char(' ')));
        return {};
    }
    return values;
}

void print(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
    std::fflush(to);
}

// The status as a person reads it, in the operator's language (the values the copy tells, times,
// sounds and the problems' ring log lines, stay as they are).
struct StatusText {
    Q_DECLARE_TR_FUNCTIONS(StatusText)
};

QString statusText(const QVariantMap& s) {
    QStringList lines;
    const bool running = s.value(status::kRunning).toBool();
    const bool window = s.value(status::kCopy).toString() == QStringLiteral("window");
    lines << (window ? running ? StatusText::tr("Corvalin (window copy): the bell service runs")
                               : StatusText::tr("Corvalin (window copy): the bell service is stopped")
                     : running ? StatusText::tr("Corvalin (copy with no window): the bell service runs")
                               : StatusText::tr("Corvalin (copy with no window): the bell service is stopped"));
    const QString alarm = s.value(status::kAlarm).toString();
    lines << (alarm.isEmpty() ? StatusText::tr("Alarm signal: none") : StatusText::tr("Alarm signal: %1 sounds").arg(alarm));
    const QString next = s.value(status::kNextBell).toString();
    lines << (!running        ? StatusText::tr("Next bell: none (stopped)")
              : next.isEmpty() ? StatusText::tr("Next bell: none left today")
                               : StatusText::tr("Next bell: %1 %2").arg(next, s.value(status::kNextSound).toString()));
    const QString last = s.value(status::kLastBell).toString();
    lines << (last.isEmpty() ? StatusText::tr("Last bell: none yet")
              : s.value(status::kLastRungNow).toBool()
                  ? StatusText::tr("Last bell: %1 %2 (ring now)").arg(last, s.value(status::kLastSound).toString())
                  : StatusText::tr("Last bell: %1 %2").arg(last, s.value(status::kLastSound).toString()));
    const int offset = s.value(status::kOffset).toInt();
    const QString date = s.value(status::kDate).toString();
    const QString time = s.value(status::kTime).toString();
    lines << (offset == 0  ? StatusText::tr("Bells' clock: %1 %2").arg(date, time)
              : offset < 0 ? StatusText::tr("Bells' clock: %1 %2 (%3 s ahead of the computer's clock)").arg(date, time).arg(-offset)
                           : StatusText::tr("Bells' clock: %1 %2 (%3 s behind the computer's clock)").arg(date, time).arg(offset));
    lines << StatusText::tr("Today: %1, %2").arg(s.value(status::kDay).toString(), s.value(status::kMode).toString());
    auto list = [&lines](const QString& none, const QString& title, const QStringList& items) {
        if (items.isEmpty()) {
            lines << none;
            return;
        }
        lines << title;
        for (const QString& item : items) {
            lines << QStringLiteral("  ") + item;
        }
    };
    list(StatusText::tr("Today's changes: none"), StatusText::tr("Today's changes:"), s.value(status::kTodayChanges).toStringList());
    const QString followed = s.value(status::kFollowed).toString();
    if (followed.isEmpty()) {
        lines << StatusText::tr("Set-up: this computer's own");
    } else {
        const QString version = s.value(status::kFollowedVersion).toString();
        const QString checked = s.value(status::kFollowedChecked).toString();
        lines << StatusText::tr("Set-up: managed from %1").arg(followed)
              << (version.isEmpty() ? StatusText::tr("  version in use: none yet")
                                    : StatusText::tr("  version in use: SHA-256 %1, applied %2")
                                          .arg(version, s.value(status::kFollowedApplied).toString()))
              << (checked.isEmpty() ? StatusText::tr("  last checked: not yet") : StatusText::tr("  last checked: %1").arg(checked));
    }
    const QString web = s.value(status::kWeb).toString();
    const QString fingerprint = s.value(status::kWebFingerprint).toString();
    lines << (web == QStringLiteral("off") || web.isEmpty() ? StatusText::tr("Staff web page: off")
                                                            : StatusText::tr("Staff web page: %1").arg(web));
    if (!fingerprint.isEmpty()) {
        lines << StatusText::tr("  certificate SHA-256: %1").arg(fingerprint);
    }
    list(StatusText::tr("Problems: none"), StatusText::tr("Problems:"), s.value(status::kProblems).toStringList());
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

// A password from standard input: asked twice, unseen, on a terminal; else its first line. Its
// Argon2id hash is what the command sends; the reason when there is none.
QString readSecret(QString* hash) {
    QByteArray password;
    if (::isatty(STDIN_FILENO)) {
        termios before{};
        const bool quiet = ::tcgetattr(STDIN_FILENO, &before) == 0;
        auto ask = [&](const char* prompt) {
            std::fprintf(stderr, "%s", prompt);
            std::fflush(stderr);
            if (quiet) {
                termios hidden = before;
                hidden.c_lflag &= ~tcflag_t(ECHO);
                ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
            }
            std::string line;
            std::getline(std::cin, line);
            if (quiet) {
                ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
            }
            std::fprintf(stderr, "\n");
            return QByteArray::fromStdString(line);
        };
        password = ask("Password: ");
        if (ask("The same password again: ") != password) {
            return QStringLiteral("the two passwords differ; nothing was done.");
        }
    } else {
        std::string line;
        std::getline(std::cin, line);
        password = QByteArray::fromStdString(line);
        if (password.endsWith('\r')) {
            password.chop(1);
        }
    }
    QString why;
    const auto made = corvalin::web::StaffAccounts::hash(password, &why);
    sodium_memzero(password.data(), std::size_t(password.size()));
    if (!made) {
        return why + QStringLiteral("; nothing was done.");
    }
    *hash = QString::fromLatin1(*made);
    return {};
}

// The commands that, with no copy to ask, are kept in the data folder for the next start.
bool keptWithNoCopy(const QString& method) {
    static const QStringList kept{QStringLiteral("Follow"),   QStringLiteral("Unfollow"),    QStringLiteral("WebOn"),
                                  QStringLiteral("WebOff"),   QStringLiteral("StaffAdd"),    QStringLiteral("StaffRemove"),
                                  QStringLiteral("StaffList")};
    return kept.contains(method);
}

int refused(const QString& why) {
    print(stderr, QStringLiteral("Refused: ") + why);
    return kRefusedCode;
}

// The staff web page's commands when no copy runs: its switch and accounts are kept in the data
// folder for the next start. -1 for a command that is not one of them.
int staffPageWithNoCopy(const QString& method, const QVariantList& arguments, const QString& dataFolder) {
    namespace web = corvalin::web;
    if (method == QStringLiteral("WebOn") || method == QStringLiteral("WebOff")) {
        QString why;
        const auto listen = web::listenOf(arguments.value(0).toString(), &why);
        if (!listen) {
            return refused(why);
        }
        const bool on = method == QStringLiteral("WebOn");
        if (const QString fault = web::writeSwitch(dataFolder, {on, *listen}); !fault.isEmpty()) {
            return refused(fault);
        }
        print(stdout, on ? QStringLiteral("No copy of Corvalin runs: the next one to start serves the staff web page "
                                          "on %1")
                               .arg(web::listenText(*listen))
                         : QStringLiteral("No copy of Corvalin runs: the next one to start serves no staff web page"));
        return kDone;
    }
    const web::StaffAccounts accounts(dataFolder);
    if (method == QStringLiteral("StaffAdd")) {
        const QString roleText = arguments.value(1).toString().isEmpty() ? QStringLiteral("alarm") : arguments.value(1).toString();
        const auto role = web::roleNamed(roleText);
        if (!role) {
            return refused(QStringLiteral("a staff role is alarm or office, not %1").arg(roleText.left(32)));
        }
        const QString name = arguments.value(0).toString();
        if (const QString fault = accounts.put({name, *role, arguments.value(2).toString().toLatin1()}); !fault.isEmpty()) {
            return refused(fault);
        }
        print(stdout, QStringLiteral("%1 may use the staff web page, as %2").arg(name, web::roleName(*role)));
        return kDone;
    }
    if (method == QStringLiteral("StaffRemove")) {
        const QString name = arguments.value(0).toString();
        if (const QString fault = accounts.remove(name); !fault.isEmpty()) {
            return refused(fault);
        }
        print(stdout, QStringLiteral("%1 may no longer use the staff web page").arg(name));
        return kDone;
    }
    if (method == QStringLiteral("StaffList")) {
        QString problem;
        const auto list = accounts.read(&problem);
        if (!problem.isEmpty()) {
            print(stderr, problem);
        }
        if (list.empty()) {
            print(stdout, QStringLiteral("no staff accounts"));
        }
        for (const auto& account : list) {
            print(stdout, account.name + QLatin1Char(' ') + web::roleName(account.role));
        }
        return kDone;
    }
    return -1;
}

// --follow and --unfollow when no copy runs: kept in the data folder for the next start.
int followWithNoCopy(const QString& method, const QVariantList& arguments, const QString& dataFolder) {
    if (const int done = staffPageWithNoCopy(method, arguments, dataFolder); done >= 0) {
        return done;
    }
    if (method == QStringLiteral("Follow")) {
        const QString address = arguments.value(0).toString().trimmed();
        if (const QString why = SetupFollower::writeFollowed(dataFolder, address, arguments.value(1).toString());
            !why.isEmpty()) {
            print(stderr, QStringLiteral("Refused: ") + why);
            return kRefusedCode;
        }
        print(stdout, QStringLiteral("No copy of Corvalin runs: the next one to start follows the set-up published at %1")
                          .arg(address));
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
    for (const Verb& verb : verbs()) {
        const bool valued = !verb.arguments.empty() && verb.arguments.front().from == From::Value;
        parser.addOption(QCommandLineOption(QLatin1String(verb.verb), QCoreApplication::translate("Commands", verb.help),
                                            valued ? QLatin1String(verb.arguments.front().name) : QString()));
    }
    for (const Companion& companion : companions()) {
        parser.addOption(QCommandLineOption(QLatin1String(companion.name), QCoreApplication::translate("Commands", companion.help),
                                            companion.valueName ? QLatin1String(companion.valueName) : QString()));
    }
}

QStringList commandMethods() {
    QStringList methods;
    for (const Verb& verb : verbs()) {
        methods << QLatin1String(verb.method);
    }
    return methods;
}

bool asksForCommand(const QCommandLineParser& parser) {
    for (const Verb& verb : verbs()) {
        if (parser.isSet(QLatin1String(verb.verb))) {
            return true;
        }
    }
    for (const Companion& companion : companions()) {
        if (parser.isSet(QLatin1String(companion.name))) {
            return true;
        }
    }
    return false;
}

QString commandFault(const QCommandLineParser& parser) {
    QStringList given;
    for (const Verb& verb : verbs()) {
        if (parser.isSet(QLatin1String(verb.verb))) {
            given << option(verb.verb);
        }
    }
    if (given.size() > 1) {
        return QStringLiteral("%1 cannot be given together; nothing was done.").arg(given.join(QStringLiteral(", ")));
    }
    for (const Companion& companion : companions()) {
        if (parser.isSet(QLatin1String(companion.name)) && !parser.isSet(QLatin1String(companion.verb))) {
            return QStringLiteral("%1 goes with %2; nothing was done.").arg(option(companion.name), option(companion.verb));
        }
    }
    const Verb* verb = givenVerb(parser);
    if (!verb) {
        return QStringLiteral("No command is given; nothing was done.");
    }
    QString fault;
    argumentsOf(*verb, parser, &fault);
    return fault;
}

int runCommand(const QCommandLineParser& parser, const QString& dataFolder) {
    if (const QString fault = commandFault(parser); !fault.isEmpty()) {
        print(stderr, fault);
        return kRefusedCode;
    }
    const Verb& verb = *givenVerb(parser);
    const QString method = QLatin1String(verb.method);
    QString fault;
    QVariantList arguments = argumentsOf(verb, parser, &fault);
    for (std::size_t i = 0; i < verb.arguments.size(); ++i) {
        if (verb.arguments[i].from == From::Secret) {
            QString hash;
            if (const QString why = readSecret(&hash); !why.isEmpty()) {
                print(stderr, QStringLiteral("Refused: ") + why);
                return kRefusedCode;
            }
            arguments[qsizetype(i)] = hash;
        }
    }

    QDBusConnection bus = QDBusConnection::sessionBus();
    // QtDBus wakes a blocked call as soon as its answer is in, and only then ends its own handling
    // of an error answer (a refusal, no copy to ask) on its thread. A program that ends meanwhile
    // has that thread meet Qt's type registry half torn down, and Qt says so on standard error
    // ("Trying to construct an instance of an invalid type"). The bus answers a last call only
    // after that handling is over: the command ends once it has.
    const auto settle = qScopeGuard([&bus] {
        if (bus.isConnected()) {
            bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                    QStringLiteral("/org/freedesktop/DBus"),
                                                    QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
                     QDBus::Block, 2000);
        }
    });
    if (!bus.isConnected()) {
        if (keptWithNoCopy(method)) {
            return followWithNoCopy(method, arguments, dataFolder);
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
            return followWithNoCopy(method, arguments, dataFolder);
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
            return followWithNoCopy(method, arguments, dataFolder);
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
        print(stdout, parser.isSet(QStringLiteral("json"))
                          ? QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(status)).toJson(QJsonDocument::Compact))
                          : statusText(status));
    } else {
        print(stdout, value.toString());
    }
    return kDone;
}

}  // namespace corvalin::control
