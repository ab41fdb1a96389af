// The stand-in's PTZ and POS calls.
#include "dalcall.h"
#include "tdalserial.h"

using namespace dalcall;

namespace {
// The driver count the stand-in reports: its protocols, or a test's override.
int driverCount()
{
    int n = core().ptz().drivers();
    core().countOverride("ptz_cnt", &n);
    return n;
}
}

extern "C" {

/* ---- PTZ ---- */

int DalPtzGetCaps(PtzCaps* ptz)
{
    TDalJournal::add("DalPtzGetCaps(%s)", P(ptz));
    DAL_FAILED("DalPtzGetCaps");
    if (!ptz)
        return -1;
    core().ptz().fillCaps(ptz, driverCount());
    return 0;
}

int DalPtzFindDriver(const DalPtzBind* bind)
{
    TDalJournal::add("DalPtzFindDriver(%s)", bind ? T(bind->driver).c_str() : "null");
    DAL_FAILED("DalPtzFindDriver");
    if (!bind)
        return -1;
    // The caller's name is read no further than its field.
    const std::string name(bind->driver, strnlen(bind->driver, sizeof bind->driver));
    return core().ptz().findDriver(name.c_str(), driverCount());
}

int DalPtzSetAddr(int addr, int driver, int baud, int speedPan, int speedTilt)
{
    TDalJournal::add("DalPtzSetAddr(%d,%d,%d,%d,%d)", addr, driver, baud, speedPan, speedTilt);
    DAL_FAILED("DalPtzSetAddr");
    return core().ptz().setAddr(addr, driver, baud, speedPan, speedTilt, driverCount());
}

int DalPtzLinkCamAddr(int ch, int addr)
{
    TDalJournal::add("DalPtzLinkCamAddr(%d,%d)", ch, addr);
    DAL_FAILED("DalPtzLinkCamAddr");
    return core().ptz().link(ch, addr, core().profile().channels());
}

int DalPtzCmd(int addr, int cmd)
{
    TDalJournal::add("DalPtzCmd(%d,%d)", addr, cmd);
    DAL_FAILED("DalPtzCmd");
    const int r = core().ptz().cmd(addr, cmd, false, core().seconds());
    // What goes out on the line also goes round the serial test loops.
    if (r == 0)
        TDalSerial::instance().commandSent();
    return r;
}

int DalPtzStop(int addr, int cmd)
{
    TDalJournal::add("DalPtzStop(%d,%d)", addr, cmd);
    DAL_FAILED("DalPtzStop");
    return core().ptz().cmd(addr, cmd, true, core().seconds());
}

int DalPtzPreset(int addr, int op, int index)
{
    TDalJournal::add("DalPtzPreset(%d,%d,%d)", addr, op, index);
    DAL_FAILED("DalPtzPreset");
    return core().ptz().preset(addr, op, index, core().seconds());
}

/* ---- POS ---- */

int DalPosSet(const PosDev* ports)
{
    TDalJournal::add("DalPosSet(%s)", P(ports));
    DAL_FAILED("DalPosSet");
    if (!ports)
        return -1;
    core().pos().set(ports);
    return 0;
}

int DalPosScan(int32_t* present)
{
    TDalJournal::add("DalPosScan(%s)", P(present));
    DAL_FAILED("DalPosScan");
    if (!present)
        return -1;
    core().pos().scan(present);
    return 0;
}

} // extern "C"
