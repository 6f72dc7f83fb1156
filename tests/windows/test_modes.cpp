// Set-time modes, day modes, the day selector's wrap, saves and refusals, and the spinners.
#include <QtTest>

#include "windowfixture.h"

class TestModes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void manualSelectorReachesTheTemplates() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        w->VScroll9->setValue(1);
        QCOMPARE(w->reg_day->text(), QString("Sunday"));
        w->VScroll9->upArrow();  // Sunday -> templet6
        QCOMPARE(w->VScroll9->value(), 13);
        QCOMPARE(w->reg_day->text(), QString("templet6"));
        QCOMPARE(w->pre_day->text(), QString("13"));
        QVERIFY(!w->nobell->isEnabled());
        w->VScroll9->downArrow();  // templet6 -> Sunday
        QCOMPARE(w->VScroll9->value(), 1);
        QCOMPARE(w->reg_day->text(), QString("Sunday"));
        QVERIFY(w->nobell->isEnabled());
        w->VScroll9->setValue(7);
        w->VScroll9->downArrow();  // Saturday -> templet1
        QCOMPARE(w->reg_day->text(), QString("templet1"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void intervalSelectorWrapsWithinTheWeek() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        w->VScroll9->setValue(1);
        w->VScroll9->upArrow();
        QCOMPARE(w->VScroll9->value(), 7);
        QCOMPARE(w->reg_day->text(), QString("Saturday"));
        w->VScroll9->downArrow();
        QCOMPARE(w->VScroll9->value(), 1);
        QCOMPARE(w->reg_day->text(), QString("Sunday"));
        QCOMPARE(w->pre_day->text(), QString("1"));
    }

    // Leaving a day saves what was on screen into that day's file and loads the new one.
    void movingTheDaySavesThePreviousDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_4.ini", " 0 \r\n12hr 00min/noon.wav\r\n");
        auto* w = f.load();
        w->VScroll9->setValue(3);
        w->AddTimeList->addItem("09hr 00min/a.wav");
        w->nobell->setChecked(true);
        w->VScroll9->downArrow();  // to Wednesday
        QCOMPARE(f.folder.readData("mdata_3.ini"), QByteArray(" 1 \r\n09hr 00min/a.wav\r\n"));
        QCOMPARE(f.list(w->AddTimeList), QStringList{"12hr 00min/noon.wav"});
        QVERIFY(!w->nobell->isChecked());

        WindowFixture g;
        g.writeOptions(1, 2);
        auto* v = g.load();
        v->VScroll9->setValue(3);
        v->worktime->setText("40");
        v->VScroll9->downArrow();
        QVERIFY(g.folder.readData("adata_3.ini").contains("\r\n40\r\n"));
        QCOMPARE(v->worktime->text(), QString("50"));  // day 4 has no file yet: defaults
    }

    void intervalSelectorRefusesToLeaveABadDay() {
        WindowFixture f;
        f.writeOptions(1, 2);
        auto* w = f.load();
        w->VScroll9->setValue(3);
        w->exit_h->setText("4");  // end before start (05:00)
        w->VScroll9->downArrow();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"must end time bigger then start time"});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QCOMPARE(w->VScroll9->value(), 4);  // the selector itself moved
        QCOMPARE(w->pre_day->text(), QString("3"));
        QCOMPARE(w->reg_day->text(), QString("Tuesday"));
        QCOMPARE(w->exit_h->text(), QString("4"));
        QVERIFY(!f.folder.hasData("adata_3.ini"));
        // Corrected, the next move saves into the old day's file.
        w->exit_h->setText("23");
        w->worktime->setText("x");
        w->VScroll9->downArrow();
        QCOMPARE(f.fakes.dialogs.texts().last(), QString("(Work time)must over 1 minute"));
        w->worktime->setText("45");
        w->VScroll9->upArrow();
        QVERIFY(f.folder.readData("adata_3.ini").startsWith("5\r\n0\r\n23\r\n0\r\n45\r\n"));
        QCOMPARE(w->pre_day->text(), QString("4"));
    }

    void autoIntervalMovesATemplateToSaturday() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        w->VScroll9->setValue(10);
        w->Option1->setChecked(true);
        QCOMPARE(w->VScroll9->value(), 7);
        QCOMPARE(w->reg_day->text(), QString("Saturday"));
        QVERIFY(w->worktime->isVisible());
        QVERIFY(!w->AddTimeList->isVisible());
        QVERIFY(!w->applyTemplet->isVisible());
        QVERIFY(w->nobell->isEnabled());
        QVERIFY(f.folder.readData("data.ini").contains("\r\n 1 \r\n 2 \r\n"));
        QVERIFY(!f.folder.hasData("adata_10.ini"));  // templates have no interval settings
    }

    void setEachDayHelpOnlyAfterStartUp() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        w->Option3->setChecked(true);
        w->Option4->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& help = f.fakes.dialogs.messages.first();
        QCOMPARE(help.title, QString("Help"));
        QCOMPARE(help.text, QString("Click arrow in right [Select day], Seting each day bell time."));
        QCOMPARE(help.icon, Dialogs::Icon::Information);
        QCOMPARE(w->reg_day->text(), QString("Monday"));
        QVERIFY(w->applyTemplet->isVisible());
    }

    void applyWeekUnchecksNoRings() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        auto* w = f.load();
        w->nobell->setChecked(true);
        w->Option3->setChecked(true);
        QVERIFY(!w->nobell->isChecked());
        QVERIFY(!w->nobell->isEnabled());
        QVERIFY(!w->VScroll9->isEnabled());
        QCOMPARE(w->reg_day->text(), QString("All days"));
        QCOMPARE(f.list(w->AddTimeList), QStringList{"10hr 00min/w.wav"});
    }

    // Switching modes loads; it never saves what was shown before.
    void switchingModesLoadsWithoutSaving() {
        WindowFixture f;
        f.writeOptions(2, 1);
        f.folder.writeData("mdata.ini", "10hr 00min/w.wav\r\n");
        f.folder.writeData("adata.ini", "6\r\n0\r\n20\r\n0\r\n40\r\n5\r\ns.wav\r\n");
        auto* w = f.load();
        w->AddTimeList->addItem("11hr 00min/x.wav");
        w->Option1->setChecked(true);
        QCOMPARE(w->start_h->text(), QString("6"));
        QCOMPARE(w->txtStartBellSound->text(), QString("s.wav"));
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("10hr 00min/w.wav\r\n"));
        w->Option2->setChecked(true);
        QCOMPARE(f.list(w->AddTimeList), QStringList{"10hr 00min/w.wav"});
        QVERIFY(w->applyTemplet->isVisible());
    }

    void userNoRingsIsStoredWithItsDay() {
        WindowFixture f;
        f.writeOptions(2, 2);
        auto* w = f.load();
        QTest::mouseClick(w->nobell, Qt::LeftButton, {}, QPoint(5, w->nobell->height() / 2));
        QVERIFY(w->nobell->isChecked());
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

    void spinnersStartFromTheirOwnValues() {
        WindowFixture f;
        auto* w = f.load();
        QCOMPARE(w->input_m->text(), QString("5"));
        w->VScroll8->upArrow();  // the spinner stands at 59
        QCOMPARE(w->input_m->text(), QString("0"));
        QCOMPARE(w->TxtPreBell1->text(), QString("1"));
        w->VScrollPreBell1->downArrow();  // it stands at 100
        QCOMPARE(w->TxtPreBell1->text(), QString("99"));
    }
};

QTEST_MAIN(TestModes)
#include "test_modes.moc"
