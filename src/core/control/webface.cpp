// The staff web page's face.
#include "core/control/webface.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>

#include <chrono>
#include <future>

#include "core/bells/bellsclient.h"
#include "core/web/staffaccounts.h"

namespace web = corvalin::web;

namespace {

const QString kProblemTopic = QStringLiteral("staff web page");

// The route of each command the page may give, from the command table.
std::optional<web::Route> routeOf(const QString& route) {
    using corvalin::control::As;
    using corvalin::control::From;
    for (const auto& command : corvalin::control::commands()) {
        if (!command.route || route != QLatin1String(command.route)) {
            continue;
        }
        web::Route found{QLatin1String(command.method), command.role == corvalin::control::Role::Office, {}};
        for (const auto& argument : command.arguments) {
            found.fields.push_back({QLatin1String(argument.field ? argument.field : argument.name),
                                    QLatin1String(argument.what),
                                    argument.as == As::Text     ? web::Route::Text
                                    : argument.as == As::Time   ? web::Route::Time
                                    : argument.as == As::Number ? web::Route::Number
                                                                : web::Route::NumberOrAll,
                                    argument.from == From::MaybeWord, argument.longest});
        }
        return found;
    }
    return std::nullopt;
}

// The address staff open: the one it listens on, else this computer's first address on its
// network, else its name.
QString shownHost(const QHostAddress& bound) {
    if (!bound.isNull() && bound != QHostAddress(QHostAddress::Any) && bound != QHostAddress(QHostAddress::AnyIPv6)) {
        return bound.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(bound.toString())
                                                                  : bound.toString();
    }
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() && !address.isLinkLocal()) {
            return address.toString();
        }
    }
    return QHostInfo::localHostName();
}

}  // namespace

WebFace::WebFace(CommandRunner& runner, QString dataFolder, QObject* parent)
    : QObject(parent), m_runner(runner), m_folder(std::move(dataFolder)) {
    QString problem;
    m_switch = web::readSwitch(m_folder, &problem);
    if (!problem.isEmpty()) {
        m_runner.bells().problem(problem);
    }
    m_server = std::make_unique<web::WebServer>(
        web::Face{&routeOf,
                  [this](const QString& method, const QVariantList& arguments, const QString& by) {
                      return runForServer(method, arguments, by);
                  },
                  [this](const QString& text) {
                      QMetaObject::invokeMethod(this, [this, text] { m_runner.bells().note(text); }, Qt::QueuedConnection);
                  },
                  [this] { QMetaObject::invokeMethod(&m_statusTimer, qOverload<>(&QTimer::start), Qt::QueuedConnection); }},
        m_folder);
    m_statusTimer.setInterval(1000);
    // Runs only while a page listens: a copy whose page nobody has open is not woken for it.
    connect(&m_statusTimer, &QTimer::timeout, this, [this] {
        if (m_server->listeners() > 0) {
            publishStatus();
        } else {
            m_statusTimer.stop();
        }
    });
    m_retry.setSingleShot(true);
    m_retry.setInterval(30000);
    connect(&m_retry, &QTimer::timeout, this, &WebFace::follow);
    m_soon.setSingleShot(true);
    m_soon.setInterval(50);
    connect(&m_soon, &QTimer::timeout, this, &WebFace::publishStatus);
    BellsClient* bells = &m_runner.bells();
    auto soon = [this] {
        if (m_server->isServing()) {
            m_soon.start();
        }
    };
    connect(bells, &BellsClient::runningChanged, this, soon);
    connect(bells, &BellsClient::alarmChanged, this, soon);
    connect(bells, &BellsClient::nextRingChanged, this, soon);
    connect(bells, &BellsClient::todayListed, this, soon);
    connect(bells, &BellsClient::todayChangesTold, this, soon);
    connect(bells, &BellsClient::bellRung, this, soon);
    connect(bells, &BellsClient::problemReported, this, soon);
    connect(bells, &BellsClient::problemEnded, this, soon);
    m_runner.setStaffPage(this);
}

WebFace::~WebFace() {
    m_runner.setStaffPage(nullptr);
    m_stopping = true;
    m_server->stop();
}

web::Face::Outcome WebFace::runForServer(const QString& method, const QVariantList& arguments, const QString& by) {
    auto promise = std::make_shared<std::promise<web::Face::Outcome>>();
    auto future = promise->get_future();
    QMetaObject::invokeMethod(
        this,
        [this, promise, method, arguments, by] {
            m_runner.run(method, arguments, by, [promise](const QString& refusal, const QVariant& said) {
                promise->set_value({true, refusal, said});
            });
        },
        Qt::QueuedConnection);
    // Waits in short steps, so that a server being stopped is not held up by a copy that no longer
    // answers it.
    using namespace std::chrono_literals;
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (future.wait_for(100ms) != std::future_status::ready) {
        if (m_stopping || std::chrono::steady_clock::now() > until) {
            return {};
        }
    }
    try {
        return future.get();
    } catch (const std::future_error&) {
        return {};  // the answer was dropped: the copy is ending
    }
}

void WebFace::publishStatus() {
    QPointer<WebFace> self(this);
    m_runner.run(QStringLiteral("Status"), {}, QString(), [self](const QString& refusal, const QVariant& said) {
        if (self && refusal.isEmpty()) {
            self->m_server->publish(
                QJsonDocument(QJsonObject::fromVariantMap(said.toMap())).toJson(QJsonDocument::Compact));
        }
    });
}

void WebFace::setActive(bool active) {
    m_active = active;
    follow();
}

QString WebFace::follow() {
    const bool serve = m_active && m_switch.on;
    const QString before = state();
    m_problem.clear();
    if (!serve) {
        m_stopping = true;
        m_server->stop();
        m_statusTimer.stop();
    } else {
        if (m_certificate.fingerprint.isEmpty()) {
            m_certificate = web::certificateOf(m_folder, QHostInfo::localHostName());
            if (m_certificate.made) {
                m_runner.bells().note(QStringLiteral("the staff web page has a certificate of its own now; its SHA-256 "
                                                     "fingerprint is %1")
                                          .arg(m_certificate.fingerprint));
            }
        }
        if (!m_certificate.problem.isEmpty()) {
            m_problem = m_certificate.problem;
            m_certificate = {};
        } else if (!m_server->isServing() || m_servedOn.address != m_switch.listen.address ||
                   m_servedOn.port != m_switch.listen.port) {
            m_stopping = true;
            m_server->stop();
            m_stopping = false;
            m_problem = m_server->start(m_switch.listen, m_certificate.certificatePem, m_certificate.keyPem);
            m_servedOn = m_switch.listen;
        }
    }
    // A page that cannot be served is a problem that lasts until it is (a port another program
    // held is tried again), or until it is switched off.
    if (!m_problem.isEmpty()) {
        if (m_problem != m_toldProblem) {
            m_runner.bells().lastingProblem(kProblemTopic, m_problem);
            m_toldProblem = m_problem;
        }
        m_retry.start();
    } else {
        m_retry.stop();
        if (!m_toldProblem.isEmpty()) {
            m_runner.bells().endProblem(kProblemTopic);
            m_toldProblem.clear();
        }
    }
    if (state() != before) {
        if (m_server->isServing()) {
            m_runner.bells().note(QStringLiteral("the staff web page is served at %1").arg(address()));
        } else if (m_problem.isEmpty() && before != QStringLiteral("off")) {
            m_runner.bells().note(QStringLiteral("the staff web page is no longer served"));
        }
        Q_EMIT changed();
    }
    return m_problem;
}

QString WebFace::switchOn(const QString& listen) {
    QString why;
    const auto where = web::listenOf(listen, &why);
    if (!where) {
        return why;
    }
    const web::WebSwitch before = m_switch;
    m_switch = {true, *where};
    if (const QString fault = web::writeSwitch(m_folder, m_switch); !fault.isEmpty()) {
        m_switch = before;
        return fault;
    }
    if (!m_active) {
        return QStringLiteral("this copy waits while another rings the bells; that one serves the page");
    }
    return follow();
}

QString WebFace::switchOff() {
    const web::WebSwitch before = m_switch;
    m_switch.on = false;
    if (const QString fault = web::writeSwitch(m_folder, m_switch); !fault.isEmpty()) {
        m_switch = before;
        return fault;
    }
    follow();
    return {};
}

QString WebFace::address() const {
    if (!m_server->isServing()) {
        return {};
    }
    const QString host = shownHost(m_switch.listen.address);
    return m_switch.listen.port == 443 ? QStringLiteral("https://%1/").arg(host)
                                       : QStringLiteral("https://%1:%2/").arg(host).arg(m_switch.listen.port);
}

QString WebFace::fingerprint() const {
    if (m_certificate.fingerprint.isEmpty()) {
        // Shown before the page is first served when the certificate is there already.
        const QByteArray pem = [this] {
            QFile file(QDir(m_folder).filePath(QLatin1String(web::kCertificateFile)));
            return file.size() < 256 * 1024 && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        return pem.isEmpty() ? QString() : web::fingerprintOf(pem);
    }
    return m_certificate.fingerprint;
}

QString WebFace::state() const {
    if (m_server->isServing()) {
        return address();
    }
    if (!m_problem.isEmpty()) {
        return QStringLiteral("off: ") + m_problem;
    }
    return QStringLiteral("off");
}

QString WebFace::addStaff(const QString& name, const QString& role, const QString& hash) {
    const auto known = web::roleNamed(role);
    if (!known) {
        return QStringLiteral("a staff role is alarm or office, not %1").arg(role.left(32));
    }
    const QString refusal = web::StaffAccounts(m_folder).put({name, *known, hash.toUtf8()});
    if (refusal.isEmpty()) {
        Q_EMIT changed();
    }
    return refusal;
}

QString WebFace::removeStaff(const QString& name) {
    const QString refusal = web::StaffAccounts(m_folder).remove(name);
    if (refusal.isEmpty()) {
        Q_EMIT changed();
    }
    return refusal;
}

QStringList WebFace::staff(QString* problem) const {
    QStringList lines;
    for (const auto& account : web::StaffAccounts(m_folder).read(problem)) {
        lines << account.name + QLatin1Char(' ') + web::roleName(account.role);
    }
    return lines;
}
