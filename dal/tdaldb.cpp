#include "tdaldb.h"
#include "trootmap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {
struct DateRow {
    int year, month, day, id;
};
const DateRow kDateRows[TDalDb::kDates] = {
    {2026, 11, 29, 1001}, {2026, 11, 30, 1002}, {2026, 12, 1, 1003}};

int firstDateOfMonth(int m) { return m == 0 ? 0 : 2; }
int datesInMonth(int m) { return m == 0 ? 2 : 1; }

bool internalPath(const char* path)
{
    int disk;
    char rest[16];
    return std::sscanf(path, "/data%d/data.db6%15s", &disk, rest) == 1 && disk >= 0;
}

bool externalExists(const char* path)
{
    std::string p;
    struct stat st;
    return TRootMap::map(path, &p) && ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}

TDalDb& TDalDb::instance()
{
    static TDalDb db;
    return db;
}

bool TDalDb::hasHour(int ch, int d, int hour, int plane)
{
    if (plane == 1)
        return hour >= (ch + d) % 6 && hour != 12; // continuous, a gap at noon
    return (hour == 8 || hour == 17) && (ch + d) % 2 == 0; // event recording
}

TDalDb::Open* TDalDb::find(int h)
{
    for (Open& o : m_open)
        if (o.handle == h)
            return &o;
    return nullptr;
}

int TDalDb::open(const char* path, int channels, int sensors, int disks)
{
    if (!path || !*path)
        return 0;
    const bool internal = internalPath(path);
    if (internal ? disks < 1 : !externalExists(path))
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_open.size() >= 8)
        return 0;
    m_open.push_back({m_next, channels, sensors > 0 ? sensors : 1, internal});
    return m_next++;
}

int TDalDb::close(int h)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = 0; i < m_open.size(); ++i)
        if (m_open[i].handle == h) {
            m_open.erase(m_open.begin() + long(i));
            return 0;
        }
    return -1;
}

int TDalDb::numMonth(int h)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    return o ? months(o) : -1;
}

int TDalDb::monthIdx(int h, int year, int month)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o)
        return -1;
    for (int m = 0; m < months(o); ++m) {
        const DateRow& r = kDateRows[firstDateOfMonth(m)];
        if (r.year == year && r.month == month)
            return m;
    }
    return -1;
}

int TDalDb::readMonth(int h, int idx, int count, MonthInfo* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !out || idx < 0 || idx >= months(o) || count < 1)
        return -1;
    int n = 0;
    for (int m = idx; m < months(o) && n < count; ++m, ++n) {
        MonthInfo& mi = out[n];
        std::memset(&mi, 0, sizeof mi);
        const int first = firstDateOfMonth(m);
        mi.year = kDateRows[first].year;
        mi.month = kDateRows[first].month;
        for (int d = first; d < first + datesInMonth(m); ++d)
            mi.count[kDateRows[d].day] = 1;
    }
    return n;
}

int TDalDb::dateIdxInSameDate(int h, const Db6Date* date, int k)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !date || k != 0) // one entry per date
        return -1;
    for (int d = 0; d < dates(o); ++d)
        if (kDateRows[d].year == date->year && kDateRows[d].month == date->month
            && kDateRows[d].day == date->day)
            return d;
    return -1;
}

int TDalDb::readDate(int h, int idx, int count, Db6Date* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !out || idx < 0 || idx >= dates(o) || count < 1)
        return -1;
    int n = 0;
    for (int d = idx; d < dates(o) && n < count; ++d, ++n) {
        out[n].year = kDateRows[d].year;
        out[n].month = kDateRows[d].month;
        out[n].day = kDateRows[d].day;
        out[n].numEvents = numEvents(d);
        out[n].dateId = kDateRows[d].id;
    }
    return n;
}

int TDalDb::getAvc(int h, int dateIdx, Db6Avc* avc, const AvcCaps& caps)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !avc || dateIdx < 0 || dateIdx >= dates(o))
        return -1;
    std::memset(avc, 0, sizeof *avc);
    avc->numRes = caps.num_rridx < 0 ? 0 : (caps.num_rridx > 8 ? 8 : caps.num_rridx);
    for (int i = 0; i < avc->numRes; ++i) {
        avc->resW[i] = caps.rridx[i].xres;
        avc->resH[i] = caps.rridx[i].yres;
    }
    avc->numRate = caps.num_fidx < 0 ? 0 : (caps.num_fidx > 60 ? 60 : caps.num_fidx);
    for (int i = 0; i < avc->numRate; ++i)
        avc->fps1000[i] = int(caps.fidx2fps[i] * 1000.0);
    return 0;
}

int TDalDb::readItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !items || dateIdx < 0 || dateIdx >= dates(o) || first < 0 || count < 0)
        return -1;
    const int total = numEvents(dateIdx);
    int n = 0;
    // One slot per date and item, made once, so the texts stay where the
    // items of earlier reads point.
    const int slots = numEvents(kDates - 1);
    if (m_texts.empty())
        m_texts.resize(size_t(slots) * kDates);
    for (int k = first; k < total && n < count; ++k, ++n) {
        Db6Item& it = items[n];
        std::memset(&it, 0, sizeof it);
        const int ch = k % o->channels;
        switch (k % 4) {
        case 0: // recording: resolution index 0, rate index 0
            it.type = uint8_t(ch);
            it.word8 = 0;
            break;
        case 1:
            it.type = uint8_t(32 + k % o->sensors);
            break;
        case 2:
            it.type = uint8_t(64 + ch);
            break;
        default: {
            it.type = uint8_t(128 + ch);
            std::string& t = m_texts[size_t(dateIdx * slots + k)];
            char buf[64];
            std::snprintf(buf, sizeof buf, "POS %d ITEM %d", ch + 1, k);
            t = buf;
            it.text = t.c_str();
            it.textLen = int(t.size());
        }
        }
    }
    if (head) {
        std::memset(head, 0, sizeof *head);
        head->numItems = n;
    }
    return n;
}

int TDalDb::readReiDay(int h, int dateIdx, uint64_t* hour1, uint64_t* hour2)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !hour1 || !hour2 || dateIdx < 0 || dateIdx >= dates(o))
        return -1;
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        hour1[ch] = hour2[ch] = 0;
        if (ch >= o->channels)
            continue;
        for (int hr = 0; hr < 24; ++hr) {
            if (hasHour(ch, dateIdx, hr, 1))
                hour1[ch] |= uint64_t(1) << hr;
            if (hasHour(ch, dateIdx, hr, 2))
                hour2[ch] |= uint64_t(1) << hr;
        }
    }
    return 0;
}

int TDalDb::readReiHour(int h, int dateIdx, int hour, uint64_t* min1, uint64_t* min2)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !min1 || !min2 || dateIdx < 0 || dateIdx >= dates(o) || hour < 0 || hour > 23)
        return -1;
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        min1[ch] = min2[ch] = 0;
        if (ch >= o->channels)
            continue;
        if (hasHour(ch, dateIdx, hour, 1))
            min1[ch] = (uint64_t(1) << 60) - 1; // every minute
        if (hasHour(ch, dateIdx, hour, 2))
            min2[ch] = (uint64_t(1) << 10) - 1; // the first ten minutes
    }
    return 0;
}

void TDalDb::erase()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_erased = true;
}

void TDalDb::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_erased = false;
}
