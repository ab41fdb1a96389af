#include "tdalcore.h"
#include "tdaljournal.h"
#include "trootmap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
std::string envProfile()
{
    const char* p = std::getenv("DAL_PROFILE");
    return p && *p ? std::string(p) : std::string("16");
}
}

TDalCore& TDalCore::instance()
{
    static TDalCore core;
    return core;
}

TDalCore::TDalCore()
{
    std::memset(&m_state, 0, sizeof m_state);
    if (!m_profile.select(envProfile()))
        std::fprintf(stderr, "dal: unknown DAL_PROFILE \"%s\", using 16\n", envProfile().c_str());
}

TDalCore::~TDalCore()
{
    exit();
}

int TDalCore::init()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state.initialised)
            return 0;
        m_state.initialised = 1;
        m_stopped = false;
    }
    m_io.start([this] { tick(); });
    m_events.start({});
    if (!m_control.start(controlPath()))
        std::fprintf(stderr, "dal: no control channel at %s\n", controlPath().c_str());
    return 0;
}

int TDalCore::start()
{
    bool manual;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_state.initialised)
            return -1;
        m_state.running = 1;
        m_state.tickCount = 0;
        m_stopped = false;
        manual = m_state.manualTicks;
    }
    m_io.setTicking(!manual);
    return 0;
}

int TDalCore::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.running = 0;
        m_stopped = true;
    }
    m_io.setTicking(false);
    // A callback under way finishes before DalStop returns; none starts later.
    m_io.waitIdle();
    m_events.waitIdle();
    return 0;
}

int TDalCore::exit()
{
    stop();
    m_control.stop();
    m_io.stop();
    m_events.stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.initialised = 0;
    return 0;
}

void TDalCore::reset()
{
    exit();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ioCb = nullptr;
    m_encCfgCb = nullptr;
    m_encNotifyCb = nullptr;
    m_decCb = nullptr;
    m_netCb = nullptr;
    m_backupCb = nullptr;
    m_neseCb = nullptr;
    m_vinCb = nullptr;
    m_posCb = nullptr;
    m_serialCb = nullptr;
    m_ioCtx = m_encCtx = m_decCtx = m_netCtx = m_backupCtx = m_neseCtx = m_vinCtx = m_posCtx =
        m_serialCtx = nullptr;
    std::memset(&m_state, 0, sizeof m_state);
    m_fails.clear();
    m_counts.clear();
    m_stopped = false;
    m_profile = TDalProfile();
    m_profile.select(envProfile());
    TDalJournal::clear();
}

#define DAL_SETCB(member, ctxMember)                                                               \
    std::lock_guard<std::mutex> lock(m_mutex);                                                     \
    member = cb;                                                                                   \
    ctxMember = cb ? ctx : nullptr

void TDalCore::setIoCb(DalIoCb cb, void* ctx)
{
    DAL_SETCB(m_ioCb, m_ioCtx);
    m_state.ioRegistered = cb != nullptr;
}

void TDalCore::setEncCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_encCfgCb = cfg;
    m_encNotifyCb = notify;
    m_encCtx = (cfg || notify) ? ctx : nullptr;
    m_state.encRegistered = cfg || notify;
}

void TDalCore::setDecCb(DalDecCb cb, void* ctx) { DAL_SETCB(m_decCb, m_decCtx); }
void TDalCore::setNetCb(DalNetCb cb, void* ctx) { DAL_SETCB(m_netCb, m_netCtx); }
void TDalCore::setBackupCb(DalBackupCb cb, void* ctx) { DAL_SETCB(m_backupCb, m_backupCtx); }
void TDalCore::setNeseCb(DalNeseCb cb, void* ctx) { DAL_SETCB(m_neseCb, m_neseCtx); }
void TDalCore::setPosCb(DalPosCb cb, void* ctx) { DAL_SETCB(m_posCb, m_posCtx); }
void TDalCore::setSerialTestCb(DalSerialTestCb cb, void* ctx) { DAL_SETCB(m_serialCb, m_serialCtx); }

void TDalCore::setVinCb(DalVinCb cb, void* ctx)
{
    DAL_SETCB(m_vinCb, m_vinCtx);
    m_state.vinRegistered = cb != nullptr;
}

void TDalCore::injectIo(int type, int from, int data)
{
    if (type == CBT_IO_SENSOR) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (from >= 0 && from < 32) {
            if (data)
                m_state.sensors |= 1u << from;
            else
                m_state.sensors &= ~(1u << from);
        }
    }
    m_io.post([this, type, from, data] {
        DalIoCb cb;
        void* ctx;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopped || !m_ioCb)
                return;
            cb = m_ioCb;
            ctx = m_ioCtx;
        }
        cb(ctx, type, from, data);
    });
}

void TDalCore::injectVin(int type, int ch, int value)
{
    if (type == CBT_VIN_VL) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (ch >= 0 && ch < 32) {
            if (value)
                m_state.videoLoss |= 1u << ch;
            else
                m_state.videoLoss &= ~(1u << ch);
        }
    }
    m_events.post([this, type, ch, value] {
        DalVinCb cb;
        void* ctx;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopped || !m_vinCb)
                return;
            cb = m_vinCb;
            ctx = m_vinCtx;
        }
        VinEvent ev;
        std::memset(&ev, 0, sizeof ev);
        ev.ch = ch;
        ev.value = value;
        cb(ctx, type, &ev);
    });
}

void TDalCore::injectEnc(int type, int ch, int data, const std::string& msg)
{
    m_events.post([this, type, ch, data, msg] {
        DalEncNotifyCb cb;
        void* ctx;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopped || !m_encNotifyCb)
                return;
            cb = m_encNotifyCb;
            ctx = m_encCtx;
        }
        cb(ctx, type, ch, data, msg.c_str());
    });
}

void TDalCore::flush()
{
    m_io.waitIdle();
    m_events.waitIdle();
}

void TDalCore::tick()
{
    DalIoCb cb;
    void* ctx;
    int count;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopped || !m_state.running || !m_ioCb)
            return;
        cb = m_ioCb;
        ctx = m_ioCtx;
        count = ++m_state.tickCount;
    }
    cb(ctx, CBT_IO_TIME, 0, count);
}

int TDalCore::stepTick()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopped || !m_state.running || !m_ioCb)
            return -1;
    }
    int delivered = -1;
    const bool ran = m_io.postAndWait([this, &delivered] {
        int before;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            before = m_state.tickCount;
        }
        tick();
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state.tickCount != before)
            delivered = m_state.tickCount;
    });
    return ran ? delivered : -1;
}

void TDalCore::setManualTicks(bool on)
{
    bool running;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.manualTicks = on;
        running = m_state.running;
    }
    m_io.setTicking(running && !on);
}

TDalProfile TDalCore::profile()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_profile;
}

bool TDalCore::selectProfile(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_profile.select(name);
}

void TDalCore::setPal(bool pal)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_profile.setPal(pal);
}

bool TDalCore::setCountOverride(const std::string& field, int value)
{
    static const char* const kFields[] = {"num_vin",   "num_sensor", "num_alarmout", "num_disk",
                                          "num_vridx", "num_rridx",  "num_nridx",    "num_fidx",
                                          "numRes",    "numLayout",  "numResHd"};
    for (const char* f : kFields)
        if (field == f) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_counts[field] = value;
            return true;
        }
    return false;
}

void TDalCore::applyOverrides(DalCaps* dal, AvcCaps* avc, VoutCaps* vout)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& c : m_counts) {
        const std::string& f = c.first;
        const int v = c.second;
        if (dal && f == "num_vin") dal->num_vin = v;
        if (dal && f == "num_sensor") dal->num_sensor = v;
        if (dal && f == "num_alarmout") dal->num_alarmout = v;
        if (dal && f == "num_disk") dal->num_disk = v;
        if (avc && f == "num_vridx") avc->num_vridx = v;
        if (avc && f == "num_rridx") avc->num_rridx = v;
        if (avc && f == "num_nridx") avc->num_nridx = v;
        if (avc && f == "num_fidx") avc->num_fidx = v;
        if (vout && f == "numRes") vout->numRes = v;
        if (vout && f == "numLayout") vout->numLayout = v;
        if (vout && f == "numResHd") vout->numResHd = v;
    }
}

void TDalCore::setFail(const std::string& call, int result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fails[call] = result;
}

void TDalCore::clearFails()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fails.clear();
}

bool TDalCore::failed(const char* call, int* result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_fails.find(call);
    if (it == m_fails.end())
        return false;
    *result = it->second;
    return true;
}

uint32_t TDalCore::videoLoss()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state.videoLoss;
}

std::string TDalCore::controlPath() const
{
    std::string p; // stays empty when the root's "/tmp" leads out of it
    TRootMap::map("/tmp/dal.ctl", &p);
    return p;
}
