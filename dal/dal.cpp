// The device-layer stand-in's C interface. Every call writes one journal
// line "Name(args)"; a call the test driver made fail returns the chosen
// result at once. Calls of families that are not simulated yet answer -1:
// the stand-in never reports success for work it does not do.
#include "dal.h"
#include "tdalcore.h"
#include "tdaldb.h"
#include "tdaljournal.h"

#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {
TDalCore& core()
{
    return TDalCore::instance();
}

const char* P(const void* p)
{
    return p ? "ptr" : "null";
}

std::string T(const char* s)
{
    return TDalJournal::text(s);
}

// State of the single calls and of DalCmd, guarded by the core's mutex.
struct Misc {
    char appName[32];
    uint32_t appVersion;
    char camName[DAL_MAX_CH][64];
    char users[8][2][32];
    uint32_t userRights[8][3];
    uint8_t mac[6] = {0x00, 0x1c, 0x2d, 0x00, 0x00, 0x01};
    int vgaType;
    int fullScreen43;
    int frozen;
    int hddErrorLed;
    int panicLed;
    int keyBuzzer;
    int rmcId = -1;
    int testLed;
};
Misc g_misc;

void copyText(char* dst, size_t size, const char* src)
{
    if (!src) {
        dst[0] = '\0';
        return;
    }
    const size_t n = strnlen(src, size - 1);
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

// The text a DalCmd caller hands in: at most size bytes (128 when no size
// is given), never past its terminator.
std::string cmdInput(const char* value, int size)
{
    if (!value)
        return std::string();
    return std::string(value, strnlen(value, size > 0 ? size_t(size) : 128));
}

int cmdOutput(char* value, int size, const std::string& text)
{
    if (!value || size < 1)
        return -1;
    std::snprintf(value, size_t(size), "%s", text.c_str());
    return 0;
}

bool fileUnderRoot(const std::string& path)
{
    const char* root = std::getenv("DVR_ROOT");
    std::string p = path;
    if (root && *root && !p.empty() && p[0] == '/')
        p = root + p;
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

const TzEntry kZones[] = {
    {"GMT-05:00 New York", -300, 0, 1, 0},  {"GMT+00:00 London", 0, 0, 1, 0},
    {"GMT+01:00 Paris", 60, 0, 1, 0},       {"GMT+08:00 Beijing", 480, 0, 0, 0},
    {"GMT+09:00 Seoul", 540, 0, 0, 0},      {"GMT+09:00 Tokyo", 540, 0, 0, 0},
};
}

#define DAL_FAILED(name)                                                                           \
    do {                                                                                           \
        int r_;                                                                                    \
        if (core().failed(name, &r_))                                                              \
            return r_;                                                                             \
    } while (0)

// A call of a family the stand-in does not simulate yet: journaled, -1.
#define DAL_LATER(...)                                                                             \
    do {                                                                                           \
        TDalJournal::add(__VA_ARGS__);                                                             \
        return -1;                                                                                 \
    } while (0)

extern "C" {

/* ---- Life cycle ---- */

int DalInit(void)
{
    TDalJournal::add("DalInit()");
    DAL_FAILED("DalInit");
    return core().init();
}

int DalStart(void)
{
    TDalJournal::add("DalStart()");
    DAL_FAILED("DalStart");
    return core().start();
}

int DalStop(void)
{
    TDalJournal::add("DalStop()");
    DAL_FAILED("DalStop");
    return core().stop();
}

int DalExit(void)
{
    TDalJournal::add("DalExit()");
    DAL_FAILED("DalExit");
    return core().exit();
}

/* ---- Registration ---- */

int DalIoSetCb(DalIoCb cb, void* ctx)
{
    TDalJournal::add("DalIoSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalIoSetCb");
    core().setIoCb(cb, ctx);
    return 0;
}

int DalEncrSetCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx)
{
    TDalJournal::add("DalEncrSetCb(%s,%s,%s)", P((void*)cfg), P((void*)notify), P(ctx));
    DAL_FAILED("DalEncrSetCb");
    core().setEncCb(cfg, notify, ctx);
    return 0;
}

int DalDecSetCb(DalDecCb cb, void* ctx)
{
    TDalJournal::add("DalDecSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalDecSetCb");
    core().setDecCb(cb, ctx);
    return 0;
}

int DalNetSetCb(DalNetCb cb, void* ctx)
{
    TDalJournal::add("DalNetSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalNetSetCb");
    core().setNetCb(cb, ctx);
    return 0;
}

int DalBackupSetCb(DalBackupCb cb, void* ctx)
{
    TDalJournal::add("DalBackupSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalBackupSetCb");
    core().setBackupCb(cb, ctx);
    return 0;
}

int DalNeseSetCb(DalNeseCb cb, void* ctx)
{
    TDalJournal::add("DalNeseSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalNeseSetCb");
    core().setNeseCb(cb, ctx);
    return 0;
}

int DalVinSetCb(DalVinCb cb, void* ctx)
{
    TDalJournal::add("DalVinSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalVinSetCb");
    core().setVinCb(cb, ctx);
    return 0;
}

int DalPosSetCb(DalPosCb cb, void* ctx)
{
    TDalJournal::add("DalPosSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalPosSetCb");
    core().setPosCb(cb, ctx);
    return 0;
}

int DalSerialTestSetCb(DalSerialTestCb cb, void* ctx)
{
    TDalJournal::add("DalSerialTestSetCb(%s,%s)", P((void*)cb), P(ctx));
    DAL_FAILED("DalSerialTestSetCb");
    core().setSerialTestCb(cb, ctx);
    return 0;
}

/* ---- Capabilities ---- */

int DalGetCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout)
{
    TDalJournal::add("DalGetCaps(%s,%s,%s)", P(dal), P(avc), P(vout));
    DAL_FAILED("DalGetCaps");
    const TDalProfile p = core().profile();
    if (dal)
        p.fillDal(dal);
    if (avc)
        p.fillAvc(avc);
    if (vout)
        p.fillVout(vout);
    core().applyOverrides(dal, avc, vout);
    return 0;
}

int DalVoutGetCaps(VoutCaps* vout)
{
    TDalJournal::add("DalVoutGetCaps(%s)", P(vout));
    DAL_FAILED("DalVoutGetCaps");
    if (!vout)
        return -1;
    core().profile().fillVout(vout);
    core().applyOverrides(nullptr, nullptr, vout);
    return 0;
}

int DalSysGetCaps(SysCaps* sys)
{
    TDalJournal::add("DalSysGetCaps(%s)", P(sys));
    DAL_FAILED("DalSysGetCaps");
    if (!sys)
        return -1;
    std::memset(sys, 0, sizeof *sys);
    sys->numTz = int32_t(sizeof kZones / sizeof kZones[0]);
    sys->tz = kZones;
    return 0;
}

int DalPtzGetCaps(PtzCaps* ptz)
{
    DAL_LATER("DalPtzGetCaps(%s)", P(ptz));
}

/* ---- Single calls ---- */

int DalCmd(const char* name, char* value, int size)
{
    TDalJournal::add("DalCmd(%s,%s,%d)", T(name).c_str(), T(value).c_str(), size);
    DAL_FAILED("DalCmd");
    if (!name)
        return -1;
    const std::string n = name;
    const std::string in = cmdInput(value, size);
    if (n == "get-video-type")
        return cmdOutput(value, size, core().profile().pal() ? "pal" : "ntsc");
    if (n == "video-type") {
        if (in != "pal" && in != "ntsc")
            return -1;
        core().setPal(in == "pal");
        return 0;
    }
    std::lock_guard<std::mutex> lock(core().stateMutex());
    if (n == "gigabit-enabled")
        return cmdOutput(value, size, "no");
    if (n == "get-ethaddr") {
        char mac[32];
        const uint8_t* m = g_misc.mac;
        std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
        return cmdOutput(value, size, mac);
    }
    if (n == "set-ethaddr") {
        unsigned b[6];
        char tail;
        if (std::sscanf(in.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], &tail) != 6)
            return -1;
        for (int i = 0; i < 6; ++i)
            g_misc.mac[i] = uint8_t(b[i]);
        return 0;
    }
    if (n == "freeze" || n == "resume") {
        g_misc.frozen = n == "freeze";
        return 0;
    }
    int v;
    char tail;
    const bool isNumber = std::sscanf(in.c_str(), "%d%c", &v, &tail) == 1;
    if (n == "vga-type" && isNumber) {
        g_misc.vgaType = v;
        return 0;
    }
    if (n == "full-screen-4:3" && isNumber) {
        g_misc.fullScreen43 = v != 0;
        return 0;
    }
    if (n == "HDD_ERROR_LED" && isNumber) {
        g_misc.hddErrorLed = v != 0;
        return 0;
    }
    if (n == "PANIC_RECORD_LED" && isNumber) {
        g_misc.panicLed = v != 0;
        return 0;
    }
    // There is no FPGA here: the image is only checked to be there.
    if (n == "fpgaconf")
        return fileUnderRoot(in) ? 0 : -1;
    return -1;
}

int DalSetOem(const char* oem)
{
    TDalJournal::add("DalSetOem(%s)", T(oem).c_str());
    DAL_FAILED("DalSetOem");
    if (!oem)
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    copyText(core().state().oem, sizeof core().state().oem, oem);
    return 0;
}

int DalSetAppInfo(const char* name, uint32_t version)
{
    TDalJournal::add("DalSetAppInfo(%s,0x%08x)", T(name).c_str(), version);
    DAL_FAILED("DalSetAppInfo");
    if (!name)
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    copyText(g_misc.appName, sizeof g_misc.appName, name);
    g_misc.appVersion = version;
    return 0;
}

int DalSetUserInfo(int idx, const char* id, const char* pw, uint32_t rights, uint32_t camLocal,
                   uint32_t camNet)
{
    // The password is not journaled.
    TDalJournal::add("DalSetUserInfo(%d,%s,%s,0x%x,0x%08x,0x%08x)", idx, T(id).c_str(), pw ? "\"***\"" : "null",
                     rights, camLocal, camNet);
    DAL_FAILED("DalSetUserInfo");
    if (idx < 0 || idx >= 8 || !id || !pw)
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    copyText(g_misc.users[idx][0], 32, id);
    copyText(g_misc.users[idx][1], 32, pw);
    g_misc.userRights[idx][0] = rights;
    g_misc.userRights[idx][1] = camLocal;
    g_misc.userRights[idx][2] = camNet;
    return 0;
}

int DalSetCamName(int ch, const char* name)
{
    TDalJournal::add("DalSetCamName(%d,%s)", ch, T(name).c_str());
    DAL_FAILED("DalSetCamName");
    if (ch < 0 || ch >= core().profile().channels() || !name)
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    copyText(g_misc.camName[ch], sizeof g_misc.camName[ch], name);
    return 0;
}

int DalSetAvcCaps(int fieldRate)
{
    TDalJournal::add("DalSetAvcCaps(%d)", fieldRate);
    DAL_FAILED("DalSetAvcCaps");
    if (fieldRate != 50 && fieldRate != 60)
        return -1;
    core().setPal(fieldRate == 50);
    return 0;
}

int DalLogin(const char* user)
{
    TDalJournal::add("DalLogin(%s)", T(user).c_str());
    DAL_FAILED("DalLogin");
    if (!user)
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    copyText(core().state().user, sizeof core().state().user, user);
    return 0;
}

int DalGetMasterPwd(char* buf, int size)
{
    TDalJournal::add("DalGetMasterPwd(%s,%d)", P(buf), size);
    DAL_FAILED("DalGetMasterPwd");
    return cmdOutput(buf, size, DAL_TEST_MASTER_PWD);
}

int DalCheckValidFwr(const char* path, int* result)
{
    DAL_LATER("DalCheckValidFwr(%s,%s)", T(path).c_str(), P(result));
}

int DalCheckDead(void)
{
    TDalJournal::add("DalCheckDead()");
    DAL_FAILED("DalCheckDead");
    return 0; // the stand-in's threads are alive
}

int DoemTavoInit(int on)
{
    TDalJournal::add("DoemTavoInit(%d)", on);
    DAL_FAILED("DoemTavoInit");
    return 0; // no variant hardware to prepare
}

void db6_printf(int level, const char* source, int line, const char* format, ...)
{
    if (!format)
        return;
    std::fprintf(stderr, "[%d] %s:%d: ", level, source ? source : "", line);
    va_list ap;
    va_start(ap, format);
    std::vfprintf(stderr, format, ap);
    va_end(ap);
}

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

/* ---- Video output ---- */

int DalVoutSetCaps(int output, int res)
{
    DAL_LATER("DalVoutSetCaps(%d,%d)", output, res);
}

int DalVoutSetLayout(int output, int layout, const int32_t* chain)
{
    DAL_LATER("DalVoutSetLayout(%d,%d,%s)", output, layout, P(chain));
}

int DalVoutGetLayoutInfo(int output, int sub, int32_t* num, VidWnd* wnd)
{
    DAL_LATER("DalVoutGetLayoutInfo(%d,%d,%s,%s)", output, sub, P(num), P(wnd));
}

int DalVoutNumCell(int layout)
{
    DAL_LATER("DalVoutNumCell(%d)", layout);
}

int DalVoutNumBigCell(int layout)
{
    DAL_LATER("DalVoutNumBigCell(%d)", layout);
}

int DalVoutSetViw(int output, int x, int y, int w, int h)
{
    DAL_LATER("DalVoutSetViw(%d,%d,%d,%d,%d)", output, x, y, w, h);
}

int DalVoutSetAlpha(int x, int y, int w, int h, int level)
{
    DAL_LATER("DalVoutSetAlpha(%d,%d,%d,%d,%d)", x, y, w, h, level);
}

int DalVoutSetCSC(int output, int component, int value)
{
    DAL_LATER("DalVoutSetCSC(%d,%d,%d)", output, component, value);
}

int DalVoutSetCovert(int ch, int on)
{
    DAL_LATER("DalVoutSetCovert(%d,%d)", ch, on);
}

int DalVoutSetLive(int on)
{
    DAL_LATER("DalVoutSetLive(%d)", on);
}

int DalVoutZoom(double ratio, double cx, double cy)
{
    DAL_LATER("DalVoutZoom(%.2f,%.2f,%.2f)", ratio, cx, cy);
}

/* ---- Recording encoder and disks ---- */

int DalEncrStart(void) { DAL_LATER("DalEncrStart()"); }
int DalEncrStop(void) { DAL_LATER("DalEncrStop()"); }
int DalEncrRefresh(void) { DAL_LATER("DalEncrRefresh()"); }
int DalEncrSetSwap(int on) { DAL_LATER("DalEncrSetSwap(%d)", on); }
int DalEncrMountSd(void) { DAL_LATER("DalEncrMountSd()"); }
int DalEncrFsckSd(void) { DAL_LATER("DalEncrFsckSd()"); }
int DalEncrFormatSd(int disk, int option) { DAL_LATER("DalEncrFormatSd(%d,%d)", disk, option); }
int DalEncrGetSdInfo(SdInfo* table, double* usage) { DAL_LATER("DalEncrGetSdInfo(%s,%s)", P(table), P(usage)); }
int DalEncrGetRecInfo(RecInfo* rec) { DAL_LATER("DalEncrGetRecInfo(%s)", P(rec)); }
int DalEncrGetSmart(SmartRec* table, int flags) { DAL_LATER("DalEncrGetSmart(%s,%d)", P(table), flags); }
int DalEncrSetSmart(int on, int day, int period) { DAL_LATER("DalEncrSetSmart(%d,%d,%d)", on, day, period); }
int DalEncrSetAd(int days) { DAL_LATER("DalEncrSetAd(%d)", days); }
int DalEncrBitrate(int ch, int ridx, int fidx, int quality)
{
    DAL_LATER("DalEncrBitrate(%d,%d,%d,%d)", ch, ridx, fidx, quality);
}

/* ---- Network-stream encoder ---- */

int DalEncnSetCfg(const EncnCfg* cfg) { DAL_LATER("DalEncnSetCfg(%s)", P(cfg)); }
int DalEncnBitrate(int ch, int res, int fidx, int quality)
{
    DAL_LATER("DalEncnBitrate(%d,%d,%d,%d)", ch, res, fidx, quality);
}

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

/* ---- Alarm and key I/O ---- */

int DalIoSetSensor(int sensor, int on, int type)
{
    TDalJournal::add("DalIoSetSensor(%d,%d,%d)", sensor, on, type);
    DAL_FAILED("DalIoSetSensor");
    if (sensor < 0 || sensor >= core().profile().sensors())
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    uint32_t& m = core().state().sensorConfigured;
    m = on ? (m | (1u << sensor)) : (m & ~(1u << sensor));
    return 0;
}

int DalIoRunAlarm(uint32_t mask, uint32_t value)
{
    TDalJournal::add("DalIoRunAlarm(0x%08x,0x%08x)", mask, value);
    DAL_FAILED("DalIoRunAlarm");
    const int relays = core().profile().relays();
    const uint32_t relayMask = relays >= 32 ? 0xffffffffu : ((1u << relays) - 1u);
    std::lock_guard<std::mutex> lock(core().stateMutex());
    uint32_t& a = core().state().alarm;
    a = ((a & ~mask) | (value & mask)) & relayMask;
    return 0;
}

int DalIoRunBuzzer(int on)
{
    TDalJournal::add("DalIoRunBuzzer(%d)", on);
    DAL_FAILED("DalIoRunBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    core().state().buzzer = on != 0;
    return 0;
}

int DalIoSetBuzzer(int on)
{
    TDalJournal::add("DalIoSetBuzzer(%d)", on);
    DAL_FAILED("DalIoSetBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.keyBuzzer = on != 0;
    return 0;
}

uint32_t DalIoAlarm(void)
{
    TDalJournal::add("DalIoAlarm()");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    return core().state().alarm;
}

int DalIoBuzzer(void)
{
    TDalJournal::add("DalIoBuzzer()");
    DAL_FAILED("DalIoBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    return core().state().buzzer;
}

int DalIoSetWdt(int on, int seconds)
{
    TDalJournal::add("DalIoSetWdt(%d,%d)", on, seconds);
    DAL_FAILED("DalIoSetWdt");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    core().state().wdtOn = on != 0;
    if (seconds > 0)
        core().state().wdtSeconds = seconds;
    return 0;
}

int DalIoClearWdt(int arg)
{
    TDalJournal::add("DalIoClearWdt(%d)", arg);
    DAL_FAILED("DalIoClearWdt");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    ++core().state().wdtClears;
    return 0;
}

int DalIoSetRmc(int id, int arg)
{
    TDalJournal::add("DalIoSetRmc(%d,%d)", id, arg);
    DAL_FAILED("DalIoSetRmc");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.rmcId = id;
    return 0;
}

int DalIoTestLed(int on)
{
    TDalJournal::add("DalIoTestLed(%d)", on);
    DAL_FAILED("DalIoTestLed");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.testLed = on != 0;
    return 0;
}

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

/* ---- Network ---- */

int DalNetGetEth0(Eth0Info* info) { DAL_LATER("DalNetGetEth0(%s)", P(info)); }
int DalNetSetEth0(const Eth0Info* info) { DAL_LATER("DalNetSetEth0(%s)", P(info)); }
int DalNetSetPort(int watch, int search, int setup, int web)
{
    DAL_LATER("DalNetSetPort(%d,%d,%d,%d)", watch, search, setup, web);
}
int DalNetGetClientInfo(NetClientRec* rec) { DAL_LATER("DalNetGetClientInfo(%s)", P(rec)); }
int DalNetDisconnectClient(int kind) { DAL_LATER("DalNetDisconnectClient(%d)", kind); }

/* ---- Network services ---- */

int DalNeseSetDdns(const DdnsSet* set) { DAL_LATER("DalNeseSetDdns(%s)", P(set)); }
int DalNeseTestDdns(const DdnsSet* set) { DAL_LATER("DalNeseTestDdns(%s)", P(set)); }
int DalNeseGetDdnsResult(DdnsResult* result) { DAL_LATER("DalNeseGetDdnsResult(%s)", P(result)); }
int DalNeseSetUpnp(const UpnpSet* set) { DAL_LATER("DalNeseSetUpnp(%s)", P(set)); }
int DalNeseTestUpnp(const UpnpSet* set) { DAL_LATER("DalNeseTestUpnp(%s)", P(set)); }
int DalNeseGetUpnpResult(UpnpResult* result) { DAL_LATER("DalNeseGetUpnpResult(%s)", P(result)); }
int DalNeseSetEmail(const EmailSet* set) { DAL_LATER("DalNeseSetEmail(%s)", P(set)); }
int DalNeseTestEmail(const EmailSet* set) { DAL_LATER("DalNeseTestEmail(%s)", P(set)); }
int DalNeseAddEmailText(const char* text) { DAL_LATER("DalNeseAddEmailText(%s)", T(text).c_str()); }
int DalNeseAddEmailImage(int ch) { DAL_LATER("DalNeseAddEmailImage(%d)", ch); }
int DalNeseSetNtp(const char* server, int period) { DAL_LATER("DalNeseSetNtp(%s,%d)", T(server).c_str(), period); }
int DalNeseTestNtp(const char* server) { DAL_LATER("DalNeseTestNtp(%s)", T(server).c_str()); }

/* ---- Backup ---- */

int DalBackupScanBd(void) { DAL_LATER("DalBackupScanBd()"); }
int DalBackupGetBd(BdList* list) { DAL_LATER("DalBackupGetBd(%s)", P(list)); }
int DalBackupSetBd(int bd) { DAL_LATER("DalBackupSetBd(%d)", bd); }
int DalBackupMount(void) { DAL_LATER("DalBackupMount()"); }
int DalBackupUmount(void) { DAL_LATER("DalBackupUmount()"); }
int DalBackupOpenDb(uint32_t camoff, uint32_t audoff) { DAL_LATER("DalBackupOpenDb(0x%08x,0x%08x)", camoff, audoff); }
int DalBackupCloseDb(void) { DAL_LATER("DalBackupCloseDb()"); }
int DalBackupNumDate(void) { DAL_LATER("DalBackupNumDate()"); }
int DalBackupGetDateInfo(int idx, BackupDate* date) { DAL_LATER("DalBackupGetDateInfo(%d,%s)", idx, P(date)); }
int DalBackupSetFilter(uint32_t camoff, int audoff) { DAL_LATER("DalBackupSetFilter(0x%08x,%d)", camoff, audoff); }
int DalBackupSetType(int type) { DAL_LATER("DalBackupSetType(%d)", type); }
int DalBackupEstiRange(const BackupRange* range) { DAL_LATER("DalBackupEstiRange(%s)", P(range)); }
int DalBackupSetDvrInfo(const char* name) { DAL_LATER("DalBackupSetDvrInfo(%s)", T(name).c_str()); }
int DalBackupSetCamName(int ch, const char* name) { DAL_LATER("DalBackupSetCamName(%d,%s)", ch, T(name).c_str()); }
int DalBackupStart(int type) { DAL_LATER("DalBackupStart(%d)", type); }
int DalBackupStop(void) { DAL_LATER("DalBackupStop()"); }
int DalBackupSnapshot(void) { DAL_LATER("DalBackupSnapshot()"); }

/* ---- Clock and time zone ---- */

int DalSysSetTime(int64_t t) { DAL_LATER("DalSysSetTime(%lld)", (long long)t); }
int DalSysSetTz(const TzEntry* zone, int dst)
{
    DAL_LATER("DalSysSetTz(%s,%d)", zone ? T(zone->name).c_str() : "null", dst);
}

/* ---- Recording database ---- */

int Db6CheckSd(Db6Check* check)
{
    TDalJournal::add("Db6CheckSd(%s)", P(check));
    DAL_FAILED("Db6CheckSd");
    if (!check)
        return -1;
    std::memset(check, 0, sizeof *check);
    const int disks = core().profile().disks();
    check->data = disks > 0 ? 0 : -1;
    for (int i = 0; i < disks && i < DAL_MAX_DISK; ++i)
        check->formatted[i] = 1;
    return 0;
}

int Db6fOpen(const char* path, const char* root, int a, int b, int flags, uint32_t chMask)
{
    TDalJournal::add("Db6fOpen(%s,%s,%d,%d,0x%x,0x%08x)", T(path).c_str(), T(root).c_str(), a, b, flags, chMask);
    DAL_FAILED("Db6fOpen");
    const TDalProfile p = core().profile();
    return TDalDb::instance().open(path, p.channels(), p.sensors(), p.disks());
}

int Db6fClose(int h)
{
    TDalJournal::add("Db6fClose(%d)", h);
    DAL_FAILED("Db6fClose");
    return TDalDb::instance().close(h);
}

int Db6fNumMonth(int h, int year, int month)
{
    TDalJournal::add("Db6fNumMonth(%d,%d,%d)", h, year, month);
    DAL_FAILED("Db6fNumMonth");
    return TDalDb::instance().numMonth(h);
}

int Db6fMonthIdx(int h, int year, int month)
{
    TDalJournal::add("Db6fMonthIdx(%d,%d,%d)", h, year, month);
    DAL_FAILED("Db6fMonthIdx");
    return TDalDb::instance().monthIdx(h, year, month);
}

int Db6fReadMonth(int h, int monthIdx, int count, MonthInfo* out)
{
    TDalJournal::add("Db6fReadMonth(%d,%d,%d,%s)", h, monthIdx, count, P(out));
    DAL_FAILED("Db6fReadMonth");
    return TDalDb::instance().readMonth(h, monthIdx, count, out);
}

int Db6fDateIdxInSameDate(int h, const Db6Date* date, int k)
{
    TDalJournal::add("Db6fDateIdxInSameDate(%d,%s,%d)", h, P(date), k);
    DAL_FAILED("Db6fDateIdxInSameDate");
    return TDalDb::instance().dateIdxInSameDate(h, date, k);
}

int Db6fReadDate(int h, int dateIdx, int count, Db6Date* out)
{
    TDalJournal::add("Db6fReadDate(%d,%d,%d,%s)", h, dateIdx, count, P(out));
    DAL_FAILED("Db6fReadDate");
    return TDalDb::instance().readDate(h, dateIdx, count, out);
}

int Db6fGetAvc(int h, int dateIdx, Db6Avc* avc)
{
    TDalJournal::add("Db6fGetAvc(%d,%d,%s)", h, dateIdx, P(avc));
    DAL_FAILED("Db6fGetAvc");
    AvcCaps caps;
    core().profile().fillAvc(&caps);
    return TDalDb::instance().getAvc(h, dateIdx, avc, caps);
}

int Db6fReadItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items)
{
    TDalJournal::add("Db6fReadItem(%d,%d,%d,%d,%s,%s)", h, dateIdx, first, count, P(head), P(items));
    DAL_FAILED("Db6fReadItem");
    return TDalDb::instance().readItem(h, dateIdx, first, count, head, items);
}

int Db6fReadReiDay(int h, int dateIdx, uint64_t* hourMask1, uint64_t* hourMask2)
{
    TDalJournal::add("Db6fReadReiDay(%d,%d,%s,%s)", h, dateIdx, P(hourMask1), P(hourMask2));
    DAL_FAILED("Db6fReadReiDay");
    return TDalDb::instance().readReiDay(h, dateIdx, hourMask1, hourMask2);
}

int Db6fReadReiHour(int h, int dateIdx, int hour, uint64_t* minMask1, uint64_t* minMask2)
{
    TDalJournal::add("Db6fReadReiHour(%d,%d,%d,%s,%s)", h, dateIdx, hour, P(minMask1), P(minMask2));
    DAL_FAILED("Db6fReadReiHour");
    return TDalDb::instance().readReiHour(h, dateIdx, hour, minMask1, minMask2);
}

int Db6fFilterType(int h, const uint8_t* table) { DAL_LATER("Db6fFilterType(%d,%s)", h, P(table)); }
int Db6fFilterRei(int h, int rei) { DAL_LATER("Db6fFilterRei(%d,%d)", h, rei); }
int Db6fFilterTextin(int h, const char* text, int arg) { DAL_LATER("Db6fFilterTextin(%d,%s,%d)", h, T(text).c_str(), arg); }
int Db6fFilterDate(int h, const Db6Date* from, const Db6Date* to) { DAL_LATER("Db6fFilterDate(%d,%s,%s)", h, P(from), P(to)); }
int Db6fCalcFilter(int h, void* ctx, Db6ProgressCb progress)
{
    DAL_LATER("Db6fCalcFilter(%d,%s,%s)", h, P(ctx), P((void*)progress));
}

} // extern "C"
