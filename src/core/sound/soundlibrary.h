// The bell sounds: the files of the sound folders (the program folder's sound/, or for an
// installed program the user's own sound/ and the shipped one), re-read whenever a folder
// changes, so a file added or deleted by the operator counts at once.
#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QFileSystemWatcher;

class SoundLibrary : public QObject {
    Q_OBJECT
public:
    // The first folder is the user's own: its file wins over one of the same name in a later one.
    explicit SoundLibrary(QStringList folders, QObject* parent = nullptr);
    explicit SoundLibrary(const QString& folder, QObject* parent = nullptr)
        : SoundLibrary(QStringList{folder}, parent) {}

    // The user's own sound folder, the one that messages name.
    const QString& folder() const { return m_folders.first(); }
    const QStringList& folders() const { return m_folders; }
    // The file of that name in the first folder that holds it.
    QString path(const QString& fileName) const;

    // Every file of the folders (no filter), each name once, by name without regard to letter case.
    // A sound beyond the bounds of a bell stays listed (stored choices count by the list's order).
    const QStringList& files() const { return m_files; }

    // Why the file of that name is refused as a bell ("it lasts 60 min 00 s; ..."), by its header
    // read now; empty when it is within the bounds of a bell sound or its header does not say.
    QString refusal(const QString& fileName) const;

    // Reads the folders again; emits changed() when the list differs.
    void refresh();

Q_SIGNALS:
    void changed();

private:
    void watch();

    QStringList m_folders;
    QStringList m_files;
    QHash<QString, QString> m_where;  // a file's folder, when it is not the first
    QFileSystemWatcher* m_watcher;
};
