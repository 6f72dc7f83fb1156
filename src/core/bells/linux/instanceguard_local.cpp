// One ringing copy per PC; see instanceguard_local.h.
#include "core/bells/linux/instanceguard_local.h"

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QSocketNotifier>
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
// After handing over, the name is left to the copy that asked for it this long at most: a copy
// that dies before it holds the name costs the bells no more than this.
constexpr int kGraceMs = 1000;
// A connection says what it wants at once; one that does not is dropped after this.
constexpr int kSayMs = 2000;
// Connections kept open at a time: of this user (its copies waiting for the bells, a second copy
// asking for the window), of any other user, and in all. Any more are closed as they come.
constexpr int kOwnUserConnections = 8;
constexpr int kOtherUserConnections = 4;
constexpr int kAllConnections = 32;
constexpr int kBacklog = 16;
// When the process has no descriptor left, the socket waits this long before it accepts again.
constexpr int kAcceptAgainMs = 250;
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

LocalInstanceGuard::~LocalInstanceGuard() {
    closeListener();
    // The connections go with the guard; what they say on the way is not heard.
    for (QObject* child : children()) {
        child->disconnect(this);
    }
}

// The socket is made here rather than by QLocalServer, which closes its socket for good when an
// accept fails (a process out of descriptors): the guard would be gone and nobody would know.
bool LocalInstanceGuard::listen() {
    const QByteArray name = QFile::encodeName(m_name);
    sockaddr_un address{};
    auto cannotTell = [this](const QString& why) {
        m_problem = QStringLiteral("whether another copy of Corvalin runs on this computer cannot be told (%1)")
                        .arg(why);
        return false;
    };
    if (name.isEmpty() || std::size_t(name.size()) + 1 > sizeof address.sun_path) {
        return cannotTell(QStringLiteral("the guard's name does not fit"));
    }
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) {
        return cannotTell(QString::fromLocal8Bit(std::strerror(errno)));
    }
    // An abstract name: a zero byte, then the name, the length saying where it ends.
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(descriptor, kBacklog) != 0) {
        const int error = errno;
        ::close(descriptor);
        return error == EADDRINUSE ? false : cannotTell(QString::fromLocal8Bit(std::strerror(error)));
    }
    m_problem.clear();
    m_listener = descriptor;
    m_incoming = new QSocketNotifier(qintptr(descriptor), QSocketNotifier::Read, this);
    connect(m_incoming, &QSocketNotifier::activated, this, &LocalInstanceGuard::acceptConnections);
    return true;
}

void LocalInstanceGuard::closeListener() {
    if (m_listener < 0) {
        return;
    }
    delete m_incoming;
    m_incoming = nullptr;
    if (m_acceptAgain) {
        m_acceptAgain->stop();
    }
    ::close(m_listener);
    m_listener = -1;
}

int LocalInstanceGuard::runningCopies() {
    if (holds()) {
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
    while (m_listener >= 0) {
        const int descriptor = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            admit(descriptor);
            continue;
        }
        const int error = errno;
        if (error == EINTR || error == ECONNABORTED) {
            continue;
        }
        if (error == EAGAIN || error == EWOULDBLOCK) {
            return;
        }
        if (error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM) {
            // The connections wait in the socket's queue until a descriptor is free again.
            qCWarning(lcInstance) << "the guard cannot take a connection now:" << std::strerror(error);
            m_incoming->setEnabled(false);
            if (!m_acceptAgain) {
                m_acceptAgain = new QTimer(this);
                m_acceptAgain->setSingleShot(true);
                connect(m_acceptAgain, &QTimer::timeout, this, [this] {
                    if (m_incoming) {
                        m_incoming->setEnabled(true);
                        acceptConnections();
                    }
                });
            }
            m_acceptAgain->start(kAcceptAgainMs);
            return;
        }
        // The socket itself failed: it is made again, or whoever took the name meanwhile is said.
        qCCritical(lcInstance) << "the guard's socket failed:" << std::strerror(error);
        closeListener();
        if (listen()) {
            Q_EMIT problemGone(QStringLiteral("the guard of the bells is held again"));
        } else {
            Q_EMIT problemFound(QStringLiteral("the guard of the bells was lost (%1); another copy may ring "
                                               "every bell a second time")
                                    .arg(QString::fromLocal8Bit(std::strerror(error))));
        }
        return;
    }
}

void LocalInstanceGuard::admit(int descriptor) {
    ucred peer{};
    if (!peerOf(descriptor, peer)) {
        ::close(descriptor);
        return;
    }
    const bool ownUser = peer.uid == ::geteuid();
    const int limit = ownUser ? kOwnUserConnections : kOtherUserConnections;
    if (m_connections.value(peer.uid) >= limit || m_connectionCount >= kAllConnections) {
        ::close(descriptor);
        return;
    }
    // Kept by the guard, so that a hand-over can let the socket go and still answer.
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
        ::close(descriptor);
        delete socket;
        return;
    }
    const uint user = peer.uid;
    ++m_connections[user];
    ++m_connectionCount;
    connect(socket, &QObject::destroyed, this, [this, socket, user] {
        m_waiting.removeAll(socket);
        if (--m_connections[user] <= 0) {
            m_connections.remove(user);
        }
        --m_connectionCount;
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A connection that has not asked to wait by then is done with.
    QTimer::singleShot(kSayMs, socket, [this, socket] {
        if (!m_waiting.contains(socket)) {
            socket->abort();
            socket->deleteLater();
        }
    });
    socket->write(kGreeting + (m_role == Role::Headless ? "headless" : "window") + '\n');
    // Only this user's copies may bring the window up or take the bells; another user's copy
    // only looks who runs, or waits.
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, ownUser] { answer(socket, ownUser); });
    answer(socket, ownUser);
}

void LocalInstanceGuard::answer(QLocalSocket* socket, bool ownUser) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
        if (line == kShow && ownUser) {
            qCInfo(lcInstance) << "another copy asked this one to show its window";
            if (m_onShow) {
                m_onShow();
            }
        } else if (line == kHandOver && ownUser && m_role == Role::Headless && m_onHandOver && holds()) {
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
        socket->deleteLater();
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
    standBy(kGraceMs, given.decided);
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
    if (!holds()) {
        return;
    }
    m_decided = minuteKey;
    // Out at once: this copy may be killed before its event loop would send it.
    for (QLocalSocket* waiting : std::as_const(m_waiting)) {
        waiting->write(kDecided + QByteArray::number(minuteKey) + '\n');
        waiting->flush();
    }
}

void LocalInstanceGuard::resign() {
    closeListener();
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

void LocalInstanceGuard::standBy(int graceMs, qint64 decided) {
    m_graceUntil = QDateTime::currentMSecsSinceEpoch() + graceMs;
    m_decided = decided;
    if (!m_retry) {
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        m_retry->setInterval(kRetryMs);
        connect(m_retry, &QTimer::timeout, this, &LocalInstanceGuard::attemptToHold);
    }
    attemptToHold();
}

void LocalInstanceGuard::attemptToHold() {
    if (holds() || m_holder) {
        return;
    }
    // The holder has gone (or never was): the name is taken, unless it is still left to the
    // window copy that asked for the bells.
    if (QDateTime::currentMSecsSinceEpoch() >= m_graceUntil && listen()) {
        taken();
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
        // not taken yet, or a holder that let go at once, a moment later.
        const bool stayed = holder->property("met").toBool() &&
                            holder->property("since").toLongLong() + kRetryMs < QDateTime::currentMSecsSinceEpoch();
        m_retry->start(stayed ? 0 : kRetryMs);
    };
    connect(holder, &QLocalSocket::connected, this, [this, holder] { holderMet(holder); });
    connect(holder, &QLocalSocket::readyRead, this, &LocalInstanceGuard::readHolder);
    connect(holder, &QLocalSocket::disconnected, this, lost);
    connect(holder, &QLocalSocket::errorOccurred, this, lost);
    holder->connectToServer(m_name);
}

void LocalInstanceGuard::holderMet(QLocalSocket* holder) {
    holder->setProperty("met", true);
    holder->setProperty("since", QDateTime::currentMSecsSinceEpoch());
    // The copy that asked for the bells holds them: no more need to leave the name to it.
    m_graceUntil = 0;
    // Who holds the name is what the kernel says, not what the holder says of itself.
    ucred peer{};
    if (peerOf(holder->socketDescriptor(), peer) && peer.uid != ::geteuid()) {
        holder->setProperty("foreign", true);  // what it says of the minutes it decided is not taken
        if (m_foreignHolder != peer.pid) {
            m_foreignHolder = peer.pid;
            qCWarning(lcInstance) << "a program of another user holds the guard:" << peer.uid << peer.pid;
            Q_EMIT problemFound(QStringLiteral("a program of the user %1 (process %2) holds the guard of "
                                               "Corvalin's bells: no bell rings here until it ends")
                                    .arg(userName(peer.uid))
                                    .arg(peer.pid));
        }
    }
    // A copy of Corvalin keeps a copy that waits for it, and tells it the minutes it decides.
    holder->write(kStandBy + '\n');
}

void LocalInstanceGuard::taken() {
    qCInfo(lcInstance) << "took the bells over";
    if (m_foreignHolder >= 0) {
        m_foreignHolder = -1;
        Q_EMIT problemGone(QStringLiteral("the guard of Corvalin's bells is free again: this copy rings them"));
    }
    if (m_onTaken) {
        m_onTaken(HandOver{m_decided, true});
    }
}

void LocalInstanceGuard::readHolder() {
    if (!m_holder) {
        return;
    }
    while (m_holder->canReadLine()) {
        const QByteArray line = m_holder->readLine(kMaxLine + 1).trimmed();
        if (line.startsWith(kDecided) && !m_holder->property("foreign").toBool()) {
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
