// Line forms and layouts of the settings files.
#include <QtTest>

#include "engine/schedule/settingsformat.h"
#include "engine/schedule/settingsvalues.h"

using namespace corvalin::settings;

class TestSettingsFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberLines_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("one") << 1 << " 1 ";
        QTest::newRow("zero") << 0 << " 0 ";
        QTest::newRow("minus one") << -1 << "-1 ";
        QTest::newRow("two digits") << 23 << " 23 ";
        QTest::newRow("16-bit limits") << -32768 << "-32768 ";
    }
    void numberLines() {
        QFETCH(int, value);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(numberLine(value)), line);
        QCOMPARE(parseNumberLine(line.toStdString()), std::optional<int>(value));
    }

    void readingToleratesBlanksAndRefusesGarbage() {
        QCOMPARE(parseNumberLine("  7\t"), std::optional<int>(7));
        QCOMPARE(parseNumberLine("+2"), std::optional<int>(2));
        QCOMPARE(parseNumberLine(""), std::nullopt);
        QCOMPARE(parseNumberLine("   "), std::nullopt);
        QCOMPARE(parseNumberLine("1 2"), std::nullopt);
        QCOMPARE(parseNumberLine("abc"), std::nullopt);
        QCOMPARE(parseNumberLine("1.5"), std::nullopt);
        QCOMPARE(parseNumberLine("40000"), std::nullopt);  // beyond 16 bits
    }

    // A damaged exit.ini never powers the computer off: only a whole, valid file books a time.
    void exitBookingOnlyFromAWholeFile() {
        QCOMPARE(parseExitBooking({" 1 ", " 17 ", " 30 "}), (ExitBooking{true, 17, 30}));
        const std::vector<std::vector<std::string>> damaged{{" 1 "},
                                                            {" 1 ", " 17 "},
                                                            {" 1 ", "x", " 30 "},
                                                            {" 1 ", " 24 ", " 0 "},
                                                            {" 1 ", " 7 ", " 60 "},
                                                            {" 1 ", " 7 ", ""},
                                                            {"yes", " 7 ", " 5 "}};
        for (const auto& lines : damaged) {
            QCOMPARE(parseExitBooking(lines), ExitBooking{});
        }
    }

    void linesSplitOnCrlfAndLf() {
        QCOMPARE(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
        QCOMPARE(splitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
        QCOMPARE(splitLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
        QCOMPARE(splitLines(""), std::vector<std::string>{});
        QCOMPARE(joinLines({" 1 ", "07hr 05min/bell.wav"}), std::string(" 1 \r\n07hr 05min/bell.wav\r\n"));
        QCOMPARE(joinLines({}), std::string());
    }

    void fileNamesOfDaysAndTemplates() {
        QCOMPARE(dayTimesFile(7), std::string("mdata_7.ini"));
        QCOMPARE(dayTimesFile(12), std::string("mdata_12.ini"));
        QCOMPARE(dayIntervalFile(1), std::string("adata_1.ini"));
    }

    // The week file lacks the "No rings" line, so from line 7 on it is one line ahead.
    void weekAndDayIntervalLayouts() {
        const auto week = intervalLayout(false);
        const auto day = intervalLayout(true);
        QCOMPARE(week.size(), std::size_t(14));
        QCOMPARE(day.size(), std::size_t(15));
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(week[i], day[i]);
        }
        QCOMPARE(day[6], IntervalField::NoBell);
        QCOMPARE(week[6], IntervalField::StartBellSound);
        QCOMPARE(day[7], IntervalField::StartBellSound);
        for (std::size_t i = 6; i < 14; ++i) {
            QCOMPARE(week[i], day[i + 1]);
        }
        QCOMPARE(std::count(week.begin(), week.end(), IntervalField::NoBell), 0);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFormat)
#include "test_settingsformat.moc"
