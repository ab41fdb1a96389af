#include "tdaldec.h"
#include "tdalclock.h"
#include "tdalcore.h"
#include "tdaldb.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace {
const double kDay = 86400.0;
}

TDalDec& TDalDec::instance()
{
    static TDalDec dec;
    return dec;
}

int TDalDec::cellCount() const
{
    if (m_mode == 1)
        return std::max(0, std::min(m_thumbCells, int(DAL_MAX_CH)));
    return m_channels;
}

bool TDalDec::cellAt(int k, int* ch, double* sec) const
{
    if (k < 0 || k >= cellCount())
        return false;
    *ch = m_mode == 1 ? m_thumbCh : (m_mode == 2 ? m_panoCh : k);
    *sec = m_time + (m_mode == 1 ? double(k) * m_thumbSec : 0.0);
    return true;
}

bool TDalDec::hasData(int entry, int ch, double sec) const
{
    if (ch < 0 || ch >= m_channels || (m_camOff >> ch) & 1 || sec < 0.0 || sec >= kDay)
        return false;
    const int minute = int(sec) / 60;
    return m_model->recorded(entry, 1, ch, minute) || (m_rei != 1 && m_model->recorded(entry, 0, ch, minute));
}

bool TDalDec::anyData(int entry, int minute) const
{
    const double sec = minute * 60.0;
    if (m_mode != 0)
        return hasData(entry, m_mode == 1 ? m_thumbCh : m_panoCh, sec);
    for (int ch = 0; ch < m_channels; ++ch)
        if (hasData(entry, ch, sec))
            return true;
    return false;
}

bool TDalDec::seek(int* entry, double* sec) const
{
    const int entries = int(m_model->entries().size());
    for (int e = *entry; e < entries; ++e) {
        const int first = e == *entry ? int(*sec) / 60 : 0;
        for (int m = first; m < 1440; ++m)
            if (anyData(e, m)) {
                if (e != *entry || m != first)
                    *sec = m * 60.0;
                *entry = e;
                return true;
            }
        if (!m_allDay)
            break;
    }
    return false;
}

std::shared_ptr<DecInfo> TDalDec::record() const
{
    auto rec = std::make_shared<DecInfo>();
    std::memset(rec.get(), 0, sizeof *rec);
    const TDalDbModel::Entry& e = m_model->entries()[size_t(m_entry)];
    rec->year = e.year;
    rec->month = e.month;
    rec->day = e.day;
    rec->time = m_time;
    rec->rate = m_rate;
    for (int k = 0; k < DAL_MAX_CH; ++k) {
        int ch;
        double sec;
        if (!cellAt(k, &ch, &sec))
            continue;
        DecChannel& c = rec->entry[k];
        c.year = e.year;
        c.month = e.month;
        c.day = e.day;
        c.time = sec;
        if (!hasData(m_entry, ch, sec))
            continue;
        c.width = m_width;
        c.height = m_height;
        c.quality = 2;
        c.audio = ch < m_audios ? 1 : 0;
        c.fps = m_fps;
        rec->chinfo |= 1u << k;
    }
    return rec;
}

void TDalDec::deliver(int type, std::shared_ptr<DecInfo> rec) const
{
    // The record is the layer's own, valid during the call only.
    TDalCore::instance().deliver(TDalCore::DEC, [type, rec](const TDalCore::Callbacks& cb) {
        if (cb.dec)
            cb.dec(cb.ctx[TDalCore::DEC], type, rec.get());
    });
}

void TDalDec::report(bool full)
{
    auto rec = record();
    deliver(CBT_DEC_TIME, rec);
    const int cells = std::min(std::max(cellCount(), m_channels), int(DAL_MAX_CH));
    for (int k = 0; k < cells; ++k) {
        const int width = rec->entry[k].width;
        if (full || width != m_lastWidth[k])
            deliver(CBT_DEC_INFO_CH + k, rec);
        m_lastWidth[k] = width;
    }
    if (full || rec->chinfo != m_lastMask)
        deliver(CBT_DEC_CHALL, rec);
    m_lastMask = rec->chinfo;
}

void TDalDec::textins(double from, double to)
{
    if (m_mode != 0)
        return;
    for (const TDalDbModel::Item& it : m_model->entries()[size_t(m_entry)].items) {
        const int ch = TDalDbModel::columnOf(it.type);
        if (TDalDbModel::rowOf(it.type) != 4 || it.second <= from || it.second > to || ch >= m_channels
            || (m_camOff >> ch) & 1)
            continue;
        auto rec = record();
        char* text = rec->entry[ch].text;
        const size_t n = std::min(it.text.size(), sizeof rec->entry[ch].text - 1);
        std::memcpy(text, it.text.data(), n);
        text[n] = '\0';
        deliver(CBT_DEC_TEXTIN_CH + ch, rec);
    }
}

int TDalDec::start(const char* dbPath, int dateId, uint32_t camOffMask, int allDay, double startSec, double rate)
{
    const TDalProfile p = TDalCore::instance().profile();
    auto model = TDalDb::instance().load(dbPath, p.channels(), p.sensors(), p.disks());
    std::lock_guard<std::mutex> lock(m_mutex);
    m_playing = false;
    if (!model || !(startSec >= 0.0 && startSec < kDay))
        return -1;
    const std::vector<TDalDbModel::Entry>& entries = model->entries();
    int entry = -1;
    if (dateId == -1) {
        const time_t now = time_t(TDalClock::instance().now());
        struct tm t;
        localtime_r(&now, &t);
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].year == t.tm_year + 1900 && entries[i].month == t.tm_mon + 1 && entries[i].day == t.tm_mday)
                entry = int(i);
    } else {
        for (size_t i = 0; i < entries.size() && entry < 0; ++i)
            if (entries[i].dateId == dateId)
                entry = int(i);
    }
    if (entry < 0)
        return -1;
    AvcCaps avc;
    p.fillAvc(&avc);
    m_model = model;
    m_channels = std::min(p.channels(), int(DAL_MAX_CH));
    m_fps = p.fps();
    m_audios = p.audios();
    // The picture of the largest record resolution.
    m_width = 0;
    m_height = 0;
    for (int i = 0; i < avc.num_rridx && i < 8; ++i) {
        if (avc.rridx[i].xres * avc.rridx[i].yres > m_width * m_height) {
            m_width = avc.rridx[i].xres;
            m_height = avc.rridx[i].yres;
        }
    }
    m_camOff = camOffMask;
    m_allDay = allDay;
    double sec = startSec;
    if (!seek(&entry, &sec)) {
        m_model.reset();
        return -1;
    }
    m_entry = entry;
    m_time = sec;
    m_rate = rate;
    m_playing = true;
    report(true);
    // A decoder that starts reports the rate it starts at, as it does at
    // every change of rate.
    deliver(CBT_DEC_RATE, record());
    return 0;
}

int TDalDec::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_playing = false;
    m_model.reset();
    return 0;
}

int TDalDec::setRate(double rate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_playing)
        return -1;
    m_rate = rate;
    deliver(CBT_DEC_RATE, record());
    return 0;
}

int TDalDec::step(int forward)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_playing)
        return -1;
    m_rate = 0.0;
    const double frame = 1.0 / std::max(1, m_fps);
    m_time = std::max(0.0, std::min(kDay - frame, m_time + (forward ? frame : -frame)));
    deliver(CBT_DEC_RATE, record());
    report(false);
    return 0;
}

int TDalDec::pos(int dateId, double secOfDay)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_playing || !(secOfDay >= 0.0 && secOfDay < kDay))
        return -1;
    const std::vector<TDalDbModel::Entry>& entries = m_model->entries();
    int entry = dateId == -1 ? m_entry : -1;
    for (size_t i = 0; i < entries.size() && entry < 0; ++i)
        if (entries[i].dateId == dateId)
            entry = int(i);
    if (entry < 0)
        return -1;
    m_entry = entry;
    m_time = secOfDay;
    report(false);
    return 0;
}

int TDalDec::curDateId()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_playing ? m_model->entries()[size_t(m_entry)].dateId : -1;
}

void TDalDec::setMode(int mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mode = mode >= 0 && mode <= 2 ? mode : 0;
}

void TDalDec::setTimeRei(int rei)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rei = rei;
}

void TDalDec::setThumbnail(int cells, int ch, int seconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_thumbCells = cells;
    m_thumbCh = ch;
    m_thumbSec = seconds;
}

void TDalDec::setPanorama(int ch)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_panoCh = ch;
}

void TDalDec::second()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_playing || m_rate == 0.0)
        return;
    const double before = m_time;
    const int entry = m_entry;
    const int last = int(m_model->entries().size()) - 1;
    m_time += m_rate;
    bool ended = false;
    if (m_time >= kDay) {
        if (m_allDay && m_entry < last) {
            ++m_entry;
            m_time -= kDay;
        } else {
            m_time = kDay - 1.0;
            ended = true;
        }
    } else if (m_time < 0.0) {
        if (m_allDay && m_entry > 0) {
            --m_entry;
            m_time += kDay;
        } else {
            m_time = 0.0;
            ended = true;
        }
    }
    if (ended) {
        // The end of the recordings: playback stands still there.
        m_rate = 0.0;
        deliver(CBT_DEC_RATE, record());
    }
    report(false);
    if (m_entry == entry && m_time > before)
        textins(before, m_time);
}

void TDalDec::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_playing = false;
    m_model.reset();
    m_mode = m_rei = m_thumbCells = m_thumbCh = m_thumbSec = m_panoCh = 0;
    m_lastMask = 0;
    std::memset(m_lastWidth, 0, sizeof m_lastWidth);
}
