// The window with the real sound server: the bell sink chosen in the dedicated-card dialog,
// then "ring now", is heard on that sink only; "No sound at bell" mutes the default sink for
// the bell's length.
#include <QComboBox>
#include <QElapsedTimer>
#include <QtTest>

#include "core/bells/linux/belloutput_pulse.h"
#include "core/bells/linux/mixer_pulse.h"
#include "core/bells/linux/pulseconnection.h"
#include "sound/pulsetools.h"
#include "ui/sound/sndselect.h"
#include "windowfixture.h"

namespace {

bool sinkMuted(const QString& sink) {
    return pulsetools::pactl({"get-sink-mute", sink}).value_or(QString()).contains("yes");
}

// A loaded window that rings through the real sound server, with one tone in its sound folder.
struct RealSoundWindow {
    PulseConnection pulse{"Corvalin test"};
    PulseBellOutput bell{pulse};
    PulseMixer mixer{pulse};
    // The sound server's ports are made on this thread, and so are the bells that use them.
    WindowFixture f{WindowFixture::OnThisThread};
    MainWindow* w = nullptr;

    explicit RealSoundWindow(double toneSeconds) {
        Ports ports = f.fakes.ports();
        ports.bell = &bell;
        ports.mixer = &mixer;
        pulsetools::writeTone(f.folder.path() + "/sound/tone.wav", toneSeconds, 660.0);
        f.writeOptions(2, 1, 0);
        w = f.create(ports);
        w->startUp();
    }
};

}  // namespace

class TestRingNow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { REQUIRE_TEST_SERVER(); }

    void chosenSinkOnly() {
        RealSoundWindow real(1.0);
        auto& f = real.f;
        auto& w = *real.w;
        QCOMPARE(find<QListWidget>(&w, "soundList")->currentRow(), 0);

        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            QVERIFY(dialog);
            const int bellLine = dialog->ComboSndSound->findText("Bell", Qt::MatchStartsWith);
            QVERIFY(bellLine >= 0);
            dialog->ComboSndSound->setCurrentIndex(bellLine);
            dialog->SndSet->click();
        };
        w.onSetSoundCardClicked();
        QVERIFY(find<QLabel>(&w, "soundCardText")->text().startsWith("Bell"));

        QTemporaryDir records;
        pulsetools::Recorder onBell("bell_out", records.path() + "/bell.wav");
        pulsetools::Recorder onMain("main_out", records.path() + "/main.wav");
        QVERIFY(onBell.waitLive() && onMain.waitLive());
        w.onRingNowClicked();
        QTest::qWait(1800);
        const auto bellLevel = onBell.finish();
        const auto mainLevel = onMain.finish();
        QVERIFY2(bellLevel.peak > 0.2, qPrintable(QString::number(bellLevel.peak)));
        QVERIFY2(mainLevel.peak < 0.01, qPrintable(QString::number(mainLevel.peak)));
    }

    void defaultSinkMutedForTheBell() {
        RealSoundWindow real(2.5);
        auto& w = *real.w;
        Ringer& ringer = real.f.ringer();
        // The bell on a card of its own: one on the default sink is never muted for.
        ringer.setSoundCard(pulsetools::sinkPosition("bell_out"), "bell_out", "Bell_output");
        find<QCheckBox>(&w, "silentBox")->setChecked(true);
        QVERIFY(!sinkMuted("main_out"));
        QElapsedTimer sounding;
        ringer.RingBell("tone.wav", BellKind::Scheduled);
        sounding.start();
        QTRY_VERIFY(sinkMuted("main_out"));
        // Past the sound's last whole second (2 s of its 2.5) the card is still muted...
        ringer.sound_zero_count_Timer();
        ringer.sound_zero_count_Timer();
        ringer.sound_zero_count_Timer();
        QTest::qWait(static_cast<int>(std::max<qint64>(0, 2200 - sounding.elapsed())));
        QVERIFY(sinkMuted("main_out"));
        // ...and unmuted once the server has played it out.
        QTRY_VERIFY_WITH_TIMEOUT(!sinkMuted("main_out"), 5000);
        QVERIFY(!ringer.muteTimer()->isEnabled());
        ringer.StopBell();
    }
};

QTEST_MAIN(TestRingNow)
#include "test_ringnow.moc"
