#include "townerthread.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QSemaphore>
#include <QThread>

#include <atomic>
#include <memory>

namespace {
std::atomic<bool> s_closing{false};

// One handed-over call. The owner claims it (Pending -> Running) before it
// runs the work; a waiter that gives up withdraws it (Pending -> Withdrawn).
// Whoever wins decides; the state outlives both sides.
struct Handover {
    enum { Pending, Running, Withdrawn };
    std::atomic<int> phase{Pending};
    QSemaphore done;
};
} // namespace

bool TOwnerThread::call(QObject* owner, const std::function<void()>& f, int boundMs)
{
    if (!owner || QThread::currentThread() == owner->thread()) {
        f();
        return true;
    }
    if (s_closing.load())
        return false;
    auto h = std::make_shared<Handover>();
    // The work refers to the caller's locals; it runs only while the caller
    // waits, so it is never reached after a withdrawal.
    const bool posted = QMetaObject::invokeMethod(
        owner,
        [h, &f] {
            int expected = Handover::Pending;
            if (!h->phase.compare_exchange_strong(expected, Handover::Running))
                return;
            f();
            h->done.release();
        },
        Qt::QueuedConnection);
    if (!posted)
        return false;
    QElapsedTimer waited;
    waited.start();
    while (!h->done.tryAcquire(1, 20)) {
        if (waited.elapsed() < boundMs && !s_closing.load())
            continue;
        int expected = Handover::Pending;
        if (h->phase.compare_exchange_strong(expected, Handover::Withdrawn))
            return false;
        // The owner is running it now: it ends.
        h->done.acquire();
        return true;
    }
    return true;
}

void TOwnerThread::setClosing(bool closing)
{
    s_closing.store(closing);
}

bool TOwnerThread::closing()
{
    return s_closing.load();
}
