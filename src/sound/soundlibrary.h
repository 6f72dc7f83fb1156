// The bell sounds: the files of the program folder's sound/ folder, re-read whenever the folder
// changes, so a file added or deleted by the operator counts at once.
#pragma once

#include <QObject>
#include <QStringList>

class QFileSystemWatcher;

class SoundLibrary : public QObject {
    Q_OBJECT
public:
    explicit SoundLibrary(QString folder, QObject* parent = nullptr);

    const QString& folder() const { return m_folder; }
    QString path(const QString& fileName) const;

    // Every file of the folder (no filter), by name without regard to letter case.
    const QStringList& files() const { return m_files; }

    // Reads the folder again; emits changed() when the list differs.
    void refresh();

Q_SIGNALS:
    void changed();

private:
    void watch();

    QString m_folder;
    QStringList m_files;
    QFileSystemWatcher* m_watcher;
};
