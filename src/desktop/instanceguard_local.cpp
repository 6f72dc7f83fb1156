// One running copy per user: a lock file decides, a local socket carries "show" to the first copy.
#include "desktop/instanceguard_local.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

Q_LOGGING_CATEGORY(lcInstance, "corvalin.instance", QtWarningMsg)

const QByteArray kShow = QByteArrayLiteral("show");
constexpr int kSignalWaitMs = 1000;
constexpr qsizetype kMaxLine = 64;

QString userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name[0] != '\0') {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString::number(::geteuid());
}

// A private folder under /tmp for systems without a runtime folder: made with mode 0700, and
// refused when it is a link or belongs to someone else.
QString privateTempFolder() {
    const QString folder = QStringLiteral("/tmp/corvalin-%1").arg(::geteuid());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return QString();
    }
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        return QString();
    }
    return folder;
}

QString defaultFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? privateTempFolder() : runtime;
}

}  // namespace

LocalInstanceGuard::LocalInstanceGuard(QString folder)
    : m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder)),
      m_baseName(QStringLiteral("Corvalin-") + userName()) {}

LocalInstanceGuard::~LocalInstanceGuard() {
    // The socket file goes while the lock is still held, so that it is never one of a newer copy.
    m_server.reset();
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
    }
}

QString LocalInstanceGuard::lockPath() const {
    return m_folder + QLatin1Char('/') + m_baseName + QStringLiteral(".lock");
}

QString LocalInstanceGuard::serverPath() const {
    return m_folder + QLatin1Char('/') + m_baseName + QStringLiteral(".socket");
}

int LocalInstanceGuard::runningCopies() {
    if (m_lockFd >= 0) {
        return 1;
    }
    if (m_folder.isEmpty()) {
        qCWarning(lcInstance) << "no private folder for the instance lock; not checking for other copies";
        return 0;
    }
    // The lock file is never removed: a copy that waits on an unlinked file could otherwise run
    // beside one that made a new file.
    const QByteArray path = QFile::encodeName(lockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qCWarning(lcInstance) << "cannot open" << lockPath() << ::strerror(errno);
        return 0;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return 2;
        }
        qCWarning(lcInstance) << "cannot lock" << lockPath() << ::strerror(error);
        return 0;
    }
    m_lockFd = fd;
    // The holder's process id, for whoever looks.
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) != pid.size()) {
        qCDebug(lcInstance) << "cannot write the process id into" << lockPath();
    }
    listen();
    return 1;
}

void LocalInstanceGuard::listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a copy that was killed would stop the server; holding the lock, this
    // copy is the only one that may remove it.
    QLocalServer::removeServer(serverPath());
    if (!m_server->listen(serverPath())) {
        qCWarning(lcInstance) << "cannot listen on" << serverPath() << m_server->errorString();
        m_server.reset();
        return;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                     [this] { acceptConnections(); });
}

void LocalInstanceGuard::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readLines = [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
                if (line == kShow) {
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
    if (m_folder.isEmpty()) {
        return;
    }
    // A copy started at the same instant may hold the lock and not listen yet: try again until
    // the time is up.
    const QDeadlineTimer deadline(kSignalWaitMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(serverPath());
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            qCWarning(lcInstance) << "the first copy does not answer on" << serverPath();
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
