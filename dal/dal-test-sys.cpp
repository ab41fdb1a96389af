// The stand-in's test driver for the system family: the clock and
// firmware images.
#include "dal_test.h"
#include "tdalclock.h"
#include "tdalcore.h"
#include "tdalfwr.h"
#include "trootmap.h"

#include <string>

extern "C" {

void dalTestGetClock(DalTestClock* clock)
{
    if (clock)
        TDalClock::instance().get(clock);
}

int dalTestMakeFirmware(const char* path, const char* model, const void* tool, int size)
{
    std::string host;
    if (!path || !TRootMap::map(path, &host) || size < 0 || (size > 0 && !tool))
        return -1;
    std::string m;
    if (model) {
        m = model;
    } else {
        DalCaps caps;
        TDalCore::instance().profile().fillDal(&caps);
        m = caps.model;
    }
    const std::string data = size > 0 ? std::string(static_cast<const char*>(tool), size_t(size)) : std::string();
    return TDalFwr::make(host, m, data) ? 0 : -1;
}

} // extern "C"
