// Starting at logon through an XDG autostart entry, Corvalin.desktop.
#include "core/desktop/logonstart_xdg.h"

#include "core/base/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const QString kEntryName = QStringLiteral("Corvalin.desktop");

// A folder named by an environment variable; relative or empty values do not count.
QString absoluteFromEnvironment(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

// Characters that make an Exec argument need double quotes.
bool needsQuotes(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty()) {
        return true;
    }
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            return true;
        }
    }
    return false;
}

// One Exec argument: field-code percent signs doubled, quoted when it holds a reserved character
// (inside the quotes ", `, $ and \ take a backslash).
QString execArgument(const QString& argument) {
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (!needsQuotes(argument)) {
        return text;
    }
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// A value as the file stores strings: backslash and control characters escaped.
QString stringValue(const QString& value) {
    QString text;
    for (const QChar c : value) {
        switch (c.unicode()) {
            case '\\':
                text += QStringLiteral("\\\\");
                break;
            case '\n':
                text += QStringLiteral("\\n");
                break;
            case '\t':
                text += QStringLiteral("\\t");
                break;
            case '\r':
                text += QStringLiteral("\\r");
                break;
            default:
                text += c;
        }
    }
    return text;
}

// `usersOwn`: the user's own folder, made when missing as XDG folders are made, 0700 (and so is each
// folder above it that has to be made).
bool writeEntry(const QString& folder, const QByteArray& text, bool usersOwn = false) {
    if (folder.isEmpty() || !(usersOwn ? makeOwnerOnlyFolder(folder) : QDir().mkpath(folder))) {
        return false;
    }
    return replaceWholeFile(folder + QLatin1Char('/') + kEntryName, text);
}

// True when the entry is not in the folder afterwards.
bool removeEntry(const QString& folder) {
    if (folder.isEmpty()) {
        return true;
    }
    const QString path = folder + QLatin1Char('/') + kEntryName;
    return !QFileInfo::exists(path) || QFile::remove(path);
}

bool hasEntry(const QString& folder) {
    return !folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + kEntryName);
}

}  // namespace

QString XdgLogonStart::allUsersFolder() {
    // The first entry counts; relative ones are no folders at all and are passed over.
    const QStringList dirs =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& dir : dirs) {
        if (QDir::isAbsolutePath(dir)) {
            return QDir::cleanPath(dir) + QStringLiteral("/autostart");
        }
    }
    return QStringLiteral("/etc/xdg/autostart");
}

QString XdgLogonStart::userFolder() {
    QString base = absoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/autostart");
}

QByteArray XdgLogonStart::entryText(const QString& executablePath) {
    const QString executable = QFileInfo(executablePath).absoluteFilePath();
    // A program folder has its own picture; an installed program's is in the icon theme.
    const QString picture = QFileInfo(executable).absolutePath() + QStringLiteral("/img/corvalin-64.png");
    const QString icon = QFileInfo::exists(picture) ? picture : QStringLiteral("org.corvalin.Corvalin");
    QString text = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Corvalin\n"
        "Comment=Rings the bells of the day on time\n");
    // GLib looks the program up before it expands field codes, so a path with a percent sign
    // (written %%) would not be found: such a path is started through sh, as $0 of "exec "$0"".
    const QString exec = executable.contains(QLatin1Char('%'))
                             ? QStringLiteral("sh -c ") + execArgument(QStringLiteral("exec \"$0\"")) +
                                   QLatin1Char(' ') + execArgument(executable)
                             : execArgument(executable);
    text += QStringLiteral("Exec=") + stringValue(exec) + QLatin1Char('\n');
    if (QFileInfo(icon).isFile()) {
        text += QStringLiteral("Icon=") + stringValue(icon) + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

QString XdgLogonStart::unsafeForAllUsers(const QString& executablePath) {
    QString path = QFileInfo(executablePath).canonicalFilePath();
    if (path.isEmpty()) {
        return QStringLiteral("%1 cannot be found").arg(executablePath);
    }
    // The executable and every folder above it: whoever may replace one of them could run their
    // own program in the session of everyone who logs on.
    for (;;) {
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
            return QStringLiteral("%1 cannot be examined").arg(path);
        }
        if (info.st_uid != 0) {
            return QStringLiteral("%1 does not belong to root").arg(path);
        }
        // A folder others may write is safe only with the sticky bit (as /tmp): then nobody but
        // root may replace what root keeps in it.
        const bool othersWrite = (info.st_mode & S_IWOTH) || ((info.st_mode & S_IWGRP) && info.st_gid != 0);
        if (othersWrite && !(S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX))) {
            return QStringLiteral("%1 can be changed by other users").arg(path);
        }
        if (path == QStringLiteral("/")) {
            return QString();
        }
        path = QFileInfo(path).absolutePath();
    }
}

bool XdgLogonStart::enable(const QString& executablePath) {
    const QByteArray text = entryText(executablePath);
    const QString allUsers = allUsersFolder();
    const QString user = userFolder();
    m_userOnlyReason.clear();
    const QString unsafe = unsafeForAllUsers(executablePath);
    if (!unsafe.isEmpty() && QDir().mkpath(allUsers) && QFileInfo(allUsers).isWritable()) {
        m_userOnlyReason = unsafe;
    }
    if (unsafe.isEmpty() && writeEntry(allUsers, text)) {
        // An entry in the user's folder overrides the all-users one and may start an older
        // executable: remove it, or failing that, bring it up to date too.
        const bool sameFolder =
            QFileInfo(user).canonicalFilePath() == QFileInfo(allUsers).canonicalFilePath();
        if (!sameFolder && !removeEntry(user) && !writeEntry(user, text, true)) {
            return false;
        }
        m_entryPath = allUsers + QLatin1Char('/') + kEntryName;
        return true;
    }
    if (writeEntry(user, text, true)) {
        m_entryPath = user + QLatin1Char('/') + kEntryName;
        return true;
    }
    return false;
}

bool XdgLogonStart::disable() {
    const bool allUsersGone = removeEntry(allUsersFolder());
    const bool userGone = removeEntry(userFolder());
    return allUsersGone && userGone;
}

bool XdgLogonStart::isEnabled() const {
    return hasEntry(allUsersFolder()) || hasEntry(userFolder());
}
