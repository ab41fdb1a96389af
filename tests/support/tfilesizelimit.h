#pragma once
// A full disk for as long as it lives: every file the process writes stops
// at limit bytes (short writes, then EFBIG), the way a nearly full folder
// cuts a copy. The old limit comes back when it goes. SIGXFSZ is ignored by
// the program's own start-up step, as the program does it from its start,
// so the failure the tests see is the one the program meets.
#include "filesizesignal.h"

#include <sys/resource.h>

class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(long long limit)
    {
        ignoreFileSizeSignal();
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_old = {};
};
