// Time-list entries: the time key from the hour and minute boxes, key lookup and the
// change of an entry's sound.
#include <algorithm>

#include <QObject>
#include <QTest>

#include "engine/schedule/ringtable.h"
#include "engine/schedule/timeentry.h"

using namespace corvalin::timelist;

class TestTimeEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void key_data();
    void key();
    void everyKeyReadsBackAsItsTime();
    void lookup();
    void changeSound();
};

void TestTimeEntry::key_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");

    const QString hourMsg = kHourMessage;
    const QString minuteMsg = kMinuteMessage;
    QTest::newRow("one digit each") << "7"
                                    << "5"
                                    << "07hr 05min"
                                    << "";
    QTest::newRow("two digits each") << "07"
                                     << "05"
                                     << "07hr 05min"
                                     << "";
    QTest::newRow("last minute") << "23"
                                 << "59"
                                 << "23hr 59min"
                                 << "";
    QTest::newRow("hour 24") << "24"
                             << "0"
                             << "" << hourMsg;
    QTest::newRow("minute 60") << "0"
                               << "60"
                               << "" << minuteMsg;
    QTest::newRow("three-character hour") << "007"
                                          << "5"
                                          << "" << hourMsg;
    QTest::newRow("three-character minute") << "7"
                                            << "005"
                                            << "" << minuteMsg;
    QTest::newRow("negative hour") << "-1"
                                   << "5"
                                   << "" << hourMsg;
    QTest::newRow("negative minute") << "5"
                                     << "-1"
                                     << "" << minuteMsg;
    QTest::newRow("letter hour") << "x"
                                 << "5"
                                 << "" << hourMsg;
    QTest::newRow("letter minute") << "5"
                                   << "x"
                                   << "" << minuteMsg;
    QTest::newRow("blank before hour") << " 7"
                                       << "5"
                                       << "" << hourMsg;
    QTest::newRow("blank after minute") << "7"
                                        << "5 "
                                        << "" << minuteMsg;
    // Order: hour empty, minute empty, hour range, minute range.
    QTest::newRow("both empty") << ""
                                << ""
                                << "" << hourMsg;
    QTest::newRow("hour empty, minute bad") << ""
                                            << "60"
                                            << "" << hourMsg;
    QTest::newRow("hour bad, minute empty") << "24"
                                            << ""
                                            << "" << minuteMsg;
    QTest::newRow("hour letter, minute empty") << "x"
                                               << ""
                                               << "" << minuteMsg;
    QTest::newRow("both out of range") << "24"
                                       << "60"
                                       << "" << hourMsg;
}

void TestTimeEntry::key() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, key);
    QFETCH(QString, message);

    const auto result = timeKey(hour.toStdString(), minute.toStdString());
    QCOMPARE(QString::fromStdString(result.key), key);
    QCOMPARE(QString::fromStdString(result.message), message);
    QCOMPARE(result.ok(), message.isEmpty());
}

void TestTimeEntry::everyKeyReadsBackAsItsTime() {
    // Every accepted time, typed the way the spinners write it, gives an entry that the ring
    // table reads back as that time, and text order is time order.
    std::vector<std::string> entries;
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; ++m) {
            const auto result = timeKey(std::to_string(h), std::to_string(m));
            QVERIFY(result.ok());
            QCOMPARE(result.key.size(), std::size_t{10});
            entries.push_back(entryText(result.key, "bell.wav"));
        }
    }
    QVERIFY(std::is_sorted(entries.begin(), entries.end()));
    corvalin::ringtable::RingTable table;
    QVERIFY(corvalin::ringtable::buildManualTable(entries, false, table));
    QCOMPARE(table.dayBellCount, 1440);
    for (int i = 0; i < 1440; ++i) {
        QCOMPARE(table.minutes[static_cast<std::size_t>(i)], i);
        QCOMPARE(table.sounds[static_cast<std::size_t>(i)], std::string("bell.wav"));
    }
}

void TestTimeEntry::lookup() {
    const std::vector<std::string> entries{"07hr 05min/bell.wav", "08hr 00min/x.wav", "09hr 00min/07hr 06min",
                                           "10hr 00min"};
    QVERIFY(hasKey(entries, "07hr 05min"));
    QVERIFY(hasKey(entries, "08hr 00min"));
    QVERIFY(hasKey(entries, "10hr 00min"));            // an entry without a sound
    QVERIFY(!hasKey(entries, "07hr 05"));              // a prefix is not the key
    QVERIFY(!hasKey(entries, "07hr 05min/bell.wav"));  // the whole entry is not the key
    QVERIFY(!hasKey(entries, "07hr 06min"));           // text after the "/" is a sound
    QVERIFY(!hasKey({}, "07hr 05min"));
}

void TestTimeEntry::changeSound() {
    QCOMPARE(withSound("07hr 05min/bell.wav", "new.wav"), std::string("07hr 05min/new.wav"));
    QCOMPARE(withSound("07hr 05min/sub/old.wav", "new.wav"), std::string("07hr 05min/new.wav"));
    QCOMPARE(withSound("07hr 05min/", "new.wav"), std::string("07hr 05min/new.wav"));
    // A shorter, hand-written key keeps its own length.
    QCOMPARE(withSound("7hr 5min/old.wav", "new.wav"), std::string("7hr 5min/new.wav"));
}

QTEST_APPLESS_MAIN(TestTimeEntry)
#include "test_timeentry.moc"
