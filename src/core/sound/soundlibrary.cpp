// The sound folders.
#include "core/sound/soundlibrary.h"

#include "core/sound/soundbounds.h"

#include <QDir>
#include <QFileSystemWatcher>

SoundLibrary::SoundLibrary(QStringList folders, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)), m_watcher(new QFileSystemWatcher(this)) {
    if (m_folders.isEmpty()) {
        m_folders << QString();
    }
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SoundLibrary::refresh);
    refresh();
}

QString SoundLibrary::path(const QString& fileName) const {
    return m_where.value(fileName, m_folders.first()) + QLatin1Char('/') + fileName;
}

QString SoundLibrary::refusal(const QString& fileName) const {
    return corvalin::sound::headerRefusal(path(fileName));
}

void SoundLibrary::watch() {
    // A folder that was removed and made again is a new folder to the watcher.
    for (const QString& folder : std::as_const(m_folders)) {
        if (!m_watcher->directories().contains(folder) && QDir(folder).exists()) {
            m_watcher->addPath(folder);
        }
    }
}

void SoundLibrary::refresh() {
    watch();
    QStringList files = QDir(m_folders.first()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    QHash<QString, QString> where;
    for (qsizetype i = 1; i < m_folders.size(); ++i) {
        for (const QString& file : QDir(m_folders[i]).entryList(QDir::Files)) {
            if (!files.contains(file) && !where.contains(file)) {
                where.insert(file, m_folders[i]);
            }
        }
    }
    if (!where.isEmpty()) {
        files << where.keys();
        files.sort(Qt::CaseInsensitive);
    }
    m_where = std::move(where);
    if (files != m_files) {
        m_files = files;
        Q_EMIT changed();
    }
}
