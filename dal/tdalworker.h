#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One delivery thread of the stand-in: runs posted jobs in order and, while
// ticking, a tick job once a second in real time. Callbacks of the device
// layer run only on such threads, never on the caller's.
//
// The queue is bounded (kMaxJobs): a flood of events drops what does not fit,
// with one line on standard error per overflow, and a due tick always runs
// before the next queued job, so the one-second tick is never starved.
// A job may stop and start its own worker (DalExit then DalInit from inside a
// callback): the same thread then goes on after the job, so there is never
// a second delivery thread.
class TDalWorker
{
public:
    enum { kMaxJobs = 256 };

    ~TDalWorker();
    void start(std::function<void()> onTick);
    void stop();
    bool isRunning() const;
    // Queues a job; false when the worker is not running or the queue is full.
    bool post(std::function<void()> job);
    // Runs the job on the worker and returns when it has run (at once when
    // called on the worker); false when it did not run (worker not running
    // or stopped before the job's turn). Not bounded by the queue size.
    bool postAndWait(std::function<void()> job);
    // Returns when no job is queued or running (at once on the worker).
    void waitIdle();
    // Returns when the job running now, if any, has ended (at once on the
    // worker): after it no job can still hold a callback read before.
    void waitCurrent();
    void setTicking(bool on);
    bool isWorkerThread() const;
    // Jobs dropped because the queue was full, since the worker started.
    int dropped() const;

private:
    void run();

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::condition_variable m_idleCv;
    std::deque<std::function<void()>> m_jobs;
    std::function<void()> m_onTick;
    std::chrono::steady_clock::time_point m_nextTick;
    uint64_t m_jobSeq = 0; // jobs started so far
    int m_dropped = 0;
    bool m_overflow = false; // an overflow has been reported and not ended
    bool m_quit = false;
    bool m_busy = false;
    bool m_ticking = false;
    bool m_running = false;
};
