// The running copy's interface on the user's session bus, for the command line, a desktop
// keyboard shortcut or a script: its names, and the error a refused call answers with.
#pragma once

#include <QString>

namespace corvalin::control {

inline const QString kService = QStringLiteral("org.corvalin.Corvalin1");
inline const QString kPath = QStringLiteral("/org/corvalin/Corvalin");
inline const QString kInterface = QStringLiteral("org.corvalin.Corvalin1");
// The command was refused; the message says why.
inline const QString kRefused = QStringLiteral("org.corvalin.Corvalin1.Error.Refused");
// The call came from another user than the one the copy runs for.
inline const QString kOtherUser = QStringLiteral("org.corvalin.Corvalin1.Error.OtherUser");

// The keys of the status (see ControlService::Status), as the copy fills it and the command line
// reads it.
namespace status {
inline const QString kCopy = QStringLiteral("copy");
inline const QString kRunning = QStringLiteral("running");
inline const QString kDate = QStringLiteral("date");
inline const QString kTime = QStringLiteral("time");
inline const QString kOffset = QStringLiteral("offset");
inline const QString kMode = QStringLiteral("mode");
inline const QString kDay = QStringLiteral("day");
inline const QString kAlarm = QStringLiteral("alarm");
inline const QString kNextBell = QStringLiteral("next_bell");
inline const QString kNextSound = QStringLiteral("next_sound");
inline const QString kTodayChanges = QStringLiteral("today_changes");
inline const QString kChanges = QStringLiteral("changes");
inline const QString kLastBell = QStringLiteral("last_bell");
inline const QString kLastSound = QStringLiteral("last_sound");
inline const QString kLastRungNow = QStringLiteral("last_rung_now");
inline const QString kProblems = QStringLiteral("problems");
inline const QString kFollowed = QStringLiteral("followed");
inline const QString kFollowedVersion = QStringLiteral("followed_version");
inline const QString kFollowedApplied = QStringLiteral("followed_applied");
inline const QString kFollowedChecked = QStringLiteral("followed_checked");
inline const QString kToday = QStringLiteral("today");
inline const QString kAlarmSignals = QStringLiteral("alarm_signals");
inline const QString kWeb = QStringLiteral("web");
inline const QString kWebFingerprint = QStringLiteral("web_fingerprint");
}  // namespace status

// A user as the messages name one: "nobody (uid 65534)", or "uid 65534" when it has no name here.
QString userNamed(uint uid);

}  // namespace corvalin::control
