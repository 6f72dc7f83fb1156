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
        find<Spinner>(w, "VScroll9")->setValue(1);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Sunday"));
        find<Spinner>(w, "VScroll9")->upArrow();  // Sunday -> templet6
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 13);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("templet6"));
        QCOMPARE(find<QLineEdit>(w, "pre_day")->text(), QString("13"));
        QVERIFY(!find<QCheckBox>(w, "nobell")->isEnabled());
        find<Spinner>(w, "VScroll9")->downArrow();  // templet6 -> Sunday
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 1);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Sunday"));
        QVERIFY(find<QCheckBox>(w, "nobell")->isEnabled());
        find<Spinner>(w, "VScroll9")->setValue(7);
        find<Spinner>(w, "VScroll9")->downArrow();  // Saturday -> templet1
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("templet1"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void intervalSelectorWrapsWithinTheWeek() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        find<Spinner>(w, "VScroll9")->setValue(1);
        find<Spinner>(w, "VScroll9")->upArrow();
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 7);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Saturday"));
        find<Spinner>(w, "VScroll9")->downArrow();
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 1);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Sunday"));
        QCOMPARE(find<QLineEdit>(w, "pre_day")->text(), QString("1"));
    }

    // Leaving a day saves what was on screen into that day's file and loads the new one.
    void movingTheDaySavesThePreviousDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_4.ini", " 0 \r\n12hr 00min/noon.wav\r\n");
        auto* w = f.load();
        find<Spinner>(w, "VScroll9")->setValue(3);
        find<QListWidget>(w, "AddTimeList")->addItem("09hr 00min/a.wav");
        find<QCheckBox>(w, "nobell")->setChecked(true);
        find<Spinner>(w, "VScroll9")->downArrow();  // to Wednesday
        QCOMPARE(f.folder.readData("mdata_3.ini"), QByteArray(" 1 \r\n09hr 00min/a.wav\r\n"));
        QCOMPARE(f.list("AddTimeList"), QStringList{"12hr 00min/noon.wav"});
        QVERIFY(!find<QCheckBox>(w, "nobell")->isChecked());

        WindowFixture g;
        g.writeOptions(1, 2);
        auto* v = g.load();
        find<Spinner>(v, "VScroll9")->setValue(3);
        find<QLineEdit>(v, "worktime")->setText("40");
        find<Spinner>(v, "VScroll9")->downArrow();
        QVERIFY(g.folder.readData("adata_3.ini").contains("\r\n40\r\n"));
        QCOMPARE(find<QLineEdit>(v, "worktime")->text(), QString("50"));  // day 4 has no file yet: defaults
    }

    void intervalSelectorRefusesToLeaveABadDay() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        find<Spinner>(w, "VScroll9")->setValue(3);
        find<QLineEdit>(w, "exit_h")->setText("4");  // end before start (05:00)
        find<Spinner>(w, "VScroll9")->downArrow();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"must end time bigger then start time"});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 4);  // the selector itself moved
        QCOMPARE(find<QLineEdit>(w, "pre_day")->text(), QString("3"));
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Tuesday"));
        QCOMPARE(find<QLineEdit>(w, "exit_h")->text(), QString("4"));
        QVERIFY(!f.folder.hasData("adata_3.ini"));
        // Corrected, the next move saves into the old day's file.
        find<QLineEdit>(w, "exit_h")->setText("23");
        find<QLineEdit>(w, "worktime")->setText("x");
        find<Spinner>(w, "VScroll9")->downArrow();
        QCOMPARE(f.fakes.dialogs.texts().last(), QString("(Work time)must over 1 minute"));
        find<QLineEdit>(w, "worktime")->setText("45");
        find<Spinner>(w, "VScroll9")->upArrow();
        QVERIFY(f.folder.readData("adata_3.ini").startsWith("5\r\n0\r\n23\r\n0\r\n45\r\n"));
        QCOMPARE(find<QLineEdit>(w, "pre_day")->text(), QString("4"));
    }

    // A refused move in "Auto interval" keeps the selector within the week: the next move after
    // the settings are mended shows a weekday, and what is edited there is stored.
    void refusedMoveStaysWithinTheWeek() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        auto* selector = find<Spinner>(w, "VScroll9");
        selector->setValue(7);
        find<QLineEdit>(w, "exit_h")->setText("4");
        selector->downArrow();  // Saturday -> past the week: refused
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"must end time bigger then start time"});
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Saturday"));
        QVERIFY(selector->value() >= 1 && selector->value() <= 7);
        find<QLineEdit>(w, "exit_h")->setText("23");
        selector->downArrow();
        QVERIFY(!find<QLineEdit>(w, "reg_day")->text().startsWith("templet"));
        QVERIFY(f.folder.readData("adata_7.ini").startsWith("5\r\n0\r\n23\r\n"));
        find<QLineEdit>(w, "worktime")->setText("45");
        const int day = selector->value();
        selector->downArrow();
        QVERIFY(f.folder.readData(QString("adata_%1.ini").arg(day)).contains("\r\n45\r\n"));
    }

    // "No rings" clicked in "Auto interval" is stored only through the day selector's checks.
    void noRingsIsNotStoredWithBadIntervalSettings() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        auto* noRings = find<QCheckBox>(w, "nobell");
        find<QLineEdit>(w, "exit_m")->setText("75");
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"(End minute)Please input digit between 0 and 59"});
        QVERIFY(!f.folder.hasData("adata_2.ini"));
        find<QLineEdit>(w, "exit_m")->setText("15");
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QTest::mouseClick(noRings, Qt::LeftButton, {}, QPoint(5, noRings->height() / 2));
        QCOMPARE(f.folder.readData("adata_2.ini"), QByteArray("5\r\n0\r\n23\r\n15\r\n50\r\n10\r\n 1 \r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n"));
    }

    void autoIntervalMovesATemplateToSaturday() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        find<Spinner>(w, "VScroll9")->setValue(10);
        find<QRadioButton>(w, "Option1")->setChecked(true);
        QCOMPARE(find<Spinner>(w, "VScroll9")->value(), 7);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Saturday"));
        QVERIFY(find<QLineEdit>(w, "worktime")->isVisible());
        QVERIFY(!find<QListWidget>(w, "AddTimeList")->isVisible());
        QVERIFY(!find<ImageButton>(w, "applyTemplet")->isVisible());
        QVERIFY(find<QCheckBox>(w, "nobell")->isEnabled());
        QVERIFY(f.folder.readData("data.ini").contains("\r\n 1 \r\n 2 \r\n"));
        QVERIFY(!f.folder.hasData("adata_10.ini"));  // templates have no interval settings
    }

    void setEachDayHelpOnlyAfterStartUp() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        find<QRadioButton>(w, "Option3")->setChecked(true);
        find<QRadioButton>(w, "Option4")->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& help = f.fakes.dialogs.messages.first();
        QCOMPARE(help.title, QString("Help"));
        QCOMPARE(help.text, QString("Click arrow in right [Select day], Seting each day bell time."));
        QCOMPARE(help.icon, Dialogs::Icon::Information);
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("Monday"));
        QVERIFY(find<ImageButton>(w, "applyTemplet")->isVisible());
    }

    void applyWeekUnchecksNoRings() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        auto* w = f.load();
        find<QCheckBox>(w, "nobell")->setChecked(true);
        find<QRadioButton>(w, "Option3")->setChecked(true);
        QVERIFY(!find<QCheckBox>(w, "nobell")->isChecked());
        QVERIFY(!find<QCheckBox>(w, "nobell")->isEnabled());
        QVERIFY(!find<Spinner>(w, "VScroll9")->isEnabled());
        QCOMPARE(find<QLineEdit>(w, "reg_day")->text(), QString("All days"));
        QCOMPARE(f.list("AddTimeList"), QStringList{"10hr 00min/w.wav"});
    }

    // Switching modes loads; it never saves what was shown before.
    void switchingModesLoadsWithoutSaving() {
        WindowFixture f;
        f.writeOptions(2, 1);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        f.folder.writeData("adata.ini", "6\r\n0\r\n20\r\n0\r\n40\r\n5\r\ns.wav\r\n");
        auto* w = f.load();
        find<QListWidget>(w, "AddTimeList")->addItem("11hr 00min/x.wav");
        find<QRadioButton>(w, "Option1")->setChecked(true);
        QCOMPARE(find<QLineEdit>(w, "start_h")->text(), QString("6"));
        QCOMPARE(find<QLineEdit>(w, "txtStartBellSound")->text(), QString("s.wav"));
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("10hr 00min/w.wav\r\n"));
        find<QRadioButton>(w, "Option2")->setChecked(true);
        QCOMPARE(f.list("AddTimeList"), QStringList{"10hr 00min/w.wav"});
        QVERIFY(find<ImageButton>(w, "applyTemplet")->isVisible());
    }

    void userNoRingsIsStoredWithItsDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QTest::mouseClick(find<QCheckBox>(w, "nobell"), Qt::LeftButton, {}, QPoint(5, find<QCheckBox>(w, "nobell")->height() / 2));
        QVERIFY(find<QCheckBox>(w, "nobell")->isChecked());
        QCOMPARE(f.folder.readData("mdata_2.ini"), QByteArray(" 1 \r\n"));
    }

    void spinners_data() {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("text");
        QTest::newRow("start hour wraps") << "VScroll1" << "start_h" << 23 << true << "0";
        QTest::newRow("start minute wraps") << "VScroll2" << "start_m" << 59 << true << "0";
        QTest::newRow("end hour stops at 0") << "VScroll3" << "exit_h" << 0 << false << "0";
        QTest::newRow("end minute") << "VScroll4" << "exit_m" << 10 << true << "11";
        QTest::newRow("work stops at 1") << "VScroll5" << "worktime" << 1 << false << "1";
        QTest::newRow("work tops at 300") << "VScroll5" << "worktime" << 300 << true << "300";
        QTest::newRow("rest") << "VScroll6" << "resttime" << 10 << false << "9";
        QTest::newRow("pre-bell wraps to 1") << "VScrollPreBell1" << "TxtPreBell1" << 99 << true << "1";
        QTest::newRow("pre-bell stops at 1") << "VScrollPreBell2" << "TxtPreBell2" << 1 << false << "1";
        QTest::newRow("input hour wraps") << "VScroll7" << "input_h" << 23 << true << "0";
        QTest::newRow("input minute wraps") << "VScroll8" << "input_m" << 59 << true << "0";
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
        auto* startHour = find<QLineEdit>(w, "start_h");
        QCOMPARE(startHour->text(), QString("8"));
        find<Spinner>(w, "VScroll1")->upArrow();  // from its own 5, not from the loaded 8
        QCOMPARE(startHour->text(), QString("6"));
        startHour->setText("20");
        find<Spinner>(w, "VScroll1")->upArrow();
        QCOMPARE(startHour->text(), QString("7"));
        auto* preBell = find<QLineEdit>(w, "TxtPreBell1");
        preBell->setText("9");
        find<Spinner>(w, "VScrollPreBell1")->downArrow();  // from its own 100
        QCOMPARE(preBell->text(), QString("99"));
        auto* minute = find<QLineEdit>(w, "input_m");
        QCOMPARE(minute->text(), QString("5"));
        find<Spinner>(w, "VScroll8")->upArrow();  // from its own 59: wraps
        QCOMPARE(minute->text(), QString("0"));
        // The booking dialog's spinners start at hour 0 and minute 59 whatever time is booked.
        auto* exit = w->autoExitWindow();
        auto* exitHour = find<QLineEdit>(exit, "input_h");
        auto* exitMinute = find<QLineEdit>(exit, "input_m");
        QCOMPARE(exitHour->text() + ":" + exitMinute->text(), QString("0:5"));
        exitHour->setText("22");
        find<Spinner>(exit, "VScroll1")->upArrow();
        find<Spinner>(exit, "VScroll2")->upArrow();
        QCOMPARE(exitHour->text() + ":" + exitMinute->text(), QString("1:0"));
    }
};

QTEST_MAIN(TestModes)
#include "test_modes.moc"
