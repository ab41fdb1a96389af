// The stand-in's clock, time-zone and firmware-check calls.
#include "dalcall.h"
#include "tdalclock.h"
#include "tdalfwr.h"
#include "trootmap.h"

using namespace dalcall;

extern "C" {

/* ---- Clock and time zone ---- */

int DalSysSetTime(int64_t t)
{
    TDalJournal::add("DalSysSetTime(%lld)", (long long)t);
    DAL_FAILED("DalSysSetTime");
    if (t < 0)
        return -1;
    TDalClock::instance().setTime(t);
    return 0;
}

int DalSysSetTz(const TzEntry* zone, int dst)
{
    TDalJournal::add("DalSysSetTz(%s,%d)", zone ? T(zone->name).c_str() : "null", dst);
    DAL_FAILED("DalSysSetTz");
    if (!zone || !zone->name)
        return -1;
    return TDalClock::instance().setZone(*zone, dst);
}

/* ---- Firmware ---- */

int DalCheckValidFwr(const char* path, int* result)
{
    TDalJournal::add("DalCheckValidFwr(%s,%s)", T(path).c_str(), P(result));
    DAL_FAILED("DalCheckValidFwr");
    if (!result)
        return -1;
    *result = TDalFwr::MISMATCH;
    std::string host;
    if (!path || !TRootMap::map(path, &host))
        return -1;
    DalCaps caps;
    core().profile().fillDal(&caps);
    const int r = TDalFwr::check(host, caps.model);
    if (r < 0)
        return -1; // not readable: no answer about the image
    *result = r;
    return 0;
}

} // extern "C"
