// The stand-in's watchdog on its seconds.
#include "dal_test.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

class DalAlarmTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    void watchdogNotesAMissedKick_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("kickEvery"); // 0 never
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("wouldReset");
        QTest::newRow("kicked each second") << 3 << 1 << 10 << 0;
        QTest::newRow("kicked just in time") << 3 << 2 << 10 << 0;
        QTest::newRow("at the time-out") << 3 << 0 << 3 << 1;
        QTest::newRow("kicks too rare") << 3 << 3 << 10 << 1;
        QTest::newRow("armed without a time-out") << 0 << 0 << 10 << 0;
    }
    void watchdogNotesAMissedKick()
    {
        QFETCH(int, timeout);
        QFETCH(int, kickEvery);
        QFETCH(int, seconds);
        QFETCH(int, wouldReset);
        TTestRoot root;
        QCOMPARE(DalInit(), 0);
        DalIoSetCb([](void*, int, int, int) { return 0; }, nullptr);
        dalTestSetManualTicks(1);
        QCOMPARE(DalStart(), 0);
        DalIoSetWdt(1, timeout);
        for (int t = 1; t <= seconds; ++t) {
            QCOMPARE(dalTestStepTick(), t);
            if (kickEvery && t % kickEvery == 0)
                DalIoClearWdt(0);
        }
        DalTestIoOut io;
        dalTestGetIoOut(&io);
        QCOMPARE(io.now, seconds);
        QCOMPARE(io.wdtWouldReset, wouldReset);
        DalIoSetWdt(0, -1);
        dalTestGetIoOut(&io);
        QCOMPARE(io.wdtWouldReset, wouldReset); // noted until the reset
        QCOMPARE(io.wdtArmed, 0);
    }
};

QTEST_GUILESS_MAIN(DalAlarmTest)
#include "dalalarmtest.moc"
