#pragma once
// A stand-in device for configuration tests: capability records of a
// 16-channel unit, handed out through the store's device hooks. Tests change
// the public records before a load to steer what the loaders see.
#include "makedevinfo.h"
#include "propsections.h"
#include "tdvrhooks.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <cstring>

namespace FakeCaps {

inline DalCaps dal;
inline AvcCaps avc;
inline VoutCaps vout;

inline int getCaps(DalCaps* d, AvcCaps* a, VoutCaps* v)
{
    if (d)
        *d = dal;
    if (a)
        *a = avc;
    if (v)
        *v = vout;
    return 0;
}

inline void setRes(AvcRes& r, int x, int y, int maxFps, int perChip, double ratio)
{
    r.xres = x;
    r.yres = y;
    r.max_fps = maxFps;
    r.max_fps_per_chip = perChip;
    r.ratio = ratio;
}

// The 16-channel profile, installed as the device hooks.
inline void install16()
{
    std::memset(&dal, 0, sizeof dal);
    std::memset(&avc, 0, sizeof avc);
    std::memset(&vout, 0, sizeof vout);

    dal.word0 = 0x11;
    dal.word1 = 0x22;
    qstrncpy(dal.model, "DVR16", 32);
    qstrncpy(dal.board, "B16-R2", 32);
    dal.num_vin = 16;
    dal.num_ain = 4;
    dal.num_sensor = 16;
    dal.word796 = 4;
    dal.num_alarmout = 4;
    dal.num_disk = 2;
    dal.rs232 = 1;

    avc.num_chip = 4;
    avc.num_cam_per_chip = 4;
    avc.num_vridx = 2;
    avc.vridx[0] = {720, 480};
    avc.vridx[1] = {720, 576};
    avc.num_rridx = 3;
    setRes(avc.rridx[0], 352, 240, 480, 120, 1.0);
    setRes(avc.rridx[1], 704, 240, 240, 60, 2.0);
    setRes(avc.rridx[2], 704, 480, 120, 30, 4.0);
    avc.num_nridx = 3;
    for (int i = 0; i < 2; ++i) {
        setRes(avc.nridx[i][0], 352, 240, 240, 60, 1.0);
        setRes(avc.nridx[i][1], 704, 240 + 48 * i, 120, 30, 2.0);
        setRes(avc.nridx[i][2], 704, 480 + 96 * i, 60, 15, 4.0);
    }
    const double fps[] = {30, 15, 10, 7.5, 5, 3, 2, 1};
    avc.num_fidx = 8;
    for (int i = 0; i < 8; ++i)
        avc.fidx2fps[i] = fps[i];
    avc.ref_fps = 30;
    avc.md_row = 12;
    avc.md_col = 16;
    avc.num_privacy = 4;
    avc.privacy_cx = 22.5;
    avc.privacy_cy = 1.0 / 3.0;

    vout.numRes = 5;
    const int w[] = {800, 1024, 1280, 1366, 1920};
    const int h[] = {600, 768, 1024, 768, 1080};
    for (int i = 0; i < 5; ++i) {
        vout.resW[i] = w[i];
        vout.resH[i] = h[i];
        vout.resHz[i] = 60.0;
    }
    vout.numResHd = 3;

    g_dvrHooks.getCaps = &getCaps;
}

inline void uninstall()
{
    g_dvrHooks.getCaps = nullptr;
}

// The device record the start-up code builds from these capabilities.
inline PropDevices devices()
{
    PropDevices d;
    makeDevInfo(&d, dal, avc);
    return d;
}

} // namespace FakeCaps

// The sorted keys of one group of an INI file.
inline QStringList keysOf(const QString& file, const char* group)
{
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(QLatin1String(group));
    QStringList keys = s.childKeys();
    keys.sort();
    return keys;
}
