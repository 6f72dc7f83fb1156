// PulseMixer against the private sound server: the mute lands on whichever sink is the default at
// the moment, survives a dropped connection, and fails quietly without a server.
#include "sound/mixer_pulse.h"

#include "pulsetools.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

bool sinkMuted(const QString& sink) {
    return pulsetools::pactl({QStringLiteral("get-sink-mute"), sink}).value_or(QString()).trimmed() ==
           QStringLiteral("Mute: yes");
}

bool setDefaultSink(const QString& sink) {
    return pulsetools::pactl({QStringLiteral("set-default-sink"), sink}).has_value();
}

}  // namespace

class TestPulseMixer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        if (pulsetools::testServerReady()) {
            setDefaultSink(QStringLiteral("main_out"));
            for (const auto* sink : {"main_out", "bell_out"}) {
                pulsetools::pactl(
                    {QStringLiteral("set-sink-mute"), QString::fromLatin1(sink), QStringLiteral("0")});
            }
        }
    }

    void mutesAndUnmutesTheDefaultSink() {
        REQUIRE_TEST_SERVER();
        PulseMixer mixer;
        QVERIFY(mixer.open());
        QVERIFY(mixer.setMute(true));
        QVERIFY(sinkMuted(QStringLiteral("main_out")));
        QVERIFY(!sinkMuted(QStringLiteral("bell_out")));
        QVERIFY(mixer.setMute(true));
        QVERIFY(sinkMuted(QStringLiteral("main_out")));
        QVERIFY(mixer.setMute(false));
        QVERIFY(!sinkMuted(QStringLiteral("main_out")));
    }

    void followsTheDefaultChosenAfterOpening() {
        REQUIRE_TEST_SERVER();
        PulseMixer mixer;
        QVERIFY(mixer.open());
        QVERIFY(setDefaultSink(QStringLiteral("bell_out")));
        QVERIFY(mixer.setMute(true));
        QVERIFY(sinkMuted(QStringLiteral("bell_out")));
        QVERIFY(!sinkMuted(QStringLiteral("main_out")));
        QVERIFY(mixer.setMute(false));
        QVERIFY(!sinkMuted(QStringLiteral("bell_out")));
    }

    void reconnectsWhenTheServerComesBack() {
        REQUIRE_TEST_SERVER();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        PulseMixer mixer;
        QVERIFY(mixer.open());

        // A second socket stays up while the usual one goes away and comes back: every client of
        // the usual socket loses its connection, as when the server restarts.
        const QString modules =
            pulsetools::pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
                .value_or(QString());
        QString mainIndex, mainArgs;
        for (const QString& line : modules.split(QLatin1Char('\n'))) {
            if (line.section(QLatin1Char('\t'), 1, 1) == QStringLiteral("module-native-protocol-unix")) {
                mainIndex = line.section(QLatin1Char('\t'), 0, 0);
                mainArgs = line.section(QLatin1Char('\t'), 2, 2).trimmed();
            }
        }
        QVERIFY2(!mainIndex.isEmpty(), qPrintable(modules));
        const QString spareSocket = dir.filePath(QStringLiteral("spare.sock"));
        const auto spareIndex =
            pulsetools::pactl({QStringLiteral("load-module"), QStringLiteral("module-native-protocol-unix"),
                               QStringLiteral("auth-anonymous=1"), QStringLiteral("socket=") + spareSocket});
        QVERIFY(spareIndex);
        const QString spare = QStringLiteral("unix:") + spareSocket;

        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"), mainIndex}, spare));
        const bool mutedWhileAway = mixer.setMute(true);
        QVERIFY(pulsetools::pactl(
            QStringList{QStringLiteral("load-module"), QStringLiteral("module-native-protocol-unix")} +
                mainArgs.split(QLatin1Char(' '), Qt::SkipEmptyParts),
            spare));
        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"), spareIndex->trimmed()}));

        QVERIFY(!mutedWhileAway);
        QVERIFY(mixer.setMute(true));
        QVERIFY(sinkMuted(QStringLiteral("main_out")));
        QVERIFY(mixer.setMute(false));
        QVERIFY(!sinkMuted(QStringLiteral("main_out")));
    }

    void withoutServerOpenAndMuteFail() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/corvalin-test.sock");
        PulseMixer mixer;
        const bool opened = mixer.open();
        const bool muted = mixer.setMute(true);
        const bool unmuted = mixer.setMute(false);
        if (saved.isNull()) {
            qunsetenv("PULSE_SERVER");
        } else {
            qputenv("PULSE_SERVER", saved);
        }
        QVERIFY(!opened);
        QVERIFY(!muted);
        QVERIFY(!unmuted);
    }
};

QTEST_GUILESS_MAIN(TestPulseMixer)
#include "tst_pulsemixer.moc"
