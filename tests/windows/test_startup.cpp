// Start-up in its order, the failure pair, the single-copy guard and its show request, and the
// ways of ending: the close button keeps the bells, the session end and the two "Exit"s end them.
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>
#include <stdexcept>

#include "app/automodeform.h"
#include "core/base/secondtimer.h"
#include "core/follow/setupfollower.h"
#include "core/follow/setupsignature.h"
#include "windowfixture.h"

namespace {

// A mixer whose opening fails the way a platform call can.
class ThrowingMixer final : public Mixer {
public:
    bool open() override { throw std::runtime_error("Device not available"); }
    bool setMute(bool) override { return false; }
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freshFolderStartsWithDefaults() {
        WindowFixture f;
        auto* w = f.load();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QCOMPARE(w->windowTitle(), QString("Corvalin"));
        QCOMPARE(find<QLabel>(w, "titleText")->text(), QString("Corvalin"));
        QCOMPARE(find<QGroupBox>(w, "soundCardFrame")->title(), QString("Dedicated Corvalin soundcard"));
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
        QCOMPARE(find<QLabel>(w, "stateColor")->palette().color(QPalette::Window), QColor(170, 223, 171));
        QVERIFY(find<SecondTimer>(w, "screenClock")->isEnabled());
        QVERIFY(!find<QLabel>(w, "bellCountEntry")->isEnabled());
        QVERIFY(!find<QAction>(w, "openWindowAction")->isVisible());
        QCOMPARE(w->loadPhase(), 2);
        QCOMPARE(f.bells().serviceRunning(), 0);
        QVERIFY(find<QRadioButton>(w, "manualModeButton")->isChecked());
        QVERIFY(find<QRadioButton>(w, "weekModeButton")->isChecked());
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("All days"));
        QVERIFY(find<QListWidget>(w, "bellTimeList")->isVisible());
        QVERIFY(!find<QLineEdit>(w, "workMinutesBox")->isVisible());
        QVERIFY(!find<ImageButton>(w, "stopBellButton")->isVisible());
        QCOMPARE(f.ringer().soundCardIndex(), -1);
        QCOMPARE(f.bells().powerOffBooking().hour, 0);
        QCOMPARE(f.bells().powerOffBooking().minute, 5);
        QVERIFY(!find<QCheckBox>(w, "powerOffBox")->isChecked());
        QCOMPARE(f.fakes.mixer.history, QList<bool>{false});  // unmuted once
        QVERIFY(!f.fakes.logonStart.enabled);
        // The option reaction that runs last stores all eight values.
        QCOMPARE(f.folder.readData("data.ini"),
                 QByteArray(" 0 \r\n-1 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"));
        QVERIFY(!f.folder.hasData("exit.ini"));
    }

    void completeFolderIsApplied() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addSound("b.wav");
        f.folder.writeData("data.ini", " 1 \r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n");
        f.folder.writeData("exit.ini", " 1 \r\n 17 \r\n 30 \r\n");
        f.folder.writeData("snd.ini", " 0 \r\n");
        f.fakes.bell.deviceList.append(OutputDevice{"bell_out", "USB Audio"});
        f.folder.writeData("adata_2.ini",
                           "8\r\n30\r\n15\r\n0\r\n45\r\n15\r\n 0 \r\ns.wav\r\ne.wav\r\n 1 \r\n3\r\n"
                           "p.wav\r\n 0 \r\n2\r\nq.wav\r\n");
        auto* w = f.load();
        QVERIFY(find<QCheckBox>(w, "autoStartBox")->isChecked());
        QVERIFY(find<QCheckBox>(w, "silentBox")->isChecked());
        QVERIFY(find<QCheckBox>(w, "repeatBellBox")->isChecked());
        QVERIFY(!find<ImageButton>(w, "stopBellButton")->isHidden());
        QVERIFY(find<QCheckBox>(w, "timeSyncBox")->isChecked());
        QVERIFY(w->isInTray());  // started by itself in tray mode
        QVERIFY(find<AutoModeForm>(w, "autoModeForm")->trayModeButton->isChecked());
        QVERIFY(find<QRadioButton>(w, "intervalModeButton")->isChecked());
        QVERIFY(find<QRadioButton>(w, "eachDayModeButton")->isChecked());
        QCOMPARE(find<QListWidget>(w, "soundList")->currentItem()->text(), QString("b.wav"));
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 2);  // 2026-12-07 is a Monday
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Monday"));
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("8"));
        QCOMPARE(find<QLineEdit>(w, "endBellSoundBox")->text(), QString("e.wav"));
        QVERIFY(find<QCheckBox>(w, "preBell1Box")->isChecked());
        QCOMPARE(f.bells().powerOffBooking().hour, 17);
        QCOMPARE(f.bells().powerOffBooking().minute, 30);
        QVERIFY(find<QCheckBox>(w, "powerOffBox")->isChecked());
        QCOMPARE(f.ringer().soundCardIndex(), 0);
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("USB Audio(1)"));
        // Restoring the options shows no dialog or message, but registers the logon start.
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QVERIFY(f.fakes.logonStart.enabled);
        // exit.ini is rewritten with the same content.
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 1 \r\n 17 \r\n 30 \r\n"));
    }

    // Start-up stores the options once, with every value applied, and only when the file would
    // change: a kill at any moment of start-up leaves the operator's options or the whole new ones.
    void startUpWritesTheOptionsOnceAndWhole_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("complete") << QByteArray(" 0 \r\n 1 \r\n 2 \r\n 2 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n")
                                  << QStringList();
        QTest::newRow("complete, interval")
            << QByteArray(" 0 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n") << QStringList();
        QTest::newRow("missing lines")
            << QByteArray(" 0 \r\n 1 \r\n 1 \r\n")
            << QStringList{"data.ini: 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"};
    }
    void startUpWritesTheOptionsOnceAndWhole() {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, writes);
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addSound("b.wav");
        f.folder.writeData("data.ini", stored);
        f.folder.writeData("mdata_2.ini", " 0 \r\n08hr 00min/a.wav\r\n");
        f.folder.writeData("adata.ini", "8\r\n0\r\n12\r\n0\r\n45\r\n15\r\n");
        auto* w = f.create();
        QStringList seen;
        QObject::connect(&f.services->store(), &SettingsStore::written, w, [&](const QString& name) {
            seen.append(name + ":" + QString::fromLatin1(f.folder.readData(name)));
        });
        w->startUp();
        f.settle();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QCOMPARE(seen, writes);
        if (writes.isEmpty()) {
            QCOMPARE(f.folder.readData("data.ini"), stored);
        }
    }

    // On a screen smaller than the window (the test screen is 800 pixels wide) the window opens inside
    // the screen's free area, frame and all.
    void windowFitsASmallScreen() {
        WindowFixture f;
        auto* w = f.load();
        const QRect area = w->screen()->availableGeometry();
        QVERIFY(area.width() < 1024);
        auto fits = [&] {
            const QRect frame = w->frameGeometry();
            QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                          .arg(frame.x())
                                                          .arg(frame.y())
                                                          .arg(frame.width())
                                                          .arg(frame.height())));
        };
        fits();
        // However long a problem on the warning line, it takes two lines at most: the window stays
        // on the screen and its body (with every button) keeps its room.
        auto* body = find<QScrollArea>(w, "bodyArea");
        const int room = body->height();
        const int line = find<QLabel>(w, "warningLine")->fontMetrics().lineSpacing();
        w->reportProblem(QStringLiteral("a problem that goes on and on, ").repeated(300));
        f.settle();
        QCoreApplication::sendPostedEvents();
        w->layout()->activate();
        f.settle();
        fits();
        QVERIFY2(body->height() >= room - 3 * line,
                 qPrintable(QStringLiteral("%1 of %2").arg(body->height()).arg(room)));
    }

    // On a 1366x768 screen, with a problem on the warning line, a followed set-up's notice and an
    // alarm signal's strip all shown, every control of either set-time mode stays in sight: the
    // body does not scroll, "Apply templet" and the pre-bell rows included.
    void everyControlInSightAt1366x768WithEveryStrip() {
        for (const int mode : {2, 1}) {
            WindowFixture f;
            f.folder.addSound("a.wav");
            f.folder.addSound("tone-lockdown.wav");
            f.folder.writeData("alarms.ini", "Lockdown,tone-lockdown.wav,0\r\n");
            f.writeOptions(mode, 2, 0);
            auto* w = f.load();
            w->reportProblem(QStringLiteral("the bell card USB Audio is gone, ").repeated(20));
            f.services->client().startAlarm("Lockdown", "the test");
            QCOMPARE(f.services->services().follower->follow(
                         "https://server.invalid/" + QString("long-name/").repeated(20) + "setup.zip",
                         corvalin::follow::makeKeyPair().publicKey),
                     QString());
            f.settle();
            for (const char* strip : {"warningLine", "followText", "alarmStrip"}) {
                QVERIFY2(find<QWidget>(w, strip)->isVisible(), strip);
            }
            w->fitTo(QRect(0, 0, 1366, 768));
            w->layout()->activate();
            QCoreApplication::sendPostedEvents();
            QVERIFY(w->height() <= 768);
            auto* body = find<QScrollArea>(w, "bodyArea");
            const QRect sight = body->viewport()->rect();
            QStringList seen;
            for (QWidget* control : body->widget()->findChildren<QWidget*>()) {
                if (!control->isVisible() ||
                    !(qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                      qobject_cast<QAbstractItemView*>(control) || qobject_cast<Spinner*>(control))) {
                    continue;
                }
                const QRect at(control->mapTo(body->viewport(), QPoint(0, 0)), control->size());
                QVERIFY2(sight.contains(at),
                         qPrintable(QStringLiteral("mode %1: %2 at %3,%4 %5x%6 out of %7x%8")
                                        .arg(mode)
                                        .arg(control->objectName())
                                        .arg(at.x())
                                        .arg(at.y())
                                        .arg(at.width())
                                        .arg(at.height())
                                        .arg(sight.width())
                                        .arg(sight.height())));
                seen.append(control->objectName());
            }
            QVERIFY(seen.contains(mode == 2 ? "applyTemplateButton" : "preBell2SoundButton"));
            QVERIFY(find<QPushButton>(w, "alarmStop")->isVisible());
        }
    }

    void secondCopyEndsAndReadsNothing() {
        WindowFixture f;
        f.fakes.instanceGuard.copies = 2;
        auto* w = f.load();
        QCOMPARE(f.fakes.instanceGuard.signals_, 1);
        QCOMPARE(f.quits, 1);
        QVERIFY(!w->isVisible());
        QVERIFY(!find<SecondTimer>(w, "screenClock")->isEnabled());
        QCOMPARE(f.fakes.mixer.opens, 0);
        QVERIFY(!f.folder.hasData("data.ini"));
    }

    // A later copy's "show" brings the first copy's window back, also from minimised or hidden.
    void showRequestBringsTheWindowBack() {
        WindowFixture f;
        auto* w = f.load();
        QVERIFY(f.fakes.instanceGuard.showHandler);
        w->showMinimized();
        // Called on the guard's thread, shown on the window's: the request is queued there.
        f.fakes.instanceGuard.showHandler();
        QCoreApplication::sendPostedEvents();
        QVERIFY(w->isVisible());
        QVERIFY(!w->isMinimized());
        w->hide();
        f.fakes.instanceGuard.showHandler();
        QCoreApplication::sendPostedEvents();
        QVERIFY(w->isVisible());
    }

    // A step that throws, on the window's thread with everything it calls.
    void failingStepShowsThePairAndStops() {
        WindowFixture f(WindowFixture::OnThisThread);
        f.folder.writeData("exit.ini", " 0 \r\n 9 \r\n 15 \r\n");
        ThrowingMixer mixer;
        Ports ports = f.fakes.ports();
        ports.mixer = &mixer;
        auto* w = f.create(ports);
        w->startUp();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), (QStringList{"Error Number : ", "Device not available"}));
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString());
        QVERIFY(w->isVisible());
        QCOMPARE(f.bells().powerOffBooking().hour, 9);  // what ran before stays
        QVERIFY(!find<SecondTimer>(w, "screenClock")->isEnabled());
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString());
        QVERIFY(!f.folder.hasData("data.ini"));
    }

    // The close button keeps the bells: the window goes to the tray with the service running. The
    // end of the desktop session ends the program without unmuting; the two "Exit"s unmute first.
    void exits() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QVERIFY(!w->close());
        QCOMPARE(f.quits, 0);
        QCOMPARE(f.bells().serviceRunning(), 1);
        QVERIFY(w->isInTray() && !w->isVisible());
        QVERIFY(!f.folder.readData("ring.log").contains("Corvalin ended"));

        f.fakes.mixer.muted = true;
        QEvent sessionEnds(QEvent::Quit);  // how the session manager's "die" reaches the program
        QCoreApplication::sendEvent(QCoreApplication::instance(), &sessionEnds);
        f.settle();
        QCOMPARE(f.quits, 1);
        QVERIFY(f.fakes.mixer.muted);
        QVERIFY(f.folder.readData("ring.log").contains("Corvalin ended: the desktop session ended"));

        w->onTrayExitTriggered();
        f.settle();
        QCOMPARE(f.quits, 2);
        QVERIFY(!f.fakes.mixer.muted);

        f.fakes.mixer.muted = true;
        w->onExitClicked();
        f.settle();
        QCOMPARE(f.quits, 3);
        QVERIFY(!f.fakes.mixer.muted);
    }

    void menuStripExitIsAClick() {
        WindowFixture f;
        auto* w = f.load();
        QTest::mouseClick(find<QLabel>(w, "exitEntry"), Qt::LeftButton);
        QCOMPARE(f.quits, 1);
    }

    void controlsCarryTheirNames() {
        WindowFixture f;
        auto* w = f.load();
        const QStringList names{"startButton",
                                "stopButton",
                                "soundList",
                                "bellTimeList",
                                "noRingsBox",
                                "daySelector",
                                "shownDayBox",
                                "dayNameBox",
                                "autoStartBox",
                                "silentBox",
                                "repeatBellBox",
                                "timeSyncBox",
                                "powerOffBox",
                                "intervalModeButton",
                                "manualModeButton",
                                "weekModeButton",
                                "eachDayModeButton",
                                "startHourBox",
                                "startMinuteBox",
                                "endHourBox",
                                "endMinuteBox",
                                "workMinutesBox",
                                "restMinutesBox",
                                "startHourSpin",
                                "startMinuteSpin",
                                "endHourSpin",
                                "endMinuteSpin",
                                "workSpin",
                                "restSpin",
                                "startBellSoundBox",
                                "endBellSoundBox",
                                "startBellSoundButton",
                                "endBellSoundButton",
                                "preBell1Box",
                                "preBell1MinutesBox",
                                "preBell1Spin",
                                "preBell1SoundBox",
                                "preBell1SoundButton",
                                "preBell2Box",
                                "preBell2MinutesBox",
                                "preBell2Spin",
                                "preBell2SoundBox",
                                "preBell2SoundButton",
                                "inputHourBox",
                                "inputMinuteBox",
                                "inputHourSpin",
                                "inputMinuteSpin",
                                "addTimeButton",
                                "deleteTimeButton",
                                "changeSoundButton",
                                "deleteAllButton",
                                "applyTemplateButton",
                                "clockText",
                                "dateText",
                                "stateText",
                                "stateColor",
                                "todayList",
                                "nextBell",
                                "nextBellSound",
                                "ringNowButton",
                                "stopBellButton",
                                "soundCardFrame",
                                "soundCardText",
                                "setSoundCardButton",
                                "titleText",
                                "titleStrip",
                                "menuStrip",
                                "minimizeButton",
                                "trayButton",
                                "exitEntry",
                                "infoEntry",
                                "helpEntry",
                                "countdownEntry",
                                "bellCountEntry",
                                "trayMenu"};
        for (const QString& name : names) {
            QVERIFY2(w->findChild<QObject*>(name) != nullptr, qPrintable(name));
        }
        QCOMPARE(w->objectName(), QString("main"));
        QVERIFY(find<AutoModeForm>(w, "autoModeForm")->findChild<QRadioButton*>("windowModeButton"));
        QCOMPARE(find<AutoModeForm>(w, "autoModeForm")->windowTitle(), QString("Auto execution방법"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
