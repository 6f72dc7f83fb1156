// Reading and writing whole settings files in the program folder's data/ folder.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class SettingsStore {
public:
    explicit SettingsStore(QString dataFolder);

    const QString& folder() const { return m_folder; }
    QString path(const QString& fileName) const;

    // The file's lines (CRLF or LF ends), or none when it is missing or unreadable.
    std::optional<QStringList> read(const QString& fileName) const;

    // Replaces the file with these lines, each ended by CRLF. The new content goes to a
    // temporary file in the same folder that is flushed to disk and renamed over the old
    // one, so the file is always either the old one or the new one. Creates data/ first
    // when it does not exist. False when the file could not be written.
    bool write(const QString& fileName, const QStringList& lines) const;

private:
    QString m_folder;
};
