// The device-layer stand-in's C interface. Every call writes one journal
// line "Name(args)"; a call the test driver made fail returns the chosen
// result at once. Calls of families that are not simulated yet answer -1:
// the stand-in never reports success for work it does not do.
#include "dal.h"
#include "dalcall.h"
#include "tdalnet.h"
#include "tdalvout.h"
#include "trootmap.h"

#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

using namespace dalcall;

namespace dalcall {
Misc g_misc;
}

namespace {
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
    std::string p;
    struct stat st;
    return TRootMap::map(path, &p) && ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

const TzEntry kZones[] = {
    {"GMT-05:00 New York", -300, 0, 1, 0},  {"GMT+00:00 London", 0, 0, 1, 0},
    {"GMT+01:00 Paris", 60, 0, 1, 0},       {"GMT+08:00 Beijing", 480, 0, 0, 0},
    {"GMT+09:00 Seoul", 540, 0, 0, 0},      {"GMT+09:00 Tokyo", 540, 0, 0, 0},
};
}

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

/* ---- Single calls ---- */

int DalCmd(const char* name, char* value, int size)
{
    // The caller's text is read no further than its size.
    TDalJournal::add("DalCmd(%s,%s,%d)", T(name).c_str(),
                     value ? T(cmdInput(value, size).c_str()).c_str() : "null", size);
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
    // Title overlays of the spot outputs: the text names the caller's
    // buffer, copied before the call returns.
    if (n == "spot_osd" || n == "spothd_osd")
        return TDalVout::instance().overlay(n == "spothd_osd", in);
    if (n == "gigabit-enabled")
        return cmdOutput(value, size, TDalNet::instance().gigabit() ? "yes" : "no");
    std::lock_guard<std::mutex> lock(core().stateMutex());
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
        core().alarm().setLed(TDalAlarm::HDD_ERROR, v != 0);
        return 0;
    }
    if (n == "PANIC_RECORD_LED" && isNumber) {
        core().alarm().setLed(TDalAlarm::PANIC, v != 0);
        return 0;
    }
    // The system keyboard's protocol: its kind and id, two numbers.
    int kind, id;
    if (n == "ORVA_KBD" && std::sscanf(in.c_str(), "%d %d%c", &kind, &id, &tail) == 2) {
        core().alarm().setKeyboard(in);
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
    // One line of the stand-in's, as every other: its text cut to the
    // buffer, the newline that ends it dropped.
    char text[1024];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    std::string said = text;
    if (!said.empty() && said.back() == '\n')
        said.pop_back();
    TDalJournal::say("[" + std::to_string(level) + "] " + (source ? TDalJournal::cut(source, 128) : std::string())
                     + ":" + std::to_string(line) + ": " + said);
}

} // extern "C"
