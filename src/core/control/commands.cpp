// The commands every face gives the bells.
#include "core/control/commands.h"

#include "core/bells/bellsclient.h"
#include "core/bells/bellsstatus.h"
#include "core/control/controlbus.h"
#include "core/follow/setupfollower.h"
#include "engine/schedule/todaychanges.h"

namespace corvalin::control {

namespace {

using Done = Command::Done;

// "10:50" for a minute of the day.
QString hhmm(int minuteOfDay) {
    return QString::fromStdString(today::minuteText(minuteOfDay));
}

// Today's change of `kind` at the times given ("hh:mm"; a null one is not given), by `by`; the
// reason when a time is not a time.
QString makeChange(today::Change& change, today::Kind kind, const QString& time, const QString& to, const QString& by) {
    change.kind = kind;
    change.by = by.toStdString();
    for (const auto& [text, minute] : {std::pair{time, &change.minute}, std::pair{to, &change.to}}) {
        if (text.isNull()) {
            continue;
        }
        const auto parsed = today::parseMinute(text.trimmed().toStdString());
        if (!parsed) {
            return QStringLiteral("%1 is not a time of day (hh:mm)").arg(text);
        }
        *minute = *parsed;
    }
    return {};
}

// Makes `change` (already refused when `refusal` is not empty) and answers with it as said.
void runChange(CommandRunner& runner, const today::Change& change, const QString& refusal, const Done& done) {
    if (!refusal.isEmpty()) {
        done(refusal, {});
        return;
    }
    const QString said = QString::fromStdString(today::describe(change));
    runner.bells().changeToday(change, [done, said](const QString& refused) { done(refused, said); });
}

void changeAt(CommandRunner& runner, today::Kind kind, const QVariantList& a, const QString& by, const Done& done) {
    today::Change change;
    const QString time = a.value(0).toString();
    const QString to = kind == today::Kind::Move ? a.value(1).toString() : QString();
    QString refusal = makeChange(change, kind, time, kind == today::Kind::Move && to.isNull() ? QStringLiteral("") : to, by);
    if (kind == today::Kind::Add) {
        change.sound = a.value(1).toString().toStdString();
    }
    runChange(runner, change, refusal, done);
}

// Runs `use` with the staff web page of the copy; refused where the copy serves none.
template <typename Use>
void onPage(CommandRunner& runner, const Done& done, Use use) {
    if (StaffPage* page = runner.staffPage()) {
        use(*page);
    } else {
        done(QStringLiteral("this copy serves no staff web page"), {});
    }
}

QString followsNone() {
    return QStringLiteral("this computer follows no set-up");
}

}  // namespace

const std::vector<Command>& commands() {
    using R = CommandRunner;
    static const std::vector<Command> table{
        {"status", "Status", nullptr, {}, Role::Alarm, Calls::Reads,
         QT_TRANSLATE_NOOP("Commands", "Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today's "
         "changes, the last bell rung, an alarm signal and the open problems."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             r.bells().askStatus([&r, done](const BellsStatus& s) { done({}, r.status(s)); });
         }},
        {"ring-now", "RingNow", "ring-now", {{"sound", "the sound's name", From::MaybeWord}}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell's "
         "sound when none is named."),
         [](R& r, const QVariantList& a, const QString&, Done done) {
             const QString sound = a.value(0).toString();
             r.bells().ringNow(sound, [done, sound](const QString& refusal) {
                 done(refusal, sound.isEmpty() ? QStringLiteral("a bell rang") : QStringLiteral("%1 rang").arg(sound));
             });
         }},
        {"stop-bell", "StopBell", "stop-bell", {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Stop the bell, or the alarm signal, that sounds."),
         [](R& r, const QVariantList&, const QString& by, Done done) {
             const QString alarm = r.bells().alarm();
             r.bells().stopBell(by, [done, alarm](const QString& refusal) {
                 done(refusal, alarm.isEmpty() ? QStringLiteral("the bell stopped")
                                               : QStringLiteral("the alarm signal %1 stopped").arg(alarm));
             });
         }},
        {"skip-next", "SkipNext", "skip-next", {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Skip the next bell, today only."),
         [](R& r, const QVariantList&, const QString& by, Done done) {
             r.bells().skipNextBell(by, [&r, done](const QString& refusal) {
                 // The change is told before the answer: it is the last of today's changes.
                 done(refusal, r.bells().todayChanges().value(r.bells().todayChanges().size() - 1));
             });
         }},
        {"skip", "SkipBell", "today/skip", {{"time", "the time", From::Value, As::Time}}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Skip the bell at <time> (hh:mm), today only."),
         [](R& r, const QVariantList& a, const QString& by, Done done) { changeAt(r, today::Kind::Skip, a, by, done); }},
        {"move", "MoveBell", "today/move", {{"time", "the time", From::Value, As::Time}, {"to", "the time", From::Word, As::Time}}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Move the bell at <time> to the time given after it, today only: --move 10:15 10:45."),
         [](R& r, const QVariantList& a, const QString& by, Done done) { changeAt(r, today::Kind::Move, a, by, done); }},
        {"add", "AddBell", "today/add", {{"time", "the time", From::Value, As::Time}, {"sound", "the sound's name", From::Word}}, Role::Office,
         Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Add a bell at <time>, ringing the sound named after it, today only: --add 12:10 school-bell.wav."),
         [](R& r, const QVariantList& a, const QString& by, Done done) { changeAt(r, today::Kind::Add, a, by, done); }},
        {"no-bells-today", "NoBellsToday", "today/no-bells", {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Ring no bells today."),
         [](R& r, const QVariantList&, const QString& by, Done done) {
             today::Change change;
             runChange(r, change, makeChange(change, today::Kind::NoBells, {}, {}, by), done);
         }},
        {"templet-today", "TempletToday", "today/templet", {{"n", "the templet", From::Value, As::Number, kLongest, "templet"}}, Role::Office,
         Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Ring templet <n> (1 to 6) today, in place of the day's own times."),
         [](R& r, const QVariantList& a, const QString& by, Done done) {
             today::Change change;
             const QString refusal = makeChange(change, today::Kind::Templet, {}, {}, by);
             change.templet = a.value(0).toInt();
             runChange(r, change, refusal, done);
         }},
        {"undo", "UndoToday", "today/undo", {{"n|all", "the change", From::Value, As::NumberOrAll, kLongest, "change"}}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Undo today's change <n> (from 0, in the order --status lists them), or all of them."),
         [](R& r, const QVariantList& a, const QString& by, Done done) {
             const int index = a.value(0).toInt();
             const QString said = index < 0 ? QStringLiteral("today's changes undone") : QStringLiteral("the change undone");
             r.bells().undoToday(index, by, [done, said](const QString& refusal) { done(refusal, said); });
         }},
        {"alarm", "StartAlarm", "alarm", {{"name", "the alarm signal's name"}}, Role::Alarm, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Sound the alarm signal <name> at once, with no question."),
         [](R& r, const QVariantList& a, const QString& by, Done done) {
             // The answer names what sounds when it is given, and what it took the place of: two
             // signals started at one moment both "sound" only until the second replaces the first.
             const QString name = a.value(0).toString();
             const QString before = r.bells().alarm();
             r.bells().startAlarm(name, by, [&r, done, name, before](const QString& refusal) {
                 const QString now = r.bells().alarm();
                 QString answer = QStringLiteral("the alarm signal %1 sounds").arg(now);
                 if (now.compare(name, Qt::CaseInsensitive) != 0) {
                     answer = now.isEmpty() ? QStringLiteral("the alarm signal %1 has already ended").arg(name)
                                            : answer + QStringLiteral(", started since in place of %1").arg(name);
                 } else if (!before.isEmpty() && before.compare(now, Qt::CaseInsensitive) != 0) {
                     answer += QStringLiteral(", in place of %1").arg(before);
                 }
                 done(refusal, answer);
             });
         }},
        {"alarm-stop", "StopAlarm", "alarm-stop", {}, Role::Alarm, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Stop the alarm signal that sounds."),
         [](R& r, const QVariantList&, const QString& by, Done done) {
             const QString alarm = r.bells().alarm();
             r.bells().stopAlarm(by, [done, alarm](const QString& refusal) {
                 done(refusal, QStringLiteral("the alarm signal %1 stopped").arg(alarm));
             });
         }},
        {"start", "Start", "start", {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Start the bell service, as the start button does."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             if (r.bells().isRunning()) {
                 done(QStringLiteral("the bell service already runs"), {});
                 return;
             }
             r.copy().start([done](const QString& refusal) { done(refusal, QStringLiteral("the bell service started")); });
         }},
        {"stop", "Stop", "stop", {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Stop the bell service, as the stop button does."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             if (!r.bells().isRunning()) {
                 done(QStringLiteral("the bell service is not running"), {});
                 return;
             }
             r.copy().stop();
             done({}, QStringLiteral("the bell service stopped"));
         }},
        {"follow", "Follow", nullptr,
         {{"address", "the address", From::Value, As::Text, kLongestAddress},
          {"key", "the public key", From::Key}},
         Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Follow the set-up published at <address> (https://, or http:// on a LAN), signed with the publisher's "
         "key given with --key: it is fetched at start and every 15 minutes and applied when its signature and "
         "contents check out. Without a copy running, kept for the next start."),
         [](R& r, const QVariantList& a, const QString&, Done done) {
             SetupFollower* follower = r.copy().follower;
             if (!follower) {
                 done(QStringLiteral("this copy cannot follow a set-up"), {});
                 return;
             }
             const QString address = a.value(0).toString();
             done(follower->follow(address, a.value(1).toString()),
                  QStringLiteral("this computer follows the set-up published at %1").arg(address.trimmed()));
         }},
        {"unfollow", "Unfollow", nullptr, {}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Follow no set-up any more; the set-up in use stays, as this computer's own."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             SetupFollower* follower = r.copy().follower;
             if (!follower || follower->address().isEmpty()) {
                 done(followsNone(), {});
                 return;
             }
             const QString address = follower->address();
             follower->unfollow();
             done({}, QStringLiteral("this computer no longer follows %1; the set-up in use is its own now").arg(address));
         }},
        {"refresh-setup", "RefreshSetup", nullptr, {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Fetch the followed set-up now."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             SetupFollower* follower = r.copy().follower;
             if (!follower || follower->address().isEmpty()) {
                 done(followsNone(), {});
                 return;
             }
             follower->refresh();
             done({}, QStringLiteral("the set-up published at %1 is fetched now").arg(follower->address()));
         }},
        {"web-on", "WebOn", nullptr, {{"[address:]port", "the address and port", From::MaybeWord, As::Text, kLongest}},
         Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the "
         "port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next "
         "start."),
         [](R& r, const QVariantList& a, const QString&, Done done) {
             onPage(r, done, [&](StaffPage& page) {
                 const QString refusal = page.switchOn(a.value(0).toString());
                 done(refusal, QStringLiteral("the staff web page is served at %1; its certificate's SHA-256 fingerprint is %2")
                                   .arg(page.address(), page.fingerprint()));
             });
         }},
        {"web-off", "WebOff", nullptr, {}, Role::Office, Calls::Changes, QT_TRANSLATE_NOOP("Commands", "Serve the staff web page no more."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             onPage(r, done, [&](StaffPage& page) { done(page.switchOff(), QStringLiteral("the staff web page is off")); });
         }},
        {"staff-add", "StaffAdd", nullptr,
         {{"name", "the staff name"}, {"role", "the role", From::Option}, {"password", "the password", From::Secret}},
         Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop "
         "alarms; the default) or --role office (also today's changes, ring now, stop bell, start and stop). The "
         "password is read from standard input, one line, or asked twice on a terminal."),
         [](R& r, const QVariantList& a, const QString&, Done done) {
             onPage(r, done, [&](StaffPage& page) {
                 const QString name = a.value(0).toString();
                 const QString role = a.value(1).toString().isEmpty() ? QStringLiteral("alarm") : a.value(1).toString();
                 done(page.addStaff(name, role, a.value(2).toString()),
                      QStringLiteral("%1 may use the staff web page, as %2").arg(name, role.trimmed().toLower()));
             });
         }},
        {"staff-remove", "StaffRemove", nullptr, {{"name", "the staff name"}}, Role::Office, Calls::Changes,
         QT_TRANSLATE_NOOP("Commands", "Remove the staff web page's account <name>; its sessions end."),
         [](R& r, const QVariantList& a, const QString&, Done done) {
             onPage(r, done, [&](StaffPage& page) {
                 const QString name = a.value(0).toString();
                 done(page.removeStaff(name), QStringLiteral("%1 may no longer use the staff web page").arg(name));
             });
         }},
        {"staff-list", "StaffList", nullptr, {}, Role::Office, Calls::Reads,
         QT_TRANSLATE_NOOP("Commands", "List the staff web page's accounts and their roles."),
         [](R& r, const QVariantList&, const QString&, Done done) {
             onPage(r, done, [&](StaffPage& page) {
                 QString problem;
                 const QStringList staff = page.staff(&problem);
                 done(problem, staff.isEmpty() ? QStringLiteral("no staff accounts") : staff.join(QLatin1Char('\n')));
             });
         }},
    };
    return table;
}

const Command* commandCalled(const QString& methodOrVerb) {
    for (const Command& command : commands()) {
        if (methodOrVerb == QLatin1String(command.method) || methodOrVerb == QLatin1String(command.verb)) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace corvalin::control

namespace {

// Today's changes as a script reads them: each an object of its kind, times, sound and maker.
QVariantList changeObjects(const std::vector<corvalin::today::Change>& changes) {
    namespace td = corvalin::today;
    using corvalin::control::hhmm;
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

// Today's bells as a script reads them: the time, what today's changes made of it, the sound.
QVariantList todayObjects(const std::vector<corvalin::today::Line>& lines) {
    QVariantList list;
    for (const auto& line : lines) {
        list.append(QVariantMap{
            {QStringLiteral("time"), line.minute < 0 ? QString() : corvalin::control::hhmm(line.minute)},
            {QStringLiteral("mark"), QString::fromStdString(line.mark)},
            {QStringLiteral("sound"), QString::fromStdString(line.sound)},
        });
    }
    return list;
}

}  // namespace

CommandRunner::CommandRunner(BellsClient& bells, Copy copy, QObject* parent)
    : QObject(parent), m_bells(bells), m_copy(std::move(copy)) {}

void CommandRunner::run(const QString& method, const QVariantList& arguments, const QString& by,
                        corvalin::control::Command::Done done) {
    const auto* command = corvalin::control::commandCalled(method);
    if (!command) {
        done(QStringLiteral("there is no command %1").arg(method), {});
        return;
    }
    command->run(*this, arguments, by, std::move(done));
}

void CommandRunner::run(const QString& method, const QVariantList& arguments, const QString& by,
                        std::function<void(const QString&)> answered) {
    run(method, arguments, by, [answered = std::move(answered)](const QString& refusal, const QVariant&) {
        if (answered) {
            answered(refusal);
        }
    });
}

QVariantMap CommandRunner::status(const BellsStatus& bells) const {
    using corvalin::control::hhmm;
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
        {key::kProblems, m_bells.openProblems()},
        {key::kFollowed, follower ? follower->address() : QString()},
        {key::kFollowedVersion, follower ? follower->version() : QString()},
        {key::kFollowedApplied, follower ? follower->appliedAt().toString(Qt::ISODate) : QString()},
        {key::kFollowedChecked, follower ? follower->checkedAt().toString(Qt::ISODate) : QString()},
        {key::kToday, todayObjects(bells.today)},
        {key::kAlarmSignals, bells.alarmSignals},
        {key::kWeb, m_staffPage ? m_staffPage->state() : QStringLiteral("off")},
        {key::kWebFingerprint, m_staffPage ? m_staffPage->fingerprint() : QString()},
    };
}
