// Fetching the subscribed calendars' feeds, on a thread of its own (never the bells' or the
// window's): at start, once a day and when asked. Each fetch sends the validators of the last good
// copy (a 304 keeps it), gives up after a time and beyond a size, and reads the feed with the
// import's rules and bounds; a feed that cannot be fetched or read leaves the last good copy in use
// and says why and how old that copy is.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>

#include "calendar/subscriptions.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

class CalendarFeeds : public QObject {
    Q_OBJECT
public:
    // Larger feeds are refused, as larger files are by the import.
    static constexpr qint64 kLargestFeed = 16 * 1024 * 1024;
    // A fetch that has moved no byte for this long is given up.
    static constexpr int kTimeoutMs = 30 * 1000;
    // The feeds are fetched again this long after they were last fetched.
    static constexpr int kEveryMs = 24 * 60 * 60 * 1000;

    explicit CalendarFeeds(QString dataFolder, QObject* parent = nullptr);
    ~CalendarFeeds() override;

    // Fetches every subscription now, and again once a day from now on.
    void start();
    // No more fetches until start().
    void stop();
    // Fetches every subscription now (one already on its way is not asked twice).
    void refreshAll();
    // Fetches one subscription now.
    void refresh(const QString& address);

Q_SIGNALS:
    // The copy of a feed changed: the calendar is to be read again.
    void updated();
    // A feed could not be fetched or read: the reason, and the copy in use. The topic names the
    // feed; the problem lasts until problemEnded() with the same topic.
    void problem(const QString& topic, const QString& text);
    // A feed that could not be fetched was fetched again.
    void problemEnded(const QString& topic, const QString& text);
    // A feed was fetched: how many days it gave.
    void note(const QString& text);
    // A fetch ended, well or not.
    void fetched(const QString& address, bool ok);

private:
    void fetch(const Subscription& subscription);
    void finish(QNetworkReply* reply, const Subscription& subscription);
    void fail(const Subscription& subscription, const QString& reason);
    void succeed(const Subscription& subscription);

    QString m_dataFolder;
    QNetworkAccessManager* m_net = nullptr;
    QTimer* m_daily;
    QSet<QString> m_underWay;
    QSet<QString> m_failing;  // the addresses whose last fetch failed
};
