#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QThread>
#include <QtTest>
#include <array>
#include <atomic>
#include <mutex>
#include <vector>

namespace {
// What a registered callback saw, written on the stand-in's threads.
struct Seen {
    std::mutex mutex;
    std::vector<std::array<int, 3>> io;
    std::vector<std::array<int, 2>> vin;
    std::vector<int> enc;
    std::atomic<int> ticks{0};
    std::atomic<int> lastTick{0};
    Qt::HANDLE ioThread = nullptr;
    Qt::HANDLE vinThread = nullptr;
};

int ioCb(void* ctx, int type, int from, int data)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    s->ioThread = QThread::currentThreadId();
    if (type == CBT_IO_TIME) {
        s->lastTick = data;
        ++s->ticks;
    } else {
        s->io.push_back({type, from, data});
    }
    return 0;
}

int vinCb(void* ctx, int type, const VinEvent* ev)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    s->vinThread = QThread::currentThreadId();
    s->vin.push_back({type * 100 + ev->ch, ev->value});
    return 0;
}

int encNotifyCb(void* ctx, int type, int, int, const char*)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    s->enc.push_back(type);
    return 0;
}
}

class DalCoreTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ticksArriveOnAnotherThread();
    void manualTicksStepSynchronously();
    void stepWithoutStartDeliversNothing();
    void noCallbackAfterStop();
    void familiesRunOnSeparateThreads();
    void nullCallbackUnregisters();
    void startNeedsInit();
};

void DalCoreTest::init()
{
    dalTestReset();
}

void DalCoreTest::cleanup()
{
    dalTestReset();
}

void DalCoreTest::ticksArriveOnAnotherThread()
{
    TTestRoot root;
    Seen seen;
    QCOMPARE(DalInit(), 0);
    QCOMPARE(DalIoSetCb(ioCb, &seen), 0);
    QCOMPARE(DalStart(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(seen.ticks >= 2, 5000);
    {
        std::lock_guard<std::mutex> lock(seen.mutex);
        QVERIFY(seen.ioThread != QThread::currentThreadId());
    }
    // The tick carries the running count of seconds.
    QVERIFY(seen.lastTick >= 2);
    QCOMPARE(DalStop(), 0);
}

void DalCoreTest::manualTicksStepSynchronously()
{
    TTestRoot root;
    Seen seen;
    dalTestSetManualTicks(1);
    DalInit();
    DalIoSetCb(ioCb, &seen);
    DalStart();
    QCOMPARE(seen.ticks.load(), 0);
    QCOMPARE(dalTestStepTick(), 1);
    QCOMPARE(seen.ticks.load(), 1); // delivered before the step returned
    QCOMPARE(seen.lastTick.load(), 1);
    QCOMPARE(dalTestStepTick(), 2);
    QCOMPARE(dalTestStepTick(), 3);
    QCOMPARE(seen.ticks.load(), 3);
    QCOMPARE(seen.lastTick.load(), 3);
    DalTestState st;
    dalTestGetState(&st);
    QCOMPARE(st.tickCount, 3);
    QCOMPARE(st.manualTicks, 1);
    {
        std::lock_guard<std::mutex> lock(seen.mutex);
        QVERIFY(seen.ioThread != QThread::currentThreadId());
    }
}

void DalCoreTest::stepWithoutStartDeliversNothing()
{
    TTestRoot root;
    Seen seen;
    dalTestSetManualTicks(1);
    QCOMPARE(dalTestStepTick(), -1); // nothing initialised
    DalInit();
    DalIoSetCb(ioCb, &seen);
    QCOMPARE(dalTestStepTick(), -1); // registered but not started
    DalStart();
    DalIoSetCb(nullptr, nullptr);
    QCOMPARE(dalTestStepTick(), -1); // started but no callback
    QCOMPARE(seen.ticks.load(), 0);
}

void DalCoreTest::noCallbackAfterStop()
{
    TTestRoot root;
    Seen seen;
    dalTestSetManualTicks(1);
    DalInit();
    DalIoSetCb(ioCb, &seen);
    DalVinSetCb(vinCb, &seen);
    DalStart();
    dalTestKey(0x4B524D45, 1, 0);
    dalTestFlush();
    QCOMPARE(DalStop(), 0);
    dalTestKey(0x4B524D45, 2, 0);
    dalTestVideoLoss(3, 1);
    dalTestFlush();
    QCOMPARE(dalTestStepTick(), -1);
    std::lock_guard<std::mutex> lock(seen.mutex);
    QCOMPARE(int(seen.io.size()), 1);
    QCOMPARE(seen.io[0][0], int(CBT_IO_KEY));
    QCOMPARE(seen.io[0][1], 1);
    QCOMPARE(seen.vin.size(), size_t(0));
}

void DalCoreTest::familiesRunOnSeparateThreads()
{
    TTestRoot root;
    Seen seen;
    DalInit();
    DalIoSetCb(ioCb, &seen);
    DalVinSetCb(vinCb, &seen);
    DalEncrSetCb(nullptr, encNotifyCb, &seen);
    DalStart();
    dalTestSensor(2, 1);
    dalTestVideoLoss(5, 1);
    dalTestDisk(CBT_ENC_SD_MOUNT, 0, 1, "ok");
    dalTestFlush();
    std::lock_guard<std::mutex> lock(seen.mutex);
    QCOMPARE(int(seen.io.size()), 1);
    QCOMPARE(seen.io[0][0], int(CBT_IO_SENSOR));
    QCOMPARE(seen.io[0][1], 2);
    QCOMPARE(seen.io[0][2], 1);
    QCOMPARE(int(seen.vin.size()), 1);
    QCOMPARE(seen.vin[0][0], CBT_VIN_VL * 100 + 5);
    QCOMPARE(seen.enc, std::vector<int>{CBT_ENC_SD_MOUNT});
    QVERIFY(seen.ioThread && seen.vinThread);
    QVERIFY(seen.ioThread != seen.vinThread);
    QVERIFY(seen.vinThread != QThread::currentThreadId());
    DalTestState st;
    dalTestGetState(&st);
    QCOMPARE(st.sensors, 1u << 2);
    QCOMPARE(st.videoLoss, 1u << 5);
}

void DalCoreTest::nullCallbackUnregisters()
{
    TTestRoot root;
    Seen seen;
    DalInit();
    DalIoSetCb(ioCb, &seen);
    DalStart();
    DalIoSetCb(nullptr, &seen);
    dalTestKey(0x4B524D45, 1, 1);
    dalTestFlush();
    std::lock_guard<std::mutex> lock(seen.mutex);
    QVERIFY(seen.io.empty());
}

void DalCoreTest::startNeedsInit()
{
    QCOMPARE(DalStart(), -1);
    DalTestState st;
    dalTestGetState(&st);
    QCOMPARE(st.running, 0);
}

QTEST_GUILESS_MAIN(DalCoreTest)
#include "dalcoretest.moc"
