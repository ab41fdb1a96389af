// System-log writing and paging.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tlog.h"
#include "tlogthread.h"
#include "utf8cut.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
QString fieldText(const char* field, int size)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}

// The record's date and time in the configured formats.
QString stampOf(const LogRecord& r)
{
    if (!g_cfg)
        return QString();
    return g_cfg->datetext(r.year, r.month, r.day) + QLatin1Char(' ') + g_cfg->timetext(r.hour, r.minute, r.second);
}
}

void TDVRAPI::writeLog(int code, const char* user, const char* contents)
{
    LogRecord rec;
    {
        // The write and the reading of the record it made are one step, so
        // the record kept and mailed is this call's even when other threads
        // write at the same time.
        QMutexLocker lock(&m_logMutex);
        if (!m_log)
            return;
        m_log->log_write(code, user, contents, nullptr);
        m_log->lastRecord(&rec);
        m_lastLogs[m_lastLogCount % LAST_LOGS] = rec;
        ++m_lastLogCount;
    }

    // The line for the next event e-mail.
    if (g_cfg) {
        const auto* mail = static_cast<const PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, 1));
        if (mail->on && mail->evt[5][0]) {
            const QByteArray stamp = q2Utf8Whole(stampOf(rec), 99);
            const QByteArray text = q2Utf8Whole(m_log->toText(&rec), 99);
            QByteArray line = stamp + ' ' + text;
            if (code == LOG_LOGIN)
                line += ' ' + QByteArray(user ? user : "");
            DalNeseAddEmailText(q2Utf8Whole(QString::fromUtf8(line), 255).constData());
        }
    }

    if (m_logTh)
        m_logTh->logWritten();
}

void TDVRAPI::logPages(int perPage)
{
    m_listInfo = ListInfo();
    m_logStart = 0;
    if (perPage < 1 || perPage > 99 || !m_log)
        return;
    m_listInfo.perPage = perPage;
    m_listInfo.total = m_log->count();
    m_logStart = m_log->startIndex();
    m_listInfo.pages = (m_listInfo.total + perPage - 1) / perPage;
}

void TDVRAPI::logLines(int page)
{
    m_pageLines.count = 0;
    m_pageLines.page = -1;
    const int perPage = m_listInfo.perPage;
    if (page < 0 || page >= m_listInfo.pages || perPage <= 0 || perPage > PageLines::MAX_LINES || !m_log)
        return;
    int n = perPage;
    if (page == m_listInfo.pages - 1 && m_listInfo.total % perPage > 0)
        n = m_listInfo.total % perPage;
    int got = 0;
    for (int i = 0; i < n; ++i) {
        LogRecord r;
        if (!m_log->log_read((page * perPage + m_logStart + i) % TLog::RING_SIZE, &r))
            break;
        q2Utf8Whole(m_pageLines.tag[i], stampOf(r), PageLines::LINE_SIZE);
        q2Utf8Whole(m_pageLines.line[i], m_log->toText(&r), PageLines::LINE_SIZE);
        ++got;
    }
    m_pageLines.page = page;
    m_pageLines.count = got;
}

int TDVRAPI::lastLoginOf()
{
    if (!m_log)
        return 0;
    const int count = m_log->count();
    if (count < 1)
        return 0;
    const int start = m_log->startIndex();
    for (int i = start + count - 1; i >= start; --i) {
        LogRecord r;
        if (!m_log->log_read(i % TLog::RING_SIZE, &r))
            return 0;
        if (r.code != LOG_LOGIN)
            continue;
        if (!g_cfg)
            return 0;
        const QString id = fieldText(r.user, int(sizeof r.user));
        const auto* users = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
        for (int u = 0; u < PROP_MAX_USERS; ++u)
            if (fieldText(users->user[u].id, int(sizeof users->user[u].id)) == id)
                return u;
        return 0;
    }
    return 0;
}

bool TDVRAPI::flushLog()
{
    return !m_logTh || m_logTh->flush();
}

int TDVRAPI::lastLogs(LogRecord* out, int max) const
{
    QMutexLocker lock(&m_logMutex);
    if (out && max > 0) {
        const int kept = qMin(qMin(m_lastLogCount, int(LAST_LOGS)), max);
        for (int k = 0; k < kept; ++k)
            out[k] = m_lastLogs[(m_lastLogCount - kept + k) % LAST_LOGS];
    }
    return m_lastLogCount;
}
