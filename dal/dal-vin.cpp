// The stand-in's video-input and audio calls.
#include "dalcall.h"

using namespace dalcall;

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
    if (ch < 0 || ch >= p.channels())
        return -1;
    info->noVideo = (core().videoLoss() >> ch) & 1u;
    if (info->noVideo)
        return 0;
    info->ridx = 1;
    info->width = 960;
    info->height = p.pal() ? 576 : 480;
    info->progressive = 0;
    info->fps = p.fps();
    return 0;
}

int DalVinSetCaps(int ch, int resIdx, int progressive, double fps)
{
    DAL_LATER("DalVinSetCaps(%d,%d,%d,%.2f)", ch, resIdx, progressive, fps);
}

int DalVinSetCSC(int ch, int component, int value)
{
    DAL_LATER("DalVinSetCSC(%d,%d,%d)", ch, component, value);
}

int DalVinSetCamOff(int ch, int off)
{
    DAL_LATER("DalVinSetCamOff(%d,%d)", ch, off);
}

int DalVinSetMd(int ch, int sens, const uint32_t* mask)
{
    DAL_LATER("DalVinSetMd(%d,%d,%s)", ch, sens, P(mask));
}

int DalVinSetMdTrace(int ch, int on)
{
    DAL_LATER("DalVinSetMdTrace(%d,%d)", ch, on);
}

int DalVinSetPrivacy(int ch, int zone, double x, double y, double w, double h)
{
    DAL_LATER("DalVinSetPrivacy(%d,%d,%.3f,%.3f,%.3f,%.3f)", ch, zone, x, y, w, h);
}

int DalAinLink(const int32_t* table)
{
    DAL_LATER("DalAinLink(%s)", P(table));
}

int DalAoutSet(int ch)
{
    DAL_LATER("DalAoutSet(%d)", ch);
}

} // extern "C"
