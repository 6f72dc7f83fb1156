// Fetching the followed set-up.
#include "core/follow/setupfeed.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "core/calendar/subscriptions.h"

namespace setup = corvalin::setup;

namespace {

// What data/follow/state.ini keeps: what is followed, the last good set-up and its validators, and
// the one in use.
struct FollowState {
    QString address;
    QString key;
    QByteArray etag;
    QByteArray lastModified;
    QString sha256;     // of setup.zip, empty when none is kept
    QDateTime fetched;  // when it was fetched
    QDateTime checked;  // when the server last gave it or said it had not changed
    QString inUse;      // the sha256 of the set-up the owner applied, empty for none
    QDateTime inUseOf;  // when that one was fetched
};

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm");

FollowState loadState(const QString& path) {
    FollowState state;
    const auto bytes = readWholeFile(path, 64 * 1024);
    if (!bytes) {
        return state;
    }
    for (const QByteArray& raw : bytes->split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            continue;
        }
        const QByteArray name = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        const QString text = QString::fromUtf8(value);
        if (name == "address") {
            state.address = text;
        } else if (name == "key") {
            state.key = text;
        } else if (name == "etag") {
            state.etag = value;
        } else if (name == "last-modified") {
            state.lastModified = value;
        } else if (name == "sha256") {
            state.sha256 = text;
        } else if (name == "fetched") {
            state.fetched = QDateTime::fromString(text, Qt::ISODate);
        } else if (name == "checked") {
            state.checked = QDateTime::fromString(text, Qt::ISODate);
        } else if (name == "in-use") {
            state.inUse = text;
        } else if (name == "in-use-fetched") {
            state.inUseOf = QDateTime::fromString(text, Qt::ISODate);
        }
    }
    return state;
}

bool saveState(const QString& path, const FollowState& state, QString* why = nullptr) {
    // Validators are the server's: a line break in one would end the line early.
    auto line = [](QByteArray value) { return value.replace('\r', ' ').replace('\n', ' ').left(1024); };
    QByteArray bytes;
    auto add = [&bytes, &line](const char* name, const QByteArray& value) {
        bytes += name + QByteArray("=") + line(value) + "\r\n";
    };
    add("address", state.address.toUtf8());
    add("key", state.key.toUtf8());
    add("etag", state.etag);
    add("last-modified", state.lastModified);
    add("sha256", state.sha256.toLatin1());
    add("fetched", state.fetched.toString(Qt::ISODate).toLatin1());
    add("checked", state.checked.toString(Qt::ISODate).toLatin1());
    add("in-use", state.inUse.toLatin1());
    add("in-use-fetched", state.inUseOf.toString(Qt::ISODate).toLatin1());
    makeFolder(QFileInfo(path).path());
    return replaceWholeFile(path, bytes, why);
}

// "less than an hour old", "2 hours old", "3 days old".
QString age(const QDateTime& when) {
    const qint64 hours = when.secsTo(QDateTime::currentDateTime()) / 3600;
    return hours < 1    ? QStringLiteral("less than an hour old")
           : hours == 1 ? QStringLiteral("1 hour old")
           : hours < 48 ? QStringLiteral("%1 hours old").arg(hours)
                        : QStringLiteral("%1 days old").arg(hours / 24);
}

QString hex(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

}  // namespace

SetupFeed::SetupFeed(QString dataFolder, WebFetcher* fetcher, QObject* parent)
    : QObject(parent), m_dataFolder(std::move(dataFolder)), m_fetcher(fetcher), m_every(new QTimer(this)) {
    m_every->setInterval(kEveryMs);
    connect(m_every, &QTimer::timeout, this, &SetupFeed::refresh);
    connect(
        m_fetcher, &WebFetcher::answered, this,
        [this](quint64 id, const WebFetcher::Answer& answer) {
            if (id != m_request || m_request == 0) {
                return;
            }
            m_request = 0;
            m_reached = m_reached || answer.reached;
            if (m_stage == Stage::Setup) {
                finishSetup(answer);
            } else {
                finishSignature(answer);
            }
        },
        Qt::QueuedConnection);
    const FollowState state = loadState(statePath());
    if (addressRefusal(state.address).isEmpty() && !state.key.isEmpty()) {
        m_address = state.address;
        m_key = state.key;
    }
}

SetupFeed::~SetupFeed() = default;

QString SetupFeed::zipPath() const {
    return m_dataFolder + QStringLiteral("/follow/setup.zip");
}

QString SetupFeed::signaturePath() const {
    return zipPath() + QStringLiteral(".sig");
}

QString SetupFeed::statePath() const {
    return m_dataFolder + QStringLiteral("/follow/state.ini");
}

QString SetupFeed::addressRefusal(const QString& address) {
    const QString clean = cleanAddress(address);
    const QString scheme = QUrl(clean).scheme().toLower();
    if (clean.isEmpty() || (scheme != QStringLiteral("https") && scheme != QStringLiteral("http"))) {
        return QStringLiteral("\"%1\" is not an https:// or http:// address").arg(outsideText(address));
    }
    return QString();
}

QString SetupFeed::shownAddress() const {
    return addressShown(m_address);
}

QString SetupFeed::topic() const {
    return QStringLiteral("set-up ") + shownAddress();
}

QString SetupFeed::follow(const QString& address, const QString& publicKey) {
    if (const QString refusal = addressRefusal(address); !refusal.isEmpty()) {
        return refusal;
    }
    const QString key = publicKey.trimmed();
    if (key.isEmpty() ||
        std::any_of(key.begin(), key.end(), [](QChar c) { return c.isSpace() || !c.isPrint(); })) {
        return QStringLiteral("\"%1\" is not a public key").arg(outsideText(publicKey, 100));
    }
    const QString clean = cleanAddress(address);
    if (clean != m_address || key != m_key) {
        if (!m_address.isEmpty()) {
            unfollow();
        }
        FollowState state;
        state.address = clean;
        state.key = key;
        QString why;
        if (!saveState(statePath(), state, &why)) {
            return QStringLiteral("it could not be kept (%1)").arg(outsideText(why));
        }
        m_address = clean;
        m_key = key;
    }
    if (m_every->isActive()) {
        refresh();
    }
    return QString();
}

void SetupFeed::unfollow() {
    // A fetch under way belongs to what was followed: it is dropped.
    if (m_request != 0) {
        m_fetcher->cancel(std::exchange(m_request, 0));
        m_reached = false;
        done();
    }
    if (!m_toldReason.isEmpty()) {
        endProblem(QStringLiteral("the set-up from %1 is no longer followed").arg(shownAddress()));
    }
    for (const QString& path : {zipPath(), signaturePath(), statePath()}) {
        QFile::remove(path);
    }
    m_address.clear();
    m_key.clear();
}

void SetupFeed::start() {
    m_every->start();
    // A set-up kept but never applied (the program ended before it was) is announced again.
    const FollowState state = loadState(statePath());
    if (!m_address.isEmpty() && !state.sha256.isEmpty() && state.sha256 != state.inUse) {
        const auto kept = readWholeFile(zipPath(), kLargest);
        if (kept && QString::fromLatin1(QCryptographicHash::hash(*kept, QCryptographicHash::Sha256).toHex()) ==
                        state.sha256) {
            Q_EMIT arrived(zipPath(), state.sha256);
        }
    }
    refresh();
}

void SetupFeed::stop() {
    m_every->stop();
}

void SetupFeed::refresh() {
    if (m_address.isEmpty() || m_stage != Stage::None) {
        return;
    }
    fetchSetup();
}

void SetupFeed::applied(const QString& sha256) {
    FollowState state = loadState(statePath());
    if (sha256.isEmpty() || sha256 != state.sha256 || state.inUse == sha256) {
        return;
    }
    state.inUse = sha256;
    state.inUseOf = state.fetched;
    saveState(statePath(), state);
}

void SetupFeed::fetchSetup() {
    const QString folder = m_dataFolder + QStringLiteral("/follow");
    if (!makeFolder(folder)) {
        fail(QStringLiteral("the folder %1 could not be made").arg(folder));
        return;
    }
    // What an earlier fetch left when the program ended half-way.
    for (const QString& name : QDir(folder).entryList({QStringLiteral("incoming-*")}, QDir::Files)) {
        QFile::remove(folder + QLatin1Char('/') + name);
    }
    m_incoming = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/incoming-XXXXXX.zip"));
    if (!m_incoming->open()) {
        const QString why = m_incoming->errorString();
        m_incoming.reset();
        fail(QStringLiteral("it could not be written to %1 (%2)").arg(folder, outsideText(why)));
        return;
    }
    // The validators are sent only while the set-up they stand for is there to keep.
    const FollowState state = loadState(statePath());
    const bool kept = !state.sha256.isEmpty() && QFile::exists(zipPath()) && QFile::exists(signaturePath());
    m_etag = kept ? state.etag : QByteArray();
    m_lastModified = kept ? state.lastModified : QByteArray();
    m_reached = false;
    m_stage = Stage::Setup;
    WebFetcher::Request request;
    request.url = QUrl(m_address);
    request.largest = kLargest;
    request.longestMs = m_longestFetchMs;
    request.ifNoneMatch = m_etag;
    request.ifModifiedSince = m_etag.isEmpty() ? m_lastModified : QByteArray();
    request.saveTo = m_incoming->fileName();
    request.refuseWebPage = true;
    m_request = m_fetcher->fetch(request);
}

void SetupFeed::fetchSignature() {
    QUrl url(m_address);
    url.setPath(url.path() + QStringLiteral(".sig"));
    m_signature.clear();
    m_stage = Stage::Signature;
    WebFetcher::Request request;
    request.url = url;
    request.largest = kLargestSignature;
    request.longestMs = m_longestFetchMs;
    request.refuseWebPage = true;
    m_request = m_fetcher->fetch(request);
}

QString SetupFeed::answerRefusal(const WebFetcher::Answer& answer, const QString& what) const {
    if (const QString refusal = answer.refusal(what); !refusal.isEmpty()) {
        return refusal;
    }
    const int status = answer.status;
    if (status == 304 && m_stage == Stage::Setup) {
        return QString();
    }
    if (status != 0 && status != 200) {
        return QStringLiteral("the server answered %1 %2 for %3")
            .arg(status)
            .arg(outsideText(answer.reasonPhrase), what);
    }
    if (answer.error != QNetworkReply::NoError || status != 200) {
        return outsideText(withoutUserInfo(answer.errorText, m_address), 1000);
    }
    return QString();
}

void SetupFeed::finishSetup(const WebFetcher::Answer& answer) {
    QString refusal = answerRefusal(answer, QStringLiteral("it"));
    if (refusal.isEmpty() && answer.status == 304) {
        if (m_etag.isEmpty() && m_lastModified.isEmpty()) {
            refusal = QStringLiteral("the server answered 304 Not Modified when no set-up was asked about");
        } else {
            unchanged(answer);
            return;
        }
    }
    if (!refusal.isEmpty()) {
        fail(refusal);
        return;
    }
    // The validators of what came, kept with it once it is found good.
    m_etag = answer.etag;
    m_lastModified = answer.lastModified;
    // The same bytes as the set-up kept (a server that sends no validators) are nothing new.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    m_incoming->seek(0);
    hash.addData(m_incoming.get());
    const FollowState state = loadState(statePath());
    if (!state.sha256.isEmpty() && QString::fromLatin1(hash.result().toHex()) == state.sha256 &&
        QFile::exists(zipPath()) && QFile::exists(signaturePath())) {
        unchanged(answer);
        return;
    }
    fetchSignature();
}

void SetupFeed::finishSignature(const WebFetcher::Answer& answer) {
    QString refusal =
        answer.status == 404
            ? QStringLiteral("there is no signature beside it (the server answered 404 for %1.sig)")
                  .arg(QUrl(m_address).fileName())
            : answerRefusal(answer, QStringLiteral("its signature"));
    if (!refusal.isEmpty()) {
        fail(refusal);
        return;
    }
    m_signature = answer.body;
    // The set-up is read from the disk where it arrived, not copied into memory; the file is
    // this function's until it ends (keeping or failing ends the fetch).
    const std::unique_ptr<QTemporaryFile> incoming = std::move(m_incoming);
    const qint64 size = incoming->size();
    uchar* mapped = size > 0 ? incoming->map(0, size) : nullptr;
    if (size > 0 && !mapped) {
        fail(QStringLiteral("it could not be read back (%1)").arg(outsideText(incoming->errorString())));
        return;
    }
    const QByteArray data =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size) : QByteArray();
    if (!m_verifier) {
        refusal = QStringLiteral("no signature can be checked");
    } else if (const QString why = m_verifier(data, m_signature, m_key); !why.isEmpty()) {
        refusal = outsideText(why, 1000);
    }
    if (refusal.isEmpty()) {
        // Only a set-up whose signature holds is opened and read.
        if (const setup::Contents contents = setup::readSetup(incoming->fileName()); !contents.ok()) {
            refusal = QStringLiteral("it is not a set-up that can be used: %1")
                          .arg(outsideText(contents.refusal, 1000));
        }
    }
    if (refusal.isEmpty()) {
        keep(data, m_signature, hex(data));
    } else {
        fail(refusal);
    }
    if (mapped) {
        incoming->unmap(mapped);
    }
}

void SetupFeed::keep(const QByteArray& data, const QByteArray& signature, const QString& sha256) {
    FollowState state = loadState(statePath());
    const auto oldSignature = readWholeFile(signaturePath(), kLargestSignature);
    const bool hadSignature = oldSignature.has_value();
    const QByteArray before = oldSignature.value_or(QByteArray());
    // The signature first, then the set-up: should the set-up not be written, the signature of the
    // one kept is put back, so the two kept files always belong together.
    QString why;
    if (!replaceWholeFile(signaturePath(), signature, &why)) {
        fail(QStringLiteral("its signature could not be kept (%1)").arg(outsideText(why)));
        return;
    }
    if (!replaceWholeFile(zipPath(), data, &why)) {
        if (hadSignature) {
            replaceWholeFile(signaturePath(), before);
        } else {
            QFile::remove(signaturePath());
        }
        fail(QStringLiteral("it could not be kept (%1)").arg(outsideText(why)));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    state.address = m_address;
    state.key = m_key;
    state.etag = m_etag;
    state.lastModified = m_lastModified;
    state.sha256 = sha256;
    state.fetched = now;
    state.checked = now;
    // Should the state not be written, the validators stay the old ones and the next fetch brings
    // the set-up whole again.
    if (!saveState(statePath(), state, &why)) {
        fail(QStringLiteral("its state could not be kept (%1)").arg(outsideText(why)));
        return;
    }
    succeed();
    Q_EMIT arrived(zipPath(), sha256);
}

void SetupFeed::unchanged(const WebFetcher::Answer& answer) {
    FollowState state = loadState(statePath());
    state.checked = QDateTime::currentDateTime();
    if (const QByteArray& etag = answer.etag; !etag.isEmpty()) {
        state.etag = etag;
    }
    if (const QByteArray& lastModified = answer.lastModified; !lastModified.isEmpty()) {
        state.lastModified = lastModified;
    }
    saveState(statePath(), state);
    succeed();
}

void SetupFeed::fail(const QString& reason) {
    const FollowState state = loadState(statePath());
    const QString inUse = state.inUse.isEmpty() || !state.inUseOf.isValid()
                              ? QStringLiteral("no set-up from it is in use yet")
                              : QStringLiteral("the set-up in use is the one of %1 (%2)")
                                    .arg(state.inUseOf.toString(kTimeFormat), age(state.inUseOf));
    const QDateTime now = QDateTime::currentDateTime();
    // Every 15 minutes the same reason would fill the ring log: it is told when it changes, and
    // again a day later.
    if (reason != m_toldReason || !m_toldAt.isValid() || m_toldAt.secsTo(now) >= kRetellSecs) {
        m_toldReason = reason;
        m_toldAt = now;
        Q_EMIT problem(topic(), QStringLiteral("the set-up from %1 could not be used: %2; %3")
                                    .arg(shownAddress(), reason, inUse));
    }
    done();
}

void SetupFeed::succeed() {
    if (!m_toldReason.isEmpty()) {
        endProblem(QStringLiteral("the set-up from %1 was fetched again").arg(shownAddress()));
    }
    done();
}

void SetupFeed::endProblem(const QString& text) {
    m_toldReason.clear();
    m_toldAt = QDateTime();
    Q_EMIT problemEnded(topic(), text);
}

void SetupFeed::done() {
    if (m_stage != Stage::None && m_reached) {
        Q_EMIT checked(QDateTime::currentDateTime());
    }
    m_reached = false;
    m_stage = Stage::None;
    m_incoming.reset();
    m_signature.clear();
    m_signature.squeeze();
    // What the fetch read and worked out goes back to the system.
    QTimer::singleShot(0, this, [] {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    });
}

QString SetupFeed::status() const {
    const FollowState state = loadState(statePath());
    if (!addressRefusal(state.address).isEmpty() || state.key.isEmpty()) {
        return QStringLiteral("following no set-up");
    }
    QStringList lines;
    lines << QStringLiteral("following: %1").arg(addressShown(state.address));
    lines << (state.inUse.isEmpty() || !state.inUseOf.isValid()
                  ? QStringLiteral("in use: none from it yet")
                  : QStringLiteral("in use: %1 of %2").arg(state.inUse, state.inUseOf.toString(kTimeFormat)));
    if (!state.sha256.isEmpty() && state.sha256 != state.inUse) {
        lines << QStringLiteral("fetched, not yet in use: %1 of %2")
                     .arg(state.sha256, state.fetched.toString(kTimeFormat));
    }
    lines << (state.checked.isValid()
                  ? QStringLiteral("last checked: %1").arg(state.checked.toString(kTimeFormat))
                  : QStringLiteral("last checked: never"));
    return lines.join(QLatin1Char('\n'));
}
