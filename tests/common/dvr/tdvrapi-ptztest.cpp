// PTZ lines, commands, driver list and tours, and the POS ports, against
// the stand-in's cameras and ports.
#include "tdvrfixture.h"
#include "tpath.h"
#include "tptztourth.h"

#include <QSettings>
#include <cstring>

namespace {
// The device layer started with manual ticks: each tick is one second of
// the stand-in's clock.
struct TClock {
    TClock()
    {
        DalInit();
        DalIoSetCb([](void*, int, int, int) { return 0; }, nullptr);
        dalTestSetManualTicks(1);
        DalStart();
    }
    static void tick() { QVERIFY(dalTestStepTick() > 0); }
};

// Camera ch on address addr with a known protocol, in both copies: a tour
// of seq over the presets that are on.
void setCamera(TDvrFixture& fx, int ch, int addr, const QList<int>& seq, const QList<int>& on, int durPos = 0)
{
    for (int live = 0; live < 2; ++live) {
        PtzEntry& line = static_cast<PropPtz*>(fx.cfg->getsection(IDX_PROP_PTZ, live))->ch[ch];
        qstrncpy(line.driver, "PELCO-D", sizeof line.driver);
        line.addr = addr;
        line.baud = 2;
        PresetChannel& p = static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, live))->ch[ch];
        p = PresetChannel();
        p.speedpan = 2;
        p.speedtilt = 3;
        p.tourOn = !seq.isEmpty();
        p.dur = uint8_t(durPos);
        for (int i = 0; i < seq.size(); ++i)
            p.seq[i] = int16_t(seq[i]);
        for (int n : on)
            p.preset[n - 1].on = 1;
    }
}

DalTestPtzCam camera(int addr)
{
    DalTestPtzCam c;
    dalTestPtzCamera(addr, &c);
    return c;
}

// The go-to commands of the log as time, preset index pairs.
QList<int> goTos()
{
    QList<int> out;
    DalTestPtzCmd c;
    for (int i = 0; dalTestPtzLog(i, &c) == 0; ++i)
        if (c.op == DAL_PTZ_PRESET_GO)
            out << c.time << c.arg;
    return out;
}
}

class TDvrApiPtzTest : public QObject
{
    Q_OBJECT
private slots:
    void linesBoundByDriverName_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<int>("bound"); // driver index bound, -1 none
        QTest::newRow("known protocol") << QByteArray("PELCO-P") << 2;
        QTest::newRow("unknown protocol") << QByteArray("ACME") << -1;
    }
    void linesBoundByDriverName()
    {
        QFETCH(QByteArray, driver);
        QFETCH(int, bound);
        TDvrFixture fx;
        setCamera(fx, 5, 40, {}, {});
        qstrncpy(fx.live<PropPtz>(IDX_PROP_PTZ)->ch[5].driver, driver.constData(), 32);
        g_api.m_presetHold[2] = 8;
        g_api.ptzSetdevice(5, 1);
        const DalTestPtzCam c = camera(40);
        QCOMPARE(c.bound ? c.driver : -1, bound);
        QCOMPARE(c.channel, bound < 0 ? -1 : 5);
        QCOMPARE(c.speedPan, bound < 0 ? 0 : 3);
        QCOMPARE(g_api.m_presetHold[2], 0);
    }

    void commandsOfThePad_data()
    {
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("arg");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("op"); // logged, 0 none
        QTest::addColumn<int>("logged");
        QTest::addColumn<int>("speedPan");
        QTest::newRow("press at speed 5") << 1 << 2 << 1 << 5 << int(DAL_PTZ_MOVE) << 2 << 5;
        QTest::newRow("release restores speeds") << 1 << 3 << 0 << 7 << int(DAL_PTZ_STOP) << 3 << 3;
        QTest::newRow("set preset 5") << 1 << 11 << 4 << 0 << int(DAL_PTZ_PRESET_SET) << 4 << 3;
        QTest::newRow("go to the first preset") << 1 << 10 << 0 << 0 << int(DAL_PTZ_PRESET_GO) << 0 << 3;
        QTest::newRow("channel out of range") << 16 << 2 << 1 << 5 << 0 << 0 << 3;
    }
    void commandsOfThePad()
    {
        QFETCH(int, ch);
        QFETCH(int, cmd);
        QFETCH(int, arg);
        QFETCH(int, speed);
        QFETCH(int, op);
        QFETCH(int, logged);
        QFETCH(int, speedPan);
        TDvrFixture fx;
        setCamera(fx, 1, 7, {}, {});
        g_api.ptzSetdevice(1, 1);
        QCOMPARE(g_api.ptzControl(ch, cmd, arg, speed), op ? 0 : -1);
        DalTestPtzCmd c = {};
        QCOMPARE(dalTestPtzLog(0, &c), op ? 0 : -1);
        QCOMPARE(c.op, op);
        QCOMPARE(c.arg, logged);
        QCOMPARE(camera(7).speedPan, speedPan);
    }

    void tourStepsOncePerSecond_data()
    {
        QTest::addColumn<QList<int>>("seq");
        QTest::addColumn<QList<int>>("on");
        QTest::addColumn<int>("durPos");
        QTest::addColumn<QList<int>>("goTos"); // second, preset index
        QTest::newRow("three presets, dwell 2") << QList<int>{1, 2, 3} << QList<int>{1, 2, 3} << 0
                                                << QList<int>{0, 0, 2, 1, 4, 2, 6, 0};
        QTest::newRow("a preset off is left out") << QList<int>{1, 2, 3} << QList<int>{1, 3} << 0
                                                  << QList<int>{0, 0, 2, 2, 4, 0, 6, 2};
        QTest::newRow("dwell 3, empty steps skipped") << QList<int>{5, 0, 1} << QList<int>{1, 5} << 1
                                                      << QList<int>{0, 4, 3, 0, 6, 4};
        QTest::newRow("no preset on") << QList<int>{1, 2} << QList<int>{4} << 0 << QList<int>{};
    }
    void tourStepsOncePerSecond()
    {
        QFETCH(QList<int>, seq);
        QFETCH(QList<int>, on);
        QFETCH(int, durPos);
        QFETCH(QList<int>, goTos);
        TDvrFixture fx;
        TClock clock;
        setCamera(fx, 3, 21, seq, on, durPos);
        setCamera(fx, 4, 22, seq, on, durPos);
        g_api.m_presetHold[4] = 99; // an alarm preset holds camera 4
        TPtztourth* tours = g_api.m_ptzTourTh;
        tours->load(-1);
        tours->startCh(-1);
        for (int t = 0; t < 8; ++t) {
            tours->step();
            clock.tick();
        }
        QCOMPARE(::goTos(), goTos); // none for the held camera
    }

    void threadRunsOnlyWithATour_data()
    {
        QTest::addColumn<QList<int>>("seq");
        QTest::addColumn<QList<int>>("on");
        QTest::addColumn<bool>("runs");
        QTest::newRow("no tour") << QList<int>{} << QList<int>{1} << false;
        QTest::newRow("no preset on") << QList<int>{1} << QList<int>{} << false;
        QTest::newRow("a tour") << QList<int>{1, 2} << QList<int>{2} << true;
    }
    void threadRunsOnlyWithATour()
    {
        QFETCH(QList<int>, seq);
        QFETCH(QList<int>, on);
        QFETCH(bool, runs);
        TDvrFixture fx;
        setCamera(fx, 0, 3, seq, on);
        g_api.ptzSetdevice(-1, 1);
        QCOMPARE(g_api.m_ptzTourTh->isRunning(), runs);
        if (runs)
            QTRY_VERIFY(dalTestJournalFind("DalPtzPreset(3,25,1)") >= 0);
        g_api.stopPtzTour(-1);
        QTRY_VERIFY(!g_api.m_ptzTourTh->isRunning());
        QCOMPARE(g_api.m_ptzTourTh->tour(0).act, 0);
    }

    void driverListIntoSection_data()
    {
        QTest::addColumn<int>("reported"); // -1: the stand-in's own count
        QTest::addColumn<int>("cnt");
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("the protocols") << -1 << 8 << QByteArray("HONEYWELL");
        QTest::newRow("more than the section holds") << 100 << 20 << QByteArray("PTZ-19");
        QTest::newRow("negative count") << -7 << 0 << QByteArray();
    }
    void driverListIntoSection()
    {
        QFETCH(int, reported);
        QFETCH(int, cnt);
        QFETCH(QByteArray, last);
        TDvrFixture fx;
        PropPtzdrv* drv = fx.live<PropPtzdrv>(IDX_PROP_PTZDRV);
        drv->cnt = 1; // a list stored before
        if (reported != -1)
            dalTestSetCount("ptz_cnt", reported);
        QCOMPARE(g_api.ptzLoadDrivers(), 1);
        QCOMPARE(drv->cnt, cnt);
        QCOMPARE(QByteArray(cnt ? drv->driver[cnt - 1] : ""), last);
        QSettings file(TPath::map(fx.cfg->tmpPath()), QSettings::IniFormat);
        QCOMPARE(file.value("PTZDRV/cnt").toInt(), cnt);
        QCOMPARE(g_api.ptzLoadDrivers(), 0); // the same list again
        dalTestFail("DalPtzGetCaps", -1);
        dalTestSetCount("ptz_cnt", 2);
        QCOMPARE(g_api.ptzLoadDrivers(), 0); // a failed read keeps the list
        QCOMPARE(drv->cnt, cnt);
    }

    void posPortsToDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("device");
        QTest::newRow("no camera") << 0 << -1;
        QTest::newRow("camera 16") << 16 << 15;
        QTest::newRow("beyond the cameras") << 17 << -1;
    }
    void posPortsToDevice()
    {
        QFETCH(int, channel);
        QFETCH(int, device);
        TDvrFixture fx;
        PosPort& port = fx.live<PropPos>(IDX_PROP_POS)->port[4];
        port.channel = channel;
        port.morelines = 3;
        std::memset(port.ta_start, 'S', sizeof port.ta_start); // no terminator
        QCOMPARE(g_api.posSetdevice(), 0);
        PosDev dev[8];
        dalTestPosPorts(dev);
        QCOMPARE(dev[4].channel, device);
        QCOMPARE(dev[4].morelines, 3);
        QCOMPARE(QByteArray(dev[4].taStart), QByteArray(31, 'S'));
        QCOMPARE(dev[5].channel, 0); // records 5..7 stay zero
        dalTestPosPresent(2, 1);
        QCOMPARE(g_api.posScan(), 0);
        QCOMPARE(g_api.m_posScan[2], 1);
        dalTestFail("DalPosScan", -1);
        QCOMPARE(g_api.posScan(), -1);
        QCOMPARE(g_api.m_posScan[2], 0);
    }
};

QTEST_GUILESS_MAIN(TDvrApiPtzTest)
#include "tdvrapi-ptztest.moc"
