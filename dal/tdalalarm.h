#pragma once
#include "dal_test.h"

#include <cstdint>
#include <mutex>
#include <string>

// The alarm side of the stand-in's IO family: relay outputs, the buzzer,
// the key buzzer, the remote-controller id, the LEDs, the system keyboard's
// protocol text and the watchdog. The watchdog runs on the stand-in's
// seconds (one per tick): armed with a time-out, it notes a reset that the
// hardware would make when no kick came in time, and never resets anything.
class TDalAlarm
{
public:
    enum Led { HDD_ERROR, PANIC, TEST };

    TDalAlarm();
    void reset();

    // Relays: bits of mask take the bits of value, within the relay count.
    void runAlarm(uint32_t mask, uint32_t value, int relays);
    uint32_t alarm() const;
    void setBuzzer(bool on);
    int buzzer() const;
    void setKeyBuzzer(bool on);
    void setRmcId(int id);
    void setLed(Led led, bool on);
    void setKeyboard(const std::string& text);

    // Watchdog: on/off, and a time-out when seconds is above 0. Arming
    // starts the count from now; so does every kick.
    void setWdt(bool on, int seconds, int now);
    void kick(int now);
    // One second of the stand-in passed: a reset is due when the watchdog
    // is armed with a time-out and the last kick is that long ago.
    void second(int now);

    void get(DalTestIoOut* out) const;

private:
    mutable std::mutex m_mutex;
    DalTestIoOut m_s;
};
