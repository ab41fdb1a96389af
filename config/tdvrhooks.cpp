#include "tdvrhooks.h"

#include <cstring>

TDvrHooks g_dvrHooks = {nullptr, nullptr, nullptr};

int dvrGetCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout)
{
    if (dal)
        std::memset(dal, 0, sizeof *dal);
    if (avc)
        std::memset(avc, 0, sizeof *avc);
    if (vout)
        std::memset(vout, 0, sizeof *vout);
    return g_dvrHooks.getCaps ? g_dvrHooks.getCaps(dal, avc, vout) : 0;
}

double dvrScaleRate(int inputResIdx, int ridx, const AvcCaps* caps, double fps)
{
    if (g_dvrHooks.scaleRate)
        return g_dvrHooks.scaleRate(inputResIdx, ridx, caps, fps);
    if (!caps || ridx < 0 || ridx >= caps->num_rridx || ridx >= 8)
        return fps;
    return fps * caps->rridx[ridx].ratio;
}

int dvrVinGetInfo(int channel, VinInfo* info)
{
    if (info)
        std::memset(info, 0, sizeof *info);
    return g_dvrHooks.vinGetInfo ? g_dvrHooks.vinGetInfo(channel, info) : -1;
}
