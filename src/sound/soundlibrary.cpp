// The sound folder.
#include "sound/soundlibrary.h"

#include <QDir>
#include <QFileSystemWatcher>

SoundLibrary::SoundLibrary(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_watcher(new QFileSystemWatcher(this)) {
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SoundLibrary::refresh);
    refresh();
}

QString SoundLibrary::path(const QString& fileName) const { return m_folder + QLatin1Char('/') + fileName; }

void SoundLibrary::watch() {
    // A folder that was removed and made again is a new folder to the watcher.
    if (!m_watcher->directories().contains(m_folder) && QDir(m_folder).exists()) {
        m_watcher->addPath(m_folder);
    }
}

void SoundLibrary::refresh() {
    watch();
    const QStringList files = QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (files != m_files) {
        m_files = files;
        Q_EMIT changed();
    }
}
