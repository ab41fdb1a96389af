// The recording-database search: opening the database with the search
// window's filters, the recorded months, and a day as a record map or as
// pages of events. Runs on the search window's worker thread.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
enum { MODE_TIME, MODE_EVENT, MODE_POS, MODE_THUMBNAIL, MODE_PANORAMA };
enum { TEXT_POS = 395 };

bool listMode(int mode)
{
    return mode == MODE_EVENT || mode == MODE_POS;
}

bool oneChannelMode(int mode)
{
    return mode == MODE_THUMBNAIL || mode == MODE_PANORAMA;
}

// A text of a fixed field, which need not be terminated, as a terminated
// copy of at most size - 1 characters.
template <size_t N>
void copyField(char (&dst)[N], const char* src, size_t srcSize)
{
    const size_t n = src ? strnlen(src, qMin(srcSize, N - 1)) : 0;
    if (n)
        std::memcpy(dst, src, n);
    dst[n] = '\0';
}
}

int TDVRAPI::readyFordb(const SearchQuery* q, int ch)
{
    closeDb();
    if (!q)
        return 0;
    char db[sizeof q->db + 1];
    copyField(db, q->db, sizeof q->db);
    if (!openDb(q->mode, db, ch))
        return 0;

    // The page record holds 40 events.
    m_perPage = qBound(1, q->perPage, int(MAX_PER_PAGE));
    m_year = q->year;
    m_month = q->month;
    m_day = q->day;
    m_curDayId = -1;
    m_dateIdx = -1;
    m_reiFilter = 0;
    m_evtType = q->type;
    std::memset(m_typeFilter, 0, sizeof m_typeFilter);
    std::memset(m_eventList, 0, sizeof m_eventList);
    qCDebug(lcApi, "readyFordb.. evttype:%d m_searchMode:%d", m_evtType, m_searchMode);

    // Record types by channel: the Event mode searches the channels chosen,
    // the others every channel.
    const bool event = m_searchMode == MODE_EVENT;
    uint8_t flags[CHANNELS];
    if (event)
        std::memcpy(flags, q->chOn, sizeof flags);
    else
        std::memset(flags, 1, sizeof flags);
    if (q->type < 1 || q->type > 5) {
        if (event) {
            for (int row = 0; row < 8; ++row)
                std::memcpy(m_typeFilter[row], flags, sizeof flags);
        } else {
            std::memset(m_typeFilter, 1, sizeof m_typeFilter);
        }
    } else {
        const int row = q->type - 1;
        if (q->type == 5)
            qCDebug(lcApi, "SearchType_Txtin.. m_searchMode:%d", m_searchMode);
        std::memcpy(m_typeFilter[row], flags, sizeof flags);
        // Sensor, motion and POS events are what the decoder's event list
        // plays.
        if (event && (q->type == 2 || q->type == 3 || q->type == 5))
            std::memcpy(m_eventList[row], flags, sizeof flags);
    }

    switch (m_searchMode) {
    case MODE_EVENT: Db6fFilterType(m_dbf, &m_typeFilter[0][0]); break;
    case MODE_POS: {
        char text[sizeof q->text + 1];
        copyField(text, q->text, sizeof q->text);
        Db6fFilterType(m_dbf, &m_typeFilter[0][0]);
        Db6fFilterTextin(m_dbf, text, -1);
        const Db6Date from = {q->fromYear, q->fromMonth, q->fromDay, 0, 0};
        const Db6Date to = {q->toYear, q->toMonth, q->toDay, 0, 0};
        Db6fFilterDate(m_dbf, &from, &to);
        const bool dated = from.year > 0 && from.month > 0 && from.day > 0 && to.year > 0 && to.month > 0 && to.day > 0;
        if (text[0] || dated)
            Db6fCalcFilter(m_dbf, this, &TDVRAPI::searchProgress);
        break;
    }
    case MODE_TIME:
        Db6fFilterRei(m_dbf, q->rei);
        m_reiFilter = q->rei;
        break;
    default: break;
    }

    m_monthIdx = monthIndex(q->year, q->month);
    if (m_numMonth < 1)
        return 0;
    if (m_monthIdx < 0)
        m_monthIdx = m_numMonth - 1; // the last recorded month
    return 1;
}

void TDVRAPI::searchProgress(void* ctx, const int32_t* values)
{
    if (!ctx || !values)
        return;
    TDVRAPI* api = static_cast<TDVRAPI*>(ctx);
    emit api->sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, TConfig::text(TEXT_POS),
                           QString::asprintf("%d/%d/%d", values[0], values[1], values[2]));
}

int TDVRAPI::openDb(int mode, const char* path, int searchCh)
{
    const int oldMode = m_searchMode;
    m_searchMode = mode;
    const PropSearchopt* opt = g_cfg ? static_cast<const PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 1))
                                     : nullptr;
    int flags = listMode(mode) ? 0 : 0x1;
    if ((opt && opt->DateOverlap == 0) || (g_default && g_default->getOem() == 5))
        flags |= 0x10;
    const int ch = qBound(0, searchCh < 0 ? m_searchCh : searchCh, int(DAL_MAX_CH) - 1);
    const uint32_t chMask = oneChannelMode(mode) ? ~(1u << ch) : 0u;
    qCDebug(lcApi, "openDb.. m_searchMode:%d", m_searchMode);

    int h;
    if (!path || !*path) {
        std::snprintf(m_dbPath, sizeof m_dbPath, "%s%d/data.db6", "/data", m_sdCheck.data);
        if (oneChannelMode(mode))
            h = Db6fOpen(m_dbPath, "", -1, -1, flags, chMask);
        else
            h = Db6fOpen(m_dbPath, "/", 0, 0, flags, 0);
    } else {
        copyField(m_dbPath, path, sizeof m_dbPath);
        h = Db6fOpen(m_dbPath, nullptr, -1, -1, flags, chMask);
        m_extDbOpen = h != 0 ? 1 : 0;
    }
    m_dbf = h;
    DalDecSetMode(mode == MODE_THUMBNAIL ? 1 : (mode == MODE_PANORAMA ? 2 : 0));
    if (mode != oldMode) {
        std::memset(&m_dec, 0, sizeof m_dec);
        resetPlayMode(ch);
    }
    qCDebug(lcApi, "openDb.. mode:%d szdb:%s", mode, m_dbPath);
    return m_dbf != 0 ? 1 : 0;
}

void TDVRAPI::closeDb()
{
    if (m_dbf)
        Db6fClose(m_dbf);
    m_dbf = 0;
    std::memset(&m_monthInfo, 0, sizeof m_monthInfo);
    std::memset(&m_reiDay, 0, sizeof m_reiDay);
    std::memset(&m_dayEvents, 0, sizeof m_dayEvents);
    m_year = m_month = m_day = m_numMonth = m_numItem = m_numPage = m_page = m_evtType = 0;
    m_monthIdx = m_dateIdx = m_curDayId = -1;
    m_dbPath[0] = '\0';
    m_perPage = 1;
    m_extDbOpen = 0;
    qCDebug(lcApi, "closeDb");
}

int TDVRAPI::monthIndex(int year, int month)
{
    if (!m_dbf)
        return -1;
    m_numMonth = Db6fNumMonth(m_dbf, year, month);
    if (m_numMonth < 1)
        return -1;
    const int idx = Db6fMonthIdx(m_dbf, year, month);
    qCDebug(lcApi, "TDVRAPI::monthIndex.. y:%d mon:%d cntmonth:%d midx:%d", year, month, m_numMonth, idx);
    return idx;
}

int TDVRAPI::setMonth(int year, int month)
{
    if (m_dbf) {
        m_year = year;
        m_month = month;
        m_monthIdx = monthIndex(year, month);
    }
    return 0;
}

int TDVRAPI::loadMonth()
{
    if (!m_dbf)
        return 0;
    std::memset(&m_monthInfo, 0, sizeof m_monthInfo);
    if (m_numMonth < 1) {
        m_monthIdx = m_numMonth - 1;
        return 0;
    }
    return Db6fReadMonth(m_dbf, m_monthIdx, 1, &m_monthInfo) == 1 ? 1 : 0;
}

int TDVRAPI::stepMonth(int dir)
{
    if (!m_dbf)
        return 0;
    m_monthIdx += dir >= 0 ? 1 : -1;
    if (m_monthIdx < 0) {
        m_monthIdx = 0;
        return 0;
    }
    if (m_monthIdx >= m_numMonth) {
        m_monthIdx = m_numMonth - 1;
        return 0;
    }
    return loadMonth();
}

void TDVRAPI::stopForLoad()
{
    if (!m_play)
        return;
    decRate(0.0);
    decStop();
    std::memset(&m_dec, 0, sizeof m_dec);
    resetPlayMode();
}

int TDVRAPI::loadDay(int day, int idx, int page, int chkday)
{
    qCDebug(lcApi, "TDVRAPI::loadDay day:%d idx:%d page:%d chkday:%d", day, idx, page, chkday);
    stopForLoad();
    m_page = page;
    if (page >= m_numPage || page < 0)
        m_page = qMax(0, m_numPage - 1);
    if (chkday) {
        m_year = m_monthInfo.year;
        m_month = m_monthInfo.month;
        m_dateIdx = idx;
        m_day = day;
        const int r = loadday();
        qCDebug(lcApi, "TDVRAPI::loadDay.. ret:%d", r);
        if (!r)
            return 0;
    } else {
        qCDebug(lcApi, "TDVRAPI::loadDay.. ret:%d", 1);
    }
    return listMode(m_searchMode) ? loadDayevent() : loadDayRei();
}

int TDVRAPI::loadday()
{
    if (!m_dbf)
        return 0;
    stopForLoad();
    // MonthInfo counts days 1..31.
    if (m_day < 1 || m_day > 31)
        return 0;
    const int n = m_monthInfo.count[m_day];
    if (n < 1)
        return 0;
    // The entry of the date: the asked one (1-based), the last for -1.
    int k = 0;
    if (n > 1)
        k = m_dateIdx < 0 ? n - 1 : (m_dateIdx == 0 ? 0 : m_dateIdx - 1);
    qCDebug(lcApi, "loadday!! cidx:%d", k);
    Db6Date date = {m_year, m_month, m_day, 0, 0};
    m_dateIdx = Db6fDateIdxInSameDate(m_dbf, &date, k);
    if (Db6fReadDate(m_dbf, m_dateIdx, 1, &date) != 1)
        return 0;
    m_numItem = qMax(0, date.numEvents);
    m_curDayId = date.dateId;
    m_numPage = (m_numItem + m_perPage - 1) / m_perPage;
    m_page = qMax(0, m_numPage - 1); // a newly loaded day opens on its last page
    return 1;
}

int TDVRAPI::loadDayevent()
{
    qCDebug(lcApi, "TDVRAPI::loadDayevent.. m_dbf:%08x mode:%d", unsigned(m_dbf), m_searchMode);
    if (!m_dbf)
        return 0;
    DayEvents& ev = m_dayEvents;
    std::memset(&ev, 0, sizeof ev);
    Db6fGetAvc(m_dbf, m_dateIdx, &m_avc);
    const int perPage = qBound(1, m_perPage, int(DayEvents::MAX_ITEMS));
    const int n = Db6fReadItem(m_dbf, m_dateIdx, m_page * perPage, perPage, &ev.head, ev.item);
    const int items = qBound(0, n, perPage);
    ev.page = m_page;
    ev.numPages = m_numPage;
    ev.numItems = items;
    for (int k = 0; k < items; ++k) {
        Db6Item& it = ev.item[k];
        qCDebug(lcApi, "loadDayevent.. k:%d type:%02x len:%d", k, it.type, it.textLen);
        // The text of a text-in item is the layer's: it is copied, bounded
        // and terminated, and the item then points at the copy.
        const bool textin = it.type >= 0x80 && it.type <= 0x9f && it.textLen > 0 && it.text;
        if (textin) {
            const size_t len = strnlen(it.text, qMin(size_t(it.textLen), sizeof ev.text[k] - 1));
            std::memcpy(ev.text[k], it.text, len);
            ev.text[k][len] = '\0';
            it.textLen = int(len);
        } else {
            it.textLen = 0;
        }
        it.text = textin ? ev.text[k] : nullptr;
    }
    return items;
}

int TDVRAPI::loadDayRei()
{
    if (!m_dbf)
        return 0;
    ReiDay& rei = m_reiDay;
    std::memset(&rei, 0, sizeof rei);
    if (Db6fReadReiDay(m_dbf, m_dateIdx, rei.hourMask1, rei.hourMask2) != 0)
        return 0;
    // Each hour with data on a channel of the device; one read gives the
    // hour of every channel.
    const int videos = g_cfg ? qBound(0, static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos,
                                      int(DAL_MAX_CH))
                             : 0;
    for (int hour = 0; hour < 24; ++hour)
        for (int ch = 0; ch < videos; ++ch)
            if (((rei.hourMask1[ch] | rei.hourMask2[ch]) >> hour) & 1) {
                Db6fReadReiHour(m_dbf, m_dateIdx, hour, rei.minMask1[hour], rei.minMask2[hour]);
                break;
            }
    return 1;
}
