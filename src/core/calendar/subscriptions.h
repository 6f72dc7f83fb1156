// Calendar subscriptions: iCalendar feeds on the web whose all-day events are days without bells,
// kept apart from the exceptions made by hand. data/subscriptions.ini holds one subscription a
// line, "address label"; the last good copy of each feed is kept in data/feeds/: the file as
// fetched (KEY.ics), the exceptions read from it in calendar.ini's line form (KEY.ini), and when
// and how it was fetched (KEY.state), KEY being made from the address; a failed fetch leaves why
// in KEY.problem until one succeeds.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

#include "core/base/outsidetext.h"
#include "engine/schedule/dateexceptions.h"

struct Subscription {
    QString address;  // as the operator gave it (webcal:// included)
    QString label;

    bool operator==(const Subscription&) const = default;
};

// The last good copy of a feed.
struct FeedCopy {
    bool exists = false;
    std::vector<corvalin::calendar::DateException> exceptions;
    QDateTime fetched;   // when the server last gave it or said it had not changed
    QByteArray etag;     // the server's validators, sent back with the next fetch
    QByteArray lastModified;
};

inline constexpr char kSubscriptionsFile[] = "subscriptions.ini";
// The most subscriptions followed: each fetch may read a feed of 16 MB and work it out.
inline constexpr std::size_t kMostSubscriptions = 50;

// The first kMostSubscriptions valid lines of data/subscriptions.ini (none when it is missing, or
// refused: why in `why`, see readWholeFile), their labels as outsideText() makes them.
std::vector<Subscription> loadSubscriptions(const QString& dataFolder, QString* why = nullptr);
// Written whole, or not at all (the reason in `why`).
bool saveSubscriptions(const QString& dataFolder, const std::vector<Subscription>& subscriptions,
                       QString* why = nullptr);

// The address to fetch: http or https as given, webcal as https; nothing, with the reason, for any
// other address.
std::optional<QUrl> feedUrl(const QString& address, QString* why = nullptr);
// The address as kept: trimmed, webcal and http(s) with a host; empty when it is not one.
QString cleanAddress(const QString& address);
// The address as the program keeps it outside subscriptions.ini (in a feed's state): clean, without
// the user name and password it may hold.
QString addressShown(const QString& address);
// `text` (a server's or the network's reason) with the user name and password of `address` taken
// out wherever it names the address with them.
QString withoutUserInfo(const QString& text, const QString& address);

QString feedCopyPath(const QString& dataFolder, const QString& address, const QString& suffix);
FeedCopy loadFeedCopy(const QString& dataFolder, const QString& address);
// Keeps `ics` and what was read from it as the feed's copy; false with the reason when a file could
// not be written (the old copy then stays in use).
bool saveFeedCopy(const QString& dataFolder, const QString& address, const QByteArray& ics, const FeedCopy& copy,
                  QString* why = nullptr);
// The server said the copy is still good: only when and the validators change.
bool saveFeedState(const QString& dataFolder, const QString& address, const FeedCopy& copy, QString* why = nullptr);
void removeFeedCopy(const QString& dataFolder, const QString& address);

// Why the last fetch of a feed failed, and when (KEY.problem beside its copy); kept until a fetch
// succeeds, so that the calendar window can say it. Not part of the copy.
struct FeedProblem {
    QDateTime at;  // invalid: the last fetch did not fail
    QString reason;
};
FeedProblem loadFeedProblem(const QString& dataFolder, const QString& address);
void saveFeedProblem(const QString& dataFolder, const QString& address, const FeedProblem& problem);
void clearFeedProblem(const QString& dataFolder, const QString& address);
// The state of a subscription as the operator reads it: when its copy was fetched and how many
// days it decides, or that there is none yet, and the last failure after it.
QString feedStateText(const FeedCopy& copy, const FeedProblem& problem);
