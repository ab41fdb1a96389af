#include "tnetfixture.h"
#include "tproperty.h"
#include "trunner.h"
#include "tnetwire.h"

namespace {
// What one packet did: its reply, the notifications, the journal and
// whether the edit copy changed.
struct Outcome {
    QByteArray reply;
    QList<QList<QVariant>> notes;
    QStringList journal;
    bool changed = false;
    bool operator==(const Outcome& o) const
    {
        return reply == o.reply && notes == o.notes && journal == o.journal && changed == o.changed;
    }
};

QByteArray editCopy(TConfig* cfg)
{
    QByteArray out;
    for (int idx = 1; idx < IDX_PROP_AVCCAPS; ++idx)
        out.append(static_cast<const char*>(cfg->getsection(idx, 0)), TProperty::sectionSize(idx));
    return out;
}

QStringList journal()
{
    QStringList out;
    char line[512];
    for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i)
        out << QString::fromUtf8(line);
    return out;
}

// The unit's own configuration where a client leaves one.
void leaveConfig(TDvrFixture& fx, const QString& at)
{
    QVERIFY(TRunner::copyFile(fx.cfg->tmpPath(), at));
}

Outcome run(int cmd, const QByteArray& payload, int len)
{
    TNetFixture fx;
    leaveConfig(fx, QStringLiteral("/tmp/rs.conf"));
    QObject ctx; // the apply thread's part: the apply ends at once
    QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &ctx, [](int t) {
        if (t == SIG_NET_SETUP)
            g_api.setApplying(0);
    }, Qt::DirectConnection);
    QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
    const QByteArray before = editCopy(fx.cfg);
    Outcome o;
    o.reply = sendPacket(cmd, payload, len);
    o.notes = spy;
    o.journal = journal();
    o.changed = editCopy(fx.cfg) != before;
    return o;
}

QByteArray be64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char be[8];
    qToBigEndian(bits, be);
    return QByteArray(be, 8);
}

QByteArray colorRecord()
{
    QByteArray r;
    for (int ch = 0; ch < PROP_MAX_CH; ++ch)
        r.append(char(ch + 10)).append(char(ch + 20)).append(char(ch + 30)).append(char(ch + 40));
    return r;
}

QByteArray netportRecord(int port)
{
    QByteArray r;
    for (int i = 0; i < 4; ++i)
        r.append(char(port >> 8)).append(char(port));
    return r + be32(1);
}
}

class TDvrApiNetpackTest : public QObject
{
    Q_OBJECT
private slots:
    // Each command with its exact payload, the same with trailing bytes,
    // one byte short, and announcing more than arrived.
    void lengths_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("canBeShort");
        auto row = [](const char* name, int cmd, const QByteArray& p, bool canBeShort = true) {
            QTest::newRow(name) << cmd << p << canBeShort;
        };
        row("caps", DNPC_RS_CAPS, QByteArray(), false);
        row("config ok", DNPC_RS_APP_OK, TPayload().text("/tmp/rs.conf").bytes);
        row("config cancel", DNPC_RS_APP_CANCEL, QByteArray(), false);
        row("config apply", DNPC_RS_APP_APPLY, TPayload().u32(10).text("/tmp/rs.conf").bytes);
        row("preview alpha", DNPC_RS_APP_RUN, TPayload().u32(Act_PrvOsdAlpha).u32(5).u32(0).bytes);
        row("preview colour record", DNPC_RS_APP_RUN, TPayload().u32(Act_PrvColor).u32(0).u32(0).raw(colorRecord()).bytes);
        row("info", DNPC_RS_APP_INFO, be32(Act_InfoDhcp));
        row("upnp test", DNPC_RS_APP_TEST, TPayload().u32(Act_TestUpnp).u32(1).u32(2).raw(netportRecord(8100)).bytes);
        row("layout", DNPC_RS_USER_MIN, QByteArray(), false);
        row("colour get", DNPC_UC_COLOR_GET, QByteArray(), false);
        row("colour set", DNPC_UC_COLOR_SET, TPayload().u32(2).u32(50).u32(60).u32(70).u32(80).bytes);
        row("colour apply", DNPC_UC_COLOR_APPLY, be32(1));
        row("panic", DNPC_UC_PANIC_RECORD, be32(1));
        row("alarm names", DNPC_UC_ALARM_GETNAME, QByteArray(), false);
        row("web code", DNPC_CAPS_WEBCODE, QByteArray(), false);
        row("network", DNPC_CAPS_NETWORK, TPayload().text("ip:192.0.2.5 port:8100").bytes, false);
    }

    void lengths()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        QFETCH(bool, canBeShort);
        const Outcome nothing;
        const Outcome exact = run(cmd, payload, -1);
        QVERIFY(!(exact == nothing));
        QVERIFY(run(cmd, payload + QByteArray(16, '\x7f'), -1) == exact);
        QVERIFY(run(cmd, payload, payload.size() + 1) == nothing);
        if (canBeShort)
            QVERIFY(run(cmd, payload.chopped(1), -1) == nothing);
    }

    void capsReply()
    {
        TNetFixture fx;
        QCOMPARE(sendPacket(DNPC_RS_CAPS, QByteArray()),
                 QByteArray("dll:/tmp/rs.dll conf:/tmp/SDR16.conf img:/dvr/img_res.png log:/dvr/SYSTEM.log", 78));
    }

    void infoReplies_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("address") << int(Act_InfoDhcp)
                                 << field("192.0.2.7", 64) + field("255.255.255.0", 64) + field("192.0.2.1", 64)
                                        + field("192.0.2.53", 64);
        QByteArray upnp;
        for (int w : {1, 8000, 8001, 0, 80, 1, 0, 0, 1, 2026, 11, 30, 13, 5, 9})
            upnp += be32(quint32(w));
        QTest::newRow("upnp") << int(Act_InfoUpnp) << upnp + field("203.0.113.7", 256);
        QByteArray ddns;
        for (int w : {0, 2026, 12, 1, 8, 0, 0})
            ddns += be32(quint32(w));
        QTest::newRow("ddns") << int(Act_InfoDdns) << ddns + field("xyz", 520);
        QTest::newRow("clients") << int(Act_InfoNetClient)
                                 << field("00:1c:2d:00:00:01", 64) + field("", 64) + be32(1) + be32(0) + be32(1)
                                        + be32(2) + field("198.51.100.7(Watch)", 64) + field("198.51.100.8(Else)", 64)
                                        + field("", 48 * 64);
        QByteArray disks = field("HDD1", 64) + be32(100) + be32(1000);
        for (int i = 1; i < 16; ++i)
            disks += field("", 72);
        QByteArray tail;
        for (int w : {100, 1000, 0, 0, 1, 0, 2026, 11, 29, 0, 0, 0})
            tail += be32(quint32(w));
        QTest::newRow("storage") << int(Act_InfoStrg) << be64(12.5) + disks + field("1 disk", 64) + tail;
        QTest::newRow("unknown kind") << 99 << QByteArray();
    }

    void infoReplies()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, block);
        TNetFixture fx;
        Eth0Info eth = {1, 1, {192, 0, 2, 7}, {255, 255, 255, 0}, {192, 0, 2, 1}, {192, 0, 2, 53}, {}, {}};
        dalTestSetEth0(&eth);
        UpnpResult upnp = {1, {8000, 8001, 0, 80}, {1, 0, 0, 1}, 2026, 11, 30, 13, 5, 9, "203.0.113.7"};
        dalTestSetUpnpResult(&upnp);
        DdnsResult ddns = {0, 2026, 12, 1, 8, 0, 0, {'x', 'y', 'z'}};
        dalTestSetDdnsResult(&ddns);
        NetClientRec clients = {};
        clients.count = 2;
        clients.watch = clients.setup = 1;
        clients.client[0] = {1, 0, {198, 51, 100, 7}};
        clients.client[1] = {7, 0, {198, 51, 100, 8}};
        dalTestSetClients(&clients);
        StorageInfo& s = g_api.m_storage;
        s.usage = 12.5;
        qstrcpy(s.disk[0].text, "HDD1");
        s.disk[0].usedMB = 100;
        s.disk[0].totalMB = 1000;
        qstrcpy(s.summary, "1 disk");
        s.usedMB = 100;
        s.totalMB = 1000;
        s.mirror = 1;
        s.oldest[0] = 2026;
        s.oldest[1] = 11;
        s.oldest[2] = 29;
        QCOMPARE(sendPacket(DNPC_RS_APP_INFO, be32(quint32(type))).toHex(), (be32(quint32(type)) + block).toHex());
    }

    void colours_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("calls");
        QByteArray all;
        for (int ch = 0; ch < 16; ++ch)
            all += QByteArray(1, 1) + char(ch + 1) + char(ch + 3) + char(ch + 4) + char(ch + 2);
        QTest::newRow("get") << 16 << int(DNPC_UC_COLOR_GET) << QByteArray() << all << QStringList();
        QTest::newRow("get without cameras") << 0 << int(DNPC_UC_COLOR_GET) << QByteArray() << QByteArray()
                                             << QStringList();
        QTest::newRow("set") << 16 << int(DNPC_UC_COLOR_SET) << TPayload().u32(3).u32(10).u32(30).u32(40).u32(20).bytes
                             << QByteArray::fromHex("03010a1e2814")
                             << QStringList{"DalVinSetCSC(3,0,10)", "DalVinSetCSC(3,3,20)", "DalVinSetCSC(3,1,30)",
                                            "DalVinSetCSC(3,2,40)"};
        QTest::newRow("set low 8 bits") << 16 << int(DNPC_UC_COLOR_SET)
                                        << TPayload().u32(0).u32(0x101).u32(2).u32(3).u32(4).bytes
                                        << QByteArray::fromHex("000101020304")
                                        << QStringList{"DalVinSetCSC(0,0,1)", "DalVinSetCSC(0,3,4)",
                                                       "DalVinSetCSC(0,1,2)", "DalVinSetCSC(0,2,3)"};
        QTest::newRow("set beyond the cameras") << 16 << int(DNPC_UC_COLOR_SET)
                                                << TPayload().u32(16).u32(1).u32(1).u32(1).u32(1).bytes << QByteArray()
                                                << QStringList();
        QTest::newRow("set negative channel") << 16 << int(DNPC_UC_COLOR_SET)
                                              << TPayload().u32(quint32(-1)).u32(1).u32(1).u32(1).u32(1).bytes
                                              << QByteArray() << QStringList();
        QTest::newRow("undo preview") << 16 << int(DNPC_UC_COLOR_APPLY) << be32(0) << QByteArray()
                                      << QStringList{"DalVinSetCSC(0,0,50)", "DalVinSetCSC(0,3,51)",
                                                     "DalVinSetCSC(0,1,52)", "DalVinSetCSC(0,2,53)"};
    }

    void colours()
    {
        QFETCH(int, cameras);
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, calls);
        TNetFixture fx;
        fx.edit<PropDevices>(IDX_PROP_DEVICES)->videos = cameras;
        auto* edit = fx.edit<PropColor>(IDX_PROP_COLOR);
        auto* live = fx.live<PropColor>(IDX_PROP_COLOR);
        for (int ch = 0; ch < PROP_MAX_CH; ++ch) {
            edit->data[ch] = {uint8_t(ch + 1), uint8_t(ch + 2), uint8_t(ch + 3), uint8_t(ch + 4)};
            live->data[ch] = {uint8_t(ch + 50), uint8_t(ch + 51), uint8_t(ch + 52), uint8_t(ch + 53)};
        }
        QCOMPARE(sendPacket(cmd, payload).toHex(), reply.toHex());
        QCOMPARE(journal().mid(0, calls.size()), calls);
        if (cmd == DNPC_UC_COLOR_APPLY) {
            QCOMPARE(journal().size(), 4 * cameras);
            QVERIFY(std::memcmp(edit->data, live->data, 16 * sizeof(ColorEntry)) == 0);
        } else if (!reply.isEmpty() && cmd == DNPC_UC_COLOR_SET) {
            const ColorEntry& c = edit->data[int(reply[0])];
            QCOMPARE(QByteArray::fromRawData(reinterpret_cast<const char*>(&c), 4).toHex(),
                     (reply.mid(2, 1) + reply.mid(5, 1) + reply.mid(3, 2)).toHex());
        }
    }

    void alarmNames()
    {
        TNetFixture fx;
        auto* alarm = fx.live<PropAlarm>(IDX_PROP_ALARM);
        const char* names[] = {"Door", "", "Gate", "Window"};
        for (int i = 0; i < 4; ++i)
            qstrcpy(alarm->out[i].name, names[i]);
        QCOMPARE(sendPacket(DNPC_UC_ALARM_GETNAME, QByteArray("any")),
                 be32(4) + QByteArray::fromHex("04000406") + "DoorGateWindow");
    }

    void remoteTest_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("localTest");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("kind");
        const QByteArray ddns = field("DynDNS", 16) + be32(3) + field("", 100) + be32(0) + field("cam.example.org", 100)
                                + field("", 100) + field("", 96);
        const QByteArray ntp = field("GMT", 64) + field("pool.example.org", 64) + be32(1) + be32(0) + be32(0);
        QTest::newRow("ddns") << int(Act_TestDdns) << ddns << false << be32(1) << int(TDVRAPI::NET_TEST_DDNS);
        QTest::newRow("ntp") << int(Act_TestNtp) << ntp << false << be32(1) << int(TDVRAPI::NET_TEST_NTP);
        QTest::newRow("storage check") << int(Act_StrgCheck) << QByteArray() << false << be32(1)
                                       << int(TDVRAPI::NET_TEST_ANY);
        QTest::newRow("a local test runs") << int(Act_TestDdns) << ddns << true << be32(0)
                                           << int(TDVRAPI::NET_TEST_UPNP);
        QTest::newRow("record one byte short") << int(Act_TestDdns) << ddns.chopped(1) << false << QByteArray()
                                               << int(TDVRAPI::NET_TEST_NONE);
    }

    void remoteTest()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, record);
        QFETCH(bool, localTest);
        QFETCH(QByteArray, reply);
        QFETCH(int, kind);
        TNetFixture fx;
        if (localTest) {
            DalNeseSetCb(nullptr, nullptr); // its result never comes
            g_api.testUpnp();
        }
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const QByteArray before = editCopy(fx.cfg);
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, TPayload().u32(quint32(type)).u32(5).u32(6).raw(record).bytes), reply);
        QCOMPARE(g_api.netTestKind(), kind);
        const bool started = reply == be32(1);
        QCOMPARE(codes(spy).contains(SIG_NET_RS_TEST), started);
        QCOMPARE(editCopy(fx.cfg) != before, started && !record.isEmpty());
        if (started)
            QCOMPARE(spy.last().mid(0, 4), (QList<QVariant>{SIG_NET_RS_TEST, 5, 6, type}));
        if (started && type == Act_TestDdns) {
            QCOMPARE(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->dur, 3);
            QCOMPARE(QByteArray(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->domain), QByteArray("cam.example.org"));
        }
    }

    void resultPoll()
    {
        TNetFixture fx;
        const QByteArray test = TPayload().u32(Act_TestUpnp).u32(0).u32(0).raw(netportRecord(8000)).bytes;
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray());
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, test), be32(1));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray(1, '\0'));
        // Another service's result leaves the test running.
        dalTestNese(CBT_NESE_EMAIL_FAIL, nullptr, 0, "x");
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray(1, '\0'));
        UpnpResult r = {0, {8000}, {1}, 2026, 11, 30, 1, 2, 3, "203.0.113.7"};
        dalTestSetUpnpResult(&r);
        dalTestNese(CBT_NESE_UPNP_OK, nullptr, 0, nullptr);
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()),
                 QByteArray("Success [203.0.113.7] [2026/11/30 01:02:03]", 44));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray());

        // A test the main window cannot start still answers the client.
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, test), be32(1));
        dalTestFail("DalNeseTestUpnp", -1);
        g_api.testUpnp();
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray("Failed", 7));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray());
    }

    void remotePaths_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("unitsOwn");
        QTest::addColumn<int>("setup"); // rs_type of SIG_NET_SETUP, -1 none
        QTest::newRow("ok from the RAM directory") << int(DNPC_RS_APP_OK) << "/tmp/rs.conf" << "/tmp/rs.conf" << true << 1;
        QTest::newRow("apply from the RAM directory")
            << int(DNPC_RS_APP_APPLY) << "/tmp/rs.conf" << "/tmp/rs.conf" << true << 10;
        QTest::newRow("dot-dot out of it") << int(DNPC_RS_APP_OK) << "/tmp/../dvr/rs.conf" << "/dvr/rs.conf" << true << -1;
        QTest::newRow("outside it") << int(DNPC_RS_APP_APPLY) << "/dvr/rs.conf" << "/dvr/rs.conf" << true << -1;
        QTest::newRow("refused reload") << int(DNPC_RS_APP_APPLY) << "/tmp/rs.conf" << "/tmp/rs.conf" << false << -1;
    }

    void remotePaths()
    {
        QFETCH(int, cmd);
        QFETCH(QString, path);
        QFETCH(QString, file);
        QFETCH(bool, unitsOwn);
        QFETCH(int, setup);
        TNetFixture fx;
        if (unitsOwn)
            leaveConfig(fx, file);
        else
            fx.root.write(file, "[DEVICES]\nmodel=OTHER\nvideos=4\n");
        QObject ctx;
        int applying = -1;
        QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &ctx, [&applying](int t) {
            if (t == SIG_NET_SETUP) {
                applying = g_api.m_applying;
                g_api.setApplying(0);
            }
        }, Qt::DirectConnection);
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        TPayload p;
        if (cmd == DNPC_RS_APP_APPLY)
            p.u32(10);
        sendPacket(cmd, p.text(path.toUtf8()).bytes);
        QCOMPARE(spy.isEmpty() ? -1 : spy.first().at(3).toInt(), setup);
        QCOMPARE(QFile::exists(fx.root.file(file)), setup < 0);
        QCOMPARE(applying, setup < 0 ? -1 : setup == 10 ? 1 : 0);
        QCOMPARE(g_api.m_applying, 0);
    }

    void previews_data()
    {
        QTest::addColumn<int>("act");
        QTest::addColumn<int>("arg1");
        QTest::addColumn<int>("arg2");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<int>("value");
        QTest::newRow("osd alpha") << int(Act_PrvOsdAlpha) << 5 << 0 << QByteArray() << "alpha" << 5;
        QTest::newRow("colour saturation") << int(Act_PrvColorSat) << 2 << 77 << QByteArray() << "sat2" << 77;
        QTest::newRow("colour beyond the cameras") << int(Act_PrvColorBri) << 16 << 9 << QByteArray() << "bri16" << 0;
        QTest::newRow("display contrast") << int(Act_PrvDispCsc) << 3 << 60 << QByteArray() << "con" << 60;
        QByteArray ptz;
        for (int ch = 0; ch < PROP_MAX_CH; ++ch)
            ptz += QByteArray(32, 'A') + be32(quint32(ch + 1)) + be32(9600);
        QTest::newRow("ptz record") << int(Act_PrvPtz) << 0 << 0 << ptz << "ptz1" << 2;
        QTest::newRow("ptz driver text terminated") << int(Act_PrvPtz) << 0 << 0 << ptz << "driver" << 31;
        QTest::newRow("audio record short") << int(Act_PrvAudio) << 0 << 0 << QByteArray(83, '\1') << "audio" << 0;
    }

    void previews()
    {
        QFETCH(int, act);
        QFETCH(int, arg1);
        QFETCH(int, arg2);
        QFETCH(QByteArray, record);
        QFETCH(QString, probe);
        QFETCH(int, value);
        TNetFixture fx;
        fx.edit<PropAudio>(IDX_PROP_AUDIO)->out = 0;
        fx.edit<PropColor>(IDX_PROP_COLOR)->data[16].bri = 0;
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        sendPacket(DNPC_RS_APP_RUN, TPayload().u32(quint32(act)).u32(quint32(arg1)).u32(quint32(arg2)).raw(record).bytes);
        const QMap<QString, int> probes = {
            {"alpha", fx.edit<PropOsd>(IDX_PROP_OSD)->alpha},
            {"sat2", fx.edit<PropColor>(IDX_PROP_COLOR)->data[2].sat},
            {"bri16", fx.edit<PropColor>(IDX_PROP_COLOR)->data[16].bri},
            {"con", fx.edit<PropDisplay>(IDX_PROP_DISPLAY)->con},
            {"ptz1", fx.edit<PropPtz>(IDX_PROP_PTZ)->ch[1].addr},
            {"driver", int(qstrnlen(fx.edit<PropPtz>(IDX_PROP_PTZ)->ch[0].driver, 32))},
            {"audio", fx.edit<PropAudio>(IDX_PROP_AUDIO)->out},
        };
        QCOMPARE(probes.value(probe), value);
        const bool whole = record.isEmpty() || record.size() >= TNetWire::size(TNetWire::PTZ);
        QCOMPARE(spy.count(), whole ? 1 : 0);
        if (whole)
            QCOMPARE(spy.first().mid(0, 4), (QList<QVariant>{SIG_NET_RS_SET, arg1, arg2, act}));
    }

    void networkText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("taken") << QByteArray("dhcp:0 ip:192.0.2.5 nm:255.255.255.0 gw:192.0.2.1 dns:192.0.2.53 port:8100 "
                                             "webport:8200")
                               << QStringList{"DalNetSetEth0(dhcp:0 dns:0 192.0.2.5/255.255.255.0 gw 192.0.2.1 dns "
                                              "192.0.2.53)",
                                              "DalSetAppInfo(\"\",0x00000000)", "DalNetSetPort(8100,8100,8100,8200)"};
        QTest::newRow("refused") << QByteArray("ip:192.0.2.300 port:8100") << QStringList();
    }

    void networkText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, calls);
        TNetFixture fx;
        fx.live<PropDevices>(IDX_PROP_DEVICES)->version = 0;
        fx.live<PropNetaddr>(IDX_PROP_NETADDR)->name[0] = '\0';
        sendPacket(DNPC_CAPS_NETWORK, text);
        QCOMPARE(journal(), calls);
        const bool taken = !calls.isEmpty();
        for (int live = 0; live < 2; ++live) {
            const auto* a = static_cast<const PropNetaddr*>(fx.cfg->getsection(IDX_PROP_NETADDR, live));
            const auto* p = static_cast<const PropNetport*>(fx.cfg->getsection(IDX_PROP_NETPORT, live));
            QCOMPARE(QByteArray(a->ip) == "192.0.2.5", taken);
            QCOMPARE(p->search == 8100 && p->web == 8200, taken);
        }
        QCOMPARE(fx.root.read("/dvr/SDR16.conf").contains("192.0.2.5"), taken);
    }

    void netEvents_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("notes");
        QTest::addColumn<int>("log");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("link up") << int(CBT_NET_LINK) << 1 << QList<int>{SIG_NET_CLIENT} << 0x7004 << QByteArray();
        QTest::newRow("link down") << int(CBT_NET_LINK) << 0 << QList<int>{SIG_NET_CLIENT} << 0x7005 << QByteArray();
        QTest::newRow("login") << int(CBT_NET_LOGIN) << 0 << QList<int>() << 0x3000 << QByteArray("(Remote)");
        QTest::newRow("logout") << int(CBT_NET_LOGOUT) << 0 << QList<int>() << 0x3001 << QByteArray("(Remote)");
        QTest::newRow("upgrade stopped") << int(CBT_NET_FU_STOP) << 0 << QList<int>{SIG_STATE_UPDATE, SIG_FU_FAIL} << 0
                                         << QByteArray();
        QTest::newRow("settings changed") << int(CBT_NET_SET) << 0 << QList<int>{SIG_NET_DHCP} << 0 << QByteArray();
        QTest::newRow("unknown") << 0x60 << 1 << QList<int>() << 0 << QByteArray();
    }

    void netEvents()
    {
        QFETCH(int, type);
        QFETCH(int, value);
        QFETCH(QList<int>, notes);
        QFETCH(int, log);
        QFETCH(QByteArray, contents);
        TNetFixture fx;
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const int logs = g_api.lastLogs(nullptr, 0);
        QCOMPARE(dalTestNet(type, nullptr, 0, value, nullptr), 0);
        QCOMPARE(codes(spy), notes);
        if (type == CBT_NET_LINK)
            QCOMPARE(spy.first().at(1).toInt(), value);
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs + (log ? 1 : 0));
        if (log) {
            LogRecord r;
            g_api.lastLogs(&r, 1);
            QCOMPARE(int(r.code), log);
            QCOMPARE(QByteArray(r.contents), contents);
        }
    }

    void firmwareStart_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("gigabit");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no version: never asked") << 0 << true << 0 << false;
        QTest::newRow("1019 on gigabit") << 1019 << true << -1 << true;
        QTest::newRow("1019 without gigabit") << 1019 << false << 0 << true;
        QTest::newRow("1020 on gigabit") << 1020 << true << 0 << true;
    }

    void firmwareStart()
    {
        QFETCH(int, version);
        QFETCH(bool, gigabit);
        QFETCH(int, result);
        QFETCH(bool, asked);
        TNetFixture fx;
        dalTestSetGigabit(gigabit);
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(dalTestNet(CBT_NET_FU_START, nullptr, 0, version, nullptr), result);
        QCOMPARE(dalTestJournalFind("gigabit-enabled") >= 0, asked);
        QCOMPARE(codes(spy), result ? (QList<int>{SIG_STATE_START, SIG_STATE_END}) : (QList<int>{SIG_FU_START, SIG_STATE_START}));
        QCOMPARE(spy.at(result ? 1 : 0).at(1).toInt(), result ? 3000 : 0);
    }

    void firmwareEnd_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("valid");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<bool>("removed");
        QTest::newRow("valid") << QByteArray("fname:/tmp/fw.bin size:10 ver:1.0.3.0") << 1 << "/tmp/fw.bin" << 1 << false;
        QTest::newRow("valid without a name") << QByteArray("fname: size:10 ver:1.0.3.0") << 1 << "/tmp/fw.bin" << 0
                                              << false;
        QTest::newRow("invalid in the RAM directory") << QByteArray("fname:/tmp/fw.bin size:10 ver:1.0.3.0") << 0
                                                      << "/tmp/fw.bin" << 0 << true;
        QTest::newRow("invalid elsewhere") << QByteArray("fname:/dvr/fw.bin size:10 ver:1.0.3.0") << 0 << "/dvr/fw.bin"
                                           << 0 << false;
        QTest::newRow("invalid leaving it") << QByteArray("fname:/tmp/../dvr/fw.bin size:1 ver:1") << 0
                                            << "/dvr/fw.bin" << 0 << false;
    }

    void firmwareEnd()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, valid);
        QFETCH(QString, file);
        QFETCH(int, accepted);
        QFETCH(bool, removed);
        TNetFixture fx;
        QVERIFY(fx.root.write(file, "image"));
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        // The text arrives without its terminator: its size bounds it.
        QCOMPARE(dalTestNet(CBT_NET_FU_END, text.constData(), text.size(), valid, nullptr), 0);
        const QList<QVariant> end = spy.last();
        QCOMPARE(end.at(0).toInt(), int(SIG_FU_END));
        QCOMPARE(end.at(1).toInt(), accepted);
        QCOMPARE(g_api.m_fUpgrade, accepted);
        QCOMPARE(spy.count(), accepted ? 1 : 2);
        QCOMPARE(QFile::exists(fx.root.file(file)), !removed);
        if (accepted)
            QCOMPARE(end.mid(4), (QList<QVariant>{"/tmp/fw.bin", "1.0.3.0"}));
    }
};

QTEST_GUILESS_MAIN(TDvrApiNetpackTest)
#include "tdvrapi-netpacktest.moc"
