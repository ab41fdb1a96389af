// The stand-in's test driver (dal_test.h).
#include "dal_test.h"
#include "dalcall.h"
#include "tdalbackup.h"
#include "tdalcontrol.h"
#include "tdalcore.h"
#include "tdaldb.h"
#include "tdaldisks.h"
#include "tdalenc.h"
#include "tdalfile.h"
#include "tdaljournal.h"
#include "tdalnet.h"
#include "tdalserial.h"
#include "tdalvin.h"
#include "tdalvout.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {
using Family = TDalCore::Family;
using Callbacks = TDalCore::Callbacks;

TDalCore& core()
{
    return TDalCore::instance();
}

// A text handed to a callback: the stand-in's own copy, or null.
struct Text {
    bool set = false;
    std::string text;
    explicit Text(const char* s)
        : set(s != nullptr)
        , text(s ? std::string(s, strnlen(s, 4096)) : std::string())
    {
    }
    const char* get() const { return set ? text.c_str() : nullptr; }
};

// A record handed to a callback by address: the stand-in's own copy.
std::shared_ptr<std::vector<unsigned char>> copyOf(const void* rec, size_t size)
{
    auto v = std::make_shared<std::vector<unsigned char>>(size, 0);
    if (rec && size)
        std::memcpy(v->data(), rec, size);
    return v;
}

// The file steps a test asked to fail; the core keeps the calls' own.
void clearStepFails()
{
    TDalFile::failStep(TDalFile::Place, -1);
    TDalFile::failStep(TDalFile::NoReplace, -1);
}
}

extern "C" {

void dalTestReset(void)
{
    clearStepFails();
    TDalBackup::instance().reset(); // its job delivers through the core
    TDalCore::instance().reset();
    TDalNet::instance().reset();
    TDalVin::instance().reset();
    TDalVout::instance().reset();
    TDalEnc::instance().reset();
    TDalDisks::instance().reset();
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
    // The outputs and the watchdog are kept by the alarm side.
    DalTestIoOut io;
    c.alarm().get(&io);
    st->alarm = io.relays;
    st->buzzer = io.buzzer;
    st->wdtOn = io.wdtArmed;
    st->wdtSeconds = io.wdtSeconds;
    st->wdtClears = io.wdtKicks;
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
    TDalCore::instance().injectVin(CBT_VIN_VL, ch, on, nullptr);
}

void dalTestDisk(int type, int ch, int data, const char* msg)
{
    TDalCore::instance().injectEnc(type, ch, data, msg);
}

/* ---- One event per callback family ---- */

void dalTestIo(int type, int from, int data)
{
    core().injectIo(type, from, data);
}

void dalTestEnc(int type, int ch, int data, const char* msg)
{
    core().injectEnc(type, ch, data, msg);
}

int dalTestEncCfg(const struct tm* now, EncCfg* out)
{
    return TDalEnc::instance().askWait(now ? *now : TDalEnc::localNow(), out);
}

void dalTestDec(int type, const DecInfo* rec)
{
    auto copy = copyOf(rec, sizeof(DecInfo));
    core().deliver(Family::DEC, [type, copy](const Callbacks& cb) {
        if (cb.dec)
            cb.dec(cb.ctx[Family::DEC], type, reinterpret_cast<const DecInfo*>(copy->data()));
    });
}

int dalTestNet(int type, const void* data, int size, int value, NetpackReply* reply)
{
    const size_t n = data && size > 0 ? size_t(size) : 0;
    auto copy = copyOf(data, n);
    auto answer = copyOf(nullptr, sizeof(NetpackReply));
    const bool hasData = data != nullptr;
    const int r = core().deliverWait(Family::NET, [=](const Callbacks& cb) {
        if (!cb.net)
            return -1;
        return cb.net(cb.ctx[Family::NET], type, hasData ? copy->data() : nullptr, int(n),
                      reinterpret_cast<NetpackReply*>(answer->data()), value);
    });
    if (reply)
        std::memcpy(reply, answer->data(), sizeof *reply);
    return r;
}

void dalTestBackup(int type, intptr_t value, const void* rec, int size, const char* msg)
{
    auto copy = rec && size > 0 ? copyOf(rec, size_t(size)) : nullptr;
    const Text text(msg);
    core().deliver(Family::BACKUP, [type, value, copy, text](const Callbacks& cb) {
        if (cb.backup)
            cb.backup(cb.ctx[Family::BACKUP], type, copy ? intptr_t(copy->data()) : value, text.get());
    });
}

void dalTestNese(int type, const uint32_t* info, int count, const char* state)
{
    auto copy = info && count > 0 ? copyOf(info, sizeof(uint32_t) * size_t(count)) : nullptr;
    const Text text(state);
    core().deliver(Family::NESE, [type, copy, text](const Callbacks& cb) {
        if (cb.nese)
            cb.nese(cb.ctx[Family::NESE], type, copy ? reinterpret_cast<const uint32_t*>(copy->data()) : nullptr,
                    text.get());
    });
}

void dalTestVin(int type, int ch, int value, const unsigned char* map)
{
    core().injectVin(type, ch, value, map);
}

void dalTestPos(int type, int ch, int value, const char* text)
{
    const Text copy(text);
    core().deliver(Family::POS, [type, ch, value, copy](const Callbacks& cb) {
        if (cb.pos)
            cb.pos(cb.ctx[Family::POS], type, ch, value, copy.get());
    });
}

void dalTestSerial(int type, const int32_t* rec)
{
    auto copy = copyOf(rec, sizeof(int32_t) * 4);
    core().deliver(Family::SERIAL, [type, copy](const Callbacks& cb) {
        if (cb.serial)
            cb.serial(cb.ctx[Family::SERIAL], type, reinterpret_cast<const int32_t*>(copy->data()));
    });
}

int dalTestSerialLoop(int uart, int closed)
{
    return TDalSerial::instance().setLoop(uart, closed != 0) ? 0 : -1;
}

void dalTestSerialGet(DalTestSerialState* out)
{
    if (!out)
        return;
    const TDalSerial& s = TDalSerial::instance();
    out->sent = s.sent();
    out->echoed[0] = s.echoed(1);
    out->echoed[1] = s.echoed(2);
}

int dalTestControlLine(const char* line)
{
    return line && TDalControl::apply(line) == 0 ? 0 : -1;
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
    clearStepFails();
}

int dalTestFailStep(const char* step, int after)
{
    const std::string s = step ? step : "";
    if (s != "place" && s != "noreplace")
        return -1;
    TDalFile::failStep(s == "place" ? TDalFile::Place : TDalFile::NoReplace, after);
    return 0;
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

int dalTestDbDescribe(const char* path, const char* text)
{
    const std::string why = TDalDb::describe(path, text);
    if (why.empty())
        return 0;
    TDalJournal::say(TDalJournal::cut(path, 255) + ": " + why);
    return -1;
}

int dalTestDbReads(void)
{
    return TDalDb::instance().reads();
}

/* ---- Video outputs ---- */

int dalTestVoutGet(int output, DalTestVout* out)
{
    return TDalVout::instance().get(output, out);
}

void dalTestDisplayGet(DalTestDisplay* out)
{
    TDalVout::instance().display(out);
}

int dalTestVoutOverlay(int hd, DalTestOverlay* info, void* buf, int size)
{
    return TDalVout::instance().overlayCopy(hd != 0, info, buf, size);
}

int dalTestControlPath(char* buf, int size)
{
    if (!buf || size < 1)
        return -1;
    std::snprintf(buf, size_t(size), "%s", TDalCore::instance().controlPath().c_str());
    return 0;
}

const char* dalTestControlKeyWord(int i)
{
    return TDalControl::keyWord(i);
}

/* ---- Video inputs and audio ---- */

int dalTestVinGetState(int ch, DalTestVinState* out)
{
    if (!out || ch < 0 || ch >= core().profile().channels() || !TDalVin::instance().state(ch, out))
        return -1;
    std::lock_guard<std::mutex> lock(core().stateMutex());
    std::memcpy(out->camName, dalcall::g_misc.camName[ch], sizeof out->camName);
    out->camName[sizeof out->camName - 1] = '\0';
    return 0;
}

void dalTestAudioGetState(DalTestAudioState* out)
{
    if (out)
        TDalVin::instance().audio(out);
}

int dalTestVinFormat(int ch, int width, int height, int progressive, double fps)
{
    if (ch < 0 || ch >= core().profile().channels()
        || !TDalVin::instance().setFormat(ch, width, height, progressive, fps))
        return -1;
    core().injectVin(CBT_VIN_CAMERA, ch, 0, nullptr);
    return 0;
}

void dalTestMotion(int ch, int on)
{
    core().injectVin(CBT_VIN_MOTION, ch, on, nullptr);
}

int dalTestMdCells(int ch, const uint32_t* words)
{
    return TDalVin::instance().setLiveCells(ch, words) ? 0 : -1;
}

int dalTestPrivacyLimit(double cx, double cy)
{
    return core().setPrivacyLimit(cx, cy) ? 0 : -1;
}

} // extern "C"
