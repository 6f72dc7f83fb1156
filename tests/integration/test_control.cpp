// The running program driven from outside its window: the command-line verbs and the session bus
// interface, against a copy with no window, a window copy and no copy at all, each answer or
// refusal alone on its output; a command line that is not one command refused with no display to
// be had; the interface's introspection as the service class has it; today's changes made
// that way heard on the bell sink at the right minutes, kept by a copy started again and gone the
// next day; the building's offset moving a bell; an alarm signal looping until it is stopped while
// the bell due meanwhile waits; a call from another user, a flood of calls and an overlong
// argument refused at the door; and another user's program holding the bus name refused by the
// command line. Every copy and command talks over a session bus of the test's own, which lets any
// user connect, so that only the program's own checks stand between another user and the bells.
#include <sched.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "core/control/controlcommand.h"
#include "core/control/controlservice.h"
#include "copyscene.h"
#include "programcopy.h"
#include "sound/pulsetools.h"

using namespace scene;

namespace {

// What the running copy announced on the bus.
class Heard : public QObject {
    Q_OBJECT
public:
    QStringList rung;
    QStringList alarms;
    QStringList nextBells;
public Q_SLOTS:
    void bellRung(const QString& what) { rung << what; }
    void alarmChanged(const QString& name) { alarms << name; }
    void nextBellChanged(const QString& time, const QString& sound) { nextBells << time + ' ' + sound; }
};

// What is wrong with the introspection the running copy serves: an out-argument with no name,
// methods and signals other than those of the service class or with other arguments, a method a
// verb calls and the interface lacks. Empty when nothing is.
QStringList introspectionFaults(const QString& xml) {
    QStringList faults;
    QMap<QString, QByteArray> served;  // each method and signal: "(in)(out)"
    QString member;
    bool ours = false;
    bool signal = false;
    QByteArray in;
    QByteArray out;
    for (QXmlStreamReader reader(xml); !reader.atEnd() && !reader.hasError();) {
        reader.readNext();
        const auto name = reader.name();
        const auto attributes = reader.attributes();
        if (reader.isStartElement() && name == u"interface") {
            ours = attributes.value("name") == u"org.corvalin.Corvalin1";
        } else if (ours && reader.isStartElement() && (name == u"method" || name == u"signal")) {
            member = attributes.value("name").toString();
            signal = name == u"signal";
            in.clear();
            out.clear();
        } else if (ours && reader.isStartElement() && name == u"arg") {
            // A signal's arguments are all what it sends, whatever their direction says.
            const bool isOut = !signal && attributes.value("direction") == u"out";
            (isOut ? out : in) += attributes.value("type").toLatin1();
            if (isOut && attributes.value("name").isEmpty()) {
                faults << member + " has an out-argument with no name";
            }
        } else if (ours && reader.isEndElement() && (name == u"method" || name == u"signal")) {
            served.insert(member, '(' + in + ")(" + out + ')');
        }
    }
    QMap<QString, QByteArray> declared;
    const QMetaObject& service = ControlService::staticMetaObject;
    for (int i = service.methodOffset(); i < service.methodCount(); ++i) {
        const QMetaMethod method = service.method(i);
        if (method.attributes() & QMetaMethod::Scriptable) {
            QByteArray params;
            for (int p = 0; p < method.parameterCount(); ++p) {
                params += QDBusMetaType::typeToSignature(method.parameterMetaType(p));
            }
            const QMetaType returned = method.returnMetaType();
            declared.insert(QString::fromLatin1(method.name()),
                            '(' + params + ")(" +
                                (returned.id() == QMetaType::Void ? "" : QDBusMetaType::typeToSignature(returned)) + ')');
        }
    }
    for (const QString& name : QSet<QString>(served.keyBegin(), served.keyEnd()) + QSet<QString>(declared.keyBegin(), declared.keyEnd())) {
        if (served.value(name) != declared.value(name)) {
            faults << name + ": " + served.value(name, "none") + " served, " + declared.value(name, "none") + " in the class";
        }
    }
    for (const QString& method : corvalin::control::commandMethods()) {
        if (!served.contains(method)) {
            faults << method + " is called by a verb but not served";
        }
    }
    return faults;
}

}  // namespace

class TestControl : public QObject {
    Q_OBJECT
    OwnBus m_bus;
    QString m_address;
    QProcessEnvironment m_env;

    // The verb given to the program of `scene`, as a user types it.
    Said verb(const Scene& scene, const QStringList& args) const {
        return run(scene.folder + "/Corvalin", args, scene.env);
    }
    // The same on one processor: the program's end and QtDBus's own thread then take turns, so
    // that what that thread still does once a call is answered meets a program that is ending.
    Said verbOnOneProcessor(const Scene& scene, const QStringList& args) const {
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        int cpu = 0;
        if (::sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
            while (cpu < CPU_SETSIZE - 1 && !CPU_ISSET(cpu, &allowed)) {
                ++cpu;
            }
        }
        return run("taskset", QStringList{"-c", QString::number(cpu), scene.folder + "/Corvalin"} + args, scene.env);
    }
    // A method of the running copy called with gdbus, as `uid` when it is given.
    Said gdbus(const Scene& scene, const QString& method, const QStringList& args = {}, int uid = -1) const {
        QStringList all{"call", "--address", m_address, "--dest", "org.corvalin.Corvalin1", "--object-path",
                        "/org/corvalin/Corvalin", "--method", "org.corvalin.Corvalin1." + method};
        all << "--" << args;  // "-1" is an argument, not an option
        Q_UNUSED(scene);  // gdbus needs neither the scene's clock nor its folder
        if (uid < 0) {
            return run("gdbus", all, m_env);
        }
        return run("setpriv", QStringList{"--reuid", QString::number(uid), "--regid", QString::number(uid),
                                          "--clear-groups", "gdbus"} + all,
                   m_env);
    }
    // The command was refused for `reason`, which is all it said.
    static bool refused(const Said& said, const QString& reason) {
        return said.code == 1 && said.out.isEmpty() && said.err == "Refused: " + reason;
    }
    QJsonObject status(const Scene& scene) const {
        const Said said = verb(scene, {"--status", "--json"});
        return QJsonDocument::fromJson(said.out.toUtf8()).object();
    }
    void ownBus(Scene& scene) const { scene.env.insert("DBUS_SESSION_BUS_ADDRESS", m_address); }
    static QDBusMessage method(const QString& name, const QVariantList& args) {
        QDBusMessage call = QDBusMessage::createMethodCall("org.corvalin.Corvalin1", "/org/corvalin/Corvalin",
                                                           "org.corvalin.Corvalin1", name);
        call.setArguments(args);
        return call;
    }

private Q_SLOTS:
    void initTestCase() {
        // This process's bus thread starts before its first child: ThreadSanitizer takes a thread
        // started after a child was started (by vfork) for one started in a forked child.
        QDBusConnection::connectToBus(QStringLiteral("unix:abstract=corvalin-none"), QStringLiteral("early"));
        QDBusConnection::disconnectFromBus(QStringLiteral("early"));
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        m_address = m_bus.start();
        QVERIFY2(!m_address.isEmpty(), "dbus-daemon");
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            m_env.remove(QString::fromLatin1(name));
        }
    }

    // Every verb against no copy, a copy with no window and a window copy, and each method with gdbus.
    void everyVerbReachesTheCopyThatRuns() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n11hr 30min/0-tone.wav\r\n", 300, 5.0);
        ownBus(scene);
        QVERIFY(scene.ready(false));

        for (const QStringList& args : {QStringList{"--status"}, QStringList{"--start"}, QStringList{"--alarm", "Lockdown"}}) {
            const Said none = verb(scene, args);
            QVERIFY2(none.code == 3 && none.err == "No copy of Corvalin runs for this user: nothing was done.",
                     qPrintable(shown(none)));
        }
        // What it says, and nothing else, however often it is asked.
        for (int i = 0; i < 10; ++i) {
            const Said none = verbOnOneProcessor(scene, {"--start"});
            QVERIFY2(none.code == 3 && none.err == "No copy of Corvalin runs for this user: nothing was done.",
                     qPrintable(shown(none)));
        }
        // A command line that is not one command is refused before anything, with no display to
        // be had: the message alone, and 1.
        for (const auto& [args, message] :
             {std::pair{QStringList{"--start", "--stop"}, "--start, --stop cannot be given together; nothing was done."},
              std::pair{QStringList{"--bogus"}, "Corvalin: Unknown option 'bogus'. Corvalin --help lists the options; "
                                                "nothing was done."},
              std::pair{QStringList{"--key", "abc"}, "--key goes with --follow; nothing was done."},
              std::pair{QStringList{"--move", "10:15"}, "<to> is missing: --move <time> <to>; nothing was done."},
              std::pair{QStringList{"--headless", "--skip-next"}, "--headless, --skip-next cannot be given together; "
                                                                  "nothing was done."}}) {
            const Said said = verb(scene, args);
            QVERIFY2(said.code == 1 && said.out.isEmpty() && said.err == message, qPrintable(shown(said)));
        }

        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));
        Said said = verb(scene, {"--status"});
        QVERIFY2(said.code == 0 && said.out.contains("copy with no window): the bell service runs") &&
                     said.out.contains("Next bell: 11:00 0-tone.wav"),
                 qPrintable(shown(said)));

        // What it announces, as a panel applet or a script listening on the bus hears it.
        QDBusConnection listener = QDBusConnection::connectToBus(m_address, QStringLiteral("listener"));
        // The interface as a D-Bus browser or gdbus sees it: every method and out-argument named.
        const QDBusMessage introspection = listener.call(QDBusMessage::createMethodCall(
            "org.corvalin.Corvalin1", "/org/corvalin/Corvalin", "org.freedesktop.DBus.Introspectable", "Introspect"));
        const QStringList faults = introspectionFaults(introspection.arguments().value(0).toString());
        QVERIFY2(introspection.type() == QDBusMessage::ReplyMessage && faults.isEmpty(), qPrintable(faults.join('\n')));
        Heard heard;
        for (const auto& [name, slot] : {std::pair{"BellRung", SLOT(bellRung(QString))},
                                         std::pair{"AlarmChanged", SLOT(alarmChanged(QString))},
                                         std::pair{"NextBellChanged", SLOT(nextBellChanged(QString,QString))}}) {
            QVERIFY(listener.connect(QString(), "/org/corvalin/Corvalin", "org.corvalin.Corvalin1", name, &heard, slot));
        }
        said = verb(scene, {"--skip-next"});
        QVERIFY2(said.code == 0 && said.out == "11:00 skipped today", qPrintable(shown(said)));
        QCOMPARE(status(scene).value("next_bell").toString(), QStringLiteral("11:30"));
        QTRY_COMPARE_WITH_TIMEOUT(heard.nextBells.value(heard.nextBells.size() - 1), QStringLiteral("11:30 0-tone.wav"), budget(5000));
        said = verb(scene, {"--ring-now", "nothing.wav"});
        QVERIFY2(refused(said, "there is no sound nothing.wav in the sound folder"), qPrintable(shown(said)));
        said = verb(scene, {"--ring-now", "0-tone.wav"});
        QVERIFY2(said.code == 0 && said.out == "0-tone.wav rang", qPrintable(shown(said)));
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("last_sound").toString(), QStringLiteral("0-tone.wav"), budget(5000));
        QVERIFY(status(scene).value("last_rung_now").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(heard.rung.size(), 1, budget(5000));
        QVERIFY2(heard.rung.first().endsWith(" 0-tone.wav (ring now)"), qPrintable(heard.rung.first()));
        QCOMPARE(verb(scene, {"--stop-bell"}).code, 0);
        said = verb(scene, {"--stop-bell"});
        QVERIFY2(refused(said, "no bell sounds"), qPrintable(shown(said)));
        said = verb(scene, {"--alarm", "evacuation"});
        QVERIFY2(said.code == 0 && said.out == "the alarm signal Evacuation sounds", qPrintable(shown(said)));
        QCOMPARE(status(scene).value("alarm").toString(), QStringLiteral("Evacuation"));
        QCOMPARE(verb(scene, {"--alarm-stop"}).code, 0);
        QTRY_COMPARE_WITH_TIMEOUT(heard.alarms, (QStringList{"Evacuation", ""}), budget(5000));
        // A refusal says why and nothing else, however often it comes.
        for (int i = 0; i < 10; ++i) {
            said = verbOnOneProcessor(scene, {"--alarm-stop"});
            QVERIFY2(refused(said, "no alarm signal sounds"), qPrintable(shown(said)));
        }
        said = verb(scene, {"--alarm", "Fire drill"});
        QVERIFY2(refused(said, "there is no alarm signal Fire drill (there are: Lockdown, Evacuation, All clear)"),
                 qPrintable(shown(said)));

        // Today's changes and the rest of the interface, by their verbs and as any D-Bus client
        // calls them.
        said = verb(scene, {"--move", "11:30", "11:45"});
        QVERIFY2(said.code == 0 && said.out == "11:30 moved to 11:45 today", qPrintable(shown(said)));
        said = verb(scene, {"--add", "12:10", "0-tone.wav"});
        QVERIFY2(said.code == 0 && said.out == "12:10 added today (0-tone.wav)", qPrintable(shown(said)));
        said = verb(scene, {"--skip", "25:00"});
        QVERIFY2(refused(said, "25:00 is not a time of day (hh:mm)"), qPrintable(shown(said)));
        said = verb(scene, {"--templet-today", "4"});
        QVERIFY2(refused(said, "templet 4 has no saved times"), qPrintable(shown(said)));
        said = gdbus(scene, "TempletToday", {"4"});
        QVERIFY2(said.code != 0 && said.err.contains("org.corvalin.Corvalin1.Error.Refused"), qPrintable(shown(said)));
        QCOMPARE(status(scene).value("today_changes").toArray().size(), 3);
        const QJsonObject moved = status(scene).value("changes").toArray().at(1).toObject();
        QCOMPARE(moved.value("kind").toString() + moved.value("time").toString() + moved.value("to").toString(),
                 QStringLiteral("move11:3011:45"));
        said = verb(scene, {"--undo", "2"});
        QVERIFY2(said.code == 0 && said.out == "the change undone", qPrintable(shown(said)));
        said = verb(scene, {"--no-bells-today"});
        QVERIFY2(said.code == 0 && said.out == "no bells today", qPrintable(shown(said)));
        QCOMPARE(status(scene).value("next_bell").toString(), QString());
        QCOMPARE(gdbus(scene, "UndoToday", {"-1"}).code, 0);
        QCOMPARE(status(scene).value("next_bell").toString(), QStringLiteral("11:00"));
        said = verb(scene, {"--skip", "11:30"});
        QVERIFY2(said.code == 0 && said.out == "11:30 skipped today", qPrintable(shown(said)));
        QCOMPARE(status(scene).value("today_changes").toArray(), QJsonArray{"11:30 skipped today"});
        said = verb(scene, {"--undo", "all"});
        QVERIFY2(said.code == 0 && said.out == "today's changes undone", qPrintable(shown(said)));
        QCOMPARE(status(scene).value("today_changes").toArray().size(), 0);
        said = verb(scene, {"--refresh-setup"});
        QVERIFY2(refused(said, "this computer follows no set-up"), qPrintable(shown(said)));
        said = gdbus(scene, "Status");
        QVERIFY2(said.code == 0 && said.out.contains("'copy': <'no window'>"), qPrintable(shown(said)));
        QCOMPARE(gdbus(scene, "StartAlarm", {"All clear"}).code, 0);
        QCOMPARE(gdbus(scene, "StopBell").code, 0);  // stops the alarm signal
        QCOMPARE(status(scene).value("alarm").toString(), QString());
        QCOMPARE(gdbus(scene, "Stop").code, 0);
        said = verb(scene, {"--stop"});
        QVERIFY2(refused(said, "the bell service is not running"), qPrintable(shown(said)));
        QCOMPARE(gdbus(scene, "Start").code, 0);
        QVERIFY(status(scene).value("running").toBool());
        QCOMPARE(gdbus(scene, "RingNow", {""}).code, 0);

        // A window copy takes the bells, and the interface with them; it starts by its start rule.
        auto window = scene.window();
        QVERIFY(window->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("copy").toString(), QStringLiteral("window"), budget(15000));
        // The bells ran when it took them: they run on, until it is told otherwise.
        QVERIFY(status(scene).value("running").toBool());
        said = verb(scene, {"--stop"});
        QVERIFY2(said.code == 0 && said.out == "the bell service stopped", qPrintable(shown(said)));
        QTRY_VERIFY_WITH_TIMEOUT(!status(scene).value("running").toBool(), budget(5000));
        said = verb(scene, {"--start"});
        QVERIFY2(said.code == 0 && said.out == "the bell service started", qPrintable(shown(said)));
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(5000));
        said = verb(scene, {"--skip-next"});
        QVERIFY2(said.code == 0 && said.out == "11:00 skipped today", qPrintable(shown(said)));
        for (const QStringList& args : {QStringList{"--ring-now", "0-tone.wav"}, QStringList{"--stop-bell"},
                                        QStringList{"--alarm", "LOCKDOWN"}, QStringList{"--alarm-stop"}}) {
            said = verb(scene, args);
            QVERIFY2(said.code == 0, qPrintable(args.join(' ') + ": " + shown(said)));
        }
        QTRY_COMPARE_WITH_TIMEOUT(heard.alarms, (QStringList{"Evacuation", "", "All clear", "", "Lockdown", ""}), budget(5000));
        said = verb(scene, {"--status"});
        QVERIFY2(said.code == 0 && said.out.contains("Corvalin (window copy): the bell service runs") &&
                     said.out.contains("  11:00 skipped today"),
                 qPrintable(shown(said)));
        QCOMPARE(verb(scene, {"--stop"}).code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!status(scene).value("running").toBool(), budget(5000));
        QVERIFY(heard.rung.size() >= 2);  // the window copy's own bell, heard on the same bus

        // The window copy ends: the copy with no window has the bells and the name again.
        window->terminate();
        QVERIFY(window->waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("copy").toString(), QStringLiteral("no window"), budget(15000));
        QTRY_VERIFY_WITH_TIMEOUT(verb(scene, {"--skip-next"}).code == 1, budget(5000));  // 11:00 was skipped already
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(linesSaying(log, "11:00 skipped today, by the command line") == 2, log.constData());
        QVERIFY2(linesSaying(log, "the alarm signal Evacuation started") == 1, log.constData());
        QVERIFY2(linesSaying(log, "the alarm signal Evacuation stopped, by the command line") == 1, log.constData());
    }

    // Another user on the same bus is refused, and nothing changes; an overlong argument is
    // refused at once with a short answer; a flood of changes from one caller is refused beyond the
    // first few, and what is refused never reaches the bells.
    void callsAreRefusedAtTheDoor() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 40);
        ownBus(scene);
        QVERIFY(scene.ready(false));
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));
        for (const auto& [method, args] : {std::pair{QString("StartAlarm"), QStringList{"Lockdown"}},
                                           std::pair{QString("Stop"), QStringList{}},
                                           std::pair{QString("Status"), QStringList{}}}) {
            const Said said = gdbus(scene, method, args, 65534);
            QVERIFY2(said.code != 0 && said.err.contains("org.corvalin.Corvalin1.Error.OtherUser") &&
                         said.err.contains("a call from the user 65534 is refused"),
                     qPrintable(method + ": " + shown(said)));
        }
        const QJsonObject after = status(scene);
        QVERIFY(after.value("running").toBool());
        QCOMPARE(after.value("alarm").toString(), QString());

        QDBusConnection caller = QDBusConnection::connectToBus(m_address, QStringLiteral("caller"));
        const QDBusMessage huge = caller.call(method("SkipBell", {QString(8 << 20, QLatin1Char('9'))}), QDBus::Block, 20000);
        QVERIFY2(huge.type() == QDBusMessage::ErrorMessage && huge.errorName() == "org.corvalin.Corvalin1.Error.Refused" &&
                     huge.errorMessage().contains("too long") && huge.errorMessage().size() < 100,
                 qPrintable(huge.errorMessage().left(200)));
        constexpr int kFlood = 40;
        QList<QDBusPendingCall> flood;
        for (int i = 0; i < kFlood; ++i) {
            flood << caller.asyncCall(method("AddBell", {QStringLiteral("12:%1").arg(i, 2, 10, QLatin1Char('0')), "0-tone.wav"}));
        }
        int added = 0;
        int tooMany = 0;
        for (QDBusPendingCall& call : flood) {
            call.waitForFinished();
            added += call.reply().type() == QDBusMessage::ReplyMessage ? 1 : 0;
            tooMany += call.reply().errorMessage() == "too many calls; try again in a moment" ? 1 : 0;
        }
        QVERIFY2(added >= 1 && tooMany >= kFlood / 2 && added + tooMany == kFlood,
                 qPrintable(QStringLiteral("%1 added, %2 refused").arg(added).arg(tooMany)));
        QCOMPARE(status(scene).value("today_changes").toArray().size(), added);
        QDBusConnection::disconnectFromBus(QStringLiteral("caller"));
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
    }

    // Another user's program takes the name before the copy starts and answers in its place: the
    // command line refuses to ask it, naming that user; the copy waits in line with a lasting
    // problem, which ends when the name comes to it.
    void anotherUsersNameHolderIsRefused() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 40);
        ownBus(scene);
        QVERIFY(scene.ready(false));
        QProcess squatter;
        QProcessEnvironment env = m_env;
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        squatter.setProcessEnvironment(env);
        squatter.setWorkingDirectory("/");
        squatter.start("setpriv", {"--reuid", "65534", "--regid", "65534", "--clear-groups", "/usr/bin/python3", "-m",
                                   "dbusmock", "--session", "org.corvalin.Corvalin1", "/org/corvalin/Corvalin",
                                   "org.corvalin.Corvalin1"});
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("squatted"));
        QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered("org.corvalin.Corvalin1"), budget(15000));
        QDBusMessage fake = QDBusMessage::createMethodCall("org.corvalin.Corvalin1", "/org/corvalin/Corvalin",
                                                           "org.freedesktop.DBus.Mock", "AddMethod");
        fake << "org.corvalin.Corvalin1" << "StartAlarm" << "s" << "s" << "ret = 'the alarm signal ' + args[0] + ' sounds'";
        QCOMPARE(bus.call(fake).type(), QDBusMessage::ReplyMessage);
        QDBusConnection::disconnectFromBus(QStringLiteral("squatted"));

        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        const QByteArray problem = "a program of another user, nobody (uid 65534), holds the name org.corvalin.Corvalin1";
        QTRY_VERIFY_WITH_TIMEOUT(ringLog(scene.folder).contains(problem), budget(30000));
        for (const QStringList& args : {QStringList{"--alarm", "Lockdown"}, QStringList{"--status"}}) {
            const Said said = verb(scene, args);
            QVERIFY2(said.code == 1 && said.out.isEmpty() && said.err.contains("another user, nobody (uid 65534)"),
                     qPrintable(args.join(' ') + ": " + shown(said)));
        }
        squatter.terminate();
        QVERIFY(squatter.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(10000));
        QVERIFY(!QJsonDocument(status(scene).value("problems").toArray()).toJson().contains("another user"));
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(linesSaying(log, problem) == 1 && linesSaying(log, "this copy has the name org.corvalin.Corvalin1") == 1 &&
                     !log.contains("Lockdown"),
                 log.constData());
    }

    // Bells at 11:00 and 11:01, the building's clocks 20 s ahead of the computer: 11:00 skipped and
    // 11:01 moved to 11:02 from outside, the copy started again in between. Only 11:02 sounds, at
    // 11:01:40 by the computer's clock; the next day the changes are gone.
    void todaysChangesAreHeardAtTheirMinutes() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n11hr 01min/0-tone.wav\r\n", 40, 0.5);
        ownBus(scene);
        QVERIFY(writeWholeFile(scene.folder + "/data/offset.ini", " -20 \r\n"));
        QVERIFY(scene.ready());
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));
        // The bells' clock is 20 s ahead: 11:00 is the next bell, 11:01 after it.
        Said said = verb(scene, {"--skip-next"});
        QVERIFY2(said.code == 0 && said.out == "11:00 skipped today", qPrintable(shown(said)));
        said = gdbus(scene, "MoveBell", {"11:01", "11:02"});
        QVERIFY2(said.code == 0, qPrintable(shown(said)));
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("today_changes").toArray().size(), 2, budget(10000));
        // 11:02 by the bells is 11:01:40 by the computer.
        QTest::qWait(int(scene.clock.msUntilEleven(60000 + 40000 + 2500)));
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        const QByteArray log = ringLog(scene.folder);
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:02", 1}}));
        QVERIFY2(scene.bursts() == 1, log.constData());
        // The bell's line is written at the computer's 11:01:40.
        QVERIFY2(log.contains(" 11:01:40."), log.constData());

        // The next day the changes are gone: 11:00 rings.
        Scene next(m_env, "11hr 00min/0-tone.wav\r\n", 5, 0.5);
        QVERIFY(QFile::copy(scene.folder + "/data/today.ini", next.folder + "/data/today.ini"));
        next.clock.addDays(1);
        next.clock.into(next.env);
        ownBus(next);
        QVERIFY(next.ready(false));
        auto tomorrow = next.headless();
        QVERIFY(tomorrow->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(status(next).value("running").toBool(), budget(10000));
        QCOMPARE(status(next).value("today_changes").toArray().size(), 0);
        QTest::qWait(int(next.clock.msUntilEleven(2500)));
        tomorrow->terminate();
        QVERIFY(tomorrow->waitForFinished(5000));
        QCOMPARE(scheduledBells(ringLog(next.folder)), (QMap<QString, int>{{"11:00", 1}}));
    }

    // An alarm signal loops until it is stopped; the 11:00 bell due meanwhile is held, logged, and
    // rings when the signal ends; a bell rung by hand meanwhile is refused; the default card is
    // muted while the signal sounds. The copy killed while it sounds does not end it: started
    // again, it sounds the signal again, mutes the card again and still holds the bell.
    void alarmLoopsUntilStoppedAndHoldsTheBell() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 8, 0.5);
        ownBus(scene);
        // A signal of 1 s that must sound over and over.
        QVERIFY(pulsetools::writeTone(scene.folder + "/sound/1-alarm.wav", 1.0, 440.0));
        QVERIFY(writeWholeFile(scene.folder + "/data/alarms.ini", "Lockdown,1-alarm.wav,0\r\n"));
        QVERIFY(pulsetools::pactl({"set-sink-mute", "main_out", "0"}));
        QVERIFY(scene.ready());
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));
        QTest::qWait(int(scene.clock.msUntilEleven(-5000)));
        Said said = verb(scene, {"--alarm", "lockdown"});
        QVERIFY2(said.code == 0, qPrintable(shown(said)));
        QTRY_VERIFY_WITH_TIMEOUT(pulsetools::sinkMuted("main_out"), budget(2000));
        said = verb(scene, {"--ring-now", "0-tone.wav"});
        QVERIFY2(said.code == 1 && said.err.contains("the alarm signal Lockdown sounds"), qPrintable(shown(said)));
        QTest::qWait(int(scene.clock.msUntilEleven(2000)));
        QVERIFY(pulsetools::sinkMuted("main_out"));
        headless->kill();
        QVERIFY(headless->waitForFinished(5000));
        QVERIFY(pulsetools::pactl({"set-sink-mute", "main_out", "0"}));
        headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("alarm").toString(), QString("Lockdown"), budget(30000));
        QTRY_VERIFY_WITH_TIMEOUT(pulsetools::sinkMuted("main_out"), budget(2000));
        QTest::qWait(int(scene.clock.msUntilEleven(4000)));
        QVERIFY(pulsetools::sinkMuted("main_out"));
        said = verb(scene, {"--alarm-stop"});
        QVERIFY2(said.code == 0 && said.out == "the alarm signal Lockdown stopped", qPrintable(shown(said)));
        QTest::qWait(1500);
        QVERIFY(!pulsetools::sinkMuted("main_out"));
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));

        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(linesSaying(log, "the alarm signal Lockdown started (1-alarm.wav, until stopped") == 1, log.constData());
        QVERIFY2(linesSaying(log, "the bell of 11:00 (0-tone.wav) is held: the alarm signal Lockdown sounds") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "the alarm signal Lockdown, started ") == 1 &&
                     linesSaying(log, " by the command line and not stopped, sounds again") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "the alarm signal Lockdown stopped, by the command line") == 1, log.constData());
        QVERIFY2(linesSaying(log, "the bell of 11:00 (0-tone.wav), held by the alarm signal, rings now") == 1,
                 log.constData());
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:00", 1}}));
        // The signal over and over, before the kill and after the start again, then the held bell
        // at once: from 10:59:55 to a moment after 11:00:04, with at most the start's gap in it.
        scene.bell->finish();
        const QList<pulsetools::Burst> heard = pulsetools::bursts(scene.dir.path() + "/bell.wav");
        QVERIFY2(!heard.isEmpty(), "nothing was heard");
        const double length = heard.last().end - heard.first().start;
        QVERIFY2(length > 7.0 && length < 20.0, qPrintable(QString::number(length)));
    }
};

QTEST_GUILESS_MAIN(TestControl)
#include "test_control.moc"
