// The bell thread.
#include "core/bells/bellthread.h"

#include <QMetaObject>

BellThread::BellThread() : m_thread(std::make_unique<QThread>()), m_anchor(std::make_unique<QObject>()) {
    m_thread->setObjectName(QStringLiteral("bells"));
    m_anchor->moveToThread(m_thread.get());
    m_thread->start(QThread::HighPriority);
}

BellThread::~BellThread() {
    m_thread->quit();
    m_thread->wait();
    m_anchor.reset();  // its thread has ended: it can go from here
}

void BellThread::runAndWait(const std::function<void()>& work) {
    if (QThread::currentThread() == m_thread.get()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(m_anchor.get(), work, Qt::BlockingQueuedConnection);
}
