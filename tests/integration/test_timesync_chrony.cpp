// The time client against a real chronyd on 127.0.0.1 (scripts/services/chrony.sh, an hour
// ahead), with this test itself run under faketime a known amount behind (CTest sets it): the
// offset handed to the system clock is the sum of the two, to 50 ms.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtTest>

#include "core/ports/clock.h"
#include "core/ports/systemclock.h"
#include "core/bells/timesync.h"

namespace {

// Keeps each time it is asked to set, with this process's clock at that moment.
class RecordingSystemClock final : public SystemClock {
public:
    bool setUtc(const QDateTime& utc) override {
        asked.append({utc.toMSecsSinceEpoch(), QDateTime::currentMSecsSinceEpoch()});
        return true;
    }
    QList<QPair<qint64, qint64>> asked;  // (time asked for, clock then)
};

}  // namespace

class TestTimeSyncChrony : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theOffsetIsTheDifferenceOfTheTwoClocks() {
        const QString server = qEnvironmentVariable("CORVALIN_CHRONY_SERVER");
        if (server.isEmpty()) {
            QSKIP("no test chronyd: run scripts/services/chrony.sh start and export its lines");
        }
        const qint64 serverAheadMs = qEnvironmentVariable("CORVALIN_CHRONY_AHEAD").toLongLong() * 1000;
        const qint64 behindMs = qEnvironmentVariable("CORVALIN_TEST_CLOCK_BEHIND").toLongLong() * 1000;
        QVERIFY(serverAheadMs > 0);
        QVERIFY(behindMs > 0);

        // This process's clock is faked: a new file's time, kept by the kernel, is not.
        QTemporaryFile file;
        QVERIFY(file.open());
        const qint64 realMs = QFileInfo(file.fileName()).lastModified().toMSecsSinceEpoch();
        QVERIFY2(qAbs(realMs - QDateTime::currentMSecsSinceEpoch() - behindMs) < 2000,
                 "not run under faketime");

        qputenv("CORVALIN_TIME_SERVER1", server.toUtf8());
        qputenv("CORVALIN_TIME_SERVER2", "127.0.0.1:9");
        const qint64 expected = serverAheadMs + behindMs;
        for (int i = 0; i < 3; ++i) {
            WallClock clock;
            RecordingSystemClock systemClock;
            TimeSync sync(&clock, &systemClock);
            QSignalSpy dropped(&sync, &TimeSync::dropped);
            QString host = server;
            sync.StartTimeSync(host);
            QTRY_COMPARE(systemClock.asked.size(), 1);
            const qint64 offset = systemClock.asked.first().first - systemClock.asked.first().second;
            qInfo("offset %lld ms, expected %lld ms", offset, expected);
            QVERIFY2(qAbs(offset - expected) <= 50,
                     qPrintable(QStringLiteral("offset %1 ms, expected %2 ms").arg(offset).arg(expected)));
            QCOMPARE(dropped.count(), 0);
            QCOMPARE(host, server);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimeSyncChrony)
#include "test_timesync_chrony.moc"
