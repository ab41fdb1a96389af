#include "townerthread.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>

// Work handed to the thread that owns an object: done there while it serves
// its events (which know they serve another thread), withdrawn unrun when it
// does not take it in time or the program is closing (unless the owner waits
// for the caller's thread), and always waited for once it has begun.
class TOwnerThreadTest : public QObject
{
    Q_OBJECT
private slots:
    // The owners below live in this thread, as the store in the GUI thread.
    void initTestCase() { TOwnerThread::prepare(); }
    void cleanup() { TOwnerThread::setClosing(false); }

    void handOver_data()
    {
        QTest::addColumn<bool>("ownerServes");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<bool>("kept"); // the owner waits for the caller's thread
        QTest::addColumn<bool>("ran");
        QTest::newRow("owner serves its events") << true << false << false << true;
        QTest::newRow("owner blocked past the bound") << false << false << false << false;
        QTest::newRow("program closing") << true << true << false << false;
        QTest::newRow("program closing, a thread it waits for") << true << true << true << true;
        QTest::newRow("blocked past the bound, a thread it waits for") << false << true << true << false;
    }

    void handOver()
    {
        QFETCH(bool, ownerServes);
        QFETCH(bool, closing);
        QFETCH(bool, kept);
        QFETCH(bool, ran);
        QObject owner;
        TOwnerThread::setClosing(closing);
        std::atomic<bool> done{false}, result{false};
        QThread* workThread = nullptr;
        std::thread caller([&] {
            if (kept)
                TOwnerThread::keepThroughClosing();
            result = TOwnerThread::call(&owner, [&] { workThread = QThread::currentThread(); }, 200);
            done = true;
        });
        if (ownerServes) {
            QTRY_VERIFY(done.load());
        } else {
            while (!done)
                QThread::msleep(10); // blocked: no event is served
            // A withdrawn call stays unrun even when the owner serves later.
            QCoreApplication::processEvents();
        }
        caller.join();
        QCOMPARE(result.load(), ran);
        QCOMPARE(workThread, ran ? owner.thread() : nullptr);
    }

    // Without a bound the work waits for the owner until its caller is
    // being stopped: then it is withdrawn unrun.
    void unboundedUntilTheCallerStops()
    {
        QObject owner;
        std::atomic<bool> stop{false}, done{false}, result{true}, ran{false};
        std::thread caller([&] {
            result = TOwnerThread::call(&owner, [&] { ran = true; }, TOwnerThread::NoBound, [&] { return stop.load(); });
            done = true;
        });
        QThread::msleep(300); // blocked past any short bound: still waiting
        QVERIFY(!done.load());
        stop = true;
        while (!done)
            QThread::msleep(10);
        caller.join();
        QCoreApplication::processEvents();
        QVERIFY(!result.load());
        QVERIFY(!ran.load());
    }

    void ownerThreadRunsAtOnce()
    {
        QObject owner;
        int calls = 0;
        QVERIFY(TOwnerThread::call(&owner, [&] { ++calls; }));
        QCOMPARE(calls, 1);
    }

    // Work the owner has begun is waited for even past the bound.
    void begunWorkIsWaitedFor()
    {
        QObject owner;
        std::atomic<bool> started{false}, finished{false}, result{false};
        QSemaphore release;
        std::thread caller([&] {
            result = TOwnerThread::call(&owner, [&] {
                started = true;
                release.acquire();
                finished = true;
            }, 50);
        });
        std::thread releaser([&] {
            while (!started)
                QThread::msleep(5);
            QThread::msleep(200); // past the caller's bound
            release.release();
        });
        QTRY_VERIFY(started.load());
        caller.join();
        releaser.join();
        QVERIFY(result.load());
        QVERIFY(finished.load());
    }
};

QTEST_GUILESS_MAIN(TOwnerThreadTest)
#include "townerthreadtest.moc"
