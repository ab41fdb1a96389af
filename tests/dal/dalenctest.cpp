#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>
#include <memory>
#include <mutex>

namespace {
// What the recorder's notifications deliver, and its questions answered
// with a marker (channel 0's audio field counts the questions).
struct TEncSink {
    std::mutex mutex;
    QVector<QVector<int>> events; // {type, ch, data}
    int asked = 0;

    static int notify(void* ctx, int type, int ch, int data, const char*)
    {
        auto* s = static_cast<TEncSink*>(ctx);
        std::lock_guard<std::mutex> lock(s->mutex);
        s->events.push_back({type, ch, data});
        return 0;
    }
    static int cfg(void* ctx, const struct tm*, EncCfg* out)
    {
        auto* s = static_cast<TEncSink*>(ctx);
        std::lock_guard<std::mutex> lock(s->mutex);
        out[0].audio = ++s->asked;
        return 0;
    }
    int count(int type)
    {
        std::lock_guard<std::mutex> lock(mutex);
        return int(std::count_if(events.begin(), events.end(), [type](const QVector<int>& e) { return e[0] == type; }));
    }
};

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
    void init()
    {
        m_root.reset(new TTestRoot); // the control FIFO lives in the root
        dalTestReset();
        DalEncrSetCb(&TEncSink::cfg, &TEncSink::notify, &m_sink);
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
    }
    void cleanup()
    {
        dalTestReset();
        m_sink.events.clear();
        m_sink.asked = 0;
        m_root.reset();
    }

    void recorderAsksAtStartAndRefresh()
    {
        QCOMPARE(DalEncrStart(), 0);
        QTRY_COMPARE(encState().asks, 1);
        QCOMPARE(DalEncrRefresh(), 0);
        QTRY_COMPARE(encState().asks, 2);
        QCOMPARE(encState().last[0].audio, 2); // the last answer is kept
        QVERIFY(encState().recording);
        QCOMPARE(DalEncrStop(), 0);
        QVERIFY(!encState().recording);
        // Without a formatted disk there is nothing to record on.
        DalTestDisk none = {};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(dalTestSetDisk(i, &none), 0);
        QCOMPARE(DalEncrStart(), -1);
        DalStop();
        QCOMPARE(DalEncrRefresh(), -1);
    }

    void diskJobs_data()
    {
        QTest::addColumn<bool>("format");
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QString>("fail");
        QTest::addColumn<int>("progress"); // progress texts, -1 refused
        QTest::addColumn<bool>("erased");
        // Disk 2 of the four carries no file system: a check skips it.
        QTest::newRow("check") << false << 0 << false << "" << 7 << false;
        QTest::newRow("format all") << true << -1 << false << "" << 13 << true;
        QTest::newRow("format the database disk") << true << 0 << false << "" << 4 << true;
        QTest::newRow("format another disk") << true << 2 << false << "" << 3 << false;
        QTest::newRow("format while recording") << true << 1 << true << "" << -1 << false;
        QTest::newRow("format a missing disk") << true << 9 << false << "" << -1 << false;
        QTest::newRow("check refused by the layer") << false << 0 << false << "DalEncrFsckSd" << -1 << false;
    }

    void diskJobs()
    {
        QFETCH(bool, format);
        QFETCH(int, disk);
        QFETCH(bool, recording);
        QFETCH(QString, fail);
        QFETCH(int, progress);
        QFETCH(bool, erased);
        DalTestDisk d;
        QCOMPARE(dalTestGetDisk(2, &d), 0);
        d.formatted = 0;
        QCOMPARE(dalTestSetDisk(2, &d), 0);
        if (recording)
            QCOMPARE(DalEncrStart(), 0);
        if (!fail.isEmpty())
            dalTestFail(qPrintable(fail), -1);
        const int r = format ? DalEncrFormatSd(disk, 0) : DalEncrFsckSd();
        QCOMPARE(r, progress < 0 ? -1 : 0);
        const int end = format ? CBT_ENC_SD_FORMAT_END : CBT_ENC_SD_FSCK_END;
        if (r == 0)
            QTRY_COMPARE(m_sink.count(end), 1);
        dalTestFlush();
        QCOMPARE(m_sink.events.size(), qMax(progress + 1, 0));
        if (r == 0)
            QCOMPARE(m_sink.events.last()[0], end);
        QCOMPARE(encState().jobs, r == 0 ? 1 : 0);
        Db6Check check;
        QCOMPARE(Db6CheckSd(&check), 0);
        QCOMPARE(check.formatted[2], format && (disk == 2 || disk == -1) && r == 0 ? 1 : 0);
        const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0);
        QCOMPARE(Db6fNumMonth(h, 2026, 11), erased ? 0 : 2);
    }

    void diskTableRecords_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<int>("unformatted"); // mask of disks without a file system
        QTest::addColumn<int>("data");
        QTest::addColumn<double>("usage");
        // Every formatted disk is a quarter full, except disk 1 (empty).
        QTest::newRow("four disks") << false << 0 << 0 << 75.0 / 4;
        QTest::newRow("mirrored: the pairs count once") << true << 0 << 0 << 25.0;
        QTest::newRow("first disk unformatted") << false << 1 << 1 << 50.0 / 3;
        QTest::newRow("none formatted") << false << 15 << -1 << 0.0;
    }

    void diskTableRecords()
    {
        QFETCH(bool, mirror);
        QFETCH(int, unformatted);
        QFETCH(int, data);
        QFETCH(double, usage);
        dalTestSetMirror(mirror);
        for (int i = 0; i < 4; ++i) {
            DalTestDisk d;
            QCOMPARE(dalTestGetDisk(i, &d), 0);
            d.formatted = !(unformatted >> i & 1);
            if (i == 1)
                d.used = 0; // a mirror reports its partner's use anyway
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        SdInfo table[16];
        double got = -1;
        QCOMPARE(DalEncrGetSdInfo(table, &got), 0);
        QCOMPARE(got, usage);
        if (mirror)
            QCOMPARE(table[1].used, table[0].used);
        QCOMPARE(table[4].type, 0);
        QCOMPARE(table[0].formatted == 0, bool(unformatted & 1));
        Db6Check check;
        QCOMPARE(Db6CheckSd(&check), 0);
        QCOMPARE(check.data, data);
        QCOMPARE(check.mirror, int(mirror));
        QCOMPARE(DalEncrMountSd(), 0);
        QTRY_COMPARE(m_sink.count(CBT_ENC_SD_MOUNT), 1);
        QCOMPARE(m_sink.events.last(), (QVector<int>{CBT_ENC_SD_MOUNT, int(mirror), data >= 0}));
    }

private:
    std::unique_ptr<TTestRoot> m_root;
    TEncSink m_sink;
};

QTEST_GUILESS_MAIN(DalEncTest)
#include "dalenctest.moc"
