#include "tdatasetth.h"
#include "searchreq.h"
#include "tdvrapi.h"
#include "uisearchlog.h"

#include <cstring>

TDatasetTh::TDatasetTh(QObject* parent) : QThread(parent)
{
    // Connected first, so the outcome is kept before the window's own
    // handler of finished() reads it.
    connect(this, &QThread::finished, this, &TDatasetTh::sl_ended);
}

TDatasetTh::~TDatasetTh()
{
    wait();
}

void TDatasetTh::set(int cmd, const SearchQuery* req)
{
    qCDebug(lcUiSearch, "TDatasetTh::set cmd:%d", cmd);
    m_next.cmd = cmd;
    if (req)
        m_next.req = *req;
    else
        std::memset(&m_next.req, 0, sizeof m_next.req);
    m_next.hasDay = 0;
}

void TDatasetTh::setDay(int mode, int ch, int channels, const ReiDay* day)
{
    m_next.mode = mode;
    m_next.ch = ch;
    m_next.channels = channels;
    m_next.hasDay = day ? 1 : 0;
    if (day)
        m_next.day = *day;
}

void TDatasetTh::go()
{
    if (m_busy) {
        m_pending = 1;
        return;
    }
    m_job = m_next;
    // The GUI thread may pick another channel while the job runs: the job
    // opens the database for the one in force now.
    m_job.searchCh = g_api.m_searchCh;
    m_busy = 1;
    start(QThread::InheritPriority);
}

void TDatasetTh::sl_ended()
{
    {
        QMutexLocker lock(&m_mutex);
        m_done = m_out;
        if (m_done.filled)
            std::memcpy(m_doneCells, m_cells, sizeof m_cells);
    }
    m_busy = 0;
    if (m_pending) {
        m_pending = 0;
        go();
    }
}

bool TDatasetTh::fillCells(int mode, int ch, int channels, const ReiDay& day, uint8_t* cells)
{
    int first = 0;
    int last = 0;
    int row = 0;
    if (mode == 0) {
        last = qMin(channels, int(ROWS));
    } else if (mode == 3 || mode == 4) {
        if (ch < 0 || ch >= qMin(channels, int(DAL_MAX_CH)))
            return false;
        first = ch;
        last = ch + 1;
    } else {
        return false;
    }
    std::memset(cells, 0, ROWS * MINUTES);
    for (int h = 0; h < 24; ++h) {
        const uint64_t hourBit = uint64_t(1) << h;
        for (int c = first; c < last; ++c) {
            if (!((day.hourMask1[c] | day.hourMask2[c]) & hourBit))
                continue;
            const uint64_t normal = day.minMask1[h][c];
            const uint64_t event = day.minMask2[h][c];
            if (!(normal | event))
                continue;
            uint8_t* line = cells + (mode == 0 ? c : row) * MINUTES + h * 60;
            for (int m = 0; m < 60; ++m)
                line[m] = uint8_t(((event >> m) & 1) ? 2 : (normal >> m) & 1);
        }
    }
    return true;
}

void TDatasetTh::run()
{
    QMutexLocker lock(&m_mutex);
    qCDebug(lcUiSearch, "TDatasetTh::run m_cmd:%d", m_job.cmd);
    m_out = Outcome{m_job.cmd, Act_NoReply, nullptr, 0, m_job.mode, m_job.ch, m_job.req};
    const SearchQuery& q = m_job.req;
    if (m_job.cmd == CMD_OPENDB) {
        if (QByteArray(q.db, int(strnlen(q.db, sizeof q.db))).contains("/backup/")) {
            qCDebug(lcUiSearch, "Close DB and dec");
            g_api.closeDb();
        }
        if (g_api.isPlay()) {
            g_api.decRate(0.0);
            g_api.decStop();
        }
        m_out.result = Act_ReplyLoadDb;
        if (!g_api.readyFordb(&q, m_job.searchCh))
            g_api.closeDb();
        else if (g_api.loadMonth())
            m_out.data = &g_api.m_monthInfo;
    } else if (m_job.cmd == CMD_LOADDAY) {
        qCDebug(lcUiSearch, "Act_LoadDataTime/Evt.. req:%08x", unsigned(quintptr(&q)));
        m_out.result = Act_ReplyLoadData;
        if (g_api.loadDay(q.day, q.dateIdx, q.page, q.chkday)) {
            if (g_api.m_searchMode == 1 || g_api.m_searchMode == 2)
                m_out.data = &g_api.m_dayEvents;
            else
                m_out.data = &g_api.m_reiDay;
        }
    } else if (m_job.hasDay) {
        m_out.filled = fillCells(m_job.mode, m_job.ch, m_job.channels, m_job.day, m_cells) ? 1 : 0;
    }
}
