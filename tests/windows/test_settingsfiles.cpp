// The settings files as the window reads and writes them: exact bytes, round trips,
// the value rules of the options file, and missing, short or malformed files.
#include <QDir>
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
        w->bellRepeat->setChecked(true);
        w->chkTimeSync->setChecked(true);  // not saved by itself
        QCOMPARE(f.folder.readData("data.ini"), QByteArray(" 0 \r\n 1 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n"));
        w->isAutoModeForm->isAutoMode2->setChecked(true);
        w->sound_zero->setChecked(true);
        QCOMPARE(f.folder.readData("data.ini"), QByteArray(" 0 \r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n"));
    }

    void noSoundSelectedIsMinusOne() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        auto* w = f.load();
        QCOMPARE(w->File1->currentRow(), 0);
        w->File1->clearSelection();
        w->SaveOptions();
        QVERIFY(f.folder.readData("data.ini").startsWith(" 0 \r\n-1 \r\n"));
        // Loading -1 clears the selection.
        WindowFixture g;
        g.folder.addSound("a.wav");
        g.writeOptions(2, 1, -1);
        QVERIFY(g.load()->File1->selectedItems().isEmpty());
    }

    // The position is stored, not the name: a stale index leaves the selection alone.
    void staleSoundIndex() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addSound("b.wav");
        f.writeOptions(2, 1, 2);
        QVERIFY(f.load()->File1->selectedItems().isEmpty());
        WindowFixture g;
        g.folder.addSound("a.wav");
        g.folder.addSound("b.wav");
        g.writeOptions(2, 1, 1);
        QCOMPARE(g.load()->File1->currentItem()->text(), QString("b.wav"));
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
        QCOMPARE(w->Option1->isChecked(), interval);
        QCOMPARE(w->Option2->isChecked(), !interval);
        QCOMPARE(w->Option3->isChecked(), week);
        QCOMPARE(w->Option4->isChecked(), !week);
        QCOMPARE(w->isAutoModeForm->isAutoMode1->isChecked(), monitor);
        QCOMPARE(w->isAutoModeForm->isAutoMode2->isChecked(), !monitor);
        QVERIFY(f.fakes.dialogs.messages.isEmpty());  // restoring shows no help
        QCOMPARE(w->loadPhase, 2);
    }

    void weekTimesRoundTrip() {
        WindowFixture f;
        f.folder.addSound("my bell.wav");
        const QByteArray bytes("07hr 05min/my bell.wav\r\n08hr 50min/b.wav\r\n");
        f.folder.writeData("mdata.ini", bytes);
        f.writeOptions(2, 1);
        auto* w = f.load();
        QCOMPARE(f.list(w->AddTimeList), (QStringList{"07hr 05min/my bell.wav", "08hr 50min/b.wav"}));
        w->SaveWeekTimes();
        QCOMPARE(f.folder.readData("mdata.ini"), bytes);
    }

    void dayTimesFollowWhich() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_3.ini", " 1 \r\n09hr 00min/x.wav\r\n");
        auto* w = f.load();
        w->pre_day->setText("3");
        w->VScroll9->blockSignals(true);
        w->VScroll9->setValue(4);
        w->VScroll9->blockSignals(false);
        w->nobell->setChecked(true);
        w->AddTimeList->clear();
        w->AddTimeList->addItem("10hr 00min/y.wav");
        w->SaveDayTimes(2);
        QCOMPARE(f.folder.readData("mdata_3.ini"), QByteArray(" 1 \r\n10hr 00min/y.wav\r\n"));
        QVERIFY(!f.folder.hasData("mdata_4.ini"));
        w->nobell->setChecked(false);
        w->SaveDayTimes(1);
        QCOMPARE(f.folder.readData("mdata_4.ini"), QByteArray(" 0 \r\n10hr 00min/y.wav\r\n"));
    }

    void templateDaysKeepTheNoRingsLine() {
        WindowFixture f;
        f.writeOptions(2, 2);
        f.folder.writeData("mdata_12.ini", " 1 \r\n06hr 00min/t.wav\r\n");
        auto* w = f.load();
        w->VScroll9->setValue(12);
        QCOMPARE(w->reg_day->text(), QString("templet5"));
        QCOMPARE(f.list(w->AddTimeList), QStringList{"06hr 00min/t.wav"});
        QVERIFY(w->nobell->isChecked());
        QVERIFY(!w->nobell->isEnabled());
        w->SaveDayTimes(1);
        QCOMPARE(f.folder.readData("mdata_12.ini"), QByteArray(" 1 \r\n06hr 00min/t.wav\r\n"));
    }

    void intervalFilesWeekAndDay() {
        WindowFixture f;
        f.writeOptions(1, 1);
        auto* w = f.load();
        w->start_h->setText("08");
        w->worktime->setText("45");
        w->txtStartBellSound->setText("start bell.wav");
        w->txtEndBellSound->setText("end.wav");
        w->ChkPreBell2->setChecked(true);
        w->TxtPreBell2->setText("");
        w->TxtPreBellName2->setText("pre.wav");
        w->SaveWeekInterval();
        const QByteArray week = f.folder.readData("adata.ini");
        QCOMPARE(week, QByteArray("08\r\n0\r\n23\r\n0\r\n45\r\n10\r\nstart bell.wav\r\nend.wav\r\n 0 \r\n1\r\n\r\n"
                                  " 1 \r\n\r\npre.wav\r\n"));
        w->pre_day->setText("5");
        w->nobell->setChecked(true);
        w->SaveDayInterval(2);
        QCOMPARE(f.folder.readData("adata_5.ini"),
                 QByteArray("08\r\n0\r\n23\r\n0\r\n45\r\n10\r\n 1 \r\nstart bell.wav\r\nend.wav\r\n 0 \r\n1\r\n\r\n"
                            " 1 \r\n\r\npre.wav\r\n"));
        // Read back into fresh controls.
        w->start_h->setText("x");
        w->txtStartBellSound->clear();
        w->ChkPreBell2->setChecked(false);
        w->LoadWeekInterval();
        QCOMPARE(w->start_h->text(), QString("08"));
        QCOMPARE(w->txtStartBellSound->text(), QString("start bell.wav"));
        QVERIFY(w->ChkPreBell2->isChecked());
        QCOMPARE(w->TxtPreBell2->text(), QString(""));
    }

    void missingShortAndMalformedFilesTakeDefaults() {
        WindowFixture f;
        f.writeOptions(1, 2);
        // Day file cut short after the work time, with garbage in the "No rings" place.
        f.folder.writeData("adata_1.ini", "7\r\n30\r\n15\r\n0\r\n40\r\n");
        f.folder.writeData("adata_2.ini", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nyes\r\n");
        auto* w = f.load();
        w->start_h->setText("junk");
        w->txtStartBellSound->setText("junk");
        w->VScroll9->blockSignals(true);
        w->VScroll9->setValue(1);
        w->VScroll9->blockSignals(false);
        w->LoadDayInterval();
        QCOMPARE(w->start_h->text(), QString("7"));
        QCOMPARE(w->worktime->text(), QString("40"));
        QCOMPARE(w->resttime->text(), QString("10"));
        QCOMPARE(w->txtStartBellSound->text(), QString());
        QCOMPARE(w->TxtPreBell1->text(), QString("1"));
        QVERIFY(!w->nobell->isChecked());
        w->VScroll9->blockSignals(true);
        w->VScroll9->setValue(3);  // no file at all
        w->VScroll9->blockSignals(false);
        w->LoadDayInterval();
        QCOMPARE(w->start_h->text(), QString("5"));
        QCOMPARE(w->exit_h->text(), QString("23"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void savesLeaveNoTemporaryFiles() {
        WindowFixture f;
        auto* w = f.load();
        for (int i = 0; i < 5; ++i) {
            w->SaveOptions();
            w->SaveWeekTimes();
            w->SaveWeekInterval();
        }
        const QStringList files = QDir(f.folder.path() + "/data").entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, (QStringList{"adata.ini", "data.ini", "mdata.ini"}));
    }

    void aReadOnlyDataFolderDoesNotStopTheWindow() {
        WindowFixture f;
        QDir(f.folder.path()).mkpath("data");
        QFile::setPermissions(f.folder.path() + "/data", QFile::ReadOwner | QFile::ExeOwner);
        auto* w = f.load();
        w->SaveOptions();
        QCOMPARE(w->state->text(), QString("OFF"));
        QFile::setPermissions(f.folder.path() + "/data", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestSettingsFiles)
#include "test_settingsfiles.moc"
