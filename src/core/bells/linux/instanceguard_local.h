// One ringing copy per PC: a socket in the abstract namespace decides, carries "show" to the first
// copy, and hands the bells between a headless copy and a window copy.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/ports/instanceguard.h"

class QLocalSocket;
class QSocketNotifier;
class QTimer;

// The copy that listens on the abstract socket "corvalin-bells" holds the bells, whichever user
// started it. An abstract socket is no file: nobody can make it unusable by creating it first, and
// it goes with the process, however that ends, so a killed copy never blocks the next start. A
// later copy learns from the kernel who holds it (SO_PEERCRED) and from the holder's first line
// what kind of copy it is:
// - a window copy of the same user asks a window holder to show its window and ends;
// - a window copy of the same user asks a headless holder to hand over: the holder stops ringing
//   between two ticks, frees the name, answers with the last minute it decided, and waits;
// - a headless copy waits while a window copy holds the bells, told each minute the holder
//   decides, and takes the name the moment the holder's connection ends (exit, logout, crash);
// - a copy of another user is told whose copy runs; a headless copy waits for it to end.
// The holder keeps its listening socket whatever comes: a connection that does not say what it
// wants within two seconds is dropped, and each user may keep only a few open, so that no flood of
// connections takes the descriptors the socket needs.
// Everything runs on the thread that calls runningCopies(); the handlers are called there.
class LocalInstanceGuard final : public QObject, public InstanceGuard {
    Q_OBJECT
public:
    enum class Role { Window, Headless };

    // `name` is the socket's name in the abstract namespace; tests pass one of their own.
    explicit LocalInstanceGuard(Role role = Role::Window, QString name = QStringLiteral("corvalin-bells"));
    ~LocalInstanceGuard() override;
    LocalInstanceGuard(const LocalInstanceGuard&) = delete;
    LocalInstanceGuard& operator=(const LocalInstanceGuard&) = delete;

    // 1 when this copy holds the guard, 2 when another copy holds it, 0 when the guard cannot be
    // set up (see problem()).
    int runningCopies() override;
    // Sends "show" to the first copy when it is this user's.
    void signalFirstInstance() override;
    void onShowRequest(std::function<void()> handler) override;
    QString otherUser() const override;
    QString problem() const override { return m_problem; }
    bool holderHandsOver() const override;
    std::optional<HandOver> takeOver() override;
    void setDecided(qint64 minuteKey) override;
    bool copyWaits() const override { return holds() && !m_waiting.isEmpty(); }
    void resign() override;

    bool holds() const { return m_listener >= 0; }

    // A headless holder: a window copy of its user asks for the bells. The handler stops the bells
    // and says what it hands over; the guard then frees the name, answers, and waits (standBy()).
    void onHandOverRequest(std::function<HandOver()> handler);
    // A waiting headless copy took the name: the handler starts the bells from what the last holder
    // decided.
    void onTaken(std::function<void(const HandOver&)> handler);
    // Waits for the holder to end and then takes the name. After a hand-over it leaves the name to
    // the copy that asked for it until that copy holds it, or at most `graceMs`, before it takes
    // it back itself. `decided` is the last minute this copy decided: a holder that ends before it
    // decides a minute of its own leaves the bells to go on from there.
    void standBy(int graceMs = 0, qint64 decided = -1);

Q_SIGNALS:
    // The bells cannot be this copy's, and why: a program of another user holds the name, or the
    // name was lost and is held by another. Said once for each holder.
    void problemFound(const QString& text);
    // That problem has ended: this copy holds the name.
    void problemGone(const QString& text);

private:
    bool listen();
    void closeListener();
    void acceptConnections();
    void admit(int descriptor);
    void answer(QLocalSocket* socket, bool ownUser);
    void handOverTo(QLocalSocket* socket);
    void attemptToHold();
    void readHolder();
    void holderMet(QLocalSocket* holder);
    void taken();

    Role m_role;
    QString m_name;
    // Held: the listening socket, and the connections of each user.
    int m_listener = -1;
    QSocketNotifier* m_incoming = nullptr;
    QTimer* m_acceptAgain = nullptr;  // after the process ran out of descriptors
    QHash<uint, int> m_connections;
    int m_connectionCount = 0;
    std::function<void()> m_onShow;
    std::function<HandOver()> m_onHandOver;
    std::function<void(const HandOver&)> m_onTaken;
    qint64 m_holderUid = -1;  // the user of the copy that holds the guard, when another one does
    qint64 m_holderPid = -1;
    bool m_holderHeadless = false;
    QString m_problem;
    qint64 m_decided = -1;  // held: the last minute decided; waiting: the holder's last one
    QList<QLocalSocket*> m_waiting;  // held: the headless copies that wait for the bells
    // Waiting: the connection to the holder and the next attempt.
    QLocalSocket* m_holder = nullptr;
    QTimer* m_retry = nullptr;
    qint64 m_graceUntil = 0;
    qint64 m_foreignHolder = -1;  // the process of another user's holder last reported
};
