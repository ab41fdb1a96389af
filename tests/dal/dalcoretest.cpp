#include "tdalevents.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QSet>
#include <QtTest>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
void pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A slow callback of any family: marks its start and its end.
struct TSlowCallback {
    std::atomic<int> started{0}, ended{0};
    int run()
    {
        ++started;
        pause(150);
        ++ended;
        return 0;
    }
};

// An IO callback that restarts the layer from inside on key 1, then
// watches from which threads, and how many at once, keys arrive.
struct TThreadWatch {
    std::mutex mutex;
    QSet<Qt::HANDLE> threads;
    std::atomic<int> inside{0}, most{0}, seen{0};
    std::atomic<bool> running{false}; // restarted and started again

    static int io(void* ctx, int type, int, int data)
    {
        TThreadWatch* w = static_cast<TThreadWatch*>(ctx);
        if (type == CBT_IO_KEY && data == 1) {
            DalExit();
            DalInit();
            DalIoSetCb(&TThreadWatch::io, w);
            DalStart();
            w->running = true;
        } else if (type == CBT_IO_KEY) {
            w->most = qMax(w->most.load(), ++w->inside);
            {
                std::lock_guard<std::mutex> lock(w->mutex);
                w->threads.insert(QThread::currentThreadId());
            }
            pause(1);
            --w->inside;
            ++w->seen;
        }
        return 0;
    }
};
}

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

    // The live motion block of an input comes from the video thread with
    // each tick only while its trace is on and it sees motion, with the
    // cells a test chose (every cell by default).
    void liveMotionBlock_data()
    {
        QTest::addColumn<int>("trace");
        QTest::addColumn<int>("motion");
        QTest::addColumn<int>("cells"); // word 3 chosen; -1 the default
        QTest::addColumn<QVector<int>>("want"); // per tick: word 3 of the block, -2 none
        QTest::newRow("traced, moving, every cell") << 1 << 1 << -1 << QVector<int>{-1, -1};
        QTest::newRow("traced, moving, chosen cells") << 1 << 1 << 0x30 << QVector<int>{0x30, 0x30};
        QTest::newRow("traced, still") << 1 << 0 << -1 << QVector<int>{-2, -2};
        QTest::newRow("moving, not traced") << 0 << 1 << -1 << QVector<int>{-2, -2};
    }
    void liveMotionBlock()
    {
        QFETCH(int, trace);
        QFETCH(int, motion);
        QFETCH(int, cells);
        TTestRoot root;
        struct Blocks {
            std::mutex m;
            QVector<int> word3;
            Qt::HANDLE thread = nullptr;
        } seen;
        DalInit();
        DalVinSetCb(
            [](void* c, int type, const VinEvent* ev) {
                auto* b = static_cast<Blocks*>(c);
                if (type == CBT_VIN_MDINFO && ev->ch == 2 && ev->map) {
                    uint32_t w[32];
                    std::memcpy(w, ev->map, sizeof w);
                    std::lock_guard<std::mutex> lock(b->m);
                    b->word3 << int(w[3]);
                    b->thread = QThread::currentThreadId();
                }
                return 0;
            },
            &seen);
        dalTestSetManualTicks(1);
        DalIoSetCb([](void*, int, int, int) { return 0; }, nullptr);
        DalStart();
        if (cells >= 0) {
            uint32_t w[32] = {};
            w[3] = uint32_t(cells);
            QCOMPARE(dalTestMdCells(2, w), 0);
        }
        QCOMPARE(DalVinSetMdTrace(2, trace), 0);
        dalTestMotion(2, motion);
        QFETCH(QVector<int>, want);
        QVector<int> got;
        for (int t = 0; t < want.size(); ++t) {
            {
                std::lock_guard<std::mutex> lock(seen.m);
                seen.word3.clear();
            }
            QVERIFY(dalTestStepTick() > 0);
            dalTestFlush();
            std::lock_guard<std::mutex> lock(seen.m);
            got << (seen.word3.isEmpty() ? -2 : seen.word3.last());
        }
        QCOMPARE(got, want);
        QVERIFY(seen.thread != QThread::currentThreadId());
        DalTestVinState st;
        QCOMPARE(dalTestVinGetState(2, &st), 0);
        QCOMPARE(st.motion, motion);
        QCOMPARE(dalTestMdCells(DAL_MAX_CH, nullptr), -1);
    }

    void unregisterWaitsForRunningCallback_data()
    {
        QTest::addColumn<bool>("io"); // else a family of the second thread
        QTest::newRow("io") << true;
        QTest::newRow("video input") << false;
    }

    void unregisterWaitsForRunningCallback()
    {
        QFETCH(bool, io);
        TTestRoot root;
        TSlowCallback slow;
        DalInit();
        DalStart();
        if (io) {
            DalIoSetCb([](void* c, int, int, int) { return static_cast<TSlowCallback*>(c)->run(); }, &slow);
            dalTestIo(CBT_IO_SHUTTLE, 1, 2);
        } else {
            DalVinSetCb([](void* c, int, const VinEvent*) { return static_cast<TSlowCallback*>(c)->run(); }, &slow);
            dalTestVin(CBT_VIN_MOTION, 1, 1, nullptr);
        }
        QTRY_COMPARE_WITH_TIMEOUT(slow.started.load(), 1, 5000);
        io ? DalIoSetCb(nullptr, nullptr) : DalVinSetCb(nullptr, nullptr);
        // The context may be freed now: the callback that had it has ended.
        QCOMPARE(slow.ended.load(), 1);
    }

    void tickKeepsComingThroughAFlood()
    {
        TTestRoot root;
        struct Counts {
            std::atomic<int> ticks{0}, keys{0};
        } counts;
        DalInit();
        DalIoSetCb(
            [](void* c, int type, int, int) {
                Counts* n = static_cast<Counts*>(c);
                if (type == CBT_IO_TIME) {
                    ++n->ticks;
                } else {
                    ++n->keys;
                    pause(2); // a slow key handler: 500 keys a second
                }
                return 0;
            },
            &counts);
        DalStart();
        TStderrCapture err;
        std::atomic<bool> feeding{true};
        std::atomic<int> fed{0};
        // About 5000 keys a second, ten times what the handler takes.
        std::thread feeder([&] {
            while (feeding) {
                for (int i = 0; i < 50; ++i)
                    dalTestKey(0x4B524D45, 1, 0);
                fed += 50;
                pause(10);
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(counts.ticks >= 2, 4000);
        feeding = false;
        feeder.join();
        DalStop();
        err.restore();
        QVERIFY(counts.keys < fed);
        // One line per overflow, not one per dropped event.
        const int lines = err.text().count("event queue full");
        QVERIFY(lines >= 1);
        QVERIFY(lines < fed - counts.keys);
    }

    void exitAndInitInsideCallbackKeepOneThread()
    {
        TTestRoot root;
        TThreadWatch watch;
        DalInit();
        DalIoSetCb(&TThreadWatch::io, &watch);
        DalStart();
        dalTestKey(1, 1, 0); // the callback restarts the layer
        QTRY_VERIFY_WITH_TIMEOUT(watch.running.load(), 5000);
        QCOMPARE(watch.seen.load(), 0);
        for (int i = 0; i < 200; ++i)
            dalTestKey(2, 1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(watch.seen.load(), 200, 10000);
        QCOMPARE(watch.threads.size(), 1);
        QCOMPARE(watch.most.load(), 1);
        DalTestState st;
        dalTestGetState(&st);
        QCOMPARE(st.initialised, 1);
    }

    void manualTickWhoseCallbackExits()
    {
        TTestRoot root;
        dalTestSetManualTicks(1);
        DalInit();
        std::atomic<int> after{0};
        DalIoSetCb(
            [](void* c, int type, int, int) {
                if (type == CBT_IO_TIME) {
                    DalExit();
                    pause(100); // the stepper must not return before the tick has ended
                    ++*static_cast<std::atomic<int>*>(c);
                }
                return 0;
            },
            &after);
        DalStart();
        QCOMPARE(dalTestStepTick(), 1);
        QCOMPARE(after.load(), 1);
        DalTestState st;
        dalTestGetState(&st);
        QCOMPARE(st.initialised, 0);
        QCOMPARE(dalTestStepTick(), -1);
    }

    void cmdJournalReadsOnlyTheSize()
    {
        char buf[16] = "palJUNKJUNKJUNK";
        QCOMPARE(DalCmd("video-type", buf, 3), 0);
        QVERIFY(dalTestJournalFind("DalCmd(\"video-type\",\"pal\",3)") >= 0);
    }
};

QTEST_GUILESS_MAIN(DalCoreTest)
#include "dalcoretest.moc"
