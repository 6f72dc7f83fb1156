// One running copy per user: a lock file decides, a local socket carries "show" to the first copy.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "desktop/instanceguard.h"

class QLocalServer;

// The copy that holds an exclusive lock on Corvalin-<user>.lock in the user's runtime folder is
// the first copy; the lock goes with the process, however it ends, so a killed copy never blocks
// the next start. The first copy listens on Corvalin-<user>.socket beside the lock and calls the
// show handler, on its own thread, for every "show" line a later copy sends.
class LocalInstanceGuard final : public InstanceGuard {
public:
    // The lock and the socket go into `folder`; by default the user's runtime folder, or
    // /tmp/corvalin-<uid> when there is none. Without a folder the guard lets every copy run.
    explicit LocalInstanceGuard(QString folder = QString());
    ~LocalInstanceGuard() override;
    LocalInstanceGuard(const LocalInstanceGuard&) = delete;
    LocalInstanceGuard& operator=(const LocalInstanceGuard&) = delete;

    // 1 when this copy holds the lock (it then listens for "show"), 2 when another copy holds
    // it, 0 when the lock cannot be taken for another reason.
    int runningCopies() override;
    // Sends "show" to the first copy, waiting about a second at most for its socket.
    void signalFirstInstance() override;
    void onShowRequest(std::function<void()> handler) override;

    QString lockPath() const;
    QString serverPath() const;

private:
    void listen();
    void acceptConnections();

    QString m_folder;
    QString m_baseName;
    int m_lockFd = -1;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_onShow;
};
