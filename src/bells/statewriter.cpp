// The bells' state files.
#include "bells/statewriter.h"

#include <QFile>
#include <QThreadPool>

#include "base/wholefile.h"

StateWriter::StateWriter(QObject* parent) : QObject(parent), m_pool(std::make_unique<QThreadPool>()) {
    m_pool->setMaxThreadCount(1);
    m_pool->setExpiryTimeout(-1);  // one thread for the program's life, not one a burst
}

StateWriter::~StateWriter() {
    flush();
}

void StateWriter::write(const QString& path, const QByteArray& bytes) {
    auto& latest = m_versions[path];
    if (!latest) {
        latest = std::make_shared<std::atomic<quint64>>(0);
    }
    const quint64 version = ++*latest;
    m_pool->start([this, version, latest, path, bytes] {
        if (version != latest->load()) {
            return;  // a newer version waits: it is the one written
        }
        QString why;
        if (bytes.isEmpty()) {
            if (!QFile::exists(path) || QFile::remove(path)) {
                return;
            }
            why = QStringLiteral("it could not be removed");
        } else if (replaceWholeFile(path, bytes, &why)) {
            return;
        }
        Q_EMIT failed(path, why);  // queued: the destructor waits for this work first
    });
}

void StateWriter::flush() {
    m_pool->waitForDone();
}
