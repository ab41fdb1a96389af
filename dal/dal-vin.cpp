// The stand-in's video-input and audio calls. Each input keeps what it was
// set to (TDalVin); the signal itself is the core's (video loss).
#include "dalcall.h"
#include "tdalvin.h"

using namespace dalcall;

namespace {
TDalVin& vin()
{
    return TDalVin::instance();
}

int channels()
{
    return core().profile().channels();
}
}

extern "C" {

/* ---- Video input ---- */

int DalVinGetInfo(int ch, VinInfo* info)
{
    TDalJournal::add("DalVinGetInfo(%d,%s)", ch, P(info));
    DAL_FAILED("DalVinGetInfo");
    if (!info)
        return -1;
    std::memset(info, 0, sizeof *info);
    const TDalProfile p = core().profile();
    const bool noVideo = ch >= 0 && ch < 32 && ((core().videoLoss() >> ch) & 1u);
    return vin().info(ch, p.channels(), p.pal(), noVideo, info) ? 0 : -1;
}

int DalVinSetCaps(int ch, int resIdx, int progressive, double fps)
{
    TDalJournal::add("DalVinSetCaps(%d,%d,%d,%.2f)", ch, resIdx, progressive, fps);
    DAL_FAILED("DalVinSetCaps");
    return vin().setCaps(ch, channels(), resIdx, progressive, fps);
}

int DalVinSetCSC(int ch, int component, int value)
{
    TDalJournal::add("DalVinSetCSC(%d,%d,%d)", ch, component, value);
    DAL_FAILED("DalVinSetCSC");
    return vin().setCsc(ch, channels(), component, value);
}

int DalVinSetCamOff(int ch, int off)
{
    TDalJournal::add("DalVinSetCamOff(%d,%d)", ch, off);
    DAL_FAILED("DalVinSetCamOff");
    return vin().setCamOff(ch, channels(), off);
}

int DalVinSetMd(int ch, int sens, const uint32_t* mask)
{
    // The journal shows the first rows of the mask, enough to tell areas apart.
    if (mask)
        TDalJournal::add("DalVinSetMd(%d,%d,%08x %08x %08x %08x)", ch, sens, mask[0], mask[1], mask[2], mask[3]);
    else
        TDalJournal::add("DalVinSetMd(%d,%d,null)", ch, sens);
    DAL_FAILED("DalVinSetMd");
    return vin().setMd(ch, channels(), sens, mask);
}

int DalVinSetMdTrace(int ch, int on)
{
    TDalJournal::add("DalVinSetMdTrace(%d,%d)", ch, on);
    DAL_FAILED("DalVinSetMdTrace");
    return vin().setMdTrace(ch, channels(), on);
}

int DalVinSetPrivacy(int ch, int zone, double x, double y, double w, double h)
{
    TDalJournal::add("DalVinSetPrivacy(%d,%d,%.3f,%.3f,%.3f,%.3f)", ch, zone, x, y, w, h);
    DAL_FAILED("DalVinSetPrivacy");
    AvcCaps caps;
    core().profile().fillAvc(&caps);
    return vin().setPrivacy(ch, channels(), zone, caps.num_privacy, x, y, w, h);
}

int DalAinLink(const int32_t* table)
{
    if (table)
        TDalJournal::add("DalAinLink(%d %d %d %d ...)", table[0], table[1], table[2], table[3]);
    else
        TDalJournal::add("DalAinLink(null)");
    DAL_FAILED("DalAinLink");
    return vin().ainLink(table, channels());
}

int DalAoutSet(int ch)
{
    TDalJournal::add("DalAoutSet(%d)", ch);
    DAL_FAILED("DalAoutSet");
    return vin().aoutSet(ch, channels());
}

} // extern "C"
