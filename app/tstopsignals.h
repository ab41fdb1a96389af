#pragma once
#include <QAtomicInt>
#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal of the GUI thread, so that Ctrl-C
// or a "kill" ends the recorder through its clean shutdown (log entry,
// device layer stopped, settings saved) instead of killing it on the spot.
// The first stop request is caught; a second one acts as usual, so a
// shutdown that hangs can still be ended. One instance at a time.
class TStopSignals : public QObject
{
    Q_OBJECT
public:
    explicit TStopSignals(QObject* parent = nullptr);
    ~TStopSignals() override;

    // The handlers are installed (false when the pipe could not be made).
    bool isActive() const { return m_notifier != nullptr; }
    // A stop request has come (read now from the pipe, without sg_stop, or
    // seen by the event loop before). For the time after the event loop,
    // when nothing reads the pipe any more: the power-off wait asks this.
    // Any thread may ask.
    bool requested();

signals:
    // sig is SIGINT or SIGTERM.
    void sg_stop(int sig);

private:
    void sl_readable();

    // Reads what the pipe holds; the last signal number read, or 0.
    static int drain();

    QSocketNotifier* m_notifier = nullptr;
    QAtomicInt m_requested = 0;
};
