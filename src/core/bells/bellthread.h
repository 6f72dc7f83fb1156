// The bell thread: a thread with an event loop of its own on which the bell services are made, run
// and ended, so that nothing the windows do (a hung display, a long import, a modal box) can hold
// a bell up. The window's thread talks to what lives here only by queued calls and signals.
#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

class BellThread {
public:
    // Starts the thread and its event loop.
    BellThread();
    // Ends the event loop and waits for the thread; whatever lives on it must be gone by then.
    ~BellThread();
    BellThread(const BellThread&) = delete;
    BellThread& operator=(const BellThread&) = delete;

    QThread* thread() const { return m_thread.get(); }

    // Runs `work` on the bell thread and returns when it is done. For making and ending the
    // services only: the bell thread itself never waits for the window's.
    void runAndWait(const std::function<void()>& work);

private:
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<QObject> m_anchor;  // lives on the bell thread; the work is queued through it
};
