#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One delivery thread of the stand-in: runs posted jobs in order and, while
// ticking, a tick job once a second in real time. Callbacks of the device
// layer run only on such threads, never on the caller's.
class TDalWorker
{
public:
    ~TDalWorker();
    void start(std::function<void()> onTick);
    void stop();
    bool isRunning() const;
    void post(std::function<void()> job);
    // Runs the job on the worker and returns when it has run; false when
    // the worker is not running.
    bool postAndWait(std::function<void()> job);
    // Returns when no job is queued or running (at once on the worker).
    void waitIdle();
    void setTicking(bool on);
    bool isWorkerThread() const;

private:
    void run();

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::condition_variable m_idleCv;
    std::deque<std::function<void()>> m_jobs;
    std::function<void()> m_onTick;
    std::chrono::steady_clock::time_point m_nextTick;
    bool m_quit = false;
    bool m_busy = false;
    bool m_ticking = false;
    bool m_running = false;
};
