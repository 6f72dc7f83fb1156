// Ring table generation from interval settings and time lists, and the "Today Bells" lines.
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>

#include "engine/schedule/ringtable.h"

using corvalin::ringtable::IntervalPlan;
using corvalin::ringtable::kNeverRings;
using corvalin::ringtable::kSlots;
using corvalin::ringtable::RingTable;

Q_DECLARE_METATYPE(IntervalPlan)

namespace {

constexpr int hm(int hour, int minute) {
    return hour * 60 + minute;
}

QList<int> minutes(const RingTable& t, int from, int to) {
    QList<int> out;
    for (int i = from; i < to; ++i) {
        out.append(t.minutes[static_cast<std::size_t>(i)]);
    }
    return out;
}

QStringList sounds(const RingTable& t, int from, int to) {
    QStringList out;
    for (int i = from; i < to; ++i) {
        out.append(QString::fromStdString(t.sounds[static_cast<std::size_t>(i)]));
    }
    return out;
}

QStringList toQt(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines) {
        out.append(QString::fromStdString(line));
    }
    return out;
}

IntervalPlan plan(int start, int end, int work, int rest) {
    IntervalPlan p;
    p.startMinute = start;
    p.endMinute = end;
    p.work = work;
    p.rest = rest;
    p.startSound = "start.wav";
    p.endSound = "end.wav";
    p.preBell1Sound = "pre1.wav";
    p.preBell2Sound = "pre2.wav";
    return p;
}

IntervalPlan withPreBells(IntervalPlan p, bool on1, bool on2, int ta, int tb) {
    p.preBell1On = on1;
    p.preBell2On = on2;
    p.preBell1 = ta;
    p.preBell2 = tb;
    return p;
}

// Sound names from a pattern: s = start, e = end, 1 = first pre-bell, 2 = second pre-bell.
QStringList soundPattern(const QString& pattern) {
    QStringList out;
    for (QChar c : pattern) {
        out.append(c == u's' ? "start.wav" : c == u'e' ? "end.wav" : c == u'1' ? "pre1.wav" : "pre2.wav");
    }
    return out;
}

}  // namespace

class TestRingTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dayBells_data();
    void dayBells();
    void alarms_data();
    void alarms();
    void noRingsKeepsDayBellsButRingsNothing();
    void rebuildOverwritesOnlyItsSlots();
    void tableNeverOverflows_data();
    void tableNeverOverflows();
    void manualTable();
    void manualNoRingsForgetsEarlierDayBells();
    void manualTableCapsAtTableSize();
    void todayBellsAreSortedAndOnlyDayBells();
};

void TestRingTable::dayBells_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("work");
    QTest::addColumn<int>("rest");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QString>("soundsOf");

    // S, then every end bell, then every start bell after S: not in time order.
    QTest::newRow("morning 50/10") << hm(9, 0) << hm(12, 0) << 50 << 10
                                   << QList<int>{hm(9, 0),  hm(9, 50), hm(10, 50), hm(11, 50),
                                                 hm(10, 0), hm(11, 0), hm(12, 0)}
                                   << "seeesss";
    QTest::newRow("start equals end")
        << hm(10, 0) << hm(10, 0) << 50 << 10 << QList<int>{hm(10, 0), hm(10, 50), hm(11, 0)} << "ses";
    QTest::newRow("start equals end past midnight")
        << hm(23, 30) << hm(23, 30) << 50 << 10 << QList<int>{hm(23, 30), hm(0, 20), hm(0, 30)} << "ses";
    QTest::newRow("one minute more than a period")
        << hm(9, 0) << hm(10, 1) << 50 << 10 << QList<int>{hm(9, 0), hm(9, 50), hm(10, 0)} << "ses";
    QTest::newRow("end bell on the end time")
        << hm(9, 0) << hm(10, 50) << 50 << 10 << QList<int>{hm(9, 0), hm(9, 50), hm(10, 50), hm(10, 0)}
        << "sees";
    QTest::newRow("work 1 rest 1") << 0 << 5 << 1 << 1 << QList<int>{0, 1, 3, 5, 2, 4} << "seeess";
    // A lesson longer than a day (only possible with start equal to end) still lands inside the day.
    QTest::newRow("lesson longer than a day")
        << hm(10, 0) << hm(10, 0) << 3000 << 10 << QList<int>{hm(10, 0), hm(12, 0), hm(12, 10)} << "ses";
}

void TestRingTable::dayBells() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, work);
    QFETCH(int, rest);
    QFETCH(QList<int>, expected);
    QFETCH(QString, soundsOf);

    RingTable table;
    QVERIFY(corvalin::ringtable::buildIntervalTable(plan(start, end, work, rest), table));
    QCOMPARE(table.dayBellCount, expected.size());
    QCOMPARE(table.bellCount, expected.size());
    QCOMPARE(minutes(table, 0, table.dayBellCount), expected);
    QCOMPARE(sounds(table, 0, table.dayBellCount), soundPattern(soundsOf));
}

void TestRingTable::alarms_data() {
    QTest::addColumn<IntervalPlan>("settings");
    QTest::addColumn<int>("dayBells");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QString>("soundsOf");

    const IntervalPlan morning = plan(hm(9, 0), hm(12, 0), 50, 10);
    const int x = kNeverRings;
    // After S, before the first end bell, before each later end bell, after the second start
    // bell, after each later start bell. None after the 12:00 start bell: 12:05 is past the end.
    QTest::newRow("both") << withPreBells(morning, true, true, 5, 5) << 7
                          << QList<int>{hm(9, 5), hm(9, 45), hm(10, 45), hm(11, 45), hm(10, 5), hm(11, 5)}
                          << "122211";
    QTest::newRow("after start only") << withPreBells(morning, true, false, 5, 5) << 7
                                      << QList<int>{hm(9, 5), x, x, x, hm(10, 5), hm(11, 5)} << "122211";
    QTest::newRow("before end only") << withPreBells(morning, false, true, 5, 5) << 7
                                     << QList<int>{x, hm(9, 45), hm(10, 45), hm(11, 45), x, x} << "122211";
    QTest::newRow("none") << morning << 7 << QList<int>{} << "";
    // Before-end alarms run while below the end, after-start alarms while not after it.
    QTest::newRow("before-end alarm on the end time is not made")
        << withPreBells(plan(hm(9, 0), hm(11, 45), 50, 10), true, true, 5, 5) << 5
        << QList<int>{hm(9, 5), hm(9, 45), hm(10, 45), hm(10, 5), hm(11, 5)} << "12211";
    QTest::newRow("after-start alarm on the end time is made")
        << withPreBells(plan(hm(9, 0), hm(11, 5), 50, 10), true, true, 5, 5) << 5
        << QList<int>{hm(9, 5), hm(9, 45), hm(10, 45), hm(10, 5), hm(11, 5)} << "12211";
    // The first two alarms and the one after the second start bell always come.
    QTest::newRow("start equals end") << withPreBells(plan(hm(10, 0), hm(10, 0), 50, 10), true, true, 5, 5)
                                      << 3 << QList<int>{hm(10, 5), hm(10, 45), hm(11, 5)} << "121";
    // Alarms stay as computed: past midnight they never ring.
    QTest::newRow("alarms past midnight")
        << withPreBells(plan(hm(23, 30), hm(23, 30), 50, 10), true, true, 5, 5) << 3
        << QList<int>{hm(23, 35), hm(24, 15), hm(24, 35)} << "121";
}

void TestRingTable::alarms() {
    QFETCH(IntervalPlan, settings);
    QFETCH(int, dayBells);
    QFETCH(QList<int>, expected);
    QFETCH(QString, soundsOf);

    RingTable table;
    QVERIFY(corvalin::ringtable::buildIntervalTable(settings, table));
    QCOMPARE(table.dayBellCount, dayBells);
    QCOMPARE(table.bellCount, dayBells + expected.size());
    QCOMPARE(minutes(table, dayBells, table.bellCount), expected);
    QCOMPARE(sounds(table, dayBells, table.bellCount), soundPattern(soundsOf));
}

void TestRingTable::noRingsKeepsDayBellsButRingsNothing() {
    RingTable table;
    table.minutes.fill(999);
    IntervalPlan settings = withPreBells(plan(hm(9, 0), hm(12, 0), 50, 10), true, true, 5, 5);
    settings.noBell = true;
    QVERIFY(corvalin::ringtable::buildIntervalTable(settings, table));
    QCOMPARE(table.bellCount, 0);
    QCOMPARE(table.dayBellCount, 7);
    QCOMPARE(minutes(table, 0, 3), (QList<int>{hm(9, 0), hm(9, 50), hm(10, 50)}));
    QCOMPARE(table.minutes[7], 999);  // no alarms
    QVERIFY(corvalin::ringtable::todayBellsLines(table).empty());
}

void TestRingTable::rebuildOverwritesOnlyItsSlots() {
    RingTable table;
    QVERIFY(corvalin::ringtable::buildIntervalTable(
        withPreBells(plan(hm(9, 0), hm(12, 0), 50, 10), true, true, 5, 5), table));
    QCOMPARE(table.bellCount, 13);

    QVERIFY(corvalin::ringtable::buildIntervalTable(plan(hm(8, 0), hm(8, 0), 40, 5), table));
    QCOMPARE(table.bellCount, 3);
    QCOMPARE(table.dayBellCount, 3);
    QCOMPARE(minutes(table, 0, 3), (QList<int>{hm(8, 0), hm(8, 40), hm(8, 45)}));
    // Slots past the new count keep the earlier start's values.
    QCOMPARE(minutes(table, 3, 13), (QList<int>{hm(11, 50), hm(10, 0), hm(11, 0), hm(12, 0), hm(9, 5),
                                                hm(9, 45), hm(10, 45), hm(11, 45), hm(10, 5), hm(11, 5)}));
}

void TestRingTable::tableNeverOverflows_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<int>("rest");
    QTest::addColumn<bool>("preBells");
    QTest::addColumn<int>("preBellMinutes");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("dayBells");
    QTest::addColumn<int>("total");

    // The densest schedules the service start accepts: work 1 rest 1 without pre-bells, and
    // the shortest lesson that leaves room for both alarms.
    QTest::newRow("1/1 no pre-bells") << 1 << 1 << false << 0 << true << 1440 << 1440;
    QTest::newRow("3/1 both pre-bells of 1") << 3 << 1 << true << 1 << true << 720 << 1440;
    // Refused settings must neither write past the table nor loop for ever.
    QTest::newRow("1/1 with pre-bells") << 1 << 1 << true << 1 << false << 1440 << kSlots;
    QTest::newRow("0/0") << 0 << 0 << false << 0 << false << kSlots << kSlots;
    QTest::newRow("negative period") << 1 << -5 << true << 1 << false << kSlots << kSlots;
}

void TestRingTable::tableNeverOverflows() {
    QFETCH(int, work);
    QFETCH(int, rest);
    QFETCH(bool, preBells);
    QFETCH(int, preBellMinutes);
    QFETCH(bool, fits);
    QFETCH(int, dayBells);
    QFETCH(int, total);

    RingTable table;
    const IntervalPlan settings =
        withPreBells(plan(0, hm(23, 59), work, rest), preBells, preBells, preBellMinutes, preBellMinutes);
    QCOMPARE(corvalin::ringtable::buildIntervalTable(settings, table), fits);
    QCOMPARE(table.dayBellCount, dayBells);
    QCOMPARE(table.bellCount, total);
    if (fits) {
        for (int i = 0; i < table.dayBellCount; ++i) {
            QVERIFY(table.minutes[static_cast<std::size_t>(i)] >= 0 &&
                    table.minutes[static_cast<std::size_t>(i)] < 1440);
        }
    }
}

void TestRingTable::manualTable() {
    RingTable table;
    const std::vector<std::string> entries{"00hr 05min/bell.wav", "08hr 50min/sub/two.wav", "23hr 59min/"};
    QVERIFY(corvalin::ringtable::buildManualTable(entries, false, table));
    QCOMPARE(table.bellCount, 3);
    QCOMPARE(table.dayBellCount, 3);
    QCOMPARE(minutes(table, 0, 3), (QList<int>{hm(0, 5), hm(8, 50), hm(23, 59)}));
    QCOMPARE(sounds(table, 0, 3), (QStringList{"bell.wav", "sub/two.wav", ""}));

    QVERIFY(corvalin::ringtable::buildManualTable({}, false, table));
    QCOMPARE(table.bellCount, 0);
    QCOMPARE(table.dayBellCount, 0);
}

void TestRingTable::manualNoRingsForgetsEarlierDayBells() {
    RingTable table;
    QVERIFY(corvalin::ringtable::buildManualTable({"08hr 00min/a.wav", "09hr 00min/b.wav"}, false, table));
    QVERIFY(corvalin::ringtable::buildManualTable({"10hr 00min/c.wav"}, true, table));
    QCOMPARE(table.bellCount, 0);
    QCOMPARE(table.dayBellCount, 0);
    QVERIFY(corvalin::ringtable::todayBellsLines(table).empty());
}

void TestRingTable::manualTableCapsAtTableSize() {
    RingTable table;
    const std::vector<std::string> entries(kSlots + 5, "12hr 00min/a.wav");
    QVERIFY(!corvalin::ringtable::buildManualTable(entries, false, table));
    QCOMPARE(table.bellCount, kSlots);
    QCOMPARE(table.dayBellCount, kSlots);
}

void TestRingTable::todayBellsAreSortedAndOnlyDayBells() {
    RingTable table;
    QVERIFY(corvalin::ringtable::buildIntervalTable(
        withPreBells(plan(hm(9, 0), hm(12, 0), 50, 10), true, false, 5, 5), table));
    QCOMPARE(toQt(corvalin::ringtable::todayBellsLines(table)),
             (QStringList{"09hr00min", "09hr50min", "10hr00min", "10hr50min", "11hr00min", "11hr50min",
                          "12hr00min"}));

    QVERIFY(corvalin::ringtable::buildManualTable(
        {"00hr 05min/a.wav", "00hr 05min/b.wav", "13hr 07min/c.wav"}, false, table));
    QCOMPARE(toQt(corvalin::ringtable::todayBellsLines(table)),
             (QStringList{"00hr05min", "00hr05min", "13hr07min"}));
}

QTEST_APPLESS_MAIN(TestRingTable)
#include "test_ringtable.moc"
