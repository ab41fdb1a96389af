#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// A count reported by the device layer, cut to the table it bounds, so no
// caller ever loops or indexes past a table.
void clampCount(int32_t& count, int32_t max, const char* name)
{
    if (count >= 0 && count <= max)
        return;
    qCWarning(lcApi, "TDVRAPI::getCaps %s:%d cut to 0..%d", name, count, max);
    count = count < 0 ? 0 : max;
}
}

int TDVRAPI::getCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout)
{
    if (dal)
        std::memset(dal, 0, sizeof *dal);
    if (avc)
        std::memset(avc, 0, sizeof *avc);
    if (vout)
        std::memset(vout, 0, sizeof *vout);
    DalGetCaps(dal, avc, vout);
    DalVoutGetCaps(vout);
    if (dal) {
        // The names are texts of at most 31 characters.
        dal->model[31] = '\0';
        dal->board[31] = '\0';
        clampCount(dal->num_vin, DAL_MAX_CH, "num_vin");
        clampCount(dal->num_ain, DAL_MAX_CH, "num_ain");
        clampCount(dal->num_sensor, DAL_MAX_CH, "num_sensor");
        clampCount(dal->num_alarmout, DAL_MAX_CH, "num_alarmout");
        clampCount(dal->num_disk, DAL_MAX_DISK, "num_disk");
    }
    if (avc) {
        clampCount(avc->num_vridx, 8, "num_vridx");
        clampCount(avc->num_rridx, 8, "num_rridx");
        clampCount(avc->num_nridx, 8, "num_nridx");
        clampCount(avc->num_fidx, 60, "num_fidx");
    }
    if (vout) {
        clampCount(vout->numRes, DAL_MAX_RES, "numRes");
        clampCount(vout->numLayout, DAL_MAX_LAYOUT, "numLayout");
        clampCount(vout->numResHd, DAL_MAX_RES, "numResHd");
    }
    return 0;
}

double TDVRAPI::scaleRate(int /*inputResIdx*/, int ridx, const AvcCaps* caps, double fps) const
{
    if (!caps || ridx < 0 || ridx >= caps->num_rridx || ridx >= 8)
        return fps;
    return fps * caps->rridx[ridx].ratio;
}

int TDVRAPI::vinGetInfo(int channel, VinInfo* info)
{
    if (info)
        std::memset(info, 0, sizeof *info);
    return DalVinGetInfo(channel, info);
}

QSize TDVRAPI::voutInfo(int live)
{
    VoutCaps caps;
    getCaps(nullptr, nullptr, &caps);
    int res = 0;
    if (g_cfg)
        res = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live ? 1 : 0))->res;
    return voutSize(caps, res);
}

QSize TDVRAPI::voutSize(const VoutCaps& caps, int res)
{
    if (res < 0 || res >= caps.numRes || res >= DAL_MAX_RES) {
        qCWarning(lcApi, "TDVRAPI::voutInfo res:%d numRes:%d", res, caps.numRes);
        return QSize(0, 0);
    }
    return QSize(caps.resW[res], caps.resH[res]);
}
