// The stand-in's clock and time-zone calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Clock and time zone ---- */

int DalSysSetTime(int64_t t) { DAL_LATER("DalSysSetTime(%lld)", (long long)t); }
int DalSysSetTz(const TzEntry* zone, int dst)
{
    DAL_LATER("DalSysSetTz(%s,%d)", zone ? T(zone->name).c_str() : "null", dst);
}

} // extern "C"
