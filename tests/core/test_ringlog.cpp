// The ring log: a line for every bell and every problem, CRLF, newest last, and the lines older
// than 90 days dropped when the day changes.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/bells/ringlog.h"
#include "fakeports.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}  // namespace

class TestRingLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesAndTheirAge() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/data/ring.log";
        FakeClock clock;
        clock.set(QDateTime(QDate(2026, 9, 7), QTime(8, 50, 0, 21)));  // 91 days before 2026-12-07
        RingLog log(path, &clock);
        log.bell(true, "school-bell.wav", "Bell output");
        clock.set(QDateTime(QDate(2026, 9, 8), QTime(10, 12, 33, 480)));  // 90 days before
        log.bell(false, "chime.wav", "Default output");
        QSignalSpy problems(&log, &RingLog::problemReported);
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 0, 5)));
        log.problem("gone.wav could not be played; school-bell.wav was rung instead");
        QCOMPARE(problems.count(), 1);
        QCOMPARE(problems.first().at(1).toString(),
                 QString("gone.wav could not be played; school-bell.wav was rung instead"));
        QCOMPARE(contents(path),
                 QByteArray("2026-09-07 08:50:00.021 scheduled 08:50 school-bell.wav on Bell output\r\n"
                            "2026-09-08 10:12:33.480 ring now chime.wav on Default output\r\n"
                            "2026-12-06 23:59:00.005 problem: gone.wav could not be played; "
                            "school-bell.wav was rung instead\r\n"));
        // The first line of a new day drops what is older than 90 days, and nothing else; a line
        // without a date and a last line cut short are kept, each ending in CRLF again.
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(
            "written by hand\n2026-09-01 07:00:00.000 ring now old.wav on Bell output\r\n"
            "2026-12-06 23:59:30.000 problem: cut sh");
        file.close();
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1)));
        log.bell(true, "school-bell.wav", "Bell output");
        QCOMPARE(contents(path),
                 QByteArray("2026-09-08 10:12:33.480 ring now chime.wav on Default output\r\n"
                            "2026-12-06 23:59:00.005 problem: gone.wav could not be played; "
                            "school-bell.wav was rung instead\r\n"
                            "written by hand\r\n"
                            "2026-12-06 23:59:30.000 problem: cut sh\r\n"
                            "2026-12-07 00:00:01.000 scheduled 00:00 school-bell.wav on Bell output\r\n"));
        QCOMPARE(QDir(dir.path() + "/data").entryList(QDir::Files), QStringList{"ring.log"});  // no leftovers
    }

    // A ring.log that cannot be written (here a folder stands in its place) is said on the warning
    // line, once until a line can be written again.
    void aRingLogThatCannotBeWrittenIsToldOnce() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/data/ring.log";
        QVERIFY(QDir().mkpath(path));
        FakeClock clock;
        RingLog log(path, &clock);
        QSignalSpy told(&log, &RingLog::problemReported);
        log.note("one");
        log.bell(true, "bell.wav", "Bell output");
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().at(1).toString().contains("cannot be written (Is a directory)"),
                 qPrintable(told.first().at(1).toString()));
        QVERIFY(QDir(path).removeRecursively());
        log.note("two");
        QVERIFY(contents(path).endsWith(" two\r\n"));
        QVERIFY(QDir().mkpath(path + ".d") && QFile::remove(path) && QDir().rename(path + ".d", path));
        log.note("three");
        QCOMPARE(told.size(), 2);  // failing again after a line was written: told again
    }

    // A ring.log that is a symbolic link is not followed: the trim leaves the link and the file it
    // points to as they are, and no line is written through it.
    void linkIsNotFollowed() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        const QByteArray old("2026-01-05 08:00:00.000 ring now chime.wav on Bell output\r\n");
        const QString target = dir.path() + "/elsewhere.log";
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        const QString path = dir.path() + "/data/ring.log";
        QVERIFY(QFile::link(target, path));
        FakeClock clock;
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
        RingLog log(path, &clock);
        log.prune();
        QSignalSpy told(&log, &RingLog::problemReported);
        log.note("through the link?");
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(QFileInfo(path).symLinkTarget(), target);
        QCOMPARE(contents(target), old);
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().at(1).toString().contains("symbolic link"));
    }
};

QTEST_GUILESS_MAIN(TestRingLog)
#include "test_ringlog.moc"
