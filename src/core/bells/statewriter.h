// The bells' own state files (today's changes, the alarm signal that sounds) written on a thread of
// their own, so that the bell thread never waits for the disk: a burst of changes near a bell costs
// it nothing, and of the versions of one file that wait, only the newest is written.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

class StateWriter : public QObject {
    Q_OBJECT
public:
    explicit StateWriter(QObject* parent = nullptr);
    // Waits for every write handed over.
    ~StateWriter() override;

    // Replaces `path` whole with `bytes` (see replaceWholeFile), or removes it when `bytes` is
    // empty; later, in the order asked, each file as last asked.
    void write(const QString& path, const QByteArray& bytes);
    // Waits until every write handed over is on the disk (before another copy reads the files).
    void flush();

Q_SIGNALS:
    // A write or a removal failed; reported on the thread the writer belongs to.
    void failed(const QString& path, const QString& why);

private:
    std::unique_ptr<QThread> m_thread;  // one thread: writes run in the order they were asked
    QObject* m_worker;  // lives on it, and goes when it ends
    QHash<QString, std::shared_ptr<std::atomic<quint64>>> m_versions;  // the newest version of each file
};
