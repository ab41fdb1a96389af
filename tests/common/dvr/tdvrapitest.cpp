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
bool allZero(const void* p, size_t n)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i])
            return false;
    return true;
}
}

class TDvrApiTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void getCapsZeroesRecords_data();
    void getCapsZeroesRecords();
    void getCapsAsksBothCalls();
    void countsCutToTables_data();
    void countsCutToTables();
    void scaleRate_data();
    void scaleRate();
    void vinGetInfoZeroesAndPassesResult();
    void voutSize_data();
    void voutSize();
    void voutInfoFollowsDisplaySection();
    void runSystem();
    void configHooksReachTheDevice();
};

void TDvrApiTest::init()
{
    qunsetenv("DAL_PROFILE");
    dalTestReset();
}

void TDvrApiTest::cleanup()
{
    g_dvrHooks = TDvrHooks{nullptr, nullptr, nullptr};
    dalTestReset();
}

void TDvrApiTest::getCapsZeroesRecords_data()
{
    QTest::addColumn<bool>("wantDal");
    QTest::addColumn<bool>("wantAvc");
    QTest::addColumn<bool>("wantVout");
    QTest::newRow("all") << true << true << true;
    QTest::newRow("dal") << true << false << false;
    QTest::newRow("avc") << false << true << false;
    QTest::newRow("vout") << false << false << true;
    QTest::newRow("none") << false << false << false;
}

void TDvrApiTest::getCapsZeroesRecords()
{
    QFETCH(bool, wantDal);
    QFETCH(bool, wantAvc);
    QFETCH(bool, wantVout);
    // A device that answers without filling: whatever the caller's records
    // held before must not survive as capabilities.
    dalTestFail("DalGetCaps", -1);
    dalTestFail("DalVoutGetCaps", -1);
    DalCaps dal;
    AvcCaps avc;
    VoutCaps vout;
    std::memset(&dal, 0x55, sizeof dal);
    std::memset(&avc, 0x55, sizeof avc);
    std::memset(&vout, 0x55, sizeof vout);
    QCOMPARE(g_api.getCaps(wantDal ? &dal : nullptr, wantAvc ? &avc : nullptr, wantVout ? &vout : nullptr), 0);
    QCOMPARE(allZero(&dal, sizeof dal), wantDal);
    QCOMPARE(allZero(&avc, sizeof avc), wantAvc);
    QCOMPARE(allZero(&vout, sizeof vout), wantVout);
}

void TDvrApiTest::getCapsAsksBothCalls()
{
    QCOMPARE(dalTestSetProfile("20pal"), 0);
    DalCaps dal;
    VoutCaps vout;
    QCOMPARE(g_api.getCaps(&dal, nullptr, &vout), 0);
    QCOMPARE(dal.num_vin, 20);
    QCOMPARE(QByteArray(dal.board), QByteArray("sim-20-Kea"));
    QVERIFY(vout.numRes > 0);
    const int a = dalTestJournalFind("DalGetCaps(ptr,null,ptr)");
    const int b = dalTestJournalFind("DalVoutGetCaps(ptr)");
    QVERIFY(a >= 0 && b == a + 1);
    // The output call is made also when no output record is wanted.
    dalTestJournalClear();
    QCOMPARE(g_api.getCaps(nullptr, nullptr, nullptr), 0);
    QCOMPARE(dalTestJournalFind("DalVoutGetCaps(null)"), 1);
}

void TDvrApiTest::countsCutToTables_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("kept");
    QTest::newRow("channels above 32") << QByteArray("num_vin") << 40 << 32;
    QTest::newRow("negative channels") << QByteArray("num_vin") << -4 << 0;
    QTest::newRow("disks above 16") << QByteArray("num_disk") << 17 << 16;
    QTest::newRow("sensors in range") << QByteArray("num_sensor") << 32 << 32;
    QTest::newRow("record resolutions above 8") << QByteArray("num_rridx") << 9 << 8;
    QTest::newRow("input resolutions above 8") << QByteArray("num_vridx") << 1000 << 8;
    QTest::newRow("network resolutions negative") << QByteArray("num_nridx") << -1 << 0;
    QTest::newRow("frame rates above 60") << QByteArray("num_fidx") << 61 << 60;
    QTest::newRow("frame rates at 60") << QByteArray("num_fidx") << 60 << 60;
    QTest::newRow("resolutions above 20") << QByteArray("numRes") << 21 << 20;
    QTest::newRow("layouts above 32") << QByteArray("numLayout") << 33 << 32;
    QTest::newRow("HD resolutions negative") << QByteArray("numResHd") << -7 << 0;
}

void TDvrApiTest::countsCutToTables()
{
    QFETCH(QByteArray, field);
    QFETCH(int, reported);
    QFETCH(int, kept);
    QCOMPARE(dalTestSetCount(field.constData(), reported), 0);
    DalCaps dal;
    AvcCaps avc;
    VoutCaps vout;
    g_api.getCaps(&dal, &avc, &vout);
    const QMap<QByteArray, int> got = {
        {"num_vin", dal.num_vin},       {"num_disk", dal.num_disk},   {"num_sensor", dal.num_sensor},
        {"num_rridx", avc.num_rridx},   {"num_vridx", avc.num_vridx}, {"num_nridx", avc.num_nridx},
        {"num_fidx", avc.num_fidx},     {"numRes", vout.numRes},      {"numLayout", vout.numLayout},
        {"numResHd", vout.numResHd}};
    QCOMPARE(got.value(field), kept);
}

void TDvrApiTest::scaleRate_data()
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
    QTest::newRow("far beyond table") << 99 << 50 << 30.0;
    QTest::newRow("empty table") << 0 << 0 << 30.0;
}

void TDvrApiTest::scaleRate()
{
    QFETCH(int, numRridx);
    QFETCH(int, ridx);
    QFETCH(double, expected);
    AvcCaps caps;
    std::memset(&caps, 0, sizeof caps);
    caps.num_rridx = numRridx;
    for (int i = 0; i < 8; ++i)
        caps.rridx[i].ratio = i == 0 ? 1.0 : i == 1 ? 0.5 : i == 2 ? 0.25 : 3.0;
    QCOMPARE(g_api.scaleRate(5, ridx, &caps, 30.0), expected);
    QCOMPARE(g_api.scaleRate(5, ridx, nullptr, 30.0), 30.0);
}

void TDvrApiTest::vinGetInfoZeroesAndPassesResult()
{
    TTestRoot root;
    dalTestSetProfile("4");
    VinInfo info;
    std::memset(&info, 0x55, sizeof info);
    QCOMPARE(g_api.vinGetInfo(1, &info), 0);
    QCOMPARE(info.noVideo, 0);
    QCOMPARE(info.ridx, 1);
    std::memset(&info, 0x55, sizeof info);
    QCOMPARE(g_api.vinGetInfo(4, &info), -1); // the profile has channels 0..3
    QVERIFY(allZero(&info, sizeof info));
    dalTestFail("DalVinGetInfo", -9);
    std::memset(&info, 0x55, sizeof info);
    QCOMPARE(g_api.vinGetInfo(0, &info), -9);
    QVERIFY(allZero(&info, sizeof info));
    QCOMPARE(g_api.vinGetInfo(0, nullptr), -9);
}

void TDvrApiTest::voutSize_data()
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

void TDvrApiTest::voutSize()
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

void TDvrApiTest::voutInfoFollowsDisplaySection()
{
    TTestRoot root;
    QCOMPARE(dalTestSetProfile("16"), 0);
    TDVRAPI::installConfigHooks();
    VoutCaps caps;
    g_api.getCaps(nullptr, nullptr, &caps);
    QVERIFY(caps.numRes >= 2);
    const QSize first(caps.resW[0], caps.resH[0]);
    const QSize second(caps.resW[1], caps.resH[1]);
    QVERIFY(first != second);
    // Without a configuration object: the first resolution.
    QCOMPARE(g_api.voutInfo(1), first);

    PropDevices dev;
    std::memset(&dev, 0, sizeof dev);
    qstrncpy(dev.model, "DVR16", sizeof dev.model);
    dev.videos = 16;
    PropDefault def;
    TDefault::setDefaults(&def);
    {
        TConfig cfg(QStringLiteral("/dvr/DVR16.conf"), &dev, &def);
        cfg.save(-1);
        g_cfg = &cfg;
        static_cast<PropDisplay*>(cfg.getsection(IDX_PROP_DISPLAY, 1))->res = 1;
        static_cast<PropDisplay*>(cfg.getsection(IDX_PROP_DISPLAY, 0))->res = 0;
        QCOMPARE(g_api.voutInfo(1), second);
        QCOMPARE(g_api.voutInfo(0), first);
        // An index the output does not offer gives no size, never a read
        // outside the table.
        static_cast<PropDisplay*>(cfg.getsection(IDX_PROP_DISPLAY, 1))->res = caps.numRes;
        QCOMPARE(g_api.voutInfo(1), QSize(0, 0));
        static_cast<PropDisplay*>(cfg.getsection(IDX_PROP_DISPLAY, 1))->res = 1000;
        QCOMPARE(g_api.voutInfo(1), QSize(0, 0));
        g_cfg = nullptr;
    }
    g_dvrHooks = TDvrHooks{nullptr, nullptr, nullptr};
}

void TDvrApiTest::runSystem()
{
    TTestRoot root;
    QCOMPARE(g_api.runSystem(nullptr), -1);
    QCOMPARE(g_api.runSystem("true"), 0);
    QCOMPARE(g_api.runSystem("false"), 1);
    QVERIFY(root.write("/tmp/a", "data"));
    QCOMPARE(g_api.runSystem("cp -f /tmp/a /dvr/b"), 0);
    QCOMPARE(root.read("/dvr/b"), QByteArray("data"));
    // A host program that is not under the root is refused.
    QCOMPARE(g_api.runSystem("/etc/init.d/networking start"), -1);
}

void TDvrApiTest::configHooksReachTheDevice()
{
    TTestRoot root;
    dalTestSetProfile("8pal");
    TDVRAPI::installConfigHooks();
    DalCaps dal;
    AvcCaps avc;
    std::memset(&dal, 0x55, sizeof dal);
    QCOMPARE(dvrGetCaps(&dal, &avc, nullptr), 0);
    QCOMPARE(dal.num_vin, 8);
    QCOMPARE(avc.ref_fps, 25);
    QCOMPARE(dvrScaleRate(0, 1, &avc, 20.0), 10.0);
    QCOMPARE(dvrScaleRate(0, 9, &avc, 20.0), 20.0);
    VinInfo info;
    QCOMPARE(dvrVinGetInfo(2, &info), 0);
    QCOMPARE(info.fps, 25.0);
    QCOMPARE(dvrVinGetInfo(8, &info), -1);
    QVERIFY(dalTestJournalFind("DalVinGetInfo(8,ptr)") >= 0);
}

QTEST_GUILESS_MAIN(TDvrApiTest)
#include "tdvrapitest.moc"
