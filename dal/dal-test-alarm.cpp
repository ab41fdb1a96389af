// The stand-in's test driver for alarm outputs, the watchdog, PTZ and POS
// (dal_test.h).
#include "dal_test.h"
#include "tdalcore.h"

#include <cstring>

namespace {
TDalCore& core()
{
    return TDalCore::instance();
}
}

extern "C" {

void dalTestGetIoOut(DalTestIoOut* out)
{
    if (out)
        core().alarm().get(out);
}

int dalTestPtzLogCount(void)
{
    return core().ptz().logCount();
}

int dalTestPtzLog(int i, DalTestPtzCmd* out)
{
    DalTestPtzCmd c;
    if (!core().ptz().logEntry(i, &c))
        return -1;
    if (out)
        *out = c;
    return 0;
}

void dalTestPtzLogClear(void)
{
    core().ptz().clearLog();
}

int dalTestPtzCamera(int addr, DalTestPtzCam* out)
{
    DalTestPtzCam c;
    if (!core().ptz().camera(addr, &c))
        return -1;
    if (out)
        *out = c;
    return 0;
}

void dalTestPosPorts(PosDev* out)
{
    if (out)
        core().pos().get(out);
}

int dalTestPosPresent(int port, int present)
{
    bool changed = false;
    if (!core().pos().setPresent(port, present != 0, &changed))
        return -1;
    // The USB ports tell of a device that came or went, as the hotplug
    // handler of the real layer does.
    if (changed && port >= 1 && port <= 4)
        dalTestPos(CBT_POS_USB, port, present != 0 ? 1 : 0, nullptr);
    return 0;
}

} // extern "C"
