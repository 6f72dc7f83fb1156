// Copies of the built program started against each other: a second copy makes the first show its
// window and ends; a killed copy does not stop the next; of two started at once exactly one stays;
// another user can neither start a second ringing copy nor strip the first of its guard.
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "programcopy.h"

namespace {

// What the first copy logs for every show request it receives.
const QByteArray kShown = "another copy asked this one to show its window";

// A running copy and what it wrote so far.
struct Copy {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray said;

    QByteArray output() {
        said += process->readAll();
        return said;
    }
    bool running() const { return process->state() != QProcess::NotRunning; }
    // Still running after `ms` milliseconds.
    bool staysUp(int ms) {
        process->waitForFinished(ms);
        return running();
    }
    bool endedWell() const {
        return !running() && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    }
    void kill() {
        process->kill();
        process->waitForFinished();
    }
};

// A program folder of its own, with runtime and autostart folders that no other copy shares.
struct Install {
    QTemporaryDir dir;
    QString folder = dir.path() + QStringLiteral("/Corvalin");
    QString runtime = dir.path() + QStringLiteral("/desktop/runtime");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    bool prepare() {
        if (!copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder)) {
            return false;
        }
        QDir(folder + QStringLiteral("/data")).removeRecursively();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvalin.instance.info=true"));
        keepDesktopApart(env, dir.path() + QStringLiteral("/desktop"));
        return true;
    }

    std::unique_ptr<Copy> start() const {
        auto copy = std::make_unique<Copy>();
        copy->process->setProcessEnvironment(env);
        copy->process->setProcessChannelMode(QProcess::MergedChannels);
        copy->process->start(folder + QStringLiteral("/Corvalin"));
        return copy;
    }

    // The start-up of a copy that goes on writes the options once.
    bool startedUp() const { return QFileInfo::exists(folder + QStringLiteral("/data/data.ini")); }
};

// A process of the user nobody that opens `count` connections to the guard's socket, holds them
// for a second and ends. It writes one byte to `done` when it ends: 'y' when some reached the
// guard. (Its exit status may be taken by Qt's own watch on children.)
void floodGuard(int count, int done) {
    if (::fork() != 0) {
        return;
    }
    // Only calls that are safe after a fork from here on.
    rlimit most{};
    ::getrlimit(RLIMIT_NOFILE, &most);
    most.rlim_cur = most.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &most);
    if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
        ::setresuid(65534, 65534, 65534) != 0) {
        ::_exit(::write(done, "u", 1) == 1 ? 3 : 4);
    }
    static const char name[] = "corvalin-bells";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name, sizeof name - 1);
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + sizeof name);
    int connected = 0;
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            break;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
            ++connected;
        } else {
            ::close(fd);
            ::usleep(1000);  // the queue is full: give the holder a moment to take them
        }
    }
    ::sleep(1);
    const char said = connected > 0 ? 'y' : 'n';
    ::_exit(::write(done, &said, 1) == 1 ? 0 : 4);
}

}  // namespace

class TestInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyShowsTheFirstAndEnds() {
        Install install;
        QVERIFY(install.prepare());
        auto first = install.start();
        QVERIFY(first->process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(install.startedUp(), 10000);

        for (int later = 1; later <= 2; ++later) {
            auto second = install.start();
            QVERIFY(second->process->waitForFinished(5000));
            QVERIFY2(second->endedWell(), second->output().constData());
            QTRY_COMPARE_WITH_TIMEOUT(first->output().count(kShown), later, 3000);
        }
        QVERIFY2(first->staysUp(1000), first->output().constData());
        first->kill();
    }

    // A copy killed as by a power cut leaves nothing that stops the next copy, which still hears a
    // later copy.
    void killedCopyDoesNotStopTheNext() {
        Install install;
        QVERIFY(install.prepare());
        auto killed = install.start();
        QVERIFY(killed->process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(install.startedUp(), 10000);
        killed->kill();

        auto next = install.start();
        QVERIFY(next->process->waitForStarted());
        QVERIFY2(next->staysUp(3000), next->output().constData());

        auto later = install.start();
        QVERIFY(later->process->waitForFinished(5000));
        QVERIFY2(later->endedWell(), later->output().constData());
        QTRY_COMPARE_WITH_TIMEOUT(next->output().count(kShown), 1, 3000);
        next->kill();
    }

    // Each round's survivor is killed, so every round after the first also starts where one was
    // killed.
    void twoStartedAtOnceLeaveExactlyOne() {
        Install install;
        QVERIFY(install.prepare());
        for (int round = 0; round < 5; ++round) {
            auto a = install.start();
            auto b = install.start();
            QVERIFY(a->process->waitForStarted());
            QVERIFY(b->process->waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(!a->running() || !b->running(), 5000);
            Copy& ended = a->running() ? *b : *a;
            Copy& stayed = a->running() ? *a : *b;
            QVERIFY2(ended.endedWell(), ended.output().constData());
            QVERIFY2(stayed.staysUp(2000),
                     qPrintable(QStringLiteral("round %1: ").arg(round) + stayed.output()));
            QTRY_COMPARE_WITH_TIMEOUT(stayed.output().count(kShown), 1, 3000);
            stayed.kill();
        }
    }

    // One copy per PC, whoever started it: a copy of another user ends at once and says whose copy
    // runs, both ways round, and the first copy's window is not asked to show itself.
    void anotherUsersCopyEndsAndSaysWhose() {
        if (::geteuid() != 0) {
            QSKIP("starting a copy as another user needs root");
        }
        Install install;
        QVERIFY(install.prepare());
        // The other user (nobody) must be able to reach and run the program folder.
        // Bits are added with chmod itself, which keeps those Qt knows nothing of (the sticky bit of /tmp).
        auto allow = [](const QString& path, mode_t bits) {
            struct stat info {};
            const QByteArray name = QFile::encodeName(path);
            return ::stat(name.constData(), &info) == 0 &&
                   ::chmod(name.constData(), (info.st_mode & 07777) | bits) == 0;
        };
        for (QString folder = install.folder; folder != "/"; folder = QFileInfo(folder).absolutePath()) {
            QVERIFY(allow(folder, S_IROTH | S_IXOTH));
        }
        QVERIFY(QDir().mkpath(install.folder + "/data"));
        QVERIFY(allow(install.folder + "/data", S_IRWXO));
        auto asNobody = [&] {
            auto copy = std::make_unique<Copy>();
            QProcessEnvironment env = install.env;
            env.insert("XDG_RUNTIME_DIR", install.dir.path() + "/nobody-runtime");
            env.insert("HOME", install.dir.path() + "/nobody-home");
            copy->process->setProcessEnvironment(env);
            copy->process->setProcessChannelMode(QProcess::MergedChannels);
            copy->process->start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                             install.folder + "/Corvalin"});
            return copy;
        };

        auto first = install.start();
        QVERIFY(first->process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(install.startedUp(), 10000);
        auto other = asNobody();
        QVERIFY(other->process->waitForFinished(5000));
        QCOMPARE(other->process->exitCode(), 1);
        QVERIFY2(other->output().contains(
                     "Corvalin is already running on this computer, started by the user root"),
                 other->output().constData());
        QVERIFY(first->staysUp(500));
        QCOMPARE(first->output().count(kShown), 0);
        first->kill();

        auto nobodys = asNobody();
        QVERIFY(nobodys->process->waitForStarted());
        QVERIFY2(nobodys->staysUp(2000), nobodys->output().constData());
        auto roots = install.start();
        QVERIFY(roots->process->waitForFinished(5000));
        QCOMPARE(roots->process->exitCode(), 1);
        QVERIFY2(roots->output().contains("started by the user nobody"), roots->output().constData());
        nobodys->kill();
    }

    // Another user floods the guard's socket with connections that never say a word and goes: the
    // first copy still holds the guard, so a second copy of its user shows it and ends rather than
    // ringing every bell a second time.
    void floodOfAnotherUserLeavesTheGuard() {
        if (::geteuid() != 0) {
            QSKIP("connecting as another user needs root");
        }
        Install install;
        QVERIFY(install.prepare());
        // Few descriptors, so that the flood is more than the copy has.
        rlimit before{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &before), 0);
        rlimit few = before;
        few.rlim_cur = 256;
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &few), 0);
        auto first = install.start();
        const bool started = first->process->waitForStarted();
        ::setrlimit(RLIMIT_NOFILE, &before);
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(install.startedUp(), 10000);

        int done[2];
        QCOMPARE(::pipe2(done, O_CLOEXEC | O_NONBLOCK), 0);
        floodGuard(1100, done[1]);
        ::close(done[1]);
        char said = 0;
        QTRY_VERIFY_WITH_TIMEOUT(said != 0 || ::read(done[0], &said, 1) == 1, 30000);
        ::close(done[0]);
        QCOMPARE(said, 'y');

        auto second = install.start();
        QVERIFY(second->process->waitForFinished(5000));
        QVERIFY2(second->endedWell(), second->output().constData());
        QTRY_COMPARE_WITH_TIMEOUT(first->output().count(kShown), 1, 3000);
        QVERIFY2(first->running(), first->output().constData());
        first->kill();
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
