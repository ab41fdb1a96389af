#pragma once
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <QElapsedTimer>

// Copies the system log from RAM ("/tmp/SYSTEM.log") to flash
// ("/dvr/SYSTEM.log") two seconds after a write: through
// "/dvr/SYSTEM.log.tmp", a rename and a sync, so the flash copy is never
// torn. The first write not yet copied starts the wait and the writes that
// follow within it go with the same copy, so a steady stream of writes never
// puts the copy off. A write that lands while a copy runs starts the next
// wait, so no record stays only in RAM until some later write.
class TLogThread : public QThread
{
    Q_OBJECT
public:
    explicit TLogThread(QObject* parent = nullptr);
    ~TLogThread() override;

    // A log write happened: starts the wait before the next copy unless one
    // is already under way. Safe from any thread.
    void logWritten();
    // Copies now when a write has not been copied yet, and returns when the
    // copy is done (for shutdown and tests). Safe from any thread but this one.
    // False when the last copy failed (the flash copy is then the one of the
    // last copy that succeeded).
    bool flush();
    // Ends the thread after copying what is pending.
    void finish();
    // The wait after the last write (2000 ms; tests shorten it).
    void setDelay(int ms);
    // Copies made since the thread was created, and those that failed.
    int copies() const;
    int failures() const;

signals:
    // A copy failed after one that succeeded (a full or read-only flash):
    // one report for a run of failures. Emitted on the copying thread.
    void sg_copyFailed();

protected:
    void run() override;

private:
    bool copyLog();

    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_copied;
    QElapsedTimer m_clock;
    qint64 m_due = 0;      // m_clock time of the next copy
    bool m_waiting = false; // a write not yet copied has started the wait
    quint64 m_written = 0; // writes reported so far
    quint64 m_done = 0;    // writes covered by the last finished copy
    int m_delay = 2000;
    int m_copies = 0;
    int m_failures = 0;
    bool m_lastOk = true;
    bool m_flushNow = false;
    bool m_quit = false;
};
