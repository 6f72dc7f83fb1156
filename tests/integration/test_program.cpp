// The built program, started from a copy of its program folder, without a display.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

#include "programcopy.h"

namespace {

QString programFolderOfBuild() {
    return QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath();
}

// Starts the program headless from `folder` and checks that it is still up after three seconds.
void staysUp(const QString& folder) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    keepDesktopApart(env, QFileInfo(folder).absolutePath() + QStringLiteral("/desktop"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(folder + QStringLiteral("/Corvalin"));
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(3000), program.readAll().constData());
    program.terminate();
    program.waitForFinished();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(writeWholeFile(path, bytes));
}

// Every settings file of a data folder by name, with its bytes.
QMap<QString, QByteArray> settingsFiles(const QString& data) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(data).entryList({"*.ini"}, QDir::Files)) {
        QFile file(data + name);
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

// A data folder with every file an operator's program has.
void writeCompleteData(const QString& data, const QByteArray& options) {
    writeFile(data + "data.ini", options);
    writeFile(data + "mdata.ini", "07hr 05min/school-bell.wav\r\n");
    for (int day = 1; day <= 13; ++day) {
        writeFile(data + QStringLiteral("mdata_%1.ini").arg(day), " 0 \r\n08hr 50min/school-bell.wav\r\n");
    }
    writeFile(data + "adata.ini",
              "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n");
    for (int day = 1; day <= 7; ++day) {
        writeFile(data + QStringLiteral("adata_%1.ini").arg(day),
                  "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n 0 \r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n");
    }
    writeFile(data + "snd.ini", "-1 \r\n");
    writeFile(data + "exit.ini", " 0 \r\n 0 \r\n 5 \r\n");
}

}  // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsFromAnEmptyFolderAndStaysUp() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Corvalin");
        QVERIFY(copyProgramFolder(programFolderOfBuild(), folder));
        QDir(folder + QStringLiteral("/data")).removeRecursively();
        staysUp(folder);
        QVERIFY(QFile::exists(folder + QStringLiteral("/data/data.ini")));
        // Ended by SIGTERM, as at a shutdown: it says so.
        QFile log(folder + QStringLiteral("/data/ring.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        QVERIFY2(
            lines.contains("Corvalin started in ") && lines.contains("Corvalin ended: by the signal TERM"),
            lines.constData());
    }

    void startsFromACompleteFolderAndStaysUp() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Corvalin");
        QVERIFY(copyProgramFolder(programFolderOfBuild(), folder));
        const QString data = folder + QStringLiteral("/data/");
        QDir().mkpath(data);
        writeCompleteData(data, " 0 \r\n 0 \r\n 2 \r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        const QByteArray before = [&] {
            QFile f(data + "mdata_3.ini");
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        staysUp(folder);
        QFile f(data + "mdata_3.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // A folder whose name is not valid UTF-8 (copied from a USB stick or a zip): the program says
    // why it cannot start and ends with an error, writing nothing anywhere.
    void folderThatCannotBeNamedEndsWithAMessage() {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray folder = root + "/Glocken-\xff\xfe";
        QCOMPARE(std::system(("cp -r '" + QFile::encodeName(programFolderOfBuild()) + "' '" + folder +
                              "' && rm -rf '" + folder + "/data'")
                                 .constData()),
                 0);
        const bool rootDataBefore = QFileInfo::exists("/data/data.ini");
        const int status =
            std::system(("cd '" + root + "' && XDG_RUNTIME_DIR='" + root + "' XDG_CONFIG_HOME='" + root +
                         "/config' QT_QPA_PLATFORM=offscreen timeout 20 '" + folder + "/Corvalin' 2>'" +
                         root + "/err.txt'")
                            .constData());
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 2);
        QFile err(dir.path() + "/err.txt");
        QVERIFY(err.open(QIODevice::ReadOnly));
        QVERIFY2(err.readAll().contains("Corvalin cannot start: the name of its folder cannot be read"),
                 "no message");
        QCOMPARE(QFileInfo::exists("/data/data.ini"), rootDataBefore);
        QVERIFY(::access((folder + "/data").constData(), F_OK) != 0);
    }

    // Killed (as by a power cut) at random moments of its start-up, the program never leaves the
    // operator's settings changed.
    void killedDuringStartUpKeepsTheSettings() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Corvalin");
        QVERIFY(copyProgramFolder(programFolderOfBuild(), folder));
        const QString data = folder + QStringLiteral("/data/");
        QDir().mkpath(data);
        // Set each day, manual input, sound 2, no sound at bell and repeating bell on.
        writeCompleteData(data, " 0 \r\n 1 \r\n 2 \r\n 2 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
        const auto before = settingsFiles(data);
        QCOMPARE(before.size(), 25);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        keepDesktopApart(env, dir.path() + QStringLiteral("/desktop"));
        for (int round = 0; round < 30; ++round) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(folder + QStringLiteral("/Corvalin"));
            QVERIFY(program.waitForStarted());
            QThread::msleep(QRandomGenerator::global()->bounded(400));
            program.kill();
            QVERIFY(program.waitForFinished());
            QCOMPARE(settingsFiles(data), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
