#pragma once
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

class TDVRAPI;
struct PtzEntry;

// Runs the PTZ preset tours: once a second each touring camera counts down
// the dwell of its step and is sent to the step's preset at the first second
// of the step. A camera whose alarm-preset hold (the facade's) is running is
// left alone. The tour table is loaded from the live PTZ and preset sections.
class TPtztourth : public QThread
{
    Q_OBJECT
public:
    enum { CHANNELS = 20, STEPS = 32 };

    // One channel's tour; list holds preset numbers 1..32, 0 after the last.
    struct Tour {
        int driver; // device driver index; <= 0 none
        int act;    // the tour runs
        int tourOn;
        int addr;
        int dwell; // seconds per step
        int list[STEPS];
        int step;
        int count; // seconds left at this step
    };

    explicit TPtztourth(TDVRAPI* api);
    ~TPtztourth() override;

    // The device driver index of a PTZ line's driver name; < 0 unknown.
    static int findDriver(const PtzEntry& entry);

    // Channel ch (all: ch < 0) from the configuration, stopped; its line is
    // bound with the configured speeds when its driver is known.
    void load(int ch);
    // Some channel has a known driver, its tour on, a preset on and a step.
    bool hasTour() const;
    // Starts (tour on) or stops the tour of ch (all: ch < 0) at its first step.
    void startCh(int ch);
    void stopCh(int ch);
    // Ends the thread (at once) and stops every tour.
    void stopAll();
    // Starts the thread unless it runs; one that is ending is let end first.
    void begin();
    // One second of every tour.
    void step();
    Tour tour(int ch) const;

protected:
    void run() override;

private:
    // The channels ch names within the table: [first, last).
    static void range(int ch, int* first, int* last);
    int dwellOf(int ch) const;

    TDVRAPI* m_api;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QMutex m_startMutex; // one begin or stopAll at a time
    Tour m_tour[CHANNELS] = {};
    bool m_run = false;
};
