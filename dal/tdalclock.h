#pragma once
#include "dal.h"
#include "dal_test.h"

#include <cstdint>
#include <mutex>
#include <string>

// The recorder's clock as the stand-in keeps it: the host's clock moved by
// the step of the last DalSysSetTime, and the time zone and daylight-saving
// value of the last DalSysSetTz. The host's own clock is never changed; the
// zone is the process's own (TZ), as the recorder's system zone is the
// recorder's, so local time everywhere in the process follows it.
class TDalClock
{
public:
    static TDalClock& instance();

    // The clock reads t (seconds since 1970) from now on.
    void setTime(int64_t t);
    // Local time becomes the zone's: its offset, and its daylight saving
    // when the zone has one and dst asks for it. -1, nothing changed, for
    // an offset beyond every zone's.
    int setZone(const TzEntry& zone, int dst);
    // Seconds since 1970 as the recorder's clock reads them now.
    int64_t now();
    void get(DalTestClock* out);
    // The clock of the host, in the zone the process started with.
    void reset();

private:
    TDalClock() = default;

    std::mutex m_mutex;
    int64_t m_offset = 0; // the recorder's clock minus the host's
    bool m_set = false;
    std::string m_zone;
    int m_dst = 0;
};
