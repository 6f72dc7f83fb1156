// One running copy per PC; see instanceguard_local.h.
#include "desktop/instanceguard_local.h"

#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

namespace {

Q_LOGGING_CATEGORY(lcInstance, "corvalin.instance", QtWarningMsg)

const QByteArray kShow = QByteArrayLiteral("show");
constexpr int kAnswerMs = 1000;
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

}  // namespace

LocalInstanceGuard::LocalInstanceGuard(QString name) : m_name(std::move(name)) {}

LocalInstanceGuard::~LocalInstanceGuard() = default;

int LocalInstanceGuard::runningCopies() {
    if (m_server) {
        return 1;
    }
    m_holderUid = -1;
    // A copy that ends between the two steps below frees the name: look again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
        if (server->listen(m_name)) {
            m_server = std::move(server);
            QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                             [this] { acceptConnections(); });
            return 1;
        }
        if (server->serverError() != QAbstractSocket::AddressInUseError) {
            m_problem =
                QStringLiteral("whether another copy of Corvalin runs on this computer cannot be told (%1)")
                    .arg(server->errorString());
            return 0;
        }
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(m_name);
        ucred peer{};
        if (socket.waitForConnected(kAnswerMs) && peerOf(socket.socketDescriptor(), peer)) {
            m_holderUid = peer.uid;
            m_holderPid = peer.pid;
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

void LocalInstanceGuard::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Only this user's copies may bring the window up; another user's copy only looks who runs.
        ucred peer{};
        const bool ownUser = peerOf(socket->socketDescriptor(), peer) && peer.uid == ::geteuid();
        auto readLines = [this, socket, ownUser] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
                if (line == kShow && ownUser) {
                    qCInfo(lcInstance) << "another copy asked this one to show its window";
                    if (m_onShow) {
                        m_onShow();
                    }
                }
            }
            if (socket->bytesAvailable() > kMaxLine) {
                socket->abort();
            }
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, readLines);
        readLines();
    }
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
