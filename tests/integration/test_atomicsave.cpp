// A save loop killed at random moments always leaves the old file or the new one, never a torn one.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "core/schedule/settingsstore.h"

class TestAtomicSave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedSaveLoopLeavesAWholeFile() {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        int sawSecond = 0;
        for (int round = 0; round < 25; ++round) {
            QProcess loop;
            loop.start(QStringLiteral(SAVE_LOOP), {dir.path()});
            QVERIFY(loop.waitForStarted());
            QVERIFY(loop.waitForReadyRead(10000));
            QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(5, 60)));
            ::kill(static_cast<pid_t>(loop.processId()), SIGKILL);
            QVERIFY(loop.waitForFinished());

            const auto lines = store.read(QStringLiteral("data.ini"));
            QVERIFY(lines.has_value());
            if (lines->size() == 8) {
                QCOMPARE(lines->first(), QString(" 0 "));
                QCOMPARE(lines->last(), QString(" 0 "));
            } else {
                QCOMPARE(lines->size(), 400);
                QVERIFY(lines->last().endsWith(QStringLiteral("number 399.wav")));
                ++sawSecond;
            }
        }
        qInfo("long version found after %d of 25 kills", sawSecond);
    }
};

QTEST_GUILESS_MAIN(TestAtomicSave)
#include "test_atomicsave.moc"
