// Following a set-up published at a web address: the copy of this computer keeps to the one set-up
// that a district or a school's IT person signs and serves, for many bell PCs at once.
//
// The follower lives on the thread that owns the settings files (the window's, or the bell
// thread of the copy with no window). It runs the fetcher (SetupFeed) on the web fetcher's worker,
// takes each good new version it brings, and applies it at a quiet moment only: never while a
// bell or an alarm signal sounds, nor in the minute before a bell (it waits and asks again).
// It never goes back: a set-up written (by its signed manifest) before the newest one applied
// since the computer began to follow is refused, as a problem that lasts until a set-up is
// applied again, and the one in use stays. A publisher goes back by exporting the old set-up
// again, which makes it the newest.
// What it follows is kept in data/follow/follow.ini (the address, the publisher's public key and,
// once one is applied, when the newest set-up applied from it was written: following anew starts
// afresh), and the version in use in data/follow/applied.ini; a set-up it applies never carries
// them, as it never carries a sub-folder of data/.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/schedule/setuparchive.h"

class QTimer;
class SetupFeed;
class WebFetcher;

class SetupFollower : public QObject {
    Q_OBJECT
public:
    // A set-up changes under the bells only when none is due this many seconds ahead.
    static constexpr int kQuietSeconds = 60;
    // While it is not quiet, the follower asks again this often.
    static constexpr int kAskAgainMs = 5000;

    // What the owner of the settings does for the follower.
    struct Hooks {
        // Asks the bells whether the set-up may change now; answered with the reason it may not.
        std::function<void(int seconds, std::function<void(const QString& refusal)>)> askQuiet;
        // The ring log.
        std::function<void(const QString&)> note;
        std::function<void(const QString& topic, const QString& text)> problem;
        std::function<void(const QString& topic, const QString& text)> endProblem;
    };

    // With `liveFeed` off no fetcher is made (tests hand the follower what would arrive).
    SetupFollower(QString dataFolder, Hooks hooks, bool liveFeed = true, QObject* parent = nullptr);
    ~SetupFollower() override;
    SetupFollower(const SetupFollower&) = delete;
    SetupFollower& operator=(const SetupFollower&) = delete;

    // Makes `contents` this computer's set-up, all or nothing; the reason when it could not. Set by
    // the owner of the settings once it can apply one; until then a new version waits.
    using Applier = std::function<QString(const corvalin::setup::Contents&)>;
    void setApplier(Applier apply) { m_apply = std::move(apply); }

    // Starts fetching what is followed (now and every 15 minutes).
    void start();
    // Follows the set-up at `address`, signed with `publicKey`: the reason when it cannot.
    QString follow(const QString& address, const QString& publicKey);
    // Follows nothing any more: the set-up in use stays, as this computer's own.
    void unfollow();
    // Fetches now.
    void refresh();

    // What is followed; empty when nothing is.
    const QString& address() const { return m_address; }
    const QString& publicKey() const { return m_key; }
    // The version in use: its SHA-256 and when it was applied (none before the first).
    const QString& version() const { return m_version; }
    const QDateTime& appliedAt() const { return m_appliedAt; }
    // When the server was last reached (none before the first time).
    const QDateTime& checkedAt() const { return m_checkedAt; }

    // A good new version has come: it is applied at the next quiet moment (the fetcher calls it;
    // so do tests).
    void arrived(const QString& zipPath, const QString& sha256);

    // Reads what is followed from a data folder, and writes it, for the command line with no copy
    // running: the reason when it cannot be written.
    static QString followedAddress(const QString& dataFolder);
    static QString writeFollowed(const QString& dataFolder, const QString& address, const QString& publicKey);

Q_SIGNALS:
    // What is followed changed (an empty address: nothing any more).
    void followingChanged(const QString& address);
    // A new version was applied.
    void applied(const QString& sha256);

private:
    void tryApply();
    void loadState();
    void makeFeed();
    // The refusal of a set-up `sha256` written at `written` (its manifest's text) that is older
    // than the newest applied; empty when it may be applied.
    QString olderRefusal(const QString& sha256, const QString& written) const;
    void endApplyProblem();
    bool m_liveFeed = true;
    QString topic() const { return QStringLiteral("set-up ") + m_address; }
    // The follower's own problems (a set-up that could not be applied, or was older), apart from
    // the fetcher's: a good fetch does not end them, a set-up applied does.
    QString applyTopic() const { return QStringLiteral("applying set-up ") + m_address; }

    QString m_dataFolder;
    QString m_folder;  // data/follow/
    Hooks m_hooks;
    Applier m_apply;
    QString m_address;
    QString m_key;
    QString m_version;
    QDateTime m_appliedAt;
    QDateTime m_newest;  // when the newest set-up applied from what is followed was written
    bool m_applyProblem = false;
    QDateTime m_checkedAt;
    struct Waiting {
        QString zipPath;
        QString sha256;
        QString lastReason;  // the last reason it waited, said once
    };
    std::optional<Waiting> m_waiting;
    bool m_asking = false;
    QTimer* m_askAgain;
    std::shared_ptr<WebFetcher> m_fetcher;
    SetupFeed* m_feed = nullptr;
};
