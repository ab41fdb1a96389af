#include "tdalclock.h"

#include <cstdio>
#include <cstring>
#include <ctime>

TDalClock& TDalClock::instance()
{
    static TDalClock clock;
    return clock;
}

void TDalClock::setTime(int64_t t)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_offset = t - int64_t(time(nullptr));
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
    return int64_t(time(nullptr)) + m_offset;
}

void TDalClock::get(DalTestClock* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    out->now = int64_t(time(nullptr)) + m_offset;
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
