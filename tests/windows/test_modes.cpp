// Set-time modes, day modes, the day selector's wrap, saves and refusals, and the spinners.
#include <QtTest>

#include "ui/shutdown/isautoexitform.h"
#include "windowfixture.h"

class TestModes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void manualSelectorReachesTheTemplates() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(1);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Sunday"));
        find<Spinner>(w, "daySelector")->upArrow();  // Sunday -> templet6
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 13);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("templet6"));
        QCOMPARE(find<QLineEdit>(w, "shownDayBox")->text(), QString("13"));
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        find<Spinner>(w, "daySelector")->downArrow();  // templet6 -> Sunday
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 1);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Sunday"));
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isEnabled());
        find<Spinner>(w, "daySelector")->setValue(7);
        find<Spinner>(w, "daySelector")->downArrow();  // Saturday -> templet1
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("templet1"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void intervalSelectorWrapsWithinTheWeek() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(1);
        find<Spinner>(w, "daySelector")->upArrow();
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 7);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Saturday"));
        find<Spinner>(w, "daySelector")->downArrow();
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 1);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Sunday"));
        QCOMPARE(find<QLineEdit>(w, "shownDayBox")->text(), QString("1"));
    }

    // Leaving a day saves what was on screen into that day's file and loads the new one.
    void movingTheDaySavesThePreviousDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_4.ini", " 0 \r\n12hr 00min/noon.wav\r\n");
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(3);
        find<QListWidget>(w, "bellTimeList")->addItem("09hr 00min/a.wav");
        find<QCheckBox>(w, "noRingsBox")->setChecked(true);
        find<Spinner>(w, "daySelector")->downArrow();  // to Wednesday
        QCOMPARE(f.folder.readData("mdata_3.ini"), QByteArray(" 1 \r\n09hr 00min/a.wav\r\n"));
        QCOMPARE(f.list("bellTimeList"), QStringList{"12hr 00min/noon.wav"});
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isChecked());

        WindowFixture g;
        g.writeOptions(1, 2);
        auto* v = g.load();
        find<Spinner>(v, "daySelector")->setValue(3);
        find<QLineEdit>(v, "workMinutesBox")->setText("40");
        find<Spinner>(v, "daySelector")->downArrow();
        QVERIFY(g.folder.readData("adata_3.ini").contains("\r\n40\r\n"));
        QCOMPARE(find<QLineEdit>(v, "workMinutesBox")->text(),
                 QString("50"));  // day 4 has no file yet: defaults
    }

    void intervalSelectorRefusesToLeaveABadDay() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(3);
        find<QLineEdit>(w, "endHourBox")->setText("4");  // end before start (05:00)
        find<Spinner>(w, "daySelector")->downArrow();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"must end time bigger then start time"});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 4);  // the selector itself moved
        QCOMPARE(find<QLineEdit>(w, "shownDayBox")->text(), QString("3"));
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Tuesday"));
        QCOMPARE(find<QLineEdit>(w, "endHourBox")->text(), QString("4"));
        QVERIFY(!f.folder.hasData("adata_3.ini"));
        // Corrected, the next move saves into the old day's file.
        find<QLineEdit>(w, "endHourBox")->setText("23");
        find<QLineEdit>(w, "workMinutesBox")->setText("x");
        find<Spinner>(w, "daySelector")->downArrow();
        QCOMPARE(f.fakes.dialogs.texts().last(), QString("(Work time)must over 1 minute"));
        find<QLineEdit>(w, "workMinutesBox")->setText("45");
        find<Spinner>(w, "daySelector")->upArrow();
        QVERIFY(f.folder.readData("adata_3.ini").startsWith("5\r\n0\r\n23\r\n0\r\n45\r\n"));
        QCOMPARE(find<QLineEdit>(w, "shownDayBox")->text(), QString("4"));
    }

    // A refused move in "Auto interval" keeps the selector within the week: the next move after
    // the settings are mended shows a weekday, and what is edited there is stored.
    void refusedMoveStaysWithinTheWeek() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        auto* selector = find<Spinner>(w, "daySelector");
        selector->setValue(7);
        find<QLineEdit>(w, "endHourBox")->setText("4");
        selector->downArrow();  // Saturday -> past the week: refused
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"must end time bigger then start time"});
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Saturday"));
        QVERIFY(selector->value() >= 1 && selector->value() <= 7);
        find<QLineEdit>(w, "endHourBox")->setText("23");
        selector->downArrow();
        QVERIFY(!find<QLineEdit>(w, "dayNameBox")->text().startsWith("templet"));
        QVERIFY(f.folder.readData("adata_7.ini").startsWith("5\r\n0\r\n23\r\n"));
        find<QLineEdit>(w, "workMinutesBox")->setText("45");
        const int day = selector->value();
        selector->downArrow();
        QVERIFY(f.folder.readData(QString("adata_%1.ini").arg(day)).contains("\r\n45\r\n"));
    }

    // "No rings" clicked in "Auto interval" is stored only through the day selector's checks.
    void noRingsIsNotStoredWithBadIntervalSettings() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        auto* noRings = find<QCheckBox>(w, "noRingsBox");
        find<QLineEdit>(w, "endMinuteBox")->setText("75");
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"(End minute)Please input digit between 0 and 59"});
        QVERIFY(!f.folder.hasData("adata_2.ini"));
        find<QLineEdit>(w, "endMinuteBox")->setText("15");
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QCOMPARE(f.folder.readData("adata_2.ini"), QByteArray("5\r\n0\r\n23\r\n15\r\n50\r\n10\r\n 1 \r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n"));
    }

    void autoIntervalMovesATemplateToSaturday() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(10);
        find<QRadioButton>(w, "intervalModeButton")->setChecked(true);
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 7);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Saturday"));
        QVERIFY(find<QLineEdit>(w, "workMinutesBox")->isVisible());
        QVERIFY(!find<QListWidget>(w, "bellTimeList")->isVisible());
        QVERIFY(!find<ImageButton>(w, "applyTemplateButton")->isVisible());
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isEnabled());
        QVERIFY(f.folder.readData("data.ini").contains("\r\n 1 \r\n 2 \r\n"));
        QVERIFY(!f.folder.hasData("adata_10.ini"));  // templates have no interval settings
    }

    void setEachDayHelpOnlyAfterStartUp() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        find<QRadioButton>(w, "weekModeButton")->setChecked(true);
        find<QRadioButton>(w, "eachDayModeButton")->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& help = f.fakes.dialogs.messages.first();
        QCOMPARE(help.title, QString("Help"));
        QCOMPARE(help.text, QString("Click arrow in right [Select day], Seting each day bell time."));
        QCOMPARE(help.icon, Dialogs::Icon::Information);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Monday"));
        QVERIFY(find<ImageButton>(w, "applyTemplateButton")->isVisible());
    }

    void applyWeekUnchecksNoRings() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        auto* w = f.load();
        find<QCheckBox>(w, "noRingsBox")->setChecked(true);
        find<QRadioButton>(w, "weekModeButton")->setChecked(true);
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isChecked());
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        QVERIFY(!find<Spinner>(w, "daySelector")->isEnabled());
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("All days"));
        QCOMPARE(f.list("bellTimeList"), QStringList{"10hr 00min/w.wav"});
    }

    // Switching modes loads; it never saves what was shown before.
    void switchingModesLoadsWithoutSaving() {
        WindowFixture f;
        f.writeOptions(2, 1);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        f.folder.writeData("adata.ini", "6\r\n0\r\n20\r\n0\r\n40\r\n5\r\ns.wav\r\n");
        auto* w = f.load();
        find<QListWidget>(w, "bellTimeList")->addItem("11hr 00min/x.wav");
        find<QRadioButton>(w, "intervalModeButton")->setChecked(true);
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("6"));
        QCOMPARE(find<QLineEdit>(w, "startBellSoundBox")->text(), QString("s.wav"));
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("10hr 00min/w.wav\r\n"));
        find<QRadioButton>(w, "manualModeButton")->setChecked(true);
        QCOMPARE(f.list("bellTimeList"), QStringList{"10hr 00min/w.wav"});
        QVERIFY(find<ImageButton>(w, "applyTemplateButton")->isVisible());
    }

    void userNoRingsIsStoredWithItsDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QTest::mouseClick(find<QCheckBox>(w, "noRingsBox"), Qt::LeftButton, {},
                          QPoint(5, find<QCheckBox>(w, "noRingsBox")->height() / 2));
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isChecked());
        QCOMPARE(f.folder.readData("mdata_2.ini"), QByteArray(" 1 \r\n"));
    }

    void spinners_data() {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("text");
        QTest::newRow("start hour wraps") << "startHourSpin"
                                          << "startHourBox" << 23 << true << "0";
        QTest::newRow("start minute wraps") << "startMinuteSpin"
                                            << "startMinuteBox" << 59 << true << "0";
        QTest::newRow("end hour stops at 0") << "endHourSpin"
                                             << "endHourBox" << 0 << false << "0";
        QTest::newRow("end minute") << "endMinuteSpin"
                                    << "endMinuteBox" << 10 << true << "11";
        QTest::newRow("work stops at 1") << "workSpin"
                                         << "workMinutesBox" << 1 << false << "1";
        QTest::newRow("work tops at 300") << "workSpin"
                                          << "workMinutesBox" << 300 << true << "300";
        QTest::newRow("rest") << "restSpin"
                              << "restMinutesBox" << 10 << false << "9";
        QTest::newRow("pre-bell wraps to 1") << "preBell1Spin"
                                             << "preBell1MinutesBox" << 99 << true << "1";
        QTest::newRow("pre-bell stops at 1") << "preBell2Spin"
                                             << "preBell2MinutesBox" << 1 << false << "1";
        QTest::newRow("input hour wraps") << "inputHourSpin"
                                          << "inputHourBox" << 23 << true << "0";
        QTest::newRow("input minute wraps") << "inputMinuteSpin"
                                            << "inputMinuteBox" << 59 << true << "0";
    }
    void spinners() {
        QFETCH(QString, spinner);
        QFETCH(QString, box);
        QFETCH(int, from);
        QFETCH(bool, up);
        QFETCH(QString, text);
        WindowFixture f;
        auto* w = f.load();
        auto* s = w->findChild<Spinner*>(spinner);
        auto* b = w->findChild<QLineEdit*>(box);
        QVERIFY(s && b);
        s->setValue(from);
        b->setText("t");
        up ? s->upArrow() : s->downArrow();
        // A spinner at its end does not move and leaves the box as typed.
        QCOMPARE(b->text(), from == s->value() ? QString("t") : text);
    }

    // Each spinner keeps its own position: loading settings or typing into the box leaves it where
    // it was, and a step writes the spinner's next position over what the box holds.
    void spinnersKeepTheirOwnPositions() {
        WindowFixture f;
        f.writeOptions(1, 1);
        f.folder.writeData("adata.ini", "8\r\n0\r\n23\r\n0\r\n50\r\n10\r\n");
        auto* w = f.load();
        auto* startHour = find<QLineEdit>(w, "startHourBox");
        QCOMPARE(startHour->text(), QString("8"));
        find<Spinner>(w, "startHourSpin")->upArrow();  // from its own 5, not from the loaded 8
        QCOMPARE(startHour->text(), QString("6"));
        startHour->setText("20");
        find<Spinner>(w, "startHourSpin")->upArrow();
        QCOMPARE(startHour->text(), QString("7"));
        auto* preBell = find<QLineEdit>(w, "preBell1MinutesBox");
        preBell->setText("9");
        find<Spinner>(w, "preBell1Spin")->downArrow();  // from its own 100
        QCOMPARE(preBell->text(), QString("99"));
        auto* minute = find<QLineEdit>(w, "inputMinuteBox");
        QCOMPARE(minute->text(), QString("5"));
        find<Spinner>(w, "inputMinuteSpin")->upArrow();  // from its own 59: wraps
        QCOMPARE(minute->text(), QString("0"));
        // The booking dialog's spinners start at hour 0 and minute 59 whatever time is booked.
        auto* exit = w->options()->autoExitWindow();
        auto* exitHour = find<QLineEdit>(exit, "inputHourBox");
        auto* exitMinute = find<QLineEdit>(exit, "inputMinuteBox");
        QCOMPARE(exitHour->text() + ":" + exitMinute->text(), QString("0:5"));
        exitHour->setText("22");
        find<Spinner>(exit, "hourSpin")->upArrow();
        find<Spinner>(exit, "minuteSpin")->upArrow();
        QCOMPARE(exitHour->text() + ":" + exitMinute->text(), QString("1:0"));
    }
};

QTEST_MAIN(TestModes)
#include "test_modes.moc"
