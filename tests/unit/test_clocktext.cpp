// Texts and decisions of the bell clock.
#include <QtTest>

#include "engine/schedule/clocktext.h"

using namespace corvalin::clock;

class TestClockText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labels() {
        QCOMPARE(nowText(9, 5, 3), std::string("9 hr 5 min 3 sec"));
        QCOMPARE(nowText(0, 0, 0), std::string("0 hr 0 min 0 sec"));
        QCOMPARE(dayText(2026, 12, 6, "Sunday"), std::string("2026-12-6  Sunday"));
    }

    void twelveHour_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("text");
        QTest::newRow("midnight") << 0 << 0 << 0 << "12:00:00AM";
        QTest::newRow("after midnight") << 0 << 30 << 5 << "12:30:05AM";
        QTest::newRow("morning") << 9 << 5 << 3 << "09:05:03AM";
        QTest::newRow("noon") << 12 << 30 << 5 << "12:30:05PM";
        QTest::newRow("one pm") << 13 << 0 << 0 << "01:00:00PM";
        QTest::newRow("afternoon") << 15 << 7 << 9 << "03:07:09PM";
        QTest::newRow("last second") << 23 << 59 << 59 << "11:59:59PM";
    }
    void twelveHour() {
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(int, s);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(twelveHourText(h, m, s)), text);
    }

    void timeLeft_data() {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("left");
        QTest::newRow("later today") << "08hr 05min" << QTime(7, 59, 30) << "00:05:30";
        QTest::newRow("exactly now") << "08hr 05min" << QTime(8, 5, 0) << "00:00:00";
        QTest::newRow("tomorrow") << "08hr 05min" << QTime(23, 50, 0) << "08:15:00";
        QTest::newRow("just past midnight") << "00hr 10min" << QTime(23, 55, 0) << "00:15:00";
        QTest::newRow("next day") << "NEXT DAY" << QTime(12, 0, 0) << "00:00:00";
        QTest::newRow("stopped") << "" << QTime(12, 0, 0) << "00:00:00";
        QTest::newRow("a second past the bell") << "08hr 05min" << QTime(8, 5, 1) << "23:59:59";
    }
    void timeLeft() {
        QFETCH(QString, next);
        QFETCH(QTime, now);
        QFETCH(QString, left);
        QCOMPARE(QString::fromStdString(timeLeftText(next.toStdString(), now.hour(), now.minute(), now.second())),
                 left);
    }

    void syncSecondsAreTenAMinute() {
        QList<int> seconds;
        for (int s = 0; s < 60; ++s) {
            if (isSyncSecond(s)) {
                seconds.append(s);
            }
        }
        QCOMPARE(seconds, (QList<int>{3, 9, 15, 21, 27, 33, 39, 45, 51, 57}));
    }

    void dueSlotsInSlotOrderWithinTheCount() {
        const std::vector<int> minutes{530, 1500, 540, 530, 530};
        QCOMPARE(dueSlots(minutes, 5, 530), (std::vector<int>{0, 3, 4}));
        QCOMPARE(dueSlots(minutes, 3, 530), (std::vector<int>{0}));  // slots past the count never ring
        QCOMPARE(dueSlots(minutes, 5, 1500 % 1440), std::vector<int>{});
        QCOMPARE(dueSlots(minutes, 0, 530), std::vector<int>{});
        QCOMPARE(dueSlots(minutes, 99, 540), (std::vector<int>{2}));
    }

    void dayNumbers() {
        QCOMPARE(dayNumberFromIso(7), 1);  // Sunday
        QCOMPARE(dayNumberFromIso(1), 2);  // Monday
        QCOMPARE(dayNumberFromIso(6), 7);  // Saturday
        for (int day = 1; day <= 7; ++day) {
            QCOMPARE(dayNumberFromIso(isoFromDayNumber(day)), day);
        }
    }
};

QTEST_APPLESS_MAIN(TestClockText)
#include "test_clocktext.moc"
