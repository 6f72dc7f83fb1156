// A fake SNTP server on 127.0.0.1 that the test answers for, the replies it sends, a system
// clock that moves the fake clock, and server names that never resolve.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include "fakeports.h"
#include "engine/timesync/sntp.h"

// A time server that the test answers for, on a port of 127.0.0.1 of its own.
class FakeTimeServer {
public:
    FakeTimeServer() { socket.bind(QHostAddress(QHostAddress::LocalHost), 0); }

    QString name() const { return QStringLiteral("127.0.0.1:%1").arg(socket.localPort()); }

    // Waits for the next request; false when none came.
    bool receive() {
        if (!QTest::qWaitFor([this] { return socket.hasPendingDatagrams(); }, 5000)) {
            return false;
        }
        const QNetworkDatagram d = socket.receiveDatagram();
        request = d.data();
        client = d.senderAddress();
        clientPort = static_cast<quint16>(d.senderPort());
        return request.size() == 48;
    }
    // Requests that arrived and were not read.
    int unread() {
        int n = 0;
        while (socket.hasPendingDatagrams()) {
            socket.receiveDatagram();
            ++n;
        }
        return n;
    }
    QByteArray origin() const { return request.mid(40, 8); }
    void send(const QByteArray& bytes, QUdpSocket* via = nullptr) {
        (via ? via : &socket)->writeDatagram(bytes, client, clientPort);
    }

    QUdpSocket socket;
    QByteArray request;
    QHostAddress client;
    quint16 clientPort = 0;
};

inline QByteArray timestamp(qint64 msSince1970) {
    const auto seconds = static_cast<quint64>(msSince1970 / 1000 + corvalin::sntp::kSecondsFrom1900To1970);
    const quint64 fraction = (static_cast<quint64>(msSince1970 % 1000) << 32) / 1000 + 1;
    QByteArray b(8, '\0');
    const quint64 v = (seconds << 32) | fraction;
    for (int i = 0; i < 8; ++i) {
        b[i] = static_cast<char>(v >> (56 - 8 * i));
    }
    return b;
}

// A server's reply: LI, version, mode; stratum; reference id; origin; receive and transmit
// timestamps at `serverMs`.
inline QByteArray reply(const QByteArray& origin, qint64 serverMs, int leap = 0, int version = 4,
                        int mode = 4, int stratum = 2, const QByteArray& refId = QByteArray("GPS\0", 4)) {
    QByteArray p(48, '\0');
    p[0] = static_cast<char>((leap << 6) | (version << 3) | mode);
    p[1] = static_cast<char>(stratum);
    p.replace(12, 4, refId);
    p.replace(24, 8, origin);
    p.replace(32, 8, timestamp(serverMs));
    p.replace(40, 8, timestamp(serverMs));
    return p;
}

inline QByteArray kiss(const QByteArray& origin, const char* code) {
    QByteArray p = reply(origin, 0, 3, 4, 4, 0, QByteArray(code, 4));
    p.replace(32, 16, QByteArray(16, '\0'));
    return p;
}

// Names that can never resolve: Qt refuses them before any name server is asked.
const QString kUnresolvable = QStringLiteral("no such host");
const QString kUnresolvableToo = QStringLiteral("no..such.host");

// Sets the fake clock as the real one would be set, keeping every time it was asked for.
class SettableSystemClock final : public SystemClock {
public:
    explicit SettableSystemClock(FakeClock* clock) : m_clock(clock) {}
    bool setUtc(const QDateTime& utc) override {
        sets.append(utc);
        m_clock->set(utc.toLocalTime());
        return true;
    }
    QList<QDateTime> sets;

private:
    FakeClock* m_clock;
};
