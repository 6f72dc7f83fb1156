// The running copy, window or none, served on the user's session bus as org.corvalin.Corvalin1 at
// /org/corvalin/Corvalin: the bell service started and stopped, a bell rung or stopped, the next
// bell skipped, today's changes, the alarm signals, and a status; and signals when a bell rings,
// the next bell changes, a problem comes or an alarm signal starts or ends. It goes through the
// bells' client as the windows do, on the thread the client lives on, and answers each call when
// the bells have answered, never waiting for them. A call from another user is refused; so is,
// at once and before the bells hear of it, a call with an overlong argument or one from a caller
// that calls too often. While another user's program holds the name, that is a lasting problem.
#pragma once

#include <QDBusContext>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <initializer_list>

#include "core/control/controlintrospection.h"
#include "core/control/commands.h"

class BellsClient;
class QDBusMessage;
class SetupFollower;

class ControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.corvalin.Corvalin1")
    // What the interface's introspection says, from org.corvalin.Corvalin1.xml: QtDBus names no
    // out-argument of its own.
    Q_CLASSINFO("D-Bus Introspection", CORVALIN_CONTROL_INTROSPECTION)
public:
    // Serves the commands that `commands` runs (see commands.h), for callers of this user.
    explicit ControlService(CommandRunner* commands, QObject* parent = nullptr);
    ~ControlService() override;
    ControlService(const ControlService&) = delete;
    ControlService& operator=(const ControlService&) = delete;

    // Serves the interface on the session bus. The window copy takes the name from a copy with no
    // window, which waits in line for it and gets it back when the window copy ends. The name is
    // asked for without waiting for the bus's answer (the copy with no window asks on its bell
    // thread); `failed` hears why it could not be served at all. Whenever the name is held by
    // another user's program (taken first, or taken from this copy), that is a lasting problem
    // until this copy, or another of this user, has it.
    void publish(bool takeOver, std::function<void(const QString&)> failed);

    // Per caller (a connection to the bus): calls that change something, and Status, each so many
    // a second after a first burst of so many.
    static constexpr double kChangesPerSecond = 10;
    static constexpr double kChangesAtOnce = 10;
    static constexpr double kReadsPerSecond = 100;
    static constexpr double kReadsAtOnce = 100;

public Q_SLOTS:
    Q_SCRIPTABLE QString Start();
    Q_SCRIPTABLE QString Stop();
    // An empty sound rings that of the next bell, or the sound folder's first.
    Q_SCRIPTABLE QString RingNow(const QString& sound);
    Q_SCRIPTABLE QString StopBell();
    Q_SCRIPTABLE QString SkipNext();
    // Today's changes, gone at midnight; times are "hh:mm".
    Q_SCRIPTABLE QString SkipBell(const QString& time);
    Q_SCRIPTABLE QString MoveBell(const QString& time, const QString& to);
    Q_SCRIPTABLE QString AddBell(const QString& time, const QString& sound);
    Q_SCRIPTABLE QString NoBellsToday();
    Q_SCRIPTABLE QString TempletToday(int templet);
    // The change at `index` as Status lists them (from 0), or all of them with -1.
    Q_SCRIPTABLE QString UndoToday(int index);
    Q_SCRIPTABLE QString StartAlarm(const QString& name);
    Q_SCRIPTABLE QString StopAlarm();
    // Follows the set-up published at `address`, signed with `publicKey`; or none any more.
    Q_SCRIPTABLE QString Follow(const QString& address, const QString& publicKey);
    Q_SCRIPTABLE QString Unfollow();
    // Fetches the followed set-up now.
    Q_SCRIPTABLE QString RefreshSetup();
    Q_SCRIPTABLE QString WebOn(const QString& listen);
    Q_SCRIPTABLE QString WebOff();
    Q_SCRIPTABLE QString StaffAdd(const QString& name, const QString& role, const QString& passwordHash);
    Q_SCRIPTABLE QString StaffRemove(const QString& name);
    Q_SCRIPTABLE QString StaffList();
    // "copy", "running" (b), "date" and "time" (the bells' clock: the computer's moved by the
    // offset), "offset" (i, seconds), "mode" ("time list" or "interval"), "day" (how today rings:
    // "as planned", "no bells today", "templet N today", "calendar: ..."), "alarm", "next_bell"
    // ("10:50", empty when no bell is left today; the bell that skip-next skips), "next_sound",
    // "today_changes" (as, each a line), "changes" (av of a{sv}: "kind" skip, move, add, no bells or
    // templet; "time", "to", "sound", "templet" as the kind has them; "by"), "last_bell" ("10:50")
    // and "last_sound" (empty before the first), "last_rung_now" (b: rung by hand), "problems"
    // (as), "followed" (the address of a followed set-up, empty when the set-up is the computer's
    // own), "followed_version" (its SHA-256), "followed_applied" and "followed_checked" (ISO 8601;
    // empty when never).
    Q_SCRIPTABLE QVariantMap Status();

Q_SIGNALS:
    // "10:50 school-bell.wav"; "10:52 school-bell.wav (ring now)" for a bell rung by hand.
    Q_SCRIPTABLE void BellRung(const QString& what);
    // The next bell that rings today, as Status names it; empty texts when none is left today.
    Q_SCRIPTABLE void NextBellChanged(const QString& time, const QString& sound);
    Q_SCRIPTABLE void Problem(const QString& text);
    Q_SCRIPTABLE void AlarmChanged(const QString& name);
    Q_SCRIPTABLE void RunningChanged(bool running);

private:
    using Calls = corvalin::control::Calls;
    // Answers the call later: once the caller is known to be this user, the command `method` runs
    // with `arguments` and the call is answered when the bells have answered. Refused at once when
    // the caller has made too many calls of its kind of late or an argument is too long.
    void serve(const char* method, const QVariantList& arguments = {});
    // Whether the caller may make another call of `calls` now (and counts it).
    bool admits(const QString& caller, Calls calls);
    // Who holds the name now (a unique name; empty for nobody): this copy, another of this user,
    // or another user's program, which is a lasting problem.
    void judgeOwner(const QString& owner);
    void nameProblem(const QString& text);
    void nameHeld(const QString& note);

    CommandRunner* m_commands;
    BellsClient* m_bells;
    bool m_published = false;
    // What each caller may still call at once, as of `at` (ms of m_clock).
    struct Allowance {
        double changes = kChangesAtOnce;
        double reads = kReadsAtOnce;
        qint64 at = 0;
    };
    QHash<QString, Allowance> m_callers;
    QElapsedTimer m_clock;
    bool m_nameProblem = false;  // another user's program holds the name, and the ring log was told
    quint64 m_ownerAsked = 0;    // the last look at the name's owner; older answers are stale
};
