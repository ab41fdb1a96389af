#pragma once
#include "dal.h"

#include <mutex>

// The POS side of the stand-in: the eight port records last handed in
// (DalPosSet) and which ports have a device that answers (DalPosScan; tests
// plug and unplug devices). Port 0 is the serial port, 1..4 the USB ports.
class TDalPos
{
public:
    enum { PORTS = 8 };

    TDalPos();
    void reset();

    // Copies the records; each text is kept within its field, terminated.
    void set(const PosDev* ports);
    void get(PosDev* ports) const;
    void scan(int32_t* present) const;
    // changed: whether the port's state moved (null: not asked).
    bool setPresent(int port, bool present, bool* changed = nullptr);

private:
    mutable std::mutex m_mutex;
    PosDev m_ports[PORTS];
    int32_t m_present[PORTS];
};
