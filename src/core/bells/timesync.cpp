// The internet time client.
#include "core/bells/timesync.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QPointer>
#include <QRandomGenerator>
#include <QUdpSocket>

#include "core/ports/clock.h"
#include "core/ports/systemclock.h"
#include "core/timesync/timeserver.h"

namespace sntp = corvalin::sntp;

TimeSync::TimeSync(Clock* clock, SystemClock* systemClock, QObject* parent)
    : QObject(parent),
      m_clock(clock),
      m_systemClock(systemClock),
      ocxWinsock(new QUdpSocket(this)),
      m_earliestMs(sntp::buildDayMs()) {
    connect(ocxWinsock, &QUdpSocket::readyRead, this, &TimeSync::ocxWinsock_DataArrival);
}

TimeSync::~TimeSync() {
    if (m_lookup >= 0) {
        QHostInfo::abortHostLookup(m_lookup);
    }
}

qint64 TimeSync::nowMs() const {
    return m_clock->now().toMSecsSinceEpoch();
}

void TimeSync::StartTimeSync(QString& host) {
    m_timeServer = host;
    attempt(host);
    host = m_timeServer;
}

bool TimeSync::attempt(const QString& server) {
    sntp::Pacing& pacing = m_pacing[server];
    const qint64 now = nowMs();
    if (!pacing.mayAsk(now)) {
        return false;
    }
    pacing.asked(now);
    // A new attempt: whatever answers an earlier request is no longer taken.
    m_request.reset();
    if (m_lookup >= 0) {
        QHostInfo::abortHostLookup(m_lookup);
        m_lookup = -1;
    }
    const auto address = sntp::parseServer(server.toStdString());
    if (pacing.stopped || !address) {
        cannotSend(server);
        return true;
    }
    const QString host = QString::fromStdString(address->host);
    const quint16 port = address->port;
    if (const QHostAddress literal(host); !literal.isNull()) {
        send(server, literal, port);
        return true;
    }
    m_lookup = QHostInfo::lookupHost(host, this, [this, server, port](const QHostInfo& info) {
        m_lookup = -1;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            cannotSend(server);
            return;
        }
        send(server, info.addresses().constFirst(), port);
    });
    return true;
}

void TimeSync::send(const QString& server, const QHostAddress& address, quint16 port) {
    // The socket is closed and opened again for every request, on a new port.
    ocxWinsock->abort();
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (!ocxWinsock->bind(v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0)) {
        cannotSend(server);
        return;
    }
    const quint64 nonce = QRandomGenerator::system()->generate64();
    const sntp::Packet packet = sntp::request(nonce);
    const qint64 sentMs = nowMs();
    const auto size = static_cast<qint64>(packet.size());
    if (ocxWinsock->writeDatagram(reinterpret_cast<const char*>(packet.data()), size, address, port) !=
        size) {
        cannotSend(server);
        return;
    }
    m_request = Request{server, address, port, nonce, sentMs};
}

void TimeSync::cannotSend(const QString& server) {
    const QString second = secondTimeServer();
    if (server != second) {
        m_timeServer = second;
        Q_EMIT timeServerChanged(second);
        // The second server asked a moment ago (the first one's lookup took its time) is not
        // asked again so soon: this attempt reached no server, and counts as failed.
        if (attempt(second)) {
            return;
        }
    }
    if (++m_syncFailures > 5) {
        m_syncFailures = 0;
        report(QStringLiteral("No internet time server could be reached six times in a row (%1, %2)")
                   .arg(primaryTimeServer(), second));
        Q_EMIT syncErrorDue();
    }
}

void TimeSync::ocxWinsock_DataArrival() {
    while (ocxWinsock->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = ocxWinsock->receiveDatagram();
        judge(datagram, nowMs());
    }
}

void TimeSync::judge(const QNetworkDatagram& datagram, qint64 receivedMs) {
    const QString from =
        datagram.senderAddress().toString() + QLatin1Char(':') + QString::number(datagram.senderPort());
    if (!m_request) {
        Q_EMIT dropped(from, QStringLiteral("no request is waiting for an answer"));
        return;
    }
    const Request request = *m_request;
    if (!datagram.senderAddress().isEqual(request.address, QHostAddress::ConvertV4MappedToIPv4) ||
        datagram.senderPort() != request.port) {
        Q_EMIT dropped(from, QStringLiteral("not from the time server's address and port"));
        return;
    }
    const QByteArray bytes = datagram.data();
    const auto j = sntp::judge(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())),
                               request.nonce, request.sentMs, receivedMs, m_earliestMs);
    const QString server = request.server;
    using Kind = sntp::Judgement::Kind;
    switch (j.kind) {
        case Kind::Drop:
            Q_EMIT dropped(server, QString::fromLatin1(sntp::describe(j.verdict)));
            return;
        case Kind::Kiss: {
            m_request.reset();
            const QString code = QString::fromLatin1(j.kissCode.c_str());
            if (j.kiss == sntp::KissAction::SlowDown) {
                m_pacing[server].slowDown();
            } else {
                // Its turn still comes round once a minute, to fall back to the second server.
                m_pacing[server].stopped = true;
                m_pacing[server].intervalSeconds = sntp::kIntervalSeconds;
                report(QStringLiteral(
                           "The time server %1 refuses to serve this computer (%2); it is not asked again "
                           "until Corvalin starts again")
                           .arg(server, code));
            }
            Q_EMIT dropped(server, QStringLiteral("Kiss-o'-Death ") + code);
            return;
        }
        case Kind::TooEarly:
            m_request.reset();
            report(
                QStringLiteral("The time server %1 sent a time before this program was built; the clock was "
                               "left as it is")
                    .arg(server));
            Q_EMIT dropped(server, QStringLiteral("a time before this program was built"));
            return;
        case Kind::Answer:
            m_request.reset();
            if (m_syncFailures > 0) {
                --m_syncFailures;
            }
            if (j.step) {
                setClock(server, j.offsetMs);
            } else {
                m_lastProblem.clear();  // the clock is right
            }
            return;
    }
}

void TimeSync::setClock(const QString& server, qint64 offsetMs) {
    const QDateTime from = m_clock->now();
    const QDateTime to = from.addMSecs(offsetMs);
    QPointer<TimeSync> self(this);
    m_systemClock->setUtcThen(to.toUTC(), [self, from, to, server, offsetMs](bool set, const QString& why) {
        if (!self) {
            return;
        }
        if (!set) {
            self->report(
                QStringLiteral("The clock could not be set from the time server %1: %2").arg(server, why));
            return;
        }
        // The requests sent so far move with the clock, so the next one still waits its turn.
        for (sntp::Pacing& pacing : self->m_pacing) {
            pacing.clockStepped(offsetMs);
        }
        self->m_lastProblem.clear();
        Q_EMIT self->clockStepped(from, to, server);
    });
}

void TimeSync::report(const QString& text) {
    if (text == m_lastProblem) {
        return;
    }
    m_lastProblem = text;
    Q_EMIT problem(text);
}
