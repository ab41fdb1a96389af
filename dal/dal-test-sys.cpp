// The stand-in's test driver for the system family: the clock and
// firmware images.
#include "dal_test.h"
#include "tdalclock.h"
#include "tdalcore.h"
#include "tdalfile.h"
#include "tdalfwr.h"
#include "tdaljournal.h"

#include <string>

extern "C" {

void dalTestGetClock(DalTestClock* clock)
{
    if (clock)
        TDalClock::instance().get(clock);
}

int dalTestMakeFirmware(const char* path, const char* model, const void* tool, int size)
{
    if (!path || size < 0 || (size > 0 && !tool))
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
    // Written as the stand-in's own files are: whole, never through a link.
    const std::string why = TDalFile::writeAt(path, TDalFwr::image(m, data));
    if (!why.empty())
        TDalJournal::say(TDalJournal::cut(path, 255) + ": " + why);
    return why.empty() ? 0 : -1;
}

} // extern "C"
