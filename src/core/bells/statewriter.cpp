// The bells' state files.
#include "core/bells/statewriter.h"

#include <QFile>
#include <QThread>

#include "core/base/wholefile.h"

StateWriter::StateWriter(QObject* parent)
    : QObject(parent), m_thread(std::make_unique<QThread>()), m_worker(new QObject) {
    m_thread->setObjectName(QStringLiteral("state writer"));
    m_worker->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

StateWriter::~StateWriter() {
    flush();
    m_thread->quit();
    m_thread->wait();
}

void StateWriter::write(const QString& path, const QByteArray& bytes) {
    auto& latest = m_versions[path];
    if (!latest) {
        latest = std::make_shared<std::atomic<quint64>>(0);
    }
    const quint64 version = ++*latest;
    // Queued: the writes run on the writer's thread in the order asked.
    QMetaObject::invokeMethod(m_worker, [this, version, latest, path, bytes] {
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
        Q_EMIT failed(path, why);  // queued to this object's thread; the destructor waits for this work first
    });
}

void StateWriter::flush() {
    // Every write asked before this one has run when it runs.
    QMetaObject::invokeMethod(m_worker, [] {}, Qt::BlockingQueuedConnection);
}
