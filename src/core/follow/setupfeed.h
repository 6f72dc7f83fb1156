// Fetching the set-up a bell PC follows: one set-up file published on a web server, its detached
// signature beside it at the same address plus ".sig". Through the web fetcher, on a thread other
// than the bells' (the owner moves it to the fetcher's worker; nothing here assumes which), at
// start, every 15 minutes and when asked, one fetch at a time. Each fetch sends the validators of
// the last good set-up (a 304 keeps it and only moves "last checked"), is bounded as the fetcher
// bounds every request (a silence, a whole duration, a size, the redirects it follows), and
// refuses a web page. A new set-up is kept only when its signature holds for the followed key
// and it reads as a whole set-up; it is then kept in data/follow/ (setup.zip, setup.zip.sig and
// state.ini, each written whole) and announced with arrived(); the owner applies it and says so
// with applied(). A fetch that fails leaves the last good files as they were and is a problem that
// lasts until a fetch succeeds, saying why and how old the set-up in use is. Every text from
// outside is told as outsideText() makes it, and no address is told with its user name and
// password.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "core/base/webfetcher.h"
#include "core/schedule/setuparchive.h"

class QTemporaryFile;
class QTimer;

class SetupFeed : public QObject {
    Q_OBJECT
public:
    // Larger set-up files are refused, as the import refuses them.
    static constexpr qint64 kLargest = corvalin::setup::kMaxZip;
    // A signature is a few hundred bytes at most.
    static constexpr qint64 kLargestSignature = 4 * 1024;
    // A fetch that has not ended this long after it began is given up, however it trickles: a set-up
    // may be four times a calendar feed, so it is given longer, yet ends before the next is due.
    static constexpr int kLongestFetchMs = 10 * 60 * 1000;
    // The set-up is fetched again this long after it was last fetched.
    static constexpr int kEveryMs = 15 * 60 * 1000;
    // A problem that has not changed is told again after this long (its age has grown).
    static constexpr qint64 kRetellSecs = 24 * 60 * 60;

    // Whether `signature` holds for `data` under `publicKey`: empty when it does, else why not.
    using Verifier =
        std::function<QString(const QByteArray& data, const QByteArray& signature, const QString& publicKey)>;

    // Fetches through `fetcher`, which outlives it.
    SetupFeed(QString dataFolder, WebFetcher* fetcher, QObject* parent = nullptr);
    ~SetupFeed() override;

    // Why `address` cannot be followed (it is not an http:// or https:// address with a host), or
    // empty.
    static QString addressRefusal(const QString& address);

    // Follows the set-up at `address`, signed with `publicKey`: empty, or why it is refused. Another
    // address or key than before forgets the set-up kept from the one before; while started, it is
    // fetched at once.
    QString follow(const QString& address, const QString& publicKey);
    // Follows none; the kept set-up is forgotten.
    void unfollow();
    // Fetches now, and every kEveryMs from now on.
    void start();
    // No more fetches until start() (one under way ends as it would).
    void stop();
    // Fetches now (one under way is not asked twice).
    void refresh();
    // The owner made the set-up `sha256` the one in use.
    void applied(const QString& sha256);
    // Checks signatures; without one, no set-up is ever kept.
    void setVerifier(Verifier verifier) { m_verifier = std::move(verifier); }
    // The whole duration a fetch may take (kLongestFetchMs unless told otherwise).
    void setLongestFetch(int ms) { m_longestFetchMs = ms; }

    // What is followed, the version in use and when it was last checked, for the command line. It
    // reads only the kept state, so any thread may ask.
    QString status() const;

    QString zipPath() const;
    QString signaturePath() const;
    QString statePath() const;

Q_SIGNALS:
    // A new set-up was fetched, its signature checked and kept at `zipPath`.
    void arrived(const QString& zipPath, const QString& sha256);
    // The set-up could not be fetched or used: why, and how old the one in use is. The topic is
    // "set-up ADDRESS"; the problem lasts until problemEnded() with the same topic.
    void problem(const QString& topic, const QString& text);
    void problemEnded(const QString& topic, const QString& text);
    // A fetch reached the server (whatever it answered).
    void checked(const QDateTime& when);

private:
    // One of the two requests of a fetch.
    enum class Stage { None, Setup, Signature };

    void fetchSetup();
    void fetchSignature();
    void finishSetup(const WebFetcher::Answer& answer);
    void finishSignature(const WebFetcher::Answer& answer);
    // Why the answer cannot be used (empty when it is a 200 with a body that may be read).
    QString answerRefusal(const WebFetcher::Answer& answer, const QString& what) const;
    // The fetched set-up in the temporary file is good: keeps it, or says why it could not.
    void keep(const QByteArray& data, const QByteArray& signature, const QString& sha256);
    // The server's answer changed nothing: the validators and "last checked" move.
    void unchanged(const WebFetcher::Answer& answer);
    void fail(const QString& reason);
    void succeed();
    // Ends the fetch under way: the manager and what it read go back to the system.
    void done();
    void endProblem(const QString& text);
    QString topic() const;
    QString shownAddress() const;

    QString m_dataFolder;
    QString m_address;  // as followed (empty for none)
    QString m_key;
    WebFetcher* m_fetcher;
    QTimer* m_every;
    Verifier m_verifier;
    int m_longestFetchMs = kLongestFetchMs;
    Stage m_stage = Stage::None;
    quint64 m_request = 0;  // the request under way, 0 for none
    std::unique_ptr<QTemporaryFile> m_incoming;  // the set-up as it arrives
    bool m_reached = false;  // a request of the fetch under way reached the server
    QByteArray m_signature;
    QByteArray m_etag;  // the validators of the set-up being fetched
    QByteArray m_lastModified;
    QString m_toldReason;  // the reason of the open problem, empty for none
    QDateTime m_toldAt;
};
