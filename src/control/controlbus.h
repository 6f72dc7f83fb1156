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

// A user as the messages name one: "nobody (uid 65534)", or "uid 65534" when it has no name here.
QString userNamed(uint uid);

}  // namespace corvalin::control
