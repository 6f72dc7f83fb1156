// The settings files as the window reads and writes them: exact bytes, round trips,
// the value rules of the options file, and missing, short or malformed files.
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "app/automodeform.h"
#include "windowfixture.h"

class TestSettingsFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionsBytes() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addSound("b.wav");
        f.writeOptions(1, 2, 1);
        auto* w = f.load();
        find<QCheckBox>(w, "repeatBellBox")->setChecked(true);
        find<QCheckBox>(w, "timeSyncBox")->setChecked(true);
        QCOMPARE(f.folder.readData("data.ini"), QByteArray(" 0 \r\n 1 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n"));
        find<AutoModeForm>(w, "autoModeForm")->trayModeButton->setChecked(true);
        find<QCheckBox>(w, "silentBox")->setChecked(true);
        QCOMPARE(f.folder.readData("data.ini"), QByteArray(" 0 \r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n"));
    }

    void noSoundSelectedIsMinusOne() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        auto* w = f.load();
        QCOMPARE(find<QListWidget>(w, "soundList")->currentRow(), 0);
        find<QListWidget>(w, "soundList")->clearSelection();
        w->saveOptions();
        f.settle();
        QVERIFY(f.folder.readData("data.ini").startsWith(" 0 \r\n-1 \r\n"));
        // Loading -1 clears the selection.
        WindowFixture g;
        g.folder.addSound("a.wav");
        g.writeOptions(2, 1, -1);
        QVERIFY(find<QListWidget>(g.load(), "soundList")->selectedItems().isEmpty());
    }

    // The position is stored, not the name: a stale index leaves the selection alone.
    void staleSoundIndex() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addSound("b.wav");
        f.writeOptions(2, 1, 2);
        QVERIFY(find<QListWidget>(f.load(), "soundList")->selectedItems().isEmpty());
        WindowFixture g;
        g.folder.addSound("a.wav");
        g.folder.addSound("b.wav");
        g.writeOptions(2, 1, 1);
        QCOMPARE(find<QListWidget>(g.load(), "soundList")->currentItem()->text(), QString("b.wav"));
    }

    void onlyOneSelectsTheFirstChoice_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("interval");
        QTest::addColumn<bool>("week");
        QTest::addColumn<bool>("monitor");
        QTest::newRow("all ones") << QByteArray(" 0 \r\n-1 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n") << true
                                  << true << true;
        QTest::newRow("zeros") << QByteArray(" 0 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n") << false
                               << false << false;
        QTest::newRow("seven") << QByteArray(" 0 \r\n-1 \r\n 7 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n") << false
                               << true << true;
    }
    void onlyOneSelectsTheFirstChoice() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, interval);
        QFETCH(bool, week);
        QFETCH(bool, monitor);
        WindowFixture f;
        f.folder.writeData("data.ini", bytes);
        auto* w = f.load();
        QCOMPARE(find<QRadioButton>(w, "intervalModeButton")->isChecked(), interval);
        QCOMPARE(find<QRadioButton>(w, "manualModeButton")->isChecked(), !interval);
        QCOMPARE(find<QRadioButton>(w, "weekModeButton")->isChecked(), week);
        QCOMPARE(find<QRadioButton>(w, "eachDayModeButton")->isChecked(), !week);
        QCOMPARE(find<AutoModeForm>(w, "autoModeForm")->windowModeButton->isChecked(), monitor);
        QCOMPARE(find<AutoModeForm>(w, "autoModeForm")->trayModeButton->isChecked(), !monitor);
        QVERIFY(f.fakes.dialogs.messages.isEmpty());  // restoring shows no help
        QCOMPARE(w->loadPhase(), 2);
    }

    void weekTimesRoundTrip() {
        WindowFixture f;
        f.folder.addSound("my bell.wav");
        const QByteArray bytes("07hr 05min/my bell.wav\r\n08hr 50min/b.wav\r\n");
        f.folder.writeData("mdata.ini", bytes);
        f.writeOptions(2, 1);
        auto* w = f.load();
        QCOMPARE(f.list("bellTimeList"), (QStringList{"07hr 05min/my bell.wav", "08hr 50min/b.wav"}));
        w->saveWeekTimes();
        f.settle();
        QCOMPARE(f.folder.readData("mdata.ini"), bytes);
    }

    void dayTimesFollowWhich() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_3.ini", " 1 \r\n09hr 00min/x.wav\r\n");
        auto* w = f.load();
        find<QLineEdit>(w, "shownDayBox")->setText("3");
        find<Spinner>(w, "daySelector")->blockSignals(true);
        find<Spinner>(w, "daySelector")->setValue(4);
        find<Spinner>(w, "daySelector")->blockSignals(false);
        find<QCheckBox>(w, "noRingsBox")->setChecked(true);
        find<QListWidget>(w, "bellTimeList")->clear();
        find<QListWidget>(w, "bellTimeList")->addItem("10hr 00min/y.wav");
        w->saveDayTimes(2);
        f.settle();
        QCOMPARE(f.folder.readData("mdata_3.ini"), QByteArray(" 1 \r\n10hr 00min/y.wav\r\n"));
        QVERIFY(!f.folder.hasData("mdata_4.ini"));
        find<QCheckBox>(w, "noRingsBox")->setChecked(false);
        w->saveDayTimes(1);
        f.settle();
        QCOMPARE(f.folder.readData("mdata_4.ini"), QByteArray(" 0 \r\n10hr 00min/y.wav\r\n"));
    }

    void templateDaysKeepTheNoRingsLine() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_12.ini", " 1 \r\n06hr 00min/t.wav\r\n");
        auto* w = f.load();
        find<Spinner>(w, "daySelector")->setValue(12);
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("templet5"));
        QCOMPARE(f.list("bellTimeList"), QStringList{"06hr 00min/t.wav"});
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isChecked());
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isEnabled());
        w->saveDayTimes(1);
        f.settle();
        QCOMPARE(f.folder.readData("mdata_12.ini"), QByteArray(" 1 \r\n06hr 00min/t.wav\r\n"));
    }

    void intervalFilesWeekAndDay() {
        WindowFixture f;
        f.writeOptions(1, 1);
        auto* w = f.load();
        find<QLineEdit>(w, "startHourBox")->setText("08");
        find<QLineEdit>(w, "workMinutesBox")->setText("45");
        find<QLineEdit>(w, "startBellSoundBox")->setText("start bell.wav");
        find<QLineEdit>(w, "endBellSoundBox")->setText("end.wav");
        find<QCheckBox>(w, "preBell2Box")->setChecked(true);
        find<QLineEdit>(w, "preBell2MinutesBox")->setText("");
        find<QLineEdit>(w, "preBell2SoundBox")->setText("pre.wav");
        w->saveWeekInterval();
        f.settle();
        const QByteArray week = f.folder.readData("adata.ini");
        QCOMPARE(week, QByteArray("08\r\n0\r\n23\r\n0\r\n45\r\n10\r\nstart bell.wav\r\nend.wav\r\n 0 \r\n1\r\n\r\n"
                                  " 1 \r\n\r\npre.wav\r\n"));
        find<QLineEdit>(w, "shownDayBox")->setText("5");
        find<QCheckBox>(w, "noRingsBox")->setChecked(true);
        w->saveDayInterval(2);
        f.settle();
        QCOMPARE(f.folder.readData("adata_5.ini"),
                 QByteArray("08\r\n0\r\n23\r\n0\r\n45\r\n10\r\n 1 \r\nstart bell.wav\r\nend.wav\r\n 0 \r\n1\r\n\r\n"
                            " 1 \r\n\r\npre.wav\r\n"));
        // Read back into fresh controls.
        find<QLineEdit>(w, "startHourBox")->setText("x");
        find<QLineEdit>(w, "startBellSoundBox")->clear();
        find<QCheckBox>(w, "preBell2Box")->setChecked(false);
        w->loadWeekInterval();
        f.settle();
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("08"));
        QCOMPARE(find<QLineEdit>(w, "startBellSoundBox")->text(), QString("start bell.wav"));
        QVERIFY(find<QCheckBox>(w, "preBell2Box")->isChecked());
        QCOMPARE(find<QLineEdit>(w, "preBell2MinutesBox")->text(), QString(""));
    }

    void missingShortAndMalformedFilesTakeDefaults() {
        WindowFixture f;
        f.writeOptions(1, 2);
        // Day file cut short after the work time, with garbage in the "No rings" place.
        f.folder.writeData("adata_1.ini", "7\r\n30\r\n15\r\n0\r\n40\r\n");
        f.folder.writeData("adata_2.ini", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nyes\r\n");
        auto* w = f.load();
        find<QLineEdit>(w, "startHourBox")->setText("junk");
        find<QLineEdit>(w, "startBellSoundBox")->setText("junk");
        find<Spinner>(w, "daySelector")->blockSignals(true);
        find<Spinner>(w, "daySelector")->setValue(1);
        find<Spinner>(w, "daySelector")->blockSignals(false);
        w->loadDayInterval();
        f.settle();
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("7"));
        QCOMPARE(find<QLineEdit>(w, "workMinutesBox")->text(), QString("40"));
        QCOMPARE(find<QLineEdit>(w, "restMinutesBox")->text(), QString("10"));
        QCOMPARE(find<QLineEdit>(w, "startBellSoundBox")->text(), QString());
        QCOMPARE(find<QLineEdit>(w, "preBell1MinutesBox")->text(), QString("1"));
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isChecked());
        find<Spinner>(w, "daySelector")->blockSignals(true);
        find<Spinner>(w, "daySelector")->setValue(3);  // no file at all
        find<Spinner>(w, "daySelector")->blockSignals(false);
        w->loadDayInterval();
        f.settle();
        QCOMPARE(find<QLineEdit>(w, "startHourBox")->text(), QString("5"));
        QCOMPARE(find<QLineEdit>(w, "endHourBox")->text(), QString("23"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void savesLeaveNoTemporaryFiles() {
        WindowFixture f;
        auto* w = f.load();
        for (int i = 0; i < 5; ++i) {
            w->saveOptions();
            f.settle();
            w->saveWeekTimes();
            f.settle();
            w->saveWeekInterval();
            f.settle();
        }
        const QStringList files = QDir(f.folder.path() + "/data").entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, (QStringList{"adata.ini", "data.ini", "mdata.ini", "ring.log"}));
    }

    // A file standing where data/ should be: no save can be written, even as root. Each failed
    // save is reported, the window goes on, and what is on screen is stored by the next save that
    // can be written.
    void anUnwritableDataFolderDoesNotStopTheWindow() {
        WindowFixture f;
        f.folder.addFile("data", "not a folder");
        auto* w = f.create();
        QSignalSpy failed(&f.services->store(), &SettingsStore::saveFailed);
        w->startUp();
        f.settle();
        QCOMPARE(find<QLabel>(w, "stateText")->text(), QString("OFF"));
        QVERIFY(!failed.isEmpty());
        QCOMPARE(failed.last().first().toString(), QString("data.ini"));
        find<QCheckBox>(w, "repeatBellBox")->setChecked(true);
        QVERIFY(find<ImageButton>(w, "stopBellButton")->isVisible());
        QFile::remove(f.folder.path() + "/data");
        w->saveOptions();
        f.settle();
        QCOMPARE(f.folder.readData("data.ini"), QByteArray(" 0 \r\n-1 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n"));
    }
};

QTEST_MAIN(TestSettingsFiles)
#include "test_settingsfiles.moc"
