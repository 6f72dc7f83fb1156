// Window timers.
#include "core/base/secondtimer.h"

#include "core/base/timing.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>

// Whole seconds of the wall clock from a timerfd on CLOCK_REALTIME, armed on the absolute time of
// the next second: it fires on the second itself, not a few milliseconds after it, and a clock step
// (the program's own time sync, the system's time service) cancels the wait, so the next tick is
// armed again on the clock as it now stands.
class SecondTimer::WallSeconds {
public:
    explicit WallSeconds(SecondTimer* owner) {
        m_fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_fd < 0) {
            return;
        }
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, owner);
        m_notifier->setEnabled(false);
        QObject::connect(m_notifier, &QSocketNotifier::activated, owner, [this, owner] {
            std::uint64_t expirations = 0;
            const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
            if (got < 0 && errno == EAGAIN) {
                return;
            }
            // ECANCELED: the clock was set. The tick runs now, on the clock as it stands, and the
            // next one is armed from there.
            owner->fire();
        });
    }
    ~WallSeconds() {
        delete m_notifier;
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    WallSeconds(const WallSeconds&) = delete;
    WallSeconds& operator=(const WallSeconds&) = delete;

    bool isValid() const { return m_fd >= 0; }

    // Arms the next whole second of the wall clock.
    bool arm(int lateMs) {
        timespec now{};
        if (::clock_gettime(CLOCK_REALTIME, &now) != 0) {
            return false;
        }
        itimerspec when{};
        when.it_value.tv_sec = now.tv_sec + 1;
        when.it_value.tv_nsec = static_cast<long>(lateMs) * 1000000L;
        if (::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) != 0) {
            return false;
        }
        m_notifier->setEnabled(true);
        return true;
    }

    void disarm() {
        if (m_fd < 0) {
            return;
        }
        m_notifier->setEnabled(false);
        const itimerspec off{};
        ::timerfd_settime(m_fd, 0, &off, nullptr);
    }

private:
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

SecondTimer::SecondTimer(int intervalMs, bool live, QObject* parent)
    : QObject(parent), m_interval(intervalMs), m_live(live), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SecondTimer::fire);
}

SecondTimer::~SecondTimer() = default;

void SecondTimer::setAlignedToSecond(bool aligned, int lateMs) {
    m_aligned = aligned;
    m_lateMs = std::clamp(lateMs, 0, 999);
    if (m_aligned && m_live && !m_wall) {
        m_wall = std::make_unique<WallSeconds>(this);
        if (!m_wall->isValid()) {
            m_wall.reset();
        }
    }
}

void SecondTimer::rearm() {
    if (m_enabled && m_live && m_fired) {
        arm();
    }
}

void SecondTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    if (!m_enabled) {
        m_timer->stop();
        if (m_wall) {
            m_wall->disarm();
        }
    } else if (m_live && m_aligned) {
        // The first tick at once, from the event loop, so that the clock shows at start-up.
        m_timer->start(0);
    } else if (m_live) {
        arm();
    }
}

void SecondTimer::arm() {
    if (m_aligned) {
        if (m_wall && m_wall->arm(m_lateMs)) {
            return;
        }
        // Without a wall-clock timer: a few milliseconds past the next whole second, so the tick
        // reads the new second.
        const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
        m_timer->start(static_cast<int>(1000 - nowMs % 1000 + std::max(m_lateMs, 3)));
        return;
    }
    m_timer->start(m_interval);
}

void SecondTimer::fire() {
    if (!m_enabled) {
        return;
    }
    // Re-arm first: the handler may open a modal box, during which ticks go on.
    arm();
    if (!m_fired) {
        m_fired = true;
        qCDebug(lcTiming, "%s: first tick", qPrintable(objectName()));
    }
    Q_EMIT timeout();
}
