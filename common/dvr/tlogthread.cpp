#include "tlogthread.h"
#include "trunner.h"

#include <QLoggingCategory>
#include <QMutexLocker>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

TLogThread::TLogThread(QObject* parent)
    : QThread(parent)
{
    m_clock.start();
}

TLogThread::~TLogThread()
{
    finish();
}

void TLogThread::logWritten()
{
    QMutexLocker lock(&m_mutex);
    ++m_written;
    // Only the first write of a wait sets its end: later ones ride along.
    if (!m_waiting) {
        m_waiting = true;
        m_due = m_clock.elapsed() + m_delay;
    }
    if (m_quit)
        return;
    if (!isRunning())
        start(); // inherited priority
    m_wake.wakeAll();
}

bool TLogThread::flush()
{
    QMutexLocker lock(&m_mutex);
    if (m_written == m_done)
        return m_lastOk;
    if (!isRunning()) {
        // No thread (finished): copy on the caller's thread.
        const quint64 upTo = m_written;
        m_waiting = false;
        lock.unlock();
        copyLog();
        lock.relock();
        if (m_done < upTo)
            m_done = upTo;
        return m_lastOk;
    }
    const quint64 upTo = m_written;
    m_flushNow = true;
    m_wake.wakeAll();
    while (m_done < upTo && isRunning())
        m_copied.wait(&m_mutex, 100);
    return m_lastOk;
}

void TLogThread::finish()
{
    flush();
    {
        QMutexLocker lock(&m_mutex);
        m_quit = true;
        m_wake.wakeAll();
    }
    wait();
}

void TLogThread::setDelay(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_delay = ms;
}

int TLogThread::copies() const
{
    QMutexLocker lock(&m_mutex);
    return m_copies;
}

int TLogThread::failures() const
{
    QMutexLocker lock(&m_mutex);
    return m_failures;
}

void TLogThread::run()
{
    qCDebug(lcApi, "TLogThread::run.. ");
    QMutexLocker lock(&m_mutex);
    while (!m_quit) {
        if (m_written == m_done) {
            m_wake.wait(&m_mutex);
            continue;
        }
        const qint64 left = m_due - m_clock.elapsed();
        if (left > 0 && !m_flushNow) {
            m_wake.wait(&m_mutex, quint64(left));
            continue;
        }
        // Every write reported up to here is in the file now; a write
        // during the copy raises m_written and brings another pass.
        const quint64 upTo = m_written;
        m_flushNow = false;
        m_waiting = false;
        lock.unlock();
        copyLog();
        lock.relock();
        m_done = upTo;
        m_copied.wakeAll();
    }
}

bool TLogThread::copyLog()
{
    const bool ok = TRunner::copyFile(QStringLiteral("/tmp/SYSTEM.log"), QStringLiteral("/dvr/SYSTEM.log.tmp"))
        && TRunner::moveFile(QStringLiteral("/dvr/SYSTEM.log.tmp"), QStringLiteral("/dvr/SYSTEM.log"));
    TRunner::syncAll();
    bool first;
    {
        QMutexLocker lock(&m_mutex);
        ++m_copies;
        first = !ok && m_lastOk;
        if (!ok)
            ++m_failures;
        m_lastOk = ok;
    }
    if (first) {
        qCWarning(lcApi, "TLogThread: copy of the system log to flash failed; the flash copy is the last one made");
        emit sg_copyFailed();
    }
    return ok;
}
