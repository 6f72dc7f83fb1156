// The built program, started from a copy of its program folder, without a display.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"

namespace {

QString programFolderOfBuild() { return QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(); }

// Starts the program headless from `folder` and checks that it is still up after three seconds.
void staysUp(const QString& folder) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(folder + QStringLiteral("/Corvalin"));
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(3000), program.readAll().constData());
    program.terminate();
    program.waitForFinished();
}

void writeFile(const QString& path, const QByteArray& bytes) { QVERIFY(writeWholeFile(path, bytes)); }

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
    }

    void startsFromACompleteFolderAndStaysUp() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Corvalin");
        QVERIFY(copyProgramFolder(programFolderOfBuild(), folder));
        const QString data = folder + QStringLiteral("/data/");
        QDir().mkpath(data);
        writeFile(data + "data.ini", " 0 \r\n 0 \r\n 2 \r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        writeFile(data + "mdata.ini", "07hr 05min/school-bell.wav\r\n");
        for (int day = 1; day <= 13; ++day) {
            writeFile(data + QStringLiteral("mdata_%1.ini").arg(day), " 0 \r\n08hr 50min/school-bell.wav\r\n");
        }
        writeFile(data + "adata.ini", "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n");
        for (int day = 1; day <= 7; ++day) {
            writeFile(data + QStringLiteral("adata_%1.ini").arg(day),
                      "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n 0 \r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n");
        }
        writeFile(data + "snd.ini", "-1 \r\n");
        writeFile(data + "exit.ini", " 0 \r\n 0 \r\n 5 \r\n");
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
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
