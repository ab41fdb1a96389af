#include "tdalcore.h"
#include "tdalclock.h"
#include "tdaldb.h"
#include "tdaldec.h"
#include "tdalenc.h"
#include "tdalfile.h"
#include "tdaljournal.h"
#include "tdalserial.h"
#include "tdalvin.h"
#include "trootmap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
// The profile DAL_PROFILE names, 16 channels without it; an unknown name is
// said, and 16 channels taken.
TDalProfile envProfile()
{
    const char* p = std::getenv("DAL_PROFILE");
    // No name is that long: read no further than a said line shows (a cut
    // one is no name).
    const std::string name = p && *p ? TDalJournal::cut(p) : std::string("16");
    TDalProfile profile;
    if (!profile.select(name))
        TDalJournal::say("unknown DAL_PROFILE \"" + name + "\", using 16");
    return profile;
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
    m_profile = envProfile();
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
    m_net.start({});
    return 0;
}

int TDalCore::start()
{
    bool manual;
    bool running;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_state.initialised)
            return -1;
        running = m_state.running;
        m_state.running = 1;
        m_state.tickCount = 0;
        m_stopped = false;
        manual = m_state.manualTicks;
    }
    m_io.setTicking(!manual);
    if (running)
        return 0;
    // What the stand-in's own writes left when a process was killed in the
    // middle of one goes: beside the disks' databases and in the disc's
    // staging folders (the backup medium's at its mount).
    std::vector<std::string> folders{"/tmp", "/tmp/bdimage"};
    for (int i = 0; i < DAL_MAX_DISK; ++i)
        folders.push_back("/data" + std::to_string(i));
    for (const std::string& folder : folders)
        TDalFile::sweep(folder);
    // The control channel is read from the start on, when the program has
    // registered its callbacks: a line left waiting in the FIFO (a writer
    // on a killed run's FIFO) reaches the program instead of setting a
    // state it is never told of.
    const std::string path = controlPath();
    std::string why, tmp;
    if (!TRootMap::map("/tmp", &tmp))
        why = "the root's /tmp leads out of the root"; // nothing is looked at there
    else
        m_control.start(path, &why);
    if (!why.empty())
        TDalJournal::say("no control channel at " + path + ": " + why);
    return 0;
}

int TDalCore::stop()
{
    // No line is taken once the callbacks end.
    m_control.stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.running = 0;
        m_stopped = true;
    }
    m_io.setTicking(false);
    // A callback under way finishes before DalStop returns; none starts later.
    m_io.waitIdle();
    m_events.waitIdle();
    m_net.waitIdle();
    return 0;
}

int TDalCore::exit()
{
    stop();
    m_io.stop();
    m_events.stop();
    m_net.stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.initialised = 0;
    return 0;
}

void TDalCore::reset()
{
    exit();
    TDalDb::instance().reset();
    TDalDec::instance().reset();
    TDalClock::instance().reset();
    TDalSerial::instance().reset();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cb = Callbacks();
    std::memset(&m_state, 0, sizeof m_state);
    m_fails.clear();
    m_counts.clear();
    m_stopped = false;
    m_profile = envProfile();
    m_seconds = 0;
    m_alarm.reset();
    m_ptz.reset();
    m_pos.reset();
    TDalJournal::clear();
}

void TDalCore::unregistered(Family family)
{
    // A callback of this family read its registration before the change and
    // may still be running: the caller may free the context once we return.
    worker(family).waitCurrent();
}

void TDalCore::setIoCb(DalIoCb cb, void* ctx)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cb.io = cb;
        m_cb.ctx[IO] = cb ? ctx : nullptr;
        m_state.ioRegistered = cb != nullptr;
    }
    if (!cb)
        unregistered(IO);
}

void TDalCore::setEncCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cb.encCfg = cfg;
        m_cb.encNotify = notify;
        m_cb.ctx[ENC] = (cfg || notify) ? ctx : nullptr;
        m_state.encRegistered = cfg || notify;
    }
    if (!cfg || !notify)
        unregistered(ENC);
}

#define DAL_SETCB(family, member)                                                                  \
    {                                                                                              \
        std::lock_guard<std::mutex> lock(m_mutex);                                                 \
        m_cb.member = cb;                                                                          \
        m_cb.ctx[family] = cb ? ctx : nullptr;                                                     \
    }                                                                                              \
    if (!cb)                                                                                       \
    unregistered(family)

void TDalCore::setDecCb(DalDecCb cb, void* ctx) { DAL_SETCB(DEC, dec); }
void TDalCore::setNetCb(DalNetCb cb, void* ctx) { DAL_SETCB(NET, net); }
void TDalCore::setBackupCb(DalBackupCb cb, void* ctx) { DAL_SETCB(BACKUP, backup); }
void TDalCore::setNeseCb(DalNeseCb cb, void* ctx) { DAL_SETCB(NESE, nese); }
void TDalCore::setPosCb(DalPosCb cb, void* ctx) { DAL_SETCB(POS, pos); }
void TDalCore::setSerialTestCb(DalSerialTestCb cb, void* ctx) { DAL_SETCB(SERIAL, serial); }

void TDalCore::setVinCb(DalVinCb cb, void* ctx)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cb.vin = cb;
        m_cb.ctx[VIN] = cb ? ctx : nullptr;
        m_state.vinRegistered = cb != nullptr;
    }
    if (!cb)
        unregistered(VIN);
}

bool TDalCore::deliver(Family family, Delivery job)
{
    return worker(family).post([this, job = std::move(job)] {
        Callbacks cb;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopped)
                return;
            cb = m_cb;
        }
        job(cb);
    });
}

int TDalCore::deliverWait(Family family, SyncDelivery job)
{
    int result = -1;
    worker(family).postAndWait([this, &job, &result] {
        Callbacks cb;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopped)
                return;
            cb = m_cb;
        }
        result = job(cb);
    });
    return result;
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
    deliver(IO, [type, from, data](const Callbacks& cb) {
        if (cb.io)
            cb.io(cb.ctx[IO], type, from, data);
    });
}

void TDalCore::injectVin(int type, int ch, int value, const unsigned char* map)
{
    if (type == CBT_VIN_MOTION)
        TDalVin::instance().setMotion(ch, value);
    if (type == CBT_VIN_VL) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (ch >= 0 && ch < 32) {
            if (value)
                m_state.videoLoss |= 1u << ch;
            else
                m_state.videoLoss &= ~(1u << ch);
        }
    }
    // The motion map is the layer's own buffer of 128 bytes, valid during
    // the call only.
    std::string mapCopy = map ? std::string(reinterpret_cast<const char*>(map), 128) : std::string(128, '\0');
    deliver(VIN, [type, ch, value, mapCopy](const Callbacks& cb) {
        if (!cb.vin)
            return;
        VinEvent ev;
        std::memset(&ev, 0, sizeof ev);
        ev.ch = ch;
        ev.value = value;
        ev.map = reinterpret_cast<const unsigned char*>(mapCopy.data());
        cb.vin(cb.ctx[VIN], type, &ev);
    });
}

void TDalCore::injectEnc(int type, int ch, int data, const char* msg)
{
    const bool hasMsg = msg != nullptr;
    const std::string text = msg ? std::string(msg, strnlen(msg, 1024)) : std::string();
    deliver(ENC, [type, ch, data, hasMsg, text](const Callbacks& cb) {
        if (cb.encNotify)
            cb.encNotify(cb.ctx[ENC], type, ch, data, hasMsg ? text.c_str() : nullptr);
    });
}

void TDalCore::flush()
{
    m_io.waitIdle();
    m_events.waitIdle();
    m_net.waitIdle();
}

void TDalCore::tick()
{
    TDalEnc::instance().tick(); // a new schedule cell: the recorder asks again
    DalIoCb cb;
    void* ctx;
    int count;
    int now;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopped || !m_state.running || !m_cb.io)
            return;
        cb = m_cb.io;
        ctx = m_cb.ctx[IO];
        count = ++m_state.tickCount;
        now = ++m_seconds;
    }
    // The second passes for the watchdog and the decoder before the
    // program hears of it.
    m_alarm.second(now);
    TDalDec::instance().second();
    cb(ctx, CBT_IO_TIME, 0, count);
    // Each second a traced input that sees motion reports its live block
    // from the video thread.
    const int channels = profile().channels();
    for (int ch = 0; ch < channels; ++ch) {
        uint32_t words[32];
        if (!TDalVin::instance().liveBlock(ch, channels, words))
            continue;
        unsigned char block[128];
        std::memcpy(block, words, sizeof block);
        injectVin(CBT_VIN_MDINFO, ch, 1, block);
    }
}

int TDalCore::stepTick()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopped || !m_state.running || !m_cb.io)
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
        // A tick whose callback ended the layer (DalExit) still counts.
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

bool TDalCore::setPrivacyLimit(double cx, double cy)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_profile.setPrivacyLimit(cx, cy);
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
                                          "numRes",    "numLayout",  "numResHd",     "ptz_cnt",
                                          "max_fps_per_chip", "rs232",
                                          "num_relay"};
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
        if (dal && f == "num_relay") dal->word796 = v;
        if (dal && f == "num_disk") dal->num_disk = v;
        if (dal && f == "rs232") dal->rs232 = v;
        if (avc && f == "num_vridx") avc->num_vridx = v;
        if (avc && f == "num_rridx") avc->num_rridx = v;
        if (avc && f == "num_nridx") avc->num_nridx = v;
        if (avc && f == "num_fidx") avc->num_fidx = v;
        // The network frame limit of one encoder chip, for every stream
        // resolution of every input resolution.
        if (avc && f == "max_fps_per_chip")
            for (auto& input : avc->nridx)
                for (AvcRes& res : input)
                    res.max_fps_per_chip = v;
        if (vout && f == "numRes") vout->numRes = v;
        if (vout && f == "numLayout") vout->numLayout = v;
        if (vout && f == "numResHd") vout->numResHd = v;
    }
}

bool TDalCore::countOverride(const std::string& field, int* value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_counts.find(field);
    if (it == m_counts.end())
        return false;
    *value = it->second;
    return true;
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

int TDalCore::seconds()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seconds;
}

std::string TDalCore::controlPath() const
{
    // Named below the root even where it cannot be used (a link there, or a
    // "/tmp" that leads out), so that the refusal says where; the channel
    // itself never follows a link at that path.
    std::string tmp;
    if (!TRootMap::map("/tmp", &tmp))
        tmp = TRootMap::root() + "/tmp";
    return tmp + "/dal.ctl";
}
