// Starting and stopping the bell service from the window: the refusals in their order, the
// lock of the window, today's bells, the next bell, and the day change.
#include <QAction>
#include <QtTest>

#include "core/base/secondtimer.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

// An "Auto interval", "Apply week" window with a sound selected and the design's example day.
MainWindow* intervalWindow(WindowFixture& f) {
    f.folder.addSound("bell.wav");
    f.writeOptions(1, 1, 0);
    f.folder.writeData(
        "adata.ini",
        "9\r\n0\r\n12\r\n0\r\n50\r\n10\r\nstart.wav\r\nend.wav\r\n 1 \r\n5\r\npre1.wav\r\n 1 \r\n5\r\n"
        "pre2.wav\r\n");
    return f.load();
}

}  // namespace

class TestService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void intervalStartBuildsTheDay() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 50, 30));
        auto* w = intervalWindow(f);
        w->onStartClicked();
        f.settle();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("ON"));
        QCOMPARE(find<QLabel>(w, "stateColor")->palette().color(QPalette::Window), QColor(255, 183, 185));
        QCOMPARE(f.bells().bellCount(), 13);
        QCOMPARE(f.bells().dayBellCount(), 7);
        QCOMPARE(f.list("todayList"), (QStringList{"09hr00min", "09hr50min", "10hr00min", "10hr50min",
                                                   "11hr00min", "11hr50min", "12hr00min"}));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("09hr 00min"));
        QCOMPARE(find<QLabel>(w, "nextBellSound")->text(), QString("start.wav"));
        QVERIFY(find<QLabel>(w, "bellCountEntry")->isEnabled());
        QCOMPARE(f.bells().startMinute(), 540);
        QCOMPARE(f.bells().endMinute(), 720);
        QCOMPARE(f.bells().lastMinute(), 50);
        // The interval settings and the options are stored.
        QVERIFY(f.folder.readData("adata.ini").startsWith("9\r\n0\r\n12\r\n"));
        QVERIFY(f.folder.readData("data.ini").startsWith(" 0 \r\n 0 \r\n 1 \r\n 1 \r\n"));
    }

    void intervalRefusalsInOrder_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("end minute empty") << "endMinuteBox"
                                          << ""
                                          << "Please input exit minute";
        QTest::newRow("start hour 24") << "startHourBox"
                                       << "24"
                                       << "(Start Hour)Please input digit between 0 and 23";
        QTest::newRow("work not a number") << "workMinutesBox"
                                           << "x"
                                           << "(Work time)must over 1 minute";
        QTest::newRow("pre-bell 0") << "preBell2MinutesBox"
                                    << "0"
                                    << "(Alarm before end bell time)Please input digit between 1 and 99.";
        QTest::newRow("pre-bells too long")
            << "preBell1MinutesBox"
            << "45"
            << "Sum of [Alarm after start bell time minute] and [Alarm before end "
               "bell minute] is must not over work time.";
        QTest::newRow("no room") << "endHourBox"
                                 << "10"
                                 << "Start time and end time is must over sum of work time and rest time.";
    }
    void intervalRefusalsInOrder() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        WindowFixture f;
        auto* w = intervalWindow(f);
        w->findChild<QLineEdit*>(box)->setText(text);
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{message});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.bells().serviceRunning(), 0);
        QVERIFY(find<ImageButton>(w, "startButton")->isEnabled());
        QVERIFY(find<QRadioButton>(w, "intervalModeButton")->isEnabled());
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
        QVERIFY(find<QListWidget>(w, "todayList")->count() == 0);
    }

    void soundFolderChecksComeFirst() {
        WindowFixture f;
        f.writeOptions(1, 1);
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts().size(), 1);
        QVERIFY(f.fakes.dialogs.texts().first().endsWith("/sound folder must over one sound file"));

        f.folder.addSound("Bell.WAV");
        f.folder.addFile("sound/notes.txt");
        w->sounds()->fillSoundList();
        f.settle();
        w->onStartClicked();
        f.settle();
        QVERIFY(f.fakes.dialogs.texts().last().startsWith(
            "Add Only wave file to sound folder. Please, delete non wave file from\n"));
        QVERIFY(f.fakes.dialogs.texts().last().endsWith("/sound."));

        QFile::remove(f.folder.path() + "/sound/notes.txt");
        w->sounds()->fillSoundList();
        f.settle();
        w->onStartClicked();  // Bell.WAV counts as a wave file; now the selection is missing
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts().last(), QString("Please select bell sound"));
    }

    void lockAndUnlock() {
        WindowFixture f;
        auto* w = intervalWindow(f);
        w->onStartClicked();
        f.settle();
        for (const char* name : {"startButton",
                                 "setSoundCardButton",
                                 "addTimeButton",
                                 "deleteTimeButton",
                                 "deleteAllButton",
                                 "changeSoundButton",
                                 "applyTemplateButton",
                                 "startBellSoundButton",
                                 "endBellSoundButton",
                                 "preBell1SoundButton",
                                 "preBell2SoundButton",
                                 "soundList",
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
                                 "inputHourBox",
                                 "inputMinuteBox",
                                 "inputHourSpin",
                                 "inputMinuteSpin",
                                 "intervalModeButton",
                                 "manualModeButton",
                                 "weekModeButton",
                                 "eachDayModeButton",
                                 "noRingsBox",
                                 "daySelector",
                                 "preBell1Box",
                                 "preBell1MinutesBox",
                                 "preBell1SoundBox",
                                 "preBell2Box",
                                 "preBell2MinutesBox",
                                 "preBell2SoundBox",
                                 "preBell1Spin",
                                 "preBell2Spin",
                                 "startBellSoundBox",
                                 "endBellSoundBox"}) {
            QVERIFY2(!w->findChild<QWidget*>(name)->isEnabled(), name);
        }
        QCOMPARE(find<ImageButton>(w, "startButton")->currentPicture(), QString("start2.gif"));
        QCOMPARE(find<ImageButton>(w, "applyTemplateButton")->currentPicture(),
                 QString("applyTempletDis.gif"));
        QCOMPARE(find<ImageButton>(w, "preBell2SoundButton")->currentPicture(), QString("apply2.gif"));
        QVERIFY(find<ImageButton>(w, "stopButton")->isEnabled());
        QVERIFY(find<QCheckBox>(w, "powerOffBox")->isEnabled());

        f.fakes.mixer.muted = true;
        w->onStopClicked();
        f.settle();
        QCOMPARE(f.bells().serviceRunning(), 0);
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
        QCOMPARE(find<QListWidget>(w, "todayList")->count(), 0);
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString());
        QCOMPARE(find<QLabel>(w, "nextBellSound")->text(), QString());
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!f.ringer().muteTimer()->isEnabled());
        QVERIFY(!find<QLabel>(w, "bellCountEntry")->isEnabled());
        QCOMPARE(find<ImageButton>(w, "startButton")->currentPicture(), QString("start.gif"));
        QCOMPARE(find<ImageButton>(w, "addTimeButton")->currentPicture(), QString("TimeAdd.gif"));
        for (const char* name :
             {"startButton", "soundList", "workMinutesBox", "eachDayModeButton", "inputHourBox",
              "preBell1Box", "addTimeButton", "applyTemplateButton", "setSoundCardButton"}) {
            QVERIFY2(w->findChild<QWidget*>(name)->isEnabled(), name);
        }
        // "Apply week": the day selector and "No rings" stay disabled.
        QVERIFY(!find<Spinner>(w, "daySelector")->isEnabled());
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        // The ring table is kept.
        QCOMPARE(f.bells().bellCount(), 13);
        w->onStopClicked();  // a second stop changes nothing visible
        f.settle();
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
    }

    // The start button's picture says "Start": a button with that caption shows it, one with
    // another caption draws its own on the picture's faces, wider if it must, and one without
    // the faces shows plain text rather than the picture's English.
    void startPictureWithAnotherCaption() {
        const QString img = QStringLiteral(CORVALIN_SOURCE_DIR "/assets/img");
        auto iconOf = [](const ImageButton& b) {
            return b.icon().pixmap(b.iconSize()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage baked = QImage(img + "/start.gif").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage face = QImage(img + "/face/start.gif").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(!baked.isNull() && !face.isNull());

        ImageButton english("Start", img, "start.gif", "start1.gif", "start2.gif");
        QCOMPARE(iconOf(english), baked);

        ImageButton german("Starten", img, "start.gif", "start1.gif", "start2.gif");
        german.show();
        QVERIFY(german.text().isEmpty());
        const QImage drawn = iconOf(german);
        QCOMPARE(drawn.size(), baked.size());
        QVERIFY(drawn != baked);
        QVERIFY(drawn != face);
        QVERIFY(german.grab().toImage() != english.grab().toImage());
        QTest::mousePress(&german, Qt::LeftButton);
        QVERIFY(iconOf(german) != drawn);  // the pressed face
        QTest::mouseRelease(&german, Qt::LeftButton);
        QCOMPARE(iconOf(german), drawn);

        const QString lengthy = "Unterrichtsbeginn jetzt starten";
        ImageButton wide(lengthy, img, "start.gif", "start1.gif");
        QFont smallest("DejaVu Sans");
        smallest.setBold(true);
        smallest.setPixelSize(8);
        QVERIFY(wide.iconSize().width() > baked.width());
        QVERIFY(wide.width() >= QFontMetrics(smallest).horizontalAdvance(lengthy));

        QTemporaryDir noFaces;
        QVERIFY(QFile::copy(img + "/start.gif", noFaces.path() + "/start.gif"));
        QVERIFY(QFile::copy(img + "/captions.json", noFaces.path() + "/captions.json"));
        ImageButton plain("Starten", noFaces.path(), "start.gif", "start1.gif");
        QVERIFY(plain.icon().isNull());
        QCOMPARE(plain.text(), QString("Starten"));
    }

    void manualStart() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 50, 30));
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1);
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n08hr 50min/b.wav\r\n09hr 40min/c.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"08hr00min", "08hr50min", "09hr40min"}));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("09hr 40min"));
        QCOMPARE(find<QLabel>(w, "nextBellSound")->text(), QString("c.wav"));
        // After the last bell, "Apply week" shows the first bell of the list.
        f.fakes.clock.set(at(9, 41, 0));
        w->askNextBell();
        f.settle();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("08hr 00min"));
        QCOMPARE(find<QLabel>(w, "nextBellSound")->text(), QString("a.wav"));

        // The ring log tells the day: the start, the service and how the program ended.
        w->onStopClicked();
        f.settle();
        w->onExitClicked();
        f.settle();
        const QByteArray log = f.folder.readData("ring.log");
        QStringList notes;
        for (const QByteArray& line : log.split('\n')) {
            notes.append(QString::fromUtf8(line.mid(24)).trimmed());
        }
        notes.removeAll(QString());
        QCOMPARE(notes, (QStringList{"Corvalin started in " + f.folder.path(),
                                     "the bell service started: 3 bells today", "the bell service stopped",
                                     "Corvalin ended: Exit in the menu strip"}));
    }

    void manualRefusesAnEmptyWeekButNotAnEmptyDay() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1);
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"nothing added time. please add time."});
        QCOMPARE(f.bells().serviceRunning(), 0);

        WindowFixture g;
        g.folder.addSound("a.wav");
        g.writeOptions(2, 2);
        auto* v = g.load();
        v->onStartClicked();
        QVERIFY(g.fakes.dialogs.messages.isEmpty());
        QCOMPARE(g.bells().serviceRunning(), 1);
        QCOMPARE(find<QLabel>(v, "nextBell")->text(), QString("NEXT DAY"));
    }

    void noRingsStartsWithNothingAndForgetsYesterday() {
        WindowFixture f;
        f.fakes.clock.set(at(7, 0, 0));
        f.folder.addSound("a.wav");
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_2.ini", " 0 \r\n08hr 00min/a.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("08hr 00min"));
        w->onStopClicked();
        f.settle();
        find<QCheckBox>(w, "noRingsBox")->setChecked(true);
        w->onStartClicked();
        f.settle();
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("ON"));
        QCOMPARE(find<QListWidget>(w, "todayList")->count(), 0);
        QCOMPARE(f.bells().bellCount(), 0);
        QCOMPARE(f.bells().dayBellCount(), 0);
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("NEXT DAY"));
    }

    // "Set each day": the start moves the day selector to today, saving the day shown before.
    void startMovesTheSelectorToToday() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 2, 0);
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(4);
        find<QListWidget>(w, "bellTimeList")->addItem("10hr 00min/a.wav");
        w->onStartClicked();
        f.settle();
        QCOMPARE(find<Spinner>(w, "daySelector")->value(), 2);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Monday"));
        QCOMPARE(f.folder.readData("mdata_4.ini"), QByteArray(" 0 \r\n10hr 00min/a.wav\r\n"));
    }

    void dayChangeRestartsTheServiceForTheNewDay() {
        WindowFixture f;
        f.fakes.clock.set(at(23, 59, 58));
        f.folder.addSound("a.wav");
        f.writeOptions(2, 2, 0);
        f.folder.writeData("mdata_2.ini", " 0 \r\n23hr 00min/a.wav\r\n");
        f.folder.writeData("mdata_3.ini", " 0 \r\n00hr 00min/a.wav\r\n07hr 30min/a.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.list("todayList"), QStringList{"23hr00min"});
        f.fakes.clock.set(at(0, 0, 0, 8));  // Tuesday
        f.tick();
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Tuesday"));
        QCOMPARE(f.list("todayList"), (QStringList{"00hr00min", "07hr30min"}));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("07hr 30min"));
        // The new day's controls are shown, and locked while its bells run.
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        QVERIFY(!find<Spinner>(w, "daySelector")->isEnabled());
        QVERIFY(f.fakes.bell.plays.isEmpty());
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
    }

    void autoExecutionStartsTheService() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.writeData("data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n");
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("ON"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void autoExecutionWithAFailingStartShowsItsMessage() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.writeData("data.ini", " 1 \r\n-1 \r\n 1 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n");
        auto* w = f.load();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"Please select bell sound"});
        QCOMPARE(f.bells().serviceRunning(), 0);
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
    }

    // "Auto interval" with "Set each day": at midnight the service starts again with the new
    // day's own settings.
    void intervalDayChangeLoadsTheNewDay() {
        WindowFixture f;
        f.fakes.clock.set(at(23, 59, 58));  // Monday
        f.folder.addSound("a.wav");
        f.writeOptions(1, 2, 0);
        f.folder.writeData("adata_2.ini", "9\r\n0\r\n10\r\n0\r\n50\r\n5\r\n 0 \r\nm.wav\r\nm.wav\r\n");
        f.folder.writeData("adata_3.ini", "7\r\n30\r\n8\r\n30\r\n40\r\n10\r\n 0 \r\nt.wav\r\nt.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"09hr00min", "09hr50min", "09hr55min"}));
        f.fakes.clock.set(at(0, 0, 0, 8));
        f.tick();
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Tuesday"));
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("7"));
        QCOMPARE(f.list("todayList"), (QStringList{"07hr30min", "08hr10min", "08hr20min"}));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("07hr 30min"));
        QCOMPARE(find<QLabel>(w, "nextBellSound")->text(), QString("t.wav"));
        // Monday's settings were stored as they were on screen, Tuesday's untouched.
        QVERIFY(f.folder.readData("adata_2.ini").startsWith("9\r\n0\r\n10\r\n"));
        QVERIFY(f.folder.readData("adata_3.ini").startsWith("7\r\n30\r\n8\r\n"));
    }

    // Stopped in "Set each day": the day selector and "No rings" come back.
    void stopInSetEachDay() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 2, 0);
        f.folder.writeData("mdata_2.ini", " 0 \r\n08hr 00min/a.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QVERIFY(!find<Spinner>(w, "daySelector")->isEnabled());
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        w->onStopClicked();
        f.settle();
        QVERIFY(find<Spinner>(w, "daySelector")->isEnabled());
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isEnabled());
        QVERIFY(find<QRadioButton>(w, "weekModeButton")->isEnabled());
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
        // And the day can be edited again: a move stores today's list and shows the next day.
        find<Spinner>(w, "daySelector")->downArrow();
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Tuesday"));
        QCOMPARE(f.folder.readData("mdata_2.ini"), QByteArray(" 0 \r\n08hr 00min/a.wav\r\n"));
    }
};

QTEST_MAIN(TestService)
#include "test_service.moc"
