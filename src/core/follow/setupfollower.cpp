// Following a published set-up.
#include "core/follow/setupfollower.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "core/base/webfetcher.h"
#include "core/base/wholefile.h"
#include "core/follow/setupfeed.h"
#include "core/follow/setupsignature.h"

namespace {

const QString kFollowFile = QStringLiteral("follow.ini");
const QString kAppliedFile = QStringLiteral("applied.ini");

QStringList fileLines(const QString& path) {
    const auto bytes = readWholeFile(path, 16 * 1024);
    return bytes ? QString::fromUtf8(*bytes).split(QStringLiteral("\r\n")) : QStringList();
}

QString followFolder(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/follow");
}

// An address a follower may fetch: http:// (for a LAN) or https://, with a host.
QString addressRefusal(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QStringLiteral("https") && url.scheme() != QStringLiteral("http"))) {
        return QStringLiteral("%1 is not an https:// or http:// address").arg(address);
    }
    return {};
}

// follow.ini: the address, the key and, once a set-up from it is applied, when the newest one was
// written.
QString writeFollowFile(const QString& folder, const QString& address, const QString& publicKey,
                        const QDateTime& newest) {
    const QString path = folder + QLatin1Char('/') + kFollowFile;
    QString text = address + QStringLiteral("\r\n") + publicKey.trimmed() + QStringLiteral("\r\n");
    if (newest.isValid()) {
        text += newest.toString(Qt::ISODateWithMs) + QStringLiteral("\r\n");
    }
    QString why;
    if (!QDir().mkpath(folder) || !replaceWholeFile(path, text.toUtf8(), &why)) {
        return QStringLiteral("%1 could not be written (%2)").arg(QDir::toNativeSeparators(path), why);
    }
    return {};
}

}  // namespace

SetupFollower::SetupFollower(QString dataFolder, Hooks hooks, bool liveFeed, QObject* parent)
    : QObject(parent), m_dataFolder(dataFolder), m_folder(followFolder(dataFolder)), m_hooks(std::move(hooks)), m_askAgain(new QTimer(this)) {
    m_askAgain->setSingleShot(true);
    m_askAgain->setInterval(kAskAgainMs);
    connect(m_askAgain, &QTimer::timeout, this, &SetupFollower::tryApply);
    loadState();
    m_liveFeed = liveFeed;
}

void SetupFollower::makeFeed() {
    // Made when something is followed: a computer that follows nothing runs no fetcher.
    if (m_feed || !m_liveFeed) {
        return;
    }
    m_fetcher = WebFetcher::shared();
    m_feed = new SetupFeed(m_dataFolder, m_fetcher.get());
    m_feed->setVerifier(&corvalin::follow::verify);
    m_fetcher->adopt(m_feed);
    connect(m_feed, &SetupFeed::arrived, this, &SetupFollower::arrived);
    connect(m_feed, &SetupFeed::checked, this, [this](const QDateTime& when) { m_checkedAt = when; });
    connect(m_feed, &SetupFeed::problem, this,
            [this](const QString& topic, const QString& text) { m_hooks.problem(topic, text); });
    connect(m_feed, &SetupFeed::problemEnded, this,
            [this](const QString& topic, const QString& text) { m_hooks.endProblem(topic, text); });
}

SetupFollower::~SetupFollower() {
    // Ends on the worker, after what was asked of it before. Its signals to this object are
    // cut first, here: once it is handed to the worker for deleting, this thread touches it no more.
    if (m_feed) {
        disconnect(m_feed, nullptr, this, nullptr);
        m_feed->deleteLater();
    }
}

void SetupFollower::loadState() {
    const QStringList followed = fileLines(m_folder + QLatin1Char('/') + kFollowFile);
    m_address = followed.value(0).trimmed();
    m_key = followed.value(1).trimmed();
    if (!m_address.isEmpty() && (!addressRefusal(m_address).isEmpty() || !corvalin::follow::parsePublicKey(m_key))) {
        m_address.clear();  // nothing a follower can follow: the settings stay the computer's own
        m_key.clear();
    }
    m_newest =
        m_address.isEmpty() ? QDateTime() : QDateTime::fromString(followed.value(2).trimmed(), Qt::ISODate);
    const QStringList applied = fileLines(m_folder + QLatin1Char('/') + kAppliedFile);
    m_version = applied.value(0).trimmed();
    m_appliedAt = QDateTime::fromString(applied.value(1).trimmed(), Qt::ISODate);
}

void SetupFollower::start() {
    if (!m_address.isEmpty()) {
        makeFeed();
    }
    if (m_feed && !m_address.isEmpty()) {
        QMetaObject::invokeMethod(m_feed, [feed = m_feed, address = m_address, key = m_key] {
            feed->follow(address, key);
            feed->start();
        });
    }
}

QString SetupFollower::followedAddress(const QString& dataFolder) {
    return fileLines(followFolder(dataFolder) + QLatin1Char('/') + kFollowFile).value(0).trimmed();
}

QString SetupFollower::writeFollowed(const QString& dataFolder, const QString& address, const QString& publicKey) {
    const QString folder = followFolder(dataFolder);
    const QString path = folder + QLatin1Char('/') + kFollowFile;
    if (address.isEmpty()) {
        return !QFile::exists(path) || QFile::remove(path)
                   ? QString()
                   : QStringLiteral("%1 could not be removed").arg(QDir::toNativeSeparators(path));
    }
    if (const QString why = addressRefusal(address); !why.isEmpty()) {
        return why;
    }
    if (!corvalin::follow::parsePublicKey(publicKey)) {
        return QStringLiteral("the public key is not a Corvalin public key (corvalin-ed25519:...)");
    }
    // Following anew starts afresh: the first set-up fetched is applied whenever it was written.
    return writeFollowFile(folder, address, publicKey, QDateTime());
}

QString SetupFollower::follow(const QString& address, const QString& publicKey) {
    const QString trimmed = address.trimmed();
    if (const QString why = writeFollowed(m_dataFolder, trimmed, publicKey); !why.isEmpty()) {
        return why;
    }
    if (!m_address.isEmpty() && m_address != trimmed) {
        m_hooks.endProblem(topic(), QString());
    }
    endApplyProblem();
    m_address = trimmed;
    m_key = publicKey.trimmed();
    m_newest = QDateTime();
    m_waiting.reset();
    m_hooks.note(QStringLiteral("this computer follows the set-up published at %1").arg(m_address));
    start();
    Q_EMIT followingChanged(m_address);
    return {};
}

void SetupFollower::unfollow() {
    if (m_address.isEmpty()) {
        return;
    }
    writeFollowed(m_dataFolder, QString(), QString());
    m_hooks.endProblem(topic(), QString());
    endApplyProblem();
    m_hooks.note(QStringLiteral("this computer no longer follows %1; the set-up in use is its own now").arg(m_address));
    if (m_feed) {
        QMetaObject::invokeMethod(m_feed, [feed = m_feed] {
            feed->stop();
            feed->unfollow();
        });
    }
    m_address.clear();
    m_key.clear();
    m_newest = QDateTime();
    m_waiting.reset();
    m_askAgain->stop();
    Q_EMIT followingChanged(m_address);
}

void SetupFollower::refresh() {
    if (m_feed && !m_address.isEmpty()) {
        QMetaObject::invokeMethod(m_feed, &SetupFeed::refresh);
    }
}

void SetupFollower::arrived(const QString& zipPath, const QString& sha256) {
    if (m_address.isEmpty()) {
        return;
    }
    m_waiting = Waiting{zipPath, sha256, {}};
    tryApply();
}

void SetupFollower::tryApply() {
    if (!m_waiting || m_asking) {
        return;
    }
    if (!m_apply) {
        m_askAgain->start();
        return;
    }
    m_asking = true;
    m_hooks.askQuiet(kQuietSeconds, [self = QPointer<SetupFollower>(this), this](const QString& refusal) {
        if (!self) {
            return;
        }
        m_asking = false;
        if (!m_waiting) {
            return;
        }
        if (!refusal.isEmpty()) {
            if (refusal != m_waiting->lastReason) {
                m_waiting->lastReason = refusal;
                m_hooks.note(QStringLiteral("a new set-up from %1 waits: %2").arg(m_address, refusal));
            }
            m_askAgain->start();
            return;
        }
        const Waiting waiting = *std::exchange(m_waiting, std::nullopt);
        const corvalin::setup::Contents contents = corvalin::setup::readSetup(waiting.zipPath);
        // The time compared is the one of the bytes applied, whatever was announced.
        if (const QString older = contents.ok() ? olderRefusal(waiting.sha256, contents.written) : QString();
            !older.isEmpty()) {
            m_applyProblem = true;
            m_hooks.problem(applyTopic(), older);
            return;
        }
        const QString why = contents.ok() ? m_apply(contents) : contents.refusal;
        if (!why.isEmpty()) {
            m_applyProblem = true;
            m_hooks.problem(applyTopic(),
                            QStringLiteral("the set-up from %1 (SHA-256 %2) could not be applied: %3; the "
                                           "set-up in use stays")
                                .arg(m_address, waiting.sha256.left(16), why));
            return;
        }
        endApplyProblem();
        if (const QDateTime written = QDateTime::fromString(contents.written, Qt::ISODate);
            written.isValid()) {
            m_newest = written;
            writeFollowFile(m_folder, m_address, m_key, m_newest);
        }
        m_version = waiting.sha256;
        m_appliedAt = QDateTime::currentDateTime();
        replaceWholeFile(m_folder + QLatin1Char('/') + kAppliedFile,
                         (m_version + QStringLiteral("\r\n") + m_appliedAt.toString(Qt::ISODate) + QStringLiteral("\r\n"))
                             .toUtf8());
        m_hooks.note(QStringLiteral("the set-up from %1 was applied: version of %2, SHA-256 %3")
                         .arg(m_address, contents.written, m_version));
        if (m_feed) {
            QMetaObject::invokeMethod(m_feed, [feed = m_feed, sha = m_version] { feed->applied(sha); });
        }
        Q_EMIT applied(m_version);
    });
}

QString SetupFollower::olderRefusal(const QString& sha256, const QString& written) const {
    const QDateTime at = QDateTime::fromString(written, Qt::ISODate);
    if (!m_newest.isValid() || (at.isValid() && at >= m_newest)) {
        return {};
    }
    return QStringLiteral(
               "the set-up from %1 (SHA-256 %2, written %3) is older than the one in use (SHA-256 %4, "
               "written %5): it is not applied, and the set-up in use stays until a newer one is published")
        .arg(m_address, sha256.left(16),
             at.isValid() ? at.toString(Qt::ISODateWithMs) : QStringLiteral("at no time it says"),
             m_version.left(16), m_newest.toString(Qt::ISODateWithMs));
}

void SetupFollower::endApplyProblem() {
    if (m_applyProblem) {
        m_applyProblem = false;
        m_hooks.endProblem(applyTopic(), QString());
    }
}
