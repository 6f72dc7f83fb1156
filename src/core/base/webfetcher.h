// Fetching files from web addresses for the program's followers of what others publish (the
// subscribed calendars' feeds, the followed set-up): one worker thread and one network manager for
// all of them, and one set of bounds for every request. A request gives up after a silence
// (kTimeoutMs with no byte moved) and after its whole duration, redirects included; an answer
// larger than the request's bound is refused as soon as it says or turns out to be, and not read
// on; only a 200's body is kept, in memory or in a file the asker made. A redirect is followed only
// to https, or from http to http on the same host (never from https to http, nor to another host
// in the clear), and no more than kMostRedirects in a row. The validators of a kept copy make the
// request conditional. What the answer means (a 304, a status, the body) is the asker's to judge.
//
// Any thread may ask; the answer comes back by the queued signal answered(), never before fetch()
// returns, so no asker ever waits. The fetcher lives on its worker thread, which its askers may
// share (adopt()): what they do with an answer then runs there too, away from the bells and the
// windows. When no request has been under way for a while, the manager and what it keeps go back
// to the system.
#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>
#include <atomic>
#include <map>
#include <memory>

class QNetworkAccessManager;
class QTimer;

class WebFetcher : public QObject {
    Q_OBJECT
public:
    // A request that has moved no byte for this long is given up.
    static constexpr int kTimeoutMs = 30 * 1000;
    // Redirects followed in one request; one more is a loop, or as good as one.
    static constexpr int kMostRedirects = 10;

    struct Request {
        QUrl url;
        qint64 largest = 0;  // a larger body is refused
        int longestMs = 0;   // the whole duration, redirects included
        // The kept copy's validators, each sent when not empty.
        QByteArray ifNoneMatch;
        QByteArray ifModifiedSince;
        // The body is written to this file as it arrives (the asker made it; it is not made anew),
        // not kept in the answer.
        QString saveTo;
        // A body that says it is a web page (text/html) or begins as one is refused.
        bool refuseWebPage = false;
    };

    // Why the fetcher gave an answer up, apart from what the server answered.
    enum class Refusal {
        None,
        TooLarge,
        TooSlow,  // not ended within its whole duration
        Silent,   // no byte moved for kTimeoutMs
        WebPage,
        Unwritable,  // the file could not be written
        UnsafeRedirect,
        RedirectLoop,
    };

    struct Answer {
        Refusal refused = Refusal::None;
        int status = 0;  // the last HTTP status, 0 when no server answered
        QString reasonPhrase;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QString errorText;  // the network's reason, naming the address as fetched
        QString writeError;
        QUrl redirectedTo;     // the redirect refused
        bool reached = false;  // a server answered one of its requests
        QByteArray etag;
        QByteArray lastModified;
        QByteArray body;  // a 200's, unless it went to a file
        qint64 largest = 0;
        int longestMs = 0;

        // Why the fetcher gave it up, told of `what` ("it", "its signature"); empty when it did not
        // (what the server answered is then the asker's to judge).
        QString refusal(const QString& what) const;
    };

    // The program's one fetcher, made with its worker thread when none is alive. The thread ends when
    // the last holder lets go: holders are the askers' owners, never an object on the worker.
    static std::shared_ptr<WebFetcher> shared();

    ~WebFetcher() override;

    // Asks for `request`; its answer comes with this number. Any thread may ask.
    quint64 fetch(const Request& request);
    // No answer comes for fetch `id` (any thread may cancel; one already sent is the asker's to drop).
    void cancel(quint64 id);
    // Moves `asker` to the worker thread; deleted there when the worker ends, if not before.
    void adopt(QObject* asker);

Q_SIGNALS:
    void answered(quint64 id, const WebFetcher::Answer& answer);

private:
    struct Fetch;
    WebFetcher();
    void begin(quint64 id, const Request& request);
    void send(const std::shared_ptr<Fetch>& fetch);
    void refuse(const std::shared_ptr<Fetch>& fetch, QNetworkReply* reply, Refusal why);
    // Keeps what arrived of a 200's body; a refusal when it cannot.
    Refusal keep(Fetch& fetch, const QByteArray& chunk);
    void ended(const std::shared_ptr<Fetch>& fetch, QNetworkReply* reply);
    void finish(const std::shared_ptr<Fetch>& fetch);
    void drop(quint64 id);
    void idle();

    QNetworkAccessManager* m_net = nullptr;
    QTimer* m_idle;
    std::map<quint64, std::shared_ptr<Fetch>> m_fetches;
    std::atomic<quint64> m_last{0};
};
