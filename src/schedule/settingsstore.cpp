// Whole-file reads and atomic whole-file writes of the settings files.
#include "schedule/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "schedule/settingsformat.h"

namespace fmt = corvalin::settings;

namespace {

QString qName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SettingsStore::SettingsStore(QString dataFolder, QObject* parent) : QObject(parent), m_folder(std::move(dataFolder)) {}

QString SettingsStore::path(const QString& fileName) const { return m_folder + QLatin1Char('/') + fileName; }

std::optional<QStringList> SettingsStore::read(const QString& fileName) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    QStringList lines;
    for (const auto& line : fmt::splitLines(std::string_view(bytes.constData(), bytes.size()))) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

bool SettingsStore::write(const QString& fileName, const QStringList& lines) {
    std::vector<std::string> raw;
    raw.reserve(static_cast<std::size_t>(lines.size()));
    for (const auto& line : lines) {
        raw.push_back(line.toStdString());
    }
    const std::string text = fmt::joinLines(raw);
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    {
        QFile existing(path(fileName));
        if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes) {
            return true;
        }
    }
    bool ok = false;
    if (QDir().mkpath(m_folder)) {
        QSaveFile file(path(fileName));
        if (file.open(QIODevice::WriteOnly)) {
            if (file.write(bytes) == bytes.size()) {
                ok = file.commit();
            } else {
                file.cancelWriting();
            }
        }
    }
    if (ok) {
        Q_EMIT written(fileName);
    } else {
        Q_EMIT saveFailed(fileName);
    }
    return ok;
}

std::vector<std::string> SettingsStore::lines(std::string_view fileName) const {
    std::vector<std::string> out;
    if (const auto read = this->read(qName(fileName))) {
        out.reserve(static_cast<std::size_t>(read->size()));
        for (const QString& line : *read) {
            out.push_back(line.toStdString());
        }
    }
    return out;
}

bool SettingsStore::writeLines(std::string_view fileName, const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) {
        out.append(QString::fromStdString(line));
    }
    return write(qName(fileName), out);
}

fmt::Options SettingsStore::loadOptions() const { return fmt::parseOptions(lines(fmt::kOptionsFile)); }

bool SettingsStore::saveOptions(const fmt::Options& options) {
    return writeLines(fmt::kOptionsFile, fmt::formatOptions(options));
}

fmt::TimeList SettingsStore::loadWeekTimes() const { return fmt::parseWeekTimes(lines(fmt::kWeekTimesFile)); }

bool SettingsStore::saveWeekTimes(const fmt::TimeList& list) {
    return writeLines(fmt::kWeekTimesFile, fmt::formatWeekTimes(list));
}

fmt::TimeList SettingsStore::loadDayTimes(int day) const { return fmt::parseDayTimes(lines(fmt::dayTimesFile(day))); }

bool SettingsStore::saveDayTimes(int day, const fmt::TimeList& list) {
    if (day < 1 || day > 13) {
        return false;  // no such day: nothing on screen belongs to a file
    }
    return writeLines(fmt::dayTimesFile(day), fmt::formatDayTimes(list));
}

fmt::IntervalSettings SettingsStore::loadWeekInterval() const {
    return fmt::parseInterval(lines(fmt::kWeekIntervalFile), false);
}

bool SettingsStore::saveWeekInterval(const fmt::IntervalSettings& settings) {
    return writeLines(fmt::kWeekIntervalFile, fmt::formatInterval(settings, false));
}

fmt::IntervalSettings SettingsStore::loadDayInterval(int day) const {
    return fmt::parseInterval(lines(fmt::dayIntervalFile(day)), true);
}

bool SettingsStore::saveDayInterval(int day, const fmt::IntervalSettings& settings) {
    if (day < 1 || day > 7) {
        return false;  // interval settings exist for the seven weekdays only
    }
    return writeLines(fmt::dayIntervalFile(day), fmt::formatInterval(settings, true));
}

int SettingsStore::loadSoundCard() const { return fmt::parseSoundCard(lines(fmt::kSoundCardFile)); }

bool SettingsStore::saveSoundCard(int index) { return writeLines(fmt::kSoundCardFile, fmt::formatSoundCard(index)); }

fmt::ExitBooking SettingsStore::loadExitBooking() const { return fmt::parseExitBooking(lines(fmt::kExitFile)); }

bool SettingsStore::saveExitBooking(const fmt::ExitBooking& booking) {
    return writeLines(fmt::kExitFile, fmt::formatExitBooking(booking));
}

std::optional<fmt::TimeList> SettingsStore::loadTemplate(int k) const {
    return fmt::parseTemplate(lines(fmt::dayTimesFile(fmt::templateDay(k))));
}
