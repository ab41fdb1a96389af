#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QtTest>
#include <atomic>

namespace {
// The program's answer to the recorder's question: channel 0's audio field
// counts the questions.
std::atomic<int> g_asked{0};

int answer(void*, const struct tm*, EncCfg* out)
{
    out[0].audio = ++g_asked;
    return 0;
}

DalTestEnc encState()
{
    DalTestEnc st;
    dalTestGetEnc(&st);
    return st;
}
}

class DalEncTest : public QObject
{
    Q_OBJECT
private slots:
    void recorderAsksAndRefusesDiskJobsWhileRecording()
    {
        TTestRoot root; // the control FIFO lives in the root
        dalTestReset();
        g_asked = 0;
        DalEncrSetCb(&answer, [](void*, int, int, int, const char*) { return 0; }, &root);
        QCOMPARE(DalEncrStart(), -1); // the layer does not run yet
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(DalEncrStart(), 0);
        QTRY_COMPARE(encState().asks, 1);
        QCOMPARE(DalEncrRefresh(), 0);
        QTRY_COMPARE(encState().asks, 2);
        QCOMPARE(encState().last[0].audio, 2); // the last answer is kept
        QVERIFY(encState().recording);

        // Disk jobs wait until recording stops.
        QCOMPARE(DalEncrFsckSd(), -1);
        QCOMPARE(DalEncrFormatSd(-1, 0), -1);
        QCOMPARE(DalEncrStop(), 0);
        QVERIFY(!encState().recording);
        QCOMPARE(DalEncrFsckSd(), 0);
        QCOMPARE(encState().jobs, 1);

        // Without a formatted disk there is nothing to record on.
        DalTestDisk d;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dalTestGetDisk(i, &d), 0);
            d.formatted = 0;
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        QCOMPARE(DalEncrStart(), -1);
        QCOMPARE(dalTestSetDisk(16, &d), -1);
        dalTestReset();
    }
};

QTEST_GUILESS_MAIN(DalEncTest)
#include "dalenctest.moc"
