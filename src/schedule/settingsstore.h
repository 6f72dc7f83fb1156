// The one owner of the data folder: every settings file, read into its value type and written
// from it. Files are read whole and replaced whole and atomically.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "schedule/settingsvalues.h"

class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(QString dataFolder, QObject* parent = nullptr);

    const QString& folder() const { return m_folder; }
    QString path(const QString& fileName) const;

    // The file's lines (CRLF or LF ends), or none when it is missing or unreadable.
    std::optional<QStringList> read(const QString& fileName) const;

    // Replaces the file with these lines, each ended by CRLF. The new content goes to a
    // temporary file in the same folder that is flushed to disk and renamed over the old
    // one, so the file is always either the old one or the new one. Creates data/ first
    // when it does not exist. A file that already holds exactly these bytes is left alone.
    // False (and saveFailed) when the file could not be written.
    bool write(const QString& fileName, const QStringList& lines);

    // Every file by its value. Loading never fails: what is missing takes its default.
    corvalin::settings::Options loadOptions() const;
    bool saveOptions(const corvalin::settings::Options& options);

    corvalin::settings::TimeList loadWeekTimes() const;
    bool saveWeekTimes(const corvalin::settings::TimeList& list);
    corvalin::settings::TimeList loadDayTimes(int day) const;
    bool saveDayTimes(int day, const corvalin::settings::TimeList& list);  // days 1..13

    corvalin::settings::IntervalSettings loadWeekInterval() const;
    bool saveWeekInterval(const corvalin::settings::IntervalSettings& settings);
    corvalin::settings::IntervalSettings loadDayInterval(int day) const;
    bool saveDayInterval(int day, const corvalin::settings::IntervalSettings& settings);  // days 1..7

    int loadSoundCard() const;
    bool saveSoundCard(int index);

    corvalin::settings::ExitBooking loadExitBooking() const;
    bool saveExitBooking(const corvalin::settings::ExitBooking& booking);

    // Template k (1..6); none when it was never saved or is damaged.
    std::optional<corvalin::settings::TimeList> loadTemplate(int k) const;

Q_SIGNALS:
    // A file was replaced (a save that changed nothing writes nothing and says nothing).
    void written(const QString& fileName);
    // A save could not be written; what is on screen is kept.
    void saveFailed(const QString& fileName);

private:
    std::vector<std::string> lines(std::string_view fileName) const;
    bool writeLines(std::string_view fileName, const std::vector<std::string>& lines);

    QString m_folder;
};
