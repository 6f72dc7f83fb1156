// The installed program, unpacked from the Debian package, run as an ordinary user (nobody) under
// a faked clock against the test sound server: it keeps its settings in that user's
// ~/.local/share/corvalin/data/ and never beside the program under /usr, and its bell (a sound of
// the user's own, beside the shipped ones) rings on the bell sink.
#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

constexpr uid_t kNobody = 65534;

// Read and search rights for others on `path` and every folder above it, added with chmod itself,
// which keeps the bits Qt knows nothing of (the sticky bit of /tmp).
bool openToOthers(const QString& path) {
    for (QString folder = path; folder != "/"; folder = QFileInfo(folder).absolutePath()) {
        struct stat info {};
        const QByteArray name = QFile::encodeName(folder);
        if (::stat(name.constData(), &info) != 0 || ::chmod(name.constData(), (info.st_mode & 07777) | 005) != 0) {
            return false;
        }
    }
    return true;
}

bool giveToNobody(const QString& path) {
    return QProcess::execute("chown", {"-R", "65534:65534", path}) == 0;
}

QStringList filesUnder(const QString& root) {
    QStringList files;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        files << it.next().mid(root.size());
    }
    return files;
}

}  // namespace

class TestPackage : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_root;  // the unpacked package
    QString m_home;  // nobody's home
    QProcessEnvironment m_env;

    // `inside` are set for the program only, not for setpriv (libfaketime's shared clock made
    // by root could not be opened by nobody).
    std::unique_ptr<QProcess> asNobody(const QStringList& args, const QProcessEnvironment& env,
                                       const QStringList& inside = {}) {
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(env);
        copy->setProcessChannelMode(QProcess::MergedChannels);
        copy->start("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "env"} + inside +
                                   QStringList{m_root + "/usr/bin/corvalin"} + args);
        return copy;
    }

private Q_SLOTS:
    void initTestCase() {
        REQUIRE_TEST_SERVER();
        if (::geteuid() != 0) {
            QSKIP("running the program as another user needs root");
        }
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        const QStringList debs = QDir(QStringLiteral(CORVALIN_BUILD_DIR)).entryList({"corvalin_*.deb"});
        QVERIFY2(debs.size() == 1, "expected one package in the build folder: bash scripts/package.sh");
        m_root = m_dir.path() + "/root";
        QCOMPARE(QProcess::execute("dpkg-deb", {"-x", QStringLiteral(CORVALIN_BUILD_DIR) + "/" + debs.first(), m_root}), 0);
        m_home = m_dir.path() + "/home";
        QVERIFY(QDir().mkpath(m_home + "/runtime"));
        QVERIFY(giveToNobody(m_home));
        QVERIFY(openToOthers(m_root));
        // The test sound server, reached by nobody too.
        const QString server = qEnvironmentVariable("PULSE_SERVER");
        if (server.startsWith("unix:")) {
            QVERIFY(openToOthers(QFileInfo(server.mid(5)).absolutePath()));
        }
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
            m_env.remove(QString::fromLatin1(name));
        }
        m_env.insert("HOME", m_home);
        m_env.insert("XDG_RUNTIME_DIR", m_home + "/runtime");
    }

    void settingsGoToTheUsersDataFolder() {
        QProcessEnvironment env = m_env;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        auto window = asNobody({}, env);
        QVERIFY(window->waitForStarted());
        const QString data = m_home + "/.local/share/corvalin/data";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data + "/data.ini"), 10000);
        QVERIFY2(window->state() == QProcess::Running, window->readAllStandardOutput().constData());
        window->terminate();
        QVERIFY(window->waitForFinished(5000));
        QCOMPARE(QFileInfo(data + "/data.ini").ownerId(), kNobody);
        QVERIFY2(QFile(data + "/ring.log").open(QIODevice::ReadOnly), "no ring log in the user's data folder");
        // The package's files are all there is under /usr: nothing was written beside them.
        QProcess listed;
        listed.start("dpkg-deb", {"-c", QDir(QStringLiteral(CORVALIN_BUILD_DIR)).entryInfoList({"corvalin_*.deb"}).first().filePath()});
        QVERIFY(listed.waitForFinished());
        const QString contents = QString::fromUtf8(listed.readAllStandardOutput());
        for (const QString& file : filesUnder(m_root)) {
            QVERIFY2(contents.contains("." + file), qPrintable(file + " is not from the package"));
        }
    }

    void bellOfTheUsersOwnSoundRings() {
        const QString own = m_home + "/.local/share/corvalin";
        QVERIFY(QDir().mkpath(own + "/sound"));
        QVERIFY(pulsetools::writeTone(own + "/sound/0-own.wav", 1.0, 880.0));
        const QByteArray card = ' ' + QByteArray::number(pulsetools::sinkPosition("bell_out")) + " \r\n";
        QVERIFY(writeWholeFile(own + "/data/data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"));
        QVERIFY(writeWholeFile(own + "/data/mdata.ini", "11hr 00min/0-own.wav\r\n"));
        QVERIFY(writeWholeFile(own + "/data/snd.ini", card));
        QVERIFY(giveToNobody(own));

        // Four seconds before 11:00, on whole seconds of this machine's clock.
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime whole(real.date(), real.time().addMSecs(-real.time().msec()));
        const qint64 offset = whole.secsTo(QDateTime(real.date(), QTime(10, 59, 56)));
        const QStringList faked{"LD_PRELOAD=" + fakeTimeLibrary(),
                                QStringLiteral("FAKETIME=%1%2s").arg(offset < 0 ? "-" : "+").arg(qAbs(offset))};
        pulsetools::Recorder bell("bell_out", m_dir.path() + "/bell.wav");
        QVERIFY(bell.waitLive());
        auto headless = asNobody({"--headless"}, m_env, faked);
        QVERIFY(headless->waitForStarted());
        QTest::qWait(int(QDateTime::currentDateTime().msecsTo(whole.addMSecs(6500))));
        QVERIFY2(headless->state() == QProcess::Running, headless->readAll().constData());
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        bell.finish();

        QFile log(own + "/data/ring.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY2(text.contains("scheduled 11:00 0-own.wav on Bell_output"), text.constData());
        QCOMPARE(pulsetools::bursts(m_dir.path() + "/bell.wav").size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
