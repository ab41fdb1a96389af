// Linked into the test programs of the thread-safety build only
// (DVR_TSAN). Debian's Qt is not instrumented: QMutex locks and unlocks
// with futex operations inside libQt5Core, which ThreadSanitizer cannot
// see, so every access that a QMutex orders would be reported as a race.
// These definitions take the place of QMutex's, QWaitCondition's and
// QSemaphore's entry
// points for the calls of our own code (Qt's calls among its own functions
// stay inside Qt), call Qt's, and tell ThreadSanitizer what happened: a lock
// acquires the mutex, an unlock releases it, a wait releases and acquires it
// again.
#include <QDeadlineTimer>
#include <QMutex>
#include <QSemaphore>
#include <QWaitCondition>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);

namespace {
// Qt's own definition of a symbol, found after ours.
template <class F> F qtOwn(const char* symbol)
{
    void* p = dlsym(RTLD_NEXT, symbol);
    if (!p) {
        std::fprintf(stderr, "ttsanqt: %s not found in Qt\n", symbol);
        std::abort();
    }
    return reinterpret_cast<F>(p);
}
}

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtOwn<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    qt(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qt = qtOwn<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = qt(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto qt = qtOwn<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    qt(this);
}

bool QWaitCondition::wait(QMutex* lockedMutex, QDeadlineTimer deadline)
{
    static const auto qt =
        qtOwn<bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer)>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(lockedMutex);
    const bool woken = qt(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    return woken;
}

bool QWaitCondition::wait(QMutex* lockedMutex, unsigned long time)
{
    static const auto qt = qtOwn<bool (*)(QWaitCondition*, QMutex*, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(lockedMutex);
    const bool woken = qt(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    return woken;
}

// A semaphore hands work over between threads (the apply thread's calls on
// the GUI thread): a release publishes, an acquire takes what was published.
void QSemaphore::release(int n)
{
    static const auto qt = qtOwn<void (*)(QSemaphore*, int)>("_ZN10QSemaphore7releaseEi");
    __tsan_release(this);
    qt(this, n);
}

void QSemaphore::acquire(int n)
{
    static const auto qt = qtOwn<void (*)(QSemaphore*, int)>("_ZN10QSemaphore7acquireEi");
    qt(this, n);
    __tsan_acquire(this);
}

bool QSemaphore::tryAcquire(int n)
{
    static const auto qt = qtOwn<bool (*)(QSemaphore*, int)>("_ZN10QSemaphore10tryAcquireEi");
    const bool taken = qt(this, n);
    if (taken)
        __tsan_acquire(this);
    return taken;
}

bool QSemaphore::tryAcquire(int n, int timeout)
{
    static const auto qt = qtOwn<bool (*)(QSemaphore*, int, int)>("_ZN10QSemaphore10tryAcquireEii");
    const bool taken = qt(this, n, timeout);
    if (taken)
        __tsan_acquire(this);
    return taken;
}
