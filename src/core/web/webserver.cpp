// The staff web page's server on libmicrohttpd.
#include "core/web/webserver.h"

#include "core/base/language.h"
#include "core/web/pagetexts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <microhttpd.h>
#include <sodium.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

#include "core/web/staffaccounts.h"
#include "engine/schedule/todaychanges.h"

namespace corvalin::web {

namespace {

using Steady = std::chrono::steady_clock;

constexpr const char* kCookie = "corvalin_session";
constexpr std::chrono::seconds kKeepAlive{10};
// The status a page is told is read again at most this often, however many ask.
constexpr std::chrono::milliseconds kStatusFresh{250};
// How long a request waits for the copy to answer a command.
constexpr std::chrono::seconds kAnswerWait{10};
constexpr std::size_t kMostSessions = 256;
constexpr std::size_t kMostThrottled = 4096;

// A file of the page, served as it is.
struct Asset {
    const char* path;
    const char* resource;
    const char* type;
};
constexpr Asset kAssets[] = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/app.js", ":/web/app.js", "text/javascript; charset=utf-8"},
    {"/style.css", ":/web/style.css", "text/css; charset=utf-8"},
    {"/icon.svg", ":/web/icon.svg", "image/svg+xml"},
    {"/texts.json", nullptr, "application/json"},  // made from the program's translations
};

QByteArray randomToken() {
    unsigned char bytes[32];
    ::randombytes_buf(bytes, sizeof bytes);
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes).toHex();
}

bool sameSecret(const QByteArray& a, const QByteArray& b) {
    return a.size() == b.size() && !a.isEmpty() && ::sodium_memcmp(a.constData(), b.constData(), a.size()) == 0;
}

struct Reply {
    unsigned status = MHD_HTTP_OK;
    QByteArray body;
    QByteArray type = "application/json";
    std::vector<std::pair<QByteArray, QByteArray>> headers;
};

Reply json(unsigned status, const QJsonObject& object) {
    return {status, QJsonDocument(object).toJson(QJsonDocument::Compact), "application/json", {}};
}

Reply answer(unsigned status, const QString& message) {
    return json(status, {{QStringLiteral("ok"), status == MHD_HTTP_OK}, {QStringLiteral("message"), message}});
}

struct Session {
    QString name;
    QByteArray csrf;
    Steady::time_point used;
};

struct Failures {
    std::deque<Steady::time_point> at;
    bool told = false;  // the ring log has said that log-ins are refused for it
};

// One connection's request, while its body comes.
struct Pending {
    QByteArray body;
    bool tooLarge = false;
};

}  // namespace

struct WebServer::State {
    Face face;
    StaffAccounts accounts;
    MHD_Daemon* daemon = nullptr;
    std::map<QString, QByteArray> assets;

    mutable std::mutex mutex;  // everything below
    std::condition_variable changed;
    bool stopping = false;
    QByteArray status;  // the last status published or read
    quint64 statusNumber = 0;
    Steady::time_point statusRead;
    int listeners = 0;
    std::map<QByteArray, Session> sessions;
    std::map<QString, Failures> failedByAddress;
    std::map<QString, Failures> failedByName;
    // The staff as the file held them when last read, and when that was changed.
    std::vector<StaffAccount> staff;
    QDateTime staffChanged;
    qint64 staffSize = -1;

    std::mutex statusReading;  // one reading of the status at a time
    std::mutex verifying;      // one password check at a time: each takes 64 MiB

    State(Face f, QString folder) : face(std::move(f)), accounts(std::move(folder)) {}

    // The account called `name` as the file holds it now. Under `mutex`.
    std::optional<StaffAccount> account(const QString& name) {
        const QFileInfo file(accounts.path());
        if (file.lastModified() != staffChanged || file.size() != staffSize || !file.exists()) {
            staff = accounts.read();
            staffChanged = file.lastModified();
            staffSize = file.exists() ? file.size() : -1;
        }
        for (const StaffAccount& a : staff) {
            if (a.name == name) {
                return a;
            }
        }
        return std::nullopt;
    }

    // Seconds until a log-in of `failures` may be tried again; 0 when it may now. Under `mutex`.
    static int waitFor(Failures& failures, Steady::time_point now) {
        const auto window = std::chrono::seconds(kFailedLoginWindowSeconds);
        while (!failures.at.empty() && now - failures.at.front() >= window) {
            failures.at.pop_front();
        }
        if (failures.at.size() < std::size_t(kFailedLogins)) {
            failures.told = false;
            return 0;
        }
        const auto left = window - (now - failures.at[failures.at.size() - kFailedLogins]);
        return std::max(1, int(std::chrono::ceil<std::chrono::seconds>(left).count()));
    }

    static void prune(std::map<QString, Failures>& map, Steady::time_point now) {
        if (map.size() < kMostThrottled) {
            return;
        }
        for (auto it = map.begin(); it != map.end();) {
            it = waitFor(it->second, now) == 0 && it->second.at.empty() ? map.erase(it) : std::next(it);
        }
        while (map.size() >= kMostThrottled) {
            map.erase(map.begin());
        }
    }
};

namespace {

using State = WebServer::State;

QString header(MHD_Connection* connection, const char* name) {
    const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value ? QString::fromUtf8(value) : QString();
}

QHostAddress clientOf(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (!info || !info->client_addr) {
        return {};
    }
    QHostAddress address(info->client_addr);
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4) : address;
}

// The security headers every answer has: no script but the page's own, no framing, no sniffing.
void secure(MHD_Response* response) {
    MHD_add_response_header(response, "Content-Security-Policy",
                            "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                            "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "X-Frame-Options", "DENY");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    MHD_add_response_header(response, "Cache-Control", "no-store");
}

MHD_Result send(MHD_Connection* connection, const Reply& reply) {
    MHD_Response* response =
        MHD_create_response_from_buffer(std::size_t(reply.body.size()), const_cast<char*>(reply.body.constData()),
                                        MHD_RESPMEM_MUST_COPY);
    if (!response) {
        return MHD_NO;
    }
    secure(response);
    MHD_add_response_header(response, "Content-Type", reply.type.constData());
    for (const auto& [name, value] : reply.headers) {
        MHD_add_response_header(response, name.constData(), value.constData());
    }
    const MHD_Result result = MHD_queue_response(connection, reply.status, response);
    MHD_destroy_response(response);
    return result;
}

// A page that listens for changes: the status, each time it changes, as server-sent events.
struct Listener {
    State* state;
    QByteArray session;
    quint64 told = 0;
    QByteArray pending;
    std::size_t sent = 0;
};

ssize_t tellListener(void* cls, uint64_t, char* buffer, std::size_t most) {
    auto* listener = static_cast<Listener*>(cls);
    State& s = *listener->state;
    if (listener->sent >= std::size_t(listener->pending.size())) {
        listener->pending.clear();
        listener->sent = 0;
        std::unique_lock lock(s.mutex);
        const bool news = s.changed.wait_for(lock, kKeepAlive, [&] {
            return s.stopping || s.statusNumber != listener->told || !s.sessions.count(listener->session);
        });
        if (s.stopping || !s.sessions.count(listener->session)) {
            return MHD_CONTENT_READER_END_OF_STREAM;
        }
        if (news) {
            listener->told = s.statusNumber;
            listener->pending = "data: " + s.status + "\n\n";
        } else {
            listener->pending = ": still here\n\n";
        }
        s.sessions[listener->session].used = Steady::now();
    }
    const std::size_t n = std::min(most, std::size_t(listener->pending.size()) - listener->sent);
    std::memcpy(buffer, listener->pending.constData() + listener->sent, n);
    listener->sent += n;
    return ssize_t(n);
}

void endListening(void* cls) {
    auto* listener = static_cast<Listener*>(cls);
    {
        std::lock_guard lock(listener->state->mutex);
        --listener->state->listeners;
    }
    delete listener;
}

class Handler {
public:
    Handler(State& state, MHD_Connection* connection, const QString& url, const QString& method,
            const QByteArray& body)
        : s(state), m_connection(connection), m_url(url), m_method(method),
          m_body(body), m_from(clientOf(connection)) {}

    MHD_Result handle() {
        if (m_method == QStringLiteral("GET") || m_method == QStringLiteral("HEAD")) {
            for (const Asset& asset : kAssets) {
                if (m_url == QLatin1String(asset.path)) {
                    return send(m_connection, {MHD_HTTP_OK, s.assets[m_url], asset.type, {}});
                }
            }
            if (m_url == QStringLiteral("/api/status")) {
                return send(m_connection, status());
            }
            if (m_url == QStringLiteral("/api/events")) {
                return events();
            }
            return send(m_connection, answer(MHD_HTTP_NOT_FOUND, QStringLiteral("there is no such page")));
        }
        if (m_method != QStringLiteral("POST")) {
            Reply reply = answer(MHD_HTTP_METHOD_NOT_ALLOWED, QStringLiteral("only GET and POST are served"));
            reply.headers.push_back({"Allow", "GET, HEAD, POST"});
            return send(m_connection, reply);
        }
        return send(m_connection, post());
    }

private:
    // The account of the request's session, its session touched; none when it has none.
    std::optional<StaffAccount> signedIn(QByteArray* csrf = nullptr, QByteArray* token = nullptr) {
        const char* cookie = MHD_lookup_connection_value(m_connection, MHD_COOKIE_KIND, kCookie);
        if (!cookie) {
            return std::nullopt;
        }
        std::lock_guard lock(s.mutex);
        const auto it = s.sessions.find(QByteArray(cookie));
        if (it == s.sessions.end()) {
            return std::nullopt;
        }
        const auto now = Steady::now();
        if (now - it->second.used > std::chrono::seconds(WebServer::kIdleSeconds)) {
            s.sessions.erase(it);
            s.changed.notify_all();
            return std::nullopt;
        }
        // An account removed since ends its sessions; a changed role counts at once.
        auto account = s.account(it->second.name);
        if (!account) {
            s.sessions.erase(it);
            s.changed.notify_all();
            return std::nullopt;
        }
        it->second.used = now;
        if (csrf) {
            *csrf = it->second.csrf;
        }
        if (token) {
            *token = it->first;
        }
        return account;
    }

    // A change may come only from the page itself: no Origin or one of this server, and the
    // session's token in its header.
    std::optional<Reply> foreign() {
        const QString origin = header(m_connection, "Origin");
        const QString host = header(m_connection, "Host");
        if (!origin.isEmpty() && origin.compare(QStringLiteral("https://") + host, Qt::CaseInsensitive) != 0) {
            return answer(MHD_HTTP_FORBIDDEN, QStringLiteral("a change may come only from this page"));
        }
        if (header(m_connection, "Sec-Fetch-Site") == QStringLiteral("cross-site")) {
            return answer(MHD_HTTP_FORBIDDEN, QStringLiteral("a change may come only from this page"));
        }
        return std::nullopt;
    }

    QString by(const StaffAccount& account) const {
        return QStringLiteral("%1 from %2 (web page)").arg(account.name, m_from.toString());
    }

    Reply status() {
        if (!signedIn()) {
            return answer(MHD_HTTP_UNAUTHORIZED, QStringLiteral("log in first"));
        }
        return {MHD_HTTP_OK, readStatus(), "application/json", {}};
    }

    // The status, read again when it is older than a moment; one reading at a time for everyone.
    QByteArray readStatus() {
        std::lock_guard reading(s.statusReading);
        {
            std::lock_guard lock(s.mutex);
            if (!s.status.isEmpty() && Steady::now() - s.statusRead < kStatusFresh) {
                return s.status;
            }
        }
        const Face::Outcome outcome = s.face.run(QStringLiteral("Status"), {}, QString());
        std::lock_guard lock(s.mutex);
        if (outcome.answered && outcome.refusal.isEmpty()) {
            const QByteArray fresh =
                QJsonDocument(QJsonObject::fromVariantMap(outcome.said.toMap())).toJson(QJsonDocument::Compact);
            if (fresh != s.status) {
                s.status = fresh;
                ++s.statusNumber;
                s.changed.notify_all();
            }
            s.statusRead = Steady::now();
        }
        return s.status.isEmpty() ? QByteArrayLiteral("{}") : s.status;
    }

    MHD_Result events() {
        QByteArray token;
        if (!signedIn(nullptr, &token)) {
            return send(m_connection, answer(MHD_HTTP_UNAUTHORIZED, QStringLiteral("log in first")));
        }
        readStatus();
        if (s.face.listening) {
            s.face.listening();
        }
        auto* listener = new Listener{&s, token, 0, {}, 0};
        {
            std::lock_guard lock(s.mutex);
            ++s.listeners;
        }
        MHD_Response* response = MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, 4096, &tellListener, listener,
                                                                    &endListening);
        if (!response) {
            endListening(listener);
            return MHD_NO;
        }
        secure(response);
        MHD_add_response_header(response, "Content-Type", "text/event-stream");
        const MHD_Result result = MHD_queue_response(m_connection, MHD_HTTP_OK, response);
        MHD_destroy_response(response);
        return result;
    }

    Reply post() {
        if (auto refused = foreign()) {
            return *refused;
        }
        QJsonParseError error{};
        const QJsonDocument document =
            m_body.trimmed().isEmpty() ? QJsonDocument(QJsonObject()) : QJsonDocument::fromJson(m_body, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            return answer(MHD_HTTP_BAD_REQUEST, QStringLiteral("the request is not a JSON object"));
        }
        const QJsonObject request = document.object();
        if (m_url == QStringLiteral("/api/login")) {
            return login(request);
        }
        QByteArray csrf;
        QByteArray token;
        const auto account = signedIn(&csrf, &token);
        if (!account) {
            return answer(MHD_HTTP_UNAUTHORIZED, QStringLiteral("log in first"));
        }
        const char* given = MHD_lookup_connection_value(m_connection, MHD_HEADER_KIND, "X-CSRF-Token");
        if (!given || !sameSecret(QByteArray(given), csrf)) {
            return answer(MHD_HTTP_FORBIDDEN, QStringLiteral("the page's token is missing or wrong: load the page again"));
        }
        if (m_url == QStringLiteral("/api/logout")) {
            std::lock_guard lock(s.mutex);
            s.sessions.erase(token);
            s.changed.notify_all();
            Reply reply = answer(MHD_HTTP_OK, QStringLiteral("logged out"));
            reply.headers.push_back(
                {"Set-Cookie", QByteArray(kCookie) + "=; Path=/; Max-Age=0; HttpOnly; Secure; SameSite=Strict"});
            return reply;
        }
        return command(*account, request);
    }

    Reply login(const QJsonObject& request) {
        const QJsonValue user = request.value(QStringLiteral("user"));
        const QJsonValue password = request.value(QStringLiteral("password"));
        if (!user.isString() || !password.isString()) {
            return answer(MHD_HTTP_BAD_REQUEST, QStringLiteral("a log-in gives \"user\" and \"password\""));
        }
        const QString name = user.toString();
        const bool named = StaffAccounts::nameFault(name).isEmpty();
        const QString address = m_from.toString();
        const auto now = Steady::now();
        {
            std::lock_guard lock(s.mutex);
            const int wait = std::max(State::waitFor(s.failedByAddress[address], now),
                                      named ? State::waitFor(s.failedByName[name], now) : 0);
            if (wait > 0) {
                Reply reply = answer(MHD_HTTP_TOO_MANY_REQUESTS,
                                     QStringLiteral("too many failed log-ins: try again in %1 minute(s)").arg((wait + 59) / 60));
                reply.headers.push_back({"Retry-After", QByteArray::number(wait)});
                return reply;
            }
        }
        std::optional<StaffAccount> account;
        {
            std::lock_guard lock(s.mutex);
            account = named ? s.account(name) : std::nullopt;
        }
        bool right = false;
        {
            std::lock_guard one(s.verifying);
            const QByteArray typed = password.toString().toUtf8();
            if (account) {
                right = StaffAccounts::verify(*account, typed);
            } else {
                StaffAccounts::verifyNone(typed);
            }
        }
        std::lock_guard lock(s.mutex);
        if (!right) {
            QStringList refusedFor;
            auto fail = [&](std::map<QString, Failures>& map, const QString& key, const QString& said) {
                State::prune(map, now);
                Failures& failures = map[key];
                failures.at.push_back(now);
                if (State::waitFor(failures, now) > 0 && !failures.told) {
                    failures.told = true;
                    refusedFor << said;
                }
            };
            fail(s.failedByAddress, address, QStringLiteral("from %1").arg(address));
            if (named) {
                fail(s.failedByName, name, QStringLiteral("for %1").arg(name));
            }
            for (const QString& who : refusedFor) {
                s.face.note(QStringLiteral("staff web page: %1 failed log-ins %2 in %3 minutes; log-ins %2 are refused "
                                           "for a while")
                                .arg(WebServer::kFailedLogins)
                                .arg(who)
                                .arg(WebServer::kFailedLoginWindowSeconds / 60));
            }
            return answer(MHD_HTTP_UNAUTHORIZED, QStringLiteral("wrong name or password"));
        }
        if (s.sessions.size() >= kMostSessions) {
            auto oldest = s.sessions.begin();
            for (auto it = s.sessions.begin(); it != s.sessions.end(); ++it) {
                if (it->second.used < oldest->second.used) {
                    oldest = it;
                }
            }
            s.sessions.erase(oldest);
        }
        const QByteArray token = randomToken();
        const QByteArray csrf = randomToken();
        s.sessions[token] = {account->name, csrf, now};
        Reply reply = json(MHD_HTTP_OK, {{QStringLiteral("csrf"), QString::fromLatin1(csrf)},
                                         {QStringLiteral("user"), account->name},
                                         {QStringLiteral("role"), roleName(account->role)}});
        reply.headers.push_back({"Set-Cookie", QByteArray(kCookie) + '=' + token + "; Path=/; HttpOnly; Secure; SameSite=Strict"});
        return reply;
    }

    Reply command(const StaffAccount& account, const QJsonObject& request) {
        const std::optional<Route> route =
            m_url.startsWith(QStringLiteral("/api/")) ? s.face.route(m_url.mid(5)) : std::nullopt;
        if (!route) {
            return answer(MHD_HTTP_NOT_FOUND, QStringLiteral("there is no such command"));
        }
        if (route->office && account.role != StaffRole::Office) {
            return answer(MHD_HTTP_FORBIDDEN, QStringLiteral("%1 may raise and stop alarms, not this").arg(account.name));
        }
        QVariantList arguments;
        for (const Route::Field& field : route->fields) {
            const QJsonValue value = request.value(field.key);
            const Reply wrong = answer(MHD_HTTP_BAD_REQUEST,
                                       QStringLiteral("\"%1\" is not %2")
                                           .arg(field.key, field.kind == Route::Time ? QStringLiteral("a time of day (hh:mm)")
                                                                                     : field.what));
            if (value.isUndefined() || value.isNull()) {
                if (!field.optional) {
                    return answer(MHD_HTTP_BAD_REQUEST, QStringLiteral("\"%1\" is missing").arg(field.key));
                }
                arguments << QString();
            } else if (field.kind == Route::Text || field.kind == Route::Time) {
                if (!value.isString() || value.toString().toUtf8().size() > field.longest ||
                    (field.kind == Route::Time && !today::parseMinute(value.toString().trimmed().toStdString()))) {
                    return wrong;
                }
                arguments << value.toString();
            } else if (field.kind == Route::NumberOrAll && value.toString() == QStringLiteral("all")) {
                arguments << -1;
            } else if (value.isDouble() && value.toDouble() == double(value.toInt(-1)) && value.toInt() >= 0) {
                arguments << value.toInt();
            } else {
                return wrong;
            }
        }
        const Face::Outcome outcome = s.face.run(route->method, arguments, by(account));
        if (!outcome.answered) {
            return answer(MHD_HTTP_SERVICE_UNAVAILABLE, QStringLiteral("the bells did not answer in time; try again"));
        }
        if (!outcome.refusal.isEmpty()) {
            return answer(MHD_HTTP_CONFLICT, outcome.refusal);
        }
        return answer(MHD_HTTP_OK, outcome.said.toString());
    }

    State& s;
    MHD_Connection* m_connection;
    QString m_url;
    QString m_method;
    QByteArray m_body;
    QHostAddress m_from;
};

MHD_Result onRequest(void* cls, MHD_Connection* connection, const char* url, const char* method, const char*,
                     const char* upload, std::size_t* uploadSize, void** context) {
    auto& state = *static_cast<State*>(cls);
    auto* pending = static_cast<Pending*>(*context);
    if (!pending) {
        pending = new Pending;
        *context = pending;
        const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Content-Length");
        if (length && QByteArray(length).toLongLong() > WebServer::kLargestBody) {
            return send(connection, answer(MHD_HTTP_CONTENT_TOO_LARGE, QStringLiteral("the request is too large")));
        }
        return MHD_YES;
    }
    if (*uploadSize > 0) {
        if (!pending->tooLarge && pending->body.size() + qsizetype(*uploadSize) <= WebServer::kLargestBody) {
            pending->body.append(upload, qsizetype(*uploadSize));
        } else {
            pending->tooLarge = true;
            pending->body.clear();
        }
        *uploadSize = 0;
        return MHD_YES;
    }
    if (pending->tooLarge) {
        return send(connection, answer(MHD_HTTP_CONTENT_TOO_LARGE, QStringLiteral("the request is too large")));
    }
    return Handler(state, connection, QString::fromUtf8(url), QString::fromLatin1(method), pending->body).handle();
}

void onCompleted(void*, MHD_Connection*, void** context, MHD_RequestTerminationCode) {
    delete static_cast<Pending*>(*context);
    *context = nullptr;
}

}  // namespace

WebServer::WebServer(Face face, QString dataFolder)
    : m_state(std::make_shared<State>(std::move(face), std::move(dataFolder))) {
    for (const Asset& asset : kAssets) {
        if (!asset.resource) {
            m_state->assets[QLatin1String(asset.path)] = corvalin::web::pageTextsJson(corvalin::language::installed());
            continue;
        }
        QFile file(QLatin1String(asset.resource));
        if (file.open(QIODevice::ReadOnly)) {
            m_state->assets[QLatin1String(asset.path)] = file.readAll();
        }
    }
}

WebServer::~WebServer() {
    stop();
}

QString WebServer::start(const Listen& listen, const QByteArray& certificatePem, const QByteArray& keyPem) {
    stop();
    if (::sodium_init() < 0) {
        return QStringLiteral("the security library could not start");
    }
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = false;
    }
    const QByteArray cert = certificatePem + '\0';
    const QByteArray key = keyPem + '\0';
    unsigned flags = MHD_USE_THREAD_PER_CONNECTION | MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_TLS;
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    const sockaddr* bound = nullptr;
    if (listen.address.isNull() || listen.address == QHostAddress(QHostAddress::Any) ||
        listen.address == QHostAddress(QHostAddress::AnyIPv6)) {
        flags |= MHD_USE_DUAL_STACK;
    } else if (listen.address.protocol() == QAbstractSocket::IPv4Protocol) {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(listen.port);
        v4.sin_addr.s_addr = htonl(listen.address.toIPv4Address());
        bound = reinterpret_cast<const sockaddr*>(&v4);
    } else {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(listen.port);
        const Q_IPV6ADDR raw = listen.address.toIPv6Address();
        std::memcpy(&v6.sin6_addr, &raw, sizeof raw);
        bound = reinterpret_cast<const sockaddr*>(&v6);
        flags |= MHD_USE_IPv6;
    }
    auto startWith = [&](unsigned withFlags) {
        return MHD_start_daemon(
            withFlags, listen.port, nullptr, nullptr, &onRequest, m_state.get(),
            MHD_OPTION_HTTPS_MEM_CERT, cert.constData(), MHD_OPTION_HTTPS_MEM_KEY, key.constData(),
            MHD_OPTION_HTTPS_PRIORITIES, "NORMAL:-VERS-ALL:+VERS-TLS1.3:+VERS-TLS1.2",
            MHD_OPTION_CONNECTION_LIMIT, kConnections, MHD_OPTION_PER_IP_CONNECTION_LIMIT, kConnectionsPerAddress,
            MHD_OPTION_CONNECTION_TIMEOUT, kSilentSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT, kConnectionMemory,
            MHD_OPTION_NOTIFY_COMPLETED, &onCompleted, nullptr,
            bound ? MHD_OPTION_SOCK_ADDR : MHD_OPTION_END, bound, MHD_OPTION_END);
    };
    MHD_Daemon* daemon = startWith(flags);
    if (!daemon && (flags & MHD_USE_DUAL_STACK)) {
        // A system with no IPv6: every IPv4 address.
        daemon = startWith(flags & ~unsigned(MHD_USE_DUAL_STACK));
    }
    if (!daemon) {
        return QStringLiteral("the staff web page cannot listen on %1 (is the port in use, or below 1024?)")
            .arg(listenText(listen));
    }
    m_state->daemon = daemon;
    return {};
}

void WebServer::stop() {
    MHD_Daemon* daemon = m_state->daemon;
    if (!daemon) {
        return;
    }
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
        m_state->changed.notify_all();
    }
    MHD_stop_daemon(daemon);
    m_state->daemon = nullptr;
}

bool WebServer::isServing() const {
    return m_state->daemon != nullptr;
}

void WebServer::publish(const QByteArray& statusJson) {
    std::lock_guard lock(m_state->mutex);
    if (statusJson != m_state->status) {
        m_state->status = statusJson;
        ++m_state->statusNumber;
        m_state->changed.notify_all();
    }
    m_state->statusRead = Steady::now();
}

int WebServer::listeners() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->listeners;
}

std::optional<WebServer::Listen> listenOf(const QString& given, QString* why) {
    const QString text = given.trimmed();
    WebServer::Listen listen{QHostAddress(QHostAddress::Any), 8443};
    if (text.isEmpty()) {
        return listen;
    }
    QString port = text;
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        QString address = text.left(colon);
        port = text.mid(colon + 1);
        if (address.startsWith(QLatin1Char('[')) && address.endsWith(QLatin1Char(']'))) {
            address = address.mid(1, address.size() - 2);
        }
        if (!listen.address.setAddress(address)) {
            *why = QStringLiteral("%1 is not an IP address").arg(address);
            return std::nullopt;
        }
    }
    bool number = false;
    const uint value = port.toUInt(&number);
    if (!number || value == 0 || value > 65535) {
        *why = QStringLiteral("%1 is not a port (1 to 65535)").arg(port);
        return std::nullopt;
    }
    listen.port = quint16(value);
    return listen;
}

QString listenText(const WebServer::Listen& listen) {
    if (listen.address.isNull() || listen.address == QHostAddress(QHostAddress::Any)) {
        return QString::number(listen.port);
    }
    const QString address = listen.address.protocol() == QAbstractSocket::IPv6Protocol
                                ? QStringLiteral("[%1]").arg(listen.address.toString())
                                : listen.address.toString();
    return QStringLiteral("%1:%2").arg(address).arg(listen.port);
}

}  // namespace corvalin::web
