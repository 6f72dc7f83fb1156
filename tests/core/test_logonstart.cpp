// The autostart entry: where it goes, what it starts, and that it is replaced and removed whole.
// Every folder is a temporary one; the machine's autostart folders are never touched.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "core/desktop/logonstart_xdg.h"
#include "programcopy.h"

namespace {

// The entry's lines as key and value, with its group line under "group".
QMap<QString, QString> readEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return keys;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    keys.insert(QStringLiteral("group"), lines.value(0));
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (keys.contains(line.left(equals))) {
            keys.insert(QStringLiteral("duplicate"), line.left(equals));
        }
        keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

}  // namespace

class TestLogonStart : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_allUsers;  // what the first entry of XDG_CONFIG_DIRS names, plus /autostart
    QString m_user;      // XDG_CONFIG_HOME plus /autostart

    QString path(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("HOME", QFile::encodeName(path("home")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(path("etc/xdg") + ":" + path("usr/etc/xdg")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("home/.config")));
        m_allUsers = path("etc/xdg/autostart/Corvalin.desktop");
        m_user = path("home/.config/autostart/Corvalin.desktop");
    }

    // The executables are real files of root's (the test runs as root, as CI does), so that they may
    // be started for every user.
    void allUsersEntryStartsTheExecutable_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");  // %1: the test's own folder
        QTest::newRow("plain") << "opt/corvalin"
                               << "%1/opt/corvalin/Corvalin";
        QTest::newRow("spaces") << "srv/bell room"
                                << "\"%1/srv/bell room/Corvalin\"";
        QTest::newRow("quote, dollar, backslash") << "srv/it's $5\\bells"
                                                  << "\"%1/srv/it's \\\\$5\\\\\\\\bells/Corvalin\"";
        QTest::newRow("percent") << "srv/100%"
                                 << "sh -c \"exec \\\\\"\\\\$0\\\\\"\" %1/srv/100%%/Corvalin";
    }
    void allUsersEntryStartsTheExecutable() {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        const QString executable = path(folder + "/Corvalin");
        QVERIFY(writeWholeFile(executable, "#!/bin/sh\n"));
        if (!XdgLogonStart::unsafeForAllUsers(executable).isEmpty()) {
            QSKIP(qPrintable("not a folder that may start a program for every user: " +
                             XdgLogonStart::unsafeForAllUsers(executable)));
        }
        XdgLogonStart logon;
        QVERIFY(!logon.isEnabled());
        QVERIFY(logon.enable(executable));
        const auto entry = readEntry(m_allUsers);
        QCOMPARE(entry.value("group"), QString("[Desktop Entry]"));
        QCOMPARE(entry.value("Type"), QString("Application"));
        QCOMPARE(entry.value("Name"), QString("Corvalin"));
        QCOMPARE(entry.value("Exec"), exec.arg(m_dir->path()));
        QCOMPARE(entry.value("X-GNOME-Autostart-enabled"), QString("true"));
        QVERIFY(!entry.value("Comment").isEmpty());
        QVERIFY(!entry.contains("Icon"));  // no picture in that folder
        QVERIFY(!QFileInfo::exists(m_user));
        QVERIFY(!QFileInfo::exists(path("usr/etc/xdg/autostart")));
        QCOMPARE(logon.entryPath(), m_allUsers);
        QVERIFY(logon.userOnlyReason().isEmpty());
        QVERIFY(logon.isEnabled());
    }

    // A program another user owns, or one in a folder others may change, is never started for
    // every user: the entry is the user's own, and the reason is told.
    void programOthersCanChangeStartsForTheUserOnly() {
        const QString executable = path("shared/Corvalin");
        QVERIFY(writeWholeFile(executable, "#!/bin/sh\n"));
        if (::chown(QFile::encodeName(executable).constData(), 65534, 65534) != 0) {
            QSKIP("only root can give the program to another user");
        }
        XdgLogonStart logon;
        QVERIFY(logon.enable(executable));
        QCOMPARE(logon.entryPath(), m_user);
        QVERIFY(!QFileInfo::exists(m_allUsers));
        QCOMPARE(logon.userOnlyReason(), executable + " does not belong to root");

        QVERIFY(::chown(QFile::encodeName(executable).constData(), 0, 0) == 0);
        QVERIFY(
            QFile::setPermissions(path("shared"), QFile::permissions(path("shared")) | QFile::WriteOther));
        QVERIFY(logon.enable(executable));
        QCOMPARE(logon.userOnlyReason(), path("shared") + " can be changed by other users");
    }

    // The written entry as the desktop starts it: GLib's launcher runs the program for folder
    // names with spaces, quotes, $, backticks, % and letters beyond ASCII.
    void theDesktopStartsTheWrittenEntry() {
        const QString gio = QStandardPaths::findExecutable("gio");
        if (gio.isEmpty()) {
            QSKIP("gio is not installed");
        }
        const QStringList names{"bell room", "it's \"$HOME\" `date`", "100% sure", "종소리 Glöckner",
                                "back\\slash"};
        for (const QString& name : names) {
            const QString folder = path("programs/" + name);
            const QString marker = folder + "/started";
            QVERIFY(writeWholeFile(folder + "/Corvalin",
                                   "#!/bin/sh\necho \"$0\" > \"$(dirname \"$0\")/started\"\n"));
            QVERIFY(QFile::setPermissions(folder + "/Corvalin", QFile::ReadOwner | QFile::WriteOwner |
                                                                    QFile::ExeOwner | QFile::ReadOther |
                                                                    QFile::ExeOther));
            const QString entry = path("entries/corvalin-test.desktop");
            QVERIFY(writeWholeFile(entry, XdgLogonStart::entryText(folder + "/Corvalin")));
            QProcess launch;
            launch.setProcessChannelMode(QProcess::MergedChannels);
            launch.start(gio, {"launch", entry});
            QVERIFY(launch.waitForFinished(10000));
            QVERIFY2(launch.exitCode() == 0, qPrintable(name + ": " + launch.readAll()));
            // The shell makes the file before it writes the line: the line is waited for.
            const auto written = [&marker] {
                QFile started(marker);
                return started.open(QIODevice::ReadOnly) ? QString::fromUtf8(started.readAll()).trimmed() : QString();
            };
            QTRY_COMPARE_WITH_TIMEOUT(written(), folder + "/Corvalin", 5000);
        }
    }

    void iconComesFromTheProgramFolder() {
        const QString folder = path("Bell Program");
        QVERIFY(writeWholeFile(folder + "/img/corvalin-64.png", "png"));
        QVERIFY(writeWholeFile(folder + "/Corvalin", "#!/bin/sh\n"));
        XdgLogonStart logon;
        QVERIFY(logon.enable(folder + "/Corvalin"));
        const auto entry = readEntry(logon.entryPath());
        QCOMPARE(entry.value("Exec"), "\"" + folder + "/Corvalin\"");
        QCOMPARE(entry.value("Icon"), folder + "/img/corvalin-64.png");
    }

    // A file standing where the all-users folder should be keeps even root out of it.
    void usersFolderWhenAllUsersCannotBeWritten() {
        QVERIFY(writeWholeFile(path("etc/xdg"), "not a folder"));
        XdgLogonStart logon;
        QVERIFY(logon.enable("/opt/corvalin/Corvalin"));
        QCOMPARE(readEntry(m_user).value("Exec"), QString("/opt/corvalin/Corvalin"));
        QCOMPARE(logon.entryPath(), m_user);
        QVERIFY(logon.isEnabled());

        // Neither folder: a failure, and nothing registered.
        QVERIFY(logon.disable());
        QVERIFY(QDir(path("home/.config")).removeRecursively());
        QVERIFY(writeWholeFile(path("home/.config"), "not a folder"));
        QVERIFY(!logon.enable("/opt/corvalin/Corvalin"));
        QVERIFY(!logon.isEnabled());
    }

    // The folders it has to make there are made as XDG folders are: the user's alone, whatever the
    // umask.
    void usersFolderDefaultsToHomeConfig() {
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(writeWholeFile(path("etc/xdg"), "not a folder"));
        QVERIFY(QDir().mkpath(path("home")));
        const mode_t savedMask = ::umask(022);
        XdgLogonStart logon;
        const bool enabled = logon.enable("/opt/corvalin/Corvalin");
        ::umask(savedMask);
        QVERIFY(enabled);
        QCOMPARE(logon.entryPath(), path("home/.config/autostart/Corvalin.desktop"));
        QCOMPARE(readEntry(logon.entryPath()).value("Exec"), QString("/opt/corvalin/Corvalin"));
        for (const QString& made : {path("home/.config"), path("home/.config/autostart")}) {
            QVERIFY2((QFile::permissions(made) & 0x0077) == 0, qPrintable(made));
        }
    }

    // The program registers itself at every start: the entry follows a moved program folder and
    // stays one file, and an older entry of the user's, which would win over it, goes.
    void enablingAgainReplacesTheEntry() {
        QVERIFY(
            writeWholeFile(m_user, "[Desktop Entry]\nType=Application\nName=Corvalin\nExec=/old/Corvalin\n"));
        QVERIFY(writeWholeFile(path("opt/corvalin/Corvalin"), "#!/bin/sh\n"));
        QVERIFY(writeWholeFile(path("srv/bells/Corvalin"), "#!/bin/sh\n"));
        XdgLogonStart logon;
        QVERIFY(logon.enable(path("opt/corvalin/Corvalin")));
        QVERIFY(logon.enable(path("srv/bells/Corvalin")));
        QCOMPARE(
            QDir(path("etc/xdg/autostart")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Corvalin.desktop"});
        const auto entry = readEntry(m_allUsers);
        QCOMPARE(entry.value("Exec"), path("srv/bells/Corvalin"));
        QVERIFY(!entry.contains("duplicate"));
        QVERIFY(!QFileInfo::exists(m_user));
    }

    void disableRemovesBothEntries() {
        const QByteArray text = XdgLogonStart::entryText("/opt/corvalin/Corvalin");
        QVERIFY(writeWholeFile(m_allUsers, text));
        QVERIFY(writeWholeFile(m_user, text));
        XdgLogonStart logon;
        QVERIFY(logon.isEnabled());
        QVERIFY(logon.disable());
        QVERIFY(!QFileInfo::exists(m_allUsers));
        QVERIFY(!QFileInfo::exists(m_user));
        QVERIFY(!logon.isEnabled());
        QVERIFY(logon.disable());  // nothing left to remove is no failure

        // An entry that cannot be removed is reported.
        QVERIFY(QDir().mkpath(m_user + "/in-the-way"));
        QVERIFY(!logon.disable());
    }
};

QTEST_GUILESS_MAIN(TestLogonStart)
#include "test_logonstart.moc"
