// One ringing copy per PC; see instanceguard_local.h.
#include "desktop/instanceguard_local.h"

#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

namespace {

Q_LOGGING_CATEGORY(lcInstance, "corvalin.instance", QtWarningMsg)

const QByteArray kShow = QByteArrayLiteral("show");
const QByteArray kHandOver = QByteArrayLiteral("handover");
const QByteArray kStandBy = QByteArrayLiteral("standby");
const QByteArray kDecided = QByteArrayLiteral("decided ");
const QByteArray kReleased = QByteArrayLiteral("released ");
const QByteArray kGreeting = QByteArrayLiteral("corvalin ");
constexpr int kAnswerMs = 1000;
// A headless copy answers a hand-over between two ticks of its bell clock: at once.
constexpr int kHandOverMs = 5000;
// How soon a waiting copy looks again when the holder is not there yet.
constexpr int kRetryMs = 20;
constexpr qsizetype kMaxLine = 64;

QString userName(qint64 uid) {
    if (const passwd* entry = ::getpwuid(static_cast<uid_t>(uid));
        entry != nullptr && entry->pw_name[0] != '\0') {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString::number(uid);
}

// The user and process at the other end of a connected local socket, as the kernel knows them.
bool peerOf(qintptr descriptor, ucred& peer) {
    socklen_t length = sizeof peer;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0;
}

// The next line a blocking socket receives before the deadline; empty when none comes.
QByteArray nextLine(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || socket.bytesAvailable() > kMaxLine ||
            !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return QByteArray();
        }
    }
    return socket.readLine(kMaxLine + 1).trimmed();
}

// "released 2461383003 1": the minute key and whether the bells ran.
std::optional<HandOver> parseReleased(const QByteArray& line) {
    if (!line.startsWith(kReleased)) {
        return std::nullopt;
    }
    const QList<QByteArray> parts = line.mid(kReleased.size()).split(' ');
    bool keyOk = false;
    HandOver given;
    given.decided = parts.value(0).toLongLong(&keyOk);
    given.running = parts.value(1) == "1";
    if (!keyOk) {
        given.decided = -1;
    }
    return given;
}

}  // namespace

LocalInstanceGuard::LocalInstanceGuard(Role role, QString name) : m_role(role), m_name(std::move(name)) {}

LocalInstanceGuard::~LocalInstanceGuard() = default;

bool LocalInstanceGuard::listen() {
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server->listen(m_name)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError) {
            m_problem = QStringLiteral("whether another copy of Corvalin runs on this computer cannot be told (%1)")
                            .arg(server->errorString());
        }
        return false;
    }
    m_problem.clear();
    m_server = std::move(server);
    connect(m_server.get(), &QLocalServer::newConnection, this, &LocalInstanceGuard::acceptConnections);
    return true;
}

int LocalInstanceGuard::runningCopies() {
    if (m_server) {
        return 1;
    }
    m_holderUid = -1;
    m_holderHeadless = false;
    // A copy that ends between the two steps below frees the name: look again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (listen()) {
            return 1;
        }
        if (!m_problem.isEmpty()) {
            return 0;
        }
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(m_name);
        ucred peer{};
        if (socket.waitForConnected(kAnswerMs) && peerOf(socket.socketDescriptor(), peer)) {
            m_holderUid = peer.uid;
            m_holderPid = peer.pid;
            // The holder's first line says what kind of copy it is.
            const QByteArray greeting = nextLine(socket, QDeadlineTimer(kAnswerMs));
            m_holderHeadless = greeting == kGreeting + "headless";
            socket.abort();
            return 2;
        }
    }
    m_problem = QStringLiteral(
        "whether another copy of Corvalin runs on this computer cannot be told (its guard "
        "is taken, and the copy holding it does not answer)");
    return 0;
}

QString LocalInstanceGuard::otherUser() const {
    if (m_holderUid < 0 || m_holderUid == static_cast<qint64>(::geteuid())) {
        return QString();
    }
    return QStringLiteral("%1 (process %2)").arg(userName(m_holderUid)).arg(m_holderPid);
}

bool LocalInstanceGuard::holderHandsOver() const {
    return m_holderHeadless && m_holderUid == static_cast<qint64>(::geteuid());
}

void LocalInstanceGuard::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // Kept by the guard, so that a hand-over can let the server go and still answer.
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_waiting.removeAll(socket); });
        socket->write(kGreeting + (m_role == Role::Headless ? "headless" : "window") + '\n');
        // Only this user's copies may bring the window up or take the bells; another user's copy
        // only looks who runs, or waits.
        ucred peer{};
        const bool ownUser = peerOf(socket->socketDescriptor(), peer) && peer.uid == ::geteuid();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, ownUser] { answer(socket, ownUser); });
        answer(socket, ownUser);
    }
}

void LocalInstanceGuard::answer(QLocalSocket* socket, bool ownUser) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
        if (line == kShow && ownUser) {
            qCInfo(lcInstance) << "another copy asked this one to show its window";
            if (m_onShow) {
                m_onShow();
            }
        } else if (line == kHandOver && ownUser && m_role == Role::Headless && m_onHandOver && m_server) {
            handOverTo(socket);
            return;
        } else if (line == kStandBy && !m_waiting.contains(socket)) {
            m_waiting.append(socket);
            if (m_decided >= 0) {
                socket->write(kDecided + QByteArray::number(m_decided) + '\n');
            }
        }
    }
    if (socket->bytesAvailable() > kMaxLine) {
        socket->abort();
    }
}

void LocalInstanceGuard::handOverTo(QLocalSocket* socket) {
    // Between two ticks: a bell that was starting has started.
    const HandOver given = m_onHandOver();
    // The name is free before the answer goes, so that the window copy can take it at once.
    resign();
    socket->write(kReleased + QByteArray::number(given.decided) + ' ' + (given.running ? "1" : "0") + '\n');
    socket->flush();
    qCInfo(lcInstance) << "handed the bells over to a window copy";
    standBy(kHandOverMs);
}

std::optional<HandOver> LocalInstanceGuard::takeOver() {
    if (!holderHandsOver()) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(kHandOverMs);
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(int(deadline.remainingTime())) ||
        nextLine(socket, deadline) != kGreeting + "headless") {
        return std::nullopt;
    }
    socket.write(kHandOver + '\n');
    socket.waitForBytesWritten(int(deadline.remainingTime()));
    const std::optional<HandOver> given = parseReleased(nextLine(socket, deadline));
    socket.abort();
    if (!given) {
        qCWarning(lcInstance) << "the headless copy did not hand the bells over";
        return std::nullopt;
    }
    // The headless copy let the name go before it answered; another copy that was as quick may
    // have it by now, and then this one does not ring.
    while (!listen()) {
        if (deadline.hasExpired() || !m_problem.isEmpty()) {
            return std::nullopt;
        }
        QThread::msleep(kRetryMs);
    }
    m_holderHeadless = false;
    m_holderUid = -1;
    return given;
}

void LocalInstanceGuard::setDecided(qint64 minuteKey) {
    if (!m_server) {
        return;
    }
    m_decided = minuteKey;
    for (QLocalSocket* waiting : std::as_const(m_waiting)) {
        waiting->write(kDecided + QByteArray::number(minuteKey) + '\n');
    }
}

void LocalInstanceGuard::resign() {
    m_server.reset();
    for (QLocalSocket* waiting : std::as_const(m_waiting)) {
        waiting->abort();
    }
    m_waiting.clear();
}

void LocalInstanceGuard::signalFirstInstance() {
    if (!otherUser().isEmpty()) {
        return;
    }
    const QDeadlineTimer deadline(kAnswerMs);
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    for (;;) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            qCWarning(lcInstance) << "the first copy does not answer";
            return;
        }
        QThread::msleep(20);
    }
    socket.write(kShow + '\n');
    socket.waitForBytesWritten(int(deadline.remainingTime()));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(int(deadline.remainingTime()));
    }
}

void LocalInstanceGuard::onShowRequest(std::function<void()> handler) {
    m_onShow = std::move(handler);
}

void LocalInstanceGuard::onHandOverRequest(std::function<HandOver()> handler) {
    m_onHandOver = std::move(handler);
}

void LocalInstanceGuard::onTaken(std::function<void(const HandOver&)> handler) {
    m_onTaken = std::move(handler);
}

void LocalInstanceGuard::standBy(int graceMs) {
    m_graceUntil = QDateTime::currentMSecsSinceEpoch() + graceMs;
    m_decided = -1;
    if (!m_retry) {
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        m_retry->setInterval(kRetryMs);
        connect(m_retry, &QTimer::timeout, this, &LocalInstanceGuard::attemptToHold);
    }
    attemptToHold();
}

void LocalInstanceGuard::attemptToHold() {
    if (m_server || m_holder) {
        return;
    }
    // The holder has gone (or never was): the name is taken, unless it is still left to the
    // window copy that asked for the bells.
    if (QDateTime::currentMSecsSinceEpoch() >= m_graceUntil && listen()) {
        qCInfo(lcInstance) << "took the bells over";
        if (m_onTaken) {
            m_onTaken(HandOver{m_decided, true});
        }
        return;
    }
    auto* holder = new QLocalSocket(this);
    m_holder = holder;
    holder->setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    auto lost = [this, holder] {
        if (m_holder != holder) {
            return;
        }
        m_holder = nullptr;
        holder->deleteLater();
        // A holder that ends frees the name with its last breath: look at once; a name that is
        // not taken yet, a moment later.
        m_retry->start(holder->property("met").toBool() ? 0 : kRetryMs);
    };
    connect(holder, &QLocalSocket::connected, this, [holder] {
        holder->setProperty("met", true);
        holder->write(kStandBy + '\n');
    });
    connect(holder, &QLocalSocket::readyRead, this, &LocalInstanceGuard::readHolder);
    connect(holder, &QLocalSocket::disconnected, this, lost);
    connect(holder, &QLocalSocket::errorOccurred, this, lost);
    holder->connectToServer(m_name);
}

void LocalInstanceGuard::readHolder() {
    if (!m_holder) {
        return;
    }
    while (m_holder->canReadLine()) {
        const QByteArray line = m_holder->readLine(kMaxLine + 1).trimmed();
        if (line.startsWith(kDecided)) {
            bool ok = false;
            const qint64 key = line.mid(kDecided.size()).toLongLong(&ok);
            if (ok) {
                m_decided = key;
            }
        }
    }
    if (m_holder->bytesAvailable() > kMaxLine) {
        m_holder->abort();
    }
}
