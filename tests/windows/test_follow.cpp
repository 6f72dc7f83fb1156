// A window copy that follows a published set-up: a new version waits for a quiet moment (never
// in the minute before a bell, never while one sounds), is then applied under running bells
// without losing or doubling a bell, keeps today's changes, and locks the settings it carries
// until the computer stops following.
#include <QtTest>

#include "core/follow/setupfollower.h"
#include "core/follow/setupsignature.h"
#include "core/schedule/setuparchive.h"
#include "ui/widgets/imagebutton.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 7), QTime(h, m, s));
}

// Runs the clocks to `until`, a second at a time; the sounds rung meanwhile, "hh:mm name".
QStringList runTo(WindowFixture& f, const QDateTime& until) {
    QStringList rung;
    while (f.fakes.clock.now() < until) {
        f.fakes.clock.advance(1);
        const qsizetype before = f.fakes.bell.plays.size();
        f.tick();
        if (f.fakes.bell.plays.size() > before) {
            rung.append(f.fakes.clock.now().toString("hh:mm ") + QFileInfo(f.fakes.bell.plays.last().path).fileName());
        }
    }
    return rung;
}

QString ringLog(const WindowFixture& f) {
    QFile file(f.folder.data("ring.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestFollow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewVersionWaitsForAQuietMomentAndLosesNoBell() {
        // The published set-up: 10:50 and 11:10 with b.wav.
        ProgramFolder published;
        published.addSound("b.wav");
        published.writeData("data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        published.writeData("mdata.ini", "10hr 50min/b.wav\r\n11hr 10min/b.wav\r\n");
        const QString zip = published.path() + "/setup.zip";
        QCOMPARE(corvalin::setup::exportSetup(published.path(), zip), QString());

        // This computer's own: 10:00 and 10:50 with a.wav, running.
        WindowFixture f;
        f.folder.addSound("a.wav", 10.0);
        f.fakes.bell.defaultLength = 10000;
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "10hr 00min/a.wav\r\n10hr 50min/a.wav\r\n");
        f.fakes.clock.set(at(10, 49, 20));
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        SetupFollower* follower = f.services->services().follower;
        QVERIFY(follower);
        QVERIFY(!follower->follow("ftp://server/setup.zip", corvalin::follow::makeKeyPair().publicKey).isEmpty());
        QCOMPARE(follower->follow("https://server.invalid/setup.zip", corvalin::follow::makeKeyPair().publicKey),
                 QString());
        auto* notice = find<QLabel>(w, "followText");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("Managed from https://server.invalid/setup.zip; change it there"));
        bool added = false;
        f.services->client().changeToday({corvalin::today::Kind::Add, 11 * 60 + 20, -1, "a.wav", 0, "the window"},
                                         [&added](const QString& refusal) { added = refusal.isEmpty(); });
        f.settle();
        QTRY_VERIFY(added);

        // 40 s before 10:50: it waits, and says why once.
        follower->arrived(zip, "v2");
        f.settle();
        QTRY_VERIFY(ringLog(f).contains("waits: the bell of 10:50 is due"));
        QVERIFY(!ringLog(f).contains("was applied"));
        QCOMPARE(runTo(f, at(10, 50, 5)), QStringList{"10:50 a.wav"});
        // While the bell (10 s) sounds it still waits.
        follower->arrived(zip, "v2");
        f.settle();
        QTRY_VERIFY(ringLog(f).contains("waits: a bell sounds"));
        QCOMPARE(runTo(f, at(10, 51, 2)), QStringList());
        // Quiet now: applied under the running bells, 10:50 not rung again, 11:10 rings its new sound.
        follower->arrived(zip, "v2");
        f.settle();
        QTRY_VERIFY(ringLog(f).contains("the set-up from https://server.invalid/setup.zip was applied"));
        f.settle();
        QCOMPARE(follower->version(), QStringLiteral("v2"));
        QVERIFY(!find<ImageButton>(w, "startButton")->isEnabled());  // running again
        QCOMPARE(f.list("todayList"), (QStringList{"10hr50min", "11hr10min", "11hr20min  (added)"}));
        QCOMPARE(runTo(f, at(11, 20, 5)), (QStringList{"11:10 b.wav", "11:20 a.wav"}));

        // Locked while followed, even with the bells stopped; Stop following unlocks.
        w->onStopClicked();
        f.settle();
        QVERIFY(!find<ImageButton>(w, "addTimeButton")->isEnabled());
        QVERIFY(!find<QWidget>(w, "intervalModeButton")->isEnabled());
        QVERIFY(!find<QWidget>(w, "autoStartBox")->isEnabled());
        follower->unfollow();
        f.settle();
        QVERIFY(!notice->isVisible());
        QVERIFY(find<ImageButton>(w, "addTimeButton")->isEnabled());
        QVERIFY(find<QWidget>(w, "intervalModeButton")->isEnabled());
        QVERIFY(find<QWidget>(w, "autoStartBox")->isEnabled());
        QCOMPARE(SetupFollower::followedAddress(f.folder.path() + "/data"), QString());
    }
};

QTEST_MAIN(TestFollow)
#include "test_follow.moc"
