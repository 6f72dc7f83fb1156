// Starting at logon through an XDG autostart entry, Corvalin.desktop.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/ports/logonstart.h"

// The entry goes to the all-users autostart folder (the first entry of $XDG_CONFIG_DIRS, default
// /etc/xdg, plus /autostart) when that folder can be written and the executable and every folder
// above it belong to root and cannot be changed by others; else to the user's ($XDG_CONFIG_HOME,
// default ~/.config, plus /autostart). The variables are read at each call. Every write replaces
// the whole file at once; failures are returned, never shown.
class XdgLogonStart final : public LogonStart {
public:
    // Writes the entry that starts the executable at the given path, with the program folder's
    // img/corvalin-64.png as its icon when that file is there.
    bool enable(const QString& executablePath) override;
    // Removes the entry from both folders; false when one that is there could not be removed.
    bool disable() override;

    QString userOnlyReason() const override { return m_userOnlyReason; }

    // Why the executable may not be started for every user (empty when it may): it or a folder
    // above it does not belong to root, or others can change it.
    static QString unsafeForAllUsers(const QString& executablePath);

    // Whether an entry is in either folder.
    bool isEnabled() const;
    // The file the last successful enable() wrote; empty before.
    QString entryPath() const { return m_entryPath; }

    static QString allUsersFolder();
    static QString userFolder();
    // The entry's text for the executable at the given path.
    static QByteArray entryText(const QString& executablePath);

private:
    QString m_entryPath;
    QString m_userOnlyReason;
};
