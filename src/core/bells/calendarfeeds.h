// Fetching the subscribed calendars' feeds, through the web fetcher and on its worker thread (never
// the bells' or the window's): at start, once a day and when asked, one feed at a time, so that
// what one fetch reads (up to 16 MB and its working out) is all the memory the feeds take, and it
// is given back after. Each fetch sends the validators of the last good copy (a 304 keeps it), is
// bounded as the fetcher bounds every request (a silence, a whole duration, a size, the redirects
// it follows), and reads the feed with the import's rules and bounds;
// a feed that cannot be fetched or read leaves the last good copy in use and says why and how old
// that copy is. A feed that keeps many school days in a row without bells, or newly takes today's
// or tomorrow's bells away, is a problem that lasts until it no longer does. Every text from
// outside (a server's reason, a label) is told as outsideText() makes it.
//
// The subscriptions and the calendar made by hand are the calendar's owner's: it hands them over as
// values (setSubscriptions) and the fetcher never reads subscriptions.ini or calendar.ini. The copies
// in data/feeds/ (what was fetched, when, and why the last fetch failed) are the fetcher's own: it
// writes and reads them.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

#include "core/base/webfetcher.h"
#include "core/calendar/subscriptions.h"

class QTimer;

class CalendarFeeds : public QObject {
    Q_OBJECT
public:
    // Larger feeds are refused, as larger files are by the import.
    static constexpr qint64 kLargestFeed = 16 * 1024 * 1024;
    // A fetch that has not ended this long after it began is given up, however it trickles.
    static constexpr int kLongestFetchMs = 2 * 60 * 1000;
    // More school days in a row without bells than this from one feed is a problem, not a note.
    static constexpr int kLongestSilence = 21;
    // The feeds are fetched again this long after they were last fetched.
    static constexpr int kEveryMs = 24 * 60 * 60 * 1000;

    // Fetches through `fetcher`, which outlives it.
    CalendarFeeds(QString dataFolder, WebFetcher* fetcher, QObject* parent = nullptr);
    ~CalendarFeeds() override;

    // The subscriptions to fetch, in the file's order, and the calendar made by hand, against which
    // a feed's silences are judged: at start and after every change. While started, a subscription
    // new here is fetched at once; the problems of one that ended end, and its fetch is dropped.
    void setSubscriptions(std::vector<Subscription> subscriptions,
                          std::vector<corvalin::calendar::DateException> handMade);
    // Fetches every subscription now, and again once a day from now on.
    void start();
    // No more fetches until start().
    void stop();
    // Fetches every subscription now (one already on its way is not asked twice).
    void refreshAll();
    // Fetches one subscription now.
    void refresh(const QString& address);
    // The whole duration a fetch may take (kLongestFetchMs unless told otherwise).
    void setLongestFetch(int ms) { m_longestFetchMs = ms; }

Q_SIGNALS:
    // The copy of a feed changed: the calendar is to be read again.
    void updated();
    // A feed could not be fetched or read: the reason, and the copy in use; or its copy silences
    // school days at length or at short notice. The topic names the feed ("feed ADDRESS" for the
    // fetch, "silence ADDRESS" for the days); the problem lasts until problemEnded() with the same
    // topic.
    void problem(const QString& topic, const QString& text);
    // A feed that could not be fetched was fetched again.
    void problemEnded(const QString& topic, const QString& text);
    // A feed was fetched: how many days it gave.
    void note(const QString& text);
    // A fetch ended, well or not.
    void fetched(const QString& address, bool ok);

private:
    void fetch(const Subscription& subscription);
    // Starts the next fetch waiting when none is under way; gives the memory back when none waits.
    void next();
    void finish(const WebFetcher::Answer& answer, const Subscription& subscription);
    void fail(const Subscription& subscription, const QString& reason);
    void succeed(const Subscription& subscription);
    // Says or ends the feed's silence problem, as its copy stands now.
    void judgeSilence(const Subscription& subscription);
    // Ends the problems of the feeds no longer subscribed to.
    void forgetEnded();
    bool subscribed(const QString& address) const;

    QString m_dataFolder;
    std::vector<Subscription> m_subscriptions;
    std::vector<corvalin::calendar::DateException> m_handMade;
    WebFetcher* m_fetcher;
    QTimer* m_daily;
    int m_longestFetchMs = kLongestFetchMs;
    QList<Subscription> m_waiting;   // in the order asked
    std::optional<Subscription> m_underWay;  // the one being fetched
    quint64 m_fetch = 0;                     // its request
    QSet<QString> m_failing;         // the addresses whose last fetch failed
    QMap<QString, QString> m_silencing;  // address: the silence problem told for it
    // address: the days a fetch newly took away at short notice (today or tomorrow then), and by
    // which event; kept while they are still to come and still silenced.
    QMap<QString, QMap<QDate, QString>> m_shortNotice;
    QMap<QString, QString> m_labels;  // address: label, for the problems of ended subscriptions
};
