#pragma once
#include <QMutex>
#include <QThread>

#include <functional>

// Switches the live layout away from the GUI thread: the device layer's
// layout call rebuilds the video output and the tiles' OSD, which takes a
// while. One instance, owned by the main window.
//
// A switch is never torn: set() stores the target (layout and page) as one
// pair, and run() takes it as one pair. A target set while a switch runs is
// kept and shown by the same thread right after it; a newer target replaces
// a waiting one, so only the latest wish is shown.
class TSplitTh : public QThread
{
    Q_OBJECT
public:
    // What one switch does with (layout, page); the main window gives the
    // device facade's layout operation.
    using Work = std::function<void(int layout, int nsw)>;

    TSplitTh(QObject* parent, Work work);
    ~TSplitTh() override;

    // The next target; -1 keeps the current layout or page.
    void set(int layout, int nsw);
    // Shows the target set last: starts the thread, or leaves the target to
    // the switch that runs (it takes it when done).
    void kick();
    // The main window's switch protocol: waits up to waitMs for the switch
    // that runs, then sets the target and kicks. False when the wait ran
    // out (the target then follows the running switch).
    bool request(int layout, int nsw, int waitMs);

    // The target set last (-1, -1 before the first set).
    int layout() const;
    int nsw() const;
    // A target is set and not taken yet.
    bool pending() const;

protected:
    void run() override;

private:
    mutable QMutex m_mutex;
    Work m_work;
    int m_layout = -1;
    int m_nsw = -1;
    bool m_pending = false;
    bool m_busy = false; // run() is in its loop and will take a new target
};
