// The stand-in's decoder and playback calls.
#include "dalcall.h"
#include "tdaldec.h"

using namespace dalcall;

namespace {
TDalDec& dec()
{
    return TDalDec::instance();
}
}

extern "C" {

/* ---- Decoder ---- */

int DalDecStart(const char* dbPath, int dateId, uint32_t camOffMask, int allDay, double startSec, double rate)
{
    TDalJournal::add("DalDecStart(%s,%d,0x%08x,%d,%.1f,%.2f)", T(dbPath).c_str(), dateId, camOffMask, allDay,
                     startSec, rate);
    DAL_FAILED("DalDecStart");
    return dec().start(dbPath, dateId, camOffMask, allDay, startSec, rate);
}

int DalDecStop(void)
{
    TDalJournal::add("DalDecStop()");
    DAL_FAILED("DalDecStop");
    return dec().stop();
}

int DalDecRate(double rate)
{
    TDalJournal::add("DalDecRate(%.2f)", rate);
    DAL_FAILED("DalDecRate");
    return dec().setRate(rate);
}

int DalDecStep(int forward)
{
    TDalJournal::add("DalDecStep(%d)", forward);
    DAL_FAILED("DalDecStep");
    return dec().step(forward);
}

int DalDecPos(int dateId, double secOfDay)
{
    TDalJournal::add("DalDecPos(%d,%.1f)", dateId, secOfDay);
    DAL_FAILED("DalDecPos");
    return dec().pos(dateId, secOfDay);
}

int DalDecCurDateId(void)
{
    TDalJournal::add("DalDecCurDateId()");
    DAL_FAILED("DalDecCurDateId");
    return dec().curDateId();
}

int DalDecSetMode(int mode)
{
    TDalJournal::add("DalDecSetMode(%d)", mode);
    DAL_FAILED("DalDecSetMode");
    dec().setMode(mode);
    return 0;
}

int DalDecSetTimeRei(int filter)
{
    TDalJournal::add("DalDecSetTimeRei(%d)", filter);
    DAL_FAILED("DalDecSetTimeRei");
    dec().setTimeRei(filter);
    return 0;
}

int DalDecSetThumbnail(int cells, int ch, int seconds)
{
    TDalJournal::add("DalDecSetThumbnail(%d,%d,%d)", cells, ch, seconds);
    DAL_FAILED("DalDecSetThumbnail");
    dec().setThumbnail(cells, ch, seconds);
    return 0;
}

int DalDecSetPanorama(int ch)
{
    TDalJournal::add("DalDecSetPanorama(%d)", ch);
    DAL_FAILED("DalDecSetPanorama");
    dec().setPanorama(ch);
    return 0;
}

/* Picture settings: taken (the journal keeps them); the simulated decoder
 * draws no picture they would change. */
int DalDecSetOverlap(int on)
{
    TDalJournal::add("DalDecSetOverlap(%d)", on);
    DAL_FAILED("DalDecSetOverlap");
    return 0;
}

int DalDecSetDeint(int on)
{
    TDalJournal::add("DalDecSetDeint(%d)", on);
    DAL_FAILED("DalDecSetDeint");
    return 0;
}

int DalDecSetEventList(const uint8_t* table, int flags)
{
    TDalJournal::add("DalDecSetEventList(%s,%d)", P(table), flags);
    DAL_FAILED("DalDecSetEventList");
    return table ? 0 : -1;
}

int DalDecSetActiveCam(int visible)
{
    TDalJournal::add("DalDecSetActiveCam(%d)", visible);
    DAL_FAILED("DalDecSetActiveCam");
    return 0;
}

} // extern "C"
