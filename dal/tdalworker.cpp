#include "tdalworker.h"
#include "tdaljournal.h"

#include <cstdio>
#include <memory>

namespace {
// Completion of a job handed to postAndWait: finished when the job has run
// or when it was dropped unrun (its last copy destroyed), so the waiter
// never returns while the job may still touch the waiter's stack.
struct JobSync {
    std::mutex mutex;
    std::condition_variable cv;
    bool finished = false;
    bool ran = false;
};

struct JobGuard {
    std::shared_ptr<JobSync> sync;
    ~JobGuard()
    {
        std::lock_guard<std::mutex> lock(sync->mutex);
        sync->finished = true;
        sync->cv.notify_all();
    }
};
}

TDalWorker::~TDalWorker()
{
    stop();
    if (m_thread.joinable()) {
        if (isWorkerThread())
            m_thread.detach();
        else
            m_thread.join();
    }
}

void TDalWorker::start(std::function<void()> onTick)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    m_onTick = std::move(onTick);
    m_quit = false;
    m_running = true;
    m_dropped = 0;
    m_overflow = false;
    if (m_thread.joinable()) {
        // Restarted from inside one of its own jobs: the thread that runs
        // the job goes on serving after it.
        if (isWorkerThread())
            return;
        // A thread stopped from inside its own job is ending: wait for it
        // before a new one starts, so two never deliver at once.
        std::thread old = std::move(m_thread);
        m_quit = true;
        lock.unlock();
        m_cv.notify_all();
        old.join();
        lock.lock();
        m_quit = false;
    }
    m_thread = std::thread(&TDalWorker::run, this);
}

void TDalWorker::stop()
{
    std::thread old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_quit = true;
        m_running = false;
        m_ticking = false;
        m_jobs.clear();
        m_idleCv.notify_all();
        // Stopped from one of its own jobs: the thread ends after the job
        // (unless the job starts the worker again); it is joined later.
        if (!isWorkerThread())
            old = std::move(m_thread);
    }
    m_cv.notify_all();
    if (old.joinable())
        old.join();
}

bool TDalWorker::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running && !m_quit;
}

bool TDalWorker::post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running || m_quit)
            return false;
        if (m_jobs.size() >= size_t(kMaxJobs)) {
            ++m_dropped;
            if (!m_overflow)
                TDalJournal::say("event queue full (" + std::to_string(kMaxJobs) + " events), dropping events");
            m_overflow = true;
            return false;
        }
        m_jobs.push_back(std::move(job));
    }
    m_cv.notify_all();
    return true;
}

bool TDalWorker::postAndWait(std::function<void()> job)
{
    if (isWorkerThread()) {
        job();
        return true;
    }
    auto sync = std::make_shared<JobSync>();
    {
        auto guard = std::make_shared<JobGuard>();
        guard->sync = sync;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running || m_quit)
            return false;
        m_jobs.push_back([job = std::move(job), guard] {
            job();
            std::lock_guard<std::mutex> l(guard->sync->mutex);
            guard->sync->ran = true;
        });
    }
    m_cv.notify_all();
    std::unique_lock<std::mutex> lock(sync->mutex);
    sync->cv.wait(lock, [&sync] { return sync->finished; });
    return sync->ran;
}

void TDalWorker::waitIdle()
{
    if (isWorkerThread())
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idleCv.wait(lock, [this] { return !m_running || (m_jobs.empty() && !m_busy); });
}

void TDalWorker::waitCurrent()
{
    if (isWorkerThread())
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    const uint64_t seq = m_jobSeq;
    m_idleCv.wait(lock, [this, seq] { return !m_busy || m_jobSeq != seq; });
}

void TDalWorker::setTicking(bool on)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (on && !m_ticking)
            m_nextTick = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        m_ticking = on;
    }
    m_cv.notify_all();
}

bool TDalWorker::isWorkerThread() const
{
    return m_thread.get_id() == std::this_thread::get_id();
}

int TDalWorker::dropped() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dropped;
}

void TDalWorker::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        std::function<void()> job;
        const auto now = std::chrono::steady_clock::now();
        if (m_ticking && now >= m_nextTick) {
            // A due tick goes before any queued event.
            m_nextTick += std::chrono::seconds(1);
            // A worker held up for long does not deliver a burst of ticks.
            if (m_nextTick < now)
                m_nextTick = now + std::chrono::seconds(1);
            job = m_onTick;
        } else if (!m_jobs.empty()) {
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            if (m_jobs.empty())
                m_overflow = false;
        } else {
            if (m_ticking)
                m_cv.wait_until(lock, m_nextTick);
            else
                m_cv.wait(lock);
            continue;
        }
        m_busy = true;
        ++m_jobSeq;
        lock.unlock();
        if (job)
            job();
        job = nullptr; // a waiter learns of the end only once the job is gone
        lock.lock();
        m_busy = false;
        m_idleCv.notify_all();
    }
}
