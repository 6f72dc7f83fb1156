// Calendar subscriptions and the copies of their feeds.
#include "core/calendar/subscriptions.h"

#include <QCryptographicHash>
#include <algorithm>
#include <QDir>
#include <QFile>

#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "engine/schedule/settingsformat.h"

namespace cal = corvalin::calendar;

namespace {

// A feed copy larger than this is no copy of ours: the import's 20000 exceptions at most make
// about 1.5 MB of lines, and the bells' thread reads them.
constexpr qint64 kLargestCopy = 4 * 1024 * 1024;

std::vector<std::string> fileLines(const QString& path, QString* why = nullptr) {
    const auto bytes = readWholeFile(path, kLargestCopy, why);
    if (!bytes) {
        return {};
    }
    return corvalin::settings::splitLines(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

// A label as one line of the file: control characters (a line break above all) become blanks.
QString oneLine(const QString& text) {
    return outsideText(text);
}

QByteArray joinedLines(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const auto& line : lines) {
        bytes += QByteArray::fromStdString(line) + "\r\n";
    }
    return bytes;
}

}  // namespace

QString cleanAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QStringLiteral("https") && scheme != QStringLiteral("http") && scheme != QStringLiteral("webcal"))) {
        return QString();
    }
    return url.toString(QUrl::FullyEncoded);
}

QString addressShown(const QString& address) {
    const QString clean = cleanAddress(address);
    return clean.isEmpty() ? clean : QUrl(clean).toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

QString withoutUserInfo(const QString& text, const QString& address) {
    const QUrl kept(cleanAddress(address));
    QString said = text;
    if (kept.userInfo().isEmpty()) {
        return said;
    }
    // The address as kept and as fetched (webcal as https), in each form a reason may give it;
    // then the user name and password alone, wherever else they are.
    QList<QUrl> urls{kept};
    if (const auto fetched = feedUrl(address)) {
        urls << *fetched;
    }
    const QUrl::ComponentFormattingOption formats[] = {QUrl::PrettyDecoded, QUrl::FullyEncoded,
                                                       QUrl::FullyDecoded};
    for (const QUrl& url : urls) {
        for (const auto format : formats) {
            said.replace(url.toString(format), url.toString(QUrl::RemoveUserInfo | format));
        }
    }
    for (const auto format : formats) {
        said.replace(kept.userInfo(format) + QLatin1Char('@'), QString());
    }
    return said;
}

std::optional<QUrl> feedUrl(const QString& address, QString* why) {
    const QString clean = cleanAddress(address);
    if (clean.isEmpty()) {
        if (why) {
            *why = QStringLiteral("\"%1\" is not an https://, http:// or webcal:// address").arg(outsideText(address));
        }
        return std::nullopt;
    }
    QUrl url(clean);
    if (url.scheme().toLower() == QStringLiteral("webcal")) {
        url.setScheme(QStringLiteral("https"));
    }
    return url;
}

std::vector<Subscription> loadSubscriptions(const QString& dataFolder, QString* why) {
    std::vector<Subscription> found;
    for (const auto& line : fileLines(dataFolder + QLatin1Char('/') + QLatin1String(kSubscriptionsFile), why)) {
        const QString text = QString::fromStdString(line).trimmed();
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        const QString address = cleanAddress(space < 0 ? text : text.left(space));
        if (address.isEmpty()) {
            continue;
        }
        const QString label = space < 0 ? QString() : outsideText(text.mid(space + 1));
        const bool again = std::any_of(found.begin(), found.end(),
                                       [&address](const Subscription& s) { return s.address == address; });
        if (!again && found.size() < kMostSubscriptions) {
            found.push_back({address, label.isEmpty() ? QUrl(address).host() : label});
        }
    }
    return found;
}

bool saveSubscriptions(const QString& dataFolder, const std::vector<Subscription>& subscriptions, QString* why) {
    std::vector<std::string> lines;
    for (const Subscription& s : subscriptions) {
        lines.push_back((s.address + QLatin1Char(' ') + oneLine(s.label)).toStdString());
    }
    makeFolder(dataFolder);
    return replaceWholeFile(dataFolder + QLatin1Char('/') + QLatin1String(kSubscriptionsFile), joinedLines(lines), why);
}

QString feedCopyPath(const QString& dataFolder, const QString& address, const QString& suffix) {
    const QByteArray key =
        QCryptographicHash::hash(cleanAddress(address).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return dataFolder + QStringLiteral("/feeds/") + QString::fromLatin1(key) + suffix;
}

FeedCopy loadFeedCopy(const QString& dataFolder, const QString& address) {
    FeedCopy copy;
    const auto state = fileLines(feedCopyPath(dataFolder, address, QStringLiteral(".state")));
    for (const auto& line : state) {
        const QByteArray text = QByteArray::fromStdString(line);
        const qsizetype equals = text.indexOf('=');
        const QByteArray key = text.left(equals);
        const QByteArray value = text.mid(equals + 1);
        if (key == "fetched") {
            copy.fetched = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
        } else if (key == "etag") {
            copy.etag = value;
        } else if (key == "last-modified") {
            copy.lastModified = value;
        }
    }
    if (!copy.fetched.isValid()) {
        return FeedCopy{};
    }
    copy.exists = true;
    copy.exceptions = cal::parseCalendar(fileLines(feedCopyPath(dataFolder, address, QStringLiteral(".ini"))));
    return copy;
}

bool saveFeedState(const QString& dataFolder, const QString& address, const FeedCopy& copy, QString* why) {
    // Validators are the server's: a line break in one would end the line early.
    auto headerLine = [](QByteArray value) { return value.replace('\r', ' ').replace('\n', ' ').left(1024); };
    // The address for whoever reads the copy, without the user name and password it may have: those
    // stay in subscriptions.ini, where the operator gave them (and the copy's name comes from it).
    const std::vector<std::string> lines{
        "address=" + addressShown(address).toStdString(),
        "fetched=" + copy.fetched.toString(Qt::ISODate).toStdString(),
        "etag=" + headerLine(copy.etag).toStdString(),
        "last-modified=" + headerLine(copy.lastModified).toStdString(),
    };
    return replaceWholeFile(feedCopyPath(dataFolder, address, QStringLiteral(".state")), joinedLines(lines), why);
}

bool saveFeedCopy(const QString& dataFolder, const QString& address, const QByteArray& ics, const FeedCopy& copy,
                  QString* why) {
    makeFolder(dataFolder + QStringLiteral("/feeds"));
    // The state goes last: a copy whose state could not be written is fetched whole next time.
    return replaceWholeFile(feedCopyPath(dataFolder, address, QStringLiteral(".ics")), ics, why) &&
           replaceWholeFile(feedCopyPath(dataFolder, address, QStringLiteral(".ini")),
                            joinedLines(cal::formatCalendar(copy.exceptions)), why) &&
           saveFeedState(dataFolder, address, copy, why);
}

FeedProblem loadFeedProblem(const QString& dataFolder, const QString& address) {
    const auto lines = fileLines(feedCopyPath(dataFolder, address, QStringLiteral(".problem")));
    if (lines.size() < 2) {
        return {};
    }
    return {QDateTime::fromString(QString::fromStdString(lines[0]), Qt::ISODate),
            outsideText(QString::fromStdString(lines[1]), -1)};
}

void saveFeedProblem(const QString& dataFolder, const QString& address, const FeedProblem& problem) {
    makeFolder(dataFolder + QStringLiteral("/feeds"));
    replaceWholeFile(feedCopyPath(dataFolder, address, QStringLiteral(".problem")),
                     joinedLines({problem.at.toString(Qt::ISODate).toStdString(), outsideText(problem.reason, 1000).toStdString()}));
}

void clearFeedProblem(const QString& dataFolder, const QString& address) {
    QFile::remove(feedCopyPath(dataFolder, address, QStringLiteral(".problem")));
}

QString feedStateText(const FeedCopy& copy, const FeedProblem& problem) {
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
    QString state = copy.exists ? QStringLiteral("fetched %1: %2 %3 without bells")
                                      .arg(copy.fetched.toString(format))
                                      .arg(copy.exceptions.size())
                                      .arg(copy.exceptions.size() == 1 ? QStringLiteral("date exception")
                                                                      : QStringLiteral("date exceptions"))
                                : QStringLiteral("no copy yet: it decides no day");
    if (problem.at.isValid()) {
        state += QStringLiteral("; could not be fetched at %1: %2").arg(problem.at.toString(format), problem.reason);
    }
    return state;
}

void removeFeedCopy(const QString& dataFolder, const QString& address) {
    for (const char* suffix : {".state", ".ini", ".ics", ".problem"}) {
        QFile::remove(feedCopyPath(dataFolder, address, QString::fromLatin1(suffix)));
    }
}
