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
    core().alarm().runAlarm(mask, value, core().profile().relays());
    return 0;
}

int DalIoRunBuzzer(int on)
{
    TDalJournal::add("DalIoRunBuzzer(%d)", on);
    DAL_FAILED("DalIoRunBuzzer");
    core().alarm().setBuzzer(on != 0);
    return 0;
}

int DalIoSetBuzzer(int on)
{
    TDalJournal::add("DalIoSetBuzzer(%d)", on);
    DAL_FAILED("DalIoSetBuzzer");
    core().alarm().setKeyBuzzer(on != 0);
    return 0;
}

uint32_t DalIoAlarm(void)
{
    TDalJournal::add("DalIoAlarm()");
    return core().alarm().alarm();
}

int DalIoBuzzer(void)
{
    TDalJournal::add("DalIoBuzzer()");
    DAL_FAILED("DalIoBuzzer");
    return core().alarm().buzzer();
}

int DalIoSetWdt(int on, int seconds)
{
    TDalJournal::add("DalIoSetWdt(%d,%d)", on, seconds);
    DAL_FAILED("DalIoSetWdt");
    core().alarm().setWdt(on != 0, seconds, core().seconds());
    return 0;
}

int DalIoClearWdt(int arg)
{
    TDalJournal::add("DalIoClearWdt(%d)", arg);
    DAL_FAILED("DalIoClearWdt");
    core().alarm().kick(core().seconds());
    return 0;
}

int DalIoSetRmc(int id, int arg)
{
    TDalJournal::add("DalIoSetRmc(%d,%d)", id, arg);
    DAL_FAILED("DalIoSetRmc");
    core().alarm().setRmcId(id);
    return 0;
}

int DalIoTestLed(int on)
{
    TDalJournal::add("DalIoTestLed(%d)", on);
    DAL_FAILED("DalIoTestLed");
    core().alarm().setLed(TDalAlarm::TEST, on != 0);
    return 0;
}

} // extern "C"
