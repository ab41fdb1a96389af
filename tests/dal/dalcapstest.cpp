#include "dal.h"
#include "dal_test.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

class DalCapsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qunsetenv("DAL_PROFILE");
        dalTestReset();
    }

    void profiles_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("relays");
        QTest::addColumn<int>("disks");
        QTest::addColumn<bool>("pal");
        QTest::addColumn<QByteArray>("board");
        QTest::newRow("4") << QByteArray("4") << 4 << 1 << 1 << false << QByteArray("sim-4");
        QTest::newRow("16pal") << QByteArray("16pal") << 16 << 4 << 4 << true << QByteArray("sim-16");
        QTest::newRow("20") << QByteArray("20") << 20 << 4 << 4 << false << QByteArray("sim-20-Kea");
        QTest::newRow("32pal") << QByteArray("32pal") << 32 << 4 << 8 << true << QByteArray("sim-32");
    }

    void profiles()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, channels);
        QFETCH(int, relays);
        QFETCH(int, disks);
        QFETCH(bool, pal);
        QFETCH(QByteArray, board);
        QCOMPARE(dalTestSetProfile(name.constData()), 0);
        DalCaps dal;
        AvcCaps avc;
        VoutCaps vout;
        QCOMPARE(DalGetCaps(&dal, &avc, &vout), 0);
        QCOMPARE(dal.num_vin, channels);
        QCOMPARE(dal.num_sensor, qMin(channels, 16));
        QCOMPARE(dal.num_alarmout, relays);
        // Every output of the simulated boards is a relay.
        QCOMPARE(dal.word796, relays);
        QCOMPARE(dal.num_disk, disks);
        QCOMPARE(QByteArray(dal.board), board);
        QVERIFY(dal.num_ain > 0 && dal.num_ain <= channels);
        QCOMPARE(avc.ref_fps, pal ? 25 : 30);
        QCOMPARE(avc.rridx[0].max_fps, (pal ? 25 : 30) * channels);
        // The motion grid: 22 cells across, 15 or 18 down.
        QCOMPARE(avc.md_row, 22);
        QCOMPARE(avc.md_col, pal ? 18 : 15);
        // The record resolutions as an encoder reports them: quarter, half
        // and full picture, each frame costing 1, 2 and 4 quarter frames.
        const int h = pal ? 576 : 480;
        QCOMPARE(avc.num_rridx, 3);
        const int want[3][3] = {{352, h / 2, 1}, {704, h / 2, 2}, {704, h, 4}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(avc.rridx[i].xres, want[i][0]);
            QCOMPARE(avc.rridx[i].yres, want[i][1]);
            QCOMPARE(avc.rridx[i].ratio, double(want[i][2]));
        }
        // Counts stay within the records' tables.
        QVERIFY(avc.num_vridx >= 1 && avc.num_vridx <= 8 && avc.num_rridx >= 1 && avc.num_rridx <= 8);
        QVERIFY(avc.num_nridx >= 1 && avc.num_nridx <= 8 && avc.num_fidx >= 1 && avc.num_fidx <= 60);
        QVERIFY(vout.numRes >= 1 && vout.numRes <= DAL_MAX_RES);
        QVERIFY(vout.numLayout >= 1 && vout.numLayout <= DAL_MAX_LAYOUT);
        for (int i = 0; i < vout.numRes; ++i)
            QVERIFY(vout.resW[i] > 0 && vout.resH[i] > 0 && vout.outW[i] == vout.resW[i]);
        // Every unit offers 800 x 600 and lists its largest output last; a
        // 32-channel unit starts (first entry) at 1280 x 1024, which holds
        // its 1000 x 700 setup window.
        QList<QSize> outputs;
        for (int i = 0; i < vout.numRes; ++i)
            outputs << QSize(vout.outW[i], vout.outH[i]);
        QVERIFY(outputs.contains(QSize(800, 600)));
        QCOMPARE(outputs.last(), QSize(1920, 1080));
        QCOMPARE(outputs.first(), channels >= 32 ? QSize(1280, 1024) : QSize(800, 600));
        // DalVoutGetCaps fills the whole output record alike.
        VoutCaps vout2;
        std::memset(&vout2, 0x5a, sizeof vout2);
        QCOMPARE(DalVoutGetCaps(&vout2), 0);
        QCOMPARE(std::memcmp(&vout, &vout2, sizeof vout), 0);
    }

    // A test sets how many of the alarm outputs are relays.
    void relaysSet()
    {
        QCOMPARE(dalTestSetProfile("16"), 0);
        QCOMPARE(dalTestSetCount("num_relay", 1), 0);
        DalCaps dal;
        QCOMPARE(DalGetCaps(&dal, nullptr, nullptr), 0);
        QCOMPARE(dal.word796, 1);
        QCOMPARE(dal.num_alarmout, 4);
        dalTestReset();
        QCOMPARE(DalGetCaps(&dal, nullptr, nullptr), 0);
        QCOMPARE(dal.word796, 4);
    }

    // The largest privacy zone as fractions of the picture; values that are
    // no fraction are refused and change nothing; a profile chosen again
    // brings the default back.
    void privacyLimit_data()
    {
        QTest::addColumn<double>("cx");
        QTest::addColumn<double>("cy");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("wantCx");
        QTest::newRow("a quarter, whole height") << 0.25 << 1.0 << 0 << 0.25;
        QTest::newRow("zero refused") << 0.0 << 0.5 << -1 << 0.5;
        QTest::newRow("above one refused") << 0.5 << 1.5 << -1 << 0.5;
        QTest::newRow("not a number refused") << qQNaN() << 0.5 << -1 << 0.5;
    }
    void privacyLimit()
    {
        QFETCH(double, cx);
        QFETCH(double, cy);
        QTEST(dalTestPrivacyLimit(cx, cy), "result");
        AvcCaps avc;
        QCOMPARE(DalGetCaps(nullptr, &avc, nullptr), 0);
        QTEST(avc.privacy_cx, "wantCx");
        QCOMPARE(dalTestSetProfile("16"), 0);
        QCOMPARE(DalGetCaps(nullptr, &avc, nullptr), 0);
        QCOMPARE(avc.privacy_cx, 0.5);
        QCOMPARE(avc.privacy_cy, 0.5);
    }

    void profileByEnvironmentOrName()
    {
        DalCaps dal;
        AvcCaps avc;
        qputenv("DAL_PROFILE", "8pal");
        dalTestReset();
        DalGetCaps(&dal, &avc, nullptr);
        QCOMPARE(dal.num_vin, 8);
        QCOMPARE(avc.ref_fps, 25);
        qputenv("DAL_PROFILE", "bo\x1b[2J\ngus"); // an unknown name falls back to 16 channels, said escaped
        TStderrCapture err;
        dalTestReset();
        QCOMPARE(err.text(), QByteArray("dal: unknown DAL_PROFILE \"bo\\x1b[2J\\x0agus\", using 16\n"));
        qputenv("DAL_PROFILE", QByteArray(81, 'x')); // cut, and said so
        dalTestReset();
        QVERIFY(err.text().endsWith("DAL_PROFILE \"" + QByteArray(80, 'x') + "...\", using 16\n"));
        DalGetCaps(&dal, nullptr, nullptr);
        QCOMPARE(dal.num_vin, 16);
        qunsetenv("DAL_PROFILE");
        QCOMPARE(dalTestSetProfile("4"), 0);
        for (const char* bad : {"", "12", "16x", "pal", "016"})
            QCOMPARE(dalTestSetProfile(bad), -1);
        QCOMPARE(dalTestSetProfile(nullptr), -1);
        DalGetCaps(&dal, nullptr, nullptr);
        QCOMPARE(dal.num_vin, 4);
    }

    void nullRecordsAccepted()
    {
        for (int want = 0; want < 8; ++want) {
            DalCaps dal = {};
            AvcCaps avc = {};
            VoutCaps vout = {};
            QCOMPARE(DalGetCaps(want & 1 ? &dal : nullptr, want & 2 ? &avc : nullptr, want & 4 ? &vout : nullptr), 0);
            QCOMPARE(dal.num_vin != 0, bool(want & 1));
            QCOMPARE(avc.num_rridx != 0, bool(want & 2));
            QCOMPARE(vout.numRes != 0, bool(want & 4));
        }
    }

    // Every profile has the serial POS port; a test takes it away.
    void serialPosPort()
    {
        DalCaps dal;
        QCOMPARE(DalGetCaps(&dal, nullptr, nullptr), 0);
        QCOMPARE(dal.rs232, 1);
        QCOMPARE(dalTestSetCount("rs232", 0), 0);
        QCOMPARE(DalGetCaps(&dal, nullptr, nullptr), 0);
        QCOMPARE(dal.rs232, 0);
    }

    void commands_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("unknown") << QByteArray("no-such-command") << QByteArray("1") << 128 << -1 << QByteArray("1");
        QTest::newRow("empty name") << QByteArray("") << QByteArray("1") << 128 << -1 << QByteArray("1");
        QTest::newRow("video type") << QByteArray("get-video-type") << QByteArray() << 12 << 0 << QByteArray("ntsc");
        QTest::newRow("answer cut to size") << QByteArray("get-video-type") << QByteArray() << 3 << 0 << QByteArray("nt");
        QTest::newRow("vga type") << QByteArray("vga-type") << QByteArray("6") << 128 << 0 << QByteArray("6");
        QTest::newRow("vga type not a number") << QByteArray("vga-type") << QByteArray("six") << 128 << -1 << QByteArray("six");
        QTest::newRow("bad video type") << QByteArray("video-type") << QByteArray("secam") << 4 << -1 << QByteArray("secam");
        QTest::newRow("fpga image missing") << QByteArray("fpgaconf") << QByteArray("/dvr/fpga.bin") << 0 << -1 << QByteArray("/dvr/fpga.bin");
        QTest::newRow("mac") << QByteArray("get-ethaddr") << QByteArray() << 128 << 0 << QByteArray("00:1c:2d:00:00:01");
        QTest::newRow("bad mac") << QByteArray("set-ethaddr") << QByteArray("00:11") << 128 << -1 << QByteArray("00:11");
    }

    void commands()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        QFETCH(int, size);
        QFETCH(int, result);
        QFETCH(QByteArray, answer);
        TTestRoot root;
        char buf[128] = {};
        std::memcpy(buf, value.constData(), size_t(value.size()));
        QCOMPARE(DalCmd(name.constData(), buf, size), result);
        QCOMPARE(QByteArray(buf), answer);
        QCOMPARE(buf[127], '\0');
    }

    void videoTypeFollowsStandard()
    {
        TTestRoot root;
        char buf[12] = "pal";
        QCOMPARE(DalCmd("video-type", buf, 4), 0);
        char out[12] = {};
        QCOMPARE(DalCmd("get-video-type", out, 12), 0);
        QCOMPARE(QByteArray(out), QByteArray("pal"));
        AvcCaps avc;
        DalGetCaps(nullptr, &avc, nullptr);
        QCOMPARE(avc.ref_fps, 25);
        QCOMPARE(DalSetAvcCaps(60), 0);
        DalGetCaps(nullptr, &avc, nullptr);
        QCOMPARE(avc.ref_fps, 30);
        QCOMPARE(DalSetAvcCaps(55), -1);
        QVERIFY(root.write("/dvr/fpga.bin", "image"));
        char path[128] = "/dvr/fpga.bin";
        QCOMPARE(DalCmd("fpgaconf", path, 0), 0);
    }

    void journalLines()
    {
        DalCaps dal;
        char buf[128] = "1";
        DalGetCaps(&dal, nullptr, nullptr);
        DalCmd("PANIC_RECORD_LED", buf, 128);
        DalVinGetInfo(3, nullptr);
        QCOMPARE(dalTestJournalCount(), 3);
        char line[256];
        QCOMPARE(dalTestJournalLine(0, line, sizeof line), 0);
        QCOMPARE(QByteArray(line), QByteArray("DalGetCaps(ptr,null,null)"));
        QCOMPARE(dalTestJournalFind("DalCmd(\"PANIC_RECORD_LED\",\"1\",128)"), 1);
        QCOMPARE(dalTestJournalFind("DalVinGetInfo(3,null)"), 2);
        QCOMPARE(dalTestJournalLine(3, line, sizeof line), -1);
        // Passwords never reach the journal.
        DalSetUserInfo(0, "admin", "secret", 0x1f, 0xffff, 0xffff);
        QVERIFY(dalTestJournalFind("secret") < 0);
        QVERIFY(dalTestJournalFind("DalSetUserInfo(0,\"admin\"") >= 0);
    }

    void videoInputInfo()
    {
        TTestRoot root;
        DalInit();
        dalTestVideoLoss(2, 1);
        dalTestFlush();
        VinInfo info;
        QCOMPARE(DalVinGetInfo(0, &info), 0);
        QCOMPARE(info.noVideo, 0);
        QCOMPARE(DalVinGetInfo(2, &info), 0);
        QCOMPARE(info.noVideo, 1);
        std::memset(&info, 0x55, sizeof info);
        QCOMPARE(DalVinGetInfo(16, &info), -1); // beyond the 16 channels
        QCOMPARE(info.ridx, 0);
        QCOMPARE(DalVinGetInfo(-1, &info), -1);
    }

    void ioFamilyBoundsAndState()
    {
        QCOMPARE(DalIoRunAlarm(0x3, 0x1), 0);
        QCOMPARE(DalIoAlarm(), 0x1u);
        QCOMPARE(DalIoRunAlarm(0xffffffff, 0xffffffff), 0);
        QCOMPARE(DalIoAlarm(), 0xfu); // only the four relays of the profile
        QCOMPARE(DalIoSetSensor(3, 1, 1), 0);
        QCOMPARE(DalIoSetSensor(16, 1, 1), -1);
        QCOMPARE(DalIoSetWdt(1, 30), 0);
        QCOMPARE(DalIoSetWdt(1, -1), 0); // keeps the 30 seconds
        DalTestState st;
        dalTestGetState(&st);
        QCOMPARE(st.wdtSeconds, 30);
        QCOMPARE(st.sensorConfigured, 1u << 3);
    }

    void unfinishedFamiliesAnswerError()
    {
        QCOMPARE(DalDecStart("/data0/data.db6", -1, 0, 1, 0.0, 1.0), -1);
        QCOMPARE(DalEncrStart(), -1);
        QCOMPARE(DalNeseTestNtp("pool.ntp.org"), -1);
    }

    void packetHeadIsBigEndian()
    {
        // A remote-setup packet as it arrives: command 0x0614, 4 payload bytes.
        const uint8_t wire[12] = {0, 0, 0x06, 0x14, 0x00, 0x00, 0x00, 0x04, 0xff, 0xfe, 0x01, 0x80};
        NetPacketHead head;
        std::memcpy(&head, wire, sizeof head);
        QCOMPARE(int(dalBe16(head.cmd)), 0x614);
        QCOMPARE(dalBe32(head.len), 4u);
        QCOMPARE(dalBe32(wire + 8), 0xfffe0180u);
    }
};

QTEST_GUILESS_MAIN(DalCapsTest)
#include "dalcapstest.moc"
