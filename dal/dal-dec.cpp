// The stand-in's decoder and playback calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Decoder ---- */

int DalDecStart(const char* dbPath, int dateId, uint32_t camOffMask, int allDay, double startSec, double rate)
{
    DAL_LATER("DalDecStart(%s,%d,0x%08x,%d,%.1f,%.2f)", T(dbPath).c_str(), dateId, camOffMask, allDay,
              startSec, rate);
}
int DalDecStop(void) { DAL_LATER("DalDecStop()"); }
int DalDecRate(double rate) { DAL_LATER("DalDecRate(%.2f)", rate); }
int DalDecStep(int forward) { DAL_LATER("DalDecStep(%d)", forward); }
int DalDecPos(int dateId, double secOfDay) { DAL_LATER("DalDecPos(%d,%.1f)", dateId, secOfDay); }
int DalDecCurDateId(void) { DAL_LATER("DalDecCurDateId()"); }
int DalDecSetMode(int mode) { DAL_LATER("DalDecSetMode(%d)", mode); }
int DalDecSetOverlap(int on) { DAL_LATER("DalDecSetOverlap(%d)", on); }
int DalDecSetDeint(int on) { DAL_LATER("DalDecSetDeint(%d)", on); }
int DalDecSetTimeRei(int filter) { DAL_LATER("DalDecSetTimeRei(%d)", filter); }
int DalDecSetEventList(const uint8_t* table, int flags) { DAL_LATER("DalDecSetEventList(%s,%d)", P(table), flags); }
int DalDecSetActiveCam(int visible) { DAL_LATER("DalDecSetActiveCam(%d)", visible); }
int DalDecSetThumbnail(int cells, int ch, int seconds) { DAL_LATER("DalDecSetThumbnail(%d,%d,%d)", cells, ch, seconds); }
int DalDecSetPanorama(int ch) { DAL_LATER("DalDecSetPanorama(%d)", ch); }

} // extern "C"
