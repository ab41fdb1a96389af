#pragma once
// A full disk for as long as it lives: every file the process writes stops
// at limit bytes (short writes, then EFBIG), the way a nearly full folder
// cuts a copy. The old limit comes back when it goes.
#include <csignal>
#include <sys/resource.h>

class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(long long limit)
    {
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_old = {};
    void (*m_oldSignal)(int) = nullptr;
};
