// The ring log.
#include "base/ringlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "base/clock.h"
#include "base/ringlogline.h"

namespace rl = corvalin::ringlog;

namespace {

rl::Stamp stampOf(const QDateTime& t) {
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
            t.time().second(), t.time().msec()};
}

}  // namespace

RingLog::RingLog(QString path, Clock* clock, QObject* parent) : QObject(parent), m_path(std::move(path)), m_clock(clock) {}

void RingLog::bell(bool scheduled, const QString& sound, const QString& device) {
    append(rl::bellLine(stampOf(m_clock->now()), scheduled, sound.toStdString(), device.toStdString()));
}

void RingLog::problem(const QString& text) {
    const QDateTime now = m_clock->now();
    append(rl::problemLine(stampOf(now), text.toStdString()));
    Q_EMIT problemReported(now, text);
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
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\r\n", 2);
    }
}

void RingLog::prune() {
    const QDate today = m_clock->now().date();
    m_pruned = today;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QDate first = today.addDays(-rl::kKeepDays);
    const int firstKept = first.year() * 10000 + first.month() * 100 + first.day();
    QByteArray kept;
    bool dropped = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (line.isEmpty()) {
            continue;
        }
        if (rl::keep(std::string_view(line.constData(), static_cast<std::size_t>(line.size())), firstKept)) {
            kept += line + "\r\n";
        } else {
            dropped = true;
        }
    }
    file.close();
    if (dropped) {
        QSaveFile out(m_path);
        if (out.open(QIODevice::WriteOnly) && out.write(kept) == kept.size()) {
            out.commit();
        }
    }
}
