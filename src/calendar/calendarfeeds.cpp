// Fetching the subscribed calendars' feeds.
#include "calendar/calendarfeeds.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <chrono>

#include "calendar/icalimport.h"
#include "calendar/schoolcalendar.h"

namespace cal = corvalin::calendar;

namespace {

// "2026-12-05 06:00, 2 days old", for the copy in use when a fetch fails.
QString copyAge(const FeedCopy& copy) {
    if (!copy.exists) {
        return QStringLiteral("there is no copy of it yet, so it decides no day");
    }
    const qint64 hours = copy.fetched.secsTo(QDateTime::currentDateTime()) / 3600;
    const QString age = hours < 48 ? QStringLiteral("%1 hours old").arg(std::max<qint64>(hours, 0))
                                   : QStringLiteral("%1 days old").arg(hours / 24);
    return QStringLiteral("the copy of %1 (%2) is used").arg(copy.fetched.toString(QStringLiteral("yyyy-MM-dd hh:mm")), age);
}

QString topicOf(const Subscription& subscription) {
    return QStringLiteral("feed ") + subscription.address;
}

}  // namespace

CalendarFeeds::CalendarFeeds(QString dataFolder, QObject* parent)
    : QObject(parent), m_dataFolder(std::move(dataFolder)), m_daily(new QTimer(this)) {
    m_daily->setInterval(kEveryMs);
    connect(m_daily, &QTimer::timeout, this, &CalendarFeeds::refreshAll);
}

CalendarFeeds::~CalendarFeeds() = default;

void CalendarFeeds::start() {
    m_daily->start();
    refreshAll();
}

void CalendarFeeds::stop() {
    m_daily->stop();
}

void CalendarFeeds::refreshAll() {
    for (const Subscription& s : loadSubscriptions(m_dataFolder)) {
        fetch(s);
    }
}

void CalendarFeeds::refresh(const QString& address) {
    const QString clean = cleanAddress(address);
    for (const Subscription& s : loadSubscriptions(m_dataFolder)) {
        if (s.address == clean) {
            fetch(s);
        }
    }
}

void CalendarFeeds::fetch(const Subscription& subscription) {
    if (m_underWay.contains(subscription.address)) {
        return;
    }
    QString why;
    const auto url = feedUrl(subscription.address, &why);
    if (!url) {
        fail(subscription, why);
        return;
    }
    if (!m_net) {
        // Made on the thread that fetches.
        m_net = new QNetworkAccessManager(this);
    }
    const FeedCopy copy = loadFeedCopy(m_dataFolder, subscription.address);
    QNetworkRequest request(*url);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Corvalin/%1").arg(QCoreApplication::applicationVersion()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (copy.exists && !copy.etag.isEmpty()) {
        request.setRawHeader("If-None-Match", copy.etag);
    }
    if (copy.exists && !copy.lastModified.isEmpty()) {
        request.setRawHeader("If-Modified-Since", copy.lastModified);
    }
    m_underWay.insert(subscription.address);
    QNetworkReply* reply = m_net->get(request);
    // A feed that says or turns out to be too large is not read on.
    auto tooLarge = [reply](qint64 size) {
        if (size > kLargestFeed && !reply->property("tooLarge").toBool()) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, tooLarge] {
        tooLarge(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [tooLarge](qint64 received, qint64) { tooLarge(received); });
    connect(reply, &QNetworkReply::finished, this, [this, reply, subscription] {
        m_underWay.remove(subscription.address);
        finish(reply, subscription);
        reply->deleteLater();
    });
}

void CalendarFeeds::fail(const Subscription& subscription, const QString& reason) {
    const FeedCopy copy = loadFeedCopy(m_dataFolder, subscription.address);
    m_failing.insert(subscription.address);
    saveFeedProblem(m_dataFolder, subscription.address, {QDateTime::currentDateTime(), reason});
    Q_EMIT problem(topicOf(subscription),
                   QStringLiteral("the calendar subscription \"%1\" could not be fetched: %2; %3")
                       .arg(subscription.label, reason, copyAge(copy)));
    Q_EMIT fetched(subscription.address, false);
}

void CalendarFeeds::succeed(const Subscription& subscription) {
    clearFeedProblem(m_dataFolder, subscription.address);
    if (m_failing.remove(subscription.address)) {
        Q_EMIT problemEnded(topicOf(subscription),
                            QStringLiteral("the calendar subscription \"%1\" was fetched again").arg(subscription.label));
    }
    Q_EMIT fetched(subscription.address, true);
}

void CalendarFeeds::finish(QNetworkReply* reply, const Subscription& subscription) {
    if (reply->property("tooLarge").toBool()) {
        fail(subscription, QStringLiteral("it is larger than %1 MB").arg(kLargestFeed / (1024 * 1024)));
        return;
    }
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        fail(subscription, QStringLiteral("the server did not answer within %1 seconds").arg(kTimeoutMs / 1000));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError && status != 304) {
        fail(subscription, reply->errorString());
        return;
    }
    FeedCopy copy = loadFeedCopy(m_dataFolder, subscription.address);
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray etag = reply->rawHeader("ETag");
    const QByteArray lastModified = reply->rawHeader("Last-Modified");
    if (status == 304 && copy.exists) {
        copy.fetched = now;
        if (!etag.isEmpty()) {
            copy.etag = etag;
        }
        if (!lastModified.isEmpty()) {
            copy.lastModified = lastModified;
        }
        saveFeedState(m_dataFolder, subscription.address, copy);
        succeed(subscription);
        return;
    }
    if (status != 200) {
        fail(subscription, QStringLiteral("the server answered %1 %2")
                               .arg(status)
                               .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    const QByteArray body = reply->read(kLargestFeed + 1);
    if (body.size() > kLargestFeed) {
        fail(subscription, QStringLiteral("it is larger than %1 MB").arg(kLargestFeed / (1024 * 1024)));
        return;
    }
    const auto found = cal::importIcs(std::string_view(body.constData(), static_cast<std::size_t>(body.size())),
                                      cal::fromQDate(now.date()), nullptr,
                                      std::chrono::steady_clock::now() + cal::kLongestImport);
    if (!found.error.empty()) {
        fail(subscription, QStringLiteral("it is not a calendar that can be read: %1")
                               .arg(QString::fromStdString(found.error)));
        return;
    }
    FeedCopy fresh;
    fresh.exists = true;
    fresh.exceptions = found.exceptions;
    fresh.fetched = now;
    fresh.etag = etag;
    fresh.lastModified = lastModified;
    QString why;
    if (!saveFeedCopy(m_dataFolder, subscription.address, body, fresh, &why)) {
        fail(subscription, QStringLiteral("its copy could not be saved (%1)").arg(why));
        return;
    }
    const bool changed = !copy.exists || copy.exceptions != fresh.exceptions;
    if (changed) {
        Q_EMIT note(QStringLiteral("the calendar subscription \"%1\" was fetched: %2 date exceptions without bells")
                        .arg(subscription.label)
                        .arg(fresh.exceptions.size()));
        Q_EMIT updated();
    }
    succeed(subscription);
}
