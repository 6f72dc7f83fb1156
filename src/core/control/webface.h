// The staff web page as a face of the running copy, the window copy and the copy with no window
// alike: it switches the server on and off as data/web says, keeps the staff accounts, and runs
// what the page asks through the command table, as the other faces do. It lives on the faces'
// thread; the server runs on threads of its own and waits for this one only within a bound.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>

#include "core/control/commands.h"
#include "core/web/webcertificate.h"
#include "core/web/webserver.h"
#include "core/web/webswitch.h"

class WebFace : public QObject, public corvalin::control::StaffPage {
    Q_OBJECT
public:
    WebFace(CommandRunner& runner, QString dataFolder, QObject* parent = nullptr);
    ~WebFace() override;

    // Serves the page while this copy rings the bells and the switch is on. A copy that waits
    // while another rings is not active, so that only one serves.
    void setActive(bool active);

    QString switchOn(const QString& listen) override;
    QString switchOff() override;
    QString address() const override;
    QString fingerprint() const override;
    QString state() const override;
    QString addStaff(const QString& name, const QString& role, const QString& hash) override;
    QString removeStaff(const QString& name) override;
    QStringList staff(QString* problem) const override;

    // Whether the switch is on, and where it listens ("8443", "192.0.2.10:8443").
    bool isOn() const { return m_switch.on; }
    QString listen() const { return corvalin::web::listenText(m_switch.listen); }

Q_SIGNALS:
    // Served or not, the address, the fingerprint or the accounts changed.
    void changed();

private:
    // Serves, or stops, as the switch and the activity say; the reason it does not serve.
    QString follow();
    void publishStatus();
    corvalin::web::Face::Outcome runForServer(const QString& method, const QVariantList& arguments, const QString& by);

    CommandRunner& m_runner;
    QString m_folder;
    corvalin::web::WebSwitch m_switch;
    bool m_active = false;
    QString m_problem;  // why it is not served though switched on
    corvalin::web::Certificate m_certificate;
    corvalin::web::WebServer::Listen m_servedOn;
    std::unique_ptr<corvalin::web::WebServer> m_server;
    std::atomic<bool> m_stopping{false};
    QTimer m_statusTimer;  // while pages listen: their status (and clock), every second
    QTimer m_soon;         // a change told: the status in a moment, once for a burst
    QTimer m_retry;        // the page could not be served: tried again in a while
    QString m_toldProblem;  // the problem the ring log and the warning line hold
};
