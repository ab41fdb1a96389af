// The serial integration test of the stand-in: commands on the RS-485 line
// go round the two UART loops and their echo is reported on the layer's
// thread while the serial test callback is registered.
#include "dal_test.h"
#include "ttestroot.h"

#include <QtTest>
#include <atomic>
#include <mutex>
#include <thread>

namespace {
// What the serial test callback heard, and on which thread.
struct TSerialWatch {
    std::mutex mutex;
    QVector<QVector<int>> results; // type, word 1, word 3
    std::thread::id thread;

    static int cb(void* ctx, int type, const int32_t* rec)
    {
        auto* w = static_cast<TSerialWatch*>(ctx);
        std::lock_guard<std::mutex> lock(w->mutex);
        w->results << QVector<int>{type, rec[1], rec[3]};
        w->thread = std::this_thread::get_id();
        return 0;
    }
    int count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return results.size();
    }
};
}

class TDalSerialTest : public QObject
{
    Q_OBJECT
private slots:
    void loops_data()
    {
        QTest::addColumn<int>("loop1"); // closed 1, open 0
        QTest::addColumn<int>("loop2");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("commandResult"); // the PTZ command's result
        QTest::addColumn<QVector<int>>("reported"); // empty: nothing
        QTest::newRow("both closed") << 1 << 1 << true << 0 << QVector<int>{CBT_VELOR_TEST, 1, 1};
        QTest::newRow("uart 1 open") << 0 << 1 << true << 0 << QVector<int>{CBT_VELOR_TEST, 0, 1};
        QTest::newRow("uart 2 open") << 1 << 0 << true << 0 << QVector<int>{CBT_VELOR_TEST, 1, 0};
        QTest::newRow("both open") << 0 << 0 << true << 0 << QVector<int>{CBT_VELOR_TEST, 0, 0};
        QTest::newRow("no callback: sent, not reported") << 1 << 1 << false << 0 << QVector<int>{};
        QTest::newRow("command not sent: nothing") << 1 << 1 << true << -1 << QVector<int>{};
    }

    void loops()
    {
        QFETCH(int, loop1);
        QFETCH(int, loop2);
        QFETCH(bool, registered);
        QFETCH(int, commandResult);
        QFETCH(QVector<int>, reported);
        TTestRoot root;
        dalTestReset();
        TSerialWatch watch;
        QCOMPARE(DalInit(), 0);
        if (registered)
            QCOMPARE(DalSerialTestSetCb(&TSerialWatch::cb, &watch), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(dalTestSerialLoop(1, loop1), 0);
        QCOMPARE(dalTestSerialLoop(2, loop2), 0);
        // A command to an address without a protocol cannot be sent.
        if (commandResult == 0)
            QCOMPARE(DalPtzSetAddr(0, 3, 5, 0, 0), 0);
        QCOMPARE(DalPtzCmd(0, 2) == 0 ? 0 : -1, commandResult);
        dalTestFlush();
        DalTestSerialState st;
        dalTestSerialGet(&st);
        QCOMPARE(st.sent, commandResult == 0 ? 1 : 0);
        QCOMPARE(st.echoed[0], commandResult == 0 ? loop1 : 0);
        QCOMPARE(st.echoed[1], commandResult == 0 ? loop2 : 0);
        std::lock_guard<std::mutex> lock(watch.mutex);
        QCOMPARE(watch.results.value(0), reported);
        QCOMPARE(watch.results.size(), reported.isEmpty() ? 0 : 1);
        if (!reported.isEmpty())
            QVERIFY(watch.thread != std::this_thread::get_id());
        DalSerialTestSetCb(nullptr, nullptr);
        dalTestReset();
    }

    void uartsOutsideTheJig_data()
    {
        QTest::addColumn<int>("uart");
        QTest::addColumn<int>("result");
        QTest::newRow("0") << 0 << -1;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("2") << 2 << 0;
        QTest::newRow("3") << 3 << -1;
    }

    void uartsOutsideTheJig()
    {
        QFETCH(int, uart);
        QFETCH(int, result);
        dalTestReset();
        QCOMPARE(dalTestSerialLoop(uart, 0), result);
    }

    // The reset closes the loops and forgets the counts.
    void resetClosesLoops()
    {
        TTestRoot root;
        dalTestReset();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(dalTestSerialLoop(1, 0), 0);
        QCOMPARE(DalPtzSetAddr(0, 3, 5, 0, 0), 0);
        QCOMPARE(DalPtzCmd(0, 2), 0);
        dalTestReset();
        DalTestSerialState st;
        dalTestSerialGet(&st);
        QCOMPARE(st.sent, 0);
        QCOMPARE(st.echoed[0], 0);
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(DalPtzSetAddr(0, 3, 5, 0, 0), 0);
        QCOMPARE(DalPtzCmd(0, 2), 0);
        dalTestSerialGet(&st);
        QCOMPARE(st.echoed[0], 1);
        QCOMPARE(st.echoed[1], 1);
        dalTestReset();
    }
};

QTEST_GUILESS_MAIN(TDalSerialTest)
#include "dalserialtest.moc"
