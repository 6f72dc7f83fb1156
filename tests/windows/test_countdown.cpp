// The countdown windows against the fake clock: the count, its refusals, pause and resume from
// either window, the ring at zero; the full-screen layout by screen width; the clock texts.
#include <QFontMetrics>
#include <QtTest>

#include "core/countdown/countdown.h"
#include "ui/countdown/frmbellcount.h"
#include "ui/countdown/frmcountdown.h"
#include "ui/countdown/frmfullscreen.h"
#include "windowfixture.h"

namespace {

struct CountWindow {
    WindowFixture f;
    MainWindow* w = nullptr;
    FrmCountDown* count = nullptr;

    CountWindow() {
        f.folder.addSound("bell.wav");
        f.writeOptions(2, 1, 0);
        w = f.load();
        w->onCountdownClicked();
        f.settle();
        count = w->countDownWindow();
    }
    Countdown& countdown() const { return f.services->countdown(); }
    QString readout() const { return find<QLineEdit>(count, "countText")->text(); }
    void enter(const QString& h, const QString& m, const QString& s) const {
        find<QLineEdit>(count, "inputHourBox")->setText(h);
        find<QLineEdit>(count, "inputMinuteBox")->setText(m);
        find<QLineEdit>(count, "inputSecondBox")->setText(s);
    }
    // Lets `ms` pass and ticks once.
    void pass(qint64 ms) {
        f.fakes.clock.advanceMs(ms);
        countdown().Timer1_Timer();
        f.settle();
    }
    bool shown(const char* name) const { return !find<QWidget>(count, name)->isHidden(); }
};

}  // namespace

class TestCountdown : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsFromTheMomentItStarted() {
        CountWindow c;
        QCOMPARE(c.f.fakes.dialogs.modals, QList<QWidget*>{c.count});
        QVERIFY(c.shown("startCountButton") && c.shown("closeButton") && !c.shown("countText"));
        c.count->onStartCountClicked();  // 1, 0, 0 as the window opens
        QCOMPARE(c.readout(), QString("01:00:00"));
        QCOMPARE(c.w->fullScreen()->lblTimeShow->text(), QString("01:00:00"));
        QVERIFY(c.shown("fullScreenButton") && c.shown("pauseButton") && c.shown("endCountButton"));
        QVERIFY(!c.shown("startCountButton") && !c.shown("closeButton") && !c.shown("resumeButton"));
        c.pass(1000);
        QCOMPARE(c.readout(), QString("00:59:59"));
        // Ticks that come late do not make it drift: 600 ticks 1.1 s apart are 660 s of counting.
        for (int i = 0; i < 600; ++i) {
            c.pass(1100);
        }
        QCOMPARE(c.readout(), QString("00:48:59"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::newRow("all empty") << QStringList{"", "", ""} << "Please input hour";
        QTest::newRow("hour 100") << QStringList{"100", "0", "0"}
                                  << "(Hour)Please input digit between 0 and 99";
        QTest::newRow("fraction") << QStringList{"1.5", "0", "0"}
                                  << "(Hour)Please input digit between 0 and 99";
        QTest::newRow("negative") << QStringList{"0", "-1", "0"}
                                  << "(minute)Please input digit between 0 and 59";
        QTest::newRow("all zero") << QStringList{"0", "0", "0"}
                                  << "(second)Please input digit between 0 and 59";
    }
    void refusals() {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        CountWindow c;
        c.enter(entries.at(0), entries.at(1), entries.at(2));
        c.count->onStartCountClicked();
        QCOMPARE(c.f.fakes.dialogs.texts(), QStringList{message});
        QCOMPARE(c.f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(c.countdown().state(), Countdown::State::Idle);
        c.enter("99", "59", "59");
        c.count->onStartCountClicked();
        QCOMPARE(c.readout(), QString("99:59:59"));
    }

    void pauseHereAndResumeThere() {
        CountWindow c;
        c.enter("0", "10", "5");
        c.count->onStartCountClicked();
        c.pass(5000);
        c.count->onPauseClicked();
        QCOMPARE(c.readout(), QString("00:10:00"));
        QVERIFY(c.shown("resumeButton") && !c.shown("pauseButton"));
        c.pass(600000);  // ten minutes later
        QCOMPARE(c.readout(), QString("00:10:00"));
        // Paused here, the full-screen view offers "Replay"; resuming there goes on from 00:10:00.
        FrmFullScreen* full = c.w->fullScreen();
        c.f.fakes.dialogs.whileModal = [&](QWidget* window) {
            QCOMPARE(window, static_cast<QWidget*>(full));
            QVERIFY(!full->resumeButton->isHidden() && full->pauseButton->isHidden());
            full->resumeButton->click();
        };
        find<ImageButton>(c.count, "fullScreenButton")->click();
        QVERIFY(c.shown("pauseButton") && !c.shown("resumeButton"));
        c.pass(1000);
        QCOMPARE(full->lblTimeShow->text(), QString("00:09:59"));
    }

    // Paused at any moment of a second, the read-out stays what it showed, also in the count's
    // last second, and a resume counts on from it.
    void pauseKeepsTheReadOutItShows() {
        for (const int into : {0, 400, 600, 999}) {
            CountWindow c;
            c.enter("0", "0", "2");
            c.count->onStartCountClicked();
            c.pass(1000);
            QCOMPARE(c.readout(), QString("00:00:01"));
            c.f.fakes.clock.advanceMs(into);
            c.count->onPauseClicked();
            QCOMPARE(c.readout(), QString("00:00:01"));
            QCOMPARE(c.countdown().state(), Countdown::State::Paused);
            c.count->onResumeClicked();
            c.pass(400);
            QCOMPARE(c.countdown().state(), Countdown::State::Running);
            c.pass(600);
            QCOMPARE(c.countdown().state(), Countdown::State::Finished);
        }
    }

    void zeroRingsOnceAndDisablesBothPauses() {
        CountWindow c;
        c.enter("0", "0", "3");
        c.count->onStartCountClicked();
        c.pass(1000);
        c.pass(1000);
        QVERIFY(c.f.fakes.bell.plays.isEmpty());
        c.pass(1000);
        QCOMPARE(c.readout(), QString("00:00:00"));
        QCOMPARE(c.f.fakes.bell.plays.size(), 1);
        QVERIFY(c.f.fakes.bell.plays.first().path.endsWith("/sound/bell.wav"));
        QVERIFY(!find<QWidget>(c.count, "pauseButton")->isEnabled());
        QVERIFY(!c.w->fullScreen()->pauseButton->isEnabled());
        QVERIFY(!c.countdown().timerRunning());
        c.pass(5000);
        QCOMPARE(c.f.fakes.bell.plays.size(), 1);
        // Stop: idle again, the inputs kept for the next start.
        find<ImageButton>(c.count, "endCountButton")->click();
        QVERIFY(c.shown("startCountButton") && !c.shown("countText"));
        QCOMPARE(find<QLineEdit>(c.count, "inputSecondBox")->text(), QString("3"));
    }

    void closeAndReopenKeepsTheInputs() {
        CountWindow c;
        c.enter("2", "30", "0");
        find<ImageButton>(c.count, "closeButton")->click();
        QVERIFY(!c.count->isVisible());
        c.w->onCountdownClicked();
        QCOMPARE(c.w->countDownWindow(), c.count);
        QCOMPARE(find<QLineEdit>(c.count, "inputMinuteBox")->text(), QString("30"));
        // The hour spinner stepped up from 99 shows 0.
        find<Spinner>(c.count, "hourSpin")->setValue(99);
        find<Spinner>(c.count, "hourSpin")->upArrow();
        QCOMPARE(find<QLineEdit>(c.count, "inputHourBox")->text(), QString("0"));
    }

    // From the keyboard: the arrow keys step a spinner that has the focus, and Escape closes
    // either full-screen view, whichever of its buttons has the focus.
    void keyboard() {
        CountWindow c;
        QTest::keyClick(find<Spinner>(c.count, "minuteSpin"), Qt::Key_Up);
        QCOMPARE(find<QLineEdit>(c.count, "inputMinuteBox")->text(), QString("1"));
        QTest::keyClick(find<Spinner>(c.count, "minuteSpin"), Qt::Key_Down);
        QCOMPARE(find<QLineEdit>(c.count, "inputMinuteBox")->text(), QString("0"));
        FrmFullScreen* full = c.w->fullScreen();
        FrmBellCount* bellCount = c.w->bellCountWindow();
        for (auto [view, button] : {std::pair<QWidget*, QWidget*>{full, full->smallWindowButton},
                                    std::pair<QWidget*, QWidget*>{bellCount, bellCount->closeButton}}) {
            view->show();
            QTest::keyClick(button, Qt::Key_Escape);
            QVERIFY(view->isHidden());
        }
    }

    // By the screen's width: the table's sizes whenever the digits fit across the screen in the
    // font they are drawn with, else the largest size at which they do; the clock above the centre
    // line, the count below, buttons under the count.
    void fullScreenLayout_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("clock");
        QTest::addColumn<bool>("tableFits");
        QTest::newRow("1280") << 1280 << 1024 << 230 << 160 << true;
        QTest::newRow("1024") << 1024 << 768 << 190 << 135 << true;  // about 1014 px wide
        QTest::newRow("800") << 800 << 600 << 150 << 105 << false;
    }
    void fullScreenLayout() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, count);
        QFETCH(int, clock);
        QFETCH(bool, tableFits);
        for (FullScreenWindow* window :
             std::initializer_list<FullScreenWindow*>{new FrmFullScreen, new FrmBellCount}) {
            std::unique_ptr<FullScreenWindow> owner(window);
            window->resize(width, height);
            QApplication::sendPostedEvents();
            QResizeEvent resized(QSize(width, height), QSize());
            QApplication::sendEvent(window, &resized);
            auto across = [](QLabel* label, int pointSize, const QString& text) {
                QFont font = label->font();
                font.setPointSize(pointSize);
                return QFontMetrics(font, label).horizontalAdvance(text);
            };
            auto check = [&](QLabel* label, int table, const QString& text) {
                const int size = label->font().pointSize();
                qInfo() << width << "px:" << label->objectName() << size << "pt of" << table << "in"
                        << QFontInfo(label->font()).family() << across(label, size, text) << "px";
                QVERIFY(across(label, size, text) <= width);
                if (tableFits || across(label, table, text) <= width) {
                    QCOMPARE(size, table);
                } else {
                    QVERIFY(size < table && across(label, size + 1, text) > width);
                }
            };
            check(window->lblTimeShow, count, "00:00:00");
            check(window->lblNowTimeShow, clock, "00:00:00AM");
            const int dpi = window->logicalDpiX();
            const int labelWidth = qRound(18735.0 * dpi / 1440);
            const int labelHeight = qRound(5055.0 * dpi / 1440);
            QCOMPARE(window->lblTimeShow->size(), QSize(labelWidth, labelHeight));
            QCOMPARE(window->lblTimeShow->x(), (width - labelWidth) / 2 - qRound(140.0 * dpi / 1440));
            QCOMPARE(window->lblTimeShow->y(), (height - labelHeight) / 2 + qRound(900.0 * dpi / 1440));
            QCOMPARE(window->lblNowTimeShow->y(), (height - labelHeight) / 2 - qRound(2000.0 * dpi / 1440));
            for (auto* button : window->findChildren<QPushButton*>()) {
                QCOMPARE(button->y(), (height - labelHeight) / 2 + labelHeight + qRound(700.0 * dpi / 1440));
                QVERIFY(button->geometry().right() < width);
            }
        }
    }

    // The main clock writes both full-screen windows every second, shown or not.
    void clockAndTimeLeftTexts_data() {
        QTest::addColumn<QTime>("now");
        // The bells of an "Apply week" list (or, after "day:", of the day's own list with "Set each
        // day"), and whether the service runs; the next bell it shows.
        QTest::addColumn<QString>("times");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("nextBell");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("left");
        QTest::newRow("afternoon, stopped") << QTime(12, 30, 5) << "13hr 00min/a.wav\r\n" << false << ""
                                            << "12:30:05PM"
                                            << "00:00:00";
        QTest::newRow("after midnight, none left") << QTime(0, 30, 5) << "day: 0 \r\n00hr 10min/a.wav\r\n" << true
                                                  << "NEXT DAY"
                                                  << "12:30:05AM"
                                                  << "00:00:00";
        QTest::newRow("next bell soon") << QTime(7, 59, 30) << "08hr 05min/a.wav\r\n" << true << "08hr 05min"
                                        << "07:59:30AM"
                                        << "00:05:30";
        QTest::newRow("next bell tomorrow") << QTime(23, 55, 0) << "00hr 10min/a.wav\r\n" << true << "00hr 10min"
                                            << "11:55:00PM"
                                            << "00:15:00";
    }
    void clockAndTimeLeftTexts() {
        QFETCH(QTime, now);
        QFETCH(QString, times);
        QFETCH(bool, running);
        QFETCH(QString, nextBell);
        QFETCH(QString, clock);
        QFETCH(QString, left);
        WindowFixture f;
        f.folder.addSound("a.wav");
        if (times.startsWith("day:")) {
            f.writeOptions(2, 2, 0);
            f.folder.writeData("mdata_2.ini", times.mid(4).toLatin1());  // a Monday
        } else {
            f.writeOptions(2, 1, 0);
            f.folder.writeData("mdata.ini", times.toLatin1());
        }
        f.fakes.clock.set(QDateTime(QDate(2026, 12, 7), now));
        auto* w = f.load();
        if (running) {
            w->onStartClicked();
            f.settle();
        }
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), nextBell);
        w->onClockTick();
        f.settle();
        QCOMPARE(w->fullScreen()->lblNowTimeShow->text(), clock);
        QCOMPARE(w->bellCountWindow()->lblNowTimeShow->text(), clock);
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), left);
        QVERIFY(!w->bellCountWindow()->isVisible());
    }
};

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
