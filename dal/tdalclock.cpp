#include "tdalclock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {
// Hours and minutes of an offset as TZ writes them: "5", "5:30".
std::string hoursText(int minutes)
{
    char text[16];
    if (minutes % 60)
        std::snprintf(text, sizeof text, "%d:%02d", minutes / 60, minutes % 60);
    else
        std::snprintf(text, sizeof text, "%d", minutes / 60);
    return text;
}

// The zone's name as TZ quotes it: "<+09>", "<-05>", "<+0530>".
std::string zoneName(int east)
{
    const int m = east < 0 ? -east : east;
    char text[16];
    if (m % 60)
        std::snprintf(text, sizeof text, "<%c%02d%02d>", east < 0 ? '-' : '+', m / 60, m % 60);
    else
        std::snprintf(text, sizeof text, "<%c%02d>", east < 0 ? '-' : '+', m / 60);
    return text;
}

// The TZ text of a zone east minutes ahead of UTC; TZ counts the other
// way ("<-05>5" is five hours behind). Summer time is an hour ahead: west
// of Greenwich on the North American dates (second Sunday of March to the
// first of November, 02:00 local time), elsewhere on the European ones
// (last Sunday of March to the last of October, 01:00 UTC).
std::string posixZone(int east, bool dst)
{
    std::string tz = zoneName(east) + (east > 0 ? "-" : "") + hoursText(east < 0 ? -east : east);
    if (!dst)
        return tz;
    tz += zoneName(east + 60);
    if (east < 0)
        return tz + ",M3.2.0,M11.1.0";
    return tz + ",M3.5.0/" + hoursText(60 + east) + ",M10.5.0/" + hoursText(120 + east);
}

// The zone the process started in. No TZ means the system's zone file, and
// TZ is put in the environment saying so while the library loads, before
// the process has a second thread: every later change then replaces the
// value in place, and never moves the environment under the threads that
// read TZ meanwhile (every local time of the C library and of Qt).
std::string startZone()
{
    if (const char* tz = std::getenv("TZ"))
        return tz;
    ::setenv("TZ", ":/etc/localtime", 0);
    return ":/etc/localtime";
}
const std::string s_startZone = startZone();

// The C library reads TZ again on tzset() only; Qt and the log call it
// themselves before they convert, the stand-in's threads do not.
void applyZone(const std::string& tz)
{
    ::setenv("TZ", tz.c_str(), 1);
    ::tzset();
}

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

int TDalClock::setZone(const TzEntry& zone, int dst)
{
    // From UTC-12 to UTC+14, the zones there are.
    if (zone.value1 < -12 * 60 || zone.value1 > 14 * 60)
        return -1;
    const std::string tz = posixZone(zone.value1, zone.dst && dst);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_zone = zone.name ? std::string(zone.name, strnlen(zone.name, sizeof(DalTestClock::zone) - 1)) : std::string();
    m_dst = dst;
    applyZone(tz);
    return 0;
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
    applyZone(s_startZone);
}
