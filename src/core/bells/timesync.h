// The internet time client. At the bell clock's sync seconds it asks a time server over SNTP,
// at most once per 64 seconds a server; it checks every reply before it believes it, sets the
// computer's clock from a good one (corrected for the round trip), falls back to the second time
// server when a request cannot be sent there, and keeps the failure score that opens the warning
// window.
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <optional>

#include "engine/timesync/sntp.h"

class Clock;
class SystemClock;
class QUdpSocket;
class QNetworkDatagram;

class TimeSync : public QObject {
    Q_OBJECT
public:
    TimeSync(Clock* clock, SystemClock* systemClock, QObject* parent = nullptr);
    ~TimeSync() override;

    // One attempt, with `host` the primary time server ("host" or "host:port"). A server asked
    // less than its interval ago is not asked again: the attempt sends nothing and counts as
    // neither success nor failure. When the request cannot be sent (a name that does not
    // resolve, a socket error), `host` becomes the second time server and the attempt goes there;
    // when it cannot be sent there either, or that server may not be asked yet, `syncFailures` goes up, and past 5 the warning window
    // is due and the score starts again. A name is looked up without blocking, so a fallback
    // after a failed look-up comes later and is told by timeServerChanged.
    void StartTimeSync(QString& host);

    // The failure score: each attempt that fails on both servers adds 1, each answer takes 1 away.
    int syncFailures() const { return m_syncFailures; }

    // No answer may set the clock before this time (milliseconds since 1970 UTC); the build day
    // unless set otherwise.
    void setEarliest(qint64 msSinceEpoch) { m_earliestMs = msSinceEpoch; }

Q_SIGNALS:
    // The attempt fell back to another time server.
    void timeServerChanged(const QString& host);
    // The clock was set (local times before and after) from that server's answer.
    void clockStepped(const QDateTime& from, const QDateTime& to, const QString& server);
    // Too many attempts failed on both servers: the warning window is due.
    void syncErrorDue();
    // Something the operator should know: a clock that could not be set, a server that refuses
    // us or sends a time before this program was built. The same text is not told twice in a row.
    void problem(const QString& text);
    // A datagram that did not set the clock, and why.
    void dropped(const QString& server, const QString& why);

private:
    struct Request {
        QString server;
        QHostAddress address;
        quint16 port = 0;
        quint64 nonce = 0;
        qint64 sentMs = 0;
    };

    // False when the server may not be asked yet (see sntp::Pacing): nothing was tried.
    bool attempt(const QString& server);
    void send(const QString& server, const QHostAddress& address, quint16 port);
    void cannotSend(const QString& server);
    void ocxWinsock_DataArrival();
    void judge(const QNetworkDatagram& datagram, qint64 receivedMs);
    void setClock(const QString& server, qint64 offsetMs);
    void report(const QString& text);
    qint64 nowMs() const;

    Clock* m_clock;
    SystemClock* m_systemClock;
    QUdpSocket* ocxWinsock;
    int m_syncFailures = 0;
    QString m_timeServer;
    QHash<QString, corvalin::sntp::Pacing> m_pacing;
    std::optional<Request> m_request;  // the request whose answer is awaited
    int m_lookup = -1;                 // the name look-up under way, -1 for none
    qint64 m_earliestMs;
    QString m_lastProblem;
};
