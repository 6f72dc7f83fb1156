// The one owner of the data folder: every settings file, read into its value type and written
// from it. Files are read whole and replaced whole and atomically. Nothing is lost without a
// word: a save that cannot be written is retried, kept in memory until a later save can write
// it, and reported; a file that vanished while the program runs is written again from what the
// program last read or wrote; lines that are not valid are dropped at load and reported once.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "engine/schedule/dateexceptions.h"
#include "engine/schedule/alarmsignals.h"
#include "engine/schedule/settingsvalues.h"

namespace corvalin::setup {
struct Contents;
}

//
// A store lives on one thread, its owner's (the window's, or the bell thread of a copy with no
// window), and is used there only; the bells are handed what they need as values.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(QString dataFolder, QObject* parent = nullptr);

    const QString& folder() const { return m_folder; }
    QString path(const QString& fileName) const;

    // The file's lines (CRLF or LF ends), or none when it is missing or unreadable.
    std::optional<QStringList> read(const QString& fileName);

    // Says that a file of the data folder read elsewhere was refused (`why`, see readWholeFile), or,
    // with no reason, that it is read (or gone): the same reports as for the store's own files.
    void reportUnread(const QString& fileName, const QString& why);

    // Replaces the file with these lines, each ended by CRLF. The new content goes to a
    // temporary file in the same folder that is flushed to disk and renamed over the old
    // one, so the file is always either the old one or the new one. Creates data/ first
    // when it does not exist, and tries once more (making the folder again) when the first try
    // fails. A file that already holds exactly these bytes is left alone. False (and
    // saveFailed, problem) when the file could not be written; the content is then kept and
    // read back in its place until a later save writes it.
    bool write(const QString& fileName, const QStringList& lines);

    // The files in the folder are the settings from now on (another copy wrote them): what the
    // store knew of them and saves not written yet are dropped, so that no file it knew comes
    // back and no old save overwrites a new file.
    void forget();

    // Makes a checked set-up (an import, a followed set-up) the settings of this folder, all or
    // nothing, as corvalin::setup::applySetup does (its journal, the files it keeps); its sounds go
    // to sound/ beside the data folder, as ProgramPaths has them. Once it is in place the store
    // forgets what it knew (see forget()) and says `replaced`. Error text, or empty when the set-up
    // was imported.
    QString importSetup(const corvalin::setup::Contents& contents);

    // Every file by its value. Loading never fails: what is missing takes its default.
    corvalin::settings::Options loadOptions();
    bool saveOptions(const corvalin::settings::Options& options);

    corvalin::settings::TimeList loadWeekTimes();
    bool saveWeekTimes(const corvalin::settings::TimeList& list);
    corvalin::settings::TimeList loadDayTimes(int day);
    bool saveDayTimes(int day, const corvalin::settings::TimeList& list);  // days 1..13

    corvalin::settings::IntervalSettings loadWeekInterval();
    bool saveWeekInterval(const corvalin::settings::IntervalSettings& settings);
    corvalin::settings::IntervalSettings loadDayInterval(int day);
    bool saveDayInterval(int day, const corvalin::settings::IntervalSettings& settings);  // days 1..7

    int loadBellOffset();
    bool saveBellOffset(int seconds);

    // The alarm signals (alarms.ini); the defaults when the file is not there.
    std::vector<corvalin::alarms::Signal> loadAlarms();
    bool saveAlarms(const std::vector<corvalin::alarms::Signal>& signals);

    int loadSoundCard();
    bool saveSoundCard(int index);
    // The name beside snd.ini's position `index` (see SoundCardName); none when not stored for it.
    corvalin::settings::SoundCardName loadSoundCardName(int index);
    bool saveSoundCardName(const corvalin::settings::SoundCardName& card);

    corvalin::settings::ExitBooking loadExitBooking();
    bool saveExitBooking(const corvalin::settings::ExitBooking& booking);

    // Template k (1..6); none when it was never saved or is damaged.
    std::optional<corvalin::settings::TimeList> loadTemplate(int k);

    // "calendar.ini": the date exceptions; none when the file is missing.
    std::vector<corvalin::calendar::DateException> loadCalendar();
    bool saveCalendar(std::span<const corvalin::calendar::DateException> exceptions);

Q_SIGNALS:
    // A file was replaced (a save that changed nothing writes nothing and says nothing).
    void written(const QString& fileName);
    // A save could not be written; what is on screen is kept.
    void saveFailed(const QString& fileName);
    // Every settings file was replaced at once (importSetup): whoever shows or rings the settings
    // reads them again.
    void replaced();
    // Something the operator should know: a save that failed, a file restored, lines dropped.
    void problem(const QString& text);
    // A file that is there was not read (not a regular file, too large; see readWholeFile): said
    // once for each reason, and ended when the file is read again or gone.
    void lastingProblem(const QString& topic, const QString& text);
    void problemEnded(const QString& topic, const QString& text);

private:
    std::optional<QByteArray> readBytes(const QString& fileName);
    static qint64 largestFile(const QString& fileName);
    bool writeBytes(const QString& fileName, const QByteArray& bytes);
    bool tryWrite(const QString& fileName, const QByteArray& bytes);
    void retryPending();
    std::vector<std::string> lines(std::string_view fileName);
    bool writeLines(std::string_view fileName, const std::vector<std::string>& lines);
    corvalin::settings::TimeList timeList(std::string_view fileName, bool dayFile);
    void reportOnce(const QString& key, const QString& text);
    void reportDropped(std::string_view fileName, const std::vector<std::string>& lines,
                       const std::vector<int>& dropped, const QString& what);

    QString m_folder;
    // What each file held when the program last read or wrote it, and saves not written yet.
    QHash<QString, QByteArray> m_known;
    QHash<QString, QByteArray> m_pending;
    QSet<QString> m_reported;
    QHash<QString, QString> m_unread;  // the files refused, with the reason said
};
