#include "tdalalarm.h"

#include <cstdio>
#include <cstring>

TDalAlarm::TDalAlarm()
{
    reset();
}

void TDalAlarm::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(&m_s, 0, sizeof m_s);
    m_s.rmcId = -1;
}

void TDalAlarm::runAlarm(uint32_t mask, uint32_t value, int relays)
{
    const uint32_t relayMask = relays >= 32 ? 0xffffffffu : relays <= 0 ? 0u : ((1u << relays) - 1u);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.relays = ((m_s.relays & ~mask) | (value & mask)) & relayMask;
}

uint32_t TDalAlarm::alarm() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_s.relays;
}

void TDalAlarm::setBuzzer(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.buzzer = on;
}

int TDalAlarm::buzzer() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_s.buzzer;
}

void TDalAlarm::setKeyBuzzer(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.keyBuzzer = on;
}

void TDalAlarm::setRmcId(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.rmcId = id;
}

void TDalAlarm::setLed(Led led, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int32_t* leds[] = {&m_s.hddErrorLed, &m_s.panicLed, &m_s.testLed};
    *leds[led] = on;
}

void TDalAlarm::setKeyboard(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::snprintf(m_s.keyboard, sizeof m_s.keyboard, "%s", text.c_str());
}

void TDalAlarm::setWdt(bool on, int seconds, int now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (on && !m_s.wdtArmed)
        m_s.wdtLastKick = now;
    m_s.wdtArmed = on;
    if (seconds > 0)
        m_s.wdtSeconds = seconds;
}

void TDalAlarm::kick(int now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.wdtLastKick = now;
    ++m_s.wdtKicks;
}

void TDalAlarm::second(int now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_s.now = now;
    if (m_s.wdtArmed && m_s.wdtSeconds > 0 && now - m_s.wdtLastKick >= m_s.wdtSeconds)
        m_s.wdtWouldReset = 1;
}

void TDalAlarm::get(DalTestIoOut* out) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = m_s;
}
