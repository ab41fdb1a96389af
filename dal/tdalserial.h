#pragma once
#include "dal.h"

#include <mutex>

// The serial integration test of the board: the two UARTs of the serial
// integration port are looped back on the test jig. Each command that goes
// out on the RS-485 line is also sent on both UARTs; while the serial test
// callback is registered, the layer then reports on its delivery thread
// what came back (CBT_VELOR_TEST, record words 1 and 3): per UART 1 when
// the frame came back on its loop, 0 when it did not. A loop is closed
// unless the test driver opened it.
class TDalSerial
{
public:
    enum { UARTS = 2 };

    static TDalSerial& instance();
    void reset();

    // uart 1 or 2; false for another.
    bool setLoop(int uart, bool closed);
    // A command went out on the RS-485 line: the UARTs' echo is reported.
    void commandSent();
    // Frames sent since the reset, and those that came back on a UART.
    int sent() const;
    int echoed(int uart) const;

private:
    TDalSerial() = default;

    mutable std::mutex m_mutex;
    bool m_open[UARTS] = {};
    int m_sent = 0;
    int m_echoed[UARTS] = {};
};
