// The staff web page's server: HTTPS only, on threads of its own (libmicrohttpd, a thread for each
// connection), never the bell thread. What it serves of the copy it asks through a `Face`, whose
// calls it waits for within a bound; no request, flood or slow client holds anything else up.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace corvalin::web {

// A command the page may give: POST /api/ROUTE with a JSON object of its fields.
struct Route {
    QString method;       // the command it runs (see control/commands.h)
    bool office = false;  // only for accounts of the office
    // Time: "hh:mm"; NumberOrAll: a number from 0, or "all" (-1).
    enum Kind { Text, Time, Number, NumberOrAll };
    struct Field {
        QString key;
        QString what;  // as a refusal names it: "the time"
        Kind kind = Text;
        bool optional = false;
        qsizetype longest = 255;  // bytes of a text
    };
    std::vector<Field> fields;  // in the order the command takes them
};

// What the server asks of the copy it serves. Called on the server's threads.
struct Face {
    // The command of a route; none when there is none.
    std::function<std::optional<Route>(const QString& route)> route;
    struct Outcome {
        bool answered = false;  // false: the copy did not answer in time
        QString refusal;        // why the command was refused; empty when it was done
        QVariant said;          // what it answered
    };
    // Runs the command `method` (see control/commands.h) with its arguments for `by`, and waits for
    // its answer.
    std::function<Outcome(const QString& method, const QVariantList& arguments, const QString& by)> run;
    // A line for the ring log; does not wait.
    std::function<void(const QString& text)> note;
    // A page began to listen for changes (see WebServer::publish); does not wait.
    std::function<void()> listening;
};

class WebServer {
public:
    struct Listen {
        QHostAddress address;  // QHostAddress::Any: every address
        quint16 port = 8443;
    };
    // Limits: the body of a request, the memory of one connection's request (its headers and all),
    // connections from one address and in all, and how long a connection may stay silent.
    static constexpr qsizetype kLargestBody = 16 * 1024;
    static constexpr std::size_t kConnectionMemory = 32 * 1024;
    static constexpr unsigned kConnectionsPerAddress = 16;
    static constexpr unsigned kConnections = 64;
    static constexpr unsigned kSilentSeconds = 15;
    // Failed log-ins: after this many in the window from one address or for one name, log-ins are
    // refused (429) until the window has passed.
    static constexpr int kFailedLogins = 5;
    static constexpr int kFailedLoginWindowSeconds = 15 * 60;
    // A session ends when it was not used for this long (an open page uses it all the time).
    static constexpr int kIdleSeconds = 30 * 60;

    WebServer(Face face, QString dataFolder);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Serves on `listen` with the certificate and key given; the reason when it cannot.
    QString start(const Listen& listen, const QByteArray& certificatePem, const QByteArray& keyPem);
    // Ends every connection and stops serving; waits for the server's threads.
    void stop();
    bool isServing() const;

    // The copy's status changed: every open page is told (`statusJson` is what /api/status answers).
    void publish(const QByteArray& statusJson);
    // How many pages listen for changes now.
    int listeners() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};

// "[[ADDRESS:]PORT]" as --web-on takes it: "8443", "192.0.2.1:8443", "[::1]:8443", or empty for
// every address on port 8443. None, with the reason, when it is not one.
std::optional<WebServer::Listen> listenOf(const QString& text, QString* why);
// The same written back: "8443" when every address, else "ADDRESS:PORT" ("[::1]:8443").
QString listenText(const WebServer::Listen& listen);

}  // namespace corvalin::web
