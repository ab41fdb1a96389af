#include "tdalptz.h"

#include <cstdio>
#include <cstring>

namespace {
// The protocols the stand-in speaks; entry 0 binds an address without one.
const char* const kDrivers[] = {"NONE", "PELCO-D", "PELCO-P", "SAMSUNG", "LG-MULTIX", "VICON", "PANASONIC", "HONEYWELL"};
const int kDriverCount = int(sizeof kDrivers / sizeof kDrivers[0]);

// The name of table entry i: the protocols, then numbered spares that a
// reported count beyond the protocols reaches.
void driverName(int i, char* out, size_t size)
{
    if (i < kDriverCount)
        std::snprintf(out, size, "%s", kDrivers[i]);
    else
        std::snprintf(out, size, "PTZ-%02d", i);
}

int tableCount(int cnt)
{
    return cnt < 0 ? 0 : cnt > DAL_MAX_PTZDRV ? DAL_MAX_PTZDRV : cnt;
}
}

TDalPtz::TDalPtz()
{
    reset();
}

void TDalPtz::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (DalTestPtzCam& c : m_cam) {
        std::memset(&c, 0, sizeof c);
        c.channel = -1;
        c.moving = -1;
        c.at = -1;
    }
    m_log.clear();
}

void TDalPtz::fillCaps(PtzCaps* caps, int cnt) const
{
    std::memset(caps, 0, sizeof *caps);
    caps->cnt = cnt;
    for (int i = 0; i < DAL_MAX_PTZDRV; ++i)
        driverName(i, caps->drv[i].name, sizeof caps->drv[i].name);
}

int TDalPtz::findDriver(const char* name, int cnt) const
{
    if (!name)
        return -1;
    char n[32];
    for (int i = 0; i < tableCount(cnt); ++i) {
        driverName(i, n, sizeof n);
        if (std::strncmp(n, name, sizeof n) == 0)
            return i;
    }
    return -1;
}

int TDalPtz::drivers() const
{
    return kDriverCount;
}

int TDalPtz::setAddr(int addr, int driver, int baud, int speedPan, int speedTilt, int cnt)
{
    if (addr < 0 || addr >= ADDRESSES || driver < 0 || driver >= tableCount(cnt) || baud < 0 || baud >= BAUDS ||
        speedPan < 0 || speedPan > 255 || speedTilt < 0 || speedTilt > 255)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestPtzCam& c = m_cam[addr];
    c.bound = 1;
    c.driver = driver;
    c.baud = baud;
    c.speedPan = speedPan;
    c.speedTilt = speedTilt;
    return 0;
}

int TDalPtz::link(int ch, int addr, int channels)
{
    if (ch < 0 || ch >= channels || addr < 0 || addr >= ADDRESSES)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    // One address per channel: a channel linked before leaves its old camera.
    for (DalTestPtzCam& c : m_cam)
        if (c.channel == ch)
            c.channel = -1;
    m_cam[addr].channel = ch;
    return 0;
}

int TDalPtz::cmd(int addr, int cmd, bool stop, int now)
{
    if (addr < 0 || addr >= ADDRESSES || cmd < 0 || cmd > 9)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestPtzCam& c = m_cam[addr];
    if (!c.bound)
        return -1;
    c.moving = stop ? -1 : cmd;
    log(now, addr, stop ? DAL_PTZ_STOP : DAL_PTZ_MOVE, cmd);
    return 0;
}

int TDalPtz::preset(int addr, int op, int index, int now)
{
    if (addr < 0 || addr >= ADDRESSES || index < 0 || index >= PRESETS ||
        (op != DAL_PTZ_PRESET_SET && op != DAL_PTZ_PRESET_CLEAR && op != DAL_PTZ_PRESET_GO))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestPtzCam& c = m_cam[addr];
    if (!c.bound)
        return -1;
    const uint32_t bit = 1u << index;
    if (op == DAL_PTZ_PRESET_SET)
        c.presets |= bit;
    else if (op == DAL_PTZ_PRESET_CLEAR)
        c.presets &= ~bit;
    else if (c.presets & bit)
        c.at = index; // a camera without that preset stays where it is
    log(now, addr, op, index);
    return 0;
}

void TDalPtz::log(int now, int addr, int op, int arg)
{
    if (m_log.size() >= LOG_SIZE)
        m_log.pop_front();
    m_log.push_back(DalTestPtzCmd{now, addr, op, arg});
}

int TDalPtz::logCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_log.size());
}

bool TDalPtz::logEntry(int i, DalTestPtzCmd* out) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (i < 0 || i >= int(m_log.size()))
        return false;
    *out = m_log[size_t(i)];
    return true;
}

void TDalPtz::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
}

bool TDalPtz::camera(int addr, DalTestPtzCam* out) const
{
    if (addr < 0 || addr >= ADDRESSES)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = m_cam[addr];
    return true;
}
