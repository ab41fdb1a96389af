#include "tdalpos.h"

#include <cstring>

TDalPos::TDalPos()
{
    reset();
}

void TDalPos::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(m_ports, 0, sizeof m_ports);
    std::memset(m_present, 0, sizeof m_present);
}

void TDalPos::set(const PosDev* ports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(m_ports, ports, sizeof m_ports);
    for (PosDev& p : m_ports) {
        char* texts[] = {p.taStart, p.taEnd, p.ignore1, p.ignore2, p.ignore3, p.ignore4};
        for (char* t : texts)
            t[sizeof p.taStart - 1] = '\0';
    }
}

void TDalPos::get(PosDev* ports) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(ports, m_ports, sizeof m_ports);
}

void TDalPos::scan(int32_t* present) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(present, m_present, sizeof m_present);
}

bool TDalPos::setPresent(int port, bool present, bool* changed)
{
    if (port < 0 || port >= PORTS)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (changed)
        *changed = (m_present[port] != 0) != present;
    m_present[port] = present;
    return true;
}
