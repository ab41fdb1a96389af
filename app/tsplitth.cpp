#include "tsplitth.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

TSplitTh::TSplitTh(QObject* parent, Work work) : QThread(parent), m_work(std::move(work)) {}

TSplitTh::~TSplitTh()
{
    // A switch still running ends with its device call; nothing waits after it.
    {
        QMutexLocker lock(&m_mutex);
        m_pending = false;
    }
    wait();
}

void TSplitTh::set(int layout, int nsw)
{
    qCDebug(lcApp, "TSplitTh::set layout:%d nsw:%d", layout, nsw);
    QMutexLocker lock(&m_mutex);
    m_layout = layout;
    m_nsw = nsw;
    m_pending = true;
}

void TSplitTh::kick()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_busy)
            return; // the running loop takes the target when its switch is done
        m_busy = true;
    }
    // A thread that left its loop may still be returning from run().
    if (isRunning())
        wait();
    start(InheritPriority);
}

bool TSplitTh::request(int layout, int nsw, int waitMs)
{
    const bool idle = wait(static_cast<unsigned long>(qMax(0, waitMs)));
    set(layout, nsw);
    kick();
    return idle;
}

int TSplitTh::layout() const
{
    QMutexLocker lock(&m_mutex);
    return m_layout;
}

int TSplitTh::nsw() const
{
    QMutexLocker lock(&m_mutex);
    return m_nsw;
}

bool TSplitTh::pending() const
{
    QMutexLocker lock(&m_mutex);
    return m_pending;
}

void TSplitTh::run()
{
    for (;;) {
        int layout;
        int nsw;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_pending) {
                m_busy = false;
                return;
            }
            layout = m_layout;
            nsw = m_nsw;
            m_pending = false;
        }
        if (m_work)
            m_work(layout, nsw);
    }
}
