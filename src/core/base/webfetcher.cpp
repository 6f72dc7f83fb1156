// Fetching files from web addresses, on one worker thread.
#include "core/base/webfetcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/base/outsidetext.h"

namespace {

// The manager is kept this long after the last request ended: a follower that reads one answer and
// asks the next (a feed after another) goes on with the same connections.
constexpr int kIdleMs = 15 * 1000;
// What is looked at to tell a web page from a file.
constexpr qsizetype kHead = 256;

// "2 minutes", "45 seconds".
QString durationText(int ms) {
    return ms >= 60000 && ms % 60000 == 0 ? QStringLiteral("%1 minutes").arg(ms / 60000)
                                          : QStringLiteral("%1 seconds").arg(std::max(ms / 1000, 1));
}

// "65 MB", "4 KB".
QString sizeText(qint64 bytes) {
    return bytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                : QStringLiteral("%1 KB").arg(bytes / 1024);
}

bool isWebPage(const QByteArray& head) {
    for (const char c : head) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return c == '<';
        }
    }
    return false;
}

// A redirect is followed only to https, or from http to http on the same host: never from https
// to http, nor to another host in the clear.
bool safeRedirect(const QUrl& from, const QUrl& to) {
    const QString scheme = to.scheme().toLower();
    return scheme == QStringLiteral("https") ||
           (scheme == QStringLiteral("http") && from.scheme().toLower() == QStringLiteral("http") &&
            from.host().compare(to.host(), Qt::CaseInsensitive) == 0);
}

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// The worker thread and the fetcher on it, ended when the last holder lets go.
struct Worker {
    QThread thread;
    WebFetcher* fetcher = nullptr;
    ~Worker() {
        thread.quit();
        thread.wait();
    }
};

std::mutex g_workerMutex;
std::weak_ptr<Worker> g_worker;

}  // namespace

struct WebFetcher::Fetch {
    quint64 id = 0;
    Request request;
    QUrl url;  // as asked now, after the redirects followed
    int redirects = 0;
    QDeadlineTimer ends;
    QNetworkReply* reply = nullptr;  // the request under way
    QPointer<QTimer> limit;          // its whole duration
    qint64 received = 0;
    QByteArray head;
    std::unique_ptr<QFile> file;
    Answer answer;
};

QString WebFetcher::Answer::refusal(const QString& what) const {
    switch (refused) {
        case Refusal::None:
            return QString();
        case Refusal::TooLarge:
            return QStringLiteral("%1 is larger than %2").arg(what, sizeText(largest));
        case Refusal::TooSlow:
            return QStringLiteral("the server had not sent %1 after %2").arg(what, durationText(longestMs));
        case Refusal::Silent:
            return QStringLiteral("the server did not answer within %1 seconds").arg(kTimeoutMs / 1000);
        case Refusal::WebPage:
            return QStringLiteral("%1 is a web page").arg(what);
        case Refusal::Unwritable:
            return QStringLiteral("%1 could not be written (%2)").arg(what, outsideText(writeError));
        case Refusal::UnsafeRedirect:
            return QStringLiteral("the server sent %1 on to %2, which is neither https nor the same host")
                .arg(what, outsideText(redirectedTo.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded)));
        case Refusal::RedirectLoop:
            return QStringLiteral("the server sent %1 on more than %2 times (a redirect loop)")
                .arg(what)
                .arg(kMostRedirects);
    }
    return QString();
}

std::shared_ptr<WebFetcher> WebFetcher::shared() {
    const std::lock_guard lock(g_workerMutex);
    std::shared_ptr<Worker> worker = g_worker.lock();
    if (!worker) {
        worker = std::make_shared<Worker>();
        worker->thread.setObjectName(QStringLiteral("web fetches"));
        worker->fetcher = new WebFetcher;
        worker->fetcher->moveToThread(&worker->thread);
        connect(&worker->thread, &QThread::finished, worker->fetcher, &QObject::deleteLater);
        worker->thread.start();
        g_worker = worker;
    }
    return std::shared_ptr<WebFetcher>(worker, worker->fetcher);
}

WebFetcher::WebFetcher() : m_idle(new QTimer(this)) {
    m_idle->setSingleShot(true);
    m_idle->setInterval(kIdleMs);
    connect(m_idle, &QTimer::timeout, this, &WebFetcher::idle);
}

WebFetcher::~WebFetcher() = default;

void WebFetcher::adopt(QObject* asker) {
    asker->moveToThread(thread());
    connect(thread(), &QThread::finished, asker, &QObject::deleteLater);
}

quint64 WebFetcher::fetch(const Request& request) {
    const quint64 id = ++m_last;
    QMetaObject::invokeMethod(
        this, [this, id, request] { begin(id, request); }, Qt::QueuedConnection);
    return id;
}

void WebFetcher::cancel(quint64 id) {
    QMetaObject::invokeMethod(
        this, [this, id] { drop(id); }, Qt::QueuedConnection);
}

void WebFetcher::begin(quint64 id, const Request& request) {
    m_idle->stop();
    auto fetch = std::make_shared<Fetch>();
    fetch->id = id;
    fetch->request = request;
    fetch->url = request.url;
    fetch->ends = QDeadlineTimer(request.longestMs);
    fetch->answer.largest = request.largest;
    fetch->answer.longestMs = request.longestMs;
    m_fetches[id] = fetch;
    if (!request.saveTo.isEmpty()) {
        fetch->file = std::make_unique<QFile>(request.saveTo);
        if (!fetch->file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly)) {
            fetch->answer.refused = Refusal::Unwritable;
            fetch->answer.writeError = fetch->file->errorString();
            finish(fetch);
            return;
        }
    }
    send(fetch);
}

void WebFetcher::send(const std::shared_ptr<Fetch>& fetch) {
    if (!m_net) {
        // Made on the worker thread, as the fetcher lives there.
        m_net = new QNetworkAccessManager(this);
    }
    QNetworkRequest request(fetch->url);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Corvalin/%1").arg(QCoreApplication::applicationVersion()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Redirects are followed here, by the rule above: the network library's own following of
    // redirects it is asked to verify ends the second with no error and a status of 100 (Qt 6.4),
    // as if the server had answered that.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!fetch->request.ifNoneMatch.isEmpty()) {
        request.setRawHeader("If-None-Match", fetch->request.ifNoneMatch);
    }
    if (!fetch->request.ifModifiedSince.isEmpty()) {
        request.setRawHeader("If-Modified-Since", fetch->request.ifModifiedSince);
    }
    QNetworkReply* reply = m_net->get(request);
    fetch->reply = reply;
    // However slowly it trickles, a request ends within its whole duration, its redirects included.
    fetch->limit = new QTimer(reply);
    fetch->limit->setSingleShot(true);
    connect(fetch->limit, &QTimer::timeout, this,
            [this, fetch, reply] { refuse(fetch, reply, Refusal::TooSlow); });
    fetch->limit->start(static_cast<int>(std::max<qint64>(fetch->ends.remainingTime(), 0)));
    // Only a 200 is read; one that says it is too large, or a web page, is not read on.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, fetch, reply] {
        if (statusOf(reply) != 200) {
            return;
        }
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > fetch->request.largest) {
            refuse(fetch, reply, Refusal::TooLarge);
        } else if (fetch->request.refuseWebPage &&
                   reply->header(QNetworkRequest::ContentTypeHeader)
                       .toString()
                       .trimmed()
                       .startsWith(QStringLiteral("text/html"), Qt::CaseInsensitive)) {
            refuse(fetch, reply, Refusal::WebPage);
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, fetch, reply] {
        if (fetch->reply != reply || fetch->answer.refused != Refusal::None) {
            return;
        }
        // Any other answer's body is read and let go.
        const QByteArray chunk = reply->readAll();
        if (statusOf(reply) == 200) {
            if (const Refusal why = keep(*fetch, chunk); why != Refusal::None) {
                refuse(fetch, reply, why);
            }
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, fetch, reply] { ended(fetch, reply); });
}

void WebFetcher::refuse(const std::shared_ptr<Fetch>& fetch, QNetworkReply* reply, Refusal why) {
    if (fetch->reply != reply || fetch->answer.refused != Refusal::None) {
        return;
    }
    fetch->answer.refused = why;
    reply->abort();  // its finished() ends the fetch
}

WebFetcher::Refusal WebFetcher::keep(Fetch& fetch, const QByteArray& chunk) {
    fetch.received += chunk.size();
    if (fetch.received > fetch.request.largest) {
        return Refusal::TooLarge;
    }
    if (fetch.head.size() < kHead) {
        fetch.head += chunk.left(kHead - fetch.head.size());
    }
    if (fetch.file) {
        if (fetch.file->write(chunk) != chunk.size()) {
            fetch.answer.writeError = fetch.file->errorString();
            return Refusal::Unwritable;
        }
    } else {
        fetch.answer.body += chunk;
    }
    return Refusal::None;
}

void WebFetcher::ended(const std::shared_ptr<Fetch>& fetch, QNetworkReply* reply) {
    if (fetch->reply != reply) {
        return;
    }
    if (fetch->limit) {
        fetch->limit->stop();
    }
    reply->deleteLater();
    Answer& answer = fetch->answer;
    const int status = statusOf(reply);
    answer.reached = answer.reached || status != 0;
    if (answer.refused == Refusal::None) {
        const QUrl to = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (to.isValid() && status >= 300 && status < 400) {
            const QUrl target = fetch->url.resolved(to);
            if (!safeRedirect(fetch->url, target)) {
                answer.refused = Refusal::UnsafeRedirect;
                answer.redirectedTo = target;
            } else if (fetch->redirects >= kMostRedirects) {
                answer.refused = Refusal::RedirectLoop;
            } else {
                ++fetch->redirects;
                fetch->url = target;
                send(fetch);
                return;
            }
        }
    }
    fetch->reply = nullptr;
    if (answer.refused == Refusal::None && reply->error() == QNetworkReply::OperationCanceledError) {
        answer.refused = Refusal::Silent;  // the silence bound aborted it
    }
    if (answer.refused == Refusal::None && status == 200 && reply->error() == QNetworkReply::NoError) {
        answer.refused = keep(*fetch, reply->readAll());
        if (answer.refused == Refusal::None && fetch->file && !fetch->file->flush()) {
            answer.writeError = fetch->file->errorString();
            answer.refused = Refusal::Unwritable;
        }
        if (answer.refused == Refusal::None && fetch->request.refuseWebPage && isWebPage(fetch->head)) {
            answer.refused = Refusal::WebPage;
        }
    }
    answer.status = status;
    answer.reasonPhrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    answer.error = reply->error();
    answer.errorText = reply->errorString();
    answer.etag = reply->rawHeader("ETag");
    answer.lastModified = reply->rawHeader("Last-Modified");
    if (answer.refused != Refusal::None) {
        answer.body.clear();
    }
    finish(fetch);
}

void WebFetcher::finish(const std::shared_ptr<Fetch>& fetch) {
    m_fetches.erase(fetch->id);
    fetch->file.reset();
    const Answer answer = std::exchange(fetch->answer, Answer());
    Q_EMIT answered(fetch->id, answer);
    if (m_fetches.empty()) {
        m_idle->start();
    }
}

void WebFetcher::drop(quint64 id) {
    const auto found = m_fetches.find(id);
    if (found == m_fetches.end()) {
        return;
    }
    const std::shared_ptr<Fetch> fetch = found->second;
    m_fetches.erase(found);
    if (fetch->limit) {
        fetch->limit->stop();
    }
    if (QNetworkReply* reply = std::exchange(fetch->reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    fetch->file.reset();
    if (m_fetches.empty()) {
        m_idle->start();
    }
}

void WebFetcher::idle() {
    // No request under way for a while: the connections and what the requests read go back to the
    // system.
    if (!m_fetches.empty() || !m_net) {
        return;
    }
    m_net->deleteLater();
    m_net = nullptr;
    QTimer::singleShot(0, this, [] {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    });
}
