// Playback and decoder control, and the decoder's events during playback.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tosdhooks.h"

#include <QMetaObject>
#include <QThread>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QTime>
#include <algorithm>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
enum { OEM_ID_5 = 5, TEXT_NO_DATA = 246 };

bool isOem5()
{
    return g_default && g_default->getOem() == OEM_ID_5;
}

// The live search options; zeros without a configuration.
PropSearchopt searchOpt()
{
    PropSearchopt opt = {};
    if (g_cfg)
        opt = *static_cast<const PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 1));
    return opt;
}

int secondsOfDayNow()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

// A frame rate with one decimal, cut, the decimal left out when it is 0.
QString rateText(double fps)
{
    const int tenths = int(fps * 10.0);
    if (tenths % 10 == 0)
        return QString::number(tenths / 10);
    return QString::asprintf("%d.%d", tenths / 10, qAbs(tenths % 10));
}

QChar qualityLetter(int quality)
{
    switch (quality) {
    case 0: return QLatin1Char('L');
    case 1: return QLatin1Char('M');
    case 2: return QLatin1Char('H');
    default: return QLatin1Char('S');
    }
}

// "YYYY/MM/DD hh:mm:ss" of a cell's frame; empty for a cell without picture.
QString cellTimeText(const DecChannel& c)
{
    if (c.width <= 0)
        return QString();
    const int s = int(c.time);
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day, s / 3600, s / 60 % 60, s % 60);
}

// The union of two drawn text-in rectangles, empty ones left out.
void unite(const TxtinArea& a, const TxtinArea& b, int* x, int* y, int* w, int* h)
{
    int l = 0, t = 0, r = -1, bt = -1;
    bool any = false;
    for (const TxtinArea* s : {&a, &b}) {
        if (s->drawnW <= 0 || s->drawnH <= 0)
            continue;
        const int sr = s->drawX + s->drawnW - 1, sb = s->drawY + s->drawnH - 1;
        l = any ? qMin(l, s->drawX) : s->drawX;
        t = any ? qMin(t, s->drawY) : s->drawY;
        r = any ? qMax(r, sr) : sr;
        bt = any ? qMax(bt, sb) : sb;
        any = true;
    }
    *x = l;
    *y = t;
    *w = r + 1 - l;
    *h = bt + 1 - t;
}
}

void TDVRAPI::initPlayback()
{
    std::memset(&m_dec, 0, sizeof m_dec);
    std::memset(&m_monthInfo, 0, sizeof m_monthInfo);
    std::memset(&m_reiDay, 0, sizeof m_reiDay);
    std::memset(&m_dayEvents, 0, sizeof m_dayEvents);
    std::memset(&m_avc, 0, sizeof m_avc);
    std::memset(m_typeFilter, 0, sizeof m_typeFilter);
    std::memset(m_eventList, 0, sizeof m_eventList);
    std::memset(m_posTime, 0, sizeof m_posTime);
    m_dbPath[0] = '\0';
    m_perPage = 1;
    m_year = m_month = m_day = m_numMonth = m_numItem = m_numPage = m_page = m_evtType = m_reiFilter = 0;
    m_monthIdx = m_dateIdx = m_curDayId = -1;
    m_searchCh = m_thumbNum = 0;
    m_thumbDur = 3600;
    m_pauseRate = 0.0;
    for (int ch = 0; ch < DAL_MAX_CH; ++ch)
        setPlayText(ch, QString());
}

int TDVRAPI::decStart(int hour, int min, int sec, double rate)
{
    const PropSearchopt opt = searchOpt();
    qCDebug(lcApi, "decStart.. hour:%d min:%d sec:%d rate:%.1f curdayid:%d", hour, min, sec, rate, m_curDayId);
    // Cameras the logged-in user may not watch, and covert ones unless
    // "admin" watches, are not played.
    const uint32_t camOff = userCamMask(0) | covertMask(1);
    int dateId, allDay, start, attempts;
    if (hour >= 0) {
        dateId = m_curDayId;
        allDay = opt.Range;
        start = hour * 3600 + min * 60 + sec;
        attempts = 1;
    } else {
        // Instant replay: the last seconds of today, retried a second
        // earlier while the recorder has not written them yet.
        m_searchMode = 0;
        m_reiFilter = 0;
        DalDecSetMode(0);
        dateId = -1;
        allDay = 1;
        start = secondsOfDayNow() - 5;
        attempts = 3;
        // From live view no search has opened a database yet: replay the
        // recorder's own, on the data disk.
        if (!m_dbPath[0])
            std::snprintf(m_dbPath, sizeof m_dbPath, "%s%d/data.db6", "/data", m_sdCheck.data);
    }
    if (isOem5()) {
        DalDecSetOverlap(1);
        allDay = 1;
    } else {
        DalDecSetOverlap(opt.DateOverlap == 0 ? 1 : 0);
    }
    qCDebug(lcApi, "decStart.. all_day:%d", allDay);

    switch (m_searchMode) {
    case 0:
        DalDecSetTimeRei(m_reiFilter);
        DalDecSetActiveCam(opt.Visible);
        break;
    case 1:
        DalDecSetEventList(&m_eventList[0][0], 0);
        DalDecSetActiveCam(opt.Visible);
        break;
    case 3: DalDecSetThumbnail(m_thumbNum, m_searchCh, m_thumbDur); break;
    case 4: DalDecSetPanorama(m_searchCh); break;
    default: DalDecSetActiveCam(opt.Visible); break;
    }

    int r = -1;
    for (int i = 0; i < attempts; ++i) {
        std::memset(&m_dec, 0, sizeof m_dec);
        r = DalDecStart(m_dbPath, dateId, camOff, allDay, double(start - i), rate);
        if (r >= 0)
            break;
    }
    if (r >= 0) {
        m_play = r == 0 ? 1 : 0;
        m_rate = rate;
    } else {
        m_play = 0;
    }
    return r;
}

void TDVRAPI::decStop()
{
    qCDebug(lcApi, "TDVRAPI::decStop");
    if (m_play)
        DalDecStop();
    m_play = 0;
    m_rate = 0.0;
}

void TDVRAPI::decRate(double rate)
{
    qCDebug(lcApi, "TDVRAPI::decRate:%.1f", rate);
    if (!m_play)
        return;
    m_rate = rate;
    DalDecRate(rate);
}

void TDVRAPI::decStep(int dir)
{
    if (!m_play)
        return;
    // The first step out of running playback keeps its rate: a later step
    // "in the direction of play" follows it.
    if (m_rate != 0.0) {
        m_pauseRate = m_rate;
        m_rate = 0.0;
    }
    if (dir < 0)
        dir = m_pauseRate >= 0.0 ? 1 : 0;
    DalDecStep(dir != 0);
}

int TDVRAPI::decPos(int secOfDay)
{
    if (!m_play)
        return -1;
    // Text-in lines of the old position go.
    const int n = channelCount();
    for (int ch = 0; ch < n; ++ch) {
        QMutexLocker lock(&m_posMutex);
        if (m_nPosDur[ch] <= 0)
            continue;
        TxtinArea& a = m_txtin[ch];
        const bool shown = a.on;
        clearTxtin(ch, &m_txtinImg);
        a.on = 0;
        m_posText[ch].clear();
        m_nPosDur[ch] = 0;
        const TxtinArea cleared = a;
        lock.unlock();
        if (shown && cleared.w > 0)
            notify(SIG_OSD_POS_UPDATE, (cleared.x << 16) + cleared.y, (cleared.w << 16) + cleared.h);
    }
    return DalDecPos(m_curDayId, double(secOfDay));
}

int TDVRAPI::decCurDateId()
{
    return DalDecCurDateId();
}

void TDVRAPI::decSetdevice()
{
    const PropSearchopt opt = searchOpt();
    m_deint = opt.deinterlace;
    DalDecSetDeint(m_deint);
    DalDecSetOverlap(isOem5() ? 1 : (opt.DateOverlap == 0 ? 1 : 0));
}

void TDVRAPI::decSetDeint(int on)
{
    m_deint = on;
    DalDecSetDeint(on);
}

void TDVRAPI::setMode(int f)
{
    if (m_mode == f && f == 1)
        return; // entering search twice does nothing
    qCDebug(lcApi, "======= TDVRAPI::setMode f:%d m_searchMode:%d ==============", f, m_searchMode);
    const int count = channelCount();
    const int tiles = viewCount();
    if (m_mode != 0) {
        // Leaving playback: the cells' second texts go.
        for (int ch = 0; ch < tiles; ++ch)
            if (!m_playImg[ch].isNull())
                m_playImg[ch].fill(0xff000000);
    }
    m_layoutReady = 0;
    showOsd(0, 0);
    m_mode = f;
    DalVoutSetLive(f == 0 ? 1 : 0);
    // Search on a unit without 20 channels shows no 7- or 8-cell layout.
    if (f == 1 && count != 20 && (m_layout == 7 || m_layout == 8))
        dispLayout(6, 0);
    else
        dispLayout(m_layout, -1);
    clearPlayOverlays();
    if (f == 0) {
        m_searchMode = 0;
        for (int ch = 0; ch < tiles; ++ch)
            drawOsdText(ch, titleOf(ch), &m_titleImg[ch], 0, 0);
        layoutInfo();
        if (isOem5()) {
            int32_t chain[DAL_MAX_CH];
            std::fill(chain, chain + DAL_MAX_CH, -1);
            makeChain(m_layout, m_sw, chain);
            DalVoutSetLayout(2, m_layout, chain);
        }
    } else {
        drawPlayTitles();
        for (int ch = 0; ch < DAL_MAX_CH; ++ch)
            setPlayText(ch, QString());
        layoutInfo();
    }
    m_modeReady = 1;
    m_layoutReady = 1;
    m_frozen = 0;
    showOsd(m_sowOsdOn, 0);
    repaintOsd();
}

void TDVRAPI::drawPlayTitles()
{
    // Thumbnails carry no title; the panorama's cells all show its camera.
    const int count = viewCount();
    for (int ch = 0; ch < count; ++ch) {
        QString title;
        if (m_searchMode == 4)
            title = titleOf(m_searchCh);
        else if (m_searchMode != 3)
            title = titleOf(ch);
        drawOsdText(ch, title, &m_titleImg[ch], 0, 0);
    }
}

void TDVRAPI::resetPlayMode(int searchCh)
{
    qCDebug(lcApi, "======= TDVRAPI::resetPlayMode m_searchMode:%d ==============", m_searchMode);
    for (int ch = 0; ch < DAL_MAX_CH; ++ch)
        setPlayText(ch, QString());
    clearPlayOverlays();
    // Thumbnail and panorama cells are all the one camera's.
    const int count = viewCount();
    const int chosen = searchCh < 0 ? m_searchCh : searchCh;
    {
        QMutexLocker osdLock(&m_osdMutex);
        for (int ch = 0; ch < count; ++ch) {
            const bool one = m_searchMode == 3 || m_searchMode == 4;
            drawOsdText(ch, titleOf(one ? chosen : ch), &m_titleImg[ch], 0, 0);
        }
    }
    repaintOsd();
}

void TDVRAPI::clearPlayOverlays()
{
    const int n = channelCount();
    QMutexLocker lock(&m_posMutex);
    for (int ch = 0; ch < n; ++ch) {
        clearTxtin(ch, &m_txtinImg);
        if (m_txtin[ch].on) {
            m_txtin[ch].on = 0;
            m_posText[ch].clear();
        }
    }
}

void TDVRAPI::repaintOsd()
{
    // The whole OSD area, as the resources size it.
    const QSize screen = osdSize(16);
    notify(SIG_OSD_POS_UPDATE, 0, (screen.width() << 16) + screen.height());
    QCoreApplication::processEvents();
}

int TDVRAPI::testDecStart()
{
    // Nothing has opened the database in the board test: the decoder
    // plays the data disk's, as a search would open it.
    if (!m_dbPath[0])
        std::snprintf(m_dbPath, sizeof m_dbPath, "%s%d/data.db6", "/data", m_sdCheck.data);
    DalVoutSetLive(0);
    m_searchMode = 0;
    m_reiFilter = 0;
    DalDecSetMode(0);
    return DalDecStart(m_dbPath, -1, 0, 1, double(secondsOfDayNow() - 10), 1.0);
}

void TDVRAPI::testDecStop()
{
    DalVoutSetLive(1);
    DalDecStop();
}

void TDVRAPI::setPlayText(int ch, const QString& text)
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return;
    {
        QMutexLocker lock(&m_playTextMutex);
        m_playText[ch] = text;
    }
    // The cell's second-text image shows it. Text is drawn in the GUI
    // thread only: the decoder's callback thread would share the font
    // engine with the windows' painting.
    const QByteArray utf8 = text.toUtf8();
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, ch, utf8] { drawOsdText2(ch, utf8.constData()); }, Qt::QueuedConnection);
        return;
    }
    drawOsdText2(ch, utf8.constData());
}

QString TDVRAPI::playText(int ch) const
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return QString();
    QMutexLocker lock(&m_playTextMutex);
    return m_playText[ch];
}

void TDVRAPI::sl_decInfo(int ch, QString text)
{
    setPlayText(ch, text);
    if (m_sowOsdOn && !m_osdLock)
        notify(SIG_DEC_CHALL, ch);
}

bool TDVRAPI::cellTimes(const DecInfo* rec, int cells, bool perCell)
{
    bool changed = false;
    for (int k = 0; k < qBound(0, cells, int(DAL_MAX_CH)); ++k) {
        const DecChannel& in = rec->entry[k];
        DecChannel& c = m_dec.entry[k];
        if (in.time == c.time)
            continue;
        c.year = in.year;
        c.month = in.month;
        c.day = in.day;
        c.time = in.time;
        if (perCell)
            qCDebug(lcApi, "OSD.. k:%d pos:%d", k, int(in.time));
        setPlayText(k, cellTimeText(in));
        if (perCell)
            notify(SIG_DEC_CHALL, k, 0);
        changed = true;
    }
    return changed;
}

int TDVRAPI::runDecInfo(int type, const DecInfo* rec)
{
    if (!rec)
        return 0;
    switch (type) {
    case CBT_DEC_CHALL:
        qCDebug(lcApi, "CBT_DEC_CHALL chinfo:%08x", rec->chinfo);
        notify(SIG_DEC_CHALL, -1, int(rec->chinfo));
        return 0;
    case CBT_DEC_RATE:
        m_dec.rate = rec->rate;
        notifyRecord(SIG_DEC_INFO_RATE, 0, 0, &m_dec, int(sizeof m_dec));
        return 0;
    case CBT_DEC_TIME:
        // A new date goes out before the time of that date.
        if (rec->year != m_dec.year || rec->month != m_dec.month || rec->day != m_dec.day) {
            m_dec.year = rec->year;
            m_dec.month = rec->month;
            m_dec.day = rec->day;
            notifyRecord(SIG_DEC_INFO_DATE, 0, 0, &m_dec, int(sizeof m_dec));
        }
        if (m_searchMode == 3 && cellTimes(rec, m_thumbNum, false))
            notify(SIG_DEC_CHALL, -1, 0);
        if (int(rec->time) != int(m_dec.time)) {
            m_dec.time = rec->time;
            notifyRecord(SIG_DEC_INFO_TIME, 0, 0, &m_dec, int(sizeof m_dec));
        }
        // Each cell of the panorama layout.
        if (m_searchMode == 4)
            cellTimes(rec, numLayoutCam(m_layout), true);
        return 0;
    default:
        if (type >= CBT_DEC_INFO_CH && type < CBT_DEC_TEXTIN_CH + DAL_MAX_CH)
            decText(type, rec);
        return 0;
    }
}

// Decode information (types 0..31) and text-in lines (32..63) of a channel.
// Types beyond are refused before anything is copied: the record has 32
// channel entries.
void TDVRAPI::decText(int type, const DecInfo* rec)
{
    const int videos = channelCount();
    if (type < CBT_DEC_TEXTIN_CH) {
        const int ch = type;
        if (ch >= videos)
            return;
        DecChannel& c = m_dec.entry[ch];
        std::memcpy(&c, &rec->entry[ch], sizeof c);
        c.text[sizeof c.text - 1] = '\0';
        const bool picture = c.width > 0 && c.height > 0;
        if (m_searchMode <= 2) {
            QString text;
            if (picture) {
                text = QString::asprintf("%dx%d ", c.width, c.height) + rateText(c.fps) + QLatin1Char(' ')
                    + qualityLetter(c.quality) + QLatin1Char(' ') + QLatin1Char(c.audio ? 'A' : ' ');
                qCDebug(lcApi, "================ decinfo ch:%d fps:%d wid:%d hi:%d ==================", ch,
                        int(c.fps), c.width, c.height);
            } else {
                text = TConfig::text(TEXT_NO_DATA);
                // A camera the logged-in user may not watch stays blank.
                const auto* users = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
                for (int u = 0; u < PROP_MAX_USERS; ++u)
                    if (qstrncmp(users->user[u].id, m_curUser, sizeof users->user[u].id) == 0) {
                        if (!users->user[u].camlocal[ch])
                            text.clear();
                        break;
                    }
            }
            setPlayText(ch, text);
        } else if (m_searchMode == 3 && ch < m_thumbNum) {
            if (!picture)
                setPlayText(ch, TConfig::text(TEXT_NO_DATA));
        } else {
            setPlayText(ch, QString());
        }
        return;
    }

    const int c = type - CBT_DEC_TEXTIN_CH;
    char* line = m_dec.entry[c].text;
    const size_t n = strnlen(rec->entry[c].text, sizeof m_dec.entry[c].text - 1);
    std::memcpy(line, rec->entry[c].text, n);
    line[n] = '\0';
    qCDebug(lcApi, "CBT_DEC_TEXTIN_CH%02d m_sowOsdOn:%d m_osdLock:%d", c, m_sowOsdOn, m_osdLock);
    if (!m_sowOsdOn || m_osdLock)
        return;
    if (m_searchMode > 2 || (m_searchMode < 2 && !searchOpt().pos) || c >= videos)
        return;

    const QString text = QString::fromUtf8(line, int(n));
    const auto* pos = static_cast<const PropPos*>(g_cfg->getsection(IDX_PROP_POS, 1));
    const int dur = int(g_cfg->getvaluefromindex(IDX_DATA_OVERLAY_TIME, qBound(0, int(pos->overlaytime), 11)));
    // The POS callback and the tick change the same overlay on other device
    // threads; the notifications go out after the lock.
    QMutexLocker lock(&m_posMutex);
    TxtinArea& area = m_txtin[c];
    const TxtinArea before = area;
    if (!text.isEmpty()) {
        area.on = 1;
        placeTxtin(c);
        qCDebug(lcApi, "CBT_DEC_TEXTIN_CH.. on:%d ", 1);
        drawTxtin(c, line, &m_txtinImg);
        m_posText[c] = text;
        // A line seen during playback stays twice the overlay time.
        m_nPosDur[c] = 2 * dur;
        m_posTime[c] = int(m_dec.time);
        int x, y, w, h;
        unite(before, area, &x, &y, &w, &h);
        lock.unlock();
        notify(SIG_OSD_POS_UPDATE, (x << 16) + y, (w << 16) + h);
        return;
    }
    qCDebug(lcApi, "CBT_DEC_TEXTIN_CH.. on:%d ", 0);
    if (m_dec.rate != 0.0) {
        m_nPosDur[c] = dur;
        m_posTime[c] = int(m_dec.time);
    } else if (area.on && area.placed && m_sowOsdOn && !m_osdLock) {
        area.on = 0;
        m_posText[c].clear();
        lock.unlock();
        emit sg_dvrNotify(SIG_POS_TEXTIN, c, 0, 0, QString(), QString());
    }
}
