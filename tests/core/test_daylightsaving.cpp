// The bell service across both daylight-saving changes of 2026 in Europe/Berlin: the bell in
// spring's skipped hour rings once after the jump, the bell in autumn's repeated hour once, and
// the rest of the day by local time. Once through whole change days on a fake clock, and once
// on the real clock through each change as faketime runs it (those rows run only on that day).
#include <QtTest>

#include <chrono>
#include <ctime>
#include <thread>

#include "core/ports/clock.h"
#include "fakeports.h"
#include "core/bells/bellservice.h"

namespace {

const QDate kSpring(2026, 3, 29);
const QDate kAutumn(2026, 10, 25);

BellService::Plan plan() {
    BellService::Plan p;
    p.entries = {"02hr 30min/night.wav", "08hr 50min/morning.wav"};
    return p;
}

// The service started on `clock` with plan(); `format` stamps each ring and announcement.
struct Log {
    QStringList lines;
    Log(BellService& bells, const Clock& clock, const QString& format) {
        const auto add = [&clock, format, this](const QString& what) {
            lines.append(clock.now().toString(format) + " " + what);
        };
        QObject::connect(&bells, &BellService::ring, &bells, [add](const QString& sound) { add("ring " + sound); });
        QObject::connect(&bells, &BellService::bellAhead, &bells,
                         [add](const QString& sound) { add("ahead " + sound); });
        bells.reset();
        bells.markStartAttempt();
        bells.start(plan());
    }
};

}  // namespace

class TestDaylightSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        QCOMPARE(QDateTime(kSpring, QTime(12, 0)).offsetFromUtc() - QDateTime(kSpring, QTime(1, 0)).offsetFromUtc(),
                 3600);
    }

    // Ticked once a second from just before the change to after the morning bell; the coming
    // minute's bell is announced exactly when the tick then rings it.
    void wholeChangeDay_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("spring") << kSpring
                                << QStringList{"01:59:58 CET ahead night.wav", "03:00:00 CEST ring night.wav",
                                               "08:49:58 CEST ahead morning.wav", "08:50:00 CEST ring morning.wav"};
        QTest::newRow("autumn") << kAutumn
                                << QStringList{"02:29:58 CEST ahead night.wav", "02:30:00 CEST ring night.wav",
                                               "08:49:58 CET ahead morning.wav", "08:50:00 CET ring morning.wav"};
    }
    void wholeChangeDay() {
        QFETCH(QDate, day);
        QFETCH(QStringList, expected);
        FakeClock clock;
        clock.set(QDateTime(day, QTime(1, 59, 50)));
        BellService bells(&clock);
        Log log(bells, clock, "hh:mm:ss t");
        const QDateTime end(day, QTime(9, 0));
        while (clock.now() < end) {
            clock.advance(1);
            bells.tick();
        }
        QCOMPARE(log.lines, expected);
    }

    // The system's clock as faketime runs it through the change: spring at its own pace from
    // 01:59:57, autumn sped up from 01:59:55 summer time to past 03:00 winter time. Four ticks a
    // second of that clock (faketime shortens the sleeps by its rate).
    void realClock_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("spring") << kSpring << QDateTime(kSpring, QTime(3, 0, 3))
                                << QStringList{"03:00 CEST ring night.wav"};
        QTest::newRow("autumn") << kAutumn << QDateTime(kAutumn, QTime(3, 0, 30))
                                << QStringList{"02:30 CEST ring night.wav"};
    }
    void realClock() {
        QFETCH(QDate, day);
        QFETCH(QDateTime, end);
        QFETCH(QStringList, expected);
        if (QDate::currentDate() != day) {
            QSKIP("runs under faketime on the change day");
        }
        WallClock clock;
        BellService bells(&clock);
        Log log(bells, clock, "hh:mm t");
        while (clock.now() < end) {
            bells.tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        QCOMPARE(log.lines.filter(" ring "), expected);
    }
};

QTEST_GUILESS_MAIN(TestDaylightSaving)
#include "test_daylightsaving.moc"
