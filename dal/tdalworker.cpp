#include "tdalworker.h"

#include <future>

TDalWorker::~TDalWorker()
{
    stop();
}

void TDalWorker::start(std::function<void()> onTick)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    m_onTick = std::move(onTick);
    m_quit = false;
    m_running = true;
    m_thread = std::thread(&TDalWorker::run, this);
}

void TDalWorker::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_quit = true;
    }
    m_cv.notify_all();
    if (m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach(); // stopped from one of its own jobs: it ends after the job
    else
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running = false;
    m_ticking = false;
    m_jobs.clear();
    m_idleCv.notify_all();
}

bool TDalWorker::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running && !m_quit;
}

void TDalWorker::post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running || m_quit)
            return;
        m_jobs.push_back(std::move(job));
    }
    m_cv.notify_all();
}

bool TDalWorker::postAndWait(std::function<void()> job)
{
    if (isWorkerThread()) {
        job();
        return true;
    }
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> f = done->get_future();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running || m_quit)
            return false;
        m_jobs.push_back([job = std::move(job), done] {
            job();
            done->set_value();
        });
    }
    m_cv.notify_all();
    // A worker stopped before the job ran drops it; wait only while it runs.
    while (f.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
        if (!isRunning())
            return false;
    return true;
}

void TDalWorker::waitIdle()
{
    if (isWorkerThread())
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idleCv.wait(lock, [this] { return !m_running || (m_jobs.empty() && !m_busy); });
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

void TDalWorker::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        std::function<void()> job;
        if (!m_jobs.empty()) {
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        } else if (m_ticking && std::chrono::steady_clock::now() >= m_nextTick) {
            m_nextTick += std::chrono::seconds(1);
            // A worker held up for long does not deliver a burst of ticks.
            if (m_nextTick < std::chrono::steady_clock::now())
                m_nextTick = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            job = m_onTick;
        } else {
            if (m_ticking)
                m_cv.wait_until(lock, m_nextTick);
            else
                m_cv.wait(lock);
            continue;
        }
        m_busy = true;
        lock.unlock();
        if (job)
            job();
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idleCv.notify_all();
    }
}
