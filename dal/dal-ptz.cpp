// The stand-in's PTZ and POS calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- PTZ ---- */

int DalPtzFindDriver(const DalPtzBind* bind) { DAL_LATER("DalPtzFindDriver(%s)", bind ? T(bind->driver).c_str() : "null"); }
int DalPtzSetAddr(int addr, int driver, int baud, int speedPan, int speedTilt)
{
    DAL_LATER("DalPtzSetAddr(%d,%d,%d,%d,%d)", addr, driver, baud, speedPan, speedTilt);
}
int DalPtzLinkCamAddr(int ch, int addr) { DAL_LATER("DalPtzLinkCamAddr(%d,%d)", ch, addr); }
int DalPtzCmd(int addr, int cmd) { DAL_LATER("DalPtzCmd(%d,%d)", addr, cmd); }
int DalPtzStop(int addr, int cmd) { DAL_LATER("DalPtzStop(%d,%d)", addr, cmd); }
int DalPtzPreset(int addr, int op, int index) { DAL_LATER("DalPtzPreset(%d,%d,%d)", addr, op, index); }

/* ---- POS ---- */

int DalPosSet(const PosDev* ports) { DAL_LATER("DalPosSet(%s)", P(ports)); }
int DalPosScan(int32_t* present) { DAL_LATER("DalPosScan(%s)", P(present)); }

} // extern "C"
