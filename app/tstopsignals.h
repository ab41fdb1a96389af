#pragma once
#include <QAtomicInt>
#include <QObject>

#include <thread>

// Turns SIGINT and SIGTERM into a signal of the GUI thread, so that Ctrl-C
// or a "kill" ends the recorder through its clean shutdown (log entry,
// device layer stopped, settings saved) instead of killing it on the spot.
// The first stop request is caught; a second one acts as usual.
//
// A watcher thread of its own takes the request from the signal handler, so
// it is served whatever the GUI thread is doing: the device layer's threads
// that wait for the GUI thread (a remote-setup packet) give up at once, no
// program with a bound (TRunner: the clock, the network start script)
// starts any more, and when the GUI thread has not taken the request within
// the bound (it is blocked or hung), the process ends as the signal would
// have ended it, without the clean shutdown. The same bound holds for the
// shutdown itself: one that began (a request taken, Power Off, the
// upgrade's end) and has not reached the end of the event loop within it
// ends the process too. One instance at a time.
class TStopSignals : public QObject
{
    Q_OBJECT
public:
    enum { TakeBoundMs = 10000 };

    explicit TStopSignals(QObject* parent = nullptr, int takeBoundMs = TakeBoundMs);
    ~TStopSignals() override;

    // The handlers are installed (false when the pipe could not be made).
    bool isActive() const { return m_active; }
    // A stop request has come. For the time after the event loop, when
    // nothing delivers sg_stop any more: the power-off wait asks this, and
    // the asker then serves the request. Any thread may ask.
    bool requested();

    // The clean shutdown began (again: nothing more), and it ended (the
    // event loop is over); for the GUI thread. Nothing while no watcher runs.
    static void shutdownBegins();
    static void shutdownEnds();

signals:
    // sig is SIGINT or SIGTERM; in the thread the object lives in.
    void sg_stop(int sig);

private:
    // The watcher thread: waits for a request, hands it to the GUI thread
    // and ends the process when it is not taken within the bound, or when
    // a shutdown that began has not ended within it.
    void watch();
    // Ends the process without the clean shutdown: as the signal sig ends
    // it, or with 1 for a shutdown no signal asked for.
    [[noreturn]] static void endNow(int sig, const char* what, int boundMs);
    // Waits up to ms for a byte of the pipe; the byte, or -1 on time-out.
    static int nextByte(int ms);

    std::thread m_watcher;
    QAtomicInt m_requested = 0;
    QAtomicInt m_taken = 0;
    int m_boundMs;
    bool m_active = false;
};
