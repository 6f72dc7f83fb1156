// Linked into every executable of a ThreadSanitizer build (CORVALIN_SANITIZE=thread), and only there.
//
// Debian's Qt is not built with ThreadSanitizer: the mutex that orders an event posted to another
// thread before its delivery, the count of a slot object's references, a QRecursiveMutex and the
// wait for a QThread's end all work inside libQt6Core, where ThreadSanitizer cannot see them.
// Without help, every queued call across the threads (its functor, its arguments, everything the
// sender wrote before it) is reported as a race. This file tells ThreadSanitizer of exactly these
// orderings, per event, slot object, mutex and thread, and of nothing else:
//   - an event allocated while one of our calls into Qt may post one (a signal, invokeMethod,
//     postEvent, deleteLater, a single-shot timer) is released by its sender when it is made, and
//     acquired by its receiver's thread when Qt delivers it;
//   - a slot object (the functor or member function of a queued call or connection) is released
//     by the thread that ran it, after each call, and acquired by the thread that destroys it when
//     the last reference to it goes (Qt counts those references with atomics of its own);
//   - a QRecursiveMutex (its lock is in the library, unlike QMutex's, whose annotations Qt's
//     headers bring) is acquired when locked and released when unlocked;
//   - a descriptor that Qt closes is closed for ThreadSanitizer too (tsan.supp has it ignore what
//     Qt does through its interceptors, and so would miss the close, and take the next file that
//     gets the same number for the old one);
//   - a QThread's end is released by that thread as it finishes and acquired by whoever waited
//     for it.
// The calls are wrapped with the linker's --wrap (see the top CMakeLists.txt), which reaches the
// calls our own objects make and none that Qt makes inside itself.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaMethod>
#include <QMetaObject>
#include <QRecursiveMutex>
#include <QThread>
#include <QVariant>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

#include <cstdlib>
#include <new>

namespace {

thread_local int t_posting = 0;  // > 0 while a call of ours into Qt may post an event

struct Posting {
    Posting() { ++t_posting; }
    ~Posting() { --t_posting; }
    Posting(const Posting&) = delete;
    Posting& operator=(const Posting&) = delete;
};

bool acquireEvent(void** data) {
    __tsan_acquire(data[1]);  // data: receiver, event, result
    return false;             // Qt delivers the event as usual
}

// Stands in for a slot object handed to Qt: runs it, and destroys it after the calls it ordered.
class OrderedSlot : public QtPrivate::QSlotObjectBase {
public:
    explicit OrderedSlot(QtPrivate::QSlotObjectBase* inner) : QSlotObjectBase(&impl), m_inner(inner) {}

private:
    static void impl(int which, QSlotObjectBase* self, QObject* receiver, void** args, bool* ret) {
        auto* slot = static_cast<OrderedSlot*>(self);
        switch (which) {
        case Destroy:
            __tsan_acquire(slot);
            slot->m_inner->destroyIfLastRef();
            delete slot;
            break;
        case Call:
            slot->m_inner->call(receiver, args);
            __tsan_release(slot);
            break;
        case Compare:
            *ret = slot->m_inner->compare(args);
            break;
        default:
            break;
        }
    }

    QtPrivate::QSlotObjectBase* m_inner;
};

QtPrivate::QSlotObjectBase* ordered(QtPrivate::QSlotObjectBase* slot) {
    return slot ? new OrderedSlot(slot) : nullptr;
}

[[maybe_unused]] const bool g_registered = QInternal::registerCallback(QInternal::EventNotifyCallback, acquireEvent);

}  // namespace

// The bounds of the executable's code (GNU ld's default script names them).
extern "C" char __executable_start[];
extern "C" char etext[];
// ThreadSanitizer's own annotations.
extern "C" void AnnotateIgnoreWritesBegin(const char* file, int line);
extern "C" void AnnotateIgnoreWritesEnd(const char* file, int line);

namespace {

// An allocation that a library's code asks for is not taken as a write by the allocating thread,
// as ThreadSanitizer's own operator new does for the libraries that tsan.supp names: what Qt
// allocates on one thread and frees on another (a D-Bus reply, an event) is ordered inside Qt.
void* allocate(std::size_t size, const void* caller) {
    const bool ours = caller >= static_cast<const void*>(__executable_start) && caller < static_cast<const void*>(etext);
    if (!ours) {
        AnnotateIgnoreWritesBegin(__FILE__, __LINE__);
    }
    void* p = std::malloc(size ? size : 1);
    if (!ours) {
        AnnotateIgnoreWritesEnd(__FILE__, __LINE__);
    }
    if (!p) {
        throw std::bad_alloc();
    }
    if (t_posting > 0) {
        __tsan_release(p);
    }
    return p;
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}

void* operator new[](std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}

#define CORVALIN_WRAP(ret, name, params, args)                                                    \
    extern "C" ret __real_##name params;                                                          \
    extern "C" ret __wrap_##name params {                                                         \
        const Posting posting;                                                                    \
        return __real_##name args;                                                                \
    }

// QMetaObject::activate, the three forms moc's signals call.
CORVALIN_WRAP(void, _ZN11QMetaObject8activateEP7QObjectPKS_iPPv,
              (QObject * s, const QMetaObject* m, int i, void** a), (s, m, i, a))
CORVALIN_WRAP(void, _ZN11QMetaObject8activateEP7QObjectiPPv, (QObject * s, int i, void** a), (s, i, a))
CORVALIN_WRAP(void, _ZN11QMetaObject8activateEP7QObjectiiPPv, (QObject * s, int o, int i, void** a), (s, o, i, a))
// QMetaObject::invokeMethod with a functor or a member function.
CORVALIN_WRAP(bool, _ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv,
              (QObject * o, QtPrivate::QSlotObjectBase* s, Qt::ConnectionType t, void* r), (o, ordered(s), t, r))
// QObject::connect with a functor or a member function.
CORVALIN_WRAP(QMetaObject::Connection,
              _ZN7QObject11connectImplEPKS_PPvS1_S3_PN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPKiPK11QMetaObject,
              (const QObject* s, void** sig, const QObject* r, void** slotPtr, QtPrivate::QSlotObjectBase* slot,
               Qt::ConnectionType t, const int* types, const QMetaObject* m),
              (s, sig, r, slotPtr, ordered(slot), t, types, m))
// QMetaObject::invokeMethod by name, and QMetaMethod::invoke.
CORVALIN_WRAP(bool,
              _ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_,
              (QObject * o, const char* n, Qt::ConnectionType t, QGenericReturnArgument r, QGenericArgument a0,
               QGenericArgument a1, QGenericArgument a2, QGenericArgument a3, QGenericArgument a4, QGenericArgument a5,
               QGenericArgument a6, QGenericArgument a7, QGenericArgument a8, QGenericArgument a9),
              (o, n, t, r, a0, a1, a2, a3, a4, a5, a6, a7, a8, a9))
CORVALIN_WRAP(bool,
              _ZNK11QMetaMethod6invokeEP7QObjectN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS5_S5_S5_S5_S5_S5_S5_S5_S5_,
              (const QMetaMethod* m, QObject* o, Qt::ConnectionType t, QGenericReturnArgument r, QGenericArgument a0,
               QGenericArgument a1, QGenericArgument a2, QGenericArgument a3, QGenericArgument a4, QGenericArgument a5,
               QGenericArgument a6, QGenericArgument a7, QGenericArgument a8, QGenericArgument a9),
              (m, o, t, r, a0, a1, a2, a3, a4, a5, a6, a7, a8, a9))
CORVALIN_WRAP(void, _ZN16QCoreApplication9postEventEP7QObjectP6QEventi, (QObject * o, QEvent* e, int p), (o, e, p))
CORVALIN_WRAP(void, _ZN7QObject11deleteLaterEv, (QObject * o), (o))
CORVALIN_WRAP(void, _ZN6QTimer14singleShotImplEiN2Qt9TimerTypeEPK7QObjectPN9QtPrivate15QSlotObjectBaseE,
              (int ms, Qt::TimerType t, const QObject* c, QtPrivate::QSlotObjectBase* s), (ms, t, c, ordered(s)))

#undef CORVALIN_WRAP

// QThread::start: the thread releases its end as it finishes (QThread::finished is emitted on it).
extern "C" void __real__ZN7QThread5startENS_8PriorityE(QThread* thread, QThread::Priority priority);
extern "C" void __wrap__ZN7QThread5startENS_8PriorityE(QThread* thread, QThread::Priority priority) {
    static const char* const kTied = "corvalinTsanTied";
    if (!thread->property(kTied).toBool()) {
        thread->setProperty(kTied, true);
        QObject::connect(
            thread, &QThread::finished, thread, [thread] { __tsan_release(thread); }, Qt::DirectConnection);
    }
    __real__ZN7QThread5startENS_8PriorityE(thread, priority);
}

// QThread::wait: whoever saw the thread end acquires what it did.
extern "C" bool __real__ZN7QThread4waitE14QDeadlineTimer(QThread* thread, QDeadlineTimer deadline);
extern "C" bool __wrap__ZN7QThread4waitE14QDeadlineTimer(QThread* thread, QDeadlineTimer deadline) {
    const bool ended = __real__ZN7QThread4waitE14QDeadlineTimer(thread, deadline);
    if (ended) {
        __tsan_acquire(thread);
    }
    return ended;
}

// QRecursiveMutex::tryLock (lock() calls it) and unlock.
extern "C" bool __real__ZN15QRecursiveMutex7tryLockEi(QRecursiveMutex* mutex, int timeout);
extern "C" bool __wrap__ZN15QRecursiveMutex7tryLockEi(QRecursiveMutex* mutex, int timeout) {
    const bool locked = __real__ZN15QRecursiveMutex7tryLockEi(mutex, timeout);
    if (locked) {
        __tsan_acquire(mutex);
    }
    return locked;
}

extern "C" void __real__ZN15QRecursiveMutex6unlockEv(QRecursiveMutex* mutex);
extern "C" void __wrap__ZN15QRecursiveMutex6unlockEv(QRecursiveMutex* mutex) {
    __tsan_release(mutex);
    __real__ZN15QRecursiveMutex6unlockEv(mutex);
}

// close(), whoever calls it: passed to ThreadSanitizer's own close from here, our code.
extern "C" int close(int fd) {
    using Close = int (*)(int);
    static const auto next = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "close"));
    return next(fd);
}
