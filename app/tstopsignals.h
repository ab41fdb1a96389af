#pragma once
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

signals:
    // sig is SIGINT or SIGTERM.
    void sg_stop(int sig);

private:
    void sl_readable();

    QSocketNotifier* m_notifier = nullptr;
};
