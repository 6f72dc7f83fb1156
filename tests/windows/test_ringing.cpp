// Ringing from the window: the two step orders, the default card's mute and its end, the
// repeat option, the sound pickers, the ring-now button and the dedicated card.
#include <QComboBox>
#include <QtTest>

#include "app/windowtimer.h"
#include "sound/sndselect.h"
#include "windowfixture.h"

namespace {

MainWindow* window(WindowFixture& f, int setTimeMode = 1, int dayMode = 1) {
    f.folder.addSound("a.wav");
    f.folder.addSound("long.wav");
    f.writeOptions(setTimeMode, dayMode, 1);
    auto* w = f.load();
    f.fakes.bell.lengths.insert(w->soundFolder() + "/long.wav", 2500);
    f.fakes.bell.lengths.insert(w->soundFolder() + "/a.wav", 400);
    f.fakes.mixer.history.clear();
    return w;
}

// Runs the mute timer until it stops itself; returns the tick on which it unmuted.
int ticksUntilUnmuted(WindowFixture& f, MainWindow* w) {
    for (int tick = 1; tick <= 10; ++tick) {
        w->sound_zero_count_Timer();
        if (!w->sound_zero_count->isEnabled()) {
            return f.fakes.mixer.muted ? -1 : tick;
        }
    }
    return 0;
}

}  // namespace

class TestRinging : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void muteLastsTheBellsLength() {
        WindowFixture f;
        auto* w = window(f);
        w->sound_zero->setChecked(true);
        w->RingBell("long.wav", BellKind::Scheduled);
        QVERIFY(f.fakes.mixer.muted);
        QCOMPARE(w->bellSeconds, 2);
        QCOMPARE(ticksUntilUnmuted(f, w), 2);

        w->RingBell("long.wav", BellKind::Manual);
        QVERIFY(f.fakes.mixer.muted);
        QCOMPARE(w->bellSeconds, 3);
        QCOMPARE(ticksUntilUnmuted(f, w), 3);
    }

    void aShortScheduledBellStillEndsItsMute() {
        WindowFixture f;
        auto* w = window(f);
        w->sound_zero->setChecked(true);
        w->RingBell("a.wav", BellKind::Scheduled);
        QCOMPARE(w->bellSeconds, 1);
        QCOMPARE(ticksUntilUnmuted(f, w), 1);
    }

    void stepOrders() {
        WindowFixture f;
        auto* w = window(f);
        w->sound_zero->setChecked(true);
        // Manual: the card is muted before the previous bell is stopped and the new one plays.
        f.fakes.bell.present = true;
        w->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(f.fakes.mixer.history, QList<bool>{true});
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(!f.fakes.bell.plays.first().loop);
        // A repeating scheduled bell loops and keeps the card muted until stopped.
        w->bellRepeat->setChecked(true);
        w->sound_zero_count->setEnabled(false);
        w->RingBell("long.wav", BellKind::Scheduled);
        QVERIFY(f.fakes.bell.plays.last().loop);
        QVERIFY(!w->sound_zero_count->isEnabled());
        QVERIFY(f.fakes.mixer.muted);
        w->bellStop_Click();
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!f.fakes.bell.present);
        // Ring now while repeating: it loops, yet the card is unmuted after length + 1 s.
        w->RingBell("long.wav", BellKind::Manual);
        QVERIFY(f.fakes.bell.plays.last().loop);
        QCOMPARE(ticksUntilUnmuted(f, w), 3);
    }

    void scheduledSoundMissingFromTheFolderRingsTheFirst() {
        WindowFixture f;
        auto* w = window(f);
        w->RingBell("gone.wav", BellKind::Scheduled);
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/a.wav"));
        w->RingBell("A.wav", BellKind::Scheduled);  // names differ in letter case
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/a.wav"));
        QCOMPARE(w->IsBellInFilebox("A.wav"), 0);
        QCOMPARE(w->IsBellInFilebox("long.wav"), 1);
        w->RingBell("long.wav", BellKind::Scheduled);
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/long.wav"));
    }

    void undecodableFileRingsNothingAndUnmutes() {
        WindowFixture f;
        auto* w = window(f);
        w->sound_zero->setChecked(true);
        f.fakes.bell.playable = false;
        w->RingBell("a.wav", BellKind::Manual);
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!w->sound_zero_count->isEnabled());
        QVERIFY(!f.fakes.bell.present);
    }

    void ringNow() {
        WindowFixture f;
        auto* w = window(f);
        w->btnNowBell_Click();
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/long.wav"));
        w->File1->clearSelection();
        w->btnNowBell_Click();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"Select bell sound from [Select bell sound]"});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.fakes.bell.plays.size(), 1);
    }

    void startUpUnmutesOnTheFirstTick() {
        WindowFixture f;
        auto* w = window(f);
        QVERIFY(w->sound_zero_count->isEnabled());
        f.fakes.mixer.muted = true;
        w->sound_zero_count_Timer();
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!w->sound_zero_count->isEnabled());
    }

    void repeatShowsTheStopButtonAndSaves() {
        WindowFixture f;
        auto* w = window(f);
        QVERIFY(!w->bellStop->isVisible());
        w->bellRepeat->setChecked(true);
        QVERIFY(w->bellStop->isVisible());
        QVERIFY(f.folder.readData("data.ini").endsWith(" 1 \r\n 0 \r\n"));
        w->bellRepeat->setChecked(false);
        QVERIFY(!w->bellStop->isVisible());
    }

    void noSoundAtBellExplainsItselfAfterStartUp() {
        WindowFixture f;
        auto* w = window(f);
        w->sound_zero->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.fakes.dialogs.texts().first().startsWith("Because, this function purge computer default"));
        QVERIFY(f.fakes.dialogs.texts().first().contains("\n\n컴퓨터로 음악을"));
        w->sound_zero->setChecked(false);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.folder.readData("data.ini").contains("\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"));
    }

    void pickersFillTheirBoxAndSave_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("weekLine");
        QTest::newRow("start") << "cmdStartBellSound" << "txtStartBellSound" << 6;
        QTest::newRow("end") << "cmdEndBellSound" << "txtEndBellSound" << 7;
        QTest::newRow("after start") << "CmdPreBell1" << "TxtPreBellName1" << 10;
        QTest::newRow("before end") << "CmdPreBell2" << "TxtPreBellName2" << 13;
    }
    void pickersFillTheirBoxAndSave() {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(int, weekLine);
        WindowFixture f;
        auto* w = window(f);
        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(w->findChild<QLineEdit*>(box)->text(), QString("long.wav"));
        const QList<QByteArray> week = f.folder.readData("adata.ini").split('\n');
        QCOMPARE(week.at(weekLine), QByteArray("long.wav\r"));

        WindowFixture g;
        auto* v = window(g, 1, 2);
        v->VScroll9->setValue(5);
        v->findChild<QPushButton*>(button)->click();
        const QList<QByteArray> day = g.folder.readData("adata_5.ini").split('\n');
        QCOMPARE(day.at(weekLine + 1), QByteArray("long.wav\r"));
        QVERIFY(!g.folder.hasData("adata.ini"));

        v->File1->clearSelection();
        v->findChild<QLineEdit*>(box)->setText("kept.wav");
        v->findChild<QPushButton*>(button)->click();
        QCOMPARE(g.fakes.dialogs.texts(), QStringList{"Select bell sound from [Select bell sound]"});
        QCOMPARE(v->findChild<QLineEdit*>(box)->text(), QString("kept.wav"));
    }

    void dedicatedCard() {
        WindowFixture f;
        f.fakes.bell.deviceList = {{"", "Default output"}, {"main_out", "Speakers"}, {"bell_out", "USB Audio"}};
        auto* w = window(f);
        QCOMPARE(w->SndCardText->text(), QString("Default output(0)"));
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Select dedicated soundcard"));
            QCOMPARE(dialog->ComboSndSound->count(), 2);
            QCOMPARE(dialog->ComboSndSound->itemText(0), QString("Speakers(1)"));
            QCOMPARE(dialog->ComboSndSound->itemText(1), QString("USB Audio(2)"));
            QCOMPARE(dialog->ComboSndSound->currentIndex(), -1);
            dialog->ComboSndSound->setCurrentIndex(1);
            dialog->SndSet->click();
        };
        w->SndCardSet_Click();
        QCOMPARE(w->soundCardIndex, 1);
        QCOMPARE(w->SndCardText->text(), QString("USB Audio(2)"));
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray(" 1 \r\n"));
        w->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString("bell_out"));

        // The card is unplugged: bells go to the default output.
        f.fakes.bell.deviceList.removeLast();
        w->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString());
    }

    void onlyTheDefaultOutput() {
        WindowFixture f;
        auto* w = window(f);
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            QCOMPARE(dialog->ComboSndSound->count(), 0);
            dialog->SndSet->click();
        };
        w->SndCardSet_Click();
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray("-1 \r\n"));
        QCOMPARE(w->SndCardText->text(), QString());
    }

    void mixerModuleSwitchesOnlyTheMasterMute() {
        FakeMixer mixer;
        sound_control control(&mixer);
        QVERIFY(!control.InitMixerControls(1));
        QCOMPARE(mixer.opens, 0);
        QVERIFY(control.InitMixerControls(0));
        QVERIFY(control.SetMixerControl(7, -1));
        QVERIFY(mixer.muted);
        QVERIFY(control.SetMixerControl(7, 0));
        QVERIFY(!mixer.muted);
        QVERIFY(!control.SetMixerControl(0, 50));  // volumes are not offered here
        QVERIFY(control.WriteControlValue(5));     // clamped to the switch's range
        QVERIFY(mixer.muted);
        QCOMPARE(mixer.history, (QList<bool>{true, false, true}));
    }

    void storedCardBeyondTheList() {
        WindowFixture f;
        f.folder.writeData("snd.ini", " 5 \r\n");
        auto* w = window(f);
        QCOMPARE(w->soundCardIndex, 5);
        QCOMPARE(w->SndCardText->text(), QString("Default output(0)"));
        w->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString());
    }
};

QTEST_MAIN(TestRinging)
#include "test_ringing.moc"
