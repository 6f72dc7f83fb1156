// One running copy per PC: a socket in the abstract namespace decides and carries "show" to the
// first copy.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "desktop/instanceguard.h"

class QLocalServer;

// The copy that listens on the abstract socket "corvalin-bells" is the first copy, whichever user
// started it. An abstract socket is no file: nobody can make it unusable by creating it first, and
// it goes with the process, however that ends, so a killed copy never blocks the next start. A
// later copy learns from the kernel who holds it (SO_PEERCRED): a copy of the same user asks it to
// show its window, a copy of another user is told whose copy runs. The first copy calls the show
// handler, on its own thread, for every "show" line its own user sends.
class LocalInstanceGuard final : public InstanceGuard {
public:
    // `name` is the socket's name in the abstract namespace; tests pass one of their own.
    explicit LocalInstanceGuard(QString name = QStringLiteral("corvalin-bells"));
    ~LocalInstanceGuard() override;
    LocalInstanceGuard(const LocalInstanceGuard&) = delete;
    LocalInstanceGuard& operator=(const LocalInstanceGuard&) = delete;

    // 1 when this copy holds the guard (it then listens for "show"), 2 when another copy holds it,
    // 0 when the guard cannot be set up (see problem()).
    int runningCopies() override;
    // Sends "show" to the first copy when it is this user's.
    void signalFirstInstance() override;
    void onShowRequest(std::function<void()> handler) override;
    QString otherUser() const override;
    QString problem() const override { return m_problem; }

private:
    void acceptConnections();

    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_onShow;
    qint64 m_holderUid = -1;  // the user of the copy that holds the guard, when another one does
    qint64 m_holderPid = -1;
    QString m_problem;
};
