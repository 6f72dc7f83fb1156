// Whole-file reads and atomic whole-file writes of the settings files.
#include "core/schedule/settingsstore.h"

#include <QDir>
#include <QFileInfo>

#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "core/schedule/setuparchive.h"
#include "engine/schedule/settingsformat.h"

namespace fmt = corvalin::settings;

namespace {

QString qName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QByteArray joined(const std::vector<std::string>& lines) {
    const std::string text = fmt::joinLines(lines);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SettingsStore::SettingsStore(QString dataFolder, QObject* parent) : QObject(parent), m_folder(std::move(dataFolder)) {}

QString SettingsStore::path(const QString& fileName) const { return m_folder + QLatin1Char('/') + fileName; }

std::optional<QByteArray> SettingsStore::readBytes(const QString& fileName) {
    if (const auto pending = m_pending.constFind(fileName); pending != m_pending.constEnd()) {
        return *pending;  // not written yet: what the program holds is the newest
    }
    QString why;
    if (auto bytes = readWholeFile(path(fileName), largestFile(fileName), &why)) {
        reportUnread(fileName, QString());
        m_known.insert(fileName, *bytes);
        return bytes;
    }
    reportUnread(fileName, why);
    if (!why.isEmpty()) {
        return std::nullopt;  // refused: as if it were not there, and nothing is written over it
    }
    const auto known = m_known.constFind(fileName);
    if (known == m_known.constEnd()) {
        return std::nullopt;
    }
    // Gone while the program runs (the folder was deleted, or the file): written again.
    const QByteArray bytes = *known;
    if (tryWrite(fileName, bytes)) {
        Q_EMIT problem(QStringLiteral("%1 was missing from the data folder and was written again").arg(fileName));
    }
    return bytes;
}

qint64 SettingsStore::largestFile(const QString& fileName) {
    // The calendar's exceptions come from imports of thousands of days.
    return fileName == qName(corvalin::calendar::kCalendarFile) ? 4 * kLargestSettingsFile : kLargestSettingsFile;
}

void SettingsStore::reportUnread(const QString& fileName, const QString& why) {
    const QString topic = QStringLiteral("unread ") + fileName;
    const auto said = m_unread.constFind(fileName);
    if (why.isEmpty()) {
        if (said != m_unread.constEnd()) {
            m_unread.erase(said);
            Q_EMIT problemEnded(topic, QStringLiteral("%1 is refused no longer").arg(fileName));
        }
        return;
    }
    if (said == m_unread.constEnd() || *said != why) {
        m_unread.insert(fileName, why);
        Q_EMIT lastingProblem(topic, unreadFileText(path(fileName), why));
    }
}

std::optional<QStringList> SettingsStore::read(const QString& fileName) {
    const auto bytes = readBytes(fileName);
    if (!bytes) {
        return std::nullopt;
    }
    QStringList lines;
    for (const auto& line : fmt::splitLines(std::string_view(bytes->constData(), bytes->size()))) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

bool SettingsStore::tryWrite(const QString& fileName, const QByteArray& bytes) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        // The folder is made again when it has gone.
        if (!makeFolder(m_folder)) {
            continue;
        }
        if (replaceWholeFile(path(fileName), bytes)) {
            m_known.insert(fileName, bytes);
            return true;
        }
    }
    return false;
}

void SettingsStore::retryPending() {
    QStringList done;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (tryWrite(it.key(), it.value())) {
            done.append(it.key());
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    // Told once the list is settled: whoever hears it may read the files again.
    for (const QString& name : done) {
        Q_EMIT written(name);
    }
}

bool SettingsStore::writeBytes(const QString& fileName, const QByteArray& bytes) {
    m_pending.remove(fileName);
    retryPending();
    if (const auto existing = readWholeFile(path(fileName), bytes.size()); existing && *existing == bytes) {
        m_known.insert(fileName, bytes);
        return true;
    }
    if (tryWrite(fileName, bytes)) {
        Q_EMIT written(fileName);
        return true;
    }
    m_pending.insert(fileName, bytes);
    Q_EMIT saveFailed(fileName);
    Q_EMIT problem(QStringLiteral("%1 could not be saved in %2; the settings on screen are kept and saved "
                                  "with the next save that can be written")
                       .arg(fileName, QDir::toNativeSeparators(m_folder)));
    return false;
}

bool SettingsStore::write(const QString& fileName, const QStringList& lines) {
    std::vector<std::string> raw;
    raw.reserve(static_cast<std::size_t>(lines.size()));
    for (const auto& line : lines) {
        raw.push_back(line.toStdString());
    }
    return writeBytes(fileName, joined(raw));
}

void SettingsStore::forget() {
    m_known.clear();
    m_pending.clear();
    m_reported.clear();
}

QString SettingsStore::importSetup(const corvalin::setup::Contents& contents) {
    // The data folder is data/ in the user's own folder, which keeps the sounds too.
    const QString why = corvalin::setup::applySetup(ProgramPaths(QFileInfo(m_folder).path()), contents);
    if (why.isEmpty()) {
        forget();
        Q_EMIT replaced();
    }
    return why;
}

std::vector<std::string> SettingsStore::lines(std::string_view fileName) {
    const auto bytes = readBytes(qName(fileName));
    if (!bytes) {
        return {};
    }
    return fmt::splitLines(std::string_view(bytes->constData(), bytes->size()));
}

bool SettingsStore::writeLines(std::string_view fileName, const std::vector<std::string>& lines) {
    return writeBytes(qName(fileName), joined(lines));
}

void SettingsStore::reportOnce(const QString& key, const QString& text) {
    if (!m_reported.contains(key)) {
        m_reported.insert(key);
        Q_EMIT problem(text);
    }
}

void SettingsStore::reportDropped(std::string_view fileName, const std::vector<std::string>& lines,
                                  const std::vector<int>& dropped, const QString& what) {
    if (dropped.empty()) {
        return;
    }
    QStringList numbers;
    for (const int line : dropped) {
        numbers.append(QString::number(line));
    }
    const QString name = qName(fileName);
    // Once for each content of the file: the same bad lines are not reported at every load.
    reportOnce(name + QLatin1Char(':') + QString::fromLatin1(joined(lines).toHex()),
               numbers.size() == 1 ? QStringLiteral("%1: line %2 is not a valid %3 and was left out")
                                         .arg(name, numbers.first(), what)
                                   : QStringLiteral("%1: lines %2 are not valid %3s and were left out")
                                         .arg(name, numbers.join(QStringLiteral(", ")), what));
}

fmt::TimeList SettingsStore::timeList(std::string_view fileName, bool dayFile) {
    const auto all = lines(fileName);
    std::vector<int> dropped;
    fmt::TimeList list = dayFile ? fmt::parseDayTimes(all, &dropped) : fmt::parseWeekTimes(all, &dropped);
    reportDropped(fileName, all, dropped, QStringLiteral("time"));
    return list;
}

fmt::Options SettingsStore::loadOptions() { return fmt::parseOptions(lines(fmt::kOptionsFile)); }

bool SettingsStore::saveOptions(const fmt::Options& options) {
    return writeLines(fmt::kOptionsFile, fmt::formatOptions(options));
}

fmt::TimeList SettingsStore::loadWeekTimes() { return timeList(fmt::kWeekTimesFile, false); }

bool SettingsStore::saveWeekTimes(const fmt::TimeList& list) {
    return writeLines(fmt::kWeekTimesFile, fmt::formatWeekTimes(list));
}

fmt::TimeList SettingsStore::loadDayTimes(int day) { return timeList(fmt::dayTimesFile(day), true); }

bool SettingsStore::saveDayTimes(int day, const fmt::TimeList& list) {
    if (day < 1 || day > 13) {
        return false;  // no such day: nothing on screen belongs to a file
    }
    return writeLines(fmt::dayTimesFile(day), fmt::formatDayTimes(list));
}

fmt::IntervalSettings SettingsStore::loadWeekInterval() {
    return fmt::parseInterval(lines(fmt::kWeekIntervalFile), false);
}

bool SettingsStore::saveWeekInterval(const fmt::IntervalSettings& settings) {
    return writeLines(fmt::kWeekIntervalFile, fmt::formatInterval(settings, false));
}

fmt::IntervalSettings SettingsStore::loadDayInterval(int day) {
    return fmt::parseInterval(lines(fmt::dayIntervalFile(day)), true);
}

bool SettingsStore::saveDayInterval(int day, const fmt::IntervalSettings& settings) {
    if (day < 1 || day > 7) {
        return false;  // interval settings exist for the seven weekdays only
    }
    return writeLines(fmt::dayIntervalFile(day), fmt::formatInterval(settings, true));
}

int SettingsStore::loadBellOffset() { return fmt::parseBellOffset(lines(fmt::kBellOffsetFile)); }

std::vector<corvalin::alarms::Signal> SettingsStore::loadAlarms() {
    return corvalin::alarms::parseFile(lines(corvalin::alarms::kAlarmsFile));
}

bool SettingsStore::saveAlarms(const std::vector<corvalin::alarms::Signal>& signals) {
    return writeLines(corvalin::alarms::kAlarmsFile, corvalin::alarms::formatFile(signals));
}

bool SettingsStore::saveBellOffset(int seconds) {
    return writeLines(fmt::kBellOffsetFile, fmt::formatBellOffset(seconds));
}

int SettingsStore::loadSoundCard() { return fmt::parseSoundCard(lines(fmt::kSoundCardFile)); }

bool SettingsStore::saveSoundCard(int index) { return writeLines(fmt::kSoundCardFile, fmt::formatSoundCard(index)); }

fmt::SoundCardName SettingsStore::loadSoundCardName(int index) {
    return fmt::parseSoundCardName(lines(fmt::kSoundCardNameFile), index);
}

bool SettingsStore::saveSoundCardName(const fmt::SoundCardName& card) {
    return writeLines(fmt::kSoundCardNameFile, fmt::formatSoundCardName(card));
}

fmt::ExitBooking SettingsStore::loadExitBooking() { return fmt::parseExitBooking(lines(fmt::kExitFile)); }

bool SettingsStore::saveExitBooking(const fmt::ExitBooking& booking) {
    return writeLines(fmt::kExitFile, fmt::formatExitBooking(booking));
}

std::optional<fmt::TimeList> SettingsStore::loadTemplate(int k) {
    const auto all = lines(fmt::dayTimesFile(fmt::templateDay(k)));
    return fmt::parseTemplate(all);
}

std::vector<corvalin::calendar::DateException> SettingsStore::loadCalendar() {
    const auto all = lines(corvalin::calendar::kCalendarFile);
    std::vector<int> dropped;
    auto exceptions = corvalin::calendar::parseCalendar(all, &dropped);
    reportDropped(corvalin::calendar::kCalendarFile, all, dropped, QStringLiteral("date exception"));
    return exceptions;
}

bool SettingsStore::saveCalendar(std::span<const corvalin::calendar::DateException> exceptions) {
    return writeLines(corvalin::calendar::kCalendarFile, corvalin::calendar::formatCalendar(exceptions));
}
