// PTZ cameras: their lines bound from the configuration, the commands of the
// PTZ window and setup page, presets, the driver list and the tours.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tptztourth.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
template <class T> T* section(int idx, int live)
{
    return static_cast<T*>(g_cfg->getsection(idx, live ? 1 : 0));
}

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

enum { PTZ_MOVES = 10, PTZ_PRESET_GO = 10, PTZ_PRESET_SET = 11, PTZ_PRESET_CLEAR = 12 };
}

void TDVRAPI::ptzSetdevice(int ch, int live)
{
    qCDebug(lcApi, "TDVRAPI::ptzSetdevice ch:%d idx:%d", ch, live);
    if (!g_cfg)
        return;
    const PropPtz* ptz = section<PropPtz>(IDX_PROP_PTZ, live);
    const PropPreset* presets = section<PropPreset>(IDX_PROP_PRESET, live);
    // A system keyboard of this variant speaks to every camera itself.
    const bool keyboard = oemId() == 7 && section<PropControl>(IDX_PROP_CONTROL, live)->control > 0;
    const int n = channelCount();
    const int first = ch < 0 ? 0 : ch;
    const int last = ch < 0 ? n : qMin(ch + 1, n);
    for (int c = first; c < last; ++c) {
        const PtzEntry& line = ptz->ch[c];
        const PresetChannel& p = presets->ch[c];
        int drv = TPtztourth::findDriver(line);
        if (ch < 0)
            qCDebug(lcApi, "i:%d didx:%d rate:%d driver:%.32s ", c, drv, line.baud, line.driver);
        else
            qCDebug(lcApi, "didx:%d rate:%d driver:%.32s", drv, line.baud, line.driver);
        if (keyboard)
            drv = 0;
        else if (drv < 0)
            continue;
        DalPtzSetAddr(line.addr, drv, line.baud, p.speedpan + 1, p.speedtilt + 1);
        DalPtzLinkCamAddr(c, line.addr);
    }
    std::memset(m_presetHold, 0, sizeof m_presetHold);
    restartPtzTour(ch);
}

int TDVRAPI::ptzControl(int ch, int cmd, int arg, int speed)
{
    if (!g_cfg || ch < 0 || ch >= channelCount() || cmd < 0 || cmd > PTZ_PRESET_CLEAR)
        return -1;
    const PtzEntry& line = section<PropPtz>(IDX_PROP_PTZ, 0)->ch[ch];
    const PresetChannel& p = section<PropPreset>(IDX_PROP_PRESET, 1)->ch[ch];
    const int drv = TPtztourth::findDriver(line);
    int r = 0;
    if (arg != 0) {
        if (speed > 0)
            DalPtzSetAddr(line.addr, drv, line.baud, speed, speed);
        if (cmd < PTZ_MOVES)
            r = DalPtzCmd(line.addr, cmd);
    } else {
        // A release goes back to the configured speeds.
        DalPtzSetAddr(line.addr, drv, line.baud, p.speedpan + 1, p.speedtilt + 1);
        if (cmd < PTZ_MOVES)
            r = DalPtzStop(line.addr, cmd);
    }
    // The preset commands carry the preset index in arg.
    if (cmd == PTZ_PRESET_GO)
        r = DalPtzPreset(line.addr, 25, arg);
    else if (cmd == PTZ_PRESET_SET)
        r = DalPtzPreset(line.addr, 23, arg);
    else if (cmd == PTZ_PRESET_CLEAR)
        r = DalPtzPreset(line.addr, 24, arg);
    return r;
}

void TDVRAPI::ptzClearPresets(int ch)
{
    if (!g_cfg || ch < 0 || ch >= channelCount())
        return;
    const PresetChannel& live = section<PropPreset>(IDX_PROP_PRESET, 1)->ch[ch];
    const PresetChannel& edit = section<PropPreset>(IDX_PROP_PRESET, 0)->ch[ch];
    const int addr = section<PropPtz>(IDX_PROP_PTZ, 0)->ch[ch].addr;
    for (int j = 0; j < TPtztourth::STEPS; ++j)
        if (live.preset[j].on && !edit.preset[j].on)
            DalPtzPreset(addr, 24, j);
}

int TDVRAPI::testPtz()
{
    // Camera 0 on the RS-485 line: driver 3 at baud index 5, tilt up.
    DalPtzSetAddr(0, 3, 5, 0, 0);
    return DalPtzCmd(0, 2);
}

int TDVRAPI::ptzLoadDrivers()
{
    if (!g_cfg)
        return 0;
    PtzCaps caps;
    std::memset(&caps, 0, sizeof caps);
    PropPtzdrv* drv = section<PropPtzdrv>(IDX_PROP_PTZDRV, 1);
    if (DalPtzGetCaps(&caps) < 0)
        return 0;
    qCDebug(lcApi, "PTZ.. p->cnt:%d num_ptzdriver:%d", caps.cnt, drv->cnt);
    int n = oemId() == 5 ? 3 : caps.cnt;
    // The section keeps at most 20 names of the record's 64.
    n = qBound(0, n, qMin(int(DAL_MAX_PTZDRV), int(PROP_MAX_PTZDRV)));
    bool same = drv->cnt == n;
    for (int i = 0; same && i < n; ++i)
        same = strncmp(drv->driver[i], caps.drv[i].name, sizeof drv->driver[i] - 1) == 0;
    if (same)
        return 0;
    drv->cnt = n;
    std::memset(drv->driver, 0, sizeof drv->driver);
    for (int i = 0; i < n; ++i)
        qstrncpy(drv->driver[i], caps.drv[i].name, sizeof drv->driver[i]);
    g_cfg->save(IDX_PROP_PTZDRV);
    return 1;
}

void TDVRAPI::startPtzTour(int ch)
{
    if (!m_ptzTourTh)
        return;
    m_ptzTourTh->startCh(ch);
    if (m_ptzTourTh->hasTour())
        m_ptzTourTh->begin();
}

void TDVRAPI::restartPtzTour(int ch)
{
    if (!m_ptzTourTh)
        return;
    m_ptzTourTh->load(ch);
    if (m_ptzTourTh->hasTour()) {
        m_ptzTourTh->startCh(ch);
        m_ptzTourTh->begin();
    }
}

void TDVRAPI::stopPtzTour(int ch)
{
    if (!m_ptzTourTh)
        return;
    m_ptzTourTh->stopCh(ch);
    if (m_ptzTourTh->isRunning() && ch < 0)
        m_ptzTourTh->stopAll();
}
