// The bell clock in the window: its labels and countdown texts, and the booked power-off read
// from exit.ini reaching the power port. The tick's decisions are the bell service's own tests.
#include <QtTest>

#include "ui/countdown/frmbellcount.h"
#include "ui/countdown/frmfullscreen.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

}  // namespace

class TestClockTick : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labels() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "09hr 10min/a.wav\r\n");
        f.fakes.clock.set(at(9, 5, 3, 6));
        auto* w = f.load();
        f.tick();
        QCOMPARE(find<QLabel>(w, "clockText")->text(), QString("9 hr 5 min 3 sec"));
        QCOMPARE(find<QLabel>(w, "dateText")->text(), QString("2026-12-6  Sunday"));
        QCOMPARE(w->fullScreen()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:00:00"));
        QVERIFY(!w->fullScreen()->isVisible());
        w->onStartClicked();
        f.tick();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("09hr 10min"));
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:04:57"));
    }

    void bookedShutdownWhetherOrNotTheServiceRuns() {
        WindowFixture f;
        f.folder.writeData("exit.ini", " 1 \r\n 17 \r\n 0 \r\n");
        f.fakes.clock.set(at(16, 59, 59));
        auto* w = f.load();
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.power.requests, 1);
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.power.requests, 1);
        QVERIFY(f.folder.readData("ring.log").contains(" the booked power-off time has come"));
        find<QCheckBox>(w, "powerOffBox")->setChecked(false);
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 0 \r\n 17 \r\n 0 \r\n"));
        f.fakes.clock.set(at(16, 59, 59, 8));
        f.tick();
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.power.requests, 1);

        // Started during its booked minute (after a power-off that did not happen, say): not in that
        // minute.
        WindowFixture g;
        g.folder.writeData("exit.ini", " 1 \r\n 17 \r\n 0 \r\n");
        g.fakes.clock.set(at(17, 0, 30));
        g.load();
        for (int i = 0; i < 5; ++i) {
            g.tick();
            g.fakes.clock.advance(1);
        }
        QCOMPARE(g.fakes.power.requests, 0);
    }

    // Setting the box opens the booking dialog with the booked time; its checks come in order,
    // and a confirmed time is stored and used.
    void bookingDialog() {
        WindowFixture f;
        f.folder.writeData("exit.ini", " 0 \r\n 17 \r\n 30 \r\n");
        auto* w = f.load();
        QStringList refusals;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            window->show();
            QCOMPARE(window->windowTitle(), QString("Reservation computer exit"));
            auto* hour = find<QLineEdit>(window, "inputHourBox");
            auto* minute = find<QLineEdit>(window, "inputMinuteBox");
            QCOMPARE(hour->text() + ":" + minute->text(), QString("17:30"));
            auto* confirm = find<ImageButton>(window, "confirmButton");
            for (auto [h, m] : {std::pair{"", ""}, {"24", "0"}, {"23", "60"}, {"-1", "0"}}) {
                hour->setText(h);
                minute->setText(m);
                confirm->click();
            }
            refusals = f.fakes.dialogs.texts();
            QVERIFY(window->isVisible());
            // Numbers as typed, to the nearest whole number.
            hour->setText("7.5");
            minute->setText("007");
            confirm->click();
            QVERIFY(!window->isVisible());
        };
        find<QCheckBox>(w, "powerOffBox")->setChecked(true);
        QCOMPARE(refusals, (QStringList{"(Hour)Please input digit between 0 and 23",
                                        "(Hour)Please input digit between 0 and 23",
                                        "(minute)Please input digit between 0 and 59",
                                        "(Hour)Please input digit between 0 and 23"}));
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 1 \r\n 8 \r\n 7 \r\n"));
        QCOMPARE(find<QLabel>(w, "powerOffTimeText")->text(), QString("at 08:07"));
        // A minute ahead, the warning line says it is coming; nothing waits for a click.
        f.fakes.clock.set(at(8, 6, 59));
        f.tick();
        QVERIFY(find<QLabel>(w, "warningLine")
                    ->text()
                    .endsWith("the computer will be switched off at 08:07, as booked"));
        QVERIFY(f.fakes.dialogs.modals.size() == 1);
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.power.requests, 1);
        // A refused power-off is said on the warning line.
        f.fakes.power.refuse("Access denied");
        QVERIFY(find<QLabel>(w, "warningLine")->text().contains("Access denied"));
    }

    // Only a confirmed time books a power-off: the dialog closed any other way leaves the box clear
    // and exit.ini saying off. Bookings and cancellations are written to the ring log; an exit.ini
    // that books nothing because it is damaged is said on the warning line.
    void aPowerOffIsBookedOnlyWhenConfirmed() {
        WindowFixture f;
        f.fakes.clock.set(at(0, 4, 59));
        auto* w = f.load();
        auto* box = find<QCheckBox>(w, "powerOffBox");
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            window->show();
            window->close();
        };
        box->setChecked(true);
        QVERIFY(!box->isChecked());
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 0 \r\n 0 \r\n 5 \r\n"));
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.power.requests, 0);

        f.fakes.dialogs.whileModal = [](QWidget* window) {
            window->show();
            find<QLineEdit>(window, "inputHourBox")->setText("17");
            find<QLineEdit>(window, "inputMinuteBox")->setText("30");
            find<ImageButton>(window, "confirmButton")->click();
        };
        box->setChecked(true);
        QVERIFY(box->isChecked());
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 1 \r\n 17 \r\n 30 \r\n"));
        box->setChecked(false);
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 0 \r\n 17 \r\n 30 \r\n"));
        f.settle();
        const QByteArray log = f.folder.readData("ring.log");
        QVERIFY2(log.contains("a power-off is booked for 17:30 every day"), log.constData());
        QVERIFY2(log.contains("the power-off booked for 17:30 is cancelled"), log.constData());

        WindowFixture g;
        g.folder.writeData("exit.ini", " 1 \r\n 25 \r\n 0 \r\n");
        auto* v = g.load();
        QVERIFY(!find<QCheckBox>(v, "powerOffBox")->isChecked());
        QVERIFY2(find<QLabel>(v, "warningLine")->text().contains("exit.ini is damaged"),
                 qPrintable(find<QLabel>(v, "warningLine")->text()));
    }
};

QTEST_MAIN(TestClockTick)
#include "test_clocktick.moc"
