#pragma once
#include "dal.h"
#include "dal_test.h"

#include <deque>
#include <mutex>

// The PTZ side of the stand-in: its camera protocols ("drivers"), the
// cameras on the serial line by address (driver, baud and speeds bound to
// it, the channel linked to it, the presets stored in it, what it is doing)
// and the log of the commands sent on the line, stamped with the stand-in's
// seconds. A command to an address without a bound protocol cannot be sent
// and fails.
class TDalPtz
{
public:
    enum { ADDRESSES = 256, PRESETS = 32, BAUDS = 6, LOG_SIZE = 4096 };

    TDalPtz();
    void reset();

    // The driver table; cnt is the count to report (may exceed the table).
    void fillCaps(PtzCaps* caps, int cnt) const;
    // The index of a driver name among the first cnt drivers, -1 when none.
    int findDriver(const char* name, int cnt) const;
    int drivers() const;

    int setAddr(int addr, int driver, int baud, int speedPan, int speedTilt, int cnt);
    int link(int ch, int addr, int channels);
    int cmd(int addr, int cmd, bool stop, int now);
    int preset(int addr, int op, int index, int now);

    int logCount() const;
    bool logEntry(int i, DalTestPtzCmd* out) const;
    void clearLog();
    bool camera(int addr, DalTestPtzCam* out) const;

private:
    void log(int now, int addr, int op, int arg);

    mutable std::mutex m_mutex;
    DalTestPtzCam m_cam[ADDRESSES];
    std::deque<DalTestPtzCmd> m_log;
};
