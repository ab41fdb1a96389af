#include "dal_test.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tdvrhooks.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

namespace {
template <class T> bool allZero(const T& r)
{
    return QByteArray(reinterpret_cast<const char*>(&r), sizeof r) == QByteArray(sizeof r, '\0');
}
}

class TDvrApiTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qunsetenv("DAL_PROFILE");
        dalTestReset();
    }
    void cleanup()
    {
        g_dvrHooks = TDvrHooks{nullptr, nullptr, nullptr};
        g_cfg = nullptr;
        dalTestReset();
    }

    void getCapsZeroesRecords()
    {
        // A device that answers without filling: whatever the caller's records
        // held before must not survive as capabilities.
        dalTestFail("DalGetCaps", -1);
        dalTestFail("DalVoutGetCaps", -1);
        for (int want = 0; want < 8; ++want) {
            DalCaps dal;
            AvcCaps avc;
            VoutCaps vout;
            std::memset(&dal, 0x55, sizeof dal);
            std::memset(&avc, 0x55, sizeof avc);
            std::memset(&vout, 0x55, sizeof vout);
            QCOMPARE(g_api.getCaps(want & 1 ? &dal : nullptr, want & 2 ? &avc : nullptr, want & 4 ? &vout : nullptr), 0);
            QCOMPARE(allZero(dal), bool(want & 1));
            QCOMPARE(allZero(avc), bool(want & 2));
            QCOMPARE(allZero(vout), bool(want & 4));
        }
    }

    void getCapsAsksBothCalls()
    {
        QCOMPARE(dalTestSetProfile("20pal"), 0);
        DalCaps dal;
        VoutCaps vout;
        QCOMPARE(g_api.getCaps(&dal, nullptr, &vout), 0);
        QCOMPARE(dal.num_vin, 20);
        QVERIFY(vout.numRes > 0);
        const int a = dalTestJournalFind("DalGetCaps(ptr,null,ptr)");
        QVERIFY(a >= 0 && dalTestJournalFind("DalVoutGetCaps(ptr)") == a + 1);
        // The output call is made also when no output record is wanted.
        dalTestJournalClear();
        QCOMPARE(g_api.getCaps(nullptr, nullptr, nullptr), 0);
        QCOMPARE(dalTestJournalFind("DalVoutGetCaps(null)"), 1);
    }

    void countsCutToTables()
    {
        // Counts a faulty device might report, beyond or below the tables they bound.
        const std::pair<const char*, int> reported[] = {
            {"num_vin", 40}, {"num_disk", 17}, {"num_sensor", 32}, {"num_rridx", 9},   {"num_vridx", 1000},
            {"num_nridx", -1}, {"num_fidx", 61}, {"numRes", 21},    {"numLayout", 33}, {"numResHd", -7}};
        for (const auto& r : reported)
            QCOMPARE(dalTestSetCount(r.first, r.second), 0);
        DalCaps dal;
        AvcCaps avc;
        VoutCaps vout;
        g_api.getCaps(&dal, &avc, &vout);
        const QVector<int> kept = {dal.num_vin, dal.num_disk, dal.num_sensor, avc.num_rridx, avc.num_vridx,
                                   avc.num_nridx, avc.num_fidx, vout.numRes,  vout.numLayout, vout.numResHd};
        QCOMPARE(kept, (QVector<int>{32, 16, 32, 8, 8, 0, 60, 20, 32, 0}));
        dalTestSetCount("num_vin", -4);
        dalTestSetCount("num_fidx", 60);
        g_api.getCaps(&dal, &avc, nullptr);
        QCOMPARE(dal.num_vin, 0);
        QCOMPARE(avc.num_fidx, 60);
    }

    void scaleRate_data()
    {
        QTest::addColumn<int>("numRridx");
        QTest::addColumn<int>("ridx");
        QTest::addColumn<double>("expected");
        // Ratios 1.0, 0.5, 0.25, then 3.0 in every further entry.
        QTest::newRow("first") << 3 << 0 << 30.0;
        QTest::newRow("last in count") << 3 << 2 << 7.5;
        QTest::newRow("at count") << 3 << 3 << 30.0;
        QTest::newRow("negative") << 3 << -1 << 30.0;
        QTest::newRow("last of table") << 8 << 7 << 90.0;
        QTest::newRow("count beyond table") << 99 << 8 << 30.0;
        QTest::newRow("empty table") << 0 << 0 << 30.0;
    }

    void scaleRate()
    {
        QFETCH(int, numRridx);
        QFETCH(int, ridx);
        QFETCH(double, expected);
        AvcCaps caps = {};
        caps.num_rridx = numRridx;
        for (int i = 0; i < 8; ++i)
            caps.rridx[i].ratio = i == 0 ? 1.0 : i == 1 ? 0.5 : i == 2 ? 0.25 : 3.0;
        QCOMPARE(g_api.scaleRate(5, ridx, &caps, 30.0), expected);
        QCOMPARE(g_api.scaleRate(5, ridx, nullptr, 30.0), 30.0);
    }

    void vinGetInfoZeroesAndPassesResult()
    {
        TTestRoot root;
        dalTestSetProfile("4");
        VinInfo info;
        QCOMPARE(g_api.vinGetInfo(1, &info), 0);
        QCOMPARE(info.ridx, 1);
        std::memset(&info, 0x55, sizeof info);
        QCOMPARE(g_api.vinGetInfo(4, &info), -1); // the profile has channels 0..3
        QVERIFY(allZero(info));
        dalTestFail("DalVinGetInfo", -9);
        std::memset(&info, 0x55, sizeof info);
        QCOMPARE(g_api.vinGetInfo(0, &info), -9);
        QVERIFY(allZero(info));
        QCOMPARE(g_api.vinGetInfo(0, nullptr), -9);
    }

    void voutSize_data()
    {
        QTest::addColumn<int>("numRes");
        QTest::addColumn<int>("res");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("first") << 5 << 0 << QSize(100, 1000);
        QTest::newRow("last") << 5 << 4 << QSize(104, 1004);
        QTest::newRow("at numRes") << 5 << 5 << QSize(0, 0);
        QTest::newRow("negative") << 5 << -1 << QSize(0, 0);
        QTest::newRow("last of table") << 20 << 19 << QSize(119, 1019);
        QTest::newRow("numRes beyond table") << 25 << 20 << QSize(0, 0);
        QTest::newRow("no resolutions") << 0 << 0 << QSize(0, 0);
    }

    void voutSize()
    {
        QFETCH(int, numRes);
        QFETCH(int, res);
        QFETCH(QSize, expected);
        VoutCaps caps;
        std::memset(&caps, 0x7f, sizeof caps); // what lies behind the table
        caps.numRes = numRes;
        for (int i = 0; i < 20; ++i) {
            caps.resW[i] = 100 + i;
            caps.resH[i] = 1000 + i;
        }
        QCOMPARE(TDVRAPI::voutSize(caps, res), expected);
    }

    void voutInfoFollowsDisplaySection()
    {
        TTestRoot root;
        QCOMPARE(dalTestSetProfile("16"), 0);
        TDVRAPI::installConfigHooks();
        VoutCaps caps;
        g_api.getCaps(nullptr, nullptr, &caps);
        const QSize first(caps.resW[0], caps.resH[0]);
        const QSize second(caps.resW[1], caps.resH[1]);
        QVERIFY(caps.numRes >= 2 && first != second);
        QCOMPARE(g_api.voutInfo(1), first); // no configuration object yet
        PropDevices dev = {};
        qstrncpy(dev.model, "DVR16", sizeof dev.model);
        dev.videos = 16;
        PropDefault def;
        TDefault::setDefaults(&def);
        TConfig cfg(QStringLiteral("/dvr/DVR16.conf"), &dev, &def);
        cfg.save(-1);
        g_cfg = &cfg;
        auto display = [&cfg](int live) { return static_cast<PropDisplay*>(cfg.getsection(IDX_PROP_DISPLAY, live)); };
        display(1)->res = 1;
        display(0)->res = 0;
        QCOMPARE(g_api.voutInfo(1), second);
        QCOMPARE(g_api.voutInfo(0), first);
        // An index the output does not offer gives no size, never a read
        // outside the table.
        display(1)->res = caps.numRes;
        QCOMPARE(g_api.voutInfo(1), QSize(0, 0));
        display(1)->res = 1000;
        QCOMPARE(g_api.voutInfo(1), QSize(0, 0));
        g_cfg = nullptr;
    }

    void runSystem()
    {
        TTestRoot root;
        QCOMPARE(g_api.runSystem(nullptr), -1);
        QCOMPARE(g_api.runSystem("rm /dvr/none"), 1); // the status passes through
        QVERIFY(root.write("/tmp/a", "data"));
        QCOMPARE(g_api.runSystem("cp -f /tmp/a /dvr/b"), 0);
        QCOMPARE(root.read("/dvr/b"), QByteArray("data"));
        // A host program that is not under the root is refused.
        QCOMPARE(g_api.runSystem("/etc/init.d/networking start"), -1);
    }

    void configHooksReachTheDevice()
    {
        TTestRoot root;
        dalTestSetProfile("8pal");
        TDVRAPI::installConfigHooks();
        DalCaps dal;
        AvcCaps avc;
        QCOMPARE(dvrGetCaps(&dal, &avc, nullptr), 0);
        QCOMPARE(dal.num_vin, 8);
        // The half picture costs two quarter-picture frames.
        QCOMPARE(dvrScaleRate(0, 1, &avc, 20.0), 40.0);
        VinInfo info;
        QCOMPARE(dvrVinGetInfo(2, &info), 0);
        QCOMPARE(info.fps, 25.0);
        QCOMPARE(dvrVinGetInfo(8, &info), -1);
    }

    void smallOperations_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("arg");
        QTest::addColumn<QVariant>("result");
        // A backup runs and the HD spot output's ratio is 1.5 throughout.
        QTest::newRow("backup busy") << "isBackup" << 0 << QVariant(1);
        QTest::newRow("alarm output 0 not held") << "isBackup" << 1 << QVariant(0);
        QTest::newRow("other question") << "isBackup" << 2 << QVariant(0);
        QTest::newRow("negative question") << "isBackup" << -1 << QVariant(0);
        QTest::newRow("ratio of any resolution") << "getRatio" << 3 << QVariant(1.0);
        QTest::newRow("ratio of a bad resolution") << "getRatio" << -7 << QVariant(1.0);
        QTest::newRow("ratio scaling off") << "useRatio" << 0 << QVariant(0);
        QTest::newRow("scaled, truncated") << "scaled" << 7 << QVariant(10);
        QTest::newRow("live mode") << "isLiveMode" << 0 << QVariant(1);
        QTest::newRow("playback mode") << "isLiveMode" << 1 << QVariant(0);
        QTest::newRow("user name of 20 characters") << "setUserName" << 20 << QVariant("abcdefghijklmno");
        QTest::newRow("short user name") << "setUserName" << 3 << QVariant("abc");
        QTest::newRow("no user name") << "setUserName" << -1 << QVariant("");
    }

    void smallOperations()
    {
        QFETCH(QString, op);
        QFETCH(int, arg);
        QFETCH(QVariant, result);
        g_api.m_backupBusy = 1;
        g_api.m_ratioHd = 1.5;
        QVariant got;
        if (op == "isBackup")
            got = g_api.isBackup(arg);
        else if (op == "getRatio")
            got = g_api.getRatio(arg);
        else if (op == "useRatio")
            got = g_api.useRatio();
        else if (op == "scaled")
            got = g_api.scaled(arg);
        else if (op == "isLiveMode") {
            g_api.m_mode = arg;
            got = g_api.isLiveMode();
        } else if (op == "setUserName") {
            std::memset(g_api.m_curUser, 'x', sizeof g_api.m_curUser);
            g_api.setUserName(arg < 0 ? nullptr : QByteArray("abcdefghijklmnopqrst").left(arg).constData());
            got = QString::fromLatin1(g_api.m_curUser);
        }
        g_api.m_backupBusy = 0;
        g_api.m_ratioHd = 1.0;
        g_api.m_mode = 0;
        QCOMPARE(got, result);
    }
};

QTEST_GUILESS_MAIN(TDvrApiTest)
#include "tdvrapitest.moc"
