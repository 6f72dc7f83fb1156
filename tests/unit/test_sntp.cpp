// The SNTP client's rules: timestamp rounding and eras, which replies may set the clock, the
// round-trip offset, and how often a server may be asked.
#include <QDateTime>
#include <QTest>
#include <algorithm>
#include <functional>

#include "engine/timesync/sntp.h"

using namespace corvalin::sntp;

namespace {

qint64 utcMs(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

std::array<std::uint8_t, 8> bytesOf(quint64 v) {
    std::array<std::uint8_t, 8> b{};
    for (int i = 0; i < 8; ++i) {
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (56 - 8 * i));
    }
    return b;
}

// The 64-bit timestamp of a UTC time given in milliseconds since 1970 (its era's seconds only).
quint64 timestampOf(qint64 ms) {
    const auto seconds = static_cast<quint64>(ms / 1000 + kSecondsFrom1900To1970) & 0xFFFFFFFFu;
    const quint64 fraction = (static_cast<quint64>(ms % 1000) << 32) / 1000 + 1;  // just past the millisecond
    return (seconds << 32) | fraction;
}

// A server's reply as built by a well-behaved server, to be spoilt field by field.
struct Reply {
    int leap = 0, version = 4, mode = 4, stratum = 2;
    quint64 origin = 0;
    quint64 receive = 0;
    quint64 transmit = 0;
    QByteArray refId = QByteArray("\x7f\0\0\1", 4);  // 127.0.0.1, NULs and all

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> p(48, 0);
        p[0] = static_cast<std::uint8_t>((leap << 6) | (version << 3) | mode);
        p[1] = static_cast<std::uint8_t>(stratum);
        for (int i = 0; i < 4; ++i) {
            p[12 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(refId.at(i));
        }
        auto put = [&p](std::size_t at, quint64 v) {
            const auto b = bytesOf(v);
            std::copy(b.begin(), b.end(), p.begin() + static_cast<std::ptrdiff_t>(at));
        };
        put(24, origin);
        put(32, receive);
        put(40, transmit);
        return p;
    }
};

constexpr quint64 kNonce = 0x9e3779b97f4a7c15ull;
const qint64 kT1 = utcMs(2026, 12, 7, 8, 49, 57);
const qint64 kEarliest = utcMs(2026, 12, 7, 0, 0, 0);

// One way a reply can differ from a good answer, and what becomes of it.
struct Spoiler {
    const char* name;
    std::function<void(Reply&)> spoil;
    Judgement::Kind kind;
    Verdict verdict;
    KissAction kiss = KissAction::Ignore;
    int missingBytes = 0;
};

void kissOf(Reply& r, const char* code, quint64 origin = kNonce) {
    r.stratum = 0;
    r.leap = 3;
    r.refId = QByteArray(code, 4);
    r.receive = r.transmit = 0;
    r.origin = origin;
}

const std::vector<Spoiler>& spoilers() {
    using K = Judgement::Kind;
    static const std::vector<Spoiler> all{
        {"good", [](Reply&) {}, K::Answer, Verdict::Good},
        {"version 3", [](Reply& r) { r.version = 3; }, K::Answer, Verdict::Good},
        {"47 bytes", [](Reply&) {}, K::Drop, Verdict::Short, KissAction::Ignore, 1},
        {"mode 3", [](Reply& r) { r.mode = 3; }, K::Drop, Verdict::NotServer},
        {"version 2", [](Reply& r) { r.version = 2; }, K::Drop, Verdict::BadVersion},
        {"version 5", [](Reply& r) { r.version = 5; }, K::Drop, Verdict::BadVersion},
        {"wrong origin", [](Reply& r) { r.origin = kNonce ^ 1; }, K::Drop, Verdict::WrongOrigin},
        {"origin zero", [](Reply& r) { r.origin = 0; }, K::Drop, Verdict::WrongOrigin},
        {"stratum 16", [](Reply& r) { r.stratum = 16; }, K::Drop, Verdict::BadStratum},
        {"leap indicator 3", [](Reply& r) { r.leap = 3; }, K::Drop, Verdict::Unsynchronised},
        {"transmit zero", [](Reply& r) { r.transmit = 0; }, K::Drop, Verdict::NoTransmitTime},
        {"receive zero", [](Reply& r) { r.receive = 0; }, K::Drop, Verdict::NoReceiveTime},
        {"kiss RATE", [](Reply& r) { kissOf(r, "RATE"); }, K::Kiss, Verdict::Kiss, KissAction::SlowDown},
        {"kiss DENY", [](Reply& r) { kissOf(r, "DENY"); }, K::Kiss, Verdict::Kiss, KissAction::StopUsing},
        {"kiss RSTR", [](Reply& r) { kissOf(r, "RSTR"); }, K::Kiss, Verdict::Kiss, KissAction::StopUsing},
        {"kiss of an unknown code", [](Reply& r) { kissOf(r, "ACST"); }, K::Drop, Verdict::Kiss},
        {"kiss DENY for another request", [](Reply& r) { kissOf(r, "DENY", kNonce + 1); }, K::Drop,
         Verdict::WrongOrigin},
        {"a time before the build day",
         [](Reply& r) { r.receive = r.transmit = timestampOf(kEarliest - 60000); }, K::TooEarly,
         Verdict::Good},
    };
    return all;
}

}  // namespace

class TestSntp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timestampsRoundToTheMillisecondHalfToEven_data() {
        QTest::addColumn<quint64>("timestamp");
        QTest::addColumn<quint64>("whole");
        QTest::addColumn<int>("milliseconds");
        const quint64 s = 3974112000ull;
        QTest::newRow(".9996 s is the next second") << ((s << 32) | 4293249310ull) << s + 1 << 0;
        QTest::newRow(".9994 s stays") << ((s << 32) | 4292390316ull) << s << 999;
        QTest::newRow("62.5 ms, halfway, to the even 62") << ((s << 32) | (1ull << 28)) << s << 62;
        QTest::newRow("187.5 ms, halfway, to the even 188") << ((s << 32) | (3ull << 28)) << s << 188;
        QTest::newRow("half a second") << ((s << 32) | (1ull << 31)) << s << 500;
        QTest::newRow("the last moment of an era") << ~0ull << (1ull << 32) << 0;
    }
    void timestampsRoundToTheMillisecondHalfToEven() {
        QFETCH(quint64, timestamp);
        QFETCH(quint64, whole);
        QFETCH(int, milliseconds);
        const auto b = bytesOf(timestamp);
        const Seconds got = TimestampToSeconds(std::span<const std::uint8_t, 8>(b));
        QCOMPARE(got.whole, whole);
        QCOMPARE(got.milliseconds, milliseconds);
    }

    // The 32-bit seconds wrap on 2036-02-07 06:28:16 UTC; the time carries on past it.
    void erasFollowTheBuildDay() {
        const qint64 pivot = utcMs(2026, 12, 7, 0, 0, 0);
        auto unix = [pivot](quint64 timestamp) {
            const auto b = bytesOf(timestamp);
            return unixMilliseconds(TimestampToSeconds(std::span<const std::uint8_t, 8>(b)), pivot);
        };
        QCOMPARE(unix((0xFFFFFFFFull << 32) | 4293249310ull), utcMs(2036, 2, 7, 6, 28, 16));
        QCOMPARE(unix((0xFFFFFFFFull << 32) | (1ull << 31)), utcMs(2036, 2, 7, 6, 28, 15, 500));
        QCOMPARE(unix(16ull << 32), utcMs(2036, 2, 7, 6, 28, 32));
        QCOMPARE(unix(timestampOf(utcMs(2026, 12, 7, 8, 50, 0, 250))), utcMs(2026, 12, 7, 8, 50, 0, 250));
        QCOMPARE(unix(timestampOf(utcMs(2090, 1, 1, 0, 0, 0))), utcMs(2090, 1, 1, 0, 0, 0));
        // Long before the build day is still long before it (and refused), not a century later.
        QCOMPARE(unix(timestampOf(utcMs(1990, 5, 1, 12, 0, 0))), utcMs(1990, 5, 1, 12, 0, 0));
    }

    void onlyAnAnswerToOurRequestCounts_data() {
        QTest::addColumn<int>("spoil");  // index into spoilers()
        for (int i = 0; i < int(spoilers().size()); ++i) {
            QTest::newRow(spoilers()[std::size_t(i)].name) << i;
        }
    }
    void onlyAnAnswerToOurRequestCounts() {
        QFETCH(int, spoil);
        const Spoiler& s = spoilers()[std::size_t(spoil)];
        Reply r;
        r.origin = kNonce;
        r.receive = r.transmit = timestampOf(kT1 + 3000);
        s.spoil(r);
        std::vector<std::uint8_t> bytes = r.bytes();
        bytes.resize(bytes.size() - std::size_t(s.missingBytes));

        const Judgement j = judge(bytes, kNonce, kT1, kT1, kEarliest);
        QCOMPARE(j.kind, s.kind);
        QCOMPARE(j.verdict, s.verdict);
        QCOMPARE(j.kiss, s.kiss);
        if (j.kind == Judgement::Kind::Answer) {
            QCOMPARE(j.offsetMs, 3000);
            QVERIFY(j.step);
        }
    }

    // The round trip is taken out: a server 1.5 s ahead answering a request that took 2 s
    // there and back (1 s each way) gives 1.5 s, not the 0.5 s of its transmit time alone.
    void offsetIsCorrectedForTheRoundTrip() {
        const qint64 earliest = utcMs(2026, 12, 7, 0, 0, 0);
        const qint64 t1 = utcMs(2026, 12, 7, 8, 49, 57, 100);
        Reply r;
        r.origin = kNonce;
        r.receive = timestampOf(t1 + 1000 + 1500);
        r.transmit = timestampOf(t1 + 1000 + 1500 + 4);  // 4 ms inside the server
        const Judgement j = judge(r.bytes(), kNonce, t1, t1 + 2004, earliest);
        QCOMPARE(j.kind, Judgement::Kind::Answer);
        QCOMPARE(j.offsetMs, 1500);

        // A clock behind by a little less than 0.1 s is left alone; from 0.1 s on, either way, it is set.
        for (const auto& [ahead, step] : std::vector<std::pair<int, bool>>{
                 {99, false}, {-99, false}, {100, true}, {-100, true}, {-3600000, true}}) {
            r.receive = r.transmit = timestampOf(t1 + ahead);
            const Judgement k = judge(r.bytes(), kNonce, t1, t1, earliest);
            QCOMPARE(k.offsetMs, ahead);
            QCOMPARE(k.step, step);
        }
        QCOMPARE(offsetMs(0, 5100, 5110, 410), 4900);  // 100 ms out, 300 ms back: half the difference stays
        QCOMPARE(offsetMs(0, 1, 1, 1), 1);             // halves round away from zero
        QCOMPARE(offsetMs(0, -1, -1, 1), -2);
    }

    void theRequestCarriesOurNonce() {
        const Packet p = request(kNonce);
        QCOMPARE(p[0], std::uint8_t{27});  // version 3, client
        QCOMPARE(std::count(p.begin(), p.begin() + 40, std::uint8_t{0}), 39);
        std::array<std::uint8_t, 8> sent{};
        std::copy(p.begin() + 40, p.end(), sent.begin());
        QCOMPARE(sent, bytesOf(kNonce));
    }

    void serversAreHostOrHostAndPort_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host");  // empty: not a server
        QTest::addColumn<int>("port");
        QTest::newRow("name") << "pool.ntp.org"
                              << "pool.ntp.org" << 123;
        QTest::newRow("name and port") << " 127.0.0.1:11123 "
                                       << "127.0.0.1" << 11123;
        QTest::newRow("v6 with port") << "[::1]:5123"
                                      << "::1" << 5123;
        QTest::newRow("bare v6") << "fe80::1"
                                 << "fe80::1" << 123;
        QTest::newRow("port 0") << "host:0"
                                << "" << 0;
        QTest::newRow("port too big") << "host:65536"
                                      << "" << 0;
        QTest::newRow("port not a number") << "host:ntp"
                                           << "" << 0;
        QTest::newRow("no host") << ":123"
                                 << "" << 0;
        QTest::newRow("nothing") << "  "
                                 << "" << 0;
    }
    void serversAreHostOrHostAndPort() {
        QFETCH(QString, text);
        QFETCH(QString, host);
        QFETCH(int, port);
        const auto server = parseServer(text.toStdString());
        QCOMPARE(server.has_value(), !host.isEmpty());
        if (server) {
            QCOMPARE(QString::fromStdString(server->host), host);
            QCOMPARE(int(server->port), port);
        }
    }

    void aServerIsAskedAtMostOncePerInterval() {
        Pacing p;
        const qint64 t = utcMs(2026, 12, 7, 9, 0, 3);
        QVERIFY(p.mayAsk(t));
        p.asked(t);
        QVERIFY(!p.mayAsk(t + 63999));
        QVERIFY(p.mayAsk(t + 64000));

        p.slowDown();  // RATE
        QVERIFY(!p.mayAsk(t + 127999));
        QVERIFY(p.mayAsk(t + 128000));
        for (int i = 0; i < 20; ++i) {
            p.slowDown();
        }
        QCOMPARE(p.intervalSeconds, kLongestIntervalSeconds);

        // The clock set back an hour by someone else: the wait starts again from there.
        Pacing q;
        q.asked(t);
        QVERIFY(!q.mayAsk(t - 3600000));
        QVERIFY(!q.mayAsk(t - 3600000 + 63999));
        QVERIFY(q.mayAsk(t - 3600000 + 64000));

        // Our own step moves the last request with the clock.
        Pacing r;
        r.asked(t);
        r.clockStepped(3600000);
        QVERIFY(!r.mayAsk(t + 3600000 + 6000));
        QVERIFY(r.mayAsk(t + 3600000 + 64000));
    }
};

QTEST_APPLESS_MAIN(TestSntp)
#include "test_sntp.moc"
