// Ringing with no window: the two step orders, the default card's mute and its end, the repeat
// option, the fallback sound of a scheduled bell, and the card a bell plays on, followed by its
// name and never muted for the bell.
#include <QSignalSpy>
#include <QtTest>

#include "core/base/secondtimer.h"
#include "fakeports.h"
#include "programfolder.h"
#include "core/bells/ringer.h"
#include "core/sound/soundlibrary.h"

namespace {

struct Bells {
    ProgramFolder folder;
    FakeBellOutput output;
    FakeMixer mixer;
    std::unique_ptr<SoundLibrary> library;
    std::unique_ptr<Ringer> ringer;

    Bells() {
        folder.addSound("a.wav");
        folder.addSound("long.wav");
        library = std::make_unique<SoundLibrary>(folder.path() + "/sound");
        ringer = std::make_unique<Ringer>(&output, &mixer, library.get(), /*liveTimers=*/false);
        output.lengths.insert(library->path("long.wav"), 2500);
        output.lengths.insert(library->path("a.wav"), 400);
        // The music on the default card, the bells on a card of their own.
        output.deviceList = {{"", "Default output"}, {"main_out", "Speakers"}, {"bell_out", "USB Audio"}};
        output.defaultSink = "main_out";
        ringer->setSoundCard(1, "bell_out", "USB Audio");
    }

    void unplug(const QString& id) {
        output.deviceList.removeIf([&id](const OutputDevice& device) { return device.id == id; });
        output.devicesChanged();
    }

    // Runs the mute timer until it stops itself; the tick on which it unmuted (-1: it stopped
    // with the card still muted, 0: it never stopped).
    int ticksUntilUnmuted() {
        for (int tick = 1; tick <= 10; ++tick) {
            ringer->sound_zero_count_Timer();
            if (!ringer->muteTimer()->isEnabled()) {
                return mixer.muted ? -1 : tick;
            }
        }
        return 0;
    }
};

}  // namespace

class TestRinger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // With an output that tells when the sound has played out, the default card stays muted for
    // the whole sound, however long past its last whole second, and a repeating bell (rung now
    // included) keeps it muted until it is stopped.
    void mutedUntilTheSoundHasPlayedOut() {
        Bells b;
        b.output.finishes = true;
        b.ringer->setMuteDefault(true);
        b.ringer->RingBell("long.wav", BellKind::Scheduled);  // 2.5 s
        QVERIFY(b.mixer.muted);
        for (int tick = 0; tick < 3; ++tick) {
            b.ringer->sound_zero_count_Timer();
        }
        QVERIFY(b.mixer.muted);
        b.output.finished();
        QVERIFY(!b.mixer.muted);

        b.ringer->setRepeat(true);
        b.ringer->RingBell("a.wav", BellKind::Manual);
        QVERIFY(b.mixer.muted);
        for (int tick = 0; tick < 10; ++tick) {
            b.ringer->sound_zero_count_Timer();
        }
        QVERIFY(b.mixer.muted);
        b.ringer->StopBell();
        QVERIFY(!b.mixer.muted);
    }

    // The sound server restarts around a bell's minute: the bell waits and rings once when the
    // server is back within the minute, a later one is reported as not rung, and the default card
    // gets the mute wanted of it again whatever was lost while the server was away.
    void aBellWaitsForTheSoundServer() {
        Bells b;
        FakeClock clock;
        b.ringer->setClock(&clock);
        QSignalSpy notes(b.ringer.get(), &Ringer::note);
        QSignalSpy problems(b.ringer.get(), &Ringer::problem);
        b.ringer->setMuteDefault(true);

        b.output.serverAway();
        b.ringer->RingBell("a.wav", BellKind::Scheduled);
        QVERIFY(b.output.plays.isEmpty());
        QVERIFY(problems.isEmpty());
        clock.advanceMs(900);
        b.output.serverBack();
        QCOMPARE(b.output.plays.size(), 1);
        QVERIFY(b.output.plays.first().path.endsWith("/a.wav"));
        QVERIFY(b.mixer.muted);
        QVERIFY2(notes.last().first().toString().contains("waited for the sound server and rang 0.9 s late"),
                 qPrintable(notes.last().first().toString()));
        b.output.serverAway();  // the unmute at the bell's end is lost with the server...
        QCOMPARE(b.ticksUntilUnmuted(), 1);
        b.mixer.muted = true;
        b.output.serverBack();  // ...and sent again when it is back
        QVERIFY(!b.mixer.muted);
        QCOMPARE(b.output.plays.size(), 1);  // rung once

        b.output.serverAway();
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        clock.advance(61);
        b.output.serverBack();
        QCOMPARE(b.output.plays.size(), 1);
        QVERIFY(problems.last().first().toString().contains(
            "(long.wav) was not rung: the sound server could not be reached for 60 seconds"));
    }

    void theFirstMuteTickUnmutesACardLeftMuted() {
        Bells b;
        QVERIFY(b.ringer->muteTimer()->isEnabled());
        b.mixer.muted = true;
        b.ringer->sound_zero_count_Timer();
        QVERIFY(!b.mixer.muted);
        QVERIFY(!b.ringer->muteTimer()->isEnabled());
    }

    void muteLastsTheBellsLength() {
        Bells b;
        b.ringer->setMuteDefault(true);
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QVERIFY(b.mixer.muted);
        QCOMPARE(b.ringer->bellSeconds(), 2);
        QCOMPARE(b.ticksUntilUnmuted(), 2);

        b.ringer->RingBell("long.wav", BellKind::Manual);
        QVERIFY(b.mixer.muted);
        QCOMPARE(b.ringer->bellSeconds(), 3);
        QCOMPARE(b.ticksUntilUnmuted(), 3);

        // Shorter than a second: still one tick, so the card is not left muted.
        b.ringer->RingBell("a.wav", BellKind::Scheduled);
        QCOMPARE(b.ringer->bellSeconds(), 1);
        QCOMPARE(b.ticksUntilUnmuted(), 1);
    }

    void stepOrders() {
        Bells b;
        b.ringer->setMuteDefault(true);
        // By hand: the card is muted before the previous bell stops and the new one plays.
        b.output.present = true;
        b.ringer->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(b.mixer.history, QList<bool>{true});
        QCOMPARE(b.output.stops, 1);
        QCOMPARE(b.output.plays.size(), 1);
        QVERIFY(!b.output.plays.first().loop);
        // A repeating scheduled bell loops and keeps the card muted until it is stopped.
        b.ringer->setRepeat(true);
        b.ringer->muteTimer()->setEnabled(false);
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QVERIFY(b.output.plays.last().loop);
        QVERIFY(!b.ringer->muteTimer()->isEnabled());
        QVERIFY(b.mixer.muted);
        b.ringer->StopBell();
        QVERIFY(!b.mixer.muted);
        QVERIFY(!b.output.present);
        // Rung by hand while repeating: it loops, yet the card is unmuted after its length + 1 s.
        b.ringer->RingBell("long.wav", BellKind::Manual);
        QVERIFY(b.output.plays.last().loop);
        QCOMPARE(b.ticksUntilUnmuted(), 3);
    }

    void scheduledSoundMissingFromTheFolderRingsTheFirst() {
        Bells b;
        b.ringer->RingBell("gone.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("a.wav"));
        QCOMPARE(b.ringer->IsBellInFilebox("A.wav"), 0);  // names differ in letter case
        b.ringer->RingBell("A.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("a.wav"));
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("long.wav"));
        // A sound added to the folder while the program runs counts once the folder is read again.
        b.folder.addSound("new.wav");
        b.library->refresh();
        b.ringer->RingBell("new.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("new.wav"));
    }

    // An installed program: the user's own sounds beside the shipped ones, one list; the user's
    // sound of a shipped sound's name is the one that rings.
    void usersOwnSoundsBesideTheShippedOnes() {
        ProgramFolder own;
        ProgramFolder shipped;
        own.addSound("b.wav");
        own.addSound("Same.wav");
        shipped.addSound("a.wav");
        shipped.addSound("Same.wav");
        SoundLibrary library(QStringList{own.path() + "/sound", shipped.path() + "/sound"});
        QCOMPARE(library.files(), (QStringList{"a.wav", "b.wav", "Same.wav"}));
        QCOMPARE(library.path("Same.wav"), own.path() + "/sound/Same.wav");
        QCOMPARE(library.path("a.wav"), shipped.path() + "/sound/a.wav");
        QCOMPARE(library.folder(), own.path() + "/sound");
    }

    // A sound removed or damaged after start-up: the bell rings the first sound that plays and
    // says which it could not play; the bell log names what sounded.
    void aScheduledBellAlwaysSounds() {
        Bells b;
        QSignalSpy problems(b.ringer.get(), &Ringer::problem);
        QSignalSpy rang(b.ringer.get(), &Ringer::rang);
        QFile::remove(b.library->path("long.wav"));  // the folder list still names it
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("a.wav"));
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.first().first().toString().startsWith("long.wav could not be played"));
        QCOMPARE(rang.first().at(1).toString(), QString("a.wav"));
        // Garbage where the first sound was: the next one that plays.
        b.folder.addFile("sound/a.wav", "RIFF garbage");
        b.output.broken = QStringList{"a.wav"};
        b.folder.addSound("z.wav");
        b.library->refresh();
        b.ringer->setMuteDefault(true);
        b.ringer->RingBell("a.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().path, b.library->path("z.wav"));
        QVERIFY(b.mixer.muted);
        QCOMPARE(problems.count(), 2);
        // Nothing at all plays: nothing is rung, the card is not left muted, and it is said.
        b.output.broken.append("z.wav");
        b.ringer->RingBell("a.wav", BellKind::Scheduled);
        QVERIFY(!b.mixer.muted);
        QVERIFY(!b.output.present);
        QCOMPARE(problems.count(), 3);
        QVERIFY(problems.last().first().toString().startsWith("the bell a.wav was not rung"));
        QCOMPARE(rang.count(), 2);
    }

    void nothingPlayableRingsNothingAndUnmutes() {
        Bells b;
        b.ringer->setMuteDefault(true);
        b.output.playable = false;
        for (const BellKind kind : {BellKind::Manual, BellKind::Scheduled}) {
            b.ringer->RingBell("a.wav", kind);
            QVERIFY(!b.mixer.muted);
            QVERIFY(!b.ringer->muteTimer()->isEnabled());
            QVERIFY(!b.output.present);
        }
    }

    // With "No sound at bell" on, the bell card is unplugged before a bell: the bell rings on the
    // default output, which is not muted for it (nor left muted by the bell before), and that is
    // said when the card goes, at every bell it costs, and when it is back. A bell card that is
    // the default output itself is not muted for either.
    void aBellIsNeverMutedOnTheCardItRingsOn() {
        Bells b;
        QSignalSpy lasting(b.ringer.get(), &Ringer::lastingProblem);
        QSignalSpy ended(b.ringer.get(), &Ringer::problemEnded);
        QSignalSpy problems(b.ringer.get(), &Ringer::problem);
        QSignalSpy rang(b.ringer.get(), &Ringer::rang);
        b.ringer->setMuteDefault(true);
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().deviceId, QString("bell_out"));
        QVERIFY(b.mixer.muted);

        b.unplug("bell_out");
        QVERIFY(!b.mixer.muted);  // the bell that sounds has left the card
        QCOMPARE(lasting.size(), 1);
        QCOMPARE(lasting.last().at(1).toString(),
                 QString("the bell card USB Audio(2) is not connected: the bells ring on the default output "
                         "until it is back"));
        QCOMPARE(b.ringer->cardText(), QString("USB Audio(2) - not connected"));
        b.mixer.history.clear();
        for (const BellKind kind : {BellKind::Scheduled, BellKind::Manual}) {
            b.ringer->RingBell("long.wav", kind);
            QCOMPARE(b.output.plays.last().deviceId, QString());
            QVERIFY(!b.mixer.history.contains(true));
            QCOMPARE(rang.last().at(2).toString(), QString("Default output (Speakers)"));
            QCOMPARE(lasting.last().at(1).toString(),
                     QString("long.wav rang on Default output (Speakers), not on the bell card USB Audio(2), "
                             "which is not connected; the default output was not muted for it"));
        }
        QCOMPARE(lasting.size(), 3);
        // Both the card's absence and the last bell it cost leave the warning line when it is back.
        b.output.deviceList.append(OutputDevice{"bell_out", "USB Audio"});
        b.output.devicesChanged();
        QStringList endedTopics;
        for (const auto& end : ended) {
            endedTopics << end.first().toString();
        }
        QCOMPARE(endedTopics, (QStringList{lasting.first().first().toString(), lasting.last().first().toString()}));
        b.ringer->RingBell("long.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().deviceId, QString("bell_out"));
        QVERIFY(b.mixer.muted);

        // The bell card becomes the default output: muting it would silence the bell.
        b.output.defaultSink = "bell_out";
        b.output.devicesChanged();
        b.ringer->RingBell("long.wav", BellKind::Manual);
        QCOMPARE(b.output.plays.last().deviceId, QString("bell_out"));
        QVERIFY(!b.mixer.muted);
        QVERIFY(lasting.last().at(1).toString().startsWith("\"No sound at bell\" does not mute"));
        QVERIFY(problems.isEmpty());
    }

    // The chosen card is found by its name wherever it lists: a card plugged in that lists before it
    // does not take the bells, at once or from the next start. A stored position with no name yet
    // names the card it stands for; a name that is not listed rings on the default output, never on
    // the card that took its position.
    void theBellCardIsFollowedByItsName() {
        Bells b;
        QSignalSpy named(b.ringer.get(), &Ringer::cardNamed);
        QSignalSpy notes(b.ringer.get(), &Ringer::note);
        b.output.deviceList.insert(1, {"hdmi_out", "HDMI"});
        b.output.devicesChanged();
        b.ringer->RingBell("a.wav", BellKind::Scheduled);
        QCOMPARE(b.output.plays.last().deviceId, QString("bell_out"));
        QCOMPARE(b.ringer->cardText(), QString("USB Audio(3)"));
        QCOMPARE(b.ringer->listedCard(), 2);
        QCOMPARE(
            notes.last().first().toString(),
            QString("the bell card USB Audio is number 3 of the list now, no longer 2: the bells follow it "
                    "by its name"));
        QVERIFY(named.isEmpty());  // what is stored is the operator's choice, and the name still finds it

        Bells restarted;
        restarted.output.deviceList.insert(1, {"hdmi_out", "HDMI"});
        restarted.ringer->setSoundCard(1, "bell_out", "USB Audio");
        restarted.ringer->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(restarted.output.plays.last().deviceId, QString("bell_out"));

        Bells older;
        QSignalSpy adopted(older.ringer.get(), &Ringer::cardNamed);
        older.ringer->setSoundCard(0, "", "");
        QCOMPARE(adopted.size(), 1);
        QCOMPARE(adopted.last(), (QList<QVariant>{0, "main_out", "Speakers"}));
        older.output.deviceList.insert(1, {"hdmi_out", "HDMI"});
        older.output.devicesChanged();
        older.unplug("main_out");
        older.ringer->RingBell("a.wav", BellKind::Manual);
        QCOMPARE(older.output.plays.last().deviceId, QString());
        QCOMPARE(older.ringer->cardText(), QString("Speakers(2) - not connected"));
    }

    // Rung now, then "Repeating bell" and rung now again at once: the loop keeps the default card
    // muted until it is stopped; the first bell's end does not unmute it.
    void aLoopRungNowIsMutedUntilStopped() {
        Bells b;
        b.output.finishes = true;
        b.ringer->setMuteDefault(true);
        b.ringer->RingBell("long.wav", BellKind::Manual);
        b.ringer->sound_zero_count_Timer();
        b.ringer->setRepeat(true);
        b.ringer->RingBell("long.wav", BellKind::Manual);
        QVERIFY(b.output.plays.last().loop);
        for (int tick = 0; tick < 10; ++tick) {
            b.ringer->sound_zero_count_Timer();
        }
        QVERIFY(b.mixer.muted);
        b.ringer->StopBell();
        QVERIFY(!b.mixer.muted);
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
};

QTEST_GUILESS_MAIN(TestRinger)
#include "test_ringer.moc"
