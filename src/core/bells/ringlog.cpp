// The ring log.
#include "core/bells/ringlog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/ports/clock.h"
#include "core/base/ownfiles.h"
#include "engine/base/ringlogline.h"

namespace rl = corvalin::ringlog;

namespace {

rl::Stamp stampOf(const QDateTime& t) {
    return {t.date().year(),   t.date().month(),  t.date().day(), t.time().hour(),
            t.time().minute(), t.time().second(), t.time().msec()};
}

}  // namespace

RingLog::RingLog(QString path, Clock* clock, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_clock(clock) {}

void RingLog::bell(bool scheduled, const QString& sound, const QString& device) {
    append(rl::bellLine(stampOf(m_clock->now()), scheduled, sound.toStdString(), device.toStdString(),
                        m_scheduledMinute));
}

void RingLog::problem(const QString& text) {
    lastingProblem(QString(), text);
}

void RingLog::lastingProblem(const QString& topic, const QString& text) {
    const QDateTime now = m_clock->now();
    append(rl::problemLine(stampOf(now), text.toStdString()));
    remember(now, text, topic);
    Q_EMIT problemReported(now, text, topic);
}

void RingLog::remember(const QDateTime& at, const QString& text, const QString& topic) {
    // A problem that lasts is one entry however often it is said; of the problems of a moment
    // only the last few are kept.
    constexpr qsizetype kMoments = 10;
    if (!topic.isEmpty()) {
        m_open.removeIf([&topic](const Open& open) { return open.topic == topic; });
    }
    m_open.append({at, text, topic});
    qsizetype moments = 0;
    for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
        if (m_open.at(i).topic.isEmpty() && ++moments > kMoments) {
            m_open.removeAt(i);
        }
    }
}

void RingLog::reportOpen() {
    for (const Open& open : std::as_const(m_open)) {
        Q_EMIT problemReported(open.at, open.text, open.topic);
    }
}

void RingLog::endProblem(const QString& topic, const QString& text) {
    if (!text.isEmpty()) {
        note(text);
    }
    m_open.removeIf([&topic](const Open& open) { return open.topic == topic; });
    Q_EMIT problemEnded(m_clock->now(), topic);
}

void RingLog::note(const QString& text) {
    const QDateTime now = m_clock->now();
    rl::Stamp stamp = stampOf(now);
    append(rl::noteLine(stamp, text.toStdString()));
}

void RingLog::append(const std::string& line) {
    if (m_pruned != m_clock->now().date()) {
        prune();
    }
    makeFolder(QFileInfo(m_path).absolutePath());
    // Never through a link, never into something that is not a plain file; the line and its end in
    // one write, so that it is there whole or the failure is seen.
    const std::string whole = line + "\r\n";
    QString failure;
    const int fd =
        ::open(QFile::encodeName(m_path).constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
               inOwnFolder(m_path) ? 0600 : 0644);
    if (fd < 0) {
        failure = errno == ELOOP  ? QStringLiteral("it is a symbolic link, which is not followed")
                  : errno == ENXIO ? QStringLiteral("it is not a plain file")  // a pipe no one reads
                                   : QString::fromLocal8Bit(std::strerror(errno));
    } else {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            failure = QStringLiteral("it is not a plain file");
        } else {
            setFileAccess(fd, m_path);  // the log of an older version, readable by all
            const ssize_t written = ::write(fd, whole.data(), whole.size());
            if (written != static_cast<ssize_t>(whole.size())) {
                failure = written < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                      : QStringLiteral("only part of a line could be written");
            }
        }
        ::close(fd);
    }
    if (failure.isEmpty()) {
        if (m_failing) {
            m_failing = false;
            m_open.removeIf([](const Open& open) { return open.topic == unwritableTopic(); });
            Q_EMIT problemEnded(m_clock->now(), unwritableTopic());
        }
        return;
    }
    // On the warning line once, until a line can be written again.
    if (!m_failing) {
        m_failing = true;
        const QString text = QStringLiteral("the ring log %1 cannot be written (%2): bells and problems are not "
                                            "recorded")
                                 .arg(QDir::toNativeSeparators(m_path), failure);
        remember(m_clock->now(), text, unwritableTopic());
        Q_EMIT problemReported(m_clock->now(), text, unwritableTopic());
    }
}

std::optional<rl::BellEntry> RingLog::lastBellOn(const QDate& day) const {
    constexpr qint64 kTail = 256 * 1024;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    QFile in;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const qint64 from = std::max<qint64>(0, info.st_size - kTail);
    if (!in.seek(from)) {
        return std::nullopt;
    }
    const QByteArray tail = in.read(kTail);
    QList<QByteArray> lines = tail.split('\n');
    if (from > 0 && !lines.isEmpty()) {
        lines.removeFirst();  // begun before the tail
    }
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QByteArray text = line->endsWith('\r') ? line->chopped(1) : *line;
        const auto entry = rl::parseBellLine(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        if (!entry) {
            continue;
        }
        const QDate on(entry->started.year, entry->started.month, entry->started.day);
        if (on == day) {
            return entry;
        }
        if (on < day) {
            return std::nullopt;  // the lines go by time: none of that day comes before
        }
    }
    return std::nullopt;
}

// Streams through the log a line at a time into a new file beside it, renamed over the old one
// only when every line was written; a failed write leaves the old file as it was. A ring.log that
// is not a regular file (a symbolic link, a folder, a named pipe) is neither followed, nor waited
// for, nor rewritten.
void RingLog::prune() {
    const QDate today = m_clock->now().date();
    m_pruned = today;
    const QByteArray name = QFile::encodeName(m_path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    const QDate first = today.addDays(-rl::kKeepDays);
    const int firstKept = first.year() * 10000 + first.month() * 100 + first.day();
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly)) {
        return;
    }
    setFileAccess(out.handle(), m_path);
    bool dropped = false;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        if (line.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return;
        }
        if (line.endsWith('\n')) {
            line.chop(1);
        }
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.isEmpty()) {
            continue;
        }
        if (!rl::keep(std::string_view(line.constData(), static_cast<std::size_t>(line.size())), firstKept)) {
            dropped = true;
            continue;
        }
        line += "\r\n";
        if (out.write(line) != line.size()) {
            out.cancelWriting();
            return;
        }
    }
    // A write that failed in the buffer shows only when it is flushed; commit() would still rename.
    if (!dropped || !out.flush() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return;
    }
    out.commit();
}
