// The autostart entry: where it goes, what it starts, and that it is replaced and removed whole.
// Every folder is a temporary one; the machine's autostart folders are never touched.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/logonstart_xdg.h"
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

    void allUsersEntryStartsTheExecutable_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/corvalin/Corvalin"
                               << "/opt/corvalin/Corvalin";
        QTest::newRow("spaces") << "/srv/bell room/Corvalin"
                                << "\"/srv/bell room/Corvalin\"";
        QTest::newRow("quote, dollar, backslash") << "/srv/it's $5\\bells/Corvalin"
                                                  << "\"/srv/it's \\\\$5\\\\\\\\bells/Corvalin\"";
        QTest::newRow("percent") << "/srv/100%/Corvalin"
                                 << "/srv/100%%/Corvalin";
    }
    void allUsersEntryStartsTheExecutable() {
        QFETCH(QString, executable);
        QFETCH(QString, exec);
        XdgLogonStart logon;
        QVERIFY(!logon.isEnabled());
        QVERIFY(logon.enable(executable));
        const auto entry = readEntry(m_allUsers);
        QCOMPARE(entry.value("group"), QString("[Desktop Entry]"));
        QCOMPARE(entry.value("Type"), QString("Application"));
        QCOMPARE(entry.value("Name"), QString("Corvalin"));
        QCOMPARE(entry.value("Exec"), exec);
        QCOMPARE(entry.value("X-GNOME-Autostart-enabled"), QString("true"));
        QVERIFY(!entry.value("Comment").isEmpty());
        QVERIFY(!entry.contains("Icon"));  // no picture in that folder
        QVERIFY(!QFileInfo::exists(m_user));
        QVERIFY(!QFileInfo::exists(path("usr/etc/xdg/autostart")));
        QCOMPARE(logon.entryPath(), m_allUsers);
        QVERIFY(logon.isEnabled());
    }

    void iconComesFromTheProgramFolder() {
        const QString folder = path("Bell Program");
        QVERIFY(writeWholeFile(folder + "/img/corvalin-64.png", "png"));
        XdgLogonStart logon;
        QVERIFY(logon.enable(folder + "/Corvalin"));
        const auto entry = readEntry(m_allUsers);
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

    void usersFolderDefaultsToHomeConfig() {
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(writeWholeFile(path("etc/xdg"), "not a folder"));
        XdgLogonStart logon;
        QVERIFY(logon.enable("/opt/corvalin/Corvalin"));
        QCOMPARE(logon.entryPath(), path("home/.config/autostart/Corvalin.desktop"));
        QCOMPARE(readEntry(logon.entryPath()).value("Exec"), QString("/opt/corvalin/Corvalin"));
    }

    // The program registers itself at every start: the entry follows a moved program folder and
    // stays one file, and an older entry of the user's, which would win over it, goes.
    void enablingAgainReplacesTheEntry() {
        QVERIFY(
            writeWholeFile(m_user, "[Desktop Entry]\nType=Application\nName=Corvalin\nExec=/old/Corvalin\n"));
        XdgLogonStart logon;
        QVERIFY(logon.enable("/opt/corvalin/Corvalin"));
        QVERIFY(logon.enable("/srv/bells/Corvalin"));
        QCOMPARE(
            QDir(path("etc/xdg/autostart")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Corvalin.desktop"});
        const auto entry = readEntry(m_allUsers);
        QCOMPARE(entry.value("Exec"), QString("/srv/bells/Corvalin"));
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
