// The next bell: the earliest day bell still to come, the wrap to the first bell with
// "Apply week", and the texts of the two labels.
#include <QObject>
#include <QStringList>
#include <QTest>

#include "engine/schedule/nextbell.h"
#include "engine/schedule/ringtable.h"

using corvalin::ringtable::IntervalPlan;
using corvalin::ringtable::nextBell;
using corvalin::ringtable::RingTable;

namespace {

constexpr int hm(int hour, int minute) {
    return hour * 60 + minute;
}

RingTable manual(const QStringList& entries) {
    std::vector<std::string> list;
    for (const QString& entry : entries) {
        list.push_back(entry.toStdString());
    }
    RingTable table;
    corvalin::ringtable::buildManualTable(list, false, table);
    return table;
}

// 09:00-12:00, 50/10, both pre-bells at 5: day bells 09:00, 09:50, 10:50, 11:50, 10:00,
// 11:00, 12:00 in table order, alarms 09:05, 09:45, ... after them.
RingTable morning(bool noBell = false) {
    IntervalPlan p;
    p.startMinute = hm(9, 0);
    p.endMinute = hm(12, 0);
    p.work = 50;
    p.rest = 10;
    p.startSound = "start.wav";
    p.endSound = "end.wav";
    p.noBell = noBell;
    p.preBell1On = p.preBell2On = true;
    p.preBell1 = p.preBell2 = 5;
    p.preBell1Sound = "pre1.wav";
    p.preBell2Sound = "pre2.wav";
    RingTable table;
    corvalin::ringtable::buildIntervalTable(p, table);
    return table;
}

}  // namespace

class TestNextBell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromTimeList_data();
    void fromTimeList();
    void fromInterval_data();
    void fromInterval();
    void noDayBellsShowsNextDay();
};

void TestNextBell::fromTimeList_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("now");
    QTest::addColumn<bool>("applyWeek");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("sound");

    const QStringList day{"08hr 00min/a.wav", "08hr 50min/b.wav", "09hr 40min/c.wav"};
    QTest::newRow("before the first bell") << day << hm(7, 0) << false << "08hr 00min"
                                           << "a.wav";
    QTest::newRow("bell of the current minute no longer counts") << day << hm(8, 50) << false << "09hr 40min"
                                                                 << "c.wav";
    QTest::newRow("last bell of the current minute, each day") << day << hm(9, 40) << false << "NEXT DAY"
                                                               << "NEXT DAY";
    QTest::newRow("after the last bell, each day") << day << hm(9, 41) << false << "NEXT DAY"
                                                   << "NEXT DAY";
    QTest::newRow("after the last bell, apply week") << day << hm(9, 41) << true << "08hr 00min"
                                                     << "a.wav";
    QTest::newRow("last bell of the current minute, apply week") << day << hm(9, 40) << true << "08hr 00min"
                                                                 << "a.wav";
    // Of two bells of one minute only the last one sounds: that is the one named.
    QTest::newRow("same minute: the one heard")
        << QStringList{"08hr 00min/first.wav", "08hr 00min/second.wav"} << hm(7, 59) << false << "08hr 00min"
        << "second.wav";
    QTest::newRow("just after midnight")
        << QStringList{"00hr 05min/x.wav", "23hr 59min/y.wav"} << 0 << false << "00hr 05min"
        << "x.wav";
}

void TestNextBell::fromTimeList() {
    QFETCH(QStringList, entries);
    QFETCH(int, now);
    QFETCH(bool, applyWeek);
    QFETCH(QString, time);
    QFETCH(QString, sound);

    const auto next = nextBell(manual(entries), now, applyWeek);
    QCOMPARE(QString::fromStdString(next.time), time);
    QCOMPARE(QString::fromStdString(next.sound), sound);
}

void TestNextBell::fromInterval_data() {
    QTest::addColumn<bool>("noBell");
    QTest::addColumn<int>("now");
    QTest::addColumn<bool>("applyWeek");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("sound");

    // The table is not in time order: the earliest bell wins, not the first slot after now.
    QTest::newRow("start bell before a lower-slot end bell") << false << hm(9, 55) << false << "10hr 00min"
                                                             << "start.wav";
    // Alarms after the day bells are never the next bell, even when they come first.
    QTest::newRow("alarm before the next day bell") << false << hm(9, 1) << false << "09hr 50min"
                                                    << "end.wav";
    QTest::newRow("alarm after the last day bell") << false << hm(12, 0) << false << "NEXT DAY"
                                                   << "NEXT DAY";
    QTest::newRow("apply week wraps to the start bell") << false << hm(12, 0) << true << "09hr 00min"
                                                        << "start.wav";
    // "No rings" keeps today's day bells in the table, but none of them rings: none is shown.
    QTest::newRow("no rings") << true << hm(9, 55) << false << "NEXT DAY"
                              << "NEXT DAY";
}

void TestNextBell::fromInterval() {
    QFETCH(bool, noBell);
    QFETCH(int, now);
    QFETCH(bool, applyWeek);
    QFETCH(QString, time);
    QFETCH(QString, sound);

    const auto next = nextBell(morning(noBell), now, applyWeek);
    QCOMPARE(QString::fromStdString(next.time), time);
    QCOMPARE(QString::fromStdString(next.sound), sound);
}

void TestNextBell::noDayBellsShowsNextDay() {
    // Never filled.
    RingTable table;
    for (bool applyWeek : {false, true}) {
        const auto next = nextBell(table, 0, applyWeek);
        QCOMPARE(next.time, std::string("NEXT DAY"));
        QCOMPARE(next.sound, std::string("NEXT DAY"));
    }
    // An earlier start's bells are still in the slots, but this start has none.
    table = morning();
    QVERIFY(corvalin::ringtable::buildManualTable({"10hr 00min/c.wav"}, true, table));
    QCOMPARE(nextBell(table, hm(13, 0), true).time, std::string("NEXT DAY"));
    QVERIFY(corvalin::ringtable::buildManualTable({}, false, table));
    QCOMPARE(nextBell(table, 0, true).time, std::string("NEXT DAY"));
    QCOMPARE(nextBell(table, 0, true).sound, std::string("NEXT DAY"));
}

QTEST_APPLESS_MAIN(TestNextBell)
#include "test_nextbell.moc"
