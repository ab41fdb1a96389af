#include "townerthread.h"

#include <QHash>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>

// One handed-over call. The owner claims it (Pending -> Running) before it
// runs the work and marks it Done after; a waiter that gives up withdraws it
// (Pending -> Withdrawn). Whoever moves it first decides; the state outlives
// both sides.
struct TOwnerThread::Handover {
    enum { Pending, Running, Done, Withdrawn };
    std::mutex mutex;
    std::condition_variable changed;
    int phase = Pending;
    // The caller's work; reached only while the caller waits for it.
    const std::function<void()>* work = nullptr;
};

namespace {
std::atomic<bool> s_closing{false};
std::mutex s_boxesMutex;
// The calling thread's calls are not withdrawn by the closing flag.
thread_local bool t_keepThroughClosing = false;
} // namespace

TOwnerThread::TOwnerThread()
    : QObject(nullptr)
{
}

TOwnerThread* TOwnerThread::mailbox(QThread* thread)
{
    // Mailboxes live as long as the process (a few, one per owner thread).
    static auto* boxes = new QHash<QThread*, TOwnerThread*>;
    std::lock_guard<std::mutex> lock(s_boxesMutex);
    TOwnerThread*& box = (*boxes)[thread];
    if (!box) {
        box = new TOwnerThread;
        box->moveToThread(thread);
        connect(box, &TOwnerThread::sg_pending, box, &TOwnerThread::sl_runPending, Qt::QueuedConnection);
    }
    return box;
}

void TOwnerThread::prepare()
{
    mailbox(QThread::currentThread());
}

void TOwnerThread::sl_runPending()
{
    for (;;) {
        std::shared_ptr<Handover> h;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_queue.empty())
                return;
            h = m_queue.front();
            m_queue.pop_front();
        }
        const std::function<void()>* work = nullptr;
        {
            std::lock_guard<std::mutex> lock(h->mutex);
            if (h->phase != Handover::Pending)
                continue; // withdrawn by its caller
            h->phase = Handover::Running;
            work = h->work;
        }
        (*work)();
        std::lock_guard<std::mutex> lock(h->mutex);
        h->phase = Handover::Done;
        h->changed.notify_all();
    }
}

bool TOwnerThread::call(QObject* owner, const std::function<void()>& f, int boundMs,
                        const std::function<bool()>& giveUp)
{
    if (!owner || QThread::currentThread() == owner->thread()) {
        f();
        return true;
    }
    const auto closingNow = [] { return s_closing.load() && !t_keepThroughClosing; };
    if (closingNow() || !owner->thread() || (giveUp && giveUp()))
        return false;
    auto h = std::make_shared<Handover>();
    h->work = &f;
    TOwnerThread* box = mailbox(owner->thread());
    {
        std::lock_guard<std::mutex> lock(box->m_mutex);
        box->m_queue.push_back(h);
    }
    emit box->sg_pending();

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(qMax(0, boundMs));
    std::unique_lock<std::mutex> lock(h->mutex);
    for (;;) {
        if (h->phase == Handover::Done)
            return true;
        const bool late = boundMs != NoBound && std::chrono::steady_clock::now() >= deadline;
        if (h->phase == Handover::Pending && (closingNow() || late || (giveUp && giveUp()))) {
            h->phase = Handover::Withdrawn;
            return false;
        }
        // Running work is waited for to its end; a pending one is looked at
        // again now and then for the closing flag and the caller's stop.
        h->changed.wait_for(lock, std::chrono::milliseconds(20));
    }
}

void TOwnerThread::setClosing(bool closing)
{
    s_closing.store(closing);
}

bool TOwnerThread::closing()
{
    return s_closing.load();
}

void TOwnerThread::keepThroughClosing()
{
    t_keepThroughClosing = true;
}

