#include "tdalclock.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// The host's clock to the second as clock_gettime gives it (and Qt reads
// it). time() gives the second of the last clock tick instead, which for the
// first milliseconds of each second is still the one before.
int64_t hostSecs()
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return int64_t(ts.tv_sec);
}

} // namespace

TDalClock& TDalClock::instance()
{
    static TDalClock clock;
    return clock;
}

void TDalClock::setTime(int64_t t)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_offset = t - hostSecs();
    m_set = true;
}

void TDalClock::setZone(const char* name, int dst)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_zone = name ? std::string(name, strnlen(name, sizeof(DalTestClock::zone) - 1)) : std::string();
    m_dst = dst;
}

int64_t TDalClock::now()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return hostSecs() + m_offset;
}

void TDalClock::get(DalTestClock* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    out->now = hostSecs() + m_offset;
    out->set = m_set;
    out->dst = m_dst;
    std::snprintf(out->zone, sizeof out->zone, "%s", m_zone.c_str());
}

void TDalClock::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_offset = 0;
    m_set = false;
    m_zone.clear();
    m_dst = 0;
}
