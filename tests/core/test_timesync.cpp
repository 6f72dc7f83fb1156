// The internet time client against fake time servers on 127.0.0.1: every kind of bad reply is
// dropped without touching the clock while the good reply after it is taken, Kiss-o'-Death,
// the round-trip correction, the fallback to the second server and the failure score.
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "fakeports.h"
#include "faketimeserver.h"
#include "core/bells/timesync.h"

namespace {

enum class From { Server, AnotherPort, AnotherAddress };

// A reply that must not set the clock: how it is made from the request's transmit timestamp and
// the server's time, where it comes from, and what the client says of it.
struct BadReply {
    const char* name;
    std::function<QByteArray(const QByteArray& origin, qint64 serverMs)> make;
    const char* why;
    From from = From::Server;
};

const std::vector<BadReply>& badReplies() {
    const QByteArray otherOrigin(8, '\x11');
    static const std::vector<BadReply> all{
        {"spoofed port", [](const QByteArray& o, qint64 t) { return reply(o, t); },
         "not from the time server's address and port", From::AnotherPort},
        {"spoofed address", [](const QByteArray& o, qint64 t) { return reply(o, t); },
         "not from the time server's address and port", From::AnotherAddress},
        {"wrong origin", [otherOrigin](const QByteArray&, qint64 t) { return reply(otherOrigin, t); },
         "origin"},
        {"DENY for another request",
         [otherOrigin](const QByteArray&, qint64) { return kiss(otherOrigin, "DENY"); }, "origin"},
        {"47 bytes", [](const QByteArray& o, qint64 t) { return reply(o, t).chopped(1); },
         "shorter than 48 bytes"},
        {"mode 3", [](const QByteArray& o, qint64 t) { return reply(o, t, 0, 4, 3); }, "mode"},
        {"version 2", [](const QByteArray& o, qint64 t) { return reply(o, t, 0, 2); }, "version"},
        {"stratum 0", [](const QByteArray& o, qint64) { return kiss(o, "ACST"); }, "Kiss-o'-Death"},
        {"stratum 16", [](const QByteArray& o, qint64 t) { return reply(o, t, 0, 4, 4, 16); },
         "stratum above 15"},
        {"leap indicator 3", [](const QByteArray& o, qint64 t) { return reply(o, t, 3); },
         "leap indicator 3"},
        {"zero transmit",
         [](const QByteArray& o, qint64 t) { return reply(o, t).replace(40, 8, QByteArray(8, '\0')); },
         "transmit timestamp"},
    };
    return all;
}

class RefusingSystemClock final : public SystemClock {
public:
    bool setUtc(const QDateTime&) override {
        ++calls;
        return false;
    }
    int calls = 0;
};

}  // namespace

class TestTimeSync : public QObject {
    Q_OBJECT

    FakeClock clock;
    SettableSystemClock systemClock{&clock};
    std::unique_ptr<FakeTimeServer> primary;
    std::unique_ptr<FakeTimeServer> second;
    std::unique_ptr<TimeSync> sync;

    qint64 now() const { return clock.now().toMSecsSinceEpoch(); }

    // An attempt at the clock's next sync second at least a minute after the last.
    QString attempt(int afterSeconds = 66) {
        clock.advance(afterSeconds);
        QString host = qEnvironmentVariable("CORVALIN_TIME_SERVER1");
        sync->StartTimeSync(host);
        return host;
    }
    void useServers(const QString& first, const QString& other) {
        qputenv("CORVALIN_TIME_SERVER1", first.toUtf8());
        qputenv("CORVALIN_TIME_SERVER2", other.toUtf8());
    }

private Q_SLOTS:
    void init() {
        // Half a day after the build day: no answer in these tests is refused for being too early.
        clock.set(
            QDateTime::fromMSecsSinceEpoch(corvalin::sntp::buildDayMs() + 8 * 3600 * 1000 + 49 * 60 * 1000));
        systemClock.sets.clear();
        primary = std::make_unique<FakeTimeServer>();
        second = std::make_unique<FakeTimeServer>();
        useServers(primary->name(), second->name());
        sync = std::make_unique<TimeSync>(&clock, &systemClock);
    }
    void cleanup() {
        sync.reset();
        primary.reset();
        second.reset();
    }

    void badRepliesAreDroppedAndTheGoodOneAfterIsTaken_data() {
        QTest::addColumn<int>("bad");  // index into badReplies()
        for (int i = 0; i < int(badReplies().size()); ++i) {
            QTest::newRow(badReplies()[std::size_t(i)].name) << i;
        }
    }
    void badRepliesAreDroppedAndTheGoodOneAfterIsTaken() {
        QFETCH(int, bad);
        const BadReply& b = badReplies()[std::size_t(bad)];
        QSignalSpy dropped(sync.get(), &TimeSync::dropped);
        attempt();
        QVERIFY(primary->receive());
        const QByteArray origin = primary->origin();
        QVERIFY(origin != QByteArray(8, '\0'));
        const qint64 ahead = now() + 2500;

        QUdpSocket other;  // where the bad reply comes from, when not the server's own port
        if (b.from == From::AnotherPort) {
            QVERIFY(other.bind(QHostAddress(QHostAddress::LocalHost), 0));
        } else if (b.from == From::AnotherAddress) {
            QVERIFY(other.bind(QHostAddress(QStringLiteral("127.0.0.2")), primary->socket.localPort()));
        }
        primary->send(b.make(origin, ahead), b.from == From::Server ? nullptr : &other);
        QTRY_COMPARE(dropped.count(), 1);
        const QString why = dropped.first().at(1).toString();
        QVERIFY2(why.contains(QLatin1String(b.why)), qPrintable(why));
        QVERIFY(systemClock.sets.isEmpty());

        primary->send(reply(origin, ahead));
        QTRY_COMPARE(systemClock.sets.size(), 1);
        QCOMPARE(systemClock.sets.first().toMSecsSinceEpoch(), ahead);
        QCOMPARE(dropped.count(), 1);
    }

    // At most one reply per request; a new attempt inside the minute sends nothing.
    void oneAnswerPerRequestAndOneRequestPerMinute() {
        QSignalSpy dropped(sync.get(), &TimeSync::dropped);
        QSignalSpy stepped(sync.get(), &TimeSync::clockStepped);
        attempt();
        QVERIFY(primary->receive());
        const QDateTime before = clock.now();
        primary->send(reply(primary->origin(), now() - 2500));
        primary->send(reply(primary->origin(), now() - 2500));
        QTRY_COMPARE(dropped.count(), 1);
        QCOMPARE(dropped.first().at(1).toString(), QStringLiteral("no request is waiting for an answer"));
        QCOMPARE(systemClock.sets.size(), 1);
        QCOMPARE(stepped.count(), 1);
        QCOMPARE(stepped.first().at(0).toDateTime(), before);
        QCOMPARE(stepped.first().at(1).toDateTime(), before.addMSecs(-2500));
        QCOMPARE(stepped.first().at(2).toString(), primary->name());

        // Eleven attempts, one at each sync second of the next 66 s: one request, at the last.
        for (int i = 0; i < 11; ++i) {
            attempt(6);
        }
        QVERIFY(primary->receive());
        QCOMPARE(primary->unread(), 0);
        QCOMPARE(second->unread(), 0);
        QCOMPARE(sync->syncFailures(), 0);
    }

    // The round trip is taken out, and the clock is set to local time plus the offset, a change
    // below 0.1 s leaves it alone.
    void theOffsetIsCorrectedForTheRoundTrip() {
        attempt();
        QVERIFY(primary->receive());
        const qint64 sent = now();
        clock.advance(2);  // one second out, one second back
        const qint64 expected = now() + 90000;
        primary->send(reply(primary->origin(), sent + 1000 + 90000));
        QTRY_COMPARE(systemClock.sets.size(), 1);
        QCOMPARE(systemClock.sets.first().toMSecsSinceEpoch(), expected);

        attempt();
        QVERIFY(primary->receive());
        QSignalSpy dropped(sync.get(), &TimeSync::dropped);
        primary->send(reply(primary->origin(), now() + 99));
        primary->send(reply(primary->origin(), now() + 99));  // to know the first was handled
        QTRY_COMPARE(dropped.count(), 1);
        QCOMPARE(systemClock.sets.size(), 1);
    }

    // RATE: that server is asked half as often; DENY: it is not asked again, the second one is.
    void kissOfDeath() {
        attempt();
        QVERIFY(primary->receive());
        QSignalSpy dropped(sync.get(), &TimeSync::dropped);
        primary->send(kiss(primary->origin(), "RATE"));
        QTRY_COMPARE(dropped.count(), 1);
        QCOMPARE(attempt(66), primary->name());
        QCOMPARE(attempt(66), primary->name());
        QVERIFY(primary->receive());
        QCOMPARE(primary->unread(), 0);  // nothing was sent 66 s after the kiss
        QCOMPARE(second->unread(), 0);
        primary->send(reply(primary->origin(), now() + 5000));
        QTRY_COMPARE(systemClock.sets.size(), 1);

        QSignalSpy problems(sync.get(), &TimeSync::problem);
        attempt(200);
        QVERIFY(primary->receive());
        primary->send(kiss(primary->origin(), "DENY"));
        QTRY_COMPARE(problems.count(), 1);
        QVERIFY(problems.first().at(0).toString().contains(QStringLiteral("DENY")));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(attempt(), second->name());  // at once, with no failure counted
            QVERIFY(second->receive());
            second->send(reply(second->origin(), now() + 5000));
            QTRY_COMPARE(systemClock.sets.size(), 2 + i);
        }
        QCOMPARE(primary->unread(), 0);
        QCOMPARE(sync->syncFailures(), 0);
        QCOMPARE(systemClock.sets.size(), 4);
    }

    // Six attempts failing on both servers show the warning once, on the sixth; the seventh
    // does not show it again until five more follow. Attempts inside the minute count for
    // nothing. (Servers with port 0 fail at once, so each attempt's outcome is known when it returns.)
    void failureScore() {
        const QString first = QStringLiteral("127.0.0.1:0");
        const QString other = QStringLiteral("[::1]:0");
        useServers(first, other);
        QSignalSpy due(sync.get(), &TimeSync::syncErrorDue);
        QSignalSpy changed(sync.get(), &TimeSync::timeServerChanged);
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(attempt(), other);
            QCOMPARE(sync->syncFailures(), i % 6);
            QCOMPARE(due.count(), i / 6);
            for (int j = 0; j < 10; ++j) {
                QCOMPARE(attempt(6), first);
            }
            QCOMPARE(sync->syncFailures(), i % 6);
            QCOMPARE(changed.count(), i);
        }
        QCOMPARE(due.count(), 2);
    }

    // With the primary server's name unresolvable every attempt falls back at once and the
    // clock is set from the second server; each answer takes one from the failure score.
    void answersLowerTheScoreAndAnUnresolvablePrimaryFallsBack() {
        useServers(kUnresolvable, kUnresolvableToo);
        for (int i = 1; i <= 4; ++i) {
            attempt();
            QTRY_COMPARE(sync->syncFailures(), i);
        }
        useServers(kUnresolvable, second->name());
        for (int i = 1; i <= 3; ++i) {
            attempt();
            QVERIFY(second->receive());
            second->send(reply(second->origin(), now() + 1000));
            QTRY_COMPARE(systemClock.sets.size(), i);
            QCOMPARE(sync->syncFailures(), 4 - i);
        }
        QCOMPARE(primary->unread(), 0);
        // A look-up that answers late: the second server, asked late in one attempt, may not be
        // asked again so soon in the next one, which reached no server and so failed too.
        useServers(kUnresolvable, kUnresolvableToo);
        attempt();
        clock.advance(30);
        QTRY_COMPARE(sync->syncFailures(), 2);
        attempt(34);  // the first server may be asked again (64 s), not yet the second
        QTRY_COMPARE(sync->syncFailures(), 3);
    }

    // Refusals are told, once: a clock that could not be set, a time before the build.
    void refusalsAreTold() {
        RefusingSystemClock refusing;
        sync = std::make_unique<TimeSync>(&clock, &refusing);
        QSignalSpy problems(sync.get(), &TimeSync::problem);
        QSignalSpy stepped(sync.get(), &TimeSync::clockStepped);
        for (int i = 1; i <= 2; ++i) {
            attempt();
            QVERIFY(primary->receive());
            primary->send(reply(primary->origin(), now() + 7000));
            QTRY_COMPARE(refusing.calls, i);
        }
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.first().at(0).toString().contains(QStringLiteral("could not be set")));
        QCOMPARE(stepped.count(), 0);

        sync = std::make_unique<TimeSync>(&clock, &systemClock);
        QSignalSpy early(sync.get(), &TimeSync::problem);
        sync->setEarliest(now() - 86400000);
        attempt();
        QVERIFY(primary->receive());
        primary->send(reply(primary->origin(), now() - 2 * 86400000));
        QTRY_COMPARE(early.count(), 1);
        QVERIFY(early.first().at(0).toString().contains(QStringLiteral("before this program was built")));
        QVERIFY(systemClock.sets.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTimeSync)
#include "test_timesync.moc"
