// The stand-in's test driver (dal_test.h).
#include "dal_test.h"
#include "tdalcontrol.h"
#include "tdalcore.h"
#include "tdaljournal.h"

#include <cstdio>
#include <cstring>

extern "C" {

void dalTestReset(void)
{
    TDalCore::instance().reset();
}

int dalTestSetProfile(const char* name)
{
    return name && TDalCore::instance().selectProfile(name) ? 0 : -1;
}

void dalTestGetState(DalTestState* st)
{
    if (!st)
        return;
    TDalCore& c = TDalCore::instance();
    const TDalProfile p = c.profile();
    std::lock_guard<std::mutex> lock(c.stateMutex());
    *st = c.state();
    std::snprintf(st->profile, sizeof st->profile, "%s", p.name().c_str());
    st->channels = p.channels();
    st->pal = p.pal();
}

void dalTestSetManualTicks(int on)
{
    TDalCore::instance().setManualTicks(on != 0);
}

int dalTestStepTick(void)
{
    return TDalCore::instance().stepTick();
}

void dalTestKey(int code, int state, int remote)
{
    TDalCore::instance().injectIo(remote ? CBT_IO_RMCKEY : CBT_IO_KEY, state, code);
}

void dalTestJog(int step)
{
    TDalCore::instance().injectIo(CBT_IO_JOG, 1, step);
}

void dalTestShuttle(int pos)
{
    TDalCore::instance().injectIo(CBT_IO_SHUTTLE, 1, pos);
}

void dalTestSensor(int ch, int on)
{
    TDalCore::instance().injectIo(CBT_IO_SENSOR, ch, on);
}

void dalTestVideoLoss(int ch, int on)
{
    TDalCore::instance().injectVin(CBT_VIN_VL, ch, on);
}

void dalTestDisk(int type, int ch, int data, const char* msg)
{
    TDalCore::instance().injectEnc(type, ch, data, msg ? std::string(msg, strnlen(msg, 256)) : std::string());
}

int dalTestControlLine(const char* line)
{
    return line ? TDalControl::apply(line) : -1;
}

void dalTestFlush(void)
{
    TDalCore::instance().flush();
}

void dalTestFail(const char* call, int result)
{
    if (call)
        TDalCore::instance().setFail(call, result);
}

void dalTestClearFails(void)
{
    TDalCore::instance().clearFails();
}

int dalTestSetCount(const char* field, int value)
{
    return field && TDalCore::instance().setCountOverride(field, value) ? 0 : -1;
}

int dalTestJournalCount(void)
{
    return TDalJournal::count();
}

int dalTestJournalLine(int i, char* buf, int size)
{
    if (!buf || size < 1 || i < 0 || i >= TDalJournal::count())
        return -1;
    std::snprintf(buf, size_t(size), "%s", TDalJournal::line(i).c_str());
    return 0;
}

int dalTestJournalFind(const char* text)
{
    return TDalJournal::find(text);
}

void dalTestJournalClear(void)
{
    TDalJournal::clear();
}

int dalTestControlPath(char* buf, int size)
{
    if (!buf || size < 1)
        return -1;
    std::snprintf(buf, size_t(size), "%s", TDalCore::instance().controlPath().c_str());
    return 0;
}

} // extern "C"
