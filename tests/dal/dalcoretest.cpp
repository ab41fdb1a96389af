#include "tdalevents.h"
#include "ttestroot.h"

#include <QtTest>

class DalCoreTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    void ticksArriveOnAnotherThread()
    {
        TTestRoot root;
        TDalEvents seen;
        QCOMPARE(DalInit(), 0);
        seen.registerAll();
        QCOMPARE(DalStart(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(seen.ticks >= 2, 5000);
        QVERIFY(seen.thread[0] != QThread::currentThreadId());
        QVERIFY(seen.lastTick >= 2); // the running count of seconds
        QCOMPARE(DalStop(), 0);
    }

    void manualTicksStepSynchronously()
    {
        TTestRoot root;
        TDalEvents seen;
        dalTestSetManualTicks(1);
        QCOMPARE(DalStart(), -1); // needs DalInit
        QCOMPARE(dalTestStepTick(), -1);
        DalInit();
        seen.registerAll();
        QCOMPARE(dalTestStepTick(), -1); // registered but not started
        DalStart();
        QCOMPARE(seen.ticks.load(), 0);
        QCOMPARE(dalTestStepTick(), 1);
        QCOMPARE(seen.ticks.load(), 1); // delivered before the step returned
        QCOMPARE(dalTestStepTick(), 2);
        QCOMPARE(seen.ticks.load(), 2);
        QCOMPARE(seen.lastTick.load(), 2);
        QVERIFY(seen.thread[0] != QThread::currentThreadId());
        DalIoSetCb(nullptr, nullptr);
        QCOMPARE(dalTestStepTick(), -1); // started but no callback
        QCOMPARE(seen.ticks.load(), 2);
    }

    void noCallbackAfterUnregisterOrStop()
    {
        TTestRoot root;
        TDalEvents seen;
        dalTestSetManualTicks(1);
        DalInit();
        seen.registerAll();
        DalStart();
        dalTestKey(0x4B524D45, 1, 0);
        dalTestFlush();
        DalIoSetCb(nullptr, &seen);
        dalTestKey(0x4B524D45, 2, 0);
        dalTestFlush();
        seen.registerAll();
        QCOMPARE(DalStop(), 0);
        dalTestKey(0x4B524D45, 2, 0);
        dalTestVideoLoss(3, 1);
        dalTestFlush();
        QCOMPARE(dalTestStepTick(), -1);
        QCOMPARE(seen.events(), (DalEventList{{0, CBT_IO_KEY, 1, 0x4B524D45}}));
    }

    void familiesRunOnSeparateThreads()
    {
        TTestRoot root;
        TDalEvents seen;
        DalInit();
        seen.registerAll();
        DalStart();
        dalTestSensor(2, 1);
        dalTestFlush();
        dalTestVideoLoss(5, 1);
        dalTestFlush();
        dalTestDisk(CBT_ENC_SD_MOUNT, 0, 1, "ok");
        dalTestFlush();
        QCOMPARE(seen.events(), (DalEventList{{0, CBT_IO_SENSOR, 2, 1}, {1, CBT_VIN_VL, 5, 1}, {2, CBT_ENC_SD_MOUNT, 0, 1}}));
        QVERIFY(seen.thread[0] && seen.thread[1]);
        QVERIFY(seen.thread[0] != seen.thread[1]);
        QVERIFY(seen.thread[1] != QThread::currentThreadId());
        DalTestState st;
        dalTestGetState(&st);
        QCOMPARE(st.sensors, 1u << 2);
        QCOMPARE(st.videoLoss, 1u << 5);
    }
};

QTEST_GUILESS_MAIN(DalCoreTest)
#include "dalcoretest.moc"
