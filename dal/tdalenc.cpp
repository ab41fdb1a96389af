#include "tdalenc.h"
#include "tdalclock.h"
#include "tdalcore.h"
#include "tdaldisks.h"

#include <cstring>

namespace {
TDalCore& core()
{
    return TDalCore::instance();
}
}

TDalEnc& TDalEnc::instance()
{
    // Never destroyed: the delivery threads may still run a job at exit.
    static TDalEnc* enc = new TDalEnc;
    return *enc;
}

TDalEnc::TDalEnc()
{
    reset();
}

void TDalEnc::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(&m_state, 0, sizeof m_state);
    m_state.autoDelete = -1;
    m_on = false;
    m_cell = -1;
}

bool TDalEnc::layerRunning()
{
    std::lock_guard<std::mutex> lock(core().stateMutex());
    return core().state().running != 0;
}

struct tm TDalEnc::localNow()
{
    const time_t t = time_t(TDalClock::instance().now());
    struct tm now;
    localtime_r(&t, &now);
    return now;
}

int TDalEnc::cellOf(const struct tm& t)
{
    return t.tm_wday * 144 + t.tm_hour * 6 + t.tm_min / 10;
}

int TDalEnc::start()
{
    if (!layerRunning() || TDalDisks::instance().dataDisk() < 0)
        return -1;
    const struct tm now = localNow();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_on = true;
        m_cell = cellOf(now);
    }
    ask(now);
    return 0;
}

int TDalEnc::stop()
{
    if (!layerRunning())
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_on = false;
    return 0;
}

int TDalEnc::refresh()
{
    if (!layerRunning())
        return -1;
    ask(localNow());
    return 0;
}

bool TDalEnc::recording()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_on)
            return false;
    }
    return layerRunning();
}

void TDalEnc::tick()
{
    const struct tm now = localNow();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_on || m_cell == cellOf(now))
            return;
        m_cell = cellOf(now);
    }
    if (layerRunning())
        ask(now);
}

void TDalEnc::ask(const struct tm& when)
{
    core().deliver(TDalCore::ENC, [this, when](const TDalCore::Callbacks& cb) {
        if (!cb.encCfg)
            return;
        // The recorder's own table, valid during the call only.
        EncCfg table[DAL_MAX_CH];
        std::memset(table, 0, sizeof table);
        cb.encCfg(cb.ctx[TDalCore::ENC], &when, table);
        keep(table);
    });
}

int TDalEnc::askWait(const struct tm& when, EncCfg* out)
{
    EncCfg table[DAL_MAX_CH];
    std::memset(table, 0, sizeof table);
    const int r = core().deliverWait(TDalCore::ENC, [this, &when, &table](const TDalCore::Callbacks& cb) {
        if (!cb.encCfg)
            return -1;
        const int result = cb.encCfg(cb.ctx[TDalCore::ENC], &when, table);
        keep(table);
        return result;
    });
    if (out)
        std::memcpy(out, table, sizeof table);
    return r;
}

void TDalEnc::keep(const EncCfg* table)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(m_state.last, table, sizeof m_state.last);
    ++m_state.asks;
}

void TDalEnc::setSwap(int on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.swap = on;
}

int TDalEnc::setNetCfg(const EncnCfg* cfg)
{
    if (!cfg)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(m_state.net, cfg, sizeof m_state.net);
    ++m_state.netCfgSet;
    return 0;
}

void TDalEnc::setSmart(int on, int day, int period)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.smartOn = on;
    m_state.smartDay = day;
    m_state.smartPeriod = period;
}

void TDalEnc::setAutoDelete(int age)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.autoDelete = age;
}

void TDalEnc::countJob()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_state.jobs;
}

void TDalEnc::get(DalTestEnc* st)
{
    const bool running = layerRunning();
    std::lock_guard<std::mutex> lock(m_mutex);
    *st = m_state;
    st->recording = m_on && running;
}
