#include "tdalserial.h"
#include "tdalcore.h"

TDalSerial& TDalSerial::instance()
{
    static TDalSerial serial;
    return serial;
}

void TDalSerial::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < UARTS; ++i) {
        m_open[i] = false;
        m_echoed[i] = 0;
    }
    m_sent = 0;
}

bool TDalSerial::setLoop(int uart, bool closed)
{
    if (uart < 1 || uart > UARTS)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open[uart - 1] = !closed;
    return true;
}

void TDalSerial::commandSent()
{
    int32_t rec[4] = {};
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_sent;
        for (int i = 0; i < UARTS; ++i) {
            const int back = m_open[i] ? 0 : 1;
            m_echoed[i] += back;
            rec[1 + 2 * i] = back; // words 1 and 3
        }
    }
    TDalCore::instance().deliver(TDalCore::SERIAL, [rec](const TDalCore::Callbacks& cb) {
        if (cb.serial)
            cb.serial(cb.ctx[TDalCore::SERIAL], CBT_VELOR_TEST, rec);
    });
}

int TDalSerial::sent() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sent;
}

int TDalSerial::echoed(int uart) const
{
    if (uart < 1 || uart > UARTS)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_echoed[uart - 1];
}
