// The stand-in's alarm, key I/O, watchdog and LED calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Alarm and key I/O ---- */

int DalIoSetSensor(int sensor, int on, int type)
{
    TDalJournal::add("DalIoSetSensor(%d,%d,%d)", sensor, on, type);
    DAL_FAILED("DalIoSetSensor");
    if (sensor < 0 || sensor >= core().profile().sensors())
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    uint32_t& m = core().state().sensorConfigured;
    m = on ? (m | (1u << sensor)) : (m & ~(1u << sensor));
    return 0;
}

int DalIoRunAlarm(uint32_t mask, uint32_t value)
{
    TDalJournal::add("DalIoRunAlarm(0x%08x,0x%08x)", mask, value);
    DAL_FAILED("DalIoRunAlarm");
    const int relays = core().profile().relays();
    const uint32_t relayMask = relays >= 32 ? 0xffffffffu : ((1u << relays) - 1u);
    std::lock_guard<std::mutex> lock(core().stateMutex());
    uint32_t& a = core().state().alarm;
    a = ((a & ~mask) | (value & mask)) & relayMask;
    return 0;
}

int DalIoRunBuzzer(int on)
{
    TDalJournal::add("DalIoRunBuzzer(%d)", on);
    DAL_FAILED("DalIoRunBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    core().state().buzzer = on != 0;
    return 0;
}

int DalIoSetBuzzer(int on)
{
    TDalJournal::add("DalIoSetBuzzer(%d)", on);
    DAL_FAILED("DalIoSetBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.keyBuzzer = on != 0;
    return 0;
}

uint32_t DalIoAlarm(void)
{
    TDalJournal::add("DalIoAlarm()");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    return core().state().alarm;
}

int DalIoBuzzer(void)
{
    TDalJournal::add("DalIoBuzzer()");
    DAL_FAILED("DalIoBuzzer");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    return core().state().buzzer;
}

int DalIoSetWdt(int on, int seconds)
{
    TDalJournal::add("DalIoSetWdt(%d,%d)", on, seconds);
    DAL_FAILED("DalIoSetWdt");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    core().state().wdtOn = on != 0;
    if (seconds > 0)
        core().state().wdtSeconds = seconds;
    return 0;
}

int DalIoClearWdt(int arg)
{
    TDalJournal::add("DalIoClearWdt(%d)", arg);
    DAL_FAILED("DalIoClearWdt");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    ++core().state().wdtClears;
    return 0;
}

int DalIoSetRmc(int id, int arg)
{
    TDalJournal::add("DalIoSetRmc(%d,%d)", id, arg);
    DAL_FAILED("DalIoSetRmc");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.rmcId = id;
    return 0;
}

int DalIoTestLed(int on)
{
    TDalJournal::add("DalIoTestLed(%d)", on);
    DAL_FAILED("DalIoTestLed");
    std::lock_guard<std::mutex> lock(core().stateMutex());
    g_misc.testLed = on != 0;
    return 0;
}

} // extern "C"
