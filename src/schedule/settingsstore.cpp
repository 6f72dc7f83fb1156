// Whole-file reads and atomic whole-file writes of the settings files.
#include "schedule/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "schedule/settingsformat.h"

SettingsStore::SettingsStore(QString dataFolder) : m_folder(std::move(dataFolder)) {}

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
    for (const auto& line : corvalin::settings::splitLines(std::string_view(bytes.constData(), bytes.size()))) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

bool SettingsStore::write(const QString& fileName, const QStringList& lines) const {
    if (!QDir().mkpath(m_folder)) {
        return false;
    }
    std::vector<std::string> raw;
    raw.reserve(static_cast<std::size_t>(lines.size()));
    for (const auto& line : lines) {
        raw.push_back(line.toStdString());
    }
    const std::string bytes = corvalin::settings::joinLines(raw);
    QSaveFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
